// numbers.h - Numbers to text and text to numbers, as every record layout writes and reads them.
//
// Values read from files are Single (32-bit float); counters are 16-bit and their overflow is
// an error. The Str form gives a non-negative number a leading blank and writes no 0 before
// the decimal point ([ .5]); the CStr form has neither ([0.5]). Single values show at most 7
// significant digits, Double values at most 15.
#pragma once

#include <cstdint>
#include <optional>

#include "messages/message_ids.h"
#include "text/text.h"

namespace gdf {

/// Numeric test: surrounding blanks ignored, optional sign, digit grouping with ",", optional
/// decimal point and exponent. Empty text is not numeric.
bool IsNumeric(TextView text);

/// Single conversion of numeric text (correctly rounded). Nothing when the text is not
/// numeric; throws the overflow error when the value is beyond the Single range.
std::optional<float> ToSingle(TextView text);

/// Double conversion of numeric text; throws the overflow error beyond the Double range.
std::optional<double> ToDouble(TextView text);

/// Leading-value conversion: the longest leading numeric part, blanks between its characters
/// ignored, a comma ends it; 0 when there is none.
double LeadingValue(TextView text);

/// Str form of a Single: [ 3], [ .5], [-.25], [ 12.5], [ 1.234568E+07].
Text StrForm(float value);
/// Str form of a Double (15 significant digits).
Text StrForm(double value);
/// CStr form of a Single: [3], [0.5], [-0.25].
Text CStrForm(float value);
/// CStr form of a Double.
Text CStrForm(double value);

/// Str form of a 16-bit counter ([ 1], [-3]).
Text StrForm(std::int16_t value);
Text StrForm(int value);

/// A Str form with its leading blank removed ([ 5] gives [5]; [-5] stays as it is).
Text WithoutLeadingBlank(Text strForm);

/// Truncation toward zero (-2.7 gives -2).
double Truncate(double value);

/// Integer conversion to 16 bits: nearest integer, halves to the even neighbour; throws the
/// overflow error outside -32768..32767.
std::int16_t ToInt16(double value);

/// Raises a 16-bit counter by `step`; throws the overflow error beyond 32 767.
void Increment16(std::int16_t& counter, int step = 1);

/// Checks that a count fits 16 bits; throws the overflow error otherwise.
std::int16_t CheckedInt16(long long value, MessageId what);

}  // namespace gdf
