// The skin preview: a skin editor in another process shows the skin it edits
// in this running program.
#include "skin/data/ansi_text.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {

bool TSkinManager::ReceivePreview(std::uintptr_t wparam, std::span<const std::uint8_t> block, bool answered) {
  // An earlier preview waiting for its load keeps the buffer it reads from.
  if (answered || FPreviewPending || wparam != kPreviewWParam) return false;
  std::optional<TSkPreviewData> record = ParsePreviewData(block);
  if (!record) return false;
  PreviewBuffer = *record;
  FPreviewPending = true;
  return true;
}

void TSkinManager::LoadPreviewSkin() {
  struct Done {
    TSkinManager& manager;
    ~Done() {
      manager.FPreviewPending = false;
      manager.FPreviewOptions.reset();
    }
  } done{*this};
  if (PreviewBuffer.Magic != kPreviewMagic) return;
  FPreviewMode = true;
  BeginUpdate();
  FPreviewOptions = std::string(FieldText(PreviewBuffer.Data));
  SetSkinDirectory(AnsiToUtf16(FieldText(PreviewBuffer.SkinDir)));
  SetSkinName(AnsiToUtf16(FieldText(PreviewBuffer.SkinName)));
  EndUpdate(true, false);
}

}  // namespace vorlan::skin
