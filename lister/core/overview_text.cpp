#include "overview_text.h"

#include "text_util.h"

namespace lister {

std::string OverviewText(const std::string& storedText) {
  const std::string doubled = ReplaceAllIgnoreCase(storedText, "\\n\\n", "\r\n");
  return ReplaceAllIgnoreCase(doubled, "\\n", "\r\n");
}

}  // namespace lister
