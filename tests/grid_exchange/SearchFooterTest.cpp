// The search strip on a shown grid: typing finds as it goes, Enter and
// Ctrl+Enter and the buttons step, accelerators press the buttons, matches
// are painted highlighted, and the last row stays above the strip.
#include <gtest/gtest.h>

#include "grid/base/ExCheckBox.h"
#include "grid/base/ExGridButton.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/SearchPanel.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Row 0 and column 0 fixed; cell (c, r) holds "r<r>c<c>"; the strip shown
// with the captions a designer would give it.
struct TSearchForm {
  TTestForm Form{520, 300};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  TSearchPanel* Panel = nullptr;
  explicit TSearchForm(Integer Rows = 30) {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 500, 280);
    Grid->SetColCount(5);
    Grid->SetRowCount(Rows);
    Grid->SetFixedRows(1);
    Grid->SetFixedCols(1);
    for (Integer c = 1; c < 5; ++c)
      for (Integer r = 1; r < Rows; ++r) Grid->SetCells(c, r, L"r" + IntToStr(r) + L"c" + IntToStr(c));
    TSearchFooter* F = Grid->SearchFooter();
    F->SetFindNextCaption(L"Find &next");
    F->SetFindPrevCaption(L"Find &previous");
    F->SetHighLightCaption(L"&Highlight");
    F->SetMatchCaseCaption(L"Match case");
    F->SetVisible(true);
    Panel = Grid->SearchPanel();
    Pump();
  }
  TRetEdit* Edit() { return Panel->EditControl(); }
  void TypeInEdit(const String& Text) {
    Edit()->SetFocus();
    Pump();
    TypeToFocus(Text);
    Pump();
  }
  TPoint Current() { return TPoint{Grid->Col(), Grid->Row()}; }
  bool TextButtonsEnabled() {
    return Panel->ForwardButton()->Enabled() && Panel->BackwardButton()->Enabled() &&
           Panel->HiliteButton()->Enabled();
  }
  // Dialog characters reach the grid as the form hands them round.
  LRESULT DialogChar(Char Ch) { return Form->Perform(CM_DIALOGCHAR, Ch, 0); }
};

void ExpectAt(TPoint Got, Integer C, Integer R) {
  EXPECT_EQ(Got.X, C);
  EXPECT_EQ(Got.Y, R);
}

TEST(GridSearchFooter, TheStripSitsAtTheBottomWithItsControlsPlaced) {
  TSearchForm F;
  ASSERT_NE(F.Panel, nullptr);
  EXPECT_TRUE(F.Panel->Visible());
  EXPECT_EQ(F.Panel->Height(), 32);
  EXPECT_EQ(F.Panel->Top(), F.Grid->ClientHeight() - 32);
  EXPECT_EQ(F.Panel->Width(), F.Grid->ClientWidth());
  EXPECT_EQ(F.Edit()->Left(), 25);
  EXPECT_EQ(F.Edit()->Width(), 110);
  EXPECT_EQ(F.Panel->ForwardButton()->BoundsRect(), TRect(140, 5, 230, 28));
  EXPECT_EQ(F.Panel->BackwardButton()->BoundsRect(), TRect(235, 5, 325, 28));
  EXPECT_EQ(F.Panel->HiliteButton()->BoundsRect(), TRect(330, 5, 420, 28));
  EXPECT_EQ(F.Panel->ExitButton()->BoundsRect(), TRect(5, 7, 19, 21));
  EXPECT_EQ(F.Panel->MatchCase()->Left(), 425);
  EXPECT_EQ(F.Panel->ForwardButton()->Caption(), L"Find &next");
  for (TExGridButton* B : {F.Panel->ForwardButton(), F.Panel->BackwardButton(), F.Panel->HiliteButton()})
    EXPECT_FALSE(B->Glyph()->Empty());
  EXPECT_FALSE(F.Panel->ExitButton()->GlyphHot()->Empty());
  EXPECT_FALSE(F.TextButtonsEnabled());
  // A bulk update of the grid, drawn with the redraw off, leaves the strip's
  // controls to paint anew.
  Pump();
  ASSERT_FALSE(GetUpdateRect(F.Edit()->Handle(), nullptr, FALSE));
  F.Grid->BeginUpdate();
  F.Grid->EndUpdate();
  EXPECT_TRUE(GetUpdateRect(F.Edit()->Handle(), nullptr, FALSE));
  // A resized grid keeps the strip at its bottom.
  F.Grid->SetHeight(220);
  Pump();
  EXPECT_EQ(F.Panel->Top(), F.Grid->ClientHeight() - 32);
  EXPECT_EQ(F.Panel->Height(), 32);
  F.Grid->SearchFooter()->SetShowHighLight(false);
  EXPECT_EQ(F.Panel->MatchCase()->Left(), 330);
  EXPECT_EQ(F.Panel->HiliteButton()->Height(), 0);
  EXPECT_FALSE(F.Panel->HiliteButton()->Visible());
}

TEST(GridSearchFooter, TypingFindsAsItGoesAndColoursAMiss) {
  TSearchForm F;
  Integer Actions = 0;
  TSearchAction LastAction = saFindNext;
  F.Grid->OnSearchFooterAction = [&](TObject*, const String&, Integer, Integer, TSearchAction A) {
    ++Actions;
    LastAction = A;
  };
  F.TypeInEdit(L"r5c");
  EXPECT_TRUE(F.TextButtonsEnabled());
  ExpectAt(F.Current(), 1, 5);
  ExpectAt(F.Grid->SearchCell(), 1, 5);
  EXPECT_EQ(Actions, 3);
  EXPECT_EQ(LastAction, saFindFirst);
  EXPECT_EQ(F.Edit()->Color(), clWindow);
  F.TypeInEdit(L"9");
  EXPECT_EQ(F.Edit()->Color(), TColor(0x0000FF));
  ExpectAt(F.Grid->SearchCell(), -1, -1);
  for (Integer i = 0; i < 4; ++i) KeyToFocus(VK_BACK);
  Pump();
  EXPECT_EQ(F.Edit()->Text(), L"");
  EXPECT_FALSE(F.TextButtonsEnabled());
  EXPECT_EQ(F.Edit()->Color(), clWindow);
}

TEST(GridSearchFooter, EnterAndCtrlEnterStepWithoutALineBreak) {
  TSearchForm F;
  F.TypeInEdit(L"c2");
  ExpectAt(F.Current(), 2, 1);
  KeyToFocus(VK_RETURN);
  Pump();
  ExpectAt(F.Current(), 2, 2);
  KeyToFocus(VK_RETURN);
  Pump();
  ExpectAt(F.Current(), 2, 3);
  KeyToFocus(VK_RETURN, TShiftState{ssCtrl});
  Pump();
  ExpectAt(F.Current(), 2, 2);
  EXPECT_EQ(F.Edit()->Text(), L"c2");
  // The buttons do the same.
  Click(F.Panel->ForwardButton(), 10, 10);
  Pump();
  ExpectAt(F.Current(), 2, 3);
  Click(F.Panel->BackwardButton(), 10, 10);
  Pump();
  ExpectAt(F.Current(), 2, 2);
}

TEST(GridSearchFooter, AGivenColumnIsSearchedTopToBottomWhateverTheDirection) {
  TSearchForm F;
  F.Grid->SearchFooter()->SetSearchColumn(3);
  F.Grid->SearchFooter()->SetSearchDirection(sdLeftRight);
  F.TypeInEdit(L"r2");
  ExpectAt(F.Current(), 3, 2);
  KeyToFocus(VK_RETURN);
  Pump();
  ExpectAt(F.Current(), 3, 20);
  KeyToFocus(VK_RETURN);
  Pump();
  ExpectAt(F.Current(), 3, 21);
  // The last row kept clear of the strip while stepping down.
  EXPECT_LE(F.Grid->CellRect(3, 21).Bottom, F.Grid->ClientHeight() - 32 + 2);
  // With a column hidden before it, both buttons search the column where
  // it is shown now.
  F.Grid->HideColumn(1);
  F.Edit()->SetText(L"c3");
  Pump();
  ExpectAt(F.Current(), 2, 1);
  KeyToFocus(VK_RETURN);
  Pump();
  ExpectAt(F.Current(), 2, 2);
  KeyToFocus(VK_RETURN, TShiftState{ssCtrl});
  Pump();
  ExpectAt(F.Current(), 2, 1);
}

TEST(GridSearchFooter, AssignedSettingsShowTheStrip) {
  TSearchForm F;
  TRezIvevirAvod* Other = new TRezIvevirAvod(F.Form.Get());
  TObject* Created = nullptr;
  Other->OnCreatedSearchFooter = [&](TObject* Sender) { Created = Sender; };
  Other->SetParent(F.Form.Get());
  Other->SetBounds(0, 0, 300, 200);
  Pump();
  EXPECT_EQ(Created, Other);
  ASSERT_EQ(Other->SearchPanel()->Height(), 0);
  Other->Assign(F.Grid);
  Pump();
  EXPECT_EQ(Other->SearchPanel()->Height(), 32);
  EXPECT_EQ(Other->SearchPanel()->ForwardButton()->Caption(), L"Find &next");
}

TEST(GridSearchFooter, AcceleratorsPressTheUsableButtonsOnlyWhileTheStripShows) {
  TSearchForm F;
  EXPECT_EQ(F.DialogChar(L'n'), 0);  // the buttons are disabled while the edit is empty
  F.TypeInEdit(L"c3");
  ExpectAt(F.Current(), 3, 1);
  F.Grid->SetFocus();
  Pump();
  EXPECT_EQ(F.DialogChar(L'N'), 1);
  ExpectAt(F.Current(), 3, 2);
  EXPECT_EQ(F.DialogChar(L'p'), 1);
  ExpectAt(F.Current(), 3, 1);
  EXPECT_FALSE(F.Panel->HiliteButton()->Down());
  EXPECT_EQ(F.DialogChar(L'h'), 1);
  EXPECT_TRUE(F.Panel->HiliteButton()->Down());
  EXPECT_EQ(F.DialogChar(L'x'), 0);
  F.Grid->SearchFooter()->SetShowFindNext(false);
  EXPECT_EQ(F.DialogChar(L'n'), 0);
  F.Grid->SearchFooter()->SetVisible(false);
  EXPECT_EQ(F.DialogChar(L'p'), 0);
  ExpectAt(F.Current(), 3, 1);
}

// Pixels of the highlight colour inside a cell of the rendered grid.
Integer HighlightPixels(TRezIvevirAvod* Grid, Integer C, Integer R) {
  TRendered Shot(Grid);
  const TColor Hi = ColorToRGB(Grid->HighlightColor());
  const TRect Cell = Grid->CellRect(C, R);
  Integer Count = 0;
  for (Integer y = Cell.Top + 2; y < Cell.Bottom - 2; ++y)
    for (Integer x = Cell.Left + 2; x < Cell.Right - 2; ++x) Count += Shot.Pixel(x, y) == Hi;
  return Count;
}

TEST(GridSearchFooter, MatchesArePaintedHighlightedInTheSearchedColumns) {
  TSearchForm F;
  F.Grid->SearchFooter()->SetAutoSearch(false);  // the current cell stays put
  Integer Changes = 0;
  F.Grid->OnSearchEditChange = [&](TObject*, const String&, bool&) { ++Changes; };
  F.Edit()->SetText(L"r3c2");
  Pump();
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(HighlightPixels(F.Grid, 2, 3), 0);
  EXPECT_TRUE(F.TextButtonsEnabled());
  Click(F.Panel->HiliteButton(), 10, 10);
  Pump();
  ASSERT_TRUE(F.Panel->HiliteButton()->Down());
  EXPECT_GT(HighlightPixels(F.Grid, 2, 3), 20);
  EXPECT_EQ(HighlightPixels(F.Grid, 2, 4), 0);
  F.Grid->SearchFooter()->SetSearchColumn(3);
  EXPECT_EQ(HighlightPixels(F.Grid, 2, 3), 0);
  F.Grid->SearchFooter()->SetSearchColumn(-1);
  EXPECT_GT(HighlightPixels(F.Grid, 2, 3), 20);
  // Hidden, the strip highlights nothing.
  F.Grid->SearchFooter()->SetVisible(false);
  EXPECT_EQ(HighlightPixels(F.Grid, 2, 3), 0);
}

TEST(GridSearchFooter, TheLastRowStaysAboveTheStrip) {
  TSearchForm F;
  const Integer Last = F.Grid->RowCount() - 1;
  const Integer Line = F.Grid->ClientHeight() - 32 + 2;
  F.Grid->SetFocus();
  Pump();
  F.Grid->SetRow(Last);
  Pump();
  EXPECT_LE(F.Grid->CellRect(1, Last).Bottom, Line);
  EXPECT_GT(F.Grid->CellRect(1, Last).Bottom, 0);
  KeyToFocus(VK_DOWN);
  Pump();
  EXPECT_EQ(F.Grid->Row(), Last);
  EXPECT_LE(F.Grid->CellRect(1, Last).Bottom, Line);
  // Scrolling line by line from the top ends with the last row above it too.
  F.Grid->SetRow(1);
  F.Grid->SetTopRow(1);
  for (Integer i = 0; i < 40; ++i) {
    F.Grid->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
    F.Grid->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
  }
  Pump();
  const TRect LastCell = F.Grid->CellRect(1, Last);
  EXPECT_GT(LastCell.Bottom, 0);
  EXPECT_LE(LastCell.Bottom, Line);
  // And so does the wheel.
  F.Grid->SetTopRow(1);
  const TPoint Inside = F.Grid->ClientToScreen(TPoint(50, 50));
  for (Integer i = 0; i < 40; ++i)
    F.Grid->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(Inside.X, Inside.Y));
  Pump();
  EXPECT_GT(F.Grid->CellRect(1, Last).Bottom, 0);
  EXPECT_LE(F.Grid->CellRect(1, Last).Bottom, Line);
}

TEST(GridSearchFooter, CtrlFTakesTheFocusToTheEditAndCloseHidesTheStrip) {
  TSearchForm F;
  F.Grid->SetFocus();
  Pump();
  KeyToFocus('F', TShiftState{ssCtrl});
  Pump();
  EXPECT_TRUE(F.Edit()->Focused());
  bool Closed = false;
  F.Grid->OnSearchFooterClose = [&](TObject*) { Closed = true; };
  Click(F.Panel->ExitButton(), 7, 7);
  Pump();
  EXPECT_TRUE(Closed);
  EXPECT_FALSE(F.Grid->SearchFooter()->Visible());
  EXPECT_EQ(F.Panel->Height(), 0);
  // Hidden, Ctrl+F leaves the focus where it is.
  F.Grid->SetFocus();
  Pump();
  KeyToFocus('F', TShiftState{ssCtrl});
  Pump();
  EXPECT_TRUE(F.Grid->Focused());
}

TEST(GridSearchFooter, TheStripIsPlainOrAGradientUnderALineOfTheGridLineColour) {
  TSearchForm F;
  F.Grid->SetGridLineColor(TColor(0x0000C0));
  F.Grid->SearchFooter()->SetColor(TColor(0x00C000));
  F.Grid->SearchFooter()->SetColorTo(clNone);
  Pump();
  {
    TRendered Shot(F.Panel);
    EXPECT_EQ(Shot.Pixel(60, 0), TColor(0x0000C0));
    EXPECT_EQ(Shot.Pixel(2, 3), TColor(0x00C000));
    EXPECT_EQ(Shot.Pixel(2, 30), TColor(0x00C000));
  }
  F.Grid->SearchFooter()->SetColorTo(TColor(0xC00000));
  Pump();
  TRendered Shot(F.Panel);
  EXPECT_EQ(Shot.Pixel(60, 0), TColor(0x0000C0));
  const TColor Top = Shot.Pixel(2, 2), Bottom = Shot.Pixel(2, 30);
  EXPECT_GT((Top >> 8) & 0xFF, 0x90);  // mostly green near the top
  EXPECT_GT((Bottom >> 16) & 0xFF, 0x90);  // mostly blue near the bottom
}

}  // namespace
