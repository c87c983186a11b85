// terminal_front_end.cpp - Messages and the question on the terminal.
#include "cli/terminal_front_end.h"

#include <algorithm>
#include <iostream>
#include <string>

namespace gdf {

void TerminalFrontEnd::ShowMessage(const Message& message) {
  if (!message.text.empty()) std::cerr << ToUtf8(message.text) << "\n";
  // Quiet: the message and one line of why.
  const std::size_t lines =
      quiet_ ? std::min<std::size_t>(message.explanation.size(), 1) : message.explanation.size();
  for (std::size_t i = 0; i < lines; ++i) {
    std::cerr << ToUtf8(Render(message.explanation[i], language_)) << "\n";
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
