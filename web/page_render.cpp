// The view in the page's language, and the markup of what the page shows beside the picture.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_render.h"

#include <algorithm>
#include <iterator>

#include "board/program_text.h"
#include "puzzle/puzzle_link.h"
#include "display/svg_canvas.h"
#include "play/solving.h"

namespace loopword {

using emscripten::val;

namespace {

/// Whether `value` is a JavaScript object (not null): what a table of translations is made of.
bool IsTable(const val& value) { return !value.isNull() && value.typeOf().as<std::string>() == "object"; }

}  // namespace

void PageLanguage::UseTranslations(const val& table) {
  for (const Language language : kLanguages) {
    const std::string code(LanguageCode(language));
    const val contexts = table[code];
    if (!IsTable(contexts)) continue;
    const val contextNames = val::global("Object").call<val>("keys", contexts);
    for (int c = 0; c < contextNames["length"].as<int>(); ++c) {
      const std::string context = contextNames[c].as<std::string>();
      const val texts = contexts[context];
      if (!IsTable(texts)) continue;
      const val english = val::global("Object").call<val>("keys", texts);
      for (int t = 0; t < english["length"].as<int>(); ++t) {
        const val translated = texts[english[t]];
        Forms forms;
        if (translated.isString()) forms.push_back(translated.as<std::string>());
        else if (val::global("Array").call<bool>("isArray", translated)) forms = emscripten::vecFromJSArray<std::string>(translated);
        if (!forms.empty()) table_[code][context + "\n" + english[t].as<std::string>()] = std::move(forms);
      }
    }
  }
}

const PageLanguage::Forms* PageLanguage::Found(const std::string& code, const std::string& context,
                                               const std::string& english) const {
  const auto language = table_.find(code);
  if (language == table_.end()) return nullptr;
  const auto forms = language->second.find(context + "\n" + english);
  return forms == language->second.end() ? nullptr : &forms->second;
}

std::string PageLanguage::TranslatedIn(const std::string& code, const std::string& context,
                                       const std::string& english) const {
  const Forms* forms = Found(code, context, english);
  return forms ? forms->front() : english;
}

std::string PageLanguage::Translated(const std::string& context, const std::string& english) const {
  return TranslatedIn(code_, context, english);
}

std::string PageLanguage::Translated(const Text& text) const { return Translated(text.context, text.source); }

std::string PageLanguage::Rendered(const Message& message) const {
  return RenderedText(message, [this](const Text& pattern, std::optional<long long> count) {
    if (!count) return Translated(pattern);
    const Forms* forms = Found(code_, pattern.context, pattern.source);
    const std::optional<Language> language = LanguageFromCode(code_);
    const auto form = static_cast<std::size_t>(PluralFormIndex(language.value_or(Language::English), *count));
    if (forms && form < forms->size()) return (*forms)[form];
    return EnglishPattern(pattern, *count);
  });
}

SheetTexts PageLanguage::SheetTextsIn(Language language) const {
  const std::string code(LanguageCode(language));
  if (table_.count(code) == 0) return SheetTexts();
  return TranslatedSheetTexts([&](const std::string& english) { return TranslatedIn(code, "Sheets", english); });
}

std::string HtmlEscaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

namespace {

std::string CellId(int square, int position) {
  return "cell-" + std::to_string(square) + "-" + std::to_string(position);
}

}  // namespace

std::string FigureMarkup(const std::string& svg, const FigureReading& reading, const PageLanguage& language) {
  std::string markup = svg;
  if (const auto start = markup.find("<svg"); start != std::string::npos) {
    markup.insert(start + 4, R"( aria-hidden="true" translate="no")");
  }
  if (reading.sheet == Sheet::Figure) return markup;
  const std::string current = CursorCellId(reading);
  for (int s = 1; s <= kSquareCount; ++s) {
    markup += R"(<div class="visually-hidden" role="row">)";
    for (int p = 1; p <= kRingSize; ++p) {
      const std::string id = CellId(s, p);
      const std::string said = language.Rendered(CellSaid({s, p}, reading.cells[s][p]));
      markup += R"(<div role="gridcell" id=")" + id + R"(" aria-selected=")" + (id == current ? "true" : "false") + "\">" +
                HtmlEscaped(said) + "</div>";
    }
    markup += "</div>";
  }
  return markup;
}

std::string CursorCellId(const FigureReading& reading) {
  if (reading.sheet == Sheet::Figure || !reading.current) return "";
  return CellId(reading.current->square, reading.current->position);
}

std::string WordsMarkup(const std::vector<ListedWord>& words, const PageLanguage& language) {
  std::string markup;
  for (const ListedWord& listed : words) {
    const std::string shown = HtmlEscaped(listed.Shown());
    const bool clued = !listed.clue.empty();
    const char* classes = listed.found ? (clued ? R"( class="found clue")" : R"( class="found")")
                                       : (clued ? R"( class="clue")" : "");
    markup += std::string("<li") + classes + ">";
    if (!listed.found) {
      markup += shown + "</li>";
      continue;
    }
    const std::string said = language.Rendered(WordSaid(listed));
    markup += R"(<span aria-hidden="true">)" + shown + R"(</span><span class="visually-hidden">)" + HtmlEscaped(said) +
              "</span></li>";
  }
  return markup;
}

std::string CardMarkup(const ResultCard& card, const PageLanguage& language) {
  std::string markup;
  for (const Message& line : CardLines(card)) {
    const char* tag = markup.empty() ? "h2" : "p";
    markup += std::string("<") + tag + ">" + HtmlEscaped(language.Rendered(line)) + "</" + tag + ">";
  }
  return markup;
}

std::string ResultsTable(const std::vector<ResultRow>& rows, const PageLanguage& language) {
  if (rows.empty()) return "";
  static constexpr Text kHeadings[] = {LOOPWORD_TEXT("WebPage", "Number"), LOOPWORD_TEXT("WebPage", "Time"),
                                       LOOPWORD_TEXT("WebPage", "Checks"), LOOPWORD_TEXT("WebPage", "Letters revealed"),
                                       LOOPWORD_TEXT("WebPage", "Result code"), LOOPWORD_TEXT("WebPage", "What is wrong")};
  std::string markup = "<thead><tr>";
  for (const Text& heading : kHeadings) markup += "<th>" + HtmlEscaped(language.Translated(heading)) + "</th>";
  markup += "</tr></thead><tbody>";
  const auto cells = [](const std::vector<std::string>& texts) {
    std::string row;
    for (const std::string& text : texts) row += "<td>" + HtmlEscaped(text) + "</td>";
    return row;
  };
  for (const ResultRow& row : rows) {
    const std::optional<PupilResult>& result = row.read.result;
    markup += result ? "<tr>" + cells({std::to_string(result->number), SolvingTimeText(result->seconds), std::to_string(result->checks),
                                       std::to_string(result->revealed), row.code, ""})
                     : R"(<tr class="refused">)" + cells({"", "", "", "", row.code, language.Rendered(row.read.refusal)});
    markup += "</tr>";
  }
  return markup + "</tbody>";
}

std::string ScanLinkMarkup(const std::string& sheetFile) {
  return R"(<div class="scan-link" data-link=")" + HtmlEscaped(PackedPuzzleLink(sheetFile)) + R"("></div>)";
}

std::string ClassPuzzlePage(const std::string& heading, const std::string& title, const std::string& sheet,
                            const std::string& below) {
  const std::string titled = title.empty() ? "" : "<span>" + HtmlEscaped(title) + "</span>";
  return R"(<section class="class-page"><h2>)" + HtmlEscaped(heading) + titled + "</h2>" + sheet + below + "</section>";
}

std::string ClassAnswerPage(const std::vector<std::pair<std::string, std::string>>& headedSheets) {
  std::string markup = R"(<section class="class-page answers">)";
  for (const auto& [heading, sheet] : headedSheets) {
    markup += "<figure><figcaption>" + HtmlEscaped(heading) + "</figcaption>" + sheet + "</figure>";
  }
  return markup + "</section>";
}

bool ClassSetPages::Add(const PrintedSheets& sheets, const std::string& sheetFile) {
  const SheetView& sheet = sheets.puzzle;
  const std::string heading = PuzzleHeading(sheet.texts, ++made_, pupils_, sheet.setId);
  pages_ += ClassPuzzlePage(heading, sheet.title, SheetSvg(sheet, "Puzzle sheet"), ScanLinkMarkup(sheetFile));
  answers_.emplace_back(heading, SheetSvg(sheets.solution, "Solution sheet"));
  if (static_cast<int>(answers_.size()) == kAnswersPerPage || made_ == pupils_) {
    answerPages_ += ClassAnswerPage(std::exchange(answers_, {}));
  }
  return true;
}

Message LinkNote(const std::string& kind, const std::string& outcome, const std::string& link) {
  struct Note {
    const char* kind;
    const char* outcome;
    Text text;
  };
  static constexpr Note kNotes[] = {
      {"pupil", "from-file",
       LOOPWORD_TEXT("WebPage", "This page was opened from a file on this computer, so a link to it works only here. "
                                "Put the page on a web server to share links, or use \"%1\" and give pupils that file.")},
      {"pupil", "copied", LOOPWORD_TEXT("WebPage", "The pupil link is copied: paste it where your class will find it. "
                                                   "It opens this puzzle, ready to solve.")},
      {"pupil", "copy", LOOPWORD_TEXT("WebPage", "Copy this pupil link: %1")},
      {"class", "from-file",
       LOOPWORD_TEXT("WebPage", "This page was opened from a file on this computer, so a class link to it works only "
                                "here. Put the page on a web server to give your class one link, or use \"%1\".")},
      {"class", "copied", LOOPWORD_TEXT("WebPage", "The class link is copied: give it to your class. "
                                                   "Each pupil opens it and chooses their number.")},
      {"class", "copy", LOOPWORD_TEXT("WebPage", "Copy this class link: %1")},
      {"export", "unfetched",
       LOOPWORD_TEXT("WebPage", "The page to save could not be fetched: connect to the internet and try again.")}};
  const auto* note = std::find_if(std::begin(kNotes), std::end(kNotes),
                                  [&](const Note& note) { return kind == note.kind && outcome == note.outcome; });
  if (note == std::end(kNotes)) return {};
  if (outcome != "from-file") return Message(note->text, {link});
  return Message(note->text, {Phrase(kind == "pupil" ? LOOPWORD_TEXT("WebPage", "Save as web page")
                                                     : LOOPWORD_TEXT("WebPage", "Print class set"))});
}


}  // namespace loopword
