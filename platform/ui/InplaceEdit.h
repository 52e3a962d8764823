#pragma once
// The edit a grid lays over its current cell while a cell is edited. It
// belongs to the grid: it reads and writes the cell through the grid's edit
// queries (text, mask and length limit) and hands the navigation keys back
// to the grid.
#include "platform/ui/MaskEdit.h"

namespace jorv {

class TCustomGrid;

class TInplaceEdit : public TCustomMaskEdit {
 public:
  explicit TInplaceEdit(TComponent* AOwner);

  // Caret after the text, nothing selected.
  void Deselect();
  // Hidden without repainting; the grid takes the focus when it had it.
  void Hide();
  void Invalidate() override;
  // Shown over Loc (client coordinates of the grid); hidden when Loc is
  // empty. Takes the focus when the grid has it.
  void Move(const TRect& Loc);
  // Placed over Loc without taking the focus.
  void UpdateLoc(const TRect& Loc);
  bool PosEqual(const TRect& Rect);
  void SetFocus() override;
  // The window is shown over a cell.
  bool EditVisible();
  TCustomGrid* Grid() const { return FGrid; }
  void SetGrid(TCustomGrid* Value) { FGrid = Value; }

 protected:
  friend class TCustomGrid;

  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void DblClick() override;
  void Change() override;
  // Text written by the program or the mask: a multi-line window reports
  // no change of its own for it.
  void CMTextChanged(TMessage& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  bool EditCanModify() override;
  // The text rectangle follows the window's size.
  virtual void BoundsChanged();
  // Mask, text and length limit from the grid's current cell.
  virtual void UpdateContents();

  TCustomGrid* FGrid = nullptr;
  // Time of the click that opened the edit; a second click soon after is a
  // double click.
  DWORD FClickTime = 0;

 private:
  void InternalMove(const TRect& Loc, bool Redraw);
  // Set while the grid fills the edit, so that no change goes back.
  bool FLoading = false;
};

}  // namespace jorv
