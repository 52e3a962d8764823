#pragma once
// The strip at the bottom of the grid that stays while rows scroll: the
// grid's last row as a footer of column calculations, a preview of a cell
// or of a template filled from the current row, or the application's own
// painting.
#include "platform/ui/Panel.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TFooterPanel : public TCustomPanel {
 public:
  TFooterPanel(TComponent* AOwner, TRezIvevirAvod* AGrid);
  TRezIvevirAvod* Grid() const { return FGrid; }
  // The column under client x, found as the painting lays them out; -1
  // past the last one.
  Integer ColumnAt(Integer X) const;
  Integer LastHintX() const { return FLastHintX; }

 protected:
  void Paint() override;
  void CreateWnd() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseLeave() override;
  // The hint of the footer cell under the pointer, from the grid's
  // OnGridHint.
  void CMHintShow(TMessage& Message) override;

 private:
  Integer PaintFooterCalcs();
  Integer PaintColumnPreview();
  Integer PaintFooterTemplate();
  // The width the footer paints: fixed columns and the visible ones.
  Integer PaintedWidth() const;
  void FillAndFrame(Integer W);
  void FillFooterCell(Integer RealCol, const TRect& R);
  TRezIvevirAvod* FGrid = nullptr;
  Integer FLastHintX = -1;
};

// "<#" n ">" replaced by the display text of column n in Row; a reference
// whose n is no integer (or no column) is dropped, and an unclosed one
// stays as written.
String ExpandFooterTemplate(TRezIvevirAvod* Grid, const String& Template, Integer Row);

}  // namespace jorv::grid
