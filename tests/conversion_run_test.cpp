// conversion_run_test.cpp - Show what the run tells its front end at each check, and that a run
// that is refused or fails on reading writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "messages/system_texts.h"
#include "platform/file_system.h"
#include "platform/host_file_system.h"
#include "run/conversion_run.h"
#include "support/test_support.h"

namespace gdf {
namespace {

class ConversionRunTest : public ::testing::Test {
 protected:
  ConversionRunTest() {
    std::filesystem::create_directories(dir.path() / "pattern");
    for (const char* table : {"L1.TXT", "L2.TXT", "L4.TXT", "KISHITU.TXT", "XKISHITU.TXT"}) {
      test::WriteBytes(dir / ("pattern/" + std::string(table)), "");
    }
    std::filesystem::create_directories(dir.path() / "out");
    FileSystemSettings settings;
    settings.drives[u'D'] = dir.path().string();
    fs = std::make_unique<HostFileSystem>(settings);
    inputs.sourceText = u"D:\\b.gdf";
    inputs.targetText = u"D:\\out";
    inputs.patternFolder = u"D:\\pattern\\";
    inputs.programFolder = u"D:\\";
  }
  RunReport Run() { return RunConversion(inputs, *fs, ui); }

  test::TempDir dir;
  std::unique_ptr<HostFileSystem> fs;
  RunInputs inputs;
  test::RecordingFrontEnd ui;
};

TEST_F(ConversionRunTest, CompletedRunWithoutSections) {
  test::WriteCp932(dir / "b.gdf", "no tags here\n");
  const RunReport report = Run();
  EXPECT_EQ(report.outcome(), RunOutcome::kCompleted);
  EXPECT_EQ(ui.statusTexts, (std::vector<Text>{messages::kConverting, messages::kCompleted}));
  EXPECT_EQ(ui.eventPasses, 1);
  EXPECT_EQ(ui.pointers, (std::vector<Pointer>{Pointer::kHourglass, Pointer::kDefault}));
  EXPECT_TRUE(ui.conversionDone);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "out"));
  EXPECT_TRUE(report.heldNoSection);
  EXPECT_EQ(CompletionWarnings(report), std::vector{Say(MessageId::kSourceHeldNoSection)});
}

// Only a source in which no search finds a tag line held no section: a tag line with count 0
// is found, as is one whose tag the run knows only after a blank.
TEST_F(ConversionRunTest, HeldNoSectionOnlyWhenNoSearchFindsATagLine) {
  const struct {
    const char* source;
    bool none;
  } cases[] = {{"", true},
               {" $A1\n$a1\n$Q1\n", true},
               {"$A0\n", false},
               {"$Z\n", false},
               {"x\n$H0\n", false}};
  for (const auto& c : cases) {
    test::WriteCp932(dir / "b.gdf", c.source);
    const RunReport report = Run();
    EXPECT_EQ(report.outcome(), RunOutcome::kCompleted) << c.source;
    EXPECT_EQ(report.heldNoSection, c.none) << c.source;
  }
}

TEST_F(ConversionRunTest, InvalidTargetPathFocusesText2) {
  test::WriteCp932(dir / "b.gdf", "");
  inputs.targetText = u"D:\\MY OUT";
  const RunReport report = Run();
  EXPECT_EQ(report.outcome(), RunOutcome::kRefused);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, messages::kInvalidPath);
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(ui.shown[0].caption, u"D:\\MY OUT");
  EXPECT_EQ(ui.focusRequests, 1);
  EXPECT_EQ(ui.statusTexts.back(), u"");
  EXPECT_TRUE(ui.pointers.empty());  // the pointer is not touched by a refused check
}

TEST_F(ConversionRunTest, EmptyTargetShowsBothMessages) {
  inputs.targetText = u"";
  Run();
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, messages::kBadDrive);
  EXPECT_EQ(ui.shown[1].text, messages::kInvalidPath);
  EXPECT_EQ(ui.shown[1].caption, std::optional<Text>(u""));  // an empty caption, not the title
}

TEST_F(ConversionRunTest, MissingOrEmptySource) {
  // A folder is not a source file, even where a listing of it finds entries.
  for (const char16_t* source :
       {u"", u"   ", u"D:\\none.gdf", u"D:\\out", u"D:\\", u"D:\\out\\", u"D:"}) {
    test::RecordingFrontEnd fresh;
    inputs.sourceText = source;
    const RunReport report = RunConversion(inputs, *fs, fresh);
    EXPECT_EQ(report.outcome(), RunOutcome::kRefused) << ToUtf8(source);
    ASSERT_EQ(fresh.shown.size(), 1u);
    EXPECT_EQ(fresh.shown[0].text, messages::kNoSourceFile);
    EXPECT_EQ(fresh.shown[0].icon, MessageIcon::kNone);
    EXPECT_FALSE(fresh.shown[0].caption.has_value());  // the program's title
    EXPECT_EQ(fresh.statusTexts.back(), u"");
  }
}

TEST_F(ConversionRunTest, MissingFoldersAskedOnce) {
  test::WriteCp932(dir / "b.gdf", "");
  inputs.targetText = u"D:\\out\\two\\three";
  ui.answerYes = false;
  EXPECT_EQ(Run().outcome(), RunOutcome::kRefused);
  EXPECT_EQ(ui.questions, (std::vector<Text>{messages::kCreateFolder}));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "out" / "two"));

  test::RecordingFrontEnd yes;
  yes.answerYes = true;
  EXPECT_EQ(RunConversion(inputs, *fs, yes).outcome(), RunOutcome::kCompleted);
  EXPECT_EQ(yes.questions.size(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "out" / "two" / "three"));
}

TEST_F(ConversionRunTest, ReadPastTheEndFailsBeforeAnythingIsWritten) {
  test::WriteCp932(dir / "b.gdf", "$Z1\nheader\n$A1\n1.0\n砂\n");
  const RunReport report = Run();
  ASSERT_EQ(report.outcome(), RunOutcome::kFailed);
  EXPECT_EQ(report.failure()->kind, FailureKind::kReadPastEnd);
  EXPECT_EQ(report.failure()->stage, u"$A");
  EXPECT_EQ(report.failure()->file, u"D:\\b.gdf");
  EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "out"));
  // The hourglass is up before the source is read, and back to the default after the stop.
  EXPECT_EQ(ui.pointers, (std::vector<Pointer>{Pointer::kHourglass, Pointer::kDefault}));
  EXPECT_FALSE(ui.conversionDone);
}

TEST_F(ConversionRunTest, InvalidBytesFailWithLineAndOffset) {
  test::WriteBytes(dir / "b.gdf", "$A0\r\nok\r\nbad\x80\xff\r\n");
  const RunReport report = Run();
  ASSERT_EQ(report.outcome(), RunOutcome::kFailed);
  EXPECT_EQ(report.failure()->kind, FailureKind::kInvalidEncoding);
  EXPECT_EQ(report.failure()->sourceLine, 3);
  EXPECT_NE(report.failure()->Reason(Language::kEnglish).find(u"offset 12"), Text::npos);
}

}  // namespace
}  // namespace gdf
