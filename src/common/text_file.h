// text_file.h - Line-oriented text files: a file's bytes split into lines, and a reader that
// takes whole lines and comma-separated fields from it.
//
// A line ends at CR LF, and also at a lone LF or a lone CR; a last line without a line end is
// a line. The bytes are kept as read and each line is decoded from code page 932 when it is
// read, so that a large source file is held once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/errors.h"
#include "text/text.h"

namespace gdf {

class FileSystem;

/// A file's content split into lines.
class LineFile {
 public:
  LineFile() = default;
  /// Splits `bytes` into lines; `name` names the file in messages.
  LineFile(std::string bytes, Text name);

  std::size_t LineCount() const { return starts_.size(); }
  /// Whether the last line ends with a line end.
  bool LastLineTerminated() const { return lastTerminated_; }
  /// The bytes of line `index` (0-based), without its line end.
  std::string_view LineBytes(std::size_t index) const;
  /// Line `index` (0-based) decoded; bytes that are not code page 932 become U+FFFD.
  Text Line(std::size_t index) const;
  /// Line `index` decoded into `out`, whose storage is reused.
  void DecodeLine(std::size_t index, Text& out) const;
  /// The first line that begins with the ASCII text `prefix`, or nothing. The lines that begin
  /// with "$" (every tag) are indexed when the file is split, so searches for tags are quick.
  std::optional<std::size_t> FirstLineStartingWith(std::string_view prefix) const;
  /// Whether line `index` begins with the ASCII text `prefix` (compared on the bytes).
  bool LineStartsWith(std::size_t index, std::string_view prefix) const;
  /// The 0-based lines whose first byte is "$", in order.
  const std::vector<std::uint32_t>& DollarLines() const { return dollarLines_; }
  const Text& Name() const { return name_; }
  const std::string& Bytes() const { return bytes_; }

  /// Checks that every byte is code page 932. On failure gives the 0-based line and the byte
  /// offset in the file of the first bad byte.
  bool Validate(std::size_t& badLine, std::size_t& badOffset) const;

 private:
  std::size_t LineEnd(std::size_t index) const;

  std::string bytes_;
  std::vector<std::uint32_t> starts_;  // byte offset of each line
  bool lastTerminated_ = false;
  Text name_;
  std::vector<std::uint32_t> dollarLines_;  // the lines whose first byte is "$"
  std::size_t firstBad_ = kAllValid;        // offset of the first byte that is not code page 932
  static constexpr std::size_t kAllValid = static_cast<std::size_t>(-1);
};

/// The 0-based line of the first multi-byte character when the whole file is valid UTF-8 and
/// holds one: a file saved as UTF-8 rather than code page 932.
std::optional<std::size_t> Utf8Line(const LineFile& file);

/// Throws the encoding error of a file whose bytes are not code page 932: for a UTF-8 file, at
/// its first line with a multi-byte character (earlier lines would read as something else);
/// otherwise at the first byte that is not.
[[noreturn]] void ThrowNotCodePage932(const LineFile& file, std::size_t badLine,
                                      std::size_t badOffset);

/// Reads a file whole through the file system; throws the run's cannot-open error when it
/// cannot, or the encoding error when its bytes are not code page 932.
LineFile LoadLineFile(const FileSystem& fs, TextView path);

/// Whole-line and field reads over a LineFile, from a position on.
class TextReader {
 public:
  explicit TextReader(const LineFile& file, std::size_t firstLine = 0);

  /// True when no further line can be read.
  bool AtEnd() const;
  /// The rest of the current line; throws the read-past-end error at the end of the file.
  Text ReadLine();
  /// One field: leading blanks skipped; a field in double quotes runs to the closing quote;
  /// otherwise to the next comma or line end, trailing blanks removed. The comma or line end
  /// that ends it is consumed. Throws the read-past-end error at the end of the file.
  Text ReadField();
  /// Passes over lines that are empty or hold only blanks, when at the start of a line.
  void SkipBlankLines();
  /// 1-based number of the line that the next read starts on.
  std::size_t LineNumber() const { return line_ + 1; }
  /// 1-based number of the line that the last read ended on.
  std::size_t LastLineNumber() const { return lastLine_ + 1; }
  const LineFile& File() const { return *file_; }

  /// Makes line `line` (0-based) a line that no read may take in: a read that would start on it
  /// throws `failure` instead, as a read past the end of the file throws its own error.
  void StopBefore(std::size_t line, RunFailure failure);
  /// A copy that reads on past that line, to look at what stands beyond the run's reading.
  TextReader WithoutStop() const {
    TextReader copy = *this;
    copy.stopFailure_.reset();
    return copy;
  }

 private:
  const Text& Current();
  [[noreturn]] void ThrowPastEnd() const;
  // Throws the error of a read that cannot start where the reader stands.
  void CheckCanRead() const;

  const LineFile* file_;
  std::size_t line_;        // current line index
  std::size_t column_ = 0;  // position within the current line, in characters
  std::size_t lastLine_ = 0;
  bool afterComma_ = false;  // the last field read ended at a comma
  std::size_t cachedLine_ = static_cast<std::size_t>(-1);
  Text cached_;
  std::size_t stopLine_ = static_cast<std::size_t>(-1);  // no read may start on it
  std::optional<RunFailure> stopFailure_;                // what such a read throws
};

/// Whether the field read would give `text` back unchanged from a plain (unquoted) field.
bool ReadsBackPlain(TextView text);

}  // namespace gdf
