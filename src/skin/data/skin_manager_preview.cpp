// The skin preview: a skin editor in another process shows the skin it edits
// in this running program.
#include "skin/data/ansi_text.h"
#include "skin/data/manager_directory.h"
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
  // An empty text is no options at all: the skin's own file or the stored
  // skin, never a skin without a single section.
  const std::string_view text = FieldText(PreviewBuffer.Data);
  if (!text.empty()) FPreviewOptions = std::string(text);
  const std::u16string shown_directory = FSkinDirectory, shown_name = FSkinName;
  const std::u16string name = WithoutPackageExtension(AnsiToUtf16(FieldText(PreviewBuffer.SkinName)));
  SetSkinDirectory(AnsiToUtf16(FieldText(PreviewBuffer.SkinDir)));
  SetSkinName(name);
  if (FSkinName != name) {
    // Not shown (its error has been shown): the skin shown before comes
    // back, loaded afresh, since a failed load leaves half a skin.
    FPreviewOptions.reset();
    SetSkinDirectory(shown_directory);
    SetSkinName(shown_name);
  }
  EndUpdate(true, false);
}

}  // namespace vorlan::skin
