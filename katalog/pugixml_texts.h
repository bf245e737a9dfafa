// The scenario's XML texts through pugixml, for the Linux build and the
// native tests, read as the lister's XML document reads them on Windows:
// white space kept as written, a declared Windows-1252 or ISO-8859-1 encoding
// honoured, and a document that is not what it declares, or that brings a
// document type declaration (which the platform's parser prohibits), refused.
#pragma once

#include <functional>
#include <pugixml.hpp>
#include <string>

#include "platform.h"

namespace katalog {

// Reads a text file whole, or says why not; the catalogue reads only
// regular files, and only as far as the lister does.
using ReadTextFile = std::function<bool(const std::string& path, std::string& bytes)>;

class PugixmlTexts : public lister::ScenarioTexts {
 public:
  explicit PugixmlTexts(ReadTextFile read) : read_(std::move(read)) {}

  bool Load(const std::string& path) override;
  std::string Lookup(const std::string& id) const override;

  // The same from the file's bytes.
  bool LoadBytes(const std::string& bytes);

 private:
  ReadTextFile read_;
  pugi::xml_document document_;
  bool loaded_ = false;
};

}  // namespace katalog
