// Running a command-line tool from a test, and reading PDFs through poppler's tools.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "board/whole_number.h"

namespace loopword::testing {

/// Runs `command` through the shell; its standard output and exit status (-1 when it did not exit).
inline std::pair<std::string, int> RunTool(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pipe ? pclose(pipe) : -1;
  return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

/// The text of page `page` (from 1) of a PDF, as pdftotext reads it.
inline std::string PdfPageText(const std::string& pdf, int page) {
  const std::string n = std::to_string(page);
  return RunTool("pdftotext -f " + n + " -l " + n + " '" + pdf + "' -").first;
}

/// The page count pdfinfo reports; -1 when it cannot read the file.
inline int PdfPageCount(const std::string& pdf) {
  const std::string pages = RunTool("pdfinfo '" + pdf + "' 2>/dev/null | awk '/^Pages:/ {printf \"%s\", $2}'").first;
  return WholeNumber(pages, 0, 1'000'000).value_or(-1);
}

}  // namespace loopword::testing
