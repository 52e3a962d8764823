// The header's filter lists on a shown grid, driven by real clicks and
// keys on the lists: the values of a column, a pick and ticks filtering at
// once on exactly the values chosen, and closing by Enter, click and a
// click elsewhere.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/FilterLists.h"
#include "platform/rtl/SysUtils.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Menus.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TListGrid {
  TTestForm Form{520, 360};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  std::vector<Integer> Closed;
  explicit TListGrid(std::initializer_list<const wchar_t*> Values) {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 500, 340);
    Grid->SetColCount(3);
    Grid->SetRowCount(static_cast<Integer>(Values.size()) + 1);
    Grid->SetFixedRows(1);
    Integer r = 1;
    for (const wchar_t* V : Values) {
      Grid->SetCells(0, r, IntToStr(r));
      Grid->SetCells(1, r++, V);
    }
    Grid->SetFilterDropDownAuto(true);
    Grid->OnFilterClose = [this](TObject*, Integer Col) { Closed.push_back(Col); };
    Pump();
  }
  String Shown() {
    String S;
    for (Integer r = 1; r < Grid->RowCount(); ++r) S += (S.empty() ? L"" : L" ") + Grid->GetCells(0, r);
    return S;
  }
  String Entries() {
    String S;
    for (Integer i = 0; i < Grid->FilterList()->Count(); ++i) S += L"[" + Grid->FilterList()->Strings(i) + L"]";
    return S;
  }
  // Clicks the item of the open list that shows Text.
  template <class TList>
  void ClickItem(TList* List, const String& Text, Integer X = 30) {
    const Integer Index = List->Items()->IndexOf(Text);
    ASSERT_GE(Index, 0) << Text;
    const TRect R = List->ItemRect(Index);
    Click(List, X, (R.Top + R.Bottom) / 2);
    Pump();
  }
};

TEST(GridFilterList, ValuesAreSortedDistinctAndQuotedWhereTheyHoldBlanks) {
  TListGrid G({L"apple", L"pear", L"apple", L"", L"  say \"hi\"  "});
  EXPECT_TRUE(G.Grid->FilterDropDownValues(1, false));
  EXPECT_EQ(G.Entries(), L"[(All)][=\"\"][apple][pear][say \"hi\"=\"say \"\"hi\"\"\"]");
  G.Grid->SetFilterDropDownCheck(true);
  G.Grid->SetFilterDropDownCheckUnCheckAll(L"(Every)");
  G.Grid->FilterDropDownValues(1, false);
  EXPECT_EQ(G.Entries(), L"[(Every)][=\"\"][apple][pear][say \"hi\"=\"say \"\"hi\"\"\"]");
}

// Values full of the matcher's syntax filter on exactly themselves.
TEST(GridFilterList, APickFiltersOnTheValueAsItIs) {
  TListGrid G({L"a*b", L"axb", L"x=y", L"x", L"<5", L"3", L"p|q", L"p", L"", L"a&b"});
  const struct {
    const wchar_t* Pick;
    const wchar_t* Shown;
  } Cases[] = {{L"a*b", L"1"}, {L"x=y", L"3"}, {L"<5", L"5"}, {L"p|q", L"7"}, {L"", L"9"}, {L"a&b", L"10"},
               {L"(All)", L"1 2 3 4 5 6 7 8 9 10"}};
  for (const auto& C : Cases) {
    ASSERT_TRUE(G.Grid->ShowFilterList(1));
    G.ClickItem(G.Grid->FilterDropList(), C.Pick);
    EXPECT_FALSE(G.Grid->FilterDropList()->Visible());
    EXPECT_EQ(G.Shown(), C.Shown) << C.Pick;
    EXPECT_EQ(G.Grid->FilterCol(), -1);
  }
  EXPECT_TRUE(G.Closed.empty());
}

TEST(GridFilterList, EnterPicksTheSelectedValueAndAClickElsewhereCloses) {
  TListGrid G({L"apple", L"pear", L"plum"});
  ASSERT_TRUE(G.Grid->ShowFilterList(1));
  TDropList* List = G.Grid->FilterDropList();
  EXPECT_TRUE(List->Visible());
  EXPECT_EQ(List->Parent(), G.Grid);
  List->SetItemIndex(2);
  KeyPress(List, VK_RETURN);
  Pump();
  EXPECT_FALSE(List->Visible());
  EXPECT_EQ(G.Shown(), L"2");
  ASSERT_TRUE(G.Grid->ShowFilterList(1));
  const TRect Far = G.Grid->CellRect(0, 1);
  Click(G.Grid, Far.Left + 5, Far.Top + 5);
  Pump();
  EXPECT_FALSE(List->Visible());
  EXPECT_EQ(G.Closed, std::vector<Integer>{1});
  EXPECT_EQ(G.Grid->FilterCol(), -1);
}

TEST(GridFilterList, TicksFilterAtOnceAndTheListStaysOpen) {
  TListGrid G({L"apple", L"<b>pear</b>", L"apple", L"<i>plum</i>", L"fig"});
  G.Grid->SetFilterDropDownCheck(true);
  ASSERT_TRUE(G.Grid->ShowFilterList(1));
  TDropCheckList* List = G.Grid->FilterDropCheckList();
  G.ClickItem(List, L"apple", 8);
  EXPECT_TRUE(List->Visible());
  EXPECT_EQ(G.Shown(), L"1 3");
  // Two HTML values are two values, not one text with a bar in it.
  G.ClickItem(List, L"<b>pear</b>", 8);
  G.ClickItem(List, L"<i>plum</i>", 8);
  EXPECT_EQ(G.Shown(), L"1 2 3 4");
  EXPECT_EQ(G.Grid->Filter()->Items(0)->FriendlyName, L"<b>pear</b>|<i>plum</i>|apple");
  G.ClickItem(List, L"fig", 8);
  EXPECT_EQ(G.Grid->Filter()->Count(), 0);
  EXPECT_EQ(G.Shown(), L"1 2 3 4 5");
}

TEST(GridFilterList, MultiColumnKeepsEachColumnsConditionOtherwiseTheLastOnly) {
  for (bool Multi : {true, false}) {
    TListGrid G({L"apple", L"pear", L"apple"});
    for (Integer r = 1; r <= 3; ++r) G.Grid->SetCells(2, r, r == 2 ? L"red" : L"green");
    G.Grid->SetFilterDropDownMultiCol(Multi);
    ASSERT_TRUE(G.Grid->ShowFilterList(1));
    G.ClickItem(G.Grid->FilterDropList(), L"apple");
    ASSERT_TRUE(G.Grid->ShowFilterList(2));
    G.ClickItem(G.Grid->FilterDropList(), L"green");
    EXPECT_EQ(G.Grid->Filter()->Count(), Multi ? 2 : 1);
  }
}

TEST(GridFilterEdit, TypedValuesAndTheTypeMenuBuildTheColumnsCondition) {
  TListGrid G({L"apple", L"pineapple", L"pear"});
  G.Grid->FilterEdit()->SetEnabled(true);
  G.Grid->SetCells(1, 0, L"apple");
  G.Grid->SetFilterEditCondition(1, ftEndsWith);
  EXPECT_EQ(G.Shown(), L"1 2");
  TPopupMenu* Menu = G.Grid->FilterTypeMenu();
  Menu->SetTag(1);
  Menu->Items()->Items(0)->Click();
  EXPECT_EQ(G.Shown(), L"1");
  Menu->Items()->Items(ftClear)->Click();
  EXPECT_EQ(G.Grid->GetCells(1, 0), L"");
  EXPECT_FALSE(G.Grid->Filter()->GetColFilter(1)->Enabled());
  EXPECT_EQ(G.Shown(), L"1 2 3");
}

TEST(GridFilterEdit, TheTypeMenuCarriesCaptionsTagsAndIcons) {
  TListGrid G({L"a"});
  TPopupMenu* Menu = G.Grid->FilterTypeMenu();
  if (Menu->OnPopup) Menu->OnPopup(Menu);
  const wchar_t* Captions[] = {L"Starts with", L"Ends with", L"Contains", L"Not contains",
                               L"Equal",       L"Not equal", L"Clear"};
  ASSERT_EQ(Menu->Items()->Count(), 7);
  for (Integer i = 0; i < 7; ++i) {
    EXPECT_EQ(Menu->Items()->Items(i)->Caption(), Captions[i]);
    EXPECT_EQ(Menu->Items()->Items(i)->Tag(), i);
    EXPECT_EQ(Menu->Items()->Items(i)->ImageIndex(), i);
  }
  ASSERT_NE(Menu->Images(), nullptr);
  EXPECT_EQ(Menu->Images()->Count(), 7);
}

}  // namespace
