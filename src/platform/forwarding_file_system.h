// forwarding_file_system.h - A file system that passes everything on to another. One that
// watches, fails or keeps some of the calls derives from it and overrides only those.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace gdf {

class ForwardingFileSystem : public FileSystem {
 public:
  explicit ForwardingFileSystem(FileSystem& inner) : inner_(inner) {}

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
  bool CreateFolder(TextView path, FileError& error) override {
    return inner_.CreateFolder(path, error);
  }
  bool Delete(TextView path, FileError& error) override { return inner_.Delete(path, error); }
  bool Rename(TextView from, TextView to, FileError& error) override {
    return inner_.Rename(from, to, error);
  }
  std::optional<std::string> ReadAll(TextView path, FileError& error) const override {
    return inner_.ReadAll(path, error);
  }
  std::unique_ptr<OutputFile> Open(TextView path, OpenMode mode, FileError& error) override {
    return inner_.Open(path, mode, error);
  }
  /// Asks the file system below, as it would be asked.
  bool CanWrite(TextView path, FileError& error) override { return inner_.CanWrite(path, error); }
  std::unique_ptr<FolderLock> LockFolder(TextView folder, LockMode mode, int waitMilliseconds,
                                         LockError& error) override {
    return inner_.LockFolder(folder, mode, waitMilliseconds, error);
  }

 protected:
  FileSystem& Inner() const { return inner_; }

 private:
  FileSystem& inner_;
};

}  // namespace gdf
