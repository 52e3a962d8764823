#include "platform/rtl/Strings.h"
#include "platform/rtl/Filer.h"
#include <algorithm>
#include <cstring>
#include <memory>
#include <typeinfo>
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/List.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SortKeys.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

namespace {

bool IsBlank(Char c) { return c >= 1 && c <= L' '; }

String QuoteWith(const String& s, Char quote) {
  String r(1, quote);
  for (Char c : s) {
    r += c;
    if (c == quote) r += c;
  }
  r += quote;
  return r;
}

// Reads a quoted string starting at s[i] (the opening quote); doubled
// quotes stand for one, an unterminated string runs to the end. Leaves i
// after the closing quote.
String ExtractQuoted(const String& s, size_t& i, Char quote) {
  String r;
  ++i;
  while (i < s.size()) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        r += quote;
        i += 2;
        continue;
      }
      ++i;
      break;
    }
    r += s[i++];
  }
  return r;
}

}  // namespace

// ---------------------------------------------------------------- TStrings

void TStrings::Error(const wchar_t* Msg, Integer Data) const {
  String m = Msg;
  size_t p = m.find(L"%d");
  if (p != String::npos) m.replace(p, 2, std::to_wstring(Data));
  throw EStringListError(m);
}

void TStrings::DefineProperties(TFiler* Filer) {
  Filer->DefineProperty(
      L"Strings",
      [this](TReader* Reader) {
        Reader->ReadListBegin();
        {
          BeginUpdate();
          auto Finish = ScopeExit([this] { EndUpdate(); });
          Clear();
          while (!Reader->EndOfList()) Add(Reader->ReadString());
        }
        Reader->ReadListEnd();
      },
      [this](TWriter* Writer) {
        Writer->WriteListBegin();
        for (Integer i = 0; i < Count(); ++i) Writer->WriteString(Get(i));
        Writer->WriteListEnd();
      },
      Count() > 0);
}

void TStrings::Put(Integer Index, const String& S) {
  TObject* obj = GetObject(Index);
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  Delete(Index);
  InsertObject(Index, S, obj);
}

TObject* TStrings::GetObject(Integer) const { return nullptr; }
void TStrings::PutObject(Integer, TObject*) {}

Integer TStrings::Add(const String& S) {
  Integer i = GetCount();
  Insert(i, S);
  return i;
}

Integer TStrings::AddObject(const String& S, TObject* AObject) {
  Integer i = Add(S);
  PutObject(i, AObject);
  return i;
}

void TStrings::AddStrings(const TStrings* Strings) {
  if (!Strings) return;
  // Copied first: Strings may be this list.
  std::vector<std::pair<String, TObject*>> items;
  for (Integer i = 0; i < Strings->Count(); ++i)
    items.emplace_back(Strings->Get(i), Strings->GetObject(i));
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  for (auto& [s, o] : items) AddObject(s, o);
}

void TStrings::InsertObject(Integer Index, const String& S, TObject* AObject) {
  Insert(Index, S);
  PutObject(Index, AObject);
}

void TStrings::Exchange(Integer Index1, Integer Index2) {
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  String s = Get(Index1);
  TObject* o = GetObject(Index1);
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, s);
  PutObject(Index2, o);
}

void TStrings::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  String s = Get(CurIndex);
  TObject* o = GetObject(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, s, o);
}

Integer TStrings::CompareStrings(const String& S1, const String& S2) const {
  return AnsiCompareText(S1, S2);
}

Integer TStrings::IndexOf(const String& S) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (CompareStrings(Get(i), S) == 0) return i;
  return -1;
}

Integer TStrings::IndexOfName(const String& Name) const {
  for (Integer i = 0; i < GetCount(); ++i) {
    String s = Get(i);
    size_t p = s.find(FNameValueSeparator);
    if (p != String::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
  }
  return -1;
}

Integer TStrings::IndexOfObject(const TObject* AObject) const {
  for (Integer i = 0; i < GetCount(); ++i)
    if (GetObject(i) == AObject) return i;
  return -1;
}

String TStrings::Names(Integer Index) const {
  String s = Get(Index);
  size_t p = s.find(FNameValueSeparator);
  return p == String::npos ? String() : s.substr(0, p);
}

String TStrings::Values(const String& Name) const {
  Integer i = IndexOfName(Name);
  return i < 0 ? String() : ValueFromIndex(i);
}

void TStrings::SetValues(const String& Name, const String& Value) {
  Integer i = IndexOfName(Name);
  if (!Value.empty()) {
    String line = Name + FNameValueSeparator + Value;
    if (i < 0)
      Add(line);
    else
      Put(i, line);
  } else if (i >= 0) {
    Delete(i);
  }
}

String TStrings::ValueFromIndex(Integer Index) const {
  if (Index < 0) return String();
  String s = Get(Index);
  size_t p = s.find(FNameValueSeparator);
  return p == String::npos ? String() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(Integer Index, const String& Value) {
  if (!Value.empty()) {
    if (Index < 0) Index = Add(String());
    Put(Index, Names(Index) + FNameValueSeparator + Value);
  } else if (Index >= 0) {
    Delete(Index);
  }
}

String TStrings::DelimitedTextWith(Char Delimiter, Char Quote) const {
  Integer n = GetCount();
  if (n == 1 && Get(0).empty()) return String(2, Quote);
  String result;
  for (Integer i = 0; i < n; ++i) {
    String s = Get(i);
    bool quote = std::any_of(s.begin(), s.end(), [&](Char c) {
      return c == Quote || c == Delimiter || (!FStrictDelimiter && IsBlank(c));
    });
    if (i) result += Delimiter;
    result += quote ? QuoteWith(s, Quote) : s;
  }
  return result;
}

void TStrings::SetDelimitedTextWith(const String& Value, Char Delimiter, Char Quote) {
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  Clear();
  size_t i = 0, n = Value.size();
  auto skipBlanks = [&] {
    if (!FStrictDelimiter)
      while (i < n && IsBlank(Value[i])) ++i;
  };
  skipBlanks();
  while (i < n) {
    String s;
    if (Value[i] == Quote) {
      s = ExtractQuoted(Value, i, Quote);
    } else {
      size_t start = i;
      while (i < n && Value[i] != Delimiter && (FStrictDelimiter || Value[i] > L' ')) ++i;
      s = Value.substr(start, i - start);
    }
    Add(s);
    skipBlanks();
    if (i < n && Value[i] == Delimiter) {
      // A delimiter at the very end stands for a last, empty string.
      if (i + 1 == n) Add(String());
      ++i;
      skipBlanks();
    }
  }
}

String TStrings::CommaText() const { return DelimitedTextWith(L',', L'"'); }
void TStrings::SetCommaText(const String& Value) { SetDelimitedTextWith(Value, L',', L'"'); }
String TStrings::DelimitedText() const { return DelimitedTextWith(FDelimiter, FQuoteChar); }
void TStrings::SetDelimitedText(const String& Value) {
  SetDelimitedTextWith(Value, FDelimiter, FQuoteChar);
}

String TStrings::Text() const {
  String r;
  for (Integer i = 0; i < GetCount(); ++i) {
    r += Get(i);
    r += FLineBreak;
  }
  return r;
}

void TStrings::SetText(const String& Value) {
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  Clear();
  size_t i = 0, n = Value.size();
  if (FLineBreak == L"\r\n") {
    while (i < n) {
      size_t start = i;
      while (i < n && Value[i] != L'\r' && Value[i] != L'\n') ++i;
      Add(Value.substr(start, i - start));
      if (i < n && Value[i] == L'\r') {
        ++i;
        if (i < n && Value[i] == L'\n') ++i;
      } else if (i < n) {
        ++i;
      }
    }
  } else if (!FLineBreak.empty()) {
    while (i < n) {
      size_t p = Value.find(FLineBreak, i);
      if (p == String::npos) p = n;
      Add(Value.substr(i, p - i));
      i = p == n ? n : p + FLineBreak.size();
    }
  } else {
    Add(Value);
  }
}

void TStrings::SetDefaultEncoding(TEncoding* Value) { FDefaultEncoding = Value; }

void TStrings::LoadFromFile(const String& FileName, TEncoding* Encoding) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream, Encoding);
}

void TStrings::SaveToFile(const String& FileName, TEncoding* Encoding) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream, Encoding);
}

void TStrings::LoadFromStream(TStream* Stream, TEncoding* Encoding) {
  Int64 size = Stream->Size() - Stream->Position();
  TBytes buffer(size > 0 ? static_cast<size_t>(size) : 0, 0);
  if (!buffer.empty()) Stream->ReadBuffer(buffer.data(), static_cast<Integer>(buffer.size()));
  TEncoding* detected = Encoding;
  Integer skip = TEncoding::GetBufferEncoding(buffer.data(), buffer.size(), detected,
                                              FDefaultEncoding);
  FEncoding = detected;
  SetText(detected->GetString(buffer.data() + skip, buffer.size() - skip));
}

void TStrings::SaveToStream(TStream* Stream, TEncoding* Encoding) {
  if (!Encoding) Encoding = FEncoding;
  if (!Encoding) Encoding = FDefaultEncoding ? FDefaultEncoding : TEncoding::Default();
  if (FWriteBOM) {
    TBytes bom = Encoding->GetPreamble();
    if (!bom.empty()) Stream->WriteBuffer(bom.data(), static_cast<Integer>(bom.size()));
  }
  TBytes bytes = Encoding->GetBytes(Text());
  if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount <= 0) return;
  if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TStrings*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  Clear();
  FDelimiter = src->FDelimiter;
  FQuoteChar = src->FQuoteChar;
  FNameValueSeparator = src->FNameValueSeparator;
  FStrictDelimiter = src->FStrictDelimiter;
  FLineBreak = src->FLineBreak;
  FDefaultEncoding = src->FDefaultEncoding;
  FEncoding = src->FEncoding;
  FWriteBOM = src->FWriteBOM;
  AddStrings(src);
}

bool TStrings::Equals(const TStrings* Strings) const {
  if (!Strings || Strings->Count() != Count()) return false;
  for (Integer i = 0; i < Count(); ++i)
    if (Get(i) != Strings->Get(i)) return false;
  return true;
}

// ------------------------------------------------------------- TStringList

namespace {
const wchar_t* const SListIndexError = L"List index out of bounds (%d)";
const wchar_t* const SSortedListError = L"Operation not allowed on sorted list";
const wchar_t* const SDuplicateString = L"String list does not allow duplicates";
}  // namespace

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  if (FOwnsObjects)
    for (auto& item : FList) delete item.FObject;
}

void TStringList::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) Error(SListIndexError, Index);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

String TStringList::Get(Integer Index) const {
  CheckIndex(Index);
  return FList[Index].FString;
}

void TStringList::Put(Integer Index, const String& S) {
  if (FSorted) Error(SSortedListError, 0);
  CheckIndex(Index);
  Changing();
  FList[Index].FString = S;
  Changed();
}

TObject* TStringList::GetObject(Integer Index) const {
  CheckIndex(Index);
  return FList[Index].FObject;
}

void TStringList::PutObject(Integer Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  FList[Index].FObject = AObject;
  Changed();
}

Integer TStringList::Add(const String& S) { return AddObject(S, nullptr); }

Integer TStringList::AddObject(const String& S, TObject* AObject) {
  Integer index = GetCount();
  if (FSorted && Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) Error(SDuplicateString, 0);
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::Insert(Integer Index, const String& S) {
  if (FSorted) Error(SSortedListError, 0);
  if (Index < 0 || Index > GetCount()) Error(SListIndexError, Index);
  InsertItem(Index, S, nullptr);
}

void TStringList::InsertItem(Integer Index, const String& S, TObject* AObject) {
  Changing();
  FList.insert(FList.begin() + Index, TStringItem{S, AObject});
  Changed();
}

void TStringList::Delete(Integer Index) {
  CheckIndex(Index);
  Changing();
  TObject* obj = FList[Index].FObject;
  FList.erase(FList.begin() + Index);
  if (FOwnsObjects) delete obj;
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  std::vector<TStringItem> old;
  old.swap(FList);
  if (FOwnsObjects)
    for (auto& item : old) delete item.FObject;
  Changed();
}

void TStringList::Exchange(Integer Index1, Integer Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(FList[Index1], FList[Index2]);
  Changed();
}

void TStringList::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  if (FSorted) Error(SSortedListError, 0);
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  // Moved as a whole, so an owned object survives the move.
  Changing();
  TStringItem item = std::move(FList[CurIndex]);
  FList.erase(FList.begin() + CurIndex);
  FList.insert(FList.begin() + NewIndex, std::move(item));
  Changed();
}

Integer TStringList::IndexOf(const String& S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  Integer i;
  return Find(S, i) ? i : -1;
}

void TStringList::SetValues(const String& Name, const String& Value) {
  Integer i = IndexOfName(Name);
  if (!FSorted || i < 0 || Value.empty()) {
    TStrings::SetValues(Name, Value);
    return;
  }
  // A sorted list cannot change a line in place: it moves to its new spot.
  BeginUpdate();
  auto Restore = ScopeExit([&] { EndUpdate(); });
  TObject* obj = FList[i].FObject;
  FList.erase(FList.begin() + i);
  AddObject(Name + NameValueSeparator() + Value, obj);
}

bool TStringList::Find(const String& S, Integer& Index) const {
  bool result = false;
  Integer L = 0, H = GetCount() - 1;
  while (L <= H) {
    Integer I = (L + H) >> 1;
    Integer C = CompareStrings(FList[I].FString, S);
    if (C < 0) {
      L = I + 1;
    } else {
      H = I - 1;
      if (C == 0) {
        result = true;
        if (FDuplicates != dupAccept) L = I;
      }
    }
  }
  Index = L;
  return result;
}

Integer TStringList::CompareStrings(const String& S1, const String& S2) const {
  return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

void TStringList::Sort() {
  // A descendant may compare its own way; only the list's own locale
  // comparison is replaced by keys. The same quicksort runs either way, so
  // strings that compare equal end where they always did.
  if (!FSorted && GetCount() >= 2 && typeid(*this) == typeid(TStringList)) {
    TSortKeys keys(FCaseSensitive ? 0 : NORM_IGNORECASE);
    keys.Reserve(FList.size());
    bool made = true;
    for (const TStringItem& item : FList) made = made && keys.Add(item.FString);
    if (made) {
      Changing();
      QuickSortRange(
          0, GetCount() - 1, [&](Integer a, Integer b) { return keys.Compare(a, b); },
          [&](Integer a, Integer b) { keys.Exchange(a, b); });
      std::vector<TStringItem> sorted;
      sorted.reserve(FList.size());
      for (size_t i = 0; i < FList.size(); ++i) sorted.push_back(std::move(FList[keys.Source(i)]));
      FList.swap(sorted);
      Changed();
      return;
    }
  }
  CustomSort([](TStringList* list, Integer a, Integer b) {
    return list->CompareStrings(list->FList[a].FString, list->FList[b].FString);
  });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
  if (FSorted || GetCount() < 2 || !Compare) return;
  Changing();
  QuickSortRange(
      0, GetCount() - 1, [&](Integer a, Integer b) { return Compare(this, a, b); },
      [&](Integer a, Integer b) { std::swap(FList[a], FList[b]); });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  if (FSorted) {
    FSorted = false;
    Sort();
    FSorted = true;
  }
}

void TStringList::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TStringList*>(Source);
  if (src && src != this) {
    // Loaded unsorted in the source's order, which is already sorted by
    // the same rules once those are copied.
    BeginUpdate();
    FSorted = false;
    {
      auto Undo = ScopeExit([&] { EndUpdate(); });
      TStrings::Assign(Source);
      Undo.Dismiss();
    }
    FCaseSensitive = src->FCaseSensitive;
    FDuplicates = src->FDuplicates;
    FSorted = src->FSorted;
    EndUpdate();
    return;
  }
  TStrings::Assign(Source);
}

}  // namespace jorv
