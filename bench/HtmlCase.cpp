#include "bench/Cases.h"
#include "bench/Forms.h"
#include "foundation/HTMLRenderer.h"

namespace jorv::bench {

using namespace jorv::foundation;

namespace {

constexpr Integer KWidth = 400, KHeight = 300;

const wchar_t* const KPlain =
    L"Der Kalender zeigt zw\u00f6lf Monate nebeneinander und markiert jeden Feiertag der Tabelle mit "
    L"einem gelben Kreis. Wer mit der Maus \u00fcber einen markierten Tag f\u00e4hrt, sieht den Namen "
    L"des Feiertags als Hinweis; f\u00e4llt ein Feiertag auf den heutigen Tag, endet der Hinweis mit "
    L"Heute. Die Schaltfl\u00e4che Heute kehrt zum aktuellen Monat zur\u00fcck, x Tage \u00f6ffnet die "
    L"Liste der Feiertage, und Kopie legt ein Bild des Fensters in die Zwischenablage.";

const wchar_t* const KFormatted =
    L"Der <b>Kalender</b> zeigt <i>zw\u00f6lf Monate</i> nebeneinander und markiert jeden Feiertag der "
    L"Tabelle mit einem <font color=\"clOlive\">gelben Kreis</font>. Wer mit der Maus \u00fcber einen "
    L"markierten Tag f\u00e4hrt, sieht den <u>Namen des Feiertags</u> als Hinweis; f\u00e4llt ein Feiertag "
    L"auf den heutigen Tag, endet der Hinweis mit <b><font color=\"#FF0000\">Heute</font></b>. Die "
    L"Schaltfl\u00e4che <a href=\"heute\">Heute</a> kehrt zum aktuellen Monat zur\u00fcck, <i>x Tage</i> "
    L"\u00f6ffnet die Liste der Feiertage, und <b>Kopie</b> legt ein Bild des Fensters in die "
    L"<font face=\"Tahoma\" size=\"10\">Zwischenablage</font>.";

bool DrawHtml(TCanvas* Canvas, const String& Text) {
  String url, plain, focusUrl, title, id, type, value;
  Integer width = 0, height = 0, anchors = 0, anchor = -1;
  TRect anchorRect{}, controlRect{};
  return DrawHTMLText(Canvas, Text, TRect{0, 0, KWidth, KHeight}, nullptr, -1, -1, -1, -1, 1, false, false,
                      false, false, true, false, true, false, String(), 1.0, clBlue, clNone, clNone, clGray,
                      url, plain, focusUrl, title, width, height, anchors, anchor, anchorRect, controlRect, id,
                      type, value, nullptr, nullptr, nullptr, 0);
}

void PrepareCanvas(TCanvas* Canvas) {
  Canvas->Brush()->SetColor(clWhite);
  Canvas->FillRect(TRect{0, 0, KWidth, KHeight});
  Canvas->Font()->SetName(L"Tahoma");
  Canvas->Font()->SetHeight(-11);
  Canvas->Font()->SetColor(clBlack);
  // Selects the font into the DC for the plain DrawTextW below.
  Canvas->TextWidth(L"x");
}

// The paragraph as a run of words, each measured and then drawn by its own
// DrawTextW: the calls the renderer makes for plain text, without the
// renderer.
void DrawWordByWord(HDC DC) {
  const String text = KPlain;
  Integer x = 0, y = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L' ', start);
    end = end == String::npos ? text.size() : end + 1;
    RECT r{x, y, KWidth, KHeight};
    DrawTextW(DC, text.c_str() + start, int(end - start), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const Integer width = r.right - r.left;
    if (x + width > KWidth) {
      x = 0;
      y += r.bottom - r.top;
    }
    RECT at{x, y, KWidth, KHeight};
    DrawTextW(DC, text.c_str() + start, int(end - start), &at, DT_SINGLELINE | DT_NOPREFIX);
    x += width;
    start = end;
  }
}

}  // namespace

void HtmlCase(TTable& Table) {
  TTarget target(KWidth, KHeight);
  TCanvas* canvas = target.Canvas();
  const TRepeat repeat{20, 5000, 1.5};
  PrepareCanvas(canvas);
  const double plain = MedianNs([&] { DrawHtml(canvas, KPlain); }, repeat);
  const double formatted = MedianNs([&] { DrawHtml(canvas, KFormatted); }, repeat);
  PrepareCanvas(canvas);
  const double reference = MedianNs(
      [&] {
        RECT r{0, 0, KWidth, KHeight};
        DrawTextW(canvas->Handle(), KPlain, -1, &r, DT_WORDBREAK | DT_NOPREFIX | DT_LEFT | DT_TOP);
      },
      repeat);
  Table.Add({"5 HTML renderer, plain paragraph, vs DrawTextW", Duration(plain), Duration(reference),
             plain / reference, "<= 3.0", AtMost(plain / reference, 3.0)});
  const double wordByWord = MedianNs([&] { DrawWordByWord(canvas->Handle()); }, repeat);
  Table.Add({"5 (DrawTextW word by word, measured and drawn, plain)", Duration(wordByWord), Duration(reference),
             wordByWord / reference, "", vdInforms});
  Table.Add({"5 HTML renderer, formatted paragraph, vs DrawTextW plain", Duration(formatted),
             Duration(reference), formatted / reference, "", vdInforms});
}

}  // namespace jorv::bench
