// Plays thousands of random user sessions against the main window with scripted answers and
// checks after every action that the window still tells the truth and nothing was lost.
// LOOPWORD_SESSIONS sets how many sessions run (default 500, 40 under the sanitizers);
// LOOPWORD_SESSION_SEED sets the first seed. A failure prints its seed and the actions that led to it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>

#include "app/about_form.h"
#include "app/form1.h"
#include "app/picture_box.h"
#include "support/puzzle_check.h"
#include "support/scripted_toolkit.h"
#include "support/temp_dir.h"

namespace loopword {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedToolkit;

/// The words of a list file as the program must read them: lines of 8 capitals, any line end.
struct ListFacts {
  bool readable = false;
  std::vector<std::string> words;
};

ListFacts ReadFacts(const fs::path& path) {
  ListFacts facts;
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return facts;
  std::ifstream in(path, std::ios::binary);
  std::string text;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) text.append(buffer, static_cast<std::size_t>(in.gcount()));
  if (in.bad() || !in.eof()) return facts;  // a read error: the program must refuse the file too
  facts.readable = true;
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  std::string line;
  auto finish = [&] {
    const bool capitals = line.size() == 8 && std::all_of(line.begin(), line.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    if (capitals) facts.words.push_back(line);
    line.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      finish();
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += text[i];
    }
  }
  if (!line.empty()) finish();
  return facts;
}

/// The files a session may pick: good, damaged, binary, huge, missing and unusable ones.
class Fixtures {
 public:
  Fixtures() {
    for (const char* name : kLevelFileNames) fs::copy_file(fs::path(LOOPWORD_DATA_DIR) / name, program_.Path() / name);
    const fs::path level1 = fs::path(LOOPWORD_DATA_DIR) / "L1words.txt";
    std::ifstream in(level1, std::ios::binary);
    const std::string words((std::istreambuf_iterator<char>(in)), {});
    std::string lfOnly = words;
    lfOnly.erase(std::remove(lfOnly.begin(), lfOnly.end(), '\r'), lfOnly.end());
    std::string twice = "\xEF\xBB\xBF" + words + words;
    std::string binary;
    for (unsigned i = 0; i < 300'000; ++i) binary += static_cast<char>((i * 7919U + 13U) % 256U);
    std::string tooMany;
    for (int i = 0; i <= kWordLimit; ++i) tooMany += "ABCDEFGH\n";
    lists_ = {files_.Write("lf-only.txt", lfOnly),        files_.Write("twice.dic", twice),
              files_.Write("tiny.txt", "ABCDEFGH\rBCDEFGHA\r"), files_.Write("empty.txt", ""),
              files_.Write("binary.dat", binary),          files_.Write("lower.txt", "abcdefgh\nplatypus\n"),
              files_.Write("huge.txt", std::string(8 << 20, 'W')), files_.Write("too-many.txt", tooMany),
              (files_.Path() / "missing.txt").string(),   files_.Path().string(),
              "/proc/self/mem"};
    fs::create_directory(files_.Path() / "folder.bmp");
    bitmaps_ = {(files_.Path() / "out.bmp").string(), (files_.Path() / "no-extension").string(),
                (files_.Path() / "folder.bmp").string(), (files_.Path() / "missing" / "x.bmp").string(),
                "/proc/loopword.bmp", files_.Write("kept.bmp", "precious")};
  }
  [[nodiscard]] std::string Program() const { return program_.Path().string(); }
  [[nodiscard]] const std::vector<std::string>& Lists() const { return lists_; }
  [[nodiscard]] const std::vector<std::string>& Bitmaps() const { return bitmaps_; }
  [[nodiscard]] const fs::path& Files() const { return files_.Path(); }

 private:
  testing::TempDir program_;
  testing::TempDir files_;
  std::vector<std::string> lists_;
  std::vector<std::string> bitmaps_;
};

/// What the window must show, kept by the test from the actions alone.
struct Expected {
  std::string wordsPath;  // the list in use; "" while none is loaded
  std::vector<std::string> words;
  int dictionaryMark = 1;
  int startMark = 0;
  std::string startWord;
  QString caption = "Show Puzzle";
  bool buttonEnabled = false;
  std::set<std::string> puzzleWords;  // the words the last complete puzzle was made from
};

/// One random session against one window.
class Session {
 public:
  Session(const Fixtures& fixtures, std::uint64_t seed)
      : fixtures_(fixtures), random_(seed), toolkit_(fixtures.Program()) {
    window_ = std::make_unique<Form1>(toolkit_, fixtures.Program());
    Loaded(fixtures.Program() + "/L1words.txt");
  }

  /// Runs `count` actions; returns "" or what went wrong, with the actions that led to it.
  std::string Run(int count) {
    for (int i = 0; i < count && !exited_; ++i) {
      Act();
      const std::string fault = Check();
      if (!fault.empty()) return fault + "\nactions:\n" + log_.str();
    }
    return "";
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool Coin() { return Pick(2) == 0; }

  std::string RandomText() {
    static const std::string kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789-\t\xC3\xA9";
    std::string text;
    const int length = Pick(4) == 0 ? 8 : Pick(14);
    for (int i = 0; i < length; ++i) text += kAlphabet[static_cast<std::size_t>(Pick(static_cast<int>(kAlphabet.size())))];
    return text;
  }

  void Loaded(const std::string& path) {
    const ListFacts facts = ReadFacts(path);
    if (facts.readable && !facts.words.empty() && facts.words.size() <= static_cast<std::size_t>(kWordLimit)) {
      expected_.wordsPath = path;
      expected_.words = facts.words;
    }
  }

  void Act() {
    switch (Pick(11)) {
      case 0: case 1: Compile(); break;
      case 2: case 3: PressButton(); break;
      case 4: StartingWord(); break;
      case 5: Dictionary(); break;
      case 6: SaveBitmap(); break;
      case 7: Print(); break;
      case 8: Log("Help"); window_->MenuItem("Helpx")->trigger(); break;
      case 9: About(); break;
      case 10: if (Pick(8) == 0) Exit(); break;
    }
  }

  void Compile() {
    const int stopAt = Coin() ? -1 : Pick(400);
    const int meddleAt = Pick(3) == 0 ? Pick(300) : -1;
    Log("Compile, stop at yield " + std::to_string(stopAt) + ", meddle at " + std::to_string(meddleAt));
    const int before = toolkit_.yields;
    bool stopped = false;
    toolkit_.onYield = [&](int yields) {
      const int n = yields - before;
      if (n == meddleAt) Meddle();
      if (n == stopAt) {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        QTest::mouseClick(window_->Command1(), buttons[Pick(3)]);
        stopped = true;
      }
    };
    const std::size_t messagesBefore = toolkit_.messages.size();
    window_->MenuItem("mnuSolve")->trigger();
    toolkit_.onYield = nullptr;
    const bool done = toolkit_.messages.size() > messagesBefore && toolkit_.messages.back() == "Done";
    if (done) {
      expected_.caption = "Show Puzzle";
      expected_.buttonEnabled = true;
      expected_.puzzleWords = std::set<std::string>(expected_.words.begin(), expected_.words.end());
      const std::string verdict = testing::CheckPuzzle(window_->CurrentPuzzle().List2, expected_.puzzleWords,
                                                       expected_.startWord);
      if (!verdict.empty()) fault_ = "the completed puzzle is unsound: " + verdict;
    } else {
      expected_.caption = "Show Solution";
      expected_.buttonEnabled = false;
      if (!stopped && toolkit_.messages.back() != kGiveUpMessage) fault_ = "a compile ended without Done, stop or give-up";
    }
  }

  /// What a restless user does while a compile runs: every command, which must do nothing.
  void Meddle() {
    for (const char* name : {"mnuSolve", "mnuStart1", "mnuDictLevel2", "copyx", "mnuprint"}) {
      if (window_->MenuItem(name)->isEnabled()) fault_ = std::string(name) + " is enabled during a compile";
      window_->MenuItem(name)->trigger();
    }
    window_->mnuSolve_Click();
    window_->mnuDictLevel_Click(3);
    window_->mnuStart_Click(1);
    window_->copyx_Click();
    window_->mnuprint_Click();
  }

  void PressButton() {
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = buttons[Pick(3)];
    Log("Release mouse button " + std::to_string(static_cast<int>(button)) + " over the view button");
    QTest::mouseClick(window_->Command1(), button);
    if (expected_.buttonEnabled) {
      expected_.caption = expected_.caption == "Show Puzzle" ? "Show Solution" : "Show Puzzle";
    }
  }

  void StartingWord() {
    const int item = Pick(2);
    std::vector<std::string> answers;
    for (int i = Pick(4); i > 0; --i) answers.push_back(RandomText());
    answers.push_back(Coin() ? "" : (Coin() ? "  " : RandomText()));
    Log("Starting Word " + std::to_string(item) + " answers " + std::to_string(answers.size()));
    toolkit_.inputReplies.assign(answers.begin(), answers.end());
    window_->MenuItem(QString("mnuStart%1").arg(item))->trigger();
    expected_.startMark = item;
    if (item == 0) {
      expected_.startWord.clear();
    } else {
      for (const std::string& answer : answers) {
        if (answer.find_first_not_of(' ') == std::string::npos) break;  // blank: cancelled
        if (const std::optional<std::string> word = AcceptedWord(answer)) {
          expected_.startWord = *word;
          break;
        }
      }
    }
    toolkit_.inputReplies.clear();
  }

  void Dictionary() {
    const int item = Pick(4);
    if (item == kUserDictionary) {
      const bool cancel = Pick(4) == 0;
      const std::string path = cancel ? "" : fixtures_.Lists()[static_cast<std::size_t>(Pick(static_cast<int>(fixtures_.Lists().size())))];
      Log("Dictionary User " + (cancel ? std::string("cancelled") : path));
      toolkit_.fileReplies = {path};
      window_->MenuItem("mnuDictLevel0")->trigger();
      if (!cancel) {
        expected_.dictionaryMark = 0;
        Loaded(path);
      }
      return;
    }
    Log("Dictionary Level " + std::to_string(item));
    window_->MenuItem(QString("mnuDictLevel%1").arg(item))->trigger();
    expected_.dictionaryMark = item;
    Loaded(fixtures_.Program() + "/" + kLevelFileNames[static_cast<std::size_t>(item - 1)]);
  }

  void SaveBitmap() {
    const auto& paths = fixtures_.Bitmaps();
    const std::string path = Pick(5) == 0 ? "" : paths[static_cast<std::size_t>(Pick(static_cast<int>(paths.size())))];
    const bool yes = Coin();
    Log("Save as bitmap " + path + (yes ? " yes" : " no"));
    std::error_code error;
    const bool existed = fs::is_regular_file(path, error) && fs::file_size(path, error) > 0;
    const std::string before = existed ? Contents(path) : "";
    toolkit_.fileReplies = {path};
    toolkit_.yesNoReplies = {yes};
    window_->MenuItem("copyx")->trigger();
    toolkit_.yesNoReplies.clear();
    if (existed && !yes && Contents(path) != before) fault_ = "a file was replaced after No: " + path;
    if (!path.empty() && fs::is_regular_file(path, error) && Contents(path).substr(0, 2) != "BM" &&
        !(existed && !yes)) {
      fault_ = "a bitmap file is damaged: " + path;
    }
  }

  /// The word an answer gives: exactly 8 letters a-z or A-Z, in capitals.
  static std::optional<std::string> AcceptedWord(const std::string& answer) {
    if (answer.size() != 8) return std::nullopt;
    std::string word;
    for (const char c : answer) {
      if (c >= 'a' && c <= 'z') {
        word += static_cast<char>(c - 32);
      } else if (c >= 'A' && c <= 'Z') {
        word += c;
      } else {
        return std::nullopt;
      }
    }
    return word;
  }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
  }

  /// The sessions run without a printer: Yes must bring a message saying so, never "Done".
  void Print() {
    const bool yes = Coin();
    Log(std::string("Print, answer ") + (yes ? "Yes" : "No"));
    const std::size_t before = toolkit_.messages.size();
    toolkit_.yesNoReplies = {yes};
    window_->MenuItem("mnuprint")->trigger();
    toolkit_.yesNoReplies.clear();
    const std::size_t shown = toolkit_.messages.size() - before;
    if (yes && (shown != 1 || toolkit_.messages.back() == "Done")) fault_ = "printing without a printer did not say so";
    if (!yes && shown != 0) fault_ = "No to printing still showed a message";
  }

  void About() {
    const int way = Pick(3);
    Log("About, closed by " + std::to_string(way));
    QTimer::singleShot(0, [this, way] {
      auto* about = window_->findChild<AboutForm*>();
      if (about == nullptr || !about->isVisible()) return;
      if (way == 0) QTest::keyClick(about, Qt::Key_Escape);
      if (way == 1) QTest::mouseClick(about->findChild<QPushButton*>(), Qt::LeftButton);
      if (way == 2) about->close();
    });
    window_->MenuItem("Aboutx")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void Exit() {
    Log("Exit");
    window_->MenuItem("Exitx")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (window_->findChild<AboutForm*>() != nullptr) fault_ = "Exit left an About box loaded";
    exited_ = true;
  }

  std::string Check() {
    if (!fault_.empty()) return fault_;
    std::ostringstream fault;
    const std::string title = window_->windowTitle().toStdString();
    const std::string wanted = expected_.wordsPath.empty()
                                   ? std::string("Loopword")
                                   : DictionaryTitle(expected_.wordsPath, static_cast<int>(expected_.words.size()));
    if (title != wanted) fault << "title '" << title << "' instead of '" << wanted << "'\n";
    if (window_->Dictionaries().WordCount() != static_cast<int>(expected_.words.size())) fault << "word count is off\n";
    for (int i = 0; i < 4; ++i) {
      if (window_->MenuItem(QString("mnuDictLevel%1").arg(i))->isChecked() != (i == expected_.dictionaryMark)) {
        fault << "Dictionary mark not on item " << expected_.dictionaryMark << '\n';
      }
    }
    for (int i = 0; i < 2; ++i) {
      if (window_->MenuItem(QString("mnuStart%1").arg(i))->isChecked() != (i == expected_.startMark)) {
        fault << "Starting Word mark not on item " << expected_.startMark << '\n';
      }
    }
    if (window_->StartWord() != expected_.startWord) fault << "starting word '" << window_->StartWord() << "'\n";
    if (window_->Caption() != expected_.caption || window_->ButtonEnabled() != expected_.buttonEnabled) {
      fault << "button '" << window_->Caption().toStdString() << "' " << window_->ButtonEnabled() << " instead of '"
            << expected_.caption.toStdString() << "' " << expected_.buttonEnabled << '\n';
    }
    if (toolkit_.busy) fault << "the busy pointer stayed\n";
    if (window_->Compiling()) fault << "a compile is still marked as running\n";
    if (expected_.buttonEnabled) {
      const std::string verdict = testing::CheckPuzzle(window_->CurrentPuzzle().List2, expected_.puzzleWords,
                                                       window_->CurrentPuzzle().board.SquareWord[12]);
      if (!verdict.empty()) fault << "the puzzle on show is unsound: " << verdict << '\n';
    }
    if (fs::current_path() != startDirectory_) fault << "the current directory changed\n";
    return fault.str();
  }

  void Log(const std::string& action) { log_ << "  " << action << '\n'; }

  const Fixtures& fixtures_;
  std::mt19937_64 random_;
  ScriptedToolkit toolkit_;
  std::unique_ptr<Form1> window_;
  Expected expected_;
  std::ostringstream log_;
  std::string fault_;
  bool exited_ = false;
  const fs::path startDirectory_ = fs::current_path();
};

int EnvironmentNumber(const char* name, int fallback) {
  const QByteArray value = qgetenv(name);
  bool ok = false;
  const int number = value.toInt(&ok);
  return ok && number > 0 ? number : fallback;
}

TEST(SessionFuzz, RandomSessionsKeepTheWindowTruthfulAndLoseNothing) {
  qputenv("CUPS_SERVER", "/nonexistent/loopword-test.sock");  // sessions run without a printer
  const int sessions =
      EnvironmentNumber("LOOPWORD_SESSIONS", qEnvironmentVariableIsSet("LOOPWORD_SANITIZED") ? 40 : 500);
  const auto firstSeed = static_cast<std::uint64_t>(EnvironmentNumber("LOOPWORD_SESSION_SEED", 1));
  const Fixtures fixtures;
  const auto programFiles = [&] {
    std::map<std::string, std::uintmax_t> sizes;
    for (const auto& entry : fs::directory_iterator(fixtures.Program())) sizes[entry.path().string()] = entry.file_size();
    return sizes;
  };
  const auto before = programFiles();
  long actions = 0;
  for (int i = 0; i < sessions; ++i) {
    const std::uint64_t seed = firstSeed + static_cast<std::uint64_t>(i);
    std::mt19937_64 lengths(seed ^ 0x5EED);
    const int count = std::uniform_int_distribution<int>(20, 200)(lengths);
    Session session(fixtures, seed);
    const std::string fault = session.Run(count);
    ASSERT_EQ(fault, "") << "seed " << seed;
    actions += count;
  }
  EXPECT_EQ(programFiles(), before) << "the program's folder changed";
  std::cout << sessions << " sessions, up to " << actions << " actions, no fault\n";
}

}  // namespace
}  // namespace loopword
