#pragma once
// The grid's hidden rows: one item per row taken out of the display, with
// the row's stored index, height, the level that hid it and the row's
// cells themselves, moved out of the grid's storage whole. Range hiding
// and contracted nodes hide at level 0; each list hiding (a filter) adds a
// level, and undoing it brings back the rows of the latest level.
//
// The items are kept by ascending stored index, one per row, in one
// array: no item is a heap object of its own. For the i-th item, its index
// less i (the shown rows before it) never falls, so both directions of the
// row mapping are binary searches and need no lookup made beforehand.
#include <functional>
#include <vector>
#include "platform/rtl/Types.h"
#include "platform/ui/StringGrid.h"

namespace jorv::grid {

class TGridItem {
 public:
  TGridItem() = default;
  TGridItem(Integer AIdx, Integer AHeight, Integer ALevel) : FIdx(AIdx), FHeight(AHeight), FLevel(ALevel) {}
  // The row's stored index.
  Integer Idx() const { return FIdx; }
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value) { FHeight = Value; }
  // The list hiding that hid it; 0 for ranges and nodes.
  Integer Level() const { return FLevel; }
  // The row's cells, every stored column with its object.
  TStringGridRow& Items() { return FItems; }
  const TStringGridRow& Items() const { return FItems; }

 private:
  friend class THiddenRowStore;
  Integer FIdx = 0;
  Integer FHeight = 0;
  Integer FLevel = 0;
  TStringGridRow FItems;
};

class THiddenRowStore {
 public:
  Integer Count() const { return static_cast<Integer>(FItems.size()); }
  // The i-th item by ascending stored index.
  TGridItem& Items(Integer Index) { return FItems[Index]; }
  const TGridItem& Items(Integer Index) const { return FItems[Index]; }
  // List hidings not undone yet; the next one hides at this level.
  Integer FilterLevel() const { return FFilterLevel; }
  void SetFilterLevel(Integer Value) { FFilterLevel = Value; }

  // Items whose index lies below Real.
  Integer CountBelow(Integer Real) const;
  // Hidden stored rows in From .. To.
  Integer CountIn(Integer From, Integer To) const;
  // The item of a hidden row, nullptr when the row is shown. Valid until
  // the next change of the items.
  TGridItem* Find(Integer Real);
  const TGridItem* Find(Integer Real) const;
  bool IsHidden(Integer Real) const { return Find(Real) != nullptr; }
  // Stored row of a displayed row, beyond the last row too; -1 for a
  // negative one.
  Integer DisplToReal(Integer Displ) const;
  // Displayed row of a stored row; for a hidden one where it would stand.
  Integer RealToDispl(Integer Real) const { return Real - CountBelow(Real); }
  // Every item's stored index, ascending.
  std::vector<Integer> Indexes() const;

  // Takes items of rows not hidden yet, in any order (their indexes are
  // distinct), into their sorted places.
  void Add(std::vector<TGridItem>&& New);
  // Takes the items out that Gone answers true for, by ascending index.
  std::vector<TGridItem> Take(const std::function<bool(const TGridItem&)>& Gone);
  // Displayed rows Displ .. Displ + Count - 1 opened (Count > 0) or closed
  // (Count < 0): the items after them follow, and the items between closed
  // rows come to stand where they began.
  void RowsOpened(Integer Displ, Integer Count);
  void RowsClosed(Integer Displ, Integer Count);
  // Stored rows at Real and after move by Delta (the caller keeps them
  // distinct and in order).
  void ShiftFrom(Integer Real, Integer Delta);
  void Clear() { FItems.clear(); }

 private:
  std::vector<TGridItem> FItems;
  Integer FFilterLevel = 0;
};

}  // namespace jorv::grid
