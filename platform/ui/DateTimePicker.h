#pragma once
// The native date and time picker (SysDateTimePick32): the value kept by
// the control and handed to the window, the window's changes, drop-down
// and typed text (with ParseInput) reported through CN_NOTIFY.
#include <functional>
#include "platform/ui/WinControl.h"

namespace jorv {

enum TDateTimeKind : uint8_t { dtkDate, dtkTime };
enum TDTDateFormat : uint8_t { dfShort, dfLong };
enum TDTDateMode : uint8_t { dmComboBox, dmUpDown };

using TDTParseInputEvent =
    std::function<void(TObject* Sender, const String& UserString, TDateTime& DateAndTime, bool& AllowChange)>;

class TCustomDateTimePicker : public TWinControl {
 public:
  explicit TCustomDateTimePicker(TComponent* AOwner);

  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind Value);
  TDateTime DateTime() const { return FDateTime; }
  void SetDateTime(TDateTime Value);
  TDate Date() const;
  void SetDate(TDate Value);
  TTime Time() const;
  void SetTime(TTime Value);
  // The window's own format string (its "yyyy" etc.); empty for the locale's.
  const String& Format() const { return FFormat; }
  void SetFormat(const String& Value);
  TDTDateFormat DateFormat() const { return FDateFormat; }
  void SetDateFormat(TDTDateFormat Value);
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode Value);
  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool Value);
  // With ShowCheckbox: whether a value is set at all.
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  // 0 means no limit.
  TDate MinDate() const { return FMinDate; }
  void SetMinDate(TDate Value);
  TDate MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDate Value);
  bool ParseInput() const { return FParseInput; }
  void SetParseInput(bool Value);
  bool DroppedDown();

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDTParseInputEvent OnUserInput;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  virtual void CNNotify(TWMNotify& Message);
  virtual void Change();
  // Sends the kept value (or "none") to the window.
  virtual void UpdateWindow();
  void UpdateRange();
  TDateTime Clamp(TDateTime Value) const;

  TDateTimeKind FKind = dtkDate;
  TDateTime FDateTime = 0;
  String FFormat;
  TDTDateFormat FDateFormat = dfShort;
  TDTDateMode FDateMode = dmComboBox;
  bool FShowCheckbox = false;
  bool FChecked = true;
  TDate FMinDate = 0;
  TDate FMaxDate = 0;
  bool FParseInput = false;
  bool FDroppedDown = false;
};

class TDateTimePicker : public TCustomDateTimePicker {
 public:
  explicit TDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner) {}
};

}  // namespace jorv
