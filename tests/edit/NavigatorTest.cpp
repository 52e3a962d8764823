#include <gtest/gtest.h>
#include "edit/DBExNavigator.h"
#include "platform/data/DataSet.h"
#include "platform/data/Field.h"
#include "platform/data/DataSource.h"
#include "platform/data/MemoryDataSet.h"
#include "platform/rtl/Strings.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::foundation;
using namespace jorv::edit;
namespace {

using test::TTestForm;

const TButtonSet DialogButtons{nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbPost, nbCancel};

struct Navigator : ::testing::Test {
  TMemoryDataSet Table;
  TDataSource Source;
  TTestForm Form{300, 120};
  TDBExNavigator* Nav = nullptr;

  void SetUp() override {
    Table.FieldDefs().Add(L"Tagestext", ftWideString, 30);
    Table.CreateDataSet();
    Source.SetDataSet(&Table);
    Nav = new TDBExNavigator(Form.Get());
    Nav->SetParent(Form.Get());
    Nav->SetBounds(0, 0, 250, 25);
  }
  void Fill(int n) {
    for (int i = 1; i <= n; ++i) {
      Table.Append();
      Table.FieldByName(L"Tagestext")->SetAsString(L"T" + std::to_wstring(i));
      Table.Post();
    }
    Table.First();
  }
  String Current() { return Table.FieldByName(L"Tagestext")->AsString(); }
  bool On(TExNavigateBtn B) { return Nav->Buttons(B)->Enabled(); }
  void Press(TExNavigateBtn B) { test::Click(Nav->Buttons(B), 5, 5); }
};

TEST(DBExNavigatorLayout, SizesFollowTheVisibleButtons) {
  TTestForm Form(400, 300, false);
  struct {
    TNavigatorOrientation Orientation;
    Integer W, H, WantW, WantH;
  } Cases[] = {
      {noHorizontal, 250, 25, 248, 25},  // rounded down to 8 x 31
      {noHorizontal, 50, 10, 160, 18},   // grows to what the buttons need
      {noVertical, 5, 150, 20, 144},
      {noVertical, 30, 100, 30, 144},
  };
  for (const auto& C : Cases) {
    auto* Nav = new TDBExNavigator(Form.Get());
    Nav->SetOrientation(C.Orientation);
    Nav->SetVisibleButtons(DialogButtons);
    Nav->SetBounds(0, 0, C.W, C.H);
    EXPECT_EQ(Nav->Width(), C.WantW) << C.W << "x" << C.H;
    EXPECT_EQ(Nav->Height(), C.WantH) << C.W << "x" << C.H;
    const Integer Step = C.Orientation == noHorizontal ? C.WantW / 8 : C.WantH / 8;
    Integer Pos = 0;
    for (Integer i = 0; i < 13; ++i) {
      TExNavButton* B = Nav->Buttons(TExNavigateBtn(i));
      if (DialogButtons.Contains(TExNavigateBtn(i))) {
        EXPECT_TRUE(B->Visible());
        EXPECT_EQ(C.Orientation == noHorizontal ? B->Left() : B->Top(), Pos) << i;
        Pos += Step;
      } else {
        // Hidden buttons lie just outside the client area.
        EXPECT_FALSE(B->Visible());
        if (C.Orientation == noHorizontal)
          EXPECT_EQ(B->Left(), Nav->Width() + 1) << i;
        else
          EXPECT_EQ(B->Top(), Nav->Height() + 1) << i;
      }
    }
    delete Nav;
  }
}

TEST(DBExNavigatorLayout, AlignedNavigatorSpreadsTheRemainder) {
  TTestForm Form(250, 100);
  auto* Nav = new TDBExNavigator(Form.Get());
  Nav->SetVisibleButtons(DialogButtons);
  Nav->SetParent(Form.Get());
  Nav->SetAlign(alTop);
  test::Pump();
  ASSERT_EQ(Nav->Width(), 250);
  std::vector<Integer> Widths;
  Integer Right = 0;
  for (TExNavigateBtn B : {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbPost, nbCancel}) {
    EXPECT_EQ(Nav->Buttons(B)->Left(), Right);
    Widths.push_back(Nav->Buttons(B)->Width());
    Right += Widths.back();
  }
  EXPECT_EQ(Right, 250);
  EXPECT_EQ(Widths, (std::vector<Integer>{31, 31, 32, 31, 31, 31, 32, 31}));
}

TEST(DBExNavigatorLayout, DefaultsGlyphsAndHints) {
  TTestForm Form(400, 100, false);
  auto* Nav = new TDBExNavigator(Form.Get());
  EXPECT_EQ(Nav->Width(), 240);
  EXPECT_EQ(Nav->Height(), 25);
  EXPECT_EQ(Nav->GetVersionNr(), 0x01030102u);
  EXPECT_EQ(Nav->Version(), L"1.3.1.2");
  for (Integer i = 0; i < 13; ++i) {
    TExNavButton* B = Nav->Buttons(TExNavigateBtn(i));
    EXPECT_EQ(B->Glyph()->Width(), 16) << i;
    EXPECT_FALSE(B->GlyphHot()->Empty()) << i;
    EXPECT_FALSE(B->GlyphDisabled()->Empty()) << i;
    // Every glyph shows something on its transparent ground.
    Integer Ink = 0;
    for (Integer Y = 0; Y < 16; ++Y)
      for (Integer X = 0; X < 16; ++X)
        Ink += B->Glyph()->Canvas()->Pixels(X, Y) != B->Glyph()->TransparentColor();
    EXPECT_GT(Ink, 12) << i;
  }
  EXPECT_EQ(Nav->Buttons(nbNext)->Hint(), L"N\u00e4chster Datensatz");
  EXPECT_EQ(Nav->Buttons(nbGotoBookMark)->Hint(), L"Goto bookmark");
  EXPECT_TRUE(Nav->Buttons(nbPrior)->NavStyle().Contains(nsAllowTimer));
  EXPECT_FALSE(Nav->Buttons(nbFirst)->NavStyle().Contains(nsAllowTimer));

  Nav->SetGlyphSize(gsLarge);
  EXPECT_EQ(Nav->Buttons(nbPost)->Glyph()->Width(), 24);
  EXPECT_EQ(Nav->Buttons(nbPost)->GlyphHot()->Width(), 24);
  Nav->SetGlyphResName(L"NOSUCH");
  EXPECT_THROW(Nav->SetGlyphSize(gsCustom), EResNotFound);
  // A failed size leaves the buttons as they were.
  EXPECT_EQ(Nav->GlyphSize(), gsLarge);
  for (Integer i = 0; i < 13; ++i)
    EXPECT_EQ(Nav->Buttons(TExNavigateBtn(i))->Glyph()->Width(), 24) << i;
  // A custom size names its pictures: "L" reaches the large ones.
  Nav->SetGlyphSize(gsSmall);
  Nav->SetGlyphResName(L"L");
  Nav->SetGlyphCustomSize(34);
  Nav->SetGlyphSize(gsCustom);
  EXPECT_EQ(Nav->Buttons(nbLast)->Glyph()->Width(), 24);
  EXPECT_THROW(Nav->SetGlyphResName(L"NOSUCH"), EResNotFound);
  EXPECT_EQ(Nav->GlyphResName(), L"L");
  EXPECT_EQ(Nav->Buttons(nbLast)->Glyph()->Width(), 24);
  Nav->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(Nav->Width(), 10 * 34);
  EXPECT_EQ(Nav->Height(), 32);

  // Hints: a user line replaces its button's default, an empty line keeps
  // it, and the default texts themselves leave the user list empty.
  TStringList L;
  L.Add(L"Anfang");
  L.Add(L"");
  Nav->SetHints(&L);
  EXPECT_EQ(Nav->Buttons(nbFirst)->Hint(), L"Anfang");
  EXPECT_EQ(Nav->Buttons(nbPrior)->Hint(), L"Vorheriger Datensatz");
  TStringList Defaults;
  for (Integer i = 0; i < 13; ++i) Defaults.Add(Nav->Buttons(TExNavigateBtn(i))->Hint());
  Defaults.SetStrings(0, L"Erster Datensatz");
  Nav->SetHints(&Defaults);
  EXPECT_EQ(Nav->Hints()->Count(), 0);
  EXPECT_EQ(Nav->Buttons(nbFirst)->Hint(), L"Erster Datensatz");
}

TEST(DBExNavigatorLayout, LooksAndColoursReachEveryButton) {
  TTestForm Form(400, 100, false);
  auto* Nav = new TDBExNavigator(Form.Get());
  auto All = [&](auto Check) {
    for (Integer i = 0; i < 13; ++i) Check(Nav->Buttons(TExNavigateBtn(i)), i);
  };
  // As the holiday dialog sets it up.
  Nav->SetFlat(false);
  Nav->SetColorDown(TColor(0xD8D3D2));
  Nav->SetColorHot(TColor(0xCAC7C7));
  All([](TExNavButton* B, Integer i) {
    EXPECT_FALSE(B->Flat()) << i;
    EXPECT_EQ(B->Color(), clBtnFace) << i;
    EXPECT_EQ(B->ColorHot(), TColor(0xCAC7C7)) << i;
  });
  Nav->SetLook(2);
  All([](TExNavButton* B, Integer i) {
    EXPECT_TRUE(B->Flat()) << i;
    EXPECT_EQ(B->Color(), TColor(0xFDEADA)) << i;
    EXPECT_EQ(B->ColorTo(), TColor(0xE4AE88)) << i;
    EXPECT_EQ(B->ColorDown(), TColor(0x4E91FE)) << i;
    EXPECT_EQ(B->BorderHotColor(), TColor(0)) << i;
    EXPECT_EQ(B->BorderColor(), clNone) << i;
  });
  // Looks past 6 are only stored.
  Nav->SetLook(9);
  EXPECT_EQ(Nav->Look(), 9);
  EXPECT_EQ(Nav->Buttons(nbPost)->Color(), TColor(0xFDEADA));
  // The navigator's own background is not the buttons' face.
  EXPECT_EQ(Nav->TCustomPanel::Color(), clBtnFace);
}

TEST_F(Navigator, EnabledStatesFollowTheDataSet) {
  Nav->SetVisibleButtons(TButtonSet{nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit,
                                    nbPost, nbCancel, nbRefresh, nbSearch, nbSetBookmark,
                                    nbGotoBookMark});
  Nav->SetDataSource(&Source);
  // Empty.
  for (TExNavigateBtn B : {nbFirst, nbPrior, nbNext, nbLast, nbDelete, nbPost, nbCancel})
    EXPECT_FALSE(On(B)) << int(B);
  EXPECT_TRUE(On(nbInsert));
  Fill(3);
  EXPECT_FALSE(On(nbFirst));
  EXPECT_FALSE(On(nbPrior));
  EXPECT_TRUE(On(nbNext));
  EXPECT_TRUE(On(nbDelete));
  Table.Next();
  Table.Last();
  EXPECT_TRUE(On(nbFirst));
  EXPECT_FALSE(On(nbNext));
  EXPECT_FALSE(On(nbLast));
  Table.Edit();
  EXPECT_TRUE(On(nbPost));
  EXPECT_TRUE(On(nbCancel));
  EXPECT_FALSE(On(nbEdit));
  EXPECT_FALSE(On(nbRefresh));
  Table.Cancel();
  EXPECT_FALSE(On(nbPost));
  EXPECT_TRUE(On(nbEdit));

  Nav->SetInsertDisabled(true);
  EXPECT_FALSE(On(nbInsert));
  Table.Edit();
  Table.Post();
  Table.First();
  EXPECT_FALSE(On(nbInsert));
  Nav->SetDeleteDisabled(true);
  EXPECT_FALSE(On(nbDelete));

  Nav->SetEnabled(false);
  for (Integer i = 0; i < 13; ++i) EXPECT_FALSE(On(TExNavigateBtn(i))) << i;
  Nav->SetEnabled(true);
  EXPECT_TRUE(On(nbNext));
  Table.Close();
  for (Integer i = 0; i < 13; ++i) EXPECT_FALSE(On(TExNavigateBtn(i))) << i;
}

TEST_F(Navigator, ClicksRunActionsAndEvents) {
  Nav->SetVisibleButtons(TButtonSet{nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit,
                                    nbPost, nbCancel, nbRefresh, nbSearch, nbSetBookmark,
                                    nbGotoBookMark});
  std::vector<String> Log;
  Nav->BeforeAction = [&](TObject*, TExNavigateBtn B) { Log.push_back(L"before " + std::to_wstring(B)); };
  Nav->OnClick = [&](TObject*, TExNavigateBtn B) { Log.push_back(L"click " + std::to_wstring(B)); };
  // Without a data source no action runs, only OnClick.
  Nav->BtnClick(nbNext);
  EXPECT_EQ(Log, (std::vector<String>{L"click 2"}));

  Fill(4);
  Nav->SetDataSource(&Source);
  Log.clear();
  Press(nbNext);
  EXPECT_EQ(Current(), L"T2");
  EXPECT_EQ(Log, (std::vector<String>{L"before 2", L"click 2"}));
  Press(nbLast);
  EXPECT_EQ(Current(), L"T4");
  Press(nbFirst);
  EXPECT_EQ(Current(), L"T1");

  // The go-to button waits for a bookmark and drops it with the link.
  EXPECT_FALSE(On(nbGotoBookMark));
  Table.Next();
  Press(nbSetBookmark);
  EXPECT_TRUE(On(nbGotoBookMark));
  Table.Last();
  Press(nbGotoBookMark);
  EXPECT_EQ(Current(), L"T2");

  // An own event replaces the default action.
  int Own = 0;
  Nav->OnBtnNext = [&](TObject* S) { ++Own; EXPECT_EQ(S, Nav); };
  Press(nbNext);
  EXPECT_EQ(Own, 1);
  EXPECT_EQ(Current(), L"T2");
  Nav->OnBtnNext = nullptr;

  {
    test::TMessageBoxRecorder Boxes(IDCANCEL);
    Press(nbDelete);
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].Text, L"Datensatz l\u00f6schen?");
    EXPECT_EQ(Table.RecordCount(), 4);
    Boxes.SetAnswer(IDOK);
    Press(nbDelete);
    EXPECT_EQ(Table.RecordCount(), 3);
    Nav->SetConfirmDelete(false);
    Press(nbDelete);
    EXPECT_EQ(Table.RecordCount(), 2);
    EXPECT_EQ(Boxes.Boxes().size(), 2u);
  }

  Press(nbInsert);
  EXPECT_EQ(Table.State(), dsInsert);
  Table.FieldByName(L"Tagestext")->SetAsString(L"Neu");
  Press(nbPost);
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecordCount(), 3);

  Nav->SetDataSource(nullptr);
  EXPECT_FALSE(On(nbGotoBookMark));
  Nav->SetDataSource(&Source);
  EXPECT_FALSE(On(nbGotoBookMark));
}

TEST_F(Navigator, WindowNeverShrinksBelowItsButtonsAndForgetsAFreedSource) {
  ASSERT_TRUE(Nav->HandleAllocated());
  Nav->SetBounds(0, 0, 50, 10);
  test::Pump();
  EXPECT_GE(Nav->Width(), 200);
  EXPECT_GE(Nav->Height(), 18);
  RECT R;
  GetClientRect(Nav->Handle(), &R);
  EXPECT_GE(R.right, 200);

  auto* Other = new TDataSource(nullptr);
  Other->SetDataSet(&Table);
  Nav->SetDataSource(Other);
  EXPECT_EQ(reinterpret_cast<TDataLink*>(Nav->Perform(CM_GETDATALINK, 0, 0))->DataSource(), Other);
  delete Other;
  EXPECT_EQ(Nav->DataSource(), nullptr);
  Nav->BtnClick(nbNext);
}

// The repeat timer is fired by hand and the mouse messages are sent, not
// posted: nothing pumps, so the real timer never gets a turn.
void SendMouse(TExNavButton* Button, UINT Msg, Integer X, Integer Y) {
  HWND Window = Button->Parent()->Handle();
  X += Button->Left();
  Y += Button->Top();
  SendMessageW(Window, Msg, Msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
               MAKELPARAM(static_cast<Word>(X), static_cast<Word>(Y)));
}

TEST_F(Navigator, PriorRepeatsWhileHeld) {
  Fill(30);
  Table.Last();
  Nav->SetDataSource(&Source);
  TExNavButton* Prior = Nav->Buttons(nbPrior);
  Integer Steps = 0;
  Nav->OnClick = [&](TObject*, TExNavigateBtn) { ++Steps; };
  const auto Before = test::LiveTimers();
  SendMouse(Prior, WM_LBUTTONDOWN, 5, 5);
  TTimer* Repeat = test::NewTimer(Before);
  ASSERT_NE(Repeat, nullptr);
  // The first repeat waits longer than those after it.
  EXPECT_TRUE(Repeat->Enabled());
  EXPECT_EQ(Repeat->Interval(), 400u);
  EXPECT_EQ(Steps, 0);
  test::FireTimer(Repeat);
  EXPECT_EQ(Steps, 1);
  EXPECT_EQ(Repeat->Interval(), 100u);
  for (int Tick = 0; Tick < 3; ++Tick) test::FireTimer(Repeat);
  EXPECT_EQ(Steps, 4);
  SendMouse(Prior, WM_LBUTTONUP, 5, 5);
  // The release over the button clicks once more; then the repeat stops.
  EXPECT_EQ(Steps, 5);
  EXPECT_FALSE(Repeat->Enabled());
}

TEST_F(Navigator, AFailingRepeatStopsTheRepeat) {
  Fill(3);
  Nav->SetDataSource(&Source);
  test::TMessageBoxRecorder Boxes;
  Integer Calls = 0;
  Nav->OnBtnNext = [&](TObject*) {
    if (++Calls == 2) throw Exception(L"Kein Weiter");
  };
  TExNavButton* Next = Nav->Buttons(nbNext);
  const auto Before = test::LiveTimers();
  SendMouse(Next, WM_LBUTTONDOWN, 5, 5);
  TTimer* Repeat = test::NewTimer(Before);
  ASSERT_NE(Repeat, nullptr);
  test::FireTimer(Repeat);
  test::FireTimer(Repeat);
  EXPECT_EQ(Calls, 2);
  EXPECT_FALSE(Repeat->Enabled());
  ASSERT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_NE(Boxes.Boxes()[0].Text.find(L"Kein Weiter"), String::npos);
  SendMouse(Next, WM_LBUTTONUP, 50, 50);
  EXPECT_EQ(Calls, 2);
}

TEST_F(Navigator, ArrowKeysMoveTheFocusedButton) {
  Nav->SetVisibleButtons(DialogButtons);
  Nav->SetTabStop(true);
  Nav->SetFocus();
  ASSERT_TRUE(test::PumpUntil([&] { return Nav->Focused(); }));
  struct {
    Word Key;
    TExNavigateBtn Want;
  } Steps[] = {{VK_LEFT, nbFirst},  {VK_RIGHT, nbPrior}, {VK_RIGHT, nbNext},
               {VK_RIGHT, nbLast},  {VK_RIGHT, nbInsert}, {VK_RIGHT, nbDelete},
               {VK_RIGHT, nbPost},  {VK_RIGHT, nbCancel}, {VK_RIGHT, nbCancel},
               {VK_LEFT, nbPost},   {VK_LEFT, nbDelete}};
  for (const auto& S : Steps) {
    test::KeyPress(Nav, S.Key);
    test::Pump();
    EXPECT_EQ(Nav->FocusedButton(), S.Want);
  }
  // Space clicks the focused button.
  Fill(2);
  Nav->SetDataSource(&Source);
  test::KeyPress(Nav, VK_LEFT);
  test::KeyPress(Nav, VK_LEFT);
  test::KeyPress(Nav, VK_LEFT);
  test::Pump();
  ASSERT_EQ(Nav->FocusedButton(), nbNext);
  test::KeyPress(Nav, VK_SPACE);
  test::Pump();
  EXPECT_EQ(Current(), L"T2");
}

// The version text is made from the version number, so a descendant that
// reports another number shows that one.
class TLaterNavigator : public TDBExNavigator {
 public:
  using TDBExNavigator::TDBExNavigator;
  Cardinal GetVersionNr() const override { return 0x020A0005; }
};

TEST(DBExNavigatorLayout, VersionTextFollowsTheNumber) {
  TTestForm Form(400, 100, false);
  auto* Nav = new TLaterNavigator(Form.Get());
  EXPECT_EQ(Nav->Version(), L"2.10.0.5");
  Nav->SetVersion(L"9.9.9.9");
  EXPECT_EQ(Nav->Version(), L"2.10.0.5");
}

}  // namespace
}  // namespace jorv

