#include "grid/base/ExDateTimePicker.h"

#include <cmath>
#include "foundation/XPTheme.h"
#include "grid/base/GridSystem.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"

namespace jorv::grid {

UINT DTPShiftFocusMessage() {
  static const UINT Message = RegisterWindowMessageW(L"DTPShiftFocus");
  return Message;
}

// --- TCustomDateTimePicker ------------------------------------------------------------

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : jorv::TDateTimePicker(AOwner) {
  DTPShiftFocusMessage();
  SetDoubleBuffered(true);
  SetParentCtl3D(false);
  SetCtl3D(false);
}

void TCustomDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  Invalidate();
}

void TCustomDateTimePicker::SetBorderColor(TColor Value) {
  if (Value == FBorderColor) return;
  FBorderColor = Value;
  Invalidate();
}

void TCustomDateTimePicker::SetMetroStyle(bool Value) {
  if (Value == FMetroStyle) return;
  FMetroStyle = Value;
  Invalidate();
}

void TCustomDateTimePicker::Dispatch(TMessage& Message) {
  jorv::TDateTimePicker::Dispatch(Message);
  if (Message.Msg != WM_GETDLGCODE || !FGridTabhandling) return;
  const bool ShiftDown = GetKeyState(VK_SHIFT) < 0;
  if ((FIsTimePicker && !ShiftDown) || (!FIsTimePicker && ShiftDown)) Message.Result |= DLGC_WANTTAB;
}

// --- TExDateTimePicker: value -------------------------------------------------------------

TExDateTimePicker::TExDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner) {
  FLabelFont->OnChange = [this](TObject*) {
    UpdateLabel();
    if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) SetParentFont(false);
  };
  SetKind(dkDateTime);
  TCustomDateTimePicker::SetBorderStyle(bsSingle);
  SetCtl3D(true);
}

TExDateTimePicker::~TExDateTimePicker() {
  if (FLabel) FLabel->SetParent(nullptr);
}

void TExDateTimePicker::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomDateTimePicker::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FLabel) FLabel = nullptr;
  if (AComponent == FTimePicker) FTimePicker = nullptr;
}

void TExDateTimePicker::NotifyChange() {
  if (OnChange) OnChange(this);
}

void TExDateTimePicker::NotifyClick() {
  if (OnClick) OnClick(this);
}

void TExDateTimePicker::NoOpHook(TObject*, Char&) {}

void TExDateTimePicker::SetKind(TExDateTimeKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  jorv::TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
  if (FKind == dkDateTime) {
    const TDateTime Value = DateTime();
    MakeTimePicker();
    SetDateTime(Value);
  }
  LayoutTimePicker();
}

TDateTime TExDateTimePicker::DateTime() {
  if (FTimePicker) {
    const TDateTime Day = std::floor(jorv::TDateTimePicker::DateTime());
    const TDateTime TimeOfDay = FTimePicker->DateTime() - std::floor(FTimePicker->DateTime());
    jorv::TDateTimePicker::SetDateTime(Day + TimeOfDay);
  }
  return jorv::TDateTimePicker::DateTime();
}

namespace {

// The time of day of Value to the second.
TDateTime WholeSeconds(TDateTime Value) {
  Word Hour = 0, Minute = 0, Second = 0, Milli = 0;
  DecodeTime(Value, Hour, Minute, Second, Milli);
  return EncodeTime(Hour, Minute, Second, 0);
}

}  // namespace

void TExDateTimePicker::SetDateTime(TDateTime Value) {
  const TDateTime TimeOfDay = WholeSeconds(Value);
  const TDateTime Day = std::floor(Value);
  if (Day != 0 || !FNullDateIsToday)
    jorv::TDateTimePicker::SetDateTime(Day + TimeOfDay);
  else
    jorv::TDateTimePicker::SetDateTime(std::floor(Now()) + TimeOfDay);
  if (FKind == dkDateTime) MakeTimePicker();
  if (FTimePicker) FTimePicker->SetDateTime(Day + TimeOfDay);
}

void TExDateTimePicker::SetDate(TDate Value) {
  const TDateTime TimeOfDay = WholeSeconds(DateTime());
  SetDateTime(std::floor(Value) + TimeOfDay);
}

TTime TExDateTimePicker::Time() const {
  if (FKind == dkDateTime && FTimePicker) return FTimePicker->Time();
  return jorv::TDateTimePicker::Time();
}

void TExDateTimePicker::SetTime(TTime Value) {
  jorv::TDateTimePicker::SetTime(Value);
  if (FTimePicker) FTimePicker->SetTime(Value);
  LayoutTimePicker();
}

void TExDateTimePicker::SetTimeFormat(const String& Value) {
  if (FTimePicker) FTimePicker->SetFormat(Value);
  if (FKind == dkTime) SetFormat(Value);
  FTimeFormat = Value;
  LayoutTimePicker();
}

void TExDateTimePicker::SetAutoTab(bool Value) {
  TCustomDateTimePicker::SetAutoTab(Value);
  if (FTimePicker) FTimePicker->SetAutoTab(Value);
}

void TExDateTimePicker::SetAutoTabToNext(bool Value) {
  TCustomDateTimePicker::SetAutoTabToNext(Value);
  if (FTimePicker) FTimePicker->SetAutoTabToNext(Value);
}

void TExDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  TCustomDateTimePicker::SetBorderStyle(Value);
  LayoutTimePicker();
}

// --- TExDateTimePicker: the time picker ------------------------------------------------------

void TExDateTimePicker::MakeTimePicker() {
  if (FTimePicker) return;
  FTimePicker = new TCustomDateTimePicker(this);
  const bool DesignLoad = ComponentState().Contains(csLoading) && ComponentState().Contains(csDesigning);
  if (!DesignLoad) FTimePicker->SetParent(this);
  FTimePicker->SetBounds(0, 0, 90, 17);
  FTimePicker->FIsTimePicker = true;
  FTimePicker->SetVisible(false);
  FTimePicker->SetEnabled(Enabled());
  FTimePicker->SetKind(dtkTime);
  FTimePicker->OnChange = [this](TObject* Sender) {
    NotifyChange();
    if (OnTimeChange) OnTimeChange(Sender);
  };
  FTimePicker->OnClick = [this](TObject*) { NotifyClick(); };
  FTimePicker->OnKeyPress = [this](TObject* Sender, Char& Key) { NoOpHook(Sender, Key); };
  FTimePicker->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { KeyDown(Key, Shift); };
  FTimePicker->SetAutoTabToNext(FAutoTabToNext);
  FTimePicker->FGridTabhandling = FGridTabhandling;
}

void TExDateTimePicker::LayoutTimePicker() {
  if (!FTimePicker) return;
  // The time typed into the time picker is taken before it is handed back.
  const TDateTime Value = DateTime();
  FTimePicker->SetParent(this);
  FTimePicker->SetColor(Color());
  FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
  FTimePicker->SetVisible(FKind == dkDateTime);
  FTimePicker->SetDateTime(Value);
  FTimePicker->SetFormat(FTimeFormat);
  FTimePicker->Font()->Assign(Font());
  const bool Loading = ComponentState().Contains(csLoading) && !ComponentState().Contains(csDesigning);
  if (!FTimePicker->Visible() && !Loading) {
    TCustomDateTimePicker* Picker = FTimePicker;
    FTimePicker = nullptr;
    delete Picker;
    return;
  }
  wchar_t Text[256] = {};
  if (FTimePicker->HandleAllocated()) GetWindowTextW(FTimePicker->Handle(), Text, 255);
  TWindowDC Screen(nullptr);
  TSelectObject Select(Screen.Handle(), Font()->Handle());
  RECT Measure{0, 0, 0, 0};
  DrawTextW(Screen.Handle(), Text, -1, &Measure, DT_CALCRECT | DT_SINGLELINE);
  const Integer a = Measure.right - Measure.left + 31, W = Width(), H = Height();
  if (!IsVistaOrLater())
    FTimePicker->SetBounds(W - a - 21, -2, a, H);
  else if (!IsComCtl6OrLater() || !foundation::XPThemeLibraryLoaded())
    FTimePicker->SetBounds(W - a - 23, -2, a, H);
  else if (!VisualStylesActive())
    FTimePicker->SetBounds(W - a - 21, 2, a, H - 4);
  else if (FMetroStyle && !NoCustomLook())
    FTimePicker->SetBounds(W - a - 21, 1, a, H - 2);
  else
    FTimePicker->SetBounds(W - a - 34, 1, a, H - 2);
}

void TExDateTimePicker::CreateWnd() {
  TCustomDateTimePicker::CreateWnd();
  if (FKind == dkDateTime) MakeTimePicker();
  LayoutTimePicker();
  UpdateLabel();
}

void TExDateTimePicker::WMSize(TWMSize& Message) {
  TCustomDateTimePicker::WMSize(Message);
  LayoutTimePicker();
}

void TExDateTimePicker::Loaded() {
  TCustomDateTimePicker::Loaded();
  if (!ComponentState().Contains(csDesigning)) {
    if (FKind == dkDateTime) MakeTimePicker();
    LayoutTimePicker();
  }
  if (FLabel) {
    if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    if (ParentFont()) FLabel->Font()->Assign(Font());
  }
  FParentFnt = ParentFont();
  UpdateLabel();
}

void TExDateTimePicker::SetEnabled(bool Value) {
  TCustomDateTimePicker::SetEnabled(Value);
  if (FTimePicker) FTimePicker->SetEnabled(Value);
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Value);
}

// --- TExDateTimePicker: label ---------------------------------------------------------------

void TExDateTimePicker::CreateLabel() {
  FLabel = new edit::TEditLabel(this);
  FLabel->SetParent(Parent());
  FLabel->SetFocusControl(this);
  FLabel->Font()->Assign(FLabelFont.get());
  FLabel->SetParentFont(ParentFont());
  FLabel->OnClick = [this](TObject*) {
    if (OnLabelClick) OnLabelClick(this);
  };
  FLabel->OnDblClick = [this](TObject*) {
    if (OnLabelDblClick) OnLabelDblClick(this);
  };
}

void TExDateTimePicker::SetLabelCaption(const String& Value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(Value);
  UpdateLabel();
}

void TExDateTimePicker::UpdateLabel() {
  if (!FLabel || !FLabel->Parent()) return;
  FLabel->SetTransparent(FLabelTransparent);
  FLabel->Font()->Assign(FParentFnt ? Font() : FLabelFont.get());
  if (!FLabel->Parent()->HandleAllocated()) return;
  const Integer w = edit::EditLabelCaptionWidth(FLabel->Caption(), FLabel->Font());
  const TSize LabelSize{FLabel->Width(), FLabel->Height()};
  const Integer Border = FBorderStyle == bsSingle ? 2 : 0;
  const TPoint At = edit::EditLabelPlace(FLabelPosition, BoundsRect(), LabelSize, w, FLabelMargin, Border);
  FLabel->SetBounds(At.X, At.Y, LabelSize.cx, LabelSize.cy);
  FLabel->SetVisible(Visible());
}

void TExDateTimePicker::SetLabelPosition(edit::TLabelPosition Value) {
  FLabelPosition = Value;
  UpdateLabel();
}

void TExDateTimePicker::SetLabelMargin(Integer Value) {
  FLabelMargin = Value;
  UpdateLabel();
}

void TExDateTimePicker::SetLabelTransparent(bool Value) {
  FLabelTransparent = Value;
  UpdateLabel();
}

void TExDateTimePicker::SetLabelAlwaysEnabled(bool Value) {
  FLabelAlwaysEnabled = Value;
  if (Value && FLabel) FLabel->SetEnabled(true);
  Invalidate();
}

void TExDateTimePicker::SetLabelFont(TFont* Value) {
  if (!ParentFont() && Value) FLabelFont->Assign(Value);
  UpdateLabel();
}

void TExDateTimePicker::SetLabelBold(bool Bold) {
  if (!FLabel) return;
  TFontStyles Style = FLabel->Font()->Style();
  if (Bold)
    Style.Include(fsBold);
  else
    Style.Exclude(fsBold);
  FLabel->Font()->SetStyle(Style);
}

void TExDateTimePicker::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (FLabel)
    edit::EditLabelRoom(FLabelPosition, Align(), TSize{FLabel->Width(), FLabel->Height()}, FLabelMargin, ALeft,
                        ATop, AWidth);
  TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
  UpdateLabel();
}

void TExDateTimePicker::SetParent(TWinControl* AParent) {
  TCustomDateTimePicker::SetParent(AParent);
  if (FLabel) {
    FLabel->SetParent(AParent);
    UpdateLabel();
  }
}

void TExDateTimePicker::SetVisible(bool Value) {
  TCustomDateTimePicker::SetVisible(Value);
  if (FLabel) FLabel->SetVisible(Value);
}

void TExDateTimePicker::Dispatch(TMessage& Message) {
  const bool Loading = ComponentState().Contains(csLoading);
  if (Message.Msg == WM_SETFOCUS && !Loading && FFocusLabel) SetLabelBold(true);
  if (Message.Msg == WM_KILLFOCUS) SetLabelBold(false);
  TCustomDateTimePicker::Dispatch(Message);
}

}  // namespace jorv::grid
