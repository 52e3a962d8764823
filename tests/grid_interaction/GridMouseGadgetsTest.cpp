// Real mouse input on a shown grid for the small gadgets of its cells:
// node glyphs, the cell selector, the ellipsis button, fixed cells working
// as buttons, the header's drop-down button and menu, the selection-resize
// handle, and the hints that follow the mouse over links and while sizing.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Menus.h"
#include "tests/support/grid/MouseGrid.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// A grid that records the cell-selector clicks it gets.
class TSelectorGrid : public TRezIvevirAvod {
 public:
  using TRezIvevirAvod::TRezIvevirAvod;
  std::vector<TPoint> SelectorClicks;

 protected:
  void CellSelectorClick(Integer ACol, Integer ARow) override { SelectorClicks.push_back(TPoint{ACol, ARow}); }
};

// A menu that notes where it was asked to show instead of running its loop;
// WhileOpen runs in its place.
class TNotedMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  std::vector<TPoint> Shown;
  std::function<void()> WhileOpen;
  TMenuItem* Popup(Integer X, Integer Y) override {
    Shown.push_back(TPoint{X, Y});
    if (WhileOpen) WhileOpen();
    return nullptr;
  }
};

// Five columns of 64 pixels, five rows of 22, one fixed row and column;
// every cell holds "column:row".
struct TGadgetGrid : TShownMouseGrid<TSelectorGrid> {
  void Drag(TPoint From, TPoint To) {
    Send(WM_MOUSEMOVE, From);
    Send(WM_LBUTTONDOWN, From, MK_LBUTTON);
    Send(WM_MOUSEMOVE, TPoint{(From.X + To.X) / 2, (From.Y + To.Y) / 2}, MK_LBUTTON);
    Send(WM_MOUSEMOVE, To, MK_LBUTTON);
    Send(WM_LBUTTONUP, To);
  }
  String Column(Integer C) {
    String S;
    for (Integer r = Grid->FixedRows(); r < Grid->RowCount(); ++r)
      S += (S.empty() ? L"" : L" ") + Grid->GetCells(C, r);
    return S;
  }
  // A rendered picture holds the grid's border too: where the client
  // area starts in it.
  TPoint ClientOffset() {
    RECT W{};
    GetWindowRect(Grid->Handle(), &W);
    const TPoint Origin = Grid->ClientToScreen(TPoint{0, 0});
    return TPoint{Origin.X - W.left, Origin.Y - W.top};
  }
  TColor PixelAt(TRendered& Shot, Integer X, Integer Y) {
    const TPoint O = ClientOffset();
    return Shot.Pixel(X + O.X, Y + O.Y);
  }
  void Snapshot(const String& Name) {
    TRendered Shot(Grid);
    if (const wchar_t* Dir = _wgetenv(L"JORV_SNAPSHOTS")) Shot.Bitmap().SaveToFile(String(Dir) + L"\\" + Name);
  }
};

String RectText(const TGridRect& R) {
  return IntToStr(R.Left) + L"," + IntToStr(R.Top) + L"-" + IntToStr(R.Right) + L"," + IntToStr(R.Bottom);
}

}  // namespace

// Column 1 holds "1:1" .. "1:4"; stored row 2 is a node over rows 2 and 3.
TEST(GridMouseNodes, AGlyphClickExpandsOrContractsAsTheBeforeEventsAllow) {
  const struct {
    const char* Name;
    bool Contracted;
    bool Refuse;
    bool MoveRow;
    const wchar_t* Shown;
    std::vector<String> Events;
  } Cases[] = {
      {"contracted node expands", true, false, false, L"1:1 1:2 1:3 1:4",
       {L"click 2,0", L"before expand 2,2", L"expand 2,2"}},
      {"expanded node contracts", false, false, false, L"1:1 1:2 1:4",
       {L"click 2,0", L"before contract 2,2", L"contract 2,2"}},
      {"refused expansion", true, true, false, L"1:1 1:2 1:4", {L"click 2,0", L"before expand 2,2"}},
      {"refused contraction", false, true, false, L"1:1 1:2 1:3 1:4", {L"click 2,0", L"before contract 2,2"}},
      {"MoveRowOnNodeClick", true, false, true, L"1:1 1:2 1:3 1:4",
       {L"click 2,0", L"before expand 2,2", L"expand 2,2"}},
  };
  for (const auto& C : Cases) {
    TGadgetGrid F;
    TRezIvevirAvod* G = F.Grid;
    G->AddNode(2, 2);
    if (C.Contracted) G->ContractNode(2);
    G->MouseActions()->SetMoveRowOnNodeClick(C.MoveRow);
    G->SetRow(1);
    G->SetCol(2);
    G->OnClickCell = [&](TObject*, Integer R, Integer Col) {
      F.Events.push_back(L"click " + IntToStr(R) + L"," + IntToStr(Col));
    };
    auto Before = [&, Refuse = C.Refuse](const wchar_t* What, Integer R, Integer Real, bool& Allow) {
      F.Events.push_back(String(L"before ") + What + IntToStr(R) + L"," + IntToStr(Real));
      if (Refuse) Allow = false;
    };
    G->OnBeforeExpandNode = [&](TObject*, Integer R, Integer Real, bool& A) { Before(L"expand ", R, Real, A); };
    G->OnBeforeContractNode = [&](TObject*, Integer R, Integer Real, bool& A) { Before(L"contract ", R, Real, A); };
    G->OnExpandNode = [&](TObject*, Integer R, Integer Real) {
      F.Events.push_back(L"expand " + IntToStr(R) + L"," + IntToStr(Real));
    };
    G->OnContractNode = [&](TObject*, Integer R, Integer Real) {
      F.Events.push_back(L"contract " + IntToStr(R) + L"," + IntToStr(Real));
    };
    F.ClickAt(F.At(0, 2, 6, 10));
    EXPECT_EQ(F.Column(1), C.Shown) << C.Name;
    EXPECT_EQ(F.Events, C.Events) << C.Name;
    // The glyph never selects its row unless asked to, and opens no editor.
    EXPECT_EQ(G->Row(), C.MoveRow ? 2 : 1) << C.Name;
    EXPECT_EQ(G->Col(), 2) << C.Name;
    EXPECT_FALSE(G->EditorMode()) << C.Name;
  }
}

// Stored rows 1-2 and 3-4 are nodes; the header's column-0 cell holds a
// node glyph too, which works every node at once.
TEST(GridMouseNodes, TheHeaderGlyphContractsAndExpandsAllNodesWhenAsked) {
  TGadgetGrid F;
  TRezIvevirAvod* G = F.Grid;
  G->AddNode(1, 2);
  G->AddNode(3, 2);
  G->CreateCellGraphic(0, 0)->SetCellType(ctNode);
  const TPoint Glyph = F.At(0, 0, 2, 8);
  F.ClickAt(Glyph);
  EXPECT_EQ(F.Column(1), L"1:1 1:2 1:3 1:4");
  G->MouseActions()->SetNodeAllExpandContract(true);
  F.ClickAt(Glyph);
  EXPECT_EQ(F.Column(1), L"1:1 1:3");
  F.ClickAt(Glyph);
  EXPECT_EQ(F.Column(1), L"1:1 1:2 1:3 1:4");
}

TEST(GridMouseClick, InCellSelectorModeAClickOnlyReachesTheSelectorHook) {
  TGadgetGrid F;
  F.Grid->OnClickCell = [&](TObject*, Integer, Integer) { F.Events.push_back(L"click"); };
  F.Grid->FCellSelectorMode = true;
  F.ClickAt(F.At(3, 2));
  F.ClickAt(F.At(2, 0));
  EXPECT_EQ(F.Grid->SelectorClicks, (std::vector<TPoint>{TPoint{3, 2}, TPoint{2, 0}}));
  EXPECT_TRUE(F.Events.empty());
  EXPECT_EQ(F.Grid->Col(), 1);
  EXPECT_EQ(F.Grid->Row(), 1);
  F.Grid->FCellSelectorMode = false;
  F.ClickAt(F.At(3, 2));
  EXPECT_EQ(F.Events, std::vector<String>{L"click"});
}

// Column 2 shows its edit button always; the button is the cell's right
// 18 to 2 pixels.
TEST(GridMouseClick, TheEllipsisButtonHandsTheCellTextToOnEllipsClick) {
  const struct {
    const char* Name;
    Integer DX;
    bool Editing;
    const wchar_t* Cell;
    const wchar_t* Editor;
    Integer Calls;
  } Cases[] = {
      {"button, no editor: the answer is stored", 64 - 10, false, L"picked", L"", 1},
      {"button, open editor: the editor shows the answer", 64 - 10, true, L"picked", L"picked", 1},
      {"left of the button", 64 - 20, false, L"2:2", L"", 0},
      {"at the very edge", 64 - 1, false, L"2:2", L"", 0},
  };
  for (const auto& C : Cases) {
    TGadgetGrid F;
    TRezIvevirAvod* G = F.Grid;
    G->ControlLook()->SetDropDownAlwaysVisible(true);
    if (C.Editing) G->SetOptions(G->Options() + goEditing);
    G->OnGetEditorType = [](TObject*, Integer Col, Integer, TEditorType& E) {
      if (Col == 2) E = edEditBtn;
    };
    std::vector<String> Given;
    G->OnEllipsClick = [&](TObject*, Integer Col, Integer R, String& S) {
      Given.push_back(IntToStr(Col) + L"," + IntToStr(R) + L"=" + S);
      S = L"picked";
    };
    F.ClickAt(F.At(2, 2, C.DX, 8));
    EXPECT_EQ(Integer(Given.size()), C.Calls) << C.Name;
    if (C.Calls) {
      EXPECT_EQ(Given[0], L"2,2=2:2") << C.Name;
    }
    EXPECT_EQ(G->GetCells(2, 2), C.Cell) << C.Name;
    if (C.Editing) {
      ASSERT_TRUE(G->EditMode()) << C.Name;
      EXPECT_EQ(G->EditCtrl()->Caption(), C.Editor) << C.Name;
    }
  }
}

TEST(GridMouseClick, AFixedCellAsButtonIsSunkenWhileDownAndClicksOnRelease) {
  TGadgetGrid F;
  TRezIvevirAvod* G = F.Grid;
  G->SetFixedAsButtons(true);
  G->SetLook(glClassic);
  std::vector<String> Clicks;
  G->OnButtonClick = [&](TObject*, Integer C, Integer R) { Clicks.push_back(IntToStr(C) + L"," + IntToStr(R)); };
  const TRect Header = G->CellRect(2, 0);
  // The cell's left edge: light while raised, dark while pushed in.
  auto EdgeIsDark = [&] {
    TRendered Shot(G);
    const TColor C = F.PixelAt(Shot, Header.Left, Header.Top + 5);
    return (C & 0xFF) + ((C >> 8) & 0xFF) + ((C >> 16) & 0xFF) < 3 * 128;
  };
  EXPECT_FALSE(EdgeIsDark());
  F.Send(WM_MOUSEMOVE, F.At(2, 0));
  F.Send(WM_LBUTTONDOWN, F.At(2, 0), MK_LBUTTON);
  EXPECT_TRUE(G->FixedCellPushed());
  EXPECT_TRUE(EdgeIsDark());
  F.Snapshot(L"fixed-cell-pushed.bmp");
  F.Send(WM_LBUTTONUP, F.At(2, 0));
  EXPECT_FALSE(G->FixedCellPushed());
  EXPECT_FALSE(EdgeIsDark());
  EXPECT_EQ(Clicks, std::vector<String>{L"2,0"});
  // A box in a header pushed as a button keeps the state its click gave it.
  G->SetOptions(G->Options() + goEditing);
  G->AddCheckBox(3, 0, false, false);
  const TRect Box = G->CellRect(3, 0);
  TPoint On{-1, -1};
  for (Integer y = Box.Top; y < Box.Bottom && On.X < 0; ++y)
    for (Integer x = Box.Left; x < Box.Right && On.X < 0; ++x)
      if (G->IsInCheckBox(3, 0, x, y)) On = TPoint{x + 2, y + 2};
  ASSERT_GE(On.X, 0);
  F.ClickAt(On);
  EXPECT_TRUE(G->IsChecked(3, 0));
  // Without the 3D lines of fixed cells nothing is pushed.
  G->SetOptions(G->Options() - goFixedVertLine);
  F.Send(WM_LBUTTONDOWN, F.At(2, 0), MK_LBUTTON);
  EXPECT_FALSE(G->FixedCellPushed());
  F.Send(WM_LBUTTONUP, F.At(2, 0));
}

// Header cells of column 1 and up show a drop-down button at their right
// 16 pixels while hovered.
TEST(GridMouseDropDown, TheHeaderButtonPopsItsMenuUnderTheButton) {
  TGadgetGrid F;
  TRezIvevirAvod* G = F.Grid;
  G->SetLook(glXP);
  G->SetHoverFixedCells(hfFixedRows);
  G->ControlLook()->SetFixedDropDownButton(true);
  G->SortSettings()->SetShow(true);
  auto* Menu = new TNotedMenu(F.Form.Get());
  auto* Other = new TNotedMenu(F.Form.Get());
  G->OnClickSort = [&](TObject*, Integer C) { F.Events.push_back(L"sort " + IntToStr(C)); };
  const TRect Header = G->CellRect(2, 0);
  const TPoint OnButton{Header.Right - 8, Header.Top + 8};
  // Neither a menu nor the event: the press is a plain header press.
  F.ClickAt(OnButton);
  EXPECT_TRUE(F.Events.empty());
  G->SetFixedDropDownMenu(Menu);
  bool Open = false;
  Menu->WhileOpen = [&] {
    Open = true;
    F.Snapshot(L"header-drop-down-open.bmp");
  };
  F.ClickAt(OnButton);
  ASSERT_TRUE(Open);
  const TPoint Under = G->ClientToScreen(TPoint{Header.Right - 16, Header.Bottom});
  EXPECT_EQ(Menu->Shown, std::vector<TPoint>{Under});
  EXPECT_EQ(Menu->Tag(), 2);
  // Left of the button the header sorts as before.
  F.ClickAt(TPoint{Header.Right - 20, Header.Top + 8});
  EXPECT_EQ(F.Events, std::vector<String>{L"sort 2"});
  EXPECT_EQ(Menu->Shown.size(), 1u);
  // The event may hand over another menu.
  G->OnFixedDropDownClick = [&](TObject*, Integer C, Integer R, TPopupMenu*& M, bool&) {
    F.Events.push_back(L"drop " + IntToStr(C) + L"," + IntToStr(R));
    M = Other;
  };
  F.ClickAt(OnButton);
  EXPECT_EQ(Menu->Shown.size(), 1u);
  EXPECT_EQ(Other->Shown, std::vector<TPoint>{Under});
  EXPECT_EQ(F.Events, (std::vector<String>{L"sort 2", L"drop 2,0"}));
  // A column whose button the application hides opens nothing.
  G->OnCanShowFixedDropDown = [](TObject*, Integer C, bool& Show) { Show = C != 2; };
  F.ClickAt(OnButton);
  EXPECT_EQ(Other->Shown.size(), 1u);
}

// Column 2 holds "1:1" .. "1:4"-style texts replaced per case in rows 1
// and 2; the selection (2,1)-(2,2) is dragged by its handle down to row 4.
TEST(GridMouseSelectionResize, DraggingTheHandleFillsTheNewSelection) {
  const struct {
    const char* Name;
    const wchar_t* A;
    const wchar_t* B;
    bool OneCell;
    bool Smart;
    const wchar_t* Column;
  } Cases[] = {
      {"numbers go on by their step", L"1", L"3", false, true, L"1 3 5 7"},
      {"decimals go on in the float format", L"0.50", L"1.00", false, true, L"0.50 1.00 1.50 2.00"},
      {"texts repeat", L"a", L"b", false, true, L"a b a b"},
      {"one cell fills all", L"x", L"y", true, true, L"x x x x"},
      {"without the smart clipboard nothing is filled", L"1", L"3", false, false, L"1 3 2:3 2:4"},
  };
  for (const auto& C : Cases) {
    TGadgetGrid F;
    TRezIvevirAvod* G = F.Grid;
    G->SetOptions(G->Options() + goRangeSelect);
    G->SetSelectionRectangle(true);
    G->SetSelectionResizer(true);
    G->Navigation()->SetAllowSmartClipboard(C.Smart);
    G->SetCells(2, 1, C.A);
    G->SetCells(2, 2, C.B);
    G->SetSelection(TGridRect{2, 1, 2, C.OneCell ? 1 : 2});
    std::vector<String> Resized;
    G->OnSelectionResize = [&](TObject*, TGridRect From, TGridRect To) {
      Resized.push_back(L"resize " + RectText(From) + L" " + RectText(To));
    };
    G->OnSelectionResized = [&](TObject*, TGridRect From, TGridRect To) {
      Resized.push_back(L"resized " + RectText(From) + L" " + RectText(To));
    };
    const TRect Handle = G->SelectionResizerRect();
    const TRect Last = G->CellRect(2, C.OneCell ? 1 : 2);
    EXPECT_EQ(Handle, (TRect{Last.Right - 6, Last.Bottom - 6, Last.Right, Last.Bottom})) << C.Name;
    F.Drag(TPoint{Handle.Left + 3, Handle.Top + 3}, F.At(2, 4));
    EXPECT_EQ(F.Column(2), C.Column) << C.Name;
    EXPECT_EQ(RectText(G->Selection()), L"2,1-2,4") << C.Name;
    const String Orig = C.OneCell ? L"2,1-2,1" : L"2,1-2,2";
    EXPECT_EQ(Resized, (std::vector<String>{L"resize " + Orig + L" 2,1-2,4", L"resized " + Orig + L" 2,1-2,4"}))
        << C.Name;
    EXPECT_FALSE(G->SelectionResizing()) << C.Name;
  }
}

TEST(GridMouseSelectionResize, TheHandleIsDrawnAndAPressBesideItSelectsAsUsual) {
  TGadgetGrid F;
  TRezIvevirAvod* G = F.Grid;
  G->SetOptions(G->Options() + goRangeSelect);
  G->SetSelectionRectangle(true);
  G->SetSelectionRectangleColor(clRed);
  G->SetSelection(TGridRect{1, 1, 2, 2});
  EXPECT_EQ(G->SelectionResizerRect(), TRect{});
  G->SetSelectionResizer(true);
  const TRect Handle = G->SelectionResizerRect();
  TRendered Shot(G);
  EXPECT_EQ(F.PixelAt(Shot, Handle.Right - 3, Handle.Bottom - 3), clRed);
  F.Snapshot(L"selection-resize-handle.bmp");
  F.ClickAt(F.At(3, 3));
  EXPECT_EQ(RectText(G->Selection()), L"3,3-3,3");
  EXPECT_EQ(G->GetCells(3, 3), L"3:3");
}

TEST(GridMouseHints, SizingShowsTheSizeTheLineWillGetInBold) {
  const struct {
    bool Columns;
    const wchar_t* Hint;
    Integer Size;
  } Cases[] = {{true, L"cw=<b>94</b>", 94}, {false, L"rh=<b>52</b>", 52}};
  for (const auto& C : Cases) {
    TGadgetGrid F;
    TRezIvevirAvod* G = F.Grid;
    G->SetOptions(G->Options() + (C.Columns ? goColSizing : goRowSizing));
    G->SetHintShowSizing(true);
    std::vector<Integer> Sizing;
    G->OnColumnSizing = [&](TObject*, Integer Col, Integer W) { Sizing.push_back(Col * 1000 + W); };
    G->OnRowSizing = [&](TObject*, Integer R, Integer H) { Sizing.push_back(R * 1000 + H); };
    const TRect Cell = G->CellRect(C.Columns ? 1 : 0, C.Columns ? 0 : 1);
    const TPoint From = C.Columns ? TPoint{Cell.Right, Cell.Top + 8} : TPoint{Cell.Left + 20, Cell.Bottom};
    const TPoint To = C.Columns ? TPoint{From.X + 30, From.Y} : TPoint{From.X, From.Y + 30};
    F.Send(WM_MOUSEMOVE, From);
    F.Send(WM_LBUTTONDOWN, From, MK_LBUTTON);
    F.Send(WM_MOUSEMOVE, To, MK_LBUTTON);
    ASSERT_FALSE(Sizing.empty());
    EXPECT_EQ(Sizing.back(), 1000 + C.Size);
    EXPECT_TRUE(G->SizeHintShown());
    ASSERT_NE(G->ScrollHintWindow(), nullptr);
    EXPECT_EQ(G->ScrollHintWindow()->Caption(), C.Hint);
    F.Send(WM_LBUTTONUP, To);
    EXPECT_FALSE(G->SizeHintShown());
    EXPECT_EQ(C.Columns ? G->GetColWidths(1) : G->GetRowHeights(1), C.Size);
  }
}

TEST(GridMouseHints, MovingBetweenAnchorsAsksForEachHintAndEntersWithoutExit) {
  TGadgetGrid F;
  TRezIvevirAvod* G = F.Grid;
  G->SetColWidths(2, 200);
  G->SetCells(2, 2, L"<a href=\"x\" title=\"First\">one</a><a href=\"y\">two</a>");
  std::vector<String> Hints;
  G->OnAnchorHint = [&](TObject*, Integer R, Integer C, String& A) {
    if (Hints.empty() || Hints.back() != A) Hints.push_back(A);
    EXPECT_EQ(R * 10 + C, 22);
  };
  G->OnAnchorEnter = [&](TObject*, Integer, Integer, const String& A) { F.Events.push_back(L"enter " + A); };
  G->OnAnchorExit = [&](TObject*, Integer, Integer, const String&) { F.Events.push_back(L"exit"); };
  const TRect Cell = G->CellRect(2, 2);
  for (Integer x = Cell.Left + 1; x < Cell.Right - 1; x += 2) F.Send(WM_MOUSEMOVE, TPoint{x, Cell.Top + 8});
  F.Send(WM_MOUSEMOVE, F.At(3, 3));
  EXPECT_EQ(Hints, (std::vector<String>{L"First", L"y"}));
  EXPECT_EQ(F.Events, (std::vector<String>{L"enter x", L"enter y", L"exit"}));
}
