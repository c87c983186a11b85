// file_controls.cpp - The drive, folder and file lists of the Qt window.
#include "app/qt/file_controls.h"

#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace gdf::app {
namespace {

QString ToQString(const Text& text) { return QString::fromStdU16String(text); }

}  // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::activated, this, &DriveList::Chosen);
}

void DriveList::Show(const std::vector<Text>& labels, int chosen) {
  const QSignalBlocker quiet(this);
  clear();
  for (const Text& label : labels) addItem(ToQString(label));
  setCurrentIndex(chosen);
}

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setExpandsOnDoubleClick(false);
  setIndentation(FullIndentation());
  connect(this, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { emit Opened(item->data(0, Qt::UserRole).toInt()); });
}

int FolderList::FullIndentation() const { return fontMetrics().averageCharWidth() * 2; }

void FolderList::Show(const std::vector<FolderItem>& items, int current) {
  const QSignalBlocker quiet(this);
  clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  // Each entry goes below the last entry one level up.
  std::vector<QTreeWidgetItem*> parents;
  QTreeWidgetItem* chosen = nullptr;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const FolderItem& folder = items[i];
    const auto level = static_cast<std::size_t>(folder.level);
    parents.resize(level);
    auto* item = level == 0 || parents.empty() ? new QTreeWidgetItem(this)
                                               : new QTreeWidgetItem(parents.back());
    item->setIcon(0, folder.open ? open : closed);
    item->setText(0, ToQString(folder.label));
    item->setData(0, Qt::UserRole, static_cast<int>(i));
    parents.push_back(item);
    if (static_cast<int>(i) == current) chosen = item;
  }
  // A deep path would push the chosen folder's name past the right edge: the steps narrow so
  // that the deepest level starts within the first third of the list.
  int deepest = 1;
  for (const FolderItem& folder : items) deepest = std::max(deepest, folder.level);
  const int third = (width() - 2 * frameWidth()) / 3;
  setIndentation(std::clamp(third / deepest, 4, FullIndentation()));
  expandAll();
  if (chosen != nullptr) {
    setCurrentItem(chosen);
    scrollToItem(chosen);
  }
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {
  connect(this, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { emit Chosen(row(item)); });
  connect(this, &QListWidget::currentRowChanged, this, [this](int index) {
    if (!filling_ && index >= 0) emit Chosen(index);
  });
}

void FileList::Show(const std::vector<Text>& names) {
  filling_ = true;
  clear();
  for (const Text& name : names) addItem(ToQString(name));
  filling_ = false;
}

void FileList::ShowChosen(int index) {
  filling_ = true;
  setCurrentRow(index);
  if (index >= 0) scrollToItem(item(index));
  filling_ = false;
}

}  // namespace gdf::app
