// The grid's check box, push button and date editors on a shown grid,
// driven by real clicks and keys; the caret placed at the click that
// opened an editor; and the cell following the spin and button editors'
// text as it is typed.
#include <gtest/gtest.h>

#include "dropdown/CalculatorDropDown.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExInplaceEdit.h"
#include "grid/interaction/GridButton.h"
#include "grid/interaction/GridCheckBox.h"
#include "grid/interaction/GridDatePicker.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_interaction/EditorGrid.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

TGridCheckBox* CheckBox(TControlGrid& G) { return G.Grid->EditCheck(); }
TGridButton* Button(TControlGrid& G) { return G.Grid->GridButton(); }

// The caret and selection of an edit window.
std::pair<Integer, Integer> Selection(HWND Edit) {
  DWORD Start = 0, End = 0;
  SendMessageW(Edit, EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  return {Integer(Start), Integer(End)};
}

}  // namespace

// --- the check box ----------------------------------------------------------------------------------

TEST(GridCheckBoxEditor, AClickOrSpaceTogglesItOnce) {
  TControlGrid G(edCheckBox);
  G.Open(1, 2);
  ASSERT_TRUE(G.Grid->EditMode());
  ASSERT_EQ(CheckBox(G)->Handle(), GetFocus());
  EXPECT_FALSE(CheckBox(G)->Checked());
  Click(CheckBox(G), 6, 6);
  Pump(20);
  EXPECT_TRUE(CheckBox(G)->Checked());
  G.Key(VK_SPACE);
  EXPECT_FALSE(CheckBox(G)->Checked());
  G.Key(VK_SPACE);
  EXPECT_TRUE(CheckBox(G)->Checked());
  EXPECT_TRUE(G.Grid->EditMode());
}

TEST(GridCheckBoxEditor, KeysThatLeaveTheCellEndTheEditAndMove) {
  struct Case {
    Word Key;
    bool Editing;  // after the key
    Integer Col, Row;
  };
  const Case Cases[] = {
      {VK_RETURN, false, 2, 2}, {VK_DOWN, false, 1, 3}, {VK_UP, false, 1, 1}, {VK_NEXT, false, 1, 2},
      {VK_LEFT, false, 1, 2},   {VK_END, false, 1, 2},  {VK_ESCAPE, true, 1, 2}, {VK_HOME, true, 1, 2},
  };
  for (const Case& C : Cases) {
    TControlGrid G(edCheckBox);
    G.Grid->SetCells(1, 2, L"caption");
    G.Open(1, 2);
    ASSERT_TRUE(G.Grid->EditMode()) << C.Key;
    EXPECT_EQ(L"caption", CheckBox(G)->Caption());
    G.Key(C.Key);
    EXPECT_EQ(C.Editing, G.Grid->EditMode()) << C.Key;
    EXPECT_EQ(C.Col, G.Grid->Col()) << C.Key;
    EXPECT_EQ(C.Row, G.Grid->Row()) << C.Key;
    if (!C.Editing) {
      EXPECT_EQ(G.Grid->Handle(), GetFocus()) << C.Key;
    }
    // The check box writes nothing back.
    EXPECT_EQ(L"caption", G.Grid->GetCells(1, 2)) << C.Key;
  }
}

// --- the push button --------------------------------------------------------------------------------

TEST(GridButtonEditor, AClickOrSpaceStoresWhatTheEllipsisHandlerGives) {
  for (bool ByClick : {true, false}) {
    TControlGrid G(edButton);
    G.Grid->OnEllipsClick = [](TObject*, Integer C, Integer R, String& S) {
      S = L"picked " + IntToStr(C) + L"," + IntToStr(R) + L" from " + S;
    };
    G.Grid->SetCells(1, 2, L"x");
    G.Open(1, 2);
    ASSERT_EQ(Button(G)->Handle(), GetFocus());
    if (ByClick)
      Click(Button(G), 10, 5);
    else
      G.Key(VK_SPACE);
    Pump(20);
    EXPECT_EQ(L"picked 1,2 from x", Button(G)->Caption()) << ByClick;
    EXPECT_EQ(L"picked 1,2 from x", G.Grid->GetCells(1, 2)) << ByClick;
    EXPECT_TRUE(G.Grid->EditMode()) << ByClick;
  }
}

TEST(GridButtonEditor, EscapeWritesTheCachedTextBackAndArrowsMoveOn) {
  struct Case {
    Word Key;
    Integer Row;
    const wchar_t* Cell;
  };
  for (const Case& C : {Case{VK_ESCAPE, 2, L"x"}, Case{VK_DOWN, 3, L"clicked"}, Case{VK_UP, 1, L"clicked"}}) {
    TControlGrid G(edButton);
    G.Grid->OnEllipsClick = [](TObject*, Integer, Integer, String& S) { S = L"clicked"; };
    G.Grid->SetCells(1, 2, L"x");
    G.Open(1, 2);
    Click(Button(G), 10, 5);
    Pump(20);
    ASSERT_EQ(L"clicked", G.Grid->GetCells(1, 2));
    G.Key(C.Key);
    EXPECT_FALSE(G.Grid->EditMode()) << C.Key;
    EXPECT_FALSE(Button(G)->Visible()) << C.Key;
    EXPECT_EQ(C.Row, G.Grid->Row()) << C.Key;
    EXPECT_EQ(C.Cell, G.Grid->GetCells(1, 2)) << C.Key;
    EXPECT_EQ(G.Grid->Handle(), GetFocus()) << C.Key;
  }
}

// Under goTabs Tab moves on to the next cell from the check box and the
// button as from every other editor (whose editor then opens, as the edit
// was under way); without it Tab leaves for the form's next control.
TEST(GridControlEditors, TabMovesToTheNextCellUnderGoTabs) {
  for (TEditorType Kind : {edCheckBox, edButton}) {
    for (bool Tabs : {true, false}) {
      TControlGrid G(Kind);
      if (Tabs) G.Grid->SetOptions(G.Grid->Options() + goTabs);
      G.Open(1, 2);
      ASSERT_TRUE(G.Grid->EditMode());
      G.Key(VK_TAB);
      EXPECT_EQ(Tabs ? 2 : 1, G.Grid->Col()) << int(Kind) << Tabs;
      if (Tabs) {
        EXPECT_TRUE(GetFocus() == G.Grid->Handle() || IsChild(G.Grid->Handle(), GetFocus())) << int(Kind);
      } else {
        EXPECT_FALSE(G.Grid->EditMode()) << int(Kind);
        EXPECT_EQ(G.Other->Handle(), GetFocus()) << int(Kind);
      }
    }
  }
}

// --- the date pickers -------------------------------------------------------------------------------

TEST(GridDatePickerEditor, EnterValidatesAndStoresThePickedDate) {
  PinnedFormatSettings Pinned{GermanFormatSettings()};
  TControlGrid G(edDateEdit);
  G.Grid->SetCells(1, 2, L"15.06.2020");
  G.Open(1, 2);
  ASSERT_EQ(G.Grid->DateTimePicker()->Handle(), GetFocus());
  G.Grid->DateTimePicker()->SetDate(EncodeDate(2020, 6, 16));
  G.Key(VK_RETURN);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(L"16.06.2020", G.Grid->GetCells(1, 2));
  EXPECT_EQ(std::vector<String>{L"validate 1,2 16.06.2020"}, G.Events);
}

TEST(GridDatePickerEditor, ARefusedDateKeepsTheEditorOnItsCell) {
  PinnedFormatSettings Pinned{GermanFormatSettings()};
  TControlGrid G(edDateEdit);
  G.Refused = {L"16.06.2020"};
  G.Grid->SetCells(1, 2, L"15.06.2020");
  G.Open(1, 2);
  G.Grid->DateTimePicker()->SetDate(EncodeDate(2020, 6, 16));
  G.Key(VK_RETURN);
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_EQ(2, G.Grid->Row());
  EXPECT_EQ(L"15.06.2020", G.Grid->GetCells(1, 2));
}

// A cell whose text reads as no date opens the picker at today; Escape
// gives the cell its own text back, not today's date.
TEST(GridDatePickerEditor, EscapeKeepsTheCellsTextEvenWhenItIsNoDate) {
  PinnedFormatSettings Pinned{GermanFormatSettings()};
  for (const wchar_t* Cell : {L"no date", L"15.6.2020"}) {
    TControlGrid G(edDateEdit);
    G.Grid->SetCells(1, 2, Cell);
    G.Open(1, 2);
    G.Grid->DateTimePicker()->SetDate(EncodeDate(2021, 1, 2));
    G.Key(VK_ESCAPE);
    EXPECT_FALSE(G.Grid->EditMode()) << Cell;
    EXPECT_EQ(Cell, G.Grid->GetCells(1, 2));
    EXPECT_EQ(0, G.Validations()) << Cell;
  }
}

TEST(GridDatePickerEditor, TabValidatesThenMovesOnUnderGoTabsOrLeavesForTheGrid) {
  PinnedFormatSettings Pinned{GermanFormatSettings()};
  for (bool Tabs : {true, false}) {
    TControlGrid G(edDateEdit);
    if (Tabs) G.Grid->SetOptions(G.Grid->Options() + goTabs);
    G.Grid->SetCells(1, 2, L"15.06.2020");
    G.Open(1, 2);
    G.Grid->DateTimePicker()->SetDate(EncodeDate(2020, 6, 20));
    G.Key(VK_TAB);
    EXPECT_EQ(L"20.06.2020", G.Grid->GetCells(1, 2)) << Tabs;
    EXPECT_EQ(std::vector<String>{L"validate 1,2 20.06.2020"}, G.Events) << Tabs;
    EXPECT_EQ(Tabs ? 2 : 1, G.Grid->Col()) << Tabs;
  }
}

TEST(GridDatePickerEditor, TakesTheCellColourOfTheGridsTones) {
  TControlGrid G(edDateEdit);
  TColorTones Tones = G.Grid->ColorTones();
  Tones.Background.BrushColor = TColor(0x40C0F0);
  G.Grid->SetColorTones(Tones);
  G.Open(1, 2);
  EXPECT_EQ(TColor(0x40C0F0), G.Grid->DateTimePicker()->Color());
}

TEST(GridDateTimePickerEditor, TabGoesFromTheDateToTheTimeAndShiftTabLeavesBackwards) {
  PinnedFormatSettings Pinned{GermanFormatSettings()};
  TControlGrid G(edDateTimeEdit);
  G.Grid->SetOptions(G.Grid->Options() + goTabs);
  G.Grid->SetCells(2, 2, L"15.06.2020 10:30");
  G.Open(2, 2);
  TGridDateTimePicker* Picker = G.Grid->DateAndTimePicker();
  ASSERT_EQ(Picker->Handle(), GetFocus());
  ASSERT_NE(nullptr, Picker->TimePicker());
  G.Key(VK_TAB);
  EXPECT_TRUE(G.Grid->EditMode());
  EXPECT_EQ(Picker->TimePicker()->Handle(), GetFocus());
  G.Key(VK_TAB, true);
  EXPECT_EQ(Picker->Handle(), GetFocus());
  G.Key(VK_TAB, true);
  EXPECT_EQ(1, G.Grid->Col());
  EXPECT_EQ(L"15.06.2020 10:30:00", G.Grid->GetCells(2, 2));
}

TEST(GridDateTimePickerEditor, EscapeGivesTheCellItsOpenedTextBack) {
  PinnedFormatSettings Pinned{GermanFormatSettings()};
  TControlGrid G(edDateTimeEdit);
  G.Grid->SetCells(1, 2, L"15.06.2020 10:30");
  G.Open(1, 2);
  G.Grid->DateAndTimePicker()->SetDateTime(EncodeDate(2021, 1, 2) + EncodeTime(8, 0, 0, 0));
  G.Key(VK_ESCAPE);
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_EQ(L"15.06.2020 10:30", G.Grid->GetCells(1, 2));
}

// --- the caret at the opening click -----------------------------------------------------------------

// With CaretPositioning a click that opens an editor puts the caret under
// the mouse: at the start for a click at the cell's left edge, after the
// text for one far right of it; without it the whole text is selected.
TEST(GridEditorCaret, TheClickThatOpensAnEditorPlacesTheCaret) {
  struct Case {
    TEditorType Kind;
    Integer Length;  // of the text the editor shows
  };
  for (const Case C : {Case{edNormal, 4}, Case{edComboEdit, 4}, Case{edCalculatorDropDown, 7}}) {
    const TEditorType Kind = C.Kind;
    for (Integer X : {3, 60}) {
      for (bool Positioning : {true, false}) {
        const String Name = IntToStr(int(Kind)) + L" x" + IntToStr(X) + (Positioning ? L" caret" : L"");
        TControlGrid G(Kind);
        G.Grid->SetColWidths(1, 100);
        G.Grid->MouseActions()->SetCaretPositioning(Positioning);
        G.Grid->SetCells(1, 2, L"1234");
        G.Grid->SetCol(1);
        G.Grid->SetRow(2);
        Pump();
        G.ClickCell(1, 2, X);
        ASSERT_TRUE(G.Grid->EditMode() || G.Grid->EditorMode()) << Name;
        const auto Sel = Selection(GetFocus());
        if (Positioning) {
          EXPECT_EQ(X == 3 ? 0 : C.Length, Sel.first) << Name;
          EXPECT_EQ(Sel.first, Sel.second) << Name;
        } else {
          EXPECT_EQ(0, Sel.first) << Name;
          EXPECT_EQ(C.Length, Sel.second) << Name;
        }
      }
    }
  }
}

// A click that opens no editor (it only moves the current cell) leaves no
// caret position behind: the editor F2 opens afterwards has F2's own
// selection, not a caret under the mouse still resting at the cell's left.
TEST(GridEditorCaret, AClickThatOpensNoEditorLeavesTheNextEditorItsOwnSelection) {
  struct Case {
    TEditorType Kind;
    Integer SelStart, SelEnd;
  };
  for (const Case C : {Case{edNormal, 4, 4}, Case{edComboEdit, 0, 4}, Case{edCalculatorDropDown, 0, 7}}) {
    SCOPED_TRACE(int(C.Kind));
    TControlGrid G(C.Kind);
    G.Grid->SetColWidths(1, 100);
    G.Grid->MouseActions()->SetCaretPositioning(true);
    G.Grid->SetCells(1, 2, L"1234");
    G.Grid->SetCol(1);
    G.Grid->SetRow(1);
    Pump();
    G.ClickCell(1, 2, 3);
    ASSERT_EQ(2, G.Grid->Row());
    ASSERT_FALSE(G.Grid->EditMode() || G.Grid->EditorMode());
    G.Key(VK_F2);
    ASSERT_TRUE(G.Grid->EditMode() || G.Grid->EditorMode());
    const auto Sel = Selection(GetFocus());
    EXPECT_EQ(C.SelStart, Sel.first);
    EXPECT_EQ(C.SelEnd, Sel.second);
  }
}

// --- the cell follows the typed text ----------------------------------------------------------------

TEST(GridEditorTextChange, TheSpinAndButtonEditorsTextReachesTheCellWhileTyping) {
  for (TEditorType Kind : {edSpinEdit, edEditBtn}) {
    TControlGrid G(edNormal);
    // Once the standard edit has shown its edits as they are made, the
    // other editors do too.
    G.Open(1, 1);
    G.Key(VK_ESCAPE);
    G.Grid->OnGetEditorType = [Kind](TObject*, Integer, Integer, TEditorType& Editor) { Editor = Kind; };
    G.Retype(1, 2, L"1", L"42");
    EXPECT_TRUE(G.Grid->EditMode()) << int(Kind);
    EXPECT_EQ(L"42", G.Grid->GetCells(1, 2)) << int(Kind);
    G.Key(VK_ESCAPE);
    EXPECT_EQ(L"1", G.Grid->GetCells(1, 2)) << int(Kind);
  }
}

// The picker's KeyPress, for the digit the window then applies.
struct TProbePicker : TGridDatePicker {
  using TGridDatePicker::TGridDatePicker;
  using TGridDatePicker::KeyPress;
};

// A typed digit that changed a field moves the picker on to the next one,
// unless that field is the last of its format (or, without a format, the
// year).
TEST(GridDatePickerEditor, AChangedFieldMovesOnUnlessItIsTheLast) {
  struct Case {
    TDateTimeKind Kind;
    const wchar_t* Format;
    TDateTime After;  // what the window holds once it took the digit
    bool Moves;
  };
  const TDateTime Before = EncodeDate(2020, 6, 15) + EncodeTime(10, 30, 0, 0);
  const Case Cases[] = {
      {dtkDate, L"", EncodeDate(2020, 6, 3) + EncodeTime(10, 30, 0, 0), true},
      {dtkDate, L"", EncodeDate(2020, 7, 15) + EncodeTime(10, 30, 0, 0), true},
      {dtkDate, L"", EncodeDate(2021, 6, 15) + EncodeTime(10, 30, 0, 0), false},
      {dtkDate, L"dd.MM.yyyy", EncodeDate(2020, 6, 3) + EncodeTime(10, 30, 0, 0), true},
      {dtkDate, L"dd.MM.yyyy", EncodeDate(2021, 6, 15) + EncodeTime(10, 30, 0, 0), false},
      {dtkDate, L"yyyy-MM-dd", EncodeDate(2020, 6, 3) + EncodeTime(10, 30, 0, 0), false},
      {dtkDate, L"yyyy-MM-dd", EncodeDate(2021, 6, 15) + EncodeTime(10, 30, 0, 0), true},
      {dtkTime, L"", EncodeDate(2020, 6, 15) + EncodeTime(11, 30, 0, 0), true},
      {dtkTime, L"", Before, false},
  };
  for (const Case& C : Cases) {
    TControlGrid G(edNormal);
    auto* Picker = new TProbePicker(G.Grid);
    Picker->SetParent(G.Grid);
    Picker->SetKind(C.Kind);
    Picker->SetFormat(C.Format);
    Picker->SetDateTime(Before);
    Picker->HandleNeeded();
    std::vector<Word> Keys;
    Picker->OnKeyDown = [&Keys](TObject*, Word& Key, TShiftState) { Keys.push_back(Key); };
    Char Digit = L'3';
    Picker->KeyPress(Digit);
    Picker->SetDateTime(C.After);
    Pump(30);
    EXPECT_EQ(C.Moves ? std::vector<Word>{VK_RIGHT} : std::vector<Word>{}, Keys)
        << C.Format << " " << int(C.Kind) << " " << C.After;
  }
}
