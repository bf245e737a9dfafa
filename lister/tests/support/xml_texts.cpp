#include "xml_texts.h"

namespace lister {

namespace {

// The text content of an element: all character data below it, in document order.
void AppendText(pugi::xml_node node, std::string& text) {
  if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) {
    text += node.value();
    return;
  }
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    AppendText(child, text);
}

}  // namespace

bool XmlTexts::Load(const std::string& path) {
  loaded_ = static_cast<bool>(document_.load_file(path.c_str()));
  if (!loaded_) document_.reset();
  return loaded_;
}

bool XmlTexts::LoadText(const std::string& xml) {
  loaded_ = static_cast<bool>(document_.load_string(xml.c_str()));
  if (!loaded_) document_.reset();
  return loaded_;
}

std::string XmlTexts::Lookup(const std::string& id) const {
  if (!loaded_) return {};
  pugi::xpath_variable_set variables;
  variables.set("id", id.c_str());
  pugi::xpath_query query("//String[@id=$id]", &variables);
  pugi::xpath_node node = document_.document_element().select_node(query);
  if (!node) return {};
  std::string text;
  for (pugi::xml_node n = node.node().first_child(); n; n = n.next_sibling()) AppendText(n, text);
  return text;
}

}  // namespace lister
