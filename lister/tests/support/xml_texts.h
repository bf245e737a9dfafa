// The scenario's text file read with pugixml, standing in for the
// platform's XML document in the native tests.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "platform.h"

namespace lister {

class XmlTexts : public ScenarioTexts {
 public:
  bool Load(const std::string& path) override;
  // Loads from a text instead of a file.
  bool LoadText(const std::string& xml);
  std::string Lookup(const std::string& id) const override;

 private:
  pugi::xml_document document_;
  bool loaded_ = false;
};

}  // namespace lister
