// The session's commands: what each does to the mode, the puzzle, the choices and the picture.
#include "session/session.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "board/plain_text.h"
#include "board/program_text.h"
#include "display/board_drawing.h"
#include "display/colors.h"
#include "display/sheets.h"
#include "display/solving_view.h"
#include "input/start_word.h"
#include "play/typed_lines.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/web_page.h"
#include "toolkit/toolkit.h"
#include "words/theme_words.h"

namespace loopword {

namespace {

bool IsTypedLine(const std::string& line) { return line.rfind(kTypedPrefix, 0) == 0; }

/// The first puzzle of a puzzle file with the solving its typed lines keep, or what is wrong with the file.
struct OpenedPuzzle {
  std::optional<FilePuzzle> file;
  std::optional<SolvingState> solving;
  Message message;
};

OpenedPuzzle OpenPuzzleFile(const std::string& path) {
  PuzzleFileResult read = ReadPuzzleFile(path);
  if (read.fault) return {std::nullopt, std::nullopt, read.message};
  OpenedPuzzle opened{std::move(read.puzzles.front()), std::nullopt, {}};
  const std::vector<std::string>& comments = opened.file->comments;
  if (std::none_of(comments.begin(), comments.end(), IsTypedLine)) return opened;
  opened.solving.emplace(opened.file->puzzle);
  if (ApplyTypedLines(*opened.solving, comments)) return opened;
  return {std::nullopt, std::nullopt, RefusalMessage(path, LOOPWORD_TEXT("Messages", "The letters typed into it are damaged."))};
}

Reply Ask(Message question) { return {{}, std::move(question), false}; }
Reply Tell(Message message) { return {std::move(message), {}, false}; }
Reply Redrawn() { return {{}, {}, true}; }

}  // namespace

Message SaveFailureMessage(Text heading, const std::string& path, const Message& reason) {
  return Message(heading).Add(path).Append(reason);
}

Clock SteadyClock() {
  return [] {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  };
}

Session::Session(const std::string& programFolder, Picture& picture, Clock clock, Language language)
    : picture_(picture), clock_(std::move(clock)), dictionaries_(programFolder) {
  dictionaries_.UseLanguage(language);
  startReport_ = dictionaries_.LoadDictionary();
  DrawBoard(picture_, ColorFrame);
}

Session::~Session() = default;

const char* Session::Caption() const {
  switch (mode_) {
    case Mode::Compiling: return kStop;
    case Mode::ShowingPuzzle:
    case Mode::Solving: return kShowSolution;
    case Mode::ShowingSolution: return kShowPuzzle;
    case Mode::Idle:
    case Mode::Closed: break;
  }
  return idleCaption_;
}

Offer Session::Offered() const {
  const bool free = mode_ != Mode::Compiling && mode_ != Mode::Closed;
  return {free, free && HasPuzzle(), free && solving_.has_value(), mode_ != Mode::Idle};
}

bool Session::HasPuzzle() const {
  return mode_ == Mode::ShowingPuzzle || mode_ == Mode::ShowingSolution || mode_ == Mode::Solving;
}

Compiler& Session::CompilerFor(const std::shared_ptr<const Dictionary>& words) {
  if (!compiler_) {
    compiler_ = std::make_unique<Compiler>(words, RandomSource::FromEntropy());
  } else {
    compiler_->UseWords(words);
  }
  return *compiler_;
}

Message Session::WhyNoPuzzle() {
  const Compiler& compiler = CompilerFor(dictionaries_.Words());
  const CompileOptions fill = FillWithTheme(fill_);
  if (!compiler.TooFewWords(startWord_, fill.theme)) return {};
  return compiler.FailureMessage(CompileOutcome::TooFewWords, startWord_, fill);
}

CompileOptions Session::FillWithTheme(CompileOptions fill) const {
  fill.theme = theme_.words;
  return fill;
}

void Session::ChooseTheme(std::string_view words, std::string_view title) {
  if (mode_ == Mode::Compiling) return;
  std::vector<std::string> usable = ReadThemeWords(words, dictionaries_.CurrentLanguage()).words;
  if (usable.size() > kThemeWordLimit) usable.resize(kThemeWordLimit);
  theme_ = {std::move(usable), PlainTitle(title)};
}

Message Session::WindowTitle() const {
  const Message& list = dictionaries_.Title();
  const Phrase title = list.empty() ? Phrase(kProgramName) : list.Lines().front();
  const std::size_t count = theme_.words.size();
  if (count == 0) return Message(title);
  return Message(count == 1 ? texts::kTitleWithThemeWord : texts::kTitleWithThemeWords, {title, count});
}

bool Session::LettersAtStake() const { return solving_ && solving_->HasTypedLetters() && !solving_->IsSolved(); }

void Session::EndSolving() {
  solving_.reset();
  clockStart_.reset();
}

Reply Session::Compile(bool confirmed) {
  if (mode_ == Mode::Compiling || mode_ == Mode::Closed) return {};
  if (Message refusal = WhyNoPuzzle(); !refusal.empty()) return Tell(std::move(refusal));
  if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Compiling a new puzzle ends solving this one. Compile anyway?"));
  EndSolving();
  compileSeed_ = std::exchange(nextSeed_, std::nullopt);
  if (compileSeed_) compiler_->UseRandom(RandomSource(*compileSeed_));
  mode_ = Mode::Compiling;
  live_ = std::make_unique<LiveCompile>(*compiler_, startWord_, FillWithTheme(fill_));
  return {};
}

Reply Session::AdvanceCompile() {
  if (mode_ != Mode::Compiling) return {};
  Reply reply;
  for (const LiveEvent& live : live_->NextStep()) {
    DrawStep(live);
    reply.redraw = true;
  }
  return live_->Finished() ? FinishCompile() : reply;
}

void Session::DrawStep(const LiveEvent& live) {
  const CompileEvent& event = live.event;
  using Kind = CompileEvent::Kind;
  switch (event.kind) {
    case Kind::RunStarted: ShowEmptyFigure(); break;
    case Kind::CellBlanked: DrawBlankCell(picture_, event.square, event.position); break;
    case Kind::StartWordPlaced: DrawSquareLetters(picture_, kCrossingSquare, event.ring); break;
    case Kind::SquareHighlighted: DrawSquare(picture_, event.square, ColorYellow); break;
    case Kind::WordPlaced:
      DrawSquareLetters(picture_, event.square, event.ring);
      DrawSquare(picture_, event.square, ColorInk);
      break;
    case Kind::PuzzleComplete:  // the finished figure redrawn whole, as an opened puzzle shows it
      DrawSolutionSheet(picture_, *live.puzzle);
      break;
    case Kind::Stopped:
    case Kind::GaveUp:
    case Kind::Impossible:
    case Kind::TooFewWords: ShowEmptyFigure(); break;
    case Kind::Searching:
    case Kind::AttemptStarted:
    case Kind::AttemptFailed:
    case Kind::OverlapCheckFailed: break;
  }
}

void Session::ShowEmptyFigure() {
  picture_.Cls();
  DrawBoard(picture_, ColorFrame);
}

Reply Session::FinishCompile() {
  const CompileOutcome outcome = live_->Outcome();
  const CompileOptions fill = live_->Fill();
  puzzle_ = live_->TakePuzzle();
  live_.reset();
  if (outcome != CompileOutcome::Complete) {
    mode_ = Mode::Idle;
    idleCaption_ = kShowSolution;
    return {compiler_->FailureMessage(outcome, startWord_, fill), {}, true};
  }
  puzzle_.title = theme_.title;
  const std::string path = dictionaries_.ChosenPath();
  comments_ = HeaderComments({.wordList = std::filesystem::path(path).filename().string(),
                              .wordCount = dictionaries_.WordCount(),
                              .fill = FillName(fill),
                              .seed = compileSeed_,
                              .theme = fill.theme,
                              .title = theme_.title,
                              .difficulty = puzzle_.difficulty,
                              .hints = puzzle_.hints,
                              .language = dictionaries_.CurrentLanguage(),
                              .wordListNote = EnglishText(dictionaries_.Note())});
  mode_ = Mode::ShowingSolution;
  return {LOOPWORD_TEXT("Messages", "Done"), {}, true};
}

Reply Session::PressViewButton(bool confirmed) {
  switch (mode_) {
    case Mode::Compiling:
      live_->Stop();
      puzzle_ = live_->TakePuzzle();
      live_.reset();
      ShowEmptyFigure();
      mode_ = Mode::Idle;
      idleCaption_ = kShowSolution;
      return Redrawn();
    case Mode::ShowingSolution: ShowPuzzle(); return Redrawn();
    case Mode::Solving:
      if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Showing the solution ends solving this puzzle. Show it anyway?"));
      EndSolving();
      ShowSolution();
      return Redrawn();
    case Mode::ShowingPuzzle: ShowSolution(); return Redrawn();
    case Mode::Idle:
    case Mode::Closed: break;
  }
  return {};
}

void Session::ShowPuzzle() {
  mode_ = Mode::ShowingPuzzle;
  DrawPuzzleSheet(picture_, puzzle_);
}

void Session::ShowSolution() {
  mode_ = Mode::ShowingSolution;
  DrawSolutionSheet(picture_, puzzle_);
}

void Session::ShowSheetsForPrinting() {
  if (solving_ || mode_ == Mode::Compiling) return;
  DrawPuzzleSheet(picture_, puzzle_);
  DrawSolutionSheet(picture_, puzzle_);
  if (mode_ == Mode::Idle) {
    idleCaption_ = kShowPuzzle;
  } else {
    mode_ = Mode::ShowingSolution;
  }
}

Reply Session::Open(const std::string& path, bool confirmed) {
  if (mode_ == Mode::Compiling || mode_ == Mode::Closed) return {};
  OpenedPuzzle opened = OpenPuzzleFile(path);
  if (!opened.file) return Tell(opened.message);
  if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Opening a puzzle ends solving this one. Open anyway?"));
  EndSolving();
  puzzle_ = std::move(opened.file->puzzle);
  comments_ = std::move(opened.file->comments);
  ShowSolution();
  if (!opened.solving) return Redrawn();
  StartSolving();  // solving goes on where it was saved
  solving_ = std::move(opened.solving);
  ShowSolving();
  return Redrawn();
}

std::string Session::PuzzleFileText(bool withTypedLetters) const {
  std::vector<std::string> comments = comments_;
  std::erase_if(comments, IsTypedLine);
  if (withTypedLetters && solving_) {
    const std::vector<std::string> typed = TypedLines(*solving_);
    std::copy(typed.begin(), typed.end(), std::back_inserter(comments));
  }
  return FormatPuzzleFile({{comments, puzzle_}});
}

Reply Session::Save(const std::string& path) const {
  if (!HasPuzzle()) return {};
  const Message failure = WriteFileAtomically(path, PuzzleFileText(true));
  return failure.empty() ? Reply{} : Tell(SaveFailureMessage(LOOPWORD_TEXT("Messages", "Loopword could not save the puzzle to:"), path, failure));
}

Reply Session::ExportWebPage(const std::string& pagePath, const std::string& path) const {
  if (!HasPuzzle()) return {};
  std::ifstream in(pagePath, std::ios::binary);
  const std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::optional<std::string> filled = PageWithPuzzle(page, PuzzleFileText(false));
  if (!filled) return Tell(Message(LOOPWORD_TEXT("Messages", "Loopword's web page is missing or damaged:")).Add(pagePath));
  const Message failure = WriteFileAtomically(path, *filled);
  return failure.empty() ? Reply{} : Tell(SaveFailureMessage(LOOPWORD_TEXT("Messages", "Loopword could not save the web page to:"), path, failure));
}

Reply Session::StartSolving() {
  if (mode_ != Mode::ShowingPuzzle && mode_ != Mode::ShowingSolution) return {};
  solving_.emplace(puzzle_);
  solvedTold_ = false;
  solvedMs_ = 0;
  clockStart_ = clock_();
  mode_ = Mode::Solving;
  ShowSolving();
  return Redrawn();
}

void Session::ShowSolving() { DrawSolvingView(picture_, *solving_, puzzle_); }

Reply Session::Check() {
  if (!solving_) return {};
  solving_->Check();
  ShowSolving();
  return Redrawn();
}

Reply Session::Reveal() {
  if (!solving_) return {};
  solving_->RevealLetter();
  return AfterSolvingChange();
}

Reply Session::Press(SolvingKey key) {
  if (!solving_) return {};
  solving_->Press(key);
  return AfterSolvingChange();
}

Reply Session::Type(char letter) {
  if (!solving_ || !solving_->Type(letter)) return {};
  return AfterSolvingChange();
}

Reply Session::ClickAt(TwipPoint point) {
  if (!solving_ || !solving_->SelectAt(point)) return {};
  ShowSolving();
  return Redrawn();
}

Reply Session::AfterSolvingChange() {
  ShowSolving();
  Reply reply = Redrawn();
  const bool solved = solving_->IsSolved();
  if (solved && !solvedTold_) reply.message = Message(texts::kSolvedIn, {SolvingTimeText(SolvingMs() / 1000)});
  solvedTold_ = solved;
  return reply;
}

std::int64_t Session::SolvingMs() const { return solvedMs_ + (clockStart_ ? clock_() - *clockStart_ : 0); }

void Session::PauseClock(bool paused) {
  if (!solving_ || paused != clockStart_.has_value()) return;
  if (paused) {
    solvedMs_ += clock_() - *clockStart_;
    clockStart_.reset();
  } else {
    clockStart_ = clock_();
  }
}

void Session::ChooseRandomStartWord() {
  if (mode_ == Mode::Compiling) return;
  startChoice_ = 0;
  startWord_.clear();
}

Reply Session::EnterStartWord(const std::string& answer) {
  if (mode_ == Mode::Compiling) return {};
  startChoice_ = 1;
  const StartWordCheck check = CheckStartWord(answer, dictionaries_.CurrentLanguage());
  if (check.verdict != StartWordCheck::Verdict::Accepted) return Tell(check.message);
  startWord_ = check.word;
  if (solving_) return {};  // the puzzle being solved stays on screen
  ShowEmptyFigure();
  DrawSquareLetters(picture_, kCrossingSquare, startWord_);
  return Redrawn();
}

LoadReport Session::ChooseWordList(int level, const std::string& userPath) {
  if (mode_ == Mode::Compiling) return {dictionaries_.DictLevel, LoadOutcome::Loaded, {}, {}};
  return dictionaries_.Choose(level, userPath);
}

LoadReport Session::ChooseLanguage(Language language) {
  if (mode_ == Mode::Compiling) return {dictionaries_.DictLevel, LoadOutcome::Loaded, {}, {}};
  dictionaries_.UseLanguage(language);
  return dictionaries_.LoadDictionary();
}

BookletOutcome Session::MakeBooklet(const BookletRequest& request, const CompileOptions& fill,
                                    const BookletProgress& progress) {
  BookletOutcome outcome;
  const CompileOptions themed = FillWithTheme(fill);
  int done = 0;
  const auto goesOn = [&](int made, int total) {
    done = made;
    return mode_ != Mode::Closed && progress(made, total);
  };
  const auto make = [&](const std::shared_ptr<const Dictionary>& words) -> std::optional<Puzzle> {
    Compiler& compiler = CompilerFor(words);
    Puzzle puzzle;
    const auto observer = [&](const CompileEvent& event) {
      using Kind = CompileEvent::Kind;
      if ((event.kind == Kind::AttemptStarted || event.kind == Kind::Searching) && !goesOn(done, request.count)) {
        compiler.RequestStop();
      }
    };
    const CompileOutcome result = compiler.Compile(puzzle, startWord_, observer, themed);
    puzzle.title = theme_.title;
    if (result == CompileOutcome::Complete) return puzzle;
    outcome.failure = compiler.FailureMessage(result, startWord_, themed);
    return std::nullopt;
  };
  outcome.run = MakeBookletPuzzles(request, dictionaries_.Words(), make, goesOn);
  return outcome;
}

Reply Session::Exit(bool confirmed) {
  if (mode_ == Mode::Closed) return {};
  if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Exiting ends solving this puzzle. Exit anyway?"));
  EndSolving();
  live_.reset();  // a running compile stops where it is
  mode_ = Mode::Closed;
  return {};
}

}  // namespace loopword
