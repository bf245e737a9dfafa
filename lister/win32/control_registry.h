// The windows of the program by component name, so that handlers and the
// view reach a control the way the layout names it.
#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>

namespace lister {

class ControlRegistry {
 public:
  void Add(const std::string& name, HWND window);
  // The control of that name; throws when the window has none.
  HWND Find(const std::string& name) const;
  HWND FindOrNull(const std::string& name) const;
  void Remove(const std::string& name);

 private:
  std::unordered_map<std::string, HWND> windows_;
};

}  // namespace lister
