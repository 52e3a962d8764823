#include "grid/base/GrdSpinEdit.h"

#include <algorithm>
#include <cmath>
#include "grid/base/GridSystem.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Timer.h"

namespace jorv::grid {

// --- glyphs -------------------------------------------------------------------

void LoadSpinGlyph(TBitmap* Glyph, bool Up) {
  // Seven pixels wide, four rows of arrow and a free row below, so that the
  // bottom-left pixel (the transparent colour) is background.
  Glyph->SetPixelFormat(pf24bit);
  Glyph->SetSize(7, 5);
  TCanvas* C = Glyph->Canvas();
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(TRect(0, 0, 7, 5));
  for (Integer Row = 0; Row < 4; ++Row) {
    const Integer Half = Up ? Row : 3 - Row;
    for (Integer X = 3 - Half; X <= 3 + Half; ++X) C->SetPixels(X, Row, clBlack);
  }
}

// --- TExTimerSpeedButton ---------------------------------------------------------

TExTimerSpeedButton::TExTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TExTimerSpeedButton::~TExTimerSpeedButton() = default;

TGrdSpinButton* TExTimerSpeedButton::Pair() const { return dynamic_cast<TGrdSpinButton*>(Parent()); }

void TExTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (FTimeBtnState.Contains(tbAllowTimer)) {
    if (!FRepeatTimer) {
      FRepeatTimer = std::make_unique<TTimer>(nullptr);
      FRepeatTimer->OnTimer = [this](TObject* Sender) { TimerExpired(Sender); };
    }
    FRepeatTimer->SetInterval(400);
    FRepeatTimer->SetEnabled(true);
  }
  if (Parent()) Parent()->Invalidate();
}

void TExTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
  if (Parent()) Parent()->Invalidate();
}

void TExTimerSpeedButton::TimerExpired(TObject*) {
  FRepeatTimer->SetInterval(100);
  if (FState != bsDown || !FDragging) return;
  // A click that fails stops the repeat, or it would fail again at once.
  auto StopOnFailure = ScopeExit([this] { FRepeatTimer->SetEnabled(false); });
  Click();
  StopOnFailure.Dismiss();
}

void TExTimerSpeedButton::CMMouseEnter(TMessage& Message) {
  TSpeedButton::CMMouseEnter(Message);
  FHasMouse = true;
  Invalidate();
}

void TExTimerSpeedButton::CMMouseLeave(TMessage& Message) {
  TSpeedButton::CMMouseLeave(Message);
  FHasMouse = false;
  Invalidate();
}

namespace {

bool HighContrastOn() {
  HIGHCONTRASTW Contrast{};
  Contrast.cbSize = sizeof(Contrast);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(Contrast), &Contrast, 0) &&
         (Contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void Triangle(TCanvas* Canvas, TColor Color, TPoint A, TPoint B, TPoint C) {
  Canvas->Pen()->SetColor(Color);
  Canvas->Brush()->SetColor(Color);
  const TPoint Points[3] = {A, B, C};
  Canvas->Polygon(Points, 3);
}

}  // namespace

void TExTimerSpeedButton::PaintHighContrast(TRect R) {
  Canvas()->Brush()->SetColor(clBlack);
  Canvas()->Pen()->SetColor(clBlack);
  Canvas()->Rectangle(R);
  const Integer Rt = R.Right, T = R.Top;
  switch (FButtonDirection) {
    case bdLeft: Triangle(Canvas(), clWhite, {Rt - 3, T + 5}, {Rt - 6, T + 7}, {Rt - 3, T + 9}); break;
    case bdRight: Triangle(Canvas(), clWhite, {Rt - 6, T + 5}, {Rt - 3, T + 7}, {Rt - 6, T + 9}); break;
    case bdUp: Triangle(Canvas(), clWhite, {Rt - 10, T + 6}, {Rt - 4, T + 6}, {Rt - 7, T + 3}); break;
    case bdDown: Triangle(Canvas(), clWhite, {Rt - 10, T + 3}, {Rt - 4, T + 3}, {Rt - 7, T + 6}); break;
  }
}

void TExTimerSpeedButton::PaintColored(TRect R, TGrdSpinButton* Owner) {
  TColor Fill = Owner->ButtonColor();
  if (FState == bsDown)
    Fill = Owner->ButtonColorDown();
  else if (FHasMouse)
    Fill = Owner->ButtonColorHot();
  Canvas()->Brush()->SetColor(Fill);
  Canvas()->Pen()->SetColor(Fill);
  Canvas()->Rectangle(R);
  const Integer L = R.Left, T = R.Top;
  switch (FButtonDirection) {
    case bdLeft: Triangle(Canvas(), clBlack, {L + 5, T + 5}, {L + 3, T + 7}, {L + 5, T + 9}); break;
    case bdRight: Triangle(Canvas(), clBlack, {L + 3, T + 5}, {L + 5, T + 7}, {L + 3, T + 9}); break;
    case bdUp: Triangle(Canvas(), clBlack, {L + 4, T + 4}, {L + 8, T + 4}, {L + 6, T + 2}); break;
    case bdDown: Triangle(Canvas(), clBlack, {L + 4, T + 2}, {L + 8, T + 2}, {L + 6, T + 4}); break;
  }
}

bool TExTimerSpeedButton::PaintThemed(const TRect& R) {
  TGrdSpinButton* Owner = Pair();
  if (!FIsWinXP || !Owner || !Owner->HandleAllocated()) return false;
  static const int Parts[4] = {4, 3, 1, 2};  // bdLeft, bdRight, bdUp, bdDown
  const int State = FState == bsDown ? 3 : (FHasMouse ? 2 : 1);
  return DrawThemedPart(Canvas(), Owner->Handle(), L"spin", Parts[FButtonDirection], State, R);
}

void TExTimerSpeedButton::Paint() {
  const TRect R = ClientRect();
  TGrdSpinButton* Owner = Pair();
  if (HighContrastOn()) {
    PaintHighContrast(R);
    return;
  }
  if (Owner && Owner->ButtonColor() != clNone) {
    PaintColored(R, Owner);
    return;
  }
  if (PaintThemed(R)) return;
  if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
    UINT Flags = DFCS_SCROLLLEFT;
    if (FButtonDirection == bdRight) Flags = DFCS_SCROLLRIGHT;
    if (FState == bsDown) Flags |= DFCS_PUSHED;
    if (FFlat) Flags |= DFCS_FLAT;
    RECT Rect{R.Left, R.Top, R.Right, R.Bottom};
    DrawFrameControl(Canvas()->Handle(), &Rect, DFC_SCROLL, Flags);
    return;
  }
  TSpeedButton::Paint();
}

// --- TGrdSpinButton ---------------------------------------------------------------

TGrdSpinButton::TGrdSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle.Exclude(csAcceptsControls);
  FControlStyle.Exclude(csSetCaption);
  FControlStyle.Include(csOpaque);
  FUpButton = CreateButton();
  FUpButton->SetButtonDirection(bdUp);
  LoadSpinGlyph(FUpButton->Glyph(), true);
  FDownButton = CreateButton();
  FDownButton->SetButtonDirection(bdDown);
  LoadSpinGlyph(FDownButton->Glyph(), false);
  SetBounds(0, 0, 15, 25);
  FFocusedButton = FUpButton;
}

TExTimerSpeedButton* TGrdSpinButton::CreateButton() {
  auto* Button = new TExTimerSpeedButton(this);
  Button->OnClick = [this](TObject* Sender) { BtnClick(Sender); };
  Button->OnMouseDown = [this](TObject* Sender, TMouseButton B, TShiftState S, Integer X, Integer Y) {
    BtnMouseDown(Sender, B, S, X, Y);
  };
  Button->SetVisible(true);
  Button->SetEnabled(true);
  Button->SetTimeBtnState(TTimeBtnState{tbAllowTimer});
  Button->SetParent(this);
  return Button;
}

void TGrdSpinButton::SetGlyph(TExTimerSpeedButton* Button, TBitmap* Value, bool Up) {
  if (Value) {
    Button->SetGlyph(Value);
    return;
  }
  LoadSpinGlyph(Button->Glyph(), Up);
  Button->SetNumGlyphs(1);
  Button->Invalidate();
}

void TGrdSpinButton::SetDirection(TSpinDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  if (HandleAllocated()) RecreateWnd();
  if (FDirection == spHorizontal) {
    SetWidth(20);
    FUpButton->SetButtonDirection(bdRight);
    FDownButton->SetButtonDirection(bdLeft);
  } else {
    SetWidth(15);
    FUpButton->SetButtonDirection(bdUp);
    FDownButton->SetButtonDirection(bdDown);
  }
  AdjustSize(FWidth, FHeight);
  Invalidate();
}

void TGrdSpinButton::SetFocusControl(TWinControl* Value) {
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TGrdSpinButton::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FUpButton->SetIsWinXP(Value);
  FDownButton->SetIsWinXP(Value);
}

void TGrdSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TGrdSpinButton::AdjustSize(Integer& W, Integer& H) {
  if (!FUpButton || !FDownButton || ComponentState().Contains(csLoading)) return;
  if (FDirection == spVertical) {
    W = std::max(W, 15);
    const Integer UpHeight = H / 2;
    FUpButton->SetBounds(0, 0, W, UpHeight);
    // The two faces share one pixel row, so their frames meet in one line.
    FDownButton->SetBounds(0, UpHeight - 1, W, H - UpHeight + 1);
  } else {
    W = std::max(W, 20);
    FDownButton->SetBounds(0, 0, W / 2, H);
    FUpButton->SetBounds(W / 2 + 1, 0, W / 2, H);
  }
}

void TGrdSpinButton::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  AdjustSize(AWidth, AHeight);
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TGrdSpinButton::Loaded() {
  TWinControl::Loaded();
  Integer W = Width(), H = Height();
  AdjustSize(W, H);
  if (W != Width() || H != Height()) SetBounds(Left(), Top(), W, H);
}

void TGrdSpinButton::WMSize(TWMSize& Message) {
  TWinControl::WMSize(Message);
  Integer W = Width(), H = Height();
  AdjustSize(W, H);
  if (W != Width() || H != Height()) SetBounds(Left(), Top(), W, H);
  Message.Result = 0;
}

void TGrdSpinButton::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  TWinControl::Dispatch(Message);
}

void TGrdSpinButton::WMSetFocus(TWMSetFocus& Message) {
  TWinControl::WMSetFocus(Message);
  FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() + tbFocusRect);
  FFocusedButton->Invalidate();
}

void TGrdSpinButton::WMKillFocus(TWMKillFocus& Message) {
  TWinControl::WMKillFocus(Message);
  TTimeBtnState State = FFocusedButton->TimeBtnState();
  FFocusedButton->SetTimeBtnState(State.Exclude(tbFocusRect));
  FFocusedButton->Invalidate();
}

void TGrdSpinButton::KeyDown(Word& Key, TShiftState Shift) {
  switch (Key) {
    case VK_SPACE: FFocusedButton->Click(); break;
    case VK_UP:
      SetFocusBtn(FUpButton);
      FUpButton->Click();
      break;
    case VK_DOWN:
      SetFocusBtn(FDownButton);
      FDownButton->Click();
      break;
    default: break;
  }
  TWinControl::KeyDown(Key, Shift);
}

void TGrdSpinButton::SetFocusBtn(TExTimerSpeedButton* Button) {
  if (!TabStop() || !CanFocus() || Button == FFocusedButton) return;
  TTimeBtnState Old = FFocusedButton->TimeBtnState();
  FFocusedButton->SetTimeBtnState(Old.Exclude(tbFocusRect));
  FFocusedButton = Button;
  if (Focused()) {
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() + tbFocusRect);
    Invalidate();
  }
}

void TGrdSpinButton::BtnMouseDown(TObject* Sender, TMouseButton Button, TShiftState, Integer, Integer) {
  if (Button != mbLeft) return;
  SetFocusBtn(static_cast<TExTimerSpeedButton*>(Sender));
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
  else if (TabStop() && !Focused() && CanFocus())
    SetFocus();
}

void TGrdSpinButton::BtnClick(TObject* Sender) {
  if (Sender == FUpButton) {
    if (OnUpClick) OnUpClick(this);
  } else if (OnDownClick) {
    OnDownClick(this);
  }
}

// --- TGrdSpinEdit: values -------------------------------------------------------------

TGrdSpinEdit::TGrdSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  FControlStyle.Exclude(csSetCaption);
  SetTabStop(true);
  SetText(L"0");
  FButton = new TGrdSpinButton(this);
  FButton->SetBounds(0, 0, 15, 17);
  FButton->SetVisible(true);
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](TObject* Sender) { SpinUpClick(Sender); };
  FButton->OnDownClick = [this](TObject* Sender) { SpinDownClick(Sender); };
}

TGrdSpinEdit::~TGrdSpinEdit() {
  // The pair is an owned component and goes with the edit's components.
  FButton = nullptr;
}

void TGrdSpinEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomMaskEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FButton) FButton = nullptr;
}

Integer TGrdSpinEdit::ClampInt(Integer Value) const {
  if (FMinValue == FMaxValue) return Value;
  return std::clamp(Value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
}

double TGrdSpinEdit::ClampFloat(double Value) const {
  if (FMinFloatValue == FMaxFloatValue) return Value;
  if (Value <= FMinFloatValue) return FMinFloatValue;
  if (Value > FMaxFloatValue) return FMaxFloatValue;
  return Value;
}

TDateTime TGrdSpinEdit::ClampDate(TDateTime Value) const {
  if (FMinDateValue == FMaxDateValue) return Value;
  if (Value <= FMinDateValue) return FMinDateValue;
  if (Value > FMaxDateValue) return FMaxDateValue;
  return Value;
}

Integer TGrdSpinEdit::Value() {
  const String S = Trim(Text());
  if (S.empty()) return 0;
  Integer Result = 0;
  return TryStrToInt(S, Result) ? Result : FMinValue;
}

void TGrdSpinEdit::SetValue(Integer Value) {
  SetText(IntToStr(ClampInt(Value)));
  if (!FEditorEnabled && HandleAllocated()) SelectAll();
}

double TGrdSpinEdit::FloatValue() {
  double Result = 0;
  // The float kind's own lower limit, so that an unreadable text reads as
  // a value the editor accepts.
  return TryStrToFloat(Trim(Text()), Result) ? Result : FMinFloatValue;
}

void TGrdSpinEdit::SetFloatValue(double Value) {
  Value = ClampFloat(Value);
  if (FPrecision != 0)
    SetText(FloatToStrF(Value, ffFixed, 15, FPrecision));
  else
    SetText(FloatToStr(Value));
}

TDateTime TGrdSpinEdit::DateValue() {
  const String S = Text();
  if (S.empty() || S == L"0") return Now();
  TDateTime Result = 0;
  return TryStrToDate(S, Result) ? Result : FMinDateValue;
}

void TGrdSpinEdit::WriteKeepingCaret(const String& S) {
  const bool HasWindow = HandleAllocated();
  const Integer Caret = HasWindow ? SelStart() : 0;
  SetText(S);
  if (HasWindow) SetSelStart(Caret);
}

void TGrdSpinEdit::SetDateValue(TDateTime Value) {
  FDateValue = Value;
  if (IsLoading()) return;
  WriteKeepingCaret(DateToStr(ClampDate(Value)));
}

TDateTime TGrdSpinEdit::TimeValue() {
  TDateTime Result = 0;
  return TryStrToTime(Text(), Result) ? Result : 0;
}

void TGrdSpinEdit::SetTimeValue(TDateTime Value) {
  FTimeValue = Value;
  if (IsLoading()) return;
  Value = ClampDate(Value);
  WriteKeepingCaret(FShowSeconds ? TimeToStr(Value) : FormatDateTime(L"h:nn", Value));
}

void TGrdSpinEdit::SetSpinType(TGrdSpinType Value) {
  FSpinType = Value;
  switch (FSpinType) {
    case sptNormal: SetValue(this->Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
  }
}

void TGrdSpinEdit::SetPrecision(Integer Value) {
  FPrecision = Value;
  if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TGrdSpinEdit::CheckLimits() {
  switch (FSpinType) {
    case sptNormal: {
      const Integer V = Value();
      if (ClampInt(V) != V) SetValue(V);
      break;
    }
    case sptFloat: {
      const double V = FloatValue();
      if (ClampFloat(V) != V) SetFloatValue(V);
      break;
    }
    case sptDate: {
      const TDateTime V = DateValue();
      if (ClampDate(V) != V) SetDateValue(V);
      break;
    }
    case sptTime: {
      const TDateTime V = TimeValue();
      if (ClampDate(V) != V) SetTimeValue(V);
      break;
    }
  }
}

void TGrdSpinEdit::Loaded() {
  TCustomMaskEdit::Loaded();
  if (FSpinType == sptDate) SetText(DateToStr(FDateValue));
  if (FSpinType == sptTime)
    SetText(FShowSeconds ? TimeToStr(FTimeValue) : FormatDateTime(L"h:nn", FTimeValue));
  SetSpinType(FSpinType);
}

// --- TGrdSpinEdit: stepping -------------------------------------------------------------

void TGrdSpinEdit::StepUp(bool Paged) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  switch (FSpinType) {
    case sptNormal: SetValue(Value() + FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() + (Paged ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(true); break;
    case sptTime: StepTime(true); break;
  }
}

void TGrdSpinEdit::StepDown(bool Paged) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  switch (FSpinType) {
    case sptNormal: SetValue(Value() - FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() - (Paged ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(false); break;
    case sptTime: StepTime(false); break;
  }
}

namespace {

// The 1-based positions of the first Separator in S and of the next one.
void SeparatorPositions(const String& S, Char Separator, Integer& First, Integer& Second) {
  First = Pos(Separator, S);
  Second = 0;
  if (First == 0) return;
  const Integer Next = Pos(Separator, Copy(S, First + 1));
  if (Next > 0) Second = First + Next;
}

// The same day and month in the year Delta away; 29 February becomes 28
// February in a year without it.
TDateTime StepYear(TDateTime Date, Integer Delta) {
  Word Year = 0, Month = 0, Day = 0;
  DecodeDate(Date, Year, Month, Day);
  const Word NewYear = static_cast<Word>(Year + Delta);
  const Word LastDay = DaysInAMonth(NewYear, Month);
  return EncodeDate(NewYear, Month, std::min(Day, LastDay)) + (Date - std::floor(Date));
}

}  // namespace

void TGrdSpinEdit::StepDate(bool Up) {
  const TFormatSettings Settings = FormatSettings();
  const String Format = UpperCase(Settings.ShortDateFormat);
  const Integer MonthAt = Pos(L"M", Format), DayAt = Pos(L"D", Format);
  const bool MonthFirst = MonthAt > 0 && (DayAt == 0 || MonthAt < DayAt);
  Integer P1 = 0, P2 = 0;
  SeparatorPositions(Text(), Settings.DateSeparator, P1, P2);
  const Integer Caret = SelStart();
  const Integer Delta = Up ? 1 : -1;
  const TDateTime Date = DateValue();
  const bool InFirst = Caret < P1, InSecond = !InFirst && Caret < P2;
  TDateTime Result = 0;
  if ((MonthFirst && InFirst) || (!MonthFirst && InSecond))
    Result = IncMonth(Date, Delta);
  else if (InFirst || InSecond)
    Result = Date + Delta;
  else
    Result = StepYear(Date, Delta);
  SetDateValue(Result);
}

void TGrdSpinEdit::StepTime(bool Up) {
  const TFormatSettings Settings = FormatSettings();
  Integer T1 = 0, T2 = 0;
  SeparatorPositions(Text(), Settings.TimeSeparator, T1, T2);
  const Integer Caret = SelStart();
  TDateTime Step = 0;
  if (Caret < T1)
    Step = EncodeTime(static_cast<Word>(FIncrementHours), 0, 0, 0);
  else if (FShowSeconds && T2 > 0 && Caret >= T2)
    Step = EncodeTime(0, 0, static_cast<Word>(FIncrementSeconds), 0);
  else
    Step = EncodeTime(0, static_cast<Word>(FIncrementMinutes), 0, 0);
  if (Up) {
    SetTimeValue(TimeValue() + Step);
    return;
  }
  // Below midnight the time wraps to the evening before.
  TDateTime Result = TimeValue() + 1 - Step;
  if (Result > 1) Result -= 1;
  SetTimeValue(Result);
}

void TGrdSpinEdit::SpinUpClick(TObject*) { StepUp(false); }

void TGrdSpinEdit::SpinDownClick(TObject*) { StepDown(false); }

// --- TGrdSpinEdit: keys ---------------------------------------------------------------------

bool TGrdSpinEdit::AcceptKey(Char& Key) {
  if (Key == 8) return FEditorEnabled;
  const TFormatSettings Settings = FormatSettings();
  const Char Decimal = Settings.DecimalSeparator, Thousand = Settings.ThousandSeparator;
  const Char TimeSep = Settings.TimeSeparator, DateSep = Settings.DateSeparator;
  const bool IsDigit = Key >= L'0' && Key <= L'9';
  bool Ok = Key == Decimal || Key == Thousand || Key == TimeSep || Key == DateSep || IsDigit || Key == L'-';
  if (!Ok) Ok = Key < 32 && Key != 13;
  const auto NumberSign = [&](Char C) { return C == Decimal || C == Thousand || C == L'-' || C == L'+'; };
  const bool Numeric = FSpinType == sptNormal || FSpinType == sptFloat;
  if (Key == TimeSep && FSpinType != sptTime) Ok = Ok && NumberSign(TimeSep) && Numeric;
  if (Key == DateSep && FSpinType != sptDate) Ok = Ok && NumberSign(DateSep) && Numeric;
  const String S = Text();
  if (Key == L'-') {
    const Integer Caret = HandleAllocated() ? SelStart() : 0;
    if (Pos(L"-", S) == 0)
      Ok = Ok && Caret == 0;
    else
      Ok = Ok && Pos(L"-", SelText()) > 0 && Caret == 0;
  }
  if (FSpinType == sptNormal) Ok = Ok && (IsDigit || Key == L'-');
  if (FSpinType == sptFloat && Key != 27 && Key != 13 && Key != 8) {
    if (Key == Thousand) Ok = false;
    const Integer DecimalAt = Pos(Decimal, S);
    if (Key == Decimal && DecimalAt > 0 && Pos(Decimal, SelText()) == 0) Ok = false;
    if (FPrecision > 0 && DecimalAt > 0 && Ok && HandleAllocated() && SelStart() >= DecimalAt && SelLength() == 0)
      Ok = static_cast<Integer>(S.size()) < DecimalAt + FPrecision;
  }
  if (FSpinType == sptTime && Key == TimeSep) {
    const Integer At = Pos(TimeSep, S);
    if (At > 0) Ok = Ok && Pos(TimeSep, Copy(S, At + 1)) == 0;
  }
  if (!FEditorEnabled && (Key >= 32 || Key == 8)) Ok = false;
  return Ok;
}

void TGrdSpinEdit::KeyPress(Char& Key) {
  if (!AcceptKey(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  if (Key != 0) TCustomMaskEdit::KeyPress(Key);
}

void TGrdSpinEdit::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_RETURN && FReturnIsTab) {
    Key = VK_TAB;
    PostMessageW(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
  TCustomMaskEdit::KeyDown(Key, Shift);
}

void TGrdSpinEdit::WMKeyDown(TWMKey& Message) {
  switch (Message.CharCode) {
    case VK_PRIOR: StepUp(true); break;
    case VK_NEXT: StepDown(true); break;
    case VK_UP: StepUp(false); break;
    case VK_DOWN: StepDown(false); break;
    default: TCustomMaskEdit::WMKeyDown(Message); return;
  }
  Message.Result = 0;
}

void TGrdSpinEdit::WMChar(TWMKey& Message) {
  // The keypad's decimal key types the locale's separator, as a
  // spreadsheet does; its scan code, unlike that of the main row's point,
  // has bit 0x40 set (bit 22 of the key data).
  if (FExcelStyleDecimalSeparator && Message.CharCode == L'.' && (Message.KeyData & 0x400000) != 0)
    Message.CharCode = FormatSettings().DecimalSeparator;
  TCustomMaskEdit::WMChar(Message);
}

void TGrdSpinEdit::Dispatch(TMessage& Message) {
  if ((Message.Msg == WM_PASTE || Message.Msg == WM_CUT) && (!FEditorEnabled || ReadOnly())) return;
  TCustomMaskEdit::Dispatch(Message);
}

void TGrdSpinEdit::CMEnter(TMessage& Message) {
  if (AutoSelect() && (GetKeyState(VK_LBUTTON) >= 0 || !FEditorEnabled)) SelectAll();
  TCustomMaskEdit::CMEnter(Message);
}

void TGrdSpinEdit::CMExit(TMessage& Message) {
  TCustomMaskEdit::CMExit(Message);
  CheckLimits();
}

// --- TGrdSpinEdit: window and layout ---------------------------------------------------------

void TGrdSpinEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
  if (FEditAlign == eaRight) Params.Style = (Params.Style & ~ES_CENTER) | ES_RIGHT;
  if (FEditAlign == eaCenter) Params.Style = (Params.Style & ~ES_RIGHT) | ES_CENTER;
}

void TGrdSpinEdit::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

void TGrdSpinEdit::SetEditRect() {
  if (!HandleAllocated() || !FButton) return;
  const Integer Inset = BorderStyle() == bsNone ? 3 : 0;
  RECT R{Inset, Inset, ClientWidth() - FButton->Width() - 2 - Inset, ClientHeight() + 1};
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&R));
}

Integer TGrdSpinEdit::MinHeight() {
  TWindowDC Screen(nullptr);
  TEXTMETRICW System{}, Own{};
  GetTextMetricsW(Screen.Handle(), &System);
  {
    TSelectObject Select(Screen.Handle(), Font()->Handle());
    GetTextMetricsW(Screen.Handle(), &Own);
  }
  Integer Result = Own.tmHeight + std::min(Own.tmHeight, System.tmHeight) / 4 + 2;
  if (BorderStyle() == bsSingle) Result += 4 * GetSystemMetrics(SM_CYBORDER);
  return Result;
}

void TGrdSpinEdit::WMSize(TWMSize& Message) {
  TCustomMaskEdit::WMSize(Message);
  const Integer Min = MinHeight();
  if (Height() < Min) {
    SetBounds(Left(), Top(), Width(), Min);
    return;
  }
  if (!FButton) return;
  const Integer B = BorderStyle() == bsNone ? 4 : 0;
  if (Ctl3D())
    FButton->SetBounds(Width() - FButton->Width() - 5 + B, 0, FButton->Width(), Height() - 5 + B);
  else
    FButton->SetBounds(Width() - FButton->Width(), 1, FButton->Width(), Height() - 3);
  SetEditRect();
}

void TGrdSpinEdit::Relayout() {
  SetBounds(Left(), Top(), Width() + 1, Height());
  SetBounds(Left(), Top(), Width() - 1, Height());
}

void TGrdSpinEdit::SetDirection(TSpinDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  FButton->SetDirection(Value);
  Relayout();
}

void TGrdSpinEdit::SetSpinFlat(bool Value) {
  FButton->UpButton()->SetFlat(Value);
  FButton->DownButton()->SetFlat(Value);
  FSpinFlat = Value;
}

void TGrdSpinEdit::SetSpinTransparent(bool Value) {
  FButton->UpButton()->SetTransparent(Value);
  FButton->DownButton()->SetTransparent(Value);
  FSpinTransparent = Value;
  Relayout();
}

void TGrdSpinEdit::SetEditAlign(TEditAlign Value) {
  FEditAlign = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TGrdSpinEdit::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->SetIsWinXP(Value);
}

}  // namespace jorv::grid
