// The scenario's XML texts through pugixml, for the Linux build, read as the
// lister's XML document reads them on Windows: white space kept as written,
// a declared Windows-1252 or ISO-8859-1 encoding honoured, and a document
// that is not what it declares refused.
#pragma once

#include <pugixml.hpp>
#include <string>

#include "platform.h"

namespace katalog {

class PugixmlTexts : public lister::ScenarioTexts {
 public:
  bool Load(const std::string& path) override;
  std::string Lookup(const std::string& id) const override;

  // The same from the file's bytes.
  bool LoadBytes(const std::string& bytes);

 private:
  pugi::xml_document document_;
  bool loaded_ = false;
};

}  // namespace katalog
