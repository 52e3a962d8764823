// Worksheets, word-processor tables and database queries through stand-in
// automation servers registered for this process: what the grid asks of
// each server, what it stores from the answers, which server it tells to
// quit, and that the hourglass never outlives a call.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/XLSAddress.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Screen.h"
#include "tests/grid_exchange/FakeAutomationServer.h"
#include "tests/grid_exchange/TextFileSupport.h"
#include "tests/support/TempDir.h"

using namespace jorv;
using namespace jorv::grid;
using jorv::test::TFakeCall;
using jorv::test::TFakeObject;
using jorv::test::TFakeServerRegistration;

namespace {

const CLSID FakeExcelID = {0x6b1f0a11, 0x52c4, 0x4d0e, {0x9a, 0x31, 0x10, 0x22, 0x33, 0x44, 0x55, 0x01}};
const CLSID FakeWordID = {0x6b1f0a11, 0x52c4, 0x4d0e, {0x9a, 0x31, 0x10, 0x22, 0x33, 0x44, 0x55, 0x02}};
const CLSID FakeConnectionID = {0x6b1f0a11, 0x52c4, 0x4d0e, {0x9a, 0x31, 0x10, 0x22, 0x33, 0x44, 0x55, 0x03}};
const CLSID FakeRecordSetID = {0x6b1f0a11, 0x52c4, 0x4d0e, {0x9a, 0x31, 0x10, 0x22, 0x33, 0x44, 0x55, 0x04}};

bool Logged(const std::vector<String>& Log, const String& Entry) {
  return std::find(Log.begin(), Log.end(), Entry) != Log.end();
}

TOleValue ErrorValue() {
  TOleValue Value;
  V_VT(&Value.Raw()) = VT_ERROR;
  V_ERROR(&Value.Raw()) = LONG(0x800A07FA);  // #N/A
  return Value;
}

// A one-based rows x columns array as the spreadsheet answers a range.
TOleValue OneBasedArray(const std::vector<std::vector<TOleValue>>& Rows) {
  SAFEARRAYBOUND Bounds[2] = {{ULONG(Rows.size()), 1}, {ULONG(Rows.empty() ? 0 : Rows[0].size()), 1}};
  SAFEARRAY* Array = SafeArrayCreate(VT_VARIANT, 2, Bounds);
  for (size_t r = 0; r < Rows.size(); ++r)
    for (size_t c = 0; c < Rows[r].size(); ++c) {
      LONG Index[2] = {LONG(r + 1), LONG(c + 1)};
      SafeArrayPutElement(Array, Index, const_cast<VARIANT*>(&Rows[r][c].Raw()));
    }
  return TOleValue::FromArray(Array);
}

// The texts of a two-dimensional array, rows first, by its own bounds.
std::vector<std::vector<String>> ArrayTexts(const TOleValue& Value) {
  std::vector<std::vector<String>> Texts;
  if (!(Value.VarType() & VT_ARRAY)) return Texts;
  SAFEARRAY* Array = V_ARRAY(&Value.Raw());
  LONG RowLow = 0, RowHigh = -1, ColLow = 0, ColHigh = -1;
  SafeArrayGetLBound(Array, 1, &RowLow);
  SafeArrayGetUBound(Array, 1, &RowHigh);
  SafeArrayGetLBound(Array, 2, &ColLow);
  SafeArrayGetUBound(Array, 2, &ColHigh);
  for (LONG r = RowLow; r <= RowHigh; ++r) {
    Texts.emplace_back();
    for (LONG c = ColLow; c <= ColHigh; ++c) Texts.back().push_back(GetVariantArrayElement(Array, r, c).AsString());
  }
  return Texts;
}

struct TFakeSheet {
  TFakeSheet(String AName = String(), String AUsed = String()) : Name(std::move(AName)), Used(std::move(AUsed)) {}
  String Name;
  String Used;
  std::vector<std::vector<TOleValue>> Values;  // what Range(...).Value answers
  String AskedRange;
  String WrittenRange;
  std::vector<std::vector<String>> Written;
};

// The spreadsheet server: one workbook with its sheets.
struct TFakeExcel {
  std::vector<String> Log;
  std::vector<TFakeSheet> Sheets;
  size_t ActiveSheet = 0;
  Integer OpenBooks = 0;
  Integer ActiveRow = 1;
  String Opened;
  String SavedAs;
  std::optional<TCursor> CursorAtQuit;

  TOleObject Sheet(size_t Index) {
    return TFakeObject::Make(L"Sheet", &Log, [this, Index](TFakeObject& S) {
      S.On(L"Name", [this, Index](TFakeCall& C) {
        if (C.IsPut()) Sheets[Index].Name = C.Args[0].AsString();
        else C.Result = Sheets[Index].Name;
      });
      S.On(L"UsedRange", [this, Index](TFakeCall& C) {
        C.Result = TFakeObject::Make(L"UsedRange", &Log, [this, Index](TFakeObject& U) {
          U.Answer(L"Address", Sheets[Index].Used);
        });
      });
      S.On(L"Rows", [this, Index](TFakeCall& C) {
        C.Result = TFakeObject::Make(L"Rows", &Log, [this, Index](TFakeObject& R) {
          R.On(L"Cells", [this, Index](TFakeCall& Cells) {
            const size_t Row = size_t(Cells.Args[0].AsInteger()), Col = size_t(Cells.Args[1].AsInteger());
            const TOleValue Value = Sheets[Index].Values[Row - 1][Col - 1];
            Cells.Result = TFakeObject::Make(L"Cell", &Log, [Value](TFakeObject& V) { V.Answer(L"Value", Value); });
          });
        });
      });
      S.On(L"Range", [this, Index](TFakeCall& C) {
        Sheets[Index].AskedRange = C.Args[0].AsString();
        C.Result = TFakeObject::Make(L"Range", &Log, [this, Index](TFakeObject& R) {
          R.On(L"Value", [this, Index](TFakeCall& Value) {
            if (Value.IsPut()) {
              Sheets[Index].WrittenRange = Sheets[Index].AskedRange;
              Sheets[Index].Written = ArrayTexts(Value.Args[0]);
            } else {
              Value.Result = OneBasedArray(Sheets[Index].Values);
            }
          });
        });
      });
    });
  }

  TOleObject SheetList(const String& Kind) {
    return TFakeObject::Make(Kind, &Log, [this](TFakeObject& L) {
      L.On(L"Count", [this](TFakeCall& C) { C.Result = Integer(Sheets.size()); });
      L.On(L"item", [this](TFakeCall& C) { C.Result = Sheet(size_t(C.Args[0].AsInteger() - 1)); });
      L.On(L"Add", [this](TFakeCall& C) {
        Sheets.push_back(TFakeSheet{L"Sheet" + IntToStr(Integer(Sheets.size() + 1))});
        C.Result = Sheet(Sheets.size() - 1);
      });
    });
  }

  TOleObject Workbook() {
    return TFakeObject::Make(L"Workbook", &Log, [this](TFakeObject& W) {
      W.On(L"WorkSheets", [this](TFakeCall& C) { C.Result = SheetList(L"WorkSheets"); });
      W.On(L"Sheets", [this](TFakeCall& C) {
        C.Result = C.Args.empty() ? SheetList(L"Sheets") : Sheet(size_t(C.Args[0].AsInteger() - 1));
      });
      W.On(L"ActiveSheet", [this](TFakeCall& C) { C.Result = Sheet(ActiveSheet); });
      W.On(L"Saved", [](TFakeCall&) {});
      W.On(L"Close", [this](TFakeCall& C) {
        if (C.Arg(L"SaveChanges", 0).AsBoolean()) Log.push_back(L"closed saving");
      });
      W.On(L"Save", [](TFakeCall&) {});
      W.On(L"SaveAs", [this](TFakeCall& C) { SavedAs = C.Args[0].AsString(); });
    });
  }

  TOleObject Application() {
    return TFakeObject::Make(L"Excel", &Log, [this](TFakeObject& A) {
      A.On(L"WorkBooks", [this](TFakeCall& C) {
        C.Result = TFakeObject::Make(L"WorkBooks", &Log, [this](TFakeObject& B) {
          B.On(L"Open", [this](TFakeCall& Open) {
            Opened = Open.Args[0].AsString();
            Open.Result = Workbook();
          });
          B.On(L"Add", [this](TFakeCall& Add) {
            if (Sheets.empty()) Sheets.push_back(TFakeSheet{L"Sheet1"});
            Add.Result = Workbook();
          });
          B.On(L"Count", [this](TFakeCall& Count) { Count.Result = OpenBooks; });
        });
      });
      A.On(L"ActiveWorkBook", [this](TFakeCall& C) { C.Result = Workbook(); });
      A.On(L"ActiveCell", [this](TFakeCall& C) {
        C.Result = TFakeObject::Make(L"ActiveCell", &Log, [this](TFakeObject& Cell) { Cell.Answer(L"Row", ActiveRow); });
      });
      A.On(L"Quit", [this](TFakeCall&) { CursorAtQuit = Screen->Cursor(); });
    });
  }
};

// Every test starts from a known cursor, so that "restored" means something.
class OfficeAutomation : public testing::Test {
 protected:
  void SetUp() override { Screen->SetCursor(crCross); }
  void TearDown() override { Screen->SetCursor(crDefault); }
  jorv::test::TTempDir Dir;
};

// Cols x Rows with one fixed column and row, no fixed part saved.
std::unique_ptr<TRezIvevirAvod> MakeGrid(Integer Cols, Integer Rows) {
  auto Grid = std::make_unique<TRezIvevirAvod>(nullptr);
  Grid->SetColCount(Cols);
  Grid->SetRowCount(Rows);
  Grid->SetFixedCols(1);
  Grid->SetFixedRows(1);
  Grid->SetSaveFixedCells(false);
  return Grid;
}

}  // namespace

// --- Column letters and addresses -------------------------------------------------------------

TEST(XLSAddress, ColumnLettersBothWays) {
  struct {
    Integer Col;
    const Char* Letters;
  } Cases[] = {{1, L"A"},   {26, L"Z"},   {27, L"AA"},  {52, L"AZ"},
               {53, L"BA"}, {702, L"ZZ"}, {703, L"AAA"}, {16384, L"XFD"}};
  for (const auto& Case : Cases) {
    EXPECT_EQ(XLSColumnLetters(Case.Col), Case.Letters) << Case.Col;
    EXPECT_EQ(XLSColumnNumber(Case.Letters), Case.Col) << Case.Letters;
  }
  EXPECT_EQ(XLSColumnLetters(0), L"");
  EXPECT_EQ(XLSColumnNumber(L"ab12"), 28);  // lower case, stops at the row
  EXPECT_EQ(XLSColumnNumber(L"12"), 0);
}

TEST(XLSAddress, UsedRangeForms) {
  struct {
    const Char* Address;
    Integer Col1, Row1, Col2, Row2;
    bool Single;
  } Cases[] = {
      {L"$A$1:$C$10", 1, 1, 3, 10, false}, {L"$B$2:$D$4", 2, 2, 4, 4, false},
      {L"$3:$9", 1, 3, 256, 9, false},      {L"$B$3", 2, 3, 2, 3, true},
      {L"$AB$12:$ZZ$70000", 28, 12, 702, 70000, false},
      {L"$AAA$1:$AAB$2", 703, 1, 704, 2, false},  // a third letter is a real column
      {L"", 1, 1, 1, 1, true},              {L"$A$x:$C$3", 1, -1, 3, 3, false},
  };
  for (const auto& Case : Cases) {
    const TXLSRange Range = ParseXLSAddress(Case.Address);
    EXPECT_EQ(Range.Col1, Case.Col1) << Case.Address;
    EXPECT_EQ(Range.Row1, Case.Row1) << Case.Address;
    EXPECT_EQ(Range.Col2, Case.Col2) << Case.Address;
    EXPECT_EQ(Range.Row2, Case.Row2) << Case.Address;
    EXPECT_EQ(Range.SingleCell, Case.Single) << Case.Address;
  }
  EXPECT_FALSE(ParseXLSAddress(L"$A$x:$C$3").Readable());
}

// --- Reading a worksheet ----------------------------------------------------------------------

TEST_F(OfficeAutomation, ReadsTheUsedRangeBesideTheFixedPart) {
  TFakeExcel Excel;
  TFakeSheet Sheet{L"Data", L"$A$1:$C$10"};
  Sheet.Values.assign(10, std::vector<TOleValue>(3, TOleValue(L"x")));
  Sheet.Values[0] = {TOleValue(L"a1"), TOleValue(Variant(2.5)), TOleValue()};
  Sheet.Values[1] = {ErrorValue(), TOleValue(Variant(42)), TOleValue(L"c2")};
  Excel.Sheets = {TFakeSheet{L"Other"}, Sheet};
  Excel.ActiveSheet = 1;
  TFakeServerRegistration Server(L"excel.application", FakeExcelID, [&] { return Excel.Application(); });
  auto Grid = MakeGrid(5, 5);
  Grid->SetCells(3, 1, L"before");
  Grid->SetCells(1, 2, L"kept");
  Integer Loaded = 0;
  Grid->OnCellsChanged = [&](TObject*, TRect) { ++Loaded; };

  Grid->LoadFromXLS(Dir.Path(L"book.xls"));

  EXPECT_EQ(Grid->ColCount(), 4);
  EXPECT_EQ(Grid->RowCount(), 11);
  EXPECT_EQ(Grid->FixedCols(), 1);
  EXPECT_EQ(Grid->FixedRows(), 1);
  EXPECT_EQ(Excel.Sheets[1].AskedRange, L"A1:C10");
  EXPECT_EQ(Grid->GetCells(1, 1), L"a1");
  EXPECT_EQ(Grid->GetCells(2, 1), L"2.5");
  EXPECT_EQ(Grid->GetCells(3, 1), L"");      // an empty sheet cell empties the grid cell
  EXPECT_EQ(Grid->GetCells(1, 2), L"kept");  // #N/A leaves the earlier text
  EXPECT_EQ(Grid->GetCells(2, 2), L"42");
  EXPECT_EQ(Grid->GetCells(3, 10), L"x");
  EXPECT_EQ(Excel.Opened, Dir.Path(L"book.xls"));
  EXPECT_TRUE(Logged(Excel.Log, L"Workbook.Close"));
  EXPECT_FALSE(Logged(Excel.Log, L"closed saving"));
  EXPECT_EQ(Excel.CursorAtQuit, crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crCross);
  EXPECT_EQ(Loaded, 1);
}

TEST_F(OfficeAutomation, ReadsOffsetRangesWholeRowsAndSingleCells) {
  struct {
    const Char* Used;
    Integer Rows, Cols;             // the block the sheet answers
    const Char* Asked;              // the range the grid asks for
    Integer ColCount, RowCount;
  } Cases[] = {{L"$B$2:$D$4", 3, 3, L"B2:D4", 3, 3},
               {L"$3:$9", 7, 256, L"A3:IV9", 256, 7},
               {L"$B$3", 0, 0, L"", 1, 1}};
  for (const auto& Case : Cases) {
    TFakeExcel Excel;
    TFakeSheet Sheet{L"S", Case.Used};
    Sheet.Values.assign(size_t(std::max(Case.Rows, 3)), std::vector<TOleValue>(size_t(std::max(Case.Cols, 3))));
    Sheet.Values[0][0] = TOleValue(L"first");
    Sheet.Values[2][1] = TOleValue(L"B3");
    Excel.Sheets = {Sheet};
    TFakeServerRegistration Server(L"excel.application", FakeExcelID, [&] { return Excel.Application(); });
    auto Grid = MakeGrid(2, 2);
    Grid->SetSaveFixedCells(true);  // the sheet's first cell goes to grid cell (0, 0)

    Grid->LoadFromXLSSheet(L"b.xls", L"S");

    EXPECT_EQ(Excel.Sheets[0].AskedRange, Case.Asked) << Case.Used;
    EXPECT_EQ(Grid->ColCount(), Case.ColCount) << Case.Used;
    EXPECT_EQ(Grid->RowCount(), Case.RowCount) << Case.Used;
    EXPECT_EQ(Grid->GetCells(0, 0), Case.Rows ? L"first" : L"B3") << Case.Used;
    EXPECT_TRUE(Logged(Excel.Log, L"Excel.Quit")) << Case.Used;
  }
}

TEST_F(OfficeAutomation, ReadErrorsQuitRestoreAndNotify) {
  TFakeExcel Excel;
  TFakeSheet Sheet{L"S", L"$A$1:$B$2"};
  TOleValue Nested = OneBasedArray({{TOleValue(L"x")}});  // no text form
  Sheet.Values = {{TOleValue(L"ok"), Nested}, {TOleValue(L"no"), TOleValue(L"no")}};
  Excel.Sheets = {Sheet};
  TFakeServerRegistration Server(L"excel.application", FakeExcelID, [&] { return Excel.Application(); });
  auto Grid = MakeGrid(3, 3);
  Grid->SetCells(1, 2, L"old");
  Integer Loaded = 0;
  Grid->OnCellsChanged = [&](TObject*, TRect) { ++Loaded; };

  try {
    Grid->LoadFromXLSSheet(L"b.xls", L"Missing");
    FAIL() << "a missing sheet must raise";
  } catch (const DAvoDeveDeviz& E) {
    EXPECT_EQ(E.Message(), L"Excel worksheet Missing not found");
  }
  EXPECT_TRUE(Logged(Excel.Log, L"Excel.Quit"));
  EXPECT_TRUE(Logged(Excel.Log, L"Workbook.Saved="));  // nothing left to ask about
  EXPECT_EQ(Screen->Cursor(), crCross);
  EXPECT_EQ(Grid->GetCells(1, 2), L"old");
  EXPECT_EQ(Loaded, 1);

  Excel.Log.clear();
  try {
    Grid->LoadFromXLSSheet(L"b.xls", L"S");
    FAIL() << "an unreadable value must raise";
  } catch (const DAvoDeveDeviz&) {
    FAIL() << "the general class is expected";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Incorrect XLS file");
  }
  EXPECT_EQ(Grid->GetCells(1, 1), L"ok");  // stored before the error
  EXPECT_EQ(Grid->GetCells(1, 2), L"old");
  EXPECT_TRUE(Logged(Excel.Log, L"Excel.Quit"));
  EXPECT_EQ(Screen->Cursor(), crCross);
  EXPECT_EQ(Loaded, 2);
}

TEST_F(OfficeAutomation, ListsTheWorksheetsInOrder) {
  TFakeExcel Excel;
  Excel.Sheets = {TFakeSheet{L"North"}, TFakeSheet{L"South"}, TFakeSheet{L"East"}};
  TFakeServerRegistration Server(L"excel.application", FakeExcelID, [&] { return Excel.Application(); });
  auto Grid = MakeGrid(2, 2);
  const std::unique_ptr<TStringList> Names = Grid->GetXLSSheets(L"w.xls");
  EXPECT_EQ(Names->Text(), L"North\r\nSouth\r\nEast\r\n");
  EXPECT_TRUE(Logged(Excel.Log, L"Workbook.Saved="));
  EXPECT_EQ(Excel.CursorAtQuit, crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crCross);
}

// --- Writing a worksheet ----------------------------------------------------------------------

TEST_F(OfficeAutomation, StartedServerGetsTheWholeBlockAndQuits) {
  TFakeExcel Excel;
  TFakeServerRegistration Server(L"excel.application", FakeExcelID, [&] { return Excel.Application(); });
  auto Grid = MakeGrid(3, 4);  // saved from (1, 1): 2 columns by 3 rows
  Grid->SetCells(0, 1, L"fixed");
  Grid->SetCells(1, 1, L"a");
  Grid->SetCells(2, 1, L"two\r\nlines");
  Grid->SetCells(1, 3, L"last");

  Grid->SaveToXLS(Dir.Path(L"out.xls"), true);

  ASSERT_EQ(Excel.Sheets.size(), 1u);
  EXPECT_EQ(Excel.Sheets[0].WrittenRange, L"A1:B3");
  const std::vector<std::vector<String>> Expected = {{L"a", L"two\nlines"}, {L"", L""}, {L"last", L""}};
  EXPECT_EQ(Excel.Sheets[0].Written, Expected);
  EXPECT_EQ(Excel.SavedAs, Dir.Path(L"out.xls"));
  EXPECT_EQ(Excel.CursorAtQuit, crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crCross);
}

TEST_F(OfficeAutomation, RunningServerKeepsRunningAndGetsTheBlockAtItsActiveRow) {
  TFakeExcel Excel;
  Excel.Sheets = {TFakeSheet{L"Open"}};
  Excel.OpenBooks = 1;
  Excel.ActiveRow = 5;
  TFakeServerRegistration Server(L"excel.application", FakeExcelID, [&] { return Excel.Application(); });
  Server.Running(Excel.Application());
  auto Grid = MakeGrid(28, 4);  // 27 columns, 3 rows saved

  Grid->SaveToXLS(Dir.Path(L"run.xls"), false);

  EXPECT_EQ(Excel.Sheets[0].WrittenRange, L"A5:AA7");
  EXPECT_EQ(Excel.SavedAs, Dir.Path(L"run.xls"));
  EXPECT_FALSE(Logged(Excel.Log, L"Excel.Quit"));
  EXPECT_EQ(Server.Created(), 0);
  EXPECT_EQ(Screen->Cursor(), crCross);
}

TEST_F(OfficeAutomation, NamedSheetOfAnExistingFileIsFoundOrAdded) {
  const String File = Dir.Path(L"exists.xls");
  jorv::test::WriteBytes(File, "x");
  for (const Char* Name : {L"Second", L"Fresh"}) {
    TFakeExcel Excel;
    Excel.Sheets = {TFakeSheet{L"First"}, TFakeSheet{L"Second"}};
    TFakeServerRegistration Server(L"excel.application", FakeExcelID, [&] { return Excel.Application(); });
    auto Grid = MakeGrid(2, 2);
    Grid->SetCells(1, 1, L"v");

    Grid->SaveToXLSSheet(File, Name);

    EXPECT_EQ(Excel.Opened, File);
    const TFakeSheet& Target = Excel.Sheets[String(Name) == L"Second" ? 1 : 2];
    EXPECT_EQ(Target.Name, Name);
    EXPECT_EQ(Target.WrittenRange, L"A1:A1");
    EXPECT_TRUE(Logged(Excel.Log, L"Workbook.Save"));
    EXPECT_EQ(Excel.SavedAs, L"");
  }
}

// --- Servers that are not there ---------------------------------------------------------------

TEST_F(OfficeAutomation, MissingServersRaiseTheirMessagesAndLeaveTheGrid) {
  struct {
    const Char* Message;
    std::function<void(TRezIvevirAvod&)> Run;
  } Cases[] = {
      {L"Excel OLE server not found", [](TRezIvevirAvod& G) { G.LoadFromXLS(L"a.xls"); }},
      {L"Excel OLE server not found", [](TRezIvevirAvod& G) { G.GetXLSSheets(L"a.xls"); }},
      {L"Excel OLE server not found", [](TRezIvevirAvod& G) { G.SaveToXLS(L"a.xls", false); }},
      {L"Word OLE server not found", [](TRezIvevirAvod& G) { G.SaveToDOC(L"a.doc", false); }},
      {L"Word OLE server not found", [](TRezIvevirAvod& G) { G.AppendToDoc(L"a.doc", L"b"); }},
  };
  for (const auto& Case : Cases) {
    auto Grid = MakeGrid(3, 3);
    Grid->SetCells(1, 1, L"same");
    try {
      Case.Run(*Grid);
      ADD_FAILURE() << "no server, yet no error";
    } catch (const DAvoDeveDeviz& E) {
      EXPECT_EQ(E.Message(), Case.Message);
    }
    EXPECT_EQ(Screen->Cursor(), crCross) << Case.Message;
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->GetCells(1, 1), L"same");
  }
  auto Grid = MakeGrid(3, 3);
  EXPECT_THROW(Grid->LoadFromMDBSQL(L"a.mdb", L"SELECT 1"), EOleError);
}

// --- Word-processor table ---------------------------------------------------------------------

namespace {

struct TFakeWord {
  std::vector<String> Log;
  Integer OpenDocuments = 0;
  bool HasBookmark = false;
  bool FailSave = false;
  String Typed;
  String TargetRange;  // how the table's place was asked for
  Integer TableRows = 0, TableCols = 0;
  std::map<std::pair<Integer, Integer>, String> CellText;
  std::map<std::pair<Integer, Integer>, Integer> CellAlignment;
  String SavedAs;
  std::optional<TCursor> CursorAtQuit;

  TOleObject Cell(Integer Row, Integer Col) {
    return TFakeObject::Make(L"Cell", nullptr, [this, Row, Col](TFakeObject& C) {
      C.On(L"Range", [this, Row, Col](TFakeCall& R) {
        R.Result = TFakeObject::Make(L"CellRange", nullptr, [this, Row, Col](TFakeObject& Range) {
          Range.On(L"InsertAfter", [this, Row, Col](TFakeCall& I) { CellText[{Row, Col}] += I.Args[0].AsString(); });
          Range.On(L"ParagraphFormat", [this, Row, Col](TFakeCall& P) {
            P.Result = TFakeObject::Make(L"ParagraphFormat", nullptr, [this, Row, Col](TFakeObject& F) {
              F.On(L"Alignment", [this, Row, Col](TFakeCall& A) { CellAlignment[{Row, Col}] = A.Args[0].AsInteger(); });
            });
          });
        });
      });
    });
  }

  TOleObject Range(const String& How) {
    return TFakeObject::Make(L"Range", &Log, [How](TFakeObject& R) { R.Answer(L"Place", How); });
  }

  TOleObject Document() {
    return TFakeObject::Make(L"Doc", &Log, [this](TFakeObject& D) {
      D.On(L"ShowSpellingErrors", [](TFakeCall&) {});
      D.On(L"Saved", [](TFakeCall&) {});
      D.On(L"Bookmarks", [this](TFakeCall& C) {
        C.Result = TFakeObject::Make(L"Bookmarks", &Log, [this](TFakeObject& B) {
          B.On(L"Exists", [this](TFakeCall& E) { E.Result = HasBookmark; });
        });
      });
      D.On(L"Goto", [this](TFakeCall& C) {
        C.Result = Range(L"goto " + C.Arg(L"what", 9).AsString() + L" " + C.Arg(L"name", 9).AsString());
      });
      D.On(L"Paragraphs", [this](TFakeCall& C) {
        C.Result = TFakeObject::Make(L"Paragraphs", &Log, [](TFakeObject& P) { P.On(L"Add", [](TFakeCall&) {}); });
      });
      D.On(L"Range", [this](TFakeCall& C) {
        C.Result = Range(L"range " + C.Arg(L"start", 9).AsString() + L"-" + C.Arg(L"end", 9).AsString());
      });
      D.On(L"Tables", [this](TFakeCall& C) {
        C.Result = TFakeObject::Make(L"Tables", &Log, [this](TFakeObject& T) {
          T.On(L"Add", [this](TFakeCall& Add) {
            TargetRange = Add.Args[0].AsObject().Get(L"Place").AsString();
            TableRows = Add.Arg(L"numRows", 9).AsInteger();
            TableCols = Add.Arg(L"numColumns", 9).AsInteger();
            Add.Result = TFakeObject::Make(L"Table", nullptr, [this](TFakeObject& Table) {
              Table.On(L"Cell", [this](TFakeCall& C) {
                C.Result = Cell(C.Arg(L"Row", 9).AsInteger(), C.Arg(L"Column", 9).AsInteger());
              });
            });
          });
        });
      });
      D.On(L"SaveAs", [this](TFakeCall& C) {
        if (FailSave) throw EOleError(L"Disk full");
        SavedAs = C.Args[0].AsString();
      });
    });
  }

  TOleObject Application() {
    return TFakeObject::Make(L"Word", &Log, [this](TFakeObject& A) {
      A.On(L"Documents", [this](TFakeCall& C) {
        C.Result = TFakeObject::Make(L"Documents", &Log, [this](TFakeObject& D) {
          D.On(L"Open", [this](TFakeCall& O) { O.Result = Document(); });
          D.On(L"Add", [this](TFakeCall& O) { O.Result = Document(); });
          D.On(L"Count", [this](TFakeCall& O) { O.Result = OpenDocuments; });
        });
      });
      A.On(L"ActiveDocument", [this](TFakeCall& C) { C.Result = Document(); });
      A.On(L"Selection", [this](TFakeCall& C) {
        C.Result = TFakeObject::Make(L"Selection", &Log, [this](TFakeObject& S) {
          S.On(L"TypeText", [this](TFakeCall& T) { Typed += T.Args[0].AsString(); });
          S.On(L"TypeParaGraph", [this](TFakeCall&) { Typed += L"\n"; });
          S.On(L"Goto", [this](TFakeCall& G) {
            Log.push_back(L"goto " + G.Arg(L"what", 9).AsString() + L" " + G.Arg(L"which", 9).AsString());
          });
          S.Answer(L"End", 17);
        });
      });
      A.On(L"Quit", [this](TFakeCall&) { CursorAtQuit = Screen->Cursor(); });
    });
  }
};

}  // namespace

TEST_F(OfficeAutomation, WordTableHoldsEveryCellWithItsAlignment) {
  TFakeWord Word;
  TFakeServerRegistration Server(L"word.application", FakeWordID, [&] { return Word.Application(); });
  auto Grid = MakeGrid(3, 2);
  Grid->SetText(L"Caption");
  Grid->SetCells(0, 0, L"h");
  Grid->SetCells(1, 1, L"right");
  Grid->SetCells(2, 1, L"mid");
  Grid->GetCellProperties(1, 1)->SetAlignment(taRightJustify);
  Grid->GetCellProperties(2, 1)->SetAlignment(taCenter);

  Grid->SaveToDOC(Dir.Path(L"t.doc"), true);

  EXPECT_EQ(Word.Typed, L"Caption\n");
  EXPECT_EQ(Word.TargetRange, L"range 0-0");  // the very start, ahead of the typed text
  EXPECT_EQ(Word.TableRows, 2);
  EXPECT_EQ(Word.TableCols, 3);
  EXPECT_EQ((Word.CellText[{1, 1}]), L"h");
  EXPECT_EQ((Word.CellText[{2, 2}]), L"right");
  EXPECT_EQ((Word.CellText[{2, 3}]), L"mid");
  EXPECT_EQ(Word.CellText.size(), 6u);
  const std::map<std::pair<Integer, Integer>, Integer> Aligned = {{{2, 2}, 2}, {{2, 3}, 1}};
  EXPECT_EQ(Word.CellAlignment, Aligned);
  EXPECT_EQ(Word.SavedAs, Dir.Path(L"t.doc"));
  EXPECT_EQ(Word.CursorAtQuit, crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crCross);
}

TEST_F(OfficeAutomation, AppendGoesToTheBookmarkOrAfterANewLastParagraph) {
  struct {
    bool HasBookmark;
    const Char* Bookmark;
    const Char* Target;
  } Cases[] = {{true, L"here", L"goto -1 here"}, {false, L"here", L"range 17-17"}, {true, L"", L"range 17-17"}};
  for (const auto& Case : Cases) {
    TFakeWord Word;
    Word.HasBookmark = Case.HasBookmark;
    TFakeServerRegistration Server(L"word.application", FakeWordID, [&] { return Word.Application(); });
    Server.Running(Word.Application());
    auto Grid = MakeGrid(2, 2);
    Grid->AppendToDoc(Dir.Path(L"a.doc"), Case.Bookmark);
    EXPECT_EQ(Word.TargetRange, Case.Target) << Case.Bookmark;
    if (String(Case.Target) != L"goto -1 here") {
      EXPECT_TRUE(Logged(Word.Log, L"Paragraphs.Add"));
      EXPECT_TRUE(Logged(Word.Log, L"goto 3 -1"));
    }
    EXPECT_FALSE(Logged(Word.Log, L"Word.Quit"));  // the user's own instance
  }
}

TEST_F(OfficeAutomation, StartedWordQuitsWhenTheDocumentCannotBeSaved) {
  TFakeWord Word;
  Word.FailSave = true;
  TFakeServerRegistration Server(L"word.application", FakeWordID, [&] { return Word.Application(); });
  auto Grid = MakeGrid(2, 2);
  try {
    Grid->SaveToDOC(Dir.Path(L"t.doc"), false);
    FAIL() << "the server's error must reach the caller";
  } catch (const EOleError& E) {
    EXPECT_EQ(E.Message(), L"Disk full");
  }
  EXPECT_TRUE(Logged(Word.Log, L"Doc.Saved="));
  EXPECT_EQ(Word.CursorAtQuit, crHourGlass);
  EXPECT_EQ(Screen->Cursor(), crCross);
}

// --- Database ---------------------------------------------------------------------------------

namespace {

struct TFakeDatabase {
  std::vector<String> Log;
  String ConnectionText;
  String Statement;
  bool ConnectionGiven = false;
  std::vector<String> FieldNames = {L"Id", L"Name"};
  std::vector<std::vector<TOleValue>> Records;
  Integer ReportedCount = -1;
  size_t Position = 0;

  TOleObject Field(size_t Index) {
    return TFakeObject::Make(L"Field", nullptr, [this, Index](TFakeObject& F) {
      F.Answer(L"Name", FieldNames[Index]);
      const TOleValue Value = Position < Records.size() ? Records[Position][Index] : TOleValue();
      const VARTYPE Type = Value.VarType();
      F.Answer(L"ActualSize", Type == VT_EMPTY || Type == VT_NULL ? 0 : 4);
      F.Answer(L"Value", Value);
    });
  }

  TOleObject Connection() {
    return TFakeObject::Make(L"Connection", &Log, [this](TFakeObject& C) {
      C.On(L"Open", [this](TFakeCall& O) { ConnectionText = O.Args[0].AsString(); });
      C.On(L"Close", [](TFakeCall&) {});
    });
  }

  TOleObject RecordSet() {
    return TFakeObject::Make(L"RecordSet", &Log, [this](TFakeObject& R) {
      R.On(L"ActiveConnection", [this](TFakeCall& C) {
        ConnectionGiven = C.IsPut() && (C.Args[0].VarType() == VT_DISPATCH);
      });
      R.On(L"Open", [this](TFakeCall& C) { Statement = C.Args[0].AsString(); });
      R.On(L"Fields", [this](TFakeCall& C) {
        if (!C.Args.empty()) {
          C.Result = Field(size_t(C.Args[0].AsInteger()));
          return;
        }
        C.Result = TFakeObject::Make(L"Fields", nullptr, [this](TFakeObject& F) {
          F.Answer(L"Count", Integer(FieldNames.size()));
        });
      });
      R.On(L"RecordCount", [this](TFakeCall& C) { C.Result = ReportedCount; });
      R.On(L"Eof", [this](TFakeCall& C) { C.Result = Position >= Records.size(); });
      R.On(L"MoveNext", [this](TFakeCall&) { ++Position; });
      R.On(L"Close", [](TFakeCall&) {});
    });
  }
};

}  // namespace

TEST_F(OfficeAutomation, DatabaseRecordsFillTheGridBelowTheFieldNames) {
  for (const Integer Reported : {3, -1}) {
    TFakeDatabase Db;
    Db.Records = {{TOleValue(1), TOleValue(L"Ann")}, {TOleValue(2), TOleValue(Variant::FromNull())},
                  {TOleValue(3), TOleValue(L"Cy")}};
    Db.ReportedCount = Reported;
    TFakeServerRegistration Connection(L"ADODB.Connection", FakeConnectionID, [&] { return Db.Connection(); });
    TFakeServerRegistration RecordSet(L"ADODB.RecordSet", FakeRecordSetID, [&] { return Db.RecordSet(); });
    auto Grid = MakeGrid(3, 6);
    Grid->SetCells(1, 5, L"below");
    Grid->SetCells(2, 2, L"stale");

    Grid->LoadFromMDBTable(L"C:\\data\\shop.mdb", L"Orders");

    EXPECT_EQ(Db.ConnectionText, L"Driver={Microsoft Access Driver (*.mdb)};DBQ=C:\\data\\shop.mdb");
    EXPECT_EQ(Db.Statement, L"SELECT * FROM [Orders]");
    EXPECT_TRUE(Db.ConnectionGiven);
    EXPECT_EQ(Grid->ColCount(), 3);
    EXPECT_EQ(Grid->RowCount(), Reported == 3 ? 4 : 6) << Reported;  // an unreported count never shrinks
    EXPECT_EQ(Grid->GetCells(1, 0), L"Id");
    EXPECT_EQ(Grid->GetCells(2, 0), L"Name");
    EXPECT_EQ(Grid->GetCells(1, 3), L"3");
    EXPECT_EQ(Grid->GetCells(2, 3), L"Cy");
    EXPECT_EQ(Grid->GetCells(2, 2), L"");  // Null empties the cell
    if (Reported == -1) {
      EXPECT_EQ(Grid->GetCells(1, 5), L"below");
    }
    EXPECT_TRUE(Logged(Db.Log, L"RecordSet.Close"));
    EXPECT_TRUE(Logged(Db.Log, L"Connection.Close"));
  }
}

TEST_F(OfficeAutomation, DatabaseGrowsRowByRowWithoutFieldNamesWhenNothingIsFixed) {
  TFakeDatabase Db;
  Db.Records = {{TOleValue(1), TOleValue(L"a")}, {TOleValue(2), TOleValue(L"b")}, {TOleValue(3), TOleValue(L"c")}};
  TFakeServerRegistration Connection(L"ADODB.Connection", FakeConnectionID, [&] { return Db.Connection(); });
  TFakeServerRegistration RecordSet(L"ADODB.RecordSet", FakeRecordSetID, [&] { return Db.RecordSet(); });
  auto Grid = MakeGrid(2, 2);
  Grid->SetFixedCols(0);
  Grid->SetFixedRows(0);
  Grid->LoadFromMDBSQL(L"x.mdb", L"SELECT Id, Name FROM T WHERE Id > ?");
  EXPECT_EQ(Grid->RowCount(), 3);
  EXPECT_EQ(Grid->GetCells(0, 0), L"1");
  EXPECT_EQ(Grid->GetCells(1, 2), L"c");
}

TEST_F(OfficeAutomation, TableNamesCannotCarryAStatement) {
  TFakeDatabase Db;
  TFakeServerRegistration Connection(L"ADODB.Connection", FakeConnectionID, [&] { return Db.Connection(); });
  TFakeServerRegistration RecordSet(L"ADODB.RecordSet", FakeRecordSetID, [&] { return Db.RecordSet(); });
  auto Grid = MakeGrid(2, 2);
  EXPECT_THROW(Grid->LoadFromMDBTable(L"x.mdb", L"T]; DELETE FROM [T"), DAvoDeveDeviz);
  EXPECT_THROW(Grid->LoadFromMDBTable(L"x.mdb", L""), DAvoDeveDeviz);
  EXPECT_EQ(Db.Statement, L"");
  Grid->LoadFromMDBTable(L"x.mdb", L"[Order Details]");
  EXPECT_EQ(Db.Statement, L"SELECT * FROM [Order Details]");
}
