#pragma once
// A set of integers behind a page-list text such as "1-3,5;7".
#include <cstdint>
#include <map>
#include "platform/rtl/List.h"
#include "platform/rtl/Types.h"

namespace jorv::edit {

class TRangeList : public TList {
 public:
  TRangeList() = default;

  Integer GetItems(Integer Index) const;
  void SetItems(Integer Index, Integer Value);

  // Appends Value unless the list holds it already.
  void Add(Integer Value);
  void AddMultiple(Integer Value, Integer Count);
  void Delete(Integer Index) { TList::Delete(Index); }
  bool InList(Integer Value) const;
  // Each item as decimal text to the debugger output.
  void Show() const;
  // Fills the list from the text; False when any item was not valid, the
  // valid ones are kept all the same.
  bool StrToList(String S);
  // Sorts the list and gives its compact text form ("1-3,5,7").
  String ToRangeStr();

  // A range spanning more values than this, or a text naming more values in
  // all, is refused as invalid rather than filling memory for minutes.
  static constexpr Integer MaxRangeSpan = 1 << 20;

 private:
  // The values a text has named so far, as disjoint runs (first -> last),
  // so that a range named again costs its runs, not its values.
  using TTaken = std::map<int64_t, int64_t>;
  bool AddRange(const String& R, TTaken& Taken);
  // Appends Lo..Hi less the values taken, in rising order; false when the
  // list is full.
  bool AddSpan(int64_t Lo, int64_t Hi, TTaken& Taken);
};

}  // namespace jorv::edit
