#pragma once
// The order of a set of the grid's rows by the contents of their cells.
// Every cell of a column is read and turned into a key once (a number, a
// date, a text made ready for its comparison, or the locale's sort key),
// and the rows are then ordered by comparing keys; a stable sort keeps
// rows that compare equal in the order they had. Only the styles that
// hand each comparison to the application (ssCustom, ssRaw) ask per
// comparison.
#include <memory>
#include <vector>
#include "grid/base/GridTypes.h"
#include "grid/core/GridDataSettings.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SortKeys.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TGridRowSorter {
 public:
  // One step of the order: a column and its direction.
  struct TSortColumn {
    Integer Col = 0;
    bool Descending = false;
  };
  // Rows are the grid's rows to order, in their present order.
  TGridRowSorter(TRezIvevirAvod& Grid, std::vector<Integer> Rows);
  // The rows First .. First + Count - 1.
  TGridRowSorter(TRezIvevirAvod& Grid, Integer First, Integer Count);
  ~TGridRowSorter();

  // Positions into Rows in their sorted order. Later columns decide only
  // between rows that the earlier ones leave equal.
  std::vector<Integer> Order(const std::vector<TSortColumn>& Columns);
  // -1, 0 or 1 for the rows at positions A and B of Rows on one column,
  // the direction applied.
  Integer CompareOn(const TSortColumn& Column, Integer A, Integer B);
  // The comparisons made so far.
  Integer Comparisons() const { return FComparisons; }

 private:
  // What a cell becomes for its comparison.
  // Sixteen bytes: a million of them are sorted where they stand.
  struct TCellKey {
    double Value = 0;
    Integer Position = 0;  // of the row in Rows, also of its text or sort key
    uint8_t Rank = 0;      // class of the cell under the automatic style
    bool Blank = false;
  };
  struct TColumnKeys;
  TColumnKeys& KeysOf(Integer Col);
  void MakeKeys(TColumnKeys& Keys);
  void MakeCellKey(TColumnKeys& Keys, Integer Position, const String& Text);
  double NumberKey(const TColumnKeys& Keys, const String& Text, bool Financial, bool& Blank) const;
  void MakeAutomaticKey(TColumnKeys& Keys, TCellKey& Key, Integer Row, const String& Text);
  bool DisplaysStoredTexts() const;
  const String& CellText(Integer Col, Integer Row, String& Made);
  // Without direction; Blank reports a decision by blank position, which
  // no direction reverses.
  Integer CompareKeys(TColumnKeys& Keys, Integer A, Integer B, bool& ByBlank);
  Integer CompareStyled(TColumnKeys& Keys, TSortStyle Style, const TCellKey& A, const TCellKey& B, Integer RowA,
                        Integer RowB);
  Integer CompareRows(const std::vector<TSortColumn>& Columns, size_t From, Integer A, Integer B);

  Integer RowAt(size_t Position) const { return FRows.empty() ? FFirst + Integer(Position) : FRows[Position]; }

  TRezIvevirAvod& FGrid;
  // The rows given, or none for a range from FFirst.
  std::vector<Integer> FRows;
  Integer FFirst = 0;
  size_t FCount = 0;
  bool FStoredShown = false;
  // Read once: the locale's settings are copied whole.
  TFormatSettings FFormat = FormatSettings();
  std::vector<std::unique_ptr<TColumnKeys>> FColumns;
  Integer FComparisons = 0;
};

}  // namespace jorv::grid
