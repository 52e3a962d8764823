// Grouping: header nodes before runs of equal values, summary rows after
// them, sub-groups inside the groups, group calculations, and undoing it
// all back to the very grid it started from.
#include <gtest/gtest.h>

#include <vector>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Form.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Columns: 1 name, 2 kind, 3 sub-kind, 4 number, 5 note; row 0 holds the
// captions. The rows are sorted on the kind already.
struct TGroupGrid {
  TRezIvevirAvod Grid{nullptr};
  explicit TGroupGrid(std::initializer_list<std::vector<const wchar_t*>> Rows) {
    Grid.SetColCount(6);
    Grid.SetRowCount(static_cast<Integer>(Rows.size()) + 1);
    Grid.SetFixedRows(1);
    const wchar_t* Captions[] = {L"", L"Name", L"Kind", L"Sub", L"Number", L"Note"};
    for (Integer c = 0; c < 6; ++c) Grid.SetCells(c, 0, Captions[c]);
    Integer r = 1;
    for (const auto& Row : Rows) {
      for (Integer c = 0; c < static_cast<Integer>(Row.size()); ++c) Grid.SetCells(c + 1, r, Row[c]);
      ++r;
    }
  }
  // H for a node row, S for a summary row, D for the others.
  String Layout() {
    String S;
    for (Integer r = 1; r < Grid.RowCount(); ++r) S += Grid.IsNode(r) ? L'H' : Grid.IsSummary(r) ? L'S' : L'D';
    return S;
  }
  String Column(Integer ACol) {
    String S;
    for (Integer r = 1; r < Grid.RowCount(); ++r) S += (r > 1 ? L"|" : L"") + Grid.GetCells(ACol, r);
    return S;
  }
  // Everything a grouping may touch, as one text to compare.
  String Snapshot() {
    String S = IntToStr(Grid.ColCount()) + L"x" + IntToStr(Grid.RowCount()) + L" nodes " + IntToStr(Grid.NumNodes()) +
               L" hidden " + IntToStr(Grid.NumHiddenRows()) + L"\n";
    for (Integer c = 0; c < Grid.ColCount(); ++c) S += IntToStr(Grid.GetColWidths(c)) + L" ";
    for (Integer r = 0; r < Grid.RowCount(); ++r) {
      S += L"\n" + IntToStr(Grid.GetRowHeights(r)) + L":";
      for (Integer c = 0; c < Grid.ColCount(); ++c) {
        S += Grid.GetCells(c, r) + L"/" + IntToStr(Grid.GetColors(c, r)) + L"/" + IntToStr(Grid.GetFontColors(c, r));
        S += L"/" + IntToStr(Grid.GetCellType(c, r)) + L"/" + IntToStr(Grid.IsMergedCell(c, r)) + L" ";
      }
      const Integer Level = Grid.HasCellProperties(0, r) ? Grid.GetCellProperties(0, r)->NodeLevel() : 0;
      if (Level != 0) S += L"level " + IntToStr(Level);
    }
    return S;
  }
};

TGroupGrid SevenRows() {
  return TGroupGrid{{L"n1", L"a", L"s1", L"1"}, {L"n2", L"a", L"s1", L"2"}, {L"n3", L"a", L"s2", L"3"},
                    {L"n4", L"b", L"s1", L"4"}, {L"n5", L"b", L"s2", L"5"}, {L"n6", L"b", L"s2", L"6"},
                    {L"n7", L"c", L"s1", L"7"}};
}

TEST(GridGrouping, GroupSortsAndPutsAHeaderNodeBeforeEachRun) {
  TGroupGrid G{{L"x1", L"b", L"", L"1"}, {L"x2", L"a", L"", L"2"}, {L"x3", L"b", L"", L"3"}, {L"x4", L"a", L"", L"4"}};
  G.Grid.Group(2);
  EXPECT_EQ(G.Layout(), L"HDDHDD");
  EXPECT_EQ(G.Grid.GetCells(1, 1), L"a");
  EXPECT_EQ(G.Grid.GetCells(1, 4), L"b");
  EXPECT_EQ(G.Grid.ColCount(), 5);
  EXPECT_EQ(G.Grid.GetCells(2, 0), L"Sub");
  EXPECT_EQ(G.Grid.GroupColumn(), 2);
  EXPECT_EQ(G.Grid.GetNodeSpan(1), 3);
  EXPECT_EQ(G.Grid.GetNodeSpan(4), 3);
  // The data rows of a stay with their own numbers.
  const String Numbers = G.Column(3);
  EXPECT_TRUE(Numbers == L"|2|4||1|3" || Numbers == L"|4|2||1|3" || Numbers == L"|2|4||3|1" ||
              Numbers == L"|4|2||3|1")
      << Numbers;
  G.Grid.UnGroup();
  EXPECT_EQ(G.Layout(), L"DDDD");
  EXPECT_EQ(G.Grid.GetCells(2, 0), L"Kind");
  EXPECT_EQ(G.Column(2), L"a|a|b|b");
  EXPECT_EQ(G.Grid.GroupColumn(), -1);
}

TEST(GridGrouping, SummaryRowsFollowEachGroupAndTakeTheSums) {
  TGroupGrid G = SevenRows();
  G.Grid.SortSettings()->SetAutoSortForGrouping(false);
  G.Grid.Grouping()->SetSummary(true);
  G.Grid.Group(2);
  EXPECT_EQ(G.Layout(), L"HDDDSHDDDSHDS");
  G.Grid.SetFloatFormat(L"%.1f");
  G.Grid.GroupSum(3);
  EXPECT_EQ(G.Column(3), L"|1|2|3|6.0||4|5|6|15.0||7|7.0");
  G.Grid.GroupCount(3);
  EXPECT_EQ(G.Column(3), L"|1|2|3|3||4|5|6|3||7|1");
  G.Grid.UnGroup();
  G.Grid.Grouping()->SetSummary(false);
  G.Grid.Group(2);
  EXPECT_EQ(G.Layout(), L"HDDDHDDDHD");
  G.Grid.GroupSum(3);
  EXPECT_EQ(G.Column(3), L"6.0|1|2|3|15.0|4|5|6|7.0|7");
}

TEST(GridGrouping, SubGroupSplitsOnlyInsideGroupsAndWidensTheirSpans) {
  TGroupGrid G = SevenRows();
  G.Grid.SortSettings()->SetAutoSortForGrouping(false);
  G.Grid.Group(2);
  G.Grid.SubGroup(2);
  EXPECT_EQ(G.Layout(), L"HHDDHDHHDHDDHHD");
  EXPECT_EQ(G.Column(1), L"a||n1|n2||n3|b||n4||n5|n6|c||n7");
  EXPECT_EQ(G.Column(3), L"|s1|1|2|s2|3||s1|4|s2|5|6||s1|7");
  EXPECT_EQ(G.Column(2), String(L"||||||||||||||"));
  EXPECT_EQ(G.Grid.GetNodeSpan(1), 6);
  EXPECT_EQ(G.Grid.GetNodeSpan(7), 6);
  EXPECT_EQ(G.Grid.GetNodeSpan(13), 3);
  EXPECT_EQ(G.Grid.GetNodeSpan(2), 3);
  EXPECT_EQ(G.Grid.GetNodeLevel(2), 2);
  EXPECT_EQ(G.Grid.GetNodeLevel(1), 1);
  G.Grid.SubUnGroup(2);
  EXPECT_EQ(G.Layout(), L"HDDDHDDDHD");
  EXPECT_EQ(G.Column(2), L"|s1|s1|s2||s1|s2|s2||s1");
  EXPECT_EQ(G.Grid.GetNodeSpan(1), 4);
}

// Every way of undoing a grouping ends in the grid it started from: cells,
// colours, merges, graphics, levels, widths and heights.
TEST(GridGrouping, UnGroupRestoresTheGridExactly) {
  const struct {
    const char* Name;
    bool Summary, MergeHeader, MergeSummary, SubGroup, SummaryOffWhileGrouped, Filtered, Contracted;
  } Cases[] = {
      {"plain", false, false, false, false, false, false, false},
      {"summary", true, false, false, false, false, false, false},
      {"merged", true, true, true, false, false, false, false},
      {"sub-grouped", true, true, false, true, false, false, false},
      {"summary switched off while grouped", true, false, false, false, true, false, false},
      {"summary switched on while grouped", false, false, false, false, true, false, false},
      {"filtered before grouping", false, false, false, false, false, true, false},
      {"contracted nodes", true, false, false, false, false, false, true},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TGroupGrid G = SevenRows();
    G.Grid.SortSettings()->SetAutoSortForGrouping(false);
    G.Grid.SetColWidths(2, 77);
    G.Grid.SetRowHeights(3, 30);
    G.Grid.SetColors(4, 5, TColor(0x00C0FF));
    G.Grid.SetFontColors(1, 2, TColor(0x123456));
    const String Before = G.Snapshot();
    TGrouping* Look = G.Grid.Grouping();
    Look->SetSummary(Case.Summary);
    Look->SetMergeHeader(Case.MergeHeader);
    Look->SetMergeSummary(Case.MergeSummary);
    Look->SetHeaderColor(TColor(0xFFE0C0));
    Look->SetSummaryColor(TColor(0xC0FFC0));
    if (Case.Filtered) {
      TFilterData* F = G.Grid.Filter()->Add();
      F->SetColumn(3);
      F->SetCondition(L"s1");
      G.Grid.SetFilterActive(true);
      ASSERT_EQ(G.Grid.RowCount(), 5);
    }
    G.Grid.Group(2);
    ASSERT_EQ(G.Grid.ColCount(), 5);
    if (Case.Filtered) {
      EXPECT_EQ(G.Layout(), L"HDDDHDDDHD");
    }
    if (Case.SubGroup) G.Grid.SubGroup(2);
    if (Case.SummaryOffWhileGrouped) Look->SetSummary(!Case.Summary);
    if (Case.Contracted) G.Grid.ContractAll();
    G.Grid.UnGroup();
    EXPECT_EQ(G.Snapshot(), Before);
  }
}

TEST(GridGrouping, GroupColumnZeroAndFixedColumnsChangeNothing) {
  TGroupGrid G = SevenRows();
  const String Before = G.Snapshot();
  G.Grid.SetGroupColumn(0);
  G.Grid.Group(0);
  G.Grid.SetGroupColumn(-5);
  G.Grid.UnGroup();
  EXPECT_EQ(G.Snapshot(), Before);
  G.Grid.SetGroupColumn(2);
  EXPECT_EQ(G.Layout(), L"HDDDHDDDHD");
  G.Grid.SetGroupColumn(-1);
  EXPECT_EQ(G.Snapshot(), Before);
}

// A message waiting in the queue when the grouping starts is still there
// when it ends, and a grouping asked for from inside the rebuild is refused.
TEST(GridGrouping, GroupHandlesNoMessagesAndRefusesReentry) {
  TTestForm Form{400, 300};
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetColCount(3);
  Grid->SetRowCount(41);
  Grid->SetFixedRows(1);
  for (Integer r = 1; r <= 40; ++r) Grid->SetCells(2, r, L"k" + IntToStr(r % 4));
  constexpr UINT Probe = WM_APP + 77;
  PostMessageW(Grid->Handle(), Probe, 0, 0);
  Integer Refused = 0;
  Grid->OnCellsChanged = [&](TObject*, TRect) {
    if (!Grid->IsGrouping()) return;
    Grid->Group(2);
    Grid->UnGroup();
    ++Refused;
  };
  Grid->Group(2);
  Grid->OnCellsChanged = nullptr;
  MSG Msg{};
  EXPECT_TRUE(PeekMessageW(&Msg, Grid->Handle(), Probe, Probe, PM_REMOVE));
  EXPECT_GT(Refused, 0);
  EXPECT_EQ(Grid->RowCount(), 45);
  EXPECT_EQ(Grid->GroupColumn(), 2);
}

}  // namespace
