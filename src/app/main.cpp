// Program entry: loads the level-1 word list from the program's folder and reports it.
#include <filesystem>
#include <iostream>

#include "words/dictionary_state.h"

int main(int, char** argv) {
  namespace fs = std::filesystem;
  const fs::path program = fs::weakly_canonical(fs::absolute(argv[0]));
  loopword::DictionaryState dictionaries(program.parent_path().string());
  const loopword::LoadReport report = dictionaries.LoadDictionary();
  for (const std::string& message : report.messages) std::cerr << message << '\n';
  if (report.outcome != loopword::LoadOutcome::Loaded) return 1;
  std::cout << dictionaries.Title() << '\n';
  return 0;
}
