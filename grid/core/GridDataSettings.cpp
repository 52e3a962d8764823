#include "grid/core/GridDataSettings.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/TypInfo.h"

namespace jorv::grid {

// --- TSortSettings ----------------------------------------------------------------

TSortSettings::TSortSettings(TRezIvevirAvod* AGrid) : FGrid(AGrid) {}
TSortSettings::~TSortSettings() = default;

TPersistent* TSortSettings::GetOwner() const { return FGrid; }

void TSortSettings::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TSortSettings*>(Source);
  if (!S) return;
  FAutoSortForGrouping = S->FAutoSortForGrouping;
  FAutoColumnMerge = S->FAutoColumnMerge;
  FDefaultFormat = S->FDefaultFormat;
  FColumn = S->FColumn;
  FShow = S->FShow;
  FIndexShow = S->FIndexShow;
  FIndexColor = S->FIndexColor;
  FFull = S->FFull;
  FSingleColumn = S->FSingleColumn;
  FIgnoreBlanks = S->FIgnoreBlanks;
  FBlankPos = S->FBlankPos;
  FAutoFormat = S->FAutoFormat;
  FDirection = S->FDirection;
  FUpGlyph->Assign(S->FUpGlyph.get());
  FDownGlyph->Assign(S->FDownGlyph.get());
  FIndexUpGlyph->Assign(S->FIndexUpGlyph.get());
  FIndexDownGlyph->Assign(S->FIndexDownGlyph.get());
  FIndexSortKey = S->FIndexSortKey;
  FInitSortDirection = S->FInitSortDirection;
  FFixedCols = S->FFixedCols;
  FNormalCellsOnly = S->FNormalCellsOnly;
  FRow = S->FRow;
  FUndoSort = S->FUndoSort;
  SetHeaderColors(S->FHeaderColor, S->FHeaderColorTo, S->FHeaderMirrorColor, S->FHeaderMirrorColorTo);
}

void TSortSettings::SetShow(bool Value) {
  if (FShow == Value) return;
  FShow = Value;
  if (FGrid) FGrid->Invalidate();
}

void TSortSettings::SetRow(Integer Value) {
  if (FGrid && Value >= FGrid->FixedRows())
    throw Exception(L"Sort row should be smaller than number of fixed rows");
  FRow = Value;
}

void TSortSettings::SetHeader(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (FGrid && FGrid->FixedRows() > 0) FGrid->InvalidateRow(FGrid->FixedRows() - 1);
}

void TSortSettings::SetHeaderColors(TColor From, TColor To, TColor MirrorFrom, TColor MirrorTo) {
  FHeaderColor = From;
  FHeaderColorTo = To;
  FHeaderMirrorColor = MirrorFrom;
  FHeaderMirrorColorTo = MirrorTo;
}

// --- TPrintSettings ----------------------------------------------------------------

// The grid is taken but not kept: printing reads the settings.
TPrintSettings::TPrintSettings(TRezIvevirAvod*) {}
TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::Assign(TPersistent* Source) {
  auto* P = dynamic_cast<TPrintSettings*>(Source);
  if (!P) throw EInvalidCast(L"Invalid class typecast");
  // Every value but FixedCellsAlways; the fonts and title lines by content.
  TPrintSettings& self = *this;
  self.FFooterSize = P->FFooterSize;
  self.FHeaderSize = P->FHeaderSize;
  self.FTime = P->FTime;
  self.FDate = P->FDate;
  self.FDateFormat = P->FDateFormat;
  self.FPageNr = P->FPageNr;
  self.FTitle = P->FTitle;
  self.FTitleText = P->FTitleText;
  self.FBorders = P->FBorders;
  self.FBorderStyle = P->FBorderStyle;
  self.FBorderColor = P->FBorderColor;
  self.FCentered = P->FCentered;
  self.FRepeatFixedRows = P->FRepeatFixedRows;
  self.FRepeatFixedCols = P->FRepeatFixedCols;
  self.FLeftSize = P->FLeftSize;
  self.FRightSize = P->FRightSize;
  self.FColumnSpacing = P->FColumnSpacing;
  self.FRowSpacing = P->FRowSpacing;
  self.FTitleSpacing = P->FTitleSpacing;
  self.FOrientation = P->FOrientation;
  self.FPagePrefix = P->FPagePrefix;
  self.FPageSuffix = P->FPageSuffix;
  self.FPageNumberOffset = P->FPageNumberOffset;
  self.FMaxPagesOffset = P->FMaxPagesOffset;
  self.FFixedWidth = P->FFixedWidth;
  self.FFixedHeight = P->FFixedHeight;
  self.FUseFixedHeight = P->FUseFixedHeight;
  self.FUseFixedWidth = P->FUseFixedWidth;
  self.FFitToPage = P->FFitToPage;
  self.FJobName = P->FJobName;
  self.FPageNumSep = P->FPageNumSep;
  self.FNoAutoSize = P->FNoAutoSize;
  self.FNoAutoSizeRow = P->FNoAutoSizeRow;
  self.FPrintGraphics = P->FPrintGraphics;
  self.FUseDisplayFont = P->FUseDisplayFont;
  self.FUseDefaultOrientation = P->FUseDefaultOrientation;
  FTitleLines->Assign(P->FTitleLines.get());
  FFont->Assign(P->FFont.get());
  FFixedFont->Assign(P->FFixedFont.get());
  FHeaderFont->Assign(P->FHeaderFont.get());
  FFooterFont->Assign(P->FFooterFont.get());
}

// --- TGrouping ------------------------------------------------------------------------

void TGrouping::Assign(TPersistent* Source) {
  auto* G = dynamic_cast<TGrouping*>(Source);
  if (!G) return;
  FGroupCountFormat = G->FGroupCountFormat;
  FHeaderColor = G->FHeaderColor;
  FHeaderColorTo = G->FHeaderColorTo;
  FHeaderTextColor = G->FHeaderTextColor;
  FHeaderUnderline = G->FHeaderUnderline;
  FMergeHeader = G->FMergeHeader;
  FMergeSummary = G->FMergeSummary;
  FShowGroupCount = G->FShowGroupCount;
  FSummaryColor = G->FSummaryColor;
  FSummaryColorTo = G->FSummaryColorTo;
  FSummaryTextColor = G->FSummaryTextColor;
  FSummaryLine = G->FSummaryLine;
  FAutoCheckGroup = G->FAutoCheckGroup;
  FAutoSelectGroup = G->FAutoSelectGroup;
}

// --- TFloatingFooter ------------------------------------------------------------------

TPersistent* TFloatingFooter::GetOwner() const { return FGrid; }

void TFloatingFooter::Assign(TPersistent* Source) {
  auto* F = dynamic_cast<TFloatingFooter*>(Source);
  if (!F) return;
  FCalculateHiddenRows = F->FCalculateHiddenRows;
  FColor = F->FColor;
  FColumn = F->FColumn;
  FCustomTemplate = F->FCustomTemplate;
  FFooterStyle = F->FFooterStyle;
  SetVisible(F->FVisible);
  FShowHint = F->FShowHint;
}

// --- TFilterDropDown -------------------------------------------------------------------

TFilterDropDown::TFilterDropDown() = default;
TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::Assign(TPersistent* Source) {
  auto* F = dynamic_cast<TFilterDropDown*>(Source);
  if (!F) return;
  FColor = F->FColor;
  FColumnWidth = F->FColumnWidth;
  FFont->Assign(F->FFont.get());
  FHeight = F->FHeight;
  FWidth = F->FWidth;
  FGlyph->Assign(F->FGlyph.get());
  FGlyphActive->Assign(F->FGlyphActive.get());
  FTextChecked = F->FTextChecked;
  FTextUnChecked = F->FTextUnChecked;
}

void TFilterDropDown::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  Changed();
}

void TFilterDropDown::SetGlyphActive(TBitmap* Value) {
  FGlyphActive->Assign(Value);
  Changed();
}

void TFilterDropDown::Changed() {
  if (OnChange) OnChange(this);
}

// --- TFilterEdit ------------------------------------------------------------------------

TFilterEdit::TFilterEdit(TRezIvevirAvod* AGrid) : FGrid(AGrid) {
  for (const wchar_t* name :
       {L"Starts with", L"Ends with", L"Contains", L"Not contains", L"Equal", L"Not equal", L"Clear"})
    FTypeNames->Add(name);
}

TFilterEdit::~TFilterEdit() = default;

TPersistent* TFilterEdit::GetOwner() const { return FGrid; }

void TFilterEdit::Assign(TPersistent* Source) {
  auto* F = dynamic_cast<TFilterEdit*>(Source);
  if (!F) return;
  FCaseSensitive = F->FCaseSensitive;
  FColor = F->FColor;
  FColumns = F->FColumns;
  FEnabled = F->FEnabled;
  FRow = F->FRow;
  FTypeNames->Assign(F->FTypeNames.get());
}

void TFilterEdit::Repaint() {
  if (FGrid) FGrid->Invalidate();
}

void TFilterEdit::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Repaint();
}

void TFilterEdit::SetColumns(TFilterDropDownColumns Value) {
  if (FColumns == Value) return;
  FColumns = Value;
  Repaint();
}

void TFilterEdit::SetRow(Integer Value) {
  if (FRow == Value) return;
  FRow = Value;
  Repaint();
}

void TFilterEdit::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Repaint();
  if (!FGrid) return;
  FGrid->SetFilterActive(false);
  FGrid->Filter()->Clear();
  if (FRow >= 0 && FRow < FGrid->RowCount())
    for (Integer c = 0; c < FGrid->AllColCount(); ++c) FGrid->SetAllCells(c, FRow, L"");
}

// --- TFilterData and TFilter ----------------------------------------------------------

void TFilterData::Assign(TPersistent* Source) {
  auto* F = dynamic_cast<TFilterData*>(Source);
  if (!F) return;
  FColumn = F->FColumn;
  FCondition = F->FCondition;
  FCaseSensitive = F->FCaseSensitive;
  FData = F->FData;
  FPrefix = F->FPrefix;
  FSuffix = F->FSuffix;
  FOperation = F->FOperation;
  FRemoveAccented = F->FRemoveAccented;
  FLiteralValues = F->FLiteralValues;
  FLiteralKind = F->FLiteralKind;
  FLiteralKeys.clear();
  Changed(false);
}

TFilter::TFilter(TRezIvevirAvod* AGrid)
    : TOwnedCollection(AGrid, CollectionItemClass<TFilterData>()), FGrid(AGrid) {}

TFilterData* TFilter::Add() {
  auto* Item = static_cast<TFilterData*>(TCollection::Add());
  Item->SetOperation(Count() == 1 ? foNONE : foAND);
  return Item;
}

TFilterData* TFilter::GetColFilter(Integer Col) {
  for (Integer i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return Items(i);
  TFilterData* Item = Add();
  Item->SetColumn(SmallInt(Col));
  return Item;
}

void TFilter::RemoveColumnFilter(Integer Col) {
  for (Integer i = Count() - 1; i >= 0; --i)
    if (Items(i)->Column() == Col) Delete(i);
  if (FGrid) FGrid->InvalidateCell(Col, 0);
}

bool TFilter::HasFilter(Integer Col) const {
  for (Integer i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return true;
  return false;
}

bool TFilter::HasOtherFilter(Integer Col) const {
  for (Integer i = 0; i < Count(); ++i)
    if (Items(i)->Column() != Col) return true;
  return false;
}

TFilterType TFilter::HasFilterType(Integer Col) const {
  for (Integer i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return Items(i)->FilterType;
  return ftContains;
}

void TFilter::Update(TCollectionItem*) {
  if (FGrid && FGrid->RowCount() > 0) FGrid->InvalidateRow(0);
}

// --- TColumnSize, TCellNode ---------------------------------------------------------------

TPersistent* TColumnSize::GetOwner() const { return FGrid; }

void TColumnSize::Assign(TPersistent* Source) {
  auto* C = dynamic_cast<TColumnSize*>(Source);
  if (!C) return;
  FRows = C->FRows;
  FSave = C->FSave;
  FKey = C->FKey;
  FSection = C->FSection;
  FStretch = C->FStretch;
  FStretchAll = C->FStretchAll;
  FStretchColumn = C->FStretchColumn;
  FSynchWithGrid = C->FSynchWithGrid;
  FSynchNormalCellsOnly = C->FSynchNormalCellsOnly;
  FLocation = C->FLocation;
}

TPersistent* TCellNode::GetOwner() const { return FGrid; }

void TCellNode::Assign(TPersistent* Source) {
  auto* N = dynamic_cast<TCellNode*>(Source);
  if (!N) return;
  FColor = N->FColor;
  FExpandOne = N->FExpandOne;
  FNodeType = N->FNodeType;
  FNodeColor = N->FNodeColor;
  FNodeIndent = N->FNodeIndent;
  FExpandGlyph->Assign(N->FExpandGlyph.get());
  FContractGlyph->Assign(N->FContractGlyph.get());
  FShowTree = N->FShowTree;
  FShowTreeFull = N->FShowTreeFull;
  FTreeColor = N->FTreeColor;
}

void TCellNode::Repaint() {
  if (FGrid) FGrid->Invalidate();
}

// --- drag and drop ---------------------------------------------------------------------------

TPersistent* TDragDropSettings::GetOwner() const { return FGrid; }

void TDragDropSettings::Assign(TPersistent* Source) {
  auto* D = dynamic_cast<TDragDropSettings*>(Source);
  if (!D) return;
  FShowCells = D->FShowCells;
  FOleAcceptFiles = D->FOleAcceptFiles;
  FOleAcceptText = D->FOleAcceptText;
  FOleAcceptURLs = D->FOleAcceptURLs;
  FOleAppendRows = D->FOleAppendRows;
  FOleColumnDragDrop = D->FOleColumnDragDrop;
  FOleColumnReorder = D->FOleColumnReorder;
  FOleColumnsOnly = D->FOleColumnsOnly;
  FOleCopyAlways = D->FOleCopyAlways;
  FOleDropTarget = D->FOleDropTarget;
  FOleDropSource = D->FOleDropSource;
  FOleEntireRows = D->FOleEntireRows;
  FOleInsertRows = D->FOleInsertRows;
  FOleRemoveRows = D->FOleRemoveRows;
  FOleDropRTF = D->FOleDropRTF;
}

void TDragScrollDelays::Assign(TPersistent* Source) {
  auto* D = dynamic_cast<TDragScrollDelays*>(Source);
  if (!D) return;
  FInitialDelay = D->FInitialDelay;
  FRepeatDelay = D->FRepeatDelay;
}

void TDragScrollMargins::Assign(TPersistent* Source) {
  auto* M = dynamic_cast<TDragScrollMargins*>(Source);
  if (!M) return;
  FTopMargin = M->FTopMargin;
  FBottomMargin = M->FBottomMargin;
  FLeftMargin = M->FLeftMargin;
  FRightMargin = M->FRightMargin;
}

void TDragScrollOptions::Assign(TPersistent* Source) {
  auto* O = dynamic_cast<TDragScrollOptions*>(Source);
  if (!O) return;
  FMargins->Assign(O->FMargins.get());
  FDelays->Assign(O->FDelays.get());
  FActive = O->FActive;
}

}  // namespace jorv::grid
