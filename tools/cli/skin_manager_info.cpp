#include "cli/skin_manager_info.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "platform/error.h"
#include "platform/text.h"
#include "skin/data/manager_messages.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_manager.h"
#include "skin/data/skin_options.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_stream.h"
#include "skin/internal/internal_skin.h"

namespace vorlan::cli {
namespace {

constexpr char kInternal[] = "--internal";

struct Settings {
  bool Internal = false;
  std::int32_t Hue = 0, Saturation = 0, Brightness = 0;
};

// Errors fail the command; warnings are shown and the load goes on.
class CommandLineBox final : public skin::ISkinMessageBox {
 public:
  void Show(skin::TSkinBoxKind kind, std::u16string_view text) override {
    if (kind == skin::TSkinBoxKind::Warning) {
      std::fprintf(stderr, "%s\n", platform::Utf16ToUtf8(text).c_str());
    } else if (first_error.empty()) {
      first_error = text;
    }
  }
  std::u16string first_error;
};

// The package's members as `skin info` lists them.
void DescribePackage(SkinInfo& info, std::span<const std::uint8_t> bytes) {
  skin::TSkinConvertor convertor;
  skin::MemoryStream packed(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  convertor.PackedData = &packed;
  skin::LoadSkinPackage(convertor, [](std::u16string_view) {});
  convertor.PackedData = nullptr;
  for (const skin::TSkImageItem& item : convertor.Files) {
    info.Members.push_back({item.FileName, item.FileStream->Size(), item.IsBitmap});
  }
  info.OptionsSize = convertor.Options ? convertor.Options->Size() : 0;
}

SkinInfo LoadThroughManager(const Settings& settings, std::u16string_view source) {
  SkinInfo info;
  skin::TSkinManager manager;
  CommandLineBox box;
  manager.SetMessageBox(&box);
  manager.SetHueOffset(settings.Hue);
  manager.SetSaturation(settings.Saturation);
  manager.SetBrightness(settings.Brightness);
  if (settings.Internal) {
    manager.InternalSkins.Add(skin::MakeInternalSkin());
    DescribePackage(info, manager.InternalSkins[0].Data);
    manager.SetSkinName(skin::kInternalSkinName);
  } else {
    // The manager names a skin by its directory and name; relative sources
    // are taken from the working directory.
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(skin::SkinFilePath(source), ec);
    if (!std::filesystem::exists(path, ec)) {
      throw Error(u"The skin \"" + std::u16string(source) + u"\" does not exist.");
    }
    const auto text = [](const std::filesystem::path& p) {
      const std::u8string utf8 = p.u8string();
      return platform::Utf8ToUtf16(std::string(utf8.begin(), utf8.end()));
    };
    if (std::filesystem::is_regular_file(path, ec)) {
      SkinInfo plain = LoadSkinInfo(source);
      info.Members = std::move(plain.Members);
      info.OptionsSize = plain.OptionsSize;
    } else if (const auto bytes = skin::ReadSkinFile(text(path / "Options.dat"))) {
      info.OptionsSize = static_cast<std::int64_t>(bytes->size());
    }
    manager.SetSkinDirectory(text(path.parent_path()));
    manager.SetSkinName(text(path.filename()));
  }
  if (!box.first_error.empty()) throw Error(box.first_error);
  if (manager.Skin.gd.empty()) throw Error(u"The skin \"" + std::u16string(source) + u"\" does not exist.");
  info.Skin = std::move(manager.Skin);
  manager.Skin = skin::TLoadedSkin{};
  return info;
}

std::optional<std::int32_t> Number(const std::string& text) {
  const auto value = skin::ParseSkinInteger(platform::Utf8ToUtf16(text));
  return value;
}

}  // namespace

ManagedInfoRequest ParseManagedInfo(std::span<const std::string> args) {
  Settings settings;
  bool managed = false;
  ManagedInfoRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::int32_t* target = arg == "--hue"          ? &settings.Hue
                           : arg == "--saturation" ? &settings.Saturation
                           : arg == "--brightness" ? &settings.Brightness
                                                   : nullptr;
    if (target != nullptr) {
      const auto value = i + 1 < args.size() ? Number(args[i + 1]) : std::nullopt;
      if (!value) return {};
      *target = *value;
      managed = true;
      ++i;
    } else if (arg == kInternal) {
      settings.Internal = managed = true;
      request.Args.push_back(arg);
    } else {
      request.Args.push_back(arg);
    }
  }
  if (settings.Internal && request.Args.size() != 1) return {};
  request.Loader =
      managed ? SkinInfoLoader([settings](std::u16string_view source) { return LoadThroughManager(settings, source); })
              : SkinInfoLoader(LoadSkinInfo);
  return request;
}

}  // namespace vorlan::cli
