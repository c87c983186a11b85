// windows_file_system.h - WindowsFileSystem: the drives of Windows, and the letters of the drive
// map over host folders, on the wide (UTF-16) Windows API.
#pragma once

#include <map>

#include "platform/file_system.h"

namespace gdf {

/// The drives of Windows, and the letters of the drive map over host folders, on the wide
/// (UTF-16) Windows API. Host paths are Windows paths in UTF-8 ("C:\WORK\B-1").
class WindowsFileSystem : public FileSystem {
 public:
  /// The current drive and the current folder of each drive start as the process has them.
  explicit WindowsFileSystem(FileSystemSettings settings);

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
  bool CanWrite(TextView path, FileError& error) override;
  std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, FileError& error) override;
  std::unique_ptr<FolderLock> LockFolder(TextView folder, LockMode mode, int waitMilliseconds,
                                         LockError& error) override;

 private:
  std::map<char16_t, Text> mapped_;          // letter -> host folder (absolute, no trailing "\")
  std::map<char16_t, Text> currentFolders_;  // letter -> path below the root, "" or "\WORK"
  char16_t currentDrive_ = u'C';
};
}  // namespace gdf
