// The rich edit: RTF and plain text through streams, character and
// paragraph attributes, formatting kept across a new window, size requests
// and rendering a range into a bitmap.
#include <gtest/gtest.h>
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Streams.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TRichEdit* NewRich(TTestForm& F) {
  auto* R = new TRichEdit(F.Get());
  R->SetParent(F.Get());
  R->SetBounds(10, 10, 250, 150);
  return R;
}

const char* BoldRtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 plain \\b bold\\b0  end\\par}";

}  // namespace

TEST(RichEdit, StreamsLoadRtfAsDocumentsAndOtherTextAsPlain) {
  struct Case {
    const char* Name;
    TEncoding* Encoding;  // of the bytes handed in
    String Content;
    const wchar_t* Text;
    bool BoldAt7;
  } Cases[] = {
      {"rtf ansi", TEncoding::ANSI(), String(BoldRtf, BoldRtf + strlen(BoldRtf)), L"plain bold end", true},
      {"rtf utf-16", TEncoding::Unicode(), String(BoldRtf, BoldRtf + strlen(BoldRtf)), L"plain bold end", true},
      {"plain", TEncoding::ANSI(), L"{not rtf} \\b x", L"{not rtf} \\b x", false},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TTestForm F;
    TRichEdit* R = NewRich(F);
    TBytes B = C.Encoding->GetBytes(C.Content);
    TBytesStream S(B);
    R->Lines()->LoadFromStream(&S);
    String T = R->Text();
    while (!T.empty() && (T.back() == L'\r' || T.back() == L'\n')) T.pop_back();
    EXPECT_EQ(T, C.Text);
    R->SetSelStart(7);
    R->SetSelLength(2);
    EXPECT_EQ(R->SelAttributes()->Style().Contains(fsBold), C.BoldAt7);
  }
}

TEST(RichEdit, SavedRtfLoadsBackWithItsFormattingAndPlainTextSavesText) {
  TTestForm F;
  TRichEdit* A = NewRich(F);
  A->SetText(L"abc def");
  A->SetSelStart(4);
  A->SetSelLength(3);
  A->SelAttributes()->SetStyle(TFontStyles{fsItalic});
  A->SelAttributes()->SetColor(clRed);
  A->SelAttributes()->SetSize(14);
  A->SelAttributes()->SetOffset(-40);
  EXPECT_EQ(A->SelAttributes()->Offset(), -40);
  TMemoryStream M;
  A->Lines()->SaveToStream(&M);
  std::string Saved(static_cast<size_t>(M.Size()), '\0');
  M.SetPosition(0);
  M.ReadBuffer(Saved.data(), static_cast<Integer>(Saved.size()));
  EXPECT_EQ(Saved.rfind("{\\rtf", 0), 0u);

  TRichEdit* B = NewRich(F);
  M.SetPosition(0);
  B->Lines()->LoadFromStream(&M);
  B->SetSelStart(4);
  B->SetSelLength(3);
  EXPECT_TRUE(B->SelAttributes()->Style().Contains(fsItalic));
  EXPECT_EQ(B->SelAttributes()->Color(), clRed);
  EXPECT_EQ(B->SelAttributes()->Size(), 14);
  B->SetSelStart(0);
  B->SetSelLength(3);
  EXPECT_FALSE(B->SelAttributes()->Style().Contains(fsItalic));

  B->SetPlainText(true);
  TStringStream P(L"", TEncoding::UTF8());
  B->Lines()->SaveToStream(&P);
  EXPECT_EQ(P.DataString().rfind(L"abc def", 0), 0u);
}

// The zero byte the control ends its output with is no character of the
// document: saved into a text it would stay there.
TEST(RichEdit, SavedDocumentsHoldNoZeroCharacter) {
  TTestForm F;
  TRichEdit* R = NewRich(F);
  R->SetText(L"abc");
  const std::string Rtf = R->RtfText();
  EXPECT_EQ(Rtf.find('\0'), std::string::npos);
  EXPECT_NE(Rtf.find('}'), std::string::npos);
  TStringStream S(L"", TEncoding::ANSI());
  R->Lines()->SaveToStream(&S);
  const String Saved = S.DataString();
  EXPECT_EQ(Saved.find(L'\0'), String::npos);
  EXPECT_EQ(Saved.rfind(L"{\\rtf", 0), 0u);
}

TEST(RichEdit, FormattingSurvivesANewWindowAndParagraphsTakeTheirAttributes) {
  TTestForm F;
  TRichEdit* R = NewRich(F);
  R->SetText(L"one two");
  R->SetSelStart(0);
  R->SetSelLength(3);
  R->SelAttributes()->SetStyle(TFontStyles{fsBold});
  R->Paragraph()->SetAlignment(taCenter);
  R->Paragraph()->SetNumbering(nsBullet);
  R->SetScrollBars(ssBoth);  // a new window
  R->SetSelStart(1);
  R->SetSelLength(1);
  EXPECT_TRUE(R->SelAttributes()->Style().Contains(fsBold));
  EXPECT_EQ(R->Paragraph()->Alignment(), taCenter);
  EXPECT_EQ(R->Paragraph()->Numbering(), nsBullet);
  R->SetSelStart(5);
  EXPECT_FALSE(R->SelAttributes()->Style().Contains(fsBold));
}

TEST(RichEdit, PaintToShowsTheText) {
  TTestForm F;
  TRichEdit* R = NewRich(F);
  R->SetBorderStyle(bsNone);
  R->SetText(L"WWWWWWWWWW");
  TRendered Img(R);
  Integer Ink = 0;
  for (Integer X = 0; X < 80; ++X)
    for (Integer Y = 0; Y < 16; ++Y) Ink += Img.Pixel(X, Y) != Img.Pixel(200, 120);
  EXPECT_GT(Ink, 20);
}

TEST(RichEdit, SizeRequestsReachOnResizeRequest) {
  TTestForm F;
  TRichEdit* R = NewRich(F);
  R->SetText(L"line\r\nline\r\nline\r\nline");
  Integer Calls = 0;
  TRect Last;
  R->OnResizeRequest = [&](TObject*, TRect& Rc) {
    ++Calls;
    Last = Rc;
  };
  R->RequestSize();
  ASSERT_GE(Calls, 1);
  Integer Four = Last.Height();
  R->SetText(L"line");
  R->RequestSize();
  EXPECT_GT(Four, Last.Height());
  EXPECT_GT(Last.Height(), 0);
}

TEST(RichEdit, FormatRangeDrawsIntoABitmapAndReportsWhatDidNotFit) {
  TTestForm F;
  TRichEdit* R = NewRich(F);
  String Long;
  for (Integer I = 0; I < 40; ++I) Long += L"line " + std::to_wstring(I) + L"\r\n";
  R->SetText(Long);
  TBitmap B;
  B.SetPixelFormat(pf24bit);
  B.SetSize(200, 60);
  B.Canvas()->Brush()->SetColor(clWhite);
  B.Canvas()->FillRect(Rect(0, 0, 200, 60));
  B.Canvas()->Lock();
  Integer Next = R->FormatRange(B.Canvas()->Handle(), Rect(0, 0, 200, 60));
  EXPECT_GT(Next, 0);
  EXPECT_LT(Next, R->GetTextLen());
  bool Ink = false;
  for (Integer X = 0; X < 60 && !Ink; ++X)
    for (Integer Y = 0; Y < 20 && !Ink; ++Y) Ink = B.Canvas()->Pixels(X, Y) != clWhite;
  EXPECT_TRUE(Ink);
  // The next range starts after the first.
  EXPECT_GT(R->FormatRange(B.Canvas()->Handle(), Rect(0, 0, 200, 60), Next), Next);
  // Measuring alone draws nothing and finds the same break.
  EXPECT_EQ(R->FormatRange(B.Canvas()->Handle(), Rect(0, 0, 200, 60), 0, -1, false), Next);
}

TEST(RichEdit, WorksAsAConverterWithoutAParent) {
  TRichEdit R(nullptr);
  TStringStream In(String(BoldRtf, BoldRtf + strlen(BoldRtf)));
  R.Lines()->LoadFromStream(&In);
  EXPECT_EQ(R.Lines()->Strings(0).substr(0, 5), L"plain");
}
