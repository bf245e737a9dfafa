// The scenario's XML texts through the system's XML DOM (MSXML) with XPath.
#pragma once

#include <windows.h>
#include <msxml2.h>
#include <objbase.h>

#include "platform.h"

namespace lister {

class MsxmlScenarioTexts : public ScenarioTexts {
 public:
  MsxmlScenarioTexts();
  ~MsxmlScenarioTexts() override;
  MsxmlScenarioTexts(const MsxmlScenarioTexts&) = delete;
  MsxmlScenarioTexts& operator=(const MsxmlScenarioTexts&) = delete;

  bool Load(const std::string& path) override;
  std::string Lookup(const std::string& id) const override;

 private:
  void Release();

  bool comReady_ = false;
  IXMLDOMDocument2* document_ = nullptr;  // null when no document is loaded
};

}  // namespace lister
