// fuzz_source.cpp - The source file reader and the section search on arbitrary bytes: every tag
// is searched and its body read line by line to the end.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/errors.h"
#include "common/text_file.h"
#include "sections/source_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gdf;
  const LineFile file(std::string(reinterpret_cast<const char*>(data), size), u"fuzz.gdf");
  std::size_t badLine = 0;
  std::size_t badOffset = 0;
  file.Validate(badLine, badOffset);
  for (const char* tag : {"$Z", "$A", "$S", "$W", "$C", "$K", "$O", "$U", "$B", "$H"}) {
    try {
      const SectionHeader header = FindSection(file, tag);
      TextReader reader(file, header.BodyLine(file));
      for (int i = 0; i < 64 && !reader.AtEnd(); ++i) reader.ReadLine();
    } catch (const RunError&) {
      // An overflowing count is a reported failure, not a fault.
    }
  }
  return 0;
}
