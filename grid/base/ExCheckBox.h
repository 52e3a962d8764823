#pragma once
// The grid's own check box (its search bar's match-case box): drawn with
// the visual style when it is on, else as the classic check frame, with
// the caption beside the box and an optional see-through background.
#include <memory>
#include "platform/gfx/Bitmap.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/TextAlignment.h"

namespace jorv::grid {
using namespace jorv;

class TExCheckBox : public TCustomControl {
 public:
  explicit TExCheckBox(TComponent* AOwner);
  ~TExCheckBox() override;

  // taLeftJustify puts the box on the left.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout ButtonVertAlign() const { return FButtonVertAlign; }
  void SetButtonVertAlign(TTextLayout Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value);
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  // The parent's background shows through.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // Keeps the parent's background in a bitmap once painted.
  bool TransparentChaching() const { return FTransparentChaching; }
  void SetTransparentChaching(bool Value) { FTransparentChaching = Value; }
  // The box is being pressed.
  bool Down() const { return FDown; }
  void SetDown(bool Value);

  virtual void Toggle();
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

 protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMEnabledChanged(TMessage& Message) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  void InvalidateBox();
  void InvalidateRect(const TRect& R);
  void PaintBackground();
  void PaintBox();
  void PaintCaption();
  Integer BoxTop(Integer BottomGap);

  TAlignment FAlignment = taLeftJustify;
  TTextLayout FButtonVertAlign = tlTop;
  TCheckBoxState FState = cbUnchecked;
  bool FEllipsis = false;
  bool FReadOnly = false;
  bool FReturnIsTab = false;
  bool FTransparent = false;
  bool FTransparentChaching = false;
  bool FDown = false;
  bool FFocused = false;
  bool FHot = false;
  bool FMouseDown = false;
  std::unique_ptr<TBitmap> FBackground = std::make_unique<TBitmap>();
  bool FBackgroundValid = false;
  bool FIsWinXP = false;
};

}  // namespace jorv::grid
