#include <windows.h>

#include <string>

#include "skin/data/manager_messages.h"

namespace vorlan::skin {

namespace {
class WindowsMessageBox final : public ISkinMessageBox {
 public:
  void Show(TSkinBoxKind kind, std::u16string_view text) override {
    const std::wstring body(text.begin(), text.end());
    UINT flags = MB_OK | MB_TASKMODAL;
    std::wstring caption;
    switch (kind) {
      case TSkinBoxKind::Error:
        caption.assign(kErrorCaption.begin(), kErrorCaption.end());
        flags |= MB_ICONERROR;
        break;
      case TSkinBoxKind::Warning:
        caption.assign(kWarningCaption.begin(), kWarningCaption.end());
        flags |= MB_ICONWARNING;
        break;
      case TSkinBoxKind::Plain: {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        caption = path;
        const auto slash = caption.find_last_of(L"\\/");
        if (slash != std::wstring::npos) caption.erase(0, slash + 1);
        const auto dot = caption.rfind(L'.');
        if (dot != std::wstring::npos) caption.erase(dot);
        break;
      }
    }
    MessageBoxW(GetActiveWindow(), body.c_str(), caption.c_str(), flags);
  }
};
}  // namespace

ISkinMessageBox& PlatformSkinMessageBox() {
  static WindowsMessageBox box;
  return box;
}

}  // namespace vorlan::skin
