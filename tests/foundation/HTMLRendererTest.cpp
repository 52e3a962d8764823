#include <gtest/gtest.h>
#include <map>
#include "PaintProbe.h"
#include "foundation/HTMLPicture.h"
#include "foundation/HTMLRenderer.h"
#include "foundation/HTMLSubset.h"
#include "foundation/XPTheme.h"
#include "platform/gfx/ImageList.h"

using namespace jorv::foundation;

using namespace jorv;
using namespace jorv::test;

namespace {

// One call of the engine with every input at a plain default; the outputs
// land in the fields after Run.
struct THTMLCall {
  TRect R{0, 0, 200, 100};
  TCustomImageList* Images = nullptr;
  Integer X = -1, Y = -1;
  Integer Focus = -1, Hover = -1;
  bool TestOnly = false, MeasureOnly = false, KeepColors = false, HoverMode = false;
  bool WordWrap = true;
  bool ScaleList = false, Blink = true;
  double Scale = 1.0;
  TColor URLColor = clBlue;
  IHTMLPictureContainer* Container = nullptr;
  THTMLPictureCache* Cache = nullptr;

  String URL, Plain, FocusURL, Title, CtrlID, CtrlType, CtrlValue;
  Integer W = 0, H = 0, Anchors = 0, AnchorNo = -1;
  TRect ARect{}, CRect{};
  bool Result = false;

  bool Run(TCanvas* C, const String& Text) {
    Result = DrawHTMLText(C, Text, R, Images, X, Y, Focus, Hover, 1, TestOnly, MeasureOnly,
                          ScaleList, KeepColors, Blink, HoverMode, WordWrap, false, String(), Scale,
                          URLColor, clNone, clNone, clGray, URL, Plain, FocusURL, Title, W, H,
                          Anchors, AnchorNo, ARect, CRect, CtrlID, CtrlType, CtrlValue, Cache,
                          Container, nullptr, 0);
    return Result;
  }
};

TPaintProbe& Probe() {
  static TPaintProbe P(240, 120);
  return P;
}

void Clear(TPaintProbe& P) {
  P.Canvas()->Brush()->SetColor(clWhite);
  P.Canvas()->FillRect(TRect{0, 0, 240, 120});
  P.Canvas()->Font()->SetName(L"Tahoma");
  P.Canvas()->Font()->SetSize(10);
  P.Canvas()->Font()->SetColor(clBlack);
  P.Canvas()->Font()->SetStyle({});
}

bool IsDark(TColor C) {
  C = ColorToRGB(C);
  return (C & 0xFF) + ((C >> 8) & 0xFF) + ((C >> 16) & 0xFF) < 3 * 128;
}

Integer DarkIn(TPaintProbe& P, const TRect& R) {
  Integer N = 0;
  for (Integer Y = R.Top; Y < R.Bottom; ++Y)
    for (Integer X = R.Left; X < R.Right; ++X) N += IsDark(P.At(X, Y));
  return N;
}

// Columns of R that hold a dark pixel: first and last, -1 when none.
std::pair<Integer, Integer> InkSpan(TPaintProbe& P, const TRect& R) {
  Integer First = -1, Last = -1;
  for (Integer X = R.Left; X < R.Right; ++X)
    for (Integer Y = R.Top; Y < R.Bottom; ++Y)
      if (IsDark(P.At(X, Y))) {
        if (First < 0) First = X;
        Last = X;
        break;
      }
  return {First, Last};
}

class TColorContainer : public IHTMLPictureContainer {
 public:
  TColorContainer() {
    FPic.SetPixelFormat(pf24bit);
    FPic.SetSize(10, 8);
    FPic.Canvas()->Brush()->SetColor(clLime);
    FPic.Canvas()->FillRect(TRect{0, 0, 10, 8});
  }
  TGraphic* FindPicture(const String& Name) override {
    return Name == L"GREEN" || Name == L"green" ? &FPic : nullptr;
  }

 private:
  TBitmap FPic;
};

}  // namespace

TEST(HTMLRenderer, MeasuresLinesAndWidths) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  struct {
    const wchar_t* Text;
    const wchar_t* WidthOf;
    Integer Lines;
    const wchar_t* Plain;
  } Cases[] = {
      {L"", L"", 1, L""},
      {L"ab<BR>abcd <BR>x", L"abcd", 3, L"ab\rabcd \rx"},
      {L"a<Z>wwww</Z>c", L"ac", 1, L"awwwwc"},
      {L"a<TABLE>c", L"ac", 1, L"ac"},
      {L"x\r\ny", L"x", 2, L"x\ry"},
      {L"<B>bold</B>", nullptr, 1, L"bold"},
  };
  for (auto& T : Cases) {
    THTMLCall K;
    K.MeasureOnly = true;
    EXPECT_FALSE(K.Run(C, T.Text)) << T.Text;
    EXPECT_EQ(K.H, GH * T.Lines) << T.Text;
    EXPECT_EQ(K.Plain, String(T.Plain)) << T.Text;
    if (T.WidthOf) {
      EXPECT_EQ(K.W, C->TextWidth(T.WidthOf)) << T.Text;
    }
  }
  // Bold is wider than plain, and the canvas font comes back unchanged.
  THTMLCall B;
  B.MeasureOnly = true;
  B.Run(C, L"<B>bold</B>");
  EXPECT_GT(B.W, C->TextWidth(L"bold"));
  EXPECT_FALSE(C->Font()->Style().Contains(fsBold));
}

TEST(HTMLRenderer, WrapsAtSpacesOrEndsInEllipsis) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  Integer WordW = C->TextWidth(L"wwww ");
  THTMLCall K;
  K.MeasureOnly = true;
  K.R = TRect{0, 0, WordW + 4, 100};
  K.Run(C, L"wwww wwww");
  EXPECT_EQ(K.H, 2 * GH);
  // A word wider than the rectangle stays on its own line.
  K.Run(C, L"wwwwwwwwwwwwww ww");
  EXPECT_EQ(K.H, 2 * GH);

  THTMLCall N;
  N.MeasureOnly = true;
  N.WordWrap = false;
  N.R = K.R;
  N.Run(C, L"wwww wwww<BR>dropped");
  EXPECT_EQ(N.H, GH);
  EXPECT_EQ(N.Plain, L"wwww wwww\r");

  // Drawn, the overlong line stops at the rectangle's edge.
  Clear(P);
  N.MeasureOnly = false;
  N.Run(C, L"wwwwwwwwwwwwwwwwwwwwwwww");
  EXPECT_EQ(DarkIn(P, TRect{K.R.Right, 0, 240, 40}), 0);
  EXPECT_GT(DarkIn(P, TRect{0, 0, K.R.Right, 40}), 0);
}

TEST(HTMLRenderer, StopsBeforeALineThatDoesNotFit) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  THTMLCall K;
  K.R = TRect{0, 0, 200, GH + GH / 2};
  K.Run(C, L"a<BR>b<BR>c");
  EXPECT_EQ(K.H, GH);
  EXPECT_EQ(K.Plain, L"a\r");  // each run once, although laid out twice
  EXPECT_EQ(DarkIn(P, TRect{0, GH, 200, 60}), 0);
  K.MeasureOnly = true;
  K.Run(C, L"a<BR>b<BR>c");
  EXPECT_EQ(K.H, 3 * GH);
}

TEST(HTMLRenderer, DrawsColoursBreaksAndAlignment) {
  TPaintProbe& P = Probe();
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  THTMLCall K;

  Clear(P);
  K.Run(C, L"<FONT COLOR=\"clRed\">WWW</FONT>WWW");
  Integer Wd = C->TextWidth(L"WWW");
  EXPECT_GT(P.Count(TRect{0, 0, Wd + 1, GH}, clRed), 10);
  EXPECT_EQ(P.Count(TRect{Wd + 2, 0, 2 * Wd + 2, GH}, clRed), 0);
  EXPECT_GT(DarkIn(P, TRect{Wd + 2, 0, 2 * Wd + 2, GH}), 10);

  // Second line below the first.
  Clear(P);
  K.Run(C, L"<BR>W");
  EXPECT_EQ(DarkIn(P, TRect{0, 0, 200, GH}), 0);
  EXPECT_GT(DarkIn(P, TRect{0, GH, 200, 2 * GH}), 0);

  // Alignment: right puts the ink near the right edge, centre in the middle.
  struct {
    const wchar_t* Text;
    Integer MinLeft, MaxRight;
  } Aligns[] = {
      {L"<P ALIGN=\"RIGHT\">WW</P>", 200 - Wd - 2, 200},
      {L"<P ALIGN=\"CENTER\">WW</P>", 60, 140},
      {L"<P INDENT=\"50\">WW</P>", 50, 200},
  };
  for (auto& A : Aligns) {
    Clear(P);
    K.Run(C, A.Text);
    auto [L, R] = InkSpan(P, TRect{0, 0, 240, GH});
    EXPECT_GE(L, A.MinLeft) << A.Text;
    EXPECT_LE(R, A.MaxRight) << A.Text;
  }
  // Underline and strikeout draw more ink than the same text plain (bold
  // is checked by its measure: the fonts here may embolden invisibly).
  Clear(P);
  K.Run(C, L"WWWW");
  Integer Plain = DarkIn(P, TRect{0, 0, 200, GH});
  for (const wchar_t* T : {L"<U>WWWW</U>", L"<S>WWWW</S>"}) {
    Clear(P);
    K.Run(C, T);
    EXPECT_GT(DarkIn(P, TRect{0, 0, 200, GH}), Plain + 20) << T;
  }
}

TEST(HTMLRenderer, AnchorsAreUnderlinedAndHitTested) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  Integer Wa = C->TextWidth(L"ab ");
  THTMLCall K;
  K.URLColor = clRed;
  K.Run(C, L"ab <A HREF=\"go:x\" TITLE=\"T\">link</A> cd");
  EXPECT_EQ(K.Anchors, 1);
  // The underline runs along the anchor in the URL colour.
  Integer Under = 0;
  for (Integer Y = GH - 4; Y < GH; ++Y) Under = std::max(Under, P.Count(TRect{Wa + 1, Y, Wa + C->TextWidth(L"link"), Y + 1}, clRed));
  EXPECT_GE(Under, C->TextWidth(L"link") - 3);

  struct {
    bool TestOnly;
    Integer X, Y;
    bool Result;
    const wchar_t* URL;
  } Cases[] = {
      {true, Wa + 5, GH / 2, true, L"go:x"},
      {false, Wa + 5, GH / 2, false, L"go:x"},  // drawing still names the link
      {true, 3, GH / 2, false, L""},
      // Below the line the link is still named, but nothing is hit.
      {true, Wa + 5, GH + 3, false, L"go:x"},
  };
  for (auto& T : Cases) {
    THTMLCall H;
    H.TestOnly = T.TestOnly;
    H.X = T.X;
    H.Y = T.Y;
    EXPECT_EQ(H.Run(C, L"ab <A HREF=\"go:x\" TITLE=\"T\">link</A> cd"), T.Result) << T.X;
    EXPECT_EQ(H.URL, String(T.URL)) << T.X;
    if (*T.URL) {
      EXPECT_EQ(H.Title, L"T");
      EXPECT_EQ(H.AnchorNo, 1);
      EXPECT_EQ(H.ARect.Left, Wa + 1);
    }
  }
}

TEST(HTMLRenderer, DrawsImagesFromListAndContainer) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  TImageList IL(12, 12);
  TBitmap B;
  B.SetPixelFormat(pf24bit);
  B.SetSize(12, 12);
  B.Canvas()->Brush()->SetColor(clRed);
  B.Canvas()->FillRect(TRect{0, 0, 12, 12});
  IL.Add(&B, nullptr);
  TColorContainer Pics;
  THTMLCall K;
  K.Images = &IL;
  K.Container = &Pics;
  K.Run(C, L"<IMG SRC=\"IDX:0\"><IMG SRC=\"IDX:7\"><IMG SRC=\"green\">");
  EXPECT_EQ(P.At(5, 5), clRed);
  // The missing list picture takes no space: the container's follows at once.
  EXPECT_EQ(P.At(15, 4), clLime);
  EXPECT_EQ(P.At(25, 4), clWhite);

  // A linked picture is a hit in drawing mode too.
  THTMLCall H;
  H.Images = &IL;
  H.X = 5;
  H.Y = 5;
  EXPECT_TRUE(H.Run(C, L"<A HREF=\"pic\"><IMG SRC=\"IDX:0\"></A>"));
  EXPECT_EQ(H.URL, L"pic");
  H.X = 50;
  H.URL.clear();
  EXPECT_FALSE(H.Run(C, L"<A HREF=\"pic\"><IMG SRC=\"IDX:0\"></A>"));
}

// A 12 x 12 list picture whose red 6 x 6 corner is all that is not
// transparent.
void AddCornerPicture(TImageList& IL) {
  TBitmap B;
  B.SetPixelFormat(pf24bit);
  B.SetSize(12, 12);
  B.Canvas()->Brush()->SetColor(clFuchsia);
  B.Canvas()->FillRect(TRect{0, 0, 12, 12});
  B.Canvas()->Brush()->SetColor(clRed);
  B.Canvas()->FillRect(TRect{0, 0, 6, 6});
  IL.AddMasked(&B, clFuchsia);
}

TEST(HTMLRenderer, ScaledListPicturesKeepTheirPlaceAndTransparency) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  C->Brush()->SetColor(clYellow);
  C->FillRect(TRect{0, 0, 240, 120});
  TImageList IL(12, 12);
  AddCornerPicture(IL);
  THTMLCall K;
  K.Images = &IL;
  K.ScaleList = true;
  K.Scale = 2.0;
  K.Run(C, L"<IMG SRC=\"IDX:0\"><IMG SRC=\"IDX:0\">");
  // Each picture is drawn twice its size, its transparent part showing the
  // background, while the line makes room for its own 12 pixels only: the
  // second starts at x = 12, over the first one's transparent part.
  EXPECT_EQ(K.W, 12 + 12);
  EXPECT_EQ(P.At(5, 5), clRed);
  EXPECT_EQ(P.At(11, 11), clRed);
  EXPECT_EQ(P.At(12 + 11, 11), clRed);
  EXPECT_EQ(P.At(12 + 13, 13), clYellow);
  EXPECT_EQ(P.At(5, 20), clYellow);
  EXPECT_EQ(P.At(30, 5), clYellow);

  // Unscaled, the same picture sits at its own size, transparent too.
  Clear(P);
  C->Brush()->SetColor(clYellow);
  C->FillRect(TRect{0, 0, 240, 120});
  THTMLCall N;
  N.Images = &IL;
  N.Run(C, L"<IMG SRC=\"IDX:0\">");
  EXPECT_EQ(P.At(5, 5), clRed);
  EXPECT_EQ(P.At(8, 8), clYellow);
}

// The system icon of a file type: the list's small icon size in the line,
// drawn over the background where the icon is transparent, and stretched
// pixel for pixel by the picture scale.
TEST(HTMLRenderer, SystemIconsTakeTheirSizeAndStretch) {
  TPaintProbe& P = Probe();
  auto Draw = [&](bool Scaled) {
    Clear(P);
    P.Canvas()->Brush()->SetColor(clYellow);
    P.Canvas()->FillRect(TRect{0, 0, 240, 120});
    THTMLCall K;
    K.ScaleList = Scaled;
    K.Scale = 2.0;
    K.Run(P.Canvas(), L"<IMG SRC=\"SSYS:.txt\">");
    return K.W;
  };
  // Lines start one pixel inside the rectangle.
  EXPECT_EQ(Draw(false), 16);
  TColor Natural[16][16];
  Integer Ink = 0, Transparent = 0;
  for (Integer Y = 0; Y < 16; ++Y)
    for (Integer X = 0; X < 16; ++X) {
      Natural[Y][X] = P.At(1 + X, Y);
      (Natural[Y][X] == clYellow ? Transparent : Ink)++;
    }
  ASSERT_GT(Ink, 20);         // an icon was drawn
  ASSERT_GT(Transparent, 0);  // with a transparent part
  EXPECT_EQ(P.Count(TRect{17, 0, 40, 40}, clYellow), 23 * 40);
  EXPECT_EQ(Draw(true), 16);
  Integer Mismatch = 0;
  for (Integer Y = 0; Y < 16; ++Y)
    for (Integer X = 0; X < 16; ++X)
      Mismatch += (Natural[Y][X] == clYellow) != (P.At(1 + 2 * X, 2 * Y) == clYellow);
  EXPECT_EQ(Mismatch, 0);
  EXPECT_EQ(P.Count(TRect{33, 0, 60, 40}, clYellow), 27 * 40);
}

// Rows of R that hold a dark pixel: first and last, -1 when none.
std::pair<Integer, Integer> InkRows(TPaintProbe& P, const TRect& R) {
  Integer First = -1, Last = -1;
  for (Integer Y = R.Top; Y < R.Bottom; ++Y)
    for (Integer X = R.Left; X < R.Right; ++X)
      if (IsDark(P.At(X, Y))) {
        if (First < 0) First = Y;
        Last = Y;
        break;
      }
  return {First, Last};
}

TEST(HTMLRenderer, SubscriptAndSuperscriptMoveTheirRuns) {
  TPaintProbe& P = Probe();
  auto RowsOfTwo = [&](const String& Text) {
    Clear(P);
    THTMLCall K;
    K.Run(P.Canvas(), Text);
    // "2" follows the "x", whose width the plain text measures.
    Integer X = P.Canvas()->TextWidth(L"x");
    return std::make_pair(InkRows(P, TRect{X, 0, X + 12, 60}), K.H);
  };
  auto [Plain, PlainH] = RowsOfTwo(L"x2");
  auto [Sub, SubH] = RowsOfTwo(L"x<SUB>2</SUB>");
  auto [Sup, SupH] = RowsOfTwo(L"x<SUP>2</SUP>");
  ASSERT_GE(Plain.first, 0);
  // A quarter of the text height below, resp. above the plain digit, the
  // line growing by as much.
  Integer Quarter = P.Canvas()->TextHeight(L"2") / 4;
  EXPECT_EQ(Sub.first, Plain.first + Quarter);
  EXPECT_EQ(SubH, PlainH + Quarter);
  // The superscript line is as much higher; its text bottom stays put, so
  // the digit is the extra height higher relative to the line's bottom.
  EXPECT_EQ(SupH, PlainH + Quarter);
  EXPECT_EQ(Sup.first, Plain.first);
  EXPECT_EQ(Sup.second - Sup.first, Plain.second - Plain.first);
}

// The fonts and texts an enhanced metafile recorded, in order.
struct TRecordedText {
  Integer Escapement;  // of the font in force
  String Text;
};

struct TRecorderState {
  std::map<DWORD, Integer> Fonts;
  Integer Current = 0;
  std::vector<TRecordedText> Texts;
};

// Windows calls this back with its own calling convention, which a lambda
// cannot take on i686.
int CALLBACK VisitRecord(HDC, HANDLETABLE*, const ENHMETARECORD* Rec, int, LPARAM Data) {
  auto& S = *reinterpret_cast<TRecorderState*>(Data);
  if (Rec->iType == EMR_EXTCREATEFONTINDIRECTW) {
    auto* F = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(Rec);
    S.Fonts[F->ihFont] = F->elfw.elfLogFont.lfEscapement;
  } else if (Rec->iType == EMR_SELECTOBJECT) {
    auto* Sel = reinterpret_cast<const EMRSELECTOBJECT*>(Rec);
    if (S.Fonts.count(Sel->ihObject)) S.Current = S.Fonts[Sel->ihObject];
  } else if (Rec->iType == EMR_EXTTEXTOUTW) {
    auto* T = reinterpret_cast<const EMREXTTEXTOUTW*>(Rec);
    auto* Chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(Rec) +
                                                   T->emrtext.offString);
    S.Texts.push_back({S.Current, String(Chars, T->emrtext.nChars)});
  }
  return 1;
}

std::vector<TRecordedText> RecordTexts(const String& Markup) {
  HDC Recorder = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  TCanvas Canvas;
  Canvas.SetHandle(Recorder);
  Canvas.Font()->SetName(L"Tahoma");
  THTMLCall K;
  K.R = TRect{0, 0, 200, 100};
  K.Run(&Canvas, Markup);
  Canvas.SetHandle(nullptr);
  HENHMETAFILE File = CloseEnhMetaFile(Recorder);
  TRecorderState State;
  EnumEnhMetaFile(nullptr, File, VisitRecord, &State, nullptr);
  DeleteEnhMetaFile(File);
  return State.Texts;
}

TEST(HTMLRenderer, RotationTurnsTheFontUntilItsClosingTag) {
  auto Texts = RecordTexts(L"up<R A=\"90\">turned</R>flat");
  ASSERT_EQ(Texts.size(), 3u);
  EXPECT_EQ(Texts[0].Text, L"up");
  EXPECT_EQ(Texts[0].Escapement, 0);
  EXPECT_EQ(Texts[1].Text, L"turned");
  EXPECT_EQ(Texts[1].Escapement, 900);  // tenths of a degree
  EXPECT_EQ(Texts[2].Text, L"flat");
  EXPECT_EQ(Texts[2].Escapement, 0);
}

TEST(HTMLRenderer, BlinkingTextShowsOnlyInItsPhase) {
  TPaintProbe& P = Probe();
  const TRect Text{0, 0, 200, 30};
  for (bool Phase : {true, false}) {
    Clear(P);
    THTMLCall K;
    K.Blink = Phase;
    K.Run(P.Canvas(), L"<BL>MMMM</BL>");
    // Off: drawn in the entry background, white on white.
    if (Phase)
      EXPECT_GT(DarkIn(P, Text), 20);
    else
      EXPECT_EQ(P.Count(Text, clWhite), 200 * 30);
  }
}

TEST(HTMLRenderer, IndentMovesOnlyForward) {
  TPaintProbe& P = Probe();
  auto Ink = [&](const String& Text) {
    Clear(P);
    THTMLCall K;
    K.Run(P.Canvas(), Text);
    return InkSpan(P, TRect{0, 0, 240, 30});
  };
  auto Plain = Ink(L"M");
  ASSERT_GE(Plain.first, 0);
  // Lines start one pixel inside the rectangle; the indent counts from its
  // edge.
  EXPECT_EQ(Ink(L"<IND X=\"60\">M").first, Plain.first + 59);
  // A position already past the indent stays where it is.
  EXPECT_EQ(Ink(L"MMM<IND X=\"5\">M"), Ink(L"MMMM"));
}

TEST(HTMLRenderer, BodyFillsAndTilesTheWholeRectangle) {
  TPaintProbe& P = Probe();
  Clear(P);
  TColorContainer Pics;
  THTMLCall K;
  K.R = TRect{10, 10, 110, 60};
  K.Container = &Pics;
  K.Run(P.Canvas(), L"<BODY BGCOLOR=\"clYellow\">a");
  EXPECT_EQ(P.Count(TRect{10, 40, 110, 60}, clYellow), 100 * 20);
  EXPECT_EQ(P.At(5, 5), clWhite);
  EXPECT_EQ(P.At(110, 60), clWhite);

  // The green 10 x 8 picture covers the rectangle to its far corner, and no
  // clip region stays on the device context.
  Clear(P);
  K.Run(P.Canvas(), L"<BODY BACKGROUND=\"green\">");
  EXPECT_EQ(P.Count(TRect{10, 10, 110, 60}, clLime), 100 * 50);
  EXPECT_EQ(P.At(110, 30), clWhite);
  EXPECT_EQ(P.At(50, 60), clWhite);
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(P.Canvas()->Handle(), Region), 0);
  DeleteObject(Region);
}

TEST(HTMLRenderer, FindsInlineControlsByPointOrID) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  const wchar_t* Text =
      L"a<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"v\" WIDTH=\"60\">"
      L"<CONTROL TYPE=\"check\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"20\">";
  THTMLCall K;
  K.TestOnly = true;
  K.CtrlID = L"c1";
  EXPECT_TRUE(K.Run(C, Text));
  EXPECT_EQ(K.CtrlID, L"c1");
  EXPECT_EQ(K.CtrlType, L"CHECK");
  EXPECT_EQ(K.CtrlValue, L"TRUE");
  EXPECT_EQ(K.URL, L"ctrl");
  Integer Left = 1 + C->TextWidth(L"a") + 60;
  EXPECT_EQ(K.CRect.Left, Left);
  EXPECT_EQ(K.CRect.Right, Left + 16);

  THTMLCall Pt;
  Pt.X = 1 + C->TextWidth(L"a") + 10;
  Pt.Y = 5;
  Pt.CtrlID = L"c1";  // ignored outside test-only calls
  EXPECT_TRUE(Pt.Run(C, Text));
  EXPECT_EQ(Pt.CtrlID, L"e1");
  EXPECT_EQ(Pt.CtrlValue, L"v");

  THTMLCall None;
  None.CtrlID = L"stale";
  EXPECT_FALSE(None.Run(C, Text));
  EXPECT_EQ(None.CtrlID, L"");
  EXPECT_EQ(None.CRect, (TRect{0, 0, 0, 0}));
}

TEST(HTMLRenderer, TagColoursAndKeptColours) {
  TPaintProbe& P = Probe();
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  SetHTMLHilightColors(clYellow, clRed);
  struct {
    const wchar_t* Text;
    bool Keep;
    TColor Expect;  // must appear in the first line
    TColor Absent;  // must not
  } Cases[] = {
      {L"<A HREF=\"x\">WWW</A>", false, clBlue, clNone},
      {L"<A HREF=\"x\">WWW</A>", true, clNone, clBlue},
      {L"<FONT COLOR=\"clRed\">WWW</FONT>", true, clNone, clRed},
      {L"<FONT BGCOLOR=\"#00FF00\">WWW</FONT>", false, clLime, clNone},
      {L"<HI>WWW</HI>", false, clYellow, clNone},
      {L"<P BGCOLOR=\"clAqua\">W</P>", false, clAqua, clNone},
      {L"<E>WWWW</E>", false, clRed, clNone},
      {L"<SH>WWW</SH>", false, clGray, clNone},
      {L"<Z><FONT COLOR=\"clRed\">WWW</FONT></Z>", false, clNone, clRed},
  };
  for (auto& T : Cases) {
    Clear(P);
    THTMLCall K;
    K.KeepColors = T.Keep;
    K.Run(C, T.Text);
    TRect Band{0, 0, 200, GH + 2};
    if (T.Expect != clNone) {
      EXPECT_GT(P.Count(Band, T.Expect), 3) << T.Text;
    }
    if (T.Absent != clNone) {
      EXPECT_EQ(P.Count(Band, T.Absent), 0) << T.Text;
    }
  }
  SetHTMLHilightColors(clHighlight, clHighlightText);
  // The caller's pen and brush come back.
  C->Pen()->SetColor(clMaroon);
  C->Brush()->SetColor(clTeal);
  THTMLCall K;
  K.Run(C, L"<P BGCOLOR=\"clAqua\">W</P><HR>");
  EXPECT_EQ(C->Pen()->Color(), clMaroon);
  EXPECT_EQ(C->Brush()->Color(), clTeal);
}

TEST(HTMLRenderer, ListItemsIndentByLevel) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  THTMLCall K;
  K.MeasureOnly = true;
  K.Run(C, L"<UL><LI>a<LI>a</UL>");
  // UL ends its own (empty) line; each item then takes a line.
  EXPECT_EQ(K.H, 3 * GH);
  EXPECT_EQ(K.W, 12 + C->TextWidth(L"a"));
  K.Run(C, L"<UL><UL><LI>a</UL></UL>");
  EXPECT_EQ(K.W, 24 + C->TextWidth(L"a"));
}

TEST(HTMLRenderer, ClassicInlineControls) {
  TPaintProbe& P = Probe();
  TCanvas* C = P.Canvas();
  FreeXPThemeLibrary();  // classic drawing, whatever style the system has
  struct TRebind {
    ~TRebind() { LoadXPThemeLibrary(); }
  } Rebind;
  Clear(P);
  THTMLCall K;
  K.Run(C, L"<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"\" WIDTH=\"60\">");
  EXPECT_GT(P.Count(TRect{0, 0, 70, 40}, TColor(0x808080)), 60);

  auto Check = [&](const wchar_t* Value) {
    Clear(P);
    K.Run(C, String(L"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"") + Value + L"\" WIDTH=\"20\">");
    return DarkIn(P, TRect{0, 0, 30, 30});
  };
  EXPECT_GT(Check(L"true"), Check(L"FALSE") + 5);
}

TEST(HTMLRenderer, MalformedMarkupEndsQuietly) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  struct {
    const wchar_t* Text;
    const wchar_t* Plain;
  } Cases[] = {
      {L"ab<", L"ab"},
      {L"ab<B", L"ab"},
      {L"a<<B>b", L"ab"},  // "<<B>" is one unknown tag
      {L"</>x", L"x"},
      {L"<IMG SRC=\"IDX:3\">x", L"x"},  // no image list
      {L"<FONT SIZE=>x</FONT>", L"x"},
      {L"&amp;&lt;B&gt;", L"&&<B>"},
  };
  for (bool Measure : {true, false})
    for (auto& T : Cases) {
      THTMLCall K;
      K.MeasureOnly = Measure;
      EXPECT_FALSE(K.Run(C, T.Text)) << T.Text;
      EXPECT_EQ(K.Plain, String(T.Plain)) << T.Text;
      EXPECT_GE(K.H, GH) << T.Text;
    }
}

TEST(HTMLRenderer, FocusAndHoverFollowTheAnchorNumbers) {
  TPaintProbe& P = Probe();
  TCanvas* C = P.Canvas();
  Integer GH = C->TextHeight(L"gh");
  const wchar_t* Text = L"<A HREF=\"one\">WW</A> <A HREF=\"two\">WW</A>";
  Integer Second = 1 + C->TextWidth(L"WW ");
  Clear(P);
  THTMLCall K;
  K.Focus = 1;  // zero-based
  K.HoverMode = true;
  K.Hover = 1;  // one-based: only the first anchor is underlined and coloured
  K.Run(C, Text);
  EXPECT_EQ(K.FocusURL, L"two");
  EXPECT_EQ(K.Anchors, 2);
  EXPECT_GT(P.Count(TRect{0, 0, Second - 2, GH}, clBlue), 5);
  // The unhovered anchor keeps the URL colour but no underline: its bottom
  // rows hold no long run of blue.
  Integer Longest = 0;
  for (Integer Y = GH - 4; Y < GH; ++Y)
    Longest = std::max(Longest, P.Count(TRect{Second, Y, Second + C->TextWidth(L"WW"), Y + 1}, clBlue));
  EXPECT_LT(Longest, C->TextWidth(L"WW") - 3);
}

TEST(HTMLRenderer, URLPicturesAreLoadedOnceIntoTheCache) {
  TPaintProbe& P = Probe();
  Clear(P);
  TCanvas* C = P.Canvas();
  THTMLPictureCache Cache;
  THTMLCall K;
  K.Cache = &Cache;
  const wchar_t* Text = L"<IMG SRC=\"res://PICTURETEST_GIF\" WIDTH=\"10\" HEIGHT=\"6\">x";
  K.Run(C, Text);
  ASSERT_EQ(Cache.Count(), 1);
  K.Run(C, Text);
  EXPECT_EQ(Cache.Count(), 1);
  // Stretched to 10 x 6; the one-pixel picture is smoothed towards its edges.
  auto Reddish = [&](Integer X, Integer Y) {
    TColor C = P.At(X, Y);
    return (C & 0xFF) == 0xFF && ((C >> 8) & 0xFF) < 0xE0;
  };
  EXPECT_TRUE(Reddish(3, 1));
  EXPECT_TRUE(Reddish(6, 3));
  EXPECT_FALSE(Reddish(5, 8));
  K.MeasureOnly = true;
  K.Run(C, Text);
  EXPECT_EQ(K.W, 10 + C->TextWidth(L"x"));
  Cache.ClearPictures();
}
