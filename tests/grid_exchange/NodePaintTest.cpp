// What a grouped grid looks like: tree lines down column 0 from each node
// to its rows, header and summary rows in their colours, merged headers,
// and each node glyph type. Set JORV_NODE_PICTURE to a file name to keep
// the rendered grid as a bitmap.
#include <gtest/gtest.h>

#include <cstdlib>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Form.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

constexpr TColor HeaderColor = 0xF0D0A0;
constexpr TColor SummaryColor = 0xA0F0A0;
constexpr TColor TreeColor = 0x0000C0;

TRezIvevirAvod* GroupedGrid(TForm* Form, TNodeType Type) {
  auto* G = new TRezIvevirAvod(Form);
  G->SetParent(Form);
  G->SetBounds(0, 0, 560, 420);
  G->SetColCount(5);
  G->SetRowCount(9);
  G->SetFixedRows(1);
  G->SetColWidths(0, 40);
  const wchar_t* Kinds[] = {L"fruit", L"fruit", L"fruit", L"nut", L"nut", L"root", L"root", L"root"};
  const wchar_t* Subs[] = {L"red", L"red", L"green", L"brown", L"brown", L"white", L"red", L"red"};
  for (Integer r = 1; r <= 8; ++r) {
    G->SetCells(1, r, L"item " + IntToStr(r));
    G->SetCells(2, r, Kinds[r - 1]);
    G->SetCells(3, r, Subs[r - 1]);
    G->SetCells(4, r, IntToStr(r * 10));
  }
  G->CellNode()->SetNodeType(Type);
  G->CellNode()->SetTreeColor(TreeColor);
  G->SortSettings()->SetAutoSortForGrouping(false);
  G->Grouping()->SetSummary(true);
  G->Grouping()->SetMergeHeader(true);
  G->Grouping()->SetHeaderColor(HeaderColor);
  G->Grouping()->SetSummaryColor(SummaryColor);
  G->Group(2);
  G->SubGroup(2);
  G->GroupSum(3);
  return G;
}

// Whether some pixel of the row's middle line inside the cell has Color.
bool LineHas(TRendered& Shot, const TRect& Cell, TColor Color) {
  const Integer Middle = Cell.Top + (Cell.Bottom - Cell.Top) / 2;
  for (Integer y = Middle - 1; y <= Middle + 1; ++y)
    for (Integer x = Cell.Left; x < Cell.Right; ++x)
      if (Shot.Pixel(x, y) == Color) return true;
  return false;
}

TEST(GridNodePaint, TreeLinesHeaderAndSummaryColours) {
  TTestForm Form{560, 420};
  TRezIvevirAvod* G = GroupedGrid(Form.Get(), cnXP);
  ASSERT_TRUE(G->IsNode(1));
  ASSERT_TRUE(G->IsNode(2));
  ASSERT_TRUE(G->IsSummary(7));
  TRendered Shot(G);
  if (const char* Path = std::getenv("JORV_NODE_PICTURE")) Shot.Bitmap().SaveToFile(UTF8Decode(Path));
  // A data row of a sub-group: its branch and the line of the group around it.
  EXPECT_TRUE(LineHas(Shot, G->CellRect(0, 3), TreeColor));
  // A row outside every node has no tree line.
  EXPECT_FALSE(LineHas(Shot, G->CellRect(0, 7), TreeColor));
  // The merged header of the second group (the first is the current row)
  // and the summary row of the first.
  ASSERT_TRUE(G->IsNode(8));
  const TRect Header = G->CellRect(2, 8);
  EXPECT_EQ(Shot.Pixel(Header.Left + 60, Header.Top + 3), HeaderColor);
  const TRect Summary = G->CellRect(2, 7);
  EXPECT_EQ(Shot.Pixel(Summary.Left + 3, Summary.Top + 3), SummaryColor);
  EXPECT_EQ(G->GetCells(3, 7), L"60.00");
}

TEST(GridNodePaint, EveryNodeTypeDrawsAGlyphAndContractingHidesTheRows) {
  for (TNodeType Type : {cnFlat, cn3D, cnLeaf, cnXP}) {
    SCOPED_TRACE(static_cast<int>(Type));
    TTestForm Form{560, 420};
    TRezIvevirAvod* G = GroupedGrid(Form.Get(), Type);
    G->ContractNode(G->DisplToRealRow(8));
    TRendered Shot(G);
    // Something other than the cell's own background (as it stands at the
    // cell's right end, on the same line) stands where the glyph goes.
    const TRect Node = G->CellRect(0, 1);
    bool Glyph = false;
    for (Integer y = Node.Top + 3; y < Node.Bottom - 3; ++y)
      for (Integer x = Node.Left + 2; x < Node.Left + 24; ++x) Glyph |= Shot.Pixel(x, y) != Shot.Pixel(Node.Right - 3, y);
    EXPECT_TRUE(Glyph);
    EXPECT_TRUE(G->GetNodeState(8));
    EXPECT_EQ(G->GetCells(1, 9), L"");  // the summary row of the second group follows its header
    EXPECT_TRUE(G->IsSummary(9));
  }
}

}  // namespace
