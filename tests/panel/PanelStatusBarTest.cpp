#include <gtest/gtest.h>
#include "panel/PanelStatusBar.h"

namespace jorv {
using namespace jorv::panel;
namespace {

struct NoticeCounter {
  int Count = 0;
  TObject* Sender = nullptr;
  void Bind(TPanelStatusBar& Bar) {
    Bar.OnChange = [this](TObject* S) { ++Count; Sender = S; };
  }
};

TEST(PanelStatusBar, NewBarIsHiddenAndPlain) {
  TPanelStatusBar Bar;
  EXPECT_FALSE(Bar.Visible());
  EXPECT_EQ(Bar.Height(), 18);
  EXPECT_EQ(Bar.Color(), clBtnFace);
  EXPECT_EQ(Bar.ColorTo(), clNone);
  EXPECT_EQ(Bar.GradientDirection(), expanel::gdHorizontal);
  EXPECT_EQ(Bar.ImageIndex(), -1);
  EXPECT_EQ(Bar.Font()->Name(), L"Tahoma");
  EXPECT_EQ(Bar.BorderStyle(), bsNone);
  EXPECT_EQ(Bar.BorderColor(), 0);
}

// Each write gives a notice only when the value differs.
TEST(PanelStatusBar, WritesNotifyOnlyOnChange) {
  using Write = void (*)(TPanelStatusBar&, bool Same);
  struct Case { const char* Name; Write Apply; };
  const Case Cases[] = {
      {"Text", [](TPanelStatusBar& b, bool s) { b.SetText(s ? String() : L"x"); }},
      {"ImageIndex", [](TPanelStatusBar& b, bool s) { b.SetImageIndex(s ? -1 : 3); }},
      {"Color", [](TPanelStatusBar& b, bool s) { b.SetColor(s ? clBtnFace : clRed); }},
      {"ColorTo", [](TPanelStatusBar& b, bool s) { b.SetColorTo(s ? clNone : clRed); }},
      {"GradientDirection", [](TPanelStatusBar& b, bool s) {
         b.SetGradientDirection(s ? expanel::gdHorizontal : expanel::gdVertical); }},
      {"Visible", [](TPanelStatusBar& b, bool s) { b.SetVisible(!s); }},
      {"Height", [](TPanelStatusBar& b, bool s) { b.SetHeight(s ? 18 : 22); }},
      {"BevelInner", [](TPanelStatusBar& b, bool s) { b.SetBevelInner(!s); }},
      {"BorderStyle", [](TPanelStatusBar& b, bool s) { b.SetBorderStyle(s ? bsNone : bsSingle); }},
      {"BorderColor", [](TPanelStatusBar& b, bool s) { b.SetBorderColor(s ? 0 : clRed); }},
      {"TopIndent", [](TPanelStatusBar& b, bool s) { b.SetTopIndent(s ? 0 : 4); }},
  };
  for (const Case& c : Cases) {
    SCOPED_TRACE(c.Name);
    TPanelStatusBar Bar;
    NoticeCounter n;
    n.Bind(Bar);
    c.Apply(Bar, true);
    EXPECT_EQ(n.Count, 0);
    c.Apply(Bar, false);
    EXPECT_EQ(n.Count, 1);
    EXPECT_EQ(n.Sender, &Bar);
    c.Apply(Bar, false);
    EXPECT_EQ(n.Count, 1);
  }
}

TEST(PanelStatusBar, FontChangesNotify) {
  TPanelStatusBar Bar;
  NoticeCounter n;
  n.Bind(Bar);
  Bar.Font()->SetColor(clRed);
  EXPECT_EQ(n.Count, 1);
  TFont Other;
  Other.SetName(L"Arial");
  Bar.SetFont(&Other);
  EXPECT_EQ(n.Count, 2);
  EXPECT_EQ(Bar.Font()->Name(), L"Arial");
  EXPECT_NE(Bar.Font(), &Other);
  Bar.SetFont(nullptr);  // ignored rather than crashing
  EXPECT_EQ(n.Count, 2);
}

TEST(PanelStatusBar, AssignCopiesLookButKeepsOwnContent) {
  TPanelStatusBar Source;
  Source.SetText(L"A");
  Source.SetImageIndex(2);
  Source.SetVisible(true);
  Source.SetHeight(30);
  Source.SetBevelInner(true);
  Source.SetColor(clRed);
  Source.SetColorTo(clBlue);
  Source.SetGradientDirection(expanel::gdVertical);
  Source.SetBorderStyle(bsSingle);
  Source.SetBorderColor(clGreen);
  Source.SetTopIndent(3);
  Source.Font()->SetName(L"Arial");

  TPanelStatusBar Dest;
  Dest.SetText(L"B");
  NoticeCounter n;
  n.Bind(Dest);
  Dest.Assign(&Source);
  EXPECT_EQ(n.Count, 1);  // the font copy's notice only
  EXPECT_EQ(Dest.Text(), L"B");
  EXPECT_EQ(Dest.ImageIndex(), -1);
  EXPECT_FALSE(Dest.Visible());
  EXPECT_EQ(Dest.Height(), 18);
  EXPECT_FALSE(Dest.BevelInner());
  EXPECT_EQ(Dest.Color(), clRed);
  EXPECT_EQ(Dest.ColorTo(), clBlue);
  EXPECT_EQ(Dest.GradientDirection(), expanel::gdVertical);
  EXPECT_EQ(Dest.BorderStyle(), bsSingle);
  EXPECT_EQ(Dest.BorderColor(), clGreen);
  EXPECT_EQ(Dest.TopIndent(), 3);
  EXPECT_EQ(Dest.Font()->Name(), L"Arial");

  TFont NotABar;
  Dest.Assign(&NotABar);  // another class is ignored
  EXPECT_EQ(Dest.Font()->Name(), L"Arial");
  EXPECT_EQ(n.Count, 1);
}

}  // namespace
}  // namespace jorv
