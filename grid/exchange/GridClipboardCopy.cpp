// Cells on the clipboard: always as TAB and CR LF separated text, with the
// first cell's rich text and the private cell format on request; a cut
// clears (or removes) what it copied.
#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/base/GridUndo.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/GlobalMemory.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"

namespace jorv::grid {

namespace {

// One LF for each line break, whether CR LF or a lone CR.
String LineBreaksToLF(const String& S) {
  String Lines;
  for (size_t i = 0; i < S.size(); ++i) {
    if (S[i] == L'\r' && i + 1 < S.size() && S[i + 1] == L'\n') continue;
    Lines += S[i] == L'\r' ? L'\n' : S[i];
  }
  return Lines;
}

}  // namespace

String TRezIvevirAvod::ClipboardCellText(Integer ACol, Integer ARow) {
  const Integer RC = DisplToRealCol(ACol);
  String S;
  SaveCell(RC, ARow, S);
  if (S.rfind(L"|\\", 0) == 0) S = foundation::MarkedTextToWide(S);
  if (!FNavigation->CopyHTMLTagsToClipboard() && S.find(L"</") != String::npos) {
    S = GetStrippedCells(RC, ARow);
  } else if (S.find(L"{\\") != String::npos) {
    TFont Unused;
    S = RichPlainText(S, &Unused);
  }
  // A quoted field keeps its line breaks inside one cell of a spreadsheet:
  // in the spreadsheet's own form (character 11) when asked for, else as LF.
  if (FExcelClipboardFormat && foundation::CountTextLines(S, FMultilinecells) > 1)
    foundation::QuoteWithVTabBreaks(S);
  else if (S.find(L'\r') != String::npos)
    S = L"\"" + LineBreaksToLF(S) + L"\"";
  return S;
}

String TRezIvevirAvod::SelectionToText(const TGridRect& R, bool Disjunct) {
  FClipTopLeft = TPoint(R.Left, R.Top);
  ExportNotification(esExportStart, -1);
  const bool RowsDisjunct = FMouseActions->DisjunctRowSelect(), ColsDisjunct = FMouseActions->DisjunctColSelect();
  String Text;
  for (Integer r = R.Top; r <= R.Bottom; ++r) {
    ExportNotification(esExportNewRow, r);
    const Integer SelRow = FMouseActions->RowSelectPersistent() ? DisplToRealRow(r) : r;
    if (RowsDisjunct && Disjunct && !ColsDisjunct && !GetRowSelect(SelRow)) continue;
    String Line;
    bool First = true;
    for (Integer c = R.Left; c <= R.Right; ++c) {
      if (ColsDisjunct && Disjunct && !GetColSelect(c)) continue;
      if (!First) Line += L'\t';
      First = false;
      Line += ClipboardCellText(c, r);
    }
    Text += Line;
    if (R.Top < R.Bottom) Text += L"\r\n";
  }
  ExportNotification(esExportDone, -1);
  return Text;
}

// The text empties the clipboard; the other formats join it.
void TRezIvevirAvod::CopyRectToClipboard(const TGridRect& R, bool Disjunct, bool WithCellFormat) {
  const String Text = SelectionToText(R, Disjunct);
  TClipboard* Board = Clipboard();
  Board->Open();
  auto Close = ScopeExit([Board] { Board->Close(); });
  Board->SetAsText(Text);
  if (FNavigation->AllowRTFClipboard()) CopyRTFToClipboard(R.Left, R.Top);
  if (WithCellFormat && FNavigation->AllowFmtClipboard()) CopyGridFormatToClipboard(R);
}

// Rich text goes as 16-bit units with one zero unit, the way grids of
// this kind have always read it back.
void TRezIvevirAvod::CopyRTFToClipboard(Integer ACol, Integer ARow) {
  const String Text = GetCellEx(DisplToRealCol(ACol), ARow);
  if (Text.find(L"{\\") == String::npos) return;
  try {
    Clipboard()->SetBuffer(RegisterClipboardFormat(L"Rich Text Format"), Text.c_str(),
                           (Text.size() + 1) * sizeof(Char));
  } catch (const EClipboardException&) {
    // The other formats are on the clipboard already; rich text is extra.
  }
}

void TRezIvevirAvod::CopyGridFormatToClipboard(const TGridRect& R) {
  TMemoryStream Cells;
  SaveRectToBinStream(TRect(R.Left, R.Top, R.Right, R.Bottom), &Cells);
  Clipboard()->SetBuffer(RegisterClipboardFormat(L"TRezIvevirAvod Cells"), Cells.Memory(),
                         static_cast<size_t>(Cells.Size()));
}

void TRezIvevirAvod::ExtendSelectionToMerged() {
  TGridRect S = Selection();
  const TGridRect Old = S;
  if (IsMergedCell(S.Left, S.Top)) {
    const TPoint Base = BaseCell(S.Left, S.Top);
    S.Left = std::min(S.Left, Base.X);
    S.Top = std::min(S.Top, Base.Y);
  }
  if (IsMergedCell(S.Right, S.Bottom)) {
    const TPoint Base = BaseCell(S.Right, S.Bottom);
    const TPoint Span = CellSpan(Base.X, Base.Y);
    S.Right = std::max(S.Right, Base.X + Span.X);
    S.Bottom = std::max(S.Bottom, Base.Y + Span.Y);
  }
  if (!(S == Old)) SetSelection(S);
}

void TRezIvevirAvod::CopySelectionToClipboard() {
  ExtendSelectionToMerged();
  const bool Fmt = FNavigation->AllowFmtClipboard();
  const TGridRect Save{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
  if (FMouseActions->DisjunctRowSelect() && !Fmt)
    CopyRectToClipboard(TGridRect{FixedCols(), SaveStartRow(), ColCount() - FixedRightCols() - 1, SaveEndRow()}, true);
  else if (FMouseActions->DisjunctColSelect() && !Fmt)
    CopyRectToClipboard(Save, true);
  else
    CopyRectToClipboard(Selection(), false);
  FClipLastOp = coCopy;
}

void TRezIvevirAvod::CopyToClipBoard() {
  CopyRectToClipboard(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
  FClipLastOp = coCopy;
}

String TRezIvevirAvod::GetSelectionAsText() { return SelectionToText(Selection(), false); }

void TRezIvevirAvod::CutToClipboard() {
  const TGridRect R{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
  CopyRectToClipboard(R, false);
  const bool Always = FNavigation->AllowClipboardAlways();
  for (Integer r = R.Top; r <= R.Bottom; ++r)
    for (Integer c = R.Left; c <= R.Right; ++c)
      if (IsEditable(c, r) || Always) SetCellEx(DisplToRealCol(c), r, String());
  if (FShowModified->Enabled())
    for (Integer r = R.Top; r <= R.Bottom; ++r) SetRowModified(r, true);
  if (FNavigation->ClipboardCutAction() == caRemove && Options().Contains(goRowSelect))
    RemoveRows(R.Top, R.Bottom - R.Top + 1);
  FClipLastOp = coCut;
}

void TRezIvevirAvod::CutSelectionToClipboard() {
  const TGridRect S = Selection();
  const bool RowsDisjunct = FMouseActions->DisjunctRowSelect(), ColsDisjunct = FMouseActions->DisjunctColSelect();
  // The private format holds one rectangle only: a disjunct cut puts the
  // disjunct text alone on the clipboard, so that what it clears is there.
  if (RowsDisjunct)
    CopyRectToClipboard(TGridRect{FixedCols(), SaveStartRow(), ColCount() - FixedRightCols() - 1, SaveEndRow()},
                        true, false);
  else if (ColsDisjunct)
    CopyRectToClipboard(TGridRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true, false);
  else
    CopySelectionToClipboard();
  if (RowsDisjunct) {
    for (Integer i = FixedRows(); i < RowCount(); ++i) {
      if (!GetRowSelect(FMouseActions->RowSelectPersistent() ? DisplToRealRow(i) : i)) continue;
      ClearRows(i, 1);
      if (FShowModified->Enabled()) SetRowModified(i, true);
    }
  } else if (ColsDisjunct) {
    for (Integer c = FixedCols(); c < ColCount(); ++c)
      if (GetColSelect(c)) ClearCols(c, 1);
  } else {
    ClearCutSelection(Selection());
  }
  FClipLastOp = coCut;
  if (OnCellsChanged) OnCellsChanged(this, TRect(S.Left, S.Top, S.Right, S.Bottom));
  if (FNavigation->ClipboardCutAction() == caRemove && Options().Contains(goRowSelect)) RemoveCutRows();
  if (NumHiddenColumns() > 0) Invalidate();
}

void TRezIvevirAvod::ClearCutSelection(const TGridRect& S) {
  TExGridUndoRedo* Undo = UndoRedo();
  if (Undo) Undo->StartSequence();
  const bool Always = FNavigation->AllowClipboardAlways();
  for (Integer c = S.Left; c <= S.Right; ++c) {
    const Integer RC = RealColIndex(c);
    for (Integer r = S.Top; r <= S.Bottom; ++r) {
      if (!IsEditable(c, r) && !Always) continue;
      if (Undo) Undo->RegisterChange(RC, r, GetCellEx(RC, r), String());
      SetCellEx(RC, r, String());
    }
  }
  if (FShowModified->Enabled())
    for (Integer r = S.Top; r <= S.Bottom; ++r) SetRowModified(r, true);
  if (Undo) Undo->StopSequence();
  // The properties travel in the private format and come back with it.
  if (FNavigation->AllowFmtClipboard()) FreeCellPropertiesRange(S.Left, S.Top, S.Right, S.Bottom);
}

void TRezIvevirAvod::RemoveCutRows() {
  if (!FMouseActions->DisjunctRowSelect()) {
    const TGridRect S = Selection();
    RemoveRows(S.Top, S.Bottom - S.Top + 1);
    return;
  }
  TIntList Rows;
  for (Integer r = FixedRows(); r < RowCount(); ++r)
    if (GetRowSelect(r)) Rows.Add(r);
  ResetRowSelectFlags();
  RemoveRowList(&Rows);
}

}  // namespace jorv::grid
