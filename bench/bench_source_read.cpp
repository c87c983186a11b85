// bench_source_read.cpp - Reads a source data file as a run does before it writes anything: the
// whole file, its code page 932 check, and the search for every tag. With --decode-all it then
// decodes every line to UTF-16 as a reader of every section would. For timing whole-process.
#include <cstdio>
#include <string_view>

#include "common/text_file.h"
#include "platform/file_system.h"
#include "platform/host_file_system.h"
#include "sections/source_file.h"

int main(int argc, char** argv) {
  const bool decodeAll = argc == 3 && std::string_view(argv[1]) == "--decode-all";
  if (argc != 2 && !decodeAll) {
    std::fprintf(stderr, "usage: bench_source_read [--decode-all] FILE\n");
    return 2;
  }
  const char* path = argv[argc - 1];
  gdf::PosixFileSystem fs({});
  gdf::FileError error;
  auto bytes = fs.ReadAll(fs.FromHost(path).value_or(gdf::Text()), error);
  if (!bytes) {
    std::fprintf(stderr, "bench_source_read: %s\n", error.text.c_str());
    return 1;
  }
  const gdf::LineFile file(std::move(*bytes), u"source");
  std::size_t line = 0;
  std::size_t offset = 0;
  const bool valid = file.Validate(line, offset);
  int found = 0;
  for (const char* tag : {"$Z", "$A", "$S", "$W", "$C", "$K", "$O", "$U", "$B", "$H"}) {
    found += gdf::FindSection(file, tag).found ? 1 : 0;
  }
  std::size_t characters = 0;
  if (decodeAll) {
    gdf::TextReader reader(file);
    while (!reader.AtEnd()) characters += reader.ReadLine().size();
  }
  std::printf("%zu lines, %s, %d tags found, %zu characters decoded\n", file.LineCount(),
              valid ? "valid" : "invalid", found, characters);
  return 0;
}
