#include "platform/win32/folder_browser.h"

#include <shlobj.h>

#include "platform/win32/window_text.h"

namespace ov::win32 {

namespace {

int CALLBACK selectStart(HWND dialog, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED)
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

// The dialog needs COM on its thread for as long as it is open.
class ComOnThread {
 public:
  ComOnThread()
      : started_(SUCCEEDED(CoInitializeEx(
            nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComOnThread() {
    if (started_) CoUninitialize();
  }
  ComOnThread(const ComOnThread&) = delete;
  ComOnThread& operator=(const ComOnThread&) = delete;

 private:
  bool started_;
};

}  // namespace

std::optional<std::string> runFolderBrowser(HWND owner,
                                            const std::string& caption,
                                            const std::string& start) {
  ComOnThread com;
  const std::wstring title = wideText(caption);
  const std::wstring startFolder = wideText(start);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = selectStart;
  info.lParam = reinterpret_cast<LPARAM>(startFolder.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (!chosen) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const bool isFolder = SHGetPathFromIDListW(chosen, path);
  CoTaskMemFree(chosen);
  if (!isFolder) return std::nullopt;
  return utf8Text(path);
}

}  // namespace ov::win32
