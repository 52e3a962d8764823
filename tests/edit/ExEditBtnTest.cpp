// The edit with a button: layout of the button inside the edit, clicks by
// mouse and F4, the locked editor, the enabled state and the drawn faces.
#include <gtest/gtest.h>

#include <vector>

#include "edit/ExEditBtn.h"
#include "foundation/XPTheme.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::foundation;
using namespace jorv::edit;

using namespace jorv;
using namespace jorv::test;

namespace {

// Holds the given keys down in the thread's keyboard state for the scope.
class THeldKeys {
 public:
  explicit THeldKeys(std::initializer_list<int> Keys) {
    GetKeyboardState(FSaved);
    BYTE S[256];
    GetKeyboardState(S);
    for (int K : Keys) S[K] = 0x80;
    SetKeyboardState(S);
  }
  ~THeldKeys() { SetKeyboardState(FSaved); }

 private:
  BYTE FSaved[256];
};

class ExEditBtnTest : public ::testing::Test {
 protected:
  ExEditBtnTest() {
    Edit = new TExEditBtn(Form.Get());
    Edit->SetParent(Form.Get());
    Edit->SetBounds(10, 10, 120, 21);
    Edit->OnClickBtn = [this](TObject* Sender) {
      ++Clicks;
      EXPECT_EQ(Sender, Edit);
    };
    Edit->HandleNeeded();
    Pump();
  }

  void Type(const String& S) {
    for (Char C : S) SendMessageW(Edit->Handle(), WM_CHAR, C, 1);
  }
  void Key(Word K) {
    KeyPress(Edit, K);
  }
  TExSpeedButton* Speed() { return Edit->Button()->SpeedButton(); }

  TTestForm Form{300, 120};
  TExEditBtn* Edit;
  Integer Clicks = 0;
};

TEST_F(ExEditBtnTest, VersionAndStartValues) {
  EXPECT_EQ(Edit->Version(), L"1.3.5.0");
  EXPECT_EQ(Edit->ButtonWidth(), 16);
  EXPECT_EQ(Edit->ButtonStyle(), bsButton);
  EXPECT_TRUE(Edit->EditorEnabled());
  EXPECT_TRUE(Edit->TabStop());
  EXPECT_EQ(Edit->Button()->FocusControl(), Edit);
  EXPECT_EQ(Edit->Button()->Parent(), Edit);
  EXPECT_EQ(Edit->Button()->ButtonColor(), clNone);
  EXPECT_EQ(Edit->Text(), L"");
}

TEST_F(ExEditBtnTest, ButtonSitsAtTheRightEndAndFollowsItsWidth) {
  TEditButton* B = Edit->Button();
  // Single border with Ctl3D: four pixels of frame right of the button.
  EXPECT_EQ(B->Width(), 16);
  EXPECT_EQ(B->Left(), Edit->Width() - 16 - 4);
  EXPECT_EQ(B->Top(), 0);
  EXPECT_EQ(B->Height(), Edit->Height() - 4);
  EXPECT_EQ(Speed()->Width(), 16);

  Edit->SetButtonWidth(20);
  EXPECT_EQ(Edit->ButtonWidth(), 20);
  EXPECT_EQ(B->Width(), 20);
  EXPECT_EQ(Speed()->Width(), 20);
  EXPECT_EQ(B->Left(), Edit->Width() - 20 - 4);
  // The text stops short of the button.
  RECT R{};
  SendMessageW(Edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&R));
  RECT C{};
  GetClientRect(Edit->Handle(), &C);
  EXPECT_LE(R.right, C.right - 20);

  // A width the button window is given directly snaps back to its own.
  B->SetBounds(B->Left(), B->Top(), 40, B->Height());
  EXPECT_EQ(B->Width(), 20);
}

TEST_F(ExEditBtnTest, EditGrowsToTheHeightItsFontNeeds) {
  Edit->Font()->SetHeight(-24);
  Edit->SetBounds(10, 10, 120, 12);
  const Integer Min = Edit->GetMinHeight();
  EXPECT_GT(Min, 24);
  EXPECT_EQ(Edit->Height(), Min);
  // Placed on the pass that followed the growth.
  EXPECT_EQ(Edit->Button()->Height(), Min - 4);
}

TEST_F(ExEditBtnTest, MouseReleaseOnTheButtonClicksAndKeepsTheFocusInTheEdit) {
  Form->Show();
  TEditButton* B = Edit->Button();
  MouseDown(Speed(), 5, 5);
  MouseUp(Speed(), 5, 5);
  EXPECT_EQ(Clicks, 1);
  EXPECT_TRUE(PumpUntil([&] { return Edit->Focused(); }));

  // Released off the button: still a click; a right release is none.
  MouseDown(Speed(), 5, 5);
  MouseUp(Speed(), 50, 50);
  EXPECT_EQ(Clicks, 2);
  // A real right release would open the edit's context menu.
  Speed()->OnMouseUp(Speed(), mbRight, TShiftState{}, 5, 5);
  EXPECT_EQ(Clicks, 2);
  EXPECT_TRUE(B->Enabled());
}

TEST_F(ExEditBtnTest, F4ClicksUnlessCtrlOrAltIsHeld) {
  struct Case {
    std::vector<int> Held;
    Integer Want;
  } Cases[] = {{{}, 1}, {{VK_CONTROL}, 0}, {{VK_LMENU, VK_MENU}, 0}, {{VK_RMENU, VK_MENU}, 0}, {{VK_SHIFT}, 1}};
  for (const Case& C : Cases) {
    Clicks = 0;
    {
      BYTE S[256];
      GetKeyboardState(S);
      BYTE Saved[256];
      memcpy(Saved, S, sizeof S);
      for (int K : C.Held) S[K] = 0x80;
      SetKeyboardState(S);
      SendMessageW(Edit->Handle(), WM_KEYDOWN, VK_F4, 1);
      SetKeyboardState(Saved);
    }
    EXPECT_EQ(Clicks, C.Want) << C.Held.size();
  }
  // Read-only: the button window is disabled, F4 still clicks.
  Edit->SetReadOnly(true);
  EXPECT_FALSE(Edit->Button()->Enabled());
  Clicks = 0;
  SendMessageW(Edit->Handle(), WM_KEYDOWN, VK_F4, 1);
  EXPECT_EQ(Clicks, 1);
  Edit->SetReadOnly(false);
  EXPECT_TRUE(Edit->Button()->Enabled());
}

TEST_F(ExEditBtnTest, DisabledOrReadOnlyEditDisablesTheButton) {
  Edit->SetEnabled(false);
  EXPECT_FALSE(Edit->Button()->Enabled());
  Edit->SetEnabled(true);
  EXPECT_TRUE(Edit->Button()->Enabled());
  Edit->SetReadOnly(true);
  EXPECT_FALSE(Edit->Button()->Enabled());
}

TEST_F(ExEditBtnTest, LockedEditorChangesOnlyThroughTheButton) {
  Edit->SetText(L"abc");
  Edit->SetEditorEnabled(false);
  SendMessageW(Edit->Handle(), EM_SETSEL, 0, -1);
  Type(L"xy");
  SendMessageW(Edit->Handle(), WM_KEYDOWN, VK_DELETE, 1);
  SendMessageW(Edit->Handle(), WM_CUT, 0, 0);
  Clipboard()->SetAsText(L"pasted");
  SendMessageW(Edit->Handle(), WM_PASTE, 0, 0);
  SendMessageW(Edit->Handle(), WM_CLEAR, 0, 0);
  EXPECT_EQ(Edit->Text(), L"abc");

  // Ctrl+C and the copy message still copy.
  Clipboard()->SetAsText(L"");
  {
    THeldKeys Ctrl{VK_CONTROL};
    SendMessageW(Edit->Handle(), WM_CHAR, 3, 1);
  }
  EXPECT_EQ(Clipboard()->AsText(), L"abc");

  // Enter still reaches the edit's own handling.
  Char Seen = 0;
  Edit->OnKeyPress = [&](TObject*, Char& K) { Seen = K; };
  Type(L"\r");
  EXPECT_EQ(Seen, 13);

  SendMessageW(Edit->Handle(), WM_KEYDOWN, VK_F4, 1);
  EXPECT_EQ(Clicks, 1);

  Edit->SetEditorEnabled(true);
  SendMessageW(Edit->Handle(), EM_SETSEL, 0, -1);
  Type(L"xy");
  EXPECT_EQ(Edit->Text(), L"xy");
}

TEST_F(ExEditBtnTest, LockedPasswordEditDoesNotCopy) {
  Edit->SetEditType(etPassword);
  Edit->SetText(L"secret");
  Edit->SetEditorEnabled(false);
  SendMessageW(Edit->Handle(), EM_SETSEL, 0, -1);
  Clipboard()->SetAsText(L"before");
  {
    THeldKeys Ctrl{VK_CONTROL};
    SendMessageW(Edit->Handle(), WM_CHAR, 3, 1);
  }
  EXPECT_EQ(Clipboard()->AsText(), L"before");
}

TEST_F(ExEditBtnTest, ReadOnlyEditTakesNoCutOrPaste) {
  Edit->SetText(L"abc");
  Edit->SetReadOnly(true);
  SendMessageW(Edit->Handle(), EM_SETSEL, 0, -1);
  Clipboard()->SetAsText(L"pasted");
  SendMessageW(Edit->Handle(), WM_PASTE, 0, 0);
  SendMessageW(Edit->Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(Edit->Text(), L"abc");
  EXPECT_EQ(Clipboard()->AsText(), L"pasted");
}

// --- painting -------------------------------------------------------------------

class ExEditBtnPaintTest : public ExEditBtnTest {
 protected:
  ExEditBtnPaintTest() {
    B = Edit->Button();
    B->SetButtonColor(TColor(0x00C000));
    B->SetButtonColorDown(TColor(0x0000C0));
    B->SetButtonTextColor(TColor(0xC00000));
    Form->Show();
    Pump();
  }
  TColor At(Integer X, Integer Y) { return TRendered(B).Pixel(X, Y); }

  TEditButton* B;
};

TEST_F(ExEditBtnPaintTest, ColouredDropDownDrawsTheArrowEvenWithAGlyph) {
  Edit->SetButtonStyle(bsDropDown);
  TBitmap G;
  G.SetSize(8, 8);
  G.Canvas()->Brush()->SetColor(TColor(0x00FFFF));
  G.Canvas()->FillRect(TRect(0, 0, 8, 8));
  Edit->SetGlyph(&G);
  EXPECT_EQ(At(8, 8), TColor(0xC00000));  // the arrow
  EXPECT_EQ(At(12, 3), TColor(0x00C000));  // the face, no glyph on it
  EXPECT_EQ(At(3, 12), TColor(0x00C000));
}

TEST_F(ExEditBtnPaintTest, PressedFaceUntilSetUp) {
  B->SetButtonColorHot(TColor(0xC0C000));
  MouseDown(Speed(), 5, 5);
  EXPECT_EQ(At(10, 3), TColor(0x0000C0));
  MouseUp(Speed(), 5, 5);
  EXPECT_EQ(At(10, 3), TColor(0xC0C000));  // still under the mouse
  Speed()->SetUp();
  MouseDown(Speed(), 5, 5);
  EXPECT_EQ(At(10, 3), TColor(0xC0C000));
  MouseUp(Speed(), 5, 5);
}

TEST_F(ExEditBtnPaintTest, ClassicDropDownDrawsABlackArrowWithoutGlyph) {
  const bool WasLoaded = XPThemeLibraryLoaded();
  FreeXPThemeLibrary();
  B->SetButtonColor(clNone);
  Edit->SetButtonStyle(bsDropDown);
  EXPECT_EQ(ColorToRGB(At(8, 8)), TColor(0));
  EXPECT_EQ(ColorToRGB(At(1, 5)), TColor(0xFFFFFF));  // the inner highlight
  EXPECT_EQ(ColorToRGB(At(0, 5)), ColorToRGB(clBtnFace));
  if (WasLoaded) LoadXPThemeLibrary();
}

TEST_F(ExEditBtnPaintTest, PaintToDrawsTheButtonAtItsPlace) {
  // The button's face lies 16 + 2 pixels from the edit's right edge and
  // 2 pixels down, whether painted onto a device context or a canvas.
  EXPECT_EQ(TRendered(Edit).Pixel(120 - 18 + 8, 2 + 8), TColor(0x00C000));
  TBitmap Bmp;
  Bmp.SetPixelFormat(pf24bit);
  Bmp.SetSize(140, 30);
  Bmp.Canvas()->Brush()->SetColor(clWhite);
  Bmp.Canvas()->FillRect(TRect(0, 0, 140, 30));
  Edit->PaintTo(Bmp.Canvas(), 10, 5);
  EXPECT_EQ(Bmp.Canvas()->Pixels(10 + 120 - 18 + 8, 5 + 2 + 8), TColor(0x00C000));
  EXPECT_EQ(Bmp.Canvas()->Pixels(135, 5 + 10), clWhite);
}

}  // namespace
