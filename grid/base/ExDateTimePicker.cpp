#include "grid/base/ExDateTimePicker.h"

#include <commctrl.h>
#include <cmath>
#include "foundation/XPTheme.h"
#include "grid/base/GridSystem.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Form.h"

namespace jorv::grid {

UINT DTPShiftFocusMessage() {
  static const UINT Message = RegisterWindowMessageW(L"DTPShiftFocus");
  return Message;
}

// --- TCustomDateTimePicker ------------------------------------------------------------

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : jorv::TDateTimePicker(AOwner) {
  DTPShiftFocusMessage();
  InitPickerLook(FLook);
  FLook.BorderColor = clBlack;
  SetDoubleBuffered(true);
  SetParentCtl3D(false);
  SetCtl3D(false);
}

void TCustomDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  if (Value == FLook.BorderStyle) return;
  FLook.BorderStyle = Value;
  Invalidate();
}

void TCustomDateTimePicker::SetBorderColor(TColor Value) {
  if (Value == FLook.BorderColor) return;
  FLook.BorderColor = Value;
  Invalidate();
}

void TCustomDateTimePicker::SetMetroStyle(bool Value) {
  if (Value == FLook.MetroStyle) return;
  FLook.MetroStyle = Value;
  Invalidate();
}

// --- auto-tab ---------------------------------------------------------------------------------

void TCustomDateTimePicker::KeyPress(Char& Key) {
  const bool Digit = FAutoTab && Key >= L'0' && Key <= L'9';
  if (Digit && Kind() == dtkTime) DecodeTime(jorv::TDateTimePicker::DateTime(), Fh, Fm, Fs, Fms);
  jorv::TDateTimePicker::KeyPress(Key);
  // Posted, so that it is handled once the window applied the digit.
  if (Digit && HandleAllocated()) PostMessageW(Handle(), DTPShiftFocusMessage(), 0, 0);
}

void TCustomDateTimePicker::ShiftFocus() {
  Word Hour = 0, Minute = 0, Second = 0, Milli = 0;
  DecodeTime(jorv::TDateTimePicker::DateTime(), Hour, Minute, Second, Milli);
  if (Hour != Fh || Minute != Fm)
    PostNextField();
  else if (Second != Fs)
    FAutoTabToNext ? FocusNextControl() : PostNextField();
}

void TCustomDateTimePicker::PostNextField() {
  if (HandleAllocated()) PostMessageW(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

void TCustomDateTimePicker::FocusNextControl() {
  TCustomForm* Form = GetParentForm();
  if (Form && HandleAllocated() && IsWindowVisible(Handle())) SendMessageW(Form->Handle(), WM_NEXTDLGCTL, 0, 0);
}

// --- messages -----------------------------------------------------------------------------------

void TCustomDateTimePicker::Dispatch(TMessage& Message) {
  if (Message.Msg == DTPShiftFocusMessage()) {
    ShiftFocus();
    return;
  }
  if (Message.Msg == WM_SETFOCUS && FAutoTab && HandleAllocated()) {
    // A click on the first field selects it (the check box stands before it).
    const LPARAM At = MAKELPARAM(ShowCheckbox() ? 24 : 2, 2);
    PostMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At);
    PostMessageW(Handle(), WM_LBUTTONUP, 0, At);
  }
  jorv::TDateTimePicker::Dispatch(Message);
  if (Message.Msg == WM_NCPAINT && HandleAllocated()) {
    if (!Ctl3D()) DrawPickerFlatFrame(*this, FLook);
    if (!Enabled() && FLook.IsThemed && VisualStylesActive() && !FLook.DisabledBorder) DrawBorders();
    if ((FLook.FocusBorderColor != clNone && FLook.HasFocus) || FLook.BorderColor != clNone) DrawBorders();
    Message.Result = 0;
  }
  if (Message.Msg != WM_GETDLGCODE || !FGridTabhandling) return;
  const bool ShiftDown = GetKeyState(VK_SHIFT) < 0;
  if ((FIsTimePicker && !ShiftDown) || (!FIsTimePicker && ShiftDown)) Message.Result |= DLGC_WANTTAB;
}

// --- the metro look -------------------------------------------------------------------------------

void TCustomDateTimePicker::WMPaint(TWMPaint& Message) {
  jorv::TDateTimePicker::WMPaint(Message);
  if ((Ctl3D() && !MetroActive()) || !IsVistaOrLater() || !HandleAllocated()) return;
  if (MetroActive() && Kind() != dtkTime) {
    TWindowDC DC(Handle());
    TSavedDC Saved(DC.Handle());
    DrawPickerButton(*this, FLook, DC.Handle(), 4);
  }
  if (!Ctl3D()) DrawPickerPaintFrame(*this, FLook);
  DrawBorders();
}

void TCustomDateTimePicker::DrawBorders() {
  if (MetroActive()) DrawPickerBorders(*this, FLook);
}

void TCustomDateTimePicker::CMEnter(TMessage& Message) {
  jorv::TDateTimePicker::CMEnter(Message);
  if (ComponentState().Contains(csDesigning)) return;
  FLook.HasFocus = true;
  DrawBorders();
}

void TCustomDateTimePicker::CMExit(TMessage& Message) {
  jorv::TDateTimePicker::CMExit(Message);
  if (ComponentState().Contains(csDesigning)) return;
  FLook.HasFocus = false;
  DrawBorders();
}

void TCustomDateTimePicker::CMMouseEnter(TMessage& Message) {
  jorv::TDateTimePicker::CMMouseEnter(Message);
  const bool Changed = !FLook.MouseInControl;
  FLook.MouseInControl = true;
  if (Changed && Enabled()) DrawBorders();
  if (FLook.IsWinXP) Invalidate();
}

void TCustomDateTimePicker::CMMouseLeave(TMessage& Message) {
  jorv::TDateTimePicker::CMMouseLeave(Message);
  const bool Changed = FLook.MouseInControl;
  FLook.MouseInControl = false;
  FLook.ButtonHover = false;
  if (Changed && Enabled()) DrawBorders();
  if (FLook.IsWinXP) Invalidate();
}

void TCustomDateTimePicker::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  jorv::TDateTimePicker::MouseMove(Shift, X, Y);
  if (TrackPickerButtonHover(FLook, Width(), X)) Invalidate();
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
  // A time part made after AutoTab was set tabs on as well.
  FTimePicker->SetAutoTab(FAutoTab);
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
  else if (MetroActive())
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
  if (ShowCheckbox() && !Checked()) {
    UpdateWindow();
    if (FTimePicker) FTimePicker->SetEnabled(false);
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
  const Integer Border = FLook.BorderStyle == bsSingle ? 2 : 0;
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
  if (Message.Msg == DTM_SETSYSTEMTIME && Message.WParam == GDT_NONE && !ComponentState().Contains(csDesigning))
    EnableTimePickerByCheck();
}

// --- TExDateTimePicker: auto-tab and the check box ------------------------------------------------

void TExDateTimePicker::KeyPress(Char& Key) {
  if (FAutoTab && Key >= L'0' && Key <= L'9') DecodeDate(jorv::TDateTimePicker::DateTime(), Fy, Fm, Fd);
  TCustomDateTimePicker::KeyPress(Key);
}

void TExDateTimePicker::ShiftFocus() {
  if (FKind == dkTime) {
    TCustomDateTimePicker::ShiftFocus();
    return;
  }
  Word Year = 0, Month = 0, Day = 0;
  DecodeDate(jorv::TDateTimePicker::DateTime(), Year, Month, Day);
  const bool DayChanged = Day != Fd, MonthChanged = Month != Fm, YearChanged = Year != Fy;
  const auto DateDone = [this] {
    if (FKind == dkDateTime && FTimePicker && FTimePicker->CanFocus()) FTimePicker->SetFocus();
  };
  if (!Format().empty()) {
    // The last field of the format completes the date.
    const Char Last = Format().back();
    if ((DayChanged && (Last == L'D' || Last == L'd')) || (MonthChanged && (Last == L'M' || Last == L'm')) ||
        (YearChanged && (Last == L'Y' || Last == L'y')))
      DateDone();
    else if (DayChanged || MonthChanged || YearChanged)
      PostNextField();
    return;
  }
  // The locale's order is taken as day, month, year.
  if (DayChanged || MonthChanged)
    PostNextField();
  else if (YearChanged && FKind == dkDate)
    FocusNextControl();
  else if (YearChanged)
    DateDone();
}

void TExDateTimePicker::EnableTimePickerByCheck() {
  if (FTimePicker) FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
}

void TExDateTimePicker::UpdateWindow() {
  {
    // Only a change notice that the sending itself causes is ignored: a
    // window that reports none would otherwise leave the flag set, and the
    // user's next untick would keep the time part enabled.
    FIgnoreTimePickerCheck = FTimePicker && FTimePicker->Enabled();
    TScopeExit Clear([this] { FIgnoreTimePickerCheck = false; });
    TCustomDateTimePicker::UpdateWindow();
  }
  EnableTimePickerByCheck();
}

void TExDateTimePicker::CNNotify(TWMNotify& Message) {
  if (!ShowCheckbox()) {
    TCustomDateTimePicker::CNNotify(Message);
    return;
  }
  switch (Message.NMHdr->code) {
    case DTN_DATETIMECHANGE:
      TCustomDateTimePicker::CNNotify(Message);
      if (!FIgnoreTimePickerCheck) EnableTimePickerByCheck();
      break;
    case DTN_USERSTRINGW:
    case DTN_USERSTRINGA:
    case DTN_DROPDOWN:
    case DTN_CLOSEUP:
      TCustomDateTimePicker::CNNotify(Message);
      break;
    default:
      Message.Result = 0;
      return;
  }
  FIgnoreTimePickerCheck = false;
}

void TExDateTimePicker::WMPaint(TWMPaint& Message) {
  TCustomDateTimePicker::WMPaint(Message);
  if (!FFirstRun) return;
  FFirstRun = false;
  LayoutTimePicker();
}

}  // namespace jorv::grid
