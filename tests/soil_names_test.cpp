// soil_names_test.cpp - Show that a layer name gets its code by range precedence and full match
// only, that new names are placed and numbered in XKISHITU.TXT and appended to KISHITU.TXT as
// whole six-field lines, and that the tables end as if each name had been written at once.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "platform/file_system.h"
#include "platform/host_file_system.h"
#include "run/run_context.h"
#include "support/test_support.h"
#include "tables/soil_names.h"

namespace gdf {
namespace {

class SoilNamesTest : public ::testing::Test {
 protected:
  SoilNamesTest() {
    std::filesystem::create_directories(dir.path() / "pattern");
    std::filesystem::create_directories(dir.path() / "program");
    FileSystemSettings settings;
    settings.drives[u'D'] = dir.path().string();
    fs = std::make_unique<HostFileSystem>(settings);
    context = std::make_unique<RunContext>(*fs, report);
    context->patternFolder = u"D:\\pattern\\";
    context->programFolder = u"D:\\program\\";
  }
  void Tables(const std::string& kishitu, const std::string& xkishitu) {
    test::WriteCp932(dir / "pattern/KISHITU.TXT", kishitu);
    test::WriteCp932(dir / "pattern/XKISHITU.TXT", xkishitu);
  }
  std::string Table(const std::string& name) { return test::ReadCp932(dir / ("pattern/" + name)); }
  // Classifies each name with the attribute [SG] and writes the changes.
  std::vector<std::string> Classify(const std::vector<std::string>& names,
                                    const std::string& attribute = "SG") {
    SoilNameTables tables(*context);
    std::vector<std::string> codes;
    for (const std::string& name : names) {
      codes.push_back(ToUtf8(ClassifySoilName(tables, FromUtf8(name), FromUtf8(attribute))));
    }
    tables.Commit();
    return codes;
  }
  bool MarkerExists() { return test::Exists(dir / "program/PATADD.txt"); }

  test::TempDir dir;
  std::unique_ptr<HostFileSystem> fs;
  RunReport report;
  std::unique_ptr<RunContext> context;
};

// Which code a name gets from tables that already hold it, and that nothing is added then.
TEST_F(SoilNamesTest, FoundCodes) {
  const struct {
    const char* why;
    const char* kishitu;
    const char* xkishitu;
    const char* name;
    const char* code;
    bool copiedToKishitu = false;
  } cases[] = {
      {"range A before range B", "1200,砂礫,,,,\n5010,砂礫,,,,\n", "", "砂礫", "5010"},
      {"range B before range C", "0012,砂礫,,,,\n1200,砂礫,,,,\n", "", "砂礫", "1200"},
      {"first equal entry of a range", "1200,砂,,,,\n1300,砂,,,,\n", "", "砂", "1200"},
      {"cut before （", "1001,砂（細粒）,,,,\n", "", "砂", "1001"},
      {"longer name after a shorter one", "1001,砂,,,,\n1002,砂礫,,,,\n", "", "砂礫", "1002"},
      {"codes outside the ranges are never found", "4500,砂,,,,\n0000,砂,,,,\n", "2000,砂,,,,\n",
       "砂", "2000", true},
      {"KISHITU range C before XKISHITU range A", "0300,粘土,,,,\n", "5100,粘土,,,,\n", "粘土",
       "0300"},
      {"code kept as read", "\" 1200\",砂, , , , \n", "", "砂", " 1200"},
      {"blank lines are passed over", "\n   \n1001,礫,,,,\n\n", "", "礫", "1001"},
      {"width and case count", "1001,ｼﾙﾄ,,,,\n1002,シルト,,,,\n", "", "シルト", "1002"},
  };
  for (const auto& c : cases) {
    Tables(c.kishitu, c.xkishitu);
    const std::string before = Table("KISHITU.TXT");
    EXPECT_EQ(Classify({c.name}), std::vector<std::string>{c.code}) << c.why;
    if (!c.copiedToKishitu) {
      EXPECT_EQ(Table("KISHITU.TXT"), before) << c.why;
    }
  }
}

TEST_F(SoilNamesTest, NewCodesAndTheirPlace) {
  const struct {
    const char* why;
    const char* xkishitu;
    const char* expected;
  } cases[] = {
      {"empty table", "", "2000,泥岩,    ,    ,    ,0000\n"},
      {"between 2001 and 4000", "2000,a,,,,\n2001,b,,,,\n4000,c,,,,\n",
       "2000,a,,,,\n2001,b,,,,\n2002,泥岩,    ,    ,    ,0000\n4000,c,,,,\n"},
      {"low codes count as 1999", "0100,a,,,,\n4100,c,,,,\n",
       "0100,a,,,,\n2000,泥岩,    ,    ,    ,0000\n4100,c,,,,\n"},
      {"only the first high entry places it", "2005,a,,,,\n4000,c,,,,\n2500,b,,,,\n",
       "2005,a,,,,\n2006,泥岩,    ,    ,    ,0000\n4000,c,,,,\n2500,b,,,,\n"},
      {"at the end when no high entry", "2000,a,,,,\n2010,b,,,,\n",
       "2000,a,,,,\n2010,b,,,,\n2011,泥岩,    ,    ,    ,0000\n"},
      {"blank lines stay and do not count", "2003,a,,,,\n\n  \n4000,c,,,,\n",
       "2003,a,,,,\n\n  \n2004,泥岩,    ,    ,    ,0000\n4000,c,,,,\n"},
      {"a high entry first", "4001,c,,,,\n", "2000,泥岩,    ,    ,    ,0000\n4001,c,,,,\n"},
  };
  for (const auto& c : cases) {
    Tables("", c.xkishitu);
    Classify({"泥岩"}, "    ");
    EXPECT_EQ(Table("XKISHITU.TXT"), c.expected) << c.why;
    EXPECT_FALSE(test::Exists(dir / "pattern/XKISHITU.TMP")) << c.why;
  }
}

// How a new name and its attribute are written; nullptr: refused before any table changes. An
// attribute with a comma goes between double quotes as a name does, so that the entry keeps its
// six fields.
TEST_F(SoilNamesTest, NamesThatNeedQuotes) {
  const struct {
    const char* name;
    const char* attribute;
    const char* written;
    const char* attributeWritten;
  } cases[] = {
      {"砂,礫", "SG", "\"砂,礫\"", "SG"}, {"砂 ", "SG", "\"砂 \"", "SG"},
      {" 砂", "SG", "\" 砂\"", "SG"},     {"砂\"礫", "SG", "砂\"礫", "SG"},
      {"　砂　", "SG", "　砂　", "SG"},  // U+3000 is not a blank
      {"砂", "S,G", "砂", "\"S,G\""},     {"\"砂", "SG", nullptr, nullptr},
      {"砂", "\"SG", nullptr, nullptr},   {"砂", "S,\"G", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    Tables("", "");
    SoilNameTables tables(*context);
    if (c.written == nullptr) {
      EXPECT_THROW(ClassifySoilName(tables, FromUtf8(c.name), FromUtf8(c.attribute)), RunError);
    } else {
      // Found again by the next layer, so it is added once.
      for (int layer = 0; layer < 2; ++layer) {
        EXPECT_EQ(ClassifySoilName(tables, FromUtf8(c.name), FromUtf8(c.attribute)), u"2000");
      }
    }
    tables.Commit();
    const std::string line = c.written
                                 ? "2000," + std::string(c.written) + "," + c.attributeWritten +
                                       "," + c.attributeWritten + ",    ,0000\n"
                                 : std::string();
    EXPECT_EQ(Table("XKISHITU.TXT"), line) << c.name;
    EXPECT_EQ(Table("KISHITU.TXT"), line) << c.name;
  }
}

// A missing or short table fails the run, but XKISHITU.TXT is read only when KISHITU.TXT has
// no full match.
TEST_F(SoilNamesTest, MissingOrShortTables) {
  const struct {
    const char* kishitu;  // nullptr: missing
    const char* name;
    bool fails;
  } cases[] = {{"1001,礫,,,,\n", "礫", false},
               {"1001,礫,,,,\n", "砂", true},
               {nullptr, "礫", true},
               {"1001,礫,,,\n", "礫", true}};  // five fields
  for (const auto& c : cases) {
    std::filesystem::remove(dir.path() / "pattern/XKISHITU.TXT");
    std::filesystem::remove(dir.path() / "pattern/KISHITU.TXT");
    if (c.kishitu != nullptr) test::WriteCp932(dir / "pattern/KISHITU.TXT", c.kishitu);
    SoilNameTables tables(*context);
    if (c.fails) {
      EXPECT_THROW(ClassifySoilName(tables, FromUtf8(c.name), u"SG"), RunError) << c.name;
    } else {
      EXPECT_EQ(ClassifySoilName(tables, FromUtf8(c.name), u"SG"), u"1001");
    }
  }
}

TEST_F(SoilNamesTest, ExistingMarkerIsKept) {
  Tables("", "");
  test::WriteBytes(dir / "program/PATADD.txt", "kept");
  Classify({"砂"});
  EXPECT_EQ(test::ReadBytes(dir / "program/PATADD.txt"), "kept");
  EXPECT_FALSE(report.markerCreated);
}

TEST_F(SoilNamesTest, NameWithParenthesisIsAddedEachTime) {
  // The cut part of a table name never holds "（", so such a layer name never matches fully;
  // its cut part then matches [砂] in KISHITU.TXT ahead of XKISHITU.TXT's own [砂].
  Tables("", "2000,砂,,,,\n");
  EXPECT_EQ(Classify({"砂（細）", "砂（細）", "砂"}),
            (std::vector<std::string>{"2001", "2002", "2001"}));
  EXPECT_EQ(Table("KISHITU.TXT"), "2001,砂（細）,SG,SG,    ,0000\n2002,砂（細）,SG,SG,    ,0000\n");
  EXPECT_EQ(Table("XKISHITU.TXT"),
            "2000,砂,,,,\n2001,砂（細）,SG,SG,    ,0000\n2002,砂（細）,SG,SG,    ,0000\n");
}

}  // namespace
}  // namespace gdf
