// Scrolling the extended grid: its four scroll looks (the platform's bars,
// the common controls' flat bars bound by name, and the thin "metro" bars
// of its own), thumbs in proportion to the visible part, the scroll hint,
// live thumb scrolling, grids that scroll along, drag auto-scroll and the
// stepped scroll of a flick.
#include <algorithm>
#include <cmath>
#include <vector>
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ScrollControl.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/FlatScrollBars.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Timer.h"

namespace jorv::grid {

namespace {

// The flat bars' properties (the common controls' WSB_PROP_ values).
constexpr UINT PropVertStyle = 0x100, PropHorzStyle = 0x200, PropVertBkColor = 0x40, PropHorzBkColor = 0x80,
               PropVertWidth = 0x8, PropHorzHeight = 0x4;

bool ShowsVertical(TScrollStyle Bars) { return Bars == ssVertical || Bars == ssBoth; }
bool ShowsHorizontal(TScrollStyle Bars) { return Bars == ssHorizontal || Bars == ssBoth; }

// The plain text editors move with their cell; every other editor (lists,
// pickers, buttons) would be left floating over another cell, so it closes.
bool FollowsTheView(TEditorType Kind) {
  return Kind == edNormal || Kind == edCapital || Kind == edLowerCase || Kind == edUpperCase ||
         Kind == edValidChars;
}

}  // namespace

// --- scroll looks -----------------------------------------------------------------------------

void TRezIvevirAvod::SetScrollType(TScrollType Value) {
  if (Value != FScrollType) {
    FScrollType = Value;
    if (Value == ssFlat || Value == ssEncarta) {
      InitFlatScrollBars();
      UpdateFlatScrollBars();
    } else {
      DoneFlatScrollBars();
    }
    if (HandleAllocated()) {
      if (Value == ssMetro) {
        CreateMetroScrollBars();
        SetScrollBars(ssNone);
      } else if (FVScrollControl || FHScrollControl) {
        FreeScrollControls();
        SetScrollBars(ssBoth);
      }
    }
  }
  ApplyScrollStyle();
}

void TRezIvevirAvod::InitFlatScrollBars() {
  const TFlatScrollBarApi& Api = FlatScrollBarApi();
  FIsFlat = Api.InitializeFlatSB != nullptr;
  if (FIsFlat && HandleAllocated()) Api.InitializeFlatSB(Handle());
}

void TRezIvevirAvod::DoneFlatScrollBars() {
  const bool WasFlat = FIsFlat;
  FIsFlat = false;
  const TFlatScrollBarApi& Api = FlatScrollBarApi();
  if (WasFlat && Api.UninitializeFlatSB && HandleAllocated()) Api.UninitializeFlatSB(Handle());
}

void TRezIvevirAvod::FlatSetScrollInfo(UINT Bar, const SCROLLINFO& Info, bool Redraw) {
  const TFlatScrollBarApi& Api = FlatScrollBarApi();
  if (!Api.FlatSB_SetScrollInfo || !HandleAllocated()) return;
  SCROLLINFO Copy = Info;
  Api.FlatSB_SetScrollInfo(Handle(), int(Bar), &Copy, Redraw);
}

void TRezIvevirAvod::FlatSetScrollProp(UINT Index, INT_PTR Value, bool Redraw) {
  const TFlatScrollBarApi& Api = FlatScrollBarApi();
  if (FIsFlat && Api.FlatSB_SetScrollProp && HandleAllocated()) Api.FlatSB_SetScrollProp(Handle(), Index, Value, Redraw);
}

void TRezIvevirAvod::FlatShowScrollBar(UINT Bar, bool Show) {
  const TFlatScrollBarApi& Api = FlatScrollBarApi();
  if (!FIsFlat || !Api.FlatSB_ShowScrollBar || !HandleAllocated()) return;
  if (Bar == SB_HORZ && !ShowsHorizontal(ScrollBars())) return;
  if (Bar == SB_VERT && !ShowsVertical(ScrollBars())) return;
  Api.FlatSB_ShowScrollBar(Handle(), int(Bar), Show);
}

void TRezIvevirAvod::ApplyScrollStyle() {
  if (FScrollType == ssMetro) return;
  const INT_PTR Style = FScrollType == ssFlat ? 2 : FScrollType == ssEncarta ? 1 : 0;
  FlatSetScrollProp(PropVertStyle, Style, true);
  FlatSetScrollProp(PropHorzStyle, Style, true);
}

void TRezIvevirAvod::ApplyScrollColor() {
  if (FScrollColor == clNone) return;
  FlatSetScrollProp(PropVertBkColor, INT_PTR(ColorToRGB(FScrollColor)), true);
  FlatSetScrollProp(PropHorzBkColor, INT_PTR(ColorToRGB(FScrollColor)), true);
}

void TRezIvevirAvod::ApplyScrollWidth() {
  FlatSetScrollProp(PropVertWidth, FScrollWidth, true);
  FlatSetScrollProp(PropHorzHeight, FScrollWidth, true);
}

void TRezIvevirAvod::SetScrollColor(TColor Value) {
  FScrollColor = Value;
  ApplyScrollColor();
}

void TRezIvevirAvod::SetScrollWidth(Integer Value) {
  FScrollWidth = Value;
  ApplyScrollWidth();
}

void TRezIvevirAvod::SyncFlatVertBar() {
  if (!ShowsVertical(ScrollBars()) || !FIsFlat || !HandleAllocated()) return;
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  if (GetScrollInfo(Handle(), SB_VERT, &Info)) FlatSetScrollInfo(SB_VERT, Info, true);
}

void TRezIvevirAvod::SyncFlatHorzBar() {
  if (!ShowsHorizontal(ScrollBars()) || !FIsFlat || !HandleAllocated()) return;
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  if (GetScrollInfo(Handle(), SB_HORZ, &Info)) FlatSetScrollInfo(SB_HORZ, Info, true);
}

void TRezIvevirAvod::UpdateFlatScrollBars() {
  ApplyScrollStyle();
  ApplyScrollColor();
  ApplyScrollWidth();
  FlatShowScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
  SyncFlatVertBar();
  FlatShowScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
  SyncFlatHorzBar();
}

void TRezIvevirAvod::CreateMetroScrollBars() {
  auto Make = [this](Integer Direction) {
    auto* Bar = new TScrollControl(this, Direction);
    Bar->SetParent(this);
    Bar->SetDoubleBuffered(true);
    if (Direction == 0) {
      Bar->SetWidth(6);
      Bar->SetAlign(alRight);
    } else {
      Bar->SetHeight(6);
      Bar->SetAlign(alBottom);
    }
    Bar->SetVisible(true);
    return Bar;
  };
  if (!FVScrollControl) FVScrollControl = Make(0);
  if (!FHScrollControl) FHScrollControl = Make(1);
}

void TRezIvevirAvod::FreeScrollControls() {
  delete FVScrollControl;
  FVScrollControl = nullptr;
  delete FHScrollControl;
  FHScrollControl = nullptr;
}

void TRezIvevirAvod::RepaintScrollControls() {
  for (TScrollControl* Bar : {FVScrollControl, FHScrollControl})
    if (Bar) Bar->Invalidate();
}

// --- proportional thumbs ------------------------------------------------------------------------

void TRezIvevirAvod::SetScrollProportional(bool Value) {
  FScrollProportional = Value;
  if (Value) {
    UpdateVertScrollProportion();
    UpdateHorzScrollProportion();
    return;
  }
  if (FIsFlat && FScrollType == ssNormal) DoneFlatScrollBars();
  // The thumbs go back to the framework's range, which the position is
  // read in again.
  if (!HandleAllocated()) return;
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, ScrollSteps, 0, 0, 0};
  for (int Bar : {SB_VERT, SB_HORZ}) SetScrollInfo(Handle(), Bar, &Info, TRUE);
  UpdateScrollPos();
}

// The thumb's length follows the visible share of the scrolling rows,
// while its positions stay 0 .. 127, the framework's range.
void TRezIvevirAvod::UpdateVertScrollProportion() {
  if (Loading() || Designing() || !FScrollProportional || FScrollType == ssMetro || !HandleAllocated()) return;
  if (!ShowsVertical(ScrollBars()) || FScrollLock || VisibleRowCount() + FixedRows() >= RowCount()) return;
  const Integer Line = GridLineWidth();
  const Integer H = Height() - (VisibleColCount() < ColCount() ? GetSystemMetrics(SM_CYHSCROLL) : 0);
  Int64 F = Line, T = Line, A = Line;
  for (Integer r = 0; r < FixedRows(); ++r) F += Line + GetRowHeights(r);
  for (Integer r = FixedRows(); r < RowCount(); ++r) {
    T += Line + GetRowHeights(r);
    if (r < TopRow()) A += Line + GetRowHeights(r);
  }
  const float e = float(H - F) / float(T);
  if (e >= 0.9999f) return;
  const Integer Max = Integer(std::trunc((double(e) + 127) / (1 - double(e))));
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, Max, UINT(Max - 126), 0, 0};
  Info.nPos = H < T ? Integer(std::trunc(double(A) / double(T - H) * 128)) : 127;
  SetScrollInfo(Handle(), SB_VERT, &Info, TRUE);
  SyncFlatVertBar();
}

void TRezIvevirAvod::UpdateHorzScrollProportion() {
  if (Loading() || Designing() || !FScrollProportional || FScrollType == ssMetro || !HandleAllocated()) return;
  if (!ShowsHorizontal(ScrollBars()) || FScrollLock) return;
  const Integer Line = GridLineWidth();
  const Integer W = Width() - (VisibleRowCount() < RowCount() ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  Int64 F = Line, T = Line, A = Line;
  for (Integer c = 0; c < FixedCols(); ++c) F += Line + GetColWidths(c);
  for (Integer c = FixedCols(); c < ColCount(); ++c) {
    T += Line + GetColWidths(c);
    if (c < LeftCol()) A += Line + GetColWidths(c);
  }
  const float e = float(W - F) / float(T);
  if (e >= 0.99999f || T + F - W < 0) return;
  const Integer Max = Integer(std::trunc((double(e) + 127) / (1 - double(e))));
  const Integer Page = Max - 126;
  if (Page >= 4000) return;
  SCROLLINFO Info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, Max, UINT(Page), 0, 0};
  Info.nPos = W < T ? Integer(std::trunc(double(A) / double(T - W) * 128)) : GetScrollPos(Handle(), SB_HORZ);
  SetScrollInfo(Handle(), SB_HORZ, &Info, TRUE);
  SyncFlatHorzBar();
}

void TRezIvevirAvod::UpdateScrollPos() {
  TBaseGrid::UpdateScrollPos();
  if (FScrollProportional) {
    UpdateVertScrollProportion();
    UpdateHorzScrollProportion();
  }
  SyncFlatVertBar();
  SyncFlatHorzBar();
}

// --- scroll messages ----------------------------------------------------------------------------

// The first row (column) that a thumb position stands for.
Integer TRezIvevirAvod::ThumbCell(bool Vertical, Integer Position) {
  const Integer Fixed = Vertical ? FixedRows() : FixedCols();
  const Integer Count = Vertical ? RowCount() : ColCount();
  const Integer Visible = Vertical ? VisibleRowCount() : VisibleColCount();
  return Fixed + Integer(Int64(Position) * std::max(0, Count - Visible - Fixed) / ScrollSteps);
}

void TRezIvevirAvod::ShowScrollHint(const String& Prefix, Integer Index) {
  String Text = Prefix + IntToStr(Int64(Index));
  if (OnScrollHint) OnScrollHint(this, Index, Text);
  SizeHintWindow()->SetColor(HintColor());
  TRect R = FScrollHintWnd->CalcHintRect(100, Text, nullptr);
  POINT Cursor{};
  GetCursorPos(&Cursor);
  R = TRect{Cursor.x + 10, Cursor.y, Cursor.x + 10 + R.Width(), Cursor.y + R.Height()};
  FScrollHintWnd->ActivateHint(R, Text);
}

void TRezIvevirAvod::WMVScroll(TWMScroll& Message) {
  if (!Designing() && HandleCellScrollBarMessage(Message)) return;
  if (Designing() || Message.ScrollBar) {
    TBaseGrid::WMVScroll(Message);
    return;
  }
  const Integer Position = Word(Message.Pos);
  if (FScrollHints == shVertical || FScrollHints == shBoth) {
    if (Message.ScrollCode == SB_ENDSCROLL && FScrollHintWnd) FScrollHintWnd->ReleaseHandle();
    if (Message.ScrollCode == SB_THUMBTRACK) ShowScrollHint(L"Row : ", ThumbCell(true, Position));
  }
  if (Navigation()->AlwaysEdit() && EditorMode()) HideEditor();
  if (Message.ScrollCode == SB_THUMBTRACK && FScrollSynch) SetTopRow(ThumbCell(true, Position));
  // With the search footer shown the last row stops above it, not under it.
  const bool Footer = SearchPanelHeight() > 0;
  const bool Down = Message.ScrollCode == SB_ENDSCROLL || Message.ScrollCode == SB_LINEDOWN;
  if (Footer && Down && LastRowClearsSearchFooter()) {
    Message.Result = 1;
    return;
  }
  TBaseGrid::WMVScroll(Message);
  if (Footer && TopRow() == RowCount() - VisibleRowCount()) {
    if (Message.ScrollCode == SB_LINEUP) SetTopRow(TopRow() - 1);
    else if (Down) KeepLastRowAboveSearchFooter();
  }
  SyncFlatVertBar();
  SyncFlatHorzBar();
}

void TRezIvevirAvod::WMHScroll(TWMScroll& Message) {
  if (Designing() || Message.ScrollBar) {
    TBaseGrid::WMHScroll(Message);
    return;
  }
  const Integer Position = Word(Message.Pos);
  const Integer Column = ThumbCell(false, Position);
  if (FScrollHints == shHorizontal || FScrollHints == shBoth) {
    if (Message.ScrollCode == SB_ENDSCROLL && FScrollHintWnd) FScrollHintWnd->ReleaseHandle();
    if (Message.ScrollCode == SB_THUMBTRACK) ShowScrollHint(L"Col : ", Column);
  }
  if (Navigation()->AlwaysEdit() && EditorMode()) HideEditor();
  if (Message.ScrollCode == SB_THUMBTRACK && FScrollSynch) SetLeftCol(Column);
  if (FixedCols() == 0 && Column >= Col() && EditorMode()) HideEditor();
  TBaseGrid::WMHScroll(Message);
  if (Message.ScrollCode == SB_ENDSCROLL && ColCount() == 1) Invalidate();
  SyncFlatHorzBar();
  SyncFlatVertBar();
}

// --- the view moved -------------------------------------------------------------------------------

void TRezIvevirAvod::TopLeftChanged() {
  TBaseGrid::TopLeftChanged();
  const TGridRect Sel = Selection();
  if (SelectionRectangle() && Sel.Bottom > Sel.Top) Invalidate();
  if ((BackGround()->Display() == bdGradientHorz || BackGround()->Display() == bdGradientVert) &&
      BackGround()->ColorTo() != clNone)
    Invalidate();
  if (!FollowsTheView(FEditControl)) HideInplaceEdit();
  CloseCellControlEditor();
  SyncFlatVertBar();
  SyncFlatHorzBar();
  CellControlsUpdate(false);
  FOldTopLeft = TGridCoord{LeftCol(), TopRow()};
  // A grid scrolled along follows as far as it reaches; it stops following
  // when it already shows the same place, so two grids may follow each
  // other.
  if (TStringGrid* Other = SyncGrid()->Grid()) {
    if (SyncGrid()->ScrollVertical() && Other->TopRow() != TopRow()) Other->SetTopRow(TopRow());
    if (SyncGrid()->ScrollHorizontal() && Other->LeftCol() != LeftCol()) Other->SetLeftCol(LeftCol());
  }
  RepaintScrollControls();
}

// The control list holds stored rows, so controls stay with their rows
// while rows above them are hidden and shown again.
void TRezIvevirAvod::CellControlsUpdate(bool RebuildList) {
  if (!HandleAllocated()) return;
  if (RebuildList) {
    while (FControlList->Count() > 0) FControlList->RemoveControl(0);
    for (Integer r = 0; r < RowCount(); ++r)
      for (Integer c = 0; c < AllColCount(); ++c)
        if (TControl* Control = GetCellControls(c, r)) FControlList->AddControl(c, DisplToRealRow(r), Control);
  }
  LayCellScrollBar();
  std::vector<TControl*> Shown;
  for (Integer i = 0; i < FControlList->Count(); ++i) {
    TControlItem* Item = FControlList->GetControl(i);
    TControl* Control = Item->Control();
    if (!Control) continue;
    const Integer C = RealToDisplCol(Item->X()), R = RealToDisplRow(Item->Y());
    if (IsHiddenColumn(Item->X()) || IsHiddenRow(Item->Y()) || R < 0 || R >= RowCount()) {
      Control->SetVisible(false);
      continue;
    }
    const bool Fixed = C < FixedCols() || R < FixedRows();
    const bool InView = C >= LeftCol() && C <= LeftCol() + VisibleColCount() && R >= TopRow() &&
                        R <= TopRow() + VisibleRowCount();
    const TRect Cell = CellRect(C, R);
    if ((!InView && !Fixed) || Cell.IsEmpty()) {
      Control->SetVisible(false);
      continue;
    }
    if (Fixed)
      Control->SetBounds(Cell.Left - 1, Cell.Top - 1, Cell.Width() + 1, Cell.Height() + 1);
    else
      Control->SetBounds(Cell.Left, Cell.Top, Cell.Width(), Cell.Height());
    Control->SetVisible(true);
    if (!Fixed) Shown.push_back(Control);
  }
  // A width changed and put back makes each control lay out its own
  // children again over the cell it now covers.
  for (TControl* Control : Shown) {
    Control->Invalidate();
    Control->SetWidth(Control->Width() + 1);
    Control->SetWidth(Control->Width() - 1);
  }
}

void TRezIvevirAvod::ScreenToCell(TPoint Pt, Integer& ACol, Integer& ARow) {
  const TPoint P = ScreenToClient(Pt);
  MouseToCell(P.X, P.Y, ACol, ARow);
}

bool TRezIvevirAvod::IsOnSizingEdge(Integer X, Integer Y) {
  Integer C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  if (C < 0 || R < 0) return false;
  const TRect Cell = CellRect(C, R);
  bool Result = false;
  if (R < FixedRows() && Options().Contains(goColSizing))
    Result = std::abs(X - Cell.Left) <= 3 || std::abs(X - Cell.Right) <= 3;
  if (C < FixedCols() && Options().Contains(goRowSizing))
    Result = std::abs(Y - Cell.Top) <= 3 || std::abs(Y - Cell.Bottom) <= 3;
  return Result;
}

// --- drag auto-scroll and stepped scroll ------------------------------------------------------------

void TRezIvevirAvod::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  ProcessDragOver(Source, X, Y, State, Accept);
}

void TRezIvevirAvod::ProcessDragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) {
  auto StopTimer = [this] {
    delete FDragTmr;
    FDragTmr = nullptr;
  };
  TDragScrollOptions* Options = DragScrollOptions();
  if (!Options->Active()) {
    StopTimer();
    TBaseGrid::DragOver(Source, X, Y, State, Accept);
    return;
  }
  const bool HadDirection = !FDragScrollDirection.Empty();
  FDragScrollDirection = TDragScrollDirection();
  if (State != dsDragLeave) {
    TDragScrollMargins* M = Options->Margins();
    if (Y < M->TopMargin())
      FDragScrollDirection.Include(dsdUp);
    else if (Y > Height() - M->BottomMargin())
      FDragScrollDirection.Include(dsdDown);
    if (X < M->LeftMargin())
      FDragScrollDirection.Include(dsdLeft);
    else if (X > Width() - M->RightMargin())
      FDragScrollDirection.Include(dsdRight);
  }
  if (FDragScrollDirection.Empty()) {
    StopTimer();
  } else if (!FDragTmr) {
    // Owned by the grid, so that it goes with the grid whatever its
    // parent does.
    FDragTmr = new TTimer(this);
    FDragTmr->SetInterval(Cardinal(Options->Delays()->InitialDelay()));
    FDragTmr->OnTimer = [this](TObject* Sender) { DragScrollTimerTick(Sender); };
    FDragTmr->SetEnabled(true);
  } else if (HadDirection) {
    FDragTmr->SetInterval(Cardinal(Options->Delays()->InitialDelay()));
  }
  TBaseGrid::DragOver(Source, X, Y, State, Accept);
}

void TRezIvevirAvod::DragScrollTimerTick(TObject*) {
  // The timer is never freed inside its own tick: it stops, and goes at
  // the next drag-over or with the grid.
  if (!DragScrollOptions()->Active()) {
    FDragTmr->SetEnabled(false);
    return;
  }
  FDragTmr->SetInterval(Cardinal(DragScrollOptions()->Delays()->RepeatDelay()));
  TDragScrollDirection Direction = FDragScrollDirection;
  bool CanScroll = true;
  if (OnDragScroll) OnDragScroll(this, TopRow(), LeftCol(), Direction, CanScroll);
  if (!CanScroll) return;
  if (Direction.Contains(dsdUp) && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
  if (Direction.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
  if (Direction.Contains(dsdLeft) && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
  if (Direction.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
}

void TRezIvevirAvod::StartScrollSteps(Integer Delta, Integer Steps) {
  FScrollDelta = Delta;
  FScrollSteps = Steps;
  if (!FScrollTimer) {
    FScrollTimer = new TTimer(this);
    FScrollTimer->SetInterval(10);
    FScrollTimer->OnTimer = [this](TObject* Sender) { ScrollStepTimerTick(Sender); };
  }
  FScrollTimer->SetEnabled(Steps > 0);
}

void TRezIvevirAvod::ScrollStepTimerTick(TObject*) {
  if (FScrollSteps <= 0) {
    FScrollTimer->SetEnabled(false);
    return;
  }
  const Integer Last = std::max(FixedRows(), RowCount() - VisibleRowCount());
  SetTopRow(std::clamp(TopRow() + FScrollDelta, FixedRows(), Last));
  --FScrollSteps;
  FScrollEnd = false;
  if (FScrollSteps == 0) FScrollTimer->SetEnabled(false);
}

}  // namespace jorv::grid
