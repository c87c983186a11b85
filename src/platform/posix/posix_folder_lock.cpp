// posix_folder_lock.cpp - The pattern-data folder's lock on POSIX: a byte-range lock of the lock
// file, which NFS and SMB clients pass to the file server, so that a Linux computer and Windows
// computers on the same share keep out of each other's way.
//
// The locks are open-file-description locks: they belong to the open file, not to the process,
// so that no other close() of the same file in this process gives the lock back, and a second
// lock of the same folder in this process waits as another process would.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/host.h"
#include "platform/posix/posix_error_texts.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_folder_lock.h"
#include "text/lines.h"

#ifndef F_OFD_SETLK
#error "gdfconv needs open-file-description locks (F_OFD_SETLK) on POSIX"
#endif

namespace gdf {
namespace {

class PosixFolderLock : public FolderLock {
 public:
  PosixFolderLock(int fd, LockMode mode) : fd_(fd), mode_(mode) {}
  ~PosixFolderLock() override {
    // The holder's line goes with the holder; closing the file gives the lock back.
    if (mode_ == LockMode::kExclusive && wroteHolder_) ::ftruncate(fd_, 0);
    ::close(fd_);
  }
  bool WriteHolder(std::string_view line, FileError& error) override {
    if (mode_ != LockMode::kExclusive) return true;
    wroteHolder_ = true;
    std::size_t done = 0;
    while (done < line.size()) {
      const ssize_t n =
          ::pwrite(fd_, line.data() + done, line.size() - done, static_cast<off_t>(done));
      if (n < 0) {
        if (errno == EINTR) continue;
        error = ErrnoError(errno);
        return false;
      }
      done += static_cast<std::size_t>(n);
    }
    if (::ftruncate(fd_, static_cast<off_t>(line.size())) != 0) {
      error = ErrnoError(errno);
      return false;
    }
    return true;
  }

 private:
  int fd_;
  LockMode mode_;
  bool wroteHolder_ = false;
};

// The first line of the lock file, read through the handle that tried to lock it.
std::string HolderLine(int fd) {
  char buffer[512];
  const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
  if (n <= 0) return {};
  return std::string(FirstLine(std::string_view(buffer, static_cast<std::size_t>(n))));
}

// One field of a line of mountinfo, with its octal escapes ("\040" for a blank) undone.
std::string Unescape(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        std::isdigit(static_cast<unsigned char>(field[i + 1])) != 0) {
      out += static_cast<char>(std::strtol(field.substr(i + 1, 3).c_str(), nullptr, 8));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

bool HasOption(const std::string& options, std::string_view option) {
  std::stringstream list(options);
  std::string item;
  while (std::getline(list, item, ',')) {
    if (item == option) return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> MountWithLocalLocksOnly(std::string_view mountInfo,
                                                   const std::string& hostPath) {
  // The mount whose point is the longest that holds the path decides.
  std::size_t longest = 0;
  std::optional<std::string> verdict;
  std::istringstream lines{std::string(mountInfo)};
  std::string line;
  while (std::getline(lines, line)) {
    // "36 35 98:0 /mnt1 /mnt/share rw,noatime master:1 - cifs //server/share rw,nobrl,..."
    std::istringstream fields(line);
    std::vector<std::string> before;
    std::string field;
    while (fields >> field && field != "-") before.push_back(field);
    std::string type;
    std::string source;
    std::string superOptions;
    fields >> type >> source >> superOptions;
    if (before.size() < 6 || type.empty()) continue;
    const std::string point = Unescape(before[4]);
    const bool holds =
        point == "/" || hostPath == point ||
        (hostPath.size() > point.size() && hostPath.compare(0, point.size(), point) == 0 &&
         hostPath[point.size()] == '/');
    if (!holds || point.size() < longest) continue;
    longest = point.size();
    const std::string options = before[5] + "," + superOptions;
    verdict.reset();
    if ((type == "cifs" || type == "smb3") && HasOption(options, "nobrl")) {
      verdict = type + " nobrl";
    } else if (type.rfind("nfs", 0) == 0 &&
               (HasOption(options, "local_lock=posix") || HasOption(options, "local_lock=all"))) {
      verdict =
          type + (HasOption(options, "local_lock=all") ? " local_lock=all" : " local_lock=posix");
    }
  }
  return verdict;
}

std::unique_ptr<FolderLock> PosixFileSystem::LockFolder(TextView folder, LockMode mode,
                                                        int waitMilliseconds, LockError& error) {
  const auto host = ToHost(folder);
  if (!host) {
    error = {LockFailure::kCannotOpen, Failed(FileFailure::kNoSuchDrive), {}};
    return nullptr;
  }
  const std::string path = JoinHostPath(*host, ToUtf8(kLockFileName));
  // Made when missing, never created exclusively, so that two first runs cannot race.
  const int fd = mode == LockMode::kExclusive
                     ? ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)
                     : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int code = errno;
    error = {mode == LockMode::kShared && code == ENOENT ? LockFailure::kNoLockFile
                                                         : LockFailure::kCannotOpen,
             ErrnoError(code),
             {}};
    return nullptr;
  }
  // Every user who converts into the folder must be able to lock the file that the first one
  // made, whatever that one's umask.
  struct stat made {};
  if (mode == LockMode::kExclusive && ::fstat(fd, &made) == 0 && made.st_uid == ::geteuid() &&
      made.st_size == 0 && (made.st_mode & 0666) != 0666) {
    ::fchmod(fd, 0666);
  }
  // A mount that keeps locks to this computer would let another computer in unseen.
  char real[PATH_MAX];
  if (::realpath(host->c_str(), real) != nullptr) {
    std::ifstream mounts("/proc/self/mountinfo");
    std::stringstream text;
    text << mounts.rdbuf();
    if (const auto local = MountWithLocalLocksOnly(text.str(), real)) {
      ::close(fd);
      error = {LockFailure::kCannotLock, FileError{FileFailure::kOther, 0, *local}, {}};
      return nullptr;
    }
  }
  struct flock byte {};
  byte.l_type = mode == LockMode::kExclusive ? F_WRLCK : F_RDLCK;
  byte.l_whence = SEEK_SET;
  byte.l_start = kLockByteOffset;
  byte.l_len = 1;
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMilliseconds);
  auto pause = std::chrono::milliseconds(2);
  for (;;) {
    if (::fcntl(fd, F_OFD_SETLK, &byte) == 0) return std::make_unique<PosixFolderLock>(fd, mode);
    const int code = errno;
    if (code != EAGAIN && code != EACCES && code != EINTR) {
      ::close(fd);
      error = {LockFailure::kCannotLock, ErrnoError(code), {}};
      return nullptr;
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) {
      error = {LockFailure::kBusy, ErrnoError(code), HolderLine(fd)};
      ::close(fd);
      return nullptr;
    }
    std::this_thread::sleep_for(
        std::min<std::chrono::steady_clock::duration>(pause, deadline - now));
    pause = std::min(pause * 2, std::chrono::milliseconds(100));
  }
}

}  // namespace gdf
