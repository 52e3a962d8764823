#include "dropdown/TimePickerDropDown.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Panel.h"

namespace jorv::dropdown {

using namespace jorv::foundation;

namespace {

constexpr Integer ClockSide = 170;

String Trimmed(const String& S) { return Trim(S); }

}  // namespace

String TwoDigits(Integer V) {
  const String S = IntToStr(V);
  return S.size() == 1 ? L"0" + S : S;
}

bool IsTwoDigitPart(const String& S) {
  if (S.empty()) return true;
  const auto Digit = [](Char C) { return C >= L'0' && C <= L'9'; };
  return Digit(S[0]) && (S.size() < 2 || Digit(S[1]));
}

String BlanksToZeros(const String& S) {
  String Result = S;
  for (Char& C : Result)
    if (C == L' ') C = L'0';
  return Result;
}

// --- construction -----------------------------------------------------------------------------------

TExTimePickerDropDown::TExTimePickerDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner), FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>()) {
  // The base applied its look while this class was not yet built.
  ApplyWatchLook(FWatchAppearance.get(), GetComponentStyle());
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  FInternalCall = true;
  ApplyEditMask();
  SetRawText(FormatTimeText(0, 0, 0));
  FInternalCall = false;
  FDropDownHeader->SetVisible(false);
  FDropDownFooter->SetVisible(false);
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

TExTimePickerDropDown::~TExTimePickerDropDown() = default;

// --- text, mask and value -----------------------------------------------------------------------------

void TExTimePickerDropDown::ApplyEditMask() {
  const String Sep(1, TimePickerTimeSeparator());
  SetEditMask(FShowSeconds ? L"!90" + Sep + L"00" + Sep + L"00;1; " : L"!90" + Sep + L"00;1; ");
}

String TExTimePickerDropDown::FormatTimeText(Word H, Word M, Word S) const {
  const String Sep(1, TimePickerTimeSeparator());
  String Result = TwoDigits(H) + Sep + TwoDigits(M);
  if (FShowSeconds) Result += Sep + TwoDigits(S);
  return Result;
}

String TExTimePickerDropDown::FormatTimeText(TDateTime Value) const {
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(Value, H, M, S, MS);
  return FormatTimeText(H, M, S);
}

// The text and, while the pop-up is up, the clock and the time picker
// show Value; Time is not touched.
void TExTimePickerDropDown::ShowTime(TDateTime Value) {
  SetRawText(FormatTimeText(Value));
  if (!FDroppedDown) return;
  if (FExWatch) FExWatch->SetTime(Value);
  if (FShowTimePicker && FDateTimePicker) FDateTimePicker->SetTime(Value);
}

void TExTimePickerDropDown::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  if (FEditorEnabled && Value != 0 && EditMask().empty()) {
    FInternalCall = true;
    ApplyEditMask();
    FInternalCall = false;
  }
  FTime = Value;
  const bool Was = FInternalCall;
  FInternalCall = true;
  ShowTime(Value);
  FInternalCall = Was;
}

void TExTimePickerDropDown::SetText(const String& Value) {
  if (FInternalCall) {
    if (!Value.empty())
      ApplyEditMask();
    else
      SetEditMask(String());
  }
  FInternalCall = false;
  TExCustomDropDown::SetText(Value);
}

void TExTimePickerDropDown::SetShowSeconds(bool Value) {
  if (FShowSeconds == Value) return;
  FShowSeconds = Value;
  const TDateTime Kept = FTime;
  FInternalCall = true;
  SetEditMask(String());
  SetText(String());
  ApplyEditMask();
  // A different value, so that the next step writes the text anew.
  FTime = Kept + 1;
  SetTime(Kept);
}

void STDMETHODCALLTYPE TExTimePickerDropDown::SetComponentStyle(TZVQStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  if (FWatchAppearance) ApplyWatchLook(FWatchAppearance.get(), AStyle);
}

// --- the pop-up -------------------------------------------------------------------------------------

void TExTimePickerDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  if (!FPanelCtrl) {
    FPanelCtrl = new TPanel(this);
    FPanelCtrl->SetParent(FDropDownForm);
    FPanelCtrl->SetCtl3D(false);
    FPanelCtrl->SetBorderWidth(0);
    FPanelCtrl->SetBevelInner(bvNone);
  }
  FPanelCtrl->SetBounds(0, 0, FPanelCtrl->Width(), 180);
  if (!FExWatch) {
    FExWatch = new TExWatch(this);
    FExWatch->SetParent(FPanelCtrl);
  }
  FExWatch->SetAlign(alClient);
  SetControl(FPanelCtrl);
}

void TExTimePickerDropDown::DoBeforeDropDown() {
  TExCustomDropDown::DoBeforeDropDown();
  // Sized anew at every opening: the alignment of the last one comes off
  // so that the pop-up is sized from this.
  FPanelCtrl->SetAlign(alNone);
  FPanelCtrl->SetBounds(0, 0, ClockSide, ClockSide);
  FDropDownForm->SetWidth(FDropDownForm->Width() + 1);
  FDropDownForm->SetWidth(FDropDownForm->Width() - 1);
  FDropDownForm->SetCancelOnDeActivate(false);
  FPanelCtrl->SetColor(DropDownColor());
  FExWatch->SetAppearance(FWatchAppearance.get());
  FExWatch->SetSettings(FWatchSettings.get());
  FExWatch->SetShowAMPM(FShowWatchAMPM);
  FExWatch->SetShowNumbers(FShowWatchNumbers);
  FExWatch->SetAnimation(FAnimation);
  FExWatch->SetAnimationFactor(FAnimationFactor);
  FExWatch->OnChange = nullptr;
  if (!FWatchSettings->Auto()) FExWatch->SetTime(FTime);
  // The clock takes the text's time; a text that is no time (one with
  // blank positions, say) leaves it at the value instead of keeping the
  // pop-up shut with an error.
  const String T = Text();
  TDateTime Parsed = 0;
  if (T.empty())
    FExWatch->SetTime(0);
  else if (TryStrToTime(T, Parsed))
    FExWatch->SetTime(Parsed);
  FExWatch->OnChange = [this](TObject* Sender) { WatchChanged(Sender); };
  FTimeAtOpening = FTime;
  ShowPicker();
  PlaceDropDownControl();
}

void TExTimePickerDropDown::ShowPicker() {
  if (!FShowTimePicker) {
    if (FDateTimePicker) FDateTimePicker->SetVisible(false);
    return;
  }
  if (!FDateTimePicker) {
    FDateTimePicker = new TDateTimePicker(this);
    FDateTimePicker->SetParent(FPanelCtrl);
    FDateTimePicker->SetKind(dtkTime);
  }
  TDateTimePicker* P = FDateTimePicker;
  P->OnChange = nullptr;
  P->SetAlign(alBottom);
  P->SetVisible(true);
  P->SetTime(FExWatch->Time());
  P->BringToFront();
  P->OnChange = [this](TObject* Sender) { TimePickerChanged(Sender); };
  P->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { DropDownControlKeyDown(Key, Shift); };
  P->OnKeyUp = [this](TObject*, Word& Key, TShiftState Shift) { DropDownControlKeyUp(Key, Shift); };
  P->OnKeyPress = [this](TObject*, Char& Key) { DropDownControlKeyPress(Key); };
  P->SetFormat(FShowSeconds ? L"HH:mm:ss" : L"HH:mm");
  FPanelCtrl->SetHeight(P->Height() + ClockSide);
}

void TExTimePickerDropDown::WatchChanged(TObject*) {
  const TDateTime T = FExWatch->Time();
  if (FDateTimePicker && FShowTimePicker && Frac(FDateTimePicker->Time()) != Frac(T)) {
    FDateTimePicker->SetTime(T);
    if (OnTimeChange) OnTimeChange(this);
  }
  SetTime(T);
}

void TExTimePickerDropDown::TimePickerChanged(TObject*) {
  const TDateTime T = Frac(FDateTimePicker->Time());
  if (FExWatch && !FWatchSettings->Auto()) FExWatch->SetTime(T);
  const String Shown = FormatTimeText(T);
  if (Shown != Text()) {
    FInternalCall = true;
    SetText(Shown);
  }
}

void TExTimePickerDropDown::DropDownFormHidden() {
  TExCustomDropDown::DropDownFormHidden();
  if (FExWatch) SetTime(FExWatch->Time());
}

// A cancelling close puts back the value, text and clock of the opening:
// the base's closing wrote the clock's time while the pop-up hid, and its
// restored text is not one this editor wrote.
void TExTimePickerDropDown::DoHideDropDown(bool Cancel) {
  const bool WasUp = FDropDownForm && FDropDownForm->Visible();
  TExCustomDropDown::DoHideDropDown(Cancel);
  if (!WasUp || !FExWatch) return;
  if (!Cancel) {
    SetTime(FExWatch->Time());
    return;
  }
  FInternalCall = true;
  ApplyEditMask();
  FTime = FTimeAtOpening;
  SetRawText(FormatTimeText(FTime));
  FInternalCall = false;
  FExWatch->SetTime(FTime);
}

// --- keys -------------------------------------------------------------------------------------------

namespace {

bool PopupOwnKey(Word Key, TShiftState Shift) {
  return (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt);
}

}  // namespace

void TExTimePickerDropDown::DropDownFormKeyDown(Word& Key, TShiftState Shift) {
  if (!PopupOwnKey(Key, Shift)) TExCustomDropDown::DropDownFormKeyDown(Key, Shift);
  if (FDropDownForm && FDropDownForm->Visible() && FExWatch) FExWatch->StepByKey(Key);
}

void TExTimePickerDropDown::DropDownFormKeyUp(Word& Key, TShiftState Shift) {
  if (!PopupOwnKey(Key, Shift)) TExCustomDropDown::DropDownFormKeyUp(Key, Shift);
}

void TExTimePickerDropDown::DropDownControlKeyDown(Word& Key, TShiftState Shift) {
  if (!PopupOwnKey(Key, Shift)) TExCustomDropDown::DropDownControlKeyDown(Key, Shift);
}

void TExTimePickerDropDown::DropDownControlKeyUp(Word& Key, TShiftState Shift) {
  if (!PopupOwnKey(Key, Shift)) TExCustomDropDown::DropDownControlKeyUp(Key, Shift);
}

void TExTimePickerDropDown::SetPart(Integer Index, Integer Value) {
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(FTime, H, M, S, MS);
  Word* Part[] = {&H, &M, &S};
  if (Value == *Part[Index] || Value > (Index == 0 ? 23 : 59)) return;
  *Part[Index] = static_cast<Word>(Value);
  SetTime(EncodeTime(H, M, S, MS));
  if (OnTimeChange) OnTimeChange(this);
}

void TExTimePickerDropDown::SetHourPart(Integer Hour) { SetPart(0, Hour); }
void TExTimePickerDropDown::SetMinutePart(Integer Minute) { SetPart(1, Minute); }
void TExTimePickerDropDown::SetSecondPart(Integer Second) { SetPart(2, Second); }

void TExTimePickerDropDown::StepPartByKey(Word Key) {
  if (Key != VK_UP && Key != VK_DOWN) return;
  if (GetKeyState(VK_MENU) < 0 || GetKeyState(VK_CONTROL) < 0) return;
  const Integer P = SelStart();
  const String T = Text();
  const Char Sep = TimePickerTimeSeparator();
  const Integer A = Pos(Sep, T);
  const bool Up = Key == VK_UP;
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(FTime, H, M, S, MS);
  if (P < A) {
    SetHourPart(Up ? (H == 0 ? 23 : H - 1) : (H == 23 ? 0 : H + 1));
  } else {
    const String Rest = T.substr(A);
    const Integer B = Pos(Sep, Rest);
    const bool Second = FShowSeconds && B > 0 && P - A >= B;
    const Integer V = Second ? S : M;
    const Integer Next = Up ? (V == 0 ? 59 : V - 1) : (V == 59 ? 0 : V + 1);
    if (Second)
      SetSecondPart(Next);
    else
      SetMinutePart(Next);
  }
  SetSelStart(P);
  SetSelLength(0);
}

void TExTimePickerDropDown::Dispatch(TMessage& M) {
  const Word Key = M.Msg == WM_KEYDOWN ? MsgAs<TWMKey>(M).CharCode : 0;
  TExCustomDropDown::Dispatch(M);
  if (M.Msg == WM_KEYDOWN) StepPartByKey(Key);
}

// --- typed text -------------------------------------------------------------------------------------

// A typed time is taken when it is complete (hours and minutes, with
// seconds when they are shown) or has blank positions; a part out of range
// leaves the value as it was.
bool TExTimePickerDropDown::ParseTypedTime(const String& T, TDateTime& Value, Word& Minute, Word& Second) const {
  const Integer Length = static_cast<Integer>(Trimmed(T).size());
  if (T.empty() || !(Length == 5 || (FShowSeconds && Length == 8))) return false;
  const Char Sep = TimePickerTimeSeparator();
  const Integer First = Pos(Sep, T);
  if (First == 0) return false;
  const String After = Trimmed(T.substr(First));
  const Integer Second2 = Pos(Sep, After);
  if ((Second2 > 0) != FShowSeconds) return false;
  if (FShowSeconds && Pos(Sep, Trimmed(After.substr(Second2))) > 0) return false;
  const String Z = BlanksToZeros(T);
  const Integer Z1 = Pos(Sep, Z);
  const String HourText = Trimmed(Z.substr(0, Z1 - 1));
  const String Rest = Trimmed(Z.substr(Z1));
  const Integer R1 = Pos(Sep, Rest);
  const String MinuteText = FShowSeconds ? Trimmed(Rest.substr(0, R1 - 1)) : Rest;
  const String SecondText = FShowSeconds ? Trimmed(Rest.substr(R1)) : String();
  if (!IsTwoDigitPart(HourText) || !IsTwoDigitPart(MinuteText) || !IsTwoDigitPart(SecondText)) return false;
  const Integer H = HourText.empty() ? 0 : StrToIntDef(HourText, 99);
  Minute = static_cast<Word>(MinuteText.empty() ? 0 : StrToIntDef(MinuteText, 99));
  Second = static_cast<Word>(SecondText.empty() ? 0 : StrToIntDef(SecondText, 99));
  return H >= 0 && H <= 23 && TryEncodeTime(static_cast<Word>(H), Minute, Second, 0, Value);
}

void TExTimePickerDropDown::Change() {
  TExCustomDropDown::Change();
  if (FInternalCall) return;
  const String T = Text();
  TDateTime Value = 0;
  Word Minute = 0, Second = 0;
  if (!ParseTypedTime(T, Value, Minute, Second)) return;
  FTime = Value;
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(Value, H, M, S, MS);
  const String Shown = FormatTimeText(H, M, S);
  if (Shown != T && Minute == 0 && Second == 0) {
    FInternalCall = true;
    SetText(Shown);
  }
}

}  // namespace jorv::dropdown
