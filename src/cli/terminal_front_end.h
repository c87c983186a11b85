// terminal_front_end.h - The run's front end on a terminal: messages on stderr, the question
// asked at the terminal (or answered by --yes, or No without one).
#pragma once

#include <cstdio>
#include <string>

#include "common/front_end.h"
#include "messages/message_catalogue.h"

namespace gdf {

/// How the folder question is answered.
enum class QuestionPolicy { kAsk, kYes, kNo };

class TerminalFrontEnd : public FrontEnd {
 public:
  /// With `quiet`, a question that the policy answers is not printed, and a message shows one
  /// line of its explanation.
  explicit TerminalFrontEnd(QuestionPolicy policy, Language language = UserLanguage(),
                            bool quiet = false)
      : policy_(policy), language_(language), quiet_(quiet) {}

  void SetStatusText(const Text& text) override { status_ = text; }
  /// Printed on stderr in the user's language, unless quiet.
  void Notify(const CatalogueMessage& notice) override;
  void ShowMessage(const Message& message) override;
  bool AskYesNo(const Text& question, const Text& caption) override;

  const Text& Status() const { return status_; }
  /// Whether a message was shown (printed).
  bool ShowedMessage() const { return showedMessage_; }

 private:
  QuestionPolicy policy_;
  Language language_;
  bool quiet_;
  Text status_;
  bool showedMessage_ = false;
};

}  // namespace gdf
