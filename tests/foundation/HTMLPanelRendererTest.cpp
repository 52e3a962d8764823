#include <gtest/gtest.h>
#include "PaintProbe.h"
#include "foundation/HTMLPanelRenderer.h"

using namespace jorv::foundation;

using namespace jorv;
using namespace jorv::test;

namespace {

struct TPanelCall {
  TRect R{0, 0, 200, 100};
  bool MeasureOnly = false, KeepColors = false, WordWrap = true;
  Integer LineSpacing = 0;
  String URL, Plain, FocusOrTitle;
  Integer W = 0, H = 0, Anchors = 0, AnchorNo = -1;
  TRect ARect{};

  bool Run(TCanvas* C, const String& Text) {
    return DrawHTMLText(C, Text, R, nullptr, -1, -1, -1, -1, 1, false, MeasureOnly, false,
                        KeepColors, true, false, WordWrap, 1.0, clBlue, clNone, clNone, clGray,
                        URL, Plain, FocusOrTitle, W, H, Anchors, AnchorNo, ARect, nullptr,
                        nullptr, LineSpacing, 0);
  }
};

TPaintProbe& Probe() {
  static TPaintProbe P(240, 120);
  P.Canvas()->Brush()->SetColor(clWhite);
  P.Canvas()->FillRect(TRect{0, 0, 240, 120});
  P.Canvas()->Font()->SetName(L"Tahoma");
  P.Canvas()->Font()->SetSize(10);
  P.Canvas()->Font()->SetColor(clBlack);
  P.Canvas()->Font()->SetStyle({});
  return P;
}

Integer SymbolWidth(TCanvas* C, const String& S) {
  TFontName Old = C->Font()->Name();
  C->Font()->SetName(L"Symbol");
  Integer W = C->TextWidth(S);
  C->Font()->SetName(Old);
  return W;
}

}  // namespace

TEST(HTMLPanelRenderer, MeasuresWithThePanelsRules) {
  TPaintProbe& P = Probe();
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  Integer Wa = C->TextWidth(L"a");
  struct {
    const wchar_t* Text;
    Integer Spacing;
    Integer Width, Height;
  } Cases[] = {
      {L"a", 0, Wa + 2, GH},
      {L"a<BR>a", 3, Wa + 2, 2 * (GH + 3)},
      {L" \t a  ", 0, Wa + 2, GH},  // lines are trimmed
      {L"a<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"60\">", 0, Wa + 2, GH},
      {L"<OF x=\"20\">a", 0, 19 + Wa + 2, GH},
      {L"a & a", 0, C->TextWidth(L"a & a") + 2, GH},
      {L"<OL><LI>a</OL>", 0, SymbolWidth(C, L"1. ") + Wa + 2, 2 * GH},
      {L"<UL><LI>a</UL>", 0, 12 + Wa + 2, 2 * GH},
  };
  for (auto& T : Cases) {
    TPanelCall K;
    K.MeasureOnly = true;
    K.LineSpacing = T.Spacing;
    K.Run(C, T.Text);
    EXPECT_EQ(K.W, T.Width) << T.Text;
    EXPECT_EQ(K.H, T.Height) << T.Text;
  }
}

TEST(HTMLPanelRenderer, NumbersItemsAndOffsetsLines) {
  TPaintProbe& P = Probe();
  TCanvas* C = P.Canvas();
  TPanelCall K;
  K.MeasureOnly = true;
  K.Run(C, L"<OL><LI>a<LI>a<LI>a</OL>");
  // The widest line carries the widest number; all three are one digit.
  EXPECT_EQ(K.W, SymbolWidth(C, L"3. ") + C->TextWidth(L"a") + 2);

  Integer GH = C->TextHeight(L"gh");
  TPanelCall D;
  D.Run(C, L"<OF x=\"40\">W<BR>W</O><BR>W");
  auto FirstInk = [&](Integer Line) {
    for (Integer X = 0; X < 200; ++X)
      for (Integer Y = Line * GH; Y < (Line + 1) * GH; ++Y)
        if (P.At(X, Y) != clWhite) return X;
    return -1;
  };
  EXPECT_GE(FirstInk(0), 40);
  EXPECT_GE(FirstInk(1), 40);
  EXPECT_LT(FirstInk(2), 10);
}

TEST(HTMLPanelRenderer, ColoursGradientsAndRules) {
  TPaintProbe& P = Probe();
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  TPanelCall K;
  K.R = TRect{0, 0, 200, 64};
  K.Run(C, L"<BODY BGCOLOR=\"clWhite\" BGCOLORTO=\"clBlue\" DIR=\"V\">");
  EXPECT_EQ(P.At(100, 0), clWhite);
  TColor Bottom = P.At(100, 63);
  EXPECT_GT((Bottom >> 16) & 0xFF, 0xF0);
  EXPECT_LT(Bottom & 0xFF, 0x10);
  EXPECT_EQ(P.At(5, 30), P.At(190, 30));  // bands run across

  Probe();
  TPanelCall F;
  Integer Wr = C->TextWidth(L"WW");
  F.Run(C, L"<FONT COLOR=\"clRed\">WW<FONT COLOR=\"clLime\">WW</FONT>WW</FONT>WW<HR COLOR=\"clAqua\">");
  // After the inner closing tag the outer colour is back.
  EXPECT_GT(P.Count(TRect{2 * Wr + 2, 0, 3 * Wr, GH}, clRed), 5);
  EXPECT_EQ(P.Count(TRect{2 * Wr + 2, 0, 3 * Wr, GH}, clLime), 0);
  EXPECT_GT(P.Count(TRect{Wr + 2, 0, 2 * Wr, GH}, clLime), 5);
  EXPECT_GT(P.Count(TRect{0, GH, 200, GH + 3}, clAqua), 100);
}

TEST(HTMLPanelRenderer, PlainTextDropsHiddenSections) {
  struct {
    const wchar_t* HTML;
    const wchar_t* Plain;
  } Cases[] = {
      {L"<B>a</B><Z>hid</Z>b", L"ab"},
      {L"a<z>x</z>b<Z>y</Z>c", L"abc"},
      {L"a<Z>kept", L"akept"},
      {L"a<BR>b", L"a\r\nb"},
  };
  for (auto& T : Cases) EXPECT_EQ(HTMLToPlainText(T.HTML, true), String(T.Plain)) << T.HTML;
}
