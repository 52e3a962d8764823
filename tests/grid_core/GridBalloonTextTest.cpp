// The texts, titles and icons of the balloon tool tips: the grid answers
// the tool tip's text request for the cell under the mouse, asked through
// the real tool-tip window and by the notification itself.
#include <gtest/gtest.h>
#include <commctrl.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TBalloonGrid {
  TTestForm Form{420, 260};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  TBalloonGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 400, 240);
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    Grid->SetDefaultRowHeight(24);
    Grid->Balloon()->SetEnable(true);
    SpyOnTitles();
    Pump();
  }
  void Hover(Integer ACol, Integer ARow) {
    const TRect R = Grid->CellRect(ACol, ARow);
    MouseMove(Grid, R.Left + 4, R.Top + 4);
    Pump();
  }
  // The notification the tool tip sends, sent as it sends it.
  String Ask() {
    Info = NMTTDISPINFOW{};
    Info.hdr.hwndFrom = Grid->ToolTipHandle();
    Info.hdr.idFrom = reinterpret_cast<UINT_PTR>(Grid->Handle());
    Info.hdr.code = TTN_GETDISPINFOW;
    Info.lpszText = Info.szText;
    SendMessageW(Grid->Handle(), WM_NOTIFY, Info.hdr.idFrom, reinterpret_cast<LPARAM>(&Info));
    return Info.lpszText ? String(Info.lpszText) : String();
  }
  // The title and icon the grid last gave the tool tip, as the tool tip's
  // window received them.
  String Title(UINT& Icon) {
    Icon = UINT(TitleSpy::Icon);
    return TitleSpy::Title;
  }
  struct TitleSpy {
    static inline WNDPROC Next = nullptr;
    static inline String Title;
    static inline WPARAM Icon = 0;
    static LRESULT CALLBACK Proc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
      if (Msg == TTM_SETTITLEW) {
        Title = reinterpret_cast<const wchar_t*>(LParam);
        Icon = WParam;
      }
      return CallWindowProcW(Next, Window, Msg, WParam, LParam);
    }
  };
  void SpyOnTitles() {
    TitleSpy::Title.clear();
    TitleSpy::Icon = 99;
    TitleSpy::Next = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        Grid->ToolTipHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TitleSpy::Proc)));
  }
  NMTTDISPINFOW Info{};
};

}  // namespace

TEST(GridBalloonText, TheToolTipShowsTheCellUnderTheMouse) {
  TBalloonGrid F;
  F.Grid->SetCells(2, 3, L"Hello\tthere");
  F.Grid->Balloon()->SetTextColor(0x0000FF);
  F.Hover(2, 3);
  wchar_t Text[256] = {};
  TTTOOLINFOW Tool{};
  Tool.cbSize = sizeof(Tool);
  Tool.hwnd = F.Grid->Handle();
  Tool.uId = reinterpret_cast<UINT_PTR>(F.Grid->Handle());
  Tool.lpszText = Text;
  SendMessageW(F.Grid->ToolTipHandle(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&Tool));
  EXPECT_STREQ(Text, L"Hello there");
  UINT Icon = 0;
  EXPECT_EQ(F.Title(Icon), L" ");
  EXPECT_EQ(Icon, 1u);
  EXPECT_EQ(F.Grid->LastBalloonCell(), (TPoint{2, 3}));
  EXPECT_EQ(SendMessageW(F.Grid->ToolTipHandle(), TTM_GETTIPTEXTCOLOR, 0, 0), 0x0000FF);
  EXPECT_EQ(SendMessageW(F.Grid->ToolTipHandle(), TTM_GETMAXTIPWIDTH, 0, 0), 300);
}

TEST(GridBalloonText, TextsByCellKind) {
  TBalloonGrid F;
  F.Grid->SetEnableHTML(true);
  F.Grid->SetCells(1, 1, L"<b>Bold</b> words");
  F.Grid->SetCells(2, 1, L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Rich text}");
  F.Grid->SetCells(3, 1, L"\r\n\t\tlate start");
  F.Grid->SetCells(1, 2, String(3000, L'x'));
  struct {
    Integer Col, Row;
    String Text;
  } Cases[] = {
      {1, 1, L"Bold words"},
      {2, 1, L"Rich text"},
      {3, 1, L"late start"},
      {1, 2, String(2045, L'x') + L"..."},
  };
  for (const auto& C : Cases) {
    F.Hover(C.Col, C.Row);
    EXPECT_EQ(F.Ask(), C.Text) << C.Col << "," << C.Row;
  }
}

TEST(GridBalloonText, CellBalloonAndEventSetTitleTextAndIcon) {
  TBalloonGrid F;
  F.Grid->SetCells(1, 2, L"cell text");
  F.Grid->AddBalloon(1, 2, L"Note", L"Own text", biWarning);
  F.Hover(1, 2);
  EXPECT_EQ(F.Ask(), L"Own text");
  UINT Icon = 0;
  EXPECT_EQ(F.Title(Icon), L"Note");
  EXPECT_EQ(Icon, 2u);
  F.Grid->OnCellBalloon = [](TObject*, Integer ACol, Integer ARow, String& Title, String& Text, Integer& AIcon) {
    Title = String(120, L't');
    Text = L"at " + IntToStr(ACol) + L"," + IntToStr(ARow);
    AIcon = 3;
  };
  F.Hover(2, 3);
  EXPECT_EQ(F.Ask(), L"at 2,3");
  // A long title is cut to 97 characters and an ellipsis.
  EXPECT_EQ(F.Title(Icon), String(97, L't') + L"...");
  EXPECT_EQ(Icon, 3u);
}

TEST(GridBalloonText, OnlyEnabledBalloonsAreAnswered) {
  TBalloonGrid F;
  F.Grid->SetCells(1, 1, L"quiet");
  F.Hover(1, 1);
  F.Grid->Balloon()->SetEnable(false);
  EXPECT_EQ(F.Ask(), L"");
}
