#include "control_registry.h"

#include <stdexcept>

#include "texts.h"

namespace lister {

void ControlRegistry::Add(const std::string& name, HWND window) { windows_[name] = window; }

HWND ControlRegistry::Find(const std::string& name) const {
  HWND window = FindOrNull(name);
  if (window == nullptr) throw std::runtime_error(german::FillIn(german::kUnknownControl, {name}));
  return window;
}

HWND ControlRegistry::FindOrNull(const std::string& name) const {
  auto found = windows_.find(name);
  return found == windows_.end() ? nullptr : found->second;
}

void ControlRegistry::Remove(const std::string& name) { windows_.erase(name); }

}  // namespace lister
