// test_support.cpp - Temporary folders, code page 932 files and runs of the binary for tests.
#include "support/test_support.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/cp932.h"

namespace gdf::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "gdfconv-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  // Give back write permission that a test took away, so that everything can be removed.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  }
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string Cp932Lines(const std::string& text) {
  std::string withCrLf;
  for (const char c : text) {
    if (c == '\n') withCrLf += '\r';
    withCrLf += c;
  }
  return Cp932Encode(FromUtf8(withCrLf));
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteCp932(const std::string& path, const std::string& text) {
  WriteBytes(path, Cp932Lines(text));
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string ReadCp932(const std::string& path) {
  Text text;
  Cp932Decode(ReadBytes(path), text);
  std::string utf8 = ToUtf8(text);
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    out += utf8[i];
  }
  return out;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

std::string SourceDir() { return GDFCONV_SOURCE_DIR; }

ProcessResult RunGdfconv(const std::vector<std::string>& args, const std::string& input,
                         long fileSizeLimit, int user) {
  TempDir io;
  const std::string inPath = io / "stdin";
  const std::string outPath = io / "stdout";
  const std::string errPath = io / "stderr";
  WriteBytes(inPath, input);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int in = ::open(inPath.c_str(), O_RDONLY);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (fileSizeLimit >= 0) {
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (user >= 0 && ::geteuid() == 0) {
      const auto id = static_cast<uid_t>(user);
      if (::setgroups(0, nullptr) != 0 || ::setgid(id) != 0 || ::setuid(id) != 0) ::_exit(126);
    }
    std::vector<char*> argv;
    std::string binary = GDFCONV_BINARY;
    argv.push_back(binary.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::execv(binary.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ProcessResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = ReadBytes(outPath);
  result.err = ReadBytes(errPath);
  return result;
}

}  // namespace gdf::test
