#pragma once
// A shown grid whose cells all open one editor kind, with real keys and a
// validation handler that records each call and refuses chosen values.
#include <algorithm>
#include <vector>

#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/GridCombo.h"
#include "grid/interaction/GridEditBtn.h"
#include "grid/interaction/GridSpin.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/CustomEdit.h"
#include "tests/support/ui/Gui.h"

namespace jorv::test {

using namespace jorv::grid;

struct TControlGrid {
  TTestForm Form{520, 260};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  TEdit* Other = new TEdit(Form.Get());
  std::vector<String> Events;
  // Values the validation handler refuses.
  std::vector<String> Refused;

  explicit TControlGrid(TEditorType Kind) {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 420, 200);
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    Grid->SetOptions(Grid->Options() + goEditing);
    Other->SetParent(Form.Get());
    Other->SetBounds(430, 0, 80, 24);
    Grid->OnGetEditorType = [Kind](TObject*, Integer, Integer, TEditorType& Editor) { Editor = Kind; };
    Grid->OnCellValidate = [this](TObject*, Integer C, Integer R, String& Value, bool& Valid) {
      Events.push_back(L"validate " + IntToStr(C) + L"," + IntToStr(R) + L" " + Value);
      if (std::find(Refused.begin(), Refused.end(), Value) != Refused.end()) Valid = false;
    };
    Pump();
    Grid->SetFocus();
    Pump();
  }
  void Key(Word VK, bool Shift = false) { KeyToFocus(VK, Shift ? TShiftState{ssShift} : TShiftState()); }
  // Each character with its key-up, which the editors' completion follows.
  void Type(const String& Text) { TypeToFocus(Text, true); }
  // F2 on the current cell opens its editor.
  void Open(Integer C, Integer R) {
    Grid->SetCol(C);
    Grid->SetRow(R);
    Pump();
    Key(VK_F2);
  }
  // The cell starts with Start; its editor opens and Typed replaces all
  // the text of the focused edit.
  void Retype(Integer C, Integer R, const String& Start, const String& Typed) {
    Grid->SetCells(C, R, Start);
    Open(C, R);
    SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
    Type(Typed);
  }
  // A press and release inside the cell, X pixels from its left edge.
  void ClickCell(Integer C, Integer R, Integer X = 4) {
    const TRect Rect = Grid->CellRect(C, R);
    Click(Grid, Rect.Left + X, Rect.Top + 4);
    Pump(20);
  }
  TGridSpin* Spin() { return static_cast<TGridSpin*>(Grid->SpinEdit()); }
  TGridCombo* Combo() { return static_cast<TGridCombo*>(Grid->Combobox()); }
  TGridEditBtn* EditBtn() { return static_cast<TGridEditBtn*>(Grid->EditBtn()); }
  Integer Validations() {
    return static_cast<Integer>(std::count_if(Events.begin(), Events.end(),
                                              [](const String& E) { return E.rfind(L"validate", 0) == 0; }));
  }
};


}  // namespace jorv::test
