#include "error_report.h"

#include "app_title.h"
#include "message_box.h"

namespace lister {

std::wstring WithFullStop(const std::wstring& message) {
  if (!message.empty() && message.back() == L'.') return message;
  return message + L".";
}

void ReportUnhandledError(HWND owner, const std::wstring& message) {
  ShowMessageBox(owner, WithFullStop(message), kApplicationTitle);
}

}  // namespace lister
