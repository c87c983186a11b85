// form1_layout.cpp - The controls of Form1 with their places.
#include "app/logic/form1_layout.h"

#include <iterator>

namespace gdf::app {
namespace {

using K = ControlKind;

// In the order of the tab indexes.
constexpr ControlLayout kControls[] = {
    {"Frame1", K::kFrame, u"変換元ファイル名選択", nullptr, 240, 1680, 5175, 2895, 1},
    {"Dir1", K::kFolderList, u"", "Frame1", 2640, 420, 2415, 1530, 2},
    {"Drive1", K::kDriveList, u"", "Frame1", 2640, 2220, 2415, 390, 3},
    {"File1", K::kFileList, u"", "Frame1", 120, 420, 2415, 2190, 4},
    {"Frame2", K::kFrame, u"変換先フォルダ名選択", nullptr, 5580, 1680, 3135, 2895, 5},
    {"Dir2", K::kFolderList, u"", "Frame2", 180, 420, 2595, 1530, 6},
    {"Drive2", K::kDriveList, u"", "Frame2", 180, 2220, 2595, 390, 7},
    {"Command1", K::kButton, u"実  行", nullptr, 2520, 5580, 1935, 555, 8},
    {"Command2", K::kButton, u"終  了", nullptr, 5160, 5580, 2055, 555, 9},
    {"Text1", K::kTextBox, u"", nullptr, 2400, 300, 6255, 405, 10},
    {"Label1", K::kLabel, u"変換元ファイル名：", nullptr, 240, 360, 2235, 315, 11},
    {"Label2", K::kLabel, u"変換先フォルダ名：", nullptr, 240, 960, 2235, 315, 12},
    {"Text2", K::kTextBox, u"", nullptr, 2400, 900, 6255, 405, 13},
    {"Frame3", K::kFrame, u"メッセージ", nullptr, 240, 4740, 8475, 675, 14},
    {"Label3", K::kLabel, u"", "Frame3", 180, 240, 8175, 315, 15},
};

}  // namespace

std::span<const ControlLayout> Form1Controls() { return kControls; }

const ControlLayout* FindControl(std::string_view name) {
  for (const ControlLayout& control : kControls) {
    if (name == control.name) return &control;
  }
  return nullptr;
}

FormPlace PlaceOnForm(const ControlLayout& control) {
  FormPlace place{control.left, control.top, control.width, control.height};
  if (control.container != nullptr) {
    if (const ControlLayout* container = FindControl(control.container)) {
      place.left += container->left;
      place.top += container->top;
    }
  }
  return place;
}

}  // namespace gdf::app
