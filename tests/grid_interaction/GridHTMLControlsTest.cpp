// Form controls drawn inside HTML cells, used through real clicks and
// keys: check boxes and radio buttons toggled in the cell's text, buttons
// pushed, and the edit and combo laid over edit and combo controls that
// write their value back into the control's VALUE.
#include <gtest/gtest.h>

#include "foundation/HTMLUtils.h"
#include "grid/interaction/HTMLControlEditors.h"
#include "tests/grid_interaction/EditorGrid.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

String Control(const String& Type, const String& ID, const String& Value, const String& Extra = String()) {
  return L"<CONTROL TYPE=\"" + Type + L"\" ID=\"" + ID + L"\" VALUE=\"" + Value + L"\" WIDTH=\"80\"" + Extra + L">";
}

// Cell (1, 1) of a shown, editable grid holds the controls, each 80 pixels
// wide and side by side; the events of the controls are recorded.
struct THTMLGrid : TControlGrid {
  explicit THTMLGrid(const String& Cell) : TControlGrid(edNormal) {
    Grid->SetColWidths(1, 260);
    Grid->SetRowHeights(1, 32);
    Grid->SetCells(1, 1, Cell);
    Grid->OnControlClick = [this](TObject*, Integer R, Integer C, const String& ID, const String& Type,
                                  const String& Value) {
      Events.push_back(L"click " + IntToStr(R) + L"," + IntToStr(C) + L" " + ID + L" " + Type + L" " + Value);
    };
    Grid->OnControlEditDone = [this](TObject*, Integer R, Integer C, const String& ID, const String& Type,
                                     const String& Value) {
      Events.push_back(L"done " + IntToStr(R) + L"," + IntToStr(C) + L" " + ID + L" " + Type + L" " + Value);
    };
    Pump();
  }
  // A point inside the Index-th control of the cell.
  TPoint ControlAt(Integer Index) {
    const TRect Cell = Grid->CellRect(1, 1);
    return TPoint{Cell.Left + 12 + 80 * Index, Cell.Top + 12};
  }
  void ClickControl(Integer Index) {
    const TPoint P = ControlAt(Index);
    Click(Grid, P.X, P.Y);
    Pump();
  }
  String Value(const String& ID) {
    String V = L"(none)";
    foundation::GetControlValue(Grid->GetCells(1, 1), ID, V);
    return V;
  }
  TControlEdit* Edit() { return Grid->HTMLEditControl(); }
  TControlCombo* Combo() { return Grid->ComboControl(); }
  bool Focused(TWinControl* C) { return C->HandleAllocated() && GetFocus() == C->Handle(); }
  void Retype(const String& Text) {
    PostMessageW(GetFocus(), EM_SETSEL, 0, -1);
    Type(Text);
  }
};

const String TwoEdits = Control(L"EDIT", L"name", L"abc") + Control(L"EDIT", L"city", L"Bonn");

}  // namespace

TEST(GridHTMLControlEditors, AClickOpensTheEditOverTheControlAndEnterWritesItsValueBack) {
  THTMLGrid G(TwoEdits + L" <B>x</B>");
  G.ClickControl(1);
  ASSERT_TRUE(G.Edit()->Visible());
  EXPECT_TRUE(G.Focused(G.Edit()));
  EXPECT_EQ(L"Bonn", G.Edit()->Text());
  EXPECT_EQ(0, G.Edit()->PasswordChar());
  // The second control starts 80 pixels after the first, which starts 4
  // pixels into the cell on the text's first line, 3 pixels down. The edit
  // lies inside its box: one pixel in, 8 down, 4 narrower and 14 high.
  const TRect Cell = G.Grid->CellRect(1, 1);
  const Integer Left = Cell.Left + 4 + 80, Top = Cell.Top + 3;
  EXPECT_EQ(TRect(Left + 1, Top + 8, Left + 1 + 76, Top + 8 + 14), G.Edit()->BoundsRect());
  G.Retype(L"Köln");
  G.Key(VK_RETURN);
  EXPECT_FALSE(G.Edit()->Visible());
  EXPECT_TRUE(G.Focused(G.Grid));
  EXPECT_EQ(L"Köln", G.Value(L"city"));
  EXPECT_EQ(L"abc", G.Value(L"name"));
  EXPECT_NE(String::npos, G.Grid->GetCells(1, 1).find(L"> <B>x</B>"));
  ASSERT_EQ(2u, G.Events.size());
  EXPECT_EQ(L"click 1,1 city EDIT Bonn", G.Events[0]);
  EXPECT_EQ(L"done 1,1 city EDIT Köln", G.Events[1]);
}

TEST(GridHTMLControlEditors, PasswordAndMaskControlsEditWithTheirOwnLook) {
  THTMLGrid G(Control(L"PASSWORD", L"pw", L"secret") + Control(L"MASK", L"zip", L"12345", L" PROP=\"00000;1;_\""));
  G.ClickControl(0);
  ASSERT_TRUE(G.Edit()->Visible());
  EXPECT_EQ(L'*', G.Edit()->PasswordChar());
  EXPECT_EQ(L"", G.Edit()->EditMask());
  G.Retype(L"n3w");
  G.Key(VK_RETURN);
  // Written back as typed, never as the stars shown.
  EXPECT_EQ(L"n3w", G.Value(L"pw"));
  G.ClickControl(1);
  ASSERT_TRUE(G.Edit()->Visible());
  EXPECT_EQ(0, G.Edit()->PasswordChar());
  EXPECT_EQ(L"00000;1;_", G.Edit()->EditMask());
  EXPECT_EQ(L"12345", G.Edit()->Text());
  G.Key(VK_HOME);
  G.Type(L"9x8");
  G.Key(VK_RETURN);
  // The mask takes digits only.
  EXPECT_EQ(L"98345", G.Value(L"zip"));
}

TEST(GridHTMLControlEditors, LeavingTheEditByAClickElsewhereStoresLikeEnter) {
  THTMLGrid G(TwoEdits);
  G.ClickControl(0);
  G.Retype(L"xyz");
  Click(G.Other, 5, 5);
  Pump();
  EXPECT_TRUE(G.Focused(G.Other));
  EXPECT_FALSE(G.Edit()->Visible());
  EXPECT_EQ(L"xyz", G.Value(L"name"));
  EXPECT_EQ(L"done 1,1 name EDIT xyz", G.Events.back());
  // The combo likewise, also when a click on another control of the cell
  // closes it, and its open list goes with it.
  G.Grid->SetCells(1, 1, Control(L"COMBO", L"col", L"Rot") + Control(L"CHECK", L"c", L"FALSE"));
  G.ClickControl(0);
  ASSERT_TRUE(G.Combo()->DroppedDown());
  G.Retype(L"Gelb");
  G.ClickControl(1);
  EXPECT_EQ(L"Gelb", G.Value(L"col"));
  EXPECT_EQ(L"TRUE", G.Value(L"c"));
  EXPECT_FALSE(G.Combo()->Visible());
  EXPECT_FALSE(G.Combo()->DroppedDown());
}

TEST(GridHTMLControlEditors, TabStoresAndOpensTheNextControlOfTheCellAndTheLastGivesTheGridTheFocus) {
  THTMLGrid G(TwoEdits + Control(L"CHECK", L"ok", L"FALSE"));
  // The clicked cell is not the current one: Tab follows the edited cell.
  G.Grid->SetCol(2);
  G.Grid->SetRow(3);
  G.ClickControl(0);
  G.Retype(L"first");
  G.Key(VK_TAB);
  EXPECT_EQ(L"first", G.Value(L"name"));
  ASSERT_TRUE(G.Edit()->Visible());
  EXPECT_TRUE(G.Focused(G.Edit()));
  EXPECT_EQ(L"Bonn", G.Edit()->Text());
  EXPECT_EQ(G.Grid->CellRect(1, 1).Left + 4 + 80 + 1, G.Edit()->Left());
  G.Retype(L"second");
  // The check box after it takes no editor.
  G.Key(VK_TAB);
  EXPECT_EQ(L"second", G.Value(L"city"));
  EXPECT_FALSE(G.Edit()->Visible());
  EXPECT_TRUE(G.Focused(G.Grid));
}

TEST(GridHTMLControlEditors, TabWithAdvanceAutoMovesTheCurrentCellOn) {
  THTMLGrid G(TwoEdits);
  G.Grid->Navigation()->SetAdvanceAuto(true);
  G.Grid->SetCol(1);
  G.Grid->SetRow(1);
  G.ClickControl(0);
  G.Retype(L"moved");
  G.Key(VK_TAB);
  EXPECT_EQ(L"moved", G.Value(L"name"));
  EXPECT_FALSE(G.Edit()->Visible());
  EXPECT_EQ(2, G.Grid->Col());
  EXPECT_EQ(1, G.Grid->Row());
}

TEST(GridHTMLControlEditors, ComboListsTheApplicationsValuesAndSelectsTheControlsValue) {
  struct Case {
    bool Edit;
    const wchar_t* Value;
    TComboBoxStyle Style;
    Integer Index;
    const wchar_t* Shown;
  };
  const Case Cases[] = {
      {true, L"Rot", csDropDown, 0, L"Rot"},
      {false, L"Blau", csDropDownList, 2, L"Blau"},
      {true, L"Lila", csDropDown, -1, L"Lila"},
  };
  for (const Case& C : Cases) {
    THTMLGrid G(Control(L"COMBO", L"col", C.Value));
    G.Grid->OnControlComboList = [&](TObject*, Integer R, Integer Col, const String& ID, const String& Type,
                                     const String& Value, TStringList* Values, bool& Edit, Integer& DropCount) {
      G.Events.push_back(L"list " + IntToStr(R) + L"," + IntToStr(Col) + L" " + ID + L" " + Type + L" " + Value);
      Values->Add(L"Rot");
      Values->Add(L"Grün");
      Values->Add(L"Blau");
      Edit = C.Edit;
      DropCount = 5;
    };
    G.ClickControl(0);
    ASSERT_TRUE(G.Combo()->Visible()) << C.Value;
    EXPECT_EQ(String(L"list 1,1 col COMBO ") + C.Value, G.Events[1]);
    EXPECT_EQ(C.Style, G.Combo()->Style()) << C.Value;
    EXPECT_EQ(C.Index, G.Combo()->ItemIndex()) << C.Value;
    EXPECT_EQ(C.Shown, G.Combo()->Text()) << C.Value;
    EXPECT_EQ(5, G.Combo()->DropDownCount());
    EXPECT_TRUE(G.Combo()->DroppedDown()) << C.Value;
    const TRect Cell = G.Grid->CellRect(1, 1);
    EXPECT_EQ(Cell.Left + 4 - 1, G.Combo()->Left());
    EXPECT_EQ(Cell.Top + 3 + 4, G.Combo()->Top());
    EXPECT_EQ(80, G.Combo()->Width());
  }
}

TEST(GridHTMLControlEditors, ComboSelectionIsRelayedAndEnterWritesTheChosenItemBack) {
  THTMLGrid G(Control(L"COMBO", L"col", L"Rot") + L" <I>Farbe</I>");
  G.Grid->OnControlComboList = [](TObject*, Integer, Integer, const String&, const String&, const String&,
                                  TStringList* Values, bool& Edit, Integer&) {
    if (Values->Count() == 0) Values->Add(L"Rot"), Values->Add(L"Grün"), Values->Add(L"Blau");
    Edit = false;
  };
  std::vector<String> Selected;
  G.Grid->OnControlComboSelect = [&](TObject*, Integer R, Integer C, Integer Index, const String& ID,
                                     const String& Value) {
    Selected.push_back(IntToStr(R) + L"," + IntToStr(C) + L" " + IntToStr(Index) + L" " + ID + L" " + Value);
  };
  G.ClickControl(0);
  ASSERT_TRUE(G.Combo()->Visible());
  G.Key(VK_DOWN);
  G.Key(VK_RETURN);
  ASSERT_FALSE(Selected.empty());
  EXPECT_EQ(L"1,1 1 col Grün", Selected.back());
  if (G.Combo()->Visible()) G.Key(VK_RETURN);
  EXPECT_FALSE(G.Combo()->Visible());
  EXPECT_EQ(L"Grün", G.Value(L"col"));
  EXPECT_NE(String::npos, G.Grid->GetCells(1, 1).find(L"> <I>Farbe</I>"));
  EXPECT_EQ(L"done 1,1 col COMBO Grün", G.Events.back());
  // Opening it again keeps the list the application filled.
  G.ClickControl(0);
  EXPECT_EQ(3, G.Combo()->Items()->Count());
  EXPECT_EQ(1, G.Combo()->ItemIndex());
}

TEST(GridHTMLControlClicks, CheckBoxesToggleAndRadioButtonsSelectOneInTheCellText) {
  THTMLGrid G(Control(L"CHECK", L"c", L"FALSE") + Control(L"RADIO", L"r1", L"FALSE") +
              Control(L"RADIO", L"r2", L"TRUE"));
  const struct {
    Integer Index;
    const wchar_t* Expected;  // values of c, r1 and r2 after the click
    const wchar_t* Event;
  } Steps[] = {
      {0, L"TRUE FALSE TRUE", L"click 1,1 c CHECK TRUE"},
      {0, L"FALSE FALSE TRUE", L"click 1,1 c CHECK FALSE"},
      {2, L"FALSE FALSE TRUE", L"click 1,1 r2 RADIO TRUE"},
      {1, L"FALSE TRUE FALSE", L"click 1,1 r1 RADIO TRUE"},
  };
  for (const auto& S : Steps) {
    G.ClickControl(S.Index);
    EXPECT_EQ(S.Expected, G.Value(L"c") + L" " + G.Value(L"r1") + L" " + G.Value(L"r2")) << S.Event;
    EXPECT_EQ(S.Event, G.Events.back());
  }
  // Neither opens an editor nor the cell's inplace edit.
  EXPECT_FALSE(G.Grid->CtrlEditing());
  EXPECT_FALSE(G.Grid->EditMode());
}

TEST(GridHTMLControlClicks, ControlsOfACellThatMayNotBeEditedDoNothing) {
  const struct {
    const wchar_t* Why;
    bool Editing, ReadOnly, CanEdit;
  } Cases[] = {
      {L"editing off", false, false, true},
      {L"read-only cell", true, true, true},
      {L"refused by OnCanEditCell", true, false, false},
  };
  for (const auto& C : Cases) {
    THTMLGrid G(Control(L"CHECK", L"c", L"FALSE") + Control(L"EDIT", L"e", L"v"));
    if (!C.Editing) G.Grid->SetOptions(G.Grid->Options() - goEditing);
    G.Grid->SetReadOnly(1, 1, C.ReadOnly);
    G.Grid->OnCanEditCell = [&C](TObject*, Integer, Integer, bool& Can) { Can = Can && C.CanEdit; };
    G.ClickControl(0);
    G.ClickControl(1);
    EXPECT_EQ(L"FALSE", G.Value(L"c")) << C.Why;
    EXPECT_FALSE(G.Grid->CtrlEditing()) << C.Why;
    EXPECT_TRUE(G.Events.empty()) << C.Why;
  }
}

TEST(GridHTMLControlClicks, OnlyEditAndComboControlsOpenAnEditor) {
  THTMLGrid G(Control(L"SLIDER", L"s", L"5") + Control(L"BUTTON", L"b", L"Go") + Control(L"edit", L"e", L"low"));
  G.ClickControl(0);
  EXPECT_FALSE(G.Grid->CtrlEditing());
  EXPECT_EQ(L"click 1,1 s SLIDER 5", G.Events.back());
  G.ClickControl(1);
  EXPECT_FALSE(G.Grid->CtrlEditing());
  Pump();
  // The type is read in any case.
  G.ClickControl(2);
  EXPECT_TRUE(G.Grid->CtrlEditing());
  EXPECT_TRUE(G.Edit()->Visible());
}

TEST(GridHTMLControlClicks, AButtonIsDrawnPressedWhileTheMouseIsDown) {
  THTMLGrid G(Control(L"BUTTON", L"b", L"Go", L" HEIGHT=\"24\""));
  const TPoint P = G.ControlAt(0);
  // A point on the button's face, clear of its caption.
  const TPoint Face{G.Grid->CellRect(1, 1).Left + 4 + 70, G.Grid->CellRect(1, 1).Top + 10};
  const TColor Up = TRendered(G.Grid).Pixel(Face.X, Face.Y);
  MouseMove(G.Grid, P.X, P.Y);
  MouseDown(G.Grid, P.X, P.Y);
  Pump();
  EXPECT_EQ(L"click 1,1 b BUTTON Go", G.Events.back());
  const TColor Down = TRendered(G.Grid).Pixel(Face.X, Face.Y);
  EXPECT_NE(Up, Down);
  MouseUp(G.Grid, P.X, P.Y);
  Pump();
  EXPECT_EQ(Up, TRendered(G.Grid).Pixel(Face.X, Face.Y));
  // Another cell holding a button of the same ID is never drawn pressed.
  G.Grid->SetRowHeights(2, 32);
  G.Grid->SetCells(1, 2, G.Grid->GetCells(1, 1));
  MouseDown(G.Grid, P.X, P.Y);
  Pump();
  const TPoint Face2{Face.X, Face.Y + 32 + 1};
  EXPECT_EQ(Up, TRendered(G.Grid).Pixel(Face2.X, Face2.Y));
  // Losing the focus lets it up as well.
  G.Other->SetFocus();
  Pump();
  EXPECT_EQ(Up, TRendered(G.Grid).Pixel(Face.X, Face.Y));
  MouseUp(G.Grid, P.X, P.Y);
}

TEST(GridHTMLControlClicks, APressBesideTheControlsSelectsTheCellWithoutAnEditor) {
  THTMLGrid G(Control(L"EDIT", L"e", L"v") + L"<B>Name</B>");
  std::vector<String> Clicked;
  G.Grid->OnClickCell = [&](TObject*, Integer R, Integer C) { Clicked.push_back(IntToStr(R) + L"," + IntToStr(C)); };
  G.Grid->SetCol(2);
  G.Grid->SetRow(3);
  const TRect Cell = G.Grid->CellRect(1, 1);
  Click(G.Grid, Cell.Right - 10, Cell.Bottom - 4);
  Pump();
  EXPECT_EQ(1, G.Grid->Col());
  EXPECT_EQ(1, G.Grid->Row());
  EXPECT_FALSE(G.Grid->EditMode());
  EXPECT_FALSE(G.Grid->CtrlEditing());
  ASSERT_EQ(1u, Clicked.size());
  EXPECT_EQ(L"1,1", Clicked[0]);
}

TEST(GridHTMLControlKeys, EnterAndF2OnACellWithControlsOpenItsFirstEditControl) {
  for (Word Key : {Word(VK_RETURN), Word(VK_F2)}) {
    THTMLGrid G(Control(L"CHECK", L"c", L"FALSE") + TwoEdits);
    G.Grid->SetCol(1);
    G.Grid->SetRow(1);
    Pump();
    G.Key(Key);
    ASSERT_TRUE(G.Grid->CtrlEditing()) << Key;
    EXPECT_TRUE(G.Focused(G.Edit())) << Key;
    EXPECT_EQ(L"abc", G.Edit()->Text());
    EXPECT_EQ(G.Grid->CellRect(1, 1).Left + 4 + 80 + 1, G.Edit()->Left());
    EXPECT_FALSE(G.Grid->EditMode()) << Key;
    G.Key(VK_ESCAPE);
  }
}

TEST(GridHTMLControlEditors, ValuesWithMarkupCharactersComeBackUnchanged) {
  // A quote, an ampersand and angle brackets, stored as entities.
  const String Stored = L"say &quot;hi&quot; &amp; &lt;b&gt;";
  THTMLGrid G(Control(L"EDIT", L"e", Stored) + Control(L"CHECK", L"c", L"TRUE"));
  G.ClickControl(0);
  ASSERT_TRUE(G.Edit()->Visible());
  EXPECT_EQ(L"say \"hi\" & <b>", G.Edit()->Text());
  G.Key(VK_RETURN);
  EXPECT_EQ(L"say \"hi\" & <b>", G.Value(L"e"));
  EXPECT_EQ(L"TRUE", G.Value(L"c"));
  G.ClickControl(0);
  G.Retype(L"a>b\"c");
  G.Key(VK_RETURN);
  EXPECT_EQ(L"a>b\"c", G.Value(L"e"));
  EXPECT_EQ(L"TRUE", G.Value(L"c"));
}

TEST(GridHTMLControlEditors, MaxLenLimitsTheTypedTextAndABadOneLimitsNothing) {
  const struct {
    const wchar_t* MaxLen;
    Integer Limit;
  } Cases[] = {{L"3", 3}, {L"-5", 0}, {L"x", 0}};
  for (const auto& C : Cases) {
    THTMLGrid G(Control(L"EDIT", L"e", L"", String(L" MAXLEN=\"") + C.MaxLen + L"\""));
    G.ClickControl(0);
    EXPECT_EQ(C.Limit, G.Edit()->MaxLength()) << C.MaxLen;
    G.Type(L"abcdef");
    G.Key(VK_RETURN);
    EXPECT_EQ(C.Limit == 3 ? L"abc" : L"abcdef", G.Value(L"e")) << C.MaxLen;
  }
}

// The view scrolled under an open control editor: the editor stores its
// value and closes rather than float over another cell, and the grid keeps
// the keyboard.
TEST(GridHTMLControlEditors, ScrollingTheGridStoresTheValueAndClosesTheEditor) {
  for (bool IsCombo : {false, true}) {
    SCOPED_TRACE(IsCombo ? "combo" : "edit");
    THTMLGrid G(IsCombo ? Control(L"COMBO", L"name", L"abc") : TwoEdits);
    G.Grid->SetRowCount(30);
    G.ClickControl(0);
    TWinControl* Editor = IsCombo ? static_cast<TWinControl*>(G.Combo()) : G.Edit();
    ASSERT_TRUE(Editor->Visible());
    G.Retype(L"xyz");
    SendMessageW(G.Grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    Pump();
    EXPECT_EQ(2, G.Grid->TopRow());
    EXPECT_FALSE(Editor->Visible());
    EXPECT_EQ(L"xyz", G.Value(L"name"));
    EXPECT_EQ(L"done 1,1 name " + String(IsCombo ? L"COMBO" : L"EDIT") + L" xyz", G.Events.back());
    EXPECT_TRUE(G.Focused(G.Grid));
  }
}
