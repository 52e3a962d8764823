#pragma once
// A list box with a check box before each item: clicking the box or
// pressing Space steps the item's state.
#include "platform/ui/CheckBox.h"
#include "platform/ui/ListBox.h"

namespace jorv {

class TCheckListBox : public TCustomListBox {
 public:
  explicit TCheckListBox(TComponent* AOwner);

  bool Checked(Integer Index) const { return State(Index) == cbChecked; }
  void SetChecked(Integer Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
  TCheckBoxState State(Integer Index) const;
  void SetState(Integer Index, TCheckBoxState Value);
  bool ItemEnabled(Integer Index) const;
  void SetItemEnabled(Integer Index, bool Value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  void CheckAll(TCheckBoxState AState, bool AllowGrayed = true, bool AllowDisabled = true);

  TNotifyEvent OnClickCheck;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void KeyPress(Char& Key) override;
  void DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) override;
  virtual void ClickCheck();
  // Steps the item's state as a click on its box does.
  void ToggleClickCheck(Integer Index);
  Integer CheckWidth() const;

  bool FAllowGrayed = false;
};

}  // namespace jorv
