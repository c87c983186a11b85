// routines.cpp - Common text and number routines.
#include "common/routines.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/utility_library.h"

namespace gdf {
namespace {

// Full-width katakana of the half-width letters U+FF66..U+FF9D.
constexpr char16_t kFullKatakana[] = {
    u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ', u'ョ', u'ッ', u'ー', u'ア',
    u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ', u'サ', u'シ', u'ス',
    u'セ', u'ソ', u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ', u'ネ', u'ノ',
    u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ', u'ユ',
    u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン'};
static_assert(std::size(kFullKatakana) == 0xFF9D - 0xFF66 + 1);

// The half-width form of a full-width katakana letter, 0 when it has none of its own.
char16_t HalfKatakana(char16_t ch) {
  for (std::size_t i = 0; i < std::size(kFullKatakana); ++i) {
    if (kFullKatakana[i] == ch && ch != u'ー') return static_cast<char16_t>(0xFF66 + i);
  }
  return 0;
}

bool TakesVoicedMark(char16_t base) {
  return (base >= u'カ' && base <= u'ト') || (base >= u'ハ' && base <= u'ホ');
}

void CheckLength(TextView text) {
  if (text.size() > 32766) ThrowOverflow(MessageId::kWhatTextLength);
}

}  // namespace

float NumericOrZero(TextView text) { return ToSingle(text).value_or(0.0f); }

Text ToFullWidth(TextView text) {
  CheckLength(text);
  Text out;
  out.reserve(text.size());
  for (const char16_t ch : text) {
    if (ch >= u'0' && ch <= u'Z') {
      out.push_back(static_cast<char16_t>(ch + 0xFEE0));
    } else if (ch >= 0xFF66 && ch <= 0xFF9D) {
      out.push_back(kFullKatakana[ch - 0xFF66]);
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

Text ToHalfWidth(TextView text) {
  CheckLength(text);
  Text out;
  out.reserve(text.size());
  for (const char16_t ch : text) {
    if (ch >= 0xFF10 && ch <= 0xFF3A) {
      out.push_back(static_cast<char16_t>(ch - 0xFEE0));
      continue;
    }
    if (ch >= u'ァ' && ch <= u'ン') {
      if (const char16_t half = HalfKatakana(ch)) {
        out.push_back(half);
        continue;
      }
      const char16_t voicedBase = static_cast<char16_t>(ch - 1);
      if (TakesVoicedMark(voicedBase) && HalfKatakana(voicedBase) != 0) {
        out.push_back(HalfKatakana(voicedBase));
        out.push_back(u'ﾞ');
        continue;
      }
      const char16_t semiVoicedBase = static_cast<char16_t>(ch - 2);
      if (semiVoicedBase >= u'ハ' && semiVoicedBase <= u'ホ' && HalfKatakana(semiVoicedBase) != 0) {
        out.push_back(HalfKatakana(semiVoicedBase));
        out.push_back(u'ﾟ');
        continue;
      }
    }
    out.push_back(ch);
  }
  return out;
}

std::int16_t ByteLen(TextView text) {
  return CheckedInt16(static_cast<long long>(Cp932ByteLength(text)), MessageId::kWhatByteLength);
}

Text MidBytes(TextView text, std::int32_t start, std::int32_t length) {
  Text out;
  if (start < 1 || length <= 0) return out;
  const long long first = start;  // byte positions counted from 1
  const long long last = first + length - 1;
  long long position = 1;
  for (const char16_t ch : text) {
    const int width = Cp932CharBytes(ch);
    const long long end = position + width - 1;
    if (position > last) break;
    if (position >= first && end <= last) out.push_back(ch);
    position = end + 1;
  }
  return out;
}

std::int16_t CountDelimiters(TextView text, TextView delimiters) {
  CheckLength(delimiters);
  std::int16_t count = 0;
  for (const char16_t d : delimiters) {
    Increment16(count, InCount(text, TextView(&d, 1)));
  }
  return count;
}

void SplitByDelimiters(TextView text, TextView delimiters, std::vector<Text>& pieces) {
  CheckLength(text);
  std::size_t index = 1;
  std::size_t pieceStart = 0;
  const auto store = [&](std::size_t end) {
    if (index >= pieces.size()) {
      throw RunError(FailureKind::kSubscript, Say(MessageId::kSubscriptOutOfRange));
    }
    pieces[index] = Text(text.substr(pieceStart, end - pieceStart));
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (delimiters.find(text[i]) != TextView::npos) {
      store(i);
      ++index;
      pieceStart = i + 1;
    }
  }
  store(text.size());
}

}  // namespace gdf
