// Skin directories, skin lists, the skin's version text and extracting
// internal skins.
#include <cstdio>
#include <filesystem>
#include <random>
#include <string_view>
#include <system_error>

#include "platform/file_write.h"
#include "platform/text.h"
#include "skin/data/manager_directory.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_manager.h"

namespace vorlan::skin {

std::u16string TSkinManager::GetFullSkinDirectory() const {
  return ResolveSkinDirectory(FSkinDirectory, ProgramDirectory());
}

std::u16string TSkinManager::SkinInfo() const {
  if (Skin.gd.empty()) return u"N/A";
  char text[64];
  std::snprintf(text, sizeof text, "%.15g", Skin.CommonSkinData.Version);
  std::string s = text;
  for (char& c : s) {
    if (c == ',') c = '.';
  }
  return platform::Utf8ToUtf16(s);
}

std::u16string TSkinManager::GetExternalSkinNames(std::vector<std::u16string>& names, TSkinTypes type) const {
  names = FindSkinsInDirectory(GetFullSkinDirectory(), type);
  const std::u16string first = names.empty() ? std::u16string() : names.front();
  SortSkinNames(names);
  return first;
}

std::u16string TSkinManager::GetSkinNames(std::vector<std::u16string>& names, TSkinTypes type) const {
  names.clear();
  for (const TSkinStoredSkin& stored : InternalSkins.Items()) names.push_back(stored.Name);
  for (auto& name : FindSkinsInDirectory(GetFullSkinDirectory(), type)) names.push_back(std::move(name));
  const std::u16string first = names.empty() ? std::u16string() : names.front();
  SortSkinNames(names);
  return first;
}

void TSkinManager::GetSkinSections(std::vector<std::u16string>& names) const {
  names.clear();
  for (const TSkinGeneralData& section : Skin.gd) names.push_back(section.ClassName);
}

std::u16string TSkinManager::GetRandomSkin() const {
  std::vector<std::u16string> names;
  GetSkinNames(names, stAllSkins);
  if (names.empty()) return {};
  std::random_device seed;
  std::mt19937 generator(seed());
  return names[std::uniform_int_distribution<std::size_t>(0, names.size() - 1)(generator)];
}

namespace {
bool DirectoryExists(std::u16string_view name) {
  std::error_code ec;
  return std::filesystem::is_directory(SkinFilePath(name), ec);
}
}  // namespace

void TSkinManager::ExtractByIndex(std::size_t index, std::u16string_view dest_dir) {
  if (index >= InternalSkins.Count()) return;
  const std::u16string dir = WithTrailingBackslash(dest_dir);
  std::error_code ec;
  if (!DirectoryExists(dir) && !std::filesystem::create_directories(SkinFilePath(dir), ec)) {
    ShowError(dir + std::u16string(kDirectoryCreationError));
    return;
  }
  const TSkinStoredSkin& stored = InternalSkins[index];
  const std::u16string target = NativeSkinFileName(dir + stored.Name + std::u16string(kExtractedSuffix));
  try {
    platform::WriteWholeFile(target, {reinterpret_cast<const char*>(stored.Data.data()), stored.Data.size()});
  } catch (const Error& e) {
    ShowError(e.Message());
  }
}

void TSkinManager::ExtractInternalSkin(std::u16string_view name_of_skin, std::u16string_view dest_dir) {
  bool found = false;
  for (std::size_t i = 0; i < InternalSkins.Count(); ++i) {
    if (InternalSkins[i].Name != name_of_skin) continue;
    found = true;
    if (DirectoryExists(dest_dir)) {
      ExtractByIndex(i, dest_dir);
    } else {
      ShowError(kDirectoryDoesNotExist);
    }
  }
  if (!found) ShowError(kSkinDoesNotExist);
}

}  // namespace vorlan::skin
