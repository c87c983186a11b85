// front_end.h - What the conversion run asks of the front end that drives it: the status line,
// one pass of pending events, message boxes, the Yes/No question, the pointer, and the focus
// on the target path. The window implements it with Qt, the command line with its streams.
#pragma once

#include <optional>

#include "common/text.h"

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
};

/// The front end of a conversion run.
class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  /// Sets the status line (`Label3`).
  virtual void SetStatusText(const Text& text) = 0;
  /// Lets the front end process its pending events once, so that the status line is painted.
  virtual void ProcessPendingEvents() = 0;
  /// Shows a modal message box with an OK button and waits for it.
  virtual void ShowMessage(const Message& message) = 0;
  /// Asks a Yes/No question with the question icon; true for Yes.
  virtual bool AskYesNo(const Text& question, const Text& caption) = 0;
  /// Sets the mouse pointer of the window.
  virtual void SetPointer(Pointer pointer) = 0;
  /// Gives the target path box (`Text2`) the focus and selects its whole text.
  virtual void FocusAndSelectTargetPath() = 0;
  /// Sets the flag that the completion text is showing (`ConversionDone`).
  virtual void SetConversionDone(bool done) = 0;
};

}  // namespace gdf
