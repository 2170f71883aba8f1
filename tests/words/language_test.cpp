// Checks the tables of languages and difficulties every front end lists, and the plural forms of each language.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "words/language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "board/puzzle.h"
#include "support/run_tool.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

const std::string kSourceDir = LOOPWORD_DATA_DIR "/..";

/// The value and the text of each option of the list with the id `id` in `page`.
std::vector<std::pair<std::string, std::string>> Options(const std::string& page, const std::string& id) {
  const std::size_t start = page.find("<select id=\"" + id + "\"");
  const std::string list = page.substr(start, page.find("</select>", start) - start);
  std::vector<std::pair<std::string, std::string>> options;
  for (std::size_t at = list.find("<option value=\""); at != std::string::npos; at = list.find("<option value=\"", at)) {
    const std::size_t valueStart = at + 15, valueEnd = list.find('"', valueStart);
    const std::size_t textStart = list.find('>', valueEnd) + 1, textEnd = list.find("</option>", textStart);
    options.emplace_back(list.substr(valueStart, valueEnd - valueStart), list.substr(textStart, textEnd - textStart));
    at = textEnd;
  }
  return options;
}

TEST(Languages, ThePagesListsAreTheTablesOfLanguagesAndDifficulties) {
  testing::TempDir folder;
  const std::string page = (folder.Path() / "index.html").string();
  ASSERT_EQ(testing::RunTool("python3 " + kSourceDir + "/web/page_texts.py page " + kSourceDir + "/web/index.html " + page).second, 0);
  const std::string text = testing::ReadFile(page);
  std::vector<std::pair<std::string, std::string>> languages, difficulties;
  for (const Language language : kLanguages) languages.emplace_back(LanguageCode(language), LanguageName(language));
  for (const Difficulty difficulty : kDifficulties) difficulties.emplace_back(DifficultyName(difficulty), DifficultyLabelText(difficulty).source);
  EXPECT_EQ(Options(text, "page-language"), languages);
  EXPECT_EQ(Options(text, "difficulty"), difficulties);
}

TEST(PluralForms, EachLanguageGivesAsManyFormsAsItsTranslationHasForEveryCountedText) {
  for (const Language language : kLanguages) {
    SCOPED_TRACE(std::string(LanguageCode(language)));
    std::set<int> given;
    for (long long n = 0; n <= 1000; ++n) given.insert(PluralFormIndex(language, n));
    EXPECT_EQ(static_cast<int>(given.size()), PluralFormCount(language));
    EXPECT_EQ(*given.begin(), 0);
    EXPECT_EQ(*given.rbegin(), PluralFormCount(language) - 1);
    if (language == Language::English) continue;  // the source language: a text and its form for one
    const std::string ts = testing::ReadFile(kSourceDir + "/translations/loopword_" + std::string(LanguageCode(language)) + ".ts");
    int counted = 0;
    for (std::size_t at = ts.find("numerus=\"yes\""); at != std::string::npos; at = ts.find("numerus=\"yes\"", at + 1)) {
      const std::string message = ts.substr(at, ts.find("</message>", at) - at);
      int forms = 0;
      for (std::size_t form = message.find("<numerusform"); form != std::string::npos; form = message.find("<numerusform", form + 1)) ++forms;
      EXPECT_EQ(forms, PluralFormCount(language)) << message;
      ++counted;
    }
    EXPECT_GT(counted, 0);
  }
}

}  // namespace
}  // namespace loopword
