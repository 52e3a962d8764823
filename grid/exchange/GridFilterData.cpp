// Conditions of the filter items built from values: the condition text in
// the matcher's syntax, and the values themselves, which the row test
// compares as they are, so that a value holding "*", "?", "!", "<", ">",
// quotes or the join characters filters on exactly that value.
#include <algorithm>
#include "foundation/TextUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {
using namespace jorv::foundation;

namespace {

// A value with a blank must stay one operand: it goes in double quotes,
// with each double quote inside doubled, as the matcher reads it back.
String QuotedIfBlank(const String& Value) {
  if (Value.find(L' ') == String::npos) return Value;
  String Result = L"\"";
  for (Char C : Value) {
    Result += C;
    if (C == L'"') Result += L'"';
  }
  return Result + L"\"";
}

}  // namespace

void TFilterData::BuildCondition(const String& Value) {
  const String V = QuotedIfBlank(Value);
  String Condition;
  switch (FilterType) {
    case ftStartsWith: Condition = V + L"*"; break;
    case ftEndsWith: Condition = L"*" + V; break;
    case ftContains: Condition = L"*" + V + L"*"; break;
    case ftNotContains: Condition = L"!*" + V + L"*"; break;
    case ftEqual: Condition = V; break;
    case ftNotEqual: Condition = L"!" + V; break;
    default: return;
  }
  SetCondition(Condition);
  SetLiteral(FilterType, {Value});
}

void TFilterData::SetLiteral(TFilterType Kind, std::vector<String> Values) {
  FLiteralKind = Kind;
  FLiteralValues = std::move(Values);
  FLiteralKeys.clear();
}

bool TFilterData::MatchesLiteral(const String& Text) const {
  auto Key = [this](const String& S) {
    String K = FRemoveAccented ? FoldAccents(S) : S;
    return FCaseSensitive ? K : AnsiUpperCase(K);
  };
  if (FLiteralKeys.empty() || FKeysCaseSensitive != FCaseSensitive || FKeysRemoveAccented != FRemoveAccented) {
    FLiteralKeys.clear();
    for (const String& V : FLiteralValues) FLiteralKeys.push_back(Key(V));
    std::sort(FLiteralKeys.begin(), FLiteralKeys.end());
    FKeysCaseSensitive = FCaseSensitive;
    FKeysRemoveAccented = FRemoveAccented;
  }
  const String T = FCaseSensitive ? Text : AnsiUpperCase(Text);
  const String& First = FLiteralKeys.front();
  switch (FLiteralKind) {
    case ftStartsWith: return T.compare(0, First.size(), First) == 0;
    case ftEndsWith: return T.size() >= First.size() && T.compare(T.size() - First.size(), First.size(), First) == 0;
    case ftContains: return T.find(First) != String::npos;
    case ftNotContains: return T.find(First) == String::npos;
    case ftNotEqual: return T != First;
    default: return std::binary_search(FLiteralKeys.begin(), FLiteralKeys.end(), T);
  }
}

TFilterData* TFilter::Insert(Integer) { return static_cast<TFilterData*>(TCollection::Add()); }

}  // namespace jorv::grid
