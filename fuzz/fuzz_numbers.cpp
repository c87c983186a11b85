// fuzz_numbers.cpp - NumericOrZero, the numeric test, the Str and CStr forms and the width and
// byte routines on arbitrary text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/cp932.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/routines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gdf;
  Text text;
  Cp932Decode(std::string(reinterpret_cast<const char*>(data), size), text);
  try {
    const float value = NumericOrZero(text);
    const Text str = StrForm(value);
    const Text cstr = CStrForm(value);
    // The forms are numbers again, and the CStr form reads back to the same Single value
    // within its seven digits.
    if (!IsNumeric(str) || !IsNumeric(cstr)) __builtin_trap();
    const float back = NumericOrZero(cstr);
    if (std::fabs(back - value) > std::fabs(value) * 1e-6f) __builtin_trap();
    (void)StrForm(static_cast<double>(value));
    (void)LeadingValue(text);
  } catch (const RunError& error) {
    if (error.failure().kind != FailureKind::kOverflow) __builtin_trap();
  }
  if (text.size() <= 32766) {
    (void)ToHalfWidth(ToFullWidth(text));
    (void)MidBytes(text, static_cast<std::int32_t>(size % 7), static_cast<std::int32_t>(size % 5));
    try {
      (void)ByteLen(text);
    } catch (const RunError&) {
    }
  }
  return 0;
}
