#pragma once
// The grid that holds a text and an object per cell. Cells are kept per
// row, and a row that was never written takes no room, so a tall grid
// costs only what is filled in.
#include <map>
#include <memory>
#include <vector>
#include "platform/rtl/Strings.h"
#include "platform/ui/CustomGrid.h"

namespace jorv {

class TStringGrid;

// A column or a row of a string grid seen as a string list; its count is
// the grid's row or column count and it cannot grow or shrink.
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
  // there raises EInvalidGridOperation.
  String GetCells(Integer ACol, Integer ARow) const;
  void SetCells(Integer ACol, Integer ARow, const String& Value);
  // Objects are the application's; the grid never frees them.
  TObject* GetObjects(Integer ACol, Integer ARow) const;
  void SetObjects(Integer ACol, Integer ARow, TObject* Value);
  TStrings* GetCols(Integer Index);
  void SetCols(Integer Index, TStrings* Value);
  TStrings* GetRows(Integer Index);
  void SetRows(Integer Index, TStrings* Value);

 protected:
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  String GetEditText(Integer ACol, Integer ARow) override;
  void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
  void RowMoved(Integer FromIndex, Integer ToIndex) override;
  void SizeChanged(Integer OldColCount, Integer OldRowCount) override;

 private:
  struct TCell {
    String Text;
    TObject* Object = nullptr;
  };
  using TCellRow = std::vector<TCell>;
  const TCell* FindCell(Integer ACol, Integer ARow) const;
  TCell& EnsureCell(Integer ACol, Integer ARow);
  TStrings* Lines(bool IsColumn, Integer Index);

  // One entry per row; empty rows have none.
  std::vector<std::unique_ptr<TCellRow>> FData;
  std::map<Integer, std::unique_ptr<TStringGridStrings>> FCols;
  std::map<Integer, std::unique_ptr<TStringGridStrings>> FRows;
  // Set while the editor writes its text into a cell.
  bool FWritingEditText = false;
};

}  // namespace jorv
