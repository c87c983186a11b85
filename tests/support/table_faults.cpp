// table_faults.cpp - The pattern-data folder and source of the fault tests.
#include "support/table_faults.h"

#include <algorithm>

#include "support/test_support.h"

namespace gdf::test {

const std::map<std::string, int> kFaultTables = {
    {"KISHITU.TXT", 6}, {"XKISHITU.TXT", 6}, {"L13.TXT", 2}, {"L14.TXT", 2}, {"L15.TXT", 2},
    {"L16.TXT", 2},     {"L17.TXT", 3},      {"L19.TXT", 2}, {"L18.txt", 2}, {"L18b.txt", 2}};

const char kFaultSource[] =
    "$A1\n2.50\n新しい礫質土\n\n\nSG\n\n\n\n\n"
    "$S1\n1.00\nCM\n新A\n新B\n新C\n新D\n新E\n新F\n\n"
    "$H1\n3.00\n2\nx\n新色/新区分\n";

void LayFaultPattern(const std::string& folder) {
  WriteCp932(folder + "/L1.TXT", "1,GM-150\n");
  WriteCp932(folder + "/L2.TXT", "1,ロータリー式\n");
  WriteCp932(folder + "/L4.TXT", "3,C\n7,M\n");
  WriteCp932(folder + "/KISHITU.TXT", "1001,砂,S,S,    ,0000\n");
  WriteCp932(folder + "/XKISHITU.TXT", "2000,礫,G,G,    ,0000\n4000,他,    ,    ,    ,0000\n");
  for (const char* t : {"L13.TXT", "L14.TXT", "L15.TXT", "L16.TXT", "L19.TXT"}) {
    WriteCp932(folder + "/" + t, "1,ＣＭ\n");
  }
  WriteCp932(folder + "/L17.TXT", "1,      ,棒状\n");
  WriteCp932(folder + "/L18.txt", "01,灰\n");
  WriteCp932(folder + "/L18b.txt", "01,ＣＨ\n");
}

::testing::AssertionResult WholeLines(const std::string& content, int fields) {
  if (content.empty()) return ::testing::AssertionSuccess();
  if (content.size() < 2 || content.compare(content.size() - 2, 2, "\r\n") != 0) {
    return ::testing::AssertionFailure() << "ends inside a line";
  }
  std::size_t start = 0;
  while (start < content.size()) {
    const std::size_t end = content.find("\r\n", start);
    const std::string line = content.substr(start, end - start);
    if (static_cast<int>(std::count(line.begin(), line.end(), ',')) != fields - 1) {
      return ::testing::AssertionFailure() << "a line of the wrong shape: [" << line << "]";
    }
    start = end + 2;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace gdf::test
