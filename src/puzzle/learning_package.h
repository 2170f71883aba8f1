// A puzzle or a class set as a package a learning platform plays (SCORM 1.2): the one-file page and its manifest.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace loopword {

/// The file of the package the platform starts: the one-file page with the puzzles inside.
inline constexpr std::string_view kPackagePage = "index.html";

/// The package's manifest (imsmanifest.xml): one organisation with one item, the page as its one SCO, titled `title`;
/// its identifier made from `puzzles`, so that another package is told from this one.
std::string PackageManifest(std::string_view title, const std::vector<std::string>& puzzles);

/// The package (a zip archive) of the one-file `page` with the puzzle file texts `puzzles` inside (one, or a class
/// set: each learner solves the one their platform's learner id picks), titled `title` ("Loopword" for none); nullopt when the page has no
/// slot for puzzles.
std::optional<std::string> LearningPackage(std::string_view page, const std::vector<std::string>& puzzles, std::string_view title);

}  // namespace loopword
