// The session's commands: what each does to the mode, the puzzle, the choices, the solving and the picture.
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/session.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <utility>

#include "board/plain_text.h"
#include "board/program_text.h"
#include "display/colors.h"
#include "grade/graded_sheet.h"
#include "input/start_word.h"
#include "play/kept_letters.h"
#include "session/result_code.h"
#include "session/work_in_order.h"
#include "toolkit/toolkit.h"
#include "words/theme_words.h"

namespace loopword {

namespace {

/// What the progress note says while a compile goes on unseen.
constexpr Text kTryingAgain = LOOPWORD_TEXT("Messages", "Still trying: attempt %1 of %2.");
constexpr Text kSearching = LOOPWORD_TEXT("Messages", "Searching every puzzle the word list allows…");
constexpr Text kTitleTooLong = LOOPWORD_TEXT("Messages", "A title holds at most 60 characters; this one has %1.");
constexpr Text kPencilDropped = LOOPWORD_TEXT("Messages", "Some pencil letters kept with this puzzle were damaged and were left out.");
constexpr Text kStartOverQuestion = LOOPWORD_TEXT("Messages", "Start this puzzle over? Its letters and time go.");

/// The first puzzle of a puzzle file with the solving it keeps, or what is wrong with the file; the note says what was
/// left out of the pencil letters of a file that opens.
struct OpenedPuzzle {
  std::optional<PuzzleDocument> document;
  std::optional<SolvingState> solving;
  Message message;
  Message pencilNote;
};

OpenedPuzzle ReadPuzzleText(const std::string& text, const std::string& name) {
  PuzzleFileResult read = ParsePuzzleText(text, name);
  if (read.fault) return {std::nullopt, std::nullopt, read.message, {}};
  OpenedPuzzle opened{std::move(read.puzzles.front()), std::nullopt, {}, {}};
  const KeptSolving& kept = opened.document->solving;
  if (!kept.Kept()) return opened;
  opened.solving.emplace(opened.document->puzzle);
  if (!ApplyTypedLetters(*opened.solving, kept)) {
    return {std::nullopt, std::nullopt, RefusalMessage(name, LOOPWORD_TEXT("Messages", "The letters typed into it are damaged.")), {}};
  }
  if (ApplyPencilLetters(*opened.solving, kept) > 0) opened.pencilNote = Message(kPencilDropped);
  return opened;
}

Reply Ask(Message question) {
  Reply reply;
  reply.question = std::move(question);
  return reply;
}
/// Tells `message`: a status when the command was done, else why it was not.
Reply Tell(Message message, bool done = true) {
  Reply reply;
  reply.done = done;
  if (!message.empty()) reply.messages.emplace_back(std::move(message), done ? MessageKind::Status : MessageKind::Error);
  return reply;
}
Reply Redrawn() {
  Reply reply;
  reply.changed.picture = true;
  return reply;
}
/// The picture and the progress kept of the puzzle being solved changed.
Reply Solved() {
  Reply reply = Redrawn();
  reply.changed.progress = true;
  return reply;
}
Reply ChoicesChanged() {
  Reply reply;
  reply.changed.choices = true;
  return reply;
}
Reply NotDone() {
  Reply reply;
  reply.done = false;
  return reply;
}

/// `message` naming the file at `path` by its name alone.
Message WithoutFolders(const Message& message, const std::string& path) {
  return WithPlainReplaced(message, path, std::filesystem::path(path).filename().string());
}

/// What a teacher is told who reads result codes with no class set to read them against.
constexpr Text kNoClassSet = LOOPWORD_TEXT("Messages", "Result codes are read against the class set on screen: print the class set or copy its link first, or give its seed.");
/// What a teacher is told when their choices changed after a class set was shared.
constexpr Text kClassSetChanged = LOOPWORD_TEXT("Messages", "The choices changed, so this is a new class set, set %2: links and prints made before belong to set %1.");

/// Both sheets of `puzzle`, marked with the short id of the class set at `place` when it has one.
PrintedSheets ClassSetSheets(const Puzzle& puzzle, const SheetTexts& texts, const std::optional<ClassPlace>& place) {
  PrintedSheets sheets = SheetsOf(puzzle, texts);
  if (place) sheets.puzzle.setId = sheets.solution.setId = SetId(place->setSeed);
  return sheets;
}

/// The placement lines of `puzzle` joined by "|".
std::string PlacementKey(const Puzzle& puzzle) {
  std::string key;
  for (const PlacementLine& placement : puzzle.placements) key += (key.empty() ? "" : "|") + placement.ToString();
  return key;
}

}  // namespace

Message Reply::Told() const {
  Message all;
  for (const Message& message : messages) all.Append(message);
  return all;
}

MessageKind Reply::Gravest() const {
  MessageKind gravest = MessageKind::Status;
  for (const Said& message : messages) gravest = std::max(gravest, message.kind);
  return gravest;
}

Clock SteadyClock() {
  return [] {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
  };
}

Session::Session(const std::string& programFolder, SessionSetup setup)
    : setup_(std::move(setup)), dictionaries_(programFolder) {
  if (!setup_.sheetTexts) setup_.sheetTexts = [](Language) { return SheetTexts(); };
  sheetTexts_ = setup_.sheetTexts(Language::English);
  PreparePuzzleView();
  dictionaries_.UseLanguage(setup_.language);
  if (setup_.wordLists) reply_ = LoadReply(dictionaries_.LoadDictionary());
}

Session::~Session() { live_.reset(); }

template <typename Command>
Reply Session::Answer(Command command) {
  const Mode before = mode_;
  const bool solving = round_.has_value();
  reply_ = command();
  reply_.changed.mode = mode_ != before;
  reply_.changed.progress = reply_.changed.progress || solving != round_.has_value();
  return reply_;
}

View Session::CurrentView() const {
  View view;
  view.mode = mode_;
  view.picture = picture_;
  view.caption = Caption();
  view.offer = Offered();
  view.windowTitle = WindowTitle();
  view.unsaved = Unsaved();
  view.reply = reply_;
  view.choices = CurrentChoices();
  view.themeText = theme_.typed.empty() ? ThemeText(theme_.words, theme_.clues) : theme_.typed;
  view.puzzle = ShownPuzzle();
  if (HasPuzzle()) {
    for (ListedEntry& entry : SheetList(puzzle_)) view.words.push_back({std::move(entry.word), std::move(entry.clue), false});
  }
  if (round_) {
    for (ListedWord& listed : view.words) listed.found = round_->Letters().IsStruck(listed.word);
    view.solved = round_->Solved();
    const SolvingProgress progress = round_->Progress();
    if (view.solved) view.result = ResultCardOf(puzzle_, document_.origin.classPlace, progress, rules_.timer);
    view.clock.elapsedMs = progress.ms;
    view.clock.running = round_->ClockRunning();
    view.clock.text = SolvingTimeText(progress.ms / 1000);
    view.counts = {progress.checks, progress.revealed};
    view.pencil = round_->Pencil();
  }
  view.clock.shown = ClockShown();
  view.clock.hidden = timerHidden_;
  view.rules = rules_;
  view.rulesNote = RulesNote(rules_);
  view.reading = ReadFigure(picture_, mode_, view.words);
  if (classSet_ && ForTheseChoices(*classSet_)) view.classSet = classSet_;
  if (mode_ == Mode::Compiling && live_ && !compileSteps_) {
    const CompileProgress progress = live_->Progress();
    if (progress.searching) view.progress = Message(kSearching);
    else if (progress.attempts > 1) view.progress = Message(kTryingAgain, {progress.attempts, kAttemptLimit});
  }
  return view;
}

Choices Session::CurrentChoices() const {
  Choices choices;
  choices.language = dictionaries_.CurrentLanguage();
  choices.level = dictionaries_.DictLevel;
  choices.difficulty = fill_.difficulty;
  choices.varied = fill_.varied;
  choices.unique = fill_.unique;
  choices.startWord = startWord_;
  choices.seed = nextSeed_;
  choices.themeWords = theme_.words;
  choices.clues = theme_.clues;
  choices.title = theme_.title;
  choices.pupils = rules_;
  return choices;
}

std::optional<PuzzleView> Session::ShownPuzzle() const {
  if (mode_ == Mode::Compiling) return std::nullopt;
  PuzzleView shown = puzzleView_;
  if (round_) shown.file = FileText(true);  // the letters and time of now
  return shown;
}

void Session::PreparePuzzleView() {
  const std::optional<ClassPlace>& place = document_.origin.classPlace;
  puzzleView_ = {puzzle_, puzzleLanguage_, ClassSetSheets(puzzle_, sheetTexts_, place), FileText(false), FileText(false),
                 PlacementKey(puzzle_), place};
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
  const bool solving = free && round_.has_value();
  return {free, free && HasPuzzle(), solving, solving && rules_.check, solving && rules_.reveal, mode_ != Mode::Idle,
          solving && round_->CanUndo(), solving && round_->CanRedo()};
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

Reply Session::Refusal(Message message) const { return Tell(std::move(message), false); }

Reply Session::LoadReply(const LoadReport& report) {
  Reply reply;
  reply.changed.choices = true;
  reply.done = report.outcome == LoadOutcome::Loaded;
  const MessageKind kind = reply.done ? MessageKind::Warning : MessageKind::Error;  // a list read in part, or not
  for (const Message& message : report.messages) reply.messages.emplace_back(message, kind);
  reply.cause = report.cause;
  if (setup_.fileNamesOnly) {  // the messages name the front end's own folders: the file's name alone
    const std::string path = dictionaries_.ChosenPath();
    for (Message& message : reply.messages) message = WithoutFolders(message, path);
  }
  return reply;
}

Message Session::WhyNoPuzzle() {
  if (mode_ == Mode::Compiling) return kStillCompiling;  // the compiler is the compile's until it ends
  const Compiler& compiler = CompilerFor(dictionaries_.Words());
  const CompileOptions fill = FillWithTheme(fill_);
  if (!compiler.TooFewWords(startWord_, fill.theme)) return {};
  return compiler.FailureMessage(CompileOutcome::TooFewWords, startWord_, fill);
}

Reply Session::CheckPuzzlesCanBeMade() {
  return Answer([&] {
    Message why = WhyNoPuzzle();
    return why.empty() ? Reply() : Refusal(std::move(why));
  });
}

Clues Session::CluesOf(const Puzzle& puzzle) const {
  Clues clues;
  for (const PlacementLine& placement : puzzle.placements) {
    if (const auto clue = theme_.clues.find(placement.word); clue != theme_.clues.end()) clues.insert(*clue);
  }
  return clues;
}

CompileOptions Session::FillWithTheme(CompileOptions fill) const {
  fill.theme = theme_.words;
  fill.clued.clear();
  for (const auto& [word, clue] : theme_.clues) fill.clued.push_back(word);
  return fill;
}

Reply Session::SetFill(const CompileOptions& fill) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling) return Refusal(kStillCompiling);
    fill_ = {fill.varied, fill.unique, {}, fill.difficulty};
    return ChoicesChanged();
  });
}

Reply Session::CheckTheme(std::string_view words) const {
  const ThemeWords read = ReadThemeWords(words, dictionaries_.CurrentLanguage());
  return Tell(ThemeWordsReport(read), read.Fit());
}

Reply Session::ChooseTheme(std::string_view words, std::string_view title) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling) return Refusal(kStillCompiling);
    if (const int length = CharacterCount(title); length > kTitleLimit) return Refusal(Message(kTitleTooLong, {length}));
    ThemeWords read = ReadThemeWords(words, dictionaries_.CurrentLanguage());
    if (!read.Fit()) return Refusal(ThemeWordsReport(read));
    theme_ = {std::move(read.words), std::move(read.clues), PlainTitle(title), std::string(words)};
    Reply reply = ChoicesChanged();
    if (Message skipped = SkippedEntries(read); !skipped.empty()) reply.messages.emplace_back(std::move(skipped), MessageKind::Warning);
    return reply;
  });
}

Reply Session::SeedNextCompile(std::uint64_t seed) {
  return Answer([&] {
    nextSeed_ = seed;
    return ChoicesChanged();
  });
}

Reply Session::ShowCompileSteps(bool shown) {
  compileSteps_ = shown;
  return {};
}

Reply Session::Restore(const Choices& choices) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling) return Refusal(kStillCompiling);
    Reply reply = ChoicesChanged();
    const auto take = [&](const LoadReport& report) {
      const Reply loaded = LoadReply(report);
      reply.done = reply.done && loaded.done;
      reply.messages.insert(reply.messages.end(), loaded.messages.begin(), loaded.messages.end());
    };
    const bool ownList = dictionaries_.DictLevel == kOwnList && choices.level == kOwnList;
    const int level = choices.level == kOwnList ? 1 : choices.level;
    if (!setup_.wordLists) {
      dictionaries_.UseLanguage(choices.language);
      if (!ownList) dictionaries_.DictLevel = level;
    } else if (choices.language != dictionaries_.CurrentLanguage()) {
      dictionaries_.UseLanguage(choices.language);
      if (!ownList) dictionaries_.DictLevel = level;
      take(dictionaries_.LoadDictionary());
    } else if (!ownList && choices.level != dictionaries_.DictLevel) {
      take(dictionaries_.Choose(level));
    }
    fill_ = {choices.varied, choices.unique, {}, choices.difficulty};
    startWord_ = choices.startWord;
    nextSeed_ = choices.seed;
    theme_ = {choices.themeWords, choices.clues, PlainTitle(choices.title), ""};
    if (theme_.words.size() > kThemeWordLimit) theme_ = {{}, {}, theme_.title, ""};
    std::erase_if(theme_.clues, [&](const auto& clue) {
      return std::find(theme_.words.begin(), theme_.words.end(), clue.first) == theme_.words.end() || clue.second != PlainLine(clue.second, kClueLimit);
    });
    if (choices.pupils != rules_) {
      rules_ = choices.pupils;
      PreparePuzzleView();
    }
    return reply;
  });
}

Message Session::WindowTitle() const {
  const Message& list = dictionaries_.Title();
  Phrase title = list.empty() ? Phrase(kProgramName) : list.Lines().front();
  if (setup_.fileNamesOnly) title = WithoutFolders(Message(title), dictionaries_.ChosenPath()).Lines().front();
  const std::size_t count = theme_.words.size();
  if (count == 0) return Message(title);
  return Message(Phrase::Counted(texts::kTitleWithThemeWords, static_cast<long long>(count), {title}));
}

bool Session::Unsaved() const { return round_ && LettersOf(round_->Letters()) != savedLetters_; }

bool Session::LettersAtStake() const { return Unsaved() && round_->Letters().HasTypedLetters() && !round_->Solved(); }

void Session::EndSolving() {
  round_.reset();
  savedLetters_ = {};
}

/// Everything the screen shows of the puzzle on it, kept while a compile runs: a compile that makes no puzzle puts it
/// back as it was.
struct Session::Screen {
  Mode mode;
  const char* idleCaption;
  SheetView picture;
  Puzzle puzzle;
  Language language;
  SheetTexts sheetTexts;
  PuzzleDocument document;
  PuzzleView puzzleView;
  std::optional<SolvingRound> round;
  KeptLetters savedLetters;
};

void Session::KeepScreen() {
  if (round_) round_->PauseClock(true);  // no time goes by for it while it is away
  beforeCompile_.reset(new Screen{mode_, idleCaption_, picture_, puzzle_, puzzleLanguage_, sheetTexts_, document_,
                                  puzzleView_, std::exchange(round_, std::nullopt), std::exchange(savedLetters_, {})});
}

void Session::PutScreenBack() {
  Screen& kept = *beforeCompile_;
  mode_ = kept.mode;
  idleCaption_ = kept.idleCaption;
  picture_ = std::move(kept.picture);
  puzzle_ = std::move(kept.puzzle);
  puzzleLanguage_ = kept.language;
  sheetTexts_ = std::move(kept.sheetTexts);
  document_ = std::move(kept.document);
  puzzleView_ = std::move(kept.puzzleView);
  round_ = std::move(kept.round);
  savedLetters_ = std::move(kept.savedLetters);
  if (round_) round_->PauseClock(clockPaused_);
  beforeCompile_.reset();
}

Reply Session::Compile(bool confirmed) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling || mode_ == Mode::Closed) return NotDone();
    if (Message refusal = WhyNoPuzzle(); !refusal.empty()) return Refusal(std::move(refusal));
    if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Compiling a new puzzle ends solving this one. Compile anyway?"));
    KeepScreen();
    compileClassPlace_.reset();
    if (nextClassPuzzle_ && nextClassPuzzle_->second == CurrentChoices()) compileClassPlace_ = nextClassPuzzle_->first;
    nextClassPuzzle_.reset();
    compileSeed_ = std::exchange(nextSeed_, std::nullopt);
    if (compileSeed_) compiler_->UseRandom(RandomSource(*compileSeed_));
    mode_ = Mode::Compiling;
    compileStart_ = setup_.clock();
    live_ = std::make_unique<LiveCompile>(*compiler_, startWord_, FillWithTheme(fill_), compileSteps_);
    return {};
  });
}

Reply Session::AdvanceCompile(std::chrono::milliseconds budget) {
  return Answer([&]() -> Reply {
    if (mode_ != Mode::Compiling) return NotDone();
    Reply reply = TakeSteps(budget);
    return live_->Finished() ? FinishCompile() : reply;
  });
}

Reply Session::TakeSteps(std::chrono::milliseconds budget) {
  Reply reply;
  if (compileSteps_ && setup_.clock() - *compileStart_ >= kLiveCompileTime.count()) {
    compileSteps_ = false;  // long enough on show: the rest goes on unseen, with a note of how far it got
    live_->Hide();
    reply.changed.picture = true;
  }
  if (!compileSteps_) {
    live_->Run(budget);
    reply.changed.picture = true;  // the progress note
    return reply;
  }
  for (const LiveEvent& live : live_->NextStep()) {
    TakeStep(live);
    reply.changed.picture = true;
  }
  return reply;
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
    case Kind::Stopped:
    case Kind::GaveUp:
    case Kind::Impossible:
    case Kind::TooFewWords: ShowEmptyFigure(); break;
    case Kind::PuzzleComplete:  // FinishCompile shows the finished puzzle whole, as an opened puzzle shows
    case Kind::Searching:
    case Kind::AttemptStarted:
    case Kind::AttemptFailed:
    case Kind::OverlapCheckFailed: break;
  }
}

void Session::ShowEmptyFigure() { picture_ = FigureView(); }

void Session::EndCompileWithoutPuzzle() {
  if (beforeCompile_ && beforeCompile_->mode != Mode::Idle) {  // the puzzle that was on screen stays, as it was
    live_.reset();
    PutScreenBack();
    return;
  }
  beforeCompile_.reset();
  puzzle_ = live_->TakePuzzle();
  live_.reset();
  PreparePuzzleView();
  ShowEmptyFigure();
  mode_ = Mode::Idle;
  idleCaption_ = kShowSolution;
}

Reply Session::FinishCompile() {
  const CompileOutcome outcome = live_->Outcome();
  const CompileOptions fill = live_->Fill();
  const bool steps = compileSteps_;
  compileSteps_ = true;
  if (outcome != CompileOutcome::Complete) {
    EndCompileWithoutPuzzle();
    const Message failure = compiler_->FailureMessage(outcome, startWord_, fill);
    Reply reply = Tell(failure, outcome == CompileOutcome::Stopped);
    reply.changed.picture = true;
    return reply;
  }
  compileSteps_ = steps;  // as the front end asked
  Puzzle made = live_->TakePuzzle();
  live_.reset();
  beforeCompile_.reset();
  made.title = theme_.title;
  made.clues = CluesOf(made);
  PuzzleDocument document = MadeDocument(ListDocument(dictionaries_, fill), std::move(made), compileSeed_);
  document.origin.classPlace = compileClassPlace_;
  UsePuzzle(std::move(document));
  ShowSolution();
  Reply reply = Tell(LOOPWORD_TEXT("Messages", "Done"));
  reply.changed.picture = true;
  return reply;
}

void Session::UsePuzzle(PuzzleDocument document) {
  puzzle_ = std::exchange(document.puzzle, {});  // the document keeps the rest: the puzzle is puzzle_, the rules rules_
  document.solving = {};
  sheetTexts_ = setup_.sheetTexts(document.language);
  puzzleLanguage_ = document.language;
  document_ = std::move(document);
  PreparePuzzleView();
}

Reply Session::PressViewButton(bool confirmed) {
  return Answer([&]() -> Reply {
    switch (mode_) {
      case Mode::Compiling:
        live_->Stop();
        compileSteps_ = true;
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
    return NotDone();
  });
}

void Session::ShowPuzzle() {
  mode_ = Mode::ShowingPuzzle;
  picture_ = PuzzleSheetView(puzzle_, sheetTexts_);
}

void Session::ShowSolution() {
  mode_ = Mode::ShowingSolution;
  picture_ = SolutionSheetView(puzzle_, sheetTexts_);
}

Reply Session::ShowSheetsForPrinting() {
  return Answer([&]() -> Reply {
    if (round_ || mode_ == Mode::Compiling) return {};
    const Mode mode = mode_;
    ShowSolution();
    if (mode == Mode::Idle) {
      mode_ = Mode::Idle;
      idleCaption_ = kShowPuzzle;
    }
    return Redrawn();
  });
}

Reply Session::OpenText(const std::string& text, const std::string& name, bool confirmed) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling || mode_ == Mode::Closed) return NotDone();
    OpenedPuzzle opened = ReadPuzzleText(text, name);
    if (!opened.document) return Refusal(opened.message);
    if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Opening a puzzle ends solving this one. Open anyway?"));
    EndSolving();
    rules_ = opened.document->rules;
    Reply reply = Redrawn();
    for (const Message& note : {opened.document->rulesNote, opened.pencilNote}) {
      if (!note.empty()) reply.messages.emplace_back(note, MessageKind::Warning);
    }
    const SolvingProgress progress = opened.document->solving.progress.value_or(SolvingProgress{});
    UsePuzzle(std::move(*opened.document));
    ShowSolution();
    if (opened.solving) SolveFrom(std::move(*opened.solving), progress);
    reply.changed.progress = true;  // what was kept of the puzzle shown before is no longer on show
    return reply;
  });
}

Reply Session::Resume(const std::string& text) {
  return Answer([&]() -> Reply {
    if (!HasPuzzle() || LettersAtStake()) return NotDone();
    OpenedPuzzle opened = ReadPuzzleText(text, "");
    if (!opened.document || !opened.solving || PlacementKey(opened.document->puzzle) != PlacementKey(puzzle_)) return NotDone();
    EndSolving();
    SolveFrom(std::move(*opened.solving), opened.document->solving.progress.value_or(SolvingProgress{}));
    Reply reply = Solved();
    if (!opened.pencilNote.empty()) reply.messages.emplace_back(opened.pencilNote, MessageKind::Warning);
    return reply;
  });
}

void Session::SolveFrom(SolvingState solving, const SolvingProgress& progress) {
  mode_ = Mode::ShowingSolution;
  StartSolving();  // solving goes on where it was saved, the time spent before counted on
  round_.emplace(puzzle_, std::move(solving), progress, setup_.clock, clockPaused_);
  savedLetters_ = LettersOf(round_->Letters());
  ShowSolving();
}

std::string Session::FileText(bool withProgress) const {
  PuzzleDocument document = document_;
  document.puzzle = puzzle_;
  document.rules = rules_;
  if (withProgress && round_) {
    document.solving.letters = LettersOf(round_->Letters());
    const SolvingProgress progress = round_->Progress();
    if (!document.solving.letters.empty() || progress.ms >= 1000 || progress.checks > 0 || progress.revealed > 0) document.solving.progress = progress;
  }
  return FormatPuzzle(document);
}

Reply Session::MarkSaved() {
  if (round_) savedLetters_ = LettersOf(round_->Letters());
  return {};
}

Reply Session::StartSolving() {
  return Answer([&]() -> Reply {
    if (mode_ != Mode::ShowingPuzzle && mode_ != Mode::ShowingSolution) return NotDone();
    round_.emplace(puzzle_, setup_.clock, clockPaused_);
    mode_ = Mode::Solving;
    ShowSolving();
    return Solved();
  });
}

void Session::ShowSolving() { picture_ = SolvingSheetView(round_->Letters(), puzzle_, sheetTexts_); }

Reply Session::RoundCommand(const std::function<bool(SolvingRound&)>& command) {
  if (!round_ || !command(*round_)) return NotDone();
  ShowSolving();
  Reply reply = Solved();
  if (round_->JustSolved()) reply.messages.push_back(round_->SolvedMessage(ClockShown()));
  return reply;
}

Reply Session::Check() {
  return Answer([&]() -> Reply {
    if (!rules_.check) return NotDone();
    Reply reply = RoundCommand(&SolvingRound::Check);
    if (reply.done) reply.messages.push_back(CheckReport(picture_));
    return reply;
  });
}

Reply Session::Reveal() {
  return Answer([&]() -> Reply {
    if (!rules_.reveal) return NotDone();
    return RoundCommand(&SolvingRound::Reveal);
  });
}

Reply Session::Press(SolvingKey key) {
  return Answer([&] { return RoundCommand([key](SolvingRound& round) { return round.Press(key); }); });
}

Reply Session::Type(std::string_view typed) {
  return Answer([&] {
    const std::string letters = FoldTypedWord(puzzleLanguage_, typed);
    return RoundCommand([&](SolvingRound& round) { return round.Type(letters); });
  });
}

Reply Session::Key(std::string_view key, bool control, bool shift) {
  if (control) {
    if (key == "z" || key == "Z") return shift ? Redo() : Undo();
    if (key == "y" || key == "Y") return Redo();
  } else if (key == ".") {
    return TogglePencil();
  } else if (const std::optional<SolvingKey> solvingKey = SolvingKeyNamed(key)) {
    return Press(*solvingKey);
  } else if (IsOneCharacter(key)) {
    return Type(key);
  }
  return Answer(NotDone);
}

Reply Session::ClickAt(TwipPoint point) {
  return Answer([&] { return RoundCommand([point](SolvingRound& round) { return round.SelectAt(point); }); });
}

Reply Session::Select(RingCell cell) {
  return Answer([&] { return RoundCommand([cell](SolvingRound& round) { return round.Select(cell); }); });
}

Reply Session::StartOver(bool confirmed) {
  return Answer([&]() -> Reply {
    if (mode_ != Mode::Solving || !round_) return NotDone();
    if (round_->Letters().HasTypedLetters() && !confirmed) return Ask(kStartOverQuestion);
    return RoundCommand(&SolvingRound::StartOver);
  });
}

Reply Session::Undo() {
  return Answer([&] { return RoundCommand(&SolvingRound::Undo); });
}

Reply Session::Redo() {
  return Answer([&] { return RoundCommand(&SolvingRound::Redo); });
}

bool Session::ClockShown() const { return rules_.timer && !timerHidden_; }

Reply Session::TogglePencil() {
  return Answer([&]() -> Reply {
    if (!round_) return NotDone();
    round_->TogglePencil();
    return Reply();
  });
}

Reply Session::HideTimer(bool hidden) {
  return Answer([&] {
    timerHidden_ = hidden;
    return Reply();
  });
}

Reply Session::SetPupilRules(const PupilRules& rules) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling) return Refusal(kStillCompiling);
    rules_ = rules;
    PreparePuzzleView();
    return ChoicesChanged();
  });
}

Reply Session::PauseClock(bool paused) {
  clockPaused_ = paused;
  Reply reply;
  if (!round_) return reply;
  round_->PauseClock(paused);
  reply.changed.progress = true;  // the time to keep
  return reply;
}

Reply Session::ChooseRandomStartWord() {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling) return Refusal(kStillCompiling);
    startWord_.clear();
    return ChoicesChanged();
  });
}

Reply Session::EnterStartWord(const std::string& answer) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling) return Refusal(kStillCompiling);
    const StartWordCheck check = CheckStartWord(answer, dictionaries_.CurrentLanguage());
    if (check.verdict == StartWordCheck::Verdict::Cancelled) return NotDone();
    if (check.verdict != StartWordCheck::Verdict::Accepted) return Refusal(check.message);
    startWord_ = check.word;
    Reply reply = ChoicesChanged();
    if (round_) return reply;  // the puzzle being solved stays on screen
    ShowEmptyFigure();
    picture_.figure.PrintRing(kCrossingSquare, startWord_);
    reply.changed.picture = true;
    return reply;
  });
}

Reply Session::ChooseWordList(int level, const std::string& userPath) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling) return Refusal(kStillCompiling);
    return LoadReply(dictionaries_.Choose(level, userPath));
  });
}

Reply Session::ChooseLanguage(Language language) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Compiling) return Refusal(kStillCompiling);
    dictionaries_.UseLanguage(language);
    return LoadReply(dictionaries_.LoadDictionary());
  });
}

std::optional<Puzzle> Session::MakeBookletPuzzle(Compiler& compiler, const CompileOptions& fill,
                                                 const BookletProgress& goesOn, int done, int total, Message& failure) {
  Puzzle puzzle;
  const auto observer = [&](const CompileEvent& event) {
    using Kind = CompileEvent::Kind;
    if ((event.kind == Kind::AttemptStarted || event.kind == Kind::Searching) && !goesOn(done, total)) compiler.RequestStop();
  };
  const CompileOutcome result = compiler.Compile(puzzle, startWord_, observer, fill);
  puzzle.title = theme_.title;
  puzzle.clues = CluesOf(puzzle);
  if (result == CompileOutcome::Complete) return puzzle;
  failure = compiler.FailureMessage(result, startWord_, fill);
  return std::nullopt;
}

MadePuzzle Session::BookletPuzzle(Puzzle puzzle, const PuzzleDocument& list, std::optional<std::uint64_t> seed,
                                  bool graded, const SheetTexts& texts) const {
  PuzzleDocument document = MadeDocument(list, std::move(puzzle), seed);
  if (graded) document.grade = grade::GradeLine(document.puzzle);
  PrintedSheets sheets = SheetsOf(document.puzzle, texts);
  return {std::move(document), std::move(sheets)};
}

Reply Session::MakeBookletOnThreads(const BookletOrder& order, const BookletProgress& progress, const BookletSink& sink) {
  const CompileOptions fill = FillWithTheme(fill_);
  const PuzzleDocument list = ListDocument(dictionaries_, fill);
  const SheetTexts texts = setup_.sheetTexts(dictionaries_.CurrentLanguage());
  const int total = order.request.count;
  const int workers = std::clamp(order.jobs, 1, total);
  std::vector<std::unique_ptr<Compiler>> compilers;  // one a worker: a compiler is no thread's but its own
  for (int worker = 0; worker < workers; ++worker) compilers.push_back(std::make_unique<Compiler>(dictionaries_.Words(), RandomSource(0)));
  // Puzzle k waits in slot k modulo the window until it is handed on; a failure leaves its slot empty and says why.
  const auto window = static_cast<std::size_t>(workers * kPiecesAheadPerWorker);
  std::vector<std::optional<MadePuzzle>> made(window);
  std::vector<Message> failures(window);
  const auto work = [&](int worker, int index, const std::atomic<bool>& stop) {
    Compiler& compiler = *compilers[static_cast<std::size_t>(worker)];
    const std::uint64_t seed = *order.seed + static_cast<std::uint64_t>(index);
    compiler.UseRandom(RandomSource(seed));
    Puzzle puzzle;
    const CompileOutcome outcome = compiler.Compile(puzzle, startWord_, [&](const CompileEvent&) { if (stop) compiler.RequestStop(); }, fill);
    const std::size_t slot = static_cast<std::size_t>(index) % window;
    if (outcome != CompileOutcome::Complete) {
      failures[slot] = compiler.FailureMessage(outcome, startWord_, fill);
      return;
    }
    puzzle.title = theme_.title;
    puzzle.clues = CluesOf(puzzle);
    made[slot] = BookletPuzzle(std::move(puzzle), list, seed, order.grades, texts);
  };
  int handed = 0;
  Message failure;
  const auto goesOn = [&] { return mode_ != Mode::Closed && progress(handed, total); };
  const auto hand = [&](int index) {
    std::optional<MadePuzzle>& puzzle = made[static_cast<std::size_t>(index) % window];
    if (!puzzle) {
      failure = failures[static_cast<std::size_t>(index) % window];
      return false;
    }
    const bool kept = sink(*std::exchange(puzzle, std::nullopt));
    handed = index + 1;
    return kept && goesOn();
  };
  if (!goesOn()) return NotDone();
  if (WorkInOrder(total, workers, work, hand, goesOn) == total) return {};
  return failure.empty() ? NotDone() : Refusal(failure);
}

Reply Session::MakeBooklet(const BookletOrder& order, const BookletProgress& progress, const BookletSink& sink) {
  return Answer([&]() -> Reply {
    if (Message refusal = WhyNoPuzzle(); !refusal.empty()) return Refusal(std::move(refusal));
    if (order.jobs > 1 && order.seed && !order.request.noRepeats) return MakeBookletOnThreads(order, progress, sink);
    const CompileOptions fill = FillWithTheme(fill_);
    const PuzzleDocument list = ListDocument(dictionaries_, fill);
    const int total = order.request.count;
    int done = 0;
    Message failure;
    const auto goesOn = [&](int made, int count) {
      done = made;
      return mode_ != Mode::Closed && progress(made, count);
    };
    const auto seedOf = [&](int index) -> std::optional<std::uint64_t> {
      if (!order.seed) return std::nullopt;
      return *order.seed + static_cast<std::uint64_t>(index);
    };
    const auto make = [&](const std::shared_ptr<const Dictionary>& words) {
      Compiler& compiler = CompilerFor(words);
      if (const auto seed = seedOf(done)) compiler.UseRandom(RandomSource(*seed));
      return MakeBookletPuzzle(compiler, fill, goesOn, done, total, failure);
    };
    int index = 0;
    const SheetTexts texts = setup_.sheetTexts(dictionaries_.CurrentLanguage());
    const auto keep = [&](Puzzle&& puzzle) { return sink(BookletPuzzle(std::move(puzzle), list, seedOf(index++), order.grades, texts)); };
    const BookletRun run = StreamBookletPuzzles(order.request, dictionaries_.Words(), make, keep, goesOn);
    Reply reply;
    if (!run.note.empty()) reply.messages.emplace_back(run.note, MessageKind::Warning);
    if (run.outcome == BookletRun::Outcome::GaveUp) {
      reply.done = false;
      if (!failure.empty()) reply.messages.emplace_back(failure, MessageKind::Error);
    }
    if (run.outcome == BookletRun::Outcome::Cancelled) reply.done = false;
    return reply;
  });
}

Reply Session::MakeClassSet(int pupils, const BookletProgress& progress, const BookletSink& sink) {
  return Answer([&]() -> Reply {
    if (Message refusal = PupilsRefusal(pupils); !refusal.empty()) return Refusal(std::move(refusal));
    if (Message refusal = WhyNoPuzzle(); !refusal.empty()) return Refusal(std::move(refusal));
    CompileOptions fill = FillWithTheme(fill_);
    fill.unique = true;
    ClassSet set{CurrentChoices(), pupils, {}};
    set.choices.unique = true;
    Reply told;
    const std::uint64_t first = ClassSetSeed(pupils, told);
    set.choices.seed = first;
    const PuzzleDocument list = ListDocument(dictionaries_, fill);
    const SheetTexts texts = setup_.sheetTexts(dictionaries_.CurrentLanguage());
    bool cancelled = false;
    const auto goesOn = [&](int done, int total) {
      cancelled = cancelled || mode_ == Mode::Closed || !progress(done, total);
      return !cancelled;
    };
    std::vector<std::string> keys;  // of the puzzles made so far
    std::vector<Puzzle> puzzles;
    Message failure;
    if (!goesOn(0, pupils)) return NotDone();
    for (std::uint64_t offset = 0; std::ssize(keys) < pupils; ++offset) {
      if (std::ssize(set.skipped) > pupils) {
        return Refusal(Message(LOOPWORD_TEXT("Messages", "These choices give too few different puzzles for %1 pupils: try fewer theme words or a longer word list."), {pupils}));
      }
      Compiler& compiler = CompilerFor(dictionaries_.Words());
      compiler.UseRandom(RandomSource(first + offset));
      const int done = static_cast<int>(keys.size());
      std::optional<Puzzle> puzzle = MakeBookletPuzzle(compiler, fill, goesOn, done, pupils, failure);
      if (cancelled) return NotDone();
      if (!puzzle) return Refusal(failure);
      std::string key = PlacementKey(*puzzle);
      if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
        set.skipped.push_back(offset);
        continue;
      }
      keys.push_back(std::move(key));
      const ClassPlace place{static_cast<int>(keys.size()), pupils, first};
      PrintedSheets sheets = ClassSetSheets(*puzzle, texts, place);
      puzzles.push_back(*puzzle);
      PuzzleDocument document = MadeDocument(list, std::move(*puzzle), first + offset);
      document.origin.classPlace = place;
      if (!sink({std::move(document), std::move(sheets)}) || !goesOn(std::ssize(keys), pupils)) return NotDone();
    }
    classSet_ = std::move(set);
    classSetPuzzles_ = std::move(puzzles);
    return told;
  });
}

Reply Session::ChooseClassPuzzle(const ClassSet& set, int number) {
  if (Message refusal = NumberRefusal(set, number); !refusal.empty()) {
    return Answer([&] { return Refusal(std::move(refusal)); });
  }
  Choices choices = set.choices;
  choices.seed = set.SeedOf(number);
  const Reply restored = Restore(choices);
  if (restored.done && set.choices.seed) nextClassPuzzle_ = {ClassPlace{number, set.pupils, *set.choices.seed}, CurrentChoices()};
  return restored;
}

/// Whether `set` was made with the choices in use (One solution aside, which a class set always has).
bool Session::ForTheseChoices(const ClassSet& set) const {
  Choices now = CurrentChoices();
  Choices made = set.choices;
  now.seed.reset();
  made.seed.reset();
  made.unique = now.unique;
  return now == made;
}

Reply Session::UseClassSet(const ClassSet& set) {
  classSet_ = set;
  classSetPuzzles_.clear();
  return {};
}

Reply Session::ReadClassResults(int pupils, std::string_view codes, const BookletProgress& progress, std::vector<ResultRow>& rows) {
  const bool shared = classSet_ && classSet_->pupils == pupils && ForTheseChoices(*classSet_);
  if (!shared && !nextSeed_) return Answer([this] { return Refusal(Message(kNoClassSet)); });
  const std::uint64_t seed = nextSeed_.value_or(classSet_ ? *classSet_->choices.seed : 0);
  if (!shared || *classSet_->choices.seed != seed || std::ssize(classSetPuzzles_) != pupils) {
    if (const Reply made = MakeClassSet(pupils, progress, [](MadePuzzle&&) { return true; }); !made.done) return made;
  }
  rows = ReadResults(codes, seed, classSetPuzzles_);
  return {};
}

/// The first seed of a class set of `pupils` with the choices in use: the seed given for the next compile, else the
/// set's shared before while it is for these choices, else a new one. A set that replaces one shared before with other
/// choices says so in `told`.
std::uint64_t Session::ClassSetSeed(int pupils, Reply& told) const {
  if (nextSeed_) return *nextSeed_;
  if (classSet_ && classSet_->pupils == pupils && ForTheseChoices(*classSet_)) return *classSet_->choices.seed;
  const std::uint64_t seed = EntropySeed();
  if (classSet_) told.messages.emplace_back(Message(kClassSetChanged, {SetId(*classSet_->choices.seed), SetId(seed)}), MessageKind::Warning);
  return seed;
}

Reply Session::Exit(bool confirmed) {
  return Answer([&]() -> Reply {
    if (mode_ == Mode::Closed) return NotDone();
    if (LettersAtStake() && !confirmed) return Ask(LOOPWORD_TEXT("Messages", "Exiting ends solving this puzzle. Exit anyway?"));
    EndSolving();
    live_.reset();  // a running compile stops where it is
    mode_ = Mode::Closed;
    return {};
  });
}

}  // namespace loopword
