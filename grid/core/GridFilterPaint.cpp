// What filtering shows in the header: the filter button of a column with
// values to pick from, and in the filter-edit row the icon of the column's
// filter type with the type's name as the placeholder of an empty cell.
#include <memory>
#include <vector>
#include "grid/core/GridCellPaintState.h"
#include "grid/core/GridDataSettings.h"
#include "grid/core/GridGlyphs.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Menus.h"

namespace jorv::grid {

namespace {

constexpr Integer kFilterButton = 16;
constexpr Integer kFilterTypeIcon = 18;

}  // namespace

// The entry that clears the filter (or ticks all) leads every list; a
// column shows a button only when values follow it. The values are made
// into a list of their own: the grid's list holds what an open filter
// drop-down shows, and a repaint must leave it as it is.
bool TRezIvevirAvod::ShowsFilterButton(Integer RCol) {
  auto Scratch = std::make_unique<TStringList>();
  std::vector<std::unique_ptr<TObject>> ScratchValues;
  FFilterList.swap(Scratch);
  FFilterListValues.swap(ScratchValues);
  TScopeExit Restore([&] {
    FFilterList.swap(Scratch);
    FFilterListValues.swap(ScratchValues);
  });
  if (!FilterDropDownValues(RCol, true)) return false;
  TStringList* List = FFilterList.get();
  Integer Values = List->Count();
  const String& Lead = FFilterDropDownCheck ? FFilterDropDownCheckUnCheckAll : FFilterDropDownClear;
  if (!Lead.empty() && Values > 0 && List->Strings(0) == Lead) --Values;
  return Values > 0;
}

void TRezIvevirAvod::DrawFilterButton(TCellPaint& P, const TRect& R) {
  TBitmap* Glyph = FFilter->HasFilter(P.RCol) ? FFilterDropDown->GlyphActive() : FFilterDropDown->Glyph();
  const TRect Box(R.Right - kFilterButton, R.Top, R.Right, R.Top + kFilterButton);
  if (Glyph->Empty()) {
    DrawGridGlyph(P.Canvas, FixedColor(), Box, L"GRDFILT");
    return;
  }
  // The user's glyph is shown with its own transparent colour over whatever the header paints.
  TBitmap Shown;
  Shown.Assign(Glyph);
  Shown.SetTransparent(true);
  P.Canvas->Draw(Box.Left, Box.Top, &Shown);
}

String TRezIvevirAvod::DrawFilterEditIcon(TCellPaint& P, TRect& R) {
  const TFilterType Type = FFilter->HasFilterType(P.RCol);
  TCustomImageList* Icons = FilterTypeMenu()->Images();
  if (Icons && Type < Icons->Count()) Icons->Draw(P.Canvas, R.Left, R.Top, Type);
  R.Left += kFilterTypeIcon;
  TStringList* Names = FFilterEdit->TypeNames();
  return Type < Names->Count() ? Names->Strings(Type) : String();
}

}  // namespace jorv::grid
