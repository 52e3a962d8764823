#include "edit/ExEdit.h"
#include "foundation/ValueUtils.h"
#include <algorithm>
#include <cmath>
#include <shellapi.h>
#include "edit/RangeList.h"
#include "edit/VersionText.h"
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

Char DS() { return FormatSettings().DecimalSeparator; }
Integer Len(const String& S) { return static_cast<Integer>(S.size()); }

}  // namespace

// --- construction ------------------------------------------------------------

namespace {

void FrameIn(HDC DC, const RECT& R, TColor Color) {
  HBRUSH B = CreateSolidBrush(ColorToRGB(Color));
  FrameRect(DC, &R, B);
  DeleteObject(B);
}

}  // namespace

namespace {

bool WindowsXPOrLater() {
  OSVERSIONINFOW Info{};
  Info.dwOSVersionInfoSize = sizeof(Info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&Info)) return false;
#pragma GCC diagnostic pop
  return Info.dwMajorVersion > 5 || (Info.dwMajorVersion == 5 && Info.dwMinorVersion > 0);
}

}  // namespace

TExEdit::TExEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FDefaultHandling = ExEditDefaultHandling;
  FIsWinXP = WindowsXPOrLater();
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

void TExEdit::LabelFollowsEdit() {
  if (!FLabel) return;
  FLabel->SetParent(Parent());
  FLabel->SetVisible(Visible());
}

void TExEdit::CMVisibleChanged(TMessage& M) {
  TCustomEdit::CMVisibleChanged(M);
  LabelFollowsEdit();
}

void TExEdit::CMShowingChanged(TMessage& M) {
  TCustomEdit::CMShowingChanged(M);
  LabelFollowsEdit();
}

void TExEdit::SetHeight(Integer Value) {
  if (Loading()) FLoadedHeight = Value;
  TCustomEdit::SetHeight(Value);
}

void TExEdit::ChangeScale(Integer M, Integer D) {
  TCustomEdit::ChangeScale(M, D);
  // The label keeps the size of the edit's text.
  if (!Loading()) FLabelFont->SetSize(Font()->Size());
}

void TExEdit::NudgeWidth(Integer First) {
  SetWidth(Width() + First);
  SetWidth(Width() - First);
}

void TExEdit::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (FLabel)
    EditLabelRoom(FLabelPosition, Align(), TSize{FLabel->Width(), FLabel->Height()}, FLabelMargin, ALeft, ATop,
                  AWidth);
  TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FLabel && FLabel->Parent()) UpdateLabel();
  UpdateEditRect(FFlat);
  if (FFlat) SetFlat(true);
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
  // What the stream gave, whatever the font's height made of it meanwhile.
  if (FLoadedHeight > 0) SetHeight(FLoadedHeight);
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
  TFont* LookupFont = FLookup->Font();
  LookupFont->SetSize(MulDiv(LookupFont->Size(), Screen ? Screen->PixelsPerInch() : 96, 96));
}

void TExEdit::CreateParams(TCreateParams& P) {
  TCustomEdit::CreateParams(P);
  // Multi-line windows take a formatting rectangle, which leaves room for
  // the buttons of descendants.
  if (FModel.EditType != etPassword) P.Style |= ES_MULTILINE;
  P.Style &= ~(ES_LEFT | ES_RIGHT | ES_CENTER);
  if (FEditAlign == eaRight) P.Style |= ES_RIGHT;
  if (FEditAlign == eaCenter) P.Style |= ES_CENTER;
}

void TExEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  // A recreated window is a drop target again, as the old one was.
  if (FOleDropTarget && !FOleDropTargetAssigned) SetOleDropTarget(true);
  UpdateEditRect(FFlat);
  if (FLabel && FLabel->Parent() && FLabel->Parent()->HandleAllocated()) UpdateLabelPosition();
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

String TExEdit::Text() const { return FModel.Value(WindowText()); }

TEditState TExEdit::State() {
  if (!HandleAllocated()) return TEditState{WindowText(), 0, 0};
  return TEditState{WindowText(), SelStart(), SelLength()};
}

void TExEdit::Show(const TEditState& Value) {
  SetWindowText(Value.Text);
  Select(TSelRange{Value.SelStart, Value.SelStart + Value.SelLength});
}

void TExEdit::Select(const TSelRange& Range) {
  if (HandleAllocated()) SendMessageW(FHandle, EM_SETSEL, Range.From, Range.To);
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
  SetWindowText(FModel.Framed(FModel.Normalised(Value)));
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
  FModel.Prefix = Value;
  SetText(V);
}

void TExEdit::SetSuffix(const String& Value) {
  String V = Text();
  FModel.Suffix = Value;
  SetText(V);
}

double TExEdit::TextToFloat(const String& S) const { return FModel.TextToFloat(S); }

Integer TExEdit::IntegerPartEnd(const String& S) const { return FModel.IntegerPartEnd(S); }

Integer TExEdit::DecimalSeparatorPos() { return FModel.DecimalSeparatorPos(Text()); }

double TExEdit::FloatValue() const { return FModel.FloatValue(Text()); }

void TExEdit::SetFloatValue(double Value) {
  if (const auto T = FModel.FloatText(Value)) {
    SetText(*T);
    if (FModel.EditType == etMoney) UpdateThousandSeparators();
  }
  SetModified(true);
}

Integer TExEdit::IntValue() const { return FModel.IntValue(Text()); }

void TExEdit::SetIntValue(Integer Value) {
  if (const auto T = FModel.IntText(Value)) {
    SetText(*T);
    if (FModel.EditType == etMoney) UpdateThousandSeparators();
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
  if (Text().empty() || !HandleAllocated()) return;
  const TEditState Grouped = FModel.ThousandSeparated(State());
  if (WindowText() != Grouped.Text) {
    // The key that led here already reported its change.
    FBlockChange = true;
    SetWindowText(Grouped.Text);
  }
  FBlockChange = false;
  Select(TSelRange{Grouped.SelStart, Grouped.SelStart});
}

// --- selection ---------------------------------------------------------------

void TExEdit::SelectAll() {
  if (HandleAllocated()) Select(FModel.WholeValue(Text(), FShowURL));
}

void TExEdit::SelectBeforeDecimal() {
  HandleNeeded();
  const Integer At = FModel.CaretBeforeDecimal(Text());
  Select(TSelRange{At, At});
}

void TExEdit::SelectAfterDecimal() {
  HandleNeeded();
  const Integer At = FModel.CaretAfterDecimal(Text());
  Select(TSelRange{At, At});
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
  bool Result = FModel.InBounds(Value);
  {
    auto Restore = ScopeExit([&] { FIsValidating = false; });
    DoValueValidate(Value, Result);
  }
  return Result;
}

void TExEdit::DoValueValidate(const String& Value, bool& IsValid) {
  if (OnValueValidate) OnValueValidate(this, Value, IsValid);
}

String TExEdit::Version() const { return VersionText(GetVersionNr()); }

bool TExEdit::IsURL() { return TExEditModel::LooksLikeURL(Text()); }

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
  if (FModel.EditType == Value) return;
  FModel.EditType = Value;
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
  if (V.empty() && FModel.AllowNumericNullValue) return;
  Integer C = ClassifyNumberText(V);
  if (Value == etNumeric && C != 0) SetIntValue(0);
  if ((Value == etFloat || Value == etMoney) && C > 1) SetFloatValue(0);
  if (Value == etHex && C != 0 && C != 5) SetIntValue(0);
  // Placed by a designer, a float edit starts with two decimals.
  const TComponent* O = Owner();
  const bool Placing = Designing() && !(O && (O->ComponentState().Contains(csReading) ||
                                              O->ComponentState().Contains(csLoading)));
  if (Placing && Value == etFloat && FModel.Precision == 0) SetPrecision(2);
}

void TExEdit::SetPrecision(int16_t Value) {
  if (FModel.Precision == Value) return;
  const TExEditType T = FModel.EditType;
  if (T != etString && T != etFloat && T != etMoney) return;
  FModel.Precision = Value;
  String V = Text();
  if (V.empty() && FModel.AllowNumericNullValue) return;
  SetFloatValue(ClassifyNumberText(V) > 1 ? 0 : FloatValue());
}

void TExEdit::SetPrecisionDisplay(TPrecisionDisplay Value) {
  if (FModel.PrecisionDisplay == Value) return;
  FModel.PrecisionDisplay = Value;
  SetFloatValue(FloatValue());
}

void TExEdit::SetCanUndo(bool Value) {
  if (FCanUndo == Value) return;
  FCanUndo = Value && FModel.EditType != etPassword;
  if (HandleAllocated()) RecreateWnd();
  NudgeWidth(+1);
}

void TExEdit::SetAutoThousandSeparator(bool Value) {
  FModel.AutoThousandSeparator = Value;
  if (FModel.EditType == etFloat || FModel.EditType == etMoney) UpdateThousandSeparators();
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
  NudgeWidth(+1);
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
  NudgeWidth(+1);
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
  if (const auto Kept = FModel.KeptOffAffixes(State())) Select(*Kept);
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
  if (FFocusColor != clNone && ValidateValue(V)) {
    TCustomEdit::SetColor(FFocusColor);
    if (FIsWinXP) NudgeWidth(-1);
  }
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
  if (!(FIsError && FShowError) && TCustomEdit::Color() != FNormalColor) {
    TCustomEdit::SetColor(FNormalColor);
    if (FIsWinXP) NudgeWidth(-1);
  }
  if ((!FIsError || !FShowError) && !FShowModified && !(FShowURL && IsURL())) Font()->SetColor(FFontColor);
  if (FFocusLabel && FLabel) {
    FLabel->Font()->SetStyle(FLabel->Font()->Style() - fsBold);
    UpdateLabelPosition();
  }
  String V = Text();
  const bool Floating = FModel.EditType == etFloat || FModel.EditType == etMoney;
  if (FModel.Precision > 0 && Floating && (!V.empty() || !FModel.AllowNumericNullValue)) {
    bool Was = FIsModified;
    SetFloatValue(FloatValue());
    SetModified(Was);
  }
  V = Text();
  if (V.empty() && !FModel.AllowNumericNullValue) {
    if (FModel.EditType == etNumeric) SetText(L"0");
    if (Floating) SetFloatValue(0);
  }
  if (const auto Clamped = FModel.ClampedOnExit(Text())) SetText(*Clamped);
  ValidateValue(Text());
  TCustomEdit::WMKillFocus(M);
  if (FFocusBorder) NudgeWidth(-1);
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
  // The graphic controls under the edit show through it as well.
  Parent()->PaintControls(M.DC, nullptr);
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
  if (Key == VK_RETURN && FReturnIsTab) {
    M.CharCode = FReturnAsTabKey;
    if (IsWindowVisible(FHandle))
      if (TCustomForm* F = GetParentForm()) F->SelectNext(this, true, true);
  }
  const TKeyRule Rule = FModel.KeyDown(State(), Key, Shift);
  if (Rule.Select) Select(*Rule.Select);
  if (Rule.FireKeyDown && OnKeyDown) {
    Word K = Key;
    OnKeyDown(this, K, TShiftState{});
  }
  if (Rule.SetModified) SetModified(true);
  if (Rule.Consume) return Consume();
  TCustomEdit::WMKeyDown(M);
  if (Key == VK_DELETE && FModel.EditType == etMoney) UpdateThousandSeparators();
  if (HandleAllocated())
    if (const auto Caret = FModel.CaretOutOfPrefix(State())) Select(TSelRange{*Caret, *Caret});
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

String TExEdit::SelectedValue() { return FModel.SelectedValue(State()); }

void TExEdit::HandlePasteMessage(TMessage&) {
  if (ReadOnly()) return;
  if (Clipboard()->HasFormat(CF_UNICODETEXT) || Clipboard()->HasFormat(CF_TEXT)) {
    const TPasteRule Rule = FModel.Paste(State(), Clipboard()->AsText());
    String Cand = Rule.Candidate;
    bool Allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, Cand, Allow);
    if (!Allow) return;
    if (MaxLength() > 0 && Len(Cand) > MaxLength()) Cand.resize(MaxLength());
    if (const auto Accepted = FModel.AcceptPaste(Cand, Rule.Pasted)) {
      SetText(Accepted->Value);
      if (Accepted->Reformat) SetFloatValue(FloatValue());
      if (FModel.EditType == etMoney && Len(Text()) > 3)
        SelectAll();
      else
        Select(Rule.Selection);
      if (Accepted->Modified) SetModified(true);
    }
  }
  // A full value moves on, as a full value typed does.
  if (FModel.TabOnFullLength && FModel.LengthLimit > 0 && Len(Text()) == FModel.LengthLimit)
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
  const Char Ch = static_cast<Char>(M.CharCode);
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
  TTypedKeys Keys;
  Keys.Ctrl = Ctrl;
  Keys.SideCtrl = GetKeyState(VK_LCONTROL) < 0 || GetKeyState(VK_RCONTROL) < 0;
  Keys.KeypadDecimal = (M.KeyData & (1 << 22)) != 0;
  if (!ApplyCharRule(M, FModel.TypeChar(State(), Ch, Keys))) return;

  // Tail: a full integer part moves the focus on.
  if (FModel.FullLengthReached(State()))
    if (TCustomForm* F = GetParentForm()) F->SelectNext(this, true, true);
  if (TCustomEdit::Modified()) SetModified(true);
  UpdateLookupList();
}

bool TExEdit::ApplyCharRule(TWMKey& M, const TCharRule& Rule) {
  if (Rule.ModifiedFirst) SetModified(true);
  switch (Rule.Action) {
    case caDiscard:
      if (Rule.Select) Select(*Rule.Select);
      break;
    case caShow: Show(Rule.Shown); break;
    case caSetValue:
      SetText(Rule.Value);
      if (Rule.Select) Select(*Rule.Select);
      break;
    case caPass: {
      if (Rule.Select) Select(*Rule.Select);
      const Integer CaretBefore = SelStart();
      // The backspace counts as a change before and after the window takes it.
      const bool BackspaceModified = Rule.BackspaceChanges || FIsModified;
      if (Rule.After == apBackspace) SetModified(BackspaceModified);
      M.CharCode = Rule.Ch;
      PassChar(M);
      switch (Rule.After) {
        case apMoneyGroups:
          if (FModel.MoneyRegroups(State(), Rule.Ch)) {
            if (TCustomEdit::Modified()) SetModified(true);
            UpdateThousandSeparators();
          }
          break;
        case apNameCase: {
          const TEditState Named = FModel.NameCased(State(), CaretBefore);
          if (FModel.Value(Named.Text) != Text()) SetWindowText(Named.Text);
          Select(TSelRange{Named.SelStart, Named.SelStart});
          break;
        }
        case apBackspace:
          if (FModel.EditType == etMoney) UpdateThousandSeparators();
          SetModified(BackspaceModified);
          UpdateLookupList();
          break;
        case apNone: break;
      }
      break;
    }
  }
  if (Rule.ModifiedAfter) SetModified(true);
  if (Rule.EndsBlock) FBlockChange = false;
  return Rule.Tail;
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
  const Integer CaretX = std::min(PosFromChar(Len(FModel.Prefix) + Cut).X, Width());
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
    const Integer End = Len(FModel.Prefix) + Len(Head + Value);
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
  WritePersisted(*Ini, Section, Name(), FModel.Framed(Text()), *FLookup);
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
