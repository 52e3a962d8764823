#include "edit/RangeList.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
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

bool TRangeList::AddRange(const String& R, TTaken& Taken) {
  const Integer M = Pos(L"-", R);
  Integer Lo = 0;
  Integer Hi = 0;
  if (!ToInt(Copy(R, 1, M - 1), Lo) || !ToInt(Copy(R, M + 1, static_cast<Integer>(R.size())), Hi))
    return false;
  if (Hi < Lo) return true;
  if (static_cast<int64_t>(Hi) - Lo >= MaxRangeSpan) return false;
  return AddSpan(Lo, Hi, Taken);
}

bool TRangeList::AddSpan(int64_t Lo, int64_t Hi, TTaken& Taken) {
  // Start from the run that may hold Lo, then fill the gaps between runs.
  auto Run = Taken.upper_bound(Lo);
  if (Run != Taken.begin() && std::prev(Run)->second >= Lo - 1) --Run;
  int64_t Next = Lo;
  bool Full = false;
  while (Next <= Hi && !Full) {
    const int64_t GapEnd = Run == Taken.end() ? Hi : std::min(Hi, Run->first - 1);
    for (; Next <= GapEnd; ++Next) {
      // Many ranges together may not fill memory either.
      if (Count() >= MaxRangeSpan) {
        Full = true;
        break;
      }
      TList::Add(AsPtr(static_cast<Integer>(Next)));
    }
    if (Full || Run == Taken.end()) break;
    Next = std::max(Next, Run->second + 1);
    ++Run;
  }
  // Join what was added (Lo..Next-1) with the runs it touches.
  if (Next > Lo) {
    int64_t First = Lo, Last = Next - 1;
    auto From = Taken.upper_bound(First);
    if (From != Taken.begin() && std::prev(From)->second >= First - 1) --From;
    auto To = From;
    while (To != Taken.end() && To->first <= Last + 1) {
      First = std::min(First, To->first);
      Last = std::max(Last, To->second);
      ++To;
    }
    Taken.erase(From, To);
    Taken.emplace(First, Last);
  }
  return !Full;
}

bool TRangeList::StrToList(String S) {
  Clear();
  bool Result = true;
  // One pass over the text and the runs of values taken: a long list costs
  // its length, and a range named again costs nothing per value.
  TTaken Taken;
  size_t From = 0;
  while (From < S.size()) {
    size_t To = S.find_first_of(L",;", From);
    if (To == String::npos) To = S.size();
    const String Item = S.substr(From, To - From);
    if (Item.find(L'-') != String::npos) {
      if (!AddRange(Item, Taken)) Result = false;
    } else {
      Integer V = 0;
      if (!ToInt(Item, V) || !AddSpan(V, V, Taken)) Result = false;
    }
    From = To + 1;
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
