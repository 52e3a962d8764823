// Opening, placing and closing the pop-up of a drop-down editor: where it
// lands near each screen edge, the keys and clicks that open and close it,
// the guard against reopening by the closing click, and an editor that goes
// away under an open pop-up.
#include "tests/dropdown/DropDownFixture.h"

#include "dropdown/HeaderFooter.h"
#include "dropdown/ExButton.h"
#include "platform/ui/Panel.h"
#include "tests/support/FixedClock.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

// --- placement -----------------------------------------------------------------------------------

struct TPlaceCase {
  const char* Name;
  TRect WorkArea;
  TPoint Editor;
  TSize Size;
  TDropPosition Position;
  TPoint Expected;
};

TEST(PlaceDropDownTest, StaysInsideTheWorkAreaAtEveryEdge) {
  const TRect Screen(0, 0, 1600, 1000);
  const TRect Left(-1280, 0, 0, 1024);  // a second monitor left of the primary one
  const TPlaceCase Cases[] = {
      {"open space: below, one pixel up", Screen, {100, 300}, {200, 150}, dpAuto, {100, 320}},
      {"bottom edge: above", Screen, {100, 900}, {200, 150}, dpAuto, {100, 750}},
      {"bottom edge, asked down: above all the same", Screen, {100, 900}, {200, 150}, dpDown, {100, 750}},
      {"top edge, asked up: below", Screen, {100, 50}, {200, 150}, dpUp, {100, 70}},
      {"room above when asked up", Screen, {100, 500}, {200, 150}, dpUp, {100, 350}},
      {"right edge: moved left to end at the edge", Screen, {1500, 300}, {200, 150}, dpAuto, {1400, 320}},
      {"beyond the right edge: moved in", Screen, {1700, 300}, {200, 150}, dpAuto, {1400, 320}},
      {"left edge: moved right", Screen, {-40, 300}, {200, 150}, dpAuto, {0, 320}},
      {"second monitor at negative X, right edge", Left, {-100, 300}, {200, 150}, dpAuto, {-200, 320}},
      {"second monitor, left edge", Left, {-1300, 990}, {200, 150}, dpAuto, {-1280, 840}},
      {"taller than either side: the larger side, kept inside", Screen, {100, 400}, {200, 700}, dpAuto, {100, 300}},
  };
  for (const TPlaceCase& C : Cases) {
    const TPoint P = PlaceDropDown(C.Editor, 21, C.Size, C.Position, C.WorkArea);
    EXPECT_EQ(P.X, C.Expected.X) << C.Name;
    EXPECT_EQ(P.Y, C.Expected.Y) << C.Name;
  }
  // A 1080-pixel screen: at 900 a 200-pixel pop-up goes above, at 800 below.
  const TRect FullHD(0, 0, 1920, 1080);
  EXPECT_EQ(PlaceDropDown({0, 900}, 21, {100, 200}, dpAuto, FullHD).Y, 700);
  EXPECT_EQ(PlaceDropDown({0, 800}, 21, {100, 200}, dpAuto, FullHD).Y, 820);
}

// --- opening and closing ----------------------------------------------------------------------------

class PopupTest : public DropDownFixture {
 protected:
  PopupTest() {
    Edit->OnDropUp = [this](TObject*, bool Cancelled) {
      ++DropUps;
      LastCancelled = Cancelled;
    };
  }
  HWND Popup() { return Edit->DropDownForm()->Handle(); }
  void ClickButton() {
    TExDropDownSpeedButton* B = Edit->Button()->Button();
    MouseDown(B, 5, 5);
    MouseUp(B, 5, 5);
  }
  void SysKey(Word Key) { SendMessageW(Edit->Handle(), WM_SYSKEYDOWN, Key, 1 | (1 << 29)); }

  Integer DropUps = 0;
  bool LastCancelled = false;
};

TEST_F(PopupTest, AButtonClickOpensATopmostPopupUnderTheEditor) {
  ClickButton();
  ASSERT_TRUE(PumpUntil([&] { return PopupShown(); }));
  EXPECT_TRUE(Edit->DroppedDown());
  RECT R{};
  GetWindowRect(Popup(), &R);
  POINT Origin{0, 0};
  ClientToScreen(Edit->Handle(), &Origin);
  RECT E{};
  GetWindowRect(Edit->Handle(), &E);
  EXPECT_EQ(R.left, E.left);
  EXPECT_EQ(R.top, E.top + Edit->Height() - 1);
  EXPECT_EQ(R.right - R.left, Edit->Width()) << "as wide as the editor by default";
  const LONG_PTR ExStyle = GetWindowLongPtrW(Popup(), GWL_EXSTYLE);
  EXPECT_TRUE(ExStyle & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongPtrW(Popup(), GWL_STYLE) & WS_CAPTION);
  EXPECT_EQ(GetWindow(Popup(), GW_OWNER), Form->Handle()) << "owned by the editor's form";
}

TEST_F(PopupTest, KeysOpenAndClose) {
  KeyDown(VK_F4);
  EXPECT_TRUE(PopupShown());
  KeyDown(VK_F4);
  EXPECT_FALSE(PopupShown());
  EXPECT_FALSE(LastCancelled);
  SysKey(VK_DOWN);
  EXPECT_TRUE(PopupShown());
  SysKey(VK_UP);
  EXPECT_FALSE(PopupShown());
  KeyDown(VK_F4);
  KeyDown(VK_RETURN);
  EXPECT_FALSE(PopupShown());
  EXPECT_FALSE(LastCancelled);
  KeyDown(VK_F4);
  KeyDown(VK_ESCAPE);
  EXPECT_FALSE(PopupShown());
  EXPECT_TRUE(LastCancelled);
  EXPECT_EQ(DropUps, 4);
  KeyDown(VK_ESCAPE);
  EXPECT_EQ(DropUps, 4) << "closing a closed pop-up does nothing";
}

// Showing the pop-up again for its shadow takes its activation for a
// moment; that is no click elsewhere that closes it.
TEST_F(PopupTest, APopupWithAForcedShadowStaysOpenUntilClosed) {
  Edit->SetForceShadow(true);
  KeyDown(VK_F4);
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Popup(); }));
  EXPECT_TRUE(Edit->DroppedDown());
  EXPECT_TRUE(Edit->DropDownForm()->Visible());
  EXPECT_EQ(DropUps, 0);
  Edit->HideDropDown(false);
  EXPECT_FALSE(PopupShown());
  EXPECT_FALSE(Edit->DroppedDown());
  EXPECT_EQ(DropUps, 1);
}

TEST_F(PopupTest, KeysTypedInThePopupReachTheEditor) {
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Popup(); }));
  KeyPress(Edit->DropDownForm(), VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return !PopupShown(); }));
  EXPECT_TRUE(LastCancelled);
  EXPECT_TRUE(PumpUntil([&] { return Edit->Focused(); })) << "the focus comes back to the editor";
}

TEST_F(PopupTest, CancellingRestoresTheTextOfTheOpening) {
  Edit->SetText(L"before");
  Edit->ShowDropDown();
  Edit->SetRawText(L"after");
  Edit->HideDropDown(true);
  EXPECT_EQ(Edit->Text(), L"before");
  Edit->ShowDropDown();
  Edit->SetRawText(L"after");
  Edit->HideDropDown(false);
  EXPECT_EQ(Edit->Text(), L"after");
}

TEST_F(PopupTest, LosingTheActivationClosesAndTheClosingClickDoesNotReopen) {
  FixedClock Clock(0);
  Clock.SetTicks(10000);
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Popup(); }));
  SetActiveWindow(Form->Handle());
  ASSERT_TRUE(PumpUntil([&] { return !PopupShown(); }));
  EXPECT_TRUE(LastCancelled) << "a click outside cancels by default";
  EXPECT_EQ(Edit->DropDownForm()->DeActivateTime(), 10000u);
  Clock.Advance(100);
  ClickButton();
  Pump();
  EXPECT_FALSE(PopupShown()) << "the click that closed it";
  Clock.Advance(200);
  ClickButton();
  EXPECT_TRUE(PumpUntil([&] { return PopupShown(); })) << "more than 250 ms later it opens";
}

TEST_F(PopupTest, ClosingByAnotherWindowLeavesThatWindowActive) {
  TTestForm Other(100, 50, false);
  Other->SetBounds(500, 400, 120, 80);
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Popup(); }));
  Other->Show();
  ASSERT_TRUE(PumpUntil([&] { return !PopupShown(); }));
  Pump();
  EXPECT_EQ(GetActiveWindow(), Other->Handle());
  EXPECT_FALSE(Edit->Focused());
}

TEST_F(PopupTest, AWindowOfThePopupItselfKeepsItOpen) {
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Popup(); }));
  TForm Child(nullptr);
  Child.SetBorderStyle(bsNone);
  Child.SetPosition(poDesigned);
  Child.SetBounds(0, 0, 50, 50);
  Child.HandleNeeded();
  SetWindowLongPtrW(Child.Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Popup()));
  Child.Show();
  Pump();
  EXPECT_TRUE(PopupShown());
  Child.Hide();
  Edit->HideDropDown(false);
}

TEST_F(PopupTest, RefusedOpenings) {
  Edit->OnDropDown = [](TObject*, bool& Accept) { Accept = false; };
  Edit->ShowDropDown();
  EXPECT_FALSE(PopupShown());
  EXPECT_FALSE(Edit->DroppedDown());
  Edit->OnDropDown = nullptr;
  Edit->SetReadOnly(true);
  Edit->ShowDropDown();
  EXPECT_FALSE(PopupShown());
  Edit->SetReadOnly(false);
  Edit->SetEnabled(false);
  Edit->ShowDropDown();
  EXPECT_FALSE(PopupShown());
}

TEST_F(PopupTest, EscWhileOpenIsTheEditorsKey) {
  Edit->ShowDropDown();
  EXPECT_EQ(Edit->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 1);
  Edit->HideDropDown(false);
  EXPECT_EQ(Edit->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 0);
}

TEST_F(PopupTest, APickerTakesNoTypingButOpensAndCloses) {
  Edit->SetText(L"kept");
  Edit->SetEditorEnabled(false);
  Type(L"xyz");
  EXPECT_EQ(Edit->Text(), L"kept");
  KeyDown(VK_F4);
  EXPECT_TRUE(PopupShown());
  Edit->SetRawText(L"picked");
  KeyDown(VK_ESCAPE);
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Edit->Text(), L"kept");
  MouseDown(Edit, 10, 10);
  EXPECT_TRUE(PumpUntil([&] { return PopupShown(); })) << "a press on a picker opens it";
  Edit->HideDropDown(false);
}

TEST_F(PopupTest, AnEditorFreedUnderItsOpenPopupTakesThePopupAlong) {
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == Popup(); }));
  const HWND Window = Popup();
  delete Edit;
  Edit = nullptr;
  Pump();
  EXPECT_FALSE(IsWindow(Window));
}

TEST_F(PopupTest, HidingTheEditorsFormClosesThePopup) {
  Edit->ShowDropDown();
  ASSERT_TRUE(PopupShown());
  Form->Hide();
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_FALSE(Edit->DroppedDown());
  EXPECT_TRUE(LastCancelled);
}

TEST_F(PopupTest, HeaderAndFooterAreMadeWhenTheLookAsks) {
  Edit->DropDownHeader()->SetCaption(L"Pick one");
  Edit->DropDownFooter()->Buttons()->Add()->SetCaption(L"OK");
  TFooterButton* Ok = Edit->DropDownFooter()->Buttons()->Items(0);
  Ok->SetModalResult(mrOk);
  auto* Retry = Edit->DropDownFooter()->Buttons()->Add();
  Retry->SetCaption(L"Again");
  Retry->SetModalResult(mrRetry);
  Integer Clicked = -1;
  Edit->OnDropDownFooterButtonClick = [&](TObject*, Integer Index) { Clicked = Index; };
  Edit->ShowDropDown();
  TExHeader* H = Edit->DropDownForm()->Header();
  TExFooter* F = Edit->DropDownForm()->Footer();
  ASSERT_NE(H, nullptr);
  ASSERT_NE(F, nullptr);
  EXPECT_EQ(H->Top(), 1) << "inside the pop-up's border";
  EXPECT_EQ(H->Height(), 22);
  EXPECT_EQ(F->Top() + F->Height(), Edit->DropDownForm()->ClientHeight() - 1);
  ASSERT_EQ(F->ButtonCount(), 2);
  F->ButtonAt(1)->Click();
  EXPECT_EQ(Clicked, 1);
  EXPECT_TRUE(PopupShown()) << "a retry result does not close";
  F->ButtonAt(0)->Click();
  EXPECT_EQ(Clicked, 0);
  EXPECT_FALSE(PopupShown());
  EXPECT_FALSE(LastCancelled);
}

}  // namespace

namespace {

TEST_F(PopupTest, APopupTakesItsSizeFromTheHostedControl) {
  auto* Content = new TPanel(Form.Get());
  Content->SetBounds(0, 0, 230, 100);
  Edit->SetControl(Content);
  Edit->ShowDropDown();
  TDropDownForm* F = Edit->DropDownForm();
  EXPECT_EQ(F->Width(), 230);
  EXPECT_EQ(F->Height(), 2 * 1 + 22 + 22 + 100) << "border, header, footer and the control";
  EXPECT_EQ(Content->Top(), 1 + 22);
  EXPECT_EQ(Content->Height(), 100);
  Edit->HideDropDown(false);
}

}  // namespace
