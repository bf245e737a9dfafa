#include "pugixml_texts.h"

#include "text_lines.h"
#include "text_util.h"

namespace katalog {
namespace {

// The encoding named by the XML declaration, in upper case; "" when none.
std::string DeclaredEncoding(const std::string& bytes) {
  if (bytes.compare(0, 5, "<?xml") != 0) return {};
  const std::size_t end = bytes.find("?>");
  const std::string declaration = bytes.substr(0, end);
  const std::size_t name = declaration.find("encoding");
  if (name == std::string::npos) return {};
  const std::size_t open = declaration.find_first_of("\"'", name);
  if (open == std::string::npos) return {};
  const std::size_t close = declaration.find(declaration[open], open + 1);
  if (close == std::string::npos) return {};
  return lister::UpperAscii(declaration.substr(open + 1, close - open - 1));
}

bool HasUtf16ByteOrderMark(const std::string& bytes) {
  return bytes.size() >= 2 &&
         ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

std::string Windows1252ToUtf8(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char byte : bytes) AppendUtf8(Windows1252CodePoint(static_cast<std::uint8_t>(byte)), text);
  return text;
}

// The text content of an element: all character data below it, in document
// order. Walked without recursion: a file decides how deep elements nest.
std::string TextContent(pugi::xml_node element) {
  std::string text;
  pugi::xml_node node = element.first_child();
  while (node) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) text += node.value();
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && node != element && !node.next_sibling()) node = node.parent();
    if (!node || node == element) break;
    node = node.next_sibling();
  }
  return text;
}

}  // namespace

bool PugixmlTexts::Load(const std::string& path) {
  std::string bytes;
  if (!read_(path, bytes)) {
    document_.reset();
    loaded_ = false;
    return false;
  }
  return LoadBytes(bytes);
}

bool PugixmlTexts::LoadBytes(const std::string& bytes) {
  document_.reset();
  loaded_ = false;
  constexpr unsigned kOptions = pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_doctype;
  std::string text;
  pugi::xml_encoding encoding = pugi::encoding_utf8;
  const std::string declared = DeclaredEncoding(bytes);
  if (HasUtf16ByteOrderMark(bytes)) {
    text = bytes;
    encoding = pugi::encoding_auto;
  } else if (declared == "WINDOWS-1252" || declared == "ISO-8859-1" || declared == "LATIN1") {
    text = Windows1252ToUtf8(bytes);
  } else if (ValidUtf8(bytes) == bytes) {
    text = bytes;
  } else {
    return false;  // not the UTF-8 it is taken for
  }
  loaded_ = static_cast<bool>(document_.load_buffer(text.data(), text.size(), kOptions, encoding));
  for (pugi::xml_node node = document_.first_child(); loaded_ && node; node = node.next_sibling())
    if (node.type() == pugi::node_doctype) loaded_ = false;
  if (!loaded_) document_.reset();
  return loaded_;
}

std::string PugixmlTexts::Lookup(const std::string& id) const {
  if (!loaded_) return {};
  pugi::xpath_variable_set variables;
  variables.set("id", id.c_str());
  pugi::xpath_query query("//String[@id=$id]", &variables);
  pugi::xpath_node node = document_.document_element().select_node(query);
  if (!node) return {};
  return ValidUtf8(TextContent(node.node()));
}

}  // namespace katalog
