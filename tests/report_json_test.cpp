// report_json_test.cpp - Show that the JSON the reports are made of reads back exactly: texts
// with quotes, backslashes, control characters and Japanese, nested and empty containers, and a
// failed run's report with its stage, file and line.
#include <gtest/gtest.h>

#include <limits>

#include "messages/json_writer.h"
#include "run/report_json.h"
#include "support/mini_json.h"

namespace gdf {
namespace {

using test::Json;
using test::ParseJson;

TEST(ReportJson, StringsReadBackUnchanged) {
  using namespace std::string_literals;
  const std::u16string cases[] = {
      u"",
      u"plain",
      u"quote \" and backslash \\ and slash /",
      u"D:\\WORK\\2003\\X1.TXT",
      u"line\r\nbreak\ttab",
      u"nul \0 and \x01 \x1f \x7f"s,
      u"変換が正常に終了しました。 ～ ＼ ￤",
      u"\U0001F600 outside the BMP",
  };
  for (const std::u16string& text : cases) {
    std::string out;
    JsonWriter json(out);
    json.BeginObject();
    json.Member("text", text);
    json.EndObject();
    const Json parsed = ParseJson(out);
    EXPECT_EQ(parsed["text"].string, ToUtf8(text)) << out;
    for (const char c : out) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\n');
  }
}

TEST(ReportJson, ContainersNumbersAndLiterals) {
  std::string out;
  JsonWriter json(out);
  json.BeginObject();
  json.Key("empty object");
  json.BeginObject();
  json.EndObject();
  json.Key("empty array");
  json.BeginArray();
  json.EndArray();
  json.Key("nested");
  json.BeginArray();
  json.BeginArray();
  json.Number(-32768);
  json.Real(2.5);
  json.Real(std::numeric_limits<double>::infinity());  // JSON cannot hold it: null
  json.EndArray();
  json.Bool(true);
  json.Null();
  json.EndArray();
  json.EndObject();
  const Json parsed = ParseJson(out);
  EXPECT_TRUE(parsed["empty object"].members.empty());
  EXPECT_TRUE(parsed["empty array"].items.empty());
  EXPECT_EQ(parsed["nested"][0][0].number, -32768);
  EXPECT_EQ(parsed["nested"][0][1].number, 2.5);
  EXPECT_TRUE(parsed["nested"][0][2].IsNull());
  EXPECT_TRUE(parsed["nested"][1].boolean);
  EXPECT_TRUE(parsed["nested"][2].IsNull());
}

TEST(ReportJson, FailedRunCarriesStageFileAndLine) {
  RunInputs inputs;
  inputs.sourceText = u"D:\\2003\\B-1.gdf";
  inputs.targetText = u"D:\\WORK\\B-1";
  inputs.patternFolder = u"D:\\PAT\\";
  RunReport report;
  report.files.push_back({u"X1.TXT", u"D:\\WORK\\B-1\\X1.TXT", 3, 90});
  report.added.push_back({u"KISHITU.TXT", u"2006", u"砂,礫"});
  report.Fail(RunFailure{FailureKind::kReadPastEnd, u"$S", u"D:\\2003\\B-1.gdf", 120,
                         u"A read went past the end of the file."});
  const Json parsed = ParseJson(RunReportJson(inputs, report, Language::kEnglish));
  EXPECT_EQ(parsed["outcome"].string, "failed");
  EXPECT_FALSE(parsed["dryRun"].boolean);
  EXPECT_TRUE(parsed["completionText"].IsNull());
  EXPECT_EQ(parsed["inputs"]["source"].string, "D:\\2003\\B-1.gdf");
  EXPECT_EQ(parsed["failure"]["kind"].string, "readPastEnd");
  EXPECT_EQ(parsed["failure"]["stage"].string, "$S");
  EXPECT_EQ(parsed["failure"]["line"].number, 120);
  EXPECT_EQ(parsed["files"][0]["path"].string, "D:\\WORK\\B-1\\X1.TXT");
  EXPECT_EQ(parsed["files"][0]["bytes"].number, 90);
  EXPECT_EQ(parsed["added"][0]["name"].string, "砂,礫");
}

// The failure's reason is in the language of the command; the keys and kinds stay as they are.
TEST(ReportJson, ReasonInTheCommandsLanguage) {
  RunReport report;
  report.Fail(RunFailure{FailureKind::kReadPastEnd, u"$S", u"D:\\2003\\B-1.gdf", 120,
                         Say(MessageId::kReadPastEnd, {u"119"})});
  for (const Language language : {Language::kEnglish, Language::kJapanese}) {
    const Json parsed = ParseJson(RunReportJson({}, report, language));
    EXPECT_EQ(parsed["failure"]["kind"].string, "readPastEnd");
    EXPECT_EQ(parsed["failure"]["reason"].string,
              ToUtf8(Render(Say(MessageId::kReadPastEnd, {u"119"}), language)));
  }
  EXPECT_NE(Render(Say(MessageId::kReadPastEnd, {u"119"}), Language::kJapanese),
            Render(Say(MessageId::kReadPastEnd, {u"119"}), Language::kEnglish));
}

TEST(ReportJson, CompletedRunHasNoFailure) {
  RunReport report;
  report.Complete(u"変換が正常に終了しました。");
  const Json parsed = ParseJson(RunReportJson({}, report, Language::kEnglish));
  EXPECT_EQ(parsed["completionText"].string, "変換が正常に終了しました。");
  EXPECT_TRUE(parsed["failure"].IsNull());
  EXPECT_TRUE(parsed["refusal"].IsNull());
  EXPECT_TRUE(parsed["files"].items.empty());
}

}  // namespace
}  // namespace gdf
