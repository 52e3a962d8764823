// Rich text cells: the conversions between cells and rich edits, subscript
// and superscript, and the rich text editor on a shown grid driven by real
// keys, clicks and focus changes.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExRichEdit.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_interaction/EditorGrid.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

const wchar_t* BoldRtf = L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 plain \\b bold\\b0  end\\par}";

// The editor's plain text without the paragraph end the control keeps.
String PlainOf(TRichEdit* Editor) {
  String Text = Editor->Text();
  while (!Text.empty() && (Text.back() == L'\r' || Text.back() == L'\n')) Text.pop_back();
  return Text;
}

bool BoldAt(TRichEdit* Editor, Integer Start, Integer Length) {
  Editor->SetSelStart(Start);
  Editor->SetSelLength(Length);
  return Editor->SelAttributes()->Style().Contains(fsBold);
}

bool StartsAsDocument(const String& Text) { return Text.rfind(L"{\\rtf", 0) == 0; }

}  // namespace

TEST(GridRichText, TheEditorsRefuseAnOwnerThatIsNoGrid) {
  TTestForm Form{100, 100};
  EXPECT_THROW(TExRichEdit{Form.Get()}, EInvalidCast);
}

// --- conversions ------------------------------------------------------------------------------------

TEST(GridRichText, CellsLoadAsDocumentsOrAsPlainTextAndAnEmptyCellClears) {
  struct Case {
    const char* Name;
    const wchar_t* Cell;
    const wchar_t* Plain;
  } Cases[] = {
      {"document", BoldRtf, L"plain bold end"},
      {"text that is no document", L"{\\b not rtf}", L"{\\b not rtf}"},
      {"accented letters inside a document", L"{\\rtf1\\ansi Gr\u00FC\u00DFe \u03A9}", L"Gr\u00FC\u00DFe \u03A9"},
      {"plain text starting beyond Latin-1", L"\u03A9mega \u20AC", L"\u03A9mega \u20AC"},
      {"empty cell", L"", L""},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TControlGrid G(edRichEdit);
    TExRichEdit* Editor = G.Grid->RichEdit();
    Editor->SetText(L"left over");
    G.Grid->SetCells(2, 1, C.Cell);
    G.Grid->CellToRich(2, 1, Editor);
    EXPECT_EQ(PlainOf(Editor), C.Plain);
  }
}

TEST(GridRichText, ADocumentGoesBackIntoACellWithItsFormatting) {
  TControlGrid G(edRichEdit);
  G.Grid->SetCells(1, 1, BoldRtf);
  TExRichEdit* Editor = G.Grid->RichEdit();
  G.Grid->CellToRich(1, 1, Editor);
  G.Grid->RichToCell(3, 4, Editor);
  const String Saved = G.Grid->GetCells(3, 4);
  EXPECT_TRUE(StartsAsDocument(Saved)) << Saved;
  // The saved form loads back to the same text and looks, and saves again
  // to the very same characters.
  TExRichEdit* Other = G.Grid->InplaceRichEdit();
  G.Grid->CellToRich(3, 4, Other);
  EXPECT_EQ(PlainOf(Other), L"plain bold end");
  EXPECT_TRUE(BoldAt(Other, 6, 4));
  EXPECT_FALSE(BoldAt(Other, 0, 5));
  EXPECT_EQ(G.Grid->RichToString(Other), Saved);
}

TEST(GridRichText, SubscriptAndSuperscriptOfTheSelection) {
  TControlGrid G(edRichEdit);
  TExRichEdit* Editor = G.Grid->InplaceRichEdit();
  Editor->SetText(L"H2O and x2");
  struct Case {
    const char* Name;
    void (TExRichEdit::*Set)();
    bool Normal, Sub, Super;
  } Cases[] = {
      {"subscript", &TExRichEdit::SelSubscript, false, true, false},
      {"superscript", &TExRichEdit::SelSuperscript, false, false, true},
      {"normal", &TExRichEdit::SelNormal, true, false, false},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    Editor->SetSelStart(1);
    Editor->SetSelLength(1);
    (Editor->*C.Set)();
    EXPECT_EQ(Editor->IsSelNormal(), C.Normal);
    EXPECT_EQ(Editor->IsSelSubscript(), C.Sub);
    EXPECT_EQ(Editor->IsSelSuperscript(), C.Super);
  }
  // Only the selection moves.
  Editor->SetSelStart(1);
  Editor->SetSelLength(1);
  Editor->SelSubscript();
  Editor->SetSelStart(2);
  Editor->SetSelLength(1);
  EXPECT_TRUE(Editor->IsSelNormal());
}

// --- the rich text editor ---------------------------------------------------------------------------

TEST(GridRichEditor, OpensOnTheCellWithItsFormattedText) {
  TControlGrid G(edRichEdit);
  G.Grid->SetCells(1, 2, BoldRtf);
  G.Open(1, 2);
  ASSERT_TRUE(G.Grid->EditMode());
  TExRichEdit* Editor = G.Grid->InplaceRichEdit();
  EXPECT_EQ(G.Grid->EditCtrl(), Editor);
  EXPECT_TRUE(Editor->Visible());
  EXPECT_EQ(GetFocus(), Editor->Handle());
  const TRect Cell = G.Grid->CellRect(1, 2);
  EXPECT_EQ(Editor->Left(), Cell.Left);
  EXPECT_EQ(Editor->Top(), Cell.Top);
  EXPECT_EQ(PlainOf(Editor), L"plain bold end");
  EXPECT_TRUE(BoldAt(Editor, 6, 4));
  // The loaded cell is not typing: the row kept its height.
  EXPECT_FALSE(Editor->Locked());
}

TEST(GridRichEditor, TypedTextIsStoredAsADocumentThatKeepsTheFormatting) {
  TControlGrid G(edRichEdit);
  std::vector<String> Done;
  G.Grid->OnEditCellDone = [&Done](TObject*, Integer C, Integer R) { Done.push_back(IntToStr(C) + L"," + IntToStr(R)); };
  G.Grid->SetCells(1, 2, BoldRtf);
  G.Open(1, 2);
  ASSERT_TRUE(G.Grid->EditMode());
  G.Key(VK_END);
  G.Type(L"!");
  // A click on another cell gives the grid the focus: the edit ends.
  const TRect Other = G.Grid->CellRect(2, 3);
  Click(G.Grid, Other.Left + 5, Other.Top + 5);
  Pump(50);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_FALSE(G.Grid->InplaceRichEdit()->Visible());
  const String Stored = G.Grid->GetCells(1, 2);
  EXPECT_TRUE(StartsAsDocument(Stored)) << Stored;
  TExRichEdit* Converter = G.Grid->RichEdit();
  G.Grid->CellToRich(1, 2, Converter);
  EXPECT_EQ(PlainOf(Converter), L"plain bold end!");
  EXPECT_TRUE(BoldAt(Converter, 6, 4));
  EXPECT_EQ(G.Validations(), 1);
  ASSERT_EQ(Done.size(), 1u);
  EXPECT_EQ(Done[0], L"1,2");
}

TEST(GridRichEditor, ACellOpenedAndClosedUnchangedKeepsTheSavedFormOfItsDocument) {
  TControlGrid G(edRichEdit);
  G.Grid->SetCells(1, 1, BoldRtf);
  auto OpenAndClose = [&G] {
    G.Open(1, 1);
    EXPECT_TRUE(G.Grid->EditMode());
    G.Grid->SetFocus();
    Pump();
    EXPECT_FALSE(G.Grid->EditMode());
    return G.Grid->GetCells(1, 1);
  };
  const String First = OpenAndClose();
  EXPECT_TRUE(StartsAsDocument(First)) << First;
  EXPECT_EQ(OpenAndClose(), First);
  TExRichEdit* Converter = G.Grid->RichEdit();
  G.Grid->CellToRich(1, 1, Converter);
  EXPECT_EQ(PlainOf(Converter), L"plain bold end");
}

TEST(GridRichEditor, KeysThatLeaveAndKeysThatStay) {
  struct Case {
    const char* Name;
    bool Tabs;
    bool Wrap;
    bool Multiline;
    Word Key;
    bool StillOpen;
    Integer Col, Row;
  } Cases[] = {
      {"Tab without goTabs", false, false, false, VK_TAB, true, 1, 2},
      {"Tab with goTabs", true, false, false, VK_TAB, true, 2, 2},
      {"Down", false, false, false, VK_DOWN, false, 1, 3},
      {"Up", false, false, false, VK_UP, false, 1, 1},
      {"Down in multi-line cells", false, false, true, VK_DOWN, true, 1, 2},
      {"Up in word-wrapped cells", false, true, false, VK_UP, true, 1, 2},
      {"Enter", false, false, false, VK_RETURN, true, 1, 2},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TControlGrid G(edRichEdit);
    if (C.Tabs) G.Grid->SetOptions(G.Grid->Options() + goTabs);
    G.Grid->SetWordWrap(C.Wrap);
    G.Grid->SetMultilinecells(C.Multiline);
    G.Grid->SetCells(1, 2, L"first");
    G.Grid->SetCells(2, 2, L"second");
    G.Open(1, 2);
    ASSERT_TRUE(G.Grid->EditMode());
    G.Key(VK_HOME);
    G.Type(L"x");
    G.Key(C.Key);
    EXPECT_EQ(G.Grid->Col(), C.Col);
    EXPECT_EQ(G.Grid->Row(), C.Row);
    EXPECT_EQ(G.Grid->EditMode(), C.StillOpen);
    TExRichEdit* Editor = G.Grid->InplaceRichEdit();
    EXPECT_EQ(Editor->Visible(), C.StillOpen);
    if (C.StillOpen) {
      EXPECT_EQ(GetFocus(), Editor->Handle());
    }
    const bool Left = C.Col != 1 || C.Row != 2;
    if (Left) {
      // What was typed is in the cell it was typed in.
      G.Grid->CellToRich(1, 2, G.Grid->RichEdit());
      EXPECT_EQ(PlainOf(G.Grid->RichEdit()), L"xfirst");
    }
    if (C.Tabs) {
      EXPECT_EQ(PlainOf(Editor), L"second");
    }
  }
}

TEST(GridRichEditor, FocusGoneElsewhereLeavesTheEditorOpen) {
  TControlGrid G(edRichEdit);
  G.Grid->SetCells(1, 2, L"text");
  G.Open(1, 2);
  ASSERT_TRUE(G.Grid->EditMode());
  G.Key(VK_HOME);
  G.Type(L"a");
  G.Other->SetFocus();
  Pump();
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_TRUE(G.Grid->InplaceRichEdit()->Visible());
  EXPECT_EQ(G.Grid->GetCells(1, 2), L"text");
  // The grid taking the focus from there ends the edit: now the text is stored.
  G.Grid->SetFocus();
  Pump();
  EXPECT_FALSE(G.Grid->EditMode());
  G.Grid->CellToRich(1, 2, G.Grid->RichEdit());
  EXPECT_EQ(PlainOf(G.Grid->RichEdit()), L"atext");
}

TEST(GridRichEditor, FocusMovedByTheGridItselfEndsNothing) {
  TControlGrid G(edRichEdit);
  G.Open(1, 2);
  ASSERT_TRUE(G.Grid->EditMode());
  G.Grid->InvokedFocusChange = true;
  G.Grid->SetFocus();
  Pump();
  G.Grid->InvokedFocusChange = false;
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_TRUE(G.Grid->InplaceRichEdit()->Visible());
}

TEST(GridRichEditor, SelectionChangesAreReported) {
  TControlGrid G(edRichEdit);
  Integer Changes = 0;
  TObject* Sender = nullptr;
  G.Grid->OnRichEditSelectionChange = [&](TObject* S) {
    ++Changes;
    Sender = S;
  };
  G.Grid->SetCells(1, 2, L"abc");
  G.Open(1, 2);
  ASSERT_TRUE(G.Grid->EditMode());
  Changes = 0;
  G.Key(VK_RIGHT);
  EXPECT_GE(Changes, 1);
  EXPECT_EQ(Sender, G.Grid);
}

TEST(GridRichEditor, TypedLinesGrowTheRowButNotPastTheGrid) {
  TControlGrid G(edRichEdit);
  G.Grid->SizeWhileTyping()->SetHeight(true);
  G.Grid->SetMultilinecells(true);
  std::vector<Integer> Sized;
  G.Grid->OnEndRowSize = [&Sized](TObject*, Integer ARow) { Sized.push_back(ARow); };
  const Integer Before = G.Grid->GetRowHeights(2);
  G.Open(1, 2);
  ASSERT_TRUE(G.Grid->EditMode());
  // Opening the cell grows nothing.
  EXPECT_EQ(G.Grid->GetRowHeights(2), Before);
  EXPECT_TRUE(Sized.empty());
  G.Type(L"one\rtwo\rthree");
  const Integer Grown = G.Grid->GetRowHeights(2);
  EXPECT_GT(Grown, Before);
  ASSERT_FALSE(Sized.empty());
  EXPECT_EQ(Sized.back(), 2);
  EXPECT_EQ(G.Grid->InplaceRichEdit()->Height(), Grown - 1);
  for (Integer i = 0; i < 12; ++i) G.Type(L"\rmore");
  const TRect Cell = G.Grid->CellRect(1, 2);
  EXPECT_LE(Cell.Top + G.Grid->GetRowHeights(2), G.Grid->ClientHeight());
  EXPECT_GT(G.Grid->GetRowHeights(2), Grown);
}

TEST(GridRichEditor, WithoutSizeWhileTypingTheRowKeepsItsHeight) {
  TControlGrid G(edRichEdit);
  G.Grid->SetMultilinecells(true);
  const Integer Before = G.Grid->GetRowHeights(2);
  G.Open(1, 2);
  G.Type(L"one\rtwo\rthree");
  EXPECT_EQ(G.Grid->GetRowHeights(2), Before);
}

// --- rich cells painted and read as text ------------------------------------------------------------

namespace {

// Pixels of Rect that are clearly blue.
Integer BluePixels(TRendered& Image, const TRect& Rect) {
  Integer Blue = 0;
  for (Integer y = Rect.Top; y < Rect.Bottom; ++y)
    for (Integer x = Rect.Left; x < Rect.Right; ++x) {
      const TColor C = Image.Pixel(x, y);
      Blue += GetBValue(C) > 0xC0 && GetRValue(C) < 0x40 && GetGValue(C) < 0x40;
    }
  return Blue;
}

const wchar_t* BlueRtf = L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue255;}\\f0\\fs28\\cf1 WWWW}";

}  // namespace

TEST(GridRichCellPaint, ADocumentPaintsInItsOwnColoursInsideItsCell) {
  TControlGrid G(edRichEdit);
  G.Grid->SetColor(clWhite);
  G.Grid->SetCells(1, 1, BlueRtf);
  G.Grid->SetCells(2, 1, L"WWWW");
  G.Grid->SetColors(1, 3, 0x00FFFF);
  G.Grid->SetCells(1, 3, BlueRtf);
  TRendered Image(G.Grid);
  const TRect Cell = G.Grid->CellRect(1, 1);
  EXPECT_GT(BluePixels(Image, Cell), 20);
  // The text starts near the cell's left edge.
  Integer FirstBlue = Cell.Right;
  for (Integer x = Cell.Left; x < Cell.Right && FirstBlue == Cell.Right; ++x)
    for (Integer y = Cell.Top; y < Cell.Bottom; ++y)
      if (BluePixels(Image, TRect(x, y, x + 1, y + 1))) {
        FirstBlue = x;
        break;
      }
  EXPECT_LT(FirstBlue - Cell.Left, 12);
  EXPECT_EQ(BluePixels(Image, G.Grid->CellRect(2, 1)), 0);
  EXPECT_EQ(BluePixels(Image, G.Grid->CellRect(1, 2)), 0);
  // A cell colour of its own stays under the text: no box of the rich
  // edit's own background shows.
  const TRect Yellow = G.Grid->CellRect(1, 3);
  EXPECT_GT(BluePixels(Image, Yellow), 20);
  Integer White = 0;
  for (Integer y = Yellow.Top + 2; y < Yellow.Bottom - 2; ++y)
    for (Integer x = Yellow.Left + 2; x < Yellow.Right - 2; ++x) White += Image.Pixel(x, y) == clWhite;
  EXPECT_EQ(White, 0);
}

TEST(GridRichCellPaint, PaintingOtherRichCellsLeavesTheOpenEditorAlone) {
  TControlGrid G(edRichEdit);
  G.Grid->SetCells(1, 1, BlueRtf);
  G.Grid->SetCells(1, 2, L"mine");
  G.Open(1, 2);
  ASSERT_TRUE(G.Grid->EditMode());
  G.Key(VK_END);
  G.Type(L"!");
  TRendered Image(G.Grid);
  EXPECT_GT(BluePixels(Image, G.Grid->CellRect(1, 1)), 20);
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_EQ(PlainOf(G.Grid->InplaceRichEdit()), L"mine!");
}

TEST(GridRichCellPaint, SelectedTextKeepsEveryCharacterOfARichCell) {
  TControlGrid G(edRichEdit);
  G.Grid->SetCells(1, 1, L"{\\rtf1\\ansi Gr\u00FC\u00DFe \u03A9}");
  G.Grid->SetSelection(TGridRect{1, 1, 1, 1});
  EXPECT_EQ(G.Grid->SelectedText(), L"Gr\u00FC\u00DFe \u03A9");
}

// After the edit ended, storing again (HideCellEdit on another cell) must
// not write the editor's old document there.
TEST(GridRichEditor, AnEndedEditWritesNothingIntoAnotherCell) {
  TControlGrid G(edRichEdit);
  G.Grid->SetCells(1, 2, BoldRtf);
  G.Open(1, 2);
  ASSERT_TRUE(G.Grid->EditMode());
  G.Grid->SetFocus();
  Pump();
  ASSERT_FALSE(G.Grid->EditMode());
  G.Grid->SetCells(2, 3, L"keep");
  G.Grid->SetCol(2);
  G.Grid->SetRow(3);
  Pump();
  G.Grid->HideCellEdit();
  EXPECT_EQ(G.Grid->GetCells(2, 3), L"keep");
}

// A value the application refuses keeps the editor open on its cell with
// the keyboard and the refused text to correct, whichever key would have
// left it, and the cell its text.
TEST(GridRichEditor, ARefusedValueKeepsTheEditorOnItsCell) {
  const struct {
    const char* Name;
    Word Key;
  } Cases[] = {{"Tab", VK_TAB}, {"Down", VK_DOWN}, {"Up", VK_UP}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TControlGrid G(edRichEdit);
    G.Grid->SetOptions(G.Grid->Options() + goTabs);
    // Up and Down leave only a grid that neither wraps nor has multi-line cells.
    G.Grid->SetWordWrap(false);
    Integer Refusals = 0;
    G.Grid->OnCellValidate = [&Refusals](TObject*, Integer, Integer, String& Value, bool& Valid) {
      if (Value.find(L"bad") == String::npos) return;
      Valid = false;
      ++Refusals;
    };
    G.Grid->SetCells(1, 2, L"first");
    G.Open(1, 2);
    ASSERT_TRUE(G.Grid->EditMode());
    G.Key(VK_HOME);
    G.Type(L"bad");
    G.Key(C.Key);
    EXPECT_EQ(1, Refusals);
    EXPECT_EQ(1, G.Grid->Col());
    EXPECT_EQ(2, G.Grid->Row());
    EXPECT_EQ(L"first", G.Grid->GetCells(1, 2));
    TExRichEdit* Editor = G.Grid->InplaceRichEdit();
    EXPECT_TRUE(G.Grid->EditMode());
    EXPECT_TRUE(Editor->Visible());
    EXPECT_EQ(GetFocus(), Editor->Handle());
    EXPECT_EQ(L"badfirst", PlainOf(Editor));
  }
}

// A document is measured by the room the converter asks for: a large
// second paragraph counts with its own font, where its plain text in the
// first font would give two small lines.
TEST(GridRichText, ARichCellIsMeasuredWithEveryFontOfItsDocument) {
  TTestForm Form{400, 300};
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, 380, 280);
  Grid->SetColWidths(1, 200);
  Pump();
  Grid->SetCells(1, 1, L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs16 small\\par\\fs72 Large\\par}");
  Grid->SetCells(1, 2, L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs16 small\\par\\fs16 small\\par}");
  const TSize Mixed = Grid->GetCellTextSize(1, 1, true, false);
  const TSize Plain = Grid->GetCellTextSize(1, 2, true, false);
  // 36 points are 48 pixels at 96 dots per inch.
  EXPECT_GE(Mixed.cy, 48 + 10);
  EXPECT_LT(Plain.cy, 40);
  EXPECT_GT(Mixed.cy, Plain.cy + 30);
}
