// file_controls.cpp - The drive, folder and file lists over the core's FileSystem.
#include "app/file_controls.h"

#include <QStyle>

#include "common/routines.h"

namespace gdf::app {
namespace {

QString ToQString(TextView text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Names that begin with a dot are the host's hidden entries; the lists leave them out.
bool IsHidden(const Text& name) { return !name.empty() && name.front() == u'.'; }

// "*" matches any run of characters, "?" any one character; letters match in either case.
bool MatchesOnePattern(TextView name, TextView pattern) {
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starPattern = TextView::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() &&
        (pattern[p] == u'?' || SimpleFold(pattern[p]) == SimpleFold(name[n]))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == u'*') {
      starPattern = p++;
      starName = n;
    } else if (starPattern != TextView::npos) {
      p = starPattern + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == u'*') ++p;
  return p == pattern.size();
}

Text JoinPath(const Text& folder, const Text& name) {
  return folder.back() == u'\\' ? folder + name : folder + u"\\" + name;
}

}  // namespace

bool MatchesFilePattern(TextView name, TextView pattern) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = pattern.find(u';', start);
    const Text one = Trim(pattern.substr(start, end - start));
    // As on Windows, "*.*" also matches names without a dot.
    if (one == u"*.*" || (!one.empty() && MatchesOnePattern(name, one))) return true;
    if (end == TextView::npos) return false;
    start = end + 1;
  }
}

DriveList::DriveList(FileSystem& fs, QWidget* parent) : QComboBox(parent) {
  for (const gdf::Drive& drive : fs.Drives()) {
    const QChar lower = QChar(drive.letter).toLower();
    addItem(QString("%1: [%2]").arg(lower, QString::fromStdString(drive.hostFolder)),
            QVariant(static_cast<int>(drive.letter)));
  }
  setCurrentIndex(findData(QVariant(static_cast<int>(fs.CurrentDrive()))));
  connect(this, &QComboBox::currentIndexChanged, this, &DriveList::Changed);
}

char16_t DriveList::Drive() const {
  return currentIndex() < 0 ? u'\0' : static_cast<char16_t>(currentData().toInt());
}

Text DriveList::DrivePath() const { return Text{Drive(), u':'}; }

bool DriveList::SetDrive(char16_t letter) {
  const int index = findData(QVariant(static_cast<int>(QChar(letter).toUpper().unicode())));
  if (index < 0) return false;
  setCurrentIndex(index);
  return true;
}

FolderList::FolderList(FileSystem& fs, QWidget* parent) : QTreeWidget(parent), fs_(fs) {
  setHeaderHidden(true);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setExpandsOnDoubleClick(false);
  setIndentation(fontMetrics().averageCharWidth() * 2);
  path_ = fs_.CurrentFolder(fs_.CurrentDrive());
  Fill();
  connect(this, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { SetPath(EntryPath(item)); });
}

Text FolderList::EntryPath(const QTreeWidgetItem* item) {
  return item->data(0, Qt::UserRole).toString().toStdU16String();
}

bool FolderList::SetPath(TextView path) {
  const std::optional<Text> absolute = fs_.Absolute(path);
  if (!absolute) return false;
  const Text listing = absolute->back() == u'\\' ? *absolute : *absolute + u"\\";
  if (!fs_.Exists(listing, ListAttribute::kDirectory)) return false;
  const bool changed = *absolute != path_;
  path_ = *absolute;
  Fill();
  if (changed) emit Changed();
  return true;
}

void FolderList::Fill() {
  clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  const auto addEntry = [](QTreeWidgetItem* item, const QIcon& icon, const Text& label,
                           const Text& path) {
    item->setIcon(0, icon);
    item->setText(0, ToQString(label));
    item->setData(0, Qt::UserRole, ToQString(path));
    return item;
  };

  // The root, shown as "d:\", then one entry for each folder on the way down to the path.
  Text folder = path_.substr(0, 3);
  const Text rootLabel{QChar(path_[0]).toLower().unicode(), u':', u'\\'};
  QTreeWidgetItem* current = addEntry(new QTreeWidgetItem(this), open, rootLabel, folder);
  std::size_t start = 3;
  while (start < path_.size()) {
    std::size_t end = path_.find(u'\\', start);
    if (end == Text::npos) end = path_.size();
    const Text name = path_.substr(start, end - start);
    folder = JoinPath(folder, name);
    current = addEntry(new QTreeWidgetItem(current), open, name, folder);
    start = end + 1;
  }
  for (const FolderEntry& entry : fs_.List(path_)) {
    if (!entry.isFolder || IsHidden(entry.name)) continue;
    addEntry(new QTreeWidgetItem(current), closed, entry.name, JoinPath(path_, entry.name));
  }
  expandAll();
  setCurrentItem(current);
  scrollToItem(current);
}

FileList::FileList(FileSystem& fs, QWidget* parent) : QListWidget(parent), fs_(fs) {
  path_ = fs_.CurrentFolder(fs_.CurrentDrive());
  Fill();
  connect(this, &QListWidget::itemClicked, this, &FileList::Clicked);
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0) emit Clicked();
  });
}

void FileList::SetPattern(TextView pattern) {
  pattern_ = Text(pattern);
  Fill();
}

void FileList::SetPath(TextView path) {
  path_ = fs_.Absolute(path).value_or(Text(path));
  Fill();
}

Text FileList::FileName() const {
  const QListWidgetItem* item = currentItem();
  return item != nullptr && item->isSelected() ? item->text().toStdU16String() : Text();
}

void FileList::Fill() {
  filling_ = true;
  clear();
  for (const FolderEntry& entry : fs_.List(path_)) {
    if (entry.isFolder || IsHidden(entry.name) || !MatchesFilePattern(entry.name, pattern_)) {
      continue;
    }
    addItem(ToQString(entry.name));
  }
  filling_ = false;
}

}  // namespace gdf::app
