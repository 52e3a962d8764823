#pragma once
// The grid's date and time editors: the date, up-down date or time picker
// (TGridDatePicker) and the picker of a date with its time
// (TGridDateTimePicker). They hand the keys that end an edit to the grid,
// which validates, stores and moves on.
#include "grid/base/ExDateTimePicker.h"
#include "grid/base/GrdDateTimePicker.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TGridDatePicker : public TGrdDateTimePicker {
 public:
  // AOwner must be the grid.
  explicit TGridDatePicker(TComponent* AOwner);
  void ReCreate() { RecreateWnd(); }
  // After a typed digit completed a field, the next field.
  virtual void AdvanceDateField();
  // Read by the grid when the calendar drops down.
  bool Weeknumbers() const { return FWeekNumbers; }
  void SetWeeknumbers(bool Value) { FWeekNumbers = Value; }
  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool Value) { FShowToday = Value; }
  bool ShowTodayCircle() const { return FShowTodayCircle; }
  void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }
  // Text is the shown value: the short date, or the time in Format (the
  // long time when Format is empty); writing a text that reads as no date
  // or time changes nothing.
  String GetText() const override;

 protected:
  void SetTextValue(const String& Value) override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void CMExit(TMessage& Message) override;

 private:
  void DrawWindowFrames();
  // Enter and Tab: the value into the current cell; false when refused.
  bool CommitValue(Word& Key);
  // The date and time before the last typed digit.
  Word Fy = 0;
  Word Fm = 0;
  Word Fd = 0;
  Word Fth = 0;
  Word Ftm = 0;
  Word Fts = 0;
  Word Ftms = 0;
  bool FWeekNumbers = false;
  bool FShowToday = true;
  bool FShowTodayCircle = true;
  TRezIvevirAvod* FGrid = nullptr;
};

class TGridDateTimePicker : public TExDateTimePicker {
 public:
  // Any owner; the grid's own keys need the grid.
  explicit TGridDateTimePicker(TComponent* AOwner);

 protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void CMExit(TMessage& Message) override;

 private:
  TRezIvevirAvod* FGrid = nullptr;
};

}  // namespace jorv::grid
