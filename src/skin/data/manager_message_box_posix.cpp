#include <cstdio>

#include "platform/text.h"
#include "skin/data/manager_messages.h"

namespace vorlan::skin {

namespace {
class StandardErrorBox final : public ISkinMessageBox {
 public:
  void Show(TSkinBoxKind kind, std::u16string_view text) override {
    const char* prefix = kind == TSkinBoxKind::Error ? "Error: " : kind == TSkinBoxKind::Warning ? "Warning: " : "";
    std::fprintf(stderr, "%s%s\n", prefix, platform::Utf16ToUtf8(text).c_str());
  }
};
}  // namespace

ISkinMessageBox& PlatformSkinMessageBox() {
  static StandardErrorBox box;
  return box;
}

}  // namespace vorlan::skin
