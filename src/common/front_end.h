// front_end.h - What the conversion run asks of the front end that drives it: the status line,
// one pass of pending events, message boxes, the Yes/No question, the pointer, and the focus
// on the target path. The window implements it with Qt, the command line with its streams.
#pragma once

#include <optional>
#include <vector>

#include "messages/message_catalogue.h"
#include "text/text.h"

namespace gdf {

/// The icon of a message box.
enum class MessageIcon { kNone, kInformation, kExclamation, kQuestion, kCritical };

/// The mouse pointer of the window.
enum class Pointer { kDefault, kHourglass };

/// A modal message box with an OK button.
struct Message {
  Text text;                              ///< the message, as the system holds it
  MessageIcon icon = MessageIcon::kNone;  ///< the icon shown beside it
  /// The title bar text: none means the program's title; an empty text is an empty title.
  std::optional<Text> caption;
  /// The program's own words after `text`: why, and what to do.
  std::vector<CatalogueMessage> explanation;
};

/// The front end of a conversion run. A message and the question need an answer of their own;
/// the rest are no-ops unless a front end has a status line, events, a pointer or a target box.
class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  /// Sets the status line (`Label3`).
  virtual void SetStatusText(const Text&) {}
  /// Tells the user what the run is doing while it goes on (that it waits for the pattern-data
  /// folder, and for whom): a window shows it on its status line, in Japanese as it speaks; the
  /// command line prints it.
  virtual void Notify(const CatalogueMessage& notice) {
    SetStatusText(Render(notice, Language::kJapanese));
  }
  /// Lets the front end process its pending events once, so that the status line is painted.
  virtual void ProcessPendingEvents() {}
  /// Shows a modal message box with an OK button and waits for it.
  virtual void ShowMessage(const Message& message) = 0;
  /// Asks a Yes/No question with the question icon; true for Yes.
  virtual bool AskYesNo(const Text& question, const Text& caption) = 0;
  /// Sets the mouse pointer of the window.
  virtual void SetPointer(Pointer) {}
  /// Gives the target path box (`Text2`) the focus and selects its whole text.
  virtual void FocusAndSelectTargetPath() {}
  /// Sets the flag that the completion text is showing (`ConversionDone`).
  virtual void SetConversionDone(bool) {}
};

/// A front end that passes everything on to another; a front end that changes one answer
/// overrides only that.
class ForwardingFrontEnd : public FrontEnd {
 public:
  explicit ForwardingFrontEnd(FrontEnd& inner) : inner_(inner) {}
  void SetStatusText(const Text& text) override { inner_.SetStatusText(text); }
  void Notify(const CatalogueMessage& notice) override { inner_.Notify(notice); }
  void ProcessPendingEvents() override { inner_.ProcessPendingEvents(); }
  void ShowMessage(const Message& message) override { inner_.ShowMessage(message); }
  bool AskYesNo(const Text& question, const Text& caption) override {
    return inner_.AskYesNo(question, caption);
  }
  void SetPointer(Pointer pointer) override { inner_.SetPointer(pointer); }
  void FocusAndSelectTargetPath() override { inner_.FocusAndSelectTargetPath(); }
  void SetConversionDone(bool done) override { inner_.SetConversionDone(done); }

 private:
  FrontEnd& inner_;
};

}  // namespace gdf
