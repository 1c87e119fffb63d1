#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_stream.h"

// Skin packages ("ASzf" archives): reading them into in-memory members.
namespace vorlan::skin {

inline constexpr char kOptionsFileName[] = "Options.dat";

// One image member of a package.
struct TSkImageItem {
  std::u16string FileName;  // as stored, widened from the ANSI code page
  bool IsBitmap = false;    // the upper-cased extension is ".BMP"
  std::unique_ptr<MemoryStream> FileStream;
};

using TSkImageItems = std::vector<TSkImageItem>;

// The unpacked content of a package.
class TSkinConvertor {
 public:
  TSkinConvertor() = default;
  TSkinConvertor(const TSkinConvertor&) = delete;
  TSkinConvertor& operator=(const TSkinConvertor&) = delete;
  ~TSkinConvertor() { Clear(); }

  // Frees every member (last to first), the options and the package data.
  void Clear();

  // The first image member whose upper-cased name equals `upper_name`.
  const TSkImageItem* FindFile(std::u16string_view upper_name) const;

  std::unique_ptr<MemoryStream> Options;  // none without an options member
  Stream* PackedData = nullptr;           // borrowed while reading
  std::int32_t ImageCount = 0;
  TSkImageItems Files;
};

// Shows an error text to the user (a message box in the program).
using ShowSkinError = std::function<void(std::u16string_view)>;

// Reads the package in `convertor.PackedData` from position 0. Returns false
// (after showing "Loaded data is not a packed VeltrixSkin file") when the data
// is not a package; raises EReadError or EZDecompressionError for broken
// members, keeping the members read so far.
bool LoadSkinPackage(TSkinConvertor& convertor, const ShowSkinError& show_error);

// Loads the package file into the convertor of `slot` (creating it when the
// slot is empty, clearing it otherwise). Does nothing when the file does not
// exist.
void LoadSkinPackageFile(const std::u16string& file_name, std::unique_ptr<TSkinConvertor>& slot,
                         const ShowSkinError& show_error);

}  // namespace vorlan::skin
