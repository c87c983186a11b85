// terminal_front_end.cpp - Messages and the question on the terminal.
#include "cli/terminal_front_end.h"

#include <iostream>
#include <string>

namespace gdf {

void TerminalFrontEnd::ShowMessage(const Message& message) {
  std::cerr << ToUtf8(message.text) << "\n";
  showedMessage_ = true;
}

bool TerminalFrontEnd::AskYesNo(const Text& question, const Text&) {
  if (policy_ == QuestionPolicy::kYes) {
    std::cerr << ToUtf8(question) << " [y/N] y (--yes)\n";
    return true;
  }
  if (policy_ == QuestionPolicy::kNo) {
    std::cerr << ToUtf8(question) << " [y/N] n (no terminal to ask; pass --yes to create it)\n";
    return false;
  }
  std::cerr << ToUtf8(question) << " [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) return false;
  return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

}  // namespace gdf
