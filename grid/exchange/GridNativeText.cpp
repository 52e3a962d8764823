// The grid's own line format: a header with the counts, one width line per
// column and one line per non-empty cell. The file form is forgiving about
// its numbers and names cells by their own coordinates; the stream form,
// which also copies one grid into another, is strict and names cells
// relative to the save range so that it lands in any grid's save range.
#include <algorithm>
#include <climits>

#include "foundation/TextUtils.h"
#include "grid/base/FileStringList.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"

namespace jorv::grid {

namespace {

// The value of the text's leading number (an optional minus sign and
// digits), 0 when it has none; too large a number stops at the limit.
Integer ParseGridInteger(const String& Text) {
  size_t i = 0;
  const bool Negative = i < Text.size() && Text[i] == L'-';
  if (Negative) ++i;
  Int64 Value = 0;
  for (; i < Text.size() && Text[i] >= L'0' && Text[i] <= L'9'; ++i)
    Value = std::min<Int64>(Value * 10 + (Text[i] - L'0'), Int64(INT_MAX) + 1);
  if (Negative) return Integer(-Value);
  return Integer(std::min<Int64>(Value, INT_MAX));
}

// A text with a line break stays on one line. A lone LF is escaped as well
// as a CR: unescaped it would split the file's line and lose the cell's
// second half.
String EscapeCellText(const String& Text) {
  if (Text.find(L'\r') != String::npos) return foundation::LineBreaksToCtrlChars(Text);
  if (Text.find(L'\n') == String::npos) return Text;
  String Escaped = Text;
  for (Char& Ch : Escaped) {
    if (Ch == L'\n') Ch = 8;
    else if (Ch == 0) Ch = 1;
  }
  return Escaped;
}

void WriteNativeTextLine(TStream* Stream, const String& Line) {
  const TBytes Bytes = TEncoding::Unicode()->GetBytes(Line + L"\r\n");
  Stream->WriteBuffer(Bytes.data(), Integer(Bytes.size()));
}

// Up to the next CR, which is dropped with the unit after it (the LF).
String ReadNativeTextLine(TStream* Stream) {
  String Line;
  Word Unit = 0;
  while (Stream->Read(&Unit, 2) == 2) {
    if (Unit == L'\r') {
      Stream->Read(&Unit, 2);
      break;
    }
    Line += Char(Unit);
  }
  return Line;
}

String BeforeComma(const String& Text) {
  const size_t Comma = Text.find(L',');
  return Comma == String::npos ? Text : Text.substr(0, Comma);
}

String AfterComma(const String& Text) {
  const size_t Comma = Text.find(L',');
  return Comma == String::npos ? String() : Text.substr(Comma + 1);
}

// Takes the text before the first comma and the comma; without a comma the
// field is empty and the text stays.
String TakeField(String& Text) { return foundation::ExtractToken(Text, L','); }

}  // namespace

void TRezIvevirAvod::FireFileProgress(Integer Value, Integer& Last) {
  if (!OnFileProgress || Value == Last) return;
  Last = Value;
  OnFileProgress(this, static_cast<SmallInt>(Value));
}

// --- file form ------------------------------------------------------------------------------

void TRezIvevirAvod::SaveToFile(const String& FileName, bool Unicode) {
  const Integer Hidden = FSaveHiddenCells ? FNumHidden : 0;
  const Integer FirstCol = SaveStartCol(), LastCol = SaveEndCol() + Hidden;
  TStringList Lines;
  Lines.Add(IntToStr(SaveColCount() + Hidden) + L"," + IntToStr(SaveRowCount()));
  for (Integer c = FirstCol; c <= LastCol; ++c) Lines.Add(L"cw " + IntToStr(c) + L"," + IntToStr(GetColWidths(c)));
  ExportNotification(esExportStart, SaveStartRow());
  Integer LastProgress = INT_MIN;
  const double Divisor = std::max(1, SaveRowCount() - 1);
  for (Integer r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (Integer c = FirstCol; c <= LastCol; ++c) {
      String Text;
      SaveCell(c, r, Text);
      if (!Text.empty()) Lines.Add(IntToStr(c) + L"," + IntToStr(r) + L"," + EscapeCellText(Text));
    }
    if (OnFileProgress) FireFileProgress(Integer(Round(r * 100.0 / Divisor)), LastProgress);
  }
  ExportNotification(esExportDone, -1);
  Lines.SaveToFile(FileName, Unicode ? TEncoding::Unicode() : TEncoding::Default());
}

void TRezIvevirAvod::LoadFromFile(const String& FileName) {
  TFileStringList Lines;
  {
    TFileStream File(FileName, fmOpenRead | fmShareDenyWrite);
    TBytes Bytes(size_t(File.Size()), 0);
    if (!Bytes.empty()) File.ReadBuffer(Bytes.data(), Integer(Bytes.size()));
    TEncoding* Encoding = nullptr;
    const Integer Skip = TEncoding::GetBufferEncoding(Bytes.data(), Bytes.size(), Encoding);
    String Text = Encoding->GetString(Bytes.data() + Skip, Bytes.size() - Skip);
    const size_t Nul = Text.find(Char(0));
    if (Nul != String::npos) Text.resize(Nul);
    Lines.SetText(Text);
  }
  // Checked before anything changes: a file of another kind must not leave
  // a half-changed grid behind.
  String Header;
  if (!Lines.Eof()) Lines.ReadLn(Header);
  if (Lines.Count() == 0 || (!Header.empty() && (Header.find(L',') == String::npos ||
                                                 ParseGridInteger(BeforeComma(Header)) < 0 ||
                                                 ParseGridInteger(AfterComma(Header)) < 0)))
    throw DAvoDeveDeviz(L"File contains no data or corrupt file " + FileName);
  BeginUpdate();
  auto Repaint = ScopeExit([this] { EndUpdate(); });
  const Integer FirstCol = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
  const Integer FirstRow = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
  if (!Header.empty()) {
    SetColCount(FirstCol + ParseGridInteger(BeforeComma(Header)));
    SetRowCount(FirstRow + ParseGridInteger(AfterComma(Header)));
  }
  Integer LastProgress = INT_MIN;
  while (!Lines.Eof()) {
    String Line;
    Lines.ReadLn(Line);
    if (Line.compare(0, 2, L"cw") == 0) {
      const Integer Column = ParseGridInteger(BeforeComma(Copy(Line, 4)));
      if (Column >= 0 && Column < ColCount()) SetColWidths(Column, ParseGridInteger(AfterComma(Line)));
      continue;
    }
    // A line without a comma names no cell; read as one, a blank line left
    // at the end of an edited file would empty the first cell.
    if (Line.find(L',') == String::npos) continue;
    const Integer Column = ParseGridInteger(TakeField(Line));
    const Integer Row = ParseGridInteger(TakeField(Line));
    // A negative coordinate is no cell of any grid.
    if (Column >= 0 && Row >= 0 && Column < ColCount() && Row < RowCount())
      LoadCell(Column, Row, foundation::CtrlCharsToLineBreaks(Line, FMultilinecells));
    if (OnFileProgress)
      FireFileProgress(Integer(Round(Row * 100.0 / std::max(1, RowCount() - 1))), LastProgress);
    if (Application) Application->ProcessMessages();
  }
  NotifyCellsChanged(TRect(0, 0, ColCount(), RowCount()));
  DoCellsLoaded();
}

// --- stream form ----------------------------------------------------------------------------

void TRezIvevirAvod::SaveToStream(TStream* Stream) {
  WriteNativeTextLine(Stream, IntToStr(SaveColCount()) + L"," + IntToStr(SaveRowCount()));
  for (Integer c = 0; c < ColCount(); ++c)
    WriteNativeTextLine(Stream, L"cw " + IntToStr(c) + L"," + IntToStr(GetColWidths(c)));
  const Integer FirstCol = SaveStartCol(), FirstRow = SaveStartRow();
  ExportNotification(esExportStart, FirstRow);
  for (Integer r = FirstRow; r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (Integer c = FirstCol; c <= SaveEndCol(); ++c) {
      String Text;
      SaveCell(c, r, Text);
      if (!Text.empty())
        WriteNativeTextLine(Stream, IntToStr(c - FirstCol) + L"," + IntToStr(r - FirstRow) + L"," +
                                        EscapeCellText(Text));
    }
  }
  ExportNotification(esExportDone, -1);
}

// Cells keep every line of their text whatever Multilinecells says: the
// stream is how one grid's cells are copied into another, and a copy must
// not cut them.
void TRezIvevirAvod::LoadFromStream(TStream* Stream) {
  BeginUpdate();
  auto Repaint = ScopeExit([this] { EndUpdate(); });
  const Integer FirstCol = SaveStartCol(), FirstRow = SaveStartRow();
  if (Stream->Position() < Stream->Size()) {
    const String Header = ReadNativeTextLine(Stream);
    if (!Header.empty()) {
      SetColCount(StrToInt(BeforeComma(Header)) + FirstCol);
      SetRowCount(StrToInt(AfterComma(Header)) + FirstRow);
    }
  }
  while (Stream->Position() < Stream->Size()) {
    const Int64 LineStart = Stream->Position();
    String Line = ReadNativeTextLine(Stream);
    if (Line.compare(0, 2, L"cw") == 0) {
      Line.erase(0, 3);
      const Integer Column = StrToInt(BeforeComma(Line));
      SetColWidths(Column, StrToInt(AfterComma(Line)));
      continue;
    }
    const String ColField = TakeField(Line);
    const String RowField = ColField.empty() ? String() : TakeField(Line);
    if (RowField.empty()) {
      // Not a cell: whatever follows the cells in the stream starts here.
      Stream->SetPosition(LineStart);
      break;
    }
    LoadCell(StrToInt(ColField) + FirstCol, StrToInt(RowField) + FirstRow,
             foundation::CtrlCharsToLineBreaks(Line, true));
  }
  NotifyCellsChanged(TRect(0, 0, ColCount(), RowCount()));
  DoCellsLoaded();
}

}  // namespace jorv::grid
