// Data cells drawn as graphics (check boxes, pictures, progress bars, data
// images), the record indicator, and the looks the columns give.
#include <algorithm>
#include "grid/components/BlobPicture.h"
#include "grid/components/RERorAzaz.h"
#include "platform/data/DataSet.h"
#include "platform/data/Fields.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "foundation/ValueUtils.h"

namespace jorv::grid {

namespace {

TCellHAlign CellHAlignOf(TAlignment A) {
  return A == taRightJustify ? haRight : A == taCenter ? haCenter : haLeft;
}

TCellVAlign CellVAlignOf(TVAlignment A) { return A == vtaCenter ? vaCenter : A == vtaBottom ? vaBottom : vaTop; }

// The shared graphic serves one cell at a time and owns nothing.
void ResetShared(TCellGraphic* G) {
  G->SetCellCreated(false);
  G->SetCellBitmap(nullptr);
  G->SetCellIcon(nullptr);
  G->SetCellType(ctEmpty);
  G->SetCellAngle(0);
  G->SetCellIndex(0);
}

}  // namespace

// --- cell types and graphics -----------------------------------------------------------------------

TCellType TRERorAzaz::GetCellType(Integer ACol, Integer ARow) {
  TCellType Result = TRezIvevirAvod::GetCellType(ACol, ARow);
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (!ActiveDataSet() || !Item || ARow < FixedRows() || ACol < 0) return Result;
  TField* Field = FieldOfColumn(ACol);
  if ((Field && Field->DataType() == ftBoolean && FShowBooleanFields) || Item->CheckBoxField()) return ctCheckBox;
  if (Item->DataImageField() && Field && (Field->DataType() == ftSmallint || Field->DataType() == ftInteger) &&
      Result == ctEmpty)
    return ctDataImage;
  if (Item->Editor() == edDataCheckBox && Result == ctEmpty && ACol < ColCount() - FixedRightCols() &&
      ARow < RowCount() - FixedFooters())
    return ctDataCheckBox;
  return Result;
}

TCellGraphic* TRERorAzaz::GetCellGraphic(Integer ACol, Integer ARow) {
  TCellGraphic* Stored = TRezIvevirAvod::GetCellGraphic(ACol, ARow);
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (Stored || ComponentState().Contains(csDestroying) || !Item || !FDataLink) return Stored;
  const bool DataCell = ACol >= FixedCols() && ACol < ColCount() - FixedRightCols() && ARow >= FixedRows() &&
                        ARow < RowCount() - FixedFooters();
  const bool Flat = ControlLook()->ControlStyle() == csFlat;
  ResetShared(FCellGraphic.get());
  if (DataCell && Item->Editor() == edDataCheckBox) {
    FCellGraphic->SetCellType(ctVirtCheckBox);
    FCellGraphic->SetCellTransparent(Flat);
    return FCellGraphic.get();
  }
  if (!FPageMode || !ActiveDataSet() || ACol < 0 || ARow < 0) return nullptr;
  TField* Field = FieldOfColumn(ACol);
  return FieldGraphic(ACol, ARow, Item, Field) ? FCellGraphic.get() : nullptr;
}

// Fills the shared graphic for a field cell; false when the cell has none.
bool TRERorAzaz::FieldGraphic(Integer ACol, Integer ARow, TDBGridColumnItem* Item, TField* Field) {
  TCellGraphic* G = FCellGraphic.get();
  const bool DataRow = ARow >= FixedRows();
  const bool FieldColumn = ACol >= FirstFieldColumn();
  const bool LastRow = ARow == RowCount() - 1;
  const bool FooterRow = LastRow && FloatingFooter()->Visible();
  const bool Flat = ControlLook()->ControlStyle() == csFlat;
  const TCellHAlign HA = CellHAlignOf(Item->Alignment());
  const TCellVAlign VA = CellVAlignOf(VAlignment());
  if (FieldColumn && FShowBooleanFields && DataRow && !FooterRow && Field && Field->DataType() == ftBoolean) {
    bool Value = false;
    if (!ReadAtRow(ARow, [&] { Value = Field->AsBoolean(); })) return false;
    G->SetCheckBox(Value, false, Flat, HA, VA);
    return true;
  }
  if (Item->CheckBoxField() && DataRow && !FooterRow && Item->FieldName().empty()) {
    G->SetCheckBox(false, false, Flat, HA, VA);
    return true;
  }
  if (Item->ProgressField() && DataRow && !FooterRow) {
    G->SetCellType(ctProgress);
    G->SetCellBitmapColor(Item->ProgressColor());
    G->SetCellIconColor(Item->ProgressBKColor());
    G->SetCellIndex(Item->ProgressTextColor());
    G->SetCellAngle(Item->ProgressTextBKColor());
    G->SetCellErrFrom(0);
    G->SetCellErrLen(100);
    G->SetCellBoolean(true);
    return true;
  }
  if (Item->CheckBoxField() && ARow == 0 && MouseActions()->CheckAllCheck()) {
    G->SetCheckBox(false, false, Flat, CellHAlignOf(Item->HeaderAlignment()), VA);
    return true;
  }
  if (!FieldColumn || !DataRow || !Field) return false;
  const bool BoundBoxBlocked = LastRow && FooterLastRowVisible();
  if (Item->CheckBoxField() && !BoundBoxBlocked) {
    String Text;
    if (!ReadAtRow(ARow, [&] { Text = Field->DisplayText(); })) return false;
    if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Text);
    G->SetCheckBox(SameText(Text, Item->CheckTrue()), false, Flat, HA, VA);
    return true;
  }
  const bool Picture = (FShowPictureFields && Field->DataType() == ftGraphic && !FooterRow) || Item->PictureField();
  if (Picture) {
    FPicture->Assign(nullptr);
    if (!ReadAtRow(ARow, [&] {
          if (Item->PictureField()) LoadFieldPicture(Field, ACol, ARow);
          else LoadBlobGraphic(Field, ACol, ARow);
        }))
      return false;
    G->SetPicture(FPicture.get(), true, Item->PictureStretch(), 4, haCenter, vaCenter);
    return true;
  }
  const TFieldType T = Field->DataType();
  if (Item->DataImageField() && (T == ftSmallint || T == ftInteger || T == ftWord || T == ftBlob)) {
    Integer Index = 0;
    if (!ReadAtRow(ARow, [&] { Index = Field->AsInteger(); })) return false;
    G->SetDataImage(0, haCenter, vaCenter);
    G->SetCellTransparent(true);
    G->SetCellAngle(2);
    (void)Index;
    return true;
  }
  return false;
}

void TRERorAzaz::DoInvalidPicture(Integer ACol, Integer ARow) {
  FPicture->Assign(FInvalidPicture.get());
  if (OnInvalidPicture) OnInvalidPicture(this, ACol, ARow);
}

void TRERorAzaz::LoadBlobGraphic(TField* Field, Integer ACol, Integer ARow) {
  try {
    auto* Blob = dynamic_cast<TBlobField*>(Field);
    LoadBlobPicture(Blob ? Blob->AsBytes() : TBytes(), FPicture.get());
  } catch (const Exception&) {
    DoInvalidPicture(ACol, ARow);
  }
}

TPoint TRERorAzaz::LoadFieldPicture(TField* Field, Integer ACol, Integer ARow) {
  try {
    TBytes Bytes;
    if (OnFieldToStream) {
      TMemoryStream Stream;
      OnFieldToStream(this, ACol, ARow, Field, &Stream);
      Stream.Seek(0, soBeginning);
      Bytes = ReadStreamRest(&Stream);
    } else if (auto* Blob = dynamic_cast<TBlobField*>(Field)) {
      Bytes = Blob->AsBytes();
    }
    LoadSniffedPicture(Bytes, FPicture.get());
  } catch (const Exception&) {
    DoInvalidPicture(ACol, ARow);
  }
  return TPoint(FPicture->Width(), FPicture->Height());
}

// --- the record indicator --------------------------------------------------------------------------

void TRERorAzaz::DrawGridCellContent(TCanvas* Canvas, Integer ACol, Integer ARow, TRect ARect,
                                     TGridDrawState AState) {
  TRezIvevirAvod::DrawGridCellContent(Canvas, ACol, ARow, ARect, AState);
  if (!ActiveDataSet() || !FShowDBIndicator || !FPageMode || ACol != 0 || ARow != Row() || FixedCols() == 0 ||
      RowCount() <= FixedRows() || ARow < FixedRows())
    return;
  if (RowIndicator() && !RowIndicator()->Empty()) return;
  DrawRecordIndicator(Canvas, ARect);
}

// An arrow while browsing, an I-beam while editing, an asterisk while
// inserting.
void TRERorAzaz::DrawRecordIndicator(TCanvas* Canvas, TRect ARect) {
  Canvas->Brush()->SetColor(clBlack);
  Canvas->Pen()->SetColor(clBlack);
  Canvas->Pen()->SetWidth(1);
  const Integer H = ARect.Height(), W = ARect.Width();
  const Integer Y = ARect.Top + (VAlignment() == vtaTop ? 1 : VAlignment() == vtaCenter ? (H - 11) / 2 : H - 13);
  const TAlignment A = ItemAt(0) ? ItemAt(0)->Alignment() : taLeftJustify;
  const Integer X = ARect.Left + (A == taLeftJustify ? 3 : A == taRightJustify ? W - 10 : (W - 5) / 2);
  auto Line = [&](Integer X1, Integer Y1, Integer X2, Integer Y2) {
    Canvas->MoveTo(X + X1, Y + Y1);
    Canvas->LineTo(X + X2, Y + Y2);
  };
  switch (LinkedDataSet()->State()) {
    case dsEdit:
      Line(2, 1, 2, 9);
      Line(3, 1, 3, 9);
      Line(0, 0, 2, 0);
      Line(4, 0, 6, 0);
      Line(0, 9, 2, 9);
      Line(4, 9, 6, 9);
      break;
    case dsInsert:
      Line(0, 4, 6, 4);
      Line(1, 2, 5, 7);
      Line(1, 6, 5, 1);
      break;
    default: Canvas->Polygon({TPoint(X, Y), TPoint(X, Y + 10), TPoint(X + 5, Y + 5)}); break;
  }
}

// --- looks from the columns ------------------------------------------------------------------------

void TRERorAzaz::GetCellColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (Item && ACol >= FixedCols() && ACol < ColCount() - FixedRightCols() && ARow < RowCount() - FixedFooters()) {
    if (Item->Fixed()) ABrush->SetColor(FixedColor());
    else if (ARow >= FixedRows() && !(Item->ShowBands() && Bands()->Active())) ABrush->SetColor(Item->Color());
    AFont->Assign(ARow < FixedRows() ? Item->HeaderFont() : Item->Font());
  }
  TRezIvevirAvod::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TRERorAzaz::GetCellBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) {
  if (TDBGridColumnItem* Item = ItemAt(ACol); Item && ARow >= FixedRows() && ACol >= FixedCols()) {
    Borders = Item->Borders();
    APen->Assign(Item->BorderPen());
  }
  TRezIvevirAvod::GetCellBorder(ACol, ARow, APen, Borders);
}

void TRERorAzaz::DoGetAlignment(Integer ACol, Integer ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  Integer Index = ACol;
  if (GroupColumn() >= 0 && ACol >= GroupColumn()) ++Index;
  if (TDBGridColumnItem* Item = ItemAt(Index)) HAlign = ARow < FixedRows() ? Item->HeaderAlignment() : Item->Alignment();
  else HAlign = taRightJustify;
  TRezIvevirAvod::DoGetAlignment(ACol, ARow, HAlign, VAlign);
}

void TRERorAzaz::DoGetFormat(Integer ACol, TSortStyle& AStyle, String& Prefix, String& Suffix) {
  if (TDBGridColumnItem* Item = ItemAt(ACol)) {
    AStyle = Item->SortStyle();
    Prefix = Item->SortPrefix();
    Suffix = Item->SortSuffix();
  }
  TRezIvevirAvod::DoGetFormat(ACol, AStyle, Prefix, Suffix);
}

void TRERorAzaz::IsFixedCell(Integer ACol, Integer ARow, bool& IsFixed) {
  TRezIvevirAvod::IsFixedCell(ACol, ARow, IsFixed);
  if (TDBGridColumnItem* Item = ItemAt(ACol); Item && Item->Fixed() && ARow >= FixedRows()) IsFixed = true;
}

void TRERorAzaz::DoIsPasswordCell(Integer ACol, Integer ARow, bool& IsPassword) {
  TRezIvevirAvod::DoIsPasswordCell(ACol, ARow, IsPassword);
  if (TDBGridColumnItem* Item = ItemAt(ACol); Item && Item->Password() && ARow >= FixedRows()) IsPassword = true;
}

void TRERorAzaz::GetCellCheckTrue(Integer ACol, Integer ARow, String& Value) {
  TRezIvevirAvod::GetCellCheckTrue(ACol, ARow, Value);
  if (TDBGridColumnItem* Item = ItemAt(ACol); Item && ARow >= FixedRows()) Value = Item->CheckTrue();
}

void TRERorAzaz::GetCellCheckFalse(Integer ACol, Integer ARow, String& Value) {
  TRezIvevirAvod::GetCellCheckFalse(ACol, ARow, Value);
  if (TDBGridColumnItem* Item = ItemAt(ACol); Item && ARow >= FixedRows()) Value = Item->CheckFalse();
}

TCustomImageList* TRERorAzaz::GetCellImageList(Integer ACol, Integer ARow) {
  if (TDBGridColumnItem* Item = ItemAt(ACol); Item && Item->Images()) return Item->Images();
  return TRezIvevirAvod::GetCellImageList(ACol, ARow);
}

void TRERorAzaz::DoUpdateColumnSize(Integer ACol, Integer& AWidth) {
  if (TDBGridColumnItem* Item = ItemAt(ACol)) {
    if (Item->MinSize() > 0) AWidth = std::max(AWidth, Item->MinSize());
    if (Item->MaxSize() > 0) AWidth = std::min(AWidth, Item->MaxSize());
  }
  TRezIvevirAvod::DoUpdateColumnSize(ACol, AWidth);
}

void TRERorAzaz::DoUpdateAutoColumnSize(Integer ACol, Integer& AWidth) {
  if (TDBGridColumnItem* Item = ItemAt(ACol)) {
    if (Item->AutoMinSize() > 0) AWidth = std::max(AWidth, Item->AutoMinSize());
    if (Item->AutoMaxSize() > 0) AWidth = std::min(AWidth, Item->AutoMaxSize());
  }
  TRezIvevirAvod::DoUpdateAutoColumnSize(ACol, AWidth);
}

void TRERorAzaz::GetCellPrintColor(Integer ACol, Integer ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
  TDBGridColumnItem* Item = ItemAt(ACol);
  if (Item && !HasCellProperties(ACol, ARow)) {
    const bool Data = ACol >= FixedCols() && ACol < ColCount() - FixedRightCols() && ARow >= FixedRows() &&
                      ARow < RowCount() - FixedFooters();
    if (Data) {
      if (Item->Fixed()) ABrush->SetColor(FixedColor());
      else if (!(Item->ShowBands() && Bands()->Active() && Bands()->Print())) ABrush->SetColor(Item->PrintColor());
      AFont->Assign(Item->PrintFont());
    } else {
      AFont->Assign(PrintSettings()->FixedFont());
    }
  }
  TRezIvevirAvod::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TRERorAzaz::GetCellPrintBorder(Integer ACol, Integer ARow, TPen* APen, TCellBorders& Borders) {
  if (TDBGridColumnItem* Item = ItemAt(ACol); Item && ARow >= FixedRows() && ACol >= FixedCols()) {
    Borders = Item->PrintBorders();
    APen->Assign(Item->PrintBorderPen());
  }
  TRezIvevirAvod::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

// A column's float format shapes the numbers it shows.
String TRERorAzaz::GetFormattedCell(Integer ACol, Integer ARow) {
  Integer Index = ACol;
  if (GroupColumn() >= 0 && ACol >= GroupColumn()) ++Index;
  TDBGridColumnItem* Item = ItemAt(Index);
  if (!Item) return TRezIvevirAvod::GetFormattedCell(ACol, ARow);
  const String Text = GetCells(ACol, ARow);
  String Format = Item->FloatFormat();
  const Integer Kind = foundation::NumberTextKind(Text);
  bool IsFloat = Kind == 0 || Kind == 1 || Kind == 5;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, IsFloat, Format);
  if (Format.empty() || !IsFloat) return Text;
  try {
    return jorv::Format(Format, {StrToFloat(Text)});
  } catch (const Exception&) {
    return Text;
  }
}

bool TRERorAzaz::FilterDropDownValues(Integer ACol, bool AQuick) {
  FilterList()->Clear();
  if (!FPageMode && FilterDropDownAuto()) TRezIvevirAvod::FilterDropDownValues(ACol, AQuick);
  if (TDBGridColumnItem* Item = ItemAt(ACol)) FilterList()->AddStrings(Item->Filter());
  if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, FilterList());
  return FilterList()->Count() > 0;
}

void TRERorAzaz::ColumnHeadersChanged() {
  for (Integer i = 0; i < FColumnCollection->Count() && i < ColumnHeaders()->Count(); ++i)
    FColumnCollection->Items(i)->SetHeader(ColumnHeaders()->Strings(i));
}

void TRERorAzaz::MouseActionsChanged() {
  TRezIvevirAvod::MouseActionsChanged();
  // In page mode the rows are the data set's: the wheel moves the record.
  if (FPageMode && MouseActions()->WheelAction() == waScroll) MouseActions()->SetWheelAction(waMoveSelection);
}

void TRERorAzaz::ColWidthsChanged() {
  TRezIvevirAvod::ColWidthsChanged();
  if (!FColumnCollection) return;
  for (Integer c = 0; c < ColCount(); ++c)
    if (TDBGridColumnItem* Item = ItemAt(RealColIndex(c))) Item->FWidth = GetColWidths(c);
}

// A moved column takes its item (binding, looks, width) along.
void TRERorAzaz::ColumnMoved(Integer FromIndex, Integer ToIndex) {
  const Integer RealFrom = RealColIndex(FromIndex), RealTo = RealColIndex(ToIndex);
  TRezIvevirAvod::ColumnMoved(FromIndex, ToIndex);
  if (!FColumnCollection || RealFrom == RealTo) return;
  TColumnGuard Guard(FColumnCollection.get());
  SyncColumnCount();
  if (TDBGridColumnItem* Item = ItemAt(RealFrom)) Item->SetIndex(RealTo);
}

}  // namespace jorv::grid
