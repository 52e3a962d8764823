#include <memory>
#include "bench/Cases.h"
#include "bench/Forms.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::bench {

using namespace jorv::grid;

namespace {

constexpr Integer KCols = 8;
constexpr Integer KTallRows = 1000000;
constexpr Integer KShortRows = 100;
// Graphics and colours in the rows a screen shows, in both grids alike;
// the texts in every row.
constexpr Integer KDecoratedRows = 200;
constexpr Integer KFormWidth = 800, KFormHeight = 600;

String PlainText(Integer Col, Integer Row) { return String{Char(L'a' + Col), Char(L'a' + Row % 26), L'x', L'y'}; }

// Plain text, a number, HTML, a wrapped text, and cells with a check box,
// an own colour, a progress bar and a bold font.
void FillMixed(TRezIvevirAvod& G) {
  G.SetColCount(KCols);
  const Integer Rows = G.RowCount();
  for (Integer r = 1; r < Rows; ++r) {
    G.SetCells(1, r, PlainText(1, r));
    G.SetCells(2, r, IntToStr(r * 7));
    G.SetCells(3, r, L"<b>" + PlainText(3, r) + L"</b> and <i>more</i>");
    G.SetCells(4, r, L"two words and more words");
    G.SetCells(5, r, PlainText(5, r));
    G.SetCells(6, r, IntToStr(r % 100));
    G.SetCells(7, r, PlainText(7, r));
  }
  for (Integer r = 1; r < KDecoratedRows && r < Rows; ++r) {
    G.AddCheckBox(5, r, r % 2 == 0, false);
    G.SetColors(7, r, 0xE0F0FF);
    G.SetFontStyles(1, r, TFontStyles{fsBold});
    G.AddProgress(6, r, clHighlight, clWindow);
  }
  G.SetAutoNumAlign(true);
}

void FillPlain(TStringGrid& G) {
  G.SetColCount(KCols);
  for (Integer r = 0; r < G.RowCount(); ++r)
    for (Integer c = 0; c < KCols; ++c) G.SetCells(c, r, PlainText(c, r));
}

// One full repaint of what the form shows, per visible cell.
template <class Grid>
double RepaintPerCell(Grid& G, TForm* Form) {
  G.SetParent(Form);
  G.SetAlign(alClient);
  Pump();
  const Integer Visible = (G.VisibleColCount() + G.FixedCols()) * (G.VisibleRowCount() + G.FixedRows());
  TTarget Target(G.Width(), G.Height());
  const double Ns = MedianNs([&] { G.PaintTo(Target.DC(), 0, 0); }, TRepeat{10, 300, 2.0});
  G.SetParent(nullptr);
  return Ns / Visible;
}

}  // namespace

// The extended grid's cell painting: a screen of mixed cells costs the
// same per visible cell whatever the row count, and a screen of plain text
// cells is within twice the plain string grid's cost.
void CellPaintCase(TTable& Table) {
  TBenchForm Form(KFormWidth, KFormHeight);
  auto Tall = std::make_unique<TRezIvevirAvod>(nullptr);
  Tall->SetRowCount(KTallRows);
  FillMixed(*Tall);
  auto Short = std::make_unique<TRezIvevirAvod>(nullptr);
  Short->SetRowCount(KShortRows);
  FillMixed(*Short);
  const double ShortNs = RepaintPerCell(*Short, Form.Get());
  const double TallNs = RepaintPerCell(*Tall, Form.Get());
  Table.Add({"13 extended grid: paint mixed cells, 1,000,000 rows vs 100, per cell", Duration(TallNs),
             Duration(ShortNs), TallNs / ShortNs, "same (<= 1.1)", AtMost(TallNs / ShortNs, 1.1)});
  Tall.reset();

  auto Plain = std::make_unique<TRezIvevirAvod>(nullptr);
  Plain->SetColCount(KCols);
  Plain->SetRowCount(KShortRows);
  for (Integer r = 0; r < KShortRows; ++r)
    for (Integer c = 0; c < KCols; ++c) Plain->SetCells(c, r, PlainText(c, r));
  auto Reference = std::make_unique<TStringGrid>(nullptr);
  Reference->SetRowCount(KShortRows);
  FillPlain(*Reference);
  const double OursNs = RepaintPerCell(*Plain, Form.Get());
  const double ReferenceNs = RepaintPerCell(*Reference, Form.Get());
  Table.Add({"13 extended grid: repaint plain text cells vs string grid, per cell", Duration(OursNs),
             Duration(ReferenceNs), OursNs / ReferenceNs, "<= 2x", AtMost(OursNs / ReferenceNs, 2.0)});
}

}  // namespace jorv::bench
