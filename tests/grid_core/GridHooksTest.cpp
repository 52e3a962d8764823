// The grid's query and event hooks: each raises its event with the
// parameter order of its event type, starts from the grid's own answer,
// and a derived grid that overrides a hook changes the answer without any
// handler.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// A descendant that answers without handlers.
class TReadOnlyThirdColumn : public TRezIvevirAvod {
 public:
  using TRezIvevirAvod::TRezIvevirAvod;
  void DoCanEditCell(Integer ACol, Integer, bool& CanEdit) override {
    if (ACol == 3) CanEdit = false;
  }
  void GetCellCheckTrue(Integer, Integer, String& Value) override { Value = L"yes"; }
};

}  // namespace

TEST(GridHooks, EventsGetRowBeforeColumnWhereTheirTypesSaySo) {
  TRezIvevirAvod G(nullptr);
  std::vector<std::pair<Integer, Integer>> Seen;  // as (first, second) parameters
  G.OnCanEditCell = [&](TObject*, Integer A, Integer B, bool&) { Seen.push_back({A, B}); };
  G.OnIsPasswordCell = [&](TObject*, Integer A, Integer B, bool&) { Seen.push_back({A, B}); };
  G.OnGetWordWrap = [&](TObject*, Integer A, Integer B, bool&) { Seen.push_back({A, B}); };
  G.OnGetEditorType = [&](TObject*, Integer A, Integer B, TEditorType&) { Seen.push_back({A, B}); };
  G.OnGetCellColor = [&](TObject*, Integer A, Integer B, TGridDrawState, TBrush*, TFont*) {
    Seen.push_back({A, B});
  };
  G.OnGetAlignment = [&](TObject*, Integer A, Integer B, TAlignment&, TVAlignment&) { Seen.push_back({A, B}); };
  G.OnGetCellBorder = [&](TObject*, Integer A, Integer B, TPen*, TCellBorders&) { Seen.push_back({A, B}); };
  G.OnGetCheckTrue = [&](TObject*, Integer A, Integer B, String&) { Seen.push_back({A, B}); };
  G.OnComboDropDown = [&](TObject*, Integer A, Integer B) { Seen.push_back({A, B}); };
  bool Flag = true;
  TEditorType Kind = edNormal;
  TBrush Brush;
  TFont Font;
  TPen Pen;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  TCellBorders Borders;
  String Text;
  // Column 2, row 4 everywhere.
  G.DoCanEditCell(2, 4, Flag);
  G.DoIsPasswordCell(2, 4, Flag);
  G.GetCellWordWrap(2, 4, Flag);
  G.DoGetEditorType(2, 4, Kind);
  G.GetCellColor(2, 4, {}, &Brush, &Font);
  G.DoGetAlignment(2, 4, HA, VA);
  G.GetCellBorder(2, 4, &Pen, Borders);
  G.GetCellCheckTrue(2, 4, Text);
  G.DoComboDropDown(4, 2);
  const std::vector<std::pair<Integer, Integer>> Expected = {
      {4, 2}, {4, 2}, {2, 4}, {2, 4}, {4, 2}, {4, 2}, {4, 2}, {2, 4}, {4, 2}};
  EXPECT_EQ(Seen, Expected);
}

TEST(GridHooks, ReadOnlyCellIsNotEditableUnlessTheHandlerSaysSo) {
  TRezIvevirAvod G(nullptr);
  G.SetOptions(G.Options() + goEditing);
  G.SetReadOnly(2, 2, true);
  bool CanEdit = true;
  G.CanEditCell(2, 2, CanEdit);
  EXPECT_FALSE(CanEdit);
  G.OnCanEditCell = [](TObject*, Integer, Integer, bool& Edit) { Edit = true; };
  CanEdit = true;
  G.CanEditCell(2, 2, CanEdit);
  EXPECT_TRUE(CanEdit);
}

TEST(GridHooks, DerivedGridChangesTheAnswerWithoutAHandler) {
  TReadOnlyThirdColumn G(nullptr);
  bool CanEdit = true;
  G.CanEditCell(3, 1, CanEdit);
  EXPECT_FALSE(CanEdit);
  String Text;
  G.GetCellCheckTrue(1, 1, Text);
  EXPECT_EQ(Text, L"yes");
}

TEST(GridHooks, ButtonQueriesFollowTheEditorKind) {
  TRezIvevirAvod G(nullptr);
  EXPECT_FALSE(G.HasComboBox(1, 1, edNone));
  G.ControlLook()->SetDropDownAlwaysVisible(true);
  EXPECT_FALSE(G.HasComboBox(1, 1, edNone));  // DefaultEditor is edNormal
  G.OnGetEditorType = [](TObject*, Integer ACol, Integer, TEditorType& Kind) {
    if (ACol == 2) Kind = edComboList;
  };
  EXPECT_TRUE(G.HasComboBox(2, 1, edNone));
  EXPECT_TRUE(G.HasEditBtn(1, 1, edEditBtn));
  G.ControlLook()->SetSpinButtonsAlwaysVisible(true);
  EXPECT_TRUE(G.HasSpinEdit(1, 1, edFloatSpinEdit));
  EXPECT_FALSE(G.HasSpinEdit(0, 1, edFloatSpinEdit));  // fixed cells never
  G.OnHasComboBox = [](TObject*, Integer, Integer, bool& Has) { Has = false; };
  EXPECT_FALSE(G.HasComboBox(2, 1, edNone));
}

TEST(GridHooks, FixedFootersAndRightColumnsAreFixedWithoutAsking) {
  TRezIvevirAvod G(nullptr);
  G.SetFixedFooters(1);
  G.SetFixedRightCols(1);
  int Asked = 0;
  G.OnIsFixedCell = [&](TObject*, Integer, Integer, bool&) { ++Asked; };
  EXPECT_TRUE(G.IsFixed(2, 9));
  EXPECT_TRUE(G.IsFixed(4, 3));
  EXPECT_EQ(Asked, 0);
  EXPECT_TRUE(G.IsFixed(0, 3));
  EXPECT_FALSE(G.IsFixed(2, 3));
  EXPECT_EQ(Asked, 1);
}

TEST(GridHooks, ActiveCellHeadersTakeTheActiveCellLook) {
  TRezIvevirAvod G(nullptr);
  G.SetActiveCellShow(true);
  G.SetActiveCellColor(0x00FF00);
  G.SetCol(3);
  G.SetRow(5);
  TBrush Brush;
  TFont Font;
  for (auto [Col, Row, Highlighted] : {std::tuple{3, 0, true}, std::tuple{0, 5, true}, std::tuple{3, 5, false},
                                       std::tuple{2, 0, false}}) {
    Brush.SetColor(clWindow);
    G.GetCellColor(Col, Row, {}, &Brush, &Font);
    EXPECT_EQ(Brush.Color() == TColor(0x00FF00), Highlighted) << Col << "," << Row;
  }
}

TEST(GridHooks, HintTextGoesToTheOfficeHintAndWideHintsAreMarked) {
  TRezIvevirAvod G(nullptr);
  G.OnGridHint = [](TObject*, Integer, Integer, String& Hint) { Hint = L"plain"; };
  String Hint, Wide;
  G.DoGridHint(1, 1, Hint, Wide);
  EXPECT_EQ(Hint, L"plain");
  EXPECT_EQ(G.OfficeHint()->Notes()->Strings(0), L"plain");
  G.OnGridWideHint = [](TObject*, Integer, Integer, String& W) { W = L"A"; };
  G.DoGridHint(1, 1, Hint, Wide);
  EXPECT_EQ(Hint, String(L"|\\") + Char(0) + Char(L'A'));
}
