#include <gtest/gtest.h>
#include <vector>
#include "platform/rtl/rtl.h"

using namespace jorv;

namespace {
std::vector<intptr_t> Items(const TList& l) {
  std::vector<intptr_t> r;
  for (Integer i = 0; i < l.Count(); ++i) r.push_back(reinterpret_cast<intptr_t>(l.Items(i)));
  return r;
}
void* P(intptr_t v) { return reinterpret_cast<void*>(v); }
}  // namespace

TEST(List, EditingKeepsOrderAndIndexErrorsCarryTheIndex) {
  TList l;
  for (intptr_t v : {3, 1, 2}) l.Add(P(v));
  l.Insert(3, P(9));
  l.Move(0, 2);
  EXPECT_EQ(Items(l), (std::vector<intptr_t>{1, 2, 3, 9}));
  l.Exchange(0, 3);
  EXPECT_EQ(l.Remove(P(2)), 1);
  EXPECT_EQ(l.Remove(P(42)), -1);
  EXPECT_EQ(l.Extract(P(3)), P(3));
  EXPECT_EQ(l.Extract(P(3)), nullptr);
  EXPECT_EQ(Items(l), (std::vector<intptr_t>{9, 1}));
  l.SetCount(4);
  EXPECT_EQ(l.Last(), nullptr);
  l.Pack();
  EXPECT_EQ(l.Count(), 2);
  for (Integer bad : {-1, 2}) {
    try {
      l.Items(bad);
      FAIL();
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), L"List index out of bounds (" + std::to_wstring(bad) + L")");
    }
  }
  EXPECT_THROW(l.Insert(3, nullptr), EListError);
  l.Clear();
  EXPECT_THROW(l.First(), EListError);
}

TEST(List, SortOrdersByCompare) {
  TList l;
  std::vector<intptr_t> values{5, 3, 9, 1, 5, 7, 2, 8, 1, 0};
  for (auto v : values) l.Add(P(v));
  l.Sort([](void* a, void* b) {
    return Integer(reinterpret_cast<intptr_t>(a) - reinterpret_cast<intptr_t>(b));
  });
  std::sort(values.begin(), values.end());
  EXPECT_EQ(Items(l), values);
}
