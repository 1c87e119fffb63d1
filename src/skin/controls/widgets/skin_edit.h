#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "paint/disabled_look.h"
#include "skin/controls/core/common_data.h"
#include "skin/controls/core/skinned_control.h"
#include "ui/edit.h"

// The system's one-line edit box in the skin's EDIT look: the skin paints
// its frame always, and its text area whenever the platform's control does
// not (it does only while it has the focus, for the caret and selection).
namespace vorlan::skin {

// The password character that the skin shows as a black circle.
inline constexpr char16_t kPasswordStar = u'*';
inline constexpr char16_t kPasswordCircle = u'\u25CF';

enum class TEditBorderStyle { bsNone, bsSingle };

class TSkinEdit : public TSkinnedControl<ui::TEdit> {
 public:
  TSkinEdit();
  ~TSkinEdit() override;
  std::u16string_view ClassName() const override { return u"TSkinEdit"; }

  paint::TSkinDisabledKinds DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(paint::TSkinDisabledKinds value);
  // 0: the text is shown as it is.
  char16_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char16_t value);
  const std::u16string& TextHint() const { return FTextHint; }
  void SetTextHint(std::u16string value);
  TEditBorderStyle BorderStyle() const { return TEditBorderStyle::bsSingle; }
  bool Ctl3D() const { return true; }

  // The width of the frame the skin paints around the text area.
  int FrameWidth() const;
  // The text as the skin shows it (each character replaced by the password
  // character, a star by a black circle).
  std::u16string DisplayText() const;

 protected:
  void CreateParams(ui::TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(ui::TMessage& message) override;

 private:
  bool OwnCommand(ui::TMessage& message);
  bool PrepareCache();
  void PaintText(HDC dc);
  void PaintFrame(HDC windowDc);
  void PaintClient(HDC clientDc);
  void RepaintAll();
  bool EffectPlaying() const;

  paint::TSkinDisabledKinds FDisabledKind = paint::dkBlended;
  char16_t FPasswordChar = 0;
  std::u16string FTextHint;
};

}  // namespace vorlan::skin
