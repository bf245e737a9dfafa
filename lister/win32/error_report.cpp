#include "error_report.h"

#include "message_box.h"
#include "texts.h"

namespace lister {

std::wstring WithFullStop(const std::wstring& message) {
  if (!message.empty() && message.back() == L'.') return message;
  return message + L".";
}

void ReportUnhandledError(HWND owner, const std::wstring& message) {
  ShowMessageBox(owner, WithFullStop(message), Widen(german::kApplicationTitle));
}

}  // namespace lister
