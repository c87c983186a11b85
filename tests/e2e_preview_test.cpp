// e2e_preview_test.cpp - Show, through the binary, that `gdfconv preview` draws exactly what a
// real run writes: every line of every depth-keyed record file of the real run stands in the
// picture at the y of its depth, every layer with its name and code; that the SVG is well-formed
// XML; that the preview writes no file but its own and leaves the pattern-data folder as it was;
// and that `convert --preview` and `batch --preview-dir` draw the same pictures beside real runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "common/cp932.h"
#include "support/mini_xml.h"
#include "support/test_support.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::XmlElement;

using Snapshot = std::map<std::string, std::string>;  // relative path -> bytes ("/" for folders)

Snapshot Take(const fs::path& root) {
  Snapshot snapshot;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string relative = fs::relative(entry.path(), root).string();
    snapshot[relative] = entry.is_directory() ? "/" : test::ReadBytes(entry.path().string());
  }
  return snapshot;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

double DepthOf(const std::string& field) {
  return std::strtod(TrimBlanks(field).c_str(), nullptr);  // no number: 0
}

// The picture read back: its pages, each with the depths it shows and its depth scale.
struct Picture {
  struct Page {
    double top = 0;
    double foot = 0;
    double y0 = 0;
    double perMetre = 0;
  };
  XmlElement root;
  std::vector<Page> pages;

  explicit Picture(const std::string& svg) : root(test::ParseXml(svg)) {
    std::vector<const XmlElement*> groups;
    root.FindAll("g", groups);
    for (const XmlElement* group : groups) {
      if (group->Attribute("class") != "page") continue;
      pages.push_back(
          {std::stod(group->Attribute("data-top")), std::stod(group->Attribute("data-foot")),
           std::stod(group->Attribute("data-y0")), std::stod(group->Attribute("data-per-metre"))});
    }
    if (pages.empty()) throw std::runtime_error("no pages");
  }
  // The y of a depth on every page that shows it (the pages of a sheet's columns beside them).
  std::vector<double> Ys(double depth) const {
    std::vector<double> ys;
    for (const Page& page : pages) {
      if (depth >= page.top && (depth < page.foot || depth == pages.back().foot)) {
        ys.push_back(page.y0 + (depth - page.top) * page.perMetre);
      }
    }
    return ys;
  }

  // The column's groups, one on each page that draws it.
  std::vector<const XmlElement*> Column(const std::string& file) const {
    std::vector<const XmlElement*> groups;
    root.FindAll("g", groups);
    std::vector<const XmlElement*> columns;
    for (const XmlElement* group : groups) {
      if (group->Attribute("data-file") == file) columns.push_back(group);
    }
    return columns;
  }
  std::vector<std::string> FindingTitles() const {
    std::vector<const XmlElement*> groups;
    root.FindAll("g", groups);
    std::vector<std::string> titles;
    for (const XmlElement* group : groups) {
      if (group->Attribute("class") == "finding") titles.push_back(group->children.at(0).text);
    }
    return titles;
  }
};

bool Near(const std::string& attribute, double y) {
  return !attribute.empty() && std::fabs(std::stod(attribute) - y) < 0.011;
}

// Every line of every depth-keyed record file in `target` stands in its column at its depth.
void ExpectDrawnAsWritten(const Picture& picture, const fs::path& target) {
  static const std::vector<std::string> kFiles = {
      "X1.TXT",  "X3.TXT",  "R31.TXT", "R32.TXT", "R33.TXT", "R34.TXT",
      "R35.TXT", "R30.TXT", "N9.TXT",  "X5.TXT",  "X12.TXT", "R41.TXT",
      "N8.TXT",  "G71.TXT", "G73.TXT", "G81.TXT", "R72.TXT"};
  for (const std::string& file : kFiles) {
    const fs::path path = target / file;
    const std::vector<const XmlElement*> columns = picture.Column(file);
    if (!fs::exists(path)) {
      EXPECT_TRUE(columns.empty()) << file << " is drawn but was not written";
      continue;
    }
    ASSERT_FALSE(columns.empty()) << file << " was written but is not drawn";
    // Every entry is a group that stands for the y of its depth, its label perhaps moved apart
    // from the others.
    std::vector<const XmlElement*> entries;
    std::vector<const XmlElement*> circles;
    for (const XmlElement* column : columns) {
      std::vector<const XmlElement*> groups;
      column->FindAll("g", groups);
      for (const XmlElement* group : groups) {
        if (group->Attribute("class") == "entry") entries.push_back(group);
      }
      column->FindAll("circle", circles);
    }
    std::string content = test::ReadCp932(path.string());
    if (!content.empty() && content.back() == '\n') content.pop_back();
    if (content.empty()) continue;
    for (const std::string& line : Split(content, '\n')) {
      const std::vector<std::string> fields = Split(line, ',');
      const bool readingIsDepth = file == "N9.TXT" || file == "N8.TXT";
      const std::vector<double> ys = picture.Ys(DepthOf(fields.at(readingIsDepth ? 2 : 1)));
      ASSERT_FALSE(ys.empty()) << file << ": no page shows [" << line << "]";
      const auto near = [&](const std::string& attribute) {
        return std::any_of(ys.begin(), ys.end(), [&](double y) { return Near(attribute, y); });
      };
      bool found = false;
      if (file == "R41.TXT") {
        for (const XmlElement* circle : circles) found = found || near(circle->Attribute("cy"));
      } else {
        for (const XmlElement* text : entries) {
          if (!near(text->Attribute("data-y"))) continue;
          if (file == "X1.TXT") {
            // The name (it may hold commas) and its four-digit code.
            const std::string name = line.substr(line.find(',', line.find(',', 4) + 1) + 1);
            found = found || (text->text.find(name) != std::string::npos &&
                              text->text.find(fields.at(2)) != std::string::npos);
          } else if (file == "X12.TXT") {
            const std::string note = line.substr(line.find('"') + 1, 6);
            found = found || text->text.find(note) != std::string::npos;
          } else {
            found = found || !text->text.empty();
          }
        }
      }
      EXPECT_TRUE(found) << file << ": nothing drawn at y " << ys.front() << " for [" << line
                         << "]";
    }
  }
}

std::string Header(const std::string& length) {
  std::string header = "$Z33\n";
  for (int line = 1; line <= 33; ++line) header += (line == 16 ? length : "x") + "\n";
  return header;
}

std::string Layer(const std::string& depth, const std::string& name) {
  return depth + "\n" + name + "\n\n\nSG\n\n\n\n\n";
}

std::string Row(const std::string& depth, const std::string& column1) {
  return depth + "\n" + column1 + "\n\n\n\n\n\n\n\n";
}

struct Case {
  const char* name;
  std::string source;              // UTF-8, "\n" for CR LF; empty: a bundled example
  const char* example;             // the bundled example's file name
  std::vector<std::string> drawn;  // texts the picture must hold
  std::string finding;             // a finding the picture must mark ("" for none wanted)
  double deepest;                  // the axis must reach this depth (a page holds 24 m)
};

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"example_B1", "", "B-1.gdf", {"埋土", "5001", "CM～CH", "Survey", "Soil and rock"}, "", 24},
      {"example_B2", "", "B-2.gdf", {"Site", "Water level"}, "", 24},
      // No "$A": no X1.TXT column, the other columns all the same.
      {"no_layers",
       "$S2\n" + Row("5.00", "CL") + Row("7.50", "CM") + "$C1\n3.00\n15/30\n5\n5\n5\n",
       "",
       {"CL", "CM", "15"},
       "",
       24},
      {"single_layer", "$A1\n" + Layer("4.00", "砂礫"), "", {"砂礫", "1002"}, "", 24},
      {"depths_not_ascending",
       "$A3\n" + Layer("5.00", "砂礫") + Layer("2.00", "埋土") + Layer("8.00", "泥岩"),
       "",
       {"砂礫", "埋土", "泥岩"},
       "out of order",
       24},
      {"only_ranges",
       "$S3\n" + Row("1.00", "CL") + Row("2.00", "～") + Row("3.00", "CH"),
       "",
       {"CL～CH"},
       "",
       24},
      {"boring_300m",
       "$A3\n" + Layer("100.00", "砂礫") + Layer("200.00", "泥岩") + Layer("300.00", "凝灰岩"),
       "",
       {"300", "凝灰岩"},
       "",
       300},
      // Characters that XML must escape, in a name the tables do not hold yet.
      {"escaped_new_name", "$A1\n" + Layer("3.00", "砂<&>'礫"), "", {"砂<&>'礫", "new"}, "", 24},
      // 12.5 typed as 125 in a boring of 20 m.
      {"typed_depth",
       Header("20.00") + "$A2\n" + Layer("5.00", "砂礫") + Layer("125", "泥岩"),
       "",
       {"泥岩"},
       "below the boring's length",
       125},
  };
  return cases;
}

class PreviewEndToEnd : public ::testing::TestWithParam<Case> {
 protected:
  PreviewEndToEnd() {
    fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
    fs::copy(test::SourceDir() + "/data/pattern", work / "pattern-real",
             fs::copy_options::recursive);
    fs::create_directories(work.path() / "program");
    fs::create_directories(work.path() / "src");
  }

  std::string Source(const Case& c) {
    const std::string path = work / ("src/" + std::string(c.name) + ".gdf");
    if (c.source.empty()) {
      fs::copy_file(test::SourceDir() + "/data/examples/" + c.example, path);
    } else {
      test::WriteCp932(path, c.source);
    }
    return path;
  }

  test::TempDir work;
  test::TempDir pictures;
};

TEST_P(PreviewEndToEnd, DrawsWhatTheRunWritesAndWritesNothingElse) {
  const Case& c = GetParam();
  const std::string source = Source(c);
  const Snapshot before = Take(work.path());
  const std::string svgPath = pictures / "p.svg";
  const auto preview = test::RunGdfconv({"preview", "--pattern-dir", work / "pattern",
                                         "--program-dir", work / "program", source, "-o", svgPath});
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  EXPECT_EQ(Take(work.path()), before) << "the preview wrote to the disk";
  EXPECT_EQ(fs::directory_iterator(pictures.path())->path().filename(), "p.svg");

  // The real run, on its own copy of the tables.
  const auto real =
      test::RunGdfconv({"convert", "--yes", "--quiet", "--pattern-dir", work / "pattern-real",
                        "--program-dir", work / "program", source, work / "real"});
  ASSERT_EQ(real.exitCode, 0) << real.err;

  const std::string svg = test::ReadBytes(svgPath);
  std::unique_ptr<Picture> picture;
  ASSERT_NO_THROW(picture = std::make_unique<Picture>(svg));
  EXPECT_EQ(picture->root.name, "svg");
  EXPECT_EQ(picture->root.Attribute("xmlns"), "http://www.w3.org/2000/svg");
  ExpectDrawnAsWritten(*picture, work.path() / "real");
  for (const std::string& text : c.drawn) {
    EXPECT_NE(picture->root.text.find(text), std::string::npos) << text;
  }
  const auto findings = picture->FindingTitles();
  if (!c.finding.empty()) {
    EXPECT_TRUE(std::any_of(findings.begin(), findings.end(), [&](const std::string& title) {
      return title.find(c.finding) != std::string::npos;
    })) << c.finding;
  } else {
    EXPECT_TRUE(findings.empty()) << findings.front();
  }
  // A4 pages (210 by 297 mm at 96 pixels to the inch), one under another, down to the deepest.
  EXPECT_NEAR(std::stod(picture->root.Attribute("width")), 793.7, 0.01);
  EXPECT_NEAR(std::stod(picture->root.Attribute("height")), 1122.52 * picture->pages.size(), 0.01);
  EXPECT_GE(picture->pages.back().foot, c.deepest);
}

INSTANTIATE_TEST_SUITE_P(Cases, PreviewEndToEnd, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A preview that cannot be made says why: usage errors before the run, a refused run in the
// picture and in the exit status.
TEST(PreviewCommand, RefusalsAndUsageErrors) {
  test::TempDir work;
  fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
  const std::string example = test::SourceDir() + "/data/examples/B-2.gdf";
  const std::string pattern = work / "pattern";
  struct {
    std::vector<std::string> args;
    int exitCode;
    const char* said;  // on stderr
  } cases[] = {
      {{"preview", "--pattern-dir", pattern, example}, 2, "expected -o FILE.svg"},
      {{"preview", "--pattern-dir", pattern, "-o", work / "a.svg"}, 2, "expected one SOURCE"},
      {{"preview", "--pattern-dir", pattern, example, "-o", work / "no/such/a.svg"},
       2,
       "cannot be written"},
      {{"preview", "--pattern-dir", pattern, "--frobnicate", example, "-o", work / "a.svg"},
       2,
       "unknown option"},
      {{"preview", "--pattern-dir", pattern, "--scale", "1:300", example, "-o", work / "a.svg"},
       2,
       "--scale needs 1:100 or 1:200"},
      {{"preview", "--pattern-dir", pattern, work / "missing.gdf", "-o", work / "m.svg"}, 1, ""},
      // A count that would take in the next section's tag line: the run it draws stops there.
      {{"preview", "--pattern-dir", pattern, work / "short.gdf", "-o", work / "s.svg"},
       3,
       "the run would fail: $A line 11: The count 2 of $A would take in line 11"},
  };
  test::WriteCp932(work / "short.gdf", "$A2\n1.0\n砂\n\n\n\n\n\n\n\n$S1\n");
  for (const auto& c : cases) {
    const auto result = test::RunGdfconv(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.args.back();
    EXPECT_NE(result.err.find(c.said), std::string::npos) << result.err;
  }
  EXPECT_FALSE(test::Exists(work / "a.svg"));
  const std::string refused = test::ReadBytes(work / "m.svg");
  EXPECT_NE(refused.find("refused: "), std::string::npos);
  ASSERT_NO_THROW(test::ParseXml(refused));
}

// A real run with --preview draws from the files on disk exactly the picture that the preview
// draws from the overlay.
TEST(PreviewConvert, RealRunDrawsTheSamePictureAsThePreview) {
  test::TempDir work;
  fs::copy(test::SourceDir() + "/data/pattern", work / "a", fs::copy_options::recursive);
  fs::copy(test::SourceDir() + "/data/pattern", work / "b", fs::copy_options::recursive);
  fs::create_directories(work.path() / "program");
  const std::string source = test::SourceDir() + "/data/examples/B-1.gdf";
  const auto preview = test::RunGdfconv({"preview", "--pattern-dir", work / "a", "--program-dir",
                                         work / "program", source, "-o", work / "preview.svg"});
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  const auto convert =
      test::RunGdfconv({"convert", "--yes", "--pattern-dir", work / "b", "--program-dir",
                        work / "program", "--preview", work / "convert.svg", source, work / "out"});
  ASSERT_EQ(convert.exitCode, 0) << convert.err;
  EXPECT_TRUE(test::Exists(work / "out/X1.TXT"));
  EXPECT_EQ(test::ReadBytes(work / "convert.svg"), test::ReadBytes(work / "preview.svg"));
  // The preview's tables are as they were; the real run's grew.
  EXPECT_EQ(Take(work.path() / "a"), Take(test::SourceDir() + "/data/pattern"));
  EXPECT_NE(Take(work.path() / "b"), Take(test::SourceDir() + "/data/pattern"));
}

// Each file of a batch gets a picture, and the index shows each outcome above its picture.
TEST(PreviewBatch, IndexShowsEveryOutcomeAbovePicture) {
  test::TempDir work;
  fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
  fs::create_directories(work.path() / "program");
  fs::create_directories(work.path() / "src");
  fs::copy(test::SourceDir() + "/data/examples", work / "src", fs::copy_options::recursive);
  test::WriteCp932(work / "src/short.gdf", "$A2\n" + Layer("1.00", "砂礫") + "2.00\n");
  const auto batch =
      test::RunGdfconv({"batch", "--quiet", "--yes", "--pattern-dir", work / "pattern",
                        "--program-dir", work / "program", "--target-root", work / "out",
                        "--preview-dir", work / "pictures", work / "src"});
  EXPECT_EQ(batch.exitCode, 3) << batch.err;
  const std::string index = test::ReadBytes(work / "pictures/index.html");
  for (const auto& [name, outcome] : {std::pair{"B-1", "converted"}, std::pair{"B-2", "converted"},
                                      std::pair{"short", "failed"}}) {
    const std::size_t heading = index.find(std::string("<h2>") + name + ".gdf</h2>");
    ASSERT_NE(heading, std::string::npos) << name;
    const std::size_t said = index.find(std::string("outcome ") + outcome, heading);
    const std::size_t image = index.find(std::string("<img src=\"") + name + ".svg\"", heading);
    EXPECT_LT(said, image) << name;
    EXPECT_EQ(index.find("<h2>", heading + 1) > image, true) << name;
    ASSERT_NO_THROW(Picture(test::ReadBytes(work / ("pictures/" + std::string(name) + ".svg"))))
        << name;
  }
  // The failed file's picture shows the layer written before the failure... none: X1.TXT is
  // written after all records are read, so its picture has no column, and says why.
  EXPECT_NE(test::ReadBytes(work / "pictures/short.svg").find("failed: "), std::string::npos);
}

}  // namespace
}  // namespace gdf
