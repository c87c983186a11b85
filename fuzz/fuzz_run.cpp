// fuzz_run.cpp - A whole conversion run on arbitrary source bytes against a small fixed
// pattern-data folder. The folders are laid once on the disk; every input runs on a fresh
// in-memory overlay of them (the one a dry run uses), so each run starts from the same tables and
// nothing is written to the disk. What the overlay asks of the disk is remembered across inputs,
// since the disk never changes; that keeps the target fast.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/cp932.h"
#include "platform/dry_run_file_system.h"
#include "platform/file_system.h"
#include "platform/host_file_system.h"
#include "run/conversion_run.h"

namespace {

class SilentFrontEnd : public gdf::FrontEnd {
 public:
  void SetStatusText(const gdf::Text&) override {}
  void ProcessPendingEvents() override {}
  void ShowMessage(const gdf::Message&) override {}
  bool AskYesNo(const gdf::Text&, const gdf::Text&) override { return true; }
  void SetPointer(gdf::Pointer) override {}
  void FocusAndSelectTargetPath() override {}
  void SetConversionDone(bool) override {}
};

void Write(const std::filesystem::path& path, const std::string& utf8Lines) {
  std::string crlf;
  for (const char c : utf8Lines) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  std::ofstream(path, std::ios::binary) << gdf::Cp932Encode(gdf::FromUtf8(crlf));
}

// A tiny pattern-data folder with one entry in every table.
void LayPatternFolder(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  Write(folder / "L1.TXT", "1,GM-150\n");
  Write(folder / "L2.TXT", "1,ロータリー式\n");
  Write(folder / "L4.TXT", "1,A\n3,C\n7,M\n9,H\n");
  Write(folder / "KISHITU.TXT", "1001,砂,S,S,    ,0000\n5001,表土,    ,    ,    ,0000\n");
  Write(folder / "XKISHITU.TXT", "2000,礫質土,G,G,    ,0000\n4000,その他,    ,    ,    ,0000\n");
  for (const char* table : {"L13.TXT", "L14.TXT", "L15.TXT", "L16.TXT", "L19.TXT"}) {
    Write(folder / table, "1,ＣＭ\n2,新鮮\n");
  }
  Write(folder / "L17.TXT", "1,      ,棒状\n");
  Write(folder / "L18.txt", "01,灰\n");
  Write(folder / "L18b.txt", "01,ＣＨ\n");
}

// The disk below the overlay, with every answer about a full path ("D:\...") remembered. The
// overlay only reads the disk and the fuzz target never writes it, so an answer stays true.
class RememberedDisk : public gdf::FileSystem {
 public:
  explicit RememberedDisk(gdf::FileSystem& disk) : disk_(disk) {}

  std::vector<gdf::Drive> Drives() const override { return disk_.Drives(); }
  bool DriveReady(char16_t letter) const override { return disk_.DriveReady(letter); }
  bool SetCurrentDrive(char16_t letter) override { return disk_.SetCurrentDrive(letter); }
  char16_t CurrentDrive() const override { return disk_.CurrentDrive(); }
  gdf::Text CurrentFolder(char16_t letter) const override { return disk_.CurrentFolder(letter); }
  bool SetCurrentFolder(gdf::TextView path) override { return disk_.SetCurrentFolder(path); }
  std::optional<gdf::Text> Absolute(gdf::TextView path) const override {
    return Remember(absolute_, path, [&] { return disk_.Absolute(path); });
  }
  std::optional<std::string> ToHost(gdf::TextView path) const override {
    return Remember(host_, path, [&] { return disk_.ToHost(path); });
  }
  std::optional<gdf::Text> FromHost(const std::string& hostPath) const override {
    return disk_.FromHost(hostPath);
  }
  bool Exists(gdf::TextView path, gdf::ListAttribute attribute) const override {
    auto& answers = attribute == gdf::ListAttribute::kNormal ? fileExists_ : folderExists_;
    return Remember(answers, path, [&] { return disk_.Exists(path, attribute); });
  }
  std::vector<gdf::FolderEntry> List(gdf::TextView folder) const override {
    return Remember(listed_, folder, [&] { return disk_.List(folder); });
  }
  std::int64_t Size(gdf::TextView path) const override {
    return Remember(size_, path, [&] { return disk_.Size(path); });
  }
  std::optional<std::string> ReadAll(gdf::TextView path, gdf::FileError& error) const override {
    auto read = Remember(read_, path, [&] {
      gdf::FileError why;
      auto bytes = disk_.ReadAll(path, why);
      return std::pair(std::move(bytes), std::move(why));
    });
    error = std::move(read.second);
    return std::move(read.first);
  }
  bool CreateFolder(gdf::TextView, gdf::FileError&) override { __builtin_trap(); }
  bool Delete(gdf::TextView, gdf::FileError&) override { __builtin_trap(); }
  bool Rename(gdf::TextView, gdf::TextView, gdf::FileError&) override { __builtin_trap(); }
  std::unique_ptr<gdf::OutputFile> Open(gdf::TextView, gdf::OpenMode, gdf::FileError&) override {
    __builtin_trap();
  }
  // Asked of the disk, which answers without writing anything.
  bool CanWrite(gdf::TextView path, gdf::FileError& error) override {
    return disk_.CanWrite(path, error);
  }
  std::unique_ptr<gdf::FolderLock> LockFolder(gdf::TextView folder, gdf::LockMode mode,
                                              int waitMilliseconds,
                                              gdf::LockError& error) override {
    return disk_.LockFolder(folder, mode, waitMilliseconds, error);
  }

 private:
  template <typename Value>
  using Answers = std::unordered_map<gdf::Text, Value>;

  // Only a full path means the same whatever the current drive and folder are.
  static bool Full(gdf::TextView path) {
    return path.size() >= 3 && path[1] == u':' && path[2] == u'\\';
  }
  template <typename Value, typename Ask>
  static Value Remember(Answers<Value>& answers, gdf::TextView path, Ask ask) {
    if (!Full(path)) return ask();
    const gdf::Text key(path);
    if (const auto found = answers.find(key); found != answers.end()) return found->second;
    return answers.emplace(key, ask()).first->second;
  }

  gdf::FileSystem& disk_;
  mutable Answers<std::optional<gdf::Text>> absolute_;
  mutable Answers<std::optional<std::string>> host_;
  mutable Answers<bool> fileExists_;
  mutable Answers<bool> folderExists_;
  mutable Answers<std::vector<gdf::FolderEntry>> listed_;
  mutable Answers<std::int64_t> size_;
  mutable Answers<std::pair<std::optional<std::string>, gdf::FileError>> read_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path root = [] {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("gdfconv-fuzz-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    LayPatternFolder(folder / "pattern");
    std::filesystem::create_directories(folder / "program");
    return folder;
  }();
  static gdf::PosixFileSystem disk([] {
    gdf::PosixSettings settings;
    settings.drives[u'D'] = root.string();
    return settings;
  }());
  static RememberedDisk remembered(disk);

  gdf::DryRunFileSystem fs(remembered);
  gdf::FileError error;
  const auto source = fs.Open(u"D:\\b.gdf", gdf::OpenMode::kTruncate, error);
  if (!source || !source->Write({reinterpret_cast<const char*>(data), size}, error) ||
      !source->Close(error)) {
    __builtin_trap();  // the overlay must always take the source
  }
  SilentFrontEnd ui;
  gdf::RunInputs inputs;
  inputs.sourceText = u"D:\\b.gdf";
  inputs.targetText = u"D:\\OUT\\B-1";
  inputs.patternFolder = u"D:\\pattern\\";
  inputs.programFolder = u"D:\\program\\";
  gdf::RunConversion(inputs, fs, ui);
  return 0;
}
