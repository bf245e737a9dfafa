// The scenario's text file read with the catalogue's pugixml reader, which
// reads it as the platform's XML document does, standing in for that
// document in the native tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "pugixml_texts.h"

namespace lister {

class XmlTexts : public katalog::PugixmlTexts {
 public:
  XmlTexts() : PugixmlTexts(ReadFile) {}
  // Loads from a text instead of a file.
  bool LoadText(const std::string& xml) { return LoadBytes(xml); }

 private:
  static bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream read;
    read << file.rdbuf();
    bytes = read.str();
    return static_cast<bool>(file);
  }
};

}  // namespace lister
