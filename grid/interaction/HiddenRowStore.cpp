#include "grid/interaction/HiddenRowStore.h"
#include <algorithm>

namespace jorv::grid {

void THiddenRowStore::Build() const {
  if (FBuilt) return;
  FLookup.clear();
  FLookup.reserve(FItems->Count());
  for (Integer i = 0; i < FItems->Count(); ++i) {
    TGridItem* Item = FItems->Items(i);
    FLookup.push_back({Item->Idx(), Item});
  }
  std::stable_sort(FLookup.begin(), FLookup.end(), [](const TEntry& A, const TEntry& B) { return A.Idx < B.Idx; });
  FDistinct.clear();
  FShownBefore.clear();
  for (const TEntry& E : FLookup) {
    if (!FDistinct.empty() && FDistinct.back() == E.Idx) continue;
    FShownBefore.push_back(E.Idx - static_cast<Integer>(FDistinct.size()));
    FDistinct.push_back(E.Idx);
  }
  FBuilt = true;
}

Integer THiddenRowStore::CountBelow(Integer Real) const {
  if (Count() == 0) return 0;
  Build();
  auto It = std::lower_bound(FLookup.begin(), FLookup.end(), Real,
                             [](const TEntry& E, Integer Value) { return E.Idx < Value; });
  return static_cast<Integer>(It - FLookup.begin());
}

Integer THiddenRowStore::CountIn(Integer From, Integer To) const {
  if (Count() == 0 || To < From) return 0;
  Build();
  auto First = std::lower_bound(FDistinct.begin(), FDistinct.end(), From);
  auto Last = std::upper_bound(FDistinct.begin(), FDistinct.end(), To);
  return static_cast<Integer>(Last - First);
}

TGridItem* THiddenRowStore::Find(Integer Real) const {
  if (Count() == 0) return nullptr;
  Build();
  auto It = std::upper_bound(FLookup.begin(), FLookup.end(), Real,
                             [](Integer Value, const TEntry& E) { return Value < E.Idx; });
  if (It == FLookup.begin() || std::prev(It)->Idx != Real) return nullptr;
  return std::prev(It)->Item;
}

// The answer is Displ plus the hidden rows before it: those whose shown
// rows before them number at most Displ.
Integer THiddenRowStore::DisplToReal(Integer Displ) const {
  if (Count() == 0) return Displ;
  if (Displ < 0) return -1;
  Build();
  auto It = std::upper_bound(FShownBefore.begin(), FShownBefore.end(), Displ);
  return Displ + static_cast<Integer>(It - FShownBefore.begin());
}

std::vector<TGridItem*> THiddenRowStore::InRange(Integer From, Integer To) const {
  std::vector<TGridItem*> Result;
  if (Count() == 0 || To < From) return Result;
  Build();
  auto It = std::lower_bound(FLookup.begin(), FLookup.end(), From,
                             [](const TEntry& E, Integer Value) { return E.Idx < Value; });
  for (; It != FLookup.end() && It->Idx <= To; ++It) Result.push_back(It->Item);
  return Result;
}

std::vector<TGridItem*> THiddenRowStore::OfLevel(Integer Level) const {
  std::vector<TGridItem*> Result;
  for (Integer i = 0; i < FItems->Count(); ++i)
    if (FItems->Items(i)->Level() == Level) Result.push_back(FItems->Items(i));
  return Result;
}

TGridItem* THiddenRowStore::Add(Integer Idx, Integer Height, Integer Level, Integer Place) {
  auto* Item = static_cast<TGridItem*>(FItems->Add());
  Item->SetHeight(Height);
  Item->SetLevel(Level);
  Item->SetIdx(Idx);
  if (Place >= 0 && Place < FItems->Count() - 1) Item->SetIndex(Place);
  Drop();
  return Item;
}

void THiddenRowStore::Remove(const std::vector<TGridItem*>& Gone) {
  if (static_cast<Integer>(Gone.size()) == Count()) {
    FItems->Clear();
  } else {
    // Latest items sit at the end of the collection: freeing from the
    // last made keeps each removal short.
    std::vector<TGridItem*> Order(Gone);
    std::sort(Order.begin(), Order.end(), [](TGridItem* A, TGridItem* B) { return A->ID() > B->ID(); });
    for (TGridItem* Item : Order) delete Item;
  }
  Drop();
}

}  // namespace jorv::grid
