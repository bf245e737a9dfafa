#include "stop_request.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>

#include <initializer_list>
#endif

namespace katalog {

std::atomic<bool> gStopRequested{false};

#ifdef _WIN32

namespace {

// Windows ends the process soon after the handler of a closed console
// returns: the handler waits for the clean-up, but not past that time.
HANDLE gCleanedUp = nullptr;
constexpr DWORD kCloseWaitMs = 4000;

BOOL WINAPI OnConsoleEvent(DWORD event) {
  gStopRequested = true;
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT)
    WaitForSingleObject(gCleanedUp, kCloseWaitMs);
  return TRUE;
}

}  // namespace

void InstallStopHandlers() {
  gCleanedUp = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void FinishStop() {
  if (!gStopRequested) return;
  if (gCleanedUp != nullptr) SetEvent(gCleanedUp);
  ExitProcess(STATUS_CONTROL_C_EXIT);
}

#else

namespace {

volatile sig_atomic_t gSignal = 0;

void OnSignal(int signal) {
  gSignal = signal;
  gStopRequested = true;
}

}  // namespace

void InstallStopHandlers() {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

void FinishStop() {
  if (!gStopRequested) return;
  const int signal = gSignal;
  if (signal == 0) return;
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  raise(signal);
}

#endif

}  // namespace katalog
