#pragma once
// The grid's hidden rows: one item per row taken out of the display, with
// the row's stored index, height, cells and the level that hid it. Range
// hiding and contracted nodes hide at level 0; each list hiding (a filter)
// adds a level, and undoing it brings back the rows of the latest level.
//
// Every item's index is a stored index, whatever hid the row, so that one
// sorted lookup answers both directions of the row mapping by binary
// search. The lookup is made on first need after a change and dropped by
// every change of the items.
#include <memory>
#include <vector>
#include "grid/core/GridInteractionSettings.h"

namespace jorv::grid {

class THiddenRowStore {
 public:
  // Follows every change of the items.
  explicit THiddenRowStore(TGridItems* Items) : FItems(Items) { Items->OnChanged = [this] { Drop(); }; }

  TGridItems* Items() const { return FItems; }
  Integer Count() const { return FItems->Count(); }
  // List hidings not undone yet; the next one hides at this level.
  Integer FilterLevel() const { return FFilterLevel; }
  void SetFilterLevel(Integer Value) { FFilterLevel = Value; }

  void Drop() { FBuilt = false; }
  void Build() const;
  bool Built() const { return FBuilt; }

  // Items whose index lies below Real.
  Integer CountBelow(Integer Real) const;
  // Distinct hidden stored rows in From .. To.
  Integer CountIn(Integer From, Integer To) const;
  // The item of a hidden row (the last one made for it), nullptr when the
  // row is shown.
  TGridItem* Find(Integer Real) const;
  bool IsHidden(Integer Real) const { return Find(Real) != nullptr; }
  // Stored row of a displayed row, beyond the last row too; -1 for a
  // negative one.
  Integer DisplToReal(Integer Displ) const;
  // Displayed row of a stored row; for a hidden one where it would stand.
  Integer RealToDispl(Integer Real) const { return Real - CountBelow(Real); }
  // Items with an index in From .. To, by ascending index.
  std::vector<TGridItem*> InRange(Integer From, Integer To) const;
  // Items of one level, in the order they were made.
  std::vector<TGridItem*> OfLevel(Integer Level) const;

  // A new item, with no cells yet, at the end or at Place in the collection.
  TGridItem* Add(Integer Idx, Integer Height, Integer Level, Integer Place = -1);
  // Frees items whose cells went back to the grid.
  void Remove(const std::vector<TGridItem*>& Gone);

 private:
  struct TEntry {
    Integer Idx;
    TGridItem* Item;
  };
  TGridItems* FItems;
  Integer FFilterLevel = 0;
  mutable bool FBuilt = false;
  // Every item by ascending index (items of one index in collection order).
  mutable std::vector<TEntry> FLookup;
  // For the i-th distinct hidden index: the shown rows before it (index - i),
  // which never falls, so a displayed row is found by binary search.
  mutable std::vector<Integer> FShownBefore;
  mutable std::vector<Integer> FDistinct;
};

}  // namespace jorv::grid
