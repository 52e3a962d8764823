// The grid's window procedure: every message the grid treats itself is
// decoded once in one switch and handed to its handler; everything else,
// and what a handler passes on, goes to the base grid.
#include "foundation/ThemeNotifier.h"
#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"

namespace jorv::grid {

void TRezIvevirAvod::WndProc(TMessage& Message) {
  if (Message.Msg == WM_DESTROY) HandleDestroyMessage();
  // A grid that is going away answers nothing itself.
  if (Destroying()) {
    TBaseGrid::WndProc(Message);
    return;
  }
  if (HandleRegisteredMessage(Message)) return;
  switch (Message.Msg) {
    case WM_TIMER: {
      const UINT_PTR Id = MsgAs<TWMTimer>(Message).TimerID;
      if (Id == FGridTimerID) return HandleTimerMessage(Message);
      if (Id == IntelliPanTimerID && FWheelPan) return IntelliPanStep();
      break;
    }
    case WM_PAINT: return HandlePaintMessage(Message);
    // Painting covers the whole client area.
    case WM_ERASEBKGND: Message.Result = 0; return;
    case WM_SETFOCUS:
      // The grid moves the focus itself; nothing of the focus handling runs.
      if (InvokedFocusChange) return;
      return HandleEditorFocus(Message);
    case WM_CHAR: HandleEditingChar(Message); return HandleCharMessage(Message);
    case WM_KEYUP: return HandleKeyUpMessage(Message);
    case WM_KILLFOCUS: return HandleKillFocusMessage(Message);
    case WM_NCPAINT: return HandleNCPaintMessage(Message);
    case WM_SETCURSOR: return HandleSetCursorMessage(Message);
    case WM_SIZE: return HandleSizeMessage(Message);
    case WM_CANCELMODE: HandleCancelMode(); break;
    case WM_THEMECHANGED:
    case WM_OFFICETHEMECHANGED:
      if (FAutoThemeAdapt) ApplyOfficeTheme();
      break;
    case WM_MBUTTONDOWN:
      // A middle press ends panning, or starts it; either way it is a press too.
      if (FWheelPan) StopIntelliPan();
      else if (FWheelMessage && FIntelliPan != ipNone && RowCount() > FixedRows())
        StartIntelliPan(MsgAs<TWMMouse>(Message).Pos());
      break;
    case WM_LBUTTONDOWN:
      if (FWheelPan) StopIntelliPan();
      return HandleLButtonDownMessage(Message);
    case WM_RBUTTONDOWN:
      if (FWheelPan) StopIntelliPan();
      return HandleRButtonDownMessage(Message);
    case WM_LBUTTONUP: return HandleLButtonUpMessage(Message);
    case WM_LBUTTONDBLCLK: return HandleLButtonDblClkMessage(Message);
    case WM_RBUTTONUP: return HandleRButtonUpMessage(Message);
    case CM_MOUSELEAVE: return HandleMouseLeaveMessage(Message);
    case WM_COMMAND: if (HandleEditorTextChange(Message)) return; HandleEditorCommand(Message); break;
    case WM_KEYDOWN:
      if (FWheelPan) StopIntelliPan();
      if (HandleEditingKey(Message)) return;
      return HandleKeyDownMessage(Message);
    case WM_MOUSEWHEEL:
      if (FWheelPan || FWheelMessage != WM_MOUSEWHEEL) break;
      return HandleWheelMessage(Message);
    case CM_HINTSHOW:
      if (THintInfo* Info = MsgAs<TCMHintShow>(Message).HintInfo) BuildCellHint(Info->HintStr, *Info);
      Message.Result = 0;
      return;
    case CM_DESIGNHITTEST: return HandleDesignHitTestMessage(Message);
    // The search footer's accelerators first; what they leave goes on to
    // the grid's children, the editors among them.
    case CM_DIALOGCHAR:
      if (!SearchFooterDialogChar(static_cast<Char>(MsgAs<TWMKey>(Message).CharCode))) break;
      Message.Result = 1;
      return;
    case WM_NOTIFY: return HandleNotifyMessage(Message);
    case WM_GETDLGCODE: return HandleDialogCodeMessage(Message);
    default: break;
  }
  const Integer OldRow = Row();
  TBaseGrid::WndProc(Message);
  // A grid that follows this one's row hears of the change.
  auto* Synced = FSyncGrid->Grid();
  if (Synced && FSyncGrid->SelectionRow() && Row() != OldRow && Synced->Row() != Row()) Synced->SetRow(Row());
}

void TRezIvevirAvod::HandleDialogCodeMessage(TMessage& Message) {
  TBaseGrid::WndProc(Message);
  if (Navigation()->AutoGotoWhenSorted() || !Options().Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
}

// "GridEditShow" opens the editor; "GridEditDone" tells that an edit ended.
bool TRezIvevirAvod::HandleRegisteredMessage(TMessage& Message) {
  const TGridUnitState& Unit = GridUnit();
  if (Unit.EditShowMessage && Message.Msg == Unit.EditShowMessage) {
    ShowInplaceEdit();
    return true;
  }
  if (!Unit.EditDoneMessage || Message.Msg != Unit.EditDoneMessage) return false;
  if (OnEditCellDone)
    OnEditCellDone(this, static_cast<Integer>(Message.WParam), static_cast<Integer>(Message.LParam));
  if (FMouseActions->EditOnDblClickOnly()) {
    HideEditor();
    FEditMode = false;
    SetOptions(Options() - goEditing);
  }
  return true;
}

void TRezIvevirAvod::HandleDestroyMessage() {
  if (!Designing() && FAutoThemeAdapt) GetThemeNotifier(this)->UnRegisterWindow(Handle());
  KillTimer(Handle(), FGridTimerID);
  if (FWheelPan) StopIntelliPan();
  if (FFocusHelper->Enabled()) HideFocusWindow();
}

// A cancelled enhanced row or column move leaves no drag state behind.
void TRezIvevirAvod::HandleCancelMode() {
  HideHeaderDragImage();
  if (!Screen || Screen->Cursor() != crDrag || !FEnhRowColMove) return;
  if (FGridState != gsRowMoving && FGridState != gsColMoving) return;
  Screen->SetCursor(crDefault);
  HideDropArrows();
  KillTimer(Handle(), 1);
  FGridState = gsNormal;
}

// --- cursor ----------------------------------------------------------------------------------

void TRezIvevirAvod::HandleSetCursorMessage(TMessage& Message) {
  if (MsgAs<TWMSetCursor>(Message).HitTest == HTCLIENT && SetSelectModeCursor()) {
    Message.Result = 1;
    return;
  }
  TBaseGrid::WndProc(Message);
  const auto& SetCursor = MsgAs<TWMSetCursor>(Message);
  if (SetCursor.CursorWnd != Handle() || SetCursor.HitTest != HTCLIENT) return;
  POINT Screen{};
  GetCursorPos(&Screen);
  const TPoint P = ScreenToClient(TPoint{Screen.x, Screen.y});
  Integer C = -1, R = -1;
  MouseToCell(P.X, P.Y, C, R);
  if (C >= 0 && R >= 0) GetCellCursor(C, R, P.X, P.Y);
  SetFixedSizingCursor();
}

// --- sizing ----------------------------------------------------------------------------------

void TRezIvevirAvod::HandleSizeMessage(TMessage& Message) {
  if (FInWMSize) {
    Message.Result = 1;
    return;
  }
  const Integer NewWidth = MsgAs<TWMSize>(Message).Width;
  StretchOnSize(NewWidth);
  TBaseGrid::WndProc(Message);
  if (!FDisableSize) {
    FDisableSize = true;
    if (!TSet<TScrollStyle>{ssHorizontal, ssBoth}.Contains(ScrollBars())) ShowScrollBar(Handle(), SB_HORZ, FALSE);
    if (!TSet<TScrollStyle>{ssVertical, ssBoth}.Contains(ScrollBars())) ShowScrollBar(Handle(), SB_VERT, FALSE);
    FDisableSize = false;
  }
  Message.Result = 1;
}

// With SynchWithGrid the columns keep the share of the grid's width they
// had when their widths were taken.
void TRezIvevirAvod::StretchOnSize(Integer NewWidth) {
  if (!FColumnSize->SynchWithGrid() || FOrigWidth <= 0) return;
  HideEditor();
  const double Factor = (BorderStyle() == bsSingle ? NewWidth + 2.0 : double(NewWidth)) / FOrigWidth;
  const bool NormalOnly = FColumnSize->SynchNormalCellsOnly();
  const Integer First = NormalOnly ? FixedCols() : 0;
  const Integer Last = NormalOnly ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
  FInWMSize = true;
  for (Integer c = First; c <= Last && c < FOrigColSizes->Count(); ++c)
    SetColWidths(c, static_cast<Integer>(FOrigColSizes->Items(c) * Factor));
  FInWMSize = false;
}

}  // namespace jorv::grid
