// main.cpp - gdfconv-gui: the window. Places the system on the host (drive map, system folder,
// program folder), runs start-up hidden, and shows the window only when start-up passed.
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/logic/form1_logic.h"
#include "app/logic/window_preview.h"
#include "app/qt/form1.h"
#include "frontend/command_line.h"
#include "frontend/command_options.h"
#include "frontend/host_settings.h"
#include "frontend/version.h"
#include "messages/message_catalogue.h"
#include "platform/host_file_system.h"

namespace {

// The window speaks Japanese, and so does its usage error.
int Usage(const gdf::CatalogueMessage& why) {
  std::cerr << "gdfconv-gui: " << gdf::ToUtf8(gdf::Render(why, gdf::Language::kJapanese)) << "\n"
            << gdf::ToUtf8(gdf::Render(gdf::Say(gdf::MessageId::kUsageSeeHelp, {u"gdfconv-gui"}),
                                       gdf::Language::kJapanese))
            << "\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // The help and the version need no display, so they are answered before Qt connects to one.
  if (gdf::AsksForVersion(std::vector<std::string>(argv + 1, argv + argc))) {
    std::cout << gdf::ProgramVersionLine("gdfconv-gui") << "\n";
    return 0;
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      // In Japanese, as the window speaks.
      std::cout << gdf::ProgramVersionLine("gdfconv-gui") << "\n\n"
                << gdf::ToUtf8(gdf::Render(gdf::Say(gdf::MessageId::kHelpWindowPosix),
                                           gdf::Language::kJapanese));
      return 0;
    }
  }
  QApplication application(argc, argv);  // takes Qt's own options out of argv
  // The standard buttons of the message boxes speak Japanese, as the window does.
  gdf::app::InstallJapaneseTranslation(application);

  const std::vector<std::string> args(argv + 1, argv + argc);
  gdf::CatalogueMessage error;
  auto line = gdf::app::ParseWindowCommandLine(args, error);
  if (!line) return Usage(error);
  gdf::CompleteHostSettings(line->host);
  gdf::PosixFileSystem fs(line->host.fileSystem);
  const gdf::app::WindowSettings settings = gdf::app::WindowSettingsOf(*line, fs);
  if (settings.preview) {
    // The preview verb: the picture beside the source file, opened by the desktop's viewer.
    gdf::Text failure;
    const auto picture = gdf::app::WritePreviewBeside(fs, settings, failure);
    if (!picture) {
      QMessageBox::critical(nullptr, QString::fromStdU16String(gdf::app::kProgramTitle),
                            QString::fromStdU16String(failure));
      return 1;
    }
    std::cout << *picture << "\n";
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(*picture)));
    return 0;
  }
  gdf::app::Form1 form(fs, settings);
  if (!form.Form_Load()) return 1;
  form.show();
  return application.exec();
}
