#pragma once
// The enhanced edit bound to one field of a data set: it shows the field as
// its edit type asks, puts the data set into edit mode on the first change,
// writes the value back when the record is updated and restores the field's
// value on Esc.
#include <memory>
#include "edit/ExEdit.h"
#include "platform/data/DataLink.h"
#include "platform/data/DataTypes.h"

namespace jorv {
class TControlCanvas;
}
namespace jorv::edit {


class TDBExEdit : public TExEdit {
 public:
  explicit TDBExEdit(TComponent* AOwner);
  ~TDBExEdit() override;

  // True when no data source is set, else whether the link is editing after
  // asking it to edit.
  virtual bool EnterFieldEdit();

  void FieldDataChange(TObject* Sender);
  void FieldUpdateData(TObject* Sender);
  void FieldActiveChange(TObject* Sender);
  void UpdateFieldNameLabel();
  void ResetMaxLength();
  void Loaded() override;

  TFieldDataLink* DataLink() const { return FDataLink.get(); }
  TField* Field() const { return FDataLink->Field(); }
  TDataSource* DataSource() const { return FDataLink->DataSource(); }
  void SetDataSource(TDataSource* Value);
  String DataField() const { return FDataLink->FieldName(); }
  void SetDataField(const String& Value);
  // The link's flag; the window's own read-only state is left alone.
  bool ReadOnly() const;
  void SetReadOnly(bool Value) { FDataLink->SetReadOnly(Value); }
  bool ClearOnInsert() const { return FClearOnInsert; }
  void SetClearOnInsert(bool Value) { FClearOnInsert = Value; }
  bool ShowFieldName() const { return FShowFieldName; }
  void SetShowFieldName(bool Value);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void WMChar(TWMKey& Message) override;
  void WMPaint(TWMPaint& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void Change() override;

 private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Inserting() const;
  bool FieldRejects(Char Ch) const;
  void PaintCopy(TWMPaint& Message);

  std::unique_ptr<TFieldDataLink> FDataLink = std::make_unique<TFieldDataLink>();
  std::unique_ptr<TControlCanvas> FCanvas;
  TDataSetState FOldState = dsInactive;
  bool FClearOnInsert = false;
  bool FIsEditing = false;
  bool FFocused = false;
  bool FShowFieldName = false;
};

}  // namespace jorv::edit
