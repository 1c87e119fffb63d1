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

std::int32_t Read16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::int16_t>(b[at] | b[at + 1] << 8);
}

// The channels turned round, red taking green's value, green blue's and
// blue red's; the skins' transparent magenta stays itself. Bytes: B, G, R.
void TurnChannels(std::uint8_t* bgr) {
  if (bgr[0] == 0xFF && bgr[1] == 0x00 && bgr[2] == 0xFF) return;
  const std::uint8_t b = bgr[0], g = bgr[1], r = bgr[2];
  bgr[2] = g;
  bgr[1] = b;
  bgr[0] = r;
}

// A colour value of the options (0x00BBGGRR in decimal) turned the same way.
std::string TurnedColourValue(const std::string& value) {
  if (value.empty() || !std::all_of(value.begin(), value.end(), [](char c) { return std::isdigit(c) != 0; })) {
    return value;
  }
  const std::uint32_t colour = static_cast<std::uint32_t>(std::stoul(value));
  std::uint8_t bgr[3] = {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                         static_cast<std::uint8_t>(colour)};
  TurnChannels(bgr);
  return std::to_string((colour & 0xFF000000u) | std::uint32_t{bgr[0]} << 16 | std::uint32_t{bgr[1]} << 8 | bgr[2]);
}

std::string TurnedColours(const std::string& options) {
  std::string out;
  std::size_t start = 0;
  while (start < options.size()) {
    std::size_t end = options.find('\n', start);
    if (end == std::string::npos) end = options.size();
    std::string line = options.substr(start, end - start);
    const bool cr = !line.empty() && line.back() == '\r';
    if (cr) line.pop_back();
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) {
      const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
      const auto ends_with = [&](const char* tail) {
        const std::string t = tail;
        return key.size() >= t.size() && key.compare(key.size() - t.size(), t.size(), t) == 0;
      };
      if (ends_with("COLOR")) {
        line = key + "=" + TurnedColourValue(value);
      } else if (ends_with("GRADIENTDATA")) {
        // Groups of five: two colours, then the percentage and two modes.
        std::string turned;
        std::size_t field = 0, at = 0;
        while (at <= value.size()) {
          std::size_t semicolon = value.find(';', at);
          if (semicolon == std::string::npos) semicolon = value.size();
          const std::string part = value.substr(at, semicolon - at);
          turned += (field % 5 < 2 ? TurnedColourValue(part) : part);
          if (semicolon < value.size()) turned += ';';
          at = semicolon + 1;
          ++field;
        }
        line = key + "=" + turned;
      }
    }
    out += line + (cr ? "\r" : "");
    if (end < options.size()) out += '\n';
    start = end + 1;
  }
  return out;
}

// Every pixel (or palette entry) of a bitmap file turned. The file's header
// is the old 12-byte kind or a newer one.
void TurnBitmapChannels(std::vector<std::uint8_t>& bmp) {
  if (bmp.size() < 26 || bmp[0] != 'B' || bmp[1] != 'M') return;
  const std::size_t offset = Read32(bmp, 10), header = Read32(bmp, 14);
  const bool core = header == 12;
  if (!core && bmp.size() < 54) return;
  const std::int32_t width = core ? Read16(bmp, 18) : static_cast<std::int32_t>(Read32(bmp, 18));
  const std::int32_t height = core ? Read16(bmp, 20) : static_cast<std::int32_t>(Read32(bmp, 22));
  const int bits = core ? Read16(bmp, 24) : Read16(bmp, 28);
  if (bits <= 8) {
    const std::size_t entry = core ? 3 : 4;
    for (std::size_t at = 14 + header; at + entry <= offset; at += entry) TurnChannels(&bmp[at]);
    return;
  }
  if (bits != 24 && bits != 32) return;
  const std::size_t pixel = static_cast<std::size_t>(bits / 8);
  const std::size_t stride = (static_cast<std::size_t>(width) * pixel + 3) & ~std::size_t{3};
  const std::size_t rows = static_cast<std::size_t>(std::abs(height));
  for (std::size_t y = 0; y < rows; ++y) {
    for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
      const std::size_t at = offset + y * stride + x * pixel;
      if (at + 2 < bmp.size()) TurnChannels(&bmp[at]);
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
  const std::string options = TurnedColours(CopyOfInternalSkin(name));
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(PathOf(name)))) {
    std::wstring extension = entry.path().extension().wstring();
    std::transform(extension.begin(), extension.end(), extension.begin(), ::towlower);
    if (extension != L".bmp") continue;
    std::vector<std::uint8_t> bytes = ReadBytes(entry.path().wstring());
    TurnBitmapChannels(bytes);
    WriteBytes(entry.path().wstring(), bytes);
  }
  WriteBytes(PathOf(name) + L"\\Options.dat", std::vector<std::uint8_t>(options.begin(), options.end()));
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
