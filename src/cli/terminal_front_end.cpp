// terminal_front_end.cpp - Messages and the question on the terminal.
#include "cli/terminal_front_end.h"

#include <iostream>
#include <string>

namespace gdf {

void TerminalFrontEnd::ShowMessage(const Message& message) {
  if (!message.text.empty()) std::cerr << ToUtf8(message.text) << "\n";
  for (const CatalogueMessage& line : message.explanation) {
    std::cerr << ToUtf8(Render(line, language_)) << "\n";
  }
  showedMessage_ = true;
}

void TerminalFrontEnd::Notify(const CatalogueMessage& notice) {
  if (!quiet_) std::cerr << ToUtf8(Render(notice, language_)) << std::endl;
}

bool TerminalFrontEnd::AskYesNo(const Text& question, const Text&) {
  if (policy_ == QuestionPolicy::kYes) {
    if (!quiet_) {
      std::cerr << ToUtf8(question) << " [y/N] y ("
                << ToUtf8(Render(Say(MessageId::kAnsweredByYesOption), language_)) << ")\n";
    }
    return true;
  }
  if (policy_ == QuestionPolicy::kNo) {
    if (!quiet_) {
      std::cerr << ToUtf8(question) << " [y/N] n ("
                << ToUtf8(Render(Say(MessageId::kAnsweredNoWithoutTerminal), language_)) << ")\n";
    }
    return false;
  }
  std::cerr << ToUtf8(question) << " [y/N] " << std::flush;
  std::string answer;
  if (!std::getline(std::cin, answer)) return false;
  return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes" || answer == "YES";
}

}  // namespace gdf
