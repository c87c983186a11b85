// process.cpp - Child processes for the tests: fork and exec with the standard streams on
// files (POSIX), CreateProcessW with the standard streams on pipes (Windows).
#include "support/process.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "text/text.h"
#else
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#endif

namespace gdf::test {

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& utf8) {
  const Text text = FromUtf8(utf8);
  return std::wstring(text.begin(), text.end());
}

// One argument as the C runtime's command-line parser reads it back: quoted when it holds a
// blank or a quote, with the backslashes before a quote doubled.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += arg;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\');
  line += L'"';
}

// A handle closed when it goes out of scope.
class Handle {
 public:
  Handle() = default;
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE* operator&() { return &h_; }
  HANDLE get() const { return h_; }
  void Close() {
    if (h_ != nullptr && h_ != INVALID_HANDLE_VALUE) ::CloseHandle(h_);
    h_ = nullptr;
  }

 private:
  HANDLE h_ = nullptr;
};

std::string LastErrorText(const char* what) {
  return std::string(what) + " failed with error " + std::to_string(::GetLastError());
}

// Reads a pipe to its end.
void Drain(HANDLE pipe, std::string& into) {
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    into.append(buffer, got);
  }
}

}  // namespace

bool ProcessLimitsSupported() { return false; }

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, const ProcessLimits& limits) {
  if (limits.fileSizeLimit >= 0 || limits.user >= 0) {
    throw std::logic_error("process limits are not available on Windows");
  }
  // A build folder's POSIX path, as wine shows the host's root on drive Z:.
  std::wstring path = Wide(program);
  const std::wstring folder = Wide(limits.folder);
  if (!path.empty() && path[0] == L'/') {
    for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
    path = L"Z:" + path;
  }
  std::wstring line;
  AppendQuoted(line, path);
  for (const std::string& arg : args) {
    line += L' ';
    AppendQuoted(line, Wide(arg));
  }

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  Handle inRead, inWrite, outRead, outWrite, errRead, errWrite;
  if (!::CreatePipe(&inRead, &inWrite, &inherit, 0) ||
      !::CreatePipe(&outRead, &outWrite, &inherit, 0) ||
      !::CreatePipe(&errRead, &errWrite, &inherit, 0)) {
    throw std::runtime_error(LastErrorText("CreatePipe"));
  }
  // The parent's ends stay with the parent.
  ::SetHandleInformation(inWrite.get(), HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(outRead.get(), HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(errRead.get(), HANDLE_FLAG_INHERIT, 0);

  // Only the child's three ends are inherited, so that a child started at the same time from
  // another thread does not hold them open.
  HANDLE childHandles[3] = {inRead.get(), outWrite.get(), errWrite.get()};
  SIZE_T attributeSize = 0;
  ::InitializeProcThreadAttributeList(nullptr, 1, 0, &attributeSize);
  std::string attributeBuffer(attributeSize, '\0');
  auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributeBuffer.data());
  if (!::InitializeProcThreadAttributeList(attributes, 1, 0, &attributeSize) ||
      !::UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, childHandles,
                                   sizeof childHandles, nullptr, nullptr)) {
    throw std::runtime_error(LastErrorText("the handle list"));
  }

  STARTUPINFOEXW startup{};
  startup.StartupInfo.cb = sizeof startup;
  startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
  startup.StartupInfo.hStdInput = inRead.get();
  startup.StartupInfo.hStdOutput = outWrite.get();
  startup.StartupInfo.hStdError = errWrite.get();
  startup.lpAttributeList = attributes;
  PROCESS_INFORMATION process{};
  BOOL started = FALSE;
  // Under wine on a loaded machine a start now and then fails with ERROR_INTERNAL_ERROR before
  // the program runs at all; such a start is tried again, a few times.
  for (int attempt = 0; attempt < 3; ++attempt) {
    started = ::CreateProcessW(
        path.c_str(), line.data(), nullptr, nullptr, TRUE,
        EXTENDED_STARTUPINFO_PRESENT | CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, nullptr,
        limits.folder.empty() ? nullptr : folder.c_str(), &startup.StartupInfo, &process);
    if (started || ::GetLastError() != ERROR_INTERNAL_ERROR) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  ::DeleteProcThreadAttributeList(attributes);
  if (!started) throw std::runtime_error(LastErrorText("CreateProcessW") + " for " + program);
  ::CloseHandle(process.hThread);
  inRead.Close();
  outWrite.Close();
  errWrite.Close();

  ProcessResult result;
  std::thread outReader(Drain, outRead.get(), std::ref(result.out));
  std::thread errReader(Drain, errRead.get(), std::ref(result.err));
  for (std::size_t at = 0; at < input.size();) {
    DWORD put = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(input.size() - at, 1 << 16));
    if (!::WriteFile(inWrite.get(), input.data() + at, chunk, &put, nullptr)) break;  // it quit
    at += put;
  }
  inWrite.Close();
  outReader.join();
  errReader.join();
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hProcess);
  result.exitCode = static_cast<int>(code);
  return result;
}

#else

namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

}  // namespace

bool ProcessLimitsSupported() { return true; }

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, const ProcessLimits& limits) {
  // The standard streams go through files in a folder of their own, so that neither side waits
  // on a full pipe.
  namespace fs = std::filesystem;
  std::string folder = (fs::temp_directory_path() / "gdfconv-process-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  const std::string inPath = folder + "/stdin";
  const std::string outPath = folder + "/stdout";
  const std::string errPath = folder + "/stderr";
  {
    std::ofstream in(inPath, std::ios::binary);
    in << input;
    if (!in) throw std::runtime_error("cannot write " + inPath);
  }
  // Everything the child needs is made before the fork: another thread of the tests may hold
  // the allocator's lock at that moment, so the child only makes system calls.
  std::vector<std::string> copies;
  copies.push_back(program);
  copies.insert(copies.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const rlimit sizeLimit{static_cast<rlim_t>(limits.fileSizeLimit),
                         static_cast<rlim_t>(limits.fileSizeLimit)};
  const bool switchUser = limits.user >= 0 && ::geteuid() == 0;
  const auto id = static_cast<uid_t>(limits.user);

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error(std::string("fork failed: ") + std::strerror(errno));
  if (pid == 0) {
    const int in = ::open(inPath.c_str(), O_RDONLY);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0) ::_exit(125);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (limits.fileSizeLimit >= 0) {
      ::signal(SIGXFSZ, SIG_IGN);
      ::setrlimit(RLIMIT_FSIZE, &sizeLimit);
    }
    if (switchUser && (::setgroups(0, nullptr) != 0 || ::setgid(id) != 0 || ::setuid(id) != 0)) {
      ::_exit(126);
    }
    if (!limits.folder.empty() && ::chdir(limits.folder.c_str()) != 0) ::_exit(125);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  if (limits.killAfterMicroseconds >= 0) {
    // A child that has ended is a zombie until it is waited for: the signal cannot reach
    // another process.
    std::this_thread::sleep_for(std::chrono::microseconds(limits.killAfterMicroseconds));
    ::kill(pid, SIGKILL);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  ProcessResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = ReadWhole(outPath);
  result.err = ReadWhole(errPath);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return result;
}

#endif

}  // namespace gdf::test
