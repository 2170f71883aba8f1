// Plays random user sessions against the main window and checks after every action that it tells the truth and lost nothing.
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "input/start_word.h"
#include "support/compiled_puzzles.h"
#include "support/puzzle_check.h"
#include "support/window_test.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;

/// The program's folder and the files a session may pick: good, too small, missing, unusable (how lists read: tests/words).
struct Fixtures {
  testing::TempDir program, files;
  std::vector<std::string> lists;

  Fixtures() {
    for (const char* name : kLevelFileNames) fs::copy_file(fs::path(LOOPWORD_DATA_DIR) / name, program.Path() / name);
    const std::string level1 = testing::ReadFile(program.Path() / "L1words.txt");
    std::string lfOnly = level1;  // lf-only and twice over: one list with both line ends and repeats
    lfOnly.erase(std::remove(lfOnly.begin(), lfOnly.end(), '\r'), lfOnly.end());
    lists = {files.Write("twice.dic", "\xEF\xBB\xBF" + level1 + lfOnly), files.Write("tiny.txt", "ABCDEFGH\rBCDEFGHA\r"),
             (files.Path() / "missing.txt").string(), files.Path().string()};
  }
};

/// One random session against one window, keeping what the window must show from the actions alone.
class Session {
 public:
  Session(const Fixtures& fixtures, std::uint64_t seed)
      : fixtures_(fixtures), random_(seed), toolkit_(fixtures.program.Path().string()),
        window_(toolkit_, fixtures.program.Path().string()) {
    Loaded(fixtures.program.Path().string() + "/L1words.txt");
  }

  /// Runs `count` actions; "" or what went wrong, with the actions that led to it.
  std::string Run(int count) {
    for (int i = 0; i < count && !exited_; ++i) {
      Act();
      if (fault_.empty()) fault_ = Check();
      if (!fault_.empty()) return fault_ + "\nactions:\n" + log_.str();
    }
    return "";
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  template <typename T>
  const T& PickFrom(const std::vector<T>& items) { return items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))]; }
  Qt::MouseButton AnyButton() { return PickFrom(std::vector{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}); }
  bool Yes() { return Pick(2) == 0; }
  void Log(const std::string& action) { log_ << "  " << action << '\n'; }
  /// A random answer to the question `action` may ask, logged with it.
  bool LogAnswer(const std::string& action) {
    const bool yes = Yes();
    Log(action + (yes ? ", Yes" : ", No"));
    return yes;
  }
  void Trigger(const QString& item) { window_.MenuItem(item)->trigger(); }

  std::string RandomText() {
    static const std::string kCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789-\t\xC3\xA9";
    std::string text;
    for (int i = Pick(4) == 0 ? 8 : Pick(14); i > 0; --i) text += kCharacters[static_cast<std::size_t>(Pick(int(kCharacters.size())))];
    return text;
  }

  /// The list the window must use after it tried `path`: that list if it reads, else the one before.
  void Loaded(const std::string& path) {
    const ReadResult read = ReadDictionaryFile(path);
    if (read.outcome != LoadOutcome::Loaded) return;
    title_ = EnglishText(DictionaryTitle(path, read.dictionary.WordCount(), ReadNote(read)));
    words_ = testing::WordSet(read.dictionary);
  }

  void Act() {  // replies an action left unused do not carry over: unqueued questions get Yes
    toolkit_.yesNoReplies.clear(), toolkit_.inputReplies.clear(), toolkit_.fileReplies.clear();
    switch (Pick(11)) {
      case 0: case 1: Compile(); break;
      case 2: case 3: PressButton(); break;
      case 4: StartingWord(); break;
      case 5: Dictionary(); break;
      case 6: Log("Help"); Trigger("Helpx"); break;
      case 7: case 8: Solve(); break;
      case 9: Log("Switch the fill"); Trigger(Yes() ? "mnuVaried" : "mnuUnique"); break;  // later puzzles as sound
      default: if (Pick(8) == 0) Exit(); break;
    }
  }

  void Compile() {
    const int stopAt = Yes() ? -1 : Pick(400);  // what is enabled during a compile: the window tests
    Log("Compile, stop at step " + std::to_string(stopAt));
    const std::size_t shown = toolkit_.messages.size();
    bool stopped = false;
    Trigger("mnuSolve");  // while solving, asks and takes the default Yes
    testing::FinishCompile(window_, [&](int step) {
      if (step == stopAt) QTest::mouseClick(window_.Command1(), AnyButton());
      stopped = stopped || (stopAt >= 0 && step >= stopAt);
    });
    const std::string said = toolkit_.messages.size() > shown ? toolkit_.messages.back() : "";
    if (TooFewWords()) {  // refused before anything changes
      if (said != EnglishText(TooFewWordsMessage(static_cast<int>(words_.size())))) fault_ = "a too small list not refused: " + said;
      return;
    }
    const bool made = said == "Done";
    if (made || !buttonEnabled_) {  // else the puzzle on screen stays as it was, solved on or not
      solving_ = false;
      caption_ = made ? "Show Puzzle" : "Show Solution";
    }
    buttonEnabled_ = made || buttonEnabled_;
    const bool explained = stopped ? said.empty() : said == kGiveUpMessage.source || said == EnglishText(ImpossibleMessage(startWord_));  // a stop proves nothing
    if (!made && !explained) fault_ = "a compile ended unexplained: " + said;
    if (made) { puzzleWords_ = words_; puzzleStart_ = startWord_; }  // the puzzle is checked after every action
  }

  /// True when the list in use, with the starting word, cannot make a puzzle of 23 different words.
  bool TooFewWords() const { return int(words_.size()) + (!startWord_.empty() && !words_.count(startWord_) ? 1 : 0) < 23; }

  /// True while leaving the puzzle being solved would lose letters typed into it.
  bool LettersAtStake() const {
    const View view = window_.CurrentView();
    const auto typed = [](const CellReading& c) { return c.shows == CellShows::Letter || c.shows == CellShows::Wrong; };
    return solving_ && view.mode == Mode::Solving && !view.solved &&
           std::ranges::any_of(view.reading.cells, [&](const auto& ring) { return std::ranges::any_of(ring, typed); });
  }

  void PressButton() {
    const bool asks = LettersAtStake(), yes = LogAnswer("Release a mouse button over the view button");
    toolkit_.yesNoReplies = {yes};
    QTest::mouseClick(window_.Command1(), AnyButton());
    if (asks && !yes) return;
    solving_ = false;
    if (buttonEnabled_) caption_ = caption_ == "Show Puzzle" ? "Show Solution" : "Show Puzzle";
  }

  void Solve() {
    Log("Solve on screen");
    Trigger("mnuSolveOnScreen");
    if (buttonEnabled_) { caption_ = "Show Solution"; solving_ = true; }
    auto* picture = window_.findChild<PictureBox*>();
    static const std::vector<Qt::Key> kKeys = {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                               Qt::Key_Down, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_5, Qt::Key_A, Qt::Key_Z};
    for (int i = Pick(60), kind = Pick(3); i > 0; --i, kind = Pick(3)) {
      const QPoint at(Pick(picture->width()), Pick(picture->height()));
      if (kind == 0) QTest::mouseClick(picture, Qt::LeftButton, {}, at);
      if (kind == 1) QTest::keyClick(picture, PickFrom(kKeys), Yes() ? Qt::NoModifier : Qt::ShiftModifier);
      if (kind == 2) Trigger(Yes() ? "mnuCheck" : "mnuReveal");
    }
  }

  void StartingWord() {
    startMark_ = Pick(2);
    std::vector<std::string> answers;
    for (int i = Pick(4); i > 0; --i) answers.push_back(RandomText());
    answers.push_back(Yes() ? "  " : RandomText());
    Log("Starting Word " + std::to_string(startMark_) + " with " + std::to_string(answers.size()) + " answers");
    toolkit_.inputReplies.assign(answers.begin(), answers.end());
    Trigger(QString("mnuStart%1").arg(startMark_));
    if (startMark_ == 0) startWord_.clear();
    for (const std::string& answer : answers) {  // asked until accepted or blank
      const StartWordCheck check = CheckStartWord(answer, Language::English);  // the window starts in English under LC_ALL=C
      if (startMark_ == 1 && check.verdict == StartWordCheck::Verdict::Accepted) startWord_ = check.word;
      if (startMark_ == 0 || check.verdict == StartWordCheck::Verdict::Accepted || check.verdict == StartWordCheck::Verdict::Cancelled) break;
    }
  }

  void Dictionary() {
    const int item = Pick(4);
    const std::string path = item > 0 ? fixtures_.program.Path().string() + "/" + kLevelFileNames[static_cast<std::size_t>(item - 1)]
                                      : (Pick(4) == 0 ? "" : PickFrom(fixtures_.lists));
    Log("Dictionary " + std::to_string(item) + " " + path);
    toolkit_.fileReplies = {path};
    Trigger(QString("mnuDictLevel%1").arg(item));
    if (!path.empty()) { dictionaryMark_ = item; Loaded(path); }  // cancelled: nothing changes
  }

  void Exit() {
    const bool yes = LogAnswer("Exit"), asks = LettersAtStake();
    const std::size_t asked = toolkit_.questions.size();
    toolkit_.yesNoReplies = {yes};
    Trigger("Exitx");
    if ((toolkit_.questions.size() > asked) != asks) fault_ = "Exit asked about typed letters wrongly";
    if (asks && !yes) return;  // the window stays, solving too: the next checks see it
    solving_ = false;  // leaving ends solving
    exited_ = true;
  }

  std::string Check() {
    std::ostringstream fault;
    if (window_.windowTitle().toStdString() != "[*]" + title_) fault << "title '" << window_.windowTitle().toStdString() << "'\n";
    if (!window_.MenuItem(QString("mnuDictLevel%1").arg(dictionaryMark_))->isChecked()) fault << "Dictionary mark\n";  // marks exclude each other
    if (!window_.MenuItem(QString("mnuStart%1").arg(startMark_))->isChecked()) fault << "Starting Word mark\n";
    const View view = window_.CurrentView();
    if (view.choices.startWord != startWord_) fault << "starting word '" << view.choices.startWord << "'\n";
    if (window_.Caption() != caption_ || window_.ButtonEnabled() != buttonEnabled_) fault << "button '" << window_.Caption().toStdString() << "'\n";
    if (toolkit_.busy || window_.Compiling()) fault << "still busy\n";
    const std::string verdict = buttonEnabled_ ? testing::CheckPuzzle(testing::TextLines(view.puzzle.value_or(PuzzleView{}).puzzle), puzzleWords_, puzzleStart_) : "";
    if (!verdict.empty()) fault << "the puzzle on show is unsound: " << verdict << '\n';
    if ((view.mode == Mode::Solving) != solving_) fault << "solving is " << (solving_ ? "off" : "on") << '\n';
    return fault.str();
  }

  const Fixtures& fixtures_;
  std::mt19937_64 random_;
  testing::ScriptedToolkit toolkit_;
  Form1 window_;
  std::string title_ = "Loopword", startWord_;  // the title names the list in use and its word count, with repeats
  std::set<std::string> words_, puzzleWords_;  // the list in use; the words and starting word the puzzle on show was made from
  std::string puzzleStart_, fault_;
  int dictionaryMark_ = 1, startMark_ = 0;
  QString caption_ = "Show Puzzle";
  bool buttonEnabled_ = false, solving_ = false, exited_ = false;  // solving: a puzzle is being solved on screen
  std::ostringstream log_;
};

// LOOPWORD_SESSIONS sets how many sessions run (default 150, 40 under the sanitizers), LOOPWORD_SESSION_SEED
// the first seed; a failure prints its seed and the actions that led to it.
TEST(SessionFuzz, RandomSessionsKeepTheWindowTruthfulAndLoseNothing) {
  int sessions = qEnvironmentVariableIntValue("LOOPWORD_SESSIONS");
  if (sessions <= 0) sessions = qEnvironmentVariableIsSet("LOOPWORD_SANITIZED") ? 40 : 150;
  const auto firstSeed = static_cast<std::uint64_t>(std::max(qEnvironmentVariableIntValue("LOOPWORD_SESSION_SEED"), 1));
  const Fixtures fixtures;
  long actions = 0;
  for (int i = 0; i < sessions; ++i) {
    const std::uint64_t seed = firstSeed + static_cast<std::uint64_t>(i);
    std::mt19937_64 lengths(seed ^ 0x5EED);
    const int count = std::uniform_int_distribution<int>(20, 200)(lengths);
    ASSERT_EQ(Session(fixtures, seed).Run(count), "") << "seed " << seed;
    actions += count;
  }
  std::cout << sessions << " sessions, up to " << actions << " actions, no fault\n";
}

}  // namespace
}  // namespace loopword
