// Validation of an edited cell before its text is taken, the cell about to
// be edited, and the announcement of changed cells to the application and
// the registered change notifiers.
#include <commctrl.h>
#include "grid/base/GrdComboBox.h"
#include "grid/base/GrdDateTimePicker.h"
#include "grid/base/GridUndo.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExInplaceEdit.h"
#include "grid/interaction/GridChangeNotifier.h"
#include "platform/rtl/List.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

void TRezIvevirAvod::RememberOldCell(Integer ACol, Integer ARow) {
  FOldCol = ACol;
  FOldRow = ARow;
  if (ACol < 0 || ARow < 0) {
    FOldCellText.clear();
  } else {
    GetStoredCell(RealColIndex(ACol), ARow, FOldCellText);
  }
  FOldCellTextWide = FOldCellText;
  FOldModifiedValue = FModified;
}

bool TRezIvevirAvod::IsRowModified(Integer ARow) const { return FModifiedRows->HasValue(ARow); }

bool TRezIvevirAvod::ValidateCell(const String& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  auto Reset = ScopeExit([this] {
    RememberOldCell(Col(), Row());
    FValidating = false;
  });
  bool Valid = true;
  const Integer SC = RealColIndex(FOldCol);
  FNewCellText = NewValue;
  if (NewValue != FOldCellText || FAlwaysValidate) {
    const bool Changed = NewValue != FOldCellText;
    const bool AdvanceOnEnter = Navigation()->AdvanceOnEnter();
    Navigation()->SetAdvanceOnEnter(false);
    auto RestoreAdvance = ScopeExit([this, AdvanceOnEnter] { Navigation()->SetAdvanceOnEnter(AdvanceOnEnter); });
    String V = NewValue;
    if (FCellChecker && FCellChecker->AutoCorrect()) V = FCellChecker->Correct(SC, FOldRow, V);
    if (OnCellValidate) OnCellValidate(this, SC, FOldRow, V, Valid);
    // Only a value that is taken marks the grid and its row modified.
    if (Valid && V != FOldCellText) {
      FGridModified = true;
      FModified = true;
      if (FixedCols() > 0) {
        const Integer Stored = RealRowIndex(Row());
        if (!FModifiedRows->HasValue(Stored)) FModifiedRows->Add(Stored);
        if (ShowModified()->Enabled()) RepaintCell(0, Row());
      }
    }
    if (Valid) RecalcColumnFooter(SC);
    if (FCellChecker && FCellChecker->AutoMarkError()) V = FCellChecker->MarkError(SC, FOldRow, V);
    if (Valid && FUndoRedo) FUndoRedo->RegisterChange(SC, FOldRow, FOldCellText, V);
    if (Valid && Changed) NotifyCellsChanged(TRect{SC, FOldRow, SC, FOldRow});
    Navigation()->SetAdvanceOnEnter(AdvanceOnEnter);
    FNewCellText = V;
    if (Valid) {
      SetCellEx(SC, FOldRow, V);
      if (!IsBaseCell(SC, FOldRow)) {
        TPoint Base = BaseCell(SC, FOldRow);
        SetCellEx(Base.X, Base.Y, V);
      }
    } else {
      RefuseValue(NewValue, V);
    }
    GetStoredCell(SC, FOldRow, FOldCellText);
  }
  if (Valid && FocusHelper()->Enabled()) HideFocusWindow();
  return Valid;
}

// The cell gets back its old text (or the handler's replacement), the
// current cell returns to it, its editor opens again and the balloon says
// why.
void TRezIvevirAvod::RefuseValue(const String& NewValue, const String& V) {
  const Integer SC = RealColIndex(FOldCol);
  FLastValidation = false;
  HideEditor();
  SetCellEx(SC, FOldRow, V != NewValue ? V : FOldCellText);
  if (FOldCol >= 0 && FOldRow >= 0 && (Col() != FOldCol || Row() != FOldRow)) {
    FGotoBackPending = true;
    auto Done = ScopeExit([this] { FGotoBackPending = false; });
    MoveColRow(FOldCol, FOldRow, true, true);
  }
  FValidating = false;
  FEditing = true;
  ShowInplaceEdit();
  FModified = FOldModifiedValue;
  ShowInvalidEntryBalloon();
}

void TRezIvevirAvod::ShowInvalidEntryBalloon() {
  if (FInvalidEntryText.empty() && FInvalidEntryTitle.empty()) return;
  HWND Target = nullptr;
  if (FSpecialEditor || !FEditMode) {
    if (!FEditCtrl || !FEditCtrl->HandleAllocated()) return;
    Target = FEditCtrl->Handle();
    if (auto* Combo = dynamic_cast<TGrdComboBox*>(FEditCtrl); Combo && Combo->Style() != csDropDownList) {
      COMBOBOXINFO Info{};
      Info.cbSize = sizeof(Info);
      if (GetComboBoxInfo(Target, &Info) && Info.hwndItem) Target = Info.hwndItem;
    }
  } else if (FInplaceEdit && FInplaceEdit->HandleAllocated()) {
    Target = FInplaceEdit->Handle();
  }
  if (!Target) return;
  EDITBALLOONTIP Tip{};
  Tip.cbStruct = sizeof(Tip);
  Tip.pszTitle = FInvalidEntryTitle.c_str();
  Tip.pszText = FInvalidEntryText.c_str();
  Tip.ttiIcon = static_cast<INT>(FInvalidEntryIcon);
  SendMessageW(Target, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&Tip));
}

// Wide texts are the grid's texts here; the frame differs from ValidateCell
// in the order of its steps and in what it leaves out.
bool TRezIvevirAvod::ValidateCellWide(const String& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  auto Reset = ScopeExit([this] {
    RememberOldCell(Col(), Row());
    FValidating = false;
  });
  bool Valid = true;
  const Integer SC = RealColIndex(FOldCol);
  if (NewValue != FOldCellTextWide || FAlwaysValidate) {
    RecalcColumnFooter(SC);
    String V = NewValue;
    if (OnCellValidateWide) OnCellValidateWide(this, SC, FOldRow, V, Valid);
    const bool Changed = NewValue != FOldCellTextWide;
    if (Valid && Changed) {
      FGridModified = true;
      if (ShowModified()->Enabled() && FixedCols() > 0) {
        const Integer Stored = RealRowIndex(FOldRow);
        if (!FModifiedRows->HasValue(Stored)) FModifiedRows->Add(Stored);
        RepaintCell(0, FOldRow);
      }
    }
    if (Valid) {
      SetCellEx(SC, FOldRow, V);
      if (Changed) NotifyCellsChanged(TRect{SC, FOldRow, SC, FOldRow});
    } else {
      HideEditor();
      SetCellEx(SC, FOldRow, V != NewValue ? V : FOldCellTextWide);
      if (Col() != FOldCol || Row() != FOldRow) MoveColRow(FOldCol, FOldRow, true, true);
      FValidating = false;
      FEditing = true;
      ShowInplaceEdit();
      FModified = FOldModifiedValue;
    }
    GetStoredCell(SC, FOldRow, FOldCellTextWide);
  }
  return Valid;
}

void TRezIvevirAvod::NotifyCellsChanged(TRect R) {
  if (OnCellsChanged) OnCellsChanged(this, R);
  for (Integer i = 0; i < FNotifierList->Count(); ++i)
    static_cast<TGridChangeNotifier*>(FNotifierList->Items(i))->CellsChanged(R);
  RecalcColumnFooter(-1);
}

void TRezIvevirAvod::DoCellsLoaded() { RecalcColumnFooter(-1); }

void TRezIvevirAvod::RegisterNotifier(TGridChangeNotifier* Notifier) {
  if (Notifier && FNotifierList->IndexOf(Notifier) < 0) FNotifierList->Add(Notifier);
}

void TRezIvevirAvod::UnRegisterNotifier(TGridChangeNotifier* Notifier) { FNotifierList->Remove(Notifier); }

}  // namespace jorv::grid
