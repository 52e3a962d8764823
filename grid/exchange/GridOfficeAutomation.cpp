// The grid's cells to and from outside automation servers: worksheets of
// the spreadsheet server, a table of the word processor, and the records of
// a database query. Every member is reached by name (late binding), so the
// program runs, and says so clearly, where none of the servers is installed.
#include <optional>

#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/XLSAddress.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/OleAuto.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/HourGlass.h"

namespace jorv::grid {

namespace {

const Char* const ExcelProgID = L"excel.application";
const Char* const WordProgID = L"word.application";

TOleObject StartServer(const String& ProgID, const String& Missing) {
  try {
    return TOleObject::Create(ProgID);
  } catch (const EOleError&) {
    throw DAvoDeveDeviz(Missing);
  }
}

// A running instance when there is one, else a new one; Started tells
// whether this call owns the server and must tell it to quit.
TOleObject AttachOrStartServer(const String& ProgID, const String& Missing, bool& Started) {
  TOleObject Server;
  Started = !TOleObject::GetActive(ProgID, Server);
  if (Started) Server = StartServer(ProgID, Missing);
  return Server;
}

// Quitting with a changed document open would make the invisible server ask
// whether to save it, and wait for an answer nobody can give: the document
// counts as saved first. Failures are dropped, since this runs on the way
// out of an error as well.
void QuitServer(const TOleObject& Server, const TOleObject& Document) {
  try {
    if (Document.Assigned()) Document.Put(L"Saved", true);
  } catch (const Exception&) {
  }
  Server.Call(L"Quit");
}

// The sheet of Workbook named exactly Name; unassigned when none is.
TOleObject FindSheet(const TOleObject& Workbook, const String& Name) {
  const Integer Count = Workbook.GetObject(L"Sheets").Get(L"Count").AsInteger();
  for (Integer i = 1; i <= Count; ++i) {
    TOleObject Sheet = Workbook.GetObject(L"Sheets", {i});
    if (Sheet.Get(L"Name").AsString() == Name) return Sheet;
  }
  return TOleObject();
}

// The text a worksheet value stands for in the grid; false for values the
// grid leaves alone (objects and error values such as #N/A).
bool WorksheetValueText(const TOleValue& Value, String& Text) {
  const VARTYPE Type = Value.VarType() & ~VT_BYREF;
  if (Type == VT_DISPATCH || Type == VT_ERROR) return false;
  Text = Type == VT_EMPTY ? String() : Value.AsString();
  return true;
}

String WithoutCR(const String& Text) {
  String Result;
  Result.reserve(Text.size());
  for (Char C : Text)
    if (C != L'\r') Result += C;
  return Result;
}

}  // namespace

// --- Spreadsheet ----------------------------------------------------------------------------

std::unique_ptr<TStringList> TRezIvevirAvod::GetXLSSheets(const String& FileName) {
  THourGlass Busy;
  TOleObject Excel = StartServer(ExcelProgID, L"Excel OLE server not found");
  TOleObject Workbook;
  auto Quit = ScopeExit([&] { QuitServer(Excel, Workbook); });
  Workbook = Excel.GetObject(L"WorkBooks").GetObject(L"Open", {FileName});
  const TOleObject Sheets = Workbook.GetObject(L"WorkSheets");
  auto Names = std::make_unique<TStringList>();
  const Integer Count = Sheets.Get(L"Count").AsInteger();
  for (Integer i = 1; i <= Count; ++i) Names->Add(Sheets.GetObject(L"item", {i}).Get(L"Name").AsString());
  return Names;
}

void TRezIvevirAvod::LoadFromXLS(const String& Filename) { ReadXLSSheet(Filename, String()); }

void TRezIvevirAvod::LoadFromXLSSheet(const String& Filename, const String& SheetName) {
  ReadXLSSheet(Filename, SheetName);
}

void TRezIvevirAvod::SaveToXLS(const String& Filename, bool CreateNewSheet) {
  WriteXLSSheet(Filename, String(), CreateNewSheet);
}

void TRezIvevirAvod::SaveToXLSSheet(const String& Filename, const String& SheetName) {
  WriteXLSSheet(Filename, SheetName, true);
}

// Always a private server: the user's own session is never touched by a read.
void TRezIvevirAvod::ReadXLSSheet(const String& Filename, const String& SheetName) {
  std::optional<THourGlass> Busy(std::in_place);
  TOleObject Excel = StartServer(ExcelProgID, L"Excel OLE server not found");
  TOleObject Workbook;
  bool Closed = false;
  auto Finish = ScopeExit([&] {
    QuitServer(Excel, Closed ? TOleObject() : Workbook);
    Busy.reset();
    NotifyCellsChanged(TRect(0, 0, ColCount(), RowCount()));
    DoCellsLoaded();
  });
  Workbook = Excel.GetObject(L"WorkBooks").GetObject(L"Open", {Filename});
  TOleObject Sheet;
  if (SheetName.empty()) {
    Sheet = Workbook.GetObject(L"ActiveSheet");
  } else {
    Sheet = FindSheet(Workbook, SheetName);
    if (!Sheet.Assigned()) throw DAvoDeveDeviz(L"Excel worksheet " + SheetName + L" not found");
  }
  ReadXLSBlock(Sheet, Sheet.GetObject(L"UsedRange").Get(L"Address").AsString());
  Workbook.Call(L"Close", {}, {{L"SaveChanges", false}});
  Closed = true;
}

// Sizes the grid for the used range and stores its values; the fixed part
// is loaded from the sheet only when the save flags say it belongs to it.
void TRezIvevirAvod::ReadXLSBlock(const TOleObject& Sheet, const String& Address) {
  const TXLSRange Used = ParseXLSAddress(Address);
  const Integer FC = FixedCols();
  const Integer FR = FixedRows();
  if (Used.Readable()) {
    SetColCount(Used.Col2 - Used.Col1 + 1);
    SetRowCount(Used.Row2 - Used.Row1 + 1);
  }
  const Integer ColOffset = FSaveFixedCells || FSaveFixedCols ? 0 : FC;
  const Integer RowOffset = FSaveFixedCells || FSaveFixedRows ? 0 : FR;
  SetColCount(ColCount() + ColOffset);
  SetRowCount(RowCount() + RowOffset);
  if (FC < ColCount()) SetFixedCols(FC);
  if (FR < RowCount()) SetFixedRows(FR);
  try {
    if (Used.SingleCell) {
      const TOleValue Cell = Sheet.GetObject(L"Rows").Get(L"Cells", {Used.Row1, Used.Col1});
      const bool IsObject = (Cell.VarType() & ~VT_BYREF) == VT_DISPATCH;
      LoadCell(ColOffset, RowOffset, IsObject ? Cell.AsObject().Get(L"Value").AsString() : Cell.AsString());
      return;
    }
    const String Block = XLSRangeAddress(Used.Col1, Used.Row1, Used.Col2, Used.Row2);
    const TOleValue Values = Sheet.GetObject(L"Range", {Block}).Get(L"Value");
    if (!(Values.VarType() & VT_ARRAY)) throw EOleError(L"No array of values");
    SAFEARRAY* Array = (Values.VarType() & VT_BYREF) ? *V_ARRAYREF(&Values.Raw()) : V_ARRAY(&Values.Raw());
    for (Integer r = 1; r <= RowCount() - RowOffset; ++r) {
      for (Integer c = 1; c <= ColCount() - ColOffset; ++c) {
        String Text;
        if (WorksheetValueText(GetVariantArrayElement(Array, r, c), Text))
          LoadCell(c + ColOffset - 1, r + RowOffset - 1, Text);
      }
    }
  } catch (const Exception&) {
    throw Exception(L"Incorrect XLS file");
  }
}

// Prefers the user's running server and, unless told otherwise, the
// workbook open in it; only a server started here is told to quit.
void TRezIvevirAvod::WriteXLSSheet(const String& Filename, const String& SheetName, bool CreateNewSheet) {
  THourGlass Busy;
  bool Started = false;
  TOleObject Excel = AttachOrStartServer(ExcelProgID, L"Excel OLE server not found", Started);
  TOleObject Workbook;
  auto Quit = ScopeExit([&] {
    if (Started) QuitServer(Excel, Workbook);
  });
  const TOleObject Books = Excel.GetObject(L"WorkBooks");
  TOleObject Sheet;
  Integer StartRow = 1;
  bool Opened = false;
  if (!SheetName.empty()) {
    try {
      if (FileExists(Filename)) {
        Workbook = Books.GetObject(L"Open", {Filename});
        Opened = true;
      } else {
        Workbook = Books.GetObject(L"Add");
      }
    } catch (const Exception&) {
      try {
        if (!Workbook.Assigned()) Workbook = Books.GetObject(L"Add");
      } catch (const Exception&) {
        return;
      }
    }
    Sheet = FindSheet(Workbook, SheetName);
    if (!Sheet.Assigned()) {
      Sheet = Workbook.GetObject(L"WorkSheets").GetObject(L"Add");
      Sheet.Put(L"Name", SheetName);
    }
  } else if (CreateNewSheet || Books.Get(L"Count").AsInteger() == 0) {
    Workbook = Books.GetObject(L"Add");
    Sheet = Workbook.GetObject(L"Sheets", {1});
  } else {
    Workbook = Excel.GetObject(L"ActiveWorkBook");
    Sheet = Workbook.GetObject(L"ActiveSheet");
    StartRow = Excel.GetObject(L"ActiveCell").Get(L"Row").AsInteger();
  }
  const Integer Cols = ColCount() - SaveStartCol();
  const Integer Rows = RowCount() - SaveStartRow();
  if (Cols > 0 && Rows > 0) {
    const TOleValue Data = MakeXLSExportArray();
    const String Address = XLSRangeAddress(1, StartRow, Cols, StartRow + Rows - 1);
    Sheet.GetObject(L"Range", {Address}).Put(L"Value", Data);
  }
  try {
    if (Opened)
      Workbook.Call(L"Save");
    else
      Workbook.Call(L"SaveAs", {Filename});
  } catch (const Exception&) {
  }
}

// The whole export block as one array, rows first, so that the server gets
// it in a single call however large the grid is.
TOleValue TRezIvevirAvod::MakeXLSExportArray() {
  const Integer FirstCol = SaveStartCol();
  const Integer FirstRow = SaveStartRow();
  TOleValue Data = TOleValue::FromArray(CreateVariantArray2D(RowCount() - FirstRow, ColCount() - FirstCol));
  SAFEARRAY* Array = V_ARRAY(&Data.Raw());
  ExportNotification(esExportStart, FirstRow);
  for (Integer r = FirstRow; r < RowCount(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (Integer c = FirstCol; c < ColCount(); ++c) {
      String Text;
      SaveCell(DisplToRealCol(c), r, Text);
      PutVariantArrayText(Array, r - FirstRow, c - FirstCol, WithoutCR(Text));
    }
  }
  ExportNotification(esExportDone, -1);
  return Data;
}

// --- Word processor --------------------------------------------------------------------------

void TRezIvevirAvod::SaveToDOC(const String& Filename, bool CreateNewDocument) {
  WriteDOCTable(Filename, String(), false, CreateNewDocument);
}

void TRezIvevirAvod::AppendToDoc(const String& Filename, const String& Bookmark) {
  WriteDOCTable(Filename, Bookmark, true, false);
}

void TRezIvevirAvod::WriteDOCTable(const String& Filename, const String& Bookmark, bool Append, bool CreateNew) {
  THourGlass Busy;
  bool Started = false;
  TOleObject Word = AttachOrStartServer(WordProgID, L"Word OLE server not found", Started);
  TOleObject Doc;
  auto Quit = ScopeExit([&] {
    if (Started) QuitServer(Word, Doc);
  });
  const TOleObject Documents = Word.GetObject(L"Documents");
  if (Append)
    Doc = Documents.GetObject(L"Open", {Filename});
  else if (!CreateNew && Documents.Get(L"Count").AsInteger() != 0)
    Doc = Word.GetObject(L"ActiveDocument");
  else
    Doc = Documents.GetObject(L"Add");
  Doc.Put(L"ShowSpellingErrors", false);
  const TOleObject Selection = Word.GetObject(L"Selection");
  Selection.Call(L"TypeText", {Text()});
  Selection.Call(L"TypeParaGraph");
  TOleValue Target;
  if (Append && !Bookmark.empty() && Doc.GetObject(L"Bookmarks").Call(L"Exists", {Bookmark}).AsBoolean()) {
    Target = Doc.Call(L"Goto", {}, {{L"what", -1}, {L"name", Bookmark}});
  } else if (Append) {
    Doc.GetObject(L"Paragraphs").Call(L"Add");
    Selection.Call(L"Goto", {}, {{L"what", 3}, {L"which", -1}});
    const TOleValue End = Selection.Get(L"End");
    Target = Doc.Call(L"Range", {}, {{L"start", End}, {L"end", End}});
  } else {
    Target = Doc.Call(L"Range", {}, {{L"start", 0}, {L"end", 0}});
  }
  const TOleObject Table = Doc.GetObject(L"Tables").Call(
      L"Add", {Target}, {{L"numRows", RowCount()}, {L"numColumns", ColCount()}}).AsObject();
  FillDOCTable(Table);
  Doc.Call(L"SaveAs", {Filename});
}

// Cell by cell, as the word processor takes text; the notification names
// the grid row whose texts are written next.
void TRezIvevirAvod::FillDOCTable(const TOleObject& Table) {
  ExportNotification(esExportStart, 0);
  for (Integer d = 1; d <= RowCount(); ++d) {
    ExportNotification(esExportNextRow, d - 1);
    for (Integer g = 1; g <= ColCount(); ++g) {
      const TOleObject Cell = Table.Call(L"Cell", {}, {{L"Row", d}, {L"Column", g}}).AsObject();
      String CellText;
      SaveCell(DisplToRealCol(g - 1), d - 1, CellText);
      const TOleObject Range = Cell.GetObject(L"Range");
      Range.Call(L"InsertAfter", {CellText});
      TAlignment Horizontal = taLeftJustify;
      TVAlignment Vertical = vtaTop;
      GetCellAlignment(g - 1, d - 1, Horizontal, Vertical);
      if (Horizontal == taRightJustify) Range.GetObject(L"ParagraphFormat").Put(L"Alignment", 2);
      if (Horizontal == taCenter) Range.GetObject(L"ParagraphFormat").Put(L"Alignment", 1);
    }
  }
  ExportNotification(esExportDone, -1);
}

// --- Database ---------------------------------------------------------------------------------

// A table name goes into the statement as one bracketed identifier, so that
// no name can carry a statement of its own.
void TRezIvevirAvod::LoadFromMDBTable(const String& Filename, const String& Table) {
  const bool Bracketed = Table.size() >= 2 && Table.front() == L'[' && Table.back() == L']' &&
                         Table.find(L']') == Table.size() - 1;
  if (Table.empty() || (!Bracketed && Table.find(L']') != String::npos))
    throw DAvoDeveDeviz(L"Invalid table name " + Table);
  LoadFromMDBSQL(Filename, L"SELECT * FROM " + (Bracketed ? Table : L"[" + Table + L"]"));
}

void TRezIvevirAvod::LoadFromMDBSQL(const String& Filename, const String& SQL) {
  const TOleObject Connection = TOleObject::Create(L"ADODB.Connection");
  Connection.Call(L"Open", {L"Driver={Microsoft Access Driver (*.mdb)};DBQ=" + Filename});
  auto CloseConnection = ScopeExit([&] { Connection.Call(L"Close"); });
  const TOleObject Records = TOleObject::Create(L"ADODB.RecordSet");
  Records.Put(L"ActiveConnection", Connection);
  Records.Call(L"Open", {SQL});
  auto CloseRecords = ScopeExit([&] { Records.Call(L"Close"); });
  const TOleObject Fields = Records.GetObject(L"Fields");
  const Integer FieldCount = Fields.Get(L"Count").AsInteger();
  SetColCount(FieldCount + FixedCols());
  if (FixedRows() > 0)
    for (Integer i = 0; i < FieldCount; ++i)
      SetCellEx(FixedCols() + i, FixedRows() - 1, Records.GetObject(L"Fields", {i}).Get(L"Name").AsString());
  const Integer RecordCount = Records.Get(L"RecordCount").AsInteger();
  if (RecordCount > 0) SetRowCount(FixedRows() + RecordCount);
  for (Integer r = FixedRows(); !Records.Get(L"Eof").AsBoolean(); ++r) {
    if (RowCount() <= r) SetRowCount(r + 1);
    for (Integer i = 0; i < FieldCount; ++i) {
      const TOleObject Field = Records.GetObject(L"Fields", {i});
      const bool HasValue = Field.Get(L"ActualSize").AsInteger() > 0;
      LoadCell(FixedCols() + i, r, HasValue ? Field.Get(L"Value").AsString() : String());
    }
    Records.Call(L"MoveNext");
  }
}

}  // namespace jorv::grid
