// Pasting: the private cell format first, then rich text, then TAB and
// CR separated text, each value through PasteCellText and the per-cell
// events. The clipboard's content comes from any program, so every length
// and count in it is checked against the block that carries it.
#include <algorithm>
#include <limits>
#include <vector>

#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/base/GridUndo.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/GridBinStream.h"
#include "platform/rtl/GlobalMemory.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Clipboard.h"

namespace jorv::grid {

namespace {

// The text's lines: split at each CR, with one LF behind it skipped; the
// text after the last CR is a line too (empty after a final CR LF).
std::vector<String> PasteLines(const String& Text) {
  std::vector<String> Lines;
  size_t Start = 0;
  for (;;) {
    const size_t CR = Text.find(L'\r', Start);
    if (CR == String::npos) break;
    Lines.push_back(Text.substr(Start, CR - Start));
    Start = CR + 1;
    if (Start < Text.size() && Text[Start] == L'\n') ++Start;
  }
  Lines.push_back(Text.substr(Start));
  return Lines;
}

// A quoted field of several lines (LF or the spreadsheet's character 11
// between them) comes back without its quotes, its lines joined by CR LF.
String UnquoteField(String F) {
  if (F.find_first_of(L"\n\v") != String::npos && !F.empty() && F[0] == L'"') {
    F.erase(0, 1);
    const size_t Quote = F.find(L'"');
    if (Quote != String::npos && Quote + 1 == F.size()) F.pop_back();
    // The cell's own line breaks are CR LF: a copy sent them as LF.
    String Lines;
    for (size_t i = 0; i < F.size(); ++i) {
      if (F[i] == L'\n' && (i == 0 || F[i - 1] != L'\r')) Lines += L'\r';
      Lines += F[i];
    }
    F = Lines;
  }
  foundation::VTabToLineBreaks(F);
  return F;
}

bool IsMarked(const String& S) { return S.rfind(L"|\\", 0) == 0; }

// Text follows line L: the empty line after a final line break is no text.
bool TextFollows(const std::vector<String>& Lines, size_t L) {
  return L + 2 < Lines.size() || (L + 2 == Lines.size() && !Lines.back().empty());
}

}  // namespace

bool TRezIvevirAvod::AllowsFmtClipboard() { return FNavigation->AllowFmtClipboard(); }

void TRezIvevirAvod::PasteRangeDone(TPoint&, TRect R, TClipOperation) {
  if (!FShowModified->Enabled()) return;
  for (Integer r = R.Top; r <= R.Bottom && r < RowCount(); ++r) SetRowModified(r, true);
}

void TRezIvevirAvod::DoClipboardPasteDone(TGridRect R) {
  if (OnClipboardPasteDone) OnClipboardPasteDone(this, R);
}

void TRezIvevirAvod::PasteCellText(Integer ACol, Integer ARow, const String& Value) {
  const Integer RC = DisplToRealCol(ACol);
  if (TExGridUndoRedo* Undo = UndoRedo()) Undo->RegisterChange(RC, ARow, GetCellEx(RC, ARow), Value);
  if (!HasCheckBox(RC, ARow) || HasDataCheckBox(RC, ARow))
    SetCellEx(RC, ARow, Value);
  else
    ChangeCheckBoxState(RC, ARow, Value == GetCheckTrueText());
  if (RC != ACol) InvalidateCell(ACol, ARow);
}

// One field at a displayed cell inside the grid: the events may change or
// refuse it; true when it was written.
bool TRezIvevirAvod::PasteField(Integer ACol, Integer ARow, String Field, bool WideEvents) {
  if (!IsEditable(ACol, ARow) && !FNavigation->AllowClipboardAlways()) return false;
  bool Allow = true;
  const bool Marked = IsMarked(Field);
  if (Marked) {
    String Wide = foundation::MarkedTextToWide(Field);
    if (OnClipboardBeforePasteWideCell) OnClipboardBeforePasteWideCell(this, ACol, ARow, Wide, Allow);
    Field = foundation::WideToMarkedText(Wide);
  } else if (OnClipboardBeforePasteCell) {
    OnClipboardBeforePasteCell(this, ACol, ARow, Field, Allow);
  }
  if (!Allow) return false;
  PasteCellText(ACol, ARow, Field);
  if (Marked && WideEvents) {
    if (OnClipboardAfterPasteWideCell)
      OnClipboardAfterPasteWideCell(this, ACol, ARow, foundation::MarkedTextToWide(Field));
  } else if (OnClipboardAfterPasteCell) {
    OnClipboardAfterPasteCell(this, ACol, ARow, Field);
  }
  return true;
}

Integer TRezIvevirAvod::PasteText(Integer ACol, Integer ARow, const String& Text, Integer& Cols, Integer& Rows) {
  Cols = 0;
  Rows = 0;
  if (ACol < 0 || ARow < 0) return 0;
  // FEditDisable: the selection-resize fill writes into a grid not otherwise edited.
  if (!Options().Contains(goEditing) && !FNavigation->AllowClipboardAlways() && !FMouseActions->RangeSelectAndEdit() &&
      !FEditDisable)
    return 0;
  TExGridUndoRedo* Undo = UndoRedo();
  if (Undo) Undo->StartSequence();
  Integer Count = 0;
  TPoint Far(ACol, ARow);
  const bool ColGrow = FNavigation->AllowClipboardColGrow(), RowGrow = FNavigation->AllowClipboardRowGrow();
  // A field at the column just past the grid grows it first when it may.
  auto Fits = [&](Integer c, Integer r) {
    if (c == ColCount() && ColGrow) SetColCount(c + 1);
    return c < ColCount() && r < RowCount();
  };
  const std::vector<String> Lines = PasteLines(Text);
  Integer r = ARow;
  for (size_t l = 0; l < Lines.size(); ++l) {
    const String& Line = Lines[l];
    const bool LastLine = l + 1 == Lines.size();
    ++Rows;
    ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, r);
    if (!Line.empty() && FNavigation->ClipboardPasteAction() == paInsert) InsertRows(r, 1);
    if (Line.find(L'\t') != String::npos) Cols = 1;
    Integer c = ACol;
    size_t From = 0;
    for (;;) {
      const size_t Tab = Line.find(L'\t', From);
      const bool LastField = Tab == String::npos;
      const String Field = UnquoteField(Line.substr(From, LastField ? String::npos : Tab - From));
      if (!LastField) ++Cols;
      const bool Wanted = !LastField || !Field.empty() || !LastLine;
      const bool Written = Wanted && Fits(c, r) && PasteField(c, r, Field, !LastField);
      if (Written) Far = TPoint(std::max<Integer>(Far.X, c), std::max<Integer>(Far.Y, r));
      ++Count;
      if (!LastField || Written) ++c;
      if (c > ColCount() && ColGrow) SetColCount(c);
      if (LastField) break;
      From = Tab + 1;
    }
    if (LastLine) break;
    ++r;
    const bool FooterRow = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
    if (r == (FooterRow ? RowCount() - 1 : RowCount()) && RowGrow && TextFollows(Lines, l))
      SetRowCount(RowCount() + 1);
  }
  --Rows;
  if (Undo) Undo->StopSequence();
  PasteRangeDone(FClipTopLeft, TRect(ACol, ARow, Far.X, Far.Y), FClipLastOp);
  NotifyCellsChanged(TRect(DisplToRealCol(ACol), ARow, DisplToRealCol(Far.X), Far.Y));
  return Count;
}

void TRezIvevirAvod::MeasurePasteText(const String& Text, Integer& Cols, Integer& Rows) {
  const std::vector<String> Lines = PasteLines(Text);
  Cols = 0;
  Integer Empty = 0;
  for (const String& Line : Lines) {
    Cols = std::max<Integer>(Cols, static_cast<Integer>(std::count(Line.begin(), Line.end(), L'\t')) + 1);
    if (Line.empty()) ++Empty;
  }
  // Every line but the last ends with CR.
  Rows = static_cast<Integer>(Lines.size()) - 1 - Empty;
}

// The private format; false when the clipboard holds none this grid can
// read, so that the text beside it is pasted instead.
bool TRezIvevirAvod::PasteCellFormat(Integer ACol, Integer ARow, Integer& Cols, Integer& Rows, Integer& Count) {
  const UINT Format = RegisterClipboardFormat(L"TRezIvevirAvod Cells");
  if (!AllowsFmtClipboard() || !Clipboard()->HasFormat(Format)) return false;
  TMemoryStream Cells;
  TGridPropIO Header(nullptr);
  {
    TClipboard* Board = Clipboard();
    Board->Open();
    auto Close = ScopeExit([Board] { Board->Close(); });
    TGlobalLock Lock(static_cast<HGLOBAL>(GetClipboardData(Format)));
    if (!Lock.Data() || Lock.Size() > size_t(std::numeric_limits<Integer>::max())) return false;
    Cells.Write(Lock.Data(), static_cast<Integer>(Lock.Size()));
  }
  Cells.SetPosition(0);
  try {
    Cells.ReadComponent(&Header);
  } catch (const Exception&) {
    return false;
  }
  // Every cell of the rectangle has a record of its own: a header that
  // claims more cells than the block has bytes is not believed.
  const Int64 Claimed = Int64(Header.ColCount()) * Header.RowCount();
  if (Header.ColCount() <= 0 || Header.RowCount() <= 0 || Claimed > Cells.Size()) return false;
  BeginPasteCells();
  auto End = ScopeExit([this] { EndPasteCells(); });
  if (FNavigation->AllowClipboardColGrow() && ColCount() <= ACol + Header.ColCount())
    SetColCount(ACol + Header.ColCount());
  if (FNavigation->AllowClipboardRowGrow() && RowCount() <= ARow + Header.RowCount())
    SetRowCount(ARow + Header.RowCount());
  if (FNavigation->ClipboardPasteAction() == paInsert) InsertRows(ARow, Header.RowCount());
  Cells.SetPosition(0);
  LoadRangeAtPoint(TPoint(ACol, ARow), &Cells);
  const TRect R(ACol, ARow, ACol + Header.ColCount() - 1, ARow + Header.RowCount() - 1);
  const bool Here = HandleAllocated() && Header.ID() == static_cast<Integer>(reinterpret_cast<intptr_t>(Handle()));
  TPoint Origin = Here ? FClipTopLeft : TPoint(-1, -1);
  PasteRangeDone(Origin, R, FClipLastOp);
  Cols = Header.ColCount();
  Rows = Header.RowCount();
  Count = static_cast<Integer>(Claimed);
  return true;
}

void TRezIvevirAvod::LoadRangeAtPoint(TPoint Point, TStream* Stream) {
  TGridPropIO Header(nullptr);
  Stream->ReadComponent(&Header);
  if (!Header.FullGrid()) {
    Stream->SetPosition(0);
    LoadAtPointFromBinStream(Point, Stream);
    return;
  }
  TMemoryStream Range;
  Header.SetFullGrid(false);
  Range.WriteComponent(&Header);
  Range.CopyFrom(Stream, Stream->Size() - Stream->Position());
  Range.SetPosition(0);
  LoadAtPointFromBinStream(Point, &Range);
}

Integer TRezIvevirAvod::PasteClipboardFormats(Integer ACol, Integer ARow, Integer& Cols, Integer& Rows) {
  Cols = 0;
  Rows = 0;
  Integer Count = 0;
  if (PasteCellFormat(ACol, ARow, Cols, Rows, Count)) return Count;
  const UINT RTF = RegisterClipboardFormat(L"Rich Text Format");
  if (FNavigation->AllowRTFClipboard() && Clipboard()->HasFormat(RTF)) {
    String Text;
    {
      TClipboard* Board = Clipboard();
      Board->Open();
      auto Close = ScopeExit([Board] { Board->Close(); });
      Text = GlobalBlockWideText(static_cast<HGLOBAL>(GetClipboardData(RTF)));
    }
    if (!Text.empty() && IsEditable(ACol, ARow)) PasteCellText(ACol, ARow, Text);
    Cols = 1;
    Rows = 1;
    return 0;
  }
  if (!Clipboard()->HasFormat(CF_UNICODETEXT)) return 0;
  const String Text = Clipboard()->AsText();
  return Text.empty() ? 0 : PasteText(ACol, ARow, Text, Cols, Rows);
}

void TRezIvevirAvod::PasteFromClipboard() {
  ImportNotification(isImportStart, -1);
  FPasteAll = true;
  Integer Cols = 0, Rows = 0;
  PasteClipboardFormats(SaveStartCol(), SaveStartRow(), Cols, Rows);
  ImportNotification(isImportDone, -1);
  DoClipboardPasteDone(TGridRect{SaveStartCol(), SaveStartRow(), SaveStartCol() + Cols, SaveStartRow() + Rows});
  DoCellsLoaded();
}

// Raw, from the selection's top-left cell: no events, no undo, no
// editability test, and the grid grows to hold every field.
void TRezIvevirAvod::SetSelectionAsText(const String& Value) {
  const TGridRect S = Selection();
  const std::vector<String> Lines = PasteLines(Value);
  TPoint Far(S.Left, S.Top);
  Integer r = S.Top;
  for (size_t l = 0; l < Lines.size(); ++l) {
    const String& Line = Lines[l];
    const bool LastLine = l + 1 == Lines.size();
    Integer c = S.Left;
    size_t From = 0;
    for (;;) {
      const size_t Tab = Line.find(L'\t', From);
      const bool LastField = Tab == String::npos;
      const String Field = UnquoteField(Line.substr(From, LastField ? String::npos : Tab - From));
      if (!LastField || !Field.empty() || !LastLine) {
        if (c >= ColCount()) SetColCount(c + 1);
        SetGridCell(c, r, Field);
        Far = TPoint(std::max<Integer>(Far.X, c), std::max<Integer>(Far.Y, r));
      }
      ++c;
      if (LastField) break;
      From = Tab + 1;
    }
    if (LastLine) break;
    ++r;
    const bool FooterRow = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
    if (r >= (FooterRow ? RowCount() - 1 : RowCount()) && TextFollows(Lines, l)) SetRowCount(RowCount() + 1);
  }
  NotifyCellsChanged(TRect(DisplToRealCol(S.Left), S.Top, DisplToRealCol(Far.X), Far.Y));
}

}  // namespace jorv::grid
