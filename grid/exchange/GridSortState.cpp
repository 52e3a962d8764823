// The grid's sort state as a short text, which column states are saved
// with.
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

String TSortSettings::SaveToString() const {
  if (FIndexShow) return L"i;" + (FGrid ? FGrid->SortIndexes()->SaveToString() : String());
  return (FDirection == sdDescending ? L"d" : L"u") + IntToStr(FColumn);
}

void TSortSettings::LoadFromString(const String& Value) {
  if (Value.empty()) return;
  SetShow(true);
  if (Value.size() < 2) throw Exception(L"Invalid sort settings specifier");
  if (Pos(L"i;", Value) == 0) {
    FIndexShow = false;
    FDirection = Pos(L"u", Value) > 0 ? sdAscending : sdDescending;
    Integer Column = 0;
    if (!TryStrToInt(Value.substr(1), Column)) return;
    FColumn = Column;
    if (FGrid) FGrid->QSort();
    return;
  }
  FIndexShow = true;
  const String Indexes = Value.substr(2);
  if (Indexes.empty() || !FGrid) return;
  FGrid->SortIndexes()->LoadFromString(Indexes);
  FGrid->QSortIndexed();
}

void TSortSettings::Remove() {
  FColumn = -1;
  if (!FGrid) return;
  FGrid->SortIndexes()->Clear();
  if (FGrid->FixedRows() > 0) FGrid->InvalidateRow(FGrid->FixedRows() - 1);
}

}  // namespace jorv::grid
