// Editing a string grid's cells in place: typed text reaches the cell,
// Escape gives the old text back, the navigation keys leave the edit for
// the grid, and the edit sits over the cell it edits.
#include <gtest/gtest.h>
#include <cstring>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

// Handles everything queued now (and what that posts), then a little more:
// a busy machine must not leave posted input for after the check.
void Settle() {
  Application->ProcessMessages();
  Pump(5);
  Application->ProcessMessages();
}

TStringGrid* GCurrentGrid = nullptr;

// Input goes to the open edit, else to the grid: not to whatever holds
// the focus at that instant on a busy display.
HWND InputWindow() {
  TInplaceEdit* E = GCurrentGrid ? GCurrentGrid->InplaceEditor() : nullptr;
  if (E && E->HandleAllocated() && IsWindowVisible(E->Handle())) return E->Handle();
  return GCurrentGrid ? GCurrentGrid->Handle() : GetFocus();
}

void SendKey(Word Key) {
  HWND H = InputWindow();
  PostMessageW(H, WM_KEYDOWN, Key, 1);
  PostMessageW(H, WM_KEYUP, Key, 0xC0000001);
  Settle();
}

void TypeChars(const String& S) {
  for (Char Ch : S) {
    PostMessageW(InputWindow(), WM_CHAR, Ch, 1);
    Settle();
  }
}

struct TEditGrid {
  TTestForm Form{420, 300};
  TStringGrid* Grid;
  std::vector<String> Written;
  TEditGrid() {
    Grid = new TStringGrid(Form.Get());
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 420, 300);
    Grid->SetColCount(20);
    Grid->SetRowCount(100000);
    Grid->SetOptions(Grid->Options() + goEditing);
    GCurrentGrid = Grid;
    Grid->OnSetEditText = [this](TObject*, Integer, Integer, const String& V) { Written.push_back(V); };
    Settle();
    // The form of a test before may still be giving up the focus.
    PumpUntil([this] {
      if (GetFocus() != Grid->Handle()) Grid->SetFocus();
      return GetFocus() == Grid->Handle();
    });
  }
  ~TEditGrid() { GCurrentGrid = nullptr; }
  bool EditOpen() {
    TInplaceEdit* E = Grid->InplaceEditor();
    return E && E->HandleAllocated() && IsWindowVisible(E->Handle());
  }
};

}  // namespace

TEST(InplaceEdit, TypingOpensTheEditAndWritesTheCellAsItGoes) {
  TEditGrid T;
  TStringGrid* G = T.Grid;
  G->SetCells(2, 3, L"old");
  G->SetRow(3);
  G->SetCol(2);
  TypeChars(L"ab");
  ASSERT_TRUE(T.EditOpen());
  TInplaceEdit* E = G->InplaceEditor();
  EXPECT_EQ(GetFocus(), E->Handle());
  // The first character replaced the whole old text.
  EXPECT_EQ(E->Text(), L"ab");
  EXPECT_EQ(G->GetCells(2, 3), L"ab");
  EXPECT_EQ(T.Written.back(), L"ab");
  // The edit lies over the cell, inside its lines.
  RECT W;
  GetWindowRect(E->Handle(), &W);
  MapWindowPoints(nullptr, G->Handle(), reinterpret_cast<POINT*>(&W), 2);
  TRect Cell = G->CellRect(2, 3);
  EXPECT_EQ(W.left, Cell.Left);
  EXPECT_EQ(W.top, Cell.Top);
  EXPECT_EQ(W.right, Cell.Right);
  EXPECT_EQ(W.bottom, Cell.Bottom);

  // Enter closes the edit and keeps the text; the grid has the focus again.
  SendKey(VK_RETURN);
  EXPECT_FALSE(T.EditOpen());
  EXPECT_EQ(GetFocus(), G->Handle());
  EXPECT_EQ(G->GetCells(2, 3), L"ab");
  EXPECT_FALSE(G->EditorMode());
}

TEST(InplaceEdit, EscapeGivesBackTheTextTheEditOpenedWith) {
  TEditGrid T;
  TStringGrid* G = T.Grid;
  G->SetCells(1, 1, L"keep");
  SendKey(VK_F2);
  ASSERT_TRUE(T.EditOpen());
  // F2 puts the caret after the text instead of selecting it.
  TypeChars(L"s");
  EXPECT_EQ(G->GetCells(1, 1), L"keeps");
  SendKey(VK_ESCAPE);
  EXPECT_FALSE(T.EditOpen());
  EXPECT_EQ(G->GetCells(1, 1), L"keep");
  EXPECT_EQ(T.Written.back(), L"keep");
}

TEST(InplaceEdit, NavigationKeysLeaveTheEditForTheGrid) {
  TEditGrid T;
  TStringGrid* G = T.Grid;
  struct {
    const char* Name;
    Word Key;
    Integer Col, Row;
  } Cases[] = {
      {"down", VK_DOWN, 5, 11},
      {"up", VK_UP, 5, 9},
      {"page down", VK_NEXT, 5, 10 + G->VisibleRowCount()},
      // Left and right move the caret inside the edit.
      {"left", VK_LEFT, 5, 10},
      {"right", VK_RIGHT, 5, 10},
  };
  for (auto& C : Cases) {
    G->SetRow(10);
    G->SetCol(5);
    G->SetCells(5, 10, L"v");
    G->SetFocus();
    Settle();
    SendKey(VK_F2);
    ASSERT_TRUE(T.EditOpen()) << C.Name;
    SendKey(C.Key);
    EXPECT_EQ(G->Col(), C.Col) << C.Name;
    EXPECT_EQ(G->Row(), C.Row) << C.Name;
    bool Moved = C.Col != 5 || C.Row != 10;
    EXPECT_EQ(T.EditOpen(), !Moved) << C.Name;
    G->SetEditorMode(false);
  }
}

TEST(InplaceEdit, AlwaysShownEditFollowsTheCurrentCellToTheLastRow) {
  TEditGrid T;
  TStringGrid* G = T.Grid;
  G->SetCells(3, 99999, L"last");
  G->SetOptions(G->Options() + goAlwaysShowEditor);
  Settle();
  ASSERT_TRUE(T.EditOpen());
  G->SetCol(3);
  G->SetRow(99999);
  Settle();
  ASSERT_TRUE(T.EditOpen());
  EXPECT_EQ(G->InplaceEditor()->Text(), L"last");
  TypeChars(L"!");
  EXPECT_EQ(G->GetCells(3, 99999), L"!");
  // Writing the cell in code shows in the open edit.
  G->SetCells(3, 99999, L"code");
  EXPECT_EQ(G->InplaceEditor()->Text(), L"code");
  // Scrolling the cell out of view hides the edit without ending the mode.
  G->SetTopRow(1);
  EXPECT_FALSE(T.EditOpen());
  EXPECT_TRUE(G->EditorMode());
}

TEST(InplaceEdit, ClickOnTheCurrentCellOpensTheEdit) {
  TEditGrid T;
  TStringGrid* G = T.Grid;
  TRect R = G->CellRect(2, 2);
  Click(G, R.Left + 5, R.Top + 5);
  Settle();
  EXPECT_EQ(G->Col(), 2);
  EXPECT_FALSE(T.EditOpen()) << "the first click only moves there";
  Click(G, R.Left + 5, R.Top + 5);
  Settle();
  EXPECT_TRUE(T.EditOpen());
}

namespace {
// Takes at most three digits per cell.
class TDigitGrid : public TStringGrid {
 public:
  explicit TDigitGrid(TComponent* AOwner) : TStringGrid(AOwner) {}

 protected:
  Integer GetEditLimit() override { return 3; }
  bool CanEditAcceptKey(Char Key) override { return Key >= L'0' && Key <= L'9'; }
};
}  // namespace

TEST(InplaceEdit, TheGridLimitsLengthAndRefusesKeysItCannotTake) {
  TTestForm Form(300, 200);
  auto* G = new TDigitGrid(Form.Get());
  G->SetParent(Form.Get());
  G->SetBounds(0, 0, 300, 200);
  G->SetOptions(G->Options() + goEditing);
  Settle();
  PumpUntil([G] {
    if (GetFocus() != G->Handle()) G->SetFocus();
    return GetFocus() == G->Handle();
  });
  GCurrentGrid = G;
  TypeChars(L"1x2345");
  GCurrentGrid = nullptr;
  EXPECT_EQ(G->GetCells(1, 1), L"123");
  ASSERT_NE(G->InplaceEditor(), nullptr);
  EXPECT_EQ(G->InplaceEditor()->MaxLength(), 3);
}

TEST(InplaceEdit, LeavingTheGridClosesTheEditAndKeepsTheText) {
  TEditGrid T;
  TStringGrid* G = T.Grid;
  auto* Other = new TEdit(T.Form.Get());
  Other->SetParent(T.Form.Get());
  Other->SetBounds(0, 0, 50, 20);
  Other->SendToBack();
  Settle();
  G->SetFocus();
  TypeChars(L"kept");
  ASSERT_TRUE(T.EditOpen());
  Other->SetFocus();
  Settle();
  EXPECT_FALSE(T.EditOpen());
  EXPECT_FALSE(G->EditorMode());
  EXPECT_EQ(G->GetCells(1, 1), L"kept");
}

TEST(InplaceEdit, TheCellsEditMaskShapesWhatIsTyped) {
  TEditGrid T;
  TStringGrid* G = T.Grid;
  G->OnGetEditMask = [](TObject*, Integer ACol, Integer, String& Mask) {
    if (ACol == 2) Mask = L"00-00;1;_";
  };
  G->SetCol(2);
  TypeChars(L"12x34");
  EXPECT_EQ(G->GetCells(2, 1), L"12-34");
  SendKey(VK_RETURN);
  EXPECT_FALSE(T.EditOpen());
  // The next column has no mask: the same edit takes any text there.
  G->SetCol(3);
  TypeChars(L"ab-c");
  EXPECT_EQ(G->GetCells(3, 1), L"ab-c");
}
