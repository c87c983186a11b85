// fuzz_fields.cpp - Whole-line and field reads on arbitrary bytes, in an order the first byte
// chooses, until the end of the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/errors.h"
#include "common/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gdf;
  if (size == 0) return 0;
  const unsigned pattern = data[0];
  const LineFile file(std::string(reinterpret_cast<const char*>(data + 1), size - 1), u"t");
  TextReader reader(file);
  try {
    for (unsigned step = 0; !reader.AtEnd(); ++step) {
      switch ((pattern >> (step % 4 * 2)) & 3u) {
        case 0:
          reader.ReadLine();
          break;
        case 1:
          reader.SkipBlankLines();
          if (!reader.AtEnd()) (void)ReadsBackPlain(reader.ReadField());
          break;
        default:
          reader.ReadField();
          break;
      }
    }
  } catch (const RunError& error) {
    // Reads past the end are reported failures; anything else is a fault.
    if (error.failure().kind != FailureKind::kReadPastEnd) __builtin_trap();
  }
  return 0;
}
