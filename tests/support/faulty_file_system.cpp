// faulty_file_system.cpp - Faults played into a file system: the k-th change, refused folders.
#include "support/faulty_file_system.h"

#include "text/letter_case.h"

namespace gdf::test {
namespace {

// A file opened through the faulty file system: its changes count and fail with the others.
class FaultyOutputFile : public OutputFile {
 public:
  FaultyOutputFile(std::unique_ptr<OutputFile> real, std::shared_ptr<FaultyFileSystem::State> state)
      : real_(std::move(real)), state_(std::move(state)) {}

  bool Write(std::string_view bytes, FileError& error) override {
    if (state_->diskFull) {
      ++state_->changes;
      error = kFull;  // the disk stays full
      return false;
    }
    if (state_->Fail()) {
      // A full disk takes the first half of the bytes; a killed process writes nothing more.
      FileError ignored;
      if (state_->after != FaultAfter::kKilled) {
        real_->Write(bytes.substr(0, bytes.size() / 2), ignored);
      }
      error = kFull;
      return false;
    }
    return real_->Write(bytes, error);
  }
  bool Sync(FileError& error) override { return Pass(error) && real_->Sync(error); }
  std::int64_t Size() override { return real_->Size(); }
  bool Truncate(std::int64_t size, FileError& error) override {
    return Pass(error) && real_->Truncate(size, error);
  }
  bool Close(FileError& error) override {
    if (!Pass(error)) {
      FileError ignored;
      real_->Close(ignored);  // the file is closed all the same, as a failing close does
      return false;
    }
    return real_->Close(error);
  }

 private:
  bool Pass(FileError& error) {
    if (!state_->Fail()) return true;
    error = kFull;
    return false;
  }

  std::unique_ptr<OutputFile> real_;
  std::shared_ptr<FaultyFileSystem::State> state_;
};

}  // namespace

bool FaultyFileSystem::State::Fail() {
  ++changes;
  if (failAt == 0 || changes < failAt) return false;
  if (changes > failAt && after != FaultAfter::kKilled) return false;
  struck = true;
  diskFull = after == FaultAfter::kDiskFull;
  return true;
}

FaultyFileSystem::FaultyFileSystem(FileSystem& real) : ForwardingFileSystem(real), real_(real) {}

void FaultyFileSystem::FailChange(std::int64_t k, FaultAfter after) {
  state_->failAt = k == 0 ? 0 : state_->changes + k;
  state_->after = after;
  state_->struck = false;
  state_->diskFull = false;
}

void FaultyFileSystem::RefuseFolder(TextView folder) {
  Text absolute = ToUpperSimple(real_.Absolute(folder).value_or(Text(folder)));
  if (absolute.empty() || absolute.back() != u'\\') absolute += u'\\';
  refused_.push_back(absolute);
}

bool FaultyFileSystem::Refused(TextView path) const {
  const Text absolute = ToUpperSimple(real_.Absolute(path).value_or(Text(path)));
  for (const Text& folder : refused_) {
    if (StartsWith(absolute, folder)) return true;
  }
  return false;
}

std::unique_ptr<FolderLock> FaultyFileSystem::LockFolder(TextView folder, LockMode mode,
                                                         int waitMilliseconds, LockError& error) {
  Text lockFile(folder);
  if (!lockFile.empty() && lockFile.back() != u'\\') lockFile += u'\\';
  if (mode == LockMode::kExclusive && Refused(lockFile + kLockFileName)) {
    error = {LockFailure::kCannotOpen, kRefused, {}};
    return nullptr;
  }
  return real_.LockFolder(folder, mode, waitMilliseconds, error);
}

bool FaultyFileSystem::CreateFolder(TextView path, FileError& error) {
  if (state_->Fail()) {
    error = kFull;
    return false;
  }
  if (Refused(path)) {
    error = kRefused;
    return false;
  }
  return real_.CreateFolder(path, error);
}

bool FaultyFileSystem::Delete(TextView path, FileError& error) {
  if (state_->Fail()) {
    error = kFull;
    return false;
  }
  if (Refused(path)) {
    error = kRefused;
    return false;
  }
  return real_.Delete(path, error);
}

bool FaultyFileSystem::Rename(TextView from, TextView to, FileError& error) {
  if (state_->Fail()) {
    error = kFull;
    return false;
  }
  if (Refused(from) || Refused(to)) {
    error = kRefused;
    return false;
  }
  return real_.Rename(from, to, error);
}

std::unique_ptr<OutputFile> FaultyFileSystem::Open(TextView path, OpenMode mode, FileError& error) {
  if (state_->Fail()) {
    error = kFull;
    return nullptr;
  }
  if (Refused(path)) {
    error = kRefused;
    return nullptr;
  }
  std::unique_ptr<OutputFile> file = real_.Open(path, mode, error);
  if (file == nullptr) return nullptr;
  return std::make_unique<FaultyOutputFile>(std::move(file), state_);
}

}  // namespace gdf::test
