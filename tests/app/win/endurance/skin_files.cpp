#include "skin_files.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/data/skin_package_writer.h"

namespace vorlan::app::testing {
namespace {

namespace fs = std::filesystem;

// The source tree as a Windows path: Wine shows the root as drive Z:.
fs::path InternalSkinFiles() {
  const std::string source = VORLAN_SOURCE_DIR;
  return fs::path((source.rfind('/', 0) == 0 ? "Z:" : "") + source + "/res/skin");
}

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Red and blue swapped in a bitmap file's palette or pixels (magenta, the
// skins' transparent colour, stays itself).
void SwapRedAndBlue(std::vector<std::uint8_t>& bmp) {
  if (bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M') return;
  const std::size_t offset = Read32(bmp, 10), header = Read32(bmp, 14);
  const auto width = static_cast<std::int32_t>(Read32(bmp, 18)), height = static_cast<std::int32_t>(Read32(bmp, 22));
  const int bits = bmp[28] | bmp[29] << 8;
  if (bits <= 8) {
    for (std::size_t at = 14 + header; at + 4 <= offset; at += 4) std::swap(bmp[at], bmp[at + 2]);
    return;
  }
  if (bits != 24 && bits != 32) return;
  const std::size_t pixel = static_cast<std::size_t>(bits / 8);
  const std::size_t stride = (static_cast<std::size_t>(width) * pixel + 3) & ~std::size_t{3};
  const std::size_t rows = static_cast<std::size_t>(std::abs(height));
  for (std::size_t y = 0; y < rows; ++y) {
    for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
      const std::size_t at = offset + y * stride + x * pixel;
      if (at + 2 < bmp.size()) std::swap(bmp[at], bmp[at + 2]);
    }
  }
}

}  // namespace

std::vector<std::uint8_t> ReadBytes(const std::wstring& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(fs::path(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

SkinFiles::SkinFiles() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  static int counter = 0;
  directory_ = std::wstring(temp) + L"vorlan-skins-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(++counter);
  std::error_code ignored;
  fs::remove_all(fs::path(directory_), ignored);
  fs::create_directories(fs::path(directory_));
}

SkinFiles::~SkinFiles() {
  std::error_code ignored;
  fs::remove_all(fs::path(directory_), ignored);
}

std::string SkinFiles::CopyOfInternalSkin(const std::wstring& name) {
  const fs::path target = fs::path(PathOf(name));
  fs::create_directories(target);
  for (const fs::directory_entry& entry : fs::directory_iterator(InternalSkinFiles())) {
    fs::copy_file(entry.path(), target / entry.path().filename(), fs::copy_options::overwrite_existing);
  }
  const std::vector<std::uint8_t> options = ReadBytes((target / L"Options.dat").wstring());
  return std::string(options.begin(), options.end());
}

std::string SkinFiles::RecolouredSkin(const std::wstring& name) {
  const std::string options = CopyOfInternalSkin(name);
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(PathOf(name)))) {
    std::wstring extension = entry.path().extension().wstring();
    std::transform(extension.begin(), extension.end(), extension.begin(), ::towlower);
    if (extension != L".bmp") continue;
    std::vector<std::uint8_t> bytes = ReadBytes(entry.path().wstring());
    SwapRedAndBlue(bytes);
    WriteBytes(entry.path().wstring(), bytes);
  }
  return options;
}

void SkinFiles::Replace(const std::wstring& skin, const std::wstring& file, const std::vector<std::uint8_t>& bytes) {
  WriteBytes(PathOf(skin) + L"\\" + file, bytes);
}

void SkinFiles::Remove(const std::wstring& skin, const std::wstring& file) {
  DeleteFileW((PathOf(skin) + L"\\" + file).c_str());
}

void SkinFiles::Pack(const std::wstring& skin, const std::wstring& name, double keep) {
  const std::wstring source = PathOf(skin);
  const std::vector<skin::PackageMember> members =
      skin::ReadSkinDirectory(std::u16string(source.begin(), source.end()), skin::PackMethod::Deflate);
  std::vector<std::uint8_t> package = skin::WriteSkinPackage(members);
  package.resize(static_cast<std::size_t>(static_cast<double>(package.size()) * keep));
  WriteBytes(PathOf(name + L".asz"), package);
}

std::vector<std::uint8_t> BitmapFile(std::int32_t width, std::int32_t height, std::size_t pixel_bytes) {
  std::vector<std::uint8_t> bmp(54 + pixel_bytes, 0x40);
  std::fill_n(bmp.begin(), 54, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  Put32(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
  Put32(bmp, 10, 54);
  Put32(bmp, 14, 40);
  Put32(bmp, 18, static_cast<std::uint32_t>(width));
  Put32(bmp, 22, static_cast<std::uint32_t>(height));
  bmp[26] = 1;
  bmp[28] = 24;
  return bmp;
}

std::string WithPositionsOutOfRange(const std::string& options) {
  std::string out;
  std::size_t line_start = 0;
  while (line_start < options.size()) {
    std::size_t line_end = options.find('\n', line_start);
    if (line_end == std::string::npos) line_end = options.size();
    std::string line = options.substr(line_start, line_end - line_start);
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos && equals + 1 < line.size() &&
        (line[equals + 1] == '@' || line[equals + 1] == '^' || line[equals + 1] == '~')) {
      // Each four-digit field after a separator: the first two far out, the
      // rest further.
      int field = 0;
      for (std::size_t i = equals + 1; i + 4 < line.size(); ++i) {
        if (line[i] != line[equals + 1] || !std::isdigit(static_cast<unsigned char>(line[i + 1]))) continue;
        if (!std::all_of(line.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                         line.begin() + static_cast<std::ptrdiff_t>(i) + 5,
                         [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
          continue;
        }
        line.replace(i + 1, 4, field++ < 2 ? "9000" : "9990");
      }
    }
    out += line;
    if (line_end < options.size()) out += '\n';
    line_start = line_end + 1;
  }
  return out;
}

}  // namespace vorlan::app::testing
