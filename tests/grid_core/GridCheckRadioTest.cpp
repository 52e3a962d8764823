// Check boxes, tri-state boxes, radio buttons and radio groups in cells:
// adding, reading, setting and toggling them, groups of radio buttons,
// node rows whose boxes follow their children, and undo.
#include <gtest/gtest.h>

#include <vector>
#include "grid/base/GridUndo.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Strings.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// A grid with node rows made by hand, as the grouping makes them.
class TNodeGrid : public TRezIvevirAvod {
 public:
  TNodeGrid() : TRezIvevirAvod(nullptr) {}
  void MakeNode(Integer ARow, Integer Span) {
    TCellGraphic* N = CreateCellGraphic(0, ARow);
    N->SetCellType(ctNode);
    N->SetCellIndex(Span);
    for (Integer r = ARow; r < ARow + Span; ++r) GetCellProperties(0, r)->SetNodeLevel(1);
    ++FNumNodes;
  }
};

struct TChange {
  Integer Col, Row;
  bool State;
};

}  // namespace

TEST(GridCheckRadio, DataCheckBoxesKeepTheirText) {
  TRezIvevirAvod G(nullptr);
  struct {
    const wchar_t* Text;
    bool State;
    const wchar_t* After;
  } Cases[] = {{L"N", true, L"N"}, {L"Y", false, L"Y"}, {L"x", true, L"Y"}, {L"", false, L"N"}};
  for (auto C : Cases) {
    G.SetCells(1, 1, C.Text);
    G.AddCheckBox(1, 1, C.State, true);
    EXPECT_EQ(G.GetCells(1, 1), C.After) << UTF8Encode(C.Text);
    EXPECT_EQ(G.IsChecked(1, 1), String(C.After) == L"Y");
  }
  EXPECT_TRUE(G.HasDataCheckBox(1, 1));
  EXPECT_FALSE(G.IsChecked(2, 2));
  bool State = true;
  EXPECT_FALSE(G.GetCheckBoxState(2, 2, State));
  EXPECT_TRUE(State);
}

// A plain tri-state box runs unchecked, grayed, checked; the state each
// toggle reports is whether the box is now checked.
TEST(GridCheckRadio, TriStateTogglesThroughGrayed) {
  TRezIvevirAvod G(nullptr);
  std::vector<bool> Reported;
  G.OnCheckBoxChange = [&](TObject*, Integer, Integer, bool S) { Reported.push_back(S); };
  G.AddCheckBox(1, 1, cbUnchecked);
  TCheckBoxState Seen[3];
  for (auto& S : Seen) {
    EXPECT_TRUE(G.ToggleCheckBox(1, 1));
    G.GetCheckBoxState(1, 1, S);
  }
  EXPECT_EQ(Seen[0], cbGrayed);
  EXPECT_EQ(Seen[1], cbChecked);
  EXPECT_EQ(Seen[2], cbUnchecked);
  EXPECT_EQ(Reported, (std::vector<bool>{false, true, false}));
  G.SetCheckBoxState(1, 1, cbChecked);
  EXPECT_TRUE(G.IsChecked(1, 1));
  G.SetCheckBoxState(1, 1, cbGrayed);
  EXPECT_FALSE(G.IsChecked(1, 1));
}

TEST(GridCheckRadio, UserTogglesAskTheEditingRules) {
  TRezIvevirAvod G(nullptr);
  G.AddCheckBox(1, 1, false, false);
  G.SetReadOnly(1, 1, true);
  EXPECT_FALSE(G.ToggleCheckBoxEx(1, 1, true));
  EXPECT_FALSE(G.IsChecked(1, 1));
  EXPECT_TRUE(G.ToggleCheckBox(1, 1));
  EXPECT_TRUE(G.IsChecked(1, 1));
  G.ControlLook()->SetCheckAlwaysActive(true);
  EXPECT_TRUE(G.ToggleCheckBoxEx(1, 1, true));
  EXPECT_FALSE(G.IsChecked(1, 1));
  EXPECT_FALSE(G.ToggleCheckBox(2, 2));
}

TEST(GridCheckRadio, CheckAllRaisesForChangedRowsOnly) {
  TRezIvevirAvod G(nullptr);
  G.SetRowCount(5);
  G.AddCheckBoxColumn(1, false, true);
  G.SetCells(1, 2, L"Y");
  std::vector<Integer> Rows;
  G.OnCheckBoxChange = [&](TObject*, Integer, Integer R, bool S) {
    EXPECT_TRUE(S);
    Rows.push_back(R);
  };
  G.CheckAll(1);
  EXPECT_EQ(Rows, (std::vector<Integer>{1, 3, 4}));
  for (Integer r = 1; r < 5; ++r) EXPECT_EQ(G.GetCells(1, r), L"Y");
  EXPECT_EQ(G.GetCells(1, 0), L"");
  EXPECT_TRUE(G.IsDataCheckBoxColumn(1));
  G.OnCheckBoxChange = nullptr;
  G.UnCheckAll(1);
  EXPECT_EQ(G.GetCells(1, 4), L"N");
  G.RemoveCheckBoxColumn(1);
  EXPECT_FALSE(G.HasCheckBox(1, 4));
}

TEST(GridCheckRadio, RadioButtonsClearTheirGroup) {
  TRezIvevirAvod G(nullptr);
  G.SetRowCount(10);
  G.AddRadioButtonColumn(1);
  G.RemoveRadioButton(1, 8);
  for (Integer r : {2, 4, 6, 9}) G.SetRadioButtonState(1, r, true);
  EXPECT_TRUE(G.ToggleRadioButton(1, 5, false));
  EXPECT_EQ(G.GetRadioButtonColumnIndex(1), 5);
  // The walk down stops at row 8, which holds no radio button.
  EXPECT_TRUE(G.IsRadioButtonChecked(1, 9));
  for (Integer r : {2, 4, 6}) EXPECT_FALSE(G.IsRadioButtonChecked(1, r)) << r;
  EXPECT_TRUE(G.ToggleRadioButton(1, 5, false));
  EXPECT_TRUE(G.IsRadioButtonChecked(1, 5));

  G.AddRadioButtonGroupColumn(2);
  G.AddRadioButtonGroupColumn(3);
  G.SetRadioButtonState(2, 3, true);
  G.ToggleRadioButton(3, 3, false);
  EXPECT_FALSE(G.IsRadioButtonChecked(2, 3));
  EXPECT_TRUE(G.HasRadioButtonGroup(3, 3, rgRow));
  G.SetRadioButtonColumnIndex(1, 2);
  EXPECT_EQ(G.GetRadioButtonColumnIndex(1), 2);
}

TEST(GridCheckRadio, RadioGroupsStepAndWrap) {
  TRezIvevirAvod G(nullptr);
  TStrings* Items = G.CreateRadio(1, 1, 0, 1);
  Items->Add(L"red");
  Items->Add(L"green");
  Items->Add(L"blue");
  G.SelectNextRadio(1, 1, false);
  EXPECT_EQ(G.GetCells(1, 1), L"blue");
  G.SelectNextRadio(1, 1, false);
  EXPECT_EQ(G.GetCells(1, 1), L"red");
  Integer Idx = -5;
  EXPECT_TRUE(G.GetRadioIdx(1, 1, Idx));
  EXPECT_EQ(Idx, 0);
  // Following the text: the item after the one the text names.
  G.SetRadioIdx(1, 1, -1);
  G.SetCells(1, 1, L"green");
  G.SelectNextRadio(1, 1, false);
  EXPECT_EQ(G.GetCells(1, 1), L"blue");
  EXPECT_EQ(G.GetRadioStrings(1, 1), Items);
  // An empty group has nothing to step to.
  G.CreateRadio(1, 2, 0, 0);
  G.SelectNextRadio(1, 2, false);
  EXPECT_EQ(G.GetCells(1, 2), L"");
}

// Only states kept in the cell text can be undone; a plain box's toggle
// leaves the text and the undo list alone.
TEST(GridCheckRadio, UndoGivesBackTheDataState) {
  TRezIvevirAvod G(nullptr);
  TExGridUndoRedo Undo(nullptr);
  G.SetUndoRedo(&Undo);
  G.AddCheckBox(1, 1, false, true);
  G.ToggleCheckBox(1, 1);
  EXPECT_EQ(G.GetCells(1, 1), L"Y");
  Undo.Undo();
  EXPECT_EQ(G.GetCells(1, 1), L"N");
  EXPECT_FALSE(G.IsChecked(1, 1));
  G.SetCells(2, 1, L"note");
  G.AddCheckBox(2, 1, false, false);
  G.AddCheckBox(3, 1, cbUnchecked);
  G.ToggleCheckBox(2, 1);
  G.ToggleCheckBox(3, 1);
  EXPECT_EQ(Undo.Items()->Count(), 1);
  EXPECT_EQ(G.GetCells(2, 1), L"note");
  G.SetUndoRedo(nullptr);
}

TEST(GridCheckRadio, NodeAndChildBoxesFollowEachOther) {
  TNodeGrid G;
  G.SetRowCount(7);
  G.MakeNode(1, 4);
  G.Grouping()->SetAutoCheckGroup(true);
  G.AddCheckBoxColumn(1, false, false);
  EXPECT_EQ(G.GetCellType(1, 1), ctTriStateCheckBox);
  EXPECT_EQ(G.GetParentRow(3), 1);
  EXPECT_EQ(G.GetParentRow(5), -1);
  G.ToggleCheckBox(1, 1);
  for (Integer r : {2, 3, 4}) EXPECT_TRUE(G.IsChecked(1, r)) << r;
  EXPECT_FALSE(G.IsChecked(1, 5));
  G.ToggleCheckBox(1, 3);
  TCheckBoxState Node = cbUnchecked;
  G.GetCheckBoxState(1, 1, Node);
  EXPECT_EQ(Node, cbGrayed);
  G.ToggleCheckBox(1, 3);
  G.GetCheckBoxState(1, 1, Node);
  EXPECT_EQ(Node, cbChecked);
}

TEST(GridCheckRadio, PreciseHitTestOnTheBox) {
  TRezIvevirAvod G(nullptr);
  G.AddCheckBox(1, 1, false, false);
  const TRect R = G.CellRect(1, 1);
  EXPECT_TRUE(G.IsInCheckBox(1, 1, R.Right - 1, R.Bottom - 1));
  EXPECT_FALSE(G.IsInCheckBox(2, 2, R.Left, R.Top));
  G.MouseActions()->SetPreciseCheckBoxCheck(true);
  struct {
    Integer X, Y;
    bool In;
  } Cases[] = {{2, 2, true}, {16, 16, true}, {17, 16, false}, {1, 5, false}, {5, 17, false}};
  for (auto C : Cases) EXPECT_EQ(G.IsInCheckBox(1, 1, R.Left + C.X, R.Top + C.Y), C.In) << C.X << "," << C.Y;
}
