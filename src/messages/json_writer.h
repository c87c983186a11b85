// json_writer.h - A small writer of JSON text for the machine-readable reports: objects, arrays,
// strings, numbers and literals, indented two blanks a level.
//
// Strings are written as UTF-8 with the characters that JSON reserves escaped (the double quote,
// the backslash and every control character), so that any text of a run, a name from a table or
// a line of a damaged source file, reads back as it was.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace gdf {

class JsonWriter {
 public:
  /// Writes into `out`, which it appends to.
  explicit JsonWriter(std::string& out) : out_(out) {}

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  /// The key of the next member of the object being written.
  void Key(std::string_view key);

  void String(TextView text);
  void Utf8String(std::string_view utf8);
  void Number(std::int64_t value);
  /// A number with a fraction (null when it is not finite).
  void Real(double value);
  void Bool(bool value);
  void Null();

  /// Shorthands for a member: its key, then its value.
  void Member(std::string_view key, TextView text) {
    Key(key);
    String(text);
  }
  void Member(std::string_view key, std::int64_t value) {
    Key(key);
    Number(value);
  }
  void MemberBool(std::string_view key, bool value) {
    Key(key);
    Bool(value);
  }

 private:
  struct Level {
    bool isObject = false;
    bool empty = true;
  };
  void BeforeValue();
  void NewLine();
  void Close(char bracket);

  std::string& out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

/// `text` as a JSON string literal, with its quotes.
std::string JsonQuoted(std::string_view utf8);

}  // namespace gdf
