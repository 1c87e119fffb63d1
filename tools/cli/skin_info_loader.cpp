#include "cli/skin_info_loader.h"
#include "platform/ascii.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/error.h"
#include "platform/text.h"
#include "skin/data/manager_messages.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_loader.h"
#include "skin/data/skin_options.h"
#include "skin/data/skin_package.h"

namespace vorlan::cli {
namespace {

std::u16string WithTrailingBackslash(std::u16string directory) {
  if (!directory.empty() && directory.back() == u'/') directory.pop_back();
  if (directory.empty() || directory.back() != u'\\') directory += u'\\';
  return directory;
}

std::u16string SkinNameOfFile(std::u16string_view file) {
  const std::size_t slash = file.find_last_of(u"\\/");
  std::u16string name(slash == std::u16string_view::npos ? file : file.substr(slash + 1));
  if (name.size() > 4 && platform::AsciiUpperCopy(name.substr(name.size() - 4)) == u".ASZ")
    name.resize(name.size() - 4);
  return name;
}

std::u16string DirectoryOfFile(std::u16string_view file) {
  const std::size_t slash = file.find_last_of(u"\\/");
  return slash == std::u16string_view::npos ? u"." : std::u16string(file.substr(0, slash));
}

void LoadTables(SkinInfo& info, const skin::TSkinOptions& options, const skin::TSkinConvertor* package) {
  skin::TSkinLoadSource source;
  source.Options = &options;
  source.Package = package;
  skin::LoadAllMasks(info.Skin, source);
  skin::LoadAllGeneralData(info.Skin, source);
  info.Skin.CommonSkinData.Active = true;
}

SkinInfo LoadPackage(std::u16string_view file) {
  std::unique_ptr<skin::TSkinConvertor> convertor;
  std::u16string shown;
  skin::LoadSkinPackageFile(std::u16string(file), convertor, [&](std::u16string_view text) { shown = text; });
  if (!shown.empty()) throw Error(shown);
  if (!convertor || !convertor->Options) {
    throw Error(skin::InternalFormatErrorMessage(SkinNameOfFile(file)));
  }
  SkinInfo info;
  for (const skin::TSkImageItem& item : convertor->Files) {
    info.Members.push_back({item.FileName, item.FileStream->Size(), item.IsBitmap});
  }
  info.OptionsSize = convertor->Options->Size();
  info.Skin.CommonSkinData.SkinPath = WithTrailingBackslash(DirectoryOfFile(file));
  const skin::TSkinOptions options = skin::TSkinOptions::FromBytes(convertor->Options->View());
  LoadTables(info, options, convertor.get());
  return info;
}

SkinInfo LoadDirectory(std::u16string_view directory) {
  SkinInfo info;
  info.Skin.CommonSkinData.SkinPath = WithTrailingBackslash(std::u16string(directory));
  const auto bytes = skin::ReadSkinFile(info.Skin.CommonSkinData.SkinPath + u"Options.dat");
  if (!bytes) throw Error(u"The skin directory \"" + std::u16string(directory) + u"\" has no Options.dat.");
  info.OptionsSize = static_cast<std::int64_t>(bytes->size());
  const skin::TSkinOptions options = skin::TSkinOptions::FromBytes(*bytes);
  LoadTables(info, options, nullptr);
  return info;
}

}  // namespace

SkinInfo LoadSkinInfo(std::u16string_view source) {
  std::error_code error;
  const std::filesystem::path path = skin::SkinFilePath(source);
  if (std::filesystem::is_directory(path, error)) return LoadDirectory(source);
  if (std::filesystem::is_regular_file(path, error)) return LoadPackage(source);
  throw Error(u"The skin \"" + std::u16string(source) + u"\" does not exist.");
}

}  // namespace vorlan::cli
