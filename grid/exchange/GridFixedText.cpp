// Column-aligned plain text: the ASCII table, whose columns are as wide as
// their longest line and keep the cells' alignment, and fixed-width text,
// whose column widths or start positions the caller gives.
#include <algorithm>
#include <climits>
#include <vector>

#include "foundation/TextUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Screen.h"

namespace jorv::grid {

namespace {

// The text's lines at CR, an LF right after a CR dropped.
std::vector<String> SplitCellLines(const String& Text) {
  std::vector<String> Lines;
  String Rest = Text;
  do {
    String Line;
    foundation::TakeFirstLine(Rest, true, Line);
    Lines.push_back(Line);
  } while (!Rest.empty());
  return Lines;
}

// Blanks in front for right alignment, on both sides (the front first) for
// centred text, behind for the rest.
String AlignText(const String& Text, Integer Width, TAlignment Alignment) {
  const Integer Missing = Width - Integer(Text.size());
  if (Missing <= 0) return Text;
  if (Alignment == taRightJustify) return StringOfChar(L' ', Missing) + Text;
  if (Alignment == taCenter) return StringOfChar(L' ', (Missing + 1) / 2) + Text + StringOfChar(L' ', Missing / 2);
  return Text + StringOfChar(L' ', Missing);
}

// The text cut to, or filled with blanks to, exactly Width characters. Line
// breaks become blanks, so that one row stays one line of the file.
String FitText(const String& Text, Integer Width) {
  String Flat;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == L'\r' && i + 1 < Text.size() && Text[i + 1] == L'\n') continue;
    Flat += Text[i] == L'\r' || Text[i] == L'\n' ? L' ' : Text[i];
  }
  Width = std::max(Width, 0);
  Flat.resize(size_t(Width), L' ');
  return Flat;
}

// The grid shows the hourglass for as long as it lives.
class THourGlass {
 public:
  THourGlass() {
    if (!Screen) return;
    FSaved = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
  }
  ~THourGlass() {
    if (Screen) Screen->SetCursor(FSaved);
  }
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;

 private:
  TCursor FSaved = crDefault;
};

}  // namespace

// The widest line of the column from FromRow on: the first line of each cell
// only, unless cells are multi-line.
Integer TRezIvevirAvod::MaxColumnTextLength(Integer ACol, Integer FromRow) {
  Integer Longest = 0;
  for (Integer r = FromRow; r < RowCount(); ++r) {
    String Text;
    SaveCell(ACol, r, Text);
    const std::vector<String> Lines = SplitCellLines(Text);
    const size_t Used = FMultilinecells ? Lines.size() : 1;
    for (size_t i = 0; i < Used; ++i) Longest = std::max(Longest, Integer(Lines[i].size()));
  }
  return Longest;
}

// --- ASCII table ----------------------------------------------------------------------------

// Widths take the whole length of the longest line, however long: a
// narrower column would shift every column after it.
void TRezIvevirAvod::WriteASCIIFile(const String& FileName, bool Append, bool Unicode) {
  THourGlass Busy;
  TStringList Lines;
  if (Append && FileExists(FileName)) Lines.LoadFromFile(FileName);
  const Integer Hidden = FSaveHiddenCells ? FNumHidden : 0;
  const Integer FirstCol = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  const Integer FirstRow = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  SetColCount(ColCount() + Hidden);
  auto Restore = ScopeExit([&] {
    SetColCount(ColCount() - Hidden);
    ExportNotification(esExportDone, -1);
  });
  std::vector<Integer> Widths;
  for (Integer c = FirstCol; c < ColCount(); ++c) Widths.push_back(MaxColumnTextLength(c, 0));
  ExportNotification(esExportStart, FirstRow);
  for (Integer r = FirstRow; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    String Line;
    std::vector<String> Extra;
    Integer Start = 0;
    for (Integer c = FirstCol; c < ColCount(); ++c) {
      const Integer Width = Widths[size_t(c - FirstCol)] + 1;
      String Text;
      SaveCell(c, r, Text);
      TAlignment HA = taLeftJustify;
      TVAlignment VA = vtaTop;
      GetCellAlignment(c, r, HA, VA);
      const std::vector<String> CellLines = SplitCellLines(Text);
      Line += AlignText(CellLines[0], Width, HA);
      for (size_t k = 1; FMultilinecells && k < CellLines.size(); ++k) {
        if (Extra.size() < k) Extra.resize(k);
        String& Row = Extra[k - 1];
        if (Integer(Row.size()) < Start) Row += StringOfChar(L' ', Start - Integer(Row.size()));
        Row += AlignText(CellLines[k], Width, HA);
      }
      Start += Width;
    }
    Lines.Add(Line);
    for (const String& More : Extra) Lines.Add(More);
  }
  Lines.SaveToFile(FileName, Unicode ? FEncoding : TEncoding::Default());
}

void TRezIvevirAvod::SaveToASCII(const String& FileName, bool Unicode) { WriteASCIIFile(FileName, false, Unicode); }

void TRezIvevirAvod::AppendToASCII(const String& FileName, bool Unicode) {
  WriteASCIIFile(FileName, true, Unicode);
}

// --- fixed-width text -----------------------------------------------------------------------

void TRezIvevirAvod::SaveToFixed(const String& FileName, TIntList* Positions) {
  std::unique_ptr<TFileStream> File;
  try {
    File = std::make_unique<TFileStream>(FileName, fmCreate);
  } catch (const Exception&) {
    throw DAvoDeveDeviz(L"Cannot Create file " + FileName);
  }
  const Integer Hidden = FSaveHiddenCells ? FNumHidden : 0;
  SetColCount(ColCount() + Hidden);
  auto Restore = ScopeExit([&] { SetColCount(ColCount() - Hidden); });
  const Integer FirstCol = SaveStartCol(), LastCol = SaveEndCol();
  for (Integer c = FirstCol + Positions->Count(); c <= LastCol; ++c)
    Positions->Add(MaxColumnTextLength(c, 0) + 1);
  TStringList Lines;
  ExportNotification(esExportStart, SaveStartRow());
  for (Integer r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    String Line;
    for (Integer c = FirstCol; c <= LastCol; ++c) {
      String Text;
      SaveCell(c, r, Text);
      Line += FitText(Text, Positions->Items(c - FirstCol));
    }
    Lines.Add(Line);
  }
  ExportNotification(esExportDone, -1);
  Lines.SaveToStream(File.get(), TEncoding::Default());
}

void TRezIvevirAvod::LoadFromFixed(const String& FileName, TIntList* Positions, bool DoTrim, Integer MaxRows) {
  TStringList Lines;
  try {
    TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
    Lines.LoadFromStream(&File, TEncoding::Default());
  } catch (const EFOpenError&) {
    throw DAvoDeveDeviz(L"File " + FileName + L" not found");
  }
  // A single position marks no column at all.
  if (Positions->Count() < 2) throw DAvoDeveDeviz(L"Fixed-width text needs the start and end of a column");
  BeginUpdate();
  auto Repaint = ScopeExit([this] { EndUpdate(); });
  SetColCount(FixedCols() + Positions->Count() - 1);
  std::vector<Integer> Sorted;
  for (Integer i = 0; i < Positions->Count(); ++i) Sorted.push_back(Positions->Items(i));
  std::sort(Sorted.begin(), Sorted.end());
  for (Integer i = 0; i < Positions->Count(); ++i) Positions->SetInteger(i, Sorted[size_t(i)]);
  const Integer Limit = MaxRows < 0 ? INT_MAX : std::max(MaxRows, 1);
  Integer Row = SaveStartRow();
  for (Integer i = 0; i < Lines.Count() && i < Limit; ++i, ++Row) {
    const String Line = Lines.Strings(i);
    for (size_t k = 1; k < Sorted.size(); ++k) {
      const Integer From = std::max(Sorted[k - 1], 1);
      String Field = Copy(Line, From, std::max(Sorted[k] - From, 0));
      if (DoTrim) Field = Trim(Field);
      LoadCell(SaveStartCol() + Integer(k) - 1, Row, Field);
    }
    if (Row + 1 >= RowCount() && i + 1 < Lines.Count() && i + 1 < Limit) SetRowCount(Row + 2);
  }
  NotifyCellsChanged(TRect(0, 0, ColCount(), RowCount()));
  DoCellsLoaded();
}

}  // namespace jorv::grid
