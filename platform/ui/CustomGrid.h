#pragma once
// The drawn grid: fixed and scrolling columns and rows of any size, a
// current cell with a selection rectangle, keyboard and mouse navigation,
// sizing and moving of columns and rows by the mouse, scroll bars and an
// inplace editor. TDrawGrid adds the events; the string grid (StringGrid.h)
// adds the cell texts.
//
// Column widths and row heights are kept as a default plus the sizes that
// differ from it, and painting, hit testing and scrolling only ever walk
// the cells on screen, so a grid of a million rows costs what a grid of a
// screenful costs.
#include <map>
#include "platform/rtl/Exceptions.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/ScrollStyle.h"

namespace jorv {

class TInplaceEdit;

JORV_EXCEPTION(EInvalidGridOperation, Exception)

struct TGridCoord {
  Integer X = 0;
  Integer Y = 0;
  constexpr bool operator==(const TGridCoord&) const = default;
};

struct TGridRect {
  Integer Left = 0;
  Integer Top = 0;
  Integer Right = 0;
  Integer Bottom = 0;
  constexpr TGridCoord TopLeft() const { return {Left, Top}; }
  constexpr TGridCoord BottomRight() const { return {Right, Bottom}; }
  constexpr bool Contains(Integer ACol, Integer ARow) const {
    return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
  }
  constexpr bool operator==(const TGridRect&) const = default;
};

enum TGridOption : uint8_t {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
  goDrawFocusSelected, goRowSizing, goColSizing, goRowMoving, goColMoving,
  goEditing, goTabs, goRowSelect, goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = TSet<TGridOption, 16>;

enum TGridDrawStateItem : uint8_t { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem, 8>;

enum TGridState : uint8_t { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

enum TGridDrawingStyle : uint8_t { gdsClassic, gdsThemed, gdsGradient };

// Sizes along one direction of the grid: a default and the indexes whose
// size differs from it. A size of 0 or less hides the column or row (it
// takes no space and no grid line).
class TGridAxis {
 public:
  Integer Count() const { return FCount; }
  // Growing adds default-sized entries; shrinking forgets the sizes cut off.
  void SetCount(Integer Value);
  Integer DefaultSize() const { return FDefault; }
  // Every entry takes the new default.
  void SetDefaultSize(Integer Value);
  Integer Size(Integer Index) const;
  void SetSize(Integer Index, Integer Value);
  // The pixels Index takes with a grid line of LineWidth after it.
  Integer Extent(Integer Index, Integer LineWidth) const;
  // The pixels of the entries From .. To - 1.
  Integer SumExtents(Integer From, Integer To, Integer LineWidth) const;
  // The entry at From goes to To; those between close up.
  void Move(Integer From, Integer To);
  // The sizes from From on move by Delta places; moving back, the sizes of
  // the Delta places before From are forgotten. The count is the caller's.
  void Shift(Integer From, Integer Delta);
  // The sizes that differ from the default, by index.
  const std::map<Integer, Integer>& Custom() const { return FSizes; }

 private:
  Integer FCount = 0;
  Integer FDefault = 0;
  std::map<Integer, Integer> FSizes;
};

// Where one direction of the grid lies on screen; made by CalcDrawInfo.
struct TGridAxisDrawInfo {
  Integer EffectiveLineWidth = 0;
  Integer FixedBoundary = 0;       // first pixel after the fixed cells
  Integer GridBoundary = 0;        // first pixel after the last cell shown
  Integer GridExtent = 0;          // client size
  Integer LastFullVisibleCell = 0;
  Integer FullVisBoundary = 0;     // first pixel after the last whole cell
  Integer FixedCellCount = 0;
  Integer FirstGridCell = 0;       // LeftCol or TopRow
  Integer GridCellCount = 0;       // ColCount or RowCount
  const TGridAxis* Axis = nullptr;
  Integer Extent(Integer Index) const { return Axis->Extent(Index, EffectiveLineWidth); }
};

struct TGridDrawInfo {
  TGridAxisDrawInfo Horz;
  TGridAxisDrawInfo Vert;
};

class TCustomGrid : public TCustomControl {
 public:
  explicit TCustomGrid(TComponent* AOwner);
  ~TCustomGrid() override;

  // The counts, the current cell, the view and the cell rectangle are
  // virtual: a grid that shows less than it stores (hidden columns, footer
  // rows) redefines them, and the keyboard, the mouse and the editor reach
  // the redefinitions.
  virtual Integer ColCount() const { return FColCount; }
  virtual void SetColCount(Integer Value);
  virtual Integer RowCount() const { return FRowCount; }
  virtual void SetRowCount(Integer Value);
  virtual Integer FixedCols() const { return FFixedCols; }
  virtual void SetFixedCols(Integer Value);
  virtual Integer FixedRows() const { return FFixedRows; }
  virtual void SetFixedRows(Integer Value);
  Integer DefaultColWidth() const { return FColAxis.DefaultSize(); }
  void SetDefaultColWidth(Integer Value);
  Integer DefaultRowHeight() const { return FRowAxis.DefaultSize(); }
  void SetDefaultRowHeight(Integer Value);
  Integer GetColWidths(Integer Index) const;
  void SetColWidths(Integer Index, Integer Value);
  Integer GetRowHeights(Integer Index) const;
  void SetRowHeights(Integer Index, Integer Value);
  Integer GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(Integer Value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions Value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool Value);
  TGridDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TGridDrawingStyle Value);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);

  // The current cell. Writing moves it (with the selection anchor) and
  // scrolls it into view.
  Integer Col() const { return FCurrent.X; }
  virtual void SetCol(Integer Value);
  Integer Row() const { return FCurrent.Y; }
  virtual void SetRow(Integer Value);
  // The selected cells, normalised; the whole width of the scrolling
  // columns with goRowSelect.
  TGridRect Selection() const;
  void SetSelection(const TGridRect& Value);
  Integer LeftCol() const { return FTopLeft.X; }
  virtual void SetLeftCol(Integer Value);
  Integer TopRow() const { return FTopLeft.Y; }
  virtual void SetTopRow(Integer Value);
  // Scrolling columns and rows shown whole.
  Integer VisibleColCount();
  Integer VisibleRowCount();
  // The part of a cell on screen in client coordinates; empty when the cell
  // is scrolled out of view. The inplace editor is laid over what this
  // answers for the current cell.
  virtual TRect CellRect(Integer ACol, Integer ARow);
  // The cell at a client point; -1 for a coordinate outside every cell.
  void MouseToCell(Integer X, Integer Y, Integer& ACol, Integer& ARow);
  TGridCoord MouseCoord(Integer X, Integer Y);
  // Sum of all column widths and row heights with their lines.
  Integer GridWidth();
  Integer GridHeight();

  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool Value);
  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
  TGridState GridState() const { return FGridState; }

  void InvalidateCell(Integer ACol, Integer ARow);
  void InvalidateCol(Integer ACol);
  void InvalidateRow(Integer ARow);
  void InvalidateGrid();

 protected:
  friend class TInplaceEdit;

  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  // Paints one cell into ARect; the default draws nothing (the background
  // is already filled when DefaultDrawing is on).
  virtual void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState);
  // Asked before the current cell moves to (ACol, ARow).
  virtual bool SelectCell(Integer ACol, Integer ARow);
  virtual void TopLeftChanged();
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void ChangeScale(Integer M, Integer D) override;
  void DoExit() override;

  // The inplace editor.
  virtual TInplaceEdit* CreateEditor();
  virtual String GetEditText(Integer ACol, Integer ARow);
  virtual void SetEditText(Integer ACol, Integer ARow, const String& Value);
  virtual String GetEditMask(Integer ACol, Integer ARow);
  // 0: no limit.
  virtual Integer GetEditLimit();
  virtual bool CanEditShow();
  virtual bool CanEditAcceptKey(Char Key);
  virtual bool CanEditModify();
  void ShowEditor();
  void HideEditor();
  // Opens the editor and hands it Ch as if typed there.
  void ShowEditorChar(Char Ch);
  // Opens, moves or closes the editor to suit the current cell and mode.
  void UpdateEdit();
  // Writes the editor's text into the cell it edits.
  void UpdateText();
  // Loads the editor afresh from its cell.
  void InvalidateEditor();

  // The sizing the mouse would start at (X, Y): gsColSizing or gsRowSizing
  // with the index and the line position, else gsNormal.
  virtual void CalcSizingState(Integer X, Integer Y, TGridState& State, Integer& Index,
                               Integer& SizingPos, Integer& SizingOfs, TGridDrawInfo& FixedInfo);
  virtual void ColumnMoved(Integer FromIndex, Integer ToIndex);
  virtual void RowMoved(Integer FromIndex, Integer ToIndex);
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void SizeChanged(Integer OldColCount, Integer OldRowCount);

  void MoveColumn(Integer FromIndex, Integer ToIndex);
  void MoveRow(Integer FromIndex, Integer ToIndex);
  // Row heights and column widths from From on move by Delta places, for
  // rows or columns opened or closed before them; the counts are the
  // caller's, who sets them afterwards.
  void ShiftRowHeights(Integer From, Integer Delta) { FRowAxis.Shift(From, Delta); }
  void ShiftColWidths(Integer From, Integer Delta) { FColAxis.Shift(From, Delta); }
  void DeleteColumn(Integer ACol);
  void DeleteRow(Integer ARow);
  // Moves the current cell; MoveAnchor also moves the selection's anchor
  // (otherwise, with goRangeSelect, the selection grows), Show scrolls it
  // into view.
  void MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show);
  // MoveColRow with the cell scrolled into view, then the editor follows
  // and OnClick fires.
  void FocusCell(Integer ACol, Integer ARow, bool MoveAnchor);
  void MoveTopLeft(Integer ALeft, Integer ATop);
  // The current cell and its anchor go just past the last column and row,
  // where no cell shows selected; the next move of the current cell brings
  // it back.
  void PlaceSelectionOutside();

  // Scroll bars. Every change the grid makes to a bar goes through
  // ShowGridScrollBar and SetGridScrollInfo, and every scroll message
  // through WMHScroll and WMVScroll, so that a descendant can mirror the
  // bars (flat bars), size their thumbs, draw bars of its own or scroll a
  // second grid along. The bars stand for the scrolling range in 128 steps
  // (0 .. ScrollSteps).
  static constexpr Integer ScrollSteps = 127;
  // Shows or hides the bars and sets their range for the present sizes.
  virtual void UpdateScrollRange();
  // Sets the thumbs for the present top-left cell.
  virtual void UpdateScrollPos();
  // Applies a scroll code (SB_LINEUP ... SB_BOTTOM, thumb at Pos) to the
  // view along SB_HORZ or SB_VERT.
  virtual void ModifyScrollBar(UINT ScrollBar, UINT ScrollCode, Integer Pos);
  virtual void ShowGridScrollBar(UINT ScrollBar, bool Show);
  virtual void SetGridScrollInfo(UINT ScrollBar, const SCROLLINFO& Info, bool Redraw);
  // The grid's own bars (ScrollBar 0) go to ModifyScrollBar; a child's
  // scroll bar gets its message back, as any control's.
  virtual void WMHScroll(TWMScroll& Message);
  virtual void WMVScroll(TWMScroll& Message);
  // Draws or erases (XOR) the line that follows the mouse while a column
  // or row is sized.
  virtual void DrawSizingLine(const TGridDrawInfo& DrawInfo);
  void CalcDrawInfo(TGridDrawInfo& DrawInfo);
  // The draw info without the scrolled part: fixed cells only.
  void CalcFixedInfo(TGridDrawInfo& DrawInfo);
  // The rectangle on screen of the cells in Area, clipped to what shows.
  TRect BoxRect(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
  void InvalidateRect(const TGridRect& Area);
  // Raises EInvalidGridOperation for a cell outside the grid.
  void CheckCell(Integer ACol, Integer ARow) const;
  // The grid window or its editor has the keyboard focus.
  bool IsActiveControl();
  // The largest top-left cell that still fills the client area.
  TGridCoord CalcMaxTopLeft(const TGridDrawInfo& DrawInfo);

  TGridState FGridState = gsNormal;
  TGridCoord FCurrent{1, 1};
  TGridCoord FAnchor{1, 1};
  TGridCoord FTopLeft{1, 1};
  TInplaceEdit* FInplaceEdit = nullptr;
  bool FEditorMode = false;
  Integer FInplaceCol = -1;
  Integer FInplaceRow = -1;
  // Sizing and moving under way.
  Integer FSizingIndex = -1;
  Integer FSizingPos = 0;
  Integer FSizingOfs = 0;
  Integer FMoveIndex = -1;
  Integer FMovePos = -1;

 private:
  void SetAxisCount(bool IsColumn, Integer Value);
  void MoveColRowData(bool IsColumn, Integer FromIndex, Integer ToIndex);
  void ClampInView(TGridCoord Cell);
  void SelectionMoved(const TGridRect& OldSel);
  // Where the editor goes: the current cell's CellRect, or nothing while
  // the cell is scrolled out of view.
  TRect EditorBounds();
  void DrawMoveLine();
  Integer CellStart(const TGridAxisDrawInfo& Axis, Integer Index) const;
  void TimerTick();
  void WMGetDlgCode(TMessage& Message);
  void WMSetCursorGrid(TWMSetCursor& Message);
  void WMChar(TWMKey& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void WMSize(TWMSize& Message) override;
  void WMCancelMode(TMessage& Message) override;

  Integer FColCount = 5;
  Integer FRowCount = 5;
  Integer FFixedCols = 1;
  Integer FFixedRows = 1;
  TGridAxis FColAxis;
  TGridAxis FRowAxis;
  Integer FGridLineWidth = 1;
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  bool FDefaultDrawing = true;
  TGridDrawingStyle FDrawingStyle = gdsThemed;
  TColor FFixedColor = clBtnFace;
  TBorderStyle FBorderStyle = bsSingle;
  TScrollStyle FScrollBars = ssBoth;
  // The cell text the editor opened with, for Escape.
  String FEditStartText;
  bool FTimerActive = false;
  bool FUpdatingScrollBars = false;
};

using TDrawCellEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, const TRect& Rect,
                                          TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, const String& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, Integer FromIndex, Integer ToIndex)>;

// The grid whose cells the application draws (OnDrawCell) and edits
// (OnGetEditText, OnSetEditText).
class TDrawGrid : public TCustomGrid {
 public:
  explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TGetEditEvent OnGetEditMask;
  TNotifyEvent OnTopLeftChanged;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;

 protected:
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(Integer ACol, Integer ARow) override;
  void TopLeftChanged() override;
  String GetEditText(Integer ACol, Integer ARow) override;
  void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
  String GetEditMask(Integer ACol, Integer ARow) override;
  void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
  void RowMoved(Integer FromIndex, Integer ToIndex) override;
};

}  // namespace jorv
