// Drives Q7Lister from another process for the GUI tests: starts it, finds
// its controls by the window property "ComponentName", reads them, and acts
// on them as the user would. One command per line on standard input, one
// answer per line on standard output: "ok ..." or "error ...". Texts in
// answers are UTF-8 with backslash, tab, CR and LF escaped as \\ \t \r \n;
// list items are separated by tabs. The text of an error answer is escaped as
// a whole, once, where the answer is written, so it is always one line. Some
// commands act on the session rather than the program: wait for or count the
// processes of a file name, read or close the message box of another program,
// or try to change a file as another program would.
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "wide.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultTimeoutSeconds = 60;
constexpr UINT kMessageTimeoutMs = 60000;

struct Target {
  PROCESS_INFORMATION process{};
  bool running = false;
  HANDLE pendingAction = nullptr;  // a thread that delivers a click and waits for its handler
} target;

std::string Escape(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '\\': escaped += "\\\\"; break;
      case '\t': escaped += "\\t"; break;
      case '\r': escaped += "\\r"; break;
      case '\n': escaped += "\\n"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

// Processes of the whole session whose program file has this name (any case).
std::vector<DWORD> ProcessesNamed(const std::string& exeName) {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  std::wstring wanted = lister::Widen(exeName);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (lstrcmpiW(entry.szExeFile, wanted.c_str()) == 0) ids.push_back(entry.th32ProcessID);
  CloseHandle(snapshot);
  return ids;
}

std::vector<HWND> TopLevelWindowsOf(const std::vector<DWORD>& processes) {
  struct Search {
    const std::vector<DWORD>& processes;
    std::vector<HWND> windows;
  } search{processes, {}};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* search = reinterpret_cast<Search*>(parameter);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        for (DWORD wanted : search->processes)
          if (process == wanted) search->windows.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

std::vector<HWND> TopLevelWindows() {
  if (!target.running) return {};
  return TopLevelWindowsOf({target.process.dwProcessId});
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> windows;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string ComponentName(HWND window) {
  ATOM property = GlobalFindAtomW(L"ComponentName");
  if (!property) return {};
  HANDLE value = GetPropW(window, MAKEINTATOM(property));
  if (!value) return {};
  wchar_t name[256];
  UINT length = GlobalGetAtomNameW(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(value)), name, 256);
  return lister::Narrow(std::wstring(name, length));
}

std::vector<HWND> AllWindows() {
  std::vector<HWND> all;
  for (HWND top : TopLevelWindows()) {
    all.push_back(top);
    for (HWND child : Descendants(top)) all.push_back(child);
  }
  return all;
}

HWND FindControl(const std::string& name) {
  for (HWND window : AllWindows())
    if (ComponentName(window) == name) return window;
  return nullptr;
}

std::string ClassOf(HWND window) {
  wchar_t name[128];
  int length = GetClassNameW(window, name, 128);
  return lister::Narrow(std::wstring(name, static_cast<size_t>(length)));
}

// A box of the started program, or of the programs of that file name.
HWND VisibleMessageBox(const std::string& exeName = {}) {
  for (HWND window :
       exeName.empty() ? TopLevelWindows() : TopLevelWindowsOf(ProcessesNamed(exeName)))
    if (ClassOf(window) == "#32770" && IsWindowVisible(window) && ComponentName(window).empty())
      return window;
  return nullptr;
}

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                      SMTO_NORMAL, kMessageTimeoutMs, &copied);
  text.resize(copied);
  return lister::Narrow(text);
}

bool Wait(const std::function<bool()>& condition, int seconds) {
  auto deadline = Clock::now() + std::chrono::seconds(seconds);
  for (;;) {
    if (condition()) return true;
    if (Clock::now() > deadline) return false;
    Sleep(20);
  }
}

bool ActionPending() {
  if (!target.pendingAction) return false;
  if (WaitForSingleObject(target.pendingAction, 0) != WAIT_OBJECT_0) return true;
  CloseHandle(target.pendingAction);
  target.pendingAction = nullptr;
  return false;
}

bool Exited() {
  return target.running && WaitForSingleObject(target.process.hProcess, 0) == WAIT_OBJECT_0;
}

struct SentMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  void* remoteMemory;  // freed in the target once the message has been handled
};

// Delivered from a thread of its own: the handler may open a modal box and
// only return once the test has closed it.
void SendInBackground(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      void* remoteMemory = nullptr) {
  auto* sent = new SentMessage{window, message, wParam, lParam, remoteMemory};
  target.pendingAction = CreateThread(
      nullptr, 0,
      [](void* parameter) -> DWORD {
        auto* sent = static_cast<SentMessage*>(parameter);
        SendMessageW(sent->window, sent->message, sent->wParam, sent->lParam);
        if (sent->remoteMemory)
          VirtualFreeEx(target.process.hProcess, sent->remoteMemory, 0, MEM_RELEASE);
        delete sent;
        return 0;
      },
      sent, 0, nullptr);
}

// A notification header written into the target process, so that WM_NOTIFY
// can reach it as if one of its own controls had sent it.
LPARAM RemoteNotification(HWND from, UINT code) {
  NMHDR header{from, static_cast<UINT_PTR>(GetDlgCtrlID(from)), code};
  void* remote = VirtualAllocEx(target.process.hProcess, nullptr, sizeof header,
                                MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remote) return 0;
  WriteProcessMemory(target.process.hProcess, remote, &header, sizeof header, nullptr);
  return reinterpret_cast<LPARAM>(remote);
}

std::string Rectangle(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  HWND parent = GetAncestor(window, GA_PARENT);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  std::ostringstream out;
  out << rect.left << ' ' << rect.top << ' ' << rect.right - rect.left << ' '
      << rect.bottom - rect.top;
  return out.str();
}

std::string ListContents(HWND list) {
  DWORD_PTR count = 0, selected = 0;
  SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &count);
  SendMessageTimeoutW(list, LB_GETCURSEL, 0, 0, SMTO_NORMAL, kMessageTimeoutMs, &selected);
  std::string answer = std::to_string(static_cast<int>(selected));
  for (DWORD_PTR i = 0; i < count; ++i) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_NORMAL, kMessageTimeoutMs, &length);
    std::wstring item(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()), SMTO_NORMAL,
                        kMessageTimeoutMs, &copied);
    item.resize(length);
    answer += "\t" + Escape(lister::Narrow(item));
  }
  return answer;
}

HWND Button(HWND dialog, int id) {
  for (HWND child : Descendants(dialog))
    if (GetDlgCtrlID(child) == id && ClassOf(child) == "Button") return child;
  return nullptr;
}

// The box's title and its text (its static controls, one per line).
std::pair<std::string, std::string> BoxTexts(HWND box) {
  std::string text;
  for (HWND child : Descendants(box)) {
    if (ClassOf(child) != "Static") continue;
    std::string part = WindowText(child);
    if (!part.empty()) text += text.empty() ? part : "\n" + part;
  }
  return {WindowText(box), text};
}

using Arguments = std::vector<std::string>;

// Tries to write, delete and rename the file as another program would; the
// answer holds the three error codes, 0 for each that succeeded.
std::string TryToChange(const std::string& path) {
  std::wstring file = lister::Widen(path);
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD write = handle == INVALID_HANDLE_VALUE ? GetLastError() : 0;
  if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  DWORD remove = DeleteFileW(file.c_str()) ? 0 : GetLastError();
  DWORD rename = MoveFileExW(file.c_str(), (file + L".moved").c_str(), MOVEFILE_REPLACE_EXISTING)
                     ? 0
                     : GetLastError();
  return "ok " + std::to_string(write) + " " + std::to_string(remove) + " " +
         std::to_string(rename);
}

std::string Start(const std::string& program) {
  std::wstring commandLine = L"\"" + lister::Widen(program) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (target.running) {
    CloseHandle(target.process.hProcess);
    CloseHandle(target.process.hThread);
  }
  target.running = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &target.process);
  if (!target.running)
    return "error cannot start " + program + " (" + std::to_string(GetLastError()) + ")";
  return "ok " + std::to_string(target.process.dwProcessId);
}

// Ready: the main window is shown and its thread takes messages again, or a
// message box waits for the user, or the program has ended.
std::string WaitReady(int seconds) {
  std::string state;
  bool ready = Wait(
      [&] {
        if (Exited()) return state = "exited", true;
        if (VisibleMessageBox()) return state = "box", true;
        if (ActionPending()) return false;
        HWND main = FindControl("TMain");
        if (!main || !IsWindowVisible(main)) return false;
        DWORD_PTR ignored;
        if (!SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 200, &ignored)) return false;
        return state = "window", !VisibleMessageBox() || (state = "box", true);
      },
      seconds);
  return ready ? "ok " + state : "error the program did not become ready";
}

std::string Execute(const std::string& command, const std::string& name, const std::string& rest,
                    int seconds) {
  const std::string argument = name + (rest.empty() ? "" : " " + rest);
  if (command == "start") return Start(argument);
  // wait-process answers with the ids of the processes it found.
  if (command == "wait-process" || command == "wait-no-process") {
    bool wanted = command == "wait-process";
    std::vector<DWORD> found;
    if (!Wait([&] { return (found = ProcessesNamed(argument)).empty() != wanted; }, seconds))
      return "error " + argument + (wanted ? " does not run" : " still runs");
    std::string answer = "ok";
    for (DWORD id : found) answer += " " + std::to_string(id);
    return answer;
  }
  if (command == "count-process") return "ok " + std::to_string(ProcessesNamed(argument).size());
  if (command == "change-file") return TryToChange(argument);
  if (!target.running) return "error no program started";
  if (command == "wait-ready") return WaitReady(seconds);
  if (command == "wait-exit") {
    if (WaitForSingleObject(target.process.hProcess, static_cast<DWORD>(seconds) * 1000) !=
        WAIT_OBJECT_0)
      return "error the program did not end";
    DWORD code = 0;
    GetExitCodeProcess(target.process.hProcess, &code);
    return "ok " + std::to_string(code);
  }
  if (command == "kill") {
    TerminateProcess(target.process.hProcess, 1);
    WaitForSingleObject(target.process.hProcess, 10000);
    return "ok";
  }
  // The box commands take the file name of another program whose box they mean.
  if (command == "box") {
    HWND box = nullptr;
    if (!Wait([&] { return (box = VisibleMessageBox(name)) != nullptr; }, seconds))
      return "error no message box";
    auto [title, text] = BoxTexts(box);
    return "ok " + Escape(title) + "\t" + Escape(text);
  }
  if (command == "no-box") {
    HWND box = VisibleMessageBox(name);
    if (!box) return "ok";
    auto [title, text] = BoxTexts(box);
    return "error a box is open: " + title + "\t" + text;
  }
  if (command == "box-ok") {
    HWND box = VisibleMessageBox(name);
    if (!box) return "error no message box";
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Button(box, IDOK)));
    if (!Wait([&] { return !IsWindow(box) || !IsWindowVisible(box); }, seconds))
      return "error the box stays";
    return "ok";
  }
  if (command == "names") {
    std::string answer = "ok";
    for (HWND window : AllWindows())
      if (!ComponentName(window).empty()) answer += "\t" + ComponentName(window);
    return answer;
  }
  if (command == "top-level") {
    std::string answer = "ok";
    for (HWND window : TopLevelWindows())
      if (IsWindowVisible(window))
        answer += "\t" + (ComponentName(window).empty() ? ClassOf(window) : ComponentName(window));
    return answer;
  }

  HWND control = nullptr;
  if (!Wait([&] { return (control = FindControl(name)) != nullptr; },
            command == "exists" ? 0 : seconds))
    return command == "exists" ? "ok 0" : "error no control named " + name;
  if (command == "exists") return "ok 1";
  if (command == "text") return "ok " + Escape(WindowText(control));
  if (command == "list") return "ok " + ListContents(control);
  if (command == "rect") return "ok " + Rectangle(control);
  if (command == "screen-rect") {
    RECT rect;
    GetWindowRect(control, &rect);
    return "ok " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top);
  }
  if (command == "class") return "ok " + ClassOf(control);
  if (command == "client") {
    RECT client;
    GetClientRect(control, &client);
    return "ok " + std::to_string(client.right) + " " + std::to_string(client.bottom);
  }
  if (command == "style") {
    return "ok " + std::to_string(GetWindowLongW(control, GWL_STYLE)) + " " +
           std::to_string(GetWindowLongW(control, GWL_EXSTYLE));
  }
  if (command == "visible") {
    bool own = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    return std::string("ok ") + (own ? "1" : "0") + " " + (IsWindowVisible(control) ? "1" : "0");
  }
  if (command == "children") {
    std::string answer = "ok";
    for (HWND child = GetWindow(control, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      answer += "\t" + ComponentName(child);
    return answer;
  }
  if (command == "wait-text") {
    bool found = Wait([&] { return WindowText(control) == rest; }, seconds);
    return found ? "ok" : "error " + name + " shows " + WindowText(control);
  }

  // Actions: the handler runs while the driver goes on; wait-idle waits for it.
  if (!Wait([] { return !ActionPending(); }, seconds))
    return "error an earlier action has not ended";
  if (command == "select") {
    int index = std::stoi(rest);
    SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendInBackground(GetParent(control), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(control), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control));
    return "ok";
  }
  if (command == "click") {
    SendInBackground(control, BM_CLICK, 0, 0);
    return "ok";
  }
  if (command == "tab") {
    int index = std::stoi(rest);
    SendMessageW(control, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    LPARAM header = RemoteNotification(control, TCN_SELCHANGE);
    SendInBackground(GetParent(control), WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID(control)),
                     header, reinterpret_cast<void*>(header));
    return "ok";
  }
  if (command == "redraw") {
    RedrawWindow(control, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    return "ok";
  }
  if (command == "close") {
    PostMessageW(control, WM_CLOSE, 0, 0);
    return "ok";
  }
  return "error unknown command " + command;
}

}  // namespace

// Commands: a word, then optionally a control name, then the rest of the line.
// A leading "timeout=N" sets the deadline of that command's waiting in seconds.
int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    int seconds = kDefaultTimeoutSeconds;
    if (line.rfind("timeout=", 0) == 0) {
      size_t blank = line.find(' ');
      seconds = std::stoi(line.substr(8, blank - 8));
      line = blank == std::string::npos ? "" : line.substr(blank + 1);
    }
    std::istringstream words(line);
    std::string command, name, rest;
    words >> command >> name;
    std::getline(words, rest);
    if (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
    std::string answer =
        command == "wait-idle"
            ? (Wait([] { return !ActionPending() || VisibleMessageBox(); }, seconds)
                   ? std::string(ActionPending() ? "ok box" : "ok idle")
                   : std::string("error the action did not end"))
            : Execute(command, name, rest, seconds);
    if (answer.rfind("error ", 0) == 0) answer = "error " + Escape(answer.substr(6));
    std::printf("%s\n", answer.c_str());
    std::fflush(stdout);
  }
  return 0;
}
