// windows_folder_lock.cpp - The pattern-data folder's lock on Windows.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <thread>

#include "platform/windows/windows_error_texts.h"
#include "platform/windows/windows_file_system.h"
#include "platform/windows/windows_paths.h"
#include "text/lines.h"

namespace gdf {
namespace {

// The pattern-data folder's lock: one byte of the lock file, locked with LockFileEx, which an SMB
// client passes to the file server, so that every computer on the share, Windows or not, sees it.
// The lock goes with the handle: Windows frees it when its holder ends, however it ends, and the
// file server when the holder's computer is gone and its session times out.
//
// Within one process the lock files held are kept here as well (by volume and file index), so
// that a second lock of the same folder waits as in another process, whatever the file system
// says of two handles of one process.
struct HeldInProcess {
  std::mutex guard;
  // Volume and file index -> how it is held here: -1 exclusive, else the shared holders.
  std::map<std::pair<DWORD, std::uint64_t>, int> files;
};
HeldInProcess& Held() {
  static HeldInProcess held;
  return held;
}

class WindowsFolderLock : public FolderLock {
 public:
  WindowsFolderLock(HANDLE file, LockMode mode, std::pair<DWORD, std::uint64_t> identity)
      : file_(file), mode_(mode), identity_(identity) {}
  ~WindowsFolderLock() override {
    // The holder's line goes with the holder.
    if (mode_ == LockMode::kExclusive && wroteHolder_) {
      LARGE_INTEGER start{};
      if (SetFilePointerEx(file_, start, nullptr, FILE_BEGIN)) SetEndOfFile(file_);
    }
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(kLockByteOffset & 0xffffffff);
    at.OffsetHigh = static_cast<DWORD>(kLockByteOffset >> 32);
    UnlockFileEx(file_, 0, 1, 0, &at);
    CloseHandle(file_);
    HeldInProcess& held = Held();
    const std::lock_guard<std::mutex> lock(held.guard);
    const auto entry = held.files.find(identity_);
    if (entry != held.files.end() && (entry->second <= 1)) {
      held.files.erase(entry);
    } else if (entry != held.files.end()) {
      --entry->second;
    }
  }
  bool WriteHolder(std::string_view line, FileError& error) override {
    if (mode_ != LockMode::kExclusive) return true;
    wroteHolder_ = true;
    OVERLAPPED at{};
    DWORD written = 0;
    if (!WriteFile(file_, line.data(), static_cast<DWORD>(line.size()), &written, &at) ||
        written != line.size()) {
      error = LastWindowsError();
      return false;
    }
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(line.size());
    if (!SetFilePointerEx(file_, end, nullptr, FILE_BEGIN) || !SetEndOfFile(file_)) {
      error = LastWindowsError();
      return false;
    }
    return true;
  }

 private:
  HANDLE file_;
  LockMode mode_;
  std::pair<DWORD, std::uint64_t> identity_;
  bool wroteHolder_ = false;
};

// The first line of the lock file, read through the handle that tried to lock it.
std::string HolderLine(HANDLE file) {
  char buffer[512];
  OVERLAPPED at{};
  DWORD got = 0;
  if (!ReadFile(file, buffer, sizeof buffer, &got, &at) || got == 0) return {};
  return std::string(FirstLine(std::string_view(buffer, got)));
}

}  // namespace

std::unique_ptr<FolderLock> WindowsFileSystem::LockFolder(TextView folder, LockMode mode,
                                                          int waitMilliseconds, LockError& error) {
  const auto host = ToHost(folder);
  if (!host) {
    error = {LockFailure::kCannotOpen, Failed(FileFailure::kNoSuchDrive), {}};
    return nullptr;
  }
  const Text hostFolder = FromUtf8(*host);
  if (!IsFolderAttributes(Attributes(hostFolder))) {
    error = {LockFailure::kCannotOpen, WindowsError(ERROR_PATH_NOT_FOUND), {}};
    return nullptr;
  }
  const Text path = LongForm(hostFolder + u"\\" + kLockFileName);
  // Made when missing, never created exclusively, so that two first runs cannot race; shared
  // for reading, writing and deleting, so that it never stands in anybody's way but by its lock.
  const bool exclusive = mode == LockMode::kExclusive;
  const HANDLE file =
      CreateFileW(W(path), exclusive ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  exclusive ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    const bool none = !exclusive && (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND);
    error = {none ? LockFailure::kNoLockFile : LockFailure::kCannotOpen, WindowsError(code), {}};
    return nullptr;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file, &info)) {
    error = {LockFailure::kCannotOpen, LastWindowsError(), {}};
    CloseHandle(file);
    return nullptr;
  }
  const std::pair<DWORD, std::uint64_t> identity{
      info.dwVolumeSerialNumber,
      (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
  HeldInProcess& held = Held();
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  auto pause = std::chrono::milliseconds(2);
  for (;;) {
    DWORD code = ERROR_LOCK_VIOLATION;
    {
      const std::lock_guard<std::mutex> lock(held.guard);
      const auto entry = held.files.find(identity);
      if (entry == held.files.end() || (!exclusive && entry->second > 0)) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(kLockByteOffset & 0xffffffff);
        at.OffsetHigh = static_cast<DWORD>(kLockByteOffset >> 32);
        const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
        if (LockFileEx(file, flags, 0, 1, 0, &at)) {
          if (exclusive) {
            held.files[identity] = -1;
          } else {
            ++held.files[identity];
          }
          return std::make_unique<WindowsFolderLock>(file, mode, identity);
        }
        code = GetLastError();
      }
    }
    if (code != ERROR_LOCK_VIOLATION && code != ERROR_SHARING_VIOLATION &&
        code != ERROR_IO_PENDING) {
      error = {LockFailure::kCannotLock, WindowsError(code), {}};
      CloseHandle(file);
      return nullptr;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) {
      error = {LockFailure::kBusy, WindowsError(code), HolderLine(file)};
      CloseHandle(file);
      return nullptr;
    }
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, std::chrono::milliseconds(100));
  }
}

}  // namespace gdf
