// window_front_end.cpp - Message boxes, the status line and the pointer for a run on the window.
#include "app/qt/window_front_end.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "app/qt/form1.h"

namespace gdf::app {
namespace {

QString ToQString(const Text& text) { return QString::fromStdU16String(text); }

// A message box without a caption of its own shows the program's title; one whose caption is
// an empty text shows an empty title bar.
QString Caption(const std::optional<Text>& caption) {
  return ToQString(caption.value_or(Text(kProgramTitle)));
}

}  // namespace

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kNone:
      return QMessageBox::NoIcon;
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kExclamation:
      return QMessageBox::Warning;
    case MessageIcon::kQuestion:
      return QMessageBox::Question;
    case MessageIcon::kCritical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

void WindowFrontEnd::SetStatusText(const Text& text) {
  form_.Label3()->setText(ToQString(text));
  // Painted now: the run may go on for a while without letting the window paint.
  form_.Label3()->repaint();
}

void WindowFrontEnd::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void WindowFrontEnd::ShowMessage(const Message& message) {
  QMessageBox box(ToQtIcon(message.icon), Caption(message.caption), ToQString(message.text),
                  QMessageBox::Ok, &form_);
  box.exec();
}

bool WindowFrontEnd::AskYesNo(const Text& question, const Text& caption) {
  QMessageBox box(QMessageBox::Question,
                  Caption(caption.empty() ? std::nullopt : std::optional<Text>(caption)),
                  ToQString(question), QMessageBox::Yes | QMessageBox::No, &form_);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

void WindowFrontEnd::SetPointer(Pointer pointer) {
  if (pointer == Pointer::kHourglass) {
    form_.setCursor(Qt::WaitCursor);
  } else {
    form_.unsetCursor();
  }
}

void WindowFrontEnd::FocusAndSelectTargetPath() {
  form_.Text2()->setFocus(Qt::OtherFocusReason);
  form_.Text2()->selectAll();
}

// The handlers keep `ConversionDone` themselves: the run's flag reaches them, not the window.
void WindowFrontEnd::SetConversionDone(bool) {}

}  // namespace gdf::app
