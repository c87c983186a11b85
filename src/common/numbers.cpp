// numbers.cpp - Numeric test, Single conversion, Str and CStr forms, rounding and counters.
#include "common/numbers.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>
#include <system_error>

#include "common/errors.h"
#include "text/letter_case.h"

namespace gdf {
namespace {

// Whether a plain ASCII number ("-1234.5E3", at least one digit) is 1 or more in magnitude.
// Decides what a result beyond the range of the type was: an overflow, or an underflow.
bool MagnitudeAtLeastOne(const std::string& ascii) {
  std::size_t i = ascii[0] == '-' ? 1 : 0;
  long long scale = 0;  // the value lies in [10^(scale-1), 10^scale) before the exponent
  bool seenDot = false;
  bool significant = false;
  for (; i < ascii.size() && ascii[i] != 'E'; ++i) {
    const char c = ascii[i];
    if (c == '.') {
      seenDot = true;
    } else if (!significant && c == '0') {
      if (seenDot) --scale;  // a zero between the point and the first significant digit
    } else {
      significant = true;
      if (!seenDot) ++scale;  // a significant digit of the integer part
    }
  }
  if (!significant) return false;  // zero
  long long exponent = 0;
  bool negative = false;
  if (i < ascii.size()) {
    ++i;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
    for (; i < ascii.size(); ++i) {
      if (exponent < 1000000) exponent = exponent * 10 + (ascii[i] - '0');
    }
  }
  return scale + (negative ? -exponent : exponent) >= 1;
}

// The value of a plain ASCII number, correctly rounded to T (one rounding, whatever the process
// locale). Beyond the range of T it is an overflow (nothing); below it, a zero of the number's
// sign.
template <typename T>
std::optional<T> Parse(const std::string& ascii) {
  T value{};
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (MagnitudeAtLeastOne(ascii)) return std::nullopt;
    return ascii[0] == '-' ? -T{0} : T{0};
  }
  if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) {
    throw std::logic_error("not a plain number: " + ascii);  // the scanners hand over no other
  }
  return value;
}

// Scans numeric text into a plain ASCII number ("-1234.5E3"); nothing when not numeric.
std::optional<std::string> Normalise(TextView text) {
  std::size_t i = 0;
  std::size_t end = text.size();
  while (i < end && text[i] == u' ') ++i;
  while (end > i && text[end - 1] == u' ') --end;
  if (i == end) return std::nullopt;
  std::string out;
  if (text[i] == u'+' || text[i] == u'-') {
    if (text[i] == u'-') out.push_back('-');
    ++i;
  }
  bool digits = false;
  bool lastWasDigit = false;
  while (i < end && ((text[i] >= u'0' && text[i] <= u'9') || text[i] == u',')) {
    if (text[i] == u',') {
      if (!lastWasDigit) return std::nullopt;  // grouping only between digits
      lastWasDigit = false;
    } else {
      out.push_back(static_cast<char>(text[i]));
      digits = true;
      lastWasDigit = true;
    }
    ++i;
  }
  if (digits && !lastWasDigit) return std::nullopt;  // a trailing ","
  if (i < end && text[i] == u'.') {
    out.push_back('.');
    ++i;
    while (i < end && text[i] >= u'0' && text[i] <= u'9') {
      out.push_back(static_cast<char>(text[i]));
      digits = true;
      ++i;
    }
  }
  if (!digits) return std::nullopt;
  if (i < end && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
    out.push_back('E');
    ++i;
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
      out.push_back(static_cast<char>(text[i]));
      ++i;
    }
    bool expDigits = false;
    while (i < end && text[i] >= u'0' && text[i] <= u'9') {
      out.push_back(static_cast<char>(text[i]));
      expDigits = true;
      ++i;
    }
    if (!expDigits) return std::nullopt;
  }
  if (i != end) return std::nullopt;
  return out;
}

// The shortest of fixed and exponent form with `precision` significant digits, exponent letter
// upper case ("1.234568E+07"), whatever the process locale; the leading 0 of a fraction removed
// in the Str form.
Text Format(double magnitude, int precision, bool negative, bool strForm) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::general, precision);
  std::string digits = AsciiUpper(std::string(buffer, result.ptr));
  if (strForm && digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  std::string out;
  if (negative) {
    out.push_back('-');
  } else if (strForm) {
    out.push_back(' ');
  }
  out += digits;
  return FromAscii(out);
}

Text FormSingle(float value, bool strForm) {
  if (value == 0.0f) value = 0.0f;  // -0 prints as 0
  return Format(std::fabs(static_cast<double>(value)), 7, value < 0.0f, strForm);
}

Text FormDouble(double value, bool strForm) {
  if (value == 0.0) value = 0.0;
  return Format(std::fabs(value), 15, value < 0.0, strForm);
}

}  // namespace

bool IsNumeric(TextView text) { return Normalise(text).has_value(); }

std::optional<float> ToSingle(TextView text) {
  const auto ascii = Normalise(text);
  if (!ascii) return std::nullopt;
  const auto value = Parse<float>(*ascii);
  if (!value) {
    throw RunError(FailureKind::kOverflow, Say(MessageId::kOverflowSingle, {Text(text)}));
  }
  return value;
}

std::optional<double> ToDouble(TextView text) {
  const auto ascii = Normalise(text);
  if (!ascii) return std::nullopt;
  const auto value = Parse<double>(*ascii);
  if (!value) {
    throw RunError(FailureKind::kOverflow, Say(MessageId::kOverflowDouble, {Text(text)}));
  }
  return value;
}

double LeadingValue(TextView text) {
  // Collect the characters of the leading number, skipping blanks, tabs and line feeds.
  std::string ascii;
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n')) ++i;
  };
  const auto isDigit = [&] { return i < text.size() && text[i] >= u'0' && text[i] <= u'9'; };
  skipBlanks();
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') ascii.push_back('-');
    ++i;
  }
  bool digits = false;
  for (skipBlanks(); isDigit(); skipBlanks()) {
    ascii.push_back(static_cast<char>(text[i++]));
    digits = true;
  }
  if (i < text.size() && text[i] == u'.') {
    ascii.push_back('.');
    ++i;
    for (skipBlanks(); isDigit(); skipBlanks()) {
      ascii.push_back(static_cast<char>(text[i++]));
      digits = true;
    }
  }
  if (!digits) return 0.0;
  if (i < text.size() &&
      (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
    std::string exponent = "E";
    std::size_t save = i++;
    skipBlanks();
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
      exponent.push_back(static_cast<char>(text[i++]));
    }
    bool expDigits = false;
    for (skipBlanks(); isDigit(); skipBlanks()) {
      exponent.push_back(static_cast<char>(text[i++]));
      expDigits = true;
    }
    if (expDigits) {
      ascii += exponent;
    } else {
      i = save;
    }
  }
  const auto value = Parse<double>(ascii);
  if (!value) {
    throw RunError(FailureKind::kOverflow, Say(MessageId::kOverflowLeadingNumber, {Text(text)}));
  }
  return *value;
}

Text StrForm(float value) { return FormSingle(value, true); }
Text StrForm(double value) { return FormDouble(value, true); }
Text CStrForm(float value) { return FormSingle(value, false); }
Text CStrForm(double value) { return FormDouble(value, false); }

Text StrForm(int value) {
  std::string s = std::to_string(value);
  if (value >= 0) s.insert(s.begin(), ' ');
  return FromAscii(s);
}
Text StrForm(std::int16_t value) { return StrForm(static_cast<int>(value)); }

Text WithoutLeadingBlank(Text strForm) {
  if (!strForm.empty() && strForm.front() == u' ') strForm.erase(0, 1);
  return strForm;
}

double Truncate(double value) { return std::trunc(value); }

std::int16_t ToInt16(double value) {
  if (std::isnan(value)) ThrowOverflow(MessageId::kWhatNotANumber);
  const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
  if (rounded < -32768.0 || rounded > 32767.0) ThrowOverflow(MessageId::kWhatNumber);
  return static_cast<std::int16_t>(rounded);
}

void Increment16(std::int16_t& counter, int step) {
  const int next = counter + step;
  if (next > 32767 || next < -32768) ThrowOverflow(MessageId::kWhatCounter);
  counter = static_cast<std::int16_t>(next);
}

std::int16_t CheckedInt16(long long value, MessageId what) {
  if (value > 32767 || value < -32768) ThrowOverflow(what);
  return static_cast<std::int16_t>(value);
}

}  // namespace gdf
