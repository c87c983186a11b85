// mini_json.cpp - A recursive-descent JSON reader with strict string escapes.
#include "support/mini_json.h"

#include <cstdlib>
#include <stdexcept>

namespace gdf::test {
namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  Json Document() {
    Json value = Value();
    Blanks();
    if (pos_ != text_.size()) Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos_));
  }
  void Blanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\t')) {
      ++pos_;
    }
  }
  void Expect(char c) {
    Blanks();
    if (pos_ >= text_.size() || text_[pos_] != c) Fail(std::string("expected '") + c + "'");
    ++pos_;
  }
  bool Literal(const char* word) {
    const std::string w(word);
    if (text_.compare(pos_, w.size(), w) != 0) return false;
    pos_ += w.size();
    return true;
  }

  Json Value() {
    Blanks();
    if (pos_ >= text_.size()) Fail("no value");
    Json value;
    const char c = text_[pos_];
    if (c == '{') {
      value.kind = Json::Kind::kObject;
      ++pos_;
      Blanks();
      if (pos_ < text_.size() && text_[pos_] == '}') {
        ++pos_;
        return value;
      }
      for (;;) {
        Blanks();
        const std::string key = String();
        Expect(':');
        if (!value.members.emplace(key, Value()).second) Fail("a repeated key " + key);
        Blanks();
        if (pos_ < text_.size() && text_[pos_] == ',') {
          ++pos_;
          continue;
        }
        Expect('}');
        return value;
      }
    }
    if (c == '[') {
      value.kind = Json::Kind::kArray;
      ++pos_;
      Blanks();
      if (pos_ < text_.size() && text_[pos_] == ']') {
        ++pos_;
        return value;
      }
      for (;;) {
        value.items.push_back(Value());
        Blanks();
        if (pos_ < text_.size() && text_[pos_] == ',') {
          ++pos_;
          continue;
        }
        Expect(']');
        return value;
      }
    }
    if (c == '"') {
      value.kind = Json::Kind::kString;
      value.string = String();
      return value;
    }
    if (Literal("null")) return value;
    if (Literal("true") || Literal("false")) {
      value.kind = Json::Kind::kBool;
      value.boolean = text_[pos_ - 1] == 'e' && text_[pos_ - 2] == 'u';
      return value;
    }
    const char* start = text_.c_str() + pos_;
    char* end = nullptr;
    value.number = std::strtod(start, &end);
    if (end == start || (c != '-' && (c < '0' || c > '9'))) Fail("a value");
    value.kind = Json::Kind::kNumber;
    pos_ += static_cast<std::size_t>(end - start);
    return value;
  }

  void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  std::string String() {
    Expect('"');
    std::string out;
    for (;;) {
      if (pos_ >= text_.size()) Fail("an unterminated string");
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) Fail("a raw control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) Fail("an unterminated escape");
      const char e = text_[pos_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u': {
          if (pos_ + 4 > text_.size()) Fail("a short \\u escape");
          const unsigned cp = static_cast<unsigned>(std::stoul(text_.substr(pos_, 4), nullptr, 16));
          pos_ += 4;
          AppendUtf8(out, cp);
          break;
        }
        default:
          Fail("an unknown escape");
      }
    }
  }

  const std::string& text_;
  std::size_t pos_ = 0;
};

}  // namespace

const Json& Json::operator[](const std::string& key) const {
  const auto found = members.find(key);
  if (kind != Kind::kObject || found == members.end()) {
    throw std::runtime_error("JSON: no member " + key);
  }
  return found->second;
}

const Json& Json::operator[](std::size_t index) const {
  if (kind != Kind::kArray || index >= items.size()) {
    throw std::runtime_error("JSON: no item " + std::to_string(index));
  }
  return items[index];
}

Json ParseJson(const std::string& text) { return Parser(text).Document(); }

}  // namespace gdf::test
