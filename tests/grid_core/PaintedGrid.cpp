#include "tests/grid_core/PaintedGrid.h"
#include <algorithm>
#include "platform/gfx/Colors.h"

namespace jorv::test {

TPaintedGrid::TPaintedGrid(const TPaintedGridShape& Shape) : Form(Shape.Width + 20, Shape.Height + 10) {
  Grid = new grid::TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, Shape.Width, Shape.Height);
  Grid->SetColCount(Shape.Cols);
  Grid->SetRowCount(Shape.Rows);
  Grid->SetDefaultColWidth(Shape.ColWidth);
  Grid->SetDefaultRowHeight(Shape.RowHeight);
  Grid->SetLook(grid::glClassic);
  Grid->SetColor(clWhite);
  Grid->SetSelectionColor(0x00FF00);
  Grid->SetRow(Shape.Rows - 1);
  Grid->SetCol(Shape.Cols - 1);
  Pump();
}

TRect InkBox(TRendered& Shown, TRect Area) {
  Area = TRect(Area.Left + 2, Area.Top + 2, Area.Right - 2, Area.Bottom - 2);
  TRect Box(10000, 10000, -1, -1);
  for (Integer y = Area.Top; y < Area.Bottom; ++y)
    for (Integer x = Area.Left; x < Area.Right; ++x) {
      const TColor C = Shown.Pixel(x, y);
      if (GetRValue(C) + GetGValue(C) + GetBValue(C) < 3 * 100) {
        Box.Left = std::min(Box.Left, x), Box.Top = std::min(Box.Top, y);
        Box.Right = std::max(Box.Right, x + 1), Box.Bottom = std::max(Box.Bottom, y + 1);
      }
    }
  return Box;
}

namespace {

int CALLBACK MetafileRecord(HDC, HANDLETABLE*, const ENHMETARECORD* R, int, LPARAM Self) {
  auto* Me = reinterpret_cast<TMetafileText*>(Self);
  if (R->iType == EMR_EXTTEXTOUTW) {
    auto* T = reinterpret_cast<const EMREXTTEXTOUTW*>(R);
    auto* Chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(R) + T->emrtext.offString);
    Me->Texts.emplace_back(Chars, T->emrtext.nChars);
  } else if (R->iType == EMR_EXTCREATEFONTINDIRECTW) {
    Me->FontHeights.push_back(reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(R)->elfw.elfLogFont.lfHeight);
  }
  return 1;
}

}  // namespace

TMetafileText::TMetafileText(TWinControl* Control) {
  HDC Ref = GetDC(nullptr);
  HDC DC = CreateEnhMetaFileW(Ref, nullptr, nullptr, nullptr);
  ReleaseDC(nullptr, Ref);
  Control->PaintTo(DC, 0, 0);
  HENHMETAFILE Meta = CloseEnhMetaFile(DC);
  EnumEnhMetaFile(nullptr, Meta, &MetafileRecord, this, nullptr);
  DeleteEnhMetaFile(Meta);
}

bool TMetafileText::Has(const String& Text) const {
  return std::find(Texts.begin(), Texts.end(), Text) != Texts.end();
}

std::string TMetafileText::Dump() const {
  std::string Out;
  for (const String& T : Texts) Out += "[" + std::string(T.begin(), T.end()) + "]";
  for (LONG H : FontHeights) Out += " " + std::to_string(H);
  return Out;
}

}  // namespace jorv::test
