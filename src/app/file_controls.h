// file_controls.h - The drive list, folder list and file list of the window.
//
// The three lists see the disk only through the core's FileSystem, in Windows paths: the drive
// list holds the drives of the drive map, the folder list shows the folders from a drive's root
// down to its path with the subfolders of that path, and the file list holds the files of a
// folder whose names match a pattern. Each tells of a change of its choice by a signal, as the
// window's change handlers expect.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

#include "common/platform.h"
#include "common/text.h"

namespace gdf::app {

/// Whether a file name matches a pattern of "*" and "?" ("*.gdf"), without regard to case;
/// several patterns may be given, separated by ";".
bool MatchesFilePattern(TextView name, TextView pattern);

/// The drive list (`Drive1`, `Drive2`): one entry per drive, its letter and host folder.
class DriveList : public QComboBox {
  Q_OBJECT

 public:
  /// Lists the drives of `fs` and chooses the current drive.
  DriveList(FileSystem& fs, QWidget* parent);

  /// The chosen drive letter (upper case), 0 when there is none.
  char16_t Drive() const;
  /// The chosen drive as a path, "D:".
  Text DrivePath() const;
  /// Chooses a drive; a different choice emits Changed before this returns. False when the
  /// letter is not in the list.
  bool SetDrive(char16_t letter);

 signals:
  /// The chosen drive changed, by the user or by SetDrive.
  void Changed();
};

/// The folder list (`Dir1`, `Dir2`): the folders from the root of a drive down to its path, then
/// the subfolders of the path. Activating an entry (double click, Enter) makes it the path.
class FolderList : public QTreeWidget {
  Q_OBJECT

 public:
  /// Starts on the current folder of the current drive.
  FolderList(FileSystem& fs, QWidget* parent);

  /// The folder shown, "D:\WORK" ("D:\" at a root).
  const Text& Path() const { return path_; }
  /// Shows a folder: a drive alone ("D:") means that drive's current folder, and a relative
  /// path is taken from the current folder. A different path emits Changed before this
  /// returns. False, with nothing changed, when the folder cannot be read.
  bool SetPath(TextView path);
  /// The folder path of an entry.
  static Text EntryPath(const QTreeWidgetItem* item);

 signals:
  /// The path changed.
  void Changed();

 private:
  void Fill();

  FileSystem& fs_;
  Text path_;
};

/// The file list (`File1`): the files of a folder whose names match the pattern.
class FileList : public QListWidget {
  Q_OBJECT

 public:
  /// Starts on the current folder of the current drive with the pattern "*.*".
  FileList(FileSystem& fs, QWidget* parent);

  const Text& Pattern() const { return pattern_; }
  /// Sets the pattern and lists the folder again.
  void SetPattern(TextView pattern);
  const Text& Path() const { return path_; }
  /// Lists the files of a folder.
  void SetPath(TextView path);
  /// The name of the chosen file, empty when none is chosen.
  Text FileName() const;

 signals:
  /// A file was chosen by a click or by moving the choice with the keyboard.
  void Clicked();

 private:
  void Fill();

  FileSystem& fs_;
  Text path_;
  Text pattern_ = u"*.*";
  bool filling_ = false;
};

}  // namespace gdf::app
