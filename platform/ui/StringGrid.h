#pragma once
// The grid that holds a text and an object per cell. Cells are kept per
// row, and a row that was never written takes no room, so a tall grid
// costs only what is filled in.
//
// A plain string grid forgets the cells a smaller count cuts off. A grid
// that shows less than it stores (hidden columns kept at their indexes)
// switches KeepCellsBeyondCount on: the counts then only say what is shown,
// and cells beyond them keep their texts and objects.
#include <map>
#include <memory>
#include <vector>
#include "platform/rtl/Strings.h"
#include "platform/ui/CustomGrid.h"

namespace jorv {

class TStringGrid;

struct TStringGridCell {
  String Text;
  TObject* Object = nullptr;
};

// The cells of one stored row taken out of a string grid, every column
// with its object, to be put back whole later. Taking and putting back
// move one pointer, whatever the row holds; objects stay the caller's.
class TStringGridRow {
 public:
  // Columns held; 0 for a row that holds nothing.
  Integer Count() const { return FCells ? static_cast<Integer>(FCells->size()) : 0; }
  String Text(Integer ACol) const { return ACol >= 0 && ACol < Count() ? (*FCells)[ACol].Text : String(); }
  TObject* Object(Integer ACol) const { return ACol >= 0 && ACol < Count() ? (*FCells)[ACol].Object : nullptr; }
  // Writing beyond the held columns adds them.
  void SetText(Integer ACol, const String& Value) { Cell(ACol).Text = Value; }
  void SetObject(Integer ACol, TObject* Value) { Cell(ACol).Object = Value; }
  // Count empty cells open at ACol, or the cells ACol .. ACol + Count - 1
  // close (their objects are the caller's); the cells after them move.
  void InsertCells(Integer ACol, Integer Count);
  void DeleteCells(Integer ACol, Integer Count);

 private:
  friend class TStringGrid;
  TStringGridCell& Cell(Integer ACol);
  std::unique_ptr<std::vector<TStringGridCell>> FCells;
};

// A column or a row of a string grid seen as a string list; its count is
// the grid's row or column count and it cannot grow or shrink. It holds
// the stored texts and objects, as the cells' owner keeps them.
class TStringGridStrings : public TStrings {
 public:
  TStringGridStrings(TStringGrid* AGrid, bool IsColumn, Integer AIndex)
      : FGrid(AGrid), FIsColumn(IsColumn), FIndex(AIndex) {}

  String Get(Integer Index) const override;
  void Put(Integer Index, const String& S) override;
  TObject* GetObject(Integer Index) const override;
  void PutObject(Integer Index, TObject* AObject) override;
  Integer GetCount() const override;
  // Fills the first empty entry; -1 when there is none.
  Integer Add(const String& S) override;
  Integer AddObject(const String& S, TObject* AObject) override;
  // The entries stay; only their texts and objects are cleared.
  void Clear() override;
  // A grid's column or row cannot take or lose entries.
  void Insert(Integer Index, const String& S) override;
  void Delete(Integer Index) override;

 private:
  void CheckIndex(Integer Index) const;
  TStringGrid* FGrid;
  bool FIsColumn;
  Integer FIndex;
};

class TStringGrid : public TDrawGrid {
 public:
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;

  // Reading outside the grid gives an empty text and no object; writing
  // there raises EInvalidGridOperation. Virtual, so that a grid that shows
  // something other than the stored text (merged cells, display hooks) is
  // reached through the same names.
  virtual String GetCells(Integer ACol, Integer ARow);
  virtual void SetCells(Integer ACol, Integer ARow, const String& Value);
  // Objects are the application's; the grid never frees them.
  virtual TObject* GetObjects(Integer ACol, Integer ARow);
  virtual void SetObjects(Integer ACol, Integer ARow, TObject* Value);
  // Columns that may hold cells: ColCount here; a grid keeping hidden
  // columns beyond the count adds them.
  virtual Integer TotalColCount() const { return ColCount(); }
  TStrings* GetCols(Integer Index);
  void SetCols(Integer Index, TStrings* Value);
  TStrings* GetRows(Integer Index);
  void SetRows(Integer Index, TStrings* Value);

 protected:
  friend class TStringGridStrings;
  // The stored cell itself, past any redefinition of the accessors above.
  // Storing follows the rules of SetCells and repaints the cell.
  String StoredCell(Integer ACol, Integer ARow) const;
  // The same text where it is kept, for reading many cells without copying
  // each: valid until a cell of the grid is next written or the counts
  // change.
  const String& StoredCellText(Integer ACol, Integer ARow) const;
  void StoreCell(Integer ACol, Integer ARow, const String& Value);
  TObject* StoredObject(Integer ACol, Integer ARow) const;
  void StoreObject(Integer ACol, Integer ARow, TObject* Value);
  // Off: a smaller count cuts the cells beyond it off. On: they are kept,
  // and cells of columns up to TotalColCount may be written; a kept cell
  // beyond the counts can be rewritten or cleared, and clearing a cell that
  // holds nothing costs nothing anywhere. Deleting a column or row moves it
  // to the end and lowers the count, so its cells are kept just beyond it.
  bool KeepCellsBeyondCount() const { return FKeepCellsBeyondCount; }
  void SetKeepCellsBeyondCount(bool Value) { FKeepCellsBeyondCount = Value; }
  // Raises EInvalidGridOperation where no new cell may be stored.
  void CheckStorableCell(Integer ACol, Integer ARow) const;
  // The extent of what is stored, kept cells included: rows, and the cells
  // held in one row (0 for a row never written).
  Integer StoredRowCount() const { return static_cast<Integer>(FData.size()); }
  Integer StoredColCount(Integer ARow) const;
  // Whole stored rows, every cell with its object, kept ones beyond the
  // column count included: row To takes row From's cells and From is left
  // empty; DropRowData empties a row. Neither frees an object nor touches
  // the counts, the sizes or the current cell: they are the caller's, who
  // moves many rows at the cost of moving each once.
  void TransferRowData(Integer From, Integer To);
  void DropRowData(Integer ARow);
  // Row First + i takes the cells of row First + Order[i], each row moved
  // once. An Order that is no permutation of 0 .. size - 1 moves nothing.
  void PermuteRowData(Integer First, const std::vector<Integer>& Order);
  // A stored row taken out whole (the row is left empty) and put back
  // (what the row held is dropped, objects not freed).
  TStringGridRow TakeRowData(Integer ARow);
  void PutRowData(Integer ARow, TStringGridRow&& Cells);
  // Count empty stored rows open at ARow, or the stored rows ARow ..
  // ARow + Count - 1 close (their objects are the caller's): the rows after
  // them move in one memory move. Counts and sizes stay the caller's.
  void InsertRowData(Integer ARow, Integer Count);
  void DeleteRowData(Integer ARow, Integer Count);
  // The same with stored columns, in every stored row.
  void InsertColData(Integer ACol, Integer Count);
  void DeleteColData(Integer ACol, Integer Count);

  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  String GetEditText(Integer ACol, Integer ARow) override;
  void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
  void RowMoved(Integer FromIndex, Integer ToIndex) override;
  void SizeChanged(Integer OldColCount, Integer OldRowCount) override;

 private:
  using TCell = TStringGridCell;
  using TCellRow = std::vector<TCell>;
  const TCell* FindCell(Integer ACol, Integer ARow) const;
  TCell* FindCell(Integer ACol, Integer ARow);
  // The cell to write, made when missing; nullptr when Clearing a cell
  // that is not stored (nothing to do).
  TCell* CellToWrite(Integer ACol, Integer ARow, bool Clearing);
  TStrings* Lines(bool IsColumn, Integer Index);

  // One entry per row; empty rows have none.
  std::vector<std::unique_ptr<TCellRow>> FData;
  std::map<Integer, std::unique_ptr<TStringGridStrings>> FCols;
  std::map<Integer, std::unique_ptr<TStringGridStrings>> FRows;
  // Set while the editor writes its text into a cell.
  bool FWritingEditText = false;
  bool FKeepCellsBeyondCount = false;
};

}  // namespace jorv
