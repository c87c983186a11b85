// table_file.cpp - Reading table entries and appending whole lines.
#include "tables/table_file.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/print_file.h"

namespace gdf {

LineFile LoadTable(const FileSystem& fs, TextView path) { return LoadLineFile(fs, path); }

std::vector<std::vector<Text>> ReadTableEntries(const LineFile& table, int fields) {
  std::vector<std::vector<Text>> entries;
  TextReader reader(table);
  for (reader.SkipBlankLines(); !reader.AtEnd(); reader.SkipBlankLines()) {
    std::vector<Text> entry;
    entry.reserve(static_cast<std::size_t>(fields));
    for (int f = 0; f < fields; ++f) entry.push_back(reader.ReadField());
    entries.push_back(std::move(entry));
  }
  return entries;
}

void AppendTableLine(FileSystem& fs, TextView path, TextView line, const std::string* content) {
  std::string bytes;
  std::string current;
  if (content == nullptr) {
    FileError error;
    if (auto read = fs.ReadAll(path, error)) current = std::move(*read);
    content = &current;
  }
  if (!EndsWithLineEnd(*content)) bytes += "\r\n";
  Cp932EncodeAppend(line, bytes);
  bytes += "\r\n";
  AppendBytes(fs, path, bytes);
}

}  // namespace gdf
