#pragma once
// A date-time picker that edits a date, a time, or both at once (a second,
// time-only picker inside its right end), with a caption label at fifteen
// places beside it placed by the enhanced edit's rules.
#include <memory>
#include "edit/EditLabel.h"
#include "grid/base/PickerLook.h"

namespace jorv::grid {
using namespace jorv;

enum TExDateTimeKind : uint8_t { dkDate, dkTime, dkDateTime };

// The window message the pickers post to themselves after a typed digit.
UINT DTPShiftFocusMessage();

// The grid's picker base: auto-tab, the grid's tab handling and the metro
// look; a bare one serves as the attached time picker.
class TCustomDateTimePicker : public jorv::TDateTimePicker {
 public:
  explicit TCustomDateTimePicker(TComponent* AOwner);

  // Handles the message posted after a typed digit: moves on to the next
  // field or control once the field typed into is complete.
  virtual void ShiftFocus();
  bool AutoTab() const { return FAutoTab; }
  virtual void SetAutoTab(bool Value) { FAutoTab = Value; }
  bool AutoTabToNext() const { return FAutoTabToNext; }
  virtual void SetAutoTabToNext(bool Value) { FAutoTabToNext = Value; }
  // True here: a bare picker never shows the custom look.
  virtual bool NoCustomLook() { return true; }
  TBorderStyle BorderStyle() const { return FLook.BorderStyle; }
  virtual void SetBorderStyle(TBorderStyle Value);
  TColor BorderColor() const { return FLook.BorderColor; }
  void SetBorderColor(TColor Value);
  bool MetroStyle() const { return FLook.MetroStyle; }
  void SetMetroStyle(bool Value);
  // The look's remaining state (button colours, focus border).
  TPickerLook& Look() { return FLook; }

  // Set for the time picker inside a date-and-time picker.
  bool FIsTimePicker = false;
  // Set by the grid: the date part asks for Shift+Tab, the time part for Tab.
  bool FGridTabhandling = false;

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyPress(Char& Key) override;
  void WMPaint(TWMPaint& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  bool MetroActive() { return FLook.MetroStyle && !NoCustomLook(); }
  void DrawBorders();
  // Moves to the next field of the window.
  void PostNextField();
  // Asks the form to move the focus to the next control.
  void FocusNextControl();

  TPickerLook FLook;
  bool FAutoTab = false;
  bool FAutoTabToNext = true;

 private:
  // The time when a digit was typed, compared once the window applied it.
  Word Fh = 0;
  Word Fm = 0;
  Word Fs = 0;
  Word Fms = 0;
};

class TExDateTimePicker : public TCustomDateTimePicker {
 public:
  explicit TExDateTimePicker(TComponent* AOwner);
  ~TExDateTimePicker() override;

  virtual void NotifyChange();
  virtual void NotifyClick();
  virtual void SetDateTime(TDateTime Value);
  // Key presses of the time picker; nothing here.
  virtual void NoOpHook(TObject* Sender, Char& Key);

  void ShiftFocus() override;
  bool NoCustomLook() override { return false; }
  void SetAutoTab(bool Value) override;
  void SetAutoTabToNext(bool Value) override;
  void SetBorderStyle(TBorderStyle Value) override;

  TExDateTimeKind Kind() const { return FKind; }
  void SetKind(TExDateTimeKind Value);
  // With a time picker, its time is part of the value.
  TDateTime DateTime();
  TDate Date() const { return jorv::TDateTimePicker::Date(); }
  void SetDate(TDate Value);
  TTime Time() const;
  void SetTime(TTime Value);
  const String& TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(const String& Value);
  // "1.2.2.0"; writing changes nothing.
  String Version() const { return L"1.2.2.0"; }
  void SetVersion(const String&) {}
  TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

  String LabelCaption() const { return FLabel ? FLabel->Caption() : String(); }
  void SetLabelCaption(const String& Value);
  edit::TEditLabel* EditLabel() const { return FLabel; }
  edit::TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(edit::TLabelPosition Value);
  Integer LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(Integer Value);
  bool LabelTransparent() const { return FLabelTransparent; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value);
  TFont* LabelFont() const { return FLabelFont.get(); }
  void SetLabelFont(TFont* Value);
  bool FocusLabel() const { return FFocusLabel; }
  void SetFocusLabel(bool Value) { FFocusLabel = Value; }

  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void SetVisible(bool Value) override;
  void SetEnabled(bool Value) override;
  void Loaded() override;

  // A whole-day part of 0 written to DateTime means today.
  bool FNullDateIsToday = false;
  TNotifyEvent OnTimeChange;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

 protected:
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void KeyPress(Char& Key) override;
  void WMPaint(TWMPaint& Message) override;
  void CNNotify(TWMNotify& Message) override;
  // After the value is sent, the time part follows the check box.
  void UpdateWindow() override;
  void WMSize(TWMSize& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void MakeTimePicker();
  void LayoutTimePicker();
  void CreateLabel();
  void UpdateLabel();
  void SetLabelBold(bool Bold);
  void EnableTimePickerByCheck();

  TExDateTimeKind FKind = dkDate;
  String FTimeFormat;
  edit::TEditLabel* FLabel = nullptr;
  std::unique_ptr<TFont> FLabelFont = std::make_unique<TFont>();
  edit::TLabelPosition FLabelPosition = edit::lpLeftTop;
  Integer FLabelMargin = 4;
  bool FLabelTransparent = false;
  bool FLabelAlwaysEnabled = false;
  bool FFocusLabel = false;
  bool FParentFnt = false;
  // Set while the value is sent to the window: a change notice it causes
  // leaves the time part's enabling alone.
  bool FIgnoreTimePickerCheck = false;
  bool FFirstRun = true;
  // The date when a digit was typed.
  Word Fy = 0;
  Word Fm = 0;
  Word Fd = 0;
  TCustomDateTimePicker* FTimePicker = nullptr;
};

}  // namespace jorv::grid
