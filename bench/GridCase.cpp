#include <algorithm>
#include <memory>
#include "bench/Cases.h"
#include "bench/Forms.h"
#include "grid/base/BaseGrid.h"
#include "grid/core/RezIvevirAvod.h"

namespace jorv::bench {

using namespace jorv::grid;

namespace {

constexpr Integer KCols = 10;
constexpr Integer KTallRows = 1000000;
constexpr Integer KShortRows = 100;
constexpr Integer KFormWidth = 800, KFormHeight = 600;

// Two-character texts, varied so no cell shares its neighbour's text.
const std::vector<String>& Texts() {
  static const std::vector<String> texts = [] {
    std::vector<String> t;
    for (Char a = L'a'; a <= L'z'; ++a)
      for (Char b = L'a'; b <= L'z'; ++b) t.push_back(String{a, b});
    return t;
  }();
  return texts;
}

const String& TextOf(Integer Col, Integer Row) { return Texts()[size_t(Col + Row * 7) % Texts().size()]; }

template <class Grid>
std::unique_ptr<Grid> EmptyGrid(Integer Rows) {
  auto grid = std::make_unique<Grid>(nullptr);
  grid->SetColCount(KCols);
  grid->SetRowCount(Rows);
  return grid;
}

template <class Grid>
void Fill(Grid& G) {
  const Integer rows = G.RowCount();
  for (Integer r = 0; r < rows; ++r)
    for (Integer c = 0; c < KCols; ++c) G.SetCells(c, r, TextOf(c, r));
}

struct TFillFigures {
  double NsPerCell = 0;
  double BytesPerCell = 0;        // what the heap holds per cell beyond its text
  double AllocationsPerCell = 0;  // heap allocations one fill makes, per cell
};

// Fills a fresh grid with no window; it stays filled for the repaint.
template <class Grid>
TFillFigures MeasureFill(std::unique_ptr<Grid>& Filled) {
  const double cells = double(KCols) * KTallRows;
  int64_t before = 0, allocations = 0;
  TFillFigures f;
  // One fill: ten million cells are a long run already, and every further
  // fill in the same process meets a heap left fragmented by the last.
  f.NsPerCell = MedianNs([&] { Fill(*Filled); }, TRepeat{1, 1, 0, true}, [&] {
                  Filled.reset();
                  Filled = EmptyGrid<Grid>(KTallRows);
                  before = LiveHeapBytes();
                  allocations = HeapAllocations();
                }) / cells;
  f.BytesPerCell = double(LiveHeapBytes() - before) / cells - 2 * sizeof(Char);
  f.AllocationsPerCell = double(HeapAllocations() - allocations) / cells;
  return f;
}

TFillFigures MeasurePlainFill() {
  const double cells = double(KCols) * KTallRows;
  std::vector<String> plain;
  int64_t before = 0, allocations = 0;
  TFillFigures f;
  f.NsPerCell = MedianNs(
                    [&] {
                      plain.resize(size_t(cells));
                      size_t i = 0;
                      for (Integer r = 0; r < KTallRows; ++r)
                        for (Integer c = 0; c < KCols; ++c) plain[i++] = TextOf(c, r);
                    },
                    TRepeat{3, 3, 0, true},
                    [&] {
                      std::vector<String>().swap(plain);
                      before = LiveHeapBytes();
                      allocations = HeapAllocations();
                    }) /
                cells;
  f.BytesPerCell = double(LiveHeapBytes() - before) / cells - 2 * sizeof(Char);
  f.AllocationsPerCell = double(HeapAllocations() - allocations) / cells;
  return f;
}

// What one heap allocation costs when made as a row of ten cells grows to
// sixteen (1, 2, 4, 8, 16 cells of 40 bytes), with the frees between, while
// Rows such rows are kept.
double NsPerGrowingAllocation(int Rows) {
  std::vector<void*> kept(size_t(Rows), nullptr);
  const double ns = MedianNs(
      [&] {
        for (void*& row : kept) {
          void* block = nullptr;
          for (size_t size = 40; size <= 640; size *= 2) {
            void* grown = ::operator new(size);
            ::operator delete(block);
            block = grown;
          }
          row = block;
        }
      },
      TRepeat{3, 50, 1.0, true},
      [&] {
        for (void*& row : kept) ::operator delete(row);
        std::fill(kept.begin(), kept.end(), nullptr);
      });
  for (void* row : kept) ::operator delete(row);
  return ns / (Rows * 5.0);
}

// One full repaint of what the form shows of the grid, per visible cell.
template <class Grid>
double RepaintPerCell(Grid& G, TForm* Form) {
  G.SetParent(Form);
  G.SetAlign(alClient);
  Pump();
  const Integer visible = (G.VisibleColCount() + G.FixedCols()) * (G.VisibleRowCount() + G.FixedRows());
  TTarget target(G.Width(), G.Height());
  const double ns = MedianNs([&] { G.PaintTo(target.DC(), 0, 0); }, TRepeat{10, 500, 2.0});
  G.SetParent(nullptr);
  return ns / visible;
}

// The grid fills first, while the process's heap is fresh, and the plain
// array after it, in one block of its own.
template <class Grid>
void GridLines(TTable& Table, const char* Name) {
  TBenchForm form(KFormWidth, KFormHeight);
  std::unique_ptr<Grid> tall;
  const TFillFigures fill = MeasureFill(tall);
  const TFillFigures plain = MeasurePlainFill();
  Table.Add({Format("2 %s: fill 1,000,000 x 10 through Cells, per cell", Name), Duration(fill.NsPerCell),
             Duration(plain.NsPerCell), fill.NsPerCell / plain.NsPerCell, "<= 200 ns",
             AtMost(fill.NsPerCell, 200)});
  Table.Add({Format("2 %s: heap bytes per cell beyond its text", Name), Format("%.1f B", fill.BytesPerCell),
             Format("%.1f B", plain.BytesPerCell), fill.BytesPerCell / plain.BytesPerCell, "<= 48 B",
             AtMost(fill.BytesPerCell, 48)});
  // Where the fill's time goes: each heap allocation costs far more under
  // Wine than the copy of a short text.
  Table.Add({Format("2 (%s: heap allocations per cell during the fill)", Name),
             Format("%.2f", fill.AllocationsPerCell), Format("%.2f", plain.AllocationsPerCell),
             plain.AllocationsPerCell >= 0.01 ? fill.AllocationsPerCell / plain.AllocationsPerCell : 0, "",
             vdInforms});

  std::unique_ptr<Grid> shortGrid = EmptyGrid<Grid>(KShortRows);
  Fill(*shortGrid);
  const double shortNs = RepaintPerCell(*shortGrid, form.Get());
  const double tallNs = RepaintPerCell(*tall, form.Get());
  Table.Add({Format("2 %s: repaint 1,000,000 rows vs 100 rows, per cell", Name), Duration(tallNs),
             Duration(shortNs), tallNs / shortNs, "same (<= 1.1)",
             AtMost(tallNs / shortNs, 1.1)});
}

}  // namespace

// The reference is a plain array of the same strings: what holding the
// cells costs without a grid.
void StringGridCase(TTable& Table) {
  GridLines<TStringGrid>(Table, "string grid");
  // The heap alone, in the grid's pattern, with few and with many rows
  // kept: what an allocation costs apart from the grid's own code.
  for (int rows : {20000, 500000}) {
    const double allocation = NsPerGrowingAllocation(rows);
    Table.Add({Format("2 (heap alone: allocation and free as rows grow, %d rows)", rows),
               Duration(allocation), "", 0, "", vdInforms});
  }
}

void BaseGridCase(TTable& Table) { GridLines<TBaseGrid>(Table, "base grid"); }

void ExtendedGridCase(TTable& Table) { GridLines<TRezIvevirAvod>(Table, "extended grid"); }

}  // namespace jorv::bench
