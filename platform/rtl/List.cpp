#include "platform/rtl/List.h"
#include <algorithm>
#include "platform/rtl/Exceptions.h"

namespace jorv {

namespace {
[[noreturn]] void ListError(const wchar_t* text, Integer index) {
  throw EListError(String(text) + L" (" + std::to_wstring(index) + L")");
}
}  // namespace

TList::~TList() {
  // Descendants that own their items clear in their own destructor; the
  // base only drops the pointers.
  FList.clear();
}

void TList::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= Count()) ListError(L"List index out of bounds", Index);
}

Integer TList::Add(void* Item) {
  FList.push_back(Item);
  if (Item) Notify(Item, lnAdded);
  return Count() - 1;
}

void TList::Insert(Integer Index, void* Item) {
  if (Index < 0 || Index > Count()) ListError(L"List index out of bounds", Index);
  FList.insert(FList.begin() + Index, Item);
  if (Item) Notify(Item, lnAdded);
}

void TList::Delete(Integer Index) {
  CheckIndex(Index);
  void* item = FList[Index];
  FList.erase(FList.begin() + Index);
  if (item) Notify(item, lnDeleted);
}

Integer TList::Remove(void* Item) {
  Integer i = IndexOf(Item);
  if (i >= 0) Delete(i);
  return i;
}

void* TList::Extract(void* Item) {
  Integer i = IndexOf(Item);
  if (i < 0) return nullptr;
  FList.erase(FList.begin() + i);
  Notify(Item, lnExtracted);
  return Item;
}

Integer TList::IndexOf(void* Item) const {
  auto it = std::find(FList.begin(), FList.end(), Item);
  return it == FList.end() ? -1 : static_cast<Integer>(it - FList.begin());
}

void* TList::Get(Integer Index) const {
  CheckIndex(Index);
  return FList[Index];
}

void TList::Put(Integer Index, void* Item) {
  CheckIndex(Index);
  void* old = FList[Index];
  if (old == Item) return;
  FList[Index] = Item;
  if (old) Notify(old, lnDeleted);
  if (Item) Notify(Item, lnAdded);
}

void TList::SetCount(Integer NewCount) {
  if (NewCount < 0) ListError(L"List count out of bounds", NewCount);
  while (Count() > NewCount) Delete(Count() - 1);
  FList.resize(NewCount, nullptr);
}

void TList::SetCapacity(Integer NewCapacity) {
  if (NewCapacity < Count()) ListError(L"List capacity out of bounds", NewCapacity);
  if (NewCapacity > Capacity())
    FList.reserve(NewCapacity);
  else
    FList.shrink_to_fit();
}

void TList::Clear() {
  // Notified one by one from the end, so that an owning descendant frees
  // each item after it left the list.
  while (!FList.empty()) Delete(Count() - 1);
  FList.shrink_to_fit();
}

void TList::Exchange(Integer Index1, Integer Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(FList[Index1], FList[Index2]);
}

void TList::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  void* item = FList[CurIndex];
  FList.erase(FList.begin() + CurIndex);
  FList.insert(FList.begin() + NewIndex, item);
}

void TList::Sort(const TListSortCompare& Compare) {
  if (Count() < 2 || !Compare) return;
  // The platform compares against the pivot's value, taken once per round.
  std::vector<void*>& l = FList;
  Integer L = 0, R = Count() - 1;
  std::function<void(Integer, Integer)> sort = [&](Integer L, Integer R) {
    while (L < R) {
      Integer I = L, J = R;
      void* P = l[(L + R) >> 1];
      do {
        while (Compare(l[I], P) < 0) ++I;
        while (Compare(l[J], P) > 0) --J;
        if (I <= J) {
          if (I != J) std::swap(l[I], l[J]);
          ++I;
          --J;
        }
      } while (I <= J);
      if (L < J) sort(L, J);
      L = I;
    }
  };
  sort(L, R);
}

void TList::Pack() {
  FList.erase(std::remove(FList.begin(), FList.end(), nullptr), FList.end());
}

}  // namespace jorv
