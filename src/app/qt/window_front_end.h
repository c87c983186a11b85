// window_front_end.h - The run's front end on the window: the status line `Label3`, one pass of
// the event loop, modal message boxes and the Yes/No question, the hourglass pointer, the focus
// on `Text2` and the `ConversionDone` flag.
#pragma once

#include <QMessageBox>

#include "common/front_end.h"

namespace gdf::app {

class Form1;

/// The icon of a message box as Qt draws it.
QMessageBox::Icon ToQtIcon(MessageIcon icon);

/// The front end that a run started from the window talks through.
class WindowFrontEnd : public FrontEnd {
 public:
  explicit WindowFrontEnd(Form1& form) : form_(form) {}

  void SetStatusText(const Text& text) override;
  void ProcessPendingEvents() override;
  void ShowMessage(const Message& message) override;
  bool AskYesNo(const Text& question, const Text& caption) override;
  void SetPointer(Pointer pointer) override;
  void FocusAndSelectTargetPath() override;
  void SetConversionDone(bool done) override;

 private:
  Form1& form_;
};

}  // namespace gdf::app
