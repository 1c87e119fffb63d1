#include "skin/data/skin_package.h"
#include "platform/ascii.h"

#include <array>
#include <cstring>

#include "skin/data/ansi_text.h"
#include "skin/data/skin_errors.h"
#include "skin/data/skin_files.h"
#include "skin/data/zstream.h"

namespace vorlan::skin {
namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'A', 'S', 'z', 'f'};

std::uint32_t ReadUInt32(Stream& stream) {
  std::array<std::uint8_t, 4> bytes{};
  stream.ReadBuffer(bytes);
  return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
         (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

bool HasBitmapExtension(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos) return false;
  // A separator after the dot means the dot belongs to a directory name.
  const std::u16string_view extension = name.substr(dot);
  if (extension.find_first_of(u"\\/:") != std::u16string_view::npos) return false;
  return platform::AsciiUpperCopy(extension) == u".BMP";
}

// Inflates one member of `size` bytes and then to the end of its zlib
// stream, so that the source stands right after the trailer.
std::unique_ptr<MemoryStream> InflateMember(Stream& packed, std::uint32_t size) {
  auto content = std::make_unique<MemoryStream>();
  TZDecompressionStream inflater(packed);
  CopyStreamBytes(*content, inflater, size);
  std::uint8_t extra = 0;
  if (inflater.Read(std::span(&extra, 1)) != 0) ThrowZDecompressionError(-3);  // longer than declared
  if (!inflater.AtStreamEnd()) throw EReadError();                             // trailer missing
  content->Seek(0);
  return content;
}

}  // namespace

void TSkinConvertor::Clear() {
  while (!Files.empty()) Files.pop_back();
  Options.reset();
  PackedData = nullptr;
}

const TSkImageItem* TSkinConvertor::FindFile(std::u16string_view upper_name) const {
  for (const TSkImageItem& item : Files) {
    if (platform::AsciiUpperCopy(item.FileName) == upper_name) return &item;
  }
  return nullptr;
}

bool LoadSkinPackage(TSkinConvertor& convertor, const ShowSkinError& show_error) {
  Stream& packed = *convertor.PackedData;
  packed.Seek(0);
  std::array<std::uint8_t, 16> header{};
  packed.Read(header);
  if (std::memcmp(header.data(), kMagic.data(), kMagic.size()) != 0) {
    if (show_error) show_error(u"Loaded data is not a packed VeltrixSkin file");
    return false;
  }
  const std::uint32_t count = static_cast<std::uint32_t>(header[4]) | (static_cast<std::uint32_t>(header[5]) << 8) |
                              (static_cast<std::uint32_t>(header[6]) << 16) |
                              (static_cast<std::uint32_t>(header[7]) << 24);
  convertor.ImageCount = static_cast<std::int32_t>(count - 1);
  packed.Seek(8);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t name_length = ReadUInt32(packed);
    // The name cannot be longer than what is left of the package.
    if (name_length > packed.Size() - packed.Position()) throw EReadError();
    std::string name_bytes(name_length, '\0');
    packed.ReadBuffer(std::span(reinterpret_cast<std::uint8_t*>(name_bytes.data()), name_bytes.size()));
    const std::uint32_t size = ReadUInt32(packed);
    std::u16string name = AnsiToUtf16(name_bytes);
    std::unique_ptr<MemoryStream> content = InflateMember(packed, size);
    if (platform::EqualsIgnoreCase(name, u"Options.dat")) {
      convertor.Options = std::move(content);
    } else {
      TSkImageItem item;
      item.IsBitmap = HasBitmapExtension(name);
      item.FileName = std::move(name);
      item.FileStream = std::move(content);
      convertor.Files.push_back(std::move(item));
    }
  }
  return true;
}

void LoadSkinPackageFile(const std::u16string& file_name, std::unique_ptr<TSkinConvertor>& slot,
                         const ShowSkinError& show_error) {
  if (!SkinFileExists(file_name)) return;
  if (slot) {
    slot->Clear();
  } else {
    slot = std::make_unique<TSkinConvertor>();
  }
  std::optional<std::vector<std::uint8_t>> bytes = ReadSkinFile(file_name);
  MemoryStream packed(bytes ? std::move(*bytes) : std::vector<std::uint8_t>{});
  slot->PackedData = &packed;
  try {
    LoadSkinPackage(*slot, show_error);
  } catch (...) {
    slot->PackedData = nullptr;
    throw;
  }
  slot->PackedData = nullptr;
}

}  // namespace vorlan::skin
