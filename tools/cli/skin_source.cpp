#include "cli/skin_source.h"

#include <algorithm>
#include <vector>

#include "cli/image_bmp_writer.h"
#include "cli/image_png_writer.h"
#include "cli/skin_manager_info.h"
#include "platform/ascii.h"
#include "platform/file_write.h"
#include "platform/text.h"
#include "skin/data/skin_package.h"

namespace vorlan::cli {

SkinInfo LoadSkinSource(const std::string& source) {
  const std::vector<std::string> args{source};
  const ManagedInfoRequest request = ParseManagedInfo(args);
  return request.Loader(platform::Utf8ToUtf16(request.Args.at(0)));
}

std::int32_t FindSectionAnyCase(const skin::TLoadedSkin& skin, std::u16string_view name) {
  const std::u16string wanted = platform::AsciiUpperCopy(name);
  for (std::size_t i = 0; i < skin.gd.size(); ++i) {
    if (platform::AsciiUpperCopy(skin.gd[i].ClassName) == wanted) return static_cast<std::int32_t>(i);
  }
  return -1;
}

ImageFileKind ImageFileKindOf(const std::string& name) {
  if (name.size() < 4) return ImageFileKind::Unknown;
  std::string ext = name.substr(name.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char c) -> char { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  if (ext == ".bmp") return ImageFileKind::Bmp;
  if (ext == ".png") return ImageFileKind::Png;
  return ImageFileKind::Unknown;
}

void WriteImageFile(const std::string& name, ImageFileKind kind, const paint::TBitmap32& bmp) {
  const std::string bytes = kind == ImageFileKind::Png ? EncodePngRgba(bmp) : EncodeBmp32TopDown(bmp);
  platform::WriteWholeFile(platform::Utf8ToUtf16(name), bytes);
}

}  // namespace vorlan::cli
