// The loader's view of the operating system, over the Win32 API.
#pragma once

#include <windows.h>

#include "platform.h"

namespace lister {

class Win32Platform : public Platform {
 public:
  // File error boxes are owned by mainWindow; system error boxes have no owner.
  explicit Win32Platform(HWND mainWindow = nullptr) : mainWindow_(mainWindow) {}
  void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

  bool FileExists(const std::string& path) override;
  std::unique_ptr<FileReader> OpenForReading(const std::string& path, std::string& error) override;
  bool ReadTextLines(const std::string& path, std::vector<std::string>& lines,
                     std::string& error) override;
  AnalyzerRun RunAnalyzer(const std::string& analyzerPath,
                          const std::string& scenarioFile) override;
  void ShowMessage(MessageKind kind, const std::string& text) override;

 private:
  HWND mainWindow_;
};

}  // namespace lister
