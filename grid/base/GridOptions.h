#pragma once
// The settings groups the extended grid publishes as sub-properties. They
// only hold switches; the behaviour they switch lives in the grid. Each
// copies itself only from an object of its own class.
#include <memory>
#include "grid/base/GridTypes.h"
#include "platform/gfx/Colors.h"

namespace jorv {
class TStringGrid;
class TStrings;
class TStringList;
}
namespace jorv::grid {


// A property with no side effect: field, reader and writer.
#define JORV_GRID_DIRECT(Type, Name, Default) \
 public:                                      \
  Type Name() const { return F##Name; }       \
  void Set##Name(Type Value) { F##Name = Value; } \
                                              \
 private:                                     \
  Type F##Name = Default;

class TSearchFooter : public TPersistent {
 public:
  // The captions and hints are filled only for a grid placed at design time.
  TSearchFooter(TComponent* AOwner, bool InitDesign);
  ~TSearchFooter() override;
  void Assign(TPersistent* Source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  const String& FindNextCaption() const { return FFindNextCaption; }
  void SetFindNextCaption(const String& Value);
  const String& FindPrevCaption() const { return FFindPrevCaption; }
  void SetFindPrevCaption(const String& Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  const String& HighLightCaption() const { return FHighLightCaption; }
  void SetHighLightCaption(const String& Value);
  const String& HintClose() const { return FHintClose; }
  void SetHintClose(const String& Value);
  const String& HintFindNext() const { return FHintFindNext; }
  void SetHintFindNext(const String& Value);
  const String& HintFindPrev() const { return FHintFindPrev; }
  void SetHintFindPrev(const String& Value);
  const String& HintHighlight() const { return FHintHighlight; }
  void SetHintHighlight(const String& Value);
  const String& MatchCaseCaption() const { return FMatchCaseCaption; }
  void SetMatchCaseCaption(const String& Value);
  bool ShowClose() const { return FShowClose; }
  void SetShowClose(bool Value);
  bool ShowFindNext() const { return FShowFindNext; }
  void SetShowFindNext(bool Value);
  bool ShowFindPrev() const { return FShowFindPrev; }
  void SetShowFindPrev(bool Value);
  bool ShowHighLight() const { return FShowHighLight; }
  void SetShowHighLight(bool Value);
  bool ShowMatchCase() const { return FShowMatchCase; }
  void SetShowMatchCase(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  const String& LastSearch() const { return FLastSearch; }
  void SetLastSearch(const String& Value) { FLastSearch = Value; }

  TNotifyEvent OnChange;

  JORV_GRID_DIRECT(bool, AlwaysHighLight, false)
  JORV_GRID_DIRECT(bool, AutoSearch, true)
  JORV_GRID_DIRECT(THighlightType, HighLight, hMatchingText)
  JORV_GRID_DIRECT(bool, SearchActiveColumnOnly, false)
  JORV_GRID_DIRECT(Integer, SearchColumn, -1)
  JORV_GRID_DIRECT(bool, SearchMatchStart, false)
  JORV_GRID_DIRECT(bool, SearchFixedCells, false)
  JORV_GRID_DIRECT(bool, SearchHiddenRows, false)
  JORV_GRID_DIRECT(TSearchDirection, SearchDirection, sdTopBottom)

 private:
  void Changed();
  void SetText(String& Field, const String& Value);
  void SetFlag(bool& Field, bool Value);

  TComponent* FOwner = nullptr;
  TColor FColor = 0xFFFFFF;
  TColor FColorTo = clBtnFace;
  String FFindNextCaption;
  String FFindPrevCaption;
  std::unique_ptr<TFont> FFont;
  String FHighLightCaption;
  String FHintClose;
  String FHintFindNext;
  String FHintFindPrev;
  String FHintHighlight;
  String FMatchCaseCaption;
  bool FShowClose = true;
  bool FShowFindNext = true;
  bool FShowFindPrev = true;
  bool FShowHighLight = true;
  bool FShowMatchCase = true;
  bool FVisible = false;
  bool FAutoThemeAdapt = false;
  String FLastSearch;
};

class TNavigation : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;

  bool AdvanceInsert() const { return FAdvanceInsert; }
  void SetAdvanceInsert(bool Value);
  TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
  void SetAdvanceDirection(TAdvanceDirection Value);
  bool AdvanceAuto() const { return FAdvanceAuto; }
  // Turning it on also turns AdvanceOnEnter on.
  void SetAdvanceAuto(bool Value);

  TNotifyEvent OnChange;

  JORV_GRID_DIRECT(bool, AllowInsertRow, false)
  JORV_GRID_DIRECT(bool, AllowDeleteRow, false)
  JORV_GRID_DIRECT(bool, AlwaysEdit, false)
  JORV_GRID_DIRECT(bool, AdvanceOnEnter, false)
  JORV_GRID_DIRECT(bool, AdvanceOnEnterLoop, true)
  JORV_GRID_DIRECT(bool, AdvanceAutoEdit, true)
  JORV_GRID_DIRECT(bool, AdvanceSkipReadOnlyCells, true)
  JORV_GRID_DIRECT(bool, AutoGotoWhenSorted, false)
  JORV_GRID_DIRECT(bool, AutoGotoIncremental, false)
  JORV_GRID_DIRECT(bool, AutoComboDropSize, false)
  JORV_GRID_DIRECT(bool, AutoComboSelect, true)
  JORV_GRID_DIRECT(bool, AllowClipboardShortCuts, false)
  JORV_GRID_DIRECT(bool, AllowCtrlEnter, true)
  JORV_GRID_DIRECT(bool, AllowSmartClipboard, false)
  JORV_GRID_DIRECT(bool, AllowRTFClipboard, false)
  JORV_GRID_DIRECT(bool, AllowFmtClipboard, false)
  JORV_GRID_DIRECT(bool, AllowClipboardAlways, false)
  JORV_GRID_DIRECT(bool, AllowClipboardRowGrow, true)
  JORV_GRID_DIRECT(bool, AllowClipboardColGrow, true)
  JORV_GRID_DIRECT(bool, AppendOnArrowDown, false)
  JORV_GRID_DIRECT(bool, EditSelectAll, true)
  JORV_GRID_DIRECT(TInsertPosition, InsertPosition, pInsertBefore)
  JORV_GRID_DIRECT(TClipboardCutAction, ClipboardCutAction, caClear)
  JORV_GRID_DIRECT(TClipboardPasteAction, ClipboardPasteAction, paReplace)
  JORV_GRID_DIRECT(bool, ComboGetUpDown, true)
  JORV_GRID_DIRECT(TCursorAdvance, CursorAdvance, caDefault)
  JORV_GRID_DIRECT(bool, CursorWalkEditor, false)
  JORV_GRID_DIRECT(bool, CursorWalkAlwaysEdit, true)
  JORV_GRID_DIRECT(bool, CursorMoveRows, false)
  JORV_GRID_DIRECT(bool, MoveRowOnSort, false)
  JORV_GRID_DIRECT(bool, KeepScrollOnSort, false)
  JORV_GRID_DIRECT(bool, MoveScrollOnly, false)
  JORV_GRID_DIRECT(bool, ImproveMaskSel, false)
  JORV_GRID_DIRECT(bool, LeftRightRowSelect, true)
  JORV_GRID_DIRECT(bool, CopyHTMLTagsToClipboard, true)
  JORV_GRID_DIRECT(bool, KeepHorizScroll, false)
  JORV_GRID_DIRECT(bool, LineFeedOnEnter, false)
  JORV_GRID_DIRECT(THomeEndAction, HomeEndKey, heFirstLastColumn)
  JORV_GRID_DIRECT(bool, SkipFixedCells, true)
  JORV_GRID_DIRECT(bool, SkipDisabledRows, true)
  JORV_GRID_DIRECT(bool, TabToNextAtEnd, false)
  JORV_GRID_DIRECT(TAdvanceDirection, TabAdvanceDirection, adLeftRight)

 private:
  bool FAdvanceInsert = false;
  TAdvanceDirection FAdvanceDirection = adLeftRight;
  bool FAdvanceAuto = false;
};

class TMouseActions : public TPersistent {
 public:
  explicit TMouseActions(TComponent* AOwner);
  ~TMouseActions() override;
  void Assign(TPersistent* Source) override;

  // Turning one of the three on while designing clears the other two.
  bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
  void SetDisjunctRowSelect(bool Value);
  bool DisjunctColSelect() const { return FDisjunctColSelect; }
  void SetDisjunctColSelect(bool Value);
  bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
  void SetDisjunctCellSelect(bool Value);
  void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
  bool HotmailRowSelect() const { return FHotmailRowSelect; }
  void SetHotmailRowSelect(bool Value);
  bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
  void SetEditOnDblClickOnly(bool Value);
  TWheelAction WheelAction() const { return FWheelAction; }
  void SetWheelAction(TWheelAction Value);
  TStrings* FixedComboValues() const;
  void SetFixedComboValues(TStrings* Value);

  TNotifyEvent OnChange;
  TIsDesigningEvent OnIsDesigning;
  TNotifyEvent OnInvalidate;
  TNotifyEvent OnDisableEdit;

  JORV_GRID_DIRECT(bool, AllColumnSize, false)
  JORV_GRID_DIRECT(bool, AllRowSize, false)
  JORV_GRID_DIRECT(bool, AllSelect, false)
  JORV_GRID_DIRECT(bool, AutoFocus, false)
  JORV_GRID_DIRECT(bool, AutoSizeColOnDblClick, true)
  JORV_GRID_DIRECT(bool, CaretPositioning, false)
  JORV_GRID_DIRECT(bool, CheckAllCheck, false)
  JORV_GRID_DIRECT(bool, ColSelect, false)
  JORV_GRID_DIRECT(bool, DirectComboClose, false)
  JORV_GRID_DIRECT(bool, DirectComboDrop, false)
  JORV_GRID_DIRECT(bool, DirectDateClose, false)
  JORV_GRID_DIRECT(bool, DirectDateDrop, false)
  JORV_GRID_DIRECT(bool, DirectEdit, false)
  JORV_GRID_DIRECT(bool, DisjunctRowSelectNoCtrl, false)
  JORV_GRID_DIRECT(TGridFixedCellEdit, FixedRowsEdit, fceNone)
  JORV_GRID_DIRECT(TGridFixedCellEditor, FixedRowsEditor, fceEdit)
  JORV_GRID_DIRECT(TGridFixedCellEditor, FixedColsEditor, fceEdit)
  JORV_GRID_DIRECT(TGridFixedCellEdit, FixedColsEdit, fceNone)
  JORV_GRID_DIRECT(bool, MoveRowOnNodeClick, false)
  JORV_GRID_DIRECT(bool, NoAutoRangeScroll, false)
  JORV_GRID_DIRECT(bool, NodeAllExpandContract, false)
  JORV_GRID_DIRECT(bool, NoScrollOnPartialRow, false)
  JORV_GRID_DIRECT(bool, NoScrollOnPartialCol, false)
  JORV_GRID_DIRECT(bool, PreciseCheckBoxCheck, false)
  JORV_GRID_DIRECT(bool, PreciseNodeClick, true)
  JORV_GRID_DIRECT(bool, RangeSelectAndEdit, false)
  JORV_GRID_DIRECT(bool, RowSelect, false)
  JORV_GRID_DIRECT(bool, RowSelectPersistent, false)
  JORV_GRID_DIRECT(bool, SelectOnRightClick, false)
  JORV_GRID_DIRECT(bool, SizeFixedCol, false)
  JORV_GRID_DIRECT(bool, SizeFixedRow, false)
  JORV_GRID_DIRECT(bool, TouchScroll, false)
  JORV_GRID_DIRECT(Integer, WheelIncrement, 0)
  JORV_GRID_DIRECT(TWheelActive, WheelActive, waFocus)

 private:
  bool Designing();
  TComponent* FOwner = nullptr;
  bool FDisjunctRowSelect = false;
  bool FDisjunctColSelect = false;
  bool FDisjunctCellSelect = false;
  bool FHotmailRowSelect = false;
  bool FEditOnDblClickOnly = false;
  TWheelAction FWheelAction = waMoveSelection;
  std::unique_ptr<TStringList> FFixedComboValues;
};

class TSyncGrid : public TPersistent {
 public:
  explicit TSyncGrid(TComponent* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;

  TStringGrid* Grid() const { return FGrid; }
  // The owning grid cannot follow itself.
  void SetGrid(TStringGrid* Value);

  JORV_GRID_DIRECT(bool, ScrollVertical, false)
  JORV_GRID_DIRECT(bool, ScrollHorizontal, false)
  JORV_GRID_DIRECT(bool, SelectionColumn, false)
  JORV_GRID_DIRECT(bool, SelectionRow, false)
  JORV_GRID_DIRECT(bool, MoveColumn, false)
  JORV_GRID_DIRECT(bool, MoveRow, false)

 private:
  TComponent* FOwner = nullptr;
  TStringGrid* FGrid = nullptr;
};

// Alternating row colours, counted from the first scrolling row.
class TBands : public TPersistent {
 public:
  // Copies without telling anyone.
  void Assign(TPersistent* Source) override;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  TColor PrimaryColor() const { return FPrimaryColor; }
  void SetPrimaryColor(TColor Value);
  Integer PrimaryLength() const { return FPrimaryLength; }
  void SetPrimaryLength(Integer Value);
  TColor SecondaryColor() const { return FSecondaryColor; }
  void SetSecondaryColor(TColor Value);
  Integer SecondaryLength() const { return FSecondaryLength; }
  void SetSecondaryLength(Integer Value);
  Integer TotalLength() const { return FTotalLength; }

  TNotifyEvent OnChange;

  JORV_GRID_DIRECT(bool, Print, false)

 private:
  void ChangedWhileActive();
  bool FActive = false;
  TColor FPrimaryColor = clInfoBk;
  Integer FPrimaryLength = 1;
  TColor FSecondaryColor = clWindow;
  Integer FSecondaryLength = 1;
  Integer FTotalLength = 2;
};

class TFocusHelper : public TPersistent {
 public:
  explicit TFocusHelper(TComponent* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;

  JORV_GRID_DIRECT(bool, Enabled, false)

 private:
  TComponent* FOwner = nullptr;
};

#undef JORV_GRID_DIRECT

}  // namespace jorv::grid
