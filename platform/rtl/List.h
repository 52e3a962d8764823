#pragma once
// A list of untyped pointers with the platform's index rules: every index
// outside 0..Count-1 raises EListError.
#include <functional>
#include <vector>
#include "platform/rtl/Types.h"

namespace jorv {

using TListSortCompare = std::function<Integer(void* Item1, void* Item2)>;

enum TListNotification : uint8_t { lnAdded, lnExtracted, lnDeleted };

// Sorts the index range L..R by the platform's quicksort, through a compare
// and an exchange of two indices, so that lists of any shape sort the same
// way (equal items end where the platform puts them).
template <class Compare, class Exchange>
void QuickSortRange(Integer L, Integer R, Compare compare, Exchange exchange) {
  while (L < R) {
    Integer I = L, J = R;
    Integer P = (L + R) >> 1;
    do {
      while (compare(I, P) < 0) ++I;
      while (compare(J, P) > 0) --J;
      if (I <= J) {
        if (I != J) {
          exchange(I, J);
          // The pivot travels with the exchange.
          if (P == I)
            P = J;
          else if (P == J)
            P = I;
        }
        ++I;
        --J;
      }
    } while (I <= J);
    if (L < J) QuickSortRange(L, J, compare, exchange);
    L = I;
  }
}

class TList {
 public:
  TList() = default;
  TList(const TList&) = delete;
  TList& operator=(const TList&) = delete;
  virtual ~TList();

  Integer Add(void* Item);
  void Insert(Integer Index, void* Item);
  void Delete(Integer Index);
  // Index the item had, or -1.
  Integer Remove(void* Item);
  // Takes the item out without the lnDeleted notification; nullptr when
  // it is not in the list.
  void* Extract(void* Item);
  Integer IndexOf(void* Item) const;
  void* Items(Integer Index) const { return Get(Index); }
  void SetItems(Integer Index, void* Item) { Put(Index, Item); }
  void* Get(Integer Index) const;
  void Put(Integer Index, void* Item);
  Integer Count() const { return static_cast<Integer>(FList.size()); }
  // Growing fills with nullptr.
  void SetCount(Integer NewCount);
  Integer Capacity() const { return static_cast<Integer>(FList.capacity()); }
  void SetCapacity(Integer NewCapacity);
  virtual void Clear();
  void Exchange(Integer Index1, Integer Index2);
  void Move(Integer CurIndex, Integer NewIndex);
  void Sort(const TListSortCompare& Compare);
  void* First() const { return Get(0); }
  void* Last() const { return Get(Count() - 1); }
  // Removes every nullptr.
  void Pack();
  void** List() { return FList.data(); }

 protected:
  virtual void Notify(void* /*Ptr*/, TListNotification /*Action*/) {}

 private:
  void CheckIndex(Integer Index) const;
  std::vector<void*> FList;
};

}  // namespace jorv
