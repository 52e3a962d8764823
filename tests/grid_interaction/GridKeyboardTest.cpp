// The grid's keys on a shown grid, driven by real key messages through the
// message loop: where arrows, Home and End, Tab and Enter take the current
// cell over hidden, merged, fixed and read-only cells, the typed-prefix
// jump, check boxes by Space, rows inserted and deleted by key, and the
// selections made by key.
#include <gtest/gtest.h>

#include <functional>

#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExInplaceEdit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/SpeedButton.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
// Cells show as (column,row) in failures.
static void PrintTo(const TGridCoord& C, std::ostream* Out) { *Out << "(" << C.X << "," << C.Y << ")"; }
static void PrintTo(const TGridRect& R, std::ostream* Out) {
  *Out << "(" << R.Left << "," << R.Top << ")-(" << R.Right << "," << R.Bottom << ")";
}
}  // namespace jorv

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// A key with the modifiers held while it is handled.
struct TKey {
  Word VK = 0;
  bool Shift = false;
  bool Ctrl = false;
};
TKey Shifted(Word VK) { return TKey{VK, true, false}; }
TKey Ctrled(Word VK) { return TKey{VK, false, true}; }

// Rows 0..6 and columns 0..5, one fixed row and one fixed column; every
// cell holds "column:row".
struct TKeyGrid {
  TTestForm Form{460, 260};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());

  TKeyGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 440, 240);
    Grid->SetColCount(6);
    Grid->SetRowCount(7);
    Grid->SetDefaultRowHeight(22);
    Grid->SetDefaultColWidth(64);
    for (Integer r = 0; r < 7; ++r)
      for (Integer c = 0; c < 6; ++c) Grid->SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
    Pump();
    Grid->SetFocus();
    Pump();
  }
  void Press(TKey K) {
    TShiftState Shift;
    if (K.Shift) Shift.Include(ssShift);
    if (K.Ctrl) Shift.Include(ssCtrl);
    KeyToFocus(K.VK, Shift);
  }
  void Keys(const std::vector<TKey>& Sequence) {
    for (const TKey& K : Sequence) Press(K);
  }
  void Type(const String& Text) { TypeToFocus(Text); }
  void Tick() { SendMessageW(Grid->Handle(), WM_TIMER, 111, 0); }
  void GoTo(Integer C, Integer R) {
    Grid->MoveCurrentCell(C, R);
    Pump();
  }
  TGridCoord Current() const { return TGridCoord{Grid->Col(), Grid->Row()}; }
};

struct TNavCase {
  const char* Name;
  std::function<void(TRezIvevirAvod&)> Setup;
  TGridCoord Start;
  std::vector<TKey> Keys;
  TGridCoord Expected;
};

void ReadOnlyColumn(TRezIvevirAvod& G, Integer C) {
  for (Integer r = 1; r < G.RowCount(); ++r) G.SetReadOnly(C, r, true);
}

}  // namespace

// --- moving the current cell ---------------------------------------------------------------------

TEST(GridKeyboard, KeySequencesMoveTheCurrentCell) {
  auto Editing = [](TRezIvevirAvod& G) { G.SetOptions(G.Options() + goEditing); };
  auto Tabs = [](TRezIvevirAvod& G) { G.SetOptions(G.Options() + goTabs); };
  auto Nav = [](TRezIvevirAvod& G) { return G.Navigation(); };
  const std::vector<TNavCase> Cases{
      {"arrows", {}, {1, 1}, {{VK_RIGHT}, {VK_DOWN}, {VK_DOWN}}, {2, 3}},
      {"arrows stop at the edges", {}, {5, 6}, {{VK_RIGHT}, {VK_DOWN}}, {5, 6}},
      {"Home goes to the first column", {}, {4, 3}, {{VK_HOME}}, {1, 3}},
      {"End goes to the last column", {}, {1, 3}, {{VK_END}}, {5, 3}},
      {"Ctrl+Home goes to the first cell", {}, {4, 3}, {Ctrled(VK_HOME)}, {1, 1}},
      {"Ctrl+End goes to the last cell", {}, {1, 1}, {Ctrled(VK_END)}, {5, 6}},
      {"Home by rows keeps the column",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetHomeEndKey(heFirstLastRow); }, {3, 4}, {{VK_HOME}}, {3, 1}},
      {"End by rows keeps the column",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetHomeEndKey(heFirstLastRow); }, {3, 2}, {{VK_END}}, {3, 6}},
      {"Ctrl+Home by rows is the base grid's",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetHomeEndKey(heFirstLastRow); }, {3, 4}, {Ctrled(VK_HOME)}, {1, 1}},
      {"End by cells goes to the last cell",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetHomeEndKey(heFirstLastCell); }, {2, 2}, {{VK_END}}, {5, 6}},
      {"PgDn goes down a page", {}, {2, 1}, {{VK_NEXT}}, {2, 6}},
      {"PgUp comes back", {}, {2, 6}, {{VK_PRIOR}}, {2, 1}},
      {"snake: Right on the last column goes on to the next row",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetCursorAdvance(caSnake); }, {5, 2}, {{VK_RIGHT}}, {1, 3}},
      {"snake: Left on the first column goes back to the row above",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetCursorAdvance(caSnake); }, {1, 3}, {{VK_LEFT}}, {5, 2}},
      {"loop: Right on the last column wraps in the row",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetCursorAdvance(caLoop); }, {5, 2}, {{VK_RIGHT}}, {1, 2}},
      {"loop: Up on the first row wraps to the last",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetCursorAdvance(caLoop); }, {2, 1}, {{VK_UP}}, {2, 6}},
      {"loop: Down on the last row wraps to the first",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetCursorAdvance(caLoop); }, {4, 6}, {{VK_DOWN}}, {4, 1}},
      {"a merged area is crossed in one step", [](TRezIvevirAvod& G) { G.MergeCells(2, 2, 3, 1); }, {1, 2},
       {{VK_RIGHT}, {VK_RIGHT}}, {5, 2}},
      {"a cell made fixed is passed over",
       [](TRezIvevirAvod& G) {
         G.OnIsFixedCell = [](TObject*, Integer ARow, Integer ACol, bool& IsFixed) {
           IsFixed = IsFixed || (ACol == 3 && ARow == 2);
         };
       },
       {2, 2}, {{VK_RIGHT}}, {4, 2}},
      {"a cell made fixed is passed over leftwards",
       [](TRezIvevirAvod& G) {
         G.OnIsFixedCell = [](TObject*, Integer ARow, Integer ACol, bool& IsFixed) {
           IsFixed = IsFixed || (ACol == 3 && ARow == 2);
         };
       },
       {4, 2}, {{VK_LEFT}}, {2, 2}},
      {"Tab steps right and on to the next row", Tabs, {4, 2}, {{VK_TAB}, {VK_TAB}}, {1, 3}},
      {"Shift+Tab steps back to the row above", Tabs, {1, 3}, {Shifted(VK_TAB)}, {5, 2}},
      {"Shift+Tab on the first cell goes to the last cell", Tabs, {1, 1}, {Shifted(VK_TAB)}, {5, 6}},
      {"Tab on the last cell wraps to the first", Tabs, {5, 6}, {{VK_TAB}}, {1, 1}},
      {"Tab top to bottom goes down the column",
       [Tabs, Nav](TRezIvevirAvod& G) {
         Tabs(G);
         Nav(G)->SetTabAdvanceDirection(adTopBottom);
       },
       {2, 5}, {{VK_TAB}, {VK_TAB}}, {3, 1}},
      {"Tab passes over read-only cells while editing",
       [Tabs, Editing, Nav](TRezIvevirAvod& G) {
         Tabs(G);
         Editing(G);
         Nav(G)->SetAdvanceAutoEdit(false);
         ReadOnlyColumn(G, 3);
         ReadOnlyColumn(G, 4);
       },
       {2, 2}, {{VK_TAB}}, {5, 2}},
      {"Tab in a grid where nothing may be edited stays put",
       [Tabs, Editing](TRezIvevirAvod& G) {
         Tabs(G);
         Editing(G);
         G.OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
       },
       {2, 2}, {{VK_TAB}, Shifted(VK_TAB)}, {2, 2}},
  };
  for (const TNavCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TKeyGrid K;
    if (Case.Setup) Case.Setup(*K.Grid);
    K.GoTo(Case.Start.X, Case.Start.Y);
    K.Keys(Case.Keys);
    EXPECT_EQ(Case.Expected, K.Current());
  }
}

TEST(GridKeyboard, ArrowsWalkOverAHiddenColumnAsIfItWereNotThere) {
  TKeyGrid K;
  K.Grid->HideColumn(3);
  K.GoTo(2, 2);
  K.Press({VK_RIGHT});
  EXPECT_EQ((TGridCoord{3, 2}), K.Current());
  EXPECT_EQ(4, K.Grid->RealCol());
  K.Press({VK_END});
  EXPECT_EQ((TGridCoord{4, 2}), K.Current());
  EXPECT_EQ(5, K.Grid->RealCol());
}

// A raise inside the window procedure would show a message box, which
// fails the test.
TEST(GridKeyboard, KeysOnAGridOfFixedCellsOnlyGoNowhere) {
  for (THomeEndAction Mode : {heFirstLastColumn, heFirstLastRow, heFirstLastCell}) {
    TKeyGrid K;
    K.Grid->SetColCount(1);
    K.Grid->SetRowCount(1);
    K.Grid->SetFixedRightCols(1);
    K.Grid->SetOptions(K.Grid->Options() + goTabs + goRangeSelect);
    K.Grid->Navigation()->SetHomeEndKey(Mode);
    K.Grid->Navigation()->SetCursorAdvance(caSnake);
    Pump();
    K.Keys({{VK_END}, {VK_HOME}, Shifted(VK_END), {VK_RIGHT}, {VK_DOWN}, {VK_TAB}, Ctrled('A')});
    EXPECT_EQ((TGridCoord{0, 0}), K.Current());
  }
}

TEST(GridKeyboard, MoveScrollOnlyScrollsAndLeavesTheCellAlone) {
  TKeyGrid K;
  K.Grid->SetRowCount(40);
  K.Grid->Navigation()->SetMoveScrollOnly(true);
  K.GoTo(2, 3);
  K.Press({VK_DOWN});
  EXPECT_EQ(2, K.Grid->TopRow());
  K.Press({VK_NEXT});
  EXPECT_GT(K.Grid->TopRow(), 2);
  K.Press({VK_HOME});
  EXPECT_EQ(1, K.Grid->TopRow());
  EXPECT_EQ((TGridCoord{2, 3}), K.Current());
}

TEST(GridKeyboard, TabAtTheEndHandsTheFocusOnToTheParent) {
  TKeyGrid K;
  K.Grid->SetOptions(K.Grid->Options() + goTabs);
  K.Grid->Navigation()->SetTabToNextAtEnd(true);
  K.GoTo(5, 6);
  MSG Stale;
  while (PeekMessageW(&Stale, K.Form->Handle(), WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) {}
  SendMessageW(K.Grid->Handle(), WM_KEYDOWN, VK_TAB, 1);
  EXPECT_EQ((TGridCoord{1, 1}), K.Current());
  MSG Posted{};
  ASSERT_TRUE(PeekMessageW(&Posted, K.Form->Handle(), WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
  EXPECT_EQ(WPARAM(VK_TAB), Posted.wParam);
}

TEST(GridKeyboard, CtrlDownMovesTheSelectedRowsWithTheSelection) {
  TKeyGrid K;
  K.Grid->SetOptions(K.Grid->Options() + goRangeSelect);
  K.Grid->Navigation()->SetCursorMoveRows(true);
  K.Grid->SetSelection(TGridRect{1, 3, 5, 5});
  K.Press(Ctrled(VK_DOWN));
  EXPECT_EQ(L"1:6", K.Grid->GetCells(1, 3));
  EXPECT_EQ(L"1:3", K.Grid->GetCells(1, 4));
  EXPECT_EQ(L"1:5", K.Grid->GetCells(1, 6));
  EXPECT_EQ(4, K.Grid->Selection().Top);
  EXPECT_EQ(6, K.Grid->Selection().Bottom);
}

// --- Enter ---------------------------------------------------------------------------------------

struct TEnterCase {
  const char* Name;
  std::function<void(TRezIvevirAvod&)> Setup;
  TGridCoord Start;
  TGridCoord Expected;
  Integer Rows;
};

// The first Enter opens the editor, the second ends the edit and advances.
TEST(GridKeyboard, EnterAdvancesByTheAdvanceSettings) {
  auto Nav = [](TRezIvevirAvod& G) { return G.Navigation(); };
  const std::vector<TEnterCase> Cases{
      {"left to right", {}, {2, 2}, {3, 2}, 7},
      {"on to the next row", {}, {5, 2}, {1, 3}, 7},
      {"round to the first row", {}, {5, 6}, {1, 1}, 7},
      {"no loop at the end stays", [Nav](TRezIvevirAvod& G) { Nav(G)->SetAdvanceOnEnterLoop(false); }, {5, 6},
       {5, 6}, 7},
      {"appends a row at the end", [Nav](TRezIvevirAvod& G) { Nav(G)->SetAdvanceInsert(true); }, {5, 6}, {1, 7},
       8},
      {"a refused row keeps the row",
       [Nav](TRezIvevirAvod& G) {
         Nav(G)->SetAdvanceInsert(true);
         G.OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; };
       },
       {5, 6}, {1, 6}, 7},
      {"top to bottom", [Nav](TRezIvevirAvod& G) { Nav(G)->SetAdvanceDirection(adTopBottom); }, {2, 2}, {2, 3}, 7},
      {"top to bottom on to the next column",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetAdvanceDirection(adTopBottom); }, {2, 6}, {3, 1}, 7},
      {"in the row wraps in the row",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetAdvanceDirection(adLeftRightInRow); }, {5, 3}, {1, 3}, 7},
      {"in the column wraps in the column",
       [Nav](TRezIvevirAvod& G) { Nav(G)->SetAdvanceDirection(adTopBottomInCol); }, {2, 6}, {2, 1}, 7},
      {"past a merged area", [](TRezIvevirAvod& G) { G.MergeCells(1, 2, 3, 1); }, {1, 2}, {4, 2}, 7},
      {"past read-only cells",
       [](TRezIvevirAvod& G) {
         ReadOnlyColumn(G, 3);
         ReadOnlyColumn(G, 4);
       },
       {2, 2}, {5, 2}, 7},
      {"back to the start when all else is read-only",
       [](TRezIvevirAvod& G) {
         G.OnCanEditCell = [](TObject*, Integer ACol, Integer ARow, bool& CanEdit) {
           CanEdit = ACol == 2 && ARow == 2;
         };
       },
       {2, 2}, {2, 2}, 7},
  };
  for (const TEnterCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TKeyGrid K;
    K.Grid->SetOptions(K.Grid->Options() + goEditing);
    K.Grid->Navigation()->SetAdvanceOnEnter(true);
    if (Case.Setup) Case.Setup(*K.Grid);
    K.GoTo(Case.Start.X, Case.Start.Y);
    K.Press({VK_RETURN});
    K.Press({VK_RETURN});
    EXPECT_EQ(Case.Expected, K.Current());
    EXPECT_EQ(Case.Rows, K.Grid->RowCount());
  }
}

TEST(GridKeyboard, EnterAtTheEndAnnouncesTheAppendedRow) {
  TKeyGrid K;
  std::vector<Integer> Added;
  K.Grid->OnAutoAddRow = [&](TObject*, Integer ARow) { Added.push_back(ARow); };
  K.Grid->SetOptions(K.Grid->Options() + goEditing);
  K.Grid->Navigation()->SetAdvanceOnEnter(true);
  K.Grid->Navigation()->SetAdvanceInsert(true);
  K.GoTo(5, 6);
  K.Press({VK_RETURN});
  K.Type(L"x");
  K.Press({VK_RETURN});
  EXPECT_EQ(L"x", K.Grid->GetCells(5, 6));
  EXPECT_EQ(std::vector<Integer>{7}, Added);
  EXPECT_EQ(L"", K.Grid->GetCells(1, 7));
}

TEST(GridKeyboard, DownOnTheLastRowAppendsARowWhenAllowed) {
  TKeyGrid K;
  std::vector<Integer> Added;
  bool Allow = true;
  K.Grid->OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = Allow; };
  K.Grid->OnAutoAddRow = [&](TObject*, Integer ARow) { Added.push_back(ARow); };
  K.Grid->Navigation()->SetAppendOnArrowDown(true);
  K.GoTo(2, 6);
  K.Press({VK_DOWN});
  EXPECT_EQ(8, K.Grid->RowCount());
  EXPECT_EQ((TGridCoord{2, 7}), K.Current());
  EXPECT_EQ(L"", K.Grid->GetCells(2, 7));
  EXPECT_EQ(std::vector<Integer>{7}, Added);
  Allow = false;
  K.Press({VK_DOWN});
  EXPECT_EQ(8, K.Grid->RowCount());
}

// --- typed prefix --------------------------------------------------------------------------------

TEST(GridKeyboard, TypedPrefixJumpsToTheFirstMatchingRowUntilTheFourthTick) {
  TKeyGrid K;
  const wchar_t* Names[] = {L"", L"alpha", L"beta", L"bear", L"best", L"gamma", L"<b>Delta</b>"};
  for (Integer r = 1; r < 7; ++r) K.Grid->SetCells(1, r, Names[r]);
  K.Grid->Navigation()->SetAutoGotoWhenSorted(true);
  K.Grid->Navigation()->SetAutoGotoIncremental(true);
  K.GoTo(3, 1);
  K.Type(L"be");
  EXPECT_EQ(2, K.Grid->Row());
  K.Type(L"s");
  EXPECT_EQ(4, K.Grid->Row());
  EXPECT_EQ(L"BES", UpperCase(K.Grid->SearchInc()));
  for (int i = 0; i < 3; ++i) K.Tick();
  EXPECT_EQ(L"bes", K.Grid->SearchInc());
  K.Tick();
  EXPECT_EQ(L"", K.Grid->SearchInc());
  K.Type(L"d");
  EXPECT_EQ(6, K.Grid->Row());
  // A prefix nothing starts with empties the buffer and leaves the row.
  K.Type(L"q");
  EXPECT_EQ(6, K.Grid->Row());
  EXPECT_EQ(L"", K.Grid->SearchInc());
}

TEST(GridKeyboard, TheGridWantsCharactersWhereItUsesThemAndLeavesTheRestToMnemonics) {
  const struct {
    const char* Name;
    bool RowSelect, Editing, AutoGoto;
    bool GridWantsChars;
  } Cases[] = {
      {"row select with the typed-prefix jump", true, false, true, true},
      {"editing off", false, false, false, true},
      {"editing on", false, true, false, true},
      {"row select, editing on, no jump", true, true, false, false},
  };
  for (const auto& C : Cases) {
    TKeyGrid K;
    auto* Button = new TSpeedButton(K.Form.Get());
    Button->SetParent(K.Form.Get());
    Button->SetBounds(0, 240, 60, 20);
    Button->SetCaption(L"&b");
    Integer Clicks = 0;
    Button->OnClick = [&](TObject*) { ++Clicks; };
    for (Integer r = 1; r < 7; ++r) K.Grid->SetCells(1, r, r == 4 ? L"beta" : L"alpha");
    TGridOptions Options = K.Grid->Options();
    if (C.RowSelect) Options.Include(goRowSelect);
    if (C.Editing) Options.Include(goEditing);
    K.Grid->SetOptions(Options);
    K.Grid->Navigation()->SetAutoGotoWhenSorted(C.AutoGoto);
    K.GoTo(1, 1);
    K.Type(L"b");
    const bool Wanted = (SendMessageW(K.Grid->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) != 0;
    EXPECT_EQ(Wanted, C.GridWantsChars) << C.Name;
    // A character the grid does not want goes to the form's mnemonic.
    EXPECT_EQ(Clicks, C.GridWantsChars ? 0 : 1) << C.Name;
    if (C.AutoGoto) {
      EXPECT_EQ(K.Grid->Row(), 4) << C.Name;
    }
    K.Grid->HideInplaceEdit();
  }
}

TEST(GridKeyboard, LeftAndRightCloseAndOpenANodeRowShownAsOneMergedCell) {
  const struct {
    const char* Name;
    bool Merged;
    Integer RowsAfterLeft;
  } Cases[] = {
      {"merged node row", true, 5},
      {"node row not merged", false, 7},
  };
  for (const auto& C : Cases) {
    TKeyGrid K;
    K.Grid->AddNode(2, 3);
    if (C.Merged) K.Grid->MergeCells(1, 2, 5, 1);
    K.GoTo(1, 2);
    K.Press(TKey{VK_LEFT});
    EXPECT_EQ(K.Grid->RowCount(), C.RowsAfterLeft) << C.Name;
    EXPECT_EQ(K.Grid->GetNodeState(2), C.Merged) << C.Name;
    K.GoTo(1, 2);
    K.Press(TKey{VK_RIGHT});
    EXPECT_EQ(K.Grid->RowCount(), 7) << C.Name;
    EXPECT_FALSE(K.Grid->GetNodeState(2)) << C.Name;
  }
}

// --- check boxes ---------------------------------------------------------------------------------

TEST(GridKeyboard, SpaceTogglesACheckBoxOnlyWhereItMayBeEdited) {
  TKeyGrid K;
  std::vector<String> Clicks;
  K.Grid->OnCheckBoxClick = [&](TObject*, Integer ACol, Integer ARow, bool State) {
    Clicks.push_back(IntToStr(ACol) + L"," + IntToStr(ARow) + (State ? L" on" : L" off"));
  };
  K.Grid->AddCheckBox(2, 3, false, false);
  K.GoTo(2, 3);
  K.Press({VK_SPACE});
  bool State = true;
  K.Grid->GetCheckBoxState(2, 3, State);
  EXPECT_FALSE(State);
  K.Grid->SetOptions(K.Grid->Options() + goEditing);
  K.Press({VK_SPACE});
  K.Grid->GetCheckBoxState(2, 3, State);
  EXPECT_TRUE(State);
  EXPECT_EQ(std::vector<String>{L"2,3 on"}, Clicks);
  // The space opened no editor.
  EXPECT_FALSE(K.Grid->EditorMode());
}

// --- characters ----------------------------------------------------------------------------------

TEST(GridKeyboard, TheKeypadPointTypesTheLocalesSeparator) {
  PinnedFormatSettings German(GermanFormatSettings());
  for (bool Keypad : {true, false}) {
    SCOPED_TRACE(Keypad ? "keypad" : "main keyboard");
    TKeyGrid K;
    K.Grid->SetOptions(K.Grid->Options() + goEditing);
    K.Grid->SetExcelStyleDecimalSeparator(true);
    K.GoTo(2, 2);
    PostMessageW(K.Grid->Handle(), WM_CHAR, L'.', 1 | (Keypad ? 0x400000 : 0));
    Pump(30);
    ASSERT_TRUE(K.Grid->NormalEdit() && K.Grid->NormalEdit()->EditVisible());
    EXPECT_EQ(Keypad ? L"," : L".", K.Grid->NormalEdit()->Text());
  }
}

// --- rows by key ---------------------------------------------------------------------------------

TEST(GridKeyboard, InsAndDelInsertAndRemoveTheCurrentRowWhenAllowed) {
  TKeyGrid K;
  std::vector<String> Events;
  bool AllowInsert = true;
  K.Grid->OnCanInsertRow = [&](TObject*, Integer ARow, bool& CanInsert) {
    Events.push_back(L"can insert " + IntToStr(ARow));
    CanInsert = AllowInsert;
  };
  K.Grid->OnAutoInsertRow = [&](TObject*, Integer ARow) { Events.push_back(L"inserted " + IntToStr(ARow)); };
  K.Grid->OnCanDeleteRow = [&](TObject*, Integer ARow, bool&) { Events.push_back(L"can delete " + IntToStr(ARow)); };
  K.Grid->OnAutoDeleteRow = [&](TObject*, Integer ARow) { Events.push_back(L"deleted " + IntToStr(ARow)); };
  K.Grid->Navigation()->SetAllowInsertRow(true);
  K.Grid->Navigation()->SetAllowDeleteRow(true);
  K.GoTo(2, 3);
  K.Press({VK_INSERT});
  EXPECT_EQ(8, K.Grid->RowCount());
  EXPECT_EQ(L"", K.Grid->GetCells(2, 3));
  EXPECT_EQ(L"2:3", K.Grid->GetCells(2, 4));
  AllowInsert = false;
  K.Press({VK_INSERT});
  EXPECT_EQ(8, K.Grid->RowCount());
  K.GoTo(2, 4);
  K.Press({VK_DELETE});
  EXPECT_EQ(7, K.Grid->RowCount());
  EXPECT_EQ(L"2:4", K.Grid->GetCells(2, 4));
  EXPECT_TRUE(K.Grid->GridModified());
  const std::vector<String> Expected{L"can insert 3", L"inserted 3", L"can insert 3", L"can delete 4",
                                     L"deleted 4"};
  EXPECT_EQ(Expected, Events);
}

TEST(GridKeyboard, DelOnAGridWithoutNormalRowsDoesNothing) {
  TKeyGrid K;
  K.Grid->Navigation()->SetAllowDeleteRow(true);
  K.Grid->SetRowCount(2);
  K.Grid->SetFixedFooters(1);
  Pump();
  K.Press({VK_DELETE});
  EXPECT_EQ(2, K.Grid->RowCount());
  EXPECT_EQ(L"1:1", K.Grid->GetCells(1, 1));
}

// Found by fuzzing: the removed row runs through merged fixed cells and the
// grid hides a column of the merged area.
TEST(GridKeyboard, DelRemovesARowThatCrossesMergedFixedCells) {
  TKeyGrid K;
  K.Grid->Navigation()->SetAllowDeleteRow(true);
  K.Grid->SetColCount(7);
  K.Grid->SetRowCount(9);
  K.Grid->SetFixedCols(2);
  K.Grid->SetFixedRightCols(1);
  K.Grid->SetFixedFooters(1);
  K.Grid->MergeCells(0, 0, 1, 3);
  K.Grid->MergeCells(0, 0, 3, 1);
  K.Grid->HideColumn(1);
  K.GoTo(2, 1);
  K.Press({VK_DELETE});
  EXPECT_EQ(8, K.Grid->RowCount());
}

// --- selections by key ---------------------------------------------------------------------------

TEST(GridKeyboard, CtrlASelectsEveryNormalCell) {
  TKeyGrid K;
  K.Grid->SetOptions(K.Grid->Options() + goRangeSelect);
  K.GoTo(3, 3);
  K.Press(Ctrled('A'));
  const TGridRect S = K.Grid->Selection();
  EXPECT_EQ((TGridRect{1, 1, 5, 6}), S);
}

TEST(GridKeyboard, SelectAllEndsWithAClickOnItsLastCell) {
  TKeyGrid K;
  std::vector<TGridCoord> Clicks;
  K.Grid->OnClickCell = [&](TObject*, Integer ARow, Integer ACol) { Clicks.push_back(TGridCoord{ACol, ARow}); };
  K.Grid->SetOptions(K.Grid->Options() + goRangeSelect);
  K.GoTo(2, 2);
  K.Press(Ctrled('A'));
  EXPECT_EQ((TGridRect{1, 1, 5, 6}), K.Grid->Selection());
  EXPECT_EQ((TGridCoord{5, 6}), K.Current());
  EXPECT_EQ(Clicks, (std::vector<TGridCoord>{{5, 6}}));
  EXPECT_FALSE(K.Grid->EditMode());
}

TEST(GridKeyboard, ShiftArrowsExtendTheRangeFromTheAnchor) {
  TKeyGrid K;
  K.Grid->SetOptions(K.Grid->Options() + goRangeSelect);
  K.GoTo(2, 2);
  K.Keys({Shifted(VK_RIGHT), Shifted(VK_DOWN), Shifted(VK_DOWN)});
  EXPECT_EQ((TGridRect{2, 2, 3, 4}), K.Grid->Selection());
  EXPECT_TRUE(K.Grid->IsSelected(3, 4));
  EXPECT_FALSE(K.Grid->IsSelected(4, 4));
  K.Press({VK_LEFT});
  EXPECT_EQ((TGridRect{2, 4, 2, 4}), K.Grid->Selection());
}

TEST(GridKeyboard, DisjunctRowsFollowTheArrowsAndSpaceToggles) {
  TKeyGrid K;
  K.Grid->SetOptions(K.Grid->Options() + goRangeSelect);
  K.Grid->MouseActions()->SetDisjunctRowSelect(true);
  K.GoTo(1, 1);
  K.Press({VK_DOWN});
  EXPECT_TRUE(K.Grid->IsSelected(3, 2));
  EXPECT_FALSE(K.Grid->IsSelected(3, 1));
  K.Press({VK_SPACE});
  EXPECT_FALSE(K.Grid->IsSelected(3, 2));
  K.Keys({Shifted(VK_DOWN), Shifted(VK_DOWN)});
  EXPECT_TRUE(K.Grid->IsSelected(1, 2));
  EXPECT_TRUE(K.Grid->IsSelected(1, 4));
  EXPECT_FALSE(K.Grid->IsSelected(1, 5));
  // A plain arrow starts again from the current row alone.
  K.Press({VK_DOWN});
  EXPECT_FALSE(K.Grid->IsSelected(1, 2));
  EXPECT_TRUE(K.Grid->IsSelected(1, 5));
  EXPECT_EQ(1, K.Grid->RowSelectCount());
}

TEST(GridKeyboard, DisjunctCellsAreCollectedWithCtrlSpace) {
  TKeyGrid K;
  K.Grid->MouseActions()->SetDisjunctCellSelect(true);
  K.GoTo(2, 2);
  K.Press({VK_SPACE});
  K.Keys({{VK_RIGHT}, {VK_RIGHT}, {VK_DOWN}});
  K.Press(Ctrled(VK_SPACE));
  EXPECT_TRUE(K.Grid->IsSelected(2, 2));
  EXPECT_TRUE(K.Grid->IsSelected(4, 3));
  EXPECT_FALSE(K.Grid->IsSelected(3, 2));
  EXPECT_EQ(2, K.Grid->SelectedCellsCount());
  // Ctrl+Space again takes the cell out; Space alone starts over.
  K.Press(Ctrled(VK_SPACE));
  EXPECT_FALSE(K.Grid->IsSelected(4, 3));
  K.Press({VK_UP});
  K.Press({VK_SPACE});
  EXPECT_EQ(1, K.Grid->SelectedCellsCount());
  EXPECT_TRUE(K.Grid->IsSelected(4, 2));
}

TEST(GridKeyboard, SelectionChangesByKeyAreAnnouncedOncePerKey) {
  TKeyGrid K;
  std::vector<String> Changes;
  K.GoTo(2, 2);
  K.Grid->OnSelectionChanged = [&](TObject*, Integer L, Integer T, Integer R, Integer B) {
    Changes.push_back(IntToStr(L) + L"," + IntToStr(T) + L"-" + IntToStr(R) + L"," + IntToStr(B));
  };
  K.Keys({{VK_RIGHT}, {VK_DOWN}, {VK_HOME}});
  const std::vector<String> Expected{L"3,2-3,2", L"3,3-3,3", L"1,3-1,3"};
  EXPECT_EQ(Expected, Changes);
}
