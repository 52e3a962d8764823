// The editor kinds: which control edits a cell, how it is filled, placed
// and focused when the edit starts, and how its value goes back into the
// cell when the edit ends. The shared combo list lives here too.
#include <commctrl.h>
#include "dropdown/CalculatorDropDown.h"
#include "dropdown/ColorPickerDropDown.h"
#include "dropdown/DetailDropDown.h"
#include "dropdown/ImagePickerDropDown.h"
#include "dropdown/MemoDropDown.h"
#include "dropdown/MultiColumnDropDown.h"
#include "dropdown/TimePickerDropDown.h"
#include "dropdown/TrackBarDropDown.h"
#include "foundation/ValueUtils.h"
#include "grid/base/GrdComboBox.h"
#include "grid/base/GrdEditBtn.h"
#include "grid/base/GrdSpinEdit.h"
#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/GridButton.h"
#include "grid/interaction/GridCheckBox.h"
#include "grid/interaction/GridCombo.h"
#include "grid/interaction/GridDatePicker.h"
#include "grid/interaction/GridDropDownEditors.h"
#include "grid/interaction/GridEditBtn.h"
#include "grid/interaction/GridSpin.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

bool IsSpinKind(TEditorType K) {
  return K == edSpinEdit || K == edFloatSpinEdit || K == edTimeSpinEdit || K == edDateSpinEdit;
}
bool IsEditBtnKind(TEditorType K) {
  return K == edEditBtn || K == edNumericEditBtn || K == edFloatEditBtn || K == edMaskEditBtn;
}
bool IsUnitKind(TEditorType K) { return K == edUnitEditBtn || K == edNumericUnitEditBtn || K == edFloatUnitEditBtn; }
bool IsDropDownKind(TEditorType K) { return K >= edTrackbarDropDown && K <= edControlDropDown; }

TDateTime TextToDate(const String& T) {
  TDateTime D = 0;
  if (T.empty() || !TryStrToDate(T, D)) return Now();
  return D;
}

TDateTime TextToDateTime(const String& T) {
  TDateTime D = 0;
  if (T.empty()) return Now();
  if (TryStrToDateTime(T, D)) return D;
  if (TryStrToDate(T, D)) return D;
  return Now();
}

// The short date, a space and the short time.
String DateTimeText(TDateTime D) { return DateToStr(D) + L" " + FormatDateTime(FormatSettings().ShortTimeFormat, D); }

}  // namespace

// --- the controls ---------------------------------------------------------------------------------

template <class T>
static T* MakeEditor(TRezIvevirAvod* Grid) {
  T* Control = new T(Grid);
  Control->SetVisible(false);
  Control->SetParent(Grid);
  return Control;
}

void TRezIvevirAvod::MakeEditorControls() {
  FEditCombo = MakeEditor<TGridCombo>(this);
  FEditCheck = MakeEditor<TGridCheckBox>(this);
  FEditBtn = MakeEditor<TGridEditBtn>(this);
  FUnitEditBtn = MakeEditor<TGridUnitEditBtn>(this);
  FUnitEditBtn->OnUnitChanged = [this](TObject*, const String& NewUnit) {
    if (OnUnitChanged) OnUnitChanged(this, Col(), Row(), NewUnit);
  };
  FGridButton = MakeEditor<TGridButton>(this);
}

TGrdSpinEdit* TRezIvevirAvod::SpinEdit() {
  if (!FEditSpin) {
    FEditSpin = MakeEditor<TGridSpin>(this);
    FEditSpin->SetEnabled(false);
    FEditSpin->SetBorderStyle(bsNone);
    FEditSpin->SetIsWinXP(FIsWinXP);
  }
  return FEditSpin;
}

TGridDatePicker* TRezIvevirAvod::DateTimePicker() {
  if (!FEditDate) {
    FEditDate = MakeEditor<TGridDatePicker>(this);
    FEditDate->SetEnabled(false);
    FEditDate->OnChange = [this](TObject*) {
      if (!OnEditChange) return;
      OnEditChange(this, Col(), Row(),
                   FEditDate->Kind() == dtkTime ? TimeToStr(FEditDate->Time()) : DateToStr(FEditDate->Date()));
    };
    FEditDate->OnCloseUp = [this](TObject*) {
      if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
      if (MouseActions()->DirectDateClose()) HideInplaceEdit();
    };
    FEditDate->OnDropDown = [this](TObject*) { DatePickerDroppedDown(); };
  }
  return FEditDate;
}

TGridDateTimePicker* TRezIvevirAvod::DateAndTimePicker() {
  if (!FEditDateTime) {
    FEditDateTime = MakeEditor<TGridDateTimePicker>(this);
    FEditDateTime->SetEnabled(false);
    FEditDateTime->SetAutoTab(true);
    FEditDateTime->OnChange = [this](TObject*) {
      if (OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), FEditDateTime->DateTime());
    };
    FEditDateTime->OnCloseUp = [this](TObject*) {
      if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
      if (MouseActions()->DirectDateClose()) HideInplaceEdit();
    };
  }
  return FEditDateTime;
}

// Every drop-down editor takes the grid's look when it is made.
template <class Wrapper, class T>
static T* MakeDropDown(TRezIvevirAvod* Grid, T*& Field) {
  if (!Field) {
    Field = MakeEditor<Wrapper>(Grid);
    Field->SetComponentStyle(TZVQStyle(Grid->GridStyle()));
    Field->SetColorTones(Grid->ColorTones());
  }
  return Field;
}

TExTrackBarDropDown* TRezIvevirAvod::TrackbarDropDown() {
  if (!FEditTrackBar) MakeDropDown<TGridTrackbarDropDown>(this, FEditTrackBar);
  return FEditTrackBar;
}

TExMemoDropDown* TRezIvevirAvod::MemoDropDown() {
  if (!FEditMemo) {
    MakeDropDown<TGridMemoDropDown>(this, FEditMemo);
    FEditMemo->OnChange = [this](TObject*) {
      if (FEditMode && FEditControl == edMemoDropDown) SetEditText(Col(), Row(), FEditMemo->Text());
    };
  }
  return FEditMemo;
}

TExCalculatorDropdown* TRezIvevirAvod::CalculatorDropDown() {
  if (!FEditCalculator) MakeDropDown<TGridCalculatorDropDown>(this, FEditCalculator);
  return FEditCalculator;
}

TExTimePickerDropDown* TRezIvevirAvod::TimePickerDropDown() {
  if (!FEditTimePicker) MakeDropDown<TGridTimepickerDropDown>(this, FEditTimePicker);
  return FEditTimePicker;
}

TExDetailDropDown* TRezIvevirAvod::DetailPickerDropDown() {
  if (!FEditDetailPicker) MakeDropDown<TGridDetailPickerDropDown>(this, FEditDetailPicker);
  return FEditDetailPicker;
}

TExMultiColumnDropDown* TRezIvevirAvod::GridDropDown() {
  if (!FEditGridPicker) MakeDropDown<TGridGridDropDown>(this, FEditGridPicker);
  return FEditGridPicker;
}

TExColorPickerDropDown* TRezIvevirAvod::ColorPickerDropDown() {
  if (!FEditColorPicker) {
    MakeDropDown<TGridColorDropDown>(this, FEditColorPicker);
    FEditColorPicker->AddDefaultColors();
  }
  return FEditColorPicker;
}

TExImagePickerDropDown* TRezIvevirAvod::ImagePickerDropDown() {
  if (!FEditImagePicker) MakeDropDown<TGridImageDropDown>(this, FEditImagePicker);
  return FEditImagePicker;
}

TExControlDropDown* TRezIvevirAvod::ControlDropDown() {
  if (!FEditControlPicker) MakeDropDown<TGridControlDropDown>(this, FEditControlPicker);
  return FEditControlPicker;
}

TExCustomDropDown* TRezIvevirAvod::DropDownFor(TEditorType Kind) {
  switch (Kind) {
    case edTrackbarDropDown: return TrackbarDropDown();
    case edMemoDropDown: return MemoDropDown();
    case edCalculatorDropDown: return CalculatorDropDown();
    case edTimePickerDropDown: return TimePickerDropDown();
    case edDetailDropDown: return DetailPickerDropDown();
    case edGridDropDown: return GridDropDown();
    case edExGridDropDown: return ExGridDropDown();
    case edColorPickerDropDown: return ColorPickerDropDown();
    case edImagePickerDropDown: return ImagePickerDropDown();
    case edControlDropDown: return ControlDropDown();
    default: return nullptr;
  }
}

// --- opening ---------------------------------------------------------------------------------------

void TRezIvevirAvod::CellEditLook(Integer ACol, Integer ARow, TColor& Color) {
  const Integer SC = RealColIndex(ACol);
  TBrush* Brush = Canvas()->Brush();
  TFont* CellFont = Canvas()->Font();
  CellFont->Assign(Font());
  Brush->SetColor(GetColors(SC, ARow) != clNone ? GetColors(SC, ARow) : this->Color());
  TGridDrawState State{gdFocused};
  TColor ColorTo = clNone, Mirror = clNone, MirrorTo = clNone;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = false;
  TCellGradientDirection GD = GradientVertical;
  GetVisualProperties(ACol, ARow, State, false, false, true, Brush, ColorTo, Mirror, MirrorTo, CellFont, HA, VA, WW,
                      GD);
  Color = Brush->Color();
}

void TRezIvevirAvod::PlaceEditor(TControl* Control, const TRect& R, Integer W, Integer H) {
  Control->SetBounds(R.Left, R.Top, W, H);
}

void TRezIvevirAvod::PostStartChar(TWinControl* Control) {
  if (FStartEditChar && Control->HandleAllocated()) PostMessageW(Control->Handle(), WM_CHAR, FStartEditChar, 0);
}

void TRezIvevirAvod::PrepareInplaceEditor(Integer ACol, Integer ARow) {
  FEditing = FSpecialEditor = FEditActive = true;
  TRect R = CellRect(ACol, ARow);
  const Integer W = R.Right - R.Left - 1, H = R.Bottom - R.Top - 1;
  const Integer SC = RealColIndex(ACol);
  TColor C = clWindow;
  CellEditLook(ACol, ARow, C);
  FGridState = gsNormal;
  FEditCtrl = nullptr;
  if (FEditControl != edCustom) FLastValidation = true;
  const String T = GetEditText(ACol, ARow);
  const TEditorType K = FEditControl;
  if (IsSpinKind(K)) {
    OpenSpinEditor(T, C, R, W, H, SC, ARow);
  } else if (K == edComboEdit || K == edComboList) {
    OpenComboEditor(T, C, R, W, H, SC, ARow);
  } else if (IsEditBtnKind(K)) {
    OpenEditBtnEditor(T, C, R, W, H, SC, ARow);
  } else if (IsUnitKind(K)) {
    OpenUnitEditor(T, C, R, W, H, SC, ARow);
  } else if (K == edCheckBox) {
    FEditCheck->RecreateWnd();
    PlaceEditor(FEditCheck, R, W, H);
    FEditCheck->SetCaption(T);
    FEditCheck->SetEnabled(true);
    FEditCheck->SetChecked(false);
    FEditCheck->SetVisible(true);
    FEditCheck->SetFocus();
    FEditMode = true;
  } else if (K == edButton) {
    FGridButton->RecreateWnd();
    FGridButton->SetBounds(R.Left - 1, R.Top - 1, W + 2, H + 2);
    FGridButton->SetCaption(T);
    DoGetEditorProp(SC, ARow, nullptr);
    FGridButton->SetVisible(true);
    FGridButton->SetEnabled(true);
    FGridButton->SetFocus();
    FEditCtrl = FGridButton;
    FEditMode = true;
  } else if ((K == edDateEdit || K == edDateEditUpDown || K == edTimeEdit) && GridUnit().ComCtrlOK) {
    OpenDateEditor(T, C, R, W, H, SC, ARow);
  } else if (K == edDateTimeEdit && GridUnit().ComCtrlOK) {
    OpenDateTimeEditor(T, C, R, W, H, SC, ARow);
  } else if (IsDropDownKind(K) && DropDownFor(K)) {
    OpenDropDownEditor(T, C, R, W, H, SC, ARow);
  } else if (K == edCustom) {
    OpenCustomEditor(T, C, R, SC, ARow);
  } else if (K == edRichEdit) {
    OpenRichEditor(C, R, W, H, SC, ARow);
  }
  FStartEditChar = 0;
}

void TRezIvevirAvod::OpenSpinEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC,
                                    Integer ARow) {
  TGrdSpinEdit* Spin = SpinEdit();
  Spin->RecreateWnd();
  PlaceEditor(Spin, R, W, H);
  Spin->SetVisible(true);
  Spin->SetEnabled(true);
  Spin->SetColor(C);
  Spin->SetExcelStyleDecimalSeparator(FExcelStyleDecimalSeparator);
  DoGetEditorProp(SC, ARow, nullptr);
  switch (FEditControl) {
    case edSpinEdit:
      Spin->SetSpinType(sptNormal);
      Spin->SetValue(StrToIntDef(Trim(T), 0));
      break;
    case edFloatSpinEdit: {
      double V = 0;
      // The normalised text has "." whatever the locale's separator.
      if (!TryStrToFloat(NormalizeNumberText(T), V, TFormatSettings())) V = 0;
      Spin->SetSpinType(sptFloat);
      Spin->SetFloatValue(V);
      break;
    }
    case edTimeSpinEdit:
      Spin->SetSpinType(sptTime);
      Spin->SetText(T);
      break;
    default:
      Spin->SetSpinType(sptDate);
      Spin->SetDateValue(TextToDate(T));
      break;
  }
  Spin->SetFocus();
  PostStartChar(Spin);
  if (FSpinUpClick) Spin->StepUp(false);
  if (FSpinDnClick) Spin->StepDown(false);
  FSpinUpClick = FSpinDnClick = false;
  FEditCtrl = Spin;
  FEditMode = true;
}

void TRezIvevirAvod::OpenComboEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC,
                                     Integer ARow) {
  TGrdComboBox* Combo = FEditCombo;
  const bool List = FEditControl == edComboList;
  bool ComboEvents = false;
  if (List) FForceComboSel = false;
  Combo->SetDropDownCount(ControlLook()->DropDownCount());
  DoGetEditorProp(SC, ARow, nullptr);
  Combo->SetBounds(R.Left, R.Top, 0, 0);
  Combo->SetEnabled(true);
  Combo->SetStyle(List ? csDropDownList : csDropDown);
  Combo->HandleNeeded();
  if (!List) {
    SendMessageW(Combo->Handle(), CB_SETITEMHEIGHT, WPARAM(-1), std::max(H - 6, 1));
    Combo->SetText(T);
    if (FComboIdx != -1 && Combo->ItemIndex() == -1) Combo->SetItemIndex(FComboIdx);
    Combo->SetMaxLength(FMaxComboLength);
  } else {
    Combo->SetItemIndex(Combo->Items()->IndexOf(GetGridCell(SC, ARow)));
    if (FComboIdx == -1 && Combo->ItemIndex() == -1) {
      Combo->SetItemIndex(Combo->Items()->IndexOf(T));
      if (Combo->ItemIndex() == -1 && Navigation()->AutoComboSelect() && Combo->Items()->Count() > 0)
        Combo->SetItemIndex(0);
      ComboEvents = true;
    } else if (Combo->ItemIndex() == -1 || FForceComboSel) {
      Combo->SetItemIndex(FComboIdx);
    }
  }
  Combo->SetBounds(R.Left, R.Top, W, Combo->ItemHeight() * (Combo->DropDownCount() + 1) + H);
  Combo->SetVisible(true);
  const bool FlatLook = FLook == glSoft || FLook == glZVQ || FLook == glXP || FLook == glListView ||
                        FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
  Combo->SetFlat(FlatLook);
  Combo->SetEtched(FlatLook);
  Combo->SetColor(C);
  if (!Navigation()->AutoComboDropSize() && Combo->DropWidth() > 0)
    SendMessageW(Combo->Handle(), CB_SETDROPPEDWIDTH, WPARAM(Combo->DropWidth()), 0);
  Combo->SetFocus();
  if (MouseActions()->DirectComboDrop() || ControlLook()->DropDownAlwaysVisible()) Combo->SetDroppedDown(true);
  if (ComboEvents && Combo->Items()->Count() > 0) {
    const String First = Combo->Items()->Strings(0);
    if (OnComboChange) OnComboChange(this, SC, ARow, 0, First);
    if (OnComboObjectChange) OnComboObjectChange(this, SC, ARow, 0, First, Combo->Items()->Objects(0));
  }
  PostStartChar(Combo);
  FEditCtrl = Combo;
  FEditMode = true;
}

void TRezIvevirAvod::OpenEditBtnEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC,
                                       Integer ARow) {
  TGrdEditBtn* Edit = FEditBtn;
  Edit->RecreateWnd();
  Edit->SetBounds(R.Left, R.Top, W, Edit->Height());
  Edit->SetText(T);
  Edit->SetMaxLength(FMaxEditLength);
  Edit->SetVisible(true);
  Edit->SetEnabled(true);
  Edit->SetColor(C);
  DoGetEditorProp(SC, ARow, nullptr);
  Edit->SetFocus();
  Edit->SetHeight(H);
  Edit->SetEditMask(FEditControl == edMaskEditBtn ? GetEditMask(SC, ARow) : String());
  PostStartChar(Edit);
  FEditCtrl = Edit;
  FEditMode = true;
}

void TRezIvevirAvod::OpenUnitEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC,
                                    Integer ARow) {
  TGrdUnitEditBtn* Edit = FUnitEditBtn;
  Edit->RecreateWnd();
  Edit->SetBounds(R.Left, R.Top, W, Edit->Height());
  Edit->SetMaxLength(FMaxEditLength);
  Edit->SetUnitID(String());
  Edit->SetText(String());
  Edit->SetTextAndUnit(T);
  // A text that ends in none of the units is all value.
  if (Edit->Text().empty() && Edit->UnitID().empty()) Edit->SetText(T);
  DoGetEditorProp(SC, ARow, nullptr);
  Edit->SetVisible(true);
  Edit->SetEnabled(true);
  Edit->SetColor(C);
  Edit->SetFocus();
  Edit->SetHeight(H);
  PostStartChar(Edit);
  FEditCtrl = Edit;
  FEditMode = true;
}

// A date outside the picker's bounds opens at the nearest bound.
void TRezIvevirAvod::OpenDateEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC,
                                    Integer ARow) {
  TGridDatePicker* Picker = DateTimePicker();
  Picker->SetParent(this);
  Picker->RecreateWnd();
  if (FEditControl == edTimeEdit) {
    TDateTime D = 0;
    Picker->SetKind(dtkTime);
    Picker->SetTime(T.empty() || !TryStrToTime(T, D) ? Now() : D);
    Picker->SetBounds(R.Left, R.Top, W, H);
  } else {
    TDateTime D = Now();
    if (!T.empty()) {
      if (OnCustomStrToDate)
        OnCustomStrToDate(this, T, D);
      else
        D = TextToDateTime(T);
    }
    if (Picker->MaxDate() != 0 && D > Picker->MaxDate()) D = Picker->MaxDate();
    if (Picker->MinDate() != 0 && D < Picker->MinDate()) D = Picker->MinDate();
    Picker->SetDate(D);
    Picker->SetKind(dtkDate);
    Picker->SetDateMode(FEditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
    DoGetEditorProp(SC, ARow, nullptr);
    Picker->SetBounds(R.Left, R.Top, W, Picker->Height() != H ? H : Picker->Height());
  }
  Picker->SetEnabled(true);
  Picker->SetVisible(true);
  Picker->SetColor(C);
  if (FEditControl == edTimeEdit) DoGetEditorProp(SC, ARow, nullptr);
  Picker->SetFocus();
  if (FEditControl != edTimeEdit) {
    if (MouseActions()->DirectDateDrop()) SendMessageW(Picker->Handle(), WM_KEYDOWN, VK_F4, 0);
    PostStartChar(Picker);
  }
  FEditCtrl = Picker;
  FEditMode = true;
}

void TRezIvevirAvod::OpenDateTimeEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC,
                                        Integer ARow) {
  TGridDateTimePicker* Picker = DateAndTimePicker();
  Picker->SetParent(this);
  const TDateTime D = TextToDateTime(T);
  FOriginalDateTime = D;
  Picker->SetKind(dkDateTime);
  Picker->SetDateTime(D);
  Picker->SetBorderStyle(bsNone);
  Picker->SetBounds(R.Left, R.Top, W, Picker->Height() < H ? H : Picker->Height());
  DoGetEditorProp(SC, ARow, nullptr);
  Picker->SetEnabled(true);
  Picker->SetVisible(true);
  Picker->SetColor(C);
  Picker->SetFocus();
  // Its edit is under way like any other's; the control reports its end.
  FEditCtrl = Picker;
  FEditMode = true;
}

void TRezIvevirAvod::OpenDropDownEditor(const String& T, TColor C, const TRect& R, Integer W, Integer H, Integer SC,
                                        Integer ARow) {
  TExCustomDropDown* DropDown = DropDownFor(FEditControl);
  DropDown->SetDropDownFooter(ControlLook()->DropDownFooter());
  DropDown->SetDropDownHeader(ControlLook()->DropDownHeader());
  DropDown->SetComponentStyle(TZVQStyle(GridStyle()));
  DropDown->OnDropDownHeaderButtonClick = [this](TObject*, Integer Index) {
    if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, Col(), Row(), Index);
  };
  DropDown->OnDropDownFooterButtonClick = [this](TObject*, Integer Index) {
    if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, Col(), Row(), Index);
  };
  const bool Colored = FEditControl != edColorPickerDropDown && FEditControl != edImagePickerDropDown;
  if (Colored) DropDown->SetColor(C);
  if (FEditControl == edGridDropDown || FEditControl == edControlDropDown) DropDown->SetEditorEnabled(true);
  if (FEditControl == edExGridDropDown) PrepareExGridPicker();
  DoGetEditorProp(SC, ARow, nullptr);
  DropDown->SetBounds(R.Left, R.Top, 0, 0);
  DropDown->SetEnabled(true);
  DropDown->SetBorderStyle(bsNone);
  DropDown->SetBounds(R.Left, R.Top, W, H);
  SetDropDownValue(T, SC, ARow);
  DropDown->SetVisible(true);
  DropDown->SetFocus();
  if (FEditControl == edDetailDropDown) {
    const Integer Index = FEditDetailPicker->Items()->IndexOf(DropDown->Text());
    if (Index >= 0) FEditDetailPicker->SetItemIndex(Index);
  }
  PostStartChar(DropDown);
  if (MouseActions()->DirectComboDrop()) DropDown->ShowDropDown();
  if (FEditControl == edMemoDropDown) {
    DropDown->SetSelStart(0);
    DropDown->SetSelLength(0);
  }
  FEditCtrl = DropDown;
  FEditMode = true;
}

void TRezIvevirAvod::SetDropDownValue(const String& T, Integer SC, Integer ARow) {
  switch (FEditControl) {
    case edTrackbarDropDown:
      // The editor shows the position it opened at, and writes back what it shows.
      FEditTrackBar->SetPosition(StrToIntDef(Trim(T), 0));
      FEditTrackBar->SetText(IntToStr(StrToIntDef(Trim(T), 0)));
      break;
    case edDetailDropDown:
      FEditDetailPicker->SetEditorEnabled(true);
      FEditDetailPicker->SetText(T);
      break;
    case edGridDropDown:
      FEditGridPicker->SetItemIndex(T.empty() ? 0 : FEditGridPicker->GetItemIndex(T));
      FEditGridPicker->SetText(T);
      break;
    case edExGridDropDown: SetExGridPickerValue(T); break;
    case edColorPickerDropDown:
      FEditColorPicker->BeginUpdate();
      FEditColorPicker->EndUpdate();
      FEditColorPicker->SetSelectedColor(HasShape(SC, ARow) ? GetShapeColor(SC, ARow) : GetColors(SC, ARow));
      break;
    case edImagePickerDropDown: {
      TExImagePickerDropDown* Picker = FEditImagePicker;
      Integer Index = -1;
      if (GetCellType(SC, ARow) == ctImageList || GetCellType(SC, ARow) == ctDataImage) {
        Picker->SetImages(GridImages());
        if (Picker->Items()->Count() == 0) Picker->AddImagesFromImageList();
        if (GetCellType(SC, ARow) == ctImageList)
          GetImageIdx(SC, ARow, Index);
        else
          Index = GetInts(SC, ARow);
        Picker->SetImageIndex(Index);
      }
      const Integer Item = Picker->ItemIndex();
      Picker->SetText(Item >= 0 ? Picker->Items()->Items(Item)->Caption() : String());
      break;
    }
    default: DropDownFor(FEditControl)->SetText(T); break;
  }
}

// --- writing back ----------------------------------------------------------------------------------

void TRezIvevirAvod::CloseEditor(TControl* Control) {
  Control->SetEnabled(false);
  Control->SetVisible(false);
  FEditMode = false;
}

void TRezIvevirAvod::StoreInplaceEditValue(Integer ACol, Integer ARow) {
  if (Destroying()) return;
  FSpecialEditor = false;
  FBlockKill = true;
  auto Unblock = ScopeExit([this] {
    FBlockKill = false;
    FEditActive = false;
  });
  const Integer SC = RealColIndex(ACol);
  FStartEditChar = 0;
  const TEditorType K = FEditControl;
  if (IsSpinKind(K) && FEditSpin) {
    FEditMode = false;
    if (FEditSpin->AllowEmptyValue() && Trim(FEditSpin->Text()).empty())
      SetCellEx(SC, ARow, String());
    else if (K == edSpinEdit)
      SetInts(SC, ARow, FEditSpin->Value());
    else if (K == edFloatSpinEdit)
      SetFloats(SC, ARow, FEditSpin->FloatValue());
    else if (K == edTimeSpinEdit)
      ApplyEditText(SC, ARow, FEditSpin->Text());
    else
      SetDates(SC, ARow, FEditSpin->DateValue());
    CloseEditor(FEditSpin);
  } else if ((K == edComboEdit || K == edComboList) && FEditMode) {
    ApplyEditText(SC, ARow, FEditCombo->Text());
    CloseEditor(FEditCombo);
  } else if (IsEditBtnKind(K) && FEditMode) {
    ApplyEditText(SC, ARow, FEditBtn->Text());
    CloseEditor(FEditBtn);
  } else if (K == edCheckBox) {
    CloseEditor(FEditCheck);
  } else if (K == edButton) {
    CloseEditor(FGridButton);
  } else if (IsUnitKind(K)) {
    ApplyEditText(SC, ARow, FUnitEditBtn->Text() + FUnitEditBtn->UnitID());
    CloseEditor(FUnitEditBtn);
  } else if ((K == edDateEdit || K == edDateEditUpDown) && GridUnit().ComCtrlOK && FEditDate) {
    const bool Checked = !FEditDate->ShowCheckbox() || FEditDate->Checked();
    ApplyEditText(SC, ARow, Checked ? DateToStr(FEditDate->Date()) : String());
    CloseEditor(FEditDate);
    if (FEditDate->HandleAllocated())
      if (HWND Calendar = HWND(SendMessageW(FEditDate->Handle(), DTM_GETMONTHCAL, 0, 0)))
        ShowWindow(Calendar, SW_HIDE);
  } else if (K == edTimeEdit && GridUnit().ComCtrlOK && FEditDate) {
    const String Format = FEditDate->Format();
    ApplyEditText(SC, ARow, Format.empty() ? TimeToStr(FEditDate->Time()) : FormatDateTime(Format, FEditDate->Time()));
    CloseEditor(FEditDate);
  } else if (K == edDateTimeEdit && GridUnit().ComCtrlOK && FEditDateTime) {
    const TDateTime D = FEditDateTime->DateTime();
    const bool Checked = !FEditDateTime->ShowCheckbox() || FEditDateTime->Checked();
    ApplyEditText(SC, ARow, Checked ? DateTimeText(D) : String());
    CloseEditor(FEditDateTime);
  } else if (IsDropDownKind(K) && FEditMode && DropDownFor(K)) {
    if (StoreDropDownValue(SC, ARow)) CloseEditor(DropDownFor(K));
  } else if (K == edCustom) {
    StoreCustomEditor(SC, ARow);
  } else if (K == edRichEdit) {
    StoreRichEditor(SC, ARow);
  }
  if (K != edNormal && K != edCapital && K != edValidChars && FEditActive) FinishCellEdit(SC, ARow);
}

// False when nothing was written because the application kept the value.
bool TRezIvevirAvod::StoreDropDownValue(Integer SC, Integer ARow) {
  switch (FEditControl) {
    case edMemoDropDown: {
      String Text;
      TStrings* Lines = FEditMemo->MemoText();
      for (Integer i = 0; i < Lines->Count(); ++i) Text += Lines->Strings(i) + L"\r\n";
      ApplyEditText(SC, ARow, Text);
      return true;
    }
    case edColorPickerDropDown: {
      TColor Color = FEditColorPicker->SelectedColor();
      String Value = FEditColorPicker->SelectedColorText();
      if (OnColorSelected) OnColorSelected(this, SC, ARow, Color, Value);
      ApplyEditText(SC, ARow, Value);
      if (HasShape(SC, ARow))
        SetShapeColor(SC, ARow, Color);
      else
        SetColors(SC, ARow, Color);
      return true;
    }
    case edImagePickerDropDown: {
      Integer Index = FEditImagePicker->ImageIndex();
      if (OnImageSelected) OnImageSelected(this, SC, ARow, Index);
      if (GetCellType(SC, ARow) == ctImageList)
        SetImageIdx(SC, ARow, Index);
      else if (GetCellType(SC, ARow) == ctDataImage)
        ApplyEditText(SC, ARow, IntToStr(Index));
      return true;
    }
    default:
      ApplyEditText(SC, ARow, DropDownFor(FEditControl)->Text());
      return true;
  }
}

// --- the shared combo list ---------------------------------------------------------------------------

void TRezIvevirAvod::ClearComboString() { FEditCombo->Items()->Clear(); }

void TRezIvevirAvod::AddComboString(const String& S) { FEditCombo->Items()->Add(S); }

void TRezIvevirAvod::AddComboStringObject(const String& S, TObject* AObject) {
  FEditCombo->Items()->AddObject(S, AObject);
}

bool TRezIvevirAvod::RemoveComboString(const String& S) {
  const Integer Index = FEditCombo->Items()->IndexOf(S);
  if (Index < 0) return false;
  FEditCombo->Items()->Delete(Index);
  return true;
}

bool TRezIvevirAvod::SetComboSelectionString(const String& S) {
  const Integer Index = FEditCombo->Items()->IndexOf(S);
  if (Index < 0) return false;
  FComboIdx = Index;
  return true;
}

void TRezIvevirAvod::SetComboSelection(Integer Index) {
  FComboIdx = Index;
  FForceComboSel = true;
}

Integer TRezIvevirAvod::GetComboCount() { return FEditCombo->Items()->Count(); }

void TRezIvevirAvod::SetComboIndex(Integer ACol, Integer ARow, Integer Index) {
  DoGetEditorProp(ACol, ARow, nullptr);
  SetCellEx(ACol, ARow, FEditCombo->Items()->Strings(Index));
}

Integer TRezIvevirAvod::GetComboIndex(Integer ACol, Integer ARow) {
  DoGetEditorProp(ACol, ARow, nullptr);
  return FEditCombo->Items()->IndexOf(GetCells(ACol, ARow));
}

}  // namespace jorv::grid
