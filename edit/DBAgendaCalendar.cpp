#include "edit/DBAgendaCalendar.h"

#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::edit {

// --- the link ------------------------------------------------------------------

void TDBAgendaCalendarDataLink::Reload() {
  if (!FDBAgendaCalendar->AutoUpdate()) return;
  FDBAgendaCalendar->UpdateCalendar();
  FDBAgendaCalendar->Invalidate();
}

void TDBAgendaCalendarDataLink::ActiveChanged() {
  TDataLink::ActiveChanged();
  Reload();
}

void TDBAgendaCalendarDataLink::DataSetChanged() {
  TDataLink::DataSetChanged();
  Reload();
}

void TDBAgendaCalendarDataLink::RecordChanged(TField*) { Reload(); }

void TDBAgendaCalendarDataLink::DataSetScrolled(Integer) {}

// --- the calendar ----------------------------------------------------------------

TDBAgendaCalendar::TDBAgendaCalendar(TComponent* AOwner)
    : TAgendaCalendar(AOwner), FDataLink(std::make_unique<TDBAgendaCalendarDataLink>(this)) {}

TDBAgendaCalendar::~TDBAgendaCalendar() {
  if (TDataSource* D = FDataLink->DataSource()) D->RemoveFreeNotification(this);
  FDataLink.reset();
}

void TDBAgendaCalendar::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (FActive)
    UpdateCalendar();
  else
    Events()->Clear();
}

void TDBAgendaCalendar::SetDataSource(TDataSource* Value) {
  if (TDataSource* Old = FDataLink->DataSource()) Old->RemoveFreeNotification(this);
  FDataLink->SetDataSource(Value);
  if (Value) Value->FreeNotification(this);
  if (!FDataLink->DataSource()) Events()->Clear();
}

void TDBAgendaCalendar::Notification(TComponent* AComponent, TOperation Operation) {
  TAgendaCalendar::Notification(AComponent, Operation);
  if (Operation == opRemove && FDataLink && AComponent == FDataLink->DataSource()) SetDataSource(nullptr);
}

bool TDBAgendaCalendar::CanUpdate() const {
  TDataSource* Source = FDataLink->DataSource();
  return Source && Source->DataSet() && !FStartTimeField.empty() && !FEndTimeField.empty() && FActive;
}

void TDBAgendaCalendar::UpdateCalendar() {
  if (!CanUpdate() || FUpdating) return;
  TDataSet* D = FDataLink->DataSource()->DataSet();
  const TDataSetState State = D->State();
  if (State == dsInactive || State == dsEdit || State == dsInsert) return;
  FUpdating = true;
  Events()->Clear();
  D->DisableControls();
  TBookmark Mark = D->GetBookmark();
  // However the load ends, the data set goes back to its record and its
  // controls, and the calendar can reload again; a failed load's own
  // failure is what is reported.
  auto Reenable = ScopeExit([&] {
    D->EnableControls();
    FUpdating = false;
  });
  auto BackToMark = ScopeExit([&] {
    D->GotoBookmark(Mark);
    D->FreeBookmark(Mark);
  });
  LoadRecords(D);
}

void TDBAgendaCalendar::LoadRecords(TDataSet* D) {
  D->First();
  while (!D->Eof()) {
    const TDateTime dt1 = D->FieldByName(FStartTimeField)->AsDateTime();
    const TDateTime dt2 = D->FieldByName(FEndTimeField)->AsDateTime();
    TEventShape Shape = EventMarkerShape();
    if (!FShapeField.empty())
      Shape = static_cast<TEventShape>(D->FieldByName(FShapeField)->AsInteger() & 0xFF);
    TColor Color = EventMarkerColor();
    if (!FColorField.empty()) Color = D->FieldByName(FColorField)->AsInteger();
    if (!FSubjectFIeld.empty())
      Events()->AddRangeHintSC(dt1, dt2, D->FieldByName(FSubjectFIeld)->AsString(), Shape, Color);
    else
      Events()->AddRangeSC(dt1, dt2, Shape, Color);
    if (OnEventInsert && Events()->Count() > 0) OnEventInsert(this, Events()->Items(Events()->Count() - 1));
    D->Next();
  }
}

void TDBAgendaCalendar::DoMonthChange(TDateTime origDate, TDateTime newDate) {
  TAgendaCalendar::DoMonthChange(origDate, newDate);
  UpdateCalendar();
}

void TDBAgendaCalendar::DoYearChange(TDateTime origDate, TDateTime newDate) {
  TAgendaCalendar::DoYearChange(origDate, newDate);
  UpdateCalendar();
}

}  // namespace jorv::edit
