// Running a command-line tool from a test and reading what it printed.
#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace loopword::testing {

/// What a command printed on standard output and its exit status.
struct ToolRun {
  std::string out;
  int status = -1;
};

/// Runs `command` through the shell and collects its standard output.
inline ToolRun RunTool(const std::string& command) {
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

/// The text of page `page` (from 1) of a PDF, as pdftotext gives it in reading order.
inline std::string PdfPageText(const std::string& pdf, int page) {
  const std::string number = std::to_string(page);
  return RunTool("pdftotext -f " + number + " -l " + number + " '" + pdf + "' -").out;
}

/// The number of pages pdfinfo reports for a PDF; -1 when it cannot read it.
inline int PdfPageCount(const std::string& pdf) {
  const std::string info = RunTool("pdfinfo '" + pdf + "'").out;
  const std::size_t at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

}  // namespace loopword::testing
