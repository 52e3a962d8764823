// Typed input of a drop-down editor: the value between prefix and suffix,
// numbers in and out, the character filter of each edit type, the caret
// guards of prefix and suffix, and the clipboard.
#include "dropdown/ExDropDown.h"
#include <cwchar>
#include "dropdown/NumberText.h"
#include "foundation/ValueUtils.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Clipboard.h"

namespace jorv::dropdown {

namespace {

bool IsDigit(Char C) { return C >= L'0' && C <= L'9'; }
bool KeyHeld(int VK) { return GetKeyState(VK) < 0; }
bool IsNumericType(TDropDownEditType T) { return T == etNumeric || T == etFloat || T == etMoney; }

// 1-based position of C in S, 0 when it is not there.
Integer PosOf(Char C, const String& S) {
  const size_t P = S.find(C);
  return P == String::npos ? 0 : static_cast<Integer>(P) + 1;
}

// 1-based position just past the integer digits: the decimal separator's,
// or one past the end.
Integer IntegerPartEnd(const String& Value) {
  const Integer P = PosOf(GetDecimalSeparator(), Value);
  return P > 0 ? P : static_cast<Integer>(Value.size()) + 1;
}

String PrecisionFormat(SmallInt Precision, Char Kind) {
  if (Precision < 0) return L"%g";
  return L"%." + IntToStr(Precision) + Kind;
}

}  // namespace

// --- value text --------------------------------------------------------------------------------

String TExCustomDropDown::GetText() const {
  String S = RawText();
  if (!FPrefix.empty() && S.compare(0, FPrefix.size(), FPrefix) == 0) S.erase(0, FPrefix.size());
  if (!FSuffix.empty()) S.erase(S.size() - Min(S.size(), FSuffix.size()));
  return S;
}

void TExCustomDropDown::SetTextValue(const String& Value) { SetText(Value); }

// The edit window is multi-line (so that a formatting rectangle keeps the
// text clear of the button), and a multi-line edit does not announce text
// set by WM_SETTEXT: the change is announced here instead, once, when the
// text differs.
void TExCustomDropDown::SetRawText(const String& S) {
  if (!HandleAllocated()) {
    TCustomMaskEdit::SetTextValue(S);
    return;
  }
  const String Before = RawText();
  const Cardinal ChangesBefore = FChangeCount;
  TCustomMaskEdit::SetTextValue(S);
  if (FChangeCount == ChangesBefore && RawText() != Before) Change();
}

void TExCustomDropDown::LookupBackspace(String& Entry) {
  if (SelLength() > 0) {
    String S = Text();
    S.erase(size_t(SelStart()), size_t(SelLength()));
    SetText(S);
  } else {
    if (!Entry.empty()) Entry.pop_back();
    SetText(Entry);
  }
  SetSelStart(static_cast<Integer>(Text().size()));
  SetSelLength(0);
}

void TExCustomDropDown::SetText(const String& Value) {
  String V = Value;
  if (V.empty() && (IsNumericType(FEditType) || FEditType == etHex)) V = L"0";
  if (FPrecision > 0 && !V.empty() && V != L"Error") {
    if (FEditType == etMoney) V = Format(PrecisionFormat(FPrecision, L'n'), TextToFloat(V));
    if (FEditType == etFloat) V = Format(PrecisionFormat(FPrecision, L'f'), TextToFloat(V));
  }
  if (FEditType == etHex) V = AnsiUpperCase(V);
  SetRawText(FPrefix + V + FSuffix);
  FOldText = V;
  SetModifiedState(false);
}

void TExCustomDropDown::SetPrefix(const String& Value) {
  const String V = Text();
  FPrefix = Value;
  SetRawText(FPrefix + V + FSuffix);
}

void TExCustomDropDown::SetSuffix(const String& Value) {
  const String V = Text();
  FSuffix = Value;
  SetRawText(FPrefix + V + FSuffix);
}

void TExCustomDropDown::SetModifiedState(bool Value) {
  if (ComponentState().Contains(csLoading) || !FEditorEnabled || ReadOnly()) return;
  SetModified(Value);
  FIsModified = Value;
}

void TExCustomDropDown::Change() {
  ++FChangeCount;
  if (FBlockChange) {
    FBlockChange = false;
    return;
  }
  TCustomMaskEdit::Change();
}

// --- numbers ---------------------------------------------------------------------------------------

double TExCustomDropDown::TextToFloat(const String& S) const {
  double Value = 0;
  if (!TryStrToFloat(StripThousandSeparators(S), Value)) return 0;
  return Value;
}

double TExCustomDropDown::GetFloatValue() {
  String V = Text();
  switch (FEditType) {
    case etString: return std::wcstod(V.c_str(), nullptr);
    case etNumeric:
    case etFloat:
      if (V.empty() || V == L"Error" || V == L"-") return 0;
      return TextToFloat(V);
    case etMoney:
      V = StripThousandSeparators(V);
      if (!V.empty() && V.back() == GetDecimalSeparator()) V.pop_back();
      if (V.empty() || V == L"-") return 0;
      return TextToFloat(V);
    case etHex: return V.empty() ? 0 : HexToInt(V);
    default: return 0;
  }
}

void TExCustomDropDown::SetFloatValue(double Value) {
  switch (FEditType) {
    case etString:
    case etFloat: SetText(Format(PrecisionFormat(FPrecision, L'f'), Value)); break;
    case etNumeric: SetText(Format(PrecisionFormat(FPrecision, L'n'), Value)); break;
    case etMoney:
      SetText(Format(PrecisionFormat(FPrecision, L'f'), Value));
      ApplyThousandSeparators();
      break;
    case etHex: SetText(IntToHex(static_cast<uint32_t>(Trunc(Value)), 1)); break;
    default: break;
  }
  SetModifiedState(true);
}

void TExCustomDropDown::SetIntValue(Integer Value) {
  switch (FEditType) {
    case etNumeric:
    case etFloat: SetText(IntToStr(Value)); break;
    case etMoney:
      SetText(IntToStr(Value));
      ApplyThousandSeparators();
      break;
    case etHex: SetText(IntToHex(static_cast<uint32_t>(Value), 1)); break;
    default: break;
  }
  SetModifiedState(true);
}

void TExCustomDropDown::ApplyThousandSeparators() {
  String Value = Text();
  if (Value.empty()) return;
  const Integer OldLength = static_cast<Integer>(Value.size());
  const Integer Caret = CaretPos();
  String Sign;
  if (Value[0] == L'-') {
    Sign = L"-";
    Value.erase(0, 1);
  }
  String DecimalPart;
  if (const Integer P = PosOf(GetDecimalSeparator(), Value)) DecimalPart = Value.substr(P - 1, 255);
  const double Whole = double(Trunc(std::abs(GetFloatValue())));
  String IntegerPart = Format(FAutoThousandSeparator ? L"%n" : L"%f", Whole);
  if (const Integer P = PosOf(GetDecimalSeparator(), IntegerPart)) IntegerPart.erase(P - 1);
  const String NewValue = Sign + IntegerPart + DecimalPart;
  FBlockChange = Text() != NewValue;
  SetRawText(FPrefix + NewValue + FSuffix);
  // An editor without a window yet (one being read from a stream) has no
  // caret to keep.
  if (!HandleAllocated()) return;
  SetSelStart(Max(0, Caret + static_cast<Integer>(NewValue.size()) - OldLength));
  SetSelLength(0);
}

void TExCustomDropDown::SetEditType(TDropDownEditType Value) {
  if (FEditType == Value) return;
  FEditType = Value;
  if (Value == etPassword) {
    SetPasswordChar(L'*');
    FCanUndo = false;
    if (HandleAllocated()) RecreateWnd();
  } else {
    SetPasswordChar(0);
  }
  const Integer Kind = ClassifyNumber(Text());
  if ((Value == etNumeric && Kind != nkInteger) || (Value == etHex && Kind != nkInteger && Kind != nkHex))
    SetIntValue(0);
  else if ((Value == etFloat || Value == etMoney) && Kind >= nkOther)
    SetFloatValue(0);
  if (Designing() && Value == etFloat && FPrecision == 0) SetPrecision(2);
}

void TExCustomDropDown::SetPrecision(SmallInt Value) {
  if (FPrecision == Value) return;
  if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
  FPrecision = Value;
  if (ClassifyNumber(Text()) >= nkOther)
    SetFloatValue(0);
  else
    SetFloatValue(GetFloatValue());
}

// --- selection and focus ----------------------------------------------------------------------------

Integer TExCustomDropDown::CaretPos() { return HandleAllocated() ? SelStart() : 0; }

void TExCustomDropDown::SelectAll() {
  SetSelStart(PrefixLength());
  SetSelLength(ValueLength());
}

void TExCustomDropDown::SelectAfterDecimal() {
  const Integer P = PosOf(GetDecimalSeparator(), Text());
  SetSelStart(PrefixLength() + P);
  SetSelLength(0);
}

void TExCustomDropDown::SelectBeforeDecimal() {
  const Integer P = PosOf(GetDecimalSeparator(), Text());
  SetSelStart(PrefixLength() + (P > 0 ? P - 1 : 0));
  SetSelLength(0);
}

void TExCustomDropDown::HandleKillFocusMessage(TWMKillFocus& M) {
  if (!ComponentState().Contains(csLoading)) {
    const bool Money = FEditType == etFloat || FEditType == etMoney;
    const bool Empty = Text().empty();
    if (FPrecision > 0 && Money && (!Empty || !FAllowNumericNullValue)) {
      const bool WasModified = FIsModified;
      SetFloatValue(GetFloatValue());
      SetModifiedState(WasModified);
    }
    if (FEditType == etNumeric && Empty && !FAllowNumericNullValue) SetText(L"0");
    if (Money && Text().empty() && !FAllowNumericNullValue) SetFloatValue(0);
  }
  TCustomMaskEdit::Dispatch(MsgBase(M));
  if (!FEditorEnabled) Invalidate();
}

// --- the character filter -----------------------------------------------------------------------------

// Rewrites the value and puts the caret at the value position Caret.
void TExCustomDropDown::WriteComposed(const String& Value, Integer Caret) {
  SetRawText(FPrefix + Value + FSuffix);
  SetSelStart(PrefixLength() + Max(0, Caret));
  SetSelLength(0);
}

bool TExCustomDropDown::ToggleSign() {
  String Value = Text();
  const Integer Caret = CaretPos() - PrefixLength();
  if (FEditType == etNumeric && SelLength() == ValueLength()) {
    WriteComposed(L"-", 1);
    return true;
  }
  if (FEditType != etNumeric && SelLength() > 0) return false;
  if (Value.find(L'-') != String::npos) {
    Value.erase(0, 1);
    WriteComposed(Value, Caret - 1);
  } else {
    WriteComposed(L"-" + Value, Caret + 1);
  }
  SetModifiedState(true);
  return true;
}

// A separator goes only right after a complete group of three digits.
bool TExCustomDropDown::GroupingAllows(const String& Value, Integer Caret) {
  const Char Thousand = GetThousandSeparator();
  String Rest = Value;
  Integer c = Caret, m = static_cast<Integer>(Value.size());
  while (const Integer p = PosOf(Thousand, Rest)) {
    const Integer d = std::abs(p - c);
    if (d < m) m = d;
    if (d < 3) return false;
    if (c > p) c -= p;
    Rest.erase(0, p);
  }
  return m <= 3;
}

// The rules of decimal text; false drops the character.
bool TExCustomDropDown::DecimalRules(Char Key, bool Money) {
  const Char Decimal = GetDecimalSeparator(), Thousand = GetThousandSeparator();
  const String Value = Text();
  const String Selected = SelText();
  const Integer Length = static_cast<Integer>(Value.size());
  const Integer Caret = CaretPos() - PrefixLength();
  const Integer P = PosOf(Decimal, Value);
  if (Key == Decimal && (P > 0 || FPrecision == 0) && (Money || PosOf(Decimal, Selected) == 0)) {
    if (FPrecision <= 0) return false;
    if (Money && SelLength() == Length && Length > 0) SetText(String(L"0") + Decimal + L"0");
    SetSelStart(PrefixLength() + PosOf(Decimal, Text()));
    SetSelLength(0);
    return false;
  }
  if (!Money && Key == L',' && Value.find(L',') != String::npos && Thousand != L',' &&
      Selected.find(L',') == String::npos)
    return false;
  if ((Key == Decimal || Key == Thousand) && Value.find(Thousand) != String::npos &&
      !GroupingAllows(Value, Caret))
    return false;
  const bool Full = FPrecision > 0 && Length - Caret <= FPrecision && P > 0 && Caret >= P &&
                    Length - P >= FPrecision;
  if (Full && SelLength() == 0 && (IsDigit(Key) || Key == Decimal)) {
    if (!IsDigit(Key) || Caret >= Length) return false;
    SetSelLength(1);
  }
  if (Value.empty() && Caret <= 0 && SelLength() == 0 && Key == Decimal) {
    WriteComposed(String(L"0") + Decimal, 2);
    SetModifiedState(true);
    return false;
  }
  return true;
}

// The edit-type part of the filter; false drops the character.
bool TExCustomDropDown::FilterByType(Char& Key, TWMKey&) {
  const Char Decimal = GetDecimalSeparator(), Thousand = GetThousandSeparator();
  const bool Control = Key == VK_BACK || Key == VK_TAB || Key == VK_RETURN;
  switch (FEditType) {
    case etString:
    case etPassword: SetModifiedState(true); return true;
    case etNumeric:
      if (Key == L'-') return FSigned && !ToggleSign();
      return Control || IsDigit(Key) || KeyHeld(VK_LCONTROL) || KeyHeld(VK_RCONTROL);
    case etFloat:
      if ((Key == L',' || Key == L'.') && Key != Decimal && Key != Thousand) return false;
      if (!(Control || Key == L',' || Key == L'-' || Key == L'.' || IsDigit(Key))) return false;
      if (!DecimalRules(Key, false)) return false;
      if (Key == L'-' && FSigned && ToggleSign()) return false;
      return true;
    case etMoney:
      if (!(Control || Key == L'-' || IsDigit(Key) || Key == Decimal)) return false;
      if (!DecimalRules(Key, true)) return false;
      if (Key == L'-' && FSigned && ToggleSign()) return false;
      return true;
    case etUppercase: Key = AnsiUpperCase(String(1, Key))[0]; return true;
    case etLowerCase: Key = AnsiLowerCase(String(1, Key))[0]; return true;
    case etMixedCase: return true;
    case etRange: {
      if (!(Control || IsDigit(Key) || Key == L',' || Key == L'-' || Key == L';')) return false;
      SetModifiedState(true);
      if (!IsRangeSeparator(Key)) return true;
      const String Value = Text();
      const Integer Caret = CaretPos() - PrefixLength();
      if (Caret <= 0) return false;
      const bool Before = Caret - 1 < static_cast<Integer>(Value.size()) && IsRangeSeparator(Value[Caret - 1]);
      const bool After = Caret < static_cast<Integer>(Value.size()) && IsRangeSeparator(Value[Caret]);
      return !Before && !After;
    }
    case etHex:
      if (!(Control || Key == L'-' || IsDigit(Key) || (Key >= L'A' && Key <= L'F') || (Key >= L'a' && Key <= L'f')))
        return false;
      SetModifiedState(true);
      return true;
    case etAlphaNumeric:
      if (!(Control || IsDigit(Key) || (Key >= L'A' && Key <= L'Z') || (Key >= L'a' && Key <= L'z'))) return false;
      SetModifiedState(true);
      return true;
    case etValidChars:
      if (!(Key == VK_BACK || FValidChars.find(Key) != String::npos)) return false;
      SetModifiedState(true);
      return true;
  }
  return true;
}

// The character filter; false drops the character. The edit's own change
// notification is left alone, so that typing over a selected value is
// reported like any other change.
bool TExCustomDropDown::FilterChar(TWMKey& M) {
  Char Key = static_cast<Char>(M.CharCode);
  const Char Decimal = GetDecimalSeparator();
  if (FExcelStyleDecimalSeparator && (Key == L'.' || Key == L',') && (M.KeyData & (LPARAM(1) << 22))) Key = Decimal;
  const String Value = Text();
  const Integer Caret = CaretPos() - PrefixLength();
  if (Key == VK_BACK && !FPrefix.empty() && SelLength() == 0 && Caret <= 0) return false;
  if (FLengthLimit > 0 && IntegerPartEnd(Value) > FLengthLimit && SelLength() == 0 &&
      Caret < IntegerPartEnd(Value) && Key != VK_BACK && Key != Decimal && !(Key == L'-' && FSigned))
    return false;
  if (Key == VK_BACK) return true;
  if (KeyHeld(VK_CONTROL) && Key == 10) return false;
  if (Key == L'-' && IsNumericType(FEditType) && !FSigned) return false;
  if (!FilterByType(Key, M)) return false;
  M.CharCode = Key;
  return true;
}

// Work that follows a character the edit took.
void TExCustomDropDown::AfterChar(Char Key, Integer CaretBefore) {
  if (FEditType == etMixedCase) {
    WriteComposed(CapitalizeName(Text()), CaretBefore - PrefixLength() + 1);
    return;
  }
  if (FEditType != etMoney || Key == GetDecimalSeparator() || Key < L' ') return;
  const String Value = Text();
  if (Value.empty() || Value == L"-") return;
  SetModifiedState(true);
  ApplyThousandSeparators();
}

// --- caret guards of prefix and suffix ------------------------------------------------------------------

bool TExCustomDropDown::KeyDownGuards(TWMKey& M) {
  const Word Key = M.CharCode;
  const Integer Start = SelStart(), Length = SelLength(), End = Start + Length;
  const Integer PrefixEnd = PrefixLength(), ValueEnd = PrefixEnd + ValueLength();
  const bool Shift = KeyHeld(VK_SHIFT);
  if (Key == VK_RIGHT && !FSuffix.empty() && End >= ValueEnd) return true;
  if (Key == VK_DELETE && !FSuffix.empty()) {
    if (End >= ValueEnd && Length == 0) return true;
    SetModifiedState(true);
  }
  if (Key == VK_LEFT && !FPrefix.empty() && End <= PrefixEnd) return true;
  if (Key == VK_END && !FSuffix.empty()) {
    SendMessageW(Handle(), EM_SETSEL, Shift ? Start : ValueEnd, ValueEnd);
    return true;
  }
  if (Key == VK_HOME && !FPrefix.empty()) {
    SendMessageW(Handle(), EM_SETSEL, Shift ? ValueEnd : PrefixEnd, PrefixEnd);
    return true;
  }
  if (Key == VK_BACK && !FPrefix.empty()) {
    if (Start <= PrefixEnd + 1) return true;
    SetModifiedState(true);
  }
  if (Key == VK_DELETE && Start >= PrefixEnd) {
    String After = Text();
    const Integer From = Start - PrefixEnd;
    if (From < static_cast<Integer>(After.size())) After.erase(From, Length > 0 ? Length : 1);
    if (FLengthLimit > 0 && IntegerPartEnd(After) - 1 > FLengthLimit) return true;
    SetModifiedState(true);
  }
  return false;
}

// --- clipboard -----------------------------------------------------------------------------------------------

bool TExCustomDropDown::PasteAllowed(const String& NewValue, const String& Clip) {
  const Integer Kind = ClassifyNumber(NewValue);
  const bool SignOk = FSigned || NewValue.find(L'-') == String::npos;
  auto AllIn = [&](auto Allowed) {
    for (Char C : Clip)
      if (!Allowed(C)) return false;
    return true;
  };
  switch (FEditType) {
    case etNumeric: return Kind == nkInteger && SignOk;
    case etFloat:
    case etMoney:
      return Kind < nkOther && SignOk && !(FPrecision == 0 && PosOf(GetDecimalSeparator(), Clip) > 0);
    case etAlphaNumeric: return AllIn([](Char C) { return IsCharAlphaNumericW(C) != 0; });
    case etValidChars: return AllIn([this](Char C) { return FValidChars.find(C) != String::npos; });
    case etRange:
    case etHex: return false;
    default: return true;
  }
}

void TExCustomDropDown::HandlePaste(TMessage&) {
  if (ReadOnly() || !Clipboard()->HasFormat(CF_UNICODETEXT)) return;
  const String Clip = Clipboard()->AsText();
  const String Value = Text();
  const Integer Start = Max(0, SelStart() - PrefixLength()), Length = SelLength();
  String NewValue = Value;
  NewValue.replace(Min<size_t>(Start, Value.size()), Length, Clip);
  const Integer ClipLength = static_cast<Integer>(Clip.size());
  bool Allow = true;
  if (OnClipboardPaste) OnClipboardPaste(this, NewValue, Allow);
  if (!Allow) return;
  if (MaxLength() > 0 && ClipLength + ValueLength() - Length > MaxLength()) return;
  if (PasteAllowed(NewValue, Clip)) {
    if (FEditType == etUppercase) NewValue = AnsiUpperCase(NewValue);
    if (FEditType == etLowerCase) NewValue = AnsiLowerCase(NewValue);
    if (FEditType == etMixedCase) NewValue = CapitalizeName(NewValue);
    SetText(NewValue);
    if (FEditType == etFloat || FEditType == etMoney) SetFloatValue(GetFloatValue());
    SetModifiedState(true);
  }
  if (FEditType == etMoney && ValueLength() > 3) {
    SelectAll();
  } else {
    SetSelStart(PrefixLength() + (Length > 0 ? Start : Start + ClipLength));
    SetSelLength(Length > 0 ? ClipLength : 0);
  }
}

void TExCustomDropDown::HandleCut(TMessage& M) {
  if (!FEditorEnabled || ReadOnly()) return;
  FBlockCopy = true;
  bool Allow = true;
  if (OnClipboardCut) OnClipboardCut(this, SelText(), Allow);
  if (Allow) TCustomMaskEdit::Dispatch(M);
  FBlockCopy = false;
}

void TExCustomDropDown::HandleCopy(TMessage& M) {
  bool Allow = true;
  if (!FBlockCopy && OnClipboardCopy) OnClipboardCopy(this, SelText(), Allow);
  FBlockCopy = false;
  if (Allow) TCustomMaskEdit::Dispatch(M);
}

}  // namespace jorv::dropdown
