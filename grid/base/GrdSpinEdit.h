#pragma once
// The grid's editor of integers, floats, dates and times: a masked edit
// with a pair of repeating up and down buttons at its right end, stepped by
// the buttons, the arrow keys and the page keys, within its limits.
#include <memory>
#include "grid/base/GridTypes.h"
#include "platform/ui/MaskEdit.h"
#include "platform/ui/SpeedButton.h"

namespace jorv {
class TTimer;
}

namespace jorv::grid {
using namespace jorv;

enum TSpinDirection : uint8_t { spVertical, spHorizontal };
enum TGrdSpinType : uint8_t { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign : uint8_t { eaLeft, eaRight, eaCenter };
enum TButtonDirection : uint8_t { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag : uint8_t { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateFlag, 8>;

class TGrdSpinButton;

// The arrow of GrdSpinUp and GrdSpinDown: a small black triangle pointing
// up or down on the button face colour (its transparent colour).
void LoadSpinGlyph(TBitmap* Glyph, bool Up);

// One button of the pair: clicks again and again while held, after a first
// wait of 400 ms every 100 ms.
class TExTimerSpeedButton : public TSpeedButton {
 public:
  explicit TExTimerSpeedButton(TComponent* AOwner);
  ~TExTimerSpeedButton() override;

  TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
  void SetTimeBtnState(TTimeBtnState Value) { FTimeBtnState = Value; }
  TButtonDirection ButtonDirection() const { return FButtonDirection; }
  void SetButtonDirection(TButtonDirection Value) { FButtonDirection = Value; }
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value) { FIsWinXP = Value; }
  bool HasMouse() const { return FHasMouse; }
  // The repeat timer, made on the first press.
  TTimer* RepeatTimer() const { return FRepeatTimer.get(); }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

 private:
  void TimerExpired(TObject* Sender);
  TGrdSpinButton* Pair() const;
  void PaintHighContrast(TRect R);
  void PaintColored(TRect R, TGrdSpinButton* Owner);
  bool PaintThemed(const TRect& R);

  std::unique_ptr<TTimer> FRepeatTimer;
  TTimeBtnState FTimeBtnState;
  TButtonDirection FButtonDirection = bdUp;
  bool FIsWinXP = false;
  bool FHasMouse = false;
};

// The pair of buttons, stacked (vertical) or side by side (horizontal).
class TGrdSpinButton : public TWinControl {
 public:
  explicit TGrdSpinButton(TComponent* AOwner);

  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  TBitmap* UpGlyph() const { return FUpButton->Glyph(); }
  // nullptr brings back the built-in arrow.
  void SetUpGlyph(TBitmap* Value) { SetGlyph(FUpButton, Value, true); }
  TBitmap* DownGlyph() const { return FDownButton->Glyph(); }
  void SetDownGlyph(TBitmap* Value) { SetGlyph(FDownButton, Value, false); }
  TNumGlyphs UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
  void SetUpNumGlyphs(TNumGlyphs Value) { FUpButton->SetNumGlyphs(Value); }
  TNumGlyphs DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
  void SetDownNumGlyphs(TNumGlyphs Value) { FDownButton->SetNumGlyphs(Value); }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  void SetIsWinXP(bool Value);
  bool IsWinXP() const { return FIsWinXP; }

  TColor ButtonColor() const { return FButtonColor; }
  void SetButtonColor(TColor Value) { FButtonColor = Value; }
  TColor ButtonColorHot() const { return FButtonColorHot; }
  void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
  TColor ButtonColorDown() const { return FButtonColorDown; }
  void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
  // Kept and streamed; the buttons' painting does not read them.
  TColor ButtonTextColor() const { return FButtonTextColor; }
  void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
  TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
  void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
  TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
  void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
  TColor ButtonBorderColor() const { return FButtonBorderColor; }
  void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }

  TExTimerSpeedButton* UpButton() const { return FUpButton; }
  TExTimerSpeedButton* DownButton() const { return FDownButton; }
  TExTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void Loaded() override;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void WMSize(TWMSize& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TExTimerSpeedButton* CreateButton();
  void SetGlyph(TExTimerSpeedButton* Button, TBitmap* Value, bool Up);
  void BtnClick(TObject* Sender);
  void BtnMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
  void SetFocusBtn(TExTimerSpeedButton* Button);
  // Places the buttons in the given size; the width comes back at least
  // the direction's minimum.
  void AdjustSize(Integer& W, Integer& H);

  TExTimerSpeedButton* FUpButton = nullptr;
  TExTimerSpeedButton* FDownButton = nullptr;
  TExTimerSpeedButton* FFocusedButton = nullptr;
  TWinControl* FFocusControl = nullptr;
  TSpinDirection FDirection = spVertical;
  bool FIsWinXP = false;
  TColor FButtonColor = clNone;
  TColor FButtonColorHot = clNone;
  TColor FButtonColorDown = clNone;
  TColor FButtonTextColor = clNone;
  TColor FButtonTextColorHot = clNone;
  TColor FButtonTextColorDown = clNone;
  TColor FButtonBorderColor = clNone;
};

class TGrdSpinEdit : public TCustomMaskEdit {
 public:
  explicit TGrdSpinEdit(TComponent* AOwner);
  ~TGrdSpinEdit() override;

  virtual void StepUp(bool Paged);
  virtual void StepDown(bool Paged);
  // The character filter of typed keys; false refuses the key.
  virtual bool AcceptKey(Char& Key);
  virtual void SpinUpClick(TObject* Sender);
  virtual void SpinDownClick(TObject* Sender);

  // The text as an integer: 0 when empty, MinValue when no integer.
  Integer Value();
  void SetValue(Integer Value);
  // The text as a float after the locale: MinValue when no number.
  double FloatValue();
  void SetFloatValue(double Value);
  // The text as a date: now when empty or "0", MinDateValue when no date.
  TDateTime DateValue();
  void SetDateValue(TDateTime Value);
  // The text as a time of day: 0 when no time.
  TDateTime TimeValue();
  void SetTimeValue(TDateTime Value);

  TGrdSpinType SpinType() const { return FSpinType; }
  void SetSpinType(TGrdSpinType Value);
  Integer Precision() const { return FPrecision; }
  void SetPrecision(Integer Value);
  TSpinDirection Direction() const { return FDirection; }
  void SetDirection(TSpinDirection Value);
  bool SpinFlat() const { return FSpinFlat; }
  void SetSpinFlat(bool Value);
  bool SpinTransparent() const { return FSpinTransparent; }
  void SetSpinTransparent(bool Value);
  TEditAlign EditAlign() const { return FEditAlign; }
  void SetEditAlign(TEditAlign Value);
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
  void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
  bool ShowSeconds() const { return FShowSeconds; }
  void SetShowSeconds(bool Value) { FShowSeconds = Value; }
  // Read by the grid when it stores the value; the editor never reads it.
  bool AllowEmptyValue() const { return FAllowEmptyValue; }
  void SetAllowEmptyValue(bool Value) { FAllowEmptyValue = Value; }

  Integer Increment() const { return FIncrement; }
  void SetIncrement(Integer Value) { FIncrement = Value; }
  double IncrementFloat() const { return FIncrementFloat; }
  void SetIncrementFloat(double Value) { FIncrementFloat = Value; }
  double IncrementFloatPage() const { return FIncrementFloatPage; }
  void SetIncrementFloatPage(double Value) { FIncrementFloatPage = Value; }
  Integer IncrementHours() const { return FIncrementHours; }
  void SetIncrementHours(Integer Value) { FIncrementHours = Value; }
  Integer IncrementMinutes() const { return FIncrementMinutes; }
  void SetIncrementMinutes(Integer Value) { FIncrementMinutes = Value; }
  Integer IncrementSeconds() const { return FIncrementSeconds; }
  void SetIncrementSeconds(Integer Value) { FIncrementSeconds = Value; }
  Integer MinValue() const { return FMinValue; }
  void SetMinValue(Integer Value) { FMinValue = Value; }
  Integer MaxValue() const { return FMaxValue; }
  void SetMaxValue(Integer Value) { FMaxValue = Value; }
  double MinFloatValue() const { return FMinFloatValue; }
  void SetMinFloatValue(double Value) { FMinFloatValue = Value; }
  double MaxFloatValue() const { return FMaxFloatValue; }
  void SetMaxFloatValue(double Value) { FMaxFloatValue = Value; }
  TDateTime MinDateValue() const { return FMinDateValue; }
  void SetMinDateValue(TDateTime Value) { FMinDateValue = Value; }
  TDateTime MaxDateValue() const { return FMaxDateValue; }
  void SetMaxDateValue(TDateTime Value) { FMaxDateValue = Value; }

  TGrdSpinButton* Button() const { return FButton; }
  void SetIsWinXP(bool Value);
  bool IsWinXP() const { return FIsWinXP; }
  // The smallest height that shows a line of the font.
  Integer MinHeight();

  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMSize(TWMSize& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void SetEditRect();
  // Resizes by one pixel and back so that the layout is computed again.
  void Relayout();
  void StepDate(bool Up);
  void StepTime(bool Up);
  // The value of the current kind clamped and written back when clamping
  // changes it.
  void CheckLimits();
  Integer ClampInt(Integer Value) const;
  double ClampFloat(double Value) const;
  TDateTime ClampDate(TDateTime Value) const;
  void WriteKeepingCaret(const String& Text);
  bool IsLoading() const { return ComponentState().Contains(csLoading); }

  TGrdSpinButton* FButton = nullptr;
  TGrdSpinType FSpinType = sptNormal;
  Integer FPrecision = 0;
  TSpinDirection FDirection = spVertical;
  bool FSpinFlat = false;
  bool FSpinTransparent = false;
  TEditAlign FEditAlign = eaLeft;
  bool FEditorEnabled = true;
  bool FReturnIsTab = false;
  bool FExcelStyleDecimalSeparator = false;
  bool FShowSeconds = true;
  bool FAllowEmptyValue = false;
  bool FIsWinXP = false;
  Integer FIncrement = 1;
  double FIncrementFloat = 0.1;
  double FIncrementFloatPage = 1.0;
  Integer FIncrementHours = 1;
  Integer FIncrementMinutes = 1;
  Integer FIncrementSeconds = 1;
  Integer FMinValue = 0;
  Integer FMaxValue = 100;
  double FMinFloatValue = 0.0;
  double FMaxFloatValue = 100.0;
  TDateTime FMinDateValue = 0;
  TDateTime FMaxDateValue = 0;
  // The last date and time written, shown by Loaded.
  TDateTime FDateValue = 0;
  TDateTime FTimeValue = 0;
};

}  // namespace jorv::grid
