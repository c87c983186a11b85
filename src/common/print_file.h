// print_file.h - A text file written by print statements: items in code page 932, one after
// another, a line ended by CR LF. Output is buffered and reaches the file at the latest when
// the file is closed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "text/text.h"

namespace gdf {

class PrintFile {
 public:
  /// Opens `path` (created or emptied, or for appending); throws the run's cannot-write error.
  PrintFile(FileSystem& fs, Text path, OpenMode mode = OpenMode::kTruncate);
  PrintFile(const PrintFile&) = delete;
  PrintFile& operator=(const PrintFile&) = delete;
  /// Closes without reporting when Close was not called (after a failure).
  ~PrintFile();

  /// Writes an item and leaves the line open.
  void Print(TextView item);
  /// Writes an item and ends the line with CR LF.
  void PrintLine(TextView item = {});
  /// Writes what is buffered and closes the file; throws the run's cannot-write error.
  void Close();

  std::int32_t LinesWritten() const { return lines_; }
  std::int64_t BytesWritten() const { return bytes_; }
  const Text& Path() const { return path_; }

 private:
  void Flush();

  std::unique_ptr<OutputFile> file_;
  Text path_;
  std::string buffer_;
  std::int32_t lines_ = 0;
  std::int64_t bytes_ = 0;
};

/// Writes `bytes` to the end of a file in one write. When the write fails the file is cut back
/// to its size before, so it never keeps part of them. Throws the run's cannot-write error.
void AppendBytes(FileSystem& fs, TextView path, std::string_view bytes);

/// Whether the file is absent, empty, or its last byte is a line end (CR or LF).
bool EndsWithLineEnd(const std::string& content);

}  // namespace gdf
