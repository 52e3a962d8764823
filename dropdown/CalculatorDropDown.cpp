#include "dropdown/CalculatorDropDown.h"
#include <cmath>
#include "platform/rtl/SysUtils.h"

namespace jorv::dropdown {

namespace {

constexpr Integer KeyPadHeight = 150;
constexpr Integer OpNone = -1, OpAdd = 0, OpMultiply = 1, OpSubtract = 2, OpDivide = 3;
const String ErrorText = L"Error";

bool IsOperatorTag(Integer Tag) { return Tag >= 10 && Tag <= 13; }

}  // namespace

TExCalculatorDropdown::TExCalculatorDropdown(TComponent* AOwner)
    : TExCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>()) {
  // The base applied its look while this class was not yet built.
  ApplyCalcLook(GetComponentStyle());
  SetDropDownColor(0xFFFFFF);
  SetDropDownWidth(230);
  FDropDownHeader->SetVisible(false);
  FDropDownFooter->SetVisible(false);
  SetEditType(etFloat);
  SetPrecision(2);
  SetSigned(true);
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

TExCalculatorDropdown::~TExCalculatorDropdown() = default;

// --- the pop-up -----------------------------------------------------------------------------------

void TExCalculatorDropdown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  if (!FExButtonPanel) {
    FExButtonPanel = new TCustomButtonPanel(this);
    FExButtonPanel->SetParent(FDropDownForm);
    FExButtonPanel->SetExDropDown(this);
    FExButtonPanel->SetHeight(KeyPadHeight);
    FExButtonPanel->BuildCalculatorButtons();
  }
  SetControl(FExButtonPanel);
  FExButtonPanel->OnButtonClick = [this](TObject* Sender, Integer Index) { ButtonPanelClick(Sender, Index); };
}

void TExCalculatorDropdown::DoBeforeDropDown() {
  TExCustomDropDown::DoBeforeDropDown();
  FDropDownForm->SetCancelOnDeActivate(false);
  if (FExButtonPanel) {
    FExButtonPanel->ButtonAppearance()->Assign(FCalcButtonAppearance.get());
    FExButtonPanel->SetColor(DropDownColor());
    FExButtonPanel->ArrangeButtons();
  }
  // A typed "-" subtracts while the key pad is up.
  SetSigned(false);
  FNewval = true;
  FDecim = 0;
  FCalcClosed = false;
}

void TExCalculatorDropdown::DoHideDropDown(bool Cancel) {
  TExCustomDropDown::DoHideDropDown(Cancel);
  SetSigned(true);
}

bool TExCalculatorDropdown::PadShowing() const {
  return !FCalcClosed && FDropDownForm && FDropDownForm->Visible();
}

// --- looks and settings ------------------------------------------------------------------------------

void STDMETHODCALLTYPE TExCalculatorDropdown::SetComponentStyle(TZVQStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  if (FCalcButtonAppearance) ApplyCalcLook(AStyle);
}

void TExCalculatorDropdown::ApplyCalcLook(TZVQStyle AStyle) {
  const TExButtonAppearance* From = ButtonAppearance();
  TButtonAppearance* To = FCalcButtonAppearance.get();
  To->SetBorderColor(From->BorderColor());
  To->SetBorderColorHot(From->BorderColorHot());
  To->SetBorderColorDown(From->BorderColorDown());
  To->SetColor(From->Color());
  To->SetColorTo(From->ColorTo());
  To->SetColorDown(From->ColorDown());
  To->SetColorDownTo(From->ColorDownTo());
  To->SetColorHot(From->ColorHot());
  To->SetColorHotTo(From->ColorHotTo());
  To->ColorDisabled = From->ColorDisabled();
  To->ColorDisabledTo = From->ColorDisabledTo();
  if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
    To->SetGlowColorHot(From->ColorHot());
    To->SetGlowColorDown(From->ColorHot());
  } else {
    To->SetGlowColorDown(0xD5C244);
    To->SetGlowColorHot(From->ColorDownTo());
  }
}

void TExCalculatorDropdown::SetShowThousandSeparator(bool Value) {
  if (FShowThousandSeparator == Value) return;
  FShowThousandSeparator = Value;
  SetEditType(Value ? etMoney : etFloat);
  SetFloatValue(GetFloatValue());
}

double TExCalculatorDropdown::Value() {
  if (Text().empty()) SetText(L"0");
  return Converted(Text());
}

void TExCalculatorDropdown::SetValue(double AValue) { SetText(Format(L"%g", AValue)); }

// --- the arithmetic ---------------------------------------------------------------------------------

double TExCalculatorDropdown::Converted(const String& S) const { return TextToFloat(S); }

bool TExCalculatorDropdown::ErrorOrEmptyToZero() {
  const String V = Text();
  if (!V.empty() && V != ErrorText) return false;
  SetText(L"0");
  return true;
}

void TExCalculatorDropdown::ShowError() {
  FPrevval = 0;
  SetText(ErrorText);
}

// An infinite or undefined result is no number the edit can show; it
// reads as an error, as on a desk calculator, never as a number.
bool TExCalculatorDropdown::ShowResult(double Result) {
  if (!std::isfinite(Result)) {
    ShowError();
    return false;
  }
  SetFloatValue(Result);
  return true;
}

bool TExCalculatorDropdown::ApplyPendingOperator() {
  ErrorOrEmptyToZero();
  const double A = Converted(Text());
  double Result = A;
  switch (FPrevop) {
    case OpAdd: Result = FPrevval + A; break;
    case OpMultiply: Result = FPrevval * A; break;
    case OpSubtract: Result = FPrevval - A; break;
    case OpDivide:
      if (A == 0) {
        ShowError();
        return false;
      }
      Result = FPrevval / A;
      break;
    default: break;
  }
  if (!std::isfinite(Result)) {
    ShowError();
    return false;
  }
  FPrevval = Result;
  SetFloatValue(FPrevval);
  FNewval = true;
  return true;
}

// An operator right after another one replaces it: the shown value is the
// running result, not a second operand.
void TExCalculatorDropdown::DoOperator(Integer Op) {
  if (!FOperatorLast) ApplyPendingOperator();
  FPrevop = Op;
  FOperatorLast = true;
}

void TExCalculatorDropdown::DoEquals() {
  ApplyPendingOperator();
  if (Text().empty()) SetText(L"0");
  FPrevop = OpNone;
  if (Text() != ErrorText) FPrevval = Converted(Text());
}

void TExCalculatorDropdown::DoPercent() {
  ErrorOrEmptyToZero();
  const double X = Converted(Text());
  const double Result = FPrevval * X / 100;
  if (!std::isfinite(Result))
    ShowError();
  else
    SetText(Format(L"%g", Result));
}

// --- keys of the key pad ---------------------------------------------------------------------------

void TExCalculatorDropdown::DigitKey(Integer Digit) {
  double V = GetFloatValue();
  if ((V == 0 && FDecim == 0) || FNewval) {
    SetText(IntToStr(Digit));
    FNewval = false;
    return;
  }
  // A digit grows the value away from zero, whatever its sign.
  const double D = (V < 0 || (!Text().empty() && Text()[0] == L'-')) ? -Digit : Digit;
  if (FDecim > 0) {
    V += D / FDecim;
    FDecim *= 10;
  } else {
    V = V * 10 + D;
  }
  ShowResult(V);
}

void TExCalculatorDropdown::DecimalPointKey() {
  const String V = Text();
  if (V.find(GetDecimalSeparatorChar()) == String::npos) SetText(V + GetDecimalSeparatorChar());
  FDecim = 10;
  if (FNewval) SetText(L"0");
  FNewval = false;
}

void TExCalculatorDropdown::SignKey() {
  String V = Text();
  if (V.find(L'-') != String::npos)
    V.erase(0, 1);
  else
    V = L"-" + V;
  SetText(V);
}

void TExCalculatorDropdown::BackKey() {
  if (FPrevop >= 0) return;
  String V = FloatToStr(GetFloatValue());
  if (!V.empty()) V.pop_back();
  SetText(V.empty() ? String(L"0") : V);
}

void TExCalculatorDropdown::ClearKey() {
  SetText(L"0");
  FPrevval = 0;
  FPrevop = OpNone;
}

// Memory, square root and reciprocal. A value they show is finished: the
// next digit starts a new one, as on a desk calculator.
void TExCalculatorDropdown::FunctionKey(Integer Tag) {
  const double V = GetFloatValue();
  switch (Tag) {
    case 33: FMVal = 0; break;
    case 34:
      SetFloatValue(FMVal);
      FNewval = true;
      break;
    case 35: FMVal = V; break;
    case 36:
      if (std::isfinite(FMVal + V))
        FMVal += V;
      else
        ShowError();
      break;
    case 37:
      if (V >= 0)
        SetFloatValue(std::sqrt(V));
      else
        ShowError();
      FNewval = true;
      break;
    case 38:
      if (V != 0)
        ShowResult(1 / V);
      else
        ShowError();
      FNewval = true;
      break;
    default: break;
  }
}

void TExCalculatorDropdown::ButtonPanelClick(TObject*, Integer Index) {
  if (!FExButtonPanel || Index < 0 || Index >= FExButtonPanel->Buttons()->Count()) return;
  const Integer Tag = FExButtonPanel->Buttons()->Items(Index)->Tag();
  BeforeKeyInput();
  if ((Tag >= 10 && Tag <= 14) || (Tag >= 16 && Tag <= 18) || Tag == 30 || Tag == 32) FDecim = 0;
  // At the length limit the shown value cannot grow; a digit or point that
  // starts the next value replaces it and is let through.
  if ((Tag == 14 || ((Tag <= 9 || Tag == 15) && !FNewval)) && AtMaxLength()) return;
  if (!IsOperatorTag(Tag)) FOperatorLast = false;
  if (Tag >= 0 && Tag <= 9)
    DigitKey(Tag);
  else if (Tag == 10)
    DoOperator(OpAdd);
  else if (Tag == 11)
    DoOperator(OpSubtract);
  else if (Tag == 12)
    DoOperator(OpMultiply);
  else if (Tag == 13)
    DoOperator(OpDivide);
  else if (Tag == 14)
    SignKey();
  else if (Tag == 15)
    DecimalPointKey();
  else if (Tag == 16 || Tag == 30 || Tag == 32)
    ClearKey();
  else if (Tag == 17)
    DoEquals();
  else if (Tag == 18)
    DoPercent();
  else if (Tag == 31)
    BackKey();
  else
    FunctionKey(Tag);
  SetModifiedState(true);
}

// --- keys typed into the open pop-up --------------------------------------------------------------

void TExCalculatorDropdown::DropDownFormKeyDown(Word& Key, TShiftState Shift) {
  TExCustomDropDown::DropDownFormKeyDown(Key, Shift);
  if (Key == VK_TAB || Key == VK_F4) DoHideDropDown(false);
  if (Key == VK_BACK) {
    String V = Text();
    const bool WasError = V == ErrorText;
    if (!V.empty()) V.pop_back();
    SetText(V.empty() || WasError ? String(L"0") : V);
  }
}

void TExCalculatorDropdown::DropDownFormKeyPress(Char& Key) {
  TExCustomDropDown::DropDownFormKeyPress(Key);
  HandleCalcKey(Key);
}

void TExCalculatorDropdown::HandleCalcKey(Char& Key) {
  BeforeKeyInput();
  const Char Decimal = GetDecimalSeparatorChar();
  if (Key == Decimal && Text().find(Decimal) == String::npos) SetText(Text() + Decimal);
  if (IsNumberChar(Key) && !FNewval && AtMaxLength()) return;
  const bool Operator = Key == L'*' || Key == L'+' || Key == L'-' || Key == L'/';
  if (!Operator) FOperatorLast = false;
  switch (Key) {
    case VK_RETURN:
      DoEquals();
      DoHideDropDown(false);
      break;
    case VK_ESCAPE: DoHideDropDown(true); break;
    case L'%': DoPercent(); break;
    case L'*': DoOperator(OpMultiply); break;
    case L'+': DoOperator(OpAdd); break;
    case L'-': DoOperator(OpSubtract); break;
    case L'/': DoOperator(OpDivide); break;
    case L'=': DoEquals(); break;
    case L'c':
    case L'C':
      ClearKey();
      FNewval = true;
      break;
    default:
      if (Key >= L'0' && Key <= L'9') FNewval = false;
      break;
  }
}

// --- characters and keys in the edit ----------------------------------------------------------------

void TExCalculatorDropdown::CaretAfterFirst() {
  SetSelStart(static_cast<Integer>(Prefix().size()) + 1);
  SetSelLength(0);
}

void TExCalculatorDropdown::KeyPress(Char& Key) {
  if (!PadShowing() && Key == L'-') DoOperator(OpSubtract);
  const Char Decimal = GetDecimalSeparatorChar();
  if (!IsNumberChar(Key) && Key != Decimal && Key != VK_BACK && Key != L'-') {
    Key = 0;
    return;
  }
  const String V = Text();
  if (IsNumberChar(Key) && (V == L"0" || FNewval)) {
    SetText(String(1, Key));
    Key = 0;
    CaretAfterFirst();
    FNewval = false;
    return;
  }
  if (Key == VK_BACK && V.size() == 1) {
    SetText(L"0");
    Key = 0;
    CaretAfterFirst();
    return;
  }
  if (Key == GetThousandSeparatorChar() || (Key == Decimal && V.find(Decimal) != String::npos)) {
    Key = 0;
    return;
  }
  TExCustomDropDown::KeyPress(Key);
}

void TExCalculatorDropdown::Dispatch(TMessage& M) {
  TExCustomDropDown::Dispatch(M);
  if (M.Msg != WM_KEYDOWN || MsgAs<TWMKey>(M).CharCode != VK_DELETE) return;
  const String V = Text();
  if (V.empty() || V == ErrorText) SetText(L"0");
}

}  // namespace jorv::dropdown
