#pragma once
// The edit with button that edits a date field of a data set and drops down
// a month calendar to pick the date. The calendar lives on a borderless host
// form that the picker owns; the button, F4 or DropDown place it below the
// edit (above it near the bottom of the work area) and show it.
#include <memory>

#include "edit/DBAgendaCalendar.h"
#include "edit/ExEditBtn.h"
#include "foundation/ZVQStyle.h"

namespace jorv {
class TForm;
}
namespace jorv::edit {

class TDBAgendaDatePicker : public TExEditBtn {
 public:
  explicit TDBAgendaDatePicker(TComponent* AOwner);
  ~TDBAgendaDatePicker() override;

  Cardinal GetVersionNr() const override { return 0x01040009; }
  void DoClickBtn(TObject* Sender) override;
  void Loaded() override;

  // True when the link is editing after asking it to edit.
  virtual bool EnterFieldEdit();
  virtual void DropDown();
  void HideCalendar();
  // Suppresses the drop-down of the button click in progress.
  void CancelBtnClick() { CancelThisBtnClick = true; }
  void CalendarDaySelect(TObject* Sender, TDateTime SelDate);
  // Enter selects the calendar's date, Escape closes it. Bound to a
  // calendar taken over from a form file; a form built in code may bind
  // its calendar's key presses here too.
  void CalendarKeyPress(TObject* Sender, Char& Key);

  void DateDataChange(TObject* Sender);
  void DateUpdateData(TObject* Sender);
  void DateActiveChange(TObject* Sender);

  // The calendar's date while the text is not empty, else 0.
  TDateTime Date() const;
  void SetDate(TDateTime Value);

  TDBAgendaCalendar* Calendar() const { return FAgendaCalendar; }
  TForm* CalendarHost() const { return AgendaParent; }
  bool CalendarVisible() const;
  TFieldDataLink* DataLink() const { return FDataLink.get(); }
  TDataSource* DataSource() const { return FDataLink->DataSource(); }
  void SetDataSource(TDataSource* Value);
  String DataField() const { return FDataLink->FieldName(); }
  void SetDataField(const String& Value) { FDataLink->SetFieldName(Value); }
  bool HideCalendarAfterSelection() const { return FHideCalendarAfterSelection; }
  void SetHideCalendarAfterSelection(bool Value) { FHideCalendarAfterSelection = Value; }

  // The calendar's events of the same names.
  void SetOnGetDateHint(TGetDateEvent Value) { FAgendaCalendar->OnGetDateHint = std::move(Value); }
  void SetOnGetDateHintString(TGetDateEventHint Value) { FAgendaCalendar->OnGetDateHintString = std::move(Value); }
  void SetOnGetEventProp(TEventPropEvent Value) { FAgendaCalendar->OnGetEventProp = std::move(Value); }
  void SetOnWeekSelect(TNotifyEvent Value) { FAgendaCalendar->OnWeekSelect = std::move(Value); }
  void SetOnAllDaySelect(TNotifyEvent Value) { FAgendaCalendar->OnAllDaySelect = std::move(Value); }

  // The calendar takes the preset of the same name; tsCustom changes
  // nothing.
  void SetComponentStyle(TZVQStyle AStyle);

  TDaySelectEvent OnDaySelect;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void Change() override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;

 private:
  void MakeCalendar();
  void BindCalendar(TDBAgendaCalendar* Value);
  // Writes the text without the picker's own change handling.
  void SetInternalText(const String& Value);

  TDBAgendaCalendar* FAgendaCalendar = nullptr;
  TDBAgendaCalendar* AAgendaCalendar = nullptr;
  TForm* AgendaParent = nullptr;
  bool CancelThisBtnClick = false;
  bool FHideCalendarAfterSelection = true;
  std::unique_ptr<TFieldDataLink> FDataLink = std::make_unique<TFieldDataLink>();
  bool FInternalChange = false;
  bool FChanged = false;
};

}  // namespace jorv::edit
