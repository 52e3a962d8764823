#include "dropdown/ExWatch.h"
#include <cmath>
#include <numbers>
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Timer.h"

namespace jorv::dropdown {

// --- settings objects ---------------------------------------------------------------------------

TWatchAppearance::TWatchAppearance()
    : FAMPMFont(std::make_unique<TFont>()), FHourFont(std::make_unique<TFont>()),
      FPicture(std::make_unique<TPicture>()) {
  SetDefaults();
  FAMPMFont->OnChange = [this](TObject*) { Changed(); };
  FHourFont->OnChange = [this](TObject*) { Changed(); };
  FPicture->OnChange = [this](TObject*) { Changed(); };
}

TWatchAppearance::~TWatchAppearance() = default;

void TWatchAppearance::SetDefaults() {
  FLook = TWatchLook{};
  for (TFont* F : {FAMPMFont.get(), FHourFont.get()}) {
    const TNotifyEvent Keep = F->OnChange;
    F->OnChange = nullptr;
    F->SetName(L"Tahoma");
    F->SetSize(F == FAMPMFont.get() ? 10 : 8);
    F->OnChange = Keep;
  }
  Changed();
}

void TWatchAppearance::SetAMPMFont(TFont* Value) {
  FAMPMFont->Assign(Value);
  Changed();
}

void TWatchAppearance::SetHourFont(TFont* Value) {
  FHourFont->Assign(Value);
  Changed();
}

void TWatchAppearance::SetPicture(TPicture* Value) {
  FPicture->Assign(Value);
  Changed();
}

void TWatchAppearance::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TWatchAppearance*>(Source);
  if (!From) {
    TPersistent::Assign(Source);
    return;
  }
  // Three values go through their writers, so that a change of them is
  // reported; the rest is copied silently.
  const TWatchLook Kept = FLook;
  const TNotifyEvent Report = OnChange;
  OnChange = nullptr;
  FLook = From->FLook;
  FLook.CenterPointOuterBorderColor = Kept.CenterPointOuterBorderColor;
  FLook.TickMarks = Kept.TickMarks;
  FLook.HourMarkStyle = Kept.HourMarkStyle;
  FAMPMFont->Assign(From->FAMPMFont.get());
  FHourFont->Assign(From->FHourFont.get());
  FPicture->Assign(From->FPicture.get());
  OnChange = Report;
  SetCenterPointOuterBorderColor(From->CenterPointOuterBorderColor());
  SetTickMarks(From->TickMarks());
  SetHourMarkStyle(From->HourMarkStyle());
}

void TWatchSettings::SetAuto(bool Value) {
  if (FAuto == Value) return;
  FAuto = Value;
  Changed();
}

void TWatchSettings::SetTimeOffset(Integer Value) {
  if (FTimeOffset == Value) return;
  FTimeOffset = Value;
  Changed();
}

void TWatchSettings::SetSecond(bool Value) {
  if (FSecond == Value) return;
  FSecond = Value;
  Changed();
}

void TWatchSettings::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TWatchSettings*>(Source);
  if (!From) {
    TPersistent::Assign(Source);
    return;
  }
  FSecond = From->FSecond;
  FTimeOffset = From->FTimeOffset;
  SetAuto(From->FAuto);
}

// --- the clock ------------------------------------------------------------------------------------

TExWatch::TExWatch(TComponent* AOwner)
    : TCustomControl(AOwner),
      FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()),
      FBKGCache(std::make_unique<TBitmap>()) {
  FAppearance->OnChange = [this](TObject*) { Invalidate(); };
  FSettings->OnChange = [this](TObject* Sender) { SettingsChanged(Sender); };
  FWatchTimer = new TTimer(this);
  FWatchTimer->SetInterval(100);
  FWatchTimer->SetEnabled(FSettings->Auto());
  FWatchTimer->OnTimer = [this](TObject* Sender) { WatchTimerTick(Sender); };
  FAnimationTimer = new TTimer(this);
  FAnimationTimer->SetInterval(1);
  FAnimationTimer->SetEnabled(false);
  FAnimationTimer->OnTimer = [this](TObject* Sender) { AnimationTimerTick(Sender); };
  SetBounds(Left(), Top(), 180, 180);
  FBKGCache->SetSize(180, 180);
}

TExWatch::~TExWatch() {
  delete FAnimationTimer;
  FAnimationTimer = nullptr;
  delete FWatchTimer;
  FWatchTimer = nullptr;
}

String TExWatch::Version() const {
  const Cardinal V = const_cast<TExWatch*>(this)->GetVersionNr();
  return IntToStr(V >> 24) + L"." + IntToStr((V >> 16) & 0xFF) + L"." + IntToStr((V >> 8) & 0xFF) + L"." +
         IntToStr(V & 0xFF);
}

bool TExWatch::Idle() const {
  return ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
}

TDateTime TExWatch::CurrentWatchTime() const {
  if (FSettings->Auto()) return Now() + FSettings->TimeOffset() / 1440.0;
  return FTime;
}

void TExWatch::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  StoreTime(Value);
  RepaintPointers();
}

void TExWatch::StoreTime(TDateTime Value) {
  if (Value == FTime) return;
  FTime = Value;
  if (FInternalSet) {
    Word H = 0, M = 0, S = 0, MS = 0;
    DecodeTime(Value, H, M, S, MS);
    FAM = H < 12;
  }
}

void TExWatch::SetShowAMPM(bool Value) {
  if (FShowAMPM == Value) return;
  FShowAMPM = Value;
  Invalidate();
}

void TExWatch::SetShowNumbers(bool Value) {
  if (FShowNumbers == Value) return;
  FShowNumbers = Value;
  Invalidate();
}

// --- geometry and hit tests -------------------------------------------------------------------------

TRect TExWatch::GetWatchRect() {
  const TRect C = ClientRect();
  const Integer W = C.Width(), H = C.Height();
  const Integer Size = FAppearance->Size();
  const Integer S = Size > 0 ? Min(Size, Min(H, W)) : Min(H, W) - 20;
  const Integer L = C.Left + (W - S) / 2, T = C.Top + (H - S) / 2;
  return TRect(L, T, L + S, T + S);
}

TPoint TExWatch::GetCenter() {
  const TRect R = GetWatchRect();
  return TPoint{R.Left + R.Width() / 2, R.Top + R.Width() / 2};
}

Integer TExWatch::GetRadius() { return GetWatchRect().Width() / 2; }

Integer TExWatch::XYToMinute(Integer X, Integer Y) {
  const TPoint C = GetCenter();
  Integer DY = std::abs(C.Y - Y), DX = std::abs(C.X - X);
  if (DY == 0) DY = 1;
  if (DX == 0) DX = 1;
  const double Alpha = std::atan(double(DY) / DX) * 180 / std::numbers::pi;
  const Integer K = static_cast<Integer>(Round(Alpha / 6));
  Integer Result = 0;
  if (X >= C.X && Y >= C.Y)
    Result = 15 + K;
  else if (X <= C.X && Y >= C.Y)
    Result = 45 - K;
  else if (X <= C.X && Y <= C.Y)
    Result = 45 + K;
  else
    Result = 15 - K;
  return Result < 0 || Result > 59 ? 0 : Result;
}

// The pointer's position on the dial, 0 to 11, in the half of the day the
// clock is in: 12 o'clock is hour 0 in the morning and 12 in the
// afternoon, also for the minutes just before it.
Integer TExWatch::XYToHour(Integer X, Integer Y) {
  const Integer R = static_cast<Integer>(Round(XYToMinute(X, Y) / 5.0)) % 12;
  return FAM ? R : R + 12;
}

void TExWatch::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FReadOnly || FSettings->Auto()) return;
  const TRect W = GetWatchRect();
  if (!PointInEllipse(TPoint{X, Y}, W.Left, W.Top, W.Right, W.Bottom)) {
    SetMinute(static_cast<Byte>(XYToMinute(X, Y)));
    return;
  }
  if (GetAMPMRect().Contains(TPoint{X, Y})) {
    ToggleHalfDay();
    return;
  }
  SetHour(static_cast<Byte>(XYToHour(X, Y)));
}

// The label and the half that dial clicks mean change also without
// animation, which only decides whether the label rolls.
void TExWatch::ToggleHalfDay() {
  SetAM(!FAM);
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(FTime, H, M, S, MS);
  FCurrentHourTo = static_cast<Byte>(H < 12 ? H + 12 : H - 12);
  FInternalCall = true;
  SetHour(FCurrentHourTo);
  FInternalCall = false;
}

void TExWatch::HandleSetCursorMessage(TMessage& M) {
  if (ComponentState().Contains(csDesigning)) return;
  TCustomControl::Dispatch(M);
  POINT P{};
  GetCursorPos(&P);
  ::ScreenToClient(Handle(), &P);
  const bool OverBox = GetAMPMRect().Contains(TPoint{P.x, P.y});
  ::SetCursor(Screen->Cursors(OverBox ? crHandPoint : crDefault));
  M.Result = 1;
}

void TExWatch::HandleGetDlgCodeMessage(TMessage& M) { M.Result = TabStop() ? 5 : 0; }

void TExWatch::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_SETCURSOR: HandleSetCursorMessage(M); return;
    case WM_GETDLGCODE: HandleGetDlgCodeMessage(M); return;
    default: TCustomControl::Dispatch(M); return;
  }
}

// --- setting the time ----------------------------------------------------------------------------------

// A change is complete when it reaches the target of a running animation,
// and at once when none runs: a clock without animation reports every
// hour and minute it is set to.
bool TExWatch::ChangeCompleted(bool AtTarget) const { return AtTarget || !FAnimationTimer->Enabled(); }

void TExWatch::SetHour(Byte Value) {
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(CurrentWatchTime(), H, M, S, MS);
  if (Value == H) return;
  if (FAnimation && !FInternalCall && !Idle()) {
    FCurrentHourTo = Value;
    FHourAnimating = true;
    FAnimationTimer->SetEnabled(true);
    return;
  }
  StoreTime(EncodeTime(Value, M, S, MS));
  RepaintPointers();
  if (ChangeCompleted(Value == FCurrentHourTo) && OnChange) OnChange(this);
}

void TExWatch::SetMinute(Byte Value) {
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(CurrentWatchTime(), H, M, S, MS);
  if (Value >= 60) throw Exception(L"Invalid time");
  if (Value == M) return;
  if (FAnimation && !FInternalCall && !Idle()) {
    FCurrentMinuteTo = Value;
    FHourAnimating = false;
    FMinuteFrom = static_cast<Byte>(M);
    FAnimationTimer->SetEnabled(true);
    return;
  }
  if (!FAnimation) FMinuteFrom = static_cast<Byte>(M);
  if (Value == 0 && FMinuteFrom > 30) {
    H = H == 23 ? 0 : H + 1;
    FMinuteFrom = 0;
  }
  StoreTime(EncodeTime(H, Value, S, MS));
  RepaintPointers();
  if (ChangeCompleted(Value == FCurrentMinuteTo) && OnChange) OnChange(this);
}

namespace {

bool StepHourTowards(Integer& V, Integer Target, Integer Step, Integer MinStep) {
  if (Target - MinStep < V && V < Target + MinStep) {
    V = Target;
    return false;
  }
  Step = Max(Step, MinStep);
  V += V < Target ? Step : -Step;
  return true;
}

// Towards minute 0 from the second half of the hour the pointer goes on
// forward through 60.
bool StepMinuteTowards(Integer& V, Integer Target, Integer Step, Integer MinStep) {
  if (Target - MinStep < V && V < Target + MinStep) {
    V = Target;
    return false;
  }
  Step = Max(Step, MinStep);
  V += (V < Target || (Target == 0 && V > 30)) ? Step : -Step;
  if (V >= 60) V = 0;
  return true;
}

}  // namespace

void TExWatch::AnimationTimerTick(TObject*) {
  if (!FAnimation || Idle()) return;
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(CurrentWatchTime(), H, M, S, MS);
  // A factor below 1 would divide by zero or step backwards: it counts as
  // 1, a jump to the target.
  const double Factor = Max(1, FAnimationFactor);
  FInternalCall = true;
  if (FHourAnimating) {
    Integer V = H;
    const Integer Step = static_cast<Integer>(Round(std::abs(FCurrentHourTo - Integer(H)) / Factor));
    const bool Moves = StepHourTowards(V, FCurrentHourTo, Step, 1);
    if (!Moves) FAnimationTimer->SetEnabled(false);
    SetHour(static_cast<Byte>(Moves ? V : FCurrentHourTo));
  } else {
    Integer V = M;
    const Integer Distance = FCurrentMinuteTo == 0 && M > 30 ? 60 - M : std::abs(FCurrentMinuteTo - Integer(M));
    const Integer Step = static_cast<Integer>(Round(Distance / Factor));
    const bool Moves = StepMinuteTowards(V, FCurrentMinuteTo, Step, 1);
    if (!Moves) FAnimationTimer->SetEnabled(false);
    SetMinute(static_cast<Byte>(Moves ? V : FCurrentMinuteTo));
  }
  FInternalCall = false;
}

void TExWatch::SettingsChanged(TObject*) {
  FWatchTimer->SetEnabled(FSettings->Auto());
  if (FSettings->Auto()) {
    FInternalSet = true;
    SetTime(Now());
    Word H = 0, M = 0, S = 0, MS = 0;
    DecodeTime(FTime, H, M, S, MS);
    SetAM(H < 12);
    FInternalSet = false;
  }
  Invalidate();
}

void TExWatch::WatchTimerTick(TObject*) { RepaintPointers(); }

void TExWatch::SetAM(bool Value) {
  if (FAM == Value) return;
  FAM = Value;
  if (FAnimation && FShowAMPM && FAppearance->AMPMColor() != clNone && !FInternalSet) RollAMPM(Value);
  Invalidate();
}

void TExWatch::StepByKey(Word Key) {
  if (FSettings->Auto()) return;
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(CurrentWatchTime(), H, M, S, MS);
  if (Key == 'A' && H >= 12) SetHour(static_cast<Byte>(H - 12));
  if (Key == 'P' && H < 12) SetHour(static_cast<Byte>(H + 12));
  const auto Internally = [this](auto Step) {
    FInternalCall = true;
    Step();
    FInternalCall = false;
  };
  switch (Key) {
    case VK_PRIOR:
      if (H == 23)
        Internally([&] { SetHour(0); });
      else
        SetHour(static_cast<Byte>(H + 1));
      break;
    case VK_NEXT:
      if (H == 0)
        Internally([&] { SetHour(23); });
      else
        SetHour(static_cast<Byte>(H - 1));
      break;
    case VK_HOME: Internally([&] { SetHour(12); }); break;
    case VK_END: SetMinute(0); break;
    case VK_LEFT:
      if (M == 0)
        SetTime(EncodeTime(H == 0 ? 23 : H - 1, 59, S, MS));
      else
        SetMinute(static_cast<Byte>(M - 1));
      break;
    case VK_RIGHT: SetMinute(static_cast<Byte>(M == 59 ? 0 : M + 1)); break;
    default: break;
  }
}

Char TimePickerTimeSeparator() { return FormatSettings().TimeSeparator; }

}  // namespace jorv::dropdown
