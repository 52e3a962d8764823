#include <gtest/gtest.h>
#include "panel/ExPanelGroup.h"
#include "platform/rtl/IniFiles.h"
#include "tests/support/TempDir.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::panel;
namespace {

using namespace expanel;

// A vertical group of 400 x 200 without caption or bevels on a shown form.
struct Group {
  test::TTestForm Form{500, 400};
  TExPanelGroup* G = new TExPanelGroup(Form.Get());
  Group() {
    G->SetParent(Form.Get());
    G->SetBevelOuter(bvNone);
    G->SetBounds(0, 0, 400, 200);
    test::Pump();
  }
  // Appended panels keep their creation order on screen.
  TCustomExPanel* Add(Integer Height) {
    TCustomExPanel* P = G->AppendPanel();
    P->SetHeight(Height);
    G->UpdateGroup();
    return P;
  }
};

TEST(ExPanelGroup, StacksPanelsAndScrollsWhenTheyDoNotFit) {
  Group T;
  TCustomExPanel* A = T.Add(100);
  TCustomExPanel* B = T.Add(100);
  TCustomExPanel* C = T.Add(100);
  EXPECT_EQ(T.G->GetContentHeight(), 332);
  TScrollBar* S = T.G->ScrollBar();
  EXPECT_TRUE(S->Visible());
  EXPECT_EQ(S->Max(), 332);
  EXPECT_EQ(S->PageSize(), 200);
  EXPECT_EQ(S->LargeChange(), 66);
  EXPECT_EQ(A->Top(), 8);
  EXPECT_EQ(B->Top(), 116);
  EXPECT_EQ(C->Top(), 224);
  // Panels leave the scroll bar's 16 pixels free.
  EXPECT_EQ(B->Left(), 8);
  EXPECT_EQ(B->Width(), 400 - 16 - 16);

  T.G->SetScrollPosition(50);
  EXPECT_EQ(B->Top(), 116 - 50);
  // Past the last page the position is held at maximum less page.
  T.G->SetScrollPosition(300);
  EXPECT_EQ(T.G->ScrollPosition(), 132);
  EXPECT_EQ(C->Top(), 224 - 132);
  // One wheel step down moves 4 pixels.
  T.G->SetScrollPosition(0);
  const TPoint Mid = T.G->ClientToScreen({100, 100});
  ::SendMessageW(T.G->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)),
                 MAKELPARAM(Mid.X, Mid.Y));
  EXPECT_EQ(A->Top(), 8 - 4);
}

TEST(ExPanelGroup, CollapsingAPanelMovesTheOnesBelowUp) {
  Group T;
  TCustomExPanel* A = T.Add(60);
  TCustomExPanel* B = T.Add(60);
  A->Caption()->SetVisible(true);
  A->SetCollaps(true);
  EXPECT_EQ(A->Height(), 18);
  EXPECT_EQ(B->Top(), 8 + 18 + 8);
  A->SetCollaps(false);
  EXPECT_EQ(B->Top(), 8 + 60 + 8);
}

TEST(ExPanelGroup, ColumnsShareTheWidthAndRowsTakeTheirHighestPanel) {
  Group T;
  T.G->SetColumns(0);  // ignored
  EXPECT_EQ(T.G->Columns(), 1);
  T.G->SetColumns(2);
  TCustomExPanel* A = T.Add(50);
  TCustomExPanel* B = T.Add(80);
  TCustomExPanel* C = T.Add(40);
  EXPECT_EQ(A->BoundsRect(), TRect(8, 8, 196, 58));
  EXPECT_EQ(B->BoundsRect(), TRect(204, 8, 392, 88));
  // The first row is as high as B, the higher of its two panels.
  EXPECT_EQ(C->Top(), 8 + 80 + 8);
  EXPECT_EQ(T.G->GetContentHeight(), 8 + 80 + 8 + 40 + 8);
  // A hidden panel keeps its slot and takes no height.
  B->SetVisible(false);
  T.G->UpdateGroup();
  EXPECT_EQ(C->Top(), 8 + 50 + 8);
  EXPECT_EQ(C->Left(), 8);
  EXPECT_FALSE(T.G->ScrollBar()->Visible());
}

TEST(ExPanelGroup, HorizontalGroupsLineThePanelsUp) {
  Group T;
  T.G->SetGroupStyle(gsHorizontal);
  T.G->SetHeight(150);
  // A new panel starts at the left edge, before every panel further right.
  TCustomExPanel* B = T.G->AddPanel();
  B->SetWidth(100);
  TCustomExPanel* A = T.G->AddPanel();
  A->SetWidth(100);
  EXPECT_LT(A->Left(), B->Left());
  T.G->UpdateGroup();
  EXPECT_EQ(A->BoundsRect(), TRect(8, 8, 108, 142));
  EXPECT_EQ(B->BoundsRect(), TRect(116, 8, 216, 142));
  EXPECT_EQ(T.G->GetContentWidth(), 8 + 108 + 108);
}

TEST(ExPanelGroup, AddsAppendsInsertsMovesAndRemoves) {
  Group T;
  TCustomExPanel* P1 = T.G->AppendPanel();
  TCustomExPanel* P2 = T.G->AppendPanel();
  TCustomExPanel* P3 = T.G->AppendPanel();
  // Appended panels show in creation order; the list holds the last first.
  EXPECT_LT(P1->Top(), P2->Top());
  EXPECT_LT(P2->Top(), P3->Top());
  EXPECT_EQ(T.G->GetPanel(0), P3);
  EXPECT_EQ(T.G->PanelCount(), 3);

  TCustomExPanel* New = T.G->InsertPanel(2);
  EXPECT_EQ(T.G->GetPanel(2), New);
  EXPECT_EQ(New->Top(), 8);  // it started at top 0
  T.G->ArrangePanels();
  for (Integer i = 0; i + 1 < 4; ++i) EXPECT_LT(T.G->GetPanel(i)->Top(), T.G->GetPanel(i + 1)->Top());

  T.G->MovePanel(0, 3);
  EXPECT_EQ(T.G->GetPanel(0), P1);
  EXPECT_THROW(T.G->MovePanel(0, 9), EListError);
  EXPECT_THROW(T.G->GetPanel(7), EListError);

  T.G->RemovePanel(9);  // out of range: nothing
  EXPECT_EQ(T.G->PanelCount(), 4);
  T.G->RemovePanel(0);
  EXPECT_EQ(T.G->PanelCount(), 3);
  for (Integer i = 0; i < 3; ++i) EXPECT_EQ(T.G->GetPanel(i)->Index(), i);

  // A panel freed elsewhere leaves the list behind it whole.
  delete T.G->GetPanel(1);
  EXPECT_EQ(T.G->PanelCount(), 2);
  T.G->Clear();
  EXPECT_EQ(T.G->PanelCount(), 0);
}

TEST(ExPanelGroup, NewPanelsTakeTheDefaultPanel) {
  Group T;
  T.G->DefaultPanel()->SetColor(clYellow);
  T.G->DefaultPanel()->SetHeight(90);
  T.G->DefaultPanel()->Caption()->SetVisible(true);
  T.G->DefaultPanel()->Caption()->SetCloseButton(true);
  TCustomExPanel* P = T.G->AppendPanel();
  EXPECT_EQ(P->Color(), clYellow);
  EXPECT_EQ(P->Height(), 90);
  EXPECT_TRUE(P->Caption()->Visible());
  EXPECT_TRUE(P->Caption()->CloseButton());
  // Closing a panel from its button rearranges the group.
  TCustomExPanel* Q = T.G->AppendPanel();
  const Integer QTop = Q->Top();
  test::Click(P, P->Width() - 8, 8);
  EXPECT_FALSE(P->Visible());
  EXPECT_LT(Q->Top(), QTop);
}

TEST(ExPanelGroup, SavesEveryPanelUnderItsName) {
  test::TTempDir Dir;
  const String Ini = Dir.Path(L"group.ini");
  Group T;
  TCustomExPanel* A = T.Add(70);
  A->SetName(L"First");
  TCustomExPanel* B = T.Add(90);
  B->SetName(L"Second");
  B->Position()->SetSection(L"own");
  T.G->Position()->SetLocation(clInifile);
  T.G->Position()->SetKey(Ini);
  T.G->SavePanelPositions();
  EXPECT_EQ(B->Position()->Section(), L"own");
  TMemIniFile F(Ini);
  EXPECT_EQ(F.ReadInteger(L"First", L"Height", -1), 70);
  EXPECT_EQ(F.ReadInteger(L"Second", L"Height", -1), 90);
  EXPECT_EQ(F.ReadInteger(L"Second", L"Top", -1), B->Top());

  A->SetHeight(30);
  T.G->LoadPanelPositions();
  EXPECT_EQ(A->Height(), 70);
}

}  // namespace
}  // namespace jorv
