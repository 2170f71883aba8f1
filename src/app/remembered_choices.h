// The choices the window remembers between runs, kept as the one text the choices encode to, the timer's
// visibility and the last folder.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "session/choices.h"

namespace loopword {

/// The choices kept last (language, fill, difficulty, theme words and title); before any, the defaults in the
/// desktop's language when Loopword has word lists in it (the C locale counts as English). A damaged text gives
/// the defaults. A run always starts from Level 1 and a random starting word.
Choices RememberedChoices();
/// Keeps `choices`, but for the level, the starting word, the seed and what pupils may do, which a run does not take
/// over.
void RememberChoices(const Choices& choices);

/// Whether the solver hid the solving clock, as last chosen; false before any choice.
bool RememberedTimerHidden();
/// Keeps whether the solver hid the solving clock.
void RememberTimerHidden(bool hidden);

/// The folder of the file chosen last in a file dialog; "" before any.
std::string RememberedFolder();
/// Keeps the folder of `path`, a file just chosen.
void RememberFolderOf(const std::string& path);

}  // namespace loopword
