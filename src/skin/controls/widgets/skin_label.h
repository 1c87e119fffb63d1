#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "paint/colors.h"
#include "ui/label.h"

// A label over a skinned parent: transparent, its text in the colour the
// skin gives the section it stands on.
namespace vorlan::skin {

class TSkinManager;

enum class TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };

class TSkinCustomLabel : public ui::TLabel {
 public:
  TSkinCustomLabel() = default;
  std::u16string_view ClassName() const override { return u"TSkinCustomLabel"; }

  // A section painted behind the text (none by default).
  const std::u16string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(std::u16string_view value);
  // None: the default manager.
  TSkinManager* SkinManager() const;
  void SetSkinManager(TSkinManager* value) { FSkinManager = value; }
  bool Transparent() const { return FTransparent; }
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  TEllipsisPosition EllipsisPosition() const { return FEllipsisPosition; }
  void SetEllipsisPosition(TEllipsisPosition value);

  ui::TNotifyEvent OnMouseEnter;
  ui::TNotifyEvent OnMouseLeave;

  void Paint(HDC dc) override;

  // The colour the text is drawn in now.
  virtual paint::TColor TextColor();

 protected:
  void WndProc(ui::TMessage& message) override;
  // Draws the caption into rect of dc with the platform's text drawing.
  void DoDrawText(HDC dc, RECT& rect, UINT flags);
  std::int32_t FSkinIndex = -1;  // the section behind the text while painting

 private:
  std::u16string TextToDraw(HDC dc, const RECT& rect, UINT flags) const;

  std::u16string FSkinSection;
  TSkinManager* FSkinManager = nullptr;
  bool FTransparent = true;
  bool FShowAccelChar = true;
  bool FWordWrap = false;
  TEllipsisPosition FEllipsisPosition = TEllipsisPosition::epNone;
};

class TSkinLabel : public TSkinCustomLabel {
 public:
  std::u16string_view ClassName() const override { return u"TSkinLabel"; }
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool value);

  // The skin's colour for labels on this parent (its own font colour with
  // UseSkinColor off or without an active skin).
  paint::TColor TextColor() override;

 private:
  bool FUseSkinColor = true;
};

}  // namespace vorlan::skin
