#include "edit/RangeList.h"

#include <algorithm>
#include <cstdint>
#include <vector>
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"

namespace jorv::edit {

namespace {

void* AsPtr(Integer V) { return reinterpret_cast<void*>(static_cast<intptr_t>(V)); }
Integer AsInt(void* P) { return static_cast<Integer>(reinterpret_cast<intptr_t>(P)); }

bool ToInt(const String& S, Integer& Value) {
  Integer Code = 0;
  Val(S, Value, Code);
  return Code == 0;
}

}  // namespace

Integer TRangeList::GetItems(Integer Index) const { return AsInt(Get(Index)); }

void TRangeList::SetItems(Integer Index, Integer Value) { Put(Index, AsPtr(Value)); }

void TRangeList::Add(Integer Value) {
  if (!InList(Value)) TList::Add(AsPtr(Value));
}

void TRangeList::AddMultiple(Integer Value, Integer Count) {
  for (Integer I = 0; I < Count; ++I) Add(Value + I);
}

bool TRangeList::InList(Integer Value) const { return IndexOf(AsPtr(Value)) >= 0; }

void TRangeList::Show() const {
  for (Integer I = 0; I < Count(); ++I) OutputDebugStringW(IntToStr(GetItems(I)).c_str());
}

bool TRangeList::AddRange(const String& R) {
  const Integer M = Pos(L"-", R);
  Integer Lo = 0;
  Integer Hi = 0;
  if (!ToInt(Copy(R, 1, M - 1), Lo) || !ToInt(Copy(R, M + 1, static_cast<Integer>(R.size())), Hi))
    return false;
  if (Hi < Lo) return true;
  if (static_cast<int64_t>(Hi) - Lo >= MaxRangeSpan) return false;
  // Values already present are skipped through a sorted copy, so a wide
  // range does not cost a linear search per value.
  std::vector<Integer> Have;
  Have.reserve(Count());
  for (Integer I = 0; I < Count(); ++I) Have.push_back(GetItems(I));
  std::sort(Have.begin(), Have.end());
  for (int64_t V = Lo; V <= Hi; ++V)
    if (!std::binary_search(Have.begin(), Have.end(), static_cast<Integer>(V)))
      TList::Add(AsPtr(static_cast<Integer>(V)));
  return true;
}

bool TRangeList::StrToList(String S) {
  Clear();
  bool Result = true;
  while (!S.empty()) {
    const Integer C = Pos(L",", S);
    const Integer SC = Pos(L";", S);
    Integer P = (C > 0 && SC > 0) ? std::min(C, SC) : std::max(C, SC);
    const String Item = P > 0 ? Copy(S, 1, P - 1) : S;
    if (Pos(L"-", Item) > 0) {
      if (!AddRange(Item)) Result = false;
    } else {
      Integer V = 0;
      if (ToInt(Item, V))
        Add(V);
      else
        Result = false;
    }
    if (P > 0)
      jorv::Delete(S, 1, P);
    else
      S.clear();
  }
  return Result;
}

String TRangeList::ToRangeStr() {
  // Signed order; an empty list gives an empty text.
  Sort([](void* A, void* B) {
    const Integer X = AsInt(A), Y = AsInt(B);
    return X < Y ? -1 : (X > Y ? 1 : 0);
  });
  String Text;
  if (Count() == 0) return Text;
  Integer Start = GetItems(0);
  Integer A = Start;
  auto Flush = [&] {
    if (!Text.empty()) Text += L",";
    Text += Start == A ? IntToStr(A) : IntToStr(Start) + L"-" + IntToStr(A);
  };
  for (Integer I = 1; I < Count(); ++I) {
    const Integer X = GetItems(I);
    if (static_cast<int64_t>(X) != static_cast<int64_t>(A) + 1) {
      Flush();
      Start = X;
    }
    A = X;
  }
  Flush();
  return Text;
}

}  // namespace jorv::edit
