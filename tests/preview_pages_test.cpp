// preview_pages_test.cpp - Show, through the binary, that the preview is a boring log that can be
// read and printed: no two texts overlap, measured from the SVG itself with the advance widths of
// the fonts (a full-width character is an em, any other at most 0.6 em... the picture lays them
// out wider still), on the examples and on borings crowded with readings, layers and notes; the
// columns are headed by what they hold in the user's language; notes break at their joints; and
// the pages are A4, as many as the depth and the scale need.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/mini_xml.h"
#include "support/test_support.h"
#include "text/text.h"

namespace gdf {
namespace {

namespace fs = std::filesystem;
using test::XmlElement;

constexpr double kA4Width = 210 / 25.4 * 96;
constexpr double kA4Height = 297 / 25.4 * 96;

struct Box {
  double left, right, top, bottom;
  std::string text;
};

double Number(const XmlElement& element, const std::string& attribute) {
  const std::string value = element.Attribute(attribute);
  return value.empty() ? 0 : std::stod(value);
}

// The box a line of text takes: its advance from x along its anchor, and the ascent (0.88 em) and
// descent (0.12 em) of the Japanese fonts about its baseline.
Box BoxOf(const std::string& utf8, double x, double y, double size, const std::string& anchor) {
  double ems = 0;
  for (const char16_t ch : FromUtf8(utf8)) {
    ems += (ch >= 0xFF61 && ch <= 0xFF9F) ? 0.5 : ch >= 0x0100 ? 1.0 : 0.6;
  }
  const double width = ems * size;
  const double left = anchor == "end" ? x - width : anchor == "middle" ? x - width / 2 : x;
  return {left, left + width, y - 0.88 * size, y + 0.12 * size, utf8};
}

// Every line of text of the picture: a text element, or each of its tspans.
std::vector<Box> TextBoxes(const XmlElement& root) {
  std::vector<const XmlElement*> texts;
  root.FindAll("text", texts);
  std::vector<Box> boxes;
  for (const XmlElement* text : texts) {
    const double size = Number(*text, "font-size");
    const std::string anchor = text->Attribute("text-anchor");
    if (text->children.empty()) {
      if (!text->text.empty()) {
        boxes.push_back(BoxOf(text->text, Number(*text, "x"), Number(*text, "y"), size, anchor));
      }
      continue;
    }
    for (const XmlElement& span : text->children) {
      if (span.text.empty()) continue;
      boxes.push_back(BoxOf(span.text, Number(span, "x"), Number(span, "y"), size, anchor));
    }
  }
  return boxes;
}

// The pairs of boxes that overlap, each said as its two texts.
std::vector<std::string> Overlaps(std::vector<Box> boxes) {
  std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.top < b.top; });
  std::vector<std::string> pairs;
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t j = i + 1; j < boxes.size() && boxes[j].top < boxes[i].bottom - 0.01; ++j) {
      const bool across =
          std::min(boxes[i].right, boxes[j].right) - std::max(boxes[i].left, boxes[j].left) > 0.01;
      if (across) pairs.push_back("[" + boxes[i].text + "] and [" + boxes[j].text + "]");
    }
  }
  return pairs;
}

// A depth as the source writes it: "12.50".
std::string Metres(double depth) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", depth);
  return text;
}

std::string Layer(double depth, const std::string& name) {
  return Metres(depth) + "\n" + name + "\n\n\nSG\n\n\n\n\n";
}

// A boring of layers of sand and gravel every 4 m down to `metres`, the last one at its foot.
std::string Boring(int metres) {
  std::string layers;
  int count = 0;
  for (int depth = 4; depth < metres; depth += 4, ++count) layers += Layer(depth, "砂礫");
  layers += Layer(metres, "泥岩");
  return "$A" + std::to_string(count + 1) + "\n" + layers;
}

// Water levels read day after day within a metre and a half, and the layers above them.
std::string DenseWaterLevels() {
  std::string source =
      "$A3\n" + Layer(1.2, "埋土") + Layer(2.5, "シルト混じり細砂") + Layer(6.0, "砂礫") + "$W30\n";
  for (int day = 0; day < 30; ++day) {
    source += "-" + Metres(2.0 + day * 0.05) + "," + std::to_string(5 + day / 28) + "/" +
              std::to_string(1 + day % 28) + "\n";
  }
  return source;
}

// Thin layers with long names, and notes of several joints at nearly the same depths.
std::string DenseLayersAndNotes() {
  std::string layers;
  for (int i = 1; i <= 20; ++i) layers += Layer(i * 0.2, "礫混じり粘土質砂");
  std::string notes;
  for (int i = 0; i < 12; ++i) {
    notes += Metres(i * 0.25) + "\n0\nGL-" + std::to_string(i) +
             "m付近で木片混入。\n細砂主体、シルトを混入する。\n\t\n";
  }
  return "$A20\n" + layers + "$K24\n" + notes;
}

class PreviewPages : public ::testing::Test {
 protected:
  PreviewPages() {
    fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
  }

  // The picture of `source` (UTF-8 text, or a bundled example's name).
  XmlElement Picture(const std::string& source, const std::string& lang = "C",
                     const std::vector<std::string>& options = {}) {
    std::string path = test::SourceDir() + "/data/examples/" + source;
    if (source.find('\n') != std::string::npos) {
      path = work / "source.gdf";
      test::WriteCp932(path, source);
    }
    std::vector<std::string> args = {"preview", "--pattern-dir", work / "pattern", path,
                                     "-o",      work / "p.svg"};
    args.insert(args.end(), options.begin(), options.end());
    const auto run = test::RunGdfconv(args, {}, -1, -1, lang);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return test::ParseXml(test::ReadBytes(work / "p.svg"));
  }

  test::TempDir work;
};

TEST_F(PreviewPages, NoTwoTextsOverlap) {
  const struct {
    const char* name;
    std::string source;
    const char* lang;
  } cases[] = {
      {"B-1", "B-1.gdf", "C"},
      {"B-1 in Japanese", "B-1.gdf", "ja_JP.UTF-8"},
      {"B-2", "B-2.gdf", "C"},
      {"B-2 in Japanese", "B-2.gdf", "ja_JP.UTF-8"},
      {"30 water levels within 1.5 m", DenseWaterLevels(), "ja_JP.UTF-8"},
      {"thin layers and notes", DenseLayersAndNotes(), "ja_JP.UTF-8"},
      {"80 m", Boring(80), "C"},
  };
  for (const auto& c : cases) {
    const XmlElement svg = Picture(c.source, c.lang);
    const std::vector<Box> boxes = TextBoxes(svg);
    EXPECT_GT(boxes.size(), 20u) << c.name;
    const std::vector<std::string> overlaps = Overlaps(boxes);
    EXPECT_TRUE(overlaps.empty()) << c.name << ": " << overlaps.size() << " overlaps, the first "
                                  << overlaps.front();
  }
}

// The words of the column headings of a page, each column's lines joined by a blank.
std::map<std::string, std::string> Headings(const XmlElement& svg) {
  std::vector<const XmlElement*> groups;
  svg.FindAll("g", groups);
  std::map<std::string, std::string> headings;
  for (const XmlElement* group : groups) {
    const std::string file = group->Attribute("data-file");
    if (file.empty() || headings.count(file) != 0) continue;
    std::string heading;
    for (const XmlElement& child : group->children) {
      if (child.name != "text" || child.Attribute("class") != "head") continue;
      heading += (heading.empty() ? "" : " ") + child.text;
    }
    headings[file] = heading;
  }
  return headings;
}

TEST_F(PreviewPages, ColumnsAreHeadedByWhatTheyHoldInTheUsersLanguage) {
  const struct {
    const char* file;
    const char* japanese;  // headings broken in two lines are joined by a blank
    const char* english;
  } headings[] = {
      {"X1.TXT", "土質名", "Soil and rock"},
      {"X3.TXT", "岩級区分", "Rock class"},
      {"N9.TXT", "孔内水位", "Water level"},
      {"X5.TXT", "標準貫入試験", "Standard penetration test"},
      {"X12.TXT", "記事", "Notes"},
      {"G73.TXT", "使用ビット", "Bit"},
  };
  const std::map<std::string, std::string> japanese = Headings(Picture("B-1.gdf", "ja_JP.UTF-8"));
  const std::map<std::string, std::string> english = Headings(Picture("B-1.gdf"));
  EXPECT_EQ(japanese.size(), 17u);
  for (const auto& h : headings) {
    ASSERT_EQ(japanese.count(h.file), 1u) << h.file;
    // A heading may break between words in English and anywhere in Japanese.
    std::string joined = japanese.at(h.file);
    joined.erase(std::remove(joined.begin(), joined.end(), ' '), joined.end());
    EXPECT_EQ(joined, h.japanese) << h.file;
    EXPECT_EQ(english.at(h.file), h.english) << h.file;
  }
  // Every column names its record file below its heading.
  const XmlElement svg = Picture("B-1.gdf");
  std::vector<const XmlElement*> texts;
  svg.FindAll("text", texts);
  for (const auto& h : headings) {
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const XmlElement* text) {
      return text->Attribute("class") == "file" && text->text == h.file;
    })) << h.file;
  }
}

TEST_F(PreviewPages, NotesBreakAtTheirJoints) {
  const XmlElement svg = Picture("B-1.gdf", "ja_JP.UTF-8");
  std::vector<const XmlElement*> groups;
  svg.FindAll("g", groups);
  std::vector<std::string> lines;
  for (const XmlElement* group : groups) {
    if (group->Attribute("data-file") != "X12.TXT") continue;
    std::vector<const XmlElement*> spans;
    group->FindAll("tspan", spans);
    for (const XmlElement* span : spans) lines.push_back(span->text);
  }
  ASSERT_GT(lines.size(), 10u);
  for (const std::string& line : lines) EXPECT_EQ(line.find('\\'), std::string::npos) << line;
  // Each part of "アスファルト舗装下の埋土。\φ5～30mmの砕石主体、ガラ混じる。" begins a line.
  for (const char* begins :
       {"アスファルト舗装下の埋土。", "φ5～30mmの砕石主体", "基質は中砂～粗砂。"}) {
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.rfind(begins, 0) == 0;
    })) << begins;
  }
}

TEST_F(PreviewPages, PagesAreA4AsManyAsTheDepthAndScaleNeed) {
  const struct {
    int metres;
    const char* scale;  // nullptr: the default
    int pages;
    double perPage;  // metres
  } cases[] = {
      {20, nullptr, 1, 24}, {24, nullptr, 1, 24}, {30, nullptr, 2, 24}, {80, nullptr, 4, 24},
      {20, "1:200", 1, 48}, {30, "1:200", 1, 48}, {80, "1:200", 2, 48},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.metres) + " m at " + (c.scale ? c.scale : "the default"));
    const XmlElement svg = Picture(
        Boring(c.metres), "C",
        c.scale ? std::vector<std::string>{"--scale", c.scale} : std::vector<std::string>{});
    EXPECT_NEAR(Number(svg, "width"), kA4Width, 0.01);
    EXPECT_NEAR(Number(svg, "height"), kA4Height * c.pages, 0.01);
    std::vector<const XmlElement*> groups;
    svg.FindAll("g", groups);
    std::vector<const XmlElement*> pages;
    int forms = 0;
    for (const XmlElement* group : groups) {
      if (group->Attribute("class") == "page") pages.push_back(group);
      if (group->Attribute("class") == "form") ++forms;
    }
    ASSERT_EQ(static_cast<int>(pages.size()), c.pages);
    EXPECT_EQ(forms, 1) << "the title block stands on the first page only";
    for (int i = 0; i < c.pages; ++i) {
      const XmlElement& page = *pages[i];
      EXPECT_DOUBLE_EQ(Number(page, "data-top"), i * c.perPage);
      EXPECT_DOUBLE_EQ(Number(page, "data-foot"), (i + 1) * c.perPage);
      // The scale holds: 1 m is 10 mm of paper at 1:100.
      EXPECT_NEAR(Number(page, "data-per-metre") * (c.perPage / 24), 1000.0 / 100 * 96 / 25.4,
                  1e-4);
      // Every page has its depth axis, labelled from the page's first metre.
      std::vector<const XmlElement*> texts;
      page.FindAll("text", texts);
      EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                              [&](const XmlElement* text) {
                                return text->Attribute("class") == "depth-label" &&
                                       text->text ==
                                           std::to_string(static_cast<int>(i * c.perPage));
                              }))
          << "page " << i + 1;
    }
    EXPECT_GE(Number(*pages.back(), "data-foot"), c.metres);
  }
}

}  // namespace
}  // namespace gdf
