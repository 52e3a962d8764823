#include "edit/ExEdit.h"
#include "foundation/ValueUtils.h"
#include <algorithm>
#include <cmath>
#include <shellapi.h>
#include "edit/RangeList.h"
#include "edit/exeddd.h"
#include "foundation/XPTheme.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Form.h"
#include "platform/ui/Screen.h"

namespace jorv::edit {

using foundation::HexToInt;
using foundation::StripThousandSeparators;

bool ExEditDefaultHandling = true;

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
bool IsNumberSeparator(Char C) { return C == L',' || C == L'-' || C == L';'; }

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
    if (C != L'-' && !Digit && !((C >= L'A' && C <= L'F') || (C >= L'a' && C <= L'f'))) IsHex = false;
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

// --- construction ------------------------------------------------------------

namespace {

void FrameIn(HDC DC, const RECT& R, TColor Color) {
  HBRUSH B = CreateSolidBrush(ColorToRGB(Color));
  FrameRect(DC, &R, B);
  DeleteObject(B);
}

}  // namespace

TExEdit::TExEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FDefaultHandling = ExEditDefaultHandling;
  FIsThemed = foundation::CommonControlsThemed();
  FFontColor = Font()->Color();
  FLabelFont->OnChange = [this](TObject* Sender) { LabelFontChanged(Sender); };
  if (!Designing()) {
    FListBox = new TListHintWindow(this);
    FListBox->SetVisible(false);
    FListBox->SetBounds(0, 0, 0, 0);
    FListControl = new TListBoxTab(FListBox);
    FListControl->SetParent(FListBox);
    FListControl->SetAlign(alClient);
    FListControl->SetStyle(lbOwnerDrawFixed);
    FListControl->SetItemHeight(12);
    FListControl->SetCtl3D(false);
    FListControl->SetTabStop(true);
    FListControl->SetBorderStyle(bsNone);
    FListControl->SetTabOrder(0);
    FListBox->SetControlStyle(FListBox->ControlStyle() + csReplicatable);
    FListControl->SetControlStyle(FListControl->ControlStyle() + csReplicatable);
    FListControl->OnKeyPress = [this](TObject* Sender, Char& Key) { LookupListKeyPress(Sender, Key); };
    FListControl->OnMouseUp = [this](TObject* Sender, TMouseButton B, TShiftState Sh, Integer X, Integer Y) {
      LookupListMouseUp(Sender, B, Sh, X, Y);
    };
    FListBox->SetListControl(FListControl);
  }
}

TExEdit::~TExEdit() {
  // The window outlives this part of the edit, so what its destruction
  // would do here is done now: the text kept, the drop target revoked.
  if (HandleAllocated() && !Loading()) {
    if (!Designing()) try {
        SavePersist();
      } catch (const Exception&) {
      }
    RevokeDropTarget();
  }
  if (FListControl) {
    FListControl->OnKeyPress = nullptr;
    FListControl->OnMouseUp = nullptr;
  }
  FLabelFont->OnChange = nullptr;
  if (FLabel) {
    FLabel->SetParent(nullptr);
    delete FLabel;
    FLabel = nullptr;
  }
}

// --- label -------------------------------------------------------------------

void TExEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FLabel) FLabel = nullptr;
}

void TExEdit::CreateLabel() {
  FLabel = new TEditLabel(this);
  FLabel->SetParent(Parent());
  FLabel->SetFocusControl(this);
  FLabel->Font()->Assign(FLabelFont.get());
  FLabel->OnClick = [this](TObject* Sender) { DoLabelClick(Sender); };
  FLabel->OnDblClick = [this](TObject* Sender) { DoLabelDblClick(Sender); };
  FLabel->SetParentFont(ParentFont());
}

void TExEdit::SetLabelCaption(const String& Value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(Value);
  UpdateLabel();
}

void TExEdit::UpdateLabel() {
  if (!FLabel || !FLabel->Parent()) return;
  FLabel->SetTransparent(FLabelTransparent);
  if (FParentFnt && !FShowError)
    FLabel->Font()->Assign(Font());
  else
    FLabel->Font()->Assign(FLabelFont.get());
  if (FLabel->Parent()->HandleAllocated()) UpdateLabelPosition();
}

void TExEdit::UpdateLabelPosition() {
  if (!FLabel || !FLabel->Parent()) return;
  const Integer w = EditLabelCaptionWidth(FLabel->Caption(), FLabel->Font());
  const TSize LabelSize{FLabel->Width(), FLabel->Height()};
  const Integer b = BorderStyle() == bsSingle ? 2 : 0;
  const TPoint At = EditLabelPlace(FLabelPosition, BoundsRect(), LabelSize, w, FLabelMargin, b);
  FLabel->SetBounds(At.X, At.Y, LabelSize.cx, LabelSize.cy);
  FLabel->SetVisible(Visible());
}

void TExEdit::LabelFontChanged(TObject*) {
  UpdateLabel();
  if (Designing() && !Loading()) SetParentFont(false);
}

void TExEdit::DoLabelClick(TObject*) {
  if (OnLabelClick) OnLabelClick(this);
}

void TExEdit::DoLabelDblClick(TObject*) {
  if (OnLabelDblClick) OnLabelDblClick(this);
}

void TExEdit::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  UpdateLabel();
}

void TExEdit::SetLabelMargin(Integer Value) {
  FLabelMargin = Value;
  UpdateLabel();
}

void TExEdit::SetLabelFont(TFont* Value) {
  if (!ParentFont() && Value) FLabelFont->Assign(Value);
  UpdateLabel();
}

void TExEdit::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  UpdateLabel();
}

void TExEdit::SetLabelAlwaysEnabled(bool Value) {
  FLabelAlwaysEnabled = Value;
  if (FLabel) {
    if (Value) FLabel->SetEnabled(true);
    FLabel->SetAlwaysEnable(Value);
  }
  Invalidate();
}

void TExEdit::SetParent(TWinControl* AParent) {
  TCustomEdit::SetParent(AParent);
  if (FLabel) {
    FLabel->SetParent(AParent);
    FLabel->SetVisible(Visible());
    UpdateLabel();
  }
}

void TExEdit::SetVisible(bool Value) {
  TCustomEdit::SetVisible(Value);
  if (FLabel) FLabel->SetVisible(Value);
}

void TExEdit::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (FLabel)
    EditLabelRoom(FLabelPosition, Align(), TSize{FLabel->Width(), FLabel->Height()}, FLabelMargin, ALeft, ATop,
                  AWidth);
  TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FLabel && FLabel->Parent()) UpdateLabel();
  UpdateEditRect(FFlat);
}

void TExEdit::CMParentFontChanged(TMessage& M) {
  TCustomEdit::CMParentFontChanged(M);
  if (FLabel && ParentFont() && !FShowError) FLabel->Font()->Assign(Font());
  UpdateLabel();
}

void TExEdit::CMFontChanged(TMessage& M) {
  TCustomEdit::CMFontChanged(M);
  UpdateEditRect(FFlat);
  if ((Designing() || Loading()) && FLabel && ParentFont() && !FShowError) FLabel->Font()->Assign(Font());
}

void TExEdit::Init() {
  FNormalColor = TCustomEdit::Color();
  FFontColor = Font()->Color();
  FOldBorder = BorderStyle();
  // Written back through the setter, so the flat look is applied once.
  FFlat = !FFlat;
  SetFlat(!FFlat);
  UpdateLabel();
  if (!Enabled()) {
    // The colour the edit will return to once enabled stays the one it had.
    TCustomEdit::SetColor(FDisabledColor);
  }
}

void TExEdit::Loaded() {
  TCustomEdit::Loaded();
  if (!Designing()) Init();
  SetBounds(Left(), Top(), Width(), Height());
  if (!Designing()) LoadPersist();
  if (FLabel) {
    if (!FLabelAlwaysEnabled) {
      FLabel->SetEnabled(Enabled());
      FLabel->SetAlwaysEnable(false);
    }
    if (ParentFont() && !FShowError) FLabel->Font()->Assign(Font());
  }
  FParentFnt = ParentFont();
  UpdateLabel();
}

void TExEdit::CreateParams(TCreateParams& P) {
  TCustomEdit::CreateParams(P);
  // Multi-line windows take a formatting rectangle, which leaves room for
  // the buttons of descendants.
  if (FEditType != etPassword) P.Style |= ES_MULTILINE;
  P.Style &= ~(ES_LEFT | ES_RIGHT | ES_CENTER);
  if (FEditAlign == eaRight) P.Style |= ES_RIGHT;
  if (FEditAlign == eaCenter) P.Style |= ES_CENTER;
}

void TExEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  // A recreated window is a drop target again, as the old one was.
  if (FOleDropTarget && !FOleDropTargetAssigned) SetOleDropTarget(true);
  UpdateEditRect(FFlat);
  FIsError = !ValidateValue(Text());
  if (FIsError && Enabled() && FShowError) ApplyErrorColors();
}

void TExEdit::UpdateEditRect(bool AFlat) {
  if (!HandleAllocated()) return;
  RECT C{};
  GetClientRect(FHandle, &C);
  Integer K = FCtl3D ? 0 : Font()->Size() / 3;
  RECT R{};
  if (AFlat) {
    R = {K + 4 + FIndentL, 3, C.right - 4 - FIndentR - K, C.bottom - 4};
  } else {
    R = {K + FIndentL, 0, C.right - FIndentR - K, C.bottom};
  }
  if (!FCtl3D) {
    ++R.left;
    --R.right;
  }
  SendMessageW(FHandle, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&R));
}

// --- value -------------------------------------------------------------------

String TExEdit::Text() const {
  String S = WindowText();
  if (!FPrefix.empty() && S.size() >= FPrefix.size() &&
      AnsiUpperCase(S.substr(0, FPrefix.size())) == AnsiUpperCase(FPrefix))
    S.erase(0, FPrefix.size());
  if (!FSuffix.empty()) S.erase(S.size() - std::min(S.size(), FSuffix.size()));
  return S;
}

void TExEdit::SetWindowText(const String& Value) {
  if (!HandleAllocated() || !(GetWindowLongW(FHandle, GWL_STYLE) & ES_MULTILINE)) {
    TCustomEdit::SetText(Value);
    return;
  }
  // A multi-line window reports no change for text it is given, so the
  // change is announced here as the window would for typed text.
  if (WindowText() == Value) return;
  TCustomEdit::SetText(Value);
  TWMCommand C{};
  C.Msg = CN_COMMAND;
  C.NotifyCode = EN_CHANGE;
  C.Ctl = FHandle;
  CNCommand(C);
}


void TExEdit::SetText(const String& Value) {
  String V = Value;
  const bool NumberLike = IsNumberType() || FEditType == etHex;
  if (V.empty() && NumberLike && !FAllowNumericNullValue) V = L"0";
  if (FPrecisionDisplay == pdShortest) {
    if ((FEditType == etFloat || FEditType == etMoney) && !V.empty()) V = Format(L"%g", TextToFloat(V));
  } else if (!V.empty()) {
    if (FEditType == etMoney && FPrecision >= 0)
      V = Format(L"%." + IntToStr(FPrecision) + L"n", TextToFloat(V));
    else if (FEditType == etFloat && FPrecision > 0)
      V = Format(L"%." + IntToStr(FPrecision) + L"f", TextToFloat(V));
  }
  if (FEditType == etHex) V = AnsiUpperCase(V);
  SetWindowText(FPrefix + V + FSuffix);
  SetModified(false);
  if (FShowURL) ApplyURLStyle(IsURL());
}

void TExEdit::Clear() { SetText(String()); }

void TExEdit::SetEditText(const String& AValue) {
  FOrigText = AValue;
  SetText(AValue);
}

void TExEdit::SetPrefix(const String& Value) {
  String V = Text();
  FPrefix = Value;
  SetText(V);
}

void TExEdit::SetSuffix(const String& Value) {
  String V = Text();
  FSuffix = Value;
  SetText(V);
}

double TExEdit::TextToFloat(const String& S) const {
  double R = 0;
  if (!TryStrToFloat(StripThousandSeparators(S), R, FormatSettings())) return 0;
  return R;
}

Integer TExEdit::IntegerPartEnd(const String& S) const {
  String V = StripThousandSeparators(S);
  Integer P = CharPos(DS(), V);
  if (P == 0) P = Len(V) + 1;
  if (FSigned && IsNumberType() && CharPos(L'-', V) > 0) --P;
  return P;
}

Integer TExEdit::DecimalSeparatorPos() {
  String V = Text();
  Integer P = CharPos(DS(), V);
  if (P == 0) return Len(FPrefix) + Len(V) + Len(FSuffix) + 1;
  return P + Len(FPrefix);
}

double TExEdit::FloatValue() const {
  String V = Text();
  switch (FEditType) {
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

void TExEdit::SetFloatValue(double Value) {
  const String Fixed = L"%." + IntToStr(FPrecision) + L"f";
  switch (FEditType) {
    case etString:
    case etFloat: SetText(FPrecision < 0 ? Format(L"%g", Value) : Format(Fixed, Value)); break;
    case etNumeric:
      // Whole and ungrouped, as the filter lets a user type it, so that
      // it still reads back as an integer.
      SetText(FPrecision < 0 ? Format(L"%g", Value) : Format(L"%.0f", Value));
      break;
    case etMoney:
      SetText(FPrecision < 0 ? Format(L"%g", Value) : Format(Fixed, Value));
      UpdateThousandSeparators();
      break;
    case etHex: SetText(IntToHex(static_cast<Integer>(std::trunc(Value)), 0)); break;
    default: break;
  }
  SetModified(true);
}

Integer TExEdit::IntValue() const {
  String V = Text();
  Integer R = 0, Code = 0;
  switch (FEditType) {
    case etNumeric: Val(V, R, Code); return Code == 0 ? R : 0;
    case etFloat:
    case etMoney: {
      // The whole part of the number shown, not nothing for its decimals.
      const double X = std::trunc(FloatValue());
      if (X >= 2147483647.0) return 2147483647;
      if (X <= -2147483648.0) return -2147483647 - 1;
      return static_cast<Integer>(X);
    }
    case etHex: return V.empty() ? 0 : HexToInt(V);
    default: return 0;
  }
}

void TExEdit::SetIntValue(Integer Value) {
  switch (FEditType) {
    case etNumeric:
    case etFloat: SetText(IntToStr(Value)); break;
    case etMoney:
      SetText(IntToStr(Value));
      UpdateThousandSeparators();
      break;
    case etHex: SetText(IntToHex(Value, 0)); break;
    default: break;
  }
  SetModified(true);
}

void TExEdit::SetModified(bool Value) {
  if (Loading() || ReadOnly()) return;
  if (FShowModified) Font()->SetColor(Value ? FModifiedColor : FFontColor);
  TCustomEdit::SetModified(Value);
  FIsModified = Value;
}

void TExEdit::UpdateThousandSeparators() {
  String V = Text();
  if (V.empty() || !HandleAllocated()) return;
  const Integer OldLen = Len(V), OldStart = SelStart();
  String Sign;
  if (V[0] == L'-') Sign = L"-";
  String DecPart;
  if (Integer P = CharPos(DS(), V)) DecPart = V.substr(P - 1, 255);
  double Whole = std::trunc(std::fabs(FloatValue()));
  String IntPart = Format(FAutoThousandSeparator ? L"%n" : L"%f", Whole);
  if (Integer P = CharPos(DS(), IntPart)) IntPart.erase(P - 1);
  const int16_t Saved = FPrecision;
  FPrecision = 0;
  String NewText = FPrefix + Sign + IntPart + DecPart + FSuffix;
  if (WindowText() != NewText) {
    // The key that led here already reported its change.
    FBlockChange = true;
    SetWindowText(NewText);
  }
  FBlockChange = false;
  FPrecision = Saved;
  const Integer NewLen = Len(Text());
  SendMessageW(FHandle, EM_SETSEL, OldStart + NewLen - OldLen, OldStart + NewLen - OldLen);
}

// --- selection ---------------------------------------------------------------

void TExEdit::SelectAll() {
  if (!HandleAllocated()) return;
  String V = Text();
  Integer Start = Len(FPrefix);
  if (FShowURL) {
    if (auto P = V.find(L"://"); P != String::npos)
      Start = static_cast<Integer>(P) + 1 + 2;
    else if (auto M = V.find(L"mailto:"); M != String::npos)
      Start = static_cast<Integer>(M) + 1 + 6;
  }
  SendMessageW(FHandle, EM_SETSEL, Start, Start + Len(V));
}

void TExEdit::SelectBeforeDecimal() {
  Integer P = CharPos(DS(), Text());
  Integer At = P ? Len(FPrefix) + P - 1 : Len(FPrefix);
  SendMessageW(Handle(), EM_SETSEL, At, At);
}

void TExEdit::SelectAfterDecimal() {
  Integer P = CharPos(DS(), Text());
  Integer At = P ? Len(FPrefix) + P : Len(FPrefix);
  SendMessageW(Handle(), EM_SETSEL, At, At);
}

Integer TExEdit::CharFromPos(TPoint Pt) {
  LRESULT R = SendMessageW(Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(Pt.X, Pt.Y));
  return LOWORD(R);
}

TPoint TExEdit::PosFromChar(Integer Index) {
  String W = WindowText();
  if (W.empty()) return TPoint{0, 0};
  if (Index < Len(W)) {
    LRESULT R = SendMessageW(Handle(), EM_POSFROMCHAR, Index, 0);
    return TPoint{static_cast<SmallInt>(LOWORD(R)), static_cast<SmallInt>(HIWORD(R))};
  }
  LRESULT R = SendMessageW(Handle(), EM_POSFROMCHAR, Len(W) - 1, 0);
  HDC DC = GetDC(FHandle);
  String WC = String(L"w") + W.back();
  SIZE A{}, B{};
  GetTextExtentPoint32W(DC, WC.c_str(), 2, &A);
  GetTextExtentPoint32W(DC, L"w", 1, &B);
  ReleaseDC(FHandle, DC);
  return TPoint{static_cast<SmallInt>(LOWORD(R)) + (A.cx - B.cx), static_cast<SmallInt>(HIWORD(R))};
}

Integer TExEdit::GetTextSize() {
  String V = Text();
  HDC DC = GetDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, Font()->Handle());
  SIZE S{};
  GetTextExtentPoint32W(DC, V.c_str(), Len(V), &S);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  return S.cx;
}

// --- validation, version, links ----------------------------------------------

bool TExEdit::ValidateValue(const String& Value) {
  if (FIsValidating) return true;
  FIsValidating = true;
  bool Result = true;
  if (FEditType == etNumeric && (FMinValue != 0 || FMaxValue != 0)) {
    Integer N = 0;
    if (!TryStrToInt(Value, N)) N = 0;
    Result = FMinValue <= N && N <= FMaxValue;
  }
  if ((FEditType == etFloat || FEditType == etMoney) && (FMinFloatValue != 0 || FMaxFloatValue != 0)) {
    double X = TextToFloat(Value);
    Result = FMinFloatValue <= X && X <= FMaxFloatValue;
  }
  {
    auto Restore = ScopeExit([&] { FIsValidating = false; });
    DoValueValidate(Value, Result);
  }
  return Result;
}

void TExEdit::DoValueValidate(const String& Value, bool& IsValid) {
  if (OnValueValidate) OnValueValidate(this, Value, IsValid);
}

String TExEdit::Version() const {
  Cardinal V = GetVersionNr();
  return IntToStr(V >> 24) + L"." + IntToStr((V >> 16) & 0xFF) + L"." + IntToStr((V >> 8) & 0xFF) + L"." +
         IntToStr(V & 0xFF);
}

bool TExEdit::IsURL() {
  String V = Text();
  if (V.find(L"://") != String::npos) return true;
  if (auto P = V.find(L'@'); P != String::npos && P > 0) return true;
  return AnsiLowerCase(V).rfind(L"www.", 0) == 0;
}

void TExEdit::ApplyURLStyle(bool On) {
  if (On) {
    SetParentFont(false);
    FParentFnt = false;
    Font()->SetStyle(Font()->Style() + fsUnderline);
    Font()->SetColor(FURLColor);
    FIsUrl = true;
    SetCursor(crHandPoint);
  } else {
    if (!FIsUrl) return;
    Font()->SetStyle(Font()->Style() - fsUnderline);
    Font()->SetColor(FFontColor);
    FIsUrl = false;
    SetCursor(crDefault);
  }
  Invalidate();
}

// --- property writers --------------------------------------------------------

void TExEdit::SetEditType(TExEditType Value) {
  if (FEditType == Value) return;
  FEditType = Value;
  if (Value == etPassword) {
    FCanUndo = false;
    SetPasswordChar(L'*');
    if (HandleAllocated()) RecreateWnd();
  } else {
    SetPasswordChar(0);
    // The multi-line style comes and goes with the password type.
    if (HandleAllocated()) RecreateWnd();
  }
  String V = Text();
  if (V.empty() && FAllowNumericNullValue) return;
  Integer C = ClassifyNumberText(V);
  if (Value == etNumeric && C != 0) SetIntValue(0);
  if ((Value == etFloat || Value == etMoney) && C > 1) SetFloatValue(0);
  if (Value == etHex && C != 0 && C != 5) SetIntValue(0);
  // Placed by a designer, a float edit starts with two decimals.
  const TComponent* O = Owner();
  const bool Placing = Designing() && !(O && (O->ComponentState().Contains(csReading) ||
                                              O->ComponentState().Contains(csLoading)));
  if (Placing && Value == etFloat && FPrecision == 0) SetPrecision(2);
}

void TExEdit::SetPrecision(int16_t Value) {
  if (FPrecision == Value) return;
  if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
  FPrecision = Value;
  String V = Text();
  if (V.empty() && FAllowNumericNullValue) return;
  SetFloatValue(ClassifyNumberText(V) > 1 ? 0 : FloatValue());
}

void TExEdit::SetPrecisionDisplay(TPrecisionDisplay Value) {
  if (FPrecisionDisplay == Value) return;
  FPrecisionDisplay = Value;
  SetFloatValue(FloatValue());
}

void TExEdit::SetCanUndo(bool Value) {
  if (FCanUndo == Value) return;
  FCanUndo = Value && FEditType != etPassword;
  if (HandleAllocated()) RecreateWnd();
}

void TExEdit::SetAutoThousandSeparator(bool Value) {
  FAutoThousandSeparator = Value;
  if (FEditType == etFloat || FEditType == etMoney) UpdateThousandSeparators();
}

void TExEdit::SetColor(TColor Value) {
  TCustomEdit::SetColor(Value);
  FNormalColor = Value;
}

void TExEdit::SetDisabledColor(TColor Value) {
  if (FDisabledColor == Value) return;
  FDisabledColor = Value;
  if (!Enabled() && !Loading() && !Designing()) TCustomEdit::SetColor(Value);
  Invalidate();
}

void TExEdit::SetEmptyText(const String& Value) {
  if (FEmptyText == Value) return;
  FEmptyText = Value;
  Invalidate();
}

void TExEdit::SetEmptyTextStyle(TFontStyles Value) {
  if (FEmptyTextStyle == Value) return;
  FEmptyTextStyle = Value;
  Invalidate();
}

void TExEdit::SetEditAlign(TEditAlign Value) {
  if (FEditAlign == Value) return;
  FEditAlign = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TExEdit::SetIsError(bool Value) {
  if (Designing() || Loading() || FIsError == Value) return;
  FIsError = Value;
  if (FShowError) ApplyErrorColors();
}

void TExEdit::ApplyErrorColors() {
  if (FIsError) {
    TCustomEdit::SetColor(FErrorColor);
    Font()->SetColor(FErrorFontColor);
  } else if (HandleAllocated() && Focused()) {
    TCustomEdit::SetColor(FFocusColor == clNone ? FNormalColor : FFocusColor);
    if (FFocusFontColor != clNone) Font()->SetColor(FFocusFontColor);
  } else {
    TCustomEdit::SetColor(FNormalColor);
    Font()->SetColor(FFontColor);
  }
}

void TExEdit::SetEnabled(bool Value) {
  if (Enabled() == Value) return;
  TCustomEdit::SetEnabled(Value);
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Value);
  if (Loading() || Designing()) return;
  if (Value) {
    TCustomEdit::SetColor(FNormalColor);
    if (FIsError && FShowError) ApplyErrorColors();
  } else {
    if (!FIsError) FNormalColor = TCustomEdit::Color();
    TCustomEdit::SetColor(FDisabledColor);
  }
}

// --- messages ----------------------------------------------------------------

void TExEdit::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case CM_WANTSPECIALKEY: HandleWantSpecialKeyMessage(MsgAs<TCMWantSpecialKey>(M)); return;
    case WM_PASTE: HandlePasteMessage(M); return;
    case WM_COPY: HandleCopyMessage(M); return;
    case WM_CUT: HandleCutMessage(M); return;
    case WM_DESTROY:
      if (!Loading()) {
        // An unwritable store must not take the window's destruction (often
        // inside a destructor) down with it.
        if (!Designing()) try {
            SavePersist();
          } catch (const Exception&) {
          }
        RevokeDropTarget();
      }
      break;
    case WM_SYSKEYDOWN:
      if (MsgAs<TWMSysKeyDown>(M).CharCode == VK_MENU && LookupVisible()) ReturnFocusFromLookup();
      break;
    case CM_CANCELMODE:
      TCustomEdit::Dispatch(M);
      if (LookupVisible()) HideLookup();
      return;
    case WM_LBUTTONDOWN:
      if (ArmTextDrag(MsgAs<TWMLButtonDown>(M))) return;
      break;
    case WM_MOUSEMOVE:
      TCustomEdit::Dispatch(M);
      DragArmedText();
      return;
    case WM_LBUTTONUP: HandleLButtonUpMessage(MsgAs<TWMLButtonUp>(M)); return;
    case WM_GETDLGCODE:
      TCustomEdit::Dispatch(M);
      // The window is multi-line only for its formatting rectangle: like a
      // single-line edit it leaves Return and Esc to the form's buttons,
      // unless Return is to move the focus itself.
      if (!FReturnIsTab) M.Result &= ~DLGC_WANTALLKEYS;
      return;
    case WM_NCPAINT:
      TCustomEdit::Dispatch(M);
      if (FFocusBorderColor != clNone || FBorderColor != clNone || (!Enabled() && FDisabledBorder)) PaintBorder();
      return;
    case WM_PRINT: {
      TCustomEdit::Dispatch(M);
      // A rendered copy gets the frame the window shows.
      const auto& Print = MsgAs<TWMPrint>(M);
      if ((Print.Flags & PRF_NONCLIENT) && (FFocusBorderColor != clNone || FBorderColor != clNone || FBorder3D))
        DrawBorder(Print.DC);
      return;
    }
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
      TCustomEdit::Dispatch(M);
      if (FTransparent) {
        SetBkMode(MsgAs<TWMCtlColor>(M).ChildDC, TRANSPARENT);
        // The window fills its lines with this brush: a hollow one keeps
        // what the parent painted underneath.
        M.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      }
      return;
  }
  TCustomEdit::Dispatch(M);
}

bool TExEdit::ArmTextDrag(const TWMMouse& M) {
  // A press inside the selection arms a drag and keeps the selection.
  const Integer S = SelStart(), L = SelLength();
  if (L <= 0 || !Focused()) return false;
  const Integer C = CharFromPos(M.Pos());
  if (C < S || C >= S + L) return false;
  FButtonDown = true;
  return true;
}

void TExEdit::DragArmedText() {
  if (!FButtonDown || SelLength() <= 0 || !FOleDropSource) return;
  const String S = WindowText().substr(SelStart(), SelLength());
  DWORD Effect = DROPEFFECT_NONE;
  FIsDragSource = true;
  const HRESULT R = StartEditTextDrag(S, String(), DROPEFFECT_COPY | DROPEFFECT_MOVE, Effect);
  FIsDragSource = false;
  if (GetKeyState(VK_CONTROL) >= 0 && R == DRAGDROP_S_DROP) {
    SendMessageW(FHandle, WM_CLEAR, 0, 0);
    ClearDropCaret();
    Invalidate();
  }
  FButtonDown = false;
}

void TExEdit::HandleLButtonUpMessage(TWMMouse& M) {
  if (FButtonDown) {
    // Armed but not dragged: a plain click at that character.
    FButtonDown = false;
    const Integer C = CharFromPos(M.Pos());
    SendMessageW(FHandle, EM_SETSEL, C, C);
    Click();
  }
  TCustomEdit::Dispatch(MsgBase(M));
  if (FIsUrl && FShowURL && Focused()) {
    bool Show = true;
    String V = Text();
    if (OnURLClick) OnURLClick(this, V, Show);
    if (Show) ShellExecuteW(nullptr, L"open", V.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return;
  }
  // Keep the selection out of the prefix and the suffix.
  const Integer PL = Len(FPrefix), VL = Len(Text());
  Integer S = SelStart(), L = SelLength();
  if (PL > 0 && S < PL) {
    SendMessageW(FHandle, EM_SETSEL, PL, PL + VL);
  } else if (!FSuffix.empty()) {
    if (S > PL + VL)
      SendMessageW(FHandle, EM_SETSEL, PL + VL, PL + VL);
    else if (S + L > PL + VL)
      SendMessageW(FHandle, EM_SETSEL, S, PL + VL);
  }
}

void TExEdit::CNCommand(TWMCommand& M) {
  if (M.NotifyCode == EN_CHANGE) {
    if (FBlockChange) {
      FBlockChange = false;
      return;
    }
    if (FShowURL) {
      bool U = IsURL();
      if (U != FIsUrl) ApplyURLStyle(U);
    }
    // Nothing fills behind the text of a see-through edit: the old
    // glyphs go only with a full repaint.
    if (FTransparent) Invalidate();
  }
  TCustomEdit::CNCommand(M);
}

void TExEdit::Change() {
  TCustomEdit::Change();
  if (!Loading() && FShowError) SetIsError(!ValidateValue(Text()));
}

void TExEdit::WMSetFocus(TWMSetFocus& M) {
  TCustomEdit::WMSetFocus(M);
  if (Loading()) return;
  String V = Text();
  FOrigText = V;
  if (FFocusColor != clNone && ValidateValue(V)) TCustomEdit::SetColor(FFocusColor);
  if ((!FIsError || !FShowError) && !FShowModified) {
    if (Font()->Color() != FFontColor && !FIsUrl) FFontColor = Font()->Color();
    if (!(FShowURL && IsURL()) && FFocusFontColor != clNone) Font()->SetColor(FFocusFontColor);
  }
  if (AutoSelect()) SelectAll();
  if (FFocusLabel && FLabel) {
    FLabel->Font()->SetStyle(FLabel->Font()->Style() + fsBold);
    UpdateLabelPosition();
  }
  if (FFocusWidthInc > 0 && !FAlignChanging) SetBounds(Left(), Top(), Width() + FFocusWidthInc, Height());
  if (!FAlignChanging) FOldEditAlign = FEditAlign;
  if (FFocusAlign != FEditAlign && FFocusAlign != eaDefault && !FAlignChanging) {
    FAlignChanging = true;
    FEditAlign = FFocusAlign;
    RecreateWnd();
    FAlignChanging = false;
  }
  if ((!FEmptyText.empty() && V.empty()) || FFocusBorder || FFocusBorderColor != clNone) {
    if (BorderStyle() == bsNone) UpdateEditRect(true);
    Invalidate();
  }
}

void TExEdit::WMKillFocus(TWMKillFocus& M) {
  if (Loading()) {
    TCustomEdit::WMKillFocus(M);
    return;
  }
  if (LookupVisible() && !(FListBox->HandleAllocated() && (M.FocusedWnd == FListBox->Handle() ||
                                                          IsChild(FListBox->Handle(), M.FocusedWnd))))
    HideLookup();
  // An error that is not shown holds no colour of its own to keep.
  if (!(FIsError && FShowError) && TCustomEdit::Color() != FNormalColor) TCustomEdit::SetColor(FNormalColor);
  if ((!FIsError || !FShowError) && !FShowModified && !(FShowURL && IsURL())) Font()->SetColor(FFontColor);
  if (FFocusLabel && FLabel) {
    FLabel->Font()->SetStyle(FLabel->Font()->Style() - fsBold);
    UpdateLabelPosition();
  }
  String V = Text();
  const bool Floating = FEditType == etFloat || FEditType == etMoney;
  if (FPrecision > 0 && Floating && (!V.empty() || !FAllowNumericNullValue)) {
    bool Was = FIsModified;
    SetFloatValue(FloatValue());
    SetModified(Was);
  }
  V = Text();
  if (V.empty() && !FAllowNumericNullValue) {
    if (FEditType == etNumeric) SetText(L"0");
    if (Floating) SetFloatValue(0);
  }
  if (FEditType == etNumeric && (FMinValue != 0 || FMaxValue != 0)) {
    Integer N = 0;
    if (!TryStrToInt(Text(), N)) N = 0;
    if (N < FMinValue) SetText(IntToStr(FMinValue));
    if (N > FMaxValue) SetText(IntToStr(FMaxValue));
  }
  ValidateValue(Text());
  TCustomEdit::WMKillFocus(M);
  if (!FAlignChanging) AddToHistory();
  if (!FAlignChanging) {
    if (FFocusWidthInc > 0) SetBounds(Left(), Top(), Width() - FFocusWidthInc, Height());
    if (FOldEditAlign != FEditAlign && FFocusAlign != eaDefault) {
      FAlignChanging = true;
      FEditAlign = FOldEditAlign;
      RecreateWnd();
      FAlignChanging = false;
    }
    if (!FEmptyText.empty() && Text().empty()) Invalidate();
    if (HandleAllocated() && (FFocusBorderColor != clNone || FBorderColor != clNone))
      SendMessageW(FHandle, WM_NCPAINT, 1, 0);
    if (FErrorMarkerLen > 0) Invalidate();
  }
}

void TExEdit::CMHintShow(TMessage& M) {
  if (FHintShowLargeText && GetTextSize() > Width()) {
    if (THintInfo* HI = MsgAs<TCMHintShow>(M).HintInfo) {
      HI->HintStr = Text();
      HI->HintPos = ClientOrigin();
    }
  }
  TCustomEdit::CMHintShow(M);
}

// --- flat look, borders and decorations ---------------------------------------

void TExEdit::SetFlat(bool Value) {
  if (Loading()) {
    FFlat = Value;
    return;
  }
  if (FFlat == Value) return;
  FFlat = Value;
  if (Value) {
    const TColor Before = TCustomEdit::Color();
    if (FFlatParentColor && Parent()) {
      TCustomEdit::SetColor(Parent()->Brush()->Color());
      FFocusColor = Parent()->Brush()->Color();
    } else {
      TCustomEdit::SetColor(FNormalColor);
    }
    FNormalColor = Before;
    FOldBorder = BorderStyle();
    SetBorderStyle(bsNone);
    UpdateEditRect(true);
  } else {
    TCustomEdit::SetColor(FNormalColor);
    SetBorderStyle(FOldBorder);
    UpdateEditRect(false);
  }
  Invalidate();
}

void TExEdit::SetFlatParentColor(bool Value) {
  FFlatParentColor = Value;
  Invalidate();
}

void TExEdit::SetFlatLineColor(TColor Value) {
  FFlatLineColor = Value;
  Invalidate();
}

void TExEdit::SetSoftBorder(bool Value) {
  if (FSoftBorder == Value) return;
  FSoftBorder = Value;
  Invalidate();
}

void TExEdit::SetBorderColor(TColor Value) {
  if (FBorderColor == Value) return;
  FBorderColor = Value;
  if (HandleAllocated()) SendMessageW(FHandle, WM_NCPAINT, 1, 0);
}

void TExEdit::SetFocusBorder(bool Value) {
  if (FFocusBorder == Value) return;
  FFocusBorder = Value;
  Invalidate();
}

void TExEdit::SetBorder3D(bool Value) {
  if (FBorder3D == Value) return;
  FBorder3D = Value;
  Invalidate();
}

void TExEdit::SetDisabledBorder(bool Value) {
  if (FDisabledBorder == Value) return;
  FDisabledBorder = Value;
  Invalidate();
}

void TExEdit::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Invalidate();
}

void TExEdit::SetErrorMarkerPos(Integer Value) {
  FErrorMarkerPos = Value;
  Invalidate();
}

void TExEdit::SetErrorMarkerLen(Integer Value) {
  FErrorMarkerLen = Value;
  Invalidate();
}

bool TExEdit::UseBorder3D() {
  if (FBorder3D) return true;
  if (!FFocusBorder) return false;
  if (Designing()) return Enabled();
  return FMouseInControl || (Screen && Screen->ActiveControl() == this);
}

void TExEdit::DrawBorder(HDC DC) {
  if (Designing() && FBorderColor == clNone) return;
  const bool Focus = HandleAllocated() && Focused();
  TColor C = clNone;
  if (!Enabled() && FIsThemed && FDisabledBorder)
    C = clSilver;
  else if (FBorderColor != clNone && (!Focus || FFocusBorderColor == clNone))
    C = FBorderColor;
  else if (FFocusBorderColor != clNone && Focus)
    C = FFocusBorderColor;
  RECT R{0, 0, Width(), Height()};
  if (C != clNone) {
    FrameIn(DC, R, C);
    return;
  }
  if (!Enabled() || (FFocusBorder && FIsThemed)) return;
  if (UseBorder3D()) {
    DrawEdge(DC, &R, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FrameIn(DC, R, clBtnFace);
  } else {
    const TColor P = Parent() ? Parent()->Brush()->Color() : clBtnFace;
    FrameIn(DC, R, P);
    InflateRect(&R, -1, -1);
    FrameIn(DC, R, P);
  }
}

void TExEdit::PaintBorder() {
  if (!HandleAllocated()) return;
  if (!Enabled() || FFlat || FBorderColor != clNone || (FFocusBorder && FMouseInControl) || FBorder3D ||
      FFocusBorderColor != clNone) {
    HDC DC = GetWindowDC(FHandle);
    DrawBorder(DC);
    ReleaseDC(FHandle, DC);
  }
}

void TExEdit::WMPaint(TWMPaint& M) {
  HDC Given = M.DC;
  TCustomEdit::WMPaint(M);
  if (!HandleAllocated()) return;
  HDC DC = Given ? Given : GetDC(FHandle);
  DrawDecorations(DC);
  if (!Given) ReleaseDC(FHandle, DC);
  if (!Given && (FBorder3D || FFocusBorderColor != clNone || FBorderColor != clNone || (!Enabled() && FDisabledBorder)))
    PaintBorder();
}

void TExEdit::WMEraseBkgnd(TWMEraseBkgnd& M) {
  if (!FTransparent || !Parent() || !M.DC) {
    TCustomEdit::WMEraseBkgnd(M);
    return;
  }
  // The parent paints what lies under the edit into the edit's DC.
  const int Saved = SaveDC(M.DC);
  POINT Org{};
  GetWindowOrgEx(M.DC, &Org);
  SetWindowOrgEx(M.DC, Org.x + Left(), Org.y + Top(), nullptr);
  SendMessageW(Parent()->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(M.DC), 0);
  SendMessageW(Parent()->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(M.DC), 0);
  RestoreDC(M.DC, Saved);
  M.Result = 1;
}

void TExEdit::DrawDecorations(HDC DC) {
  const bool Focus = Focused();
  if (FFlat) {
    if (FFocusBorder && Focus) {
      DrawBorder(DC);
    } else if (FFlatLineColor != clNone) {
      RECT R{};
      SendMessageW(FHandle, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&R));
      HPEN Pen = CreatePen(PS_SOLID, 1, ColorToRGB(Enabled() ? FFlatLineColor : TColor(0x808080)));
      HGDIOBJ Old = SelectObject(DC, Pen);
      const Integer W = Width(), H = Height(), X0 = R.left - 4 + FIndentL;
      if (FSoftBorder) {
        POINT Pts[] = {{X0, H - 1}, {W - 1, H - 1}, {W - 1, R.top - 3}, {X0, R.top - 3}, {X0, H - 1}};
        Polyline(DC, Pts, 5);
      } else {
        MoveToEx(DC, R.left - 2 + FIndentL, H - 1, nullptr);
        LineTo(DC, W - FIndentR, H - 1);
      }
      SelectObject(DC, Old);
      DeleteObject(Pen);
    }
  }
  if (FCaretPos.X != -1 || FCaretPos.Y != -1) {
    // The drop caret mark: one pixel wide, the font's height from its point.
    TEXTMETRICW TM{};
    HGDIOBJ OldF = SelectObject(DC, Font()->Handle());
    GetTextMetricsW(DC, &TM);
    SelectObject(DC, OldF);
    RECT R{FCaretPos.X, FCaretPos.Y, FCaretPos.X + 1, FCaretPos.Y + TM.tmHeight};
    FillRect(DC, &R, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  if (Text().empty() && !FEmptyText.empty() && (FEmptyTextFocused || !Focus)) {
    TFont F;
    F.Assign(Font());
    F.SetStyle(FEmptyTextStyle);
    F.SetColor(TColor(0x808080));
    HGDIOBJ Old = SelectObject(DC, F.Handle());
    SetBkColor(DC, ColorToRGB(TCustomEdit::Color()));
    SetBkMode(DC, OPAQUE);
    SetTextColor(DC, ColorToRGB(F.Color()));
    const Integer X = Ctl3D() ? 3 : 6;
    TextOutW(DC, X, 2, FEmptyText.c_str(), Len(FEmptyText));
    SelectObject(DC, Old);
  }
  if (!Focus && FErrorMarkerLen > 0) DrawErrorMarker(DC, FErrorMarkerPos, FErrorMarkerLen);
}

void TExEdit::DrawErrorMarker(HDC DC, Integer Pos, Integer Count) {
  const Integer VL = Len(Text());
  auto At = [&](Integer I) {
    LRESULT R = SendMessageW(FHandle, EM_POSFROMCHAR, I, 0);
    return POINT{static_cast<SmallInt>(LOWORD(R)), static_cast<SmallInt>(HIWORD(R))};
  };
  POINT S{}, E{};
  if (Pos >= VL) {
    S = At(std::max(0, VL - 1));
    S.x += 4;
  } else {
    S = At(Pos);
  }
  if (Pos + Count >= VL) {
    E = At(std::max(0, VL - 1));
    E.x += 4;
    E.y = S.y;
  } else {
    E = At(Pos + Count - 1);
  }
  HGDIOBJ OldF = SelectObject(DC, Font()->Handle());
  SIZE Sz{};
  GetTextExtentPoint32W(DC, L"gh", 2, &Sz);
  SelectObject(DC, OldF);
  const Integer H = Sz.cy - 1;
  HPEN Pen = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
  HGDIOBJ Old = SelectObject(DC, Pen);
  Integer X = S.x;
  bool Up = false;
  MoveToEx(DC, X, S.y + H + 3, nullptr);
  while (X <= E.x) {
    X += 3;
    LineTo(DC, X, E.y + H + (Up ? 3 : 0));
    Up = !Up;
  }
  X += 3;
  LineTo(DC, X, E.y + H + (Up ? 3 : 0));
  SelectObject(DC, Old);
  DeleteObject(Pen);
}

void TExEdit::MouseEnter() {
  TCustomEdit::MouseEnter();
  if (FAutoFocus && !Designing()) {
    TCustomForm* F = GetParentForm();
    if ((!F || (F->HandleAllocated() && GetActiveWindow() == F->Handle())) && CanFocus()) SetFocus();
  }
  if (!FMouseInControl && Enabled()) {
    FMouseInControl = true;
    if (FFocusBorder) PaintBorder();
  }
}

void TExEdit::MouseLeave() {
  TCustomEdit::MouseLeave();
  if (FMouseInControl && Enabled()) {
    FMouseInControl = false;
    if (FFocusBorder) Invalidate();
  }
}

void TExEdit::CMEnabledChanged(TMessage& M) {
  TCustomEdit::CMEnabledChanged(M);
  if (Enabled() && FIsError && FShowError) ApplyErrorColors();
}

// --- keys and clipboard ------------------------------------------------------

void TExEdit::WMKeyDown(TWMKey& M) {
  auto Consume = [&] {
    M.CharCode = 0;
    M.Result = 0;
  };
  if (!FEditorEnabled) {
    M.Result = 1;
    M.CharCode = 0;
    return;
  }
  const Word Key = M.CharCode;
  if (LookupVisible() && LookupKeyDown(M)) return;
  if ((Key == VK_UP || Key == VK_DOWN) && !LookupVisible()) {
    // Only the lookup list moves with these; the caret stays.
    DoKeyDown(M);
    M.Result = 1;
    return;
  }
  const bool Ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool Shift = GetKeyState(VK_SHIFT) < 0;
  if ((Key == VK_TAB || Key == VK_RETURN) && Ctrl) {
    TCustomEdit::WMKeyDown(M);
    return;
  }
  const Integer PL = Len(FPrefix);
  const String V = Text();
  const Integer VL = Len(V);
  DWORD SelS = 0, SelE = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&SelS), reinterpret_cast<LPARAM>(&SelE));
  const Integer S = static_cast<Integer>(SelS), E = static_cast<Integer>(SelE);
  if (Key == VK_RETURN && FReturnIsTab) {
    M.CharCode = FReturnAsTabKey;
    if (IsWindowVisible(FHandle))
      if (TCustomForm* F = GetParentForm()) F->SelectNext(this, true, true);
  }
  // Positions against the window text: the value ends at PL + VL.
  if (Key == VK_RIGHT && !FSuffix.empty() && E >= PL + VL) return Consume();
  if (Key == VK_DELETE && !FSuffix.empty()) {
    if (E >= PL + VL && S == E) return Consume();
    SetModified(true);
  }
  if (Key == VK_LEFT && PL > 0 && PL >= E) return Consume();
  if (Key == VK_END && !FSuffix.empty()) {
    if (Shift)
      SendMessageW(FHandle, EM_SETSEL, S, PL + VL);
    else
      SendMessageW(FHandle, EM_SETSEL, PL + VL, PL + VL);
    return Consume();
  }
  if (Key == VK_HOME && PL > 0) {
    if (Shift)
      SendMessageW(FHandle, EM_SETSEL, PL + VL, PL);
    else
      SendMessageW(FHandle, EM_SETSEL, PL, PL);
    return Consume();
  }
  if (Key == VK_BACK && PL > 0) {
    if (S <= PL) {
      Word K = Key;
      if (OnKeyDown) OnKeyDown(this, K, TShiftState{});
      return Consume();
    }
    SetModified(true);
  }
  if (Key == VK_DELETE && S >= PL) {
    String Pred = V;
    const Integer B = S - PL;
    if (E > S)
      Pred.erase(std::min<size_t>(B, Pred.size()), E - S);
    else if (B < VL)
      Pred.erase(B, 1);
    if (FLengthLimit > 0 && IntegerPartEnd(Pred) - 1 > FLengthLimit) return Consume();
    SetModified(true);
  }
  TCustomEdit::WMKeyDown(M);
  if (Key == VK_DELETE && FEditType == etMoney) UpdateThousandSeparators();
  if (PL > 0 && HandleAllocated() && SelStart() < PL) SendMessageW(FHandle, EM_SETSEL, PL, PL);
}

void TExEdit::HandleWantSpecialKeyMessage(TWMKey& M) {
  TCustomForm* F = GetParentForm();
  if (!F) return;
  if (FBlockDefaultHandling) {
    FBlockDefaultHandling = false;
    return;
  }
  if (M.CharCode == VK_ESCAPE && FCanUndo && !F->KeyPreview()) {
    if (LookupVisible()) {
      // The first Esc only closes the list.
      FBlockDefaultHandling = true;
      HideLookup();
    } else {
      SetText(FOrigText);
      SelectAll();
    }
    if (FFocusFontColor != clNone) Font()->SetColor(FFocusFontColor);
    SetModified(false);
    M.CharCode = 0;
    M.Result = 0;
    if (Parent() && FDefaultHandling) {
      PostMessageW(Parent()->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageW(Parent()->Handle(), WM_KEYUP, VK_ESCAPE, 0);
    }
  } else if (M.CharCode == VK_RETURN && FDefaultHandling && !F->KeyPreview() && Parent() &&
             GetFocus() == Parent()->Handle()) {
    PostMessageW(Parent()->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(Parent()->Handle(), WM_KEYUP, VK_RETURN, 0);
  }
  DefaultHandler(MsgBase(M));
}

String TExEdit::SelectedValue() {
  const String V = Text();
  Integer B = std::max(0, SelStart() - Len(FPrefix));
  if (B >= Len(V)) return String();
  return V.substr(B, std::max(0, std::min(SelLength(), Len(V) - B)));
}

namespace {
bool AllOf(const String& S, const std::function<bool(Char)>& Ok) {
  for (Char C : S)
    if (!Ok(C)) return false;
  return true;
}
}  // namespace

void TExEdit::HandlePasteMessage(TMessage&) {
  if (ReadOnly()) return;
  const Integer PL = Len(FPrefix);
  if (Clipboard()->HasFormat(CF_UNICODETEXT) || Clipboard()->HasFormat(CF_TEXT)) {
    String Pasted = Clipboard()->AsText();
    if (auto Cr = Pasted.find(L'\r'); Cr != String::npos) Pasted.erase(Cr);
    // A line feed alone ends the first line too.
    if (auto Lf = Pasted.find(L'\n'); Lf != String::npos) Pasted.erase(Lf);
    String V = Text();
    const Integer S = std::clamp(SelStart() - PL, 0, Len(V));
    const Integer L = std::clamp(SelLength(), 0, Len(V) - S);
    String Cand = V.substr(0, S) + Pasted + V.substr(S + L);
    const Integer NewStart = PL + S, NewLen = L > 0 ? Len(Pasted) : 0;
    const Integer Caret = L > 0 ? NewStart : NewStart + Len(Pasted);
    bool Allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, Cand, Allow);
    if (!Allow) return;
    if (MaxLength() > 0 && Len(Cand) > MaxLength()) Cand.resize(MaxLength());
    const bool NoMinus = Cand.find(L'-') == String::npos;
    bool Applied = false;
    switch (FEditType) {
      case etString:
      case etPassword: SetText(Cand); Applied = true; break;
      case etNumeric:
        if (ClassifyNumberText(Cand) == 0 && (FSigned || NoMinus)) {
          SetText(Cand);
          SetModified(true);
          Applied = true;
        }
        break;
      case etFloat:
      case etMoney: {
        Cand = Trim(Cand);
        if (ClassifyNumberText(Cand) > 1) break;
        if (FPrecision == 0 && Pasted.find(DS()) != String::npos) break;
        if (FSigned || Cand.find(L'-') == String::npos) {
          SetText(Cand);
          SetFloatValue(FloatValue());
          SetModified(true);
          Applied = true;
        }
        break;
      }
      case etUppercase: SetText(AnsiUpperCase(Cand)); Applied = true; break;
      case etLowerCase: SetText(AnsiLowerCase(Cand)); Applied = true; break;
      case etMixedCase: SetText(ToNameCase(Cand)); Applied = true; break;
      case etHex: {
        Integer C = ClassifyNumberText(Cand);
        if (C == 0 || C == 5) {
          SetText(Cand);
          SetModified(true);
          Applied = true;
        }
        break;
      }
      case etAlphaNumeric:
        if (AllOf(Cand, [](Char C) { return IsDigit(C) || (C >= L'A' && C <= L'Z') || (C >= L'a' && C <= L'z'); })) {
          SetText(Cand);
          SetModified(true);
          Applied = true;
        }
        break;
      case etValidChars:
        if (AllOf(Cand, [&](Char C) { return FValidChars.find(C) != String::npos; })) {
          SetText(Cand);
          SetModified(true);
          Applied = true;
        }
        break;
      case etRange:
        // Numbers and ranges only, with no two separators in a row.
        if (AllOf(Cand, [](Char C) { return IsDigit(C) || IsNumberSeparator(C) || C == L' '; })) {
          bool Doubled = false;
          for (size_t i = 1; i < Cand.size(); ++i)
            if (IsNumberSeparator(Cand[i]) && IsNumberSeparator(Cand[i - 1])) Doubled = true;
          if (!Doubled) {
            SetText(Cand);
            SetModified(true);
            Applied = true;
          }
        }
        break;
    }
    if (Applied) {
      if (FEditType == etMoney && Len(Text()) > 3)
        SelectAll();
      else if (NewLen > 0)
        SendMessageW(FHandle, EM_SETSEL, NewStart, NewStart + NewLen);
      else
        SendMessageW(FHandle, EM_SETSEL, Caret, Caret);
      switch (FEditType) {
        case etString: case etUppercase: case etMixedCase: case etLowerCase: case etPassword:
          SetModified(true);
          break;
        default: break;
      }
    }
  }
  // A full value moves on, as a full value typed does.
  if (FTabOnFullLength && FLengthLimit > 0 && Len(Text()) == FLengthLimit)
    if (TCustomForm* F = GetParentForm()) F->SelectNext(this, true, true);
  UpdateLookupList();
}

void TExEdit::HandleCopyMessage(TMessage& M) {
  bool Allow = true;
  if (OnClipboardCopy && !FBlockCopy) OnClipboardCopy(this, SelectedValue(), Allow);
  FBlockCopy = false;
  if (Allow) DefaultHandler(M);
}

void TExEdit::HandleCutMessage(TMessage& M) {
  bool Allow = true;
  FBlockCopy = true;
  if (OnClipboardCut) OnClipboardCut(this, SelectedValue(), Allow);
  if (Allow) DefaultHandler(M);
  FBlockCopy = false;
}

// --- typed characters --------------------------------------------------------

void TExEdit::WMChar(TWMKey& M) { HandleCharMessage(M); }

void TExEdit::HandleCharMessage(TWMKey& M) {
  if (!FEditorEnabled) {
    M.Result = 0;
    return;
  }
  const bool Ctrl = GetKeyState(VK_CONTROL) < 0;
  Char Ch = static_cast<Char>(M.CharCode);
  const Char D = DS();
  const String V = Text();
  const Integer PL = Len(FPrefix);

  if (Ch == 13 && Ctrl) {
    M.CharCode = 0;
    M.Result = 1;
    return;
  }
  if (Ch == 13) {
    Char K = 13;
    if (OnKeyPress) OnKeyPress(this, K);
    M.CharCode = 0;
    if (!FDefaultHandling && Parent()) {
      HWND P = Parent()->Handle();
      PostMessageW(P, WM_KEYDOWN, 13, 0);
      TCustomForm* F = GetParentForm();
      if (F && F->KeyPreview())
        PassChar(M);
      else
        PostMessageW(P, WM_KEYUP, 13, 0);
    }
    return;
  }
  if (Ch == 27) {
    if (!FDefaultHandling && Parent()) {
      TCustomForm* F = GetParentForm();
      if (F && F->KeyPreview()) {
        PassChar(M);
        return;
      }
      HWND P = Parent()->Handle();
      PostMessageW(P, WM_KEYDOWN, 27, 0);
      PostMessageW(P, WM_KEYUP, 27, 0);
    }
    PassChar(M);
    return;
  }
  if (Ctrl && Ch == 1) {
    SelectAll();
    M.CharCode = 0;
    return;
  }
  if (Ctrl && (Ch == 3 || Ch == 22 || Ch == 24)) {
    PassChar(M);
    return;
  }
  if (FExcelStyleDecimalSeparator && (Ch == L'.' || Ch == L',') && (M.KeyData & (1 << 22))) {
    Ch = D;
    M.CharCode = Ch;
  }
  if (Ch == 8 && PL > 0 && SelStart() <= PL && SelLength() == 0) return;
  if (FLengthLimit > 0 && IntegerPartEnd(V) > FLengthLimit && SelLength() == 0 &&
      SelStart() < DecimalSeparatorPos() && Ch != 8 && Ch != D &&
      !(Ch == L'-' && FSigned && IsNumberType()))
    return;
  if (Ch == 8) {
    const Integer S = SelStart(), L = SelLength();
    const bool Changes = L > 0 || S > PL;
    const bool NewModified = Changes || FIsModified;
    SetModified(NewModified);
    PassChar(M);
    if (FEditType == etMoney) UpdateThousandSeparators();
    SetModified(NewModified);
    UpdateLookupList();
    return;
  }
  if (Ch == 10 && Ctrl) return;
  if (Ch == L'-' && IsNumberType() && !FSigned) return;

  if (!TypeChar(M, Ch, Ctrl)) return;

  // Tail: a full integer part moves the focus on.
  if (FTabOnFullLength && FLengthLimit > 0 && IntegerPartEnd(Text()) > FLengthLimit && SelLength() == 0 &&
      SelStart() - PL == FLengthLimit) {
    if (TCustomForm* F = GetParentForm()) F->SelectNext(this, true, true);
  }
  if (TCustomEdit::Modified()) SetModified(true);
  UpdateLookupList();
}

bool TExEdit::TypeChar(TWMKey& M, Char Ch, bool Ctrl) {
  const Char D = DS(), T = TS();
  const String V = Text();
  const Integer PL = Len(FPrefix);
  const bool Plain = Ch == 8 || Ch == 9 || Ch == 13;
  switch (FEditType) {
    case etString:
    case etPassword:
      SetModified(true);
      PassChar(M);
      return true;
    case etNumeric:
      if (Ch == L'-') {
        if (SelLength() == Len(V)) {
          SetWindowText(FPrefix + L"-" + FSuffix);
          SendMessageW(FHandle, EM_SETSEL, PL + 1, PL + 1);
          FBlockChange = false;
          return false;
        }
        ToggleSign();
        return true;
      }
      if (Plain || IsDigit(Ch) || GetKeyState(VK_LCONTROL) < 0 || GetKeyState(VK_RCONTROL) < 0) PassChar(M);
      return true;
    case etFloat:
    case etMoney: {
      const bool Money = FEditType == etMoney;
      if (!Money && ((Ch == L',' && D != L',') || (Ch == L'.' && D != L'.'))) return false;
      if (Money && Ch == D) {
        if (CharPos(D, V) > 0 || FPrecision == 0) {
          if (FPrecision > 0 && SelLength() == Len(V)) SetText(String(L"0") + D + L"0");
          if (FPrecision > 0) SelectAfterDecimal();
          FBlockChange = false;
          return false;
        }
      }
      const bool Accepted = Money ? (Plain || Ch == L'-' || IsDigit(Ch) || Ch == D)
                                  : (Plain || Ch == L',' || Ch == L'-' || Ch == L'.' || IsDigit(Ch) || Ch == T || Ch == D);
      if (!Accepted) return true;
      if (!Money && Ch == D && CharPos(D, SelText()) == 0) {
        if (CharPos(D, V) > 0 || FPrecision == 0) {
          if (FPrecision > 0) SelectAfterDecimal();
          return false;
        }
      }
      if ((Ch == T || Ch == D) && SeparatorRefused()) return false;
      if (FullDecimals() && (IsDigit(Ch) || Ch == D) && SelLength() == 0) {
        const Integer B = SelStart() - PL;
        const Integer DPos = CharPos(D, V);
        if (IsDigit(Ch) && FPrecision > 0 && DPos > 0 && DPos <= B && B < Len(V)) {
          SetSelLength(1);
        } else {
          return false;
        }
      }
      if (V.empty() && SelStart() - PL == 0 && Ch == D) {
        SetWindowText(FPrefix + L"0" + D + FSuffix);
        SendMessageW(FHandle, EM_SETSEL, PL + 2, PL + 2);
        SetModified(true);
        return false;
      }
      if (Ch == L'-' && SelLength() == 0) {
        const int16_t Saved = FPrecision;
        FPrecision = 0;
        ToggleSign();
        FPrecision = Saved;
        return false;
      }
      PassChar(M);
      if (Money) {
        String N = Text();
        if (!N.empty() && N != L"-" && Ch != D) {
          if (TCustomEdit::Modified()) SetModified(true);
          UpdateThousandSeparators();
        }
      }
      return true;
    }
    case etUppercase:
    case etLowerCase: {
      String One(1, Ch);
      One = FEditType == etUppercase ? AnsiUpperCase(One) : AnsiLowerCase(One);
      if (!One.empty()) M.CharCode = One[0];
      PassChar(M);
      return true;
    }
    case etMixedCase: {
      const Integer P = SelStart();
      PassChar(M);
      if (Ch == 8 || Ch == 9 || Ch == 13) return true;
      String N = ToNameCase(Text());
      if (N != Text()) SetWindowText(FPrefix + N + FSuffix);
      SendMessageW(FHandle, EM_SETSEL, P + 1, P + 1);
      return true;
    }
    case etRange: {
      const bool Accepted = Plain || IsDigit(Ch) || IsNumberSeparator(Ch);
      if (!Accepted) return true;
      SetModified(true);
      if (IsNumberSeparator(Ch)) {
        const Integer S = SelStart();
        const String W = WindowText() + L" ";
        if (S <= PL) return false;
        if (S >= 1 && IsNumberSeparator(W[S - 1])) return false;
        if (S < Len(W) && IsNumberSeparator(W[S])) return false;
      }
      PassChar(M);
      return true;
    }
    case etHex:
      if (Plain || Ch == L'-' || IsDigit(Ch) || (Ch >= L'A' && Ch <= L'F') || (Ch >= L'a' && Ch <= L'f')) {
        SetModified(true);
        PassChar(M);
      }
      return true;
    case etAlphaNumeric:
      if (Plain || IsDigit(Ch) || (Ch >= L'A' && Ch <= L'Z') || (Ch >= L'a' && Ch <= L'z')) {
        SetModified(true);
        PassChar(M);
      }
      return true;
    case etValidChars:
      if (Ch == 8 || FValidChars.find(Ch) != String::npos) {
        SetModified(true);
        PassChar(M);
      }
      return true;
  }
  (void)Ctrl;
  return true;
}

void TExEdit::ToggleSign() {
  const Integer PL = Len(FPrefix);
  const Integer P = SelStart();
  String V = Text();
  if (CharPos(L'-', V) > 0) {
    V.erase(0, 1);
    SetWindowText(FPrefix + V + FSuffix);
    const Integer At = P > PL ? P - 1 : PL;
    SendMessageW(FHandle, EM_SETSEL, At, At);
    if (FEditType != etNumeric) SetModified(true);
  } else {
    SetWindowText(FPrefix + L"-" + V + FSuffix);
    SendMessageW(FHandle, EM_SETSEL, P + 1, P + 1);
    SetModified(true);
  }
}

bool TExEdit::FullDecimals() {
  const String V = Text();
  const Integer B = SelStart() - Len(FPrefix);
  const Integer D = CharPos(DS(), V);
  return FPrecision > 0 && Len(V) - B <= FPrecision && D > 0 && B >= D && Len(V) - D >= FPrecision;
}

bool TExEdit::SeparatorRefused() {
  String V = Text();
  const Char T = TS();
  if (CharPos(T, V) == 0) return false;
  Integer B = SelStart() - Len(FPrefix);
  Integer M = Len(V);
  while (Integer Tp = CharPos(T, V)) {
    Integer Dist = std::abs(Tp - B);
    M = std::min(M, Dist);
    if (Dist < 3) return true;
    if (B > Tp) B -= Tp;
    V.erase(0, Tp);
  }
  return M > 3;
}

// --- range text --------------------------------------------------------------

bool TExEdit::RangeStrToList(TRangeList* RangeList) { return RangeList->StrToList(Text()); }

void TExEdit::ListToRangeStr(TRangeList* RangeList) { SetWindowText(RangeList->ToRangeStr()); }

// --- lookup list -------------------------------------------------------------

bool TExEdit::LookupVisible() const {
  return FListBox && FListBox->HandleAllocated() && IsWindowVisible(FListBox->Handle());
}

void TExEdit::HideLookup() {
  if (FListBox && FListBox->HandleAllocated()) ShowWindow(FListBox->Handle(), SW_HIDE);
}

void TExEdit::DoLookupNeedData(const String& Value, TStrings* List, Integer& ItemIndex) {
  if (OnLookupNeedData) OnLookupNeedData(this, Value, List, ItemIndex);
}

void TExEdit::UpdateLookupList() {
  if (!FLookup->Enabled() || !FListBox || !HandleAllocated()) return;
  Integer Cut = 0;
  const String T = FLookup->LookupText(Text(), Cut);
  if (Len(T) < FLookup->NumChars()) {
    HideLookup();
    return;
  }
  POINT Origin{0, 0};
  ::ClientToScreen(Handle(), &Origin);
  FListBox->SetText(L"  ");
  FListControl->SetColor(FLookup->Color());
  FListControl->Font()->Assign(FLookup->Font());
  FListControl->SetCtl3D(false);
  FListControl->SetHandleTab(FLookup->AcceptOnTab());
  FListBox->SetColor(clWindow);

  const Integer Top = Origin.y + Height() - 6;
  // Under the start of the entry being typed (after the prefix).
  const Integer CaretX = std::min(PosFromChar(Len(FPrefix) + Cut).X, Width());
  const Integer Left = Origin.x + 8 + CaretX;

  TStrings* Items = FListControl->Items();
  Items->BeginUpdate();
  FListControl->SetSorted(false);
  Items->Clear();
  FLookup->Match(T, FFullTextSearch, Items);
  Integer ItemIndex = 0;
  DoLookupNeedData(T, Items, ItemIndex);
  FListControl->SetSorted(true);
  Items->EndUpdate();

  // Measured in the list's font, as the rows are drawn.
  HDC DC = CreateCompatibleDC(nullptr);
  HGDIOBJ OldFont = SelectObject(DC, FListControl->Font()->Handle());
  SIZE Sz{};
  GetTextExtentPoint32W(DC, L"gh", 2, &Sz);
  const Integer RowH = Sz.cy + FLookup->Spacing();
  Integer W = 50;
  const Integer N = Items->Count();
  for (Integer I = 0; I < N; ++I) {
    const String S = Items->Strings(I);
    GetTextExtentPoint32W(DC, S.c_str(), Len(S), &Sz);
    W = std::max<Integer>(W, Sz.cx);
  }
  SelectObject(DC, OldFont);
  DeleteDC(DC);
  FListControl->SetItemHeight(RowH);
  const Integer H = RowH * std::min(N, FLookup->DisplayCount()) + 4;
  W += 8;
  if (N > FLookup->DisplayCount()) W += GetSystemMetrics(SM_CXHSCROLL);

  if (N == 0) {
    HideLookup();
    return;
  }
  FListBox->SetBounds(Left, Top, W, H);
  FListBox->HandleNeeded();
  FListControl->HandleNeeded();
  FListControl->SetItemIndex(ItemIndex);
  MoveWindow(FListBox->Handle(), Left, Top, W, H, TRUE);
  ShowWindow(FListBox->Handle(), SW_SHOWNOACTIVATE);
  SetWindowPos(FListBox->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TExEdit::ReturnFocusFromLookup() {
  HWND Top = GetAncestor(Handle(), GA_ROOT);
  SetForegroundWindow(Top);
  SetActiveWindow(Top);
  if (CanFocus()) SetFocus();
  HideLookup();
}

void TExEdit::SelectLookupItem() {
  ReturnFocusFromLookup();
  const Integer Idx = FListControl ? FListControl->ItemIndex() : -1;
  if (Idx < 0) return;
  TStrings* Items = FListControl->Items();
  const Integer I = static_cast<Integer>(reinterpret_cast<intptr_t>(Items->Objects(Idx)));
  TStringList* Values = FLookup->ValueList();
  String Value;
  if (Values->Count() == 0) {
    Value = Items->Strings(Idx);
    if (OnLookupSelect) OnLookupSelect(this, Value);
  } else {
    // A stored index outside the values falls back to the row's text.
    Value = (I >= 0 && I < Values->Count()) ? Values->Strings(I) : Items->Strings(Idx);
    if (OnLookupSelect) OnLookupSelect(this, Value);
    if (OnLookupIndexSelect) OnLookupIndexSelect(this, I, Value);
  }
  if (FLookup->Multi()) {
    Value += FLookup->Separator();
    const String V = Text();
    const auto P = V.rfind(FLookup->Separator());
    const String Head = P == String::npos ? String() : V.substr(0, P + 1);
    SetText(Head + Value);
    const Integer End = Len(FPrefix) + Len(Head + Value);
    SendMessageW(Handle(), EM_SETSEL, End, End);
  } else {
    SetText(Value);
    SelectAll();
  }
}

bool TExEdit::LookupKeyDown(TWMKey& M) {
  const Integer Count = FListControl->Count();
  const Integer Idx = FListControl->ItemIndex();
  const Integer Page = FLookup->DisplayCount();
  auto Go = [&](Integer I) {
    FListControl->SetItemIndex(I);
    M.Result = 1;
    return true;
  };
  switch (M.CharCode) {
    case VK_RETURN:
      SelectLookupItem();
      M.CharCode = 0;
      M.Result = 0;
      return true;
    case VK_HOME: return Go(0);
    case VK_END: return Go(Count - 1);
    case VK_NEXT: return Go(Idx + Page < Count ? Idx + Page : Count - 1);
    case VK_PRIOR: return Go(Idx > Page ? Idx - Page : 0);
    case VK_UP:
      if (Idx > 0) FListControl->SetItemIndex(Idx - 1);
      M.CharCode = 0;
      return false;
    case VK_DOWN:
      if (Idx < Count - 1) FListControl->SetItemIndex(Idx + 1);
      M.CharCode = 0;
      return false;
    default: return false;
  }
}

void TExEdit::LookupListKeyPress(TObject*, Char& Key) {
  if (Key == VK_RETURN || (Key == VK_TAB && FLookup->AcceptOnTab())) {
    Key = 0;
    SelectLookupItem();
  }
}

void TExEdit::LookupListMouseUp(TObject*, TMouseButton, TShiftState, Integer, Integer) { SelectLookupItem(); }

void TExEdit::AddToHistory() {
  if (!FLookup->Enabled() || !FLookup->History()) return;
  const String V = Trim(Text());
  if (!V.empty() && FLookup->DisplayList()->IndexOf(V) < 0) FLookup->DisplayList()->Add(V);
}

// --- persistence ----------------------------------------------------------------

void TExEdit::LoadPersist() {
  if (!FPersistence->Enable()) return;
  String Section;
  std::unique_ptr<TCustomIniFile> Ini = OpenPersistStore(*FPersistence, Name(), Section);
  const String S = ReadPersisted(*Ini, Section, Name(), *FLookup);
  // The stored text has its prefix and suffix already.
  if (S != L"@") SetWindowText(S);
}

void TExEdit::SavePersist() {
  if (!FPersistence || !FPersistence->Enable()) return;
  String Section;
  std::unique_ptr<TCustomIniFile> Ini = OpenPersistStore(*FPersistence, Name(), Section);
  WritePersisted(*Ini, Section, Name(), FPrefix + Text() + FSuffix, *FLookup);
}

// --- OLE drag and drop -------------------------------------------------------------

namespace {
// OLE for the whole run of the program, as drag and drop needs it on the
// interface thread.
struct TOleSession {
  HRESULT Hr = OleInitialize(nullptr);
  ~TOleSession() {
    if (SUCCEEDED(Hr)) OleUninitialize();
  }
} OleSession;
}  // namespace

void TExEdit::SetOleDropTarget(bool Value) {
  FOleDropTarget = Value;
  if (Designing()) return;
  if (Value) {
    if (FOleDropTargetAssigned) return;
    auto* T = new TEditDropTarget(this);
    T->AddRef();
    FOleDropTargetAssigned = SUCCEEDED(RegisterDragDrop(Handle(), T));
    T->Release();
  } else {
    RevokeDropTarget();
  }
}

void TExEdit::RevokeDropTarget() {
  if (!FOleDropTargetAssigned) return;
  if (HandleAllocated()) RevokeDragDrop(FHandle);
  FOleDropTargetAssigned = false;
}

void TExEdit::InvalidateDropCaret() {
  if (!HandleAllocated() || (FCaretPos.X == -1 && FCaretPos.Y == -1)) return;
  HDC DC = GetDC(FHandle);
  HGDIOBJ Old = SelectObject(DC, Font()->Handle());
  TEXTMETRICW TM{};
  GetTextMetricsW(DC, &TM);
  SelectObject(DC, Old);
  ReleaseDC(FHandle, DC);
  RECT R{FCaretPos.X, FCaretPos.Y, FCaretPos.X + 1, FCaretPos.Y + TM.tmHeight};
  InvalidateRect(FHandle, &R, TRUE);
}

void TExEdit::ClearDropCaret() {
  InvalidateDropCaret();
  FCaretPos = TPoint{-1, -1};
}

void TExEdit::TrackDropCaret() {
  POINT P{};
  GetCursorPos(&P);
  ::ScreenToClient(Handle(), &P);
  const TPoint At = PosFromChar(CharFromPos(TPoint{P.x, P.y}));
  if (At.X == FCaretPos.X && At.Y == FCaretPos.Y) return;
  InvalidateDropCaret();
  FCaretPos = At;
  InvalidateDropCaret();
}

void TExEdit::PlaceCaretAtMouse() {
  POINT P{};
  GetCursorPos(&P);
  ::ScreenToClient(Handle(), &P);
  const Integer C = CharFromPos(TPoint{P.x, P.y});
  SendMessageW(Handle(), EM_SETSEL, C, C);
}

void TEditDropTarget::DragMouseMove(POINT, bool& Allow) {
  Allow = true;
  FExEdit->TrackDropCaret();
}

void TEditDropTarget::DropText(POINT Pt, const String& Text) {
  String S = Text;
  // One line only: an edit has no room for more.
  if (const auto CR = S.find(L'\r'); CR != String::npos) S.resize(CR);
  if (const auto LF = S.find(L'\n'); LF != String::npos) S.resize(LF);
  HWND H = FExEdit->Handle();
  if (FExEdit->IsDragSource()) {
    POINT C = Pt;
    ScreenToClient(H, &C);
    const Integer At = FExEdit->CharFromPos(TPoint{C.x, C.y});
    const Integer SS = FExEdit->SelStart(), SL = FExEdit->SelLength();
    if (At >= SS && At <= SS + SL) return;
    if (GetKeyState(VK_CONTROL) >= 0) SendMessageW(H, WM_CLEAR, 0, 0);
  }
  FExEdit->ClearDropCaret();
  FExEdit->PlaceCaretAtMouse();
  SendMessageW(H, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(S.c_str()));
  FExEdit->Invalidate();
}

}  // namespace jorv::edit
