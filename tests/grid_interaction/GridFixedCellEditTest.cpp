// Editing header cells in place on a shown grid: the clicks that open the
// edit or the combo over a fixed cell, the keys and focus changes that
// store its text, a refused value, the filter-edit row, and the settings
// the editing code reads.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/FixedCellEditors.h"
#include "tests/grid_interaction/EditorGrid.h"
#include "tests/support/grid/MouseGrid.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Header cells "H1".."H3", fixed-column cells "R1".."R4".
struct TFixedEditGrid : TControlGrid {
  TFixedEditGrid() : TControlGrid(edNormal) {
    for (Integer c = 1; c < 4; ++c) Grid->SetCells(c, 0, L"H" + IntToStr(c));
    for (Integer r = 1; r < 5; ++r) Grid->SetCells(0, r, L"R" + IntToStr(r));
  }
  TPoint At(Integer C, Integer R, Integer DX = 20, Integer DY = 9) { return PointInCell(Grid, C, R, DX, DY); }
  void Send(UINT Msg, TPoint P, WPARAM Keys = 0) { SendMouse(Grid, Msg, P, Keys); }
  void ClickAt(TPoint P) { ClickGrid(Grid, P); }
  void RightClickAt(TPoint P) {
    Send(WM_MOUSEMOVE, P);
    Send(WM_RBUTTONDOWN, P, MK_RBUTTON);
    Send(WM_RBUTTONUP, P);
  }
  void DoubleClickAt(TPoint P) {
    ClickAt(P);
    Send(WM_LBUTTONDBLCLK, P, MK_LBUTTON);
    Send(WM_LBUTTONUP, P);
  }
  TGridTransEdit* Edit() { return Grid->EditTrans(); }
  TGridTransCombo* Combo() { return Grid->ComboTrans(); }
  bool EditOpen() { return Edit()->Visible() && GetFocus() == Edit()->Handle(); }
};

}  // namespace

TEST(GridFixedCellEdit, TheClickTheMouseActionsNameOpensTheEdit) {
  const struct {
    const char* Name;
    std::function<void(TFixedEditGrid&)> Setup;
    std::function<void(TFixedEditGrid&)> Act;
    const wchar_t* Opened;  // the text the open edit shows; nullptr: none opens
  } Cases[] = {
      {"left click with fceLeftClick", [](TFixedEditGrid& G) { G.Grid->MouseActions()->SetFixedRowsEdit(fceLeftClick); },
       [](TFixedEditGrid& G) { G.ClickAt(G.At(2, 0)); }, L"H2"},
      {"a single click with fceDblClick", [](TFixedEditGrid& G) { G.Grid->MouseActions()->SetFixedRowsEdit(fceDblClick); },
       [](TFixedEditGrid& G) { G.ClickAt(G.At(2, 0)); }, nullptr},
      {"double click with fceDblClick", [](TFixedEditGrid& G) { G.Grid->MouseActions()->SetFixedRowsEdit(fceDblClick); },
       [](TFixedEditGrid& G) { G.DoubleClickAt(G.At(3, 0)); }, L"H3"},
      {"right click with fceRightClick",
       [](TFixedEditGrid& G) { G.Grid->MouseActions()->SetFixedRowsEdit(fceRightClick); },
       [](TFixedEditGrid& G) { G.RightClickAt(G.At(1, 0)); }, L"H1"},
      {"left click with fceRightClick",
       [](TFixedEditGrid& G) { G.Grid->MouseActions()->SetFixedRowsEdit(fceRightClick); },
       [](TFixedEditGrid& G) { G.ClickAt(G.At(1, 0)); }, nullptr},
      {"fixed column with FixedColsEdit fceLeftClick",
       [](TFixedEditGrid& G) { G.Grid->MouseActions()->SetFixedColsEdit(fceLeftClick); },
       [](TFixedEditGrid& G) { G.ClickAt(G.At(0, 2)); }, L"R2"},
      {"a header click with only FixedColsEdit",
       [](TFixedEditGrid& G) { G.Grid->MouseActions()->SetFixedColsEdit(fceLeftClick); },
       [](TFixedEditGrid& G) { G.ClickAt(G.At(2, 0)); }, nullptr},
      {"near a border with column sizing",
       [](TFixedEditGrid& G) {
         G.Grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
         G.Grid->SetOptions(G.Grid->Options() + goColSizing);
       },
       [](TFixedEditGrid& G) { G.ClickAt(G.At(2, 0, G.Grid->CellRect(2, 0).Width() - 3)); }, nullptr},
      {"OnCanEditCell refuses",
       [](TFixedEditGrid& G) {
         G.Grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
         G.Grid->OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
       },
       [](TFixedEditGrid& G) { G.ClickAt(G.At(2, 0)); }, nullptr},
      {"a normal cell", [](TFixedEditGrid& G) { G.Grid->MouseActions()->SetFixedRowsEdit(fceLeftClick); },
       [](TFixedEditGrid& G) { G.ClickAt(G.At(2, 2)); }, nullptr},
  };
  for (const auto& C : Cases) {
    TFixedEditGrid G;
    C.Setup(G);
    C.Act(G);
    if (!C.Opened) {
      EXPECT_FALSE(G.Edit()->Visible()) << C.Name;
      continue;
    }
    EXPECT_TRUE(G.EditOpen()) << C.Name;
    EXPECT_EQ(G.Edit()->Text(), C.Opened) << C.Name;
  }
}

TEST(GridFixedCellEdit, TheEditLiesInsideTheCellAndRecordsItsStoredColumn) {
  TFixedEditGrid G;
  G.Grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
  // With column 1 hidden, stored column 2 is shown second: the edit
  // records where its text is stored.
  G.Grid->HideColumn(1);
  G.ClickAt(G.At(1, 0));
  ASSERT_TRUE(G.EditOpen());
  EXPECT_EQ(G.Edit()->Text(), L"H2");
  EXPECT_EQ(G.Edit()->Col(), 2);
  EXPECT_EQ(G.Edit()->Row(), 0);
  const TRect Cell = G.Grid->CellRect(1, 0);
  EXPECT_EQ(G.Edit()->Left(), Cell.Left + 1);
  EXPECT_EQ(G.Edit()->Top(), Cell.Top + 3);
  EXPECT_EQ(G.Edit()->Width(), Cell.Width() - 2);
  EXPECT_EQ(G.Grid->FixedCellEdited(), (TPoint{1, 0}));
}

TEST(GridFixedCellEdit, EnterStoresTheTextAndHandsTheFocusBack) {
  TFixedEditGrid G;
  Integer Done = 0;
  G.Grid->OnEditingDone = [&Done](TObject*) { ++Done; };
  G.Grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
  G.ClickAt(G.At(2, 0));
  ASSERT_TRUE(G.EditOpen());
  G.Edit()->SelectAll();
  G.Type(L"Price");
  G.Key(VK_RETURN);
  EXPECT_EQ(G.Grid->GetCells(2, 0), L"Price");
  EXPECT_FALSE(G.Edit()->Visible());
  EXPECT_EQ(GetFocus(), G.Grid->Handle());
  EXPECT_EQ(G.Events, (std::vector<String>{L"validate 2,0 Price"}));
  EXPECT_EQ(Done, 1);
}

TEST(GridFixedCellEdit, ARefusedValueKeepsTheEditOpenWithTheFocus) {
  TFixedEditGrid G;
  G.Refused = {L"Bad"};
  G.Grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
  G.ClickAt(G.At(2, 0));
  G.Edit()->SelectAll();
  G.Type(L"Bad");
  G.Key(VK_RETURN);
  EXPECT_TRUE(G.EditOpen());
  EXPECT_EQ(G.Grid->GetCells(2, 0), L"H2");
  // Leaving it for another control is refused as well.
  G.Other->SetFocus();
  Pump();
  EXPECT_TRUE(G.EditOpen());
  EXPECT_EQ(G.Grid->GetCells(2, 0), L"H2");
  // The refused column became the current one.
  EXPECT_EQ(G.Grid->Col(), 2);
  G.Edit()->SelectAll();
  G.Type(L"Good");
  G.Other->SetFocus();
  Pump();
  EXPECT_EQ(G.Grid->GetCells(2, 0), L"Good");
  EXPECT_FALSE(G.Edit()->Visible());
  EXPECT_EQ(GetFocus(), G.Other->Handle());
}

TEST(GridFixedCellEdit, TheComboStoresItsValueOnlyWhenLeft) {
  TFixedEditGrid G;
  std::vector<String> Changes;
  G.Grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
  // The handler picks the list kind and fills it.
  G.Grid->OnFixedEdit = [](TObject*, Integer, Integer, TGridFixedCellEditor& Editor, TStrings* Values) {
    Editor = fceComboList;
    Values->Add(L"Low");
    Values->Add(L"H2");
    Values->Add(L"High");
  };
  G.Grid->OnComboChange = [&Changes](TObject*, Integer C, Integer R, Integer Index, const String& Text) {
    Changes.push_back(IntToStr(C) + L"," + IntToStr(R) + L" " + IntToStr(Index) + L" " + Text);
  };
  G.ClickAt(G.At(2, 0));
  ASSERT_TRUE(G.Combo()->Visible());
  EXPECT_FALSE(G.Edit()->Visible());
  EXPECT_EQ(G.Combo()->ItemIndex(), 1);
  G.Key(VK_DOWN);
  EXPECT_EQ(G.Combo()->ItemIndex(), 2);
  G.Key(VK_RETURN);
  EXPECT_TRUE(G.Combo()->Visible());
  EXPECT_EQ(G.Grid->GetCells(2, 0), L"H2");
  G.Grid->SetFocus();
  Pump();
  EXPECT_EQ(G.Grid->GetCells(2, 0), L"High");
  EXPECT_FALSE(G.Combo()->Visible());
  EXPECT_EQ(G.Events, (std::vector<String>{L"validate 2,0 High"}));
  ASSERT_FALSE(Changes.empty());
  EXPECT_EQ(Changes.back(), L"2,0 2 High");
}

TEST(GridFixedCellEdit, TheFilterEditRowFiltersByTheTypedText) {
  TFixedEditGrid G;
  const wchar_t* Fruit[] = {L"apple", L"banana", L"cherry", L"mango"};
  for (Integer r = 1; r < 5; ++r) G.Grid->SetCells(1, r, Fruit[r - 1]);
  G.Grid->FilterEdit()->SetEnabled(true);
  G.Grid->FilterEdit()->SetColor(TColor(0xCCFFFF));
  G.ClickAt(G.At(1, 0, 30));
  ASSERT_TRUE(G.EditOpen());
  EXPECT_TRUE(G.Edit()->FilterEdit());
  // The type button at the cell's left stays visible.
  EXPECT_EQ(G.Edit()->Left(), G.Grid->CellRect(1, 0).Left + 20);
  EXPECT_EQ(G.Edit()->Color(), TColor(0xCCFFFF));
  G.Type(L"an");
  G.Key(VK_RETURN);
  EXPECT_TRUE(G.Grid->FilterActive());
  ASSERT_EQ(G.Grid->RowCount(), 3);
  EXPECT_EQ(G.Grid->GetCells(1, 1), L"banana");
  EXPECT_EQ(G.Grid->GetCells(1, 2), L"mango");
}

TEST(GridEditingSettings, SwitchingIntegralHeightOnShrinksTheGridAtOnce) {
  TTestForm Form(500, 400);
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, 400, 250);
  ASSERT_EQ(Grid->Height(), 250);
  Grid->SetIntegralHeight(true);
  // Eleven rows of 22 and the single border.
  EXPECT_EQ(Grid->Height(), 246);
}

TEST(GridEditingSettings, OnlyTheModifiedMarksColourReportsAChange) {
  TShowModified Settings;
  Integer Changes = 0;
  Settings.OnChange = [&Changes](TObject*) { ++Changes; };
  Settings.SetEnabled(true);
  EXPECT_EQ(Changes, 0);
  Settings.SetColor(clRed);
  EXPECT_EQ(Changes, 1);
}
