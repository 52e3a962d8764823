#include "grid/interaction/HiddenRowStore.h"
#include <algorithm>
#include <iterator>

namespace jorv::grid {

namespace {

bool ByIndex(const TGridItem& Item, Integer Value) { return Item.Idx() < Value; }

}  // namespace

Integer THiddenRowStore::CountBelow(Integer Real) const {
  return static_cast<Integer>(std::lower_bound(FItems.begin(), FItems.end(), Real, ByIndex) - FItems.begin());
}

Integer THiddenRowStore::CountIn(Integer From, Integer To) const {
  if (To < From) return 0;
  return CountBelow(To) - CountBelow(From) + (IsHidden(To) ? 1 : 0);
}

const TGridItem* THiddenRowStore::Find(Integer Real) const {
  auto It = std::lower_bound(FItems.begin(), FItems.end(), Real, ByIndex);
  return It != FItems.end() && It->Idx() == Real ? &*It : nullptr;
}

TGridItem* THiddenRowStore::Find(Integer Real) {
  return const_cast<TGridItem*>(static_cast<const THiddenRowStore*>(this)->Find(Real));
}

// The answer is Displ plus the hidden rows before it: the items with at
// most Displ shown rows before them.
Integer THiddenRowStore::DisplToReal(Integer Displ) const {
  if (FItems.empty()) return Displ;
  if (Displ < 0) return -1;
  Integer Low = 0, High = Count();
  while (Low < High) {
    const Integer Mid = Low + (High - Low) / 2;
    if (FItems[Mid].Idx() - Mid <= Displ)
      Low = Mid + 1;
    else
      High = Mid;
  }
  return Displ + Low;
}

std::vector<Integer> THiddenRowStore::Indexes() const {
  std::vector<Integer> Result;
  Result.reserve(FItems.size());
  for (const TGridItem& Item : FItems) Result.push_back(Item.Idx());
  return Result;
}

void THiddenRowStore::Add(std::vector<TGridItem>&& New) {
  if (New.empty()) return;
  const auto ByIdx = [](const TGridItem& A, const TGridItem& B) { return A.Idx() < B.Idx(); };
  // A filter hands its rows over in order already.
  if (!std::is_sorted(New.begin(), New.end(), ByIdx)) std::sort(New.begin(), New.end(), ByIdx);
  // One run past every item already held (a filter over a grid without
  // hidden rows, a range after the others) needs no merge.
  if (FItems.empty() || FItems.back().Idx() < New.front().Idx()) {
    FItems.reserve(FItems.size() + New.size());
    std::move(New.begin(), New.end(), std::back_inserter(FItems));
    return;
  }
  std::vector<TGridItem> Merged;
  Merged.reserve(FItems.size() + New.size());
  std::merge(std::make_move_iterator(FItems.begin()), std::make_move_iterator(FItems.end()),
             std::make_move_iterator(New.begin()), std::make_move_iterator(New.end()), std::back_inserter(Merged),
             ByIdx);
  FItems.swap(Merged);
}

// The items kept close up where they stand; the room for the taken ones
// is asked for once, and only what they fill of it is ever touched.
std::vector<TGridItem> THiddenRowStore::Take(const std::function<bool(const TGridItem&)>& Gone) {
  std::vector<TGridItem> Taken;
  Taken.reserve(FItems.size());
  size_t Kept = 0;
  for (TGridItem& Item : FItems) {
    if (Gone(Item))
      Taken.push_back(std::move(Item));
    else if (&FItems[Kept++] != &Item)
      FItems[Kept - 1] = std::move(Item);
  }
  FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(Kept), FItems.end());
  return Taken;
}

// An item stands before displayed row Displ when its shown rows before it
// number Displ or fewer; the others follow the opened rows.
void THiddenRowStore::RowsOpened(Integer Displ, Integer Count) {
  if (Count <= 0) return;
  for (Integer i = 0; i < this->Count(); ++i)
    if (FItems[i].FIdx - i > Displ) FItems[i].FIdx += Count;
}

// Each item moves up by the closed rows before it, which keeps the items
// distinct and in order.
void THiddenRowStore::RowsClosed(Integer Displ, Integer Count) {
  if (Count <= 0) return;
  for (Integer i = 0; i < this->Count(); ++i)
    FItems[i].FIdx -= std::clamp(FItems[i].FIdx - i - Displ, 0, Count);
}

void THiddenRowStore::ShiftFrom(Integer Real, Integer Delta) {
  for (TGridItem& Item : FItems)
    if (Item.FIdx >= Real) Item.FIdx += Delta;
}

}  // namespace jorv::grid
