// A custom editor link written here drives an edit of its own through the
// grid: opening over the cell or in a pop-up, the keys that end the edit,
// validation and Escape.
#include <gtest/gtest.h>

#include "grid/interaction/EditLink.h"
#include "platform/ui/Form.h"
#include "tests/grid_interaction/EditorGrid.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// The application's side: an edit that hands its keys and its exit to the link.
class TTestLink : public TEditLink {
 public:
  explicit TTestLink(TComponent* AOwner) : TEditLink(AOwner) {}
  TEdit* Edit = nullptr;
  Integer Created = 0;
  TWinControl* GetEditControl() override { return Edit; }
  void CreateEditor(TWinControl* AParent) override {
    ++Created;
    if (!Edit) {
      Edit = new TEdit(this);
      Edit->OnKeyDown = [this](TObject* Sender, Word& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
      Edit->OnExit = [this](TObject* Sender) { EditExit(Sender); };
    }
    Edit->SetParent(AParent);
  }
  String GetEditorValue() override { return Edit->Text(); }
  void SetEditorValue(const String& S) override { Edit->SetText(S); }
};

struct TLinkGrid : TControlGrid {
  TTestLink* Link = new TTestLink(Form.Get());
  TEditLink* PropLink = nullptr;
  TLinkGrid() : TControlGrid(edCustom) {
    Grid->SetEditLink(Link);
    Grid->OnGetEditorProp = [this](TObject*, Integer, Integer, TEditLink* L) { PropLink = L; };
    Grid->SetCells(1, 2, L"start");
  }
  bool EditorShown() { return Link->Edit && Link->Edit->Visible() && Grid->EditMode(); }
  void Retype(const String& Text) {
    Link->Edit->SelectAll();
    Type(Text);
  }
};

}  // namespace

TEST(GridCustomEditor, OpensOverTheCellWithItsTextAndEnterStoresTheValidatedValue) {
  TLinkGrid G;
  G.Open(1, 2);
  ASSERT_TRUE(G.EditorShown());
  EXPECT_EQ(G.Link, G.PropLink);
  EXPECT_EQ(L"start", G.Link->Edit->Text());
  EXPECT_EQ(G.Link->Edit->Handle(), GetFocus());
  const TRect Cell = G.Grid->CellRect(1, 2);
  EXPECT_EQ(Cell.Left, G.Link->Edit->Left());
  EXPECT_EQ(Cell.Top, G.Link->Edit->Top());
  G.Retype(L"typed");
  G.Key(VK_RETURN);
  EXPECT_FALSE(G.EditorShown());
  EXPECT_EQ(L"typed", G.Grid->GetCells(1, 2));
  EXPECT_EQ(std::vector<String>{L"validate 1,2 typed"}, G.Events);
  EXPECT_EQ(G.Grid->Handle(), GetFocus());
}

TEST(GridCustomEditor, UpAndDownStayInTheEditorOnlyWhenItWantsThem) {
  for (bool Wants : {true, false}) {
    TLinkGrid G;
    G.Link->SetWantKeyUpDown(Wants);
    G.Open(1, 2);
    G.Retype(L"moved");
    G.Key(VK_UP);
    EXPECT_EQ(Wants, G.EditorShown()) << Wants;
    EXPECT_EQ(Wants ? 2 : 1, G.Grid->Row()) << Wants;
    EXPECT_EQ(Wants ? L"start" : L"moved", G.Grid->GetCells(1, 2)) << Wants;
  }
}

TEST(GridCustomEditor, ARefusedValueKeepsTheEditorOnItsCell) {
  TLinkGrid G;
  G.Refused = {L"bad"};
  G.Open(1, 2);
  G.Retype(L"bad");
  G.Key(VK_RETURN);
  EXPECT_TRUE(G.EditorShown());
  EXPECT_EQ(2, G.Grid->Row());
  EXPECT_EQ(L"start", G.Grid->GetCells(1, 2));
  EXPECT_EQ(L"start", G.Link->Edit->Text());
}

TEST(GridCustomEditor, EscapePutsTheCachedTextBackWithoutValidating) {
  TLinkGrid G;
  G.Open(1, 2);
  G.Retype(L"lost");
  G.Key(VK_ESCAPE);
  EXPECT_FALSE(G.EditorShown());
  EXPECT_EQ(L"start", G.Link->Edit->Text());
  EXPECT_EQ(L"start", G.Grid->GetCells(1, 2));
  EXPECT_EQ(2, G.Grid->Row());
  EXPECT_TRUE(G.Events.empty());
}

TEST(GridCustomEditor, LeavingTheEditorStoresItsValue) {
  TLinkGrid G;
  G.Open(1, 2);
  G.Retype(L"left");
  G.Other->SetFocus();
  Pump(30);
  EXPECT_FALSE(G.EditorShown());
  EXPECT_EQ(L"left", G.Grid->GetCells(1, 2));
}

TEST(GridCustomEditor, APopupOpensAtTheCellOrAtItsSetPosition) {
  for (bool AtCell : {true, false}) {
    TLinkGrid G;
    G.Link->SetEditStyle(esPopup);
    G.Link->SetPopupWidth(120);
    G.Link->SetPopupHeight(40);
    if (!AtCell) {
      G.Link->SetPopupLeft(33);
      G.Link->SetPopupTop(44);
    }
    G.Open(1, 2);
    TCustomForm* Popup = G.Link->PopupForm();
    ASSERT_NE(nullptr, Popup);
    EXPECT_EQ(L"gridform", Popup->Name());
    const TRect Cell = G.Grid->CellRect(1, 2);
    const TPoint Expected = AtCell ? G.Grid->ClientToScreen(TPoint{Cell.Left, Cell.Top}) : TPoint{33, 44};
    RECT Window{};
    GetWindowRect(Popup->Handle(), &Window);
    EXPECT_EQ(Expected.X, Window.left) << AtCell;
    EXPECT_EQ(Expected.Y, Window.top) << AtCell;
    EXPECT_EQ(120, Window.right - Window.left);
    EXPECT_EQ(G.Link->Edit->Parent(), Popup);
    // Page Down ends the edit and keeps the editor's value in the cell.
    G.Retype(L"popped");
    G.Key(VK_NEXT);
    EXPECT_FALSE(Popup->Visible());
    EXPECT_EQ(L"popped", G.Grid->GetCells(1, 2));
    delete Popup;
  }
}

TEST(GridCustomEditor, TypingOpensTheEditorWithTheTypedCharacter) {
  TLinkGrid G;
  G.Grid->SetCol(1);
  G.Grid->SetRow(2);
  Pump();
  G.Type(L"x");
  ASSERT_TRUE(G.EditorShown());
  EXPECT_EQ(L"x", G.Link->Edit->Text());
  G.Key(VK_RETURN);
  EXPECT_EQ(L"x", G.Grid->GetCells(1, 2));
}

// While goTabs is set the grid asks for Tab, Enter, Escape and the arrows on
// the control's behalf, so Tab reaches the link and steps to the next cell;
// without goTabs the control's own answer stands and the form takes Tab.
// Once the edit ends the control answers for itself again.
TEST(GridCustomEditor, TheGridAsksForTabOnTheControlsBehalfOnlyWithGoTabs) {
  for (bool Tabs : {true, false}) {
    SCOPED_TRACE(Tabs ? "goTabs" : "without goTabs");
    TLinkGrid G;
    if (Tabs) G.Grid->SetOptions(G.Grid->Options() + goTabs);
    G.Grid->Navigation()->SetTabToNextAtEnd(true);
    G.Grid->SetCells(2, 2, L"next");
    G.Open(1, 2);
    ASSERT_TRUE(G.EditorShown());
    const HWND Edit = G.Link->Edit->Handle();
    const LRESULT Code = SendMessageW(Edit, WM_GETDLGCODE, 0, 0);
    if (Tabs) {
      EXPECT_EQ(0x87, Code);
    } else {
      EXPECT_EQ(0, Code & DLGC_WANTTAB);
    }
    G.Retype(L"typed");
    G.Key(VK_TAB);
    EXPECT_EQ(L"typed", G.Grid->GetCells(1, 2));
    EXPECT_EQ(Tabs ? 2 : 1, G.Grid->Col());
    EXPECT_EQ(2, G.Grid->Row());
    EXPECT_EQ(Tabs, G.EditorShown());
    if (Tabs) {
      EXPECT_EQ(L"next", G.Link->Edit->Text());
      EXPECT_EQ(Edit, GetFocus());
      G.Key(VK_ESCAPE);
      ASSERT_FALSE(G.EditorShown());
    } else {
      EXPECT_NE(Edit, GetFocus());
    }
    EXPECT_EQ(0, SendMessageW(Edit, WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB);
  }
}
