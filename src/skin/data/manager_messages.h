#pragma once

#include <string>
#include <string_view>

// The boxes the skin manager shows, and their fixed texts.
namespace vorlan::skin {

inline constexpr std::u16string_view kErrorCaption = u"Error";
inline constexpr std::u16string_view kWarningCaption = u"Warning";
inline constexpr std::u16string_view kDirectoryCreationError = u" directory creation error.";
inline constexpr std::u16string_view kDirectoryDoesNotExist = u"Directory does not exists.";
inline constexpr std::u16string_view kSkinDoesNotExist = u"Skin does not exists.";
inline constexpr std::u16string_view kExtractedSuffix = u" extracted.asz";
inline constexpr std::u16string_view kVersionWarning =
    u"This version of the skin has not complete support by used Veltrix package release.\r\n"
    u"Components must be updated to latest version for using this skin.";

// "Internal format error in the "NAME" skin. Please, update this skin to latest version."
std::u16string InternalFormatErrorMessage(std::u16string_view skin_name);

enum class TSkinBoxKind {
  Error,    // caption "Error", error icon, OK
  Warning,  // caption "Warning", warning icon, OK
  Plain,    // the application's title, no icon, OK
};

// Where the manager's messages go: a modal box in the program.
class ISkinMessageBox {
 public:
  virtual ~ISkinMessageBox() = default;
  virtual void Show(TSkinBoxKind kind, std::u16string_view text) = 0;
};

// The platform's boxes (Windows message boxes; standard error elsewhere).
ISkinMessageBox& PlatformSkinMessageBox();

}  // namespace vorlan::skin
