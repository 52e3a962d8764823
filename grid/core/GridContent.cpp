// Bulk work on cell texts (highlighting and marking search text, test
// fills) and the small virtual operations through which the grid raises
// its events for selection, fixed-cell editing, filtering and zooming.
#include <cstdlib>
#include "foundation/HTMLUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

// --- highlighting ("hi") and marking ("e") -------------------------------------------------

String TRezIvevirAvod::HilightText(bool DoCase, const String& S, const String& Text) {
  String Result;
  return WrapMatchesInTag(S, Text, L"hi", Result, false, DoCase);
}

String TRezIvevirAvod::UnHilightText(const String& S) { return RemoveTagPairs(S, L"hi"); }

String TRezIvevirAvod::MarkText(bool DoCase, const String& S, const String& Text) {
  String Result;
  return WrapMatchesInTag(S, Text, L"e", Result, false, DoCase);
}

String TRezIvevirAvod::UnMarkText(const String& S) { return RemoveTagPairs(S, L"e"); }

TGridRect TRezIvevirAvod::NormalRange(bool DoFixed, Integer AddColumns) const {
  if (DoFixed) return TGridRect{0, 0, ColCount() - 1 + AddColumns, RowCount() - 1};
  return TGridRect{FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1 + AddColumns,
                   RowCount() - FFixedFooters - 1};
}

String TRezIvevirAvod::TextForTags(Integer ACol, Integer ARow) {
  return OnGetDisplText ? GetCells(ACol, ARow) : GetGridCell(ACol, ARow);
}

void TRezIvevirAvod::WrapInRange(const TGridRect& R, const String& Search, const String& Tag, bool FullText,
                                 bool DoCase) {
  const String Encoded = EncodeHTMLEntities(Search, false);
  for (Integer r = R.Top; r <= R.Bottom; ++r)
    for (Integer c = R.Left; c <= R.Right; ++c) {
      if (!IsBaseCell(c, r)) continue;
      const String Text = TextForTags(c, r);
      String Result;
      String Wrapped = WrapMatchesInTag(Text, Encoded, Tag, Result, FullText, DoCase);
      if (Wrapped != Text) SetCells(c, r, Wrapped);
    }
}

void TRezIvevirAvod::UnwrapInRange(const TGridRect& R, const String& Tag) {
  for (Integer r = R.Top; r <= R.Bottom; ++r)
    for (Integer c = R.Left; c <= R.Right; ++c) {
      if (!IsBaseCell(c, r)) continue;
      SetCells(c, r, RemoveTagPairs(DecodeHTMLEntities(TextForTags(c, r), false), Tag));
    }
}

void TRezIvevirAvod::HilightInCell(bool DoCase, Integer Col, Integer Row, const String& HiText, bool FullText) {
  WrapInRange(TGridRect{Col, Row, Col, Row}, HiText, L"hi", FullText, DoCase);
}

void TRezIvevirAvod::HilightInCol(bool DoFixed, bool DoCase, Integer Col, const String& HiText, bool FullText) {
  TGridRect R = NormalRange(DoFixed, 0);
  WrapInRange(TGridRect{Col, R.Top, Col, R.Bottom}, HiText, L"hi", FullText, DoCase);
}

void TRezIvevirAvod::HilightInRow(bool DoFixed, bool DoCase, Integer Row, const String& HiText, bool FullText) {
  TGridRect R = NormalRange(DoFixed, 0);
  WrapInRange(TGridRect{R.Left, Row, R.Right, Row}, HiText, L"hi", FullText, DoCase);
}

void TRezIvevirAvod::HilightInGrid(bool DoFixed, bool DoCase, const String& HiText, bool FullText) {
  WrapInRange(NormalRange(DoFixed, DoFixed ? 0 : FNumHidden), HiText, L"hi", FullText, DoCase);
}

void TRezIvevirAvod::MarkInCell(bool DoCase, Integer Col, Integer Row, const String& HiText) {
  WrapInRange(TGridRect{Col, Row, Col, Row}, HiText, L"e", false, DoCase);
}

void TRezIvevirAvod::MarkInCol(bool DoFixed, bool DoCase, Integer Col, const String& HiText) {
  TGridRect R = NormalRange(DoFixed, 0);
  WrapInRange(TGridRect{Col, R.Top, Col, R.Bottom}, HiText, L"e", false, DoCase);
}

void TRezIvevirAvod::MarkInRow(bool DoFixed, bool DoCase, Integer Row, const String& HiText) {
  TGridRect R = NormalRange(DoFixed, 0);
  WrapInRange(TGridRect{R.Left, Row, R.Right, Row}, HiText, L"e", false, DoCase);
}

void TRezIvevirAvod::MarkInGrid(bool DoFixed, bool DoCase, const String& HiText) {
  WrapInRange(NormalRange(DoFixed, 0), HiText, L"e", false, DoCase);
}

void TRezIvevirAvod::UnHilightInCell(Integer Col, Integer Row) { UnwrapInRange(TGridRect{Col, Row, Col, Row}, L"hi"); }

void TRezIvevirAvod::UnHilightInCol(bool DoFixed, Integer Col) {
  TGridRect R = NormalRange(DoFixed, 0);
  UnwrapInRange(TGridRect{Col, R.Top, Col, R.Bottom}, L"hi");
}

void TRezIvevirAvod::UnHilightInRow(bool DoFixed, Integer Row) {
  TGridRect R = NormalRange(DoFixed, FNumHidden);
  UnwrapInRange(TGridRect{R.Left, Row, R.Right, Row}, L"hi");
}

void TRezIvevirAvod::UnHilightInGrid(bool DoFixed) { UnwrapInRange(NormalRange(DoFixed, FNumHidden), L"hi"); }

void TRezIvevirAvod::UnMarkInCell(Integer Col, Integer Row) { UnwrapInRange(TGridRect{Col, Row, Col, Row}, L"e"); }

void TRezIvevirAvod::UnMarkInCol(bool DoFixed, Integer Col) {
  TGridRect R = NormalRange(DoFixed, 0);
  UnwrapInRange(TGridRect{Col, R.Top, Col, R.Bottom}, L"e");
}

void TRezIvevirAvod::UnMarkInRow(bool DoFixed, Integer Row) {
  TGridRect R = NormalRange(DoFixed, FNumHidden);
  UnwrapInRange(TGridRect{R.Left, Row, R.Right, Row}, L"e");
}

void TRezIvevirAvod::UnMarkInGrid(bool DoFixed) { UnwrapInRange(NormalRange(DoFixed, FNumHidden), L"e"); }

// --- test fills ----------------------------------------------------------------------------

void TRezIvevirAvod::FillRange(bool DoFixed, const std::function<void(Integer, Integer)>& FillCell) {
  TGridRect R = NormalRange(DoFixed, 0);
  for (Integer r = R.Top; r <= R.Bottom; ++r)
    for (Integer c = R.Left; c <= R.Right; ++c) FillCell(c, r);
}

void TRezIvevirAvod::TextFill(bool DoFixed, const String& Txt) {
  FillRange(DoFixed, [&](Integer c, Integer r) { SetCells(c, r, Txt); });
}

void TRezIvevirAvod::FormatFill(bool DoFixed, const String& Fmt) {
  FillRange(DoFixed, [&](Integer c, Integer r) { SetCells(c, r, Format(Fmt, c, r)); });
}

void TRezIvevirAvod::RandomFill(bool DoFixed, Integer Rnd) {
  FillRange(DoFixed, [&](Integer c, Integer r) { SetInts(c, r, Rnd > 0 ? std::rand() % Rnd : 0); });
}

void TRezIvevirAvod::LinearFill(bool DoFixed) {
  FillRange(DoFixed, [&](Integer c, Integer r) { SetCells(c, r, IntToStr(c) + L":" + IntToStr(r)); });
}

// --- dispatch ---------------------------------------------------------------------------------

void TRezIvevirAvod::DoFixedEdit(Integer ACol, Integer ARow, TGridFixedCellEditor& AEditor, TStrings* Values) {
  if (OnFixedEdit) OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void TRezIvevirAvod::DoSelectionChanged(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) {
  if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) InvalidateRect(Selection());
  FSelectionChanged = true;
  if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TRezIvevirAvod::DoFilterDone() {
  if (OnFilterDone) OnFilterDone(this);
}

void TRezIvevirAvod::DoFilterShow(Integer ACol, bool& Allow) {
  if (OnFilterShow) OnFilterShow(this, ACol, Allow);
}

void TRezIvevirAvod::DoFilterClose(Integer ACol) {
  if (OnFilterClose) OnFilterClose(this, ACol);
}

void TRezIvevirAvod::DoCanAddRow(bool& CanAdd) {
  if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TRezIvevirAvod::DoCanAddCol(bool& CanAdd) {
  if (OnCanAddCol) OnCanAddCol(this, CanAdd);
}

void TRezIvevirAvod::DoCanInsertRow(Integer ARow, bool& CanInsert) {
  if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

void TRezIvevirAvod::DoIntelliZoom() {
  if (OnIntelliZoom) OnIntelliZoom(this);
}

bool TRezIvevirAvod::ShowsSortIndicator(Integer ACol, Integer ARow) {
  TPoint Span = IsBaseCell(ACol, ARow) ? CellSpan(ACol, ARow) : TPoint{0, 0};
  const Integer LastRow = ARow + std::max<Integer>(Span.Y, 0);
  return LastRow == FSortSettings->Row() && FSortSettings->Show() && FixedRows() + 1 < RowCount();
}

Integer TRezIvevirAvod::GetRowIndent(Integer ARow) {
  if (FNumNodes == 0 || ARow < 0) return 0;
  TCellProperties* P = ExistingProps(0, ARow);
  return P ? P->NodeLevel() * FCellNode->NodeIndent() : 0;
}

}  // namespace jorv::grid
