// The filter-edit row's type menu as the system shows it: its captions and
// icons, read from the open menu while its own loop runs.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Menus.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// What the open menu held, gathered by a timer that fires inside the
// menu's loop and then closes the menu.
struct TOpenMenu {
  static inline TOpenMenu* Current = nullptr;
  std::vector<String> Captions;
  std::vector<bool> WithIcon;
  TBitmap Shot;
  bool Seen = false;

  static void CALLBACK Look(HWND, UINT, UINT_PTR Timer, DWORD) {
    HWND Menu = FindWindowW(L"#32768", nullptr);
    if (!Current || !Menu || !IsWindowVisible(Menu)) return;
    KillTimer(nullptr, Timer);
    Current->Read(Menu);
    EndMenu();
  }
  void Read(HWND Menu) {
    Seen = true;
    HMENU H = reinterpret_cast<HMENU>(SendMessageW(Menu, MN_GETHMENU, 0, 0));
    for (Integer i = 0; i < GetMenuItemCount(H); ++i) {
      wchar_t Text[64] = {};
      MENUITEMINFOW Info{};
      Info.cbSize = sizeof(Info);
      Info.fMask = MIIM_STRING | MIIM_BITMAP;
      Info.dwTypeData = Text;
      Info.cch = 64;
      GetMenuItemInfoW(H, UINT(i), TRUE, &Info);
      Captions.push_back(Text);
      WithIcon.push_back(Info.hbmpItem != nullptr);
    }
    RECT R{};
    GetWindowRect(Menu, &R);
    Shot.SetPixelFormat(pf24bit);
    Shot.SetSize(R.right - R.left, R.bottom - R.top);
    HDC Screen = GetDC(nullptr);
    BitBlt(Shot.Canvas()->Handle(), 0, 0, R.right - R.left, R.bottom - R.top, Screen, R.left, R.top, SRCCOPY);
    ReleaseDC(nullptr, Screen);
  }
};

TEST(GridFilterTypeMenu, ShowsEveryTypesCaptionWithItsIcon) {
  TTestForm Form(300, 200);
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, 280, 180);
  Pump();
  TOpenMenu Open;
  TOpenMenu::Current = &Open;
  const UINT_PTR Timer = SetTimer(nullptr, 0, 50, &TOpenMenu::Look);
  const TPoint At = Grid->ClientToScreen(TPoint{20, 20});
  Grid->FilterTypeMenu()->Popup(At.X, At.Y);
  KillTimer(nullptr, Timer);
  TOpenMenu::Current = nullptr;
  ASSERT_TRUE(Open.Seen);
  EXPECT_EQ(Open.Captions, (std::vector<String>{L"Starts with", L"Ends with", L"Contains", L"Not contains", L"Equal",
                                                 L"Not equal", L"Clear"}));
  EXPECT_EQ(Open.WithIcon, std::vector<bool>(7, true));
  // A look at it: JORV_SNAPSHOTS names a folder for the picture.
  if (const wchar_t* Dir = _wgetenv(L"JORV_SNAPSHOTS")) Open.Shot.SaveToFile(String(Dir) + L"\\filter-type-menu.bmp");
}

}  // namespace
