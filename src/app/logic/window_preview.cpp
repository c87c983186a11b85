// window_preview.cpp - The preview verb: a dry run of the source file into a made-up target,
// drawn as the command line's preview draws it, written beside the source.
#include "app/logic/window_preview.h"

#include <fstream>

#include "platform/host_paths.h"
#include "preview/preview.h"
#include "preview/preview_svg.h"

namespace gdf::app {
namespace {

// Nobody to ask: a folder is not made, and nothing is shown while the picture is drawn.
class SilentFrontEnd : public FrontEnd {
 public:
  void ShowMessage(const Message&) override {}
  bool AskYesNo(const Text&, const Text&) override { return false; }
};

}  // namespace

std::string PreviewPathBeside(const std::string& sourceHost) {
  std::filesystem::path path = HostPathOf(sourceHost);
  path.replace_extension(".svg");
  return HostPathText(path);
}

std::optional<std::string> WritePreviewBeside(FileSystem& fs, const WindowSettings& settings,
                                              Text& failure) {
  Message refusal;
  const auto patternFolder = WindowPatternFolder(fs, settings, refusal);
  if (!patternFolder) {
    failure = refusal.text;
    return std::nullopt;
  }
  const std::optional<std::string> sourceHost =
      settings.source ? fs.ToHost(*settings.source) : std::nullopt;
  if (!sourceHost) {
    failure = Render(Say(MessageId::kUsageOneSource), Language::kJapanese);
    return std::nullopt;
  }
  RunInputs inputs;
  inputs.sourceText = *settings.source;
  inputs.targetText = PreviewTargetFor(*settings.source, fs);
  inputs.patternFolder = *patternFolder;
  inputs.programFolder = settings.programFolder;
  inputs.lockWaitMilliseconds = settings.lockWaitMilliseconds;
  SilentFrontEnd ui;
  const PreviewRun run = RunPreview(inputs, fs, ui);
  const std::string picture = PreviewPathBeside(*sourceHost);
  std::ofstream out(HostPathOf(picture), std::ios::binary | std::ios::trunc);
  out << PreviewSvg(run.picture, Language::kJapanese);
  out.close();
  if (!out) {
    failure =
        Render(Say(MessageId::kPictureCannotBeWritten, {FromUtf8(picture)}), Language::kJapanese);
    return std::nullopt;
  }
  return picture;
}

}  // namespace gdf::app
