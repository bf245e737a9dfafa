#include "win32_view.h"

#include <richedit.h>

#include <vector>

#include "component_name.h"
#include "label_control.h"
#include "layout.h"
#include "picture_control.h"
#include "resource_pictures.h"
#include "wide.h"
#include "window_builder.h"

namespace lister {
namespace {

COLORREF ToColorRef(Rgb color) { return RGB(color.red, color.green, color.blue); }

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SelectEnd(HWND pane) {
  CHARRANGE end{-1, -1};
  SendMessageW(pane, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
}

// The pane's own default look, for plain lines after a heading.
void UseDefaultFormat(HWND pane) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  SendMessageW(pane, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  SendMessageW(pane, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

}  // namespace

Win32View::Win32View(ControlRegistry& controls, HFONT windowFont)
    : controls_(controls), windowFont_(windowFont) {}

void Win32View::SetText(const std::string& control, const std::string& text) {
  SetWindowTextW(Find(control), Widen(text).c_str());
}

std::string Win32View::GetText(const std::string& control) const {
  return Narrow(WindowText(Find(control)));
}

void Win32View::SetTextColor(const std::string& control, Rgb color) {
  SetLabelTextColor(Find(control), ToColorRef(color));
}

void Win32View::ClearList(const std::string& list) {
  SendMessageW(Find(list), LB_RESETCONTENT, 0, 0);
}

void Win32View::AddListItem(const std::string& list, const std::string& item) {
  SendMessageW(Find(list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

void Win32View::SelectListItem(const std::string& list, int index) {
  SendMessageW(Find(list), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int Win32View::SelectedListIndex(const std::string& list) const {
  LRESULT index = SendMessageW(Find(list), LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

std::string Win32View::ListItem(const std::string& list, int index) const {
  HWND box = Find(list);
  LRESULT length = SendMessageW(box, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return "";
  std::wstring item(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(box, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.data()));
  item.resize(static_cast<size_t>(length));
  return Narrow(item);
}

void Win32View::ShowBitmap(const std::string& picture, const std::string& resourceName) {
  SetPictureBitmap(Find(picture), LoadResourcePicture(Widen(resourceName)));
}

void Win32View::ShowPicture(const std::string& picture, const RgbPicture& image) {
  SetPictureBitmap(Find(picture), BitmapFromRgb(image));
}

void Win32View::ClearPicture(const std::string& picture) {
  SetPictureBitmap(Find(picture), nullptr);
}

void Win32View::SetVisible(const std::string& control, bool visible) {
  ShowWindow(Find(control), visible ? SW_SHOW : SW_HIDE);
}

void Win32View::ClearRichText(const std::string& pane) {
  HWND window = Find(pane);
  SetWindowTextW(window, L"");
  SelectEnd(window);
  UseDefaultFormat(window);
}

void Win32View::Append(HWND pane, const std::wstring& line) {
  // Every line ends with its own break, so an empty line appended to an empty
  // pane still counts as a line.
  std::wstring text = line + L"\r";
  SendMessageW(pane, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32View::AppendLine(const std::string& pane, const std::string& line) {
  HWND window = Find(pane);
  SelectEnd(window);
  UseDefaultFormat(window);
  Append(window, Widen(line));
}

void Win32View::AppendHeading(const std::string& pane, const std::string& line, Rgb color) {
  HWND window = Find(pane);
  SelectEnd(window);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD | CFM_SIZE | CFM_FACE | CFM_COLOR;
  format.dwEffects = CFE_BOLD;
  format.yHeight = 11 * 20;  // twips
  format.crTextColor = ToColorRef(color);
  lstrcpynW(format.szFaceName, kTextFontFamily, LF_FACESIZE);
  SendMessageW(window, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  Append(window, Widen(line));
}

void Win32View::ScrollToTop(const std::string& pane) {
  HWND window = Find(pane);
  CHARRANGE start{0, 0};
  SendMessageW(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
  SendMessageW(window, WM_VSCROLL, SB_TOP, 0);
}

void Win32View::RemoveChildren(const std::string& page) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(Find(page), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  for (auto child = children.rbegin(); child != children.rend(); ++child) {
    std::string name = Narrow(ReadComponentName(*child));
    if (controls_.FindOrNull(name) == *child) controls_.Remove(name);
    ReleaseComponentName(*child);
    DestroyWindow(*child);
  }
}

void Win32View::Adopt(HWND control, const std::string& name) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_), TRUE);
  SetComponentName(control, Widen(name));
  controls_.Add(name, control);
}

void Win32View::CreateLabel(const std::string& page, const std::string& name,
                            const std::string& text, Rect rect, LabelStyle style) {
  unsigned flags = 0;
  if (!style.centreVertically) flags |= kTopAligned;
  if (style.wrapWords) flags |= kWrapWords;
  ControlRow row{name.c_str(), page.c_str(), ControlKind::Label, rect, text.c_str(), flags};
  Adopt(CreateLayoutControl(Find(page), row, nextRunTimeId_++), name);
}

void Win32View::CreateImage(const std::string& page, const std::string& name,
                            const std::string& resourceName, Rect rect) {
  ControlRow row{name.c_str(), page.c_str(), ControlKind::Picture, rect, resourceName.c_str(), 0};
  Adopt(CreateLayoutControl(Find(page), row, nextRunTimeId_++), name);
}

}  // namespace lister
