// The view in the page's language: messages rendered from the page's translations, and the markup of the figure's
// cells for screen readers, the words to find and a class set's printed pages.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "board/message.h"
#include "board/program_text.h"
#include "display/sheets.h"
#include "session/result_card.h"
#include "session/result_code.h"
#include "session/view.h"
#include "words/language.h"

namespace loopword {

/// The page's translations (language code → context → English → translation, or a counted text's plural forms) and
/// the language the page speaks.
class PageLanguage {
 public:
  /// Takes the page's translation table, as the page's texts.json holds it.
  void UseTranslations(const emscripten::val& table);
  /// Speaks the language with the two-letter `code` from now on; English for one without translations.
  void Speak(const std::string& code) { code_ = code; }
  /// The two-letter code of the language the page speaks.
  [[nodiscard]] const std::string& Code() const { return code_; }

  /// `english` of `context` in the page's language, English where there is no translation.
  [[nodiscard]] std::string Translated(const std::string& context, const std::string& english) const;
  [[nodiscard]] std::string Translated(const Text& text) const;
  /// The message's lines in the page's language, joined by "\n"; a count in the form the language gives it.
  [[nodiscard]] std::string Rendered(const Message& message) const;
  /// The sheets' words in `language` (the puzzle's, not the page's).
  [[nodiscard]] SheetTexts SheetTextsIn(Language language) const;

 private:
  using Forms = std::vector<std::string>;
  [[nodiscard]] const Forms* Found(const std::string& code, const std::string& context, const std::string& english) const;
  [[nodiscard]] std::string TranslatedIn(const std::string& code, const std::string& context,
                                         const std::string& english) const;

  std::map<std::string, std::map<std::string, Forms>> table_;  // code → context + "\n" + English → forms
  std::string code_ = "en";
};

/// `text` (UTF-8) as HTML character data or an attribute's value.
std::string HtmlEscaped(const std::string& text);
/// The figure's picture (SVG, hidden from screen readers) and, per square, a row of its cells as a screen reader
/// reads them, the cursor's cell selected; cell ids are "cell-SQUARE-POSITION".
std::string FigureMarkup(const std::string& svg, const FigureReading& reading, const PageLanguage& language);
/// The id of the cell the cursor is on, or "" for none.
std::string CursorCellId(const FigureReading& reading);
/// The words to find as list items: the word (or its clue) shown, struck once found, and read "(found)".
std::string WordsMarkup(const std::vector<ListedWord>& words, const PageLanguage& language);
/// The result card of a solved puzzle: its first line as a heading, the others under it.
std::string CardMarkup(const ResultCard& card, const PageLanguage& language);
/// The teacher's table of result codes read: a row for each, a refused one saying why.
std::string ResultsTable(const std::vector<ResultRow>& rows, const PageLanguage& language);
/// Where a printed puzzle shows the QR code of its pupil link, the puzzle file `sheetFile`: an empty element that
/// carries the text after the link's "#" (data-link) for the page's script, which knows the page's address, to draw
/// the code into.
std::string ScanLinkMarkup(const std::string& sheetFile);
/// A class set's printed page of one puzzle: `heading` ("Puzzle 3 of 30") and the title above its sheet (SVG), and
/// `below` under it.
std::string ClassPuzzlePage(const std::string& heading, const std::string& title, const std::string& sheet,
                            const std::string& below = "");
/// A class set's printed page of answers: each solution sheet (SVG) under its heading.
std::string ClassAnswerPage(const std::vector<std::pair<std::string, std::string>>& headedSheets);

/// A class set's printed pages as its puzzles are made: each puzzle on a page of its own, headed with its number and
/// title, then the answers kAnswersPerPage a page.
class ClassSetPages {
 public:
  explicit ClassSetPages(int pupils) : pupils_(pupils) {}
  /// Adds the pages of the next puzzle made, its sheets `sheets` and file `sheetFile` (whose pupil link its page
  /// shows as a QR code); true, to go on.
  bool Add(const PrintedSheets& sheets, const std::string& sheetFile);
  [[nodiscard]] std::string Markup() const { return pages_ + answerPages_; }

 private:
  int pupils_ = 0;
  int made_ = 0;
  std::string pages_, answerPages_;
  std::vector<std::pair<std::string, std::string>> answers_;  // the headings and solution sheets not yet on a page
};

/// What the note under the page's links says: of a pupil link ("pupil"), a class link ("class") or the saved page
/// ("export"), after `outcome`: "from-file" (a page opened from disk has no link to share), "copied", "copy" (the
/// clipboard refused: the link to copy by hand, `link`) or "unfetched" (the page to save could not be had).
Message LinkNote(const std::string& kind, const std::string& outcome, const std::string& link);

}  // namespace loopword
