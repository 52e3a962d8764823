#pragma once
// The grid's rich edit. Hidden, it is the converter through which painting,
// measuring and export turn a cell's rich text into formatted text; laid
// over a cell, it edits rich text cells, hands Tab and the vertical keys to
// the grid, stores its text when the grid takes the focus and grows the row
// while the user types.
#include "platform/ui/RichEdit.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TExRichEdit : public TRichEdit {
 public:
  // AOwner must be the grid.
  explicit TExRichEdit(TComponent* AOwner);
  void ReCreate() { RecreateWnd(); }
  // The selection's characters on the base line, 40 twips lower, or 40
  // twips higher.
  void SelNormal();
  void SelSubscript();
  void SelSuperscript();
  bool IsSelNormal();
  bool IsSelSubscript();
  bool IsSelSuperscript();
  // The size the control last asked for.
  Integer ReqHeight() const { return FReqHeight; }
  Integer ReqWidth() const { return FReqWidth; }
  // No row grows while set (the grid sets it while it loads a cell).
  bool Locked() const { return FLocked; }
  void SetLocked(bool Value) { FLocked = Value; }

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void RequestSizeChanged(TRect& Rect) override;

 private:
  // This control edits the current cell right now.
  bool IsOpenEditor() const;
  // The row grows to a text of Height pixels, within the grid.
  void GrowRow(Integer Height);
  TRezIvevirAvod* FGrid = nullptr;
  Integer FReqHeight = 0;
  Integer FReqWidth = 0;
  bool FLocked = false;
};

}  // namespace jorv::grid
