// The windows the grid shows above itself while the mouse moves: the hover
// buttons against the row under the mouse, and the picture of a dragged
// header. Both are real top-level windows that never take activation: the
// grid's form stays active and keeps the focus while they show, move and
// are clicked.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HeaderDragButton.h"
#include "grid/interaction/NoActiveForm.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/SpeedButton.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Five columns of 64, rows of 22, one fixed row and column; header cells
// "H1".."H4".
struct THoverGrid {
  TTestForm Form{420, 260};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  std::vector<String> Clicks;
  THoverGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(100, 0, 300, 240);
    Grid->SetColCount(5);
    Grid->SetRowCount(8);
    Grid->SetDefaultColWidth(64);
    Grid->SetDefaultRowHeight(22);
    for (Integer c = 1; c < 5; ++c) Grid->SetCells(c, 0, L"H" + IntToStr(c));
    Grid->OnHoverButtonClick = [this](TObject*, Integer ARow, THoverButtonsCollectionItem* Item) {
      Clicks.push_back(IntToStr(ARow) + L" " + Item->Caption());
    };
    Grid->SetFocus();
    Pump();
  }
  void AddButtons() {
    Grid->HoverButtons()->SetEnabled(true);
    Grid->HoverButtons()->SetColumn(2);
    auto* A = Grid->HoverButtons()->Buttons()->Add();
    A->SetCaption(L"Edit");
    A->SetWidth(30);
    auto* B = Grid->HoverButtons()->Buttons()->Add();
    B->SetCaption(L"Drop");
    B->SetWidth(40);
  }
  TPoint At(Integer C, Integer R, Integer DX = 10, Integer DY = 6) {
    const TRect Cell = Grid->CellRect(C, R);
    return TPoint{Cell.Left + DX, Cell.Top + DY};
  }
  TPoint ScreenOf(TPoint P) { return Grid->ClientToScreen(P); }
  void Send(UINT Msg, TPoint P, WPARAM Keys = 0) {
    const TPoint S = Grid->ClientToScreen(P);
    SetCursorPos(S.X, S.Y);
    SendMessageW(Grid->Handle(), Msg, Keys, MAKELPARAM(static_cast<Word>(P.X), static_cast<Word>(P.Y)));
    Pump(5);
  }
  // The grid's form is the active window and its grid has the focus.
  bool FormKeepsTheFocus() {
    return GetActiveWindow() == Form->Handle() && GetForegroundWindow() == Form->Handle() &&
           GetFocus() == Grid->Handle() && Form->Active();
  }
};

// Real input as the system makes it, at a screen point.
void SystemMouse(TPoint Screen, DWORD Flags) {
  SetCursorPos(Screen.X, Screen.Y);
  Pump(10);
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = Flags;
  if (Flags) SendInput(1, &In, sizeof(In));
  Pump(30);
}

}  // namespace

TEST(GridHoverButtons, TheyStandAgainstTheHoveredRowWherePositionSays) {
  const struct {
    THoverButtonPosition Position;
    Integer LeftFromCell;  // the form's left edge from column 2's left edge
  } Cases[] = {
      {hbLeftFromColumnLeft, -70},
      {hbRightFromColumnLeft, 0},
      {hbLeftFromColumnRight, 64 - 70},
      {hbRightFromColumnRight, 64},
  };
  for (const auto& C : Cases) {
    THoverGrid G;
    G.AddButtons();
    G.Grid->HoverButtons()->SetPosition(C.Position);
    G.Send(WM_MOUSEMOVE, G.At(3, 4));
    TNoActiveForm* Form = G.Grid->HoverButtonsForm();
    ASSERT_TRUE(Form->Visible()) << int(C.Position);
    const TPoint Cell = G.ScreenOf(TPoint{G.Grid->CellRect(2, 4).Left, G.Grid->CellRect(2, 4).Top});
    EXPECT_EQ(Form->Left(), Cell.X + C.LeftFromCell) << int(C.Position);
    EXPECT_EQ(Form->Top(), Cell.Y) << int(C.Position);
    // As wide as its buttons together.
    EXPECT_EQ(Form->Width(), 70);
    // The hovered row became the current row.
    EXPECT_EQ(G.Grid->Row(), 4);
  }
}

TEST(GridHoverButtons, OnlyNormalRowsShowThemUnlessAllRowsAreAsked) {
  THoverGrid G;
  G.AddButtons();
  G.Send(WM_MOUSEMOVE, G.At(3, 2));
  ASSERT_TRUE(G.Grid->HoverButtonsForm()->Visible());
  G.Send(WM_MOUSEMOVE, G.At(3, 0));
  EXPECT_FALSE(G.Grid->HoverButtonsForm()->Visible());
  G.Grid->HoverButtons()->SetRows(hrAll);
  G.Send(WM_MOUSEMOVE, G.At(3, 0));
  EXPECT_TRUE(G.Grid->HoverButtonsForm()->Visible());
  // A fixed row never becomes the current one.
  EXPECT_EQ(G.Grid->Row(), 2);
  // Below the last row there is no cell to stand against.
  G.Grid->SetRowCount(3);
  G.Send(WM_MOUSEMOVE, TPoint{150, 200});
  EXPECT_FALSE(G.Grid->HoverButtonsForm()->Visible());
}

TEST(GridHoverButtons, LeavingTheGridHidesThemUnlessTheMouseWentOntoThem) {
  THoverGrid G;
  G.AddButtons();
  G.Grid->HoverButtons()->SetPosition(hbRightFromColumnLeft);
  G.Send(WM_MOUSEMOVE, G.At(3, 3));
  TNoActiveForm* Form = G.Grid->HoverButtonsForm();
  ASSERT_TRUE(Form->Visible());
  SetCursorPos(Form->Left() + 5, Form->Top() + 5);
  G.Grid->Perform(CM_MOUSELEAVE);
  EXPECT_TRUE(Form->Visible());
  SetCursorPos(5, 900);
  G.Grid->Perform(CM_MOUSELEAVE);
  EXPECT_FALSE(Form->Visible());
  // The form's own window, left by the mouse, hides it as well.
  G.Send(WM_MOUSEMOVE, G.At(3, 3));
  ASSERT_TRUE(Form->Visible());
  SetCursorPos(5, 900);
  SendMessageW(Form->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(Form->Visible());
}

TEST(GridHoverButtons, ANewItemShowsTheFirstGridImageUntilItsIndexIsCleared) {
  THoverGrid G;
  TImageList Images(16, 16);
  TBitmap Red;
  Red.SetSize(16, 16);
  Red.Canvas()->Brush()->SetColor(clRed);
  Red.Canvas()->FillRect(TRect{0, 0, 16, 16});
  Images.Add(&Red, nullptr);
  G.Grid->SetGridImages(&Images);
  G.AddButtons();
  // A new THoverButtons puts its buttons left of the column.
  EXPECT_EQ(G.Grid->HoverButtons()->Position(), hbLeftFromColumnLeft);
  EXPECT_EQ(G.Grid->HoverButtons()->Buttons()->Items(0)->ImageIndex(), 0);
  G.Grid->HoverButtons()->Buttons()->Items(1)->SetImageIndex(-1);
  G.Send(WM_MOUSEMOVE, G.At(3, 2));
  TNoActiveForm* Form = G.Grid->HoverButtonsForm();
  ASSERT_EQ(Form->ControlCount(), 2);
  EXPECT_EQ(static_cast<TSpeedButton*>(Form->Controls(0))->Glyph()->Width(), 16);
  EXPECT_EQ(static_cast<TSpeedButton*>(Form->Controls(1))->Glyph()->Width(), 0);
  G.Grid->SetGridImages(nullptr);
}

TEST(GridHoverButtons, AClickReportsTheRowAndItemAndLeavesTheGridsFormActive) {
  THoverGrid G;
  G.AddButtons();
  G.Send(WM_MOUSEMOVE, G.At(3, 5));
  TNoActiveForm* Form = G.Grid->HoverButtonsForm();
  ASSERT_TRUE(Form->Visible());
  ASSERT_TRUE(G.FormKeepsTheFocus());
  EXPECT_TRUE(GetWindowLongPtrW(Form->Handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
  EXPECT_EQ(SendMessageW(Form->Handle(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(G.Form->Handle()),
                         MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
  // The second button, pressed and released by the system's own mouse.
  const TPoint OnDrop{Form->Left() + 30 + 20, Form->Top() + 10};
  SystemMouse(OnDrop, 0);
  SystemMouse(OnDrop, MOUSEEVENTF_LEFTDOWN);
  EXPECT_TRUE(G.FormKeepsTheFocus());
  SystemMouse(OnDrop, MOUSEEVENTF_LEFTUP);
  EXPECT_EQ(G.Clicks, (std::vector<String>{L"5 Drop"}));
  EXPECT_TRUE(G.FormKeepsTheFocus());
  EXPECT_TRUE(Form->Visible());
}

// --- the dragged header -----------------------------------------------------------------------------

TEST(GridHeaderDrag, ThePictureFollowsTheMouseWhileTheFormKeepsTheFocus) {
  THoverGrid G;
  G.Grid->SetOptions(G.Grid->Options() + goColMoving);
  // Without the picture of the dragged cells the header button follows.
  G.Grid->DragDropSettings()->SetShowCells(false);
  const TPoint Press = G.At(2, 0, 12, 7);
  SystemMouse(G.ScreenOf(Press), 0);
  SystemMouse(G.ScreenOf(Press), MOUSEEVENTF_LEFTDOWN);
  ASSERT_EQ(G.Grid->GridState(), gsColMoving);
  THeaderDragButton* Picture = G.Grid->MoveButton();
  const TRect Cell2 = G.Grid->CellRect(2, 0);
  for (const TPoint To : {TPoint{Press.X + 30, Press.Y + 3}, TPoint{Press.X + 100, Press.Y + 40}}) {
    SystemMouse(G.ScreenOf(To), 0);
    ASSERT_TRUE(Picture->Visible());
    // The header keeps the offset at which it was taken.
    const TPoint Corner = G.ScreenOf(TPoint{To.X - 12, To.Y - 7});
    EXPECT_EQ(Picture->Left(), Corner.X);
    EXPECT_EQ(Picture->Top(), Corner.Y);
    RECT Window{};
    GetWindowRect(Picture->Handle(), &Window);
    EXPECT_EQ(Window.left, Corner.X);
    EXPECT_EQ(Window.right - Window.left, Cell2.Width());
    EXPECT_EQ(Picture->Caption(), L"H2");
    EXPECT_TRUE(IsWindowVisible(Picture->Handle()));
    EXPECT_TRUE(G.FormKeepsTheFocus());
  }
  EXPECT_TRUE(GetWindowLongPtrW(Picture->Handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
  SystemMouse(G.ScreenOf(TPoint{Press.X + 100, Press.Y + 40}), MOUSEEVENTF_LEFTUP);
  EXPECT_FALSE(Picture->Visible());
  EXPECT_FALSE(IsWindowVisible(Picture->Handle()));
  EXPECT_TRUE(G.FormKeepsTheFocus());
}

TEST(GridHeaderDrag, AnHTMLCaptionIsDrawnAsHTMLOnTheTopLeftCellsBackground) {
  THoverGrid G;
  const Integer H = G.Grid->GetRowHeights(0);
  G.Grid->ShowHeaderDragImage(L"<font color=\"#FF0000\">RRRR</font>", 80, H + 2, G.ScreenOf(TPoint{0, 0}));
  THeaderDragButton* Picture = G.Grid->MoveButton();
  Pump();
  TRendered Html(Picture);
  TRendered Corner(G.Grid);
  auto RedPixels = [](TRendered& R, Integer W, Integer Ht) {
    Integer Count = 0;
    for (Integer y = 0; y < Ht; ++y)
      for (Integer x = 0; x < W; ++x)
        if (R.Pixel(x, y) == clRed) ++Count;
    return Count;
  };
  EXPECT_GT(RedPixels(Html, 78, H), 10);
  // Away from the text the picture is the top-left cell's background.
  EXPECT_EQ(Html.Pixel(2, 2), Corner.Pixel(2, 2));
  // Without a closing tag the caption is plain text: nothing turns red.
  G.Grid->ShowHeaderDragImage(L"<font color=\"#FF0000\">RRRR", 80, H + 2, G.ScreenOf(TPoint{0, 0}));
  Pump();
  TRendered Plain(Picture);
  EXPECT_EQ(RedPixels(Plain, 78, H), 0);
  G.Grid->HideHeaderDragImage();
  EXPECT_FALSE(Picture->Visible());
}
