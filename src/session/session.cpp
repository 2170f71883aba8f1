// The session's commands: what each does to the mode, the puzzle, the choices, the solving and the picture.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/session.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <utility>

#include "board/plain_text.h"
#include "board/program_text.h"
#include "display/colors.h"
#include "input/start_word.h"
#include "play/typed_lines.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/web_page.h"
#include "toolkit/toolkit.h"
#include "words/theme_words.h"

namespace loopword {

namespace {

/// The first puzzle of a puzzle file with the solving its typed lines keep, or what is wrong with the file.
struct OpenedPuzzle {
  std::optional<FilePuzzle> file;
  std::optional<SolvingState> solving;
  Message message;
};

OpenedPuzzle ReadPuzzleText(const std::string& text, const std::string& name) {
  PuzzleFileResult read = ParsePuzzleText(text, name);
  if (read.fault) return {std::nullopt, std::nullopt, read.message};
  OpenedPuzzle opened{std::move(read.puzzles.front()), std::nullopt, {}};
  const std::vector<std::string>& comments = opened.file->comments;
  if (std::none_of(comments.begin(), comments.end(), IsTypedLine)) return opened;
  opened.solving.emplace(opened.file->puzzle);
  if (ApplyTypedLines(*opened.solving, comments)) return opened;
  return {std::nullopt, std::nullopt, RefusalMessage(name, LOOPWORD_TEXT("Messages", "The letters typed into it are damaged."))};
}

Reply Ask(Message question) { return {{}, std::move(question), false}; }
Reply Tell(Message message) { return {std::move(message), {}, false}; }
Reply Redrawn() { return {{}, {}, true}; }

}  // namespace

Clock SteadyClock() {
  return [] {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  };
}

Session::Session(const std::string& programFolder, Clock clock, Language language)
    : clock_(std::move(clock)), dictionaries_(programFolder) {
  dictionaries_.UseLanguage(language);
  startReport_ = dictionaries_.LoadDictionary();
}

Session::~Session() { live_.reset(); }

template <typename Command>
Reply Session::Answer(Command command) {
  reply_ = command();
  return reply_;
}

View Session::CurrentView() const {
  return {mode_, picture_, Caption(), Offered(), WindowTitle(), Unsaved(), reply_};
}

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
  const bool solving = free && solving_.has_value();
  return {free, free && HasPuzzle(), solving, mode_ != Mode::Idle, solving && !undone_.empty(), solving && !redone_.empty()};
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
  if (mode_ == Mode::Compiling) return kStillCompiling;  // the compiler is the compile's until it ends
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

bool Session::Unsaved() const { return solving_ && TypedLines(*solving_) != savedLetters_; }

bool Session::LettersAtStake() const { return Unsaved() && solving_->HasTypedLetters() && !solving_->IsSolved(); }

void Session::EndSolving() {
  solving_.reset();
  undone_.clear();
  redone_.clear();
  savedLetters_.clear();
  clockStart_.reset();
}

Reply Session::Compile(bool confirmed) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling || mode_ == Mode::Closed) return {};
    if (Message refusal = WhyNoPuzzle(); !refusal.empty()) return Tell(std::move(refusal));
    if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Compiling a new puzzle ends solving this one. Compile anyway?"));
    EndSolving();
    compileSeed_ = std::exchange(nextSeed_, std::nullopt);
    if (compileSeed_) compiler_->UseRandom(RandomSource(*compileSeed_));
    mode_ = Mode::Compiling;
    live_ = std::make_unique<LiveCompile>(*compiler_, startWord_, FillWithTheme(fill_), compileSteps_);
    return {};
  });
}

Reply Session::AdvanceCompile() {
  return Answer([&]() -> Reply {
    if (mode_ != Mode::Compiling) return {};
    Reply reply;
    for (const LiveEvent& live : live_->NextStep()) {
      TakeStep(live);
      reply.redraw = true;
    }
    return live_->Finished() ? FinishCompile() : reply;
  });
}

void Session::TakeStep(const LiveEvent& live) {
  const CompileEvent& event = live.event;
  FigureSteps& figure = picture_.figure;
  using Kind = CompileEvent::Kind;
  switch (event.kind) {
    case Kind::RunStarted: ShowEmptyFigure(); break;
    case Kind::CellBlanked: figure.Blank(event.square, event.position); break;
    case Kind::StartWordPlaced: figure.PrintRing(kCrossingSquare, event.ring); break;
    case Kind::SquareHighlighted: figure.DrawSquare(event.square, ColorYellow); break;
    case Kind::WordPlaced:
      figure.PrintRing(event.square, event.ring);
      figure.DrawSquare(event.square, ColorInk);
      break;
    case Kind::PuzzleComplete:  // the finished figure shown whole, as an opened puzzle shows it
      puzzle_ = *live.puzzle;
      puzzle_.title = theme_.title;
      picture_ = SolutionSheetView(puzzle_);
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

void Session::ShowEmptyFigure() { picture_ = FigureView(); }

void Session::EndCompileWithoutPuzzle() {
  puzzle_ = live_->TakePuzzle();
  live_.reset();
  ShowEmptyFigure();
  mode_ = Mode::Idle;
  idleCaption_ = kShowSolution;
}

Reply Session::FinishCompile() {
  const CompileOutcome outcome = live_->Outcome();
  const CompileOptions fill = live_->Fill();
  if (outcome != CompileOutcome::Complete) {
    EndCompileWithoutPuzzle();
    return {compiler_->FailureMessage(outcome, startWord_, fill), {}, true};
  }
  puzzle_ = live_->TakePuzzle();
  live_.reset();
  puzzle_.title = theme_.title;
  comments_ = PuzzleComments(ListOrigin(dictionaries_, fill, theme_.title), puzzle_, compileSeed_);
  ShowSolution();
  return {LOOPWORD_TEXT("Messages", "Done"), {}, true};
}

Reply Session::PressViewButton(bool confirmed) {
  return Answer([&]() -> Reply {
    switch (mode_) {
      case Mode::Compiling:
        live_->Stop();
        EndCompileWithoutPuzzle();
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
  });
}

void Session::ShowPuzzle() {
  mode_ = Mode::ShowingPuzzle;
  picture_ = PuzzleSheetView(puzzle_);
}

void Session::ShowSolution() {
  mode_ = Mode::ShowingSolution;
  picture_ = SolutionSheetView(puzzle_);
}

void Session::ShowSheetsForPrinting() {
  if (solving_ || mode_ == Mode::Compiling) return;
  const Mode mode = mode_;
  ShowSolution();
  if (mode == Mode::Idle) {
    mode_ = Mode::Idle;
    idleCaption_ = kShowPuzzle;
  }
}

Reply Session::OpenText(const std::string& text, const std::string& name, bool confirmed) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling || mode_ == Mode::Closed) return {};
    OpenedPuzzle opened = ReadPuzzleText(text, name);
    if (!opened.file) return Tell(opened.message);
    if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Opening a puzzle ends solving this one. Open anyway?"));
    EndSolving();
    puzzle_ = std::move(opened.file->puzzle);
    comments_ = std::move(opened.file->comments);
    ShowSolution();
    if (!opened.solving) return Redrawn();
    StartSolving();  // solving goes on where it was saved
    solving_ = std::move(opened.solving);
    savedLetters_ = TypedLines(*solving_);
    ShowSolving();
    return Redrawn();
  });
}

std::string Session::FileText(bool withTypedLetters) const {
  std::vector<std::string> comments = comments_;
  std::erase_if(comments, IsTypedLine);
  if (withTypedLetters && solving_) {
    const std::vector<std::string> typed = TypedLines(*solving_);
    std::copy(typed.begin(), typed.end(), std::back_inserter(comments));
  }
  return FormatPuzzleFile({{comments, puzzle_}});
}

std::string Session::PuzzleFileText() const { return HasPuzzle() ? FileText(true) : ""; }

void Session::MarkSaved() {
  if (solving_) savedLetters_ = TypedLines(*solving_);
}

std::optional<std::string> Session::WebPageText(std::string_view page) const {
  if (!HasPuzzle()) return std::nullopt;
  return PageWithPuzzle(page, FileText(false));
}

Reply Session::StartSolving() {
  return Answer([&]() -> Reply {
    if (mode_ != Mode::ShowingPuzzle && mode_ != Mode::ShowingSolution) return {};
    solving_.emplace(puzzle_);
    solvedTold_ = false;
    solvedMs_ = 0;
    clockStart_ = clock_();
    mode_ = Mode::Solving;
    ShowSolving();
    return Redrawn();
  });
}

void Session::ShowSolving() { picture_ = SolvingSheetView(*solving_, puzzle_); }

Reply Session::SolvingStep(const std::function<void(SolvingState&)>& step) {
  if (!solving_) return {};
  SolvingState before = *solving_;
  step(*solving_);
  if (!solving_->SameCells(before)) {  // a letter or a mark changed: a step to undo
    undone_.push_back(std::move(before));
    redone_.clear();
  }
  return AfterSolvingChange();
}

Reply Session::Check() {
  return Answer([&] { return SolvingStep([](SolvingState& solving) { solving.Check(); }); });
}

Reply Session::Reveal() {
  return Answer([&] { return SolvingStep([](SolvingState& solving) { solving.RevealLetter(); }); });
}

Reply Session::Press(SolvingKey key) {
  return Answer([&] { return SolvingStep([key](SolvingState& solving) { solving.Press(key); }); });
}

Reply Session::Type(char letter) {
  return Answer([&]() -> Reply {
    bool typed = false;
    Reply reply = SolvingStep([&](SolvingState& solving) { typed = solving.Type(letter); });
    return typed ? reply : Reply{};
  });
}

Reply Session::ClickAt(TwipPoint point) {
  return Answer([&]() -> Reply {
    if (!solving_ || !solving_->SelectAt(point)) return {};
    ShowSolving();
    return Redrawn();
  });
}

Reply Session::Undo() {
  return Answer([&] { return StepBack(undone_, redone_); });
}

Reply Session::Redo() {
  return Answer([&] { return StepBack(redone_, undone_); });
}

Reply Session::StepBack(std::vector<SolvingState>& from, std::vector<SolvingState>& to) {
  if (!solving_ || from.empty()) return {};
  to.push_back(std::exchange(*solving_, std::move(from.back())));
  from.pop_back();
  return AfterSolvingChange();
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
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling) return {};
    startChoice_ = 1;
    const StartWordCheck check = CheckStartWord(answer, dictionaries_.CurrentLanguage());
    if (check.verdict != StartWordCheck::Verdict::Accepted) return Tell(check.message);
    startWord_ = check.word;
    if (solving_) return {};  // the puzzle being solved stays on screen
    ShowEmptyFigure();
    picture_.figure.PrintRing(kCrossingSquare, startWord_);
    return Redrawn();
  });
}

LoadReport Session::ListsKept() const { return {dictionaries_.DictLevel, LoadOutcome::Loaded, {}, {}}; }

LoadReport Session::ChooseWordList(int level, const std::string& userPath) {
  if (mode_ == Mode::Compiling) return ListsKept();
  return dictionaries_.Choose(level, userPath);
}

LoadReport Session::ChooseLanguage(Language language) {
  if (mode_ == Mode::Compiling) return ListsKept();
  dictionaries_.UseLanguage(language);
  return dictionaries_.LoadDictionary();
}

BookletOutcome Session::MakeBooklet(const BookletRequest& request, const CompileOptions& fill,
                                    const BookletProgress& progress) {
  BookletOutcome outcome;
  if (mode_ == Mode::Compiling) {  // the compiler is the compile's until it ends
    outcome.run.outcome = BookletRun::Outcome::GaveUp;
    outcome.failure = kStillCompiling;
    return outcome;
  }
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
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Closed) return {};
    if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Exiting ends solving this puzzle. Exit anyway?"));
    EndSolving();
    live_.reset();  // a running compile stops where it is
    mode_ = Mode::Closed;
    return {};
  });
}

}  // namespace loopword
