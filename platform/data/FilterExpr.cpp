#include "platform/data/FilterExpr.h"
#include <cwctype>
#include <vector>
#include "platform/data/DataSet.h"
#include "platform/data/Field.h"

namespace jorv {

namespace {

class TFilterParser {
 public:
  TFilterParser(const String& Text, TDataSet* DataSet) : FText(Text), FDataSet(DataSet) {}

  std::unique_ptr<TFilterExpr> Parse() {
    auto e = ParseOr();
    SkipBlanks();
    if (FPos < FText.size()) Fail();
    return e;
  }

 private:
  [[noreturn]] void Fail() const {
    DatabaseError(L"Invalid filter expression: " + FText, FDataSet);
  }
  void SkipBlanks() {
    while (FPos < FText.size() && std::iswspace(FText[FPos])) ++FPos;
  }
  bool Keyword(const wchar_t* Word) {
    SkipBlanks();
    size_t n = wcslen(Word);
    if (FPos + n > FText.size()) return false;
    for (size_t i = 0; i < n; ++i)
      if (std::towupper(FText[FPos + i]) != static_cast<wint_t>(Word[i])) return false;
    if (FPos + n < FText.size() && (std::iswalnum(FText[FPos + n]) || FText[FPos + n] == L'_'))
      return false;
    FPos += n;
    return true;
  }
  std::unique_ptr<TFilterExpr> Logical(TFilterOp Op, std::unique_ptr<TFilterExpr> L,
                                       std::unique_ptr<TFilterExpr> R) {
    auto e = std::make_unique<TFilterExpr>();
    e->Op = Op;
    e->Left = std::move(L);
    e->Right = std::move(R);
    return e;
  }
  std::unique_ptr<TFilterExpr> ParseOr() {
    auto e = ParseAnd();
    while (Keyword(L"OR")) e = Logical(fopOr, std::move(e), ParseAnd());
    return e;
  }
  std::unique_ptr<TFilterExpr> ParseAnd() {
    auto e = ParseNot();
    while (Keyword(L"AND")) e = Logical(fopAnd, std::move(e), ParseNot());
    return e;
  }
  std::unique_ptr<TFilterExpr> ParseNot() {
    if (Keyword(L"NOT")) return Logical(fopNot, ParseNot(), nullptr);
    SkipBlanks();
    if (FPos < FText.size() && FText[FPos] == L'(') {
      ++FPos;
      auto e = ParseOr();
      SkipBlanks();
      if (FPos >= FText.size() || FText[FPos] != L')') Fail();
      ++FPos;
      return e;
    }
    return ParseComparison();
  }
  String ParseName() {
    SkipBlanks();
    String name;
    if (FPos < FText.size() && FText[FPos] == L'[') {
      size_t end = FText.find(L']', FPos);
      if (end == String::npos) Fail();
      name = FText.substr(FPos + 1, end - FPos - 1);
      FPos = end + 1;
    } else {
      while (FPos < FText.size() && (std::iswalnum(FText[FPos]) || FText[FPos] == L'_'))
        name += FText[FPos++];
    }
    if (name.empty()) Fail();
    return name;
  }
  std::unique_ptr<TFilterExpr> ParseComparison() {
    auto e = std::make_unique<TFilterExpr>();
    e->Field = FDataSet->FieldByName(ParseName());
    if (Keyword(L"IS")) {
      bool negate = Keyword(L"NOT");
      if (!Keyword(L"NULL")) Fail();
      e->IsNullTest = true;
      e->Op = negate ? fopNe : fopEq;
      return e;
    }
    SkipBlanks();
    static const struct { const wchar_t* Text; TFilterOp Op; } ops[] = {
        {L"<>", fopNe}, {L"<=", fopLe}, {L">=", fopGe}, {L"=", fopEq}, {L"<", fopLt}, {L">", fopGt}};
    bool found = false;
    for (auto& o : ops) {
      size_t n = wcslen(o.Text);
      if (FText.compare(FPos, n, o.Text) == 0) {
        e->Op = o.Op;
        FPos += n;
        found = true;
        break;
      }
    }
    if (!found) Fail();
    SkipBlanks();
    if (FPos < FText.size() && FText[FPos] == L'\'') {
      String s;
      ++FPos;
      for (;;) {
        if (FPos >= FText.size()) Fail();
        if (FText[FPos] == L'\'') {
          if (FPos + 1 < FText.size() && FText[FPos + 1] == L'\'') {
            s += L'\'';
            FPos += 2;
            continue;
          }
          ++FPos;
          break;
        }
        s += FText[FPos++];
      }
      e->Constant = s;
    } else if (Keyword(L"NULL")) {
      e->IsNullTest = true;
    } else {
      size_t start = FPos;
      while (FPos < FText.size() &&
             (std::iswdigit(FText[FPos]) || FText[FPos] == L'.' || FText[FPos] == L'-' || FText[FPos] == L'+'))
        ++FPos;
      if (start == FPos) Fail();
      try {
        e->Constant = std::stod(FText.substr(start, FPos - start));
      } catch (...) {
        Fail();
      }
    }
    if (!e->IsNullTest && !(std::holds_alternative<String>(e->Constant) &&
                            std::get<String>(e->Constant).find(L'*') != String::npos)) {
      // A constant the field cannot hold ("'31.02.x'" for a date) is a
      // fault of the filter text, reported as such.
      try {
        e->Constant = e->Field->Convert(e->Constant);
      } catch (const EConvertError&) {
        Fail();
      }
    }
    return e;
  }

  const String& FText;
  TDataSet* FDataSet;
  size_t FPos = 0;
};

double NumberOf(const TFieldValue& v) {
  if (auto* i = std::get_if<Int64>(&v)) return static_cast<double>(*i);
  if (auto* d = std::get_if<double>(&v)) return *d;
  if (auto* b = std::get_if<bool>(&v)) return *b ? 1 : 0;
  return 0;
}

bool IsNumber(const TFieldValue& v) {
  return std::holds_alternative<Int64>(v) || std::holds_alternative<double>(v) ||
         std::holds_alternative<bool>(v);
}

}  // namespace

Integer CompareFilterText(const String& A, const String& B, bool CaseInsensitive) {
  size_t n = std::min(A.size(), B.size());
  for (size_t i = 0; i < n; ++i) {
    wint_t a = A[i], b = B[i];
    if (CaseInsensitive) {
      a = std::towupper(a);
      b = std::towupper(b);
    }
    if (a != b) return a < b ? -1 : 1;
  }
  return A.size() < B.size() ? -1 : (A.size() > B.size() ? 1 : 0);
}

Integer CompareFilterValues(const TFieldValue& A, const TFieldValue& B, bool CaseInsensitive) {
  if (IsNullValue(A) || IsNullValue(B)) return IsNullValue(A) == IsNullValue(B) ? 0 : (IsNullValue(A) ? -1 : 1);
  if (IsNumber(A) && IsNumber(B)) {
    double a = NumberOf(A), b = NumberOf(B);
    return a < b ? -1 : (a > b ? 1 : 0);
  }
  if (std::holds_alternative<String>(A) && std::holds_alternative<String>(B))
    return CompareFilterText(std::get<String>(A), std::get<String>(B), CaseInsensitive);
  if (std::holds_alternative<TBytes>(A) && std::holds_alternative<TBytes>(B))
    return std::get<TBytes>(A).compare(std::get<TBytes>(B)) < 0 ? -1 : (A == B ? 0 : 1);
  return A.index() < B.index() ? -1 : 1;
}

std::unique_ptr<TFilterExpr> ParseFilter(const String& Text, TDataSet* DataSet) {
  return TFilterParser(Text, DataSet).Parse();
}

bool EvaluateFilter(const TFilterExpr& E, TFilterOptions Options) {
  switch (E.Op) {
    case fopAnd: return EvaluateFilter(*E.Left, Options) && EvaluateFilter(*E.Right, Options);
    case fopOr: return EvaluateFilter(*E.Left, Options) || EvaluateFilter(*E.Right, Options);
    case fopNot: return !EvaluateFilter(*E.Left, Options);
    default: break;
  }
  TFieldValue v = E.Field->GetFieldData();
  if (E.IsNullTest) return (E.Op == fopEq) == IsNullValue(v);
  if (IsNullValue(v)) return false;
  bool ci = Options.Contains(foCaseInsensitive);
  Integer c;
  const String* pattern = std::get_if<String>(&E.Constant);
  if (pattern && !pattern->empty() && pattern->back() == L'*' &&
      !Options.Contains(foNoPartialCompare) && (E.Op == fopEq || E.Op == fopNe)) {
    String prefix = pattern->substr(0, pattern->size() - 1);
    String text = E.Field->AsString().substr(0, prefix.size());
    c = CompareFilterText(text, prefix, ci);
  } else if (pattern && !std::holds_alternative<String>(v)) {
    c = CompareFilterText(E.Field->AsString(), *pattern, ci);
  } else {
    c = CompareFilterValues(v, E.Constant, ci);
  }
  switch (E.Op) {
    case fopEq: return c == 0;
    case fopNe: return c != 0;
    case fopLt: return c < 0;
    case fopLe: return c <= 0;
    case fopGt: return c > 0;
    case fopGe: return c >= 0;
    default: return false;
  }
}

}  // namespace jorv
