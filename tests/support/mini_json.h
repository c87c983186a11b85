// mini_json.h - A small JSON reader for the tests, so that the reports the program writes are
// read back by a parser that shares nothing with the writer.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gdf::test {

/// A parsed JSON value.
struct Json {
  enum class Kind { kNull, kBool, kNumber, kString, kArray, kObject };
  Kind kind = Kind::kNull;
  bool boolean = false;
  double number = 0;
  std::string string;  ///< UTF-8
  std::vector<Json> items;
  std::map<std::string, Json> members;

  /// The member `key` of an object; throws when there is none.
  const Json& operator[](const std::string& key) const;
  /// Item `index` of an array; throws when there is none.
  const Json& operator[](std::size_t index) const;
  bool IsNull() const { return kind == Kind::kNull; }
};

/// Parses a whole JSON text; throws std::runtime_error naming the offset of a fault.
Json ParseJson(const std::string& text);

}  // namespace gdf::test
