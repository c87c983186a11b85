// posix_file_system.h - PosixFileSystem: drive letters over the folders of a POSIX host, with
// Windows path rules.
#pragma once

#include <map>
#include <string>

#include "platform/file_system.h"

namespace gdf {

/// The settings of PosixFileSystem: the drive map.
using PosixSettings = FileSystemSettings;

/// Drive letters over host folders, on POSIX calls.
class PosixFileSystem : public FileSystem {
 public:
  /// The current drive and folder start at the host's current folder when a drive holds it,
  /// else at the root of the first drive.
  explicit PosixFileSystem(FileSystemSettings settings);

  std::vector<Drive> Drives() const override;
  bool DriveReady(char16_t letter) const override;
  bool SetCurrentDrive(char16_t letter) override;
  char16_t CurrentDrive() const override;
  Text CurrentFolder(char16_t letter) const override;
  bool SetCurrentFolder(TextView path) override;
  std::optional<Text> Absolute(TextView path) const override;
  std::optional<std::string> ToHost(TextView path) const override;
  std::optional<Text> FromHost(const std::string& hostPath) const override;
  bool Exists(TextView path, ListAttribute attribute) const override;
  std::vector<FolderEntry> List(TextView folder) const override;
  std::int64_t Size(TextView path) const override;
  bool CreateFolder(TextView path, FileError& error) override;
  bool Delete(TextView path, FileError& error) override;
  bool Rename(TextView from, TextView to, FileError& error) override;
  std::optional<std::string> ReadAll(TextView path, FileError& error) const override;
  std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, FileError& error) override;
  bool CanWrite(TextView path, FileError& error) override;
  std::unique_ptr<FolderLock> LockFolder(TextView folder, LockMode mode, int waitMilliseconds,
                                         LockError& error) override;

 private:
  std::map<char16_t, std::string> drives_;   // letter -> host folder, no trailing "/"
  std::map<char16_t, Text> currentFolders_;  // letter -> path below the root, "" or "\WORK"
  char16_t currentDrive_ = u'Z';
};
/// A host folder without the slashes at its end; "/" stays as it is.
std::string StripTrailingSlashes(std::string path);

}  // namespace gdf
