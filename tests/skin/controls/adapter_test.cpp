// Adapters on standard controls: which controls get one, how they leave
// their windows, and the skinned scroll bars of a list box.
#include <windows.h>
// (needs windows.h before it)
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "paint/bitmap_gdi_win.h"
#include "skin/controls/adapters/adapter_button.h"
#include "skin/controls/adapters/adapter_scroll.h"
#include "skin/controls/core/common_data_ops.h"
#include "skin/controls/provider/adapter_list.h"
#include "skin/controls/provider/skin_provider.h"
#include "skin/controls/skin_provider_fixture.h"
#include "skin/data/skin_commands.h"
#include "skin/draw/section.h"
#include "skin_test_controls.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/window_subclass.h"

namespace vorlan::skin {
namespace {

using test::PumpMessages;

// The framework's push button under another letter case of its class name.
class TUpperCaseButton : public ui::TButton {
 public:
  std::u16string_view ClassName() const override { return u"TBUTTON"; }
};

// The internal skin on the default manager and a form laid out before its
// provider reads the skin, as the program's window is.
class AdapterFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager.BeginLoading();
    manager.InternalSkins.Add(MakeInternalSkin());
    manager.SetSkinName(kInternalSkinName);
    manager.Loaded();
    ASSERT_EQ(DefaultManager(), &manager);
    form = ui::MakeOwned<ui::TForm>();
    form->BeginLoading();
    form->SetClientSize(300, 200);
    form->HandleNeeded();
  }
  void TearDown() override { form.reset(); }
  template <class T>
  T& Place(int x, int y, int w, int h, std::intptr_t tag = 0) {
    T& control = form->Add<T>();
    control.SetBounds(x, y, w, h);
    control.Tag = tag;
    control.SetParent(form.get());
    control.HandleNeeded();
    return control;
  }
  // `own_lists` fills the provider's own class lists before they are read.
  void ReadLayout(const std::function<void(ThirdPartyList&)>& own_lists = {}) {
    provider = &form->Add<TSkinProvider>(*form);
    if (own_lists) own_lists(provider->ThirdParty);
    form->EndLoading();
  }

  TSkinManager manager;
  ui::TOwned<ui::TForm> form;
  TSkinProvider* provider = nullptr;
};

TEST_F(AdapterFormTest, OnlyTheListedButtonClassIsAdaptedAndPaintedFromButton) {
  ui::TButton& button = Place<ui::TButton>(10, 10, 90, 30);
  ui::TButton& excluded = Place<ui::TButton>(10, 50, 90, 30, 256 | 1);
  TUpperCaseButton& upper = Place<TUpperCaseButton>(10, 90, 90, 30);
  ui::TMemo& memo = Place<ui::TMemo>(120, 10, 100, 60);
  ReadLayout();

  auto* adapter = dynamic_cast<TSkButtonWnd*>(TSkMainWnd::Of(button.Handle()));
  ASSERT_NE(adapter, nullptr) << "\"TButton\" is in the buttons' list";
  EXPECT_EQ(TSkMainWnd::Of(excluded.Handle()), nullptr) << "Tag bit 256 keeps a control unadapted";
  EXPECT_EQ(TSkMainWnd::Of(upper.Handle()), nullptr) << "\"TBUTTON\" is another class";
  EXPECT_EQ(TSkMainWnd::Of(memo.Handle()), nullptr) << "\"TMemo\" is in no list: the platform draws it";
  ASSERT_TRUE(provider->Adapter);
  EXPECT_EQ(provider->Adapter->Count(), 1u);
  EXPECT_EQ(adapter->SkinData().SkinIndex, manager.GetSkinIndex(u"BUTTON"));
  EXPECT_EQ(SendMessageW(button.Handle(), SM_ALPHACMD, MakeSkinWParam(scIsSkinned), 0), 1);
  EXPECT_EQ(SendMessageW(excluded.Handle(), SM_ALPHACMD, MakeSkinWParam(scIsSkinned), 0), 0);
  provider->Adapter->AddAllItems();
  EXPECT_EQ(provider->Adapter->Count(), 1u) << "a second scan adapts nothing twice";

  // The window shows the BUTTON section's picture, state by state.
  const auto shown = [&](int state) {
    paint::TBitmap32 expected(90, 30);
    PaintSection(manager.Skin, manager.GetSkinIndex(u"BUTTON"), ParentCacheInfo(adapter->SkinData()), state,
                 expected.Bounds(), {10, 10}, expected);
    test::TBitmapDc picture(90, 30, 0);
    SendMessageW(button.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
    GdiFlush();
    return std::pair{picture.Bitmap.Pixel(45, 3) & 0xFFFFFF, expected.Pixel(45, 3) & 0xFFFFFF};
  };
  const auto [normal, normalExpected] = shown(0);
  EXPECT_EQ(normal, normalExpected) << "normal: BUTTON's state 0";
  SendMessageW(button.Handle(), SM_ALPHACMD, MakeSkinWParam(scMouseEnter), reinterpret_cast<LPARAM>(&manager));
  const auto [hot, hotExpected] = shown(1);
  EXPECT_EQ(hot, hotExpected) << "hot: BUTTON's state 1";
  EXPECT_NE(hot, normal) << "the internal skin's button has a hot look of its own";
}

TEST_F(AdapterFormTest, TheFormsOwnClassListsDecideOverTheManagers) {
  ui::TButton& button = Place<ui::TButton>(10, 10, 90, 30);
  ui::TMemo& memo = Place<ui::TMemo>(120, 10, 100, 60);
  ReadLayout([](ThirdPartyList& lists) { lists.Texts[ThirdEdits] = u"TListBox\r\nTMemo"; });
  EXPECT_NE(dynamic_cast<TSkEditWnd*>(TSkMainWnd::Of(memo.Handle())), nullptr) << "the form's edits list names TMemo";
  EXPECT_EQ(TSkMainWnd::Of(button.Handle()), nullptr) << "the manager's \"TButton\" does not apply any more";
}

TEST_F(AdapterFormTest, ATabPageChangeScansForControlsNotSeenBefore) {
  ReadLayout();
  provider->AllowSkin3rdParty = false;  // the button's creation goes unscanned
  ui::TButton& button = Place<ui::TButton>(10, 10, 90, 30);
  PumpMessages();
  ASSERT_EQ(TSkMainWnd::Of(button.Handle()), nullptr);
  provider->AllowSkin3rdParty = true;
  NMHDR page_change{nullptr, 0, static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&page_change));
  PumpMessages();
  EXPECT_NE(TSkMainWnd::Of(button.Handle()), nullptr);
}

TEST_F(AdapterFormTest, ControlsMadeOnALiveFormAreAdaptedInFrontOfTheirOwnHandling) {
  ReadLayout();
  form->Show();
  PumpMessages();
  // A child window of the form announces itself while it is being made.
  ui::TButton& late = Place<ui::TButton>(10, 10, 90, 30);
  ui::TButton& excluded = Place<ui::TButton>(10, 50, 90, 30, 256);
  PumpMessages();
  auto* adapter = dynamic_cast<TSkButtonWnd*>(TSkMainWnd::Of(late.Handle()));
  ASSERT_NE(adapter, nullptr) << "the button made after the layout was found";
  EXPECT_EQ(TSkMainWnd::Of(excluded.Handle()), nullptr);
  EXPECT_EQ(provider->Adapter->Count(), 1u);
  // The adapter answers before the framework's own handling of the window.
  EXPECT_EQ(SendMessageW(late.Handle(), SM_ALPHACMD, MakeSkinWParam(scGetAdapter), 0),
            reinterpret_cast<LRESULT>(adapter));
  EXPECT_TRUE(adapter->SkinData().Skinned());

  // The command a control announces itself with scans as well: an adapter
  // taken off comes back.
  adapter->Uninstall();
  ASSERT_EQ(TSkMainWnd::Of(late.Handle()), nullptr);
  SendMessageW(form->Handle(), SM_ALPHACMD, MakeSkinWParam(scControlAdded), 0);
  EXPECT_NE(TSkMainWnd::Of(late.Handle()), nullptr);
  EXPECT_EQ(provider->Adapter->Count(), 1u) << "one item per control";
}

// A plain platform window that counts its own destroy messages.
int g_destroys = 0;
int g_ncdestroys = 0;
LRESULT CALLBACK CountingProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_DESTROY) ++g_destroys;
  if (msg == WM_NCDESTROY) ++g_ncdestroys;
  if (msg == WM_USER + 7) return 77;
  return DefWindowProcW(window, msg, wparam, lparam);
}

HWND PlainWindow() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"AdapterTestPlain";
    return RegisterClassW(&wc);
  }();
  return CreateWindowExW(0, MAKEINTATOM(atom), L"plain", WS_POPUP, 0, 0, 80, 30, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST_F(AdapterFormTest, AWindowDestroyedWhileAdaptedRunsItsOwnCleanUpOnce) {
  g_destroys = g_ncdestroys = 0;
  const HWND window = PlainWindow();
  auto adapter = MakeAdapter<TSkButtonWnd>(window, TSkinParams{}, &manager);
  ASSERT_EQ(TSkMainWnd::Of(window), adapter.get());
  DestroyWindow(window);
  EXPECT_EQ(g_destroys, 1) << "the window's own WM_DESTROY handling ran, once";
  EXPECT_EQ(g_ncdestroys, 1);
  EXPECT_TRUE(adapter->Destroyed());
  EXPECT_FALSE(adapter->Installed());
  adapter.reset();  // nothing left to undo on a window that is gone

  // A framework control's own handling of its window's end runs too.
  ui::TButton& button = Place<ui::TButton>(10, 10, 90, 30);
  ReadLayout();
  TSkMainWnd* onButton = TSkMainWnd::Of(button.Handle());
  ASSERT_NE(onButton, nullptr);
  DestroyWindow(button.Handle());
  EXPECT_FALSE(button.HandleAllocated()) << "the control saw its window go";
  EXPECT_TRUE(onButton->Destroyed());
  provider->Adapter->CleanItems();
  EXPECT_EQ(provider->Adapter->Count(), 0u);
  button.HandleNeeded();
  provider->Adapter->AddAllItems();
  EXPECT_NE(TSkMainWnd::Of(button.Handle()), nullptr) << "the new window is adapted again";
}

LRESULT CALLBACK OuterProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  static int calls = 0;
  if (msg == WM_USER + 8) return ++calls;
  return CallWindowProcW(reinterpret_cast<WNDPROC>(GetPropW(window, L"AdapterTestPrev")), window, msg, wparam, lparam);
}

TEST_F(AdapterFormTest, DetachingBehindAnotherLayerLeavesThatLayerWorking) {
  const HWND window = PlainWindow();
  auto adapter = MakeAdapter<TSkButtonWnd>(window, TSkinParams{}, &manager);
  int seen = 0;
  ui::TWindowSubclass above(window, [&](ui::TMessage& m, const ui::TPassOn& passOn) {
    if (m.Msg == WM_USER + 7) ++seen;
    passOn(m);
  });
  // And a procedure put in the old way, in front of everything.
  SetPropW(window, L"AdapterTestPrev",
           reinterpret_cast<HANDLE>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OuterProc))));
  ASSERT_EQ(SendMessageW(window, SM_ALPHACMD, MakeSkinWParam(scIsSkinned), 0), 1);
  adapter.reset();
  EXPECT_EQ(SendMessageW(window, SM_ALPHACMD, MakeSkinWParam(scIsSkinned), 0), 0) << "the adapter is out";
  EXPECT_EQ(SendMessageW(window, WM_USER + 7, 0, 0), 77) << "the window's own procedure still answers";
  EXPECT_EQ(seen, 1) << "the layer put in front later still sees the window's messages";
  EXPECT_EQ(SendMessageW(window, WM_USER + 8, 0, 0), 1) << "and so does the outer procedure";
  EXPECT_EQ(GetPropW(window, kAdapterProperty), nullptr);
  above.Remove();
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(window, L"AdapterTestPrev")));
  RemovePropW(window, L"AdapterTestPrev");
  DestroyWindow(window);
}

class ListBoxScrollTest : public AdapterFormTest {
 protected:
  void SetUp() override {
    AdapterFormTest::SetUp();
    ReadLayout();
    form->Show();
    // On the screen and above everything, where real mouse input finds it.
    SetWindowPos(form->Handle(), HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                           20, 20, 160, 150, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 100; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"line"));
    adapter = MakeAdapter<TSkEditWnd>(list, TSkinParams{}, &manager);
    UpdateWindow(form->Handle());
    PumpMessages();
  }
  void TearDown() override {
    // A failed step must not leave the button held for the tests after.
    if (GetAsyncKeyState(VK_LBUTTON) & 0x8000) Input(MOUSEEVENTF_LEFTUP);
    PumpMessages();
    if (GetCapture() != nullptr) ReleaseCapture();
    adapter.reset();
    DestroyWindow(list);
    AdapterFormTest::TearDown();
  }
  int Top() const { return static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)); }
  // A screen point of the bar, from its window coordinates.
  POINT Screen(int x, int y) const {
    RECT w{};
    GetWindowRect(list, &w);
    return POINT{w.left + x, w.top + y};
  }
  // Real mouse input, through the system's input queue: the hit test, the
  // capture and the coordinates are the system's own.
  static void Input(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
  }
  static void Settle() {
    for (int i = 0; i < 5; ++i) {
      PumpMessages();
      Sleep(10);
    }
  }
  void MoveTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Input(MOUSEEVENTF_MOVE);  // a move of nothing where the cursor now is
    Settle();
  }
  void Down(POINT screen) {
    MoveTo(screen);
    ASSERT_EQ(SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)), HTVSCROLL);
    Input(MOUSEEVENTF_LEFTDOWN);
    Settle();
  }
  void Up(POINT screen) {
    MoveTo(screen);
    Input(MOUSEEVENTF_LEFTUP);
    Settle();
  }
  void Click(POINT screen) {
    Down(screen);
    Up(screen);
  }

  HWND list = nullptr;
  std::unique_ptr<TSkEditWnd> adapter;
};

TEST_F(ListBoxScrollTest, ArrowsAndThumbScrollTheList) {
  const TSkScrollBar& bar = adapter->VertBar();
  ASSERT_TRUE(bar.fScrollVisible) << "the bar got room beside the client area";
  RECT window{}, client{};
  GetWindowRect(list, &window);
  GetClientRect(list, &client);
  EXPECT_EQ(client.right, window.right - window.left - 4 - GetSystemMetrics(SM_CXVSCROLL))
      << "the client area is two edges of 2 and one bar narrower than the window";
  const TScrollBarLayout parts = adapter->Layout(bar);
  ASSERT_FALSE(parts.Thumb.IsEmpty());
  const int x = (bar.Rect.left + bar.Rect.right) / 2;

  // The bar on the screen is the skin's: the track has SCROLLBAR1V's colour.
  {
    const platform::WholeWindowDc dc(list);
    const COLORREF track = GetPixel(dc.get(), x, parts.Track.Bottom - 3);
    EXPECT_EQ(
        track,
        paint::ToColorRef(
            manager.Skin.gd[static_cast<std::size_t>(manager.ConstData.Scrolls[asTop].SkinIndex)].Props[0].Color));
  }

  ASSERT_EQ(Top(), 0);
  const POINT down = Screen(x, parts.Arrow2.Top + 2);
  Click(down);
  EXPECT_EQ(Top(), 1) << "a click on the lower arrow scrolls one line";
  EXPECT_EQ(GetCapture(), nullptr) << "the button's release ends the tracking";
  Click(down);
  EXPECT_EQ(Top(), 2);
  const POINT up = Screen(x, parts.Arrow1.Top + 2);
  Click(up);
  EXPECT_EQ(Top(), 1) << "the upper arrow scrolls back";
  const TScrollBarLayout paged = adapter->Layout(bar);
  ASSERT_LT(paged.Thumb.Bottom + 3, paged.Arrow2.Top);
  Click(Screen(x, paged.Thumb.Bottom + 3));
  EXPECT_EQ(Top(), 1 + static_cast<int>(bar.Range.Page)) << "a click on the track below the thumb scrolls a page";
  Click(Screen(x, adapter->Layout(bar).Thumb.Top - 2));
  EXPECT_EQ(Top(), 1) << "and above it a page back";

  // The thumb dragged to the track's end shows the last page.
  const TScrollBarLayout now = adapter->Layout(bar);
  const POINT grab = Screen(x, now.Thumb.Top + 3);
  Down(grab);
  EXPECT_EQ(GetCapture(), list) << "the list holds the mouse while its thumb is dragged";
  const POINT end = Screen(x, now.Track.Bottom + 40);
  MoveTo(end);
  const int last = LastScrollPosition(adapter->VertBar().Range);
  EXPECT_EQ(Top(), last) << "the list follows the thumb while it is dragged";
  Up(end);
  EXPECT_EQ(Top(), last) << "and stays where it was dropped";
  EXPECT_EQ(adapter->Layout(bar).Thumb.Bottom, now.Track.Bottom) << "the thumb sits at the track's end";

  // Half way up.
  const TScrollBarLayout atEnd = adapter->Layout(bar);
  const POINT from = Screen(x, atEnd.Thumb.Top + 1);
  Down(from);
  const int halfway = atEnd.Track.Top + (atEnd.Track.Height() - atEnd.Thumb.Height()) / 2 + 1;
  MoveTo(Screen(x, halfway));
  Up(Screen(x, halfway));
  EXPECT_NEAR(Top(), last / 2, 1);
}

TEST_F(ListBoxScrollTest, TheArrowUnderTheMouseLooksHotUntilTheMouseLeavesTheBar) {
  const TSkScrollBar& bar = adapter->VertBar();
  const TScrollBarLayout parts = adapter->Layout(bar);
  const int x = (bar.Rect.left + bar.Rect.right) / 2, y = parts.Arrow2.Top + 2;
  const auto arrow = [&] {
    const platform::WholeWindowDc dc(list);
    return GetPixel(dc.get(), x, y);
  };
  const COLORREF normal = arrow();
  MoveTo(Screen(x, y));
  const COLORREF hot = arrow();
  MoveTo(Screen(x - 40, y));  // into the list's client area
  EXPECT_NE(hot, normal) << "the lower arrow in its hot look";
  EXPECT_EQ(arrow(), normal) << "back to normal once the mouse left the bar";
}

}  // namespace
}  // namespace vorlan::skin
