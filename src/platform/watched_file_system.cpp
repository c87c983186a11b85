// watched_file_system.cpp - Changes seen on their way to the file system below.
#include "platform/watched_file_system.h"

#include <exception>

#include "text/letter_case.h"

namespace gdf {

struct WatchedFileSystem::Watch {
  Text path;              // drive form, as first used
  bool before = false;    // a normal file before the work
  bool now = false;       // a normal file now
  bool replaced = false;  // emptied, or renamed over
  bool grown = false;     // bytes added at its end
  bool mayBeIncomplete = false;
};

namespace {

// A file open for writing, whose changes go to its watch.
class WatchedOutputFile : public OutputFile {
 public:
  WatchedOutputFile(std::unique_ptr<OutputFile> inner,
                    std::shared_ptr<WatchedFileSystem::Watch> watch, OpenMode mode)
      : inner_(std::move(inner)), watch_(std::move(watch)), mode_(mode) {
    if (mode_ == OpenMode::kAppend) sizeAtOpen_ = inner_->Size();
  }
  ~WatchedOutputFile() override {
    if (closed_) return;
    // Never closed: it was open when the work stopped.
    NoteGrowth();
    watch_->mayBeIncomplete = true;
  }

  bool Write(std::string_view bytes, FileError& error) override {
    return Failed(inner_->Write(bytes, error));
  }
  bool Sync(FileError& error) override { return Failed(inner_->Sync(error)); }
  std::int64_t Size() override { return inner_->Size(); }
  bool Truncate(std::int64_t size, FileError& error) override {
    return Failed(inner_->Truncate(size, error));
  }
  bool Close(FileError& error) override {
    NoteGrowth();
    closed_ = true;
    // A close while a fault unwinds the work is the close of a file that was being written.
    if (std::uncaught_exceptions() > 0) watch_->mayBeIncomplete = true;
    return Failed(inner_->Close(error));
  }

 private:
  // An append cut back to what the file held before leaves it as it was.
  void NoteGrowth() {
    if (mode_ == OpenMode::kAppend && inner_->Size() != sizeAtOpen_) watch_->grown = true;
  }
  bool Failed(bool done) {
    if (!done) watch_->mayBeIncomplete = true;
    return done;
  }

  std::unique_ptr<OutputFile> inner_;
  std::shared_ptr<WatchedFileSystem::Watch> watch_;
  OpenMode mode_;
  std::int64_t sizeAtOpen_ = 0;
  bool closed_ = false;
};

}  // namespace

WatchedFileSystem::WatchedFileSystem(FileSystem& inner) : ForwardingFileSystem(inner) {}

WatchedFileSystem::~WatchedFileSystem() = default;

std::shared_ptr<WatchedFileSystem::Watch> WatchedFileSystem::Touch(TextView path) {
  const auto absolute = Inner().Absolute(path);
  const auto host = absolute ? Inner().ToHost(*absolute) : std::nullopt;
  Text key = host ? FromUtf8(*host) : Text(path);
  for (char16_t& ch : key) ch = SimpleFold(ch);
  auto& watch = byKey_[key];
  if (!watch) {
    watch = std::make_shared<Watch>();
    watch->path = Text(path);
    watch->before = Inner().Exists(path, ListAttribute::kNormal);
    watch->now = watch->before;
    watches_.push_back(watch);
  }
  return watch;
}

bool WatchedFileSystem::Delete(TextView path, FileError& error) {
  const auto watch = Touch(path);
  if (!Inner().Delete(path, error)) return false;
  watch->now = false;
  return true;
}

bool WatchedFileSystem::Rename(TextView from, TextView to, FileError& error) {
  const auto source = Touch(from);
  const auto target = Touch(to);
  if (!Inner().Rename(from, to, error)) return false;
  source->now = false;
  target->now = true;
  target->replaced = true;
  target->mayBeIncomplete = target->mayBeIncomplete || source->mayBeIncomplete;
  return true;
}

std::unique_ptr<OutputFile> WatchedFileSystem::Open(TextView path, OpenMode mode,
                                                    FileError& error) {
  auto watch = Touch(path);
  auto file = Inner().Open(path, mode, error);
  if (!file) return nullptr;
  watch->now = true;
  if (mode == OpenMode::kTruncate) watch->replaced = true;
  return std::make_unique<WatchedOutputFile>(std::move(file), std::move(watch), mode);
}

std::unique_ptr<FolderLock> WatchedFileSystem::LockFolder(TextView folder, LockMode mode,
                                                          int waitMilliseconds, LockError& error) {
  Text lockFile(folder);
  if (!lockFile.empty() && lockFile.back() != u'\\') lockFile += u'\\';
  lockFile += kLockFileName;
  const auto watch = Touch(lockFile);
  auto lock = Inner().LockFolder(folder, mode, waitMilliseconds, error);
  watch->now = Inner().Exists(lockFile, ListAttribute::kNormal);
  return lock;
}

std::vector<ChangedFile> WatchedFileSystem::Changes() const {
  std::vector<ChangedFile> changes;
  for (const auto& watch : watches_) {
    ChangeKind kind;
    if (!watch->before && watch->now) {
      kind = ChangeKind::kCreated;
    } else if (watch->before && !watch->now) {
      kind = ChangeKind::kDeleted;
    } else if (watch->before && watch->replaced) {
      kind = ChangeKind::kReplaced;
    } else if (watch->before && watch->grown) {
      kind = ChangeKind::kAppended;
    } else {
      continue;
    }
    changes.push_back({watch->path, kind, watch->mayBeIncomplete && watch->now});
  }
  return changes;
}

}  // namespace gdf
