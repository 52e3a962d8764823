#include "grid/base/IntList.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {
constexpr uint32_t kDescending = 0x80000000u;
}

void TIntList::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
}

void TIntList::Changed() {
  if (OnChange) OnChange(this, FCol, FRow);
}

Integer TIntList::GetInteger(Integer Index) const {
  CheckIndex(Index);
  return FList[Index];
}

void TIntList::SetInteger(Integer Index, Integer Value) {
  CheckIndex(Index);
  FList[Index] = Value;
  Changed();
}

void TIntList::Add(Integer Value) {
  FList.push_back(Value);
  Changed();
}

void TIntList::Delete(Integer Index) {
  CheckIndex(Index);
  FList.erase(FList.begin() + Index);
  Changed();
}

void TIntList::Insert(Integer Index, Integer Value) {
  if (Index < 0 || Index > Count())
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  FList.insert(FList.begin() + Index, Value);
}

void TIntList::Insert(Integer Value) {
  if (FList.empty()) {
    Add(Value);
    return;
  }
  Insert(SortedPosOf(Value), Value);
}

bool TIntList::HasValue(Integer Value) const {
  for (Integer v : FList)
    if (v == Value) return true;
  return false;
}

void TIntList::DeleteValue(Integer Value) {
  for (Integer i = 0; i < Count(); ++i)
    if (FList[i] == Value) {
      Delete(i);
      return;
    }
}

Integer TIntList::SortedIndexOf(Integer Value) const {
  Integer lo = 0, hi = Count() - 1;
  while (lo <= hi) {
    Integer mid = lo + (hi - lo) / 2;
    if (Value < FList[mid])
      hi = mid - 1;
    else if (Value > FList[mid])
      lo = mid + 1;
    else
      return mid;
  }
  return -1;
}

Integer TIntList::SortedPosOf(Integer Value) const {
  if (FList.empty()) return 0;
  Integer lo = 0, hi = Count() - 1, mid = 0;
  while (lo <= hi) {
    mid = lo + (hi - lo) / 2;
    if (Value < FList[mid])
      hi = mid - 1;
    else if (Value > FList[mid])
      lo = mid + 1;
    else
      break;
  }
  return FList[mid] < Value ? mid + 1 : mid;
}

String TIntList::StrValue() const {
  String s;
  for (size_t i = 0; i < FList.size(); ++i) {
    if (i) s += L',';
    s += IntToStr(FList[i]);
  }
  return s;
}

void TIntList::SetStrValue(const String& Value) {
  FList.clear();
  if (Value.empty()) return;
  size_t start = 0;
  for (;;) {
    size_t comma = Value.find(L',', start);
    String part = Value.substr(start, comma == String::npos ? String::npos : comma - start);
    Add(StrToInt(Trim(part)));
    if (comma == String::npos) break;
    start = comma + 1;
  }
}

void TSortIndexList::AddIndex(Integer ColumnIndex, bool Ascending) {
  uint32_t v = static_cast<uint32_t>(ColumnIndex);
  if (!Ascending) v |= kDescending;
  Add(static_cast<Integer>(v));
}

Integer TSortIndexList::FindIndex(Integer ColumnIndex) const {
  for (Integer i = 0; i < Count(); ++i)
    if (GetSortColumns(i) == ColumnIndex) return i;
  return -1;
}

void TSortIndexList::ToggleIndex(Integer ColumnIndex) {
  Integer i = FindIndex(ColumnIndex);
  if (i >= 0) SetInteger(i, static_cast<Integer>(static_cast<uint32_t>(GetInteger(i)) ^ kDescending));
}

void TSortIndexList::SetSortColumns(Integer i, Integer Value) {
  uint32_t v = (static_cast<uint32_t>(GetInteger(i)) & kDescending) | (static_cast<uint32_t>(Value) & 0x7FFFFFFFu);
  SetInteger(i, static_cast<Integer>(v));
}

void TSortIndexList::SetSortDirections(Integer i, bool Value) {
  uint32_t v = static_cast<uint32_t>(GetInteger(i));
  v = Value ? (v & ~kDescending) : (v | kDescending);
  SetInteger(i, static_cast<Integer>(v));
}

String TSortIndexList::SaveToString() const {
  String s;
  for (Integer i = 0; i < Count(); ++i) {
    if (i) s += L';';
    uint32_t v = static_cast<uint32_t>(GetInteger(i));
    s += (v & kDescending) ? L'd' : L'u';
    s += IntToStr(v & 0xFFFFu);
  }
  return s;
}

void TSortIndexList::LoadFromString(const String& S) {
  Clear();
  size_t start = 0;
  for (;;) {
    size_t semi = S.find(L';', start);
    String piece = S.substr(start, semi == String::npos ? String::npos : semi - start);
    if (piece.size() >= 2) {
      // Digits are read as far as they go; anything else ends the number.
      uint32_t n = 0;
      for (size_t k = 1; k < piece.size() && piece[k] >= L'0' && piece[k] <= L'9'; ++k)
        n = n * 10 + static_cast<uint32_t>(piece[k] - L'0');
      AddIndex(static_cast<Integer>(n & 0x7FFFFFFFu), piece[0] == L'u');
    }
    if (semi == String::npos) break;
    start = semi + 1;
  }
}

}  // namespace jorv::grid
