// Errors that escape a handler: shown in a box titled with the application
// title, after which the program goes on.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "wide.h"

namespace lister {

// The message as shown: followed by a full stop unless it already ends in one.
std::wstring WithFullStop(const std::wstring& message);

void ReportUnhandledError(HWND owner, const std::wstring& message);

// Runs a handler; an exception it throws ends the handler, is reported, and
// the program goes on.
template <typename Handler>
void RunHandler(HWND owner, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportUnhandledError(owner, Widen(error.what()));
  }
}

}  // namespace lister
