#include "foundation/FilterMatch.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <memory>
#include <vector>
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/DateUtils.h"

namespace jorv::foundation {

namespace {

// Reads the operand that follows a comparison operator from index i on.
// Quotes keep "&" and "|" (and, for ">", spaces) inside the operand; the
// opening quote and a quote closing the operand are not part of it.
String ReadOperand(const String& P, size_t i, bool SpaceEndsInQuotes) {
  while (i < P.size() && P[i] == L' ') ++i;
  String op;
  bool quoted = false;
  if (i < P.size() && P[i] == L'"') {
    quoted = true;
    ++i;
  }
  for (; i < P.size(); ++i) {
    Char c = P[i];
    if (c == L'"') {
      quoted = !quoted;
    } else if (c == L' ') {
      if (!quoted || SpaceEndsInQuotes) break;
    } else if ((c == L'&' || c == L'|') && !quoted) {
      break;
    }
    op += c;
  }
  if (!op.empty() && op.back() == L'"') op.pop_back();
  return op;
}

// A number text with "." as its decimal point, converted only when the
// whole text (blanks around it aside) is the number.
bool TextToNumber(const String& S, double& V) {
  size_t i = 0, n = S.size();
  while (i < n && S[i] == L' ') ++i;
  while (n > i && S[n - 1] == L' ') --n;
  size_t start = i;
  if (i < n && (S[i] == L'+' || S[i] == L'-')) ++i;
  size_t digits = 0;
  while (i < n && S[i] >= L'0' && S[i] <= L'9') ++i, ++digits;
  if (i < n && S[i] == L'.') {
    ++i;
    while (i < n && S[i] >= L'0' && S[i] <= L'9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (S[i] == L'e' || S[i] == L'E')) {
    ++i;
    if (i < n && (S[i] == L'+' || S[i] == L'-')) ++i;
    size_t exp = 0;
    while (i < n && S[i] >= L'0' && S[i] <= L'9') ++i, ++exp;
    if (exp == 0) return false;
  }
  if (i != n) return false;
  String num = S.substr(start, n - start);
  V = std::wcstod(num.c_str(), nullptr);
  return true;
}

bool ReadInt(const String& S, Integer& V) { return TryStrToInt(Trim(S), V); }

String PlainNumberTextWith(const String& Text, const TFormatSettings& fs) {
  String r;
  r.reserve(Text.size());
  for (Char c : Text) {
    if (c == fs.DecimalSeparator) r += L'.';
    else if (c != fs.ThousandSeparator) r += c;
  }
  return r;
}

bool ParseFilterValueWith(const String& Text, TDateTime& Date,
                          const TFormatSettings& fs) {
  // Order of day, month and year as the short date format lists them.
  String fmt = AnsiUpperCase(fs.ShortDateFormat);
  struct TPart { size_t At; int Kind; } order[3] = {
      {fmt.find(L'D'), 0}, {fmt.find(L'M'), 1}, {fmt.find(L'Y'), 2}};
  for (int a = 0; a < 3; ++a)
    for (int b = a + 1; b < 3; ++b)
      if (order[b].At < order[a].At) std::swap(order[a], order[b]);

  Char ds = fs.DateSeparator;
  size_t s1 = Text.find(ds);
  if (s1 == String::npos) return false;
  size_t s2 = Text.find(ds, s1 + 1);
  if (s2 == String::npos) return false;
  String parts[3] = {Text.substr(0, s1), Text.substr(s1 + 1, s2 - s1 - 1),
                     Trim(Text.substr(s2 + 1))};
  String timePart;
  size_t sp = parts[2].find(L' ');
  if (sp != String::npos) {
    timePart = Trim(parts[2].substr(sp));
    parts[2].erase(sp);
  }
  Integer dmy[3] = {0, 0, 0};
  for (int k = 0; k < 3; ++k)
    if (!ReadInt(parts[k], dmy[order[k].Kind])) return false;
  // The year stands as written: no century is added here.
  if (dmy[0] >= 32 || dmy[1] > 12) return false;

  Integer hour = 0, min = 0, sec = 0;
  if (!timePart.empty()) {
    Char ts = fs.TimeSeparator;
    size_t t1 = timePart.find(ts);
    if (t1 == String::npos) return false;
    if (!ReadInt(timePart.substr(0, t1), hour) || hour > 23) return false;
    size_t t2 = timePart.find(ts, t1 + 1);
    if (t2 != String::npos) {
      if (!ReadInt(timePart.substr(t1 + 1, t2 - t1 - 1), min)) return false;
      if (!ReadInt(timePart.substr(t2 + 1), sec) || sec > 60) return false;
    } else if (!ReadInt(timePart.substr(t1 + 1), min)) {
      return false;
    }
    if (min >= 60) return false;
  }
  TDateTime d, t = 0;
  if (dmy[0] < 1 || dmy[1] < 1 || dmy[2] < 1 || dmy[2] > 9999) return false;
  if (!TryEncodeDate(Word(dmy[2]), Word(dmy[1]), Word(dmy[0]), d)) return false;
  if (hour < 0 || min < 0 || sec < 0) return false;
  if (!TryEncodeTime(Word(hour), Word(min), Word(sec), 0, t)) return false;
  Date = ComposeDateTime(d, t);
  return true;
}

// Compares Value with a comparison operand: as numbers when both are, else
// as dates when both are, else as texts by code unit.
int CompareWithOperand(const String& Value, const String& Operand,
                       const TFormatSettings& fs) {
  TDateTime vd = 0, od = 0;
  bool vDate = ParseFilterValueWith(Value, vd, fs);
  bool oDate = ParseFilterValueWith(Operand, od, fs);
  double vn = 0, on = 0;
  bool vNum = !vDate && TextToNumber(PlainNumberTextWith(Value, fs), vn);
  bool oNum = !oDate && TextToNumber(PlainNumberTextWith(Operand, fs), on);
  if (vNum && oNum) return vn < on ? -1 : vn > on ? 1 : 0;
  if (vDate && oDate) return vd < od ? -1 : vd > od ? 1 : 0;
  int c = Value.compare(Operand);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

// The wildcard match. Each call starts afresh at a pattern and a value
// position, so results after a run of "*" are remembered per position pair:
// patterns with many stars stay polynomial instead of exploding.
class TWildcardMatch {
 public:
  TWildcardMatch(const String& P, const String& V) : FP(P), FV(V) {}
  bool Match(size_t pi, size_t vi);

 private:
  bool Tail(size_t pi, size_t vi);
  bool AnyTailMatches(size_t pi, size_t vi);
  const String& FP;
  const String& FV;
  // Past the last "!" a pattern inverts nothing, so a star there can be
  // matched by the plain backtracking walk in time linear per character.
  const size_t FLastInvert = FP.rfind(L'!');
  // Per pattern position: 0 unknown, 1 no match, 2 match, for each value tail.
  std::vector<std::unique_ptr<std::vector<int8_t>>> FMemo;
};

bool TWildcardMatch::Tail(size_t pi, size_t vi) {
  if (FMemo.empty()) FMemo.resize(FP.size() + 1);
  auto& row = FMemo[pi];
  if (!row) row = std::make_unique<std::vector<int8_t>>(FV.size() + 1, 0);
  int8_t& m = (*row)[vi];
  if (m == 0) m = Match(pi, vi) ? 2 : 1;
  return m == 2;
}

// Whether the pattern from pi, with no "!" left in it, matches some tail of
// the value from vi on: the walk that returns to the last star on a
// mismatch. A run of n quotes stands for n - 1 quotes of the value, as in
// Match; a star starts the count afresh.
bool TWildcardMatch::AnyTailMatches(size_t pi, size_t vi) {
  enum TKind : uint8_t { Literal, AnyChar, Star };
  struct TToken {
    TKind Kind = Literal;
    Char C = 0;
    bool Takes(Char V) const { return Kind == AnyChar || (Kind == Literal && C == V); }
  };
  std::vector<TToken> Tokens{{Star}};
  for (bool AfterQuote = false; pi < FP.size(); ++pi) {
    const Char c = FP[pi];
    if (c == L'"') {
      if (AfterQuote) Tokens.push_back({Literal, L'"'});
      AfterQuote = true;
      continue;
    }
    AfterQuote = false;
    Tokens.push_back({c == L'*' ? Star : c == L'?' ? AnyChar : Literal, c});
  }
  size_t Token = 0, LastStar = String::npos, Resume = vi;
  while (vi < FV.size()) {
    if (Token < Tokens.size() && Tokens[Token].Kind == Star) {
      LastStar = Token++;
      Resume = vi;
    } else if (Token < Tokens.size() && Tokens[Token].Takes(FV[vi])) {
      ++Token;
      ++vi;
    } else if (LastStar != String::npos) {
      Token = LastStar + 1;
      vi = ++Resume;
    } else {
      return false;
    }
  }
  while (Token < Tokens.size() && Tokens[Token].Kind == Star) ++Token;
  return Token == Tokens.size();
}

bool TWildcardMatch::Match(size_t pi, size_t vi) {
  bool invert = false, afterQuote = false, ok = true;
  while (pi < FP.size()) {
    Char c = FP[pi];
    if (c == L'"') {
      // A quote right after another one stands for a quote in the value.
      if (afterQuote) {
        if (vi >= FV.size() || FV[vi] != L'"') {
          ok = false;
          break;
        }
        ++vi;
      }
      afterQuote = true;
      ++pi;
      continue;
    }
    afterQuote = false;
    if (c == L'!') {
      invert = true;
      ++pi;
    } else if (c == L'*') {
      while (pi < FP.size() && FP[pi] == L'*') ++pi;
      if (FLastInvert == String::npos || FLastInvert < pi) {
        ok = AnyTailMatches(pi, vi);
      } else {
        ok = false;
        for (size_t t = FV.size() + 1; t-- > vi;)
          if (Tail(pi, t)) {
            ok = true;
            break;
          }
      }
      pi = FP.size();
      vi = FV.size();
      break;
    } else if (vi >= FV.size()) {
      ok = false;
      break;
    } else if (c == L'?' || c == FV[vi]) {
      ++pi;
      ++vi;
    } else {
      ok = false;
      break;
    }
  }
  if (ok && vi < FV.size()) ok = false;
  return invert ? !ok : ok;
}

}  // namespace

String RemoveUnquotedSpaces(const String& Text) {
  String r;
  r.reserve(Text.size());
  int quotes = 0;
  for (Char c : Text) {
    if (c == L'"') ++quotes;
    if (c == L' ' && quotes % 2 == 0) continue;
    r += c;
  }
  return r;
}

Integer ClosingParenPos(const String& Text) {
  Integer open = 0, close = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == L'(') ++open;
    else if (Text[i] == L')') {
      ++close;
      if (open == close) return Integer(i + 1);
    }
  }
  return 0;
}

Char FindUnquotedChar(const TCharSet& Set, const String& Text, Integer& Position) {
  int quotes = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    Char c = Text[i];
    if (c == L'"') ++quotes;
    if (quotes % 2 == 0)
      for (Char s : Set)
        if (s == c) {
          Position = Integer(i + 1);
          return c;
        }
  }
  Position = -1;
  return 0;
}

String PlainNumberText(const String& Text) {
  return PlainNumberTextWith(Text, FormatSettings());
}

bool ParseFilterValue(const String& Text, TDateTime& Date) {
  return ParseFilterValueWith(Text, Date, FormatSettings());
}

bool MatchFilterPattern(const String& Pattern, const String& Value) {
  const size_t npos = String::npos;
  bool hasGT = false, hasLT = false, gt = true, lt = true;
  size_t p = Pattern.find(L'>');
  bool opGT = p != npos;
  bool opLT = Pattern.find(L'<') != npos;
  // The locale is read only for comparisons: plain wildcard filters run
  // once per cell and need none of it.
  TFormatSettings fs;
  if (opGT || opLT) fs = FormatSettings();
  if (opGT) {
    hasGT = true;
    bool eq = p + 1 < Pattern.size() && Pattern[p + 1] == L'=';
    int c = CompareWithOperand(Value, ReadOperand(Pattern, p + 1 + eq, false), fs);
    gt = eq ? c >= 0 : c > 0;
  }
  p = Pattern.find(L'<');
  if (opLT) {
    hasLT = true;
    bool eq = p + 1 < Pattern.size() && Pattern[p + 1] == L'=';
    int c = CompareWithOperand(Value, ReadOperand(Pattern, p + 1 + eq, true), fs);
    lt = eq ? c <= 0 : c < 0;
  }
  // A negation stands in for whichever comparison part is missing.
  if (Pattern.find(L'!') != npos) {
    if (!opGT) hasGT = true;
    if (!opLT) hasLT = true;
  }
  if (Pattern.find(L'^') != npos && (hasGT || hasLT)) return lt || gt;
  if (Pattern.find(L'&') != npos && hasGT && hasLT) return lt && gt;
  if (opGT && gt) return true;
  if (opLT && lt) return true;
  return TWildcardMatch(Pattern, Value).Match(0, 0);
}

bool MatchFilterClause(const String& Clause, const String& Value,
                       bool CaseSensitive) {
  if (Clause == L"\"\"") return Value.empty();
  if (CaseSensitive) return MatchFilterPattern(Clause, Value);
  return MatchFilterPattern(AnsiUpperCase(Clause), AnsiUpperCase(Value));
}

bool MatchFilterExpression(const String& Expression, const String& Value,
                           bool CaseSensitive) {
  static const TCharSet Operators{L'(', L';', L'^', L'&', L'|'};
  String expr = RemoveUnquotedSpaces(Trim(Expression));
  if (!expr.empty() && expr[0] == L'=') expr.erase(0, 1);
  bool result = true;
  Char pending = 0;
  auto combine = [&](bool r) {
    switch (pending) {
      case 0: result = r; break;
      case L'&': result = result && r; break;
      case L'(': break;
      default: result = result || r; break;
    }
  };
  for (;;) {
    Integer pos = 0;
    Char op = FindUnquotedChar(Operators, expr, pos);
    if (op == 0) break;
    bool r;
    if (expr[0] == L'(') {
      Integer close = ClosingParenPos(expr);
      // An unclosed group takes the rest of the expression.
      if (close == 0) close = Integer(expr.size()) + 1;
      r = MatchFilterExpression(expr.substr(1, close - 2), Value, CaseSensitive);
      expr.erase(0, std::min<size_t>(close, expr.size()));
    } else {
      r = MatchFilterClause(expr.substr(0, pos - 1), Value, CaseSensitive);
      expr.erase(0, pos);
    }
    combine(r);
    pending = op;
  }
  combine(MatchFilterClause(expr, Value, CaseSensitive));
  return result;
}

}  // namespace jorv::foundation
