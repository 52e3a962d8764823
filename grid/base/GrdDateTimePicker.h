#pragma once
// The grid's date or time picker editor, which in the flat metro look of
// the grid's colour tones draws its own drop-down button, frame and focus
// border; and the base of the cell checkers a grid may call.
#include "grid/base/PickerLook.h"

namespace jorv::grid {
using namespace jorv;

class TGrdDateTimePicker : public TDateTimePicker {
 public:
  explicit TGrdDateTimePicker(TComponent* AOwner);

  // "1.0.0.0"; writing changes nothing.
  String Version() const;
  void SetVersion(const String&) {}

  TBorderStyle BorderStyle() const { return FLook.BorderStyle; }
  virtual void SetBorderStyle(TBorderStyle Value);
  TColor BorderColor() const { return FLook.BorderColor; }
  void SetBorderColor(TColor Value);
  bool MetroStyle() const { return FLook.MetroStyle; }
  void SetMetroStyle(bool Value);
  // The look's remaining state, written by the grid's colour tones.
  TPickerLook& Look() { return FLook; }

 protected:
  void Dispatch(TMessage& Message) override;
  void WMPaint(TWMPaint& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;

 private:
  bool MetroActive() const;
  void DrawBorders();

  TPickerLook FLook;
};

// The base of cell checkers: the grid passes cell texts through Correct
// and MarkError as the flags ask; this base changes nothing.
class TRezIvevirAvodCheck : public TComponent {
 public:
  explicit TRezIvevirAvodCheck(TComponent* AOwner) : TComponent(AOwner) {}

  virtual String MarkError(Integer ACol, Integer ARow, const String& s);
  virtual String Correct(Integer ACol, Integer ARow, const String& s);
  virtual void StartCheck() {}
  virtual void StopCheck() {}

  bool AutoCorrect() const { return FAutoCorrect; }
  void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
  bool AutoMarkError() const { return FAutoMarkError; }
  void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
  bool GotoCell() const { return FGotoCell; }
  void SetGotoCell(bool Value) { FGotoCell = Value; }
  bool UseCorrect() const { return FUseCorrect; }
  void SetUseCorrect(bool Value) { FUseCorrect = Value; }
  bool UseMarkError() const { return FUseMarkError; }
  void SetUseMarkError(bool Value) { FUseMarkError = Value; }

 private:
  bool FAutoCorrect = false;
  bool FAutoMarkError = false;
  bool FGotoCell = false;
  bool FUseCorrect = false;
  bool FUseMarkError = false;
};

}  // namespace jorv::grid
