#include <gtest/gtest.h>

#include <vector>
#include "edit/ExEdit.h"
#include "edit/RangeList.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::edit;
namespace {

std::vector<Integer> Items(const TRangeList& L) {
  std::vector<Integer> V;
  for (Integer I = 0; I < L.Count(); ++I) V.push_back(L.GetItems(I));
  return V;
}

TEST(RangeList, ParsesItemsRangesAndReportsBadOnes) {
  struct Case {
    const wchar_t* Text;
    std::vector<Integer> Want;
    bool Ok;
  } Cases[] = {
      {L"1-3,5;7", {1, 2, 3, 5, 7}, true},
      {L"5-3", {}, true},
      {L"a,2", {2}, false},
      {L"", {}, true},
      {L"1,1,2", {1, 2}, true},
      {L" 4", {4}, true},
      {L"4 ", {}, false},
      {L"2;1-3", {2, 1, 3}, true},
      {L"1-x,8", {8}, false},
      {L"0-2000000000", {}, false},
      // Values named again keep their first place; the rest follow in order.
      {L"5-7,1-9", {5, 6, 7, 1, 2, 3, 4, 8, 9}, true},
      {L"2-3,5-6,1-7", {2, 3, 5, 6, 1, 4, 7}, true},
      {L"1-2,3-4,2-5,4", {1, 2, 3, 4, 5}, true},
      {L"9,1-9,5-12", {9, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}, true},
  };
  for (const auto& C : Cases) {
    TRangeList L;
    EXPECT_EQ(L.StrToList(C.Text), C.Ok) << C.Text;
    EXPECT_EQ(Items(L), C.Want) << C.Text;
  }
}

TEST(RangeList, StrToListStartsAfresh) {
  TRangeList L;
  L.Add(99);
  L.StrToList(L"1");
  EXPECT_EQ(Items(L), std::vector<Integer>{1});
}

TEST(RangeList, AddSkipsDuplicates) {
  TRangeList L;
  L.AddMultiple(10, 3);
  L.AddMultiple(11, 3);
  L.AddMultiple(50, 0);
  EXPECT_EQ(Items(L), (std::vector<Integer>{10, 11, 12, 13}));
  EXPECT_TRUE(L.InList(11));
  EXPECT_FALSE(L.InList(14));
  L.Delete(0);
  EXPECT_FALSE(L.InList(10));
}

TEST(RangeList, WritesCompactSortedText) {
  struct Case {
    std::vector<Integer> Items;
    const wchar_t* Want;
  } Cases[] = {
      {{7, 1, 2, 3, 5}, L"1-3,5,7"},
      {{1, 2, 3, 4}, L"1-4"},
      {{9}, L"9"},
      {{}, L""},
      {{4, 2}, L"2,4"},
  };
  for (const auto& C : Cases) {
    TRangeList L;
    for (Integer V : C.Items) L.Add(V);
    EXPECT_EQ(L.ToRangeStr(), C.Want);
    if (L.Count() > 1) {
      EXPECT_LT(L.GetItems(0), L.GetItems(1));
    }
  }
}

TEST(RangeList, EditReadsItsValueAndWritesTheBareText) {
  test::TTestForm Form;
  auto* E = new TExEdit(Form.Get());
  E->SetParent(Form.Get());
  E->SetEditType(etRange);
  E->SetPrefix(L"p.");
  E->SetText(L"3,1-2");
  TRangeList L;
  EXPECT_TRUE(E->RangeStrToList(&L));
  EXPECT_EQ(Items(L), (std::vector<Integer>{3, 1, 2}));
  L.Add(7);
  E->ListToRangeStr(&L);
  // Written as it is, without the prefix.
  EXPECT_EQ(E->Caption(), L"1-3,7");
}

}  // namespace
}  // namespace jorv
