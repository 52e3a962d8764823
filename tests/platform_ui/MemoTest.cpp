// The multi-line edit's lines, with and without a window, and the keys it
// takes or leaves to the form.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TMemo* NewMemo(TTestForm& F) {
  auto* M = new TMemo(F.Get());
  M->SetParent(F.Get());
  M->SetBounds(10, 10, 200, 120);
  M->SetWordWrap(false);
  return M;
}

String Lines(TStrings* L) {
  String S;
  for (Integer I = 0; I < L->Count(); ++I) S += L"[" + L->Strings(I) + L"]";
  return S;
}

}  // namespace

TEST(Memo, LinesEditTheSameWithOrWithoutAWindow) {
  for (bool Windowed : {false, true}) {
    SCOPED_TRACE(Windowed ? "window" : "no window");
    TTestForm F(300, 200, Windowed);
    auto* M = new TMemo(F.Get());
    if (Windowed) {
      M->SetParent(F.Get());
      M->SetWordWrap(false);
      M->HandleNeeded();
    }
    TStrings* L = M->Lines();
    EXPECT_EQ(L->Count(), 0);
    L->Add(L"one");
    L->Add(L"three");
    L->Insert(1, L"two");
    EXPECT_EQ(Lines(L), L"[one][two][three]");
    EXPECT_EQ(M->Text(), L"one\r\ntwo\r\nthree\r\n");
    L->SetStrings(2, L"THREE");
    L->Delete(0);
    EXPECT_EQ(Lines(L), L"[two][THREE]");
    // Text without a final break still has its last line.
    M->SetText(L"a\r\n\r\nb");
    EXPECT_EQ(Lines(L), L"[a][][b]");
    L->Add(L"c");
    EXPECT_EQ(Lines(L), L"[a][][b][c]");
    EXPECT_THROW(L->Strings(4), EStringListError);
    EXPECT_THROW(L->Delete(-1), EStringListError);
    L->Clear();
    EXPECT_EQ(L->Count(), 0);
    delete M;
  }
}

TEST(Memo, LinesSurviveARecreatedWindow) {
  TTestForm F;
  TMemo* M = NewMemo(F);
  M->Lines()->SetText(L"alpha\r\nbeta\r\n");
  M->SetScrollBars(ssVertical);
  EXPECT_TRUE(GetWindowLongW(M->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(Lines(M->Lines()), L"[alpha][beta]");
}

TEST(Memo, ReturnsAndTabsAreTypedOnlyWhenWanted) {
  struct Case {
    bool WantReturns, WantTabs;
    const wchar_t* Expected;
  } Cases[] = {
      {true, false, L"a\r\nb"},
      {false, false, L"ab"},
      {true, true, L"a\r\n\tb"},
  };
  for (const Case& C : Cases) {
    TTestForm F;
    TMemo* M = NewMemo(F);
    M->SetWantReturns(C.WantReturns);
    M->SetWantTabs(C.WantTabs);
    M->SetFocus();
    Pump();
    PostChar(M, L'a');
    KeyPress(M, VK_RETURN);
    KeyPress(M, VK_TAB);
    PostChar(M, L'b');
    EXPECT_EQ(M->Text(), C.Expected) << C.WantReturns << C.WantTabs;
  }
}

TEST(Memo, CaretPosIsLineAndColumn) {
  TTestForm F;
  TMemo* M = NewMemo(F);
  M->SetText(L"first\r\nsecond line\r\nx");
  M->SetCaretPos({3, 1});
  EXPECT_EQ(M->SelStart(), 7 + 3);
  TPoint P = M->CaretPos();
  EXPECT_EQ(P.X, 3);
  EXPECT_EQ(P.Y, 1);
  // A column past the line's end stops at the end.
  M->SetCaretPos({50, 2});
  EXPECT_EQ(M->CaretPos().X, 1);
}
