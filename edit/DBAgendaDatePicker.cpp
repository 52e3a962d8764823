#include "edit/DBAgendaDatePicker.h"

#include "calendar/AgendaCalendarStyle.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Screen.h"

namespace jorv::edit {

namespace {

// Form files name the drop-down calendar by its class.
const bool CalendarClassRegistered = [] {
  RegisterClass<TDBAgendaCalendar>(L"TDBAgendaCalendar");
  return true;
}();

bool KeyHeld(int VirtualKey) { return GetKeyState(VirtualKey) < 0; }

}  // namespace

// --- construction --------------------------------------------------------------

TDBAgendaDatePicker::TDBAgendaDatePicker(TComponent* AOwner) : TExEditBtn(AOwner) {
  (void)CalendarClassRegistered;
  SetInternalText(String());
  AgendaParent = new TForm(this);
  AgendaParent->SetBorderStyle(bsNone);
  AgendaParent->SetPosition(poDesigned);
  AgendaParent->OnDeactivate = [this](TObject*) { AgendaParent->Hide(); };
  MakeCalendar();
  SetWidth(FAgendaCalendar->Width());
  TBitmap Arrow;
  Arrow.SetHandle(LoadBitmapW(nullptr, MAKEINTRESOURCEW(32738)));
  SetGlyph(&Arrow);
  Button()->SetFocusControl(nullptr);
  FDataLink->SetControl(this);
  FDataLink->OnDataChange = [this](TObject* Sender) { DateDataChange(Sender); };
  FDataLink->OnUpdateData = [this](TObject* Sender) { DateUpdateData(Sender); };
  FDataLink->OnActiveChange = [this](TObject* Sender) { DateActiveChange(Sender); };
}

TDBAgendaDatePicker::~TDBAgendaDatePicker() {
  FDataLink->OnDataChange = nullptr;
  FDataLink->OnUpdateData = nullptr;
  FDataLink->OnActiveChange = nullptr;
  if (TDataSource* D = FDataLink->DataSource()) D->RemoveFreeNotification(this);
  FDataLink.reset();
}

void TDBAgendaDatePicker::MakeCalendar() {
  auto* Calendar = new TDBAgendaCalendar(this);
  Calendar->SetParent(AgendaParent);
  Calendar->SetBounds(0, 0, 180, 180);
  AgendaParent->SetClientWidth(Calendar->Width());
  AgendaParent->SetClientHeight(Calendar->Height());
  FAgendaCalendar = Calendar;
  FAgendaCalendar->OnDaySelect = [this](TObject* Sender, TDateTime SelDate) { CalendarDaySelect(Sender, SelDate); };
}

// A calendar read from a form file replaces the one the constructor made.
void TDBAgendaDatePicker::Loaded() {
  TExEditBtn::Loaded();
  if (AgendaParent->ComponentCount() < 1) return;
  auto* Taken = dynamic_cast<TDBAgendaCalendar*>(AgendaParent->Components(0));
  if (!Taken) throw EInvalidCast(L"Invalid class typecast");
  AAgendaCalendar = Taken;
  BindCalendar(Taken);
}

void TDBAgendaDatePicker::BindCalendar(TDBAgendaCalendar* Value) {
  Value->OnDaySelect = [this](TObject* Sender, TDateTime SelDate) { CalendarDaySelect(Sender, SelDate); };
  Value->OnGetDateHint = FAgendaCalendar->OnGetDateHint;
  Value->OnGetDateHintString = FAgendaCalendar->OnGetDateHintString;
  Value->OnKeyPress = [this](TObject* Sender, Char& Key) { CalendarKeyPress(Sender, Key); };
  delete FAgendaCalendar;
  FAgendaCalendar = Value;
  AgendaParent->SetClientWidth(Value->Width());
  AgendaParent->SetClientHeight(Value->Height());
}

void TDBAgendaDatePicker::SetDataSource(TDataSource* Value) {
  if (TDataSource* Old = FDataLink->DataSource()) Old->RemoveFreeNotification(this);
  FDataLink->SetDataSource(Value);
  if (Value) Value->FreeNotification(this);
}

void TDBAgendaDatePicker::Notification(TComponent* AComponent, TOperation Operation) {
  TExEditBtn::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (FDataLink && AComponent == FDataLink->DataSource()) SetDataSource(nullptr);
  if (AComponent == FAgendaCalendar) FAgendaCalendar = nullptr;
  if (AComponent == AAgendaCalendar) AAgendaCalendar = nullptr;
  if (AComponent == AgendaParent) AgendaParent = nullptr;
}

void TDBAgendaDatePicker::SetComponentStyle(TZVQStyle AStyle) {
  TAgendaCalendarStyle Style;
  if (AStyle == tsCustom || !FAgendaCalendar || !AgendaCalendarStyleOfZVQStyle(AStyle, Style)) return;
  FAgendaCalendar->SetStyle(Style);
}

bool TDBAgendaDatePicker::EnterFieldEdit() {
  FDataLink->Edit();
  return FDataLink->Editing();
}

// --- text and date ------------------------------------------------------------------

void TDBAgendaDatePicker::SetInternalText(const String& Value) {
  FInternalChange = true;
  auto Restore = ScopeExit([this] { FInternalChange = false; });
  SetText(Value);
}

TDateTime TDBAgendaDatePicker::Date() const {
  if (Text().empty() || !FAgendaCalendar) return 0;
  return FAgendaCalendar->Date();
}

void TDBAgendaDatePicker::SetDate(TDateTime Value) {
  if (FAgendaCalendar) FAgendaCalendar->SetDate(Value);
  if (AllowNumericNullValue() && Value == 0)
    SetText(String());
  else
    SetText(DateToStr(Value));
}

void TDBAgendaDatePicker::Change() {
  if (FInternalChange) {
    TExEditBtn::Change();
    return;
  }
  TExEditBtn::Change();
  if (EnterFieldEdit()) {
    FChanged = true;
    FDataLink->Modified();
  }
  TDateTime Typed = 0;
  if (!Text().empty() && FAgendaCalendar && TryStrToDate(Text(), Typed)) FAgendaCalendar->SetDate(Typed);
}

// --- the link's notices -----------------------------------------------------------

void TDBAgendaDatePicker::DateDataChange(TObject*) {
  TField* F = FDataLink->Field();
  if (!FDataLink->DataSet() || !F) return;
  {
    FInternalChange = true;
    auto Restore = ScopeExit([this] { FInternalChange = false; });
    if (AllowNumericNullValue() && F->AsDateTime() == 0)
      SetText(String());
    else if (!F->DisplayText().empty())
      SetDate(F->AsDateTime());
    else
      SetText(String());
  }
  SetEditorEnabled(!F->ReadOnly());
}

// An empty text writes a null date: the date value 0 would store
// 30 December 1899 as if the user had typed it. A text that is no date
// fails the write, so the record is not posted with an older date.
void TDBAgendaDatePicker::DateUpdateData(TObject*) {
  TField* F = FDataLink->Field();
  if (!F) return;
  if (Text().empty()) {
    F->Clear();
    return;
  }
  TDateTime Typed = 0;
  if (!TryStrToDate(Text(), Typed)) throw EConvertError(L"'" + Text() + L"' is not a valid date");
  F->SetAsDateTime(Typed);
}

void TDBAgendaDatePicker::DateActiveChange(TObject*) {
  TDataSet* D = FDataLink->DataSet();
  if (!D || !D->Active()) SetInternalText(String());
}

// --- drop-down -------------------------------------------------------------------

bool TDBAgendaDatePicker::CalendarVisible() const { return AgendaParent && AgendaParent->Visible(); }

void TDBAgendaDatePicker::DoClickBtn(TObject* Sender) {
  CancelThisBtnClick = false;
  TExEditBtn::DoClickBtn(Sender);
  if (!CancelThisBtnClick) DropDown();
}

void TDBAgendaDatePicker::DropDown() {
  if (!FAgendaCalendar || !AgendaParent) return;
  TPoint P = ClientToScreen(TPoint(-2, Height() - 3));
  const TRect Work = Screen->WorkAreaRect();
  const Integer CalendarHeight = AgendaParent->Height();
  const Integer CalendarWidth = AgendaParent->Width();
  if (P.Y + CalendarHeight > Work.Bottom) P.Y = P.Y - CalendarHeight - Height() + 3;
  if (P.X + CalendarWidth > Work.Right) P.X = P.X + Width() - CalendarWidth;
  // The host stays above the form that shows the picker.
  if (HandleAllocated()) AgendaParent->SetParentWindow(GetAncestor(Handle(), GA_ROOT));
  AgendaParent->SetBounds(P.X, P.Y, CalendarWidth, CalendarHeight);
  if (FAgendaCalendar->MultiSelect()) {
    SetInternalText(FAgendaCalendar->DatesAsText());
  } else {
    TDateTime Shown = 0;
    if (Text().empty())
      FAgendaCalendar->SetDate(Now());
    else if (TryStrToDate(Text(), Shown))
      FAgendaCalendar->SetDate(Shown);
    else
      SetInternalText(FAgendaCalendar->DatesAsText());
  }
  AgendaParent->Show();
  if (FAgendaCalendar->CanFocus()) FAgendaCalendar->SetFocus();
}

void TDBAgendaDatePicker::HideCalendar() {
  if (AgendaParent) AgendaParent->Hide();
  if (CanFocus()) SetFocus();
}

void TDBAgendaDatePicker::CalendarDaySelect(TObject*, TDateTime SelDate) {
  const String Picked = FAgendaCalendar->DatesAsText();
  if (EnterFieldEdit()) {
    FDataLink->Modified();
    SetInternalText(Picked);
    DateUpdateData(this);
    SetModified(true);
  }
  if (OnDaySelect) OnDaySelect(this, SelDate);
  if (FHideCalendarAfterSelection) HideCalendar();
}

void TDBAgendaDatePicker::CalendarKeyPress(TObject*, Char& Key) {
  if (Key == VK_RETURN)
    CalendarDaySelect(FAgendaCalendar, FAgendaCalendar->Date());
  else if (Key == VK_ESCAPE)
    HideCalendar();
}

// --- focus and keys ----------------------------------------------------------------

void TDBAgendaDatePicker::CMEnter(TMessage& M) {
  TExEditBtn::CMEnter(M);
  FChanged = false;
}

// A text that is no date is not written: it would store the calendar's
// stale date as if the user had typed it. It stays in the edit, and the
// field keeps its value.
void TDBAgendaDatePicker::CMExit(TMessage& M) {
  const bool WasModified = Modified();
  TExEditBtn::CMExit(M);
  if (!FChanged || !FDataLink->Field() || !FDataLink->Edit()) return;
  TDateTime Typed = 0;
  if (!Text().empty() && !TryStrToDate(Text(), Typed)) return;
  if (!Text().empty()) FAgendaCalendar->SetDate(Typed);
  DateUpdateData(this);
  SetModified(WasModified);
}

void TDBAgendaDatePicker::WMSetFocus(TWMSetFocus& M) {
  if (EditorEnabled()) {
    TExEditBtn::WMSetFocus(M);
    return;
  }
  TEditButton* B = Button();
  if (B && B->HandleAllocated() && IsWindowEnabled(B->Handle())) ::SetFocus(B->Handle());
}

void TDBAgendaDatePicker::KeyDown(Word& Key, TShiftState Shift) {
  const bool ShiftInsert = Key == VK_INSERT && Shift.Contains(ssShift);
  if ((Key == VK_DELETE || ShiftInsert) && !EnterFieldEdit()) {
    Key = 0;
    return;
  }
  if (Key == VK_DELETE && FDataLink->ReadOnly()) Key = 0;
  if (Key == VK_F4) {
    // The drop-down opens once for the key, whatever modifiers are held;
    // the edit with button must not open it a second time.
    Key = 0;
    if (CalendarVisible())
      HideCalendar();
    else
      DoClickBtn(this);
    return;
  }
  TExEditBtn::KeyDown(Key, Shift);
  if (Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift))) FDataLink->Edit();
  if (Key != 0) FDataLink->Modified();
}

void TDBAgendaDatePicker::KeyPress(Char& Key) {
  if (EnterFieldEdit()) TExEditBtn::KeyPress(Key);
}

void TDBAgendaDatePicker::Dispatch(TMessage& M) {
  if (M.Msg == CM_GETDATALINK) {
    M.Result = reinterpret_cast<LRESULT>(FDataLink.get());
    return;
  }
  TExEditBtn::Dispatch(M);
}

}  // namespace jorv::edit
