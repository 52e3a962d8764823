// The floating footer on a shown grid: its values after edits, inserts
// and removals, the current cell kept clear of it, its hints and its
// looks.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/FooterPanel.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/HintWindow.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Row 0 and column 0 fixed; column 2 holds 1..5 in rows 1..5, row 6 is
// the footer: the sum of column 2 and the count of column 3.
struct TFooterForm {
  TTestForm Form{420, 260};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  TFooterForm(Integer Rows = 7) {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 400, 240);
    Grid->SetColCount(4);
    Grid->SetRowCount(Rows);
    Grid->SetFixedRows(1);
    Grid->SetFixedCols(1);
    Grid->SetOptions(Grid->Options() + goEditing);
    for (Integer r = 1; r < 6; ++r) Grid->SetCells(2, r, IntToStr(r));
    Grid->FloatingFooter()->SetHeight(Grid->DefaultRowHeight());
    Grid->FloatingFooter()->SetVisible(true);
    Grid->FloatingFooter()->SetColumnCalc(2, acSUM);
    Grid->FloatingFooter()->SetColumnCalc(3, acCOUNT);
    Pump();
    Grid->SetFocus();
    Pump();
  }
  String Footer(Integer Col) { return Grid->GetCells(Col, Grid->RowCount() - 1); }
  void Key(Word VK) { KeyToFocus(VK); }
  void Type(const String& Text) { TypeToFocus(Text); }
};

TEST(GridFooterUpkeep, EditsInsertsAndRemovalsRecalculateTheFooter) {
  TFooterForm F;
  EXPECT_EQ(F.Footer(2), L"15.00");
  EXPECT_EQ(F.Footer(3), L"5");
  F.Grid->SetCol(2);
  F.Grid->SetRow(3);
  F.Type(L"30");
  F.Key(VK_RETURN);
  ASSERT_EQ(F.Grid->GetCells(2, 3), L"30");
  EXPECT_EQ(F.Footer(2), L"42.00");
  F.Grid->AddRow();
  EXPECT_EQ(F.Grid->RowCount(), 8);
  EXPECT_EQ(F.Footer(2), L"42.00");
  EXPECT_EQ(F.Footer(3), L"6");
  F.Grid->InsertRows(1, 2);
  EXPECT_EQ(F.Footer(3), L"8");
  F.Grid->RemoveRows(5, 1);  // the row that held 30
  EXPECT_EQ(F.Footer(2), L"12.00");
  EXPECT_EQ(F.Footer(3), L"7");
  // The panel shows the new values.
  Pump();
  TFooterPanel* Panel = F.Grid->FooterPanel();
  EXPECT_EQ(F.Grid->GetCells(2, F.Grid->RowCount() - 1), L"12.00");
  EXPECT_TRUE(Panel->Visible());
}

TEST(GridFooterUpkeep, TheFooterRowIsNeverSelectedAndRowsScrollOutFromUnderThePanel) {
  TFooterForm F(40);
  const Integer Last = F.Grid->RowCount() - 1;
  F.Grid->SetCol(2);
  F.Grid->SetRow(Last - 1);
  EXPECT_EQ(F.Grid->Row(), Last - 1);
  TFooterPanel* Panel = F.Grid->FooterPanel();
  EXPECT_LE(F.Grid->CellRect(2, Last - 1).Bottom, F.Grid->ClientHeight() - Panel->Height() + 2);
  F.Grid->SetRow(Last);
  EXPECT_EQ(F.Grid->Row(), Last - 1);
  F.Grid->SetRow(1);
  EXPECT_EQ(F.Grid->TopRow(), 1);
  // A preview footer takes no row of its own: every row may be selected,
  // and none stays under the panel.
  F.Grid->FloatingFooter()->SetFooterStyle(fsColumnPreview);
  const Integer NewLast = F.Grid->RowCount() - 1;
  F.Grid->SetRow(NewLast);
  EXPECT_EQ(F.Grid->Row(), NewLast);
}

TEST(GridFooterUpkeep, HintsBelongToTheColumnUnderThePointer) {
  TFooterForm F;
  Application->SetHintPause(0);
  Application->SetHintShortPause(0);
  Application->SetShowHint(true);
  std::vector<String> Asked;
  F.Grid->OnGridHint = [&](TObject*, Integer ARow, Integer ACol, String& Hint) {
    Asked.push_back(IntToStr(ARow) + L"," + IntToStr(ACol));
    Hint = L"column " + IntToStr(ACol);
  };
  F.Grid->FloatingFooter()->SetShowHint(true);
  TFooterPanel* Panel = F.Grid->FooterPanel();
  const Integer Y = Panel->Height() / 2;
  const Integer InCol2 = F.Grid->GetColWidths(0) + F.Grid->GetColWidths(1) + 5;
  const Integer InCol3 = InCol2 + F.Grid->GetColWidths(2);
  auto ShownText = [] {
    if (!Application->HintActive()) return String();
    wchar_t Text[128] = {};
    GetWindowTextW(Application->HintWindow()->Handle(), Text, 128);
    return String(Text);
  };
  MouseMove(Panel, InCol2, Y);
  PumpUntil([] { return Application->HintActive(); }, 500);
  EXPECT_EQ(ShownText(), L"column 2");
  EXPECT_EQ(Panel->LastHintX(), 2);
  // The hint of column 2 goes, and column 3 is asked for its own.
  MouseMove(Panel, InCol3, Y);
  MouseMove(Panel, InCol3 + 2, Y);
  PumpUntil([] { return Application->HintActive(); }, 500);
  EXPECT_EQ(ShownText(), L"column 3");
  EXPECT_EQ(Asked, (std::vector<String>{L"6,2", L"6,3"}));
  // Without the footer's ShowHint nothing shows, though the grid is asked.
  Application->CancelHint();
  F.Grid->FloatingFooter()->SetShowHint(false);
  Panel->SetShowHint(true);
  MouseMove(Panel, InCol2, Y);
  Pump();
  EXPECT_FALSE(Application->HintActive());
  EXPECT_EQ(Panel->LastHintX(), -1);
  Application->CancelHint();
}

// Each style painted on a grid of the same cells; JORV_SNAPSHOTS names a
// folder for the pictures.
TEST(GridFooterUpkeep, EachStylePaintsItsOwnLook) {
  TFooterForm F;
  TFloatingFooter* Footer = F.Grid->FloatingFooter();
  Footer->SetColor(TColor(0x00D0F0));
  Footer->SetColumn(2);
  Footer->SetCustomTemplate(L"<b>Total</b>: <#2>");
  F.Grid->SetRow(2);
  TFooterPanel* Panel = F.Grid->FooterPanel();
  const wchar_t* Dir = _wgetenv(L"JORV_SNAPSHOTS");
  auto Snap = [&](const wchar_t* Name) {
    Pump();
    if (Dir) TRendered(F.Form.Get()).Bitmap().SaveToFile(String(Dir) + L"\\footer-" + Name + L".bmp");
  };
  Snap(L"fixed-last-row");
  {
    // The values are drawn where their columns are, the empty cell shows
    // no text.
    TRendered Shot(Panel);
    auto DarkPixels = [&](Integer Col) {
      Integer Left = 0;
      for (Integer c = 0; c < Col; ++c) Left += F.Grid->GetColWidths(c);
      Integer Dark = 0;
      for (Integer X = Left + 2; X < Left + F.Grid->GetColWidths(Col) - 2; ++X)
        for (Integer Y = 2; Y < Panel->Height() - 2; ++Y) Dark += (Shot.Pixel(X, Y) & 0xFFFFFF) < 0x404040 ? 1 : 0;
      return Dark;
    };
    EXPECT_GT(DarkPixels(2), 10);
    EXPECT_GT(DarkPixels(3), 3);
    EXPECT_EQ(DarkPixels(1), 0);
  }
  Footer->SetFooterStyle(fsColumnPreview);
  Snap(L"column-preview");
  {
    TRendered Shot(Panel);
    const Integer H = Panel->Height();
    EXPECT_EQ(Shot.Pixel(0, 0), TColor(0xFFFFFF));
    EXPECT_EQ(Shot.Pixel(1, H - 1), TColor(0x808080));
    EXPECT_EQ(Shot.Pixel(1, 1), TColor(0x00D0F0));
  }
  Footer->SetFooterStyle(fsCustomPreview);
  Footer->SetBorderColor(TColor(0x0000FF));
  Snap(L"custom-preview");
  {
    TRendered Shot(Panel);
    EXPECT_EQ(Shot.Pixel(3, 0), TColor(0x0000FF));
    EXPECT_EQ(Shot.Pixel(3, 1), TColor(0x00D0F0));
  }
  Footer->SetBorderColor(clNone);
  Footer->SetFooterStyle(fsCustomPaint);
  F.Grid->OnFooterPaint = [](TObject*, Integer, TCanvas* Canvas, TRect R) {
    Canvas->Brush()->SetColor(TColor(0x00FF00));
    Canvas->FillRect(R);
  };
  Snap(L"custom-paint");
  TRendered Shot(Panel);
  EXPECT_EQ(Shot.Pixel(3, 0), TColor(0x00FF00));
  EXPECT_EQ(Shot.Pixel(Panel->Width() - 2, Panel->Height() - 2), TColor(0x00FF00));
}

}  // namespace
