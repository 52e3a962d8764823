#include "dropdown/MultiColumnDropDown.h"
#include "dropdown/DropDownPaint.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::dropdown {

namespace {

bool AltHeld() { return GetKeyState(VK_MENU) < 0; }

}  // namespace

// --- columns and items ------------------------------------------------------------------------

TDropDownColumn::TDropDownColumn(TCollection* Collection)
    : TCollectionItem(Collection), FFont(std::make_unique<TFont>()) {}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TDropDownColumn*>(Source);
  if (!From) {
    TCollectionItem::Assign(Source);
    return;
  }
  FWordwrap = From->FWordwrap;
  FWidth = From->FWidth;
  FHeader = From->FHeader;
  FAlignment = From->FAlignment;
  FColor = From->FColor;
  FColumnType = From->FColumnType;
  FFont->Assign(From->Font());
  FEllipsis = From->FEllipsis;
  FAutoSize = From->FAutoSize;
}

TDropDownItem::TDropDownItem(TCollection* Collection)
    : TCollectionItem(Collection), FText(std::make_unique<TStringList>()) {}

TDropDownItem::~TDropDownItem() = default;

std::optional<String> TDropDownItem::Entry(Integer Column) const {
  if (Column < 0 || Column >= FText->Count()) return std::nullopt;
  return FText->Strings(Column);
}

void TDropDownItem::Assign(TPersistent* Source) {
  auto* From = dynamic_cast<TDropDownItem*>(Source);
  if (!From) return;
  FImageIndex = From->FImageIndex;
  FText->Assign(From->Text());
  FTag = From->FTag;
}

Integer TDropDownItems::IndexInColumn(Integer Column, const String& Value) const {
  for (Integer Index = 0; Index < Count(); ++Index) {
    const std::optional<String> E = Items(Index)->Entry(Column);
    if (E && *E == Value) return Index;
  }
  return -1;
}

// --- the list grid ------------------------------------------------------------------------------------

TExColGrid::TExColGrid(TComponent* AOwner)
    : TStringGrid(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)), FHeaderFont(std::make_unique<TFont>()) {
  SetFixedCols(0);
  SetFixedRows(1);
  TGridOptions O = Options();
  O.Exclude(goRangeSelect);
  O.Exclude(goDrawFocusSelected);
  O.Include(goHorzLine);
  O.Include(goRowSelect);
  SetOptions(O);
  SetDefaultDrawing(false);
  SetCtl3D(false);
  SetParentCtl3D(false);
  SetBorderStyle(bsNone);
  TStringGrid::SetGridLineWidth(0);
}

TExColGrid::~TExColGrid() = default;

void TExColGrid::SetExGridLineWidth(Integer Value) {
  FGridLineWidth = Value;
  TStringGrid::SetGridLineWidth(0);
  Invalidate();
}

void TExColGrid::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
}

void TExColGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TStringGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TExColGrid::DoSelectRow() {
  if (OnSelect) OnSelect(this);
}

bool TExColGrid::SelectCell(Integer ACol, Integer ARow) {
  const bool Result = TStringGrid::SelectCell(ACol, ARow);
  if (Result && OnRowSelected) OnRowSelected(ACol, ARow);
  return Result;
}

void TExColGrid::KeyDown(Word& Key, TShiftState Shift) {
  FConfirmSelection = true;
  if (Key == VK_TAB) return;
  if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt)) {
    if (FExDropDown && FExDropDown->HandleAllocated()) SendMessageW(FExDropDown->Handle(), WM_KEYDOWN, Key, 0);
    return;
  }
  const Word Pressed = Key;
  TStringGrid::KeyDown(Key, Shift);
  if (Pressed == VK_RETURN) DoSelectRow();
}

void TExColGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  FConfirmSelection = true;
  FOldRow = Row();
  TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExColGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TStringGrid::MouseUp(Button, Shift, X, Y);
  const TGridCoord Cell = MouseCoord(X, Y);
  if (Cell.Y >= FixedRows() && Cell.Y < RowCount()) DoSelectRow();
}

bool TExColGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  FConfirmSelection = false;
  FMouseWheelSelection = true;
  const bool Result = TStringGrid::DoMouseWheelDown(Shift, MousePos);
  FMouseWheelSelection = false;
  return Result;
}

bool TExColGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  FConfirmSelection = false;
  FMouseWheelSelection = true;
  const bool Result = TStringGrid::DoMouseWheelUp(Shift, MousePos);
  FMouseWheelSelection = false;
  return Result;
}

void TExColGrid::Dispatch(TMessage& M) {
  TStringGrid::Dispatch(M);
  if (M.Msg == WM_GETDLGCODE) M.Result |= DLGC_WANTARROWS | DLGC_WANTTAB;
}

// --- list painting -------------------------------------------------------------------------------------

void TExColGrid::DrawBackground(TCanvas* C, const TRect& R, bool Header, bool Selected, TColor Color,
                                Integer Position) {
  C->Brush()->SetStyle(bsSolid);
  if (Header) {
    if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
      C->Brush()->SetColor(FHeaderColor);
      C->FillRect(R);
    } else if (FExDropDown) {
      FExDropDown->DrawGradientRect(C, FHeaderColor, FHeaderColorTo, 80, R, gdVertical);
    } else {
      DrawBandGradient(C, FHeaderColor, FHeaderColorTo, 80, R, false);
    }
    return;
  }
  if (!Selected) {
    C->Brush()->SetColor(Color);
    C->Pen()->SetColor(Color);
    C->Rectangle(R);
  } else if (FExDropDown) {
    FExDropDown->DrawSelectionBackground(C, R, Color, Position);
  } else {
    C->Brush()->SetColor(clActiveCaption);
    C->FillRect(R);
  }
}

void TExColGrid::DrawLines(TCanvas* C, const TRect& R, bool Header) {
  const TGridOptions O = Options();
  const Integer Inset = Header ? 1 : (FGridLineWidth + 1) / 2;
  if (Header) {
    C->Pen()->SetColor(FFixedLineColor);
    C->Pen()->SetWidth(1);
  } else {
    if (FGridLineWidth <= 0) return;
    C->Pen()->SetColor(FLineColor);
    C->Pen()->SetWidth(FGridLineWidth);
  }
  if (O.Contains(Header ? goFixedHorzLine : goHorzLine)) {
    C->MoveTo(R.Left - Inset + 1, R.Bottom - Inset);
    C->LineTo(R.Right - Inset + 1, R.Bottom - Inset);
  }
  if (O.Contains(Header ? goFixedVertLine : goVertLine)) {
    C->MoveTo(R.Right - Inset, R.Bottom - Inset);
    C->LineTo(R.Right - Inset, R.Top - Inset);
  }
  C->Pen()->SetWidth(1);
}

void TExColGrid::DrawContent(TCanvas* C, TRect R, Integer ACol, Integer ARow, bool Header, bool Selected) {
  TDropDownColumn* Column = ACol < FColumns->Count() ? FColumns->Items(ACol) : nullptr;
  String Text = ARow < 0 ? String() : GetCells(ACol, ARow);
  TAlignment Alignment = taLeftJustify;
  bool Wrap = false, Ellipsis = false;
  Integer ImageIndex = -1;
  TDropDownItem* Item = nullptr;
  if (FExDropDown && ARow >= FixedRows() && ARow - FixedRows() < FExDropDown->Items()->Count())
    Item = FExDropDown->Items()->Items(ARow - FixedRows());
  if (Column) {
    Alignment = Column->Alignment();
    Wrap = Column->Wordwrap();
    Ellipsis = Column->Ellipsis();
    C->Font()->Assign(Column->Font());
    if (Item) {
      if (const std::optional<String> E = Item->Entry(ACol)) Text = *E;
      if (Column->ColumnType() == ctImage) ImageIndex = Item->ImageIndex();
    }
  } else {
    C->Font()->Assign(FHeaderFont.get());
  }
  if (FExDropDown && FExDropDown->OnDropDownGetItemText) FExDropDown->OnDropDownGetItemText(FExDropDown, ACol, ARow, Text);
  if (Header) {
    Text = Column ? Column->Header() : String();
    ImageIndex = -1;
    C->Font()->Assign(FHeaderFont.get());
  }
  R = TRect(R.Left + FGridLineWidth, R.Top + FGridLineWidth, R.Right - FGridLineWidth, R.Bottom - FGridLineWidth);
  Integer TextLeft = R.Left + 2;
  if (FImages && ImageIndex >= 0) {
    const Integer Top = FImages->Height() < R.Height() ? R.Top + (R.Height() - FImages->Height()) / 2 : R.Top;
    FImages->Draw(C, R.Left + 2, Top, ImageIndex);
    TextLeft = R.Left + FImages->Width() + 4;
  }
  if (Text.empty()) return;
  UINT Flags = DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX;
  Flags |= Wrap ? (DT_WORDBREAK | DT_EDITCONTROL) : DT_SINGLELINE;
  Flags |= Alignment == taRightJustify ? DT_RIGHT : Alignment == taCenter ? DT_CENTER : DT_LEFT;
  if (Ellipsis) Flags |= DT_END_ELLIPSIS;
  if (Selected && FExDropDown) C->Font()->SetColor(FExDropDown->SelectionTextColor());
  C->Brush()->SetStyle(bsClear);
  RECT Box{TextLeft, R.Top, R.Right, R.Bottom};
  const HDC DC = C->Handle();
  SetBkMode(DC, TRANSPARENT);
  DrawTextW(DC, Text.c_str(), static_cast<int>(Text.size()), &Box, Flags);
}

void TExColGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  TCanvas* C = Canvas();
  if (FExDropDown && FExDropDown->OnDropDownDrawItem) {
    FExDropDown->OnDropDownDrawItem(FExDropDown, ACol, ARow, C, ARect);
    return;
  }
  const TRect R(ARect.Left, ARect.Top, ARect.Left + GetColWidths(ACol), ARect.Top + GetRowHeights(ARow));
  const Integer Count = ColCount();
  const Integer Position = Count == 1 ? 0 : ACol == 0 ? 1 : ACol == Count - 1 ? 2 : 3;
  const bool Header = ARow < FixedRows();
  const bool Selected = !Header && (AState.Contains(gdSelected) || ARow == Row());
  TDropDownColumn* Column = ACol < FColumns->Count() ? FColumns->Items(ACol) : nullptr;
  const TColor CellColor = Column ? Column->Color() : Color();
  DrawBackground(C, R, Header, Selected, CellColor, Position);
  DrawLines(C, R, Header);
  DrawContent(C, R, ACol, ARow, Header, Selected);
}

// --- the drop-down ---------------------------------------------------------------------------------------

TExMultiColumnDropDown::TExMultiColumnDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>()),
      FItems(std::make_unique<TDropDownItems>(this)) {
  SetDropDownColor(0xFFFFFF);
  SetDropDownHeight(200);
  SetAutoSelect(true);
  SetSelectionColorStyle(scOffice2007);
  if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
}

TExMultiColumnDropDown::~TExMultiColumnDropDown() = default;

void TExMultiColumnDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm || FExColGrid) return;
  FExColGrid = new TExColGrid(this);
  FExColGrid->SetParent(FDropDownForm);
  FExColGrid->SetExDropDown(this);
  FExColGrid->SetBounds(0, 0, FExColGrid->Width(), 180);
  FExColGrid->SetColor(DropDownColor());
  FExColGrid->SetDoubleBuffered(true);
}

void TExMultiColumnDropDown::PlaceDropDownControl() {
  if (FExColGrid) SetControl(FExColGrid);
  TExCustomDropDown::PlaceDropDownControl();
}

void TExMultiColumnDropDown::Loaded() {
  TExCustomDropDown::Loaded();
  RebuildLookup();
}

void TExMultiColumnDropDown::Assign(TPersistent* Source) {
  TExCustomDropDown::Assign(Source);
  auto* From = dynamic_cast<TExMultiColumnDropDown*>(Source);
  if (!From) return;
  FCaseSensitive = From->FCaseSensitive;
  FDropDownAutoWidth = From->FDropDownAutoWidth;
  FDropDownRowHeight = From->FDropDownRowHeight;
  FLineColor = From->FLineColor;
  FFixedLineColor = From->FFixedLineColor;
  FColumnSizing = From->FColumnSizing;
  FColumnSizeWithDropDown = From->FColumnSizeWithDropDown;
  FColumns->Assign(From->Columns());
  FHeaderColor = From->FHeaderColor;
  FHeaderColorTo = From->FHeaderColorTo;
  FHeaderHeight = From->FHeaderHeight;
  FHeaderFont->Assign(From->HeaderFont());
  FLookupColumn = From->FLookupColumn;
  FSelectionTextColor = From->FSelectionTextColor;
  FItems->Assign(From->Items());
  FItemIndex = From->FItemIndex;
  RebuildLookup();
}

// --- the lookup column ------------------------------------------------------------------------------------

String TExMultiColumnDropDown::LookupText(Integer Index) const {
  if (Index < 0 || Index >= FItems->Count()) return String();
  const std::optional<String> E = FItems->Items(Index)->Entry(FLookupColumn);
  return E ? *E : String();
}

void TExMultiColumnDropDown::RebuildLookup() {
  if (FLookupColumn < 0 || FItems->Count() == 0) return;
  FLookupItems.clear();
  FLookupKeys.clear();
  FLookupItems.reserve(size_t(FItems->Count()));
  FLookupKeys.reserve(size_t(FItems->Count()));
  for (Integer Index = 0; Index < FItems->Count(); ++Index) {
    FLookupItems.push_back(LookupText(Index));
    FLookupKeys.push_back(AnsiUpperCase(FLookupItems.back()));
  }
}

void TExMultiColumnDropDown::SetLookupColumn(Integer Value) {
  FLookupItems.clear();
  FLookupKeys.clear();
  FLookupColumn = Value;
  RebuildLookup();
}

Integer TExMultiColumnDropDown::GetItemIndex(const String& Value) const {
  return FItems->IndexInColumn(FLookupColumn, Value);
}

Integer TExMultiColumnDropDown::FindPrefix(const String& Prefix) const {
  const String Key = FCaseSensitive ? Prefix : AnsiUpperCase(Prefix);
  const bool Keyed = FLookupKeys.size() == size_t(FItems->Count());
  for (Integer Index = 0; Index < FItems->Count(); ++Index) {
    const std::optional<String> E = FItems->Items(Index)->Entry(FLookupColumn);
    if (!E) continue;
    const String Candidate = FCaseSensitive ? *E : Keyed ? FLookupKeys[size_t(Index)] : AnsiUpperCase(*E);
    if (Candidate.compare(0, Key.size(), Key) == 0) return Index;
  }
  return -1;
}

void TExMultiColumnDropDown::SetItemIndex(Integer Value) {
  if (Value >= FItems->Count()) return;
  FItemIndex = Value;
  if (Value >= 0 && FLookupColumn >= 0)
    SetText(LookupText(Value));
  else if (Value < 0)
    SetText(String());
}

// --- filling and sizing the list ---------------------------------------------------------------------------

void TExMultiColumnDropDown::AutoSizeColumns() {
  TCanvas* C = FDropDownForm->Canvas();
  TCustomImageList* List = FExColGrid->Images();
  for (Integer Col = 0; Col < FColumns->Count(); ++Col) {
    TDropDownColumn* Column = FColumns->Items(Col);
    if (!Column->AutoSize()) continue;
    C->Font()->Assign(Column->Font());
    Integer Widest = 0;
    for (Integer Index = 0; Index < FItems->Count(); ++Index) {
      TDropDownItem* Item = FItems->Items(Index);
      const std::optional<String> E = Item->Entry(Col);
      Integer W = 0;
      if (List && Column->ColumnType() == ctImage && E && Item->ImageIndex() >= 0) W += List->Width() + 4;
      if (E && !E->empty()) {
        RECT Box{0, 0, 1000, 500};
        DrawTextW(C->Handle(), E->c_str(), static_cast<int>(E->size()), &Box, DT_CALCRECT | DT_SINGLELINE);
        W += Box.right - Box.left + 6;
      }
      Widest = Max(Widest, W);
    }
    FExColGrid->SetColWidths(Col, Widest);
    FExColGrid->Columns()->Items(Col)->SetWidth(Widest);
  }
}

void TExMultiColumnDropDown::SizeWordwrapRows() {
  bool AnyWrap = false;
  for (Integer Col = 0; Col < FColumns->Count(); ++Col) AnyWrap = AnyWrap || FColumns->Items(Col)->Wordwrap();
  if (!AnyWrap) return;
  TCanvas* C = FDropDownForm->Canvas();
  TCustomImageList* List = FExColGrid->Images();
  for (Integer Index = 0; Index < FItems->Count(); ++Index) {
    TDropDownItem* Item = FItems->Items(Index);
    Integer Height = 24;
    for (Integer Col = 0; Col < FColumns->Count(); ++Col) {
      TDropDownColumn* Column = FColumns->Items(Col);
      if (!Column->Wordwrap()) continue;
      const std::optional<String> E = Item->Entry(Col);
      if (List && Column->ColumnType() == ctImage && E && Item->ImageIndex() >= 0)
        Height = Max(Height, List->Height() + 6);
      if (!E) continue;
      C->Font()->Assign(Column->Font());
      RECT Box{0, 0, FExColGrid->GetColWidths(Col), 0};
      DrawTextW(C->Handle(), E->c_str(), static_cast<int>(E->size()), &Box, DT_CALCRECT | DT_WORDBREAK);
      Height = Max(Height, Integer(Box.bottom - Box.top) + 6);
    }
    FExColGrid->SetRowHeights(Index + 1, Height);
  }
}

void TExMultiColumnDropDown::FillList() {
  TExColGrid* G = FExColGrid;
  G->Columns()->Assign(FColumns.get());
  G->SetColCount(Max(1, FColumns->Count()));
  G->SetRowCount(FItems->Count() + 1);
  G->SetFixedRows(G->RowCount() > 1 ? 1 : 0);
  if (G->RowCount() > 1) G->SetRow(1);
  for (Integer Col = 0; Col < FColumns->Count(); ++Col) G->SetColWidths(Col, FColumns->Items(Col)->Width());
  G->SetLineColor(FLineColor);
  G->SetFixedLineColor(FFixedLineColor);
  G->SetHeaderColor(FHeaderColor);
  G->SetHeaderColorTo(FHeaderColorTo);
  G->SetHeaderHeight(FHeaderHeight);
  G->SetHeaderFont(FHeaderFont.get());
  G->SetImages(Images());
  TGridOptions O = G->Options();
  if (FColumnSizing) O.Include(goColSizing); else O.Exclude(goColSizing);
  O.Include(goThumbTracking);
  G->SetOptions(O);
  AutoSizeColumns();
  G->SetDefaultRowHeight(FDropDownRowHeight);
  SizeWordwrapRows();
  G->SetRowHeights(0, Max(1, FHeaderHeight));
}

void TExMultiColumnDropDown::DoBeforeDropDown() {
  TExCustomDropDown::DoBeforeDropDown();
  if (!FExColGrid) return;
  FDropDownForm->SetCancelOnDeActivate(false);
  FShowing = true;
  FillList();
  FExColGrid->SetColor(DropDownColor());
  FExColGrid->OnRowSelected = [this](Integer, Integer ARow) { ListRowSelected(ARow); };
  FExColGrid->OnSelect = [this](TObject* Sender) { ListSelect(Sender); };
  const Integer Target = FItemIndex + 1;
  if (FExColGrid->RowCount() > 1) FExColGrid->SetRow(Target < FExColGrid->FixedRows() ? 1 : Target);
  FOldItemIndex = FItemIndex;
}

// The pop-up shows whole rows only.
void TExMultiColumnDropDown::AdjustDropDownHeight(Integer& Height) {
  Integer Bands = 0;
  if (DropDownHeader()->Visible()) Bands += DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) Bands += DropDownFooter()->Height();
  const Integer RowHeight = Max(1, FDropDownRowHeight);
  Height = Bands + FHeaderHeight + ((Height - Bands - FHeaderHeight - 2) / RowHeight) * RowHeight + 2;
}

bool TExMultiColumnDropDown::AllRowsVisible() {
  if (!FExColGrid || !FDropDownForm) return true;
  Integer Room = FDropDownForm->Height() - 2 * DropDownBorderWidth() - FExColGrid->GetRowHeights(0);
  if (DropDownHeader()->Visible()) Room -= DropDownHeader()->Height();
  if (DropDownFooter()->Visible()) Room -= DropDownFooter()->Height();
  Integer Needed = 0;
  for (Integer Row = 1; Row < FExColGrid->RowCount() && Needed <= Room; ++Row) Needed += FExColGrid->GetRowHeights(Row);
  return Needed <= Room;
}

void TExMultiColumnDropDown::SizeDropDownForm() {
  TExCustomDropDown::SizeDropDownForm();
  if (!FDropDownAutoWidth || !FDropDownForm || !FExColGrid) return;
  Integer Natural = 0;
  for (Integer Col = 0; Col < FExColGrid->ColCount(); ++Col) Natural += FExColGrid->GetColWidths(Col);
  if (!AllRowsVisible()) Natural += GetSystemMetrics(SM_CXVSCROLL);
  FExColGrid->SetAlign(alNone);
  FExColGrid->SetWidth(Natural);
  FDropDownForm->SetWidth(Natural + 2 * DropDownBorderWidth());
  FExColGrid->SetAlign(alClient);
}

// Spreads the pop-up's width over the columns in proportion to their
// widths, handing the rounding remainders on so that nothing is lost.
void TExMultiColumnDropDown::FitColumns() {
  if (!FExColGrid || !FDropDownForm) return;
  FExColGrid->SetScrollBars(ssVertical);
  const Integer Count = FColumns->Count();
  if (Count == 0) return;
  Integer Total = 1;
  for (Integer Col = 0; Col < Count; ++Col) Total += FColumns->Items(Col)->Width();
  Integer Room = FDropDownForm->Width();
  if (!AllRowsVisible()) Room -= GetSystemMetrics(SM_CXVSCROLL);
  const double Factor = double(Room) / double(Total);
  double Carried = 0;
  for (Integer Col = 0; Col < Count; ++Col) {
    const double Exact = Factor * FExColGrid->Columns()->Items(Col)->Width();
    Integer Width = Round(Exact);
    Carried += Exact - Width;
    if (Carried > 1) {
      ++Width;
      Carried -= 1;
    }
    FExColGrid->SetColWidths(Col, Width);
  }
}

void TExMultiColumnDropDown::DropDownFormSizing() {
  if (FColumnSizeWithDropDown) FitColumns();
}

void TExMultiColumnDropDown::DoShowDropDown() {
  if (!Enabled() || ReadOnly()) return;
  TExCustomDropDown::DoShowDropDown();
  if (FExColGrid && FDroppedDown) {
    if (FColumnSizeWithDropDown) FitColumns();
    if (FExColGrid->RowCount() > 1) {
      const Integer Target = FItemIndex < 0 ? 1 : FItemIndex + 1;
      FExColGrid->SetRow(Target);
      if (Target < FExColGrid->TopRow() || Target >= FExColGrid->TopRow() + FExColGrid->VisibleRowCount())
        FExColGrid->SetTopRow(Max(1, Target - FExColGrid->VisibleRowCount() + 1));
    }
  }
  FShowing = false;
}

void TExMultiColumnDropDown::DoHideDropDown(bool Cancel) {
  const bool Visible = FDropDownForm && FDropDownForm->Visible();
  TExCustomDropDown::DoHideDropDown(Cancel);
  if (!Visible || !FExColGrid) return;
  if (Cancel) {
    if (FItemIndex != FOldItemIndex) SetItemIndex(FOldItemIndex);
    return;
  }
  if (FExColGrid->ConfirmSelection()) SetItemIndex(FExColGrid->Row() - 1);
  FOldItemIndex = FItemIndex;
}

// --- list events ----------------------------------------------------------------------------------------------

void TExMultiColumnDropDown::ListRowSelected(Integer ARow) {
  if (FExColGrid->MouseWheelSelection() || FShowing) return;
  SetItemIndex(ARow - 1);
}

void TExMultiColumnDropDown::ListSelect(TObject*) {
  if (FExColGrid->ConfirmSelection()) SetItemIndex(FExColGrid->Row() - 1);
  DoHideDropDown(false);
  if (OnSelect) OnSelect(this);
}

void TExMultiColumnDropDown::DropDownControlKeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_RETURN) {
    DoHideDropDown(false);
    return;
  }
  if (Key == VK_ESCAPE) {
    DoHideDropDown(true);
    return;
  }
  if ((Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt)) return;
  TExCustomDropDown::DropDownControlKeyDown(Key, Shift);
}

void TExMultiColumnDropDown::DropDownControlKeyUp(Word& Key, TShiftState Shift) {
  if ((Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt)) return;
  TExCustomDropDown::DropDownControlKeyUp(Key, Shift);
}

// Characters, not keys, arrive here, so only Return and Esc stay out of
// the search: every printable character can be searched for.
void TExMultiColumnDropDown::DropDownControlKeyPress(Char& Key) {
  if (!FExColGrid) return;
  if (Key == VK_RETURN || Key == VK_ESCAPE || AltHeld() || FExColGrid->Options().Contains(goEditing)) return;
  SearchList(Key);
}

void TExMultiColumnDropDown::ShowFound(Integer Index) {
  FItemIndex = Index;
  SetText(LookupText(Index));
  const Integer Typed = Min(static_cast<Integer>(FLookupEntry.size()), static_cast<Integer>(Text().size()));
  SetSelStart(Typed);
  SetSelLength(static_cast<Integer>(Text().size()) - Typed);
}

void TExMultiColumnDropDown::SearchList(Char Key) {
  Integer Found = -1;
  if (Key == VK_BACK) {
    LookupBackspace(FLookupEntry);
  } else {
    if (Key != VK_TAB) FLookupEntry += Key;
    Found = FindPrefix(FLookupEntry);
    if (Found < 0) {
      Found = FindPrefix(String(1, Key));
      if (Found >= 0) FLookupEntry = String(1, Key);
    }
    if (Found >= 0) ShowFound(Found);
  }
  if (Found < 0) {
    FLookupEntry.clear();
    return;
  }
  const Integer Row = Found + 1;
  if (Row > FExColGrid->TopRow() + FExColGrid->VisibleRowCount() || Row < FExColGrid->TopRow())
    FExColGrid->SetTopRow(Row);
  FShowing = true;
  FExColGrid->SetRow(Row);
  FExColGrid->SetCol(0);
  FShowing = false;
}

// --- the closed edit ----------------------------------------------------------------------------------------------

void TExMultiColumnDropDown::ClosedKeyDown(Word Key) {
  const Integer Count = FItems->Count();
  if (Count == 0) return;
  const Integer Last = Count - 1;
  auto Step = [&](Integer Target) { SetItemIndex(FItemIndex < 0 ? 0 : Max(0, Min(Last, Target))); };
  switch (Key) {
    case VK_PRIOR: Step(FItemIndex - 10); break;
    case VK_NEXT: Step(FItemIndex + 10); break;
    case VK_UP: Step(FItemIndex - 1); break;
    case VK_DOWN: Step(FItemIndex + 1); break;
    case VK_HOME:
      if (!EditorEnabled()) SetItemIndex(0);
      break;
    case VK_END:
      if (!EditorEnabled()) SetItemIndex(Last);
      break;
    default: break;
  }
}

void TExMultiColumnDropDown::EditKeyDown(Word Key) {
  if (FLookupColumn < 0 || FItems->Count() == 0) return;
  if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) {
    FWorkMode = false;
  } else if (Key == VK_RETURN) {
    if (ReadOnly()) return;
    const String Typed = AnsiUpperCase(Text());
    for (size_t Index = 0; Index < FLookupKeys.size(); ++Index)
      if (FLookupKeys[Index] == Typed) {
        FItemIndex = Integer(Index);
        SetText(FLookupItems[Index]);
        break;
      }
  } else {
    FWorkMode = true;
  }
}

void TExMultiColumnDropDown::Dispatch(TMessage& M) {
  if (M.Msg == WM_KEYUP) {
    TExCustomDropDown::Dispatch(M);
    KeyUpCompletion();
    return;
  }
  if (M.Msg != WM_KEYDOWN) {
    TExCustomDropDown::Dispatch(M);
    return;
  }
  const Word Key = MsgAs<TWMKey>(M).CharCode;
  const bool WasOpen = FDroppedDown;
  EditKeyDown(Key);
  TExCustomDropDown::Dispatch(M);
  if (!Enabled() || ReadOnly() || AltHeld() || WasOpen) return;
  if (Key == VK_ESCAPE && FLookupColumn >= 0 && FItems->Count() > 0) {
    // The list's own comparison, which ignores case.
    const String Typed = AnsiUpperCase(Text());
    Integer Found = -1;
    for (size_t Index = 0; Index < FLookupKeys.size() && Found < 0; ++Index)
      if (FLookupKeys[Index] == Typed) Found = Integer(Index);
    SetItemIndex(Found);
    return;
  }
  ClosedKeyDown(Key);
}

void TExMultiColumnDropDown::Change() {
  TExCustomDropDown::Change();
  if (ComponentState().Contains(csDesigning) || !FWorkMode || !HandleAllocated() || !Focused()) return;
  FWorkMode = false;
  SetModifiedState(!Text().empty());
  const String Whole = Text();
  const String Typed = Whole.substr(0, size_t(Min(SelStart(), static_cast<Integer>(Whole.size()))));
  if (Typed.empty()) return;
  const String Upper = AnsiUpperCase(Typed);
  for (size_t Index = 0; Index < FLookupKeys.size(); ++Index) {
    if (FLookupKeys[Index].compare(0, Upper.size(), Upper) != 0) continue;
    const String Rest = FLookupItems[Index].substr(Upper.size(), 255);
    SetText(Typed + Rest);
    FItemIndex = Integer(Index);
    FItemIdx = Integer(Index);
    FItemSel = static_cast<Integer>(Typed.size());
    FItemChange = true;
    SendMessageW(Handle(), EM_SETSEL, WPARAM(Text().size()), LPARAM(Typed.size()));
    FWorkMode = true;
    return;
  }
  SetText(Typed);
  SetSelStart(static_cast<Integer>(Typed.size()));
  SetSelLength(0);
  FWorkMode = true;
}

void TExMultiColumnDropDown::KeyUpCompletion() {
  if (!FItemChange) return;
  FItemChange = false;
  SetItemIndex(FItemIdx);
  SendMessageW(Handle(), EM_SETSEL, WPARAM(Text().size()), LPARAM(FItemSel));
}

// --- wheel and looks -------------------------------------------------------------------------------------------------

void TExMultiColumnDropDown::DoWheelDown() {
  if (!Enabled() || ReadOnly() || FDroppedDown || FItems->Count() == 0) return;
  SetItemIndex(FItemIndex < 0 ? 0 : Min(FItemIndex + 1, FItems->Count() - 1));
}

void TExMultiColumnDropDown::DoWheelUp() {
  if (!Enabled() || ReadOnly() || FDroppedDown || FItems->Count() == 0) return;
  SetItemIndex(FItemIndex < 0 ? 0 : Max(FItemIndex - 1, 0));
}

void TExMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  SetGridSelectionLines(Value, FLineColor, FFixedLineColor);
  TExCustomDropDown::SetSelectionColorStyle(Value);
}

void STDMETHODCALLTYPE TExMultiColumnDropDown::SetComponentStyle(TZVQStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  ApplyGridLook(AStyle, true,
                {FHeaderColor, FHeaderColorTo, *FHeaderFont, FLineColor, FFixedLineColor, FSelectionTextColor});
}

}  // namespace jorv::dropdown
