#include "skin/data/skin_package_writer.h"
#include "platform/ascii.h"

#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/text.h"
#include "skin/data/ansi_text.h"
#include "skin/data/skin_errors.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_package.h"

namespace vorlan::skin {
namespace {

void AppendUInt32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendUInt32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::vector<std::uint8_t> StoredZlibStream(std::span<const std::uint8_t> content) {
  constexpr std::size_t kMaxStoredBlock = 65535;
  std::vector<std::uint8_t> out = {0x78, 0x01};
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min(kMaxStoredBlock, content.size() - offset);
    const bool last = offset + length == content.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(length));
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(~length));
    out.push_back(static_cast<std::uint8_t>(~length >> 8));
    out.insert(out.end(), content.begin() + static_cast<std::ptrdiff_t>(offset),
               content.begin() + static_cast<std::ptrdiff_t>(offset + length));
    offset += length;
  } while (offset < content.size());
  AppendUInt32BigEndian(out, static_cast<std::uint32_t>(
                                 adler32(adler32(0, nullptr, 0), content.data(), static_cast<uInt>(content.size()))));
  return out;
}

std::vector<std::uint8_t> DeflatedZlibStream(std::span<const std::uint8_t> content) {
  uLongf length = compressBound(static_cast<uLong>(content.size()));
  std::vector<std::uint8_t> out(length);
  const int result =
      compress2(out.data(), &length, content.data(), static_cast<uLong>(content.size()), Z_BEST_COMPRESSION);
  if (result != Z_OK) throw EZCompressionError(result, std::string(ZLibCodeText(result)));
  out.resize(length);
  return out;
}

int ExtensionGroup(std::u16string_view name) {
  const std::u16string upper = platform::AsciiUpperCopy(name);
  const auto ends_with = [&](std::u16string_view suffix) { return upper.ends_with(suffix); };
  if (upper == u"OPTIONS.DAT") return 0;
  if (ends_with(u".BMP")) return 1;
  if (ends_with(u".JPG") || ends_with(u".JPEG")) return 2;
  if (ends_with(u".PNG")) return 3;
  return 4;
}

std::u16string PathText(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return platform::Utf8ToUtf16(std::string(utf8.begin(), utf8.end()));
}

std::u16string JoinPath(std::u16string_view directory, std::u16string_view name) {
  std::u16string path(directory);
  if (!path.empty() && path.back() != u'\\' && path.back() != u'/') path += u'\\';
  return path + std::u16string(name);
}

void WriteWholeFile(std::u16string_view name, std::span<const std::uint8_t> bytes) {
  std::ofstream file(SkinFilePath(name), std::ios::binary | std::ios::trunc);
  if (file) file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw Error(u"Cannot create file \"" + std::u16string(name) + u"\".");
}

// Member names are plain file names: nothing that could leave the directory.
void CheckMemberName(std::u16string_view name) {
  const bool unsafe = name.empty() || name == u"." || name == u".." ||
                      name.find_first_of(u"\\/:") != std::u16string_view::npos ||
                      name.find(u'\0') != std::u16string_view::npos;
  if (unsafe) throw Error(u"Invalid member name \"" + std::u16string(name) + u"\".");
}

}  // namespace

std::vector<std::uint8_t> ZlibStream(std::span<const std::uint8_t> content, PackMethod method) {
  return method == PackMethod::Store ? StoredZlibStream(content) : DeflatedZlibStream(content);
}

std::vector<std::uint8_t> WriteSkinPackage(std::span<const PackageMember> members) {
  std::vector<std::uint8_t> out = {'A', 'S', 'z', 'f'};
  AppendUInt32(out, static_cast<std::uint32_t>(members.size()));
  for (const PackageMember& member : members) {
    const std::string name = Utf16ToAnsi(member.Name);
    if (AnsiToUtf16(name) != member.Name) {
      throw Error(u"The name \"" + member.Name + u"\" cannot be written in the ANSI code page.");
    }
    AppendUInt32(out, static_cast<std::uint32_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    AppendUInt32(out, static_cast<std::uint32_t>(member.Content.size()));
    const std::vector<std::uint8_t> stream = ZlibStream(member.Content, member.Method);
    out.insert(out.end(), stream.begin(), stream.end());
  }
  return out;
}

std::vector<PackageMember> ReadSkinDirectory(std::u16string_view directory, PackMethod method) {
  std::error_code error;
  const std::filesystem::path path = SkinFilePath(directory);
  if (!std::filesystem::is_directory(path, error)) {
    throw Error(u"Directory \"" + std::u16string(directory) + u"\" does not exist.");
  }
  std::vector<PackageMember> members;
  for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
    if (!entry.is_regular_file(error)) continue;
    PackageMember member;
    member.Name = PathText(entry.path().filename());
    const std::u16string file = JoinPath(directory, member.Name);
    std::optional<std::vector<std::uint8_t>> bytes = ReadSkinFile(file);
    if (!bytes) throw Error(u"Cannot read file \"" + file + u"\".");
    member.Content = std::move(*bytes);
    member.Method = method;
    members.push_back(std::move(member));
  }
  if (error) throw Error(u"Cannot list directory \"" + std::u16string(directory) + u"\".");
  std::sort(members.begin(), members.end(), [](const PackageMember& a, const PackageMember& b) {
    const int group_a = ExtensionGroup(a.Name);
    const int group_b = ExtensionGroup(b.Name);
    if (group_a != group_b) return group_a < group_b;
    const std::u16string upper_a = platform::AsciiUpperCopy(a.Name);
    const std::u16string upper_b = platform::AsciiUpperCopy(b.Name);
    return upper_a != upper_b ? upper_a < upper_b : a.Name < b.Name;
  });
  return members;
}

void PackSkinDirectory(std::u16string_view directory, std::u16string_view package_file, PackMethod method) {
  const std::vector<PackageMember> members = ReadSkinDirectory(directory, method);
  WriteWholeFile(package_file, WriteSkinPackage(members));
}

void UnpackSkinPackage(std::u16string_view package_file, std::u16string_view directory) {
  std::optional<std::vector<std::uint8_t>> bytes = ReadSkinFile(package_file);
  if (!bytes) throw Error(u"Cannot open file \"" + std::u16string(package_file) + u"\".");
  MemoryStream packed(std::move(*bytes));
  TSkinConvertor convertor;
  convertor.PackedData = &packed;
  std::u16string not_packed;
  const bool loaded = LoadSkinPackage(convertor, [&](std::u16string_view text) { not_packed = text; });
  convertor.PackedData = nullptr;
  if (!loaded) throw Error(not_packed);
  for (const TSkImageItem& item : convertor.Files) CheckMemberName(item.FileName);
  std::error_code error;
  std::filesystem::create_directories(SkinFilePath(directory), error);
  if (!std::filesystem::is_directory(SkinFilePath(directory), error)) {
    throw Error(std::u16string(directory) + u" directory creation error.");
  }
  if (convertor.Options) WriteWholeFile(JoinPath(directory, u"Options.dat"), convertor.Options->View());
  for (const TSkImageItem& item : convertor.Files) {
    WriteWholeFile(JoinPath(directory, item.FileName), item.FileStream->View());
  }
}

}  // namespace vorlan::skin
