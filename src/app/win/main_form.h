#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/banner_fetch.h"
#include "app/film_lookup.h"
#include "http/http_client.h"
#include "skin/controls/provider/skin_provider.h"
#include "skin/controls/widgets/skin_button.h"
#include "skin/controls/widgets/skin_edit.h"
#include "skin/controls/widgets/skin_image.h"
#include "skin/controls/widgets/skin_label.h"
#include "skin/controls/widgets/skin_panel.h"
#include "skin/data/skin_manager.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/tray_icon.h"

namespace vorlan::app {

// The form's ways out of the process. Empty members get the real ones: the
// two GETs on HttpClient1 and the shell's "open".
struct TMainFormServices {
  GetText get_text;
  GetStream get_stream;
  std::function<void(HWND owner, const std::u16string& target)> shell_open;
  ui::TTrayIcon::TNotify tray_notify;
};

// The program's only window: the banner on top, the film number box and the
// search button below, an icon in the tray with its menu. Closing only hides
// it; the tray menu's "Выйти" ends the program.
class TMainForm : public ui::TForm {
 public:
  // Held in a ui::TOwned, so that the window and the components go before
  // the form's own members.
  explicit TMainForm(TMainFormServices services = {});
  std::u16string_view ClassName() const override { return u"TMainForm"; }

  // The components, in their creation order (owned by the form).
  ui::TMemo* Memo1 = nullptr;
  skin::TSkinPanel* SkinPanel1 = nullptr;
  skin::TSkinLabel* SkinLabel1 = nullptr;
  skin::TSkinButton* SkinButton1 = nullptr;
  skin::TSkinEdit* SkinEdit1 = nullptr;
  skin::TSkinPanel* SkinPanel2 = nullptr;
  skin::TSkinImage* SkinImage1 = nullptr;
  std::unique_ptr<skin::TSkinManager> SkinManager1;
  skin::TSkinProvider* SkinProvider1 = nullptr;
  std::unique_ptr<http::THttpClient> HttpClient1;
  ui::TTrayIcon* TrayIcon1 = nullptr;
  ui::TPopupMenu* PopupMenu1 = nullptr;
  ui::TMenuItem* G1 = nullptr;
  ui::TMenuItem* N1 = nullptr;
  ui::TMenuItem* K1 = nullptr;
  ui::TMenuItem* D1 = nullptr;

  // Event handlers.
  void FormShow(ui::TObject& sender);
  void FormCloseQuery(ui::TObject& sender, bool& can_close);
  void FormEndSession(ui::TObject& sender);
  void TrayIcon1DblClick(ui::TObject& sender);
  void G1Click(ui::TObject& sender);
  void N1Click(ui::TObject& sender);
  void K1Click(ui::TObject& sender);
  void D1Click(ui::TObject& sender);
  void SkinButton1Click(ui::TObject& sender);

  // The addresses the tray menu opens.
  static std::u16string PortalAddress();
  static std::u16string FilmDatabaseAddress();
  // The film database's domain: its configured host without a port.
  static std::u16string FilmDatabaseDomain();

 private:
  void CreateComponents();
  void LoadIcons();
  void ToggleVisibility();

  TMainFormServices services_;
  platform::UniqueIcon big_icon_;
  platform::UniqueIcon small_icon_;
};

}  // namespace vorlan::app
