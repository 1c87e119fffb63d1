// Selecting and loading a skin: package file, skin directory or internal skin.
#include <filesystem>
#include <optional>
#include <span>
#include <system_error>

#include "platform/error.h"
#include "platform/text.h"
#include "skin/data/manager_directory.h"
#include "skin/data/skin_adjust.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {

namespace {

constexpr double kNewestSupportedVersion = 10.99;
constexpr std::u16string_view kPackageExtension = u".asz";

bool g_skin_changing = false;
// The unpacked package of the skin being loaded; alive only during a load.
std::unique_ptr<TSkinConvertor> g_convertor;

// Ends a load whatever way it leaves: the flag is cleared and the package freed.
struct LoadScope {
  LoadScope() { g_skin_changing = true; }
  ~LoadScope() {
    g_skin_changing = false;
    g_convertor.reset();
  }
};

std::u16string ErrorText(const std::exception& e) {
  if (const auto* error = dynamic_cast<const Error*>(&e)) return error->Message();
  return platform::Utf8ToUtf16(e.what());
}

}  // namespace

bool SkinChanging() { return g_skin_changing; }

void TSkinManager::SetSkinName(std::u16string_view value) { SelectSkin(value); }

void TSkinManager::SelectSkin(std::u16string_view value) {
  const std::u16string old_name = FSkinName;
  FSkinName = value;
  if (!FActive) {
    UpdateDialogFlag();
    return;
  }
  Fire(OnBeforeChange);
  g_skin_changing = true;
  Skin.CommonSkinData.Active = false;
  FSkinName = WithoutPackageExtension(FSkinName);
  if (!ReloadCurrentSkin()) FSkinName = old_name;
  if (FActive) {
    if (!FNoAutoUpdate) ApplySkin(true);
    if (!FLoading) Fire(OnActivate);
  } else {
    RemoveSkin();  // no skin of that name anywhere
    if (!FLoading) Fire(OnActivate);
  }
  g_skin_changing = false;
  if (FNoAutoUpdate) Fire(OnAfterChange);
  UpdateDialogFlag();
}

std::u16string TSkinManager::PackageFileName() const {
  return WithTrailingBackslash(FSkinDirectory) + FSkinName + std::u16string(kPackageExtension);
}

// From the package file when one exists, else from a directory or an
// internal skin. False when the load failed; the error has been shown.
bool TSkinManager::ReloadCurrentSkin() {
  SkinIsPacked = SkinFileExists(PackageFileName());
  // A previewed skin's own directory holds its images.
  if (FPreviewMode) {
    std::error_code error;
    if (std::filesystem::is_directory(SkinFilePath(WithTrailingBackslash(FSkinDirectory) + FSkinName), error)) {
      SkinIsPacked = false;
    }
  }
  try {
    if (SkinIsPacked) {
      ReloadPackedSkin();
    } else {
      ReloadSkin();
    }
    return true;
  } catch (const std::exception& e) {
    ShowError(ErrorText(e));
    return false;
  }
}

void TSkinManager::ReloadSkin() {
  if (!FActive) return;
  LoadScope scope;
  Skin.CommonSkinData.SkinPath = GetFullSkinDirectory() + FSkinName + u"\\";
  std::optional<TSkinOptions> options;
  if (FPreviewMode && FPreviewOptions) {
    // The options come from the editor; the images still from the directory.
    SkinIsPacked = false;
    const std::string& text = *FPreviewOptions;
    options = TSkinOptions::FromBytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  } else if (auto bytes = ReadSkinFile(Skin.CommonSkinData.SkinPath + u"Options.dat")) {
    SkinIsPacked = false;
    options = TSkinOptions::FromBytes(*bytes);
  } else {
    Skin.CommonSkinData.SkinPath.clear();
    int index = InternalSkins.IndexOf(FSkinName);
    if (index < 0) {
      if (InternalSkins.Empty()) {
        FActive = false;
        return;
      }
      index = 0;
      FSkinName = InternalSkins[0].Name;
    }
    const std::vector<std::uint8_t>& data = InternalSkins[static_cast<std::size_t>(index)].Data;
    SkinIsPacked = !data.empty();
    if (SkinIsPacked) {
      g_convertor = std::make_unique<TSkinConvertor>();
      MemoryStream packed(data);
      g_convertor->PackedData = &packed;
      LoadSkinPackage(*g_convertor, [this](std::u16string_view text) { ShowUnskinned(TSkinBoxKind::Error, text); });
      g_convertor->PackedData = nullptr;
      if (!g_convertor->Options) {
        MessageBox().Show(TSkinBoxKind::Plain, InternalFormatErrorMessage(FSkinName));
        return;
      }
      options = TSkinOptions::FromBytes(g_convertor->Options->Bytes());
    }
  }
  LoadFromOptions(options ? &*options : nullptr);
}

void TSkinManager::ReloadPackedSkin() {
  if (!FActive) return;
  LoadScope scope;
  LoadSkinPackageFile(PackageFileName(), g_convertor,
                      [this](std::u16string_view text) { ShowUnskinned(TSkinBoxKind::Error, text); });
  if (!g_convertor || !g_convertor->Options) {
    MessageBox().Show(TSkinBoxKind::Plain, InternalFormatErrorMessage(FSkinName));
    return;
  }
  Skin.CommonSkinData.SkinPath = GetFullSkinDirectory();
  const TSkinOptions options = TSkinOptions::FromBytes(g_convertor->Options->Bytes());
  LoadFromOptions(&options);
}

void TSkinManager::LoadFromOptions(const TSkinOptions* options) {
  const double version = options ? options->ReadFloat(u"GLOBALINFO", u"VERSION", 0) : 0;
  Skin.CommonSkinData.Version = version;
  CheckVersion(version);

  std::optional<TSkinOptions> common;
  if (!FCommonSections.empty()) common = TSkinOptions::FromText(FCommonSections);
  TSkinLoadSource source;
  source.Options = options;
  source.Package = SkinIsPacked ? g_convertor.get() : nullptr;
  source.CommonSections = common ? &*common : nullptr;
  source.Brightness = FBrightness;
  const std::u16string skin_path = Skin.CommonSkinData.SkinPath;
  LoadAllMasks(Skin, source);
  LoadAllGeneralData(Skin, source);
  Skin.CommonSkinData.SkinPath = skin_path;
  for (TSkinMaskData& mask : Skin.ma) mask.Manager = this;
  AdjustSkinColors(Skin, {FHueOffset, FSaturation, FBrightness});
  InitConstantIndexes();
  Fire(OnSkinLoading);
}

void TSkinManager::CheckVersion(double version) {
  if (version > kNewestSupportedVersion) ShowUnskinned(TSkinBoxKind::Warning, kVersionWarning);
}

// A hue, saturation, brightness, border or common-sections change: the skin
// is read again with the new settings and the forms repainted.
void TSkinManager::ReloadWithAdjustments() {
  if (!FActive || FSkinName.empty() || FLoading) return;
  ReloadCurrentSkin();
  Fire(OnAfterChange);
  if (!FNoAutoUpdate) RepaintForms(true);
}

}  // namespace vorlan::skin
