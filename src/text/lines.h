// lines.h - Bytes split into lines as every reader of this system splits them: CR LF, LF or CR
// ends a line, and a last line without a line end is a line too. (The source reader, LineFile,
// splits by the same rule in the one pass that also checks the code page.)
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace gdf {

/// One line of bytes.
struct Line {
  std::string_view content;  ///< the line without its line end
  std::string_view end;      ///< "\r\n", "\n" or "\r"; empty for a last line without one
};

/// The lines of `bytes`, in order.
std::vector<Line> SplitLines(std::string_view bytes);
/// How many lines `bytes` holds.
std::int32_t CountLines(std::string_view bytes);
/// The first line of `bytes`, without its line end.
std::string_view FirstLine(std::string_view bytes);
/// Whether a line holds nothing but blanks (U+0020), or nothing at all.
bool IsBlankLine(std::string_view content);

}  // namespace gdf
