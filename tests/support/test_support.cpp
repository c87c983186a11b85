// test_support.cpp - Temporary folders, code page 932 files and runs of the binary for tests.
#include "support/test_support.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "common/cp932.h"
#include "platform/host_file_system.h"

namespace gdf::test {
namespace {

// Paths in the tests are UTF-8, also on Windows, where a plain string would be the ANSI code page.
std::filesystem::path Utf8Path(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

TempDir::TempDir() {
  thread_local std::mt19937_64 random{std::random_device{}()};
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "gdfconv-test-";
    for (int i = 0; i < 10; ++i) name += kDigits[random() % 36];
    // create_directory is false when the name is taken (by another test process).
    if (std::filesystem::create_directory(base / name)) {
      path_ = base / name;
      return;
    }
  }
  throw std::runtime_error("no fresh folder under " + base.string());
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

std::string TempDir::operator/(const std::string& name) const {
  const std::u8string utf8 =
      (path_ / std::filesystem::path(std::u8string(name.begin(), name.end())))
          .make_preferred()
          .u8string();
  return std::string(utf8.begin(), utf8.end());
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
  std::filesystem::create_directories(Utf8Path(path).parent_path());
  std::ofstream out(Utf8Path(path), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteCp932(const std::string& path, const std::string& text) {
  WriteBytes(path, Cp932Lines(text));
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(Utf8Path(path), std::ios::binary);
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

std::string MaskedLog(const std::string& log) {
  std::string out;
  std::size_t at = 0;
  while (at < log.size()) {
    std::size_t end = log.find('\n', at);
    end = end == std::string::npos ? log.size() : end + 1;
    const std::string line = log.substr(at, end - at);
    std::size_t third = line.find('\t');
    for (int i = 0; i < 2 && third != std::string::npos; ++i) third = line.find('\t', third + 1);
    out += third == std::string::npos ? line : "*\t*\t*" + line.substr(third);
    at = end;
  }
  return out;
}

std::map<std::string, std::string> FilesUnder(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  if (!std::filesystem::is_directory(folder)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string bytes = ReadBytes(entry.path().string());
    if (entry.path().filename() == "GDFCONV.LOG") bytes = MaskedLog(bytes);
    files[std::filesystem::relative(entry.path(), folder).generic_string()] = std::move(bytes);
  }
  return files;
}

bool Exists(const std::string& path) { return std::filesystem::exists(Utf8Path(path)); }

std::string SourceDir() { return GDFCONV_SOURCE_DIR; }

std::unique_ptr<FileSystem> DrivesOver(const std::map<char16_t, std::string>& drives) {
  FileSystemSettings settings;
  settings.drives = drives;
  return std::make_unique<HostFileSystem>(std::move(settings));
}

#ifndef _WIN32
namespace {

// The binary that a child run as another user starts. The build folder may lie where that user
// cannot go (a clone in root's home, or in a folder made by mktemp -d, is 0700), so the child
// starts a copy in a folder of its own under the temporary folder, which every user may enter.
// Made at the first such run, removed when the tests end.
const std::string& BinaryForAnyUser() {
  static const struct Copy {
    Copy() {
      namespace fs = std::filesystem;
      std::string name = (fs::temp_directory_path() / "gdfconv-binary-XXXXXX").string();
      if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
      folder = name;
      binary = (folder / "gdfconv").string();
      fs::copy_file(GDFCONV_BINARY, binary);
      const auto everyone = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec;
      fs::permissions(folder, everyone);
      fs::permissions(binary, everyone);
    }
    ~Copy() {
      std::error_code ignored;
      std::filesystem::remove_all(folder, ignored);
    }
    std::filesystem::path folder;
    std::string binary;
  } copy;
  return copy.binary;
}

}  // namespace
#endif

ProcessResult RunGdfconv(const std::vector<std::string>& args, const std::string& input,
                         long fileSizeLimit, int user, const std::string& lang,
                         const std::string& folder) {
#ifdef _WIN32
  // The language of a Windows program is the user's, which a test cannot set: say it.
  std::vector<std::string> withLanguage = args;
  if (!withLanguage.empty() && withLanguage[0].rfind("-", 0) != 0) {
    withLanguage.insert(withLanguage.begin() + 1,
                        lang.rfind("ja", 0) == 0 ? "--lang=ja" : "--lang=en");
  }
  return RunProcess(GDFCONV_BINARY, withLanguage, input,
                    ProcessLimits{fileSizeLimit, user, -1, folder});
#else
  // The locale of the tests' own environment must not choose the language.
  const std::string binary = user >= 0 ? BinaryForAnyUser() : std::string(GDFCONV_BINARY);
  std::vector<std::string> withLocale = {"-u",          "LC_ALL",       "-u",
                                         "LC_MESSAGES", "LANG=" + lang, binary};
  withLocale.insert(withLocale.end(), args.begin(), args.end());
  return RunProcess("/usr/bin/env", withLocale, input,
                    ProcessLimits{fileSizeLimit, user, -1, folder});
#endif
}

}  // namespace gdf::test
