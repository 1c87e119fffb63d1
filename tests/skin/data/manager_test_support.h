#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"
#include "skin/data/manager_messages.h"
#include "skin/data/manager_stored_skin.h"
#include "skin/data/skin_manager.h"
#include "skin/data/skin_package_writer.h"

namespace vorlan::skin::testing {

struct ShownMessage {
  TSkinBoxKind Kind;
  std::u16string Text;
  friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingBox final : public ISkinMessageBox {
 public:
  void Show(TSkinBoxKind kind, std::u16string_view text) override {
    Shown.push_back({kind, std::u16string(text)});
    DialogsSkinnedWhileShown.push_back(!StdDialogsNotSkinned());
  }
  std::vector<ShownMessage> Shown;
  std::vector<bool> DialogsSkinnedWhileShown;  // the dialog flag the hook read while each box was up
};

// A fresh directory removed at the end of the test.
class TempDir {
 public:
  TempDir() {
    std::random_device seed;
    Path = std::filesystem::temp_directory_path() / ("vorlan-skinmgr-" + std::to_string(seed()));
    std::filesystem::create_directories(Path);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
  std::u16string Text() const { return Wide(Path); }
  static std::u16string Wide(const std::filesystem::path& p) {
    const std::u8string utf8 = p.u8string();
    return platform::Utf8ToUtf16(std::string(utf8.begin(), utf8.end()));
  }
  void Write(const std::filesystem::path& relative, std::string_view bytes) const {
    std::filesystem::create_directories((Path / relative).parent_path());
    std::ofstream(Path / relative, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  std::filesystem::path Path;
};

inline std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// A package holding only an options member (when `options` is not empty).
inline std::vector<std::uint8_t> OptionsPackage(std::string_view options) {
  std::vector<PackageMember> members;
  if (!options.empty()) members.push_back({u"Options.dat", Bytes(options), PackMethod::Deflate});
  members.push_back({u"Dummy.txt", Bytes("x"), PackMethod::Store});
  return WriteSkinPackage(members);
}

inline TSkinStoredSkin StoredSkin(std::u16string_view name, std::vector<std::uint8_t> data) {
  TSkinStoredSkin skin;
  skin.Name = name;
  skin.Data = std::move(data);
  return skin;
}

}  // namespace vorlan::skin::testing
