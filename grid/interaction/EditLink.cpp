// The custom editor link's key and focus protocol.
#include "grid/interaction/EditLink.h"
#include <utility>
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExInplaceEdit.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Form.h"

namespace jorv::grid {

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
  if (FOwner && FOwner->EditLink() == this) FOwner->SetEditLink(nullptr);
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FOwner) FOwner = nullptr;
}

void TEditLink::AttachGrid(TRezIvevirAvod* Grid) {
  if (FOwner == Grid) return;
  FOwner = Grid;
  if (Grid) Grid->FreeNotification(this);
}

void TEditLink::SetFocus(bool Value) {
  TWinControl* Control = GetEditControl();
  if (Value && Control && (!Control->Visible() || !Control->Enabled())) {
    Control->SetVisible(true);
    Control->SetEnabled(true);
  }
  if (FEditStyle == esInplace && !FSubClassed && Control && FOwner) {
    TRezIvevirAvod* G = FOwner;
    G->FGridControlWndProc = Control->WindowProc();
    Control->SetWindowProc([G](TMessage& Message) { G->CustomEditorWindowProc(Message); });
    FSubClassed = true;
  }
  if (Value && Control) {
    if (Control->CanFocus()) Control->SetFocus();
  } else if (FOwner && FOwner->CanFocus()) {
    FOwner->SetFocus();
  }
}

void TEditLink::SetRect(TRect R) {
  TWinControl* Control = GetEditControl();
  if (!Control) return;
  const Integer Line = FOwner ? FOwner->GridLineWidth() : 0;
  Control->SetBounds(R.Left, R.Top, R.Right - R.Left - Line, R.Bottom - R.Top - Line);
}

void TEditLink::SetVisible(bool Value) {
  if (TWinControl* Control = GetEditControl()) Control->SetVisible(Value);
}

String TEditLink::GetCellValue() { return FOwner ? FOwner->GetCells(FOwner->RealColIndex(FOwner->Col()), FOwner->Row()) : String(); }

void TEditLink::SetCellValue(const String& S) {
  if (FOwner) FOwner->ApplyEditText(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), S);
}

TWinControl* TEditLink::GetParent() {
  if (FEditStyle == esPopup) return FPopupForm;
  return FOwner;
}

void TEditLink::RestoreWinProc() {
  TWinControl* Control = GetEditControl();
  if (FEditStyle != esInplace || !Control) return;
  ReleaseControl();
  if (Control->HandleAllocated()) ShowWindow(Control->Handle(), SW_HIDE);
}

void TEditLink::ReleaseControl() {
  TWinControl* Control = GetEditControl();
  if (FSubClassed && Control && FOwner) Control->SetWindowProc(std::exchange(FOwner->FGridControlWndProc, nullptr));
  FSubClassed = false;
}

void TEditLink::HideEditor() {
  SetCellValue(GetEditorValue());
  if (FOwner) FOwner->HideInplaceEdit();
  RestoreWinProc();
}

void TEditLink::EditExit(TObject*) {
  // The grid taking the focus back itself stores the value on its own.
  if (FForcedExit || (FOwner && (FOwner->FBlockKill || FOwner->FBlockFocus))) return;
  HideEditor();
  if (FEditStyle == esPopup && FPopupForm) {
    DestroyEditor();
    FPopupForm->SetVisible(false);
  }
}

void TEditLink::FormExit(TObject* Sender) {
  if (!FOwner) return;
  const String V = GetEditorValue();
  if (TExInplaceEdit* Normal = FOwner->NormalEdit()) Normal->SetText(V);
  if (FForcedExit) {
    SetCellValue(V);
    return;
  }
  EditExit(Sender);
  FOwner->InvokedFocusChange = true;
}

bool TEditLink::IsActedKey(Word Key) const {
  switch (Key) {
    case VK_TAB: return !FWantTabs;
    case VK_RETURN: return !FWantKeyReturn;
    case VK_ESCAPE: return !FWantKeyEscape;
    case VK_PRIOR:
    case VK_NEXT: return !FWantKeyPriorNext;
    case VK_END: return !FWantKeyHomeEnd;
    case VK_LEFT:
    case VK_RIGHT: return !FWantKeyLeftRight;
    case VK_UP:
    case VK_DOWN: return !FWantKeyUpDown;
    default: return false;
  }
}

void TEditLink::FocusGrid() {
  // The framework's editor mode ends first, or the focus would open the
  // standard edit over the cell.
  FOwner->HideEditor();
  FForcedExit = true;
  auto Clear = ScopeExit([this] { FForcedExit = false; });
  if (FOwner->CanFocus()) FOwner->SetFocus();
}

void TEditLink::EditKeyDown(TObject*, Word& Key, TShiftState Shift) {
  if (!FOwner || !IsActedKey(Key)) return;
  TRezIvevirAvod* G = FOwner;
  // Tells whether the validation this key brings about takes the value.
  G->FLastValidation = true;
  String Settled = GetEditorValue();
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    const bool Accepted = G->CommitEditorText(Settled);
    Settled = G->CurrentCell();
    SetEditorValue(Settled);
    if (!Accepted) {
      // The refusal kept the editor open on its cell.
      G->FLastValidation = true;
      Key = 0;
      G->Invalidate();
      return;
    }
  }
  if (Key == VK_TAB) {
    if (G->Navigation()->TabToNextAtEnd()) {
      const Integer OldCol = G->Col(), OldRow = G->Row();
      FocusGrid();
      G->StoreInplaceEditValue(G->Col(), G->Row());
      G->FEditMode = false;
      G->HandKeyToGrid(VK_TAB, Shift);
      const bool Moved = G->Col() != OldCol || G->Row() != OldRow;
      if (Moved && !G->HasClickableGraphic(G->RealColIndex(G->Col()), G->Row()) && G->HandleAllocated())
        PostMessageW(G->Handle(), WM_KEYDOWN, VK_F2, 0);
      Key = 0;
      return;
    }
    Key = 0;
  }
  if (Key == VK_ESCAPE) {
    Settled = G->CellCache();
    SetEditorValue(Settled);
  }
  FocusGrid();
  G->StoreInplaceEditValue(G->Col(), G->Row());
  if (FEditStyle == esPopup) {
    EditExit(this);
    SetCellValue(Settled);
  }
  G->FEditMode = false;
  G->CanSelectCellAt(G->Col(), G->Row());
  FinishKey(Key, Shift);
}

void TEditLink::FinishKey(Word& Key, TShiftState Shift) {
  TRezIvevirAvod* G = FOwner;
  if (!G->FLastValidation) {
    // A refused value: the editor opens again on its cell.
    G->FLastValidation = true;
    G->PrepareInplaceEditor(G->Col(), G->Row());
    return;
  }
  if (Key == VK_RETURN) {
    G->AdvanceAfterEditor();
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    Key = 0;
    return;
  }
  if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN)) G->HandKeyToGrid(Key, Shift);
  if (TWinControl* Control = GetEditControl()) Control->SetEnabled(false);
  FocusGrid();
  if (Key == VK_TAB && G->Options().Contains(goTabs) &&
      !G->HasClickableGraphic(G->RealColIndex(G->Col()), G->Row()) && G->HandleAllocated())
    PostMessageW(G->Handle(), WM_KEYDOWN, VK_F2, 0);
}

}  // namespace jorv::grid
