// The grid's clipboard against the real clipboard: what a copy or cut puts
// there in which formats, and what a paste of text, rich text or the
// private cell format does to the grid, its size and its events.
#include <gtest/gtest.h>

#include <vector>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/GlobalMemory.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Clipboard.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

UINT CellsFormat() { return RegisterClipboardFormat(L"TRezIvevirAvod Cells"); }
UINT RTFFormat() { return RegisterClipboardFormat(L"Rich Text Format"); }

TBytes ClipboardBytes(UINT Format) {
  Clipboard()->Open();
  TBytes Bytes;
  {
    TGlobalLock Lock(static_cast<HGLOBAL>(GetClipboardData(Format)));
    if (Lock.Data()) Bytes.assign(Lock.Bytes(), Lock.Bytes() + Lock.Size());
  }
  Clipboard()->Close();
  return Bytes;
}

void PutBytes(UINT Format, const TBytes& Bytes, const String& Text = String()) {
  Clipboard()->Open();
  if (!Text.empty()) Clipboard()->SetAsText(Text);
  Clipboard()->SetBuffer(Format, Bytes.data(), Bytes.size());
  Clipboard()->Close();
}

// An editable grid of Cols x Rows without fixed cells, shown on a form;
// every cell holds "column:row".
struct TClipGrid {
  TTestForm Form{420, 260};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  std::vector<String> Events;
  explicit TClipGrid(Integer Cols = 4, Integer Rows = 4) {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 400, 240);
    Grid->SetFixedCols(0);
    Grid->SetFixedRows(0);
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows);
    Grid->SetOptions(Grid->Options() + goEditing + goRangeSelect);
    for (Integer r = 0; r < Rows; ++r)
      for (Integer c = 0; c < Cols; ++c) Grid->SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
  }
  void Select(Integer Left, Integer Top, Integer Right, Integer Bottom) {
    Grid->SetSelection(TGridRect{Left, Top, Right, Bottom});
  }
  String Column(Integer C) {
    String S;
    for (Integer r = 0; r < Grid->RowCount(); ++r) S += (r ? L" " : L"") + Grid->GetCells(C, r);
    return S;
  }
};

}  // namespace

TEST(GridClipboard, ACopyPutsTheSelectionAsTabAndLineSeparatedText) {
  const struct {
    const char* Name;
    TGridRect Range;
    const wchar_t* Text;
  } Cases[] = {
      {"a 2 x 2 range ends every row with CR LF", {1, 1, 2, 2}, L"a\tb\r\nc\td\r\n"},
      {"one row has no line break", {0, 3, 2, 3}, L"x\ty\tz"},
  };
  for (const auto& C : Cases) {
    TClipGrid F;
    F.Grid->SetCells(1, 1, L"a");
    F.Grid->SetCells(2, 1, L"b");
    F.Grid->SetCells(1, 2, L"c");
    F.Grid->SetCells(2, 2, L"d");
    F.Grid->SetCells(0, 3, L"x");
    F.Grid->SetCells(1, 3, L"y");
    F.Grid->SetCells(2, 3, L"z");
    F.Grid->SetSelection(C.Range);
    F.Grid->CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), C.Text) << C.Name;
    EXPECT_FALSE(Clipboard()->HasFormat(CellsFormat())) << C.Name;
    EXPECT_EQ(F.Grid->ClipLastOp(), coCopy) << C.Name;
  }
}

TEST(GridClipboard, CellTextsAreCopiedAsASpreadsheetTakesThem) {
  const struct {
    const char* Name;
    const wchar_t* Cell;
    bool Excel;
    bool CopyTags;
    const wchar_t* Text;
  } Cases[] = {
      {"lines quoted with LF", L"l1\r\nl2", false, true, L"\"l1\nl2\""},
      {"spreadsheet form: character 11", L"l1\r\nl2", true, true, L"\"l1\vl2\""},
      {"tags kept", L"<b>bold</b>", false, true, L"<b>bold</b>"},
      {"tags stripped", L"<b>bold</b>", false, false, L"bold"},
  };
  for (const auto& C : Cases) {
    TClipGrid F;
    F.Grid->SetMultilinecells(true);
    F.Grid->SetExcelClipboardFormat(C.Excel);
    F.Grid->Navigation()->SetCopyHTMLTagsToClipboard(C.CopyTags);
    F.Grid->SetCells(1, 1, C.Cell);
    F.Select(1, 1, 1, 1);
    F.Grid->CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), C.Text) << C.Name;
    // What was copied comes back as it was.
    F.Select(2, 2, 2, 2);
    F.Grid->PasteSelectionFromClipboard();
    EXPECT_EQ(F.Grid->GetCells(2, 2), C.CopyTags ? String(C.Cell) : String(C.Text)) << C.Name;
  }
}

TEST(GridClipboard, PastedTextGrowsTheGridOnlyWhenAllowed) {
  const struct {
    const char* Name;
    bool Grow;
    Integer Size;
    const wchar_t* Col1;
  } Cases[] = {{"growth allowed: 3 x 3", true, 3, L"1:0 1 3"}, {"no growth: only (1, 1)", false, 2, L"1:0 1"}};
  for (const auto& C : Cases) {
    TClipGrid F(2, 2);
    F.Grid->Navigation()->SetAllowClipboardColGrow(C.Grow);
    F.Grid->Navigation()->SetAllowClipboardRowGrow(C.Grow);
    Clipboard()->SetAsText(L"1\t2\r\n3\t4\r\n");
    F.Select(1, 1, 1, 1);
    F.Grid->PasteSelectionFromClipboard();
    EXPECT_EQ(F.Grid->ColCount(), C.Size) << C.Name;
    EXPECT_EQ(F.Grid->RowCount(), C.Size) << C.Name;
    EXPECT_EQ(F.Column(1), C.Col1) << C.Name;
    if (C.Grow) {
      EXPECT_EQ(F.Column(2), L" 2 4") << C.Name;
    }
  }
}

TEST(GridClipboard, PasteEventsMayChangeOrRefuseEachCellAndInsertModeAddsRows) {
  TClipGrid F(3, 3);
  F.Grid->OnClipboardBeforePasteCell = [&](TObject*, Integer C, Integer R, String& Value, bool& Allow) {
    F.Events.push_back(L"before " + IntToStr(C) + L"," + IntToStr(R) + L" " + Value);
    Allow = Value != L"no";
    Value = Value + L"!";
  };
  F.Grid->OnClipboardAfterPasteCell = [&](TObject*, Integer C, Integer R, const String& Value) {
    F.Events.push_back(L"after " + IntToStr(C) + L"," + IntToStr(R) + L" " + Value);
  };
  F.Grid->OnClipboardPasteDone = [&](TObject*, TGridRect R) {
    F.Events.push_back(L"done " + IntToStr(R.Left) + L"," + IntToStr(R.Top) + L"-" + IntToStr(R.Right) + L"," +
                       IntToStr(R.Bottom));
  };
  F.Grid->Navigation()->SetClipboardPasteAction(paInsert);
  Clipboard()->SetAsText(L"a\tno\r\n");
  F.Select(0, 1, 0, 1);
  F.Grid->PasteSelectionFromClipboard();
  EXPECT_EQ(F.Grid->RowCount(), 4);
  EXPECT_EQ(F.Column(0), L"0:0 a! 0:1 0:2");
  EXPECT_EQ(F.Column(1), L"1:0  1:1 1:2");
  EXPECT_EQ(F.Events, (std::vector<String>{L"before 0,1 a", L"after 0,1 a!", L"before 1,1 no", L"done 0,1-2,2"}));
}

TEST(GridClipboard, APasteIntoAGridThatIsNotEditableWritesNothing) {
  TClipGrid F(2, 2);
  F.Grid->SetOptions(F.Grid->Options() - goEditing);
  Clipboard()->SetAsText(L"x");
  F.Select(0, 0, 0, 0);
  F.Grid->PasteSelectionFromClipboard();
  EXPECT_EQ(F.Grid->GetCells(0, 0), L"0:0");
  F.Grid->Navigation()->SetAllowClipboardAlways(true);
  F.Grid->PasteSelectionFromClipboard();
  EXPECT_EQ(F.Grid->GetCells(0, 0), L"x");
}

TEST(GridClipboard, ASmartPasteFillsTheLargerSelection) {
  PinnedFormatSettings Pinned(USFormatSettings());
  const struct {
    const char* Name;
    const wchar_t* Text;
    const wchar_t* Column;
  } Cases[] = {
      {"numbers go on", L"1\r\n2\r\n", L"1 2 3 4 5"},
      {"texts repeat", L"a\r\nb\r\n", L"a b a b a"},
      {"decimals in the float format", L"0.5\r\n1.5\r\n", L"0.50 1.50 2.50 3.50 4.50"},
      {"dates by their day step", L"1/30/2026\r\n1/31/2026\r\n", L"1/30/2026 1/31/2026 2/1/2026 2/2/2026 2/3/2026"},
  };
  for (const auto& C : Cases) {
    TClipGrid F(2, 5);
    F.Grid->Navigation()->SetAllowSmartClipboard(true);
    Clipboard()->SetAsText(C.Text);
    F.Select(1, 0, 1, 4);
    F.Grid->PasteSelectionFromClipboard();
    EXPECT_EQ(F.Column(1), C.Column) << C.Name;
    EXPECT_EQ(F.Grid->RowCount(), 5) << C.Name;
  }
}

TEST(GridClipboard, ASmartPasteOfOneCellFillsEveryCellAndAFullPasteReportsNothing) {
  TClipGrid F(3, 3);
  F.Grid->Navigation()->SetAllowSmartClipboard(true);
  Integer DoneCount = 0;
  F.Grid->OnClipboardPasteDone = [&](TObject*, TGridRect) { ++DoneCount; };
  Clipboard()->SetAsText(L"v");
  F.Select(0, 0, 2, 2);
  F.Grid->PasteSelectionFromClipboard();
  for (Integer C = 0; C < 3; ++C) EXPECT_EQ(F.Column(C), L"v v v") << C;
  EXPECT_EQ(DoneCount, 1);
  // The paste fills the whole selection itself: no fill and no report.
  Clipboard()->SetAsText(L"p\tq");
  F.Select(0, 1, 1, 1);
  F.Grid->PasteSelectionFromClipboard();
  EXPECT_EQ(F.Column(0), L"v p v");
  EXPECT_EQ(DoneCount, 1);
}

TEST(GridClipboard, ThePrivateFormatCarriesCellsAndTheirLooksToAnotherGrid) {
  TClipGrid From(3, 3), To(4, 4);
  From.Grid->Navigation()->SetAllowFmtClipboard(true);
  From.Grid->GetCellProperties(1, 1)->SetBrushColor(0x00FF00);
  From.Select(1, 1, 2, 2);
  From.Grid->CopySelectionToClipboard();
  EXPECT_EQ(Clipboard()->AsText(), L"1:1\t2:1\r\n1:2\t2:2\r\n");
  ASSERT_TRUE(Clipboard()->HasFormat(CellsFormat()));
  std::vector<TPoint> Origins;
  struct TOriginGrid : TRezIvevirAvod {
    using TRezIvevirAvod::TRezIvevirAvod;
    std::vector<TPoint>* Seen = nullptr;
    void PasteRangeDone(TPoint& Origin, TRect R, TClipOperation Op) override {
      Seen->push_back(Origin);
      TRezIvevirAvod::PasteRangeDone(Origin, R, Op);
    }
  };
  auto* Other = new TOriginGrid(To.Form.Get());
  Other->Seen = &Origins;
  Other->SetParent(To.Form.Get());
  Other->SetFixedCols(0);
  Other->SetFixedRows(0);
  Other->SetColCount(3);
  Other->SetRowCount(3);
  Other->SetOptions(Other->Options() + goEditing);
  Other->Navigation()->SetAllowFmtClipboard(true);
  Other->SetSelection(TGridRect{2, 2, 2, 2});
  Other->PasteSelectionFromClipboard();
  EXPECT_EQ(Other->ColCount(), 4);
  EXPECT_EQ(Other->RowCount(), 4);
  EXPECT_EQ(Other->GetCells(2, 2), L"1:1");
  EXPECT_EQ(Other->GetCells(3, 3), L"2:2");
  EXPECT_EQ(Other->GetCellProperties(2, 2)->BrushColor(), 0x00FF00);
  // Cells written by another grid's window have no origin here.
  EXPECT_EQ(Origins, std::vector<TPoint>{TPoint(-1, -1)});
  // The writer's whole grid lands at the selection too: this grid is not
  // cleared or cut down to its size.
  Other->SetCells(0, 0, L"keep");
  From.Select(0, 0, 2, 2);
  From.Grid->CopySelectionToClipboard();
  Other->SetSelection(TGridRect{1, 1, 1, 1});
  Other->PasteSelectionFromClipboard();
  EXPECT_EQ(Other->GetCells(0, 0), L"keep");
  EXPECT_EQ(Other->GetCells(1, 1), L"0:0");
  EXPECT_EQ(Other->GetCells(3, 3), L"2:2");
  EXPECT_EQ(Other->ColCount(), 4);
}

TEST(GridClipboard, APrivateBlockThatLiesAboutItsSizeIsPassedOverForTheText) {
  TClipGrid Source(2, 2);
  TMemoryStream Cells;
  Source.Grid->SaveRectToBinStream(TRect(0, 0, 1, 1), &Cells);
  TBytes Bytes(static_cast<const Byte*>(Cells.Memory()), static_cast<const Byte*>(Cells.Memory()) + Cells.Size());
  // The header claims 2 x 2 cells; one that claims a million rows would
  // grow the grid past any use.
  const struct {
    const char* Name;
    TBytes Block;
  } Cases[] = {
      {"cut short", TBytes(Bytes.begin(), Bytes.begin() + 10)},
      {"garbage", TBytes(64, 0xEE)},
      {"empty", TBytes()},
  };
  for (const auto& C : Cases) {
    TClipGrid F(2, 2);
    F.Grid->Navigation()->SetAllowFmtClipboard(true);
    PutBytes(CellsFormat(), C.Block, L"text");
    F.Select(0, 0, 0, 0);
    F.Grid->PasteSelectionFromClipboard();
    EXPECT_EQ(F.Grid->GetCells(0, 0), L"text") << C.Name;
    EXPECT_EQ(F.Grid->RowCount(), 2) << C.Name;
  }
}

TEST(GridClipboard, RichTextTravelsAsSixteenBitUnitsWithTheText) {
  TClipGrid F(2, 2);
  F.Grid->Navigation()->SetAllowRTFClipboard(true);
  const String Rich = L"{\\rtf1 x\\par}";
  F.Grid->SetCells(0, 0, Rich);
  F.Select(0, 0, 0, 0);
  F.Grid->CopySelectionToClipboard();
  const TBytes Block = ClipboardBytes(RTFFormat());
  ASSERT_EQ(Block.size(), (Rich.size() + 1) * 2);
  EXPECT_EQ(String(reinterpret_cast<const wchar_t*>(Block.data())), Rich);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
  F.Select(1, 1, 1, 1);
  F.Grid->PasteSelectionFromClipboard();
  EXPECT_EQ(F.Grid->GetCells(1, 1), Rich);
}

TEST(GridClipboard, ACutClearsWhatItCopiedAndMayRemoveTheRows) {
  const struct {
    const char* Name;
    bool RowSelect;
    TClipboardCutAction Action;
    const wchar_t* Column0;
  } Cases[] = {
      {"cleared", false, caClear, L"0:0  0:2"},
      {"removed with row select", true, caRemove, L"0:0 0:2"},
  };
  for (const auto& C : Cases) {
    TClipGrid F(2, 3);
    if (C.RowSelect) F.Grid->SetOptions(F.Grid->Options() + goRowSelect);
    F.Grid->Navigation()->SetClipboardCutAction(C.Action);
    std::vector<TRect> Changed;
    F.Grid->OnCellsChanged = [&](TObject*, TRect R) { Changed.push_back(R); };
    F.Select(0, 1, 1, 1);
    F.Grid->CutSelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), L"0:1\t1:1") << C.Name;
    EXPECT_EQ(F.Column(0), C.Column0) << C.Name;
    EXPECT_EQ(F.Grid->ClipLastOp(), coCut) << C.Name;
    ASSERT_FALSE(Changed.empty()) << C.Name;
    EXPECT_EQ(Changed[0], TRect(0, 1, 1, 1)) << C.Name;
  }
}

TEST(GridClipboard, ADisjunctRowCutPutsEveryRowItClearsOnTheClipboard) {
  TClipGrid F(2, 5);
  F.Grid->SetFixedRows(1);
  F.Grid->SetOptions(F.Grid->Options() + goRowSelect);
  F.Grid->MouseActions()->SetDisjunctRowSelect(true);
  F.Grid->Navigation()->SetAllowFmtClipboard(true);
  F.Grid->SetRowSelect(1, true);
  F.Grid->SetRowSelect(3, true);
  F.Grid->CutSelectionToClipboard();
  EXPECT_EQ(Clipboard()->AsText(), L"0:1\t1:1\r\n0:3\t1:3\r\n");
  EXPECT_EQ(F.Column(0), L"0:0  0:2  0:4");
}

TEST(GridClipboard, TheShortcutsAskTheirEventFirst) {
  TClipGrid F(3, 3);
  F.Grid->Navigation()->SetAllowClipboardShortCuts(true);
  F.Grid->SetFocus();
  bool AllowCopy = false;
  std::vector<String> Events;
  F.Grid->OnClipboardCopy = [&](TObject*, bool& Allow) {
    Events.push_back(L"copy?");
    Allow = AllowCopy;
  };
  F.Grid->OnClipboardCopyDone = [&](TObject*, TGridRect) { Events.push_back(L"copied"); };
  F.Grid->OnClipboardPaste = [&](TObject*, bool&) { Events.push_back(L"paste?"); };
  F.Grid->OnClipboardCut = [&](TObject*, bool& Allow) {
    Events.push_back(L"cut?");
    Allow = false;
  };
  Clipboard()->SetAsText(L"before");
  F.Select(1, 1, 1, 1);
  KeyToFocus('C', TShiftState() + ssCtrl);
  EXPECT_EQ(Clipboard()->AsText(), L"before");
  AllowCopy = true;
  KeyToFocus(VK_INSERT, TShiftState() + ssCtrl);
  EXPECT_EQ(Clipboard()->AsText(), L"1:1");
  KeyToFocus('X', TShiftState() + ssCtrl);
  EXPECT_EQ(F.Grid->GetCells(1, 1), L"1:1");
  F.Select(2, 2, 2, 2);
  KeyToFocus(VK_INSERT, TShiftState() + ssShift);
  EXPECT_EQ(F.Grid->GetCells(2, 2), L"1:1");
  EXPECT_EQ(Events, (std::vector<String>{L"copy?", L"copy?", L"copied", L"cut?", L"paste?"}));
}

TEST(GridClipboard, SelectionTextGoesInRawAndGrowsTheGrid) {
  TClipGrid F(2, 2);
  F.Grid->SetOptions(F.Grid->Options() - goEditing);
  F.Select(1, 1, 1, 1);
  F.Grid->SetSelectionAsText(L"a\tb\r\n\"c\nd\"\r\n");
  EXPECT_EQ(F.Grid->ColCount(), 3);
  EXPECT_EQ(F.Grid->RowCount(), 3);
  EXPECT_EQ(F.Grid->GetCells(2, 1), L"b");
  EXPECT_EQ(F.Grid->GetCells(1, 2), L"c\r\nd");
  F.Select(1, 1, 2, 1);
  EXPECT_EQ(F.Grid->GetSelectionAsText(), L"a\tb");
}

TEST(GridClipboard, MeasuringDroppedTextCountsFieldsAndEndedLines) {
  const struct {
    const wchar_t* Text;
    Integer Cols, Rows;
  } Cases[] = {{L"a\tb\r\nc\td\r\n", 2, 1}, {L"a", 1, 0}, {L"a\r\n\r\nb\tc\td", 3, 1}};
  for (const auto& C : Cases) {
    Integer Cols = -1, Rows = -1;
    TRezIvevirAvod::MeasurePasteText(C.Text, Cols, Rows);
    EXPECT_EQ(Cols, C.Cols) << C.Text;
    EXPECT_EQ(Rows, C.Rows) << C.Text;
  }
}
