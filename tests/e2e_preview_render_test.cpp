// e2e_preview_render_test.cpp - Show that a real browser draws the preview: Debian's headless
// chromium renders the picture of a bundled example to a PNG, and every A4 page of it holds its
// part of the picture (many pixels that are not white, dark ones of texts and lines, the colours
// of the bands), not an empty page.
//
// Skipped, saying so, where chromium is not installed (./dev test installs it).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/mini_xml.h"
#include "support/test_support.h"

#ifdef GDFCONV_HAVE_ZLIB
#include <zlib.h>
#endif

namespace gdf {
namespace {

namespace fs = std::filesystem;

std::string FindChromium() {
  if (const char* given = std::getenv("GDFCONV_CHROMIUM")) return given;
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    const std::size_t end = folders.find(':', start);
    const std::string folder = folders.substr(start, end == std::string::npos ? end : end - start);
    for (const char* name : {"chromium", "chromium-browser"}) {
      const fs::path candidate = fs::path(folder) / name;
      if (!folder.empty() && fs::exists(candidate)) return candidate.string();
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return {};
}

struct Image {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> rgb;  // 3 bytes a pixel
};

#ifdef GDFCONV_HAVE_ZLIB
std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
  return (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

// Decodes an 8-bit RGB or RGBA PNG without interlace, as chromium writes its screenshots.
Image DecodePng(const std::string& bytes) {
  if (bytes.size() < 8 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) {
    throw std::runtime_error("not a PNG");
  }
  Image image;
  int channels = 0;
  std::string compressed;
  for (std::size_t at = 8; at + 8 <= bytes.size();) {
    const std::uint32_t length = BigEndian(bytes, at);
    const std::string type = bytes.substr(at + 4, 4);
    if (at + 12 + length > bytes.size()) throw std::runtime_error("PNG chunk runs past the end");
    const std::string data = bytes.substr(at + 8, length);
    if (type == "IHDR") {
      image.width = BigEndian(data, 0);
      image.height = BigEndian(data, 4);
      if (data[8] != 8 || data[12] != 0) throw std::runtime_error("PNG not 8-bit or interlaced");
      channels = data[9] == 2 ? 3 : data[9] == 6 ? 4 : 0;
      if (channels == 0) throw std::runtime_error("PNG colour type not RGB or RGBA");
    } else if (type == "IDAT") {
      compressed += data;
    }
    at += 12 + length;
  }
  const std::size_t stride = static_cast<std::size_t>(image.width) * channels;
  std::vector<std::uint8_t> raw((stride + 1) * image.height);
  uLongf size = raw.size();
  if (uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(compressed.data()),
                 compressed.size()) != Z_OK ||
      size != raw.size()) {
    throw std::runtime_error("PNG data does not inflate");
  }
  std::vector<std::uint8_t> previous(stride, 0);
  std::vector<std::uint8_t> row(stride);
  image.rgb.reserve(static_cast<std::size_t>(image.width) * image.height * 3);
  for (std::uint32_t y = 0; y < image.height; ++y) {
    const std::uint8_t* line = &raw[y * (stride + 1)];
    const int filter = line[0];
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= static_cast<std::size_t>(channels) ? row[i - channels] : 0;
      const int b = previous[i];
      const int c = i >= static_cast<std::size_t>(channels) ? previous[i - channels] : 0;
      int predictor = 0;
      switch (filter) {
        case 1:
          predictor = a;
          break;
        case 2:
          predictor = b;
          break;
        case 3:
          predictor = (a + b) / 2;
          break;
        case 4: {
          const int p = a + b - c;
          const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
          predictor = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
          break;
        }
        default:
          break;
      }
      row[i] = static_cast<std::uint8_t>(line[i + 1] + predictor);
    }
    for (std::uint32_t x = 0; x < image.width; ++x) {
      for (int k = 0; k < 3; ++k) image.rgb.push_back(row[x * channels + k]);
    }
    previous = row;
  }
  return image;
}
#endif

TEST(PreviewRender, ChromiumDrawsThePicture) {
  const std::string chromium = FindChromium();
  if (chromium.empty()) {
    GTEST_SKIP() << "chromium is not installed (apt-get install chromium, or ./dev test): the "
                    "preview was not rendered in a browser";
  }
#ifndef GDFCONV_HAVE_ZLIB
  GTEST_SKIP() << "zlib was not found when the tests were built: the PNG cannot be read";
#else
  test::TempDir work;
  fs::copy(test::SourceDir() + "/data/pattern", work / "pattern", fs::copy_options::recursive);
  fs::create_directories(work.path() / "profile");
  const auto preview =
      test::RunGdfconv({"preview", "--pattern-dir", work / "pattern",
                        test::SourceDir() + "/data/examples/B-1.gdf", "-o", work / "b1.svg"});
  ASSERT_EQ(preview.exitCode, 0) << preview.err;
  const test::XmlElement svg = test::ParseXml(test::ReadBytes(work / "b1.svg"));
  // The page is A4 at 96 pixels to the inch, in pixels that are not whole.
  const std::string width = std::to_string(std::lround(std::stod(svg.Attribute("width"))));
  const std::string height = std::to_string(std::lround(std::stod(svg.Attribute("height"))));
  const int pages = std::stoi(svg.Attribute("data-pages"));
  ASSERT_EQ(pages, 2) << "B-1's columns take two pages side by side";

  const std::string command =
      "cd '" + work.path().string() + "' && timeout 120 '" + chromium +
      "' --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
      "--disable-background-networking --disable-component-update --disable-sync "
      "--user-data-dir='" +
      (work / "profile") + "' --screenshot='" + (work / "b1.png") + "' --window-size=" + width +
      "," + height + " '" + (work / "b1.svg") + "' >'" + (work / "chromium.log") + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << test::ReadBytes(work / "chromium.log");
  const Image image = DecodePng(test::ReadBytes(work / "b1.png"));
  EXPECT_EQ(std::to_string(image.width), width);
  std::set<std::uint32_t> colours;
  for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3) {
    colours.insert((image.rgb[i] << 16) | (image.rgb[i + 1] << 8) | image.rgb[i + 2]);
  }
  EXPECT_GT(colours.size(), 50u) << "the rendered picture has hardly any colours";
  // The fill of a table name's band ("#dcc9a6", the first layer of B-1) is on the page.
  EXPECT_EQ(colours.count(0xDCC9A6), 1u);
  // Every page carries ink: pixels that are not white, and dark ones of its texts and lines.
  const double pageHeight = 297 / 25.4 * 96;
  for (int page = 0; page < pages; ++page) {
    const auto first = static_cast<std::uint32_t>(std::lround(page * pageHeight));
    const auto last =
        std::min(image.height, static_cast<std::uint32_t>(std::lround((page + 1) * pageHeight)));
    std::size_t inked = 0;
    std::size_t dark = 0;
    for (std::uint32_t y = first; y < last; ++y) {
      for (std::uint32_t x = 0; x < image.width; ++x) {
        const std::uint8_t* rgb = &image.rgb[(static_cast<std::size_t>(y) * image.width + x) * 3];
        if (rgb[0] != 0xFF || rgb[1] != 0xFF || rgb[2] != 0xFF) ++inked;
        if (rgb[0] < 0x80 && rgb[1] < 0x80 && rgb[2] < 0x80) ++dark;
      }
    }
    const std::size_t pixels = static_cast<std::size_t>(image.width) * (last - first);
    EXPECT_GT(inked, pixels / 10) << "page " << page + 1 << " is (nearly) blank";
    EXPECT_GT(dark, pixels / 400) << "page " << page + 1 << " has (nearly) no text";
  }
#endif
}

}  // namespace
}  // namespace gdf
