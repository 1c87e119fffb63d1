#include "app/win/main_form.h"

#include "app/banner.h"
#include "app/banner_fetch.h"
#include "app/build_config.h"
#include "app/response_holder.h"
#include "app/win/resource_ids.h"
#include "app/win/sample_response.h"
#include "platform/shell_open.h"
#include "platform/text.h"
#include "skin/internal/internal_skin.h"
#include "ui/application.h"

namespace vorlan::app {
namespace {

std::u16string Host(const char* configured) { return platform::Utf8ToUtf16(configured); }

// The program's icon in the size the system uses for the given metrics
// (empty where the program has no icon resource, as in tests).
platform::UniqueIcon LoadProgramIcon(int metric_width, int metric_height) {
  return platform::UniqueIcon(
      static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(VORLAN_IDI_MAINICON), IMAGE_ICON,
                                    GetSystemMetrics(metric_width), GetSystemMetrics(metric_height), 0)));
}

// Tahoma 8 points at 96 pixels per inch.
ui::TFont TahomaEight(ui::TColor color) { return ui::TFont(u"Tahoma", -11, color); }

}  // namespace

std::u16string TMainForm::FilmDatabaseDomain() {
  const std::u16string host = Host(build_config::kFilmDatabaseHost);
  return host.substr(0, host.find(u':'));
}

std::u16string TMainForm::PortalAddress() { return u"https://" + Host(build_config::kPortalHost) + u"/"; }

std::u16string TMainForm::FilmDatabaseAddress() { return u"http://" + Host(build_config::kFilmDatabaseHost) + u"/"; }

TMainForm::TMainForm(TMainFormServices services) : services_(std::move(services)) {
  if (!services_.get_text) {
    services_.get_text = [this](const std::u16string& url) { return HttpClient1->Get(url); };
  }
  if (!services_.get_stream) {
    services_.get_stream = [this](const std::u16string& url, std::vector<uint8_t>& stream) {
      HttpClient1->Get(url, stream);
    };
  }
  if (!services_.shell_open) {
    services_.shell_open = [](HWND owner, const std::u16string& target) { platform::ShellOpen(target, owner); };
  }
  BeginLoading();
  CreateComponents();
  EndLoading();
  // The manager took its skin before the tray menu existed; with the whole
  // layout read, every menu of the window is hooked into the skin's painter.
  if (skin::ISkinableMenus* menus = SkinManager1->SkinableMenus(); menus && menus->Active()) menus->InitItems(true);
}

void TMainForm::CreateComponents() {
  SetName(u"MainForm");
  SetCaption(u"VorlanTV клиент");
  SetFont(TahomaEight(ui::clWindowText));
  SetColor(ui::clBtnFace);
  SetBorderIcons(false, false);
  SetPosition(ui::TPosition::poDesktopCenter);
  SetConstraints({282, 280, 282, 280});
  SetClientSize(266, 242);
  OnShow = [this](ui::TObject& sender) { FormShow(sender); };
  OnCloseQuery = [this](ui::TObject& sender, bool& can_close) { FormCloseQuery(sender, can_close); };
  OnEndSession = [this](ui::TObject& sender) { FormEndSession(sender); };
  HandleNeeded();
  LoadIcons();

  Memo1 = &Add<ui::TMemo>();
  Memo1->SetName(u"Memo1");
  Memo1->SetVisible(false);
  Memo1->SetParent(this);
  Memo1->SetBounds(0, 0, 0, 0);
  Memo1->SetText(kSampleCatalogueResponse);

  SkinPanel1 = &Add<skin::TSkinPanel>();
  SkinPanel1->SetName(u"SkinPanel1");
  SkinPanel1->SetParent(this);
  SkinPanel1->SetBounds(0, 135, 266, 107);
  SkinPanel1->SetAlign(ui::TAlign::alBottom);

  SkinLabel1 = &Add<skin::TSkinLabel>();
  SkinLabel1->SetName(u"SkinLabel1");
  SkinLabel1->SetParent(SkinPanel1);
  SkinLabel1->SetBounds(9, 13, 142, 13);
  SkinLabel1->SetCaption(u"Введите номер кинопоиска:");

  SkinButton1 = &Add<skin::TSkinButton>();
  SkinButton1->SetName(u"SkinButton1");
  SkinButton1->SetParent(SkinPanel1);
  SkinButton1->SetBounds(9, 59, 248, 33);
  SkinButton1->SetCaption(u"Найти по номеру " + FilmDatabaseDomain());
  SkinButton1->OnClick = [this](ui::TObject& sender) { SkinButton1Click(sender); };

  SkinEdit1 = &Add<skin::TSkinEdit>();
  SkinEdit1->SetName(u"SkinEdit1");
  SkinEdit1->SetParent(SkinPanel1);
  SkinEdit1->SetBounds(9, 32, 248, 21);
  SkinEdit1->SetColor(ui::clWhite);
  SkinEdit1->SetFont(TahomaEight(ui::clBlack));

  SkinPanel2 = &Add<skin::TSkinPanel>();
  SkinPanel2->SetName(u"SkinPanel2");
  SkinPanel2->SetParent(this);
  SkinPanel2->SetBounds(0, 0, 266, 135);
  SkinPanel2->SetAlign(ui::TAlign::alClient);

  SkinImage1 = &Add<skin::TSkinImage>();
  SkinImage1->SetName(u"SkinImage1");
  SkinImage1->SetParent(SkinPanel2);
  SkinImage1->SetBounds(1, 1, 264, 133);
  SkinImage1->SetAlign(ui::TAlign::alClient);
  SkinImage1->SetStretch(true);
  SkinImage1->SetProportional(true);
  SkinImage1->SkinData().SetSkinSection(u"CHECKBOX");

  // The first manager of the process becomes the default one; it takes the
  // program's own skin, stored inside the program, when its settings are in.
  SkinManager1 = std::make_unique<skin::TSkinManager>();
  SkinManager1->BeginLoading();
  SkinManager1->InternalSkins.Add(skin::MakeInternalSkin());
  SkinManager1->SetSkinDirectory(u"c:\\Skins");
  SkinManager1->SetSkinName(skin::kInternalSkinName);
  SkinManager1->Loaded();

  // The frame, title bar and client background come from the skin's "FORM"
  // section; every other setting of the provider stays at its default.
  SkinProvider1 = &Add<skin::TSkinProvider>(*this);
  SkinProvider1->SetName(u"SkinProvider1");

  HttpClient1 = std::make_unique<http::THttpClient>();

  PopupMenu1 = &Add<ui::TPopupMenu>();
  PopupMenu1->SetName(u"PopupMenu1");
  G1 = &PopupMenu1->AddItem(u"G1", u"Показать\\скрыть");
  G1->OnClick = [this](ui::TObject& sender) { G1Click(sender); };
  N1 = &PopupMenu1->AddItem(u"N1", u"VorlanTV");
  N1->OnClick = [this](ui::TObject& sender) { N1Click(sender); };
  K1 = &PopupMenu1->AddItem(u"K1", FilmDatabaseDomain());
  K1->OnClick = [this](ui::TObject& sender) { K1Click(sender); };
  D1 = &PopupMenu1->AddItem(u"D1", u"Выйти");
  D1->OnClick = [this](ui::TObject& sender) { D1Click(sender); };

  TrayIcon1 = &Add<ui::TTrayIcon>();
  TrayIcon1->SetName(u"TrayIcon1");
  if (services_.tray_notify) TrayIcon1->Notify = services_.tray_notify;
  TrayIcon1->SetIcon(LoadProgramIcon(SM_CXSMICON, SM_CYSMICON));
  TrayIcon1->SetPopupMenu(PopupMenu1);
  TrayIcon1->SetVisible(true);
  TrayIcon1->OnDblClick = [this](ui::TObject& sender) { TrayIcon1DblClick(sender); };

  // Focus order: the hidden memo, then the lower panel (button before edit
  // box), then the banner's panel; the button has the focus at showing.
  Memo1->SetTabOrder(0);
  SkinPanel1->SetTabOrder(1);
  SkinPanel2->SetTabOrder(2);
  SkinButton1->SetTabOrder(0);
  SkinEdit1->SetTabOrder(1);
}

void TMainForm::LoadIcons() {
  big_icon_ = LoadProgramIcon(SM_CXICON, SM_CYICON);
  small_icon_ = LoadProgramIcon(SM_CXSMICON, SM_CYSMICON);
  if (big_icon_) SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
  if (small_icon_) SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
}

void TMainForm::FormShow(ui::TObject&) {
  // The image fits the picture into its area itself.
  SkinImage1->SetPicture(FetchBanner(services_.get_stream, Host(build_config::kPictureHost)));
}

void TMainForm::FormCloseQuery(ui::TObject&, bool& can_close) {
  can_close = false;
  Hide();
}

void TMainForm::FormEndSession(ui::TObject& sender) {
  // The process may be ended as soon as this returns: take the icon away now.
  TrayIcon1->SetVisible(false);
  D1Click(sender);
}

void TMainForm::ToggleVisibility() { SetVisible(!Visible()); }

void TMainForm::TrayIcon1DblClick(ui::TObject&) { ToggleVisibility(); }

void TMainForm::G1Click(ui::TObject&) { ToggleVisibility(); }

void TMainForm::N1Click(ui::TObject&) { services_.shell_open(Handle(), PortalAddress()); }

void TMainForm::K1Click(ui::TObject&) { services_.shell_open(Handle(), FilmDatabaseAddress()); }

void TMainForm::D1Click(ui::TObject&) { ui::Application().Terminate(); }

void TMainForm::SkinButton1Click(ui::TObject&) {
  TResponseHolder holder(Memo1->Text());
  // The memo keeps whatever the lookup left in the holder, also on failure.
  struct KeepText {
    TMainForm& form;
    TResponseHolder& holder;
    ~KeepText() { form.Memo1->SetText(holder.Text()); }
  } keep{*this, holder};
  const HWND owner = Handle();
  RunFilmLookup(SkinEdit1->Text(), services_.get_text, holder, LookupHosts::Configured(),
                [this, owner](const std::u16string& file) { services_.shell_open(owner, file); });
}

}  // namespace vorlan::app
