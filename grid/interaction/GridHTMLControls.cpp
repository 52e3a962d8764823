// The form controls drawn inside HTML cells: a click toggles a check box,
// sets a radio button, pushes a button or lays a real edit or combo over an
// edit or combo control; leaving that editor writes its value back into the
// VALUE of that one control in the cell's HTML.
#include <algorithm>

#include "foundation/HTMLUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HTMLControlEditors.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

bool IsEditType(const String& Type) { return Type == L"EDIT" || Type == L"PASSWORD" || Type == L"MASK"; }

// A list taller than this many items gains nothing and would overflow the
// combo's height; fewer than one shows no list at all.
constexpr Integer MaxDropCount = 100;

template <class T>
T* MakeControlEditor(TRezIvevirAvod* Grid) {
  T* Editor = new T(Grid);
  Editor->SetVisible(false);
  Editor->SetParent(Grid);
  return Editor;
}

// The value a control holds in the cell's HTML, its entities decoded. The
// painted layout reads attributes after a first decoding of the whole text,
// which cuts a value holding a double quote short; the cell text is what
// the editor must start from so that nothing is lost on the way back.
String StoredControlValue(const String& HTML, const String& ID, const String& Shown) {
  String Value = Shown;
  foundation::GetControlValue(HTML, ID, Value);
  return Value;
}

}  // namespace

TControlEdit* TRezIvevirAvod::HTMLEditControl() {
  if (!FHTMLEditControl) FHTMLEditControl = MakeControlEditor<TControlEdit>(this);
  return FHTMLEditControl;
}

TControlCombo* TRezIvevirAvod::ComboControl() {
  if (!FComboControl) FComboControl = MakeControlEditor<TControlCombo>(this);
  return FComboControl;
}

bool TRezIvevirAvod::CellControlsEditable(Integer ACol, Integer ARow) {
  bool Editable = (Options().Contains(goEditing) || FEditDisable) && !GetReadOnly(ACol, ARow);
  DoCanEditCell(ACol, ARow, Editable);
  return Editable;
}

void TRezIvevirAvod::ShowCellControlEditor(const String& HTML, const String& CtrlType, Integer ARow, Integer ACol,
                                           Integer EventCol, const TRect& R, const String& CtrlValue,
                                           const String& CtrlID) {
  if (!IsEditType(CtrlType) && CtrlType != L"COMBO") return;
  FCtrlXY = TPoint{ACol, ARow};
  FCtrlID = CtrlID;
  FCtrlType = CtrlType;
  FCtrlEditing = true;
  if (CtrlType == L"COMBO")
    OpenControlCombo(HTML, ARow, EventCol, R, CtrlValue);
  else
    OpenControlEdit(HTML, R, CtrlValue);
}

void TRezIvevirAvod::OpenControlEdit(const String& HTML, const TRect& R, const String& CtrlValue) {
  TControlEdit* Edit = HTMLEditControl();
  Edit->SetWidth(0);
  Edit->SetPasswordChar(FCtrlType == L"PASSWORD" ? L'*' : Char(0));
  Edit->SetEditMask(FCtrlType == L"MASK" ? foundation::GetControlProp(HTML, FCtrlID) : String());
  Edit->OnExit = [this](TObject* Sender) { DoneCellControlEditor(Sender); };
  Edit->SetText(CtrlValue);
  Edit->SetBorderStyle(bsNone);
  Edit->SetBounds(R.Left + 1, R.Top + 8, R.Right - R.Left - 4, 14);
  // A negative MAXLEN limits nothing, as an absent one.
  Edit->SetMaxLength(std::max(0, foundation::GetControlMaxLen(HTML, FCtrlID)));
  Edit->SetVisible(true);
  Edit->BringToFront();
  if (Edit->CanFocus()) Edit->SetFocus();
}

void TRezIvevirAvod::OpenControlCombo(const String& HTML, Integer ARow, Integer EventCol, const TRect& R,
                                      const String& CtrlValue) {
  TControlCombo* Combo = ComboControl();
  Combo->FIsWinXP = FIsWinXP;
  Combo->SetWidth(0);
  bool Edit = true;
  Integer DropCount = 8;
  Combo->SetFlat(false);
  Combo->SetBounds(R.Left - 1, R.Top + 4, R.Right - R.Left, Combo->Height());
  Combo->OnSelect = [this](TObject* Sender) { RelayControlComboSelect(Sender); };
  if (OnControlComboList) {
    // The application adds to what the list already holds.
    TStringList Values;
    Values.Assign(Combo->Items());
    OnControlComboList(this, ARow, EventCol, FCtrlID, FCtrlType, CtrlValue, &Values, Edit, DropCount);
    Combo->Items()->Assign(&Values);
  }
  Combo->SetStyle(Edit ? csDropDown : csDropDownList);
  Combo->SetItemIndex(Combo->Items()->IndexOf(CtrlValue));
  if (Edit) Combo->SetText(CtrlValue);
  DropCount = std::clamp(DropCount, 1, MaxDropCount);
  Combo->SetDropDownCount(DropCount);
  Combo->OnExit = [this](TObject* Sender) { DoneCellControlEditor(Sender); };
  Combo->SetHeight(Combo->ItemHeight() * (DropCount + 2));
  Combo->SetMaxLength(std::max(0, foundation::GetControlMaxLen(HTML, FCtrlID)));
  Combo->SetVisible(true);
  Combo->BringToFront();
  if (Combo->CanFocus()) Combo->SetFocus();
  Combo->SetDroppedDown(true);
}

void TRezIvevirAvod::DoneCellControlEditor(TObject*) {
  if (!FCtrlEditing) return;
  FCtrlEditing = false;
  TWinControl* Editor = nullptr;
  String Value;
  if (IsEditType(FCtrlType)) {
    Editor = FHTMLEditControl;
    Value = FHTMLEditControl->Text();
  } else {
    Editor = FComboControl;
    Value = FComboControl->Text();
    // Its list would stay open over the grid once the combo is hidden.
    if (FComboControl->DroppedDown()) FComboControl->SetDroppedDown(false);
  }
  // The cell may have gone while the editor was open; the value then has
  // no control to go to.
  if (FCtrlXY.X >= 0 && FCtrlXY.X < AllColCount() && FCtrlXY.Y >= 0 && FCtrlXY.Y < RowCount()) {
    String HTML = GetCells(FCtrlXY.X, FCtrlXY.Y);
    if (foundation::SetControlValue(HTML, FCtrlID, Value) == 1) SetCells(FCtrlXY.X, FCtrlXY.Y, HTML);
  }
  Editor->SetVisible(false);
  if (OnControlEditDone) OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, Value);
  FCtrlType.clear();
}

// The editor lies over a control's box inside the cell's text: once the view
// moves it would float over another cell, so the edit ends as a click
// elsewhere ends it.
void TRezIvevirAvod::CloseCellControlEditor() {
  if (!FCtrlEditing) return;
  TWinControl* Editor = IsEditType(FCtrlType) ? static_cast<TWinControl*>(FHTMLEditControl) : FComboControl;
  const HWND Focus = GetFocus();
  // A combo's focus is in its edit field.
  const bool HadFocus = Editor && Editor->HandleAllocated() && Focus &&
                        (Focus == Editor->Handle() || IsChild(Editor->Handle(), Focus));
  DoneCellControlEditor(this);
  if (HadFocus && CanFocus()) SetFocus();
}

void TRezIvevirAvod::RelayControlComboSelect(TObject*) {
  if (!OnControlComboSelect || !FComboControl) return;
  const Integer Index = FComboControl->ItemIndex();
  const String Item = Index >= 0 ? FComboControl->Items()->Strings(Index) : String();
  OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, Index, FCtrlID, Item);
}

void TRezIvevirAvod::LeaveCellControlByKey(TWinControl* Editor, bool Tab) {
  const TPoint Cell = FCtrlXY;
  const String AfterID = FCtrlID;
  // What leaving the editor does, the mask's check included.
  Editor->Perform(CM_EXIT, 0, 0);
  if (FCtrlEditing) return;
  if (!Tab) {
    FocusFromEditor();
    return;
  }
  if (Navigation()->AdvanceAuto()) {
    FocusFromEditor();
    AdvanceCell(Col(), Row(), true, false, true, false, true);
    return;
  }
  // The next control of the cell that was edited, which a click on a
  // control leaves where it is rather than making it the current cell.
  EditNextCellControl(RealToDisplCol(Cell.X), Cell.Y, AfterID);
}

void TRezIvevirAvod::EditNextCellControl(Integer ACol, Integer ARow, const String& AfterID) {
  const Integer RealCol = DisplToRealCol(ACol);
  const bool Inside = RealCol >= 0 && RealCol < AllColCount() && ARow >= 0 && ARow < RowCount();
  const String HTML = Inside ? GetCells(RealCol, ARow) : String();
  THTMLControlHit Hit;
  Hit.ID = foundation::NextEditControlID(HTML, AfterID);
  if (!Hit.ID.empty()) AnchorUnderPoint(ACol, ARow, -1, -1, nullptr, &Hit);
  // A control laid out nowhere (scrolled away, or without a width) opens nothing.
  if (Hit.ID.empty() || Hit.Type.empty()) {
    FocusFromEditor();
    return;
  }
  ShowCellControlEditor(HTML, Hit.Type, ARow, RealCol, RealCol, Hit.Rect,
                        StoredControlValue(HTML, Hit.ID, Hit.Value), Hit.ID);
}

bool TRezIvevirAvod::PressOnHTMLControl(Integer ACol, Integer ARow, Integer RealCol, const THTMLControlHit& Hit) {
  FCtrlDownId = Hit.ID;
  if (!CellControlsEditable(RealCol, ARow)) return false;
  if (FCtrlEditing) DoneCellControlEditor(this);
  String HTML = GetCells(RealCol, ARow);
  String Value = StoredControlValue(HTML, Hit.ID, Hit.Value);
  if (Hit.Type == L"BUTTON") {
    FCtrlXY = TPoint{RealCol, ARow};
    FCtrlDown = true;
    RepaintCell(ACol, ARow);
  } else if (Hit.Type == L"CHECK") {
    Value = UpperCase(Value) == L"TRUE" ? L"FALSE" : L"TRUE";
    foundation::SetControlValue(HTML, Hit.ID, Value);
    SetCells(RealCol, ARow, HTML);
  } else if (Hit.Type == L"RADIO") {
    Value = L"TRUE";
    HTML = foundation::ClearRadioControls(HTML);
    foundation::SetControlValue(HTML, Hit.ID, Value);
    SetCells(RealCol, ARow, HTML);
  }
  if (OnControlClick) OnControlClick(this, ARow, RealCol, Hit.ID, Hit.Type, Value);
  ShowCellControlEditor(HTML, Hit.Type, ARow, RealCol, RealCol, Hit.Rect, Value, Hit.ID);
  return true;
}

bool TRezIvevirAvod::PressBesideHTMLControls(Integer ACol, Integer ARow, const String& Text) {
  if (!foundation::HasControlTag(Text)) return false;
  DoClickCell(ARow, ACol);
  HideInplaceEdit();
  SetSelection(TGridRect{ACol, ARow, ACol, ARow});
  return true;
}

void TRezIvevirAvod::ReleaseHTMLButton() {
  if (!FCtrlDown) return;
  FCtrlDown = false;
  if (FCtrlXY.X >= 0 && FCtrlXY.X < AllColCount() && FCtrlXY.Y >= 0 && FCtrlXY.Y < RowCount())
    RepaintCell(RealToDisplCol(FCtrlXY.X), FCtrlXY.Y);
}

bool TRezIvevirAvod::EditCellControlsByKey() {
  const Integer RealCol = RealColIndex(Col());
  if (!foundation::HasControlTag(GetCells(RealCol, Row()))) return false;
  if (CellControlsEditable(RealCol, Row())) EditNextCellControl(Col(), Row(), String());
  return true;
}

}  // namespace jorv::grid
