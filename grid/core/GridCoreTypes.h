#pragma once
// The words of the extended string grid: its look and option enumerations,
// its error class and the event types the grid unit declares. Ordinals are
// streamed, so values are only ever appended.
#include <functional>
#include "grid/base/GridTypes.h"
#include "platform/rtl/Exceptions.h"

namespace jorv {
class TCanvas;
class TCheckListBox;
class TPopupMenu;
class TStrings;
class TStringList;
}
namespace jorv::grid {

// Every failure the grid reports itself, with a fixed English message.
JORV_EXCEPTION(DAvoDeveDeviz, Exception)

enum TGridLook : uint8_t {
  glStandard, glSoft, glClassic, glZVQ, glXP, glListView, glVista, glWin7, glOffice2007, glCustom
};
// The name the design-time panel shows for a look; empty for glCustom.
String LookToDisplayName(TGridLook Look);
// Value for value the order of TZVQStyle.
enum TExGridStyle : uint8_t {
  gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
  gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista,
  gsWindows7, gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black, gsWindows8,
  gsOffice2013white, gsOffice2013LightGray, gsOffice2013Gray
};
enum TXPColorScheme : uint8_t { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
enum TScrollType : uint8_t { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollBarAlways : uint8_t { saNone, saVert, saHorz, saBoth };
enum TScrollHintType : uint8_t { shNone, shVertical, shHorizontal, shBoth };
enum TIntelliPan : uint8_t { ipVertical, ipHorizontal, ipBoth, ipNone };
enum TInvalidEntryIcon : uint8_t { ieNone, ieInfo, ieWarning, ieError };
enum THintShowLargeTextPos : uint8_t { hpCell, hpCursor };
enum THoverFixedCells : uint8_t { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TFilterDropDownColumns : uint8_t { fdNormal, fdAll };
enum TFormatType : uint8_t { ftVCL, ftExcel };
enum TSearchAction : uint8_t { saFindFirst, saFindPrevious, saFindNext };
enum TFilterType : uint8_t {
  ftStartsWith, ftEndsWith, ftContains, ftNotContains, ftEqual, ftNotEqual, ftClear, ftNone
};
enum TDragScrollDirections : uint8_t { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirection = TSet<TDragScrollDirections, 8>;
enum TGridExportState : uint8_t {
  esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow
};
enum TGridImportState : uint8_t { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
enum TClipOperation : uint8_t { coCut, coCopy };

// The kinds of graphic or control a cell may hold.
enum TCellType : uint8_t {
  ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage,
  ctNode, ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment,
  ctButton, ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary,
  ctRangeIndicator, ctXPProgress, ctInterface, ctScrollbar, ctRadioButton, ctBalloon, ctShape,
  ctRating, ctTriStateCheckBox, ctExpand
};

class TRezIvevirAvod;
class THoverButtonsCollectionItem;
class TEditLink;

// Event types of the grid unit, parameters in the order the events pass
// them (many give the row before the column).
using TAfterCellPasteEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, const String& Value)>;
using TAfterCellPasteWideEvent = TAfterCellPasteEvent;
using TAutoAdvanceEvent = std::function<void(TObject* Sender, Integer OldRow, Integer OldCol, Integer& NewRow,
                                             Integer& NewCol, bool& Allow)>;
using TBeforeCellPasteEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value,
                                                 bool& Allow)>;
using TBeforeCellPasteWideEvent = TBeforeCellPasteEvent;
using TCalcFooterEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;
using TCanClickCellEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, bool& Allow)>;
using TCanShowFixedDropDownEvent = std::function<void(TObject* Sender, Integer ACol, bool& CanShow)>;
using TCellChangingEvent = std::function<void(TObject* Sender, Integer OldRow, Integer OldCol, Integer NewRow,
                                              Integer NewCol, bool& Allow)>;
using TCellComboControlEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& CtrlID,
                                                  const String& CtrlType, const String& CtrlVal,
                                                  TStringList* Values, bool& Edit, Integer& DropCount)>;
using TCellComboControlSelectEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol,
                                                        Integer ItemIndex, const String& CtrlID,
                                                        const String& CtrlValue)>;
// The form control of an HTML cell under a point, or the one found by its
// ID: its rectangle in client coordinates and its attributes.
struct THTMLControlHit {
  String ID;
  String Type;
  String Value;
  TRect Rect{};
};
using TCellControlEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& CtrlID,
                                             const String& CtrlType, const String& CtrlVal)>;
using TCellCursorEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer X, Integer Y,
                                            TCursor& ACursor)>;
using TCellSaveLoadEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;
using TCellValidateEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value,
                                              bool& Valid)>;
using TCellValidateWideEvent = TCellValidateEvent;
using TCellsChangedEvent = std::function<void(TObject* Sender, TRect R)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardPasteDoneEvent = std::function<void(TObject* Sender, TGridRect CellRect)>;
using TColChangingEvent = std::function<void(TObject* Sender, Integer OldCol, Integer NewCol, bool& Allow)>;
using TColorSelectEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TColor Color,
                                             const String& Value)>;
using TColorSelectedEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TColor& Color,
                                               String& Value)>;
using TComboChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer AItemIndex,
                                             const String& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow,
                                                   Integer AItemIndex, const String& ASelection,
                                                   TObject* AObject)>;
using TCustomCellSizeEvent = std::function<void(TObject* Sender, TCanvas* Canvas, Integer ACol, Integer ARow,
                                                TPoint& ASize, bool Printing)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, Integer ARow, bool& AcceptRow)>;
using TCustomStrToDateEvent = std::function<void(TObject* Sender, const String& Value, TDateTime& ADate)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TDateTime ADateTime)>;
using TDateTimeSpinClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TDateTime AValue,
                                                   bool UpDown)>;
using TDoFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TDragScrollEvent = std::function<void(TObject* Sender, Integer TopRow, Integer LeftCol,
                                            TDragScrollDirection& DragScrollDir, bool& CanScroll)>;
using TDropDownButtonClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow,
                                                     Integer ButtonIndex)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow)>;
using TEditChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, const String& Value)>;
using TFilterCheckClickEvent = std::function<void(TObject* Sender, Integer Column, Integer ItemIndex, bool State,
                                                  TCheckListBox* CheckList)>;
using TFilterCheckEvent = std::function<void(TObject* Sender, Integer Column, Integer ItemIndex,
                                             const String& FriendlyName, String& FilterCondition,
                                             TCheckListBox* CheckList)>;
using TFilterCloseEvent = std::function<void(TObject* Sender, Integer ACol)>;
using TFilterEditUpdateEvent = std::function<void(TObject* Sender, Integer ACol, const String& Condition,
                                                  TFilterType FilterType)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, Integer Column, Integer ItemIndex,
                                              const String& FriendlyName, String& FilterCondition)>;
using TFilterShowEvent = std::function<void(TObject* Sender, Integer ACol, bool& Allow)>;
using TFixedDropDownEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TPopupMenu*& AMenu,
                                               bool& KeepFixedCellHighlighted)>;
using TFixedEditEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow,
                                           TGridFixedCellEditor& AEditor, TStrings* Values)>;
using TFloatSpinClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, double AValue,
                                                bool UpDown)>;
using TFooterPaintEvent = std::function<void(TObject* Sender, Integer AColumn, TCanvas* Canvas, TRect ARect)>;
using TGetCheckEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, String& Value)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, Integer Column, TStrings* Filter)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, TEditLink* AEditLink)>;
using TGridPrintCancelEvent = std::function<void(TObject* Sender, Integer PageNr, bool& Cancel)>;
using TGridPrintColumnWidthEvent = std::function<void(TObject* Sender, Integer ACol, Integer& Width)>;
using TGridPrintNewPageEvent = std::function<void(TObject* Sender, Integer ARow, bool& NewPage)>;
using TGridPrintPageDoneEvent = std::function<void(TObject* Sender, TCanvas* Canvas, Integer LastRow,
                                                   Integer LastRowOffset, Integer LastPage, Integer PageXSize,
                                                   Integer PageYSize)>;
using TGridPrintPageEvent = std::function<void(TObject* Sender, TCanvas* Canvas, Integer PageNr, Integer PageXSize,
                                               Integer PageYSize)>;
using TGridPrintPageNumEvent = std::function<void(TObject* Sender, Integer PageNum, Integer PageColNum,
                                                  String& PageNumString)>;
using TGridPrintRowHeightEvent = std::function<void(TObject* Sender, Integer ARow, Integer& Height)>;
using TGridPrintStartEvent = std::function<void(TObject* Sender, Integer NrOfPages, Integer& FromPage,
                                                Integer& ToPage)>;
using TGridProgressEvent = std::function<void(TObject* Sender, SmallInt progress)>;
using TGridWideHintEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, String& hintstr)>;
using TGroupCalcEvent = std::function<void(TObject* Sender, Integer ACol, Integer FromRow, Integer ToRow,
                                           double& Res)>;
using THasComboEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& HasComboBox)>;
using THasEditBtnEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& HasEditBtn)>;
using THasFilterEditEvent = std::function<void(TObject* Sender, Integer ACol, bool& HasFilter)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& HasSpinEdit)>;
using THoverButtonClickEvent = std::function<void(TObject* Sender, Integer ARow,
                                                  THoverButtonsCollectionItem* AButton)>;
using TImageSelectEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer Index)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer& Index)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, bool& IsPassword)>;
using TNodeAllowEvent = std::function<void(TObject* Sender, Integer ARow, Integer ARowReal, bool& Allow)>;
using TNodeClickEvent = std::function<void(TObject* Sender, Integer ARow, Integer ARowreal)>;
using TOleDragDropEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& data,
                                             bool& Allow)>;
using TOleDragOverEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, bool& Allow)>;
using TOleDragStartEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol)>;
using TOleDragStopEvent = std::function<void(TObject* Sender, Integer OLEEffect)>;
using TOleDropColEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, Integer DropCol)>;
using TOleDropFileEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& FileName,
                                             bool& Allow)>;
using TOleDropURLEvent = std::function<void(TObject* Sender, Integer ARow, Integer ACol, const String& URL,
                                            bool& Allow)>;
using TOleDroppedEvent = std::function<void(TObject* Sender, TGridRect ARect)>;
using TRadioButtonClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow)>;
using TRadioClickEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer AIdx)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, double& NewRate,
                                              bool& Allow)>;
using TRowChangedEvent = std::function<void(TObject* Sender, Integer OldRow, Integer NewRow)>;
using TRowChangingEvent = std::function<void(TObject* Sender, Integer OldRow, Integer NewRow, bool& Allow)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, Integer ARow, bool AState, bool& Allow)>;
using TScrollCellEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, Integer ScrollPosition,
                                            Integer ScrollMin, Integer ScrollMax)>;
using TSearchFooterActionEvent = std::function<void(TObject* Sender, const String& Value, Integer ACol,
                                                    Integer ARow, TSearchAction SearchAction)>;
using TSelectionChanged = std::function<void(TObject* Sender, Integer ALeft, Integer ATop, Integer ARight,
                                             Integer ABottom)>;
using TSelectionResizeEvent = std::function<void(TObject* Sender, TGridRect OrigSelection,
                                                 TGridRect NewSelection)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, const String& NewUnit)>;
using TWordWrapEvent = std::function<void(TObject* Sender, Integer ACol, Integer ARow, bool& WordWrap)>;

}  // namespace jorv::grid
