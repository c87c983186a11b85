// watched_file_system.h - A file system that passes everything on to another and keeps what
// changed on it: every file that was created, written over, added to, removed or renamed over,
// and which of them were being written when a fault stopped the work.
//
// A run that stops names from it every file it left different, and the one it was writing. A
// file that is made and removed again (a work file), or cut back to what it held (an append that
// failed), is no change.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/dry_run_file_system.h"
#include "common/platform.h"

namespace gdf {

/// A file that differs from what it was before the work.
struct ChangedFile {
  Text path;                               ///< drive form, as first used ("D:\OUT\X1.TXT")
  ChangeKind kind = ChangeKind::kCreated;  ///< created, replaced, appended or deleted
  /// A write or a close of it failed, or it was still open when a fault unwound the work: it
  /// may not hold all that was meant for it.
  bool mayBeIncomplete = false;
};

class WatchedFileSystem : public FileSystem {
 public:
  /// Passes everything on to `inner`.
  explicit WatchedFileSystem(FileSystem& inner);
  ~WatchedFileSystem() override;

  std::vector<Drive> Drives() const override { return inner_.Drives(); }
  bool DriveReady(char16_t letter) const override { return inner_.DriveReady(letter); }
  bool SetCurrentDrive(char16_t letter) override { return inner_.SetCurrentDrive(letter); }
  char16_t CurrentDrive() const override { return inner_.CurrentDrive(); }
  Text CurrentFolder(char16_t letter) const override { return inner_.CurrentFolder(letter); }
  bool SetCurrentFolder(TextView path) override { return inner_.SetCurrentFolder(path); }
  std::optional<Text> Absolute(TextView path) const override { return inner_.Absolute(path); }
  std::optional<std::string> ToHost(TextView path) const override { return inner_.ToHost(path); }
  std::optional<Text> FromHost(const std::string& hostPath) const override {
    return inner_.FromHost(hostPath);
  }
  bool Exists(TextView path, ListAttribute attribute) const override {
    return inner_.Exists(path, attribute);
  }
  std::vector<FolderEntry> List(TextView folder) const override { return inner_.List(folder); }
  std::int64_t Size(TextView path) const override { return inner_.Size(path); }
  std::optional<std::string> ReadAll(TextView path, std::string& error) const override {
    return inner_.ReadAll(path, error);
  }
  /// Asks the file system below, which leaves nothing behind.
  bool CanWrite(TextView path, std::string& error) override { return inner_.CanWrite(path, error); }
  std::unique_ptr<FolderLock> LockFolder(TextView folder, int waitMilliseconds,
                                         LockError& error) override {
    return inner_.LockFolder(folder, waitMilliseconds, error);
  }
  bool CreateFolder(TextView path, std::string& error) override {
    return inner_.CreateFolder(path, error);
  }

  bool Delete(TextView path, std::string& error) override;
  bool Rename(TextView from, TextView to, std::string& error) override;
  std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, std::string& error) override;

  /// Every file that differs from what it was, in the order the files were first touched.
  std::vector<ChangedFile> Changes() const;

  /// What is known of one file; shared with its open files.
  struct Watch;

 private:
  // The watch of a path, made at its first touch with what the file system below holds then.
  std::shared_ptr<Watch> Touch(TextView path);

  FileSystem& inner_;
  std::vector<std::shared_ptr<Watch>> watches_;   // in the order first touched
  std::map<Text, std::shared_ptr<Watch>> byKey_;  // folded host path -> its watch
};

}  // namespace gdf
