#pragma once
// A drop-down editor for a time of day: the edit shows hours, minutes and
// optionally seconds through an edit mask, Up and Down step the part under
// the caret, and the pop-up holds the analog clock (and, if asked, the
// platform's time picker below it). The time is taken over when the
// pop-up closes.
#include <memory>
#include "dropdown/ExDropDown.h"
#include "dropdown/ExWatch.h"

namespace jorv {
class TDateTimePicker;
class TPanel;
}  // namespace jorv
namespace jorv::dropdown {

class TExTimePickerDropDown : public TExCustomDropDown {
 public:
  explicit TExTimePickerDropDown(TComponent* AOwner);
  ~TExTimePickerDropDown() override;

  using TExCustomDropDown::DisabledBorder;
  using TExCustomDropDown::SetDisabledBorder;

  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  Integer AnimationFactor() const { return FAnimationFactor; }
  void SetAnimationFactor(Integer Value) { FAnimationFactor = Value; }
  TWatchSettings* WatchSettings() const { return FWatchSettings.get(); }
  void SetWatchSettings(TWatchSettings* Value) { FWatchSettings->Assign(Value); }
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime Value);
  bool ShowWatchAMPM() const { return FShowWatchAMPM; }
  void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
  bool ShowWatchNumbers() const { return FShowWatchNumbers; }
  void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
  bool ShowTimePicker() const { return FShowTimePicker; }
  void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
  TWatchAppearance* WatchAppearance() const { return FWatchAppearance.get(); }
  void SetWatchAppearance(TWatchAppearance* Value) { FWatchAppearance->Assign(Value); }
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool Value);

  TExWatch* Watch() const { return FExWatch; }
  TDateTimePicker* TimePicker() const { return FDateTimePicker; }
  TPanel* Panel() const { return FPanelCtrl; }

  TNotifyEvent OnTimeChange;

  void SetText(const String& Value) override;
  void STDMETHODCALLTYPE SetComponentStyle(foundation::TZVQStyle AStyle) override;
  void DoHideDropDown(bool Cancel) override;
  void DropDownFormHidden() override;

 protected:
  void CreateDropDownForm() override;
  void DoBeforeDropDown() override;
  void DropDownFormKeyDown(Word& Key, TShiftState Shift) override;
  void DropDownFormKeyUp(Word& Key, TShiftState Shift) override;
  void DropDownControlKeyDown(Word& Key, TShiftState Shift) override;
  void DropDownControlKeyUp(Word& Key, TShiftState Shift) override;
  void Change() override;
  void Dispatch(TMessage& Message) override;

 private:
  void ApplyEditMask();
  String FormatTimeText(Word H, Word M, Word S) const;
  String FormatTimeText(TDateTime Value) const;
  void SetHourPart(Integer Hour);
  void SetMinutePart(Integer Minute);
  void SetSecondPart(Integer Second);
  void SetPart(Integer Index, Integer Value);
  void WatchChanged(TObject* Sender);
  void TimePickerChanged(TObject* Sender);
  void ShowPicker();
  void StepPartByKey(Word Key);
  bool ParseTypedTime(const String& Text, TDateTime& Value, Word& Minute, Word& Second) const;
  void ShowTime(TDateTime Value);

  bool FShowTimePicker = false;
  TExWatch* FExWatch = nullptr;
  TDateTimePicker* FDateTimePicker = nullptr;
  TPanel* FPanelCtrl = nullptr;
  std::unique_ptr<TWatchAppearance> FWatchAppearance;
  bool FShowWatchAMPM = true;
  bool FShowWatchNumbers = true;
  bool FAnimation = true;
  Integer FAnimationFactor = 10;
  TDateTime FTime = 0;
  std::unique_ptr<TWatchSettings> FWatchSettings;
  bool FInternalCall = false;
  bool FShowSeconds = true;
  // The value when the pop-up opened, which a cancelling close restores.
  TDateTime FTimeAtOpening = 0;
};

// The decimal text of V, two digits at least.
String TwoDigits(Integer V);
// An empty text, or one or two leading digits.
bool IsTwoDigitPart(const String& S);
String BlanksToZeros(const String& S);

}  // namespace jorv::dropdown
