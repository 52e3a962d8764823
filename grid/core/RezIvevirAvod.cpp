// The grid as an object: what it owns, the values it starts with, and what
// it adds when its window is made, when it is loaded and when it goes.
#include "grid/core/RezIvevirAvod.h"
#include "foundation/HTMLPicture.h"
#include "foundation/PictureContainer.h"
#include "foundation/ThemeNotifier.h"
#include "foundation/XPTheme.h"
#include "grid/base/GridAlphaMask.h"
#include "grid/base/GridFocusWindow.h"
#include "grid/core/GridUnit.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/gfx/DCScope.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/List.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menus.h"
#include "platform/ui/ScrollBar.h"

namespace jorv::grid {

namespace {

bool OwnerReadingForm(TComponent* AOwner) {
  return AOwner && (AOwner->ComponentState().Contains(csReading) ||
                    AOwner->ComponentState().Contains(csLoading));
}

}  // namespace

TRezIvevirAvod::TRezIvevirAvod(TComponent* AOwner) : TBaseGrid(AOwner) {
  // Hidden columns keep their cells beyond the column count.
  SetKeepCellsBeyondCount(true);
  SetControlStyle(TBaseGrid::ControlStyle() + csAcceptsControls);
  const bool InitDesign = Designing() && !OwnerReadingForm(AOwner);
  SetDrawingStyle(gdsClassic);
  for (TColorTone* Tone : {&FColorTones.Background, &FColorTones.Foreground, &FColorTones.Selected,
                           &FColorTones.Hover, &FColorTones.Disabled}) {
    Tone->BrushColor = clNone;
    Tone->BorderColor = clNone;
  }
  MakeSettings();
  FSearchFooter = std::make_unique<TSearchFooter>(this, InitDesign);
  MakeSearchPanel();
  MakeLists();
  SetRowCount(10);
  SetBounds(Left(), Top(), 400, 250);
  SetColourDefaults();
  SetDefaultRowHeight(22);
  FFixedRowHeight = 22;
  ReadSystemFlags();
  FFilterDropDown = std::make_unique<TFilterDropDown>();
  FFilterDropDown->OnChange = [this](TObject*) { Invalidate(); };
  if (InitDesign) {
    FFilterDropDown->SetTextChecked(L"Checked");
    FFilterDropDown->SetTextUnChecked(L"Unchecked");
  }
  FFilterEdit = std::make_unique<TFilterEdit>(this);
  FHoverButtons = std::make_unique<THoverButtons>(this);
  if (!Designing()) MakeRunTimeControls();
  GridUnit().AnchorCursor = crHandPoint;
}

// The settings objects, in the order the grid has always made them, each
// wired to the grid as it is made.
void TRezIvevirAvod::MakeSettings() {
  FAutoColor = std::make_unique<TAutoColor>();
  FWorkFont = std::make_unique<TFont>();
  FFocusHelper = std::make_unique<TFocusHelper>(this);
  FFloatingFooter = std::make_unique<TFloatingFooter>(this);
  FPrintSettings = std::make_unique<TPrintSettings>(this);
  FHTMLSettings = std::make_unique<THTMLSettings>();
  FSortSettings = std::make_unique<TSortSettings>(this);
  FDragDropSettings = std::make_unique<TDragDropSettings>(this);
  FDragScrollOptions = std::make_unique<TDragScrollOptions>();
  FControlLook = std::make_unique<TControlLook>(this);
  FNavigation = std::make_unique<TNavigation>();
  FNavigation->OnChange = [this](TObject*) { NavigationChanged(); };
  FColumnSize = std::make_unique<TColumnSize>(this);
  FCellNode = std::make_unique<TCellNode>(this);
  FBands = std::make_unique<TBands>();
  FBands->OnChange = [this](TObject*) { BandsChanged(); };
  FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
  FMouseActions = std::make_unique<TMouseActions>(this);
  FMouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
  FMouseActions->OnIsDesigning = [this](TObject*, bool& IsDesigning) { MouseActionsIsDesigning(IsDesigning); };
  FMouseActions->OnInvalidate = [this](TObject*) { MouseActionsInvalidate(); };
  FGrouping = std::make_unique<TGrouping>();
  FColumnHeaders = std::make_unique<TStringList>();
  FColumnHeaders->OnChange = [this](TObject*) {
    ColumnHeadersChanged();
    ShowColumnHeaders();
  };
  FPictureCache = std::make_unique<THTMLPictureCache>();
}

void TRezIvevirAvod::MakeLists() {
  FOrigColSizes = std::make_unique<TIntList>(0, 0);
  FFixedFont = std::make_unique<TFont>();
  FFixedFont->SetName(L"Tahoma");
  FFixedFont->SetStyle(TFontStyles{fsBold});
  FFixedFont->OnChange = [this](TObject*) { Invalidate(); };
  FActiveCellFont = std::make_unique<TFont>();
  FActiveCellFont->SetStyle(TFontStyles{fsBold});
  if (Designing()) FActiveCellFont->SetName(L"Tahoma");
  FActiveCellFont->OnChange = [this](TObject*) { Invalidate(); };
  FRowHeaders = std::make_unique<TStringList>();
  FRowHeaders->OnChange = [this](TObject*) { ShowRowHeaders(); };
  FSortWorkList = std::make_unique<TStringList>();
  FLookupItems = std::make_unique<TStringList>();
  FRowSelectList = std::make_unique<TList>();
  FColSelectList = std::make_unique<TList>();
  FSortIndexes = std::make_unique<TSortIndexList>(0, 0);
  FSortList = std::make_unique<TIntList>(0, 0);
  FUnSortList = std::make_unique<TIntList>(0, 0);
  FMergedColumns = std::make_unique<TIntList>(0, 0);
  FSelectedCells = std::make_unique<TIntList>(0, 0);
  FSelectedRows = std::make_unique<TIntList>(0, 0);
  FModifiedRows = std::make_unique<TIntList>(0, 0);
  FEnabledRows = std::make_unique<TIntList>(0, 0);
  FRowIndicator = std::make_unique<TBitmap>();
  FBackGround = std::make_unique<TBackGround>(this);
  FControlList = std::make_unique<TControlList>();
  FProgressAppearance = std::make_unique<TGridProgressAppearance>();
  FProgressAppearance->OnChange = [this](TObject*) { Invalidate(); };
  FSyncGrid = std::make_unique<TSyncGrid>(this);
  FHiddenRows = std::make_unique<THiddenRowStore>();
  FFilter = std::make_unique<TFilter>(this);
  FBalloon = std::make_unique<TBalloonSettings>();
  FBalloon->OnEnableChange = [this](TObject*) { BalloonEnableChanged(); };
  FShowModified = std::make_unique<TShowModified>();
  FShowModified->OnChange = [this](TObject*) { ShowModifiedChanged(); };
  FNotifierList = std::make_unique<TList>();
  FColumnOrder = std::make_unique<TIntList>(0, 0);
  FOfficeHint = std::make_unique<TExHintInfo>();
  FIgnoredColumns = std::make_unique<TIntList>(0, 0);
  FFilterList = std::make_unique<TStringList>();
  FFilterList->SetSorted(true);
  FFilterList->SetDuplicates(dupIgnore);
}

void TRezIvevirAvod::SetColourDefaults() {
  FZVQGradientFrom = 0xFFFFFF;
  FZVQGradientTo = ColorToRGB(clBtnFace);
  FZVQGradientMirrorFrom = clNone;
  FZVQGradientMirrorTo = clNone;
}

void TRezIvevirAvod::ReadSystemFlags() {
  OSVERSIONINFOW Info{};
  Info.dwOSVersionInfoSize = sizeof(Info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&Info);
#pragma GCC diagnostic pop
  FIsWinXP = Info.dwMajorVersion > 5 || (Info.dwMajorVersion == 5 && Info.dwMinorVersion > 0);
  FIsWin7 = Info.dwMajorVersion > 6 || (Info.dwMajorVersion == 6 && Info.dwMinorVersion > 0);
  FIsComCtl6 = CommonControlsThemed();
  FBorderColor = FIsWinXP ? 0xB99D7F : clGray;
  FScrollType = ssNormal;
  FScrollColor = clNone;
  FScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  FIsVista = IsVistaOrNewer();
}

void TRezIvevirAvod::MakeRunTimeControls() {
  FFocusWindow = new TGridFocusWindow(this);
  FScrollBar = new TScrollBar(this);
  FAuxScrollH = new TScrollBar(this);
  MakeEditorControls();
}

TRezIvevirAvod::~TRezIvevirAvod() {
  // From here on the grid is no longer whole: an open editor that loses the
  // focus while the windows go must not end its edit into it.
  TComponent::Destroying();
  ReleaseCustomEditorControl();
  FreeOleDropTarget();
  BalloonDone();
  FFilter->Clear();
  FColumnSize.reset();
  ClearOwnedCells();
  TCursor Restore = FOldCursor;
  if (!Designing()) FreeRunTimeControls();
  if (Cursor() != Restore) TBaseGrid::SetCursor(Restore);
  if (GridUnit().FocusGrid == this) GridUnit().FocusGrid = nullptr;
}

// Cells of hidden rows live in their items, beside the base grid's own
// cells, which the base grid frees.
void TRezIvevirAvod::ClearOwnedCells() {
  for (Integer i = 0; i < FHiddenRows->Count(); ++i) {
    TStringGridRow& Cells = FHiddenRows->Items(i).Items();
    for (Integer c = 0; c < Cells.Count(); ++c) {
      auto* Props = dynamic_cast<TCellProperties*>(Cells.Object(c));
      if (!Props) continue;
      delete Props->GraphicObject();
      delete Props;
      Cells.SetObject(c, nullptr);
    }
  }
  FHiddenRows->Clear();
}

void TRezIvevirAvod::FreeRunTimeControls() {
  HideFocusWindow();
  delete FFocusWindow;
  FFocusWindow = nullptr;
  delete FScrollBar;
  FScrollBar = nullptr;
  delete FAuxScrollH;
  FAuxScrollH = nullptr;
}

HRESULT STDMETHODCALLTYPE TRezIvevirAvod::QueryInterface(REFIID iid, void** obj) {
  return QueryComponentInterface<IZVQStyle, IZVQTones>(this, iid, obj);
}

void TRezIvevirAvod::Notification(TComponent* AComponent, TOperation Operation) {
  TBaseGrid::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FGridImagesRef) FGridImagesRef = nullptr, FGridImages = nullptr;
  if (AComponent == FPictureContainerRef) FPictureContainerRef = nullptr, FPictureContainer = nullptr;
  if (AComponent == FFixedDropDownMenuRef) FFixedDropDownMenuRef = nullptr, FFixedDropDownMenu = nullptr;
  if (AComponent == FCellCheckerRef) FCellCheckerRef = nullptr, FCellChecker = nullptr;
  if (AComponent == FFocusWindow) FFocusWindow = nullptr;
  if (AComponent == FScrollBar) FScrollBar = nullptr;
  if (AComponent == FAuxScrollH) FAuxScrollH = nullptr;
}

void TRezIvevirAvod::SetReference(TComponent*& Field, TComponent* Value) {
  if (Field) Field->RemoveFreeNotification(this);
  Field = Value;
  if (Value) Value->FreeNotification(this);
}

void TRezIvevirAvod::SetGridImages(TCustomImageList* Value) {
  SetReference(FGridImagesRef, Value);
  FGridImages = Value;
}

void TRezIvevirAvod::SetPictureContainer(TPictureContainer* Value) {
  SetReference(FPictureContainerRef, Value);
  FPictureContainer = Value;
}

void TRezIvevirAvod::SetFixedDropDownMenu(TPopupMenu* Value) {
  SetReference(FFixedDropDownMenuRef, Value);
  FFixedDropDownMenu = Value;
}

void TRezIvevirAvod::MouseActionsIsDesigning(bool& IsDesigning) { IsDesigning = Designing(); }

void TRezIvevirAvod::ShowModifiedChanged() {
  if (RowCount() > 0) InvalidateCol(0);
}

// --- window, loading --------------------------------------------------------------

void TRezIvevirAvod::CreateWnd() {
  if (Destroying()) return;
  TBaseGrid::CreateWnd();
  if (!Parent()) return;
  ParentSearchPanel();
  for (TScrollBar* Bar : {FScrollBar, FAuxScrollH}) {
    if (!Bar) continue;
    Bar->SetParent(this);
    Bar->SetVisible(false);
    Bar->SetTabStop(false);
    Bar->SetKind(sbVertical);
    Bar->SetCtl3D(false);
  }
  if (!Designing() && FBalloon->Enable()) BalloonInit();
  SetTimer(Handle(), FGridTimerID, 500, nullptr);
  if (FScrollType == ssMetro) {
    CreateMetroScrollBars();
    SetScrollBars(ssNone);
  } else if (FScrollType == ssFlat || FScrollType == ssEncarta) {
    InitFlatScrollBars();
    UpdateFlatScrollBars();
  }
  if (Designing() && !FLoaded && !Loading()) Font()->SetName(L"Tahoma");
  if (FIsWinXP && !(IsThemeActive && IsThemeActive())) FIsWinXP = false;
  SetupMouseWheel(true);
  if (!Designing() && FDragDropSettings->OleDropTarget()) SetOleDropTargetActive(true);
}

void TRezIvevirAvod::Loaded() {
  TBaseGrid::Loaded();
  FOldCursor = Cursor();
  ShowColumnHeaders();
  ShowRowHeaders();
  if (FLook == glZVQ) {
    FLook = glCustom;
    SetLook(glZVQ);
  }
  FFixedRowsMin = FixedRows();
  FFixedColsMin = FixedCols();
  FMaxColCount = ColCount();
  FMaxRowCount = RowCount();
  // A grid from a form never sizes its rows or columns below these.
  FMinRowHeight = DefaultRowHeight();
  FMinColWidth = 10;
  FLoaded = true;
  if (FBalloon->Enable()) BalloonInit();
  if (Options().Contains(goAlwaysShowEditor)) {
    FNavigation->SetAlwaysEdit(true);
    SetOptions(Options() - goAlwaysShowEditor);
  }
  if (!FIsWinXP && FControlLook->ControlStyle() == csTheme && !Designing())
    FControlLook->SetControlStyle(csClassic);
  FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
  UpdateSearchFooter();
  UpdateScrollBarAlways(false);
  if (FAutoThemeAdapt && !Designing()) {
    ApplyOfficeTheme();
    if (HandleAllocated()) GetThemeNotifier(this)->RegisterWindow(Handle());
  }
  FOrigColSizes->Clear();
  for (Integer c = 0; c < ColCount(); ++c) FOrigColSizes->Add(GetColWidths(c));
  FOrigWidth = Width();
}

// --- assigning ------------------------------------------------------------------------

void TRezIvevirAvod::Assign(TPersistent* Source) {
  auto* Grid = dynamic_cast<TRezIvevirAvod*>(Source);
  if (!Grid) return;
  Font()->Assign(Grid->Font());
  FActiveCellColor = Grid->FActiveCellColor;
  FActiveCellColorTo = Grid->FActiveCellColorTo;
  FActiveCellFont->Assign(Grid->FActiveCellFont.get());
  FActiveCellShow = Grid->FActiveCellShow;
  AssignSettings(Grid);
  AssignSizes(Grid);
  AssignFields(Grid);
  AssignCells(Grid);
}

void TRezIvevirAvod::AssignSettings(TRezIvevirAvod* Grid) {
  FAutoColor->Assign(Grid->FAutoColor.get());
  SetActiveRowShow(Grid->ActiveRowShow());
  SetAlign(Grid->Align());
  FFilterDropDown->Assign(Grid->FFilterDropDown.get());
  FAnchorHint = Grid->FAnchorHint;
  FAutoSize = Grid->FAutoSize;
  FMouseActions->Assign(Grid->FMouseActions.get());
  FNavigation->Assign(Grid->FNavigation.get());
  FGrouping->Assign(Grid->FGrouping.get());
  FSearchFooter->Assign(Grid->FSearchFooter.get());
  UpdateSearchFooter();
  FPrintSettings->Assign(Grid->FPrintSettings.get());
  FFilter->Assign(Grid->FFilter.get());
  FHTMLSettings->Assign(Grid->FHTMLSettings.get());
  FBands->Assign(Grid->FBands.get());
  FBackGround->Assign(Grid->FBackGround.get());
  FCellNode->Assign(Grid->FCellNode.get());
  FSortSettings->Assign(Grid->FSortSettings.get());
  FDragScrollOptions->Assign(Grid->FDragScrollOptions.get());
  FDragDropSettings->Assign(Grid->FDragDropSettings.get());
  FProgressAppearance->Assign(Grid->FProgressAppearance.get());
  FColumnSize->Assign(Grid->FColumnSize.get());
  FSyncGrid->Assign(Grid->FSyncGrid.get());
  FFocusHelper->Assign(Grid->FFocusHelper.get());
  FFilterEdit->Assign(Grid->FFilterEdit.get());
  FHoverButtons->Assign(Grid->FHoverButtons.get());
  FShowModified->Assign(Grid->FShowModified.get());
  FControlLook->Assign(Grid->FControlLook.get());
  FBalloon->Assign(Grid->FBalloon.get());
  FOfficeHint->Assign(Grid->FOfficeHint.get());
  FFixedRowAlways = Grid->FFixedRowAlways;
}

void TRezIvevirAvod::AssignSizes(TRezIvevirAvod* Grid) {
  SetColCount(Grid->ColCount());
  SetRowCount(Grid->RowCount());
  SetFixedRows(Grid->FixedRows());
  SetFixedCols(Grid->FixedCols());
  SetDefaultColWidth(Grid->DefaultColWidth());
  SetDefaultRowHeight(Grid->DefaultRowHeight());
  SetFixedRowHeight(Grid->FixedRowHeight());
  SetFixedColWidth(Grid->FixedColWidth());
  FInvalidEntryTitle = Grid->FInvalidEntryTitle;
  FInvalidEntryIcon = Grid->FInvalidEntryIcon;
  FInvalidEntryText = Grid->FInvalidEntryText;
  SetOptions(Grid->Options());
  for (Integer c = 0; c < ColCount(); ++c) SetColWidths(c, Grid->GetColWidths(c));
  FColumnHeaders->Assign(Grid->FColumnHeaders.get());
  for (Integer r = 0; r < RowCount(); ++r) SetRowHeights(r, Grid->GetRowHeights(r));
  FScrollProportional = Grid->FScrollProportional;
  FScrollSynch = Grid->FScrollSynch;
  FScrollHints = Grid->FScrollHints;
  FScrollBarAlways = Grid->FScrollBarAlways;
  SetScrollBars(Grid->ScrollBars());
  FScrollColor = Grid->FScrollColor;
  SetScrollType(Grid->FScrollType);
  FScrollWidth = Grid->FScrollWidth;
  SetLook(Grid->FLook);
}

void TRezIvevirAvod::AssignFields(TRezIvevirAvod* Grid) {
  FBorderColor = Grid->FBorderColor;
  FSelectionColor = Grid->FSelectionColor;
  FSelectionColorTo = Grid->FSelectionColorTo;
  FSelectionMirrorColor = Grid->FSelectionMirrorColor;
  FSelectionMirrorColorTo = Grid->FSelectionMirrorColorTo;
  FSelectionTextColor = Grid->FSelectionTextColor;
  FSelectionColorMixer = Grid->FSelectionColorMixer;
  FSelectionColorMixerFactor = Grid->FSelectionColorMixerFactor;
  FSelectionRTFKeep = Grid->FSelectionRTFKeep;
  FSelectionResizer = Grid->FSelectionResizer;
  FAutoFilterUpdate = Grid->FAutoFilterUpdate;
  FAutoHideSelection = Grid->FAutoHideSelection;
  FAutoNumAlign = Grid->FAutoNumAlign;
  FAutoThemeAdapt = Grid->FAutoThemeAdapt;
  FDefaultEditor = Grid->FDefaultEditor;
  FDisabledFontColor = Grid->FDisabledFontColor;
  FEditWithTags = Grid->FEditWithTags;
  FEnableHTML = Grid->FEnableHTML;
  FEnableBlink = Grid->FEnableBlink;
  FEnhRowColMove = Grid->FEnhRowColMove;
  FEnhTextSize = Grid->FEnhTextSize;
  FExcelStyleDecimalSeparator = Grid->FExcelStyleDecimalSeparator;
  FFilterDropDownAuto = Grid->FFilterDropDownAuto;
  FFilterDropDownCheck = Grid->FFilterDropDownCheck;
  FFilterDropDownCheckUnCheckAll = Grid->FFilterDropDownCheckUnCheckAll;
  FFilterDropDownClear = Grid->FFilterDropDownClear;
  FFilterDropDownColumns = Grid->FFilterDropDownColumns;
  FFilterDropDownMultiCol = Grid->FFilterDropDownMultiCol;
  SetFilterDropDownRow(Grid->FFilterDropDownRow);
  FFixedAsButtons = Grid->FFixedAsButtons;
  FFixedFooters = Grid->FFixedFooters;
  FFixedRightCols = Grid->FFixedRightCols;
  SetGridLineColor(Grid->GridLineColor());
  SetGridLineWidth(Grid->GridLineWidth());
  FHighlightColor = Grid->FHighlightColor;
  FHighlightTextColor = Grid->FHighlightTextColor;
  FHintColor = Grid->FHintColor;
  FHintShowCells = Grid->FHintShowCells;
  FHintShowLargeText = Grid->FHintShowLargeText;
  FHintShowLargeTextPos = Grid->FHintShowLargeTextPos;
  FHovering = Grid->FHovering;
  SetHoverRow(Grid->HoverRow());
  SetHoverRowColor(Grid->HoverRowColor());
  SetHoverRowColorTo(Grid->HoverRowColorTo());
  FIntelliZoom = Grid->FIntelliZoom;
  FIntelliPan = Grid->FIntelliPan;
  FIntegralHeight = Grid->FIntegralHeight;
  FHTMLHint = Grid->FHTMLHint;
  FLookupHistory = Grid->FLookupHistory;
  FLookup = Grid->FLookup;
  FLookupItems->Assign(Grid->FLookupItems.get());
  FLookupCaseSensitive = Grid->FLookupCaseSensitive;
  FMaxComboLength = Grid->FMaxComboLength;
  FMaxEditLength = Grid->FMaxEditLength;
  FMultilinecells = Grid->FMultilinecells;
}

// Cells go as the grid's native text, which lands in this grid's save range.
void TRezIvevirAvod::AssignCells(TPersistent* Source) {
  auto* Grid = dynamic_cast<TRezIvevirAvod*>(Source);
  if (!Grid) return;
  TMemoryStream Stream;
  Grid->SaveToStream(&Stream);
  Stream.SetPosition(0);
  LoadFromStream(&Stream);
}

// --- size, paint -----------------------------------------------------------------------

void TRezIvevirAvod::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
    Integer Scroll = VisibleColCount() + FixedCols() < ColCount() ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    Integer Border = BorderStyle() == bsSingle ? 2 : 0;
    Integer Rows = AHeight - Scroll - Border;
    Rows -= Rows % DefaultRowHeight();
    AHeight = Scroll + Rows + 2 * Border;
  }
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TRezIvevirAvod::Resize() {
  TBaseGrid::Resize();
  if (OnResize) OnResize(this);
  if ((FBackGround->Display() == bdGradientHorz || FBackGround->Display() == bdGradientVert) &&
      FBackGround->ColorTo() != clNone)
    Invalidate();
  UpdateScrollBarAlways(false);
  if (FColumnSize->Stretch() && HandleAllocated()) StretchColumn(FColumnSize->StretchColumn(), -1);
  if (Designing()) Invalidate();
}

void TRezIvevirAvod::Invalidate() {
  // The editing option just switched for the newly selected cell; the
  // repaint of the whole grid it asks for is not needed.
  if (FEditChange) {
    FEditChange = false;
    return;
  }
  TBaseGrid::Invalidate();
}

// --- version, forms ------------------------------------------------------------------------

Integer TRezIvevirAvod::GetVersionNr() const { return 0x07040702; }

String TRezIvevirAvod::VersionText() const {
  const uint32_t Nr = static_cast<uint32_t>(GetVersionNr());
  return IntToStr(Integer(Nr >> 24)) + L"." + IntToStr(Integer((Nr >> 16) & 0xFF)) + L"." +
         IntToStr(Integer((Nr >> 8) & 0xFF)) + L"." + IntToStr(Integer(Nr & 0xFF));
}

String TRezIvevirAvod::GetVersionString() const { return VersionText() + L" Nov, 2014"; }

TCustomForm* TRezIvevirAvod::FindParentForm(TControl* AControl) {
  for (TControl* C = AControl; C; C = C->Parent())
    if (auto* Form = dynamic_cast<TCustomForm*>(C)) return Form;
  return nullptr;
}

// --- focus overlay --------------------------------------------------------------------------

void TRezIvevirAvod::ShowFocusWindow(const TRect& R) {
  if (!FFocusWindow) return;
  const Integer W = R.Width() + 9, H = R.Height() + 9;
  TBitmap Frame, Fill;
  DrawBlurredRoundRectMask(&Frame, W, H, 4, 5, 3);
  Fill.SetPixelFormat(pf24bit);
  Fill.SetSize(W, H);
  Fill.Canvas()->Brush()->SetColor(0xFDD397);
  Fill.Canvas()->FillRect(TRect{0, 0, W, H});
  TGridAlphaMask Mask;
  Mask.MergeMask(&Frame, &Fill, 0xFDD397);
  Mask.SetOpacity(230);
  TPoint At = ClientToScreen(TPoint{R.Left - 4, R.Top - 4});
  FFocusWindow->ApplyLayeredMask(&Mask, At);
  TGdiObject<HRGN> Outer(CreateRectRgn(0, 0, W, H));
  TGdiObject<HRGN> Inner(CreateRectRgn(4, 4, 4 + R.Width(), 4 + R.Height()));
  CombineRgn(Outer, Outer, Inner, RGN_DIFF);
  // The window takes the region over.
  if (SetWindowRgn(FFocusWindow->Handle(), Outer, TRUE)) Outer.Release();
  SetWindowPos(FFocusWindow->Handle(), HWND_TOP, At.X, At.Y, W, H, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  GridUnit().FocusGrid = this;
}

void TRezIvevirAvod::UpdateFocusWindow() {
  if (!FFocusWindow || !HandleAllocated()) return;
  const bool Visible = LeftCol() <= Col() && Col() < LeftCol() + VisibleColCount() && TopRow() <= Row() &&
                       Row() < TopRow() + VisibleRowCount();
  if (!Visible) {
    HideFocusWindow();
    return;
  }
  TRect R = CellRect(Col(), Row());
  TPoint At = ClientToScreen(TPoint{R.Left - 4, R.Top - 4});
  SetWindowPos(FFocusWindow->Handle(), HWND_TOP, At.X, At.Y, R.Width() + 9, R.Height() + 9,
               SWP_NOACTIVATE);
  FFocusWindow->Invalidate();
}

void TRezIvevirAvod::HideFocusWindow() {
  if (GridUnit().FocusGrid == this) GridUnit().FocusGrid = nullptr;
  if (FFocusWindow && FFocusWindow->HandleAllocated()) ShowWindow(FFocusWindow->Handle(), SW_HIDE);
}

}  // namespace jorv::grid
