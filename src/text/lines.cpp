// lines.cpp - The line rule over bytes.
#include "text/lines.h"

namespace gdf {
namespace {

// The line that begins at `start`, and where the next one begins.
Line LineAt(std::string_view bytes, std::size_t start, std::size_t& next) {
  const std::size_t stop = bytes.find_first_of("\r\n", start);
  if (stop == std::string_view::npos) {
    next = bytes.size();
    return {bytes.substr(start), {}};
  }
  const bool crlf = bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n';
  next = stop + (crlf ? 2 : 1);
  return {bytes.substr(start, stop - start), bytes.substr(stop, next - stop)};
}

}  // namespace

std::vector<Line> SplitLines(std::string_view bytes) {
  std::vector<Line> lines;
  for (std::size_t at = 0; at < bytes.size();) lines.push_back(LineAt(bytes, at, at));
  return lines;
}

std::int32_t CountLines(std::string_view bytes) {
  std::int32_t count = 0;
  for (std::size_t at = 0; at < bytes.size(); ++count) LineAt(bytes, at, at);
  return count;
}

std::string_view FirstLine(std::string_view bytes) {
  std::size_t next = 0;
  return LineAt(bytes, 0, next).content;
}

bool IsBlankLine(std::string_view content) {
  return content.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace gdf
