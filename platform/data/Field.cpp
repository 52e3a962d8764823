#include "platform/data/Field.h"
#include "platform/data/DBConsts.h"
#include "platform/data/DataSet.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

TField::TField(TComponent* AOwner) : TComponent(AOwner) {}

TField::~TField() {
  if (FDataSet) FDataSet->RemoveField(this);
  if (FLookupDataSet) RemoveFreeNotification(FLookupDataSet);
}

void TField::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FLookupDataSet) FLookupDataSet = nullptr;
}

void TField::SetDataSet(TDataSet* Value) {
  if (FDataSet == Value) return;
  if (FDataSet) {
    FDataSet->CheckInactive();
    FDataSet->RemoveField(this);
  }
  if (Value) {
    Value->CheckInactive();
    if (!FFieldName.empty() && Value->FindField(FFieldName))
      DatabaseError(DBFormat(SDuplicateFieldName, {FFieldName}), Value);
  }
  FDataSet = Value;
  if (FDataSet) FDataSet->AddField(this);
}

void TField::SetFieldName(const String& Value) {
  if (FDataSet) FDataSet->CheckInactive();
  FFieldName = Value;
}

void TField::SetDisplayLabel(const String& Value) {
  FDisplayLabel = Value == FFieldName ? String() : Value;
  PropertyChanged(true);
}

void TField::SetDisplayWidth(Integer Value) {
  FDisplayWidth = Value;
  PropertyChanged(true);
}

void TField::SetFieldKind(TFieldKind Value) {
  if (FDataSet) FDataSet->CheckInactive();
  FFieldKind = Value;
}

void TField::SetSize(Integer Value) {
  if (FDataSet) FDataSet->CheckInactive();
  FSize = Value;
}

void TField::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  PropertyChanged(false);
}

void TField::SetVisible(bool Value) {
  FVisible = Value;
  PropertyChanged(true);
}

void TField::SetLookupDataSet(TDataSet* Value) {
  if (FDataSet) FDataSet->CheckInactive();
  if (FLookupDataSet) RemoveFreeNotification(FLookupDataSet);
  FLookupDataSet = Value;
  if (FLookupDataSet) FreeNotification(FLookupDataSet);
}

void TField::PropertyChanged(bool LayoutAffected) {
  if (FDataSet && FDataSet->Active())
    FDataSet->DataEvent(LayoutAffected ? deLayoutChange : deDataSetChange, 0);
}

Integer TField::Index() const { return FDataSet ? FDataSet->Fields().IndexOf(this) : -1; }

void TField::SetIndex(Integer Value) {
  if (FDataSet) FDataSet->MoveField(this, Value);
}

bool TField::IsBlob() const {
  switch (FDataType) {
    case ftBlob: case ftMemo: case ftGraphic: case ftFmtMemo: case ftWideMemo:
    case ftParadoxOle: case ftDBaseOle: case ftTypedBinary: case ftOraBlob: case ftOraClob:
      return true;
    default:
      return false;
  }
}

TFieldValue TField::GetFieldData() const { return FDataSet ? FDataSet->GetFieldValue(this) : TFieldValue(); }

void TField::SetFieldData(const TFieldValue& Value) {
  if (!FDataSet) DatabaseError(DBFormat(SDataSetClosed, {}), this);
  TDataSetState s = FDataSet->State();
  if (FReadOnly && s != dsSetKey && s != dsFilter && s != dsCalcFields)
    DatabaseError(DBFormat(SFieldReadOnly, {DisplayName()}), FDataSet);
  CheckValue(Value);
  FDataSet->SetFieldValue(this, Value);
}

void TField::SetAsVariant(const Variant& Value) {
  if (Value.IsNull() || Value.IsEmpty()) Clear();
  else SetVarValue(Value);
}

Variant TField::GetAsVariant() const { return FieldValueToVariant(GetFieldData()); }

void TField::SetVarValue(const Variant& Value) { SetFieldData(Convert(VariantToFieldValue(Value))); }

bool TField::IsNull() const { return IsNullValue(GetFieldData()); }

bool TField::CanModify() const {
  if (FReadOnly || !FDataSet || !FDataSet->CanModify()) return false;
  return FFieldKind == fkData || FFieldKind == fkInternalCalc;
}

void TField::FocusControl() {
  if (!FDataSet || !FDataSet->Active()) return;
  TField* f = this;
  FDataSet->DataEvent(deFocusControl, reinterpret_cast<intptr_t>(&f));
}

String TField::GetTextOf(bool Display) const {
  String t;
  if (OnGetText) OnGetText(const_cast<TField*>(this), t, Display);
  else GetText(t, Display);
  return t;
}

void TField::SetText(const String& Value) {
  if (OnSetText) OnSetText(this, Value);
  else SetAsStringValue(Value);
}

void TField::GetText(String& Text, bool /*DisplayText*/) const { Text = GetAsString(); }

void TField::AccessError(const wchar_t* TypeName) const {
  DatabaseError(DBFormat(SFieldAccessError, {DisplayName(), TypeName}), FDataSet);
}

String TField::GetAsString() const { AccessError(L"String"); }
void TField::SetAsStringValue(const String&) { AccessError(L"String"); }
Integer TField::GetAsInteger() const { AccessError(L"Integer"); }
void TField::SetAsIntegerValue(Integer) { AccessError(L"Integer"); }
void TField::SetAsLargeIntValue(Int64 Value) { SetAsIntegerValue(static_cast<Integer>(Value)); }
double TField::GetAsFloat() const { AccessError(L"Float"); }
void TField::SetAsFloatValue(double) { AccessError(L"Float"); }
TDateTime TField::GetAsDateTime() const { AccessError(L"DateTime"); }
void TField::SetAsDateTimeValue(TDateTime) { AccessError(L"DateTime"); }
bool TField::GetAsBoolean() const { AccessError(L"Boolean"); }
void TField::SetAsBooleanValue(bool) { AccessError(L"Boolean"); }
TFieldValue TField::Convert(const TFieldValue& Value) const { return Value; }

}  // namespace jorv
