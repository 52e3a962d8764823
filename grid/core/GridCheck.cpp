// Checking cell texts with the grid's cell checker: each text, its error
// marks removed, goes through the checker's correction and error marking
// and is written back.
#include "grid/base/GrdDateTimePicker.h"
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

void TRezIvevirAvod::SetCellChecker(TRezIvevirAvodCheck* Value) {
  SetReference(FCellCheckerRef, Value);
  FCellChecker = Value;
}

bool TRezIvevirAvod::CheckCell(Integer Col, Integer Row) {
  if (!FCellChecker) return true;
  const String Text = UnMarkText(GetCells(Col, Row));
  // The current cell can only stand in the normal cells.
  if (FCellChecker->GotoCell() && Col >= FixedCols() && Row >= FixedRows())
    FocusCell(RealToDisplCol(Col), Row, true);
  String Checked = Text;
  if (FCellChecker->UseCorrect()) Checked = FCellChecker->Correct(Col, Row, Checked);
  // Errors are marked in the corrected text, so that marking keeps the
  // correction.
  if (FCellChecker->UseMarkError()) Checked = FCellChecker->MarkError(Col, Row, Checked);
  SetCells(Col, Row, Checked);
  return Checked == Text;
}

bool TRezIvevirAvod::CheckCells(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow) {
  if (!FCellChecker) return true;
  FCellChecker->StartCheck();
  const Integer KeptCol = Col(), KeptRow = Row();
  bool Unchanged = true;
  for (Integer r = FromRow; r <= ToRow; ++r)
    for (Integer c = FromCol; c <= ToCol; ++c) {
      // A merged area is checked once, at its base cell.
      if (!IsBaseCell(c, r)) continue;
      Unchanged = CheckCell(c, r) && Unchanged;
    }
  FCellChecker->StopCheck();
  if (FCellChecker->GotoCell() && (Col() != KeptCol || Row() != KeptRow)) FocusCell(KeptCol, KeptRow, true);
  return Unchanged;
}

bool TRezIvevirAvod::CheckCol(bool DoFixed, Integer Col) {
  const TGridRect R = NormalRange(DoFixed, 0);
  return CheckCells(Col, R.Top, Col, R.Bottom);
}

bool TRezIvevirAvod::CheckRow(bool DoFixed, Integer Row) {
  const TGridRect R = NormalRange(DoFixed, 0);
  return CheckCells(R.Left, Row, R.Right, Row);
}

bool TRezIvevirAvod::CheckGrid(bool DoFixed) {
  const TGridRect R = NormalRange(DoFixed, 0);
  return CheckCells(R.Left, R.Top, R.Right, R.Bottom);
}

}  // namespace jorv::grid
