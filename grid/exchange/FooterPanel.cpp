#include "grid/exchange/FooterPanel.h"
#include "foundation/HTMLRenderer.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Messages.h"

namespace jorv::grid {
using namespace jorv::foundation;

TFooterPanel::TFooterPanel(TComponent* AOwner, TRezIvevirAvod* AGrid) : TCustomPanel(AOwner), FGrid(AGrid) {
  SetBevelOuter(bvNone);
  SetBorderWidth(0);
  SetHeight(0);
  SetAlign(alBottom);
}

void TFooterPanel::CreateWnd() {
  TCustomPanel::CreateWnd();
  TFloatingFooter* F = FGrid->FloatingFooter();
  SetHeight(F->Visible() ? F->Height() : 0);
  if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(this);
}

Integer TFooterPanel::PaintedWidth() const {
  Integer W = 0;
  for (Integer c = 0; c < FGrid->FixedCols(); ++c) W += FGrid->GetColWidths(c);
  for (Integer c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c)
    W += FGrid->GetColWidths(c);
  return W;
}

Integer TFooterPanel::ColumnAt(Integer X) const {
  Integer Right = 0;
  for (Integer c = 0; c < FGrid->FixedCols(); ++c)
    if (X < (Right += FGrid->GetColWidths(c))) return c;
  for (Integer c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c)
    if (X < (Right += FGrid->GetColWidths(c))) return c;
  return -1;
}

void TFooterPanel::Paint() {
  TFloatingFooter* F = FGrid->FloatingFooter();
  Integer W = ClientWidth();
  switch (F->FooterStyle()) {
    case fsFixedLastRow: W = PaintFooterCalcs(); break;
    case fsColumnPreview: W = PaintColumnPreview(); break;
    case fsCustomPreview: W = PaintFooterTemplate(); break;
    case fsCustomPaint:
      if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, F->Column(), Canvas(), ClientRect());
      break;
  }
  if (F->BorderColor() != clNone) {
    Canvas()->Pen()->SetColor(F->BorderColor());
    Canvas()->MoveTo(0, 0);
    Canvas()->LineTo(W, 0);
  }
}

Integer TFooterPanel::PaintFooterCalcs() {
  const Integer W = PaintedWidth(), H = ClientHeight();
  TCanvas* C = Canvas();
  C->Brush()->SetColor(FGrid->FloatingFooter()->Color());
  C->FillRect(TRect(0, 0, W, H));
  C->Brush()->SetColor(FGrid->Color());
  C->FillRect(TRect(W, 0, ClientWidth(), H));
  const Integer Last = FGrid->RowCount() - 1;
  const bool VLines = FGrid->Options().Contains(goFixedVertLine);
  const Integer Top = FGrid->Options().Contains(goFixedHorzLine) ? 1 : 0;
  Integer X = 0;
  auto PaintColumn = [&](Integer c) {
    const TRect R(X, Top, X + FGrid->GetColWidths(c), H);
    const Integer Real = FGrid->RealColIndex(c);
    if (c >= FGrid->FixedCols()) FillFooterCell(Real, R);
    if (c >= FGrid->FixedCols() && FGrid->OnFooterPaint)
      FGrid->OnFooterPaint(this, Real, C, R);
    else if (FGrid->IsBaseCell(Real, Last))
      FGrid->PaintFooterCell(C, c, R);
    if (VLines) {
      C->Pen()->SetColor(FGrid->Look() == glVista ? FGrid->GridFixedLineColor() : TColor(0x808080));
      C->MoveTo(R.Right - 1, 0);
      C->LineTo(R.Right - 1, H);
    }
    X = R.Right;
  };
  for (Integer c = 0; c < FGrid->FixedCols(); ++c) PaintColumn(c);
  for (Integer c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c) PaintColumn(c);
  return W;
}

// The colour the application gives a footer cell, or the one set on the
// cell itself, under what is drawn in it.
void TFooterPanel::FillFooterCell(Integer RealCol, const TRect& R) {
  TCanvas* C = Canvas();
  const Integer Last = FGrid->RowCount() - 1;
  if (FGrid->OnGetCellColor) {
    C->Brush()->SetColor(clNone);
    FGrid->OnGetCellColor(FGrid, Last, RealCol, TGridDrawState{gdFixed}, C->Brush(), C->Font());
    if (C->Brush()->Color() != clNone) C->FillRect(R);
  }
  const TCellProperties* Props =
      FGrid->HasCellProperties(RealCol, Last) ? FGrid->GetCellProperties(RealCol, Last) : nullptr;
  if (Props && Props->BrushColor() != clNone) {
    C->Brush()->SetColor(Props->BrushColor());
    C->FillRect(R);
  }
}

void TFooterPanel::FillAndFrame(Integer W) {
  TCanvas* C = Canvas();
  const Integer H = ClientHeight();
  C->Brush()->SetColor(FGrid->FloatingFooter()->Color());
  C->FillRect(TRect(0, 0, W, H));
  C->Brush()->SetColor(FGrid->Color());
  C->FillRect(TRect(W, 0, ClientWidth(), H));
  C->Pen()->SetColor(0xFFFFFF);
  C->MoveTo(0, H - 1);
  C->LineTo(0, 0);
  C->LineTo(W - 1, 0);
  C->Pen()->SetColor(0x808080);
  C->LineTo(W - 1, H - 1);
  C->LineTo(0, H - 1);
}

Integer TFooterPanel::PaintColumnPreview() {
  const Integer W = PaintedWidth();
  FillAndFrame(W);
  const TRect R(2, 2, W - 2, ClientHeight() - 2);
  const Integer Col = FGrid->FloatingFooter()->Column();
  if (FGrid->OnFooterPaint) {
    FGrid->OnFooterPaint(this, Col, Canvas(), R);
  } else {
    const TColor Keep = FGrid->SelectionTextColor();
    FGrid->SetSelectionTextColor(clBlack);
    FGrid->DrawGridCell(Canvas(), FGrid->DisplColIndex(Col), FGrid->Row(), R, TGridDrawState{}, true);
    FGrid->SetSelectionTextColor(Keep);
  }
  return W;
}

Integer TFooterPanel::PaintFooterTemplate() {
  const Integer W = PaintedWidth();
  FillAndFrame(W);
  TCanvas* C = Canvas();
  C->Font()->Assign(FGrid->Font());
  C->Brush()->SetStyle(bsClear);
  const String Text = ExpandFooterTemplate(FGrid, FGrid->FloatingFooter()->CustomTemplate(), FGrid->Row());
  String Url, Plain, Focused, Title, CtlID, CtlType, CtlValue;
  Integer Wd = 0, Ht = 0, Anchors = 0, AnchorAt = 0;
  TRect AnchorRect, CtlRect;
  DrawHTMLText(C, Text, TRect(4, 2, W - 2, ClientHeight()), FGrid->GridImages(), -1, -1, -1, -1, 0, false, false,
               false, false, false, false, false, false, L"", 1.0, FGrid->URLColor(), clNone, clNone, clGray, Url,
               Plain, Focused, Title, Wd, Ht, Anchors, AnchorAt, AnchorRect, CtlRect, CtlID, CtlType, CtlValue,
               FGrid->PictureCache(), nullptr, Handle(), 0);
  return W;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomPanel::MouseUp(Button, Shift, X, Y);
  if (FGrid->OnClick) FGrid->OnClick(FGrid);
  const Integer Col = ColumnAt(X);
  if (FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, Col);
}

void TFooterPanel::CMHintShow(TMessage& Message) {
  THintInfo* Info = MsgAs<TCMHintShow>(Message).HintInfo;
  const Integer Col = Info ? ColumnAt(Info->CursorPos.X) : -1;
  if (Col >= 0 && FGrid->OnGridHint) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, Col, Info->HintStr);
  const bool Shows = FGrid->FloatingFooter()->ShowHint();
  FLastHintX = Shows && Col >= 0 ? Col : -1;
  Message.Result = Shows ? 0 : 1;
}

// A hint belongs to its column: moving to the next one takes it away, so
// that the next pause shows that column's own.
void TFooterPanel::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TCustomPanel::MouseMove(Shift, X, Y);
  if (FLastHintX == -1 || ColumnAt(X) == FLastHintX) return;
  FLastHintX = -1;
  if (Application) Application->CancelHint();
}

void TFooterPanel::MouseLeave() {
  TCustomPanel::MouseLeave();
  FLastHintX = -1;
}

String ExpandFooterTemplate(TRezIvevirAvod* Grid, const String& Template, Integer Row) {
  String Result;
  size_t At = 0;
  for (;;) {
    const size_t Open = Template.find(L"<#", At);
    const size_t Close = Open == String::npos ? String::npos : Template.find(L'>', Open + 2);
    if (Close == String::npos) return Result + Template.substr(At);
    Result += Template.substr(At, Open - At);
    Integer Col = -1;
    if (TryStrToInt(Template.substr(Open + 2, Close - Open - 2), Col) && Col >= 0 && Col < Grid->AllColCount() &&
        Row >= 0 && Row < Grid->RowCount())
      Result += Grid->GetCells(Col, Row);
    At = Close + 1;
  }
}

// --- the settings object's writers ------------------------------------------------------------

void TFloatingFooter::SetBorderColor(TColor Value) {
  if (FBorderColor == Value) return;
  FBorderColor = Value;
  Invalidate();
}

void TFloatingFooter::SetColor(TColor Value) {
  FColor = Value;
  Invalidate();
}

void TFloatingFooter::SetColumn(Integer Value) {
  FColumn = Value;
  Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const String& Value) {
  FCustomTemplate = Value;
  Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value) {
  FShowHint = Value;
  if (FGrid && FGrid->FooterPanelMade()) FGrid->FooterPanel()->SetShowHint(Value);
}

void TFloatingFooter::Invalidate() {
  if (FGrid && FGrid->FooterPanelMade()) FGrid->FooterPanel()->Invalidate();
}

void TFloatingFooter::SetHeight(Integer Value) {
  FHeight = Value;
  if (FGrid && FGrid->FooterPanelMade() && Value > 0 && FVisible) FGrid->FooterPanel()->SetHeight(Value - 1);
}

void TFloatingFooter::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (!FGrid) return;
  TFooterPanel* Panel = FGrid->FooterPanel();
  Panel->SetHeight(Value && FHeight > 0 ? FHeight - 1 : 0);
  Panel->SetVisible(Value);
  FGrid->SetFixedFooters(Value && FFooterStyle == fsFixedLastRow ? 1 : 0);
  FollowExtraRow();
  if (FGrid->FixedRows() > 0) FGrid->SetFixedRowAlways(true);
  FGrid->FloatingFooterChanged();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
  FFooterStyle = Value;
  if (!FGrid) return;
  FollowExtraRow();
  if (FVisible) FGrid->SetFixedFooters(FFooterStyle == fsFixedLastRow ? 1 : 0);
  FGrid->FloatingFooterChanged();
  Invalidate();
}

// The preview styles add an empty row so that the panel covers no data;
// it goes again only while it is still empty, so nothing typed into it
// since is lost.
void TFloatingFooter::FollowExtraRow() {
  if (!FGrid || FGrid->ComponentState().Contains(csDesigning)) return;
  const bool Want = FVisible && FFooterStyle != fsFixedLastRow;
  if (Want && !FDidInc) {
    FGrid->SetRowCount(FGrid->RowCount() + 1);
    FDidInc = true;
  } else if (!Want && FDidInc) {
    FDidInc = false;
    const Integer Last = FGrid->RowCount() - 1;
    bool Empty = Last >= FGrid->FixedRows();
    for (Integer c = 0; Empty && c < FGrid->AllColCount(); ++c) Empty = FGrid->GetGridCell(c, Last).empty();
    if (Empty) FGrid->SetRowCount(Last);
  }
}

TColumnCalcType TFloatingFooter::ColumnCalc(Integer ACol) const {
  if (!FGrid || FGrid->RowCount() == 0 || !FGrid->HasCellProperties(ACol, FGrid->RowCount() - 1)) return acNONE;
  return static_cast<TColumnCalcType>(FGrid->GetCellProperties(ACol, FGrid->RowCount() - 1)->CalcType() & 0x7F);
}

void TFloatingFooter::SetColumnCalc(Integer ACol, TColumnCalcType Value) {
  if (!FGrid || FGrid->RowCount() == 0) return;
  FGrid->GetCellProperties(ACol, FGrid->RowCount() - 1)->SetCalcType(Value);
  FGrid->CalcFooter(ACol);
}

// --- the grid's side --------------------------------------------------------------------------

// Drawn by the cell painter straight into the panel's rectangle: the
// grid's own cell drawing would place it at the row's place in the grid,
// and blank it, since the grid hides the row the footer shows.
void TRezIvevirAvod::PaintFooterCell(TCanvas* Canvas, Integer ACol, const TRect& Rect) {
  Canvas->Font()->Assign(Font());
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(FixedColor());
  DrawGridCellContent(Canvas, ACol, RowCount() - 1, Rect, TGridDrawState{gdFixed});
}

TFooterPanel* TRezIvevirAvod::CreateFooterPanel() { return new TFooterPanel(this, this); }

TFooterPanel* TRezIvevirAvod::FooterPanel() {
  if (!FFooterPanel) {
    FFooterPanel = CreateFooterPanel();
    FFooterPanel->SetVisible(FFloatingFooter->Visible());
    FFooterPanel->SetParent(this);
  }
  return FFooterPanel;
}

void TRezIvevirAvod::FloatingFooterChanged() {
  FHideLastRow = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
  Invalidate();
  CalcFooter(-1);
}

void TRezIvevirAvod::UpdateFooter() {
  if (FFooterPanel) FFooterPanel->Invalidate();
}

void TRezIvevirAvod::FooterRowChanged() {
  TBaseGrid::FooterRowChanged();
  UpdateFooter();
}

}  // namespace jorv::grid
