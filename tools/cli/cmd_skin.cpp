#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "cli/commands.h"
#include "cli/skin_info_json.h"
#include "cli/skin_info_loader.h"
#include "cli/skin_manager_info.h"
#include "cli/skin_paint.h"
#include "cli/skin_sheet.h"
#include "cli/skin_source.h"
#include "platform/text.h"
#include "skin/data/skin_package_writer.h"

namespace vorlan::cli {
namespace {

constexpr char kSkinUsage[] =
    "usage: vorlantv-cli skin pack DIR OUT.asz [--store]\n"
    "       vorlantv-cli skin unpack FILE.asz DIR\n"
    "       vorlantv-cli skin info SOURCE|--internal [--hue N] [--saturation N] [--brightness N]\n"
    "       vorlantv-cli skin paint SOURCE|--internal SECTION STATE OUT [--size W H] [--rect L T R B]\n"
    "               [--parent-color RRGGBB | --parent-image FILE] [--alpha]\n"
    "       vorlantv-cli skin sheet SOURCE|--internal OUT.png\n";

int Usage() {
  std::fputs(kSkinUsage, stderr);
  return 2;
}

std::u16string Wide(const std::string& utf8) { return platform::Utf8ToUtf16(utf8); }

int RunPack(std::span<const std::string> args) {
  if (args.size() == 3 && args[2] != "--store") return Usage();
  if (args.size() != 2 && args.size() != 3) return Usage();
  const skin::PackMethod method = args.size() == 3 ? skin::PackMethod::Store : skin::PackMethod::Deflate;
  skin::PackSkinDirectory(Wide(args[0]), Wide(args[1]), method);
  return 0;
}

int RunUnpack(std::span<const std::string> args) {
  if (args.size() != 2) return Usage();
  skin::UnpackSkinPackage(Wide(args[0]), Wide(args[1]));
  return 0;
}

int RunPaint(std::span<const std::string> args) {
  const std::optional<SkinPaintRequest> request = ParseSkinPaint(args);
  if (!request) return Usage();
  RunSkinPaint(*request);
  return 0;
}

int RunSheet(std::span<const std::string> args) {
  if (args.size() != 2 || ImageFileKindOf(args[1]) != ImageFileKind::Png) return Usage();
  const SkinInfo info = LoadSkinSource(args[0]);
  const SkinSheet sheet = PaintSkinSheet(info.Skin);
  WriteImageFile(args[1], ImageFileKind::Png, sheet.Picture);
  const std::string json = SkinSheetJson(info.Skin, sheet);
  std::fwrite(json.data(), 1, json.size(), stdout);
  return 0;
}

int RunInfo(std::span<const std::string> args, const SkinInfoLoader& loader) {
  if (args.size() != 1) return Usage();
  const std::string json = SkinInfoJson(loader(Wide(args[0])));
  std::fwrite(json.data(), 1, json.size(), stdout);
  return 0;
}

}  // namespace

int RunSkin(std::span<const std::string> args) {
  if (args.empty()) return Usage();
  const std::string_view command = args[0];
  const std::span<const std::string> rest = args.subspan(1);
  try {
    if (command == "pack") return RunPack(rest);
    if (command == "unpack") return RunUnpack(rest);
    if (command == "paint") return RunPaint(rest);
    if (command == "sheet") return RunSheet(rest);
    if (command == "info") {
      const ManagedInfoRequest request = ParseManagedInfo(rest);
      return RunInfo(request.Args, request.Loader);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return Usage();
}

}  // namespace vorlan::cli
