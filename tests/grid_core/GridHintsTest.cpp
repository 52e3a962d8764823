// Cell hints shown by real mouse moves over a shown grid and read back from
// the application's hint window, the grid's HTML hint window itself, and
// the balloon tool tips on their common-controls window.
#include <gtest/gtest.h>
#include <commctrl.h>

#include "foundation/ValueUtils.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::foundation;
using namespace jorv::test;

namespace {

// A grid whose hints show at once on the move that asks for them.
struct THintGrid {
  TTestForm Form{400, 300};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  THintGrid() {
    Application->SetHintPause(0);
    Application->SetHintShortPause(0);
    Application->SetShowHint(true);
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 380, 280);
    Grid->SetColCount(5);
    Grid->SetRowCount(8);
    Grid->SetShowHint(true);
    Pump();
  }
  ~THintGrid() {
    Application->CancelHint();
    Application->HintWindowClass = nullptr;
  }
  // Moves the mouse off the grid and then to a point of a cell.
  void MoveTo(Integer ACol, Integer ARow, Integer DX = 5, Integer DY = 5) {
    Application->CancelHint();
    const TRect R = Grid->CellRect(ACol, ARow);
    MouseMove(Grid, R.Left + DX, R.Top + DY);
  }
  THintWindow* Shown() const { return Application->HintActive() ? Application->HintWindow() : nullptr; }
  // The text of the hint's window, as the system holds it.
  String ShownText() const {
    wchar_t Text[512] = {};
    GetWindowTextW(Application->HintWindow()->Handle(), Text, 512);
    return Text;
  }
  TPoint ShownAt() const {
    RECT R{};
    GetWindowRect(Application->HintWindow()->Handle(), &R);
    return {R.left, R.top};
  }
  TPoint Screen(Integer X, Integer Y) const { return Grid->ClientToScreen(TPoint{X, Y}); }
};

}  // namespace

TEST(GridCellHint, ShowsTheCellTextAtTheCellsTopUnderTheCursor) {
  THintGrid F;
  F.Grid->SetHintShowCells(true);
  F.Grid->SetCells(1, 2, L"Hello");
  F.MoveTo(1, 2, 7, 5);
  ASSERT_NE(F.Shown(), nullptr);
  EXPECT_EQ(F.ShownText(), L"Hello");
  EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(F.Shown()), nullptr);
  const TRect R = F.Grid->CellRect(1, 2);
  EXPECT_EQ(F.ShownAt(), F.Screen(R.Left + 7, R.Top));
  EXPECT_EQ(F.Grid->LastHintCell(), (TPoint{1, 2}));
  // The next cell asks for its own hint.
  F.Grid->SetCells(2, 2, L"World");
  MouseMove(F.Grid, F.Grid->CellRect(2, 2).Left + 3, R.Top + 5);
  ASSERT_NE(F.Shown(), nullptr);
  EXPECT_EQ(F.ShownText(), L"World");
}

TEST(GridCellHint, HTMLTextsGoToTheHTMLWindowOnlyWhenTheHintKeepsTheTags) {
  THintGrid F;
  F.Grid->SetHintShowCells(true);
  F.Grid->SetCells(1, 1, L"<b>Bold</b> text");
  F.MoveTo(1, 1);
  ASSERT_NE(F.Shown(), nullptr);
  EXPECT_EQ(F.ShownText(), L"Bold text");
  EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(F.Shown()), nullptr);
  F.Grid->SetHTMLHint(true);
  F.MoveTo(1, 1);
  ASSERT_NE(F.Shown(), nullptr);
  EXPECT_EQ(F.ShownText(), L"<b>Bold</b> text");
  EXPECT_NE(dynamic_cast<THTMLHintWindow*>(F.Shown()), nullptr);
  // Without the internal class the platform's window shows it.
  F.Grid->SetUseInternalHintClass(false);
  F.MoveTo(1, 1);
  ASSERT_NE(F.Shown(), nullptr);
  EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(F.Shown()), nullptr);
}

TEST(GridCellHint, ATextLargerThanItsCellShowsWhole) {
  const String Long = L"A text far wider than its narrow cell";
  struct TCase {
    THintShowLargeTextPos Where;
    bool ShowCells;
    Integer DX;   // expected position, relative to the cell's top left
    Integer DY;   // (the cursor is at 9, 4; the cell is 22 high)
  };
  const TCase Cases[] = {{hpCell, false, 0, 0}, {hpCursor, false, 9, 28}, {hpCursor, true, 9, 0}};
  for (const TCase& C : Cases) {
    THintGrid F;
    F.Grid->SetHintShowLargeText(true);
    F.Grid->SetHintShowLargeTextPos(C.Where);
    F.Grid->SetHintShowCells(C.ShowCells);
    F.Grid->SetCells(1, 1, Long);
    F.Grid->SetCells(2, 1, L"fits");
    F.MoveTo(1, 1, 9, 4);
    ASSERT_NE(F.Shown(), nullptr);
    EXPECT_EQ(F.ShownText(), Long);
    const TRect R = F.Grid->CellRect(1, 1);
    ASSERT_EQ(R.Height(), 22);
    EXPECT_EQ(F.ShownAt(), F.Screen(R.Left + C.DX, R.Top + C.DY)) << C.Where << C.ShowCells;
  }
  // A text that fits asks for no hint of its own.
  THintGrid F;
  F.Grid->SetHintShowLargeText(true);
  F.Grid->SetCells(2, 1, L"fits");
  F.MoveTo(2, 1);
  EXPECT_EQ(F.Shown(), nullptr);
}

// The hint measures a cell as the cell draws it: only the first line of a
// text counts unless the grid shows several lines in a cell.
TEST(GridCellHint, OnlyLinesTheCellShowsCountAsLarge) {
  for (bool Multiline : {false, true}) {
    THintGrid F;
    F.Grid->SetHintShowLargeText(true);
    F.Grid->SetMultilinecells(Multiline);
    F.Grid->SetCells(1, 1, L"ok\r\nA second line far wider than its narrow cell");
    F.MoveTo(1, 1);
    EXPECT_EQ(F.Shown() != nullptr, Multiline);
  }
}

TEST(GridCellHint, ACommentShowsAtTheCellsTopRightCorner) {
  THintGrid F;
  F.Grid->AddComment(2, 3, L"Checked by hand");
  F.MoveTo(2, 3);
  ASSERT_NE(F.Shown(), nullptr);
  EXPECT_EQ(F.ShownText(), L"Checked by hand");
  const TRect R = F.Grid->CellRect(2, 3);
  EXPECT_EQ(F.ShownAt(), F.Screen(R.Right, R.Top));
}

TEST(GridCellHint, AnAnchorShowsItsLinkAboveAndRightOfTheCursor) {
  THintGrid F;
  F.Grid->SetColWidths(1, 150);
  F.Grid->SetAnchorHint(true);
  F.Grid->SetCells(1, 1, L"<a href=\"http://example.test\">a link here</a>");
  F.Grid->OnAnchorHint = [](TObject*, Integer ARow, Integer ACol, String& Anchor) {
    Anchor += L" (" + IntToStr(ACol) + L"," + IntToStr(ARow) + L")";
  };
  F.MoveTo(1, 1, 6, 8);
  ASSERT_NE(F.Shown(), nullptr);
  EXPECT_EQ(F.ShownText(), L"http://example.test (1,1)");
  EXPECT_EQ(F.Grid->LastAnchorHint(), L"http://example.test (1,1)");
  const TRect R = F.Grid->CellRect(1, 1);
  EXPECT_EQ(F.ShownAt(), F.Screen(R.Left + 6 + 8, R.Top + 8 - 16));
}

TEST(GridCellHint, UseHTMLHintsChangesTheWindowOfEveryHint) {
  THintGrid F;
  F.Grid->SetUseHTMLHints(true);
  EXPECT_TRUE(F.Grid->UseHTMLHints());
  auto* Panel = new TPanel(F.Form.Get());
  Panel->SetParent(F.Form.Get());
  Panel->SetBounds(0, 280, 100, 20);
  Panel->SetHint(L"plain");
  Panel->SetShowHint(true);
  Pump();
  MouseMove(Panel, 10, 10);
  ASSERT_NE(F.Shown(), nullptr);
  EXPECT_NE(dynamic_cast<THTMLHintWindow*>(F.Shown()), nullptr);
  F.Grid->SetUseHTMLHints(false);
  Application->CancelHint();
  MouseMove(Panel, 12, 10);
  ASSERT_NE(F.Shown(), nullptr);
  EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(F.Shown()), nullptr);
}

TEST(HTMLHintWindow, SizesToItsTextAndStaysTwoPixelsInsideTheMonitor) {
  THTMLHintWindow Window(nullptr);
  const TRect M = Screen->MonitorFromPoint(TPoint{100, 100})->BoundsRect();
  Window.ActivateHint(Bounds(100, 100, 10, 10), L"<b>Hint</b> text");
  const TSize Text = Window.TextSize();
  ASSERT_GT(Text.cx, 0);
  RECT R{};
  GetWindowRect(Window.Handle(), &R);
  EXPECT_EQ(R.left, 100);
  EXPECT_EQ(R.right - R.left, Text.cx + 16);
  EXPECT_EQ(R.bottom - R.top, Text.cy + 4);
  EXPECT_TRUE(IsWindowVisible(Window.Handle()));
  EXPECT_EQ(GetWindowLongW(Window.Handle(), GWL_STYLE) & WS_BORDER, 0);
  Window.ActivateHint(Bounds(M.Right - 20, M.Bottom - 5, 10, 10), L"<b>Hint</b> text");
  GetWindowRect(Window.Handle(), &R);
  EXPECT_EQ(R.right, M.Right - 2);
  EXPECT_EQ(R.bottom, M.Bottom - 2);
  // A wide text in its marked form: one line, margin 8.
  const String Marked = WideToMarkedText(L"Wide \x263A text");
  Window.ActivateHint(Bounds(100, 100, 10, 10), Marked);
  EXPECT_EQ(Window.WideCaption(), L"Wide \x263A text");
  GetWindowRect(Window.Handle(), &R);
  EXPECT_EQ(R.right - R.left, Window.TextSize().cx + 8);
}

TEST(HTMLHintWindow, DrawsItsTwoToneFrame) {
  THTMLHintWindow Window(nullptr);
  Window.SetColor(clInfoBk);
  Window.ActivateHint(Bounds(100, 100, 10, 10), L"Frame");
  Pump();
  TRendered Shot(&Window);
  const Integer W = Window.Width(), H = Window.Height();
  EXPECT_EQ(Shot.Pixel(0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(Shot.Pixel(0, H - 2), ColorToRGB(cl3DLight));
  EXPECT_EQ(Shot.Pixel(W - 2, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(Shot.Pixel(0, H - 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Shot.Pixel(W - 1, H - 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Shot.Pixel(W - 1, 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(Shot.Pixel(W - 3, H - 3), ColorToRGB(clInfoBk));
}

namespace {

Integer ToolTipWindowCount() {
  Integer Count = 0;
  HWND W = nullptr;
  while ((W = FindWindowExW(nullptr, W, TOOLTIPS_CLASSW, nullptr))) ++Count;
  return Count;
}

}  // namespace

TEST(GridBalloon, EnablingMakesOneBalloonToolTipOverTheGrid) {
  THintGrid F;
  const Integer Before = ToolTipWindowCount();
  F.Grid->Balloon()->SetInitialDelay(100);
  F.Grid->Balloon()->SetAutoHideDelay(4000);
  F.Grid->Balloon()->SetEnable(true);
  const HWND Tip = F.Grid->ToolTipHandle();
  ASSERT_NE(Tip, nullptr);
  EXPECT_EQ(ToolTipWindowCount(), Before + 1);
  // Owned by the grid's window, which the system takes up to its form.
  EXPECT_EQ(GetWindow(Tip, GW_OWNER), GetAncestor(F.Grid->Handle(), GA_ROOT));
  EXPECT_EQ(GetWindowLongW(Tip, GWL_STYLE) & 0x43, 0x43);
  EXPECT_NE(GetWindowLongW(Tip, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(SendMessageW(Tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(Tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 100);
  EXPECT_EQ(SendMessageW(Tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 4000);
  // Opaque unless asked otherwise.
  EXPECT_EQ(GetWindowLongW(Tip, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  F.Grid->Balloon()->SetEnable(false);
  F.Grid->Balloon()->SetEnable(true);
  EXPECT_EQ(ToolTipWindowCount(), Before + 1);
  EXPECT_FALSE(IsWindow(Tip));
  F.Grid->BalloonInit();
  EXPECT_EQ(ToolTipWindowCount(), Before + 1);
  F.Grid->Balloon()->SetEnable(false);
  EXPECT_EQ(F.Grid->ToolTipHandle(), nullptr);
  EXPECT_EQ(ToolTipWindowCount(), Before);
}

TEST(GridBalloon, TransparencyGivesTheToolTipItsAlpha) {
  THintGrid F;
  F.Grid->Balloon()->SetTransparency(55);
  F.Grid->Balloon()->SetEnable(true);
  const HWND Tip = F.Grid->ToolTipHandle();
  ASSERT_NE(Tip, nullptr);
  ASSERT_NE(GetWindowLongW(Tip, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  BYTE Alpha = 0;
  DWORD Flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Tip, nullptr, &Alpha, &Flags));
  EXPECT_EQ(Alpha, 200);
  EXPECT_NE(Flags & LWA_ALPHA, 0u);
}

TEST(GridBalloon, AGridWithoutAWindowStartsItsBalloonsWithTheWindow) {
  TTestForm Form{400, 300};
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->Balloon()->SetEnable(true);
  EXPECT_EQ(Grid->ToolTipHandle(), nullptr);
  Grid->SetParent(Form.Get());
  Grid->HandleNeeded();
  ASSERT_NE(Grid->ToolTipHandle(), nullptr);
  EXPECT_EQ(SendMessageW(Grid->ToolTipHandle(), TTM_GETTOOLCOUNT, 0, 0), 1);
}
