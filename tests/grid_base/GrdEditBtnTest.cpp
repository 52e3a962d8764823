// The grid's edit with a button and its unit variant: who the button's
// click names, F4, the locked editor, the layout beside the button, the
// value and unit split, and the unit menu.
#include <gtest/gtest.h>

#include "grid/base/GrdEditBtn.h"
#include "platform/gfx/Picture.h"
#include "platform/ui/Clipboard.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Holds one key down (as the thread's keyboard state sees it) while alive.
class THeldKey {
 public:
  explicit THeldKey(Byte Key) : FKey(Key) { Set(0x80); }
  ~THeldKey() { Set(0); }

 private:
  void Set(Byte State) {
    BYTE Keys[256];
    GetKeyboardState(Keys);
    Keys[FKey] = State;
    SetKeyboardState(Keys);
  }
  Byte FKey;
};

class EditBtn : public ::testing::Test {
 protected:
  void SetUp() override {
    Edit = new TGrdEditBtn(Form.Get());
    Edit->SetParent(Form.Get());
    Edit->SetBounds(10, 10, 140, 24);
    Edit->OnClickBtn = [this](TObject* Sender) { Senders.push_back(Sender); };
    Edit->SetFocus();
    Pump();
  }
  TTestForm Form{300, 200};
  TGrdEditBtn* Edit = nullptr;
  std::vector<TObject*> Senders;
};

TEST_F(EditBtn, TheButtonClicksOnReleaseAndF4WithoutCtrlOrAlt) {
  TControl* Face = Edit->Button()->Button();
  MouseDown(Face, 5, 5);
  EXPECT_TRUE(Senders.empty());
  MouseUp(Face, 5, 5);
  ASSERT_EQ(Senders.size(), 1u);
  EXPECT_EQ(Senders[0], Edit->Button());
  EXPECT_TRUE(Edit->Focused());
  KeyPress(Edit, VK_F4);
  ASSERT_EQ(Senders.size(), 2u);
  EXPECT_EQ(Senders[1], Edit);
  {
    THeldKey Ctrl(VK_CONTROL);
    KeyPress(Edit, VK_F4);
  }
  for (Byte Alt : {VK_LMENU, VK_RMENU}) {
    THeldKey Held(Alt);
    SendMessageW(Edit->Handle(), WM_KEYDOWN, VK_F4, 1);
  }
  EXPECT_EQ(Senders.size(), 2u);
  Click(Face, 5, 5);
  EXPECT_EQ(Senders.size(), 3u);
}

TEST_F(EditBtn, ALockedEditorTakesNoTypingOrPasteButItsButtonWorks) {
  Edit->SetEditorEnabled(false);
  Edit->SetSelStart(1);
  PostChar(Edit, L'7');
  Clipboard()->SetAsText(L"99");
  SendMessageW(Edit->Handle(), WM_PASTE, 0, 0);
  SendMessageW(Edit->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(Edit->Text(), L"0");
  Click(Edit->Button()->Button(), 5, 5);
  EXPECT_EQ(Senders.size(), 1u);
  Edit->SetEditorEnabled(true);
  Edit->SelectAll();
  SendMessageW(Edit->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(Edit->Text(), L"99");
}

TEST_F(EditBtn, TheTextStopsBeforeTheButtonAndTheUnit) {
  // A single border of 2 pixels leaves a client 136 wide and 20 high.
  EXPECT_EQ(Edit->Button()->BoundsRect(), TRect(117, 0, 135, 19));
  // The window keeps text margins of its own inside the rectangle it is
  // given, so the rectangle is compared as it moves.
  RECT Narrow{}, Wide{};
  SendMessageW(Edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Narrow));
  Edit->SetButtonWidth(30);
  EXPECT_EQ(Edit->Button()->BoundsRect(), TRect(105, 0, 135, 19));
  SendMessageW(Edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Wide));
  EXPECT_EQ(Narrow.right - Wide.right, 12);
  Edit->SetButtonWidth(18);

  auto* Unit = new TGrdUnitEditBtn(Form.Get());
  Unit->SetParent(Form.Get());
  Unit->SetBounds(10, 60, 140, 24);
  EXPECT_EQ(GetWindowLongW(Unit->Handle(), GWL_STYLE) & ES_RIGHT, ES_RIGHT);
  EXPECT_EQ(GetWindowLongW(Edit->Handle(), GWL_STYLE) & ES_RIGHT, 0);
  // Aligned alike, the unit's room and 3 pixels more come off the right.
  Edit->SetRightAlign(true);
  RECT Plain{}, WithUnit{};
  SendMessageW(Edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Plain));
  SendMessageW(Unit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&WithUnit));
  EXPECT_EQ(Plain.right - WithUnit.right, 20 + 3);
  Unit->SetUnitSpace(40);
  SendMessageW(Unit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&WithUnit));
  EXPECT_EQ(Plain.right - WithUnit.right, 40 + 3);
}

TEST(UnitEditBtn, TextAndUnitSplitAtTheLongestUnitThatEndsTheValue) {
  struct Case {
    std::vector<const wchar_t*> Units;
    const wchar_t* Value;
    const wchar_t* Text;
    const wchar_t* Unit;
  };
  const Case Cases[] = {
      {{L"m", L"mm"}, L"5mm", L"5", L"mm"},
      {{L"m", L"cm"}, L"5cm", L"5", L"cm"},  // not "5c" metres
      {{L"cm", L"m"}, L"12.5m", L"12.5", L"m"},
      {{L"kg", L"g"}, L"3 kg", L"3 ", L"kg"},
      {{L"m"}, L"5mm", L"old", L"u"},        // "m" stands earlier too: nothing fits
      {{L"m", L"cm"}, L"5", L"old", L"u"},
      {{}, L"5m", L"old", L"u"},
  };
  for (const Case& C : Cases) {
    TGrdUnitEditBtn Unit(nullptr);
    for (const wchar_t* U : C.Units) Unit.Units()->Add(U);
    Unit.SetText(L"old");
    Unit.SetUnitID(L"u");
    Unit.SetTextAndUnit(C.Value);
    EXPECT_EQ(Unit.Text(), C.Text) << C.Value;
    EXPECT_EQ(Unit.UnitID(), C.Unit) << C.Value;
  }
  TGrdUnitEditBtn Unit(nullptr);
  Unit.SetText(L"7");
  Unit.SetUnitID(L"km");
  EXPECT_EQ(Unit.TextAndUnit(), L"7km");
  Unit.SetUnits(nullptr);
  EXPECT_EQ(Unit.Units()->Count(), 0);
}

class UnitMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    Unit = new TGrdUnitEditBtn(Form.Get());
    Unit->SetParent(Form.Get());
    Unit->SetBounds(10, 10, 140, 24);
    for (const wchar_t* U : {L"mm", L"cm", L"m"}) Unit->Units()->Add(U);
    Unit->SetUnitID(L"cm");
    Unit->OnUnitChanged = [this](TObject* Sender, const String& NewUnit) {
      EXPECT_EQ(Sender, Unit);
      Changes.push_back(NewUnit);
    };
    Unit->OnClickBtn = [this](TObject* Sender) { Senders.push_back(Sender); };
    Unit->SetFocus();
    Pump();
  }
  // Opens the menu with F4, the given keys already waiting for it.
  void PickWithKeys(std::initializer_list<Word> Keys) {
    for (Word Key : Keys) PostMessageW(Unit->Handle(), WM_KEYDOWN, Key, 1);
    Unit->ButtonClick(Unit->Button());
    Pump();
  }
  TTestForm Form{300, 200};
  TGrdUnitEditBtn* Unit = nullptr;
  std::vector<String> Changes;
  std::vector<TObject*> Senders;
};

TEST_F(UnitMenu, PickingAnotherUnitChangesItOnce) {
  PickWithKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_EQ(Unit->UnitID(), L"m");
  EXPECT_EQ(Changes, std::vector<String>{L"m"});
  // The unit edit names itself, whoever clicked.
  EXPECT_EQ(Senders, std::vector<TObject*>{Unit});
  PickWithKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
  EXPECT_EQ(Changes.size(), 1u);
  PickWithKeys({VK_ESCAPE});
  EXPECT_EQ(Unit->UnitID(), L"m");
  EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(UnitMenu, CommandsBeyondTheUnitsChangeNothing) {
  SendMessageW(Unit->Handle(), WM_COMMAND, MAKEWPARAM(4, 0), 0);
  SendMessageW(Unit->Handle(), WM_COMMAND, MAKEWPARAM(0, 0), 0);
  SendMessageW(Unit->Handle(), WM_COMMAND, MAKEWPARAM(1, EN_CHANGE), 0);
  EXPECT_EQ(Unit->UnitID(), L"cm");
  SendMessageW(Unit->Handle(), WM_COMMAND, MAKEWPARAM(1, 0), 0);
  EXPECT_EQ(Unit->UnitID(), L"mm");
  Unit->Units()->Clear();
  PickWithKeys({VK_ESCAPE});
  EXPECT_EQ(Unit->UnitID(), L"mm");
}

TEST(GrdSpeedButton, ThePictureIsDrawnCentred) {
  TTestForm Form;
  TGrdSpeedButton Button(nullptr);
  Button.SetParent(Form.Get());
  Button.SetBounds(0, 0, 30, 30);
  EXPECT_EQ(Button.ImageIndex(), 0);
  TBitmap Red;
  Red.SetPixelFormat(pf24bit);
  Red.SetSize(10, 10);
  Red.Canvas()->Brush()->SetColor(clRed);
  Red.Canvas()->FillRect(TRect(0, 0, 10, 10));
  TPicture Picture;
  Picture.SetGraphic(&Red);
  Button.SetPicture(&Picture);
  TRendered Face(&Button);
  EXPECT_EQ(Face.Pixel(10, 10), clRed);
  EXPECT_EQ(Face.Pixel(19, 19), clRed);
  EXPECT_NE(Face.Pixel(9, 9), clRed);
  EXPECT_NE(Face.Pixel(20, 20), clRed);
}

}  // namespace
