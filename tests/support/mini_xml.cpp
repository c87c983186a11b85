// mini_xml.cpp - A recursive-descent XML reader: declaration, comments, elements, attributes,
// character data and the predefined and numeric entities; no DTD.
#include "support/mini_xml.h"

#include <stdexcept>

namespace gdf::test {
namespace {

bool NameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == ':' || c == '.' || (static_cast<unsigned char>(c) >= 0x80);
}

void AppendUtf8(unsigned long cp, std::string& out) {
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

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  XmlElement Document() {
    if (text_.compare(0, 5, "<?xml") == 0) {
      const std::size_t end = text_.find("?>");
      if (end == std::string::npos) Fail("unclosed declaration");
      pos_ = end + 2;
    }
    Misc();
    if (pos_ >= text_.size() || text_[pos_] != '<') Fail("no root element");
    XmlElement root = Element();
    Misc();
    if (pos_ != text_.size()) Fail("content after the root element");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("XML: " + what + " at offset " + std::to_string(pos_));
  }
  void Blanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\t')) {
      ++pos_;
    }
  }
  bool Comment() {
    if (text_.compare(pos_, 4, "<!--") != 0) return false;
    const std::size_t end = text_.find("-->", pos_ + 4);
    if (end == std::string::npos) Fail("unclosed comment");
    pos_ = end + 3;
    return true;
  }
  void Misc() {
    for (;;) {
      Blanks();
      if (!Comment()) return;
    }
  }
  std::string Name() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && NameChar(text_[pos_])) ++pos_;
    if (pos_ == start) Fail("expected a name");
    return text_.substr(start, pos_ - start);
  }
  void Entity(std::string& out) {
    const std::size_t end = text_.find(';', pos_);
    if (end == std::string::npos || end - pos_ > 10) Fail("unterminated entity");
    const std::string name = text_.substr(pos_ + 1, end - pos_ - 1);
    if (name == "amp")
      out += '&';
    else if (name == "lt")
      out += '<';
    else if (name == "gt")
      out += '>';
    else if (name == "quot")
      out += '"';
    else if (name == "apos")
      out += '\'';
    else if (name.size() > 1 && name[0] == '#') {
      const bool hex = name[1] == 'x';
      const std::string digits = name.substr(hex ? 2 : 1);
      if (digits.empty()) Fail("empty character reference");
      std::size_t used = 0;
      const unsigned long cp = std::stoul(digits, &used, hex ? 16 : 10);
      if (used != digits.size() || cp == 0 || cp > 0x10FFFF) Fail("bad character reference");
      AppendUtf8(cp, out);
    } else {
      Fail("unknown entity &" + name + ";");
    }
    pos_ = end + 1;
  }
  void CheckChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') Fail("a control character");
  }
  XmlElement Element() {
    ++pos_;  // '<'
    XmlElement element;
    element.name = Name();
    for (;;) {
      Blanks();
      if (pos_ >= text_.size()) Fail("unclosed start tag");
      if (text_.compare(pos_, 2, "/>") == 0) {
        pos_ += 2;
        return element;
      }
      if (text_[pos_] == '>') {
        ++pos_;
        break;
      }
      const std::string key = Name();
      Blanks();
      if (pos_ >= text_.size() || text_[pos_] != '=') Fail("expected '='");
      ++pos_;
      Blanks();
      const char quote = pos_ < text_.size() ? text_[pos_] : 0;
      if (quote != '"' && quote != '\'') Fail("expected a quoted value");
      ++pos_;
      std::string value;
      while (pos_ < text_.size() && text_[pos_] != quote) {
        if (text_[pos_] == '<') Fail("'<' in an attribute value");
        if (text_[pos_] == '&') {
          Entity(value);
        } else {
          CheckChar(text_[pos_]);
          value += text_[pos_++];
        }
      }
      if (pos_ >= text_.size()) Fail("unclosed attribute value");
      ++pos_;
      if (!element.attributes.emplace(key, value).second) Fail("attribute " + key + " twice");
    }
    for (;;) {
      if (pos_ >= text_.size()) Fail("unclosed element " + element.name);
      if (text_.compare(pos_, 2, "</") == 0) {
        pos_ += 2;
        if (Name() != element.name) Fail("end tag does not match " + element.name);
        Blanks();
        if (pos_ >= text_.size() || text_[pos_] != '>') Fail("expected '>'");
        ++pos_;
        return element;
      }
      if (Comment()) continue;
      if (text_[pos_] == '<') {
        element.children.push_back(Element());
        element.text += element.children.back().text;
      } else if (text_[pos_] == '&') {
        Entity(element.text);
      } else {
        if (text_[pos_] == '>' && pos_ >= 2 && text_.compare(pos_ - 2, 2, "]]") == 0) {
          Fail("']]>' in text");
        }
        CheckChar(text_[pos_]);
        element.text += text_[pos_++];
      }
    }
  }

  const std::string& text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string XmlElement::Attribute(const std::string& key) const {
  const auto found = attributes.find(key);
  return found == attributes.end() ? std::string() : found->second;
}

void XmlElement::FindAll(const std::string& wanted, std::vector<const XmlElement*>& out) const {
  if (name == wanted) out.push_back(this);
  for (const XmlElement& child : children) child.FindAll(wanted, out);
}

XmlElement ParseXml(const std::string& document) { return Parser(document).Document(); }

}  // namespace gdf::test
