// fuzz_run.cpp - A whole conversion run on arbitrary source bytes against a small fixed
// pattern-data folder. The folders are laid once on the disk; every input runs on a fresh
// in-memory overlay of them (the one a dry run uses), so each run starts from the same tables and
// nothing is written to the disk, which keeps the target fast.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/cp932.h"
#include "common/dry_run_file_system.h"
#include "common/platform.h"
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

  gdf::DryRunFileSystem fs(disk);
  std::string error;
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
