// bench_source_read.cpp - Reads a source data file as a run does before it writes anything: the
// whole file, its code page 932 check, and the search for every tag. For timing whole-process.
#include <cstdio>

#include "common/platform.h"

#include "common/text_file.h"
#include "run/source_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_source_read FILE\n");
    return 2;
  }
  gdf::PosixFileSystem fs({});
  std::string error;
  auto bytes = fs.ReadAll(fs.FromHost(argv[1]).value_or(gdf::Text()), error);
  if (!bytes) {
    std::fprintf(stderr, "bench_source_read: %s\n", error.c_str());
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
  std::printf("%zu lines, %s, %d tags found\n", file.LineCount(), valid ? "valid" : "invalid",
              found);
  return 0;
}
