// main.cpp - gdfconv-gui: the window. Places the system on the host (drive map, system folder,
// program folder), runs start-up hidden, and shows the window only when start-up passed.
#include <QApplication>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/qt/form1.h"
#include "frontend/command_line.h"
#include "frontend/command_options.h"
#include "frontend/host_settings.h"
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
  // The help needs no display, so it is answered before Qt connects to one.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      // In Japanese, as the window speaks.
      std::cout << gdf::ToUtf8(
          gdf::Render(gdf::Say(gdf::MessageId::kHelpWindowPosix), gdf::Language::kJapanese));
      return 0;
    }
  }
  QApplication application(argc, argv);  // takes Qt's own options out of argv
  // The standard buttons of the message boxes speak Japanese, as the window does.
  gdf::app::InstallJapaneseTranslation(application);

  const std::vector<std::string> args(argv + 1, argv + argc);
  gdf::CatalogueMessage error;
  auto line =
      gdf::ParseCommandLine(args, gdf::WindowOptions().options, gdf::Operands::kRefused, error);
  if (!line) return Usage(error);
  gdf::CompleteHostSettings(line->host);
  gdf::PosixFileSystem fs(line->host.fileSystem);
  gdf::app::Form1 form(fs, gdf::app::WindowSettingsOf(*line, fs));
  if (!form.Form_Load()) return 1;
  form.show();
  return application.exec();
}
