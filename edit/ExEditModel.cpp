#include "edit/ExEditModel.h"
#include <algorithm>
#include <cmath>
#include <functional>
#include "foundation/ValueUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"

namespace jorv::edit {

using foundation::HexToInt;
using foundation::StripThousandSeparators;

namespace {

Char TS() { return FormatSettings().ThousandSeparator; }
Char DS() { return FormatSettings().DecimalSeparator; }
Integer Len(const String& S) { return static_cast<Integer>(S.size()); }
// 1-based position of C in S, 0 when absent.
Integer CharPos(Char C, const String& S) {
  auto P = S.find(C);
  return P == String::npos ? 0 : static_cast<Integer>(P) + 1;
}
bool IsDigit(Char C) { return C >= L'0' && C <= L'9'; }
bool IsAsciiLetter(Char C) { return (C >= L'A' && C <= L'Z') || (C >= L'a' && C <= L'z'); }
bool IsHexLetter(Char C) { return (C >= L'A' && C <= L'F') || (C >= L'a' && C <= L'f'); }
bool IsNumberSeparator(Char C) { return C == L',' || C == L'-' || C == L';'; }
bool AllOf(const String& S, const std::function<bool(Char)>& Ok) { return std::all_of(S.begin(), S.end(), Ok); }

TCharRule Discard(bool Tail = false) {
  TCharRule R;
  R.Tail = Tail;
  return R;
}
TCharRule Pass(Char Ch, bool ModifiedFirst = false) {
  TCharRule R;
  R.Action = caPass;
  R.Ch = Ch;
  R.ModifiedFirst = ModifiedFirst;
  R.Tail = true;
  return R;
}
TCharRule Show(const TEditState& State, bool ModifiedAfter, bool Tail) {
  TCharRule R;
  R.Action = caShow;
  R.Shown = State;
  R.ModifiedAfter = ModifiedAfter;
  R.Tail = Tail;
  return R;
}

}  // namespace

// --- helpers -----------------------------------------------------------------

Integer ClassifyNumberText(const String& S) {
  bool IsInt = !S.empty(), IsFloat = !S.empty(), IsHex = !S.empty();
  Integer LastTS = -1, Minus = 0, Decimals = 0;
  const Char T = TS(), D = DS();
  for (Integer i = 1; i <= Len(S); ++i) {
    Char C = S[i - 1];
    bool Digit = IsDigit(C);
    if (C != L'-' && !Digit) IsInt = false;
    if (C != L'-' && !Digit && C != T && C != D) IsFloat = false;
    if (C != L'-' && !Digit && !IsHexLetter(C)) IsHex = false;
    if (C == T) {
      if (i - LastTS < 3) IsFloat = false;
      LastTS = i;
    }
    if (C == D) ++Decimals;
    if (C == L'-') ++Minus;
  }
  Integer R = 2;
  if (IsHex && !IsInt) R = 5;
  if (IsInt)
    R = 0;
  else if (IsFloat)
    R = 1;
  if (Minus > 1 || Decimals > 1) R = 2;
  return R;
}

String ToNameCase(const String& S) {
  static const String Separators = L" \"$')*,-./:\\";
  String R = S;
  bool Cap = true;
  const Integer N = Len(R);
  for (Integer i = 1; i <= N; ++i) {
    Char& C = R[i - 1];
    if (Separators.find(C) != String::npos) {
      Cap = true;
    } else if (Cap) {
      C = static_cast<Char>(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(C)))));
      Cap = false;
    } else {
      C = static_cast<Char>(reinterpret_cast<UINT_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(static_cast<UINT_PTR>(C)))));
    }
    String SoFar = R.substr(0, i);
    if (SoFar == L"Mc" || SoFar == L"Mac") Cap = true;
    auto P = R.find(L" Mc");
    if (i > 2 && P != String::npos && static_cast<Integer>(P) + 3 == i) Cap = true;
    if (i > N - 3) {
      if (i >= 2 && R.compare(i - 2, 2, L" I") == 0) Cap = true;
      if (i >= 3 && R.compare(i - 3, 3, L" II") == 0) Cap = true;
    }
  }
  return R;
}

// --- value and numbers -------------------------------------------------------

String TExEditModel::Value(const String& WindowText) const {
  String S = WindowText;
  if (!Prefix.empty() && S.size() >= Prefix.size() && AnsiUpperCase(S.substr(0, Prefix.size())) == AnsiUpperCase(Prefix))
    S.erase(0, Prefix.size());
  if (!Suffix.empty()) S.erase(S.size() - std::min(S.size(), Suffix.size()));
  return S;
}

String TExEditModel::Normalised(const String& Value) const {
  String V = Value;
  if (V.empty() && (IsNumberType() || EditType == etHex) && !AllowNumericNullValue) V = L"0";
  if (PrecisionDisplay == pdShortest) {
    if ((EditType == etFloat || EditType == etMoney) && !V.empty()) V = Format(L"%g", TextToFloat(V));
  } else if (!V.empty()) {
    if (EditType == etMoney && Precision >= 0)
      V = Format(L"%." + IntToStr(Precision) + L"n", TextToFloat(V));
    else if (EditType == etFloat && Precision > 0)
      V = Format(L"%." + IntToStr(Precision) + L"f", TextToFloat(V));
  }
  if (EditType == etHex) V = AnsiUpperCase(V);
  return V;
}

double TExEditModel::TextToFloat(const String& S) const {
  double R = 0;
  if (!TryStrToFloat(StripThousandSeparators(S), R, FormatSettings())) return 0;
  return R;
}

double TExEditModel::FloatValue(const String& Value) const {
  String V = Value;
  switch (EditType) {
    case etString: return TextToFloat(V);
    case etNumeric:
    case etFloat: return (V.empty() || V == L"-") ? 0 : TextToFloat(V);
    case etMoney:
      V = StripThousandSeparators(V);
      if (!V.empty() && V.back() == DS()) V.pop_back();
      return (V.empty() || V == L"-") ? 0 : TextToFloat(V);
    case etHex: return V.empty() ? 0 : HexToInt(V);
    default: return 0;
  }
}

Integer TExEditModel::IntValue(const String& Value) const {
  Integer R = 0, Code = 0;
  switch (EditType) {
    case etNumeric: Val(Value, R, Code); return Code == 0 ? R : 0;
    case etFloat:
    case etMoney: {
      // The whole part of the number shown, not nothing for its decimals.
      const double X = std::trunc(FloatValue(Value));
      if (X >= 2147483647.0) return 2147483647;
      if (X <= -2147483648.0) return -2147483647 - 1;
      return static_cast<Integer>(X);
    }
    case etHex: return Value.empty() ? 0 : HexToInt(Value);
    default: return 0;
  }
}

std::optional<String> TExEditModel::FloatText(double Number) const {
  const String Fixed = L"%." + IntToStr(Precision) + L"f";
  switch (EditType) {
    case etString:
    case etFloat:
    case etMoney: return Precision < 0 ? Format(L"%g", Number) : Format(Fixed, Number);
    // Whole and ungrouped, as the filter lets a user type it, so that it
    // still reads back as an integer.
    case etNumeric: return Precision < 0 ? Format(L"%g", Number) : Format(L"%.0f", Number);
    case etHex: return IntToHex(static_cast<Integer>(std::trunc(Number)), 0);
    default: return std::nullopt;
  }
}

std::optional<String> TExEditModel::IntText(Integer Number) const {
  switch (EditType) {
    case etNumeric:
    case etFloat:
    case etMoney: return IntToStr(Number);
    case etHex: return IntToHex(Number, 0);
    default: return std::nullopt;
  }
}

Integer TExEditModel::IntegerPartEnd(const String& S) const {
  String V = StripThousandSeparators(S);
  Integer P = CharPos(DS(), V);
  if (P == 0) P = Len(V) + 1;
  if (Signed && IsNumberType() && CharPos(L'-', V) > 0) --P;
  return P;
}

Integer TExEditModel::DecimalSeparatorPos(const String& Value) const {
  Integer P = CharPos(DS(), Value);
  if (P == 0) return Len(Prefix) + Len(Value) + Len(Suffix) + 1;
  return P + Len(Prefix);
}

TEditState TExEditModel::ThousandSeparated(const TEditState& State) const {
  const String V = Value(State.Text);
  if (V.empty()) return State;
  String Sign;
  if (V[0] == L'-') Sign = L"-";
  String DecPart;
  if (Integer P = CharPos(DS(), V)) DecPart = V.substr(P - 1, 255);
  const double Whole = std::trunc(std::fabs(FloatValue(V)));
  String IntPart = Format(AutoThousandSeparator ? L"%n" : L"%f", Whole);
  if (Integer P = CharPos(DS(), IntPart)) IntPart.erase(P - 1);
  TEditState R;
  R.Text = Prefix + Sign + IntPart + DecPart + Suffix;
  R.SelStart = State.SelStart + Len(Value(R.Text)) - Len(V);
  return R;
}

bool TExEditModel::InBounds(const String& Value) const {
  if (EditType == etNumeric && (MinValue != 0 || MaxValue != 0)) {
    Integer N = 0;
    if (!TryStrToInt(Value, N)) N = 0;
    return MinValue <= N && N <= MaxValue;
  }
  if ((EditType == etFloat || EditType == etMoney) && (MinFloatValue != 0 || MaxFloatValue != 0)) {
    const double X = TextToFloat(Value);
    return MinFloatValue <= X && X <= MaxFloatValue;
  }
  return true;
}

std::optional<String> TExEditModel::ClampedOnExit(const String& Value) const {
  if (EditType != etNumeric || (MinValue == 0 && MaxValue == 0)) return std::nullopt;
  Integer N = 0;
  if (!TryStrToInt(Value, N)) N = 0;
  if (N > MaxValue) return IntToStr(MaxValue);
  if (N < MinValue) return IntToStr(MinValue);
  return std::nullopt;
}

bool TExEditModel::LooksLikeURL(const String& Value) {
  if (Value.find(L"://") != String::npos) return true;
  if (auto P = Value.find(L'@'); P != String::npos && P > 0) return true;
  return AnsiLowerCase(Value).rfind(L"www.", 0) == 0;
}

// --- selection ---------------------------------------------------------------

TSelRange TExEditModel::WholeValue(const String& Value, bool ShowURL) const {
  Integer Start = Len(Prefix);
  if (ShowURL) {
    if (auto P = Value.find(L"://"); P != String::npos)
      Start = static_cast<Integer>(P) + 1 + 2;
    else if (auto M = Value.find(L"mailto:"); M != String::npos)
      Start = static_cast<Integer>(M) + 1 + 6;
  }
  return {Start, Start + Len(Value)};
}

Integer TExEditModel::CaretBeforeDecimal(const String& Value) const {
  const Integer P = CharPos(DS(), Value);
  return P ? Len(Prefix) + P - 1 : Len(Prefix);
}

Integer TExEditModel::CaretAfterDecimal(const String& Value) const {
  const Integer P = CharPos(DS(), Value);
  return P ? Len(Prefix) + P : Len(Prefix);
}

String TExEditModel::SelectedValue(const TEditState& State) const {
  const String V = Value(State.Text);
  const Integer B = std::max(0, State.SelStart - Len(Prefix));
  if (B >= Len(V)) return String();
  return V.substr(B, std::max(0, std::min(State.SelLength, Len(V) - B)));
}

std::optional<TSelRange> TExEditModel::KeptOffAffixes(const TEditState& State) const {
  const Integer PL = Len(Prefix), VL = Len(Value(State.Text));
  const Integer S = State.SelStart, L = State.SelLength;
  if (PL > 0 && S < PL) return TSelRange{PL, PL + VL};
  if (Suffix.empty()) return std::nullopt;
  if (S > PL + VL) return TSelRange{PL + VL, PL + VL};
  if (S + L > PL + VL) return TSelRange{S, PL + VL};
  return std::nullopt;
}

std::optional<Integer> TExEditModel::CaretOutOfPrefix(const TEditState& State) const {
  const Integer PL = Len(Prefix);
  if (PL > 0 && State.SelStart < PL) return PL;
  return std::nullopt;
}

// --- typing ------------------------------------------------------------------

TEditState TExEditModel::Inserted(const TEditState& State, Char Ch) {
  TEditState R = State;
  const Integer N = Len(R.Text);
  const Integer S = std::clamp(R.SelStart, 0, N), L = std::clamp(R.SelLength, 0, N - S);
  if (Ch == 8) {
    if (L > 0) {
      R.Text.erase(S, L);
      R.SelStart = S;
    } else if (S > 0) {
      R.Text.erase(S - 1, 1);
      R.SelStart = S - 1;
    }
  } else if (Ch >= 32) {
    R.Text.replace(S, L, 1, Ch);
    R.SelStart = S + 1;
  }
  R.SelLength = 0;
  return R;
}

TEditState TExEditModel::Deleted(const TEditState& State) {
  TEditState R = State;
  const Integer N = Len(R.Text);
  const Integer S = std::clamp(R.SelStart, 0, N), L = std::clamp(R.SelLength, 0, N - S);
  if (L > 0)
    R.Text.erase(S, L);
  else if (S < N)
    R.Text.erase(S, 1);
  R.SelStart = S;
  R.SelLength = 0;
  return R;
}

TEditState TExEditModel::SignToggled(const TEditState& State, bool& SetsModified) const {
  const Integer PL = Len(Prefix), P = State.SelStart;
  String V = Value(State.Text);
  TEditState R;
  if (CharPos(L'-', V) > 0) {
    // The first character goes, wherever the sign stands.
    V.erase(0, 1);
    R.Text = Framed(V);
    R.SelStart = P > PL ? P - 1 : PL;
    SetsModified = EditType != etNumeric;
  } else {
    R.Text = Framed(L"-" + V);
    R.SelStart = P + 1;
    SetsModified = true;
  }
  return R;
}

TEditState TExEditModel::NameCased(const TEditState& AfterPass, Integer CaretBefore) const {
  TEditState R;
  R.Text = Framed(ToNameCase(Value(AfterPass.Text)));
  R.SelStart = CaretBefore + 1;
  return R;
}

bool TExEditModel::MoneyRegroups(const TEditState& AfterPass, Char Ch) const {
  const String V = Value(AfterPass.Text);
  return !V.empty() && V != L"-" && Ch != DS();
}

bool TExEditModel::FullLengthReached(const TEditState& State) const {
  return TabOnFullLength && LengthLimit > 0 && IntegerPartEnd(Value(State.Text)) > LengthLimit &&
         State.SelLength == 0 && State.SelStart - Len(Prefix) == LengthLimit;
}

bool TExEditModel::FullDecimals(const TEditState& State) const {
  const String V = Value(State.Text);
  const Integer B = State.SelStart - Len(Prefix);
  const Integer D = CharPos(DS(), V);
  return Precision > 0 && Len(V) - B <= Precision && D > 0 && B >= D && Len(V) - D >= Precision;
}

bool TExEditModel::SeparatorRefused(const TEditState& State) const {
  String V = Value(State.Text);
  const Char T = TS();
  if (CharPos(T, V) == 0) return false;
  Integer B = State.SelStart - Len(Prefix);
  Integer M = Len(V);
  while (Integer Tp = CharPos(T, V)) {
    const Integer Dist = std::abs(Tp - B);
    M = std::min(M, Dist);
    if (Dist < 3) return true;
    if (B > Tp) B -= Tp;
    V.erase(0, Tp);
  }
  return M > 3;
}

TCharRule TExEditModel::TypeChar(const TEditState& State, Char Ch, const TTypedKeys& Keys) const {
  const Char D = DS();
  const String V = Value(State.Text);
  const Integer PL = Len(Prefix);
  if (ExcelStyleDecimalSeparator && (Ch == L'.' || Ch == L',') && Keys.KeypadDecimal) Ch = D;
  if (Ch == 8 && PL > 0 && State.SelStart <= PL && State.SelLength == 0) return Discard();
  if (LengthLimit > 0 && IntegerPartEnd(V) > LengthLimit && State.SelLength == 0 &&
      State.SelStart < DecimalSeparatorPos(V) && Ch != 8 && Ch != D && !(Ch == L'-' && Signed && IsNumberType()))
    return Discard();
  if (Ch == 8) {
    TCharRule R = Pass(Ch);
    R.After = apBackspace;
    R.BackspaceChanges = State.SelLength > 0 || State.SelStart > PL;
    R.Tail = false;
    return R;
  }
  if (Ch == 10 && Keys.Ctrl) return Discard();
  if (Ch == L'-' && IsNumberType() && !Signed) return Discard();
  const bool Plain = Ch == 8 || Ch == 9 || Ch == 13;
  switch (EditType) {
    case etString:
    case etPassword: return Pass(Ch, true);
    case etNumeric:
    case etFloat:
    case etMoney: return TypeNumber(State, Ch, Keys);
    case etUppercase:
    case etLowerCase: {
      String One(1, Ch);
      One = EditType == etUppercase ? AnsiUpperCase(One) : AnsiLowerCase(One);
      return Pass(One.empty() ? Ch : One[0]);
    }
    case etMixedCase: {
      TCharRule R = Pass(Ch);
      if (!Plain) R.After = apNameCase;
      return R;
    }
    case etRange: {
      if (!(Plain || IsDigit(Ch) || IsNumberSeparator(Ch))) return Discard(true);
      if (IsNumberSeparator(Ch)) {
        // No separator at the start, nor next to another one.
        const Integer S = State.SelStart;
        const String W = State.Text + L" ";
        if (S <= PL || (S >= 1 && IsNumberSeparator(W[S - 1])) || (S < Len(W) && IsNumberSeparator(W[S]))) {
          TCharRule R = Discard();
          R.ModifiedFirst = true;
          return R;
        }
      }
      return Pass(Ch, true);
    }
    case etHex:
      if (Plain || Ch == L'-' || IsDigit(Ch) || IsHexLetter(Ch)) return Pass(Ch, true);
      return Discard(true);
    case etAlphaNumeric:
      if (Plain || IsDigit(Ch) || IsAsciiLetter(Ch)) return Pass(Ch, true);
      return Discard(true);
    case etValidChars:
      if (Ch == 8 || ValidChars.find(Ch) != String::npos) return Pass(Ch, true);
      return Discard(true);
  }
  return Discard(true);
}

TCharRule TExEditModel::TypeNumber(const TEditState& State, Char Ch, const TTypedKeys& Keys) const {
  if (EditType != etNumeric) return TypeFloat(State, Ch);
  const String V = Value(State.Text);
  if (Ch == L'-') {
    if (State.SelLength == Len(V)) {
      // The whole value selected: a lone sign to type the number after.
      TCharRule R = Show(TEditState{Framed(L"-"), Len(Prefix) + 1, 0}, false, false);
      R.EndsBlock = true;
      return R;
    }
    bool SetsModified = false;
    const TEditState Toggled = SignToggled(State, SetsModified);
    return Show(Toggled, SetsModified, true);
  }
  if (Ch == 8 || Ch == 9 || Ch == 13 || IsDigit(Ch) || Keys.SideCtrl) return Pass(Ch);
  return Discard(true);
}

TCharRule TExEditModel::TypeFloat(const TEditState& State, Char Ch) const {
  const Char D = DS(), T = TS();
  const String V = Value(State.Text);
  const Integer PL = Len(Prefix);
  const bool Money = EditType == etMoney;
  const bool Plain = Ch == 8 || Ch == 9 || Ch == 13;
  if (!Money && ((Ch == L',' && D != L',') || (Ch == L'.' && D != L'.'))) return Discard();
  if (Money && Ch == D && (CharPos(D, V) > 0 || Precision == 0)) {
    TCharRule R;
    if (Precision > 0 && State.SelLength == Len(V)) {
      R.Action = caSetValue;
      R.Value = String(L"0") + D + L"0";
      const String Shown = Normalised(R.Value);
      R.Select = TSelRange{CaretAfterDecimal(Shown), CaretAfterDecimal(Shown)};
    } else if (Precision > 0) {
      R.Select = TSelRange{CaretAfterDecimal(V), CaretAfterDecimal(V)};
    }
    R.EndsBlock = true;
    return R;
  }
  const bool Accepted = Money ? (Plain || Ch == L'-' || IsDigit(Ch) || Ch == D)
                              : (Plain || Ch == L',' || Ch == L'-' || Ch == L'.' || IsDigit(Ch) || Ch == T || Ch == D);
  if (!Accepted) return Discard(true);
  if (!Money && Ch == D) {
    const Integer S = std::clamp(State.SelStart, 0, Len(State.Text));
    const String Selected = State.Text.substr(S, std::max(0, State.SelLength));
    if (CharPos(D, Selected) == 0 && (CharPos(D, V) > 0 || Precision == 0)) {
      // One decimal separator: typing it again jumps behind the one there is.
      TCharRule R;
      if (Precision > 0) R.Select = TSelRange{CaretAfterDecimal(V), CaretAfterDecimal(V)};
      return R;
    }
  }
  if ((Ch == T || Ch == D) && SeparatorRefused(State)) return Discard();
  std::optional<TSelRange> Overwrite;
  if (FullDecimals(State) && (IsDigit(Ch) || Ch == D) && State.SelLength == 0) {
    // Full decimals: a digit inside them overwrites the next one.
    const Integer B = State.SelStart - PL;
    const Integer DPos = CharPos(D, V);
    if (!(IsDigit(Ch) && Precision > 0 && DPos > 0 && DPos <= B && B < Len(V))) return Discard();
    Overwrite = TSelRange{State.SelStart, State.SelStart + 1};
  }
  if (V.empty() && State.SelStart - PL == 0 && Ch == D) {
    return Show(TEditState{Framed(String(L"0") + D), PL + 2, 0}, true, false);
  }
  if (Ch == L'-' && State.SelLength == 0) {
    bool SetsModified = false;
    return Show(SignToggled(State, SetsModified), SetsModified, false);
  }
  TCharRule R = Pass(Ch);
  R.Select = Overwrite;
  if (Money) R.After = apMoneyGroups;
  return R;
}

// --- keys ---------------------------------------------------------------------

TKeyRule TExEditModel::KeyDown(const TEditState& State, Word Key, bool Shift) const {
  TKeyRule R;
  const Integer PL = Len(Prefix);
  const String V = Value(State.Text);
  const Integer VL = Len(V);
  const Integer S = State.SelStart, E = State.SelStart + State.SelLength;
  auto Consume = [&](std::optional<TSelRange> Select = std::nullopt) {
    R.Consume = true;
    R.Select = Select;
    return R;
  };
  // Positions against the window text: the value ends at PL + VL.
  if (Key == VK_RIGHT && !Suffix.empty() && E >= PL + VL) return Consume();
  if (Key == VK_DELETE && !Suffix.empty()) {
    if (E >= PL + VL && S == E) return Consume();
    R.SetModified = true;
  }
  if (Key == VK_LEFT && PL > 0 && PL >= E) return Consume();
  if (Key == VK_END && !Suffix.empty()) return Consume(Shift ? TSelRange{S, PL + VL} : TSelRange{PL + VL, PL + VL});
  if (Key == VK_HOME && PL > 0) return Consume(Shift ? TSelRange{PL + VL, PL} : TSelRange{PL, PL});
  if (Key == VK_BACK && PL > 0) {
    if (S <= PL) {
      R.FireKeyDown = true;
      return Consume();
    }
    R.SetModified = true;
  }
  if (Key == VK_DELETE && S >= PL) {
    String Pred = V;
    const Integer B = S - PL;
    if (E > S)
      Pred.erase(std::min<size_t>(B, Pred.size()), E - S);
    else if (B < VL)
      Pred.erase(B, 1);
    if (LengthLimit > 0 && IntegerPartEnd(Pred) - 1 > LengthLimit) return Consume();
    R.SetModified = true;
  }
  return R;
}

// --- paste ---------------------------------------------------------------------

TPasteRule TExEditModel::Paste(const TEditState& State, const String& Clipboard) const {
  TPasteRule R;
  R.Pasted = Clipboard;
  if (auto Cr = R.Pasted.find(L'\r'); Cr != String::npos) R.Pasted.erase(Cr);
  // A line feed alone ends the first line too.
  if (auto Lf = R.Pasted.find(L'\n'); Lf != String::npos) R.Pasted.erase(Lf);
  const Integer PL = Len(Prefix);
  const String V = Value(State.Text);
  const Integer S = std::clamp(State.SelStart - PL, 0, Len(V));
  const Integer L = std::clamp(State.SelLength, 0, Len(V) - S);
  R.Candidate = V.substr(0, S) + R.Pasted + V.substr(S + L);
  const Integer NewStart = PL + S;
  // What replaced a selection stays selected; otherwise the caret follows it.
  R.Selection = L > 0 ? TSelRange{NewStart, NewStart + Len(R.Pasted)}
                      : TSelRange{NewStart + Len(R.Pasted), NewStart + Len(R.Pasted)};
  return R;
}

std::optional<TPasteValue> TExEditModel::AcceptPaste(const String& Candidate, const String& Pasted) const {
  const bool NoMinus = Candidate.find(L'-') == String::npos;
  switch (EditType) {
    case etString:
    case etPassword: return TPasteValue{Candidate, false, true};
    case etUppercase: return TPasteValue{AnsiUpperCase(Candidate), false, true};
    case etLowerCase: return TPasteValue{AnsiLowerCase(Candidate), false, true};
    case etMixedCase: return TPasteValue{ToNameCase(Candidate), false, true};
    case etNumeric:
      if (ClassifyNumberText(Candidate) == 0 && (Signed || NoMinus)) return TPasteValue{Candidate, false, true};
      return std::nullopt;
    case etFloat:
    case etMoney: {
      const String C = Trim(Candidate);
      if (ClassifyNumberText(C) > 1) return std::nullopt;
      if (Precision == 0 && Pasted.find(DS()) != String::npos) return std::nullopt;
      if (Signed || C.find(L'-') == String::npos) return TPasteValue{C, true, true};
      return std::nullopt;
    }
    case etHex: {
      const Integer C = ClassifyNumberText(Candidate);
      if (C == 0 || C == 5) return TPasteValue{Candidate, false, true};
      return std::nullopt;
    }
    case etAlphaNumeric:
      if (AllOf(Candidate, [](Char C) { return IsDigit(C) || IsAsciiLetter(C); }))
        return TPasteValue{Candidate, false, true};
      return std::nullopt;
    case etValidChars:
      if (AllOf(Candidate, [&](Char C) { return ValidChars.find(C) != String::npos; }))
        return TPasteValue{Candidate, false, true};
      return std::nullopt;
    case etRange: {
      // Numbers and ranges only, with no two separators in a row.
      if (!AllOf(Candidate, [](Char C) { return IsDigit(C) || IsNumberSeparator(C) || C == L' '; }))
        return std::nullopt;
      for (size_t i = 1; i < Candidate.size(); ++i)
        if (IsNumberSeparator(Candidate[i]) && IsNumberSeparator(Candidate[i - 1])) return std::nullopt;
      return TPasteValue{Candidate, false, true};
    }
  }
  return std::nullopt;
}

// --- typing without a window ---------------------------------------------------

std::optional<TEditState> TExEditModel::Typed(const TEditState& State, Char Ch, const TTypedKeys& Keys) const {
  const TCharRule R = TypeChar(State, Ch, Keys);
  TEditState S = State;
  auto Take = [&](const TSelRange& Sel) {
    S.SelStart = std::min(Sel.From, Sel.To);
    S.SelLength = std::abs(Sel.To - Sel.From);
  };
  switch (R.Action) {
    case caDiscard:
      if (!R.Select) return std::nullopt;
      Take(*R.Select);
      return S;
    case caShow: return R.Shown;
    case caSetValue:
      S.Text = Framed(Normalised(R.Value));
      if (R.Select) Take(*R.Select);
      return S;
    case caPass: break;
  }
  if (R.Select) Take(*R.Select);
  const Integer CaretBefore = S.SelStart;
  S = Inserted(S, R.Ch);
  switch (R.After) {
    case apMoneyGroups:
      if (MoneyRegroups(S, R.Ch)) S = ThousandSeparated(S);
      break;
    case apBackspace:
      if (EditType == etMoney) S = ThousandSeparated(S);
      break;
    case apNameCase: S = NameCased(S, CaretBefore); break;
    case apNone: break;
  }
  return S;
}

}  // namespace jorv::edit
