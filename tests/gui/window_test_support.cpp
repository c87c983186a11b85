// window_test_support.cpp - Test windows over temporary drives, and folder comparisons.
#include "gui/window_test_support.h"
#include "platform/host.h"
#include "platform/host_file_system.h"

#include <QTest>
#include <algorithm>
#include <filesystem>

namespace gdf::test {

namespace fs = std::filesystem;

TestWindow::TestWindow(Setting setting, std::vector<std::string> extraDrives) {
  previousFolder_ = fs::current_path().string();
  for (const char* folder : {"system", "pattern", "program", "work"}) {
    fs::create_directories(dir.path() / folder);
  }
  for (const char* table : {"L1.TXT", "L2.TXT", "L4.TXT", "KISHITU.TXT", "XKISHITU.TXT"}) {
    WriteBytes(dir / ("pattern/" + std::string(table)), "");
  }
  if (setting == Setting::kPatternFolder) {
    WriteCp932(dir / "system/VirizuV5.ini", "pattern data of the tests\nD:\\pattern\\\n");
  } else if (setting == Setting::kMissingFolder) {
    WriteCp932(dir / "system/VirizuV5.ini", "pattern data of the tests\nD:\\nowhere\\\n");
  }
  fs::current_path(dir.path() / "work");

  PosixSettings drives;
  drives.drives[u'D'] = dir.path().string();
  for (const std::string& mapping : extraDrives) {
    const auto parsed = ParseDriveMapping(mapping);
    if (parsed) drives.drives[parsed->first] = parsed->second;
  }
  this->fs = std::make_unique<PosixFileSystem>(drives);
  app::WindowSettings settings;
  settings.systemDirHost = dir / "system";
  settings.programFolder = u"D:\\program\\";
  form = std::make_unique<app::Form1>(*this->fs, settings);
  dialogs = std::make_unique<DialogDouble>(form->OwnFrontEnd());
  form->SetRunFrontEnd(dialogs.get());
}

TestWindow::~TestWindow() {
  form.reset();
  std::error_code ec;
  fs::current_path(previousFolder_, ec);
}

void TestWindow::SetText(QLineEdit* box, const std::string& utf8) {
  box->setText(QString::fromStdString(utf8));
}

void TestWindow::Execute() { QTest::mouseClick(form->Command1(), Qt::LeftButton); }

void CopyFolder(const std::string& from, const std::string& to) {
  fs::create_directories(to);
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::vector<std::pair<std::string, std::string>> FilesBelow(const std::string& folder) {
  const auto files = FilesUnder(folder);  // in name order, the log's times and places masked
  return {files.begin(), files.end()};
}

}  // namespace gdf::test
