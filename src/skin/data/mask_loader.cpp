#include <algorithm>

#include "paint/bitmap32.h"
#include "platform/ascii.h"
#include "skin/data/image_entries.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_images.h"
#include "skin/data/skin_loader.h"

namespace vorlan::skin {
namespace {

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";
constexpr double kPremultipliedVersion = 7.45;

bool HasDrive(std::u16string_view name) { return name.find(u':') != std::u16string_view::npos; }

class MaskLoader {
 public:
  MaskLoader(TLoadedSkin& skin, const TSkinLoadSource& source, const TSkinOptions& options)
      : skin_(skin), source_(source), options_(options) {
    premultiply_png_ = skin.CommonSkinData.Version > kPremultipliedVersion && source.Brightness <= 0;
  }

  void LoadMasterBitmap() {
    const std::u16string name = options_.ReadString(kGlobalInfo, u"MASTERBITMAP", u"");
    skin_.MasterBitmap = std::make_shared<paint::TBitmap32>();
    if (name.empty()) return;
    if (source_.Package != nullptr) {
      if (const TSkImageItem* item = source_.Package->FindFile(name)) {
        skin_.MasterBitmap = DecodeSkinImage(item->FileStream->View(), SkinImageFormat::Bitmap, false);
      }
    } else if (const auto bytes = ReadSkinFile(SkinFileName(name))) {
      skin_.MasterBitmap = DecodeSkinImage(*bytes, SkinImageFormat::Bitmap, false);
    }
  }

  void LoadEntries() {
    const auto& sections = options_.Sections();
    for (std::size_t s = 0; s < sections.size(); ++s) {
      // A name written twice reads the keys of its first occurrence.
      const TSkinOptions::Section& keys = *options_.FindSection(sections[s].Name);
      for (const TSkinOptions::Entry& entry : keys.Entries) {
        if (sections[s].Name == kGlobalInfo && entry.Key == u"MASTERBITMAP") continue;
        AddEntry(static_cast<std::int32_t>(s), sections[s].Name, entry.Key, platform::AsciiUpperCopy(entry.Value));
      }
    }
  }

  void LoadCommonMasks() {
    if (source_.CommonSections == nullptr) return;
    for (const TSkinOptions::Section& section : source_.CommonSections->Sections()) {
      if (platform::AsciiUpperCopy(section.Name) == kGlobalInfo) continue;
      for (const TSkinOptions::Entry& entry : section.Entries) {
        if (platform::AsciiUpperCopy(entry.Value).find(u".BMP") == std::u16string::npos) continue;
        const auto bytes = ReadSkinFile(SkinFileName(entry.Value));
        if (!bytes) continue;
        SkinBitmapPtr bitmap = DecodeSkinImage(*bytes, SkinImageFormat::Bitmap, false);
        if (bitmap->Width() == 0) continue;
        TSkinMaskData mask;
        mask.Bmp = std::move(bitmap);
        mask.PropertyName = platform::AsciiUpperCopy(entry.Key);
        mask.ClassName = platform::AsciiUpperCopy(section.Name);
        skin_.ma.push_back(std::move(mask));
      }
    }
  }

 private:
  std::u16string SkinFileName(std::u16string_view name) const {
    return HasDrive(name) ? std::u16string(name) : skin_.CommonSkinData.SkinPath + std::u16string(name);
  }

  // The image named so: shared when already loaded, else from the package
  // or the skin directory; none when it is not there.
  SkinBitmapPtr FindImage(std::u16string_view upper_name) {
    for (const TSkExtFileData& file : skin_.ExtArray) {
      if (file.FileName == upper_name) return file.Bmp;
    }
    SkinBitmapPtr bitmap;
    const SkinImageFormat format = ImageFormatOfName(upper_name);
    const bool premultiply = format == SkinImageFormat::Png && premultiply_png_;
    if (source_.Package != nullptr) {
      const TSkImageItem* item = source_.Package->FindFile(upper_name);
      if (item == nullptr) return nullptr;
      bitmap = DecodeSkinImage(item->FileStream->View(), format, premultiply);
    } else {
      const auto bytes = ReadSkinFile(SkinFileName(upper_name));
      if (!bytes) return nullptr;
      bitmap = DecodeSkinImage(*bytes, format, premultiply);
    }
    skin_.ExtArray.push_back(TSkExtFileData{bitmap, std::u16string(upper_name), 0});
    return bitmap;
  }

  void AddEntry(std::int32_t skin_index, std::u16string_view section, std::u16string_view key,
                std::u16string_view value) {
    std::optional<TSkinMaskData> mask;
    switch (ClassifyEntry(value)) {
      case EntryKind::None:
        return;
      case EntryKind::Glyph:
        mask = ParseGlyphEntry(value);
        break;
      case EntryKind::Border:
        mask = ParseBorderEntry(value);
        break;
      case EntryKind::Texture: {
        std::u16string image_name;
        mask = ParseTextureEntry(value, &image_name);
        if (!image_name.empty()) mask->Bmp = FindImage(image_name);
        break;
      }
      case EntryKind::External:
      case EntryKind::Plain:
        mask = ImageFileEntry(value);
        break;
    }
    if (!mask) return;
    mask->SkinIndex = skin_index;
    mask->ClassName = section;
    mask->PropertyName = key;
    if (mask->ImgType == itBorder) mask->CornerType = CornerType(*mask);
    skin_.ma.push_back(std::move(*mask));
  }

  std::optional<TSkinMaskData> ImageFileEntry(std::u16string_view value) {
    const bool external = value.front() == u'!';
    const std::vector<std::u16string_view> words = SplitWords(value, u'!');
    if (words.empty()) return std::nullopt;
    SkinBitmapPtr bitmap = FindImage(external ? words[0] : value);
    if (!bitmap || bitmap->Width() == 0) return std::nullopt;
    TSkinMaskData mask;
    if (external) {
      ReadExternalWords(mask, words);
    } else {
      mask.ImageCount = 1;
      mask.ImgType = itTexture;
    }
    if (!CompleteExternalEntry(mask, words, bitmap->Width(), bitmap->Height())) return std::nullopt;
    mask.Bmp = std::move(bitmap);
    return mask;
  }

  // 1 when a corner of the first frame holds a transparent pixel.
  std::int32_t CornerType(const TSkinMaskData& mask) const {
    if (mask.ClassName == u"BUTTON_HUGE" && mask.PropertyName == u"BORDERSMASK") return 2;
    const paint::TBitmap32* bitmap = mask.Bmp ? mask.Bmp.get() : skin_.MasterBitmap.get();
    if (mask.R.Height() <= 0 || bitmap == nullptr || bitmap->Empty()) return 0;
    const std::int32_t fw = FrameWidth(mask);
    const std::int32_t fh = FrameHeight(mask);
    const std::int32_t left = mask.R.Left;
    const std::int32_t top = mask.R.Top;
    const std::int32_t right = left + fw - mask.WR;
    const std::int32_t bottom = top + fh - mask.WB;
    const bool hit = HasKeyPixel(*bitmap, left, top, mask.WL + 1, mask.WT + 1) ||
                     HasKeyPixel(*bitmap, right, top, mask.WR + 1, mask.WT + 1) ||
                     HasKeyPixel(*bitmap, left, bottom, mask.WL + 1, mask.WB + 1) ||
                     HasKeyPixel(*bitmap, right, bottom, mask.WR + 1, mask.WB + 1);
    return hit ? 1 : 0;
  }

  static bool HasKeyPixel(const paint::TBitmap32& bitmap, std::int32_t x0, std::int32_t y0, std::int32_t columns,
                          std::int32_t rows) {
    if (columns <= 0 || rows <= 0) return false;
    // Coordinates past the bitmap are limited to its last column or row.
    const std::int32_t x1 = std::clamp(x0 + columns - 1, 0, bitmap.Width() - 1);
    const std::int32_t y1 = std::clamp(y0 + rows - 1, 0, bitmap.Height() - 1);
    for (std::int32_t y = std::clamp(y0, 0, bitmap.Height() - 1); y <= y1; ++y) {
      for (std::int32_t x = std::clamp(x0, 0, bitmap.Width() - 1); x <= x1; ++x) {
        if (bitmap.Pixel(x, y) == paint::kKeyPixel) return true;
      }
    }
    return false;
  }

  TLoadedSkin& skin_;
  const TSkinLoadSource& source_;
  const TSkinOptions& options_;
  bool premultiply_png_ = false;
};

}  // namespace

void LoadAllMasks(TLoadedSkin& skin, const TSkinLoadSource& source) {
  static const TSkinOptions kNoOptions;
  const TSkinOptions& options = source.Options != nullptr ? *source.Options : kNoOptions;
  skin.FreeMasks();
  skin.CommonSkinData.Version = options.ReadFloat(kGlobalInfo, u"VERSION", 0);
  MaskLoader loader(skin, source, options);
  loader.LoadMasterBitmap();
  loader.LoadEntries();
  loader.LoadCommonMasks();
}

std::u16string NormalizeCommonSections(std::u16string_view text) {
  std::u16string result;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == std::u16string_view::npos) end = text.size();
    std::u16string line(text.substr(start, end - start));
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    if (TrimSkinText(line).substr(0, 1) != u";") std::erase(line, u' ');
    result += line;
    if (end < text.size()) result += u"\r\n";
    start = end + 1;
  }
  return result;
}

}  // namespace vorlan::skin
