#pragma once
// A list of integers that may belong to a cell, and the multi-column sort
// index built on it.
#include <vector>
#include "grid/base/GridTypes.h"

namespace jorv::grid {

class TIntList : public TObject {
 public:
  TIntList(Integer Col = 0, Integer Row = 0) : FCol(Col), FRow(Row) {}

  Integer Count() const { return static_cast<Integer>(FList.size()); }
  // EListError for an index outside the list.
  Integer GetInteger(Integer Index) const;
  void SetInteger(Integer Index, Integer Value);
  Integer Items(Integer Index) const { return GetInteger(Index); }

  void Add(Integer Value);
  void Delete(Integer Index);
  // Places the value at Index without telling anyone.
  void Insert(Integer Index, Integer Value);
  // Sorted insertion into an ascending list; only the first entry of an
  // empty list is announced.
  void Insert(Integer Value);
  bool HasValue(Integer Value) const;
  void DeleteValue(Integer Value);
  // Binary search of an ascending list: the index or -1.
  Integer SortedIndexOf(Integer Value) const;
  // Where Value belongs in an ascending list.
  Integer SortedPosOf(Integer Value) const;
  void Clear() { FList.clear(); }

  // The whole list as "1,2,3". Writing raises EConvertError for a part that
  // is no integer; the parts before it stay added.
  String StrValue() const;
  void SetStrValue(const String& Value);

  Integer Col() const { return FCol; }
  Integer Row() const { return FRow; }

  TImageChangeEvent OnChange;

 protected:
  void Changed();

 private:
  void CheckIndex(Integer Index) const;
  std::vector<Integer> FList;
  Integer FCol = 0;
  Integer FRow = 0;
};

// One entry per sort column in priority order: the column in bits 0-30,
// bit 31 set for descending.
class TSortIndexList : public TIntList {
 public:
  using TIntList::TIntList;

  void AddIndex(Integer ColumnIndex, bool Ascending);
  Integer FindIndex(Integer ColumnIndex) const;
  void ToggleIndex(Integer ColumnIndex);
  Integer GetSortColumns(Integer i) const { return GetInteger(i) & 0x7FFFFFFF; }
  void SetSortColumns(Integer i, Integer Value);
  bool GetSortDirections(Integer i) const { return GetInteger(i) >= 0; }
  void SetSortDirections(Integer i, bool Value);
  // "d3;u1": direction letter and the low 16 bits of the column.
  String SaveToString() const;
  // Never raises: short pieces are skipped and bad digits read as far as
  // they go.
  void LoadFromString(const String& S);
};

}  // namespace jorv::grid
