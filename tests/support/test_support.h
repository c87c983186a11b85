// test_support.h - What the tests share: temporary folders, files in code page 932, running the
// real gdfconv binary, and a front end that records what a run showed.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "common/front_end.h"
#include "platform/file_system.h"
#include "support/process.h"
#include "text/text.h"

namespace gdf {

/// A file system's failure in a test's message: the system's words, else its kind.
inline std::ostream& operator<<(std::ostream& out, const FileError& error) {
  return out << (error.text.empty()
                     ? "failure of kind " + std::to_string(static_cast<int>(error.kind))
                     : error.text);
}

}  // namespace gdf

namespace gdf::test {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  /// The host path of `name` (UTF-8, "/" between its parts) inside the folder, with the host's
  /// separators.
  std::string operator/(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

/// Writes UTF-8 `text` as code page 932, each "\n" written as CR LF.
void WriteCp932(const std::string& path, const std::string& text);
/// Writes bytes exactly.
void WriteBytes(const std::string& path, const std::string& bytes);
/// Reads a file's bytes; empty when it is missing.
std::string ReadBytes(const std::string& path);
/// Reads a code page 932 file as UTF-8, CR LF shown as "\n".
std::string ReadCp932(const std::string& path);
/// Code page 932 bytes of UTF-8 text, "\n" as CR LF.
std::string Cp932Lines(const std::string& text);
/// Whether a path exists.
bool Exists(const std::string& path);
/// The bytes of a pattern-data folder's log with the time, computer and user of each line (its
/// first three fields) put as "*", so that logs of runs at other times and places compare.
std::string MaskedLog(const std::string& log);
/// Every file under a folder (paths relative to it, with "/") with its bytes, GDFCONV.LOG masked;
/// empty when the folder is missing.
std::map<std::string, std::string> FilesUnder(const std::filesystem::path& folder);

/// Runs the gdfconv binary with `args`, standard input from `input` (not a terminal). With a
/// `fileSizeLimit` of 0 or more, no file the process writes may grow beyond that many bytes
/// (RLIMIT_FSIZE, with SIGXFSZ ignored, so that writes fail as on a full disk). With a `user` of 0
/// or more, a process run as root runs as that user and group id instead, so that permission bits
/// hold for it; it runs a copy of the binary that every user can reach, wherever the build lies.
/// The two limits are POSIX only (see ProcessLimitsSupported).
/// The program speaks the language of `lang`: on POSIX it runs with LANG set to it and LC_ALL
/// and LC_MESSAGES unset, on Windows with --lang after the command. By default English.
/// With a `folder`, the program starts in that folder (its current folder).
ProcessResult RunGdfconv(const std::vector<std::string>& args, const std::string& input = {},
                         long fileSizeLimit = -1, int user = -1, const std::string& lang = "C",
                         const std::string& folder = {});

/// This system's file system with drive letters standing for host folders ({u'D', "/tmp/x"}), for
/// tests that run the core in the test process.
std::unique_ptr<FileSystem> DrivesOver(const std::map<char16_t, std::string>& drives);

/// The folder of the repository's own files (data/, tests/).
std::string SourceDir();

/// A front end that records what the run showed and answers the question as told.
class RecordingFrontEnd : public FrontEnd {
 public:
  void SetStatusText(const Text& text) override { statusTexts.push_back(text); }
  void ProcessPendingEvents() override { ++eventPasses; }
  void ShowMessage(const Message& message) override { shown.push_back(message); }
  bool AskYesNo(const Text& question, const Text&) override {
    questions.push_back(question);
    return answerYes;
  }
  void SetPointer(Pointer pointer) override { pointers.push_back(pointer); }
  void FocusAndSelectTargetPath() override { ++focusRequests; }
  void SetConversionDone(bool done) override { conversionDone = done; }

  bool answerYes = false;
  std::vector<Text> statusTexts;
  std::vector<Message> shown;
  std::vector<Text> questions;
  std::vector<Pointer> pointers;
  int eventPasses = 0;
  int focusRequests = 0;
  bool conversionDone = false;
};

}  // namespace gdf::test
