#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Skins on disk for the runs of the program: copies of the internal skin's
// own files (res/skin), a recoloured one, and damaged ones, in a temporary
// directory of their own that goes with this object.
namespace vorlan::app::testing {

inline constexpr char kInternalSkinName[] = "Rorur Udari (internal)";

class SkinFiles {
 public:
  SkinFiles();
  ~SkinFiles();
  SkinFiles(const SkinFiles&) = delete;
  SkinFiles& operator=(const SkinFiles&) = delete;

  // The directory holding the skins (ends without a separator).
  const std::wstring& Directory() const { return directory_; }
  std::wstring PathOf(const std::wstring& name) const { return directory_ + L"\\" + name; }

  // A skin directory `name` with the internal skin's files; its Options.dat
  // text.
  std::string CopyOfInternalSkin(const std::wstring& name);
  // The same with the channels of every bitmap and colour turned round
  // (red from green, green from blue, blue from red; magenta kept): it looks
  // different wherever the skin shows, the title included.
  std::string RecolouredSkin(const std::wstring& name);
  // A file of the directory replaced.
  void Replace(const std::wstring& skin, const std::wstring& file, const std::vector<std::uint8_t>& bytes);
  void Remove(const std::wstring& skin, const std::wstring& file);
  // The skin directory packed into `name`.asz, cut to `keep` of its bytes
  // (all with 1.0).
  void Pack(const std::wstring& skin, const std::wstring& name, double keep = 1.0);

 private:
  std::wstring directory_;
};

// ASCII text between the two string kinds.
inline std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }
inline std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::vector<std::uint8_t> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes);

// A 24-bit bitmap file's header for `width` × `height` with `pixel_bytes`
// bytes of pixels after it (a header that promises more than follows with
// fewer).
std::vector<std::uint8_t> BitmapFile(std::int32_t width, std::int32_t height, std::size_t pixel_bytes);

// Options text with every position of the "@", "^" and "~" image entries
// moved far outside any picture.
std::string WithPositionsOutOfRange(const std::string& options);

}  // namespace vorlan::app::testing
