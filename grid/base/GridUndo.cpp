#include "grid/base/GridUndo.h"
#include "grid/base/BaseGrid.h"

namespace jorv::grid {

void TUndoRedoItem::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TUndoRedoItem*>(Source);
  if (!S) {
    TCollectionItem::Assign(Source);
    return;
  }
  FValue = S->FValue;
  FOrigValue = S->FOrigValue;
  FCol = S->FCol;
  FRow = S->FRow;
  FSequenceStart = S->FSequenceStart;
  FSequenceStop = S->FSequenceStop;
}

TUndoRedoCollection::TUndoRedoCollection() : TCollection(CollectionItemClass<TUndoRedoItem>()) {}

TExGridUndoRedo::TExGridUndoRedo(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TUndoRedoCollection>()) {}

TExGridUndoRedo::~TExGridUndoRedo() = default;

void TExGridUndoRedo::SetGrid(TBaseGrid* Value) {
  if (FGrid == Value) return;
  if (FGrid) FGrid->RemoveFreeNotification(this);
  FGrid = Value;
  if (FGrid) FGrid->FreeNotification(this);
}

void TExGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == FGrid) FGrid = nullptr;
  TComponent::Notification(AComponent, Operation);
}

void TExGridUndoRedo::DropUndone() {
  while (FItems->Count() > FLevel) FItems->Delete(FItems->Count() - 1);
}

void TExGridUndoRedo::RegisterChange(Integer ACol, Integer ARow, const String& OldValue, const String& NewValue) {
  DropUndone();
  if (FMaxLevel > 0 && FItems->Count() >= FMaxLevel) FItems->Delete(0);
  auto* I = static_cast<TUndoRedoItem*>(FItems->Add());
  I->SetCol(ACol);
  I->SetRow(ARow);
  I->SetValue(NewValue);
  I->SetOrigValue(OldValue);
  FLevel = FItems->Count();
}

void TExGridUndoRedo::AddMarker(bool Start) {
  DropUndone();
  auto* I = static_cast<TUndoRedoItem*>(FItems->Add());
  I->SetCol(-1);
  I->SetRow(-1);
  I->SetSequenceStart(Start);
  I->SetSequenceStop(!Start);
  FLevel = FItems->Count();
}

void TExGridUndoRedo::StartSequence() { AddMarker(true); }

void TExGridUndoRedo::StopSequence() { AddMarker(false); }

void TExGridUndoRedo::Replay(TUndoRedoItem* I, bool IsUndo) {
  // A marker names no cell; it must never be written as one.
  if (I->IsMarker()) return;
  const String& NewValue = IsUndo ? I->OrigValue() : I->Value();
  auto& Event = IsUndo ? OnUndo : OnRedo;
  if (Event) Event(this, FGrid, I->Col(), I->Row(), FGrid->GetCellEx(I->Col(), I->Row()), NewValue);
  FGrid->SetCellEx(I->Col(), I->Row(), NewValue);
  FGrid->SetCol(FGrid->DisplColIndex(I->Col()));
  FGrid->SetRow(I->Row());
}

void TExGridUndoRedo::Undo() {
  if (!FGrid || FLevel == 0 || FLevel > FItems->Count()) return;
  TUndoRedoItem* I = FItems->GetItem(FLevel - 1);
  if (I->SequenceStop()) {
    --FLevel;
    while (FLevel > 0 && !FItems->GetItem(FLevel - 1)->SequenceStart()) {
      Replay(FItems->GetItem(FLevel - 1), true);
      --FLevel;
    }
    // Past the start marker; a sequence whose start was pruned ends at the
    // oldest item.
    if (FLevel > 0) --FLevel;
    FGrid->Invalidate();
  } else {
    // A lone start marker (an open sequence) is stepped over.
    Replay(I, true);
    --FLevel;
    FGrid->RepaintCell(FGrid->Col(), FGrid->Row());
  }
}

void TExGridUndoRedo::Redo() {
  if (!FGrid || FLevel >= FItems->Count()) return;
  TUndoRedoItem* I = FItems->GetItem(FLevel);
  ++FLevel;
  if (I->SequenceStart()) {
    // Redo the changes up to and including the stop marker; an open
    // sequence ends at the newest item.
    while (FLevel < FItems->Count()) {
      TUndoRedoItem* J = FItems->GetItem(FLevel);
      ++FLevel;
      if (J->SequenceStop()) break;
      Replay(J, false);
    }
    FGrid->Invalidate();
  } else {
    Replay(I, false);
    FGrid->RepaintCell(FGrid->Col(), FGrid->Row());
  }
}

void TExGridUndoRedo::Reset() {
  FItems->Clear();
  FLevel = 0;
}

}  // namespace jorv::grid
