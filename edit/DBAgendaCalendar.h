#pragma once
// The month calendar whose events come from the records of a data set: each
// record marks the days from its start to its end field, with an optional
// subject as hint and optional marker shape and colour fields.
#include <functional>
#include <memory>

#include "calendar/AgendaCalendar.h"
#include "platform/data/DataLink.h"

namespace jorv::edit {
using namespace jorv::calendar;

class TDBAgendaCalendar;

using TEventInsertEvent = std::function<void(TObject* Sender, TSelDateItem* Event)>;

// Reloads the calendar on the data set's notices while AutoUpdate is set;
// scrolling alone does not reload.
class TDBAgendaCalendarDataLink : public TDataLink {
 public:
  explicit TDBAgendaCalendarDataLink(TDBAgendaCalendar* ADBAgendaCalendar)
      : FDBAgendaCalendar(ADBAgendaCalendar) {}

 protected:
  void ActiveChanged() override;
  void DataSetChanged() override;
  void RecordChanged(TField* Field) override;
  void DataSetScrolled(Integer Distance) override;

 private:
  void Reload();
  TDBAgendaCalendar* FDBAgendaCalendar = nullptr;
};

class TDBAgendaCalendar : public TAgendaCalendar {
 public:
  explicit TDBAgendaCalendar(TComponent* AOwner);
  ~TDBAgendaCalendar() override;

  // Rebuilds Events from the data set: one range per record. A failure
  // part way (a field the data set does not know) leaves the data set on
  // its record with its controls enabled, and the calendar able to reload.
  void UpdateCalendar();
  bool CanUpdate() const;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  bool AutoUpdate() const { return FAutoUpdate; }
  void SetAutoUpdate(bool Value) { FAutoUpdate = Value; }
  TDataSource* DataSource() const { return FDataLink->DataSource(); }
  void SetDataSource(TDataSource* Value);
  const String& StartTimeField() const { return FStartTimeField; }
  void SetStartTimeField(const String& Value) { FStartTimeField = Value; }
  const String& EndTimeField() const { return FEndTimeField; }
  void SetEndTimeField(const String& Value) { FEndTimeField = Value; }
  const String& ShapeField() const { return FShapeField; }
  void SetShapeField(const String& Value) { FShapeField = Value; }
  const String& ColorField() const { return FColorField; }
  void SetColorField(const String& Value) { FColorField = Value; }
  const String& SubjectField() const { return FSubjectFIeld; }
  void SetSubjectField(const String& Value) { FSubjectFIeld = Value; }
  bool Updating() const { return FUpdating; }

  TNotifyEvent OnSetFilter;
  TEventInsertEvent OnEventInsert;

  void DoMonthChange(TDateTime origDate, TDateTime newDate) override;
  void DoYearChange(TDateTime origDate, TDateTime newDate) override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void LoadRecords(TDataSet* DataSet);

  std::unique_ptr<TDBAgendaCalendarDataLink> FDataLink;
  String FStartTimeField;
  String FEndTimeField;
  String FShapeField;
  String FColorField;
  String FSubjectFIeld;
  bool FUpdating = false;
  bool FActive = false;
  bool FAutoUpdate = true;
};

}  // namespace jorv::edit
