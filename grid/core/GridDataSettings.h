#pragma once
// The settings objects of the grid's data operations and exchange: sorting,
// printing, grouping, the floating footer, filtering and its drop-down and
// edit row, column sizes, node rows and drag and drop. They hold values;
// what the values steer lives in the grid.
#include <memory>
#include <vector>
#include "grid/core/GridCoreTypes.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Pen.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Strings.h"

namespace jorv::grid {

class TRezIvevirAvod;

enum TSortDirection : uint8_t { sdAscending, sdDescending };
enum TIndexSortKey : uint8_t { ikShift, ikCtrl };
enum TSortBlankPosition : uint8_t { blFirst, blLast };
enum TPrintPosition : uint8_t {
  ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter
};
enum TPrintBorders : uint8_t {
  pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical,
  pbAroundHorizontal, pbCustom
};
enum TFitToPage : uint8_t { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation : uint8_t { poPortrait, poLandscape };
enum TFooterStyle : uint8_t { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };
enum TFilterCells : uint8_t { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation : uint8_t { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod : uint8_t { fmExpression, fmLiteral };
enum TAutoSizeRows : uint8_t { arAll, arNormal, arFixed };
enum TColumnSizeLocation : uint8_t { clRegistry, clIniFile };
enum TNodeType : uint8_t { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

#define JORV_XGRID_PLAIN(Type, Name, Default)        \
 public:                                             \
  Type Name() const { return F##Name; }              \
  void Set##Name(Type Value) { F##Name = Value; }    \
                                                     \
 private:                                            \
  Type F##Name = Default;

class TSortSettings : public TPersistent {
 public:
  explicit TSortSettings(TRezIvevirAvod* AGrid);
  ~TSortSettings() override;
  // IgnoreCase and SortOnVirtualCells stay as they are.
  void Assign(TPersistent* Source) override;
  void ToggleDirection() { FDirection = FDirection == sdAscending ? sdDescending : sdAscending; }
  // The sort state as text: "u" or "d" and the column, or "i;" and the
  // sort index list; loading it sorts the grid (grid/exchange).
  String SaveToString() const;
  void LoadFromString(const String& Value);
  // The grid is no longer shown sorted; its rows stay as they are.
  void Remove();

  bool Show() const { return FShow; }
  void SetShow(bool Value);
  // Must stay below the grid's fixed rows.
  Integer Row() const { return FRow; }
  void SetRow(Integer Value);
  TBitmap* UpGlyph() const { return FUpGlyph.get(); }
  void SetUpGlyph(TBitmap* Value) { FUpGlyph->Assign(Value); }
  TBitmap* DownGlyph() const { return FDownGlyph.get(); }
  void SetDownGlyph(TBitmap* Value) { FDownGlyph->Assign(Value); }
  TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
  void SetIndexUpGlyph(TBitmap* Value) { FIndexUpGlyph->Assign(Value); }
  TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
  void SetIndexDownGlyph(TBitmap* Value) { FIndexDownGlyph->Assign(Value); }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor Value) { SetHeader(FHeaderColor, Value); }
  TColor HeaderColorTo() const { return FHeaderColorTo; }
  void SetHeaderColorTo(TColor Value) { SetHeader(FHeaderColorTo, Value); }
  TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
  void SetHeaderMirrorColor(TColor Value) { SetHeader(FHeaderMirrorColor, Value); }
  TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
  void SetHeaderMirrorColorTo(TColor Value) { SetHeader(FHeaderMirrorColorTo, Value); }
  // The four header colours at once, without repainting (the style presets).
  void SetHeaderColors(TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo);

  JORV_XGRID_PLAIN(bool, AutoSortForGrouping, true)
  JORV_XGRID_PLAIN(bool, AutoColumnMerge, false)
  JORV_XGRID_PLAIN(TSortStyle, DefaultFormat, ssAutomatic)
  JORV_XGRID_PLAIN(Integer, Column, -1)
  JORV_XGRID_PLAIN(bool, IndexShow, false)
  JORV_XGRID_PLAIN(TColor, IndexColor, 0x0000FFFF)
  JORV_XGRID_PLAIN(TIndexSortKey, IndexSortKey, ikShift)
  JORV_XGRID_PLAIN(bool, Full, true)
  JORV_XGRID_PLAIN(bool, SingleColumn, false)
  JORV_XGRID_PLAIN(bool, IgnoreBlanks, false)
  JORV_XGRID_PLAIN(TSortBlankPosition, BlankPos, blFirst)
  JORV_XGRID_PLAIN(bool, AutoFormat, true)
  JORV_XGRID_PLAIN(TSortDirection, Direction, sdAscending)
  JORV_XGRID_PLAIN(bool, IgnoreCase, false)
  JORV_XGRID_PLAIN(TSortDirection, InitSortDirection, sdAscending)
  JORV_XGRID_PLAIN(bool, FixedCols, false)
  JORV_XGRID_PLAIN(bool, NormalCellsOnly, false)
  JORV_XGRID_PLAIN(bool, UndoSort, false)
  JORV_XGRID_PLAIN(bool, SortOnVirtualCells, true)

 protected:
  TPersistent* GetOwner() const override;

 private:
  void SetHeader(TColor& Field, TColor Value);
  TRezIvevirAvod* FGrid = nullptr;
  bool FShow = false;
  Integer FRow = 0;
  std::unique_ptr<TBitmap> FUpGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FDownGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FIndexUpGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FIndexDownGlyph = std::make_unique<TBitmap>();
  TColor FHeaderColor = clNone;
  TColor FHeaderColorTo = clNone;
  TColor FHeaderMirrorColor = clNone;
  TColor FHeaderMirrorColorTo = clNone;
};

// Read by printing and the print preview; no change notification.
class TPrintSettings : public TPersistent {
 public:
  explicit TPrintSettings(TRezIvevirAvod* AGrid);
  ~TPrintSettings() override;
  // EInvalidCast for a source of any other class; FixedCellsAlways stays.
  void Assign(TPersistent* Source) override;

  TStringList* TitleLines() const { return FTitleLines.get(); }
  void SetTitleLines(TStrings* Value) { FTitleLines->Assign(Value); }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TFont* FixedFont() const { return FFixedFont.get(); }
  void SetFixedFont(TFont* Value) { FFixedFont->Assign(Value); }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* Value) { FHeaderFont->Assign(Value); }
  TFont* FooterFont() const { return FFooterFont.get(); }
  void SetFooterFont(TFont* Value) { FFooterFont->Assign(Value); }

  JORV_XGRID_PLAIN(Integer, FooterSize, 0)
  JORV_XGRID_PLAIN(Integer, HeaderSize, 0)
  JORV_XGRID_PLAIN(TPrintPosition, Time, ppNone)
  JORV_XGRID_PLAIN(TPrintPosition, Date, ppNone)
  JORV_XGRID_PLAIN(String, DateFormat, L"dd/mm/yyyy")
  JORV_XGRID_PLAIN(TPrintPosition, PageNr, ppNone)
  JORV_XGRID_PLAIN(TPrintPosition, Title, ppNone)
  JORV_XGRID_PLAIN(String, TitleText, L"")
  JORV_XGRID_PLAIN(TPrintBorders, Borders, pbSingle)
  JORV_XGRID_PLAIN(TPenStyle, BorderStyle, psSolid)
  JORV_XGRID_PLAIN(TColor, BorderColor, 0)
  JORV_XGRID_PLAIN(bool, Centered, true)
  JORV_XGRID_PLAIN(bool, RepeatFixedRows, false)
  JORV_XGRID_PLAIN(bool, RepeatFixedCols, false)
  JORV_XGRID_PLAIN(Integer, LeftSize, 0)
  JORV_XGRID_PLAIN(Integer, RightSize, 0)
  JORV_XGRID_PLAIN(Integer, ColumnSpacing, 0)
  JORV_XGRID_PLAIN(Integer, RowSpacing, 0)
  JORV_XGRID_PLAIN(Integer, TitleSpacing, 0)
  JORV_XGRID_PLAIN(TPrinterOrientation, Orientation, poPortrait)
  JORV_XGRID_PLAIN(String, PagePrefix, L"")
  JORV_XGRID_PLAIN(String, PageSuffix, L"")
  JORV_XGRID_PLAIN(Integer, PageNumberOffset, 0)
  JORV_XGRID_PLAIN(Integer, MaxPagesOffset, 0)
  JORV_XGRID_PLAIN(Integer, FixedWidth, 0)
  JORV_XGRID_PLAIN(Integer, FixedHeight, 0)
  JORV_XGRID_PLAIN(bool, UseFixedHeight, false)
  JORV_XGRID_PLAIN(bool, UseFixedWidth, false)
  JORV_XGRID_PLAIN(TFitToPage, FitToPage, fpNever)
  JORV_XGRID_PLAIN(String, JobName, L"")
  JORV_XGRID_PLAIN(String, PageNumSep, L"/")
  JORV_XGRID_PLAIN(bool, NoAutoSize, false)
  JORV_XGRID_PLAIN(bool, NoAutoSizeRow, false)
  JORV_XGRID_PLAIN(bool, PrintGraphics, false)
  JORV_XGRID_PLAIN(bool, UseDisplayFont, true)
  JORV_XGRID_PLAIN(bool, UseDefaultOrientation, false)
  JORV_XGRID_PLAIN(bool, FixedCellsAlways, false)

 private:
  std::unique_ptr<TStringList> FTitleLines = std::make_unique<TStringList>();
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  std::unique_ptr<TFont> FFixedFont = std::make_unique<TFont>();
  std::unique_ptr<TFont> FHeaderFont = std::make_unique<TFont>();
  std::unique_ptr<TFont> FFooterFont = std::make_unique<TFont>();
};

class TGrouping : public TPersistent {
 public:
  // The line colours and widths and Summary are not copied.
  void Assign(TPersistent* Source) override;

  JORV_XGRID_PLAIN(bool, AutoSelectGroup, false)
  JORV_XGRID_PLAIN(bool, AutoCheckGroup, false)
  JORV_XGRID_PLAIN(String, GroupCountFormat, L"")
  JORV_XGRID_PLAIN(TColor, HeaderColor, clNone)
  JORV_XGRID_PLAIN(TColor, HeaderColorTo, clNone)
  JORV_XGRID_PLAIN(TColor, HeaderTextColor, clNone)
  JORV_XGRID_PLAIN(bool, HeaderUnderline, false)
  JORV_XGRID_PLAIN(TColor, HeaderLineColor, 0xFF0000)
  JORV_XGRID_PLAIN(Integer, HeaderLineWidth, 2)
  JORV_XGRID_PLAIN(bool, MergeHeader, false)
  JORV_XGRID_PLAIN(bool, MergeSummary, false)
  JORV_XGRID_PLAIN(bool, ShowGroupCount, false)
  JORV_XGRID_PLAIN(bool, Summary, false)
  JORV_XGRID_PLAIN(TColor, SummaryColor, clNone)
  JORV_XGRID_PLAIN(TColor, SummaryColorTo, clNone)
  JORV_XGRID_PLAIN(TColor, SummaryTextColor, clNone)
  JORV_XGRID_PLAIN(bool, SummaryLine, false)
  JORV_XGRID_PLAIN(TColor, SummaryLineColor, 0xFF0000)
  JORV_XGRID_PLAIN(Integer, SummaryLineWidth, 2)
};

class TFloatingFooter : public TPersistent {
 public:
  explicit TFloatingFooter(TRezIvevirAvod* AGrid) : FGrid(AGrid) {}
  void Assign(TPersistent* Source) override;

  // The writers that repaint, show or size the panel live with the footer
  // panel (grid/exchange/FooterPanel.cpp).
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  Integer Column() const { return FColumn; }
  void SetColumn(Integer Value);
  const String& CustomTemplate() const { return FCustomTemplate; }
  void SetCustomTemplate(const String& Value);
  TFooterStyle FooterStyle() const { return FFooterStyle; }
  void SetFooterStyle(TFooterStyle Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value);
  // The calculation kind of a column's footer cell.
  TColumnCalcType ColumnCalc(Integer ACol) const;
  void SetColumnCalc(Integer ACol, TColumnCalcType Value);
  void Invalidate();
  // The extra row of the preview styles was added.
  bool DidInc() const { return FDidInc; }

  JORV_XGRID_PLAIN(bool, CalculateHiddenRows, true)
  JORV_XGRID_PLAIN(bool, EnableCalculation, true)

 public:
  TCalcFooterEvent OnCalcFooter;

 protected:
  TPersistent* GetOwner() const override;

 private:
  // Adds or removes the extra row of the preview styles.
  void FollowExtraRow();
  TRezIvevirAvod* FGrid = nullptr;
  TColor FBorderColor = clNone;
  TColor FColor = clBtnFace;
  Integer FColumn = 0;
  String FCustomTemplate;
  TFooterStyle FFooterStyle = fsFixedLastRow;
  bool FShowHint = false;
  bool FVisible = false;
  Integer FHeight = 0;
  bool FDidInc = false;
};

class TFilterDropDown : public TPersistent {
 public:
  TFilterDropDown();
  ~TFilterDropDown() override;
  void Assign(TPersistent* Source) override;

  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  // The filter button's glyph without and with an active condition; a
  // change tells OnChange.
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  TBitmap* GlyphActive() const { return FGlyphActive.get(); }
  void SetGlyphActive(TBitmap* Value);

  JORV_XGRID_PLAIN(bool, AutoSize, false)
  JORV_XGRID_PLAIN(TColor, Color, clWindow)
  JORV_XGRID_PLAIN(bool, ColumnWidth, false)
  JORV_XGRID_PLAIN(Integer, Height, 150)
  JORV_XGRID_PLAIN(String, TextChecked, L"")
  JORV_XGRID_PLAIN(String, TextUnChecked, L"")
  JORV_XGRID_PLAIN(Integer, Width, 150)

 public:
  TNotifyEvent OnChange;

 private:
  void Changed();
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FGlyphActive = std::make_unique<TBitmap>();
};

class TFilterEdit : public TPersistent {
 public:
  explicit TFilterEdit(TRezIvevirAvod* AGrid);
  ~TFilterEdit() override;
  void Assign(TPersistent* Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFilterDropDownColumns Columns() const { return FColumns; }
  void SetColumns(TFilterDropDownColumns Value);
  // Switching drops the filter and empties the filter-edit row.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  Integer Row() const { return FRow; }
  void SetRow(Integer Value);
  // The captions of the filter types, in TFilterType order.
  TStringList* TypeNames() const { return FTypeNames.get(); }
  void SetTypeNames(TStrings* Value) { FTypeNames->Assign(Value); }

  JORV_XGRID_PLAIN(bool, CaseSensitive, true)

 protected:
  TPersistent* GetOwner() const override;

 private:
  void Repaint();
  TRezIvevirAvod* FGrid = nullptr;
  TColor FColor = 0xFFFFFF;
  TFilterDropDownColumns FColumns = fdNormal;
  bool FEnabled = false;
  Integer FRow = 0;
  std::unique_ptr<TStringList> FTypeNames = std::make_unique<TStringList>();
};

class TFilterData : public TCollectionItem {
 public:
  explicit TFilterData(TCollection* Collection = nullptr) : TCollectionItem(Collection) {}
  // Enabled, Method, FilterType and FriendlyName are not copied.
  void Assign(TPersistent* Source) override;

  SmallInt Column() const { return FColumn; }
  void SetColumn(SmallInt Value) { Store(FColumn, Value); }
  const String& Condition() const { return FCondition; }
  // A new condition drops the literal values it was made from.
  void SetCondition(const String& Value) {
    FLiteralValues.clear();
    FLiteralKeys.clear();
    Store(FCondition, Value);
  }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { Store(FCaseSensitive, Value); }
  TFilterCells Data() const { return FData; }
  void SetData(TFilterCells Value) { Store(FData, Value); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { Store(FEnabled, Value); }
  const String& Prefix() const { return FPrefix; }
  void SetPrefix(const String& Value) { Store(FPrefix, Value); }
  const String& Suffix() const { return FSuffix; }
  void SetSuffix(const String& Value) { Store(FSuffix, Value); }
  TFilterOperation Operation() const { return FOperation; }
  void SetOperation(TFilterOperation Value) { Store(FOperation, Value); }
  TFilterMethod Method() const { return FMethod; }
  void SetMethod(TFilterMethod Value) { Store(FMethod, Value); }
  bool RemoveAccented() const { return FRemoveAccented; }
  void SetRemoveAccented(bool Value) { Store(FRemoveAccented, Value); }

  String FriendlyName;
  TFilterType FilterType = ftNone;

  // Sets Condition from Value and FilterType (grid/exchange).
  void BuildCondition(const String& Value);
  // The values a condition was built from (a typed value and its filter
  // type, or values picked from a list, which are ftEqual), matched as
  // they are: no wildcard, operator or quote in them is syntax. Set after
  // Condition, which they stand for, and dropped by any later change of it.
  const std::vector<String>& LiteralValues() const { return FLiteralValues; }
  TFilterType LiteralKind() const { return FLiteralKind; }
  void SetLiteral(TFilterType Kind, std::vector<String> Values);
  bool HasLiteral() const { return !FLiteralValues.empty(); }
  // Text prepared as the row test prepares it (trimmed, accents folded
  // when asked): whether it meets the literal values.
  bool MatchesLiteral(const String& Text) const;

 private:
  template <class T>
  void Store(T& Field, const T& Value) {
    Field = Value;
    Changed(false);
  }
  SmallInt FColumn = 0;
  String FCondition;
  bool FCaseSensitive = true;
  TFilterCells FData = fcVirtual;
  bool FEnabled = true;
  String FPrefix;
  String FSuffix;
  TFilterOperation FOperation = foSHORT;
  TFilterMethod FMethod = fmExpression;
  bool FRemoveAccented = false;
  std::vector<String> FLiteralValues;
  TFilterType FLiteralKind = ftEqual;
  // The literal values as compared: folded and cased as the flags were
  // when they were made, sorted.
  mutable std::vector<String> FLiteralKeys;
  mutable bool FKeysCaseSensitive = true;
  mutable bool FKeysRemoveAccented = false;
};

// The filter's conditions; a change of any repaints the header row, where
// the filter glyphs are drawn.
class TFilter : public TOwnedCollection {
 public:
  explicit TFilter(TRezIvevirAvod* AGrid);
  // The only item joins with foNONE, every later one with foAND.
  TFilterData* Add();
  // Appends like the collection's own Add: the index is not used and no
  // operation is set (callers have always relied on appending).
  TFilterData* Insert(Integer Index);
  TFilterData* Items(Integer Index) const { return static_cast<TFilterData*>(TCollection::Items(Index)); }
  // The first item of Col, made by Add when there is none.
  TFilterData* GetColFilter(Integer Col);
  void RemoveColumnFilter(Integer Col);
  bool HasFilter(Integer Col) const;
  bool HasOtherFilter(Integer Col) const;
  // ftContains when the column has no item.
  TFilterType HasFilterType(Integer Col) const;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TRezIvevirAvod* FGrid = nullptr;
};

class TColumnSize : public TPersistent {
 public:
  explicit TColumnSize(TRezIvevirAvod* AGrid) : FGrid(AGrid) {}
  void Assign(TPersistent* Source) override;

  JORV_XGRID_PLAIN(TAutoSizeRows, Rows, arAll)
  JORV_XGRID_PLAIN(bool, Save, false)
  JORV_XGRID_PLAIN(String, Key, L"")
  JORV_XGRID_PLAIN(String, Section, L"")
  JORV_XGRID_PLAIN(bool, Stretch, false)
  JORV_XGRID_PLAIN(bool, StretchAll, false)
  JORV_XGRID_PLAIN(Integer, StretchColumn, -1)
  JORV_XGRID_PLAIN(bool, SynchWithGrid, false)
  JORV_XGRID_PLAIN(bool, SynchNormalCellsOnly, false)
  JORV_XGRID_PLAIN(TColumnSizeLocation, Location, clRegistry)

 protected:
  TPersistent* GetOwner() const override;

 private:
  TRezIvevirAvod* FGrid = nullptr;
};

class TCellNode : public TPersistent {
 public:
  explicit TCellNode(TRezIvevirAvod* AGrid) : FGrid(AGrid) {}
  void Assign(TPersistent* Source) override;

  TNodeType NodeType() const { return FNodeType; }
  void SetNodeType(TNodeType Value) { Repainting(FNodeType, Value); }
  Integer NodeIndent() const { return FNodeIndent; }
  void SetNodeIndent(Integer Value) { Repainting(FNodeIndent, Value); }
  bool ShowTree() const { return FShowTree; }
  void SetShowTree(bool Value) { Repainting(FShowTree, Value); }
  bool ShowTreeFull() const { return FShowTreeFull; }
  void SetShowTreeFull(bool Value) { Repainting(FShowTreeFull, Value); }
  TColor TreeColor() const { return FTreeColor; }
  void SetTreeColor(TColor Value) { Repainting(FTreeColor, Value); }
  TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
  void SetExpandGlyph(TBitmap* Value) { FExpandGlyph->Assign(Value); }
  TBitmap* ContractGlyph() const { return FContractGlyph.get(); }
  void SetContractGlyph(TBitmap* Value) { FContractGlyph->Assign(Value); }

  JORV_XGRID_PLAIN(TColor, Color, 0xC0C0C0)
  JORV_XGRID_PLAIN(bool, ExpandOne, false)
  JORV_XGRID_PLAIN(TColor, NodeColor, 0x000000)

 protected:
  TPersistent* GetOwner() const override;

 private:
  template <class T>
  void Repainting(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Repaint();
  }
  void Repaint();
  TRezIvevirAvod* FGrid = nullptr;
  TNodeType FNodeType = cnXP;
  Integer FNodeIndent = 12;
  bool FShowTree = true;
  bool FShowTreeFull = true;
  TColor FTreeColor = 0x808080;
  std::unique_ptr<TBitmap> FExpandGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FContractGlyph = std::make_unique<TBitmap>();
};

class TDragDropSettings : public TPersistent {
 public:
  explicit TDragDropSettings(TRezIvevirAvod* AGrid) : FGrid(AGrid) {}
  // Straight into the fields: no setter's side effect runs.
  void Assign(TPersistent* Source) override;

  JORV_XGRID_PLAIN(bool, ShowCells, true)
  JORV_XGRID_PLAIN(bool, OleAcceptFiles, true)
  JORV_XGRID_PLAIN(bool, OleAcceptText, true)
  JORV_XGRID_PLAIN(bool, OleAcceptURLs, true)
  JORV_XGRID_PLAIN(bool, OleAppendRows, false)
  JORV_XGRID_PLAIN(bool, OleColumnDragDrop, false)
  JORV_XGRID_PLAIN(bool, OleColumnReorder, false)
  JORV_XGRID_PLAIN(bool, OleColumnsOnly, false)
  JORV_XGRID_PLAIN(bool, OleCopyAlways, false)

 public:
  bool OleDropTarget() const { return FOleDropTarget; }
  // Registers the grid's window as a drop target, or revokes it.
  void SetOleDropTarget(bool Value);
  JORV_XGRID_PLAIN(bool, OleDropSource, false)
  JORV_XGRID_PLAIN(bool, OleEntireRows, false)
  JORV_XGRID_PLAIN(bool, OleInsertRows, false)
  JORV_XGRID_PLAIN(bool, OleRemoveRows, false)

 public:
  bool OleDropRTF() const { return FOleDropRTF; }
  // Rich text takes part in every grid's drag and drop from then on.
  void SetOleDropRTF(bool Value);

 protected:
  TPersistent* GetOwner() const override;

 private:
  TRezIvevirAvod* FGrid = nullptr;
  bool FOleDropTarget = false;
  bool FOleDropRTF = false;
};

class TDragScrollDelays : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  JORV_XGRID_PLAIN(Integer, InitialDelay, 1000)
  JORV_XGRID_PLAIN(Integer, RepeatDelay, 250)
};

class TDragScrollMargins : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  JORV_XGRID_PLAIN(Integer, TopMargin, 50)
  JORV_XGRID_PLAIN(Integer, BottomMargin, 50)
  JORV_XGRID_PLAIN(Integer, LeftMargin, 50)
  JORV_XGRID_PLAIN(Integer, RightMargin, 50)
};

class TDragScrollOptions : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;
  TDragScrollDelays* Delays() const { return FDelays.get(); }
  void SetDelays(TDragScrollDelays* Value) { FDelays->Assign(Value); }
  TDragScrollMargins* Margins() const { return FMargins.get(); }
  void SetMargins(TDragScrollMargins* Value) { FMargins->Assign(Value); }

  JORV_XGRID_PLAIN(bool, Active, false)

 private:
  std::unique_ptr<TDragScrollDelays> FDelays = std::make_unique<TDragScrollDelays>();
  std::unique_ptr<TDragScrollMargins> FMargins = std::make_unique<TDragScrollMargins>();
};

#undef JORV_XGRID_PLAIN

}  // namespace jorv::grid
