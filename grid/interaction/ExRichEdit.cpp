// The grid's rich edit: subscript and superscript of the selection, the
// keys it hands to the grid, its focus loss and the size it asks for.
#include "grid/interaction/ExRichEdit.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditorOwner.h"

namespace jorv::grid {

namespace {

// Vertical character offsets in twips.
constexpr Integer kSubscriptOffset = -40;
constexpr Integer kSuperscriptOffset = 40;

// The value is validated while the editor still has the keyboard: a refused
// value reopens the editor on its cell before any focus moves, so the key
// goes nowhere. (Validated only once the grid had the focus, the reopened
// editor would lose it again to the grid's own focus change.)
bool ValueTaken(TRezIvevirAvod* Grid, TExRichEdit* Editor) {
  return Grid->CommitEditorText(Grid->RichToString(Editor));
}

}  // namespace

TExRichEdit::TExRichEdit(TComponent* AOwner) : TRichEdit(AOwner), FGrid(EditorGrid(AOwner)) {}

void TExRichEdit::SelNormal() { SelAttributes()->SetOffset(0); }
void TExRichEdit::SelSubscript() { SelAttributes()->SetOffset(kSubscriptOffset); }
void TExRichEdit::SelSuperscript() { SelAttributes()->SetOffset(kSuperscriptOffset); }
bool TExRichEdit::IsSelNormal() { return SelAttributes()->Offset() == 0; }
bool TExRichEdit::IsSelSubscript() { return SelAttributes()->Offset() == kSubscriptOffset; }
bool TExRichEdit::IsSelSuperscript() { return SelAttributes()->Offset() == kSuperscriptOffset; }

bool TExRichEdit::IsOpenEditor() const {
  return this == FGrid->FInplaceRichEdit && FGrid->EditMode() && FGrid->EditControl() == edRichEdit;
}

void TExRichEdit::Dispatch(TMessage& Message) {
  TRichEdit::Dispatch(Message);
  // Tab never moves the focus out of the editor: the grid decides.
  if (Message.Msg == WM_GETDLGCODE) Message.Result |= DLGC_WANTTAB;
}

void TExRichEdit::KeyDown(Word& Key, TShiftState Shift) {
  TRichEdit::KeyDown(Key, Shift);
  if (!IsOpenEditor()) return;
  if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
    Key = 0;
    if (!ValueTaken(FGrid, this)) return;
    // Taking the focus stores the text (see WMKillFocus); the grid then
    // steps on and opens the next cell's editor.
    FGrid->SetFocus();
    FGrid->HandKeyToGrid(VK_TAB, Shift);
    FGrid->ShowInplaceEdit();
    return;
  }
  if ((Key == VK_UP || Key == VK_DOWN) && !FGrid->WordWrap() && !FGrid->Multilinecells()) {
    const Word Moved = Key;
    Key = 0;
    if (!ValueTaken(FGrid, this)) return;
    FGrid->SetFocus();
    FGrid->HandKeyToGrid(Moved, Shift);
  }
}

void TExRichEdit::WMKillFocus(TWMKillFocus& Message) {
  // Focus the grid moved itself is no end of the edit; focus gone to
  // another control leaves the editor open.
  if (!FGrid->InvokedFocusChange && IsOpenEditor() && FGrid->HandleAllocated() &&
      Message.FocusedWnd == FGrid->Handle())
    FGrid->EditorLostFocus();
  TRichEdit::WMKillFocus(Message);
}

void TExRichEdit::RequestSizeChanged(TRect& Rect) {
  if (!ComponentState().Contains(csDesigning)) {
    if (this == FGrid->FRichEdit) {
      FReqWidth = Rect.Width();
      FReqHeight = Rect.Height();
    } else if (FGrid->SizeWhileTyping()->Height() && !FLocked && IsOpenEditor()) {
      GrowRow(Rect.Height());
    }
  }
  TRichEdit::RequestSizeChanged(Rect);
}

void TExRichEdit::GrowRow(Integer Height) {
  const Integer ARow = FGrid->Row();
  if (FGrid->GetRowHeights(ARow) >= Height + 5) return;
  const TRect Cell = FGrid->CellRect(FGrid->Col(), ARow);
  if (Cell.Top + Height + 5 > FGrid->ClientHeight()) return;
  SetHeight(Height + 9);
  FGrid->SetRowHeights(ARow, Height + 10);
  if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, ARow);
}

}  // namespace jorv::grid
