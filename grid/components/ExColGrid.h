#pragma once
// The grid in the grid drop-down's pop-up: an extended string grid that
// takes its columns, colours, heights and rows from the drop-down at each
// opening, measures automatic column widths and word-wrapped row heights,
// and turns Enter and clicks into the choice of a row.
#include <memory>
#include "grid/components/GridDropDownItems.h"
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

class TCustomExGridDropDown;

class TExColGrid : public TRezIvevirAvod {
 public:
  explicit TExColGrid(TComponent* AOwner);
  ~TExColGrid() override;

  void SetDropDown(TCustomExGridDropDown* D) { FExDropDown = D; }
  TCustomExGridDropDown* DropDown() const { return FExDropDown; }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TDropDownColumns* Value) { FColumns->Assign(Value); }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor Value) { FLineColor = Value; }
  TColor FixedLineColor() const { return FFixedLineColor; }
  void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  Integer HeaderHeight() const { return FHeaderHeight; }
  void SetHeaderHeight(Integer Value) { FHeaderHeight = Value; }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  Integer GridLineWidth() const { return FGridLineWidth; }
  // Stores the width; the grid's own lines then stay 0 wide.
  void SetGridLineWidth(Integer Value);
  // The user acted in the grid (a key, a press, or Enter in the closed
  // edit), so that a closing takes the chosen row.
  bool ConfirmSelection() const { return FConfirmSelection; }
  void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }

  void ApplyDropDownSettings(TCustomExGridDropDown* D);
  void FillFromItems();
  Integer GetTotalColWidth();
  void AutoSizeDropDownColumns();
  void AutoSizeDropDownColumn(Integer Index);
  void SizeWordWrapRows();
  virtual void DoSelect();

  TNotifyEvent OnSelect;

 protected:
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;

 private:
  // The canvas sizing measures with: the pop-up form's, nullptr when the
  // grid does not sit on one.
  TCanvas* SizingCanvas();
  // The text of column Column for row ARow: the item's with items, else the cell's.
  String SizingText(Integer Column, Integer ARow);
  TDropDownItem* ItemOfRow(Integer ARow);

  TCustomExGridDropDown* FExDropDown = nullptr;
  std::unique_ptr<TDropDownColumns> FColumns;
  TColor FHeaderColor = 0xFFFFFF;
  TColor FHeaderColorTo = 0x808080;
  TColor FLineColor = 0x808080;
  TCustomImageList* FImages = nullptr;
  Integer FHeaderHeight = 25;
  std::unique_ptr<TFont> FHeaderFont = std::make_unique<TFont>();
  TColor FFixedLineColor = 0x808080;
  Integer FGridLineWidth = 1;
  bool FConfirmSelection = false;
};

}  // namespace jorv::grid
