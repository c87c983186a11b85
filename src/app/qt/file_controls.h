// file_controls.h - The drive list, folder list and file list of the Qt window.
//
// The lists only show what Form1's handlers put in them and tell which entry the user chose;
// what a list holds is the handlers' business (form1_logic.h).
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>
#include <vector>

#include "app/logic/form1_logic.h"

namespace gdf::app {

/// The drive list (`Drive1`, `Drive2`): a drop-down list of drives.
class DriveList : public QComboBox {
  Q_OBJECT

 public:
  explicit DriveList(QWidget* parent);
  /// Shows the entries with one of them chosen, without telling of a choice.
  void Show(const std::vector<Text>& labels, int chosen);

 signals:
  /// The user chose the entry `index`.
  void Chosen(int index);
};

/// The folder list (`Dir1`, `Dir2`): the folders from the root of a drive down to the list's
/// path, then the subfolders of the path, each below the one it is in.
class FolderList : public QTreeWidget {
  Q_OBJECT

 public:
  explicit FolderList(QWidget* parent);
  /// Shows the entries with the entry `current` chosen.
  void Show(const std::vector<FolderItem>& items, int current);

 signals:
  /// The user opened the entry `index` (double click, Enter).
  void Opened(int index);

 private:
  // The step of one level when the path is short: two letters.
  int FullIndentation() const;
};

/// The file list (`File1`).
class FileList : public QListWidget {
  Q_OBJECT

 public:
  explicit FileList(QWidget* parent);
  /// Shows the names, none of them chosen.
  void Show(const std::vector<Text>& names);
  /// Marks the entry `index` as chosen (-1: none) and scrolls to it, without `Chosen`.
  void ShowChosen(int index);

 signals:
  /// The user chose the entry `index` by a click or by moving the choice with the keyboard.
  void Chosen(int index);

 private:
  bool filling_ = false;
};

}  // namespace gdf::app
