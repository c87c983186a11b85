// form1_layout.h - Form1 as the form lays it out: each control's kind, name, caption, container,
// place in twips and tab index, once. The Qt window and the Win32 window both draw this one
// description; neither places a control of its own.
#pragma once

#include <span>
#include <string_view>

namespace gdf::app {

/// What a control of the form is.
enum class ControlKind {
  kPicture,     ///< the background picture box, which reports the pointer moving over it
  kFrame,       ///< a frame with a caption, holding other controls
  kLabel,       ///< a label: a caption, or the status line when it has none (`Label3`)
  kTextBox,     ///< a one-line text box
  kFileList,    ///< the list of files of a folder
  kFolderList,  ///< the list of folders from the root down
  kDriveList,   ///< the drop-down list of drives
  kButton,      ///< a push button
};

/// One control of the form.
struct ControlLayout {
  const char* name;              ///< the form's name for it, "Drive1"
  ControlKind kind;              ///< what it is
  const char16_t* caption;       ///< its caption; empty for none
  const char* container;         ///< the frame it sits in; nullptr for the background `Picture1`
  int left, top, width, height;  ///< in twips, relative to its container
  int tabIndex;                  ///< its place in the focus order (frames and labels take none)
};

/// The window's client area, in twips.
inline constexpr int kFormWidth = 9090;
inline constexpr int kFormHeight = 6495;

/// The background picture box `Picture1`, which every other control sits on; tab index 0.
inline constexpr ControlLayout kPicture1 = {
    "Picture1", ControlKind::kPicture, u"", nullptr, 0, 0, 9075, 6495, 0};

/// Every control on `Picture1`, in the order of their tab indexes.
std::span<const ControlLayout> Form1Controls();

/// The control of that name; nullptr for a name the form has none of.
const ControlLayout* FindControl(std::string_view name);

/// Whether a control takes the focus (and so a place in the tab order).
constexpr bool TakesFocus(ControlKind kind) {
  return kind != ControlKind::kPicture && kind != ControlKind::kFrame &&
         kind != ControlKind::kLabel;
}

/// A control's place relative to `Picture1`, in twips.
struct FormPlace {
  int left, top, width, height;
};
FormPlace PlaceOnForm(const ControlLayout& control);

}  // namespace gdf::app
