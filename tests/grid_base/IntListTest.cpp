#include <gtest/gtest.h>
#include "grid/base/IntList.h"

using namespace jorv::grid;

using namespace jorv;

namespace {

TEST(IntList, SortedSearchAndPosition) {
  TIntList L;
  for (Integer v : {1, 3, 5}) L.Insert(L.Count(), v);
  struct Case { Integer Value, Index, Pos; };
  for (Case c : {Case{5, 2, 2}, Case{4, -1, 2}, Case{6, -1, 3}, Case{0, -1, 0}, Case{1, 0, 0}}) {
    EXPECT_EQ(L.SortedIndexOf(c.Value), c.Index) << c.Value;
    EXPECT_EQ(L.SortedPosOf(c.Value), c.Pos) << c.Value;
  }
  TIntList Empty;
  EXPECT_EQ(Empty.SortedIndexOf(3), -1);
  EXPECT_EQ(Empty.SortedPosOf(3), 0);
}

TEST(IntList, ChangeEventsCarryTheCell) {
  TIntList L(4, 7);
  std::vector<std::pair<Integer, Integer>> Seen;
  L.OnChange = [&](TObject*, Integer c, Integer r) { Seen.push_back({c, r}); };
  L.Insert(5);  // into an empty list: announced
  L.Insert(2);  // sorted into a filled one: silent
  L.Insert(9);
  L.Insert(0, 1);  // by position: silent
  ASSERT_EQ(Seen.size(), 1u);
  EXPECT_EQ(Seen[0], std::make_pair(4, 7));
  EXPECT_EQ(L.StrValue(), L"1,2,5,9");
  L.Add(10);
  L.SetInteger(0, 3);
  L.Delete(1);
  L.DeleteValue(42);  // absent: nothing
  L.DeleteValue(9);
  EXPECT_EQ(Seen.size(), 5u);
  EXPECT_EQ(L.StrValue(), L"3,5,10");
}

TEST(IntList, StrValueRoundTripAndBadText) {
  TIntList L;
  L.SetStrValue(L"1,2,3");
  EXPECT_EQ(L.Count(), 3);
  EXPECT_EQ(L.StrValue(), L"1,2,3");
  L.SetStrValue(L"");
  EXPECT_EQ(L.Count(), 0);
  EXPECT_EQ(L.StrValue(), L"");
  EXPECT_THROW(L.SetStrValue(L"4,x"), EConvertError);
  EXPECT_THROW(L.GetInteger(5), EListError);
  EXPECT_THROW(L.SetInteger(-1, 0), EListError);
  L.SetStrValue(L"7,8");
  EXPECT_TRUE(L.HasValue(8));
  EXPECT_FALSE(L.HasValue(9));
}

TEST(SortIndexList, SavesAndLoads) {
  TSortIndexList L;
  L.AddIndex(3, false);
  L.AddIndex(1, true);
  EXPECT_EQ(L.SaveToString(), L"d3;u1");

  struct Case { const wchar_t* Text; const wchar_t* Saved; };
  for (Case c : {Case{L"u2;;d7;x", L"u2;d7"}, Case{L"z5", L"d5"}, Case{L"", L""}, Case{L"u12ab", L"u12"}}) {
    L.LoadFromString(c.Text);
    EXPECT_EQ(L.SaveToString(), c.Saved) << c.Text;
  }

  L.Clear();
  L.AddIndex(70000, true);
  EXPECT_EQ(L.SaveToString(), L"u4464");
}

TEST(SortIndexList, ColumnsAndDirections) {
  TSortIndexList L;
  L.AddIndex(2, true);
  L.AddIndex(5, false);
  EXPECT_EQ(L.FindIndex(5), 1);
  EXPECT_EQ(L.FindIndex(9), -1);
  EXPECT_EQ(L.GetSortColumns(1), 5);
  EXPECT_FALSE(L.GetSortDirections(1));
  L.ToggleIndex(5);
  EXPECT_TRUE(L.GetSortDirections(1));
  L.ToggleIndex(9);  // absent: nothing
  L.SetSortDirections(0, false);
  L.SetSortColumns(0, 8);
  EXPECT_EQ(L.GetSortColumns(0), 8);
  EXPECT_FALSE(L.GetSortDirections(0));
  EXPECT_EQ(L.SaveToString(), L"d8;u5");
}

}  // namespace
