// mini_xml.h - A small, strict XML reader for the tests, so that the pictures the program writes
// are read back by a parser that shares nothing with the writer: it refuses a document that is
// not well-formed (unbalanced tags, a raw "<" or "&", an unknown entity, a second root).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gdf::test {

/// One element with its attributes and children.
struct XmlElement {
  std::string name;
  std::map<std::string, std::string> attributes;  ///< values with entities replaced
  std::vector<XmlElement> children;               ///< elements only, in document order
  std::string text;                               ///< the text of the element and its children
  /// The attribute `key`, or empty.
  std::string Attribute(const std::string& key) const;
  /// Every element below this one (itself included) named `name`, in document order.
  void FindAll(const std::string& name, std::vector<const XmlElement*>& out) const;
};

/// Parses a whole XML document; throws std::runtime_error naming the offset of a fault.
XmlElement ParseXml(const std::string& document);

}  // namespace gdf::test
