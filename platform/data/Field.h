#pragma once
// A field: one column of a data set as the controls see it. The value lives
// in the data set's active record buffer; the field converts it to and from
// texts and numbers and checks what may be written.
#include <functional>
#include "platform/data/DataTypes.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/Variant.h"

namespace jorv {

class TDataSet;
class TField;

using TFieldNotifyEvent = std::function<void(TField* Sender)>;
using TFieldGetTextEvent = std::function<void(TField* Sender, String& Text, bool DisplayText)>;
using TFieldSetTextEvent = std::function<void(TField* Sender, const String& Text)>;

class TField : public TComponent {
 public:
  explicit TField(TComponent* AOwner = nullptr);
  ~TField() override;

  TDataSet* DataSet() const { return FDataSet; }
  // Adds the field to the data set's field list (the set must be closed).
  void SetDataSet(TDataSet* Value);

  const String& FieldName() const { return FFieldName; }
  void SetFieldName(const String& Value);
  String DisplayLabel() const { return FDisplayLabel.empty() ? FFieldName : FDisplayLabel; }
  void SetDisplayLabel(const String& Value);
  String DisplayName() const { return DisplayLabel(); }
  Integer DisplayWidth() const { return FDisplayWidth > 0 ? FDisplayWidth : DefaultWidth(); }
  void SetDisplayWidth(Integer Value);

  TFieldType DataType() const { return FDataType; }
  TFieldKind FieldKind() const { return FFieldKind; }
  void SetFieldKind(TFieldKind Value);
  bool Calculated() const { return FFieldKind == fkCalculated; }
  bool Lookup() const { return FFieldKind == fkLookup; }
  Integer Size() const { return FSize; }
  void SetSize(Integer Value);
  // 1-based position of the field's definition; 0 for calculated and lookup
  // fields, which the data set does not store.
  Integer FieldNo() const { return FFieldNo; }
  // Position in the data set's Fields.
  Integer Index() const;
  void SetIndex(Integer Value);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool Required() const { return FRequired; }
  void SetRequired(bool Value) { FRequired = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  const String& EditMask() const { return FEditMask; }
  void SetEditMask(const String& Value) { FEditMask = Value; }
  // Whether the field accepts the character while typing (numbers take
  // digits, signs and their separators only).
  virtual bool IsValidChar(Char /*InputChar*/) const { return true; }
  bool IsBlob() const;

  // Lookup settings: KeyFields of this data set are matched against
  // LookupKeyFields of LookupDataSet; the field shows LookupResultField.
  TDataSet* LookupDataSet() const { return FLookupDataSet; }
  void SetLookupDataSet(TDataSet* Value);
  const String& KeyFields() const { return FKeyFields; }
  void SetKeyFields(const String& Value) { FKeyFields = Value; }
  const String& LookupKeyFields() const { return FLookupKeyFields; }
  void SetLookupKeyFields(const String& Value) { FLookupKeyFields = Value; }
  const String& LookupResultField() const { return FLookupResultField; }
  void SetLookupResultField(const String& Value) { FLookupResultField = Value; }

  // Texts: DisplayText for showing, Text for editing (both through
  // OnGetText when assigned); writing Text goes through OnSetText.
  String DisplayText() const { return GetTextOf(true); }
  String Text() const { return GetTextOf(false); }
  void SetText(const String& Value);

  String AsString() const { return GetAsString(); }
  void SetAsString(const String& Value) { SetAsStringValue(Value); }
  String AsWideString() const { return GetAsString(); }
  void SetAsWideString(const String& Value) { SetAsStringValue(Value); }
  Integer AsInteger() const { return GetAsInteger(); }
  void SetAsInteger(Integer Value) { SetAsIntegerValue(Value); }
  Int64 AsLargeInt() const { return GetAsLargeInt(); }
  void SetAsLargeInt(Int64 Value) { SetAsLargeIntValue(Value); }
  double AsFloat() const { return GetAsFloat(); }
  void SetAsFloat(double Value) { SetAsFloatValue(Value); }
  Currency AsCurrency() const { return GetAsFloat(); }
  void SetAsCurrency(Currency Value) { SetAsFloatValue(Value); }
  TDateTime AsDateTime() const { return GetAsDateTime(); }
  void SetAsDateTime(TDateTime Value) { SetAsDateTimeValue(Value); }
  bool AsBoolean() const { return GetAsBoolean(); }
  void SetAsBoolean(bool Value) { SetAsBooleanValue(Value); }

  // The value as a Variant of the field's kind: Null when empty, varDate
  // for dates and times, varCurrency for money, varBoolean, whole numbers,
  // doubles, and strings for texts (a blob's bytes one character each).
  Variant AsVariant() const { return GetAsVariant(); }
  // Null and Unassigned clear the field; any other value is converted to
  // the field's kind (EConvertError for a text that does not read as one).
  void SetAsVariant(const Variant& Value);
  Variant Value() const { return GetAsVariant(); }
  void SetValue(const Variant& Value) { SetAsVariant(Value); }
  bool IsNull() const;
  void Clear() { SetFieldData(TFieldValue()); }

  // Whether a control may write the field now (not read-only, the data set
  // modifiable, not calculated).
  bool CanModify() const;
  // Asks the data set's controls to move the focus to this field's control.
  void FocusControl();

  TFieldGetTextEvent OnGetText;
  TFieldSetTextEvent OnSetText;
  TFieldNotifyEvent OnValidate;
  TFieldNotifyEvent OnChange;

  // Used by the data set: binding to a definition, and the raw value.
  void Bind(Integer FieldNo) { FFieldNo = FieldNo; }
  TFieldValue GetFieldData() const;
  // Checks (state, read-only, OnValidate) and stores, then tells the data set.
  void SetFieldData(const TFieldValue& Value);
  // Raises when Value does not fit the field (too long, out of range).
  virtual void CheckValue(const TFieldValue& /*Value*/) const {}
  // Converts a value of any kind to the field's own kind (EConvertError for
  // a text that does not read as one).
  virtual TFieldValue Convert(const TFieldValue& Value) const;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetDataType(TFieldType Value) { FDataType = Value; }
  virtual Integer DefaultWidth() const { return 10; }
  virtual void GetText(String& Text, bool DisplayText) const;
  virtual String GetAsString() const;
  virtual void SetAsStringValue(const String& Value);
  virtual Integer GetAsInteger() const;
  virtual void SetAsIntegerValue(Integer Value);
  virtual Int64 GetAsLargeInt() const { return GetAsInteger(); }
  virtual void SetAsLargeIntValue(Int64 Value);
  virtual double GetAsFloat() const;
  virtual void SetAsFloatValue(double Value);
  virtual TDateTime GetAsDateTime() const;
  virtual void SetAsDateTimeValue(TDateTime Value);
  virtual bool GetAsBoolean() const;
  virtual void SetAsBooleanValue(bool Value);
  virtual Variant GetAsVariant() const;
  virtual void SetVarValue(const Variant& Value);
  [[noreturn]] void AccessError(const wchar_t* TypeName) const;
  void PropertyChanged(bool LayoutAffected);

  TDataSet* FDataSet = nullptr;
  String FFieldName;
  String FDisplayLabel;
  Integer FDisplayWidth = 0;
  TFieldType FDataType = ftUnknown;
  TFieldKind FFieldKind = fkData;
  Integer FSize = 0;
  Integer FFieldNo = 0;
  TAlignment FAlignment = taLeftJustify;
  bool FReadOnly = false;
  bool FRequired = false;
  bool FVisible = true;
  String FEditMask;
  TDataSet* FLookupDataSet = nullptr;
  String FKeyFields;
  String FLookupKeyFields;
  String FLookupResultField;

 private:
  friend class TDataSet;
  String GetTextOf(bool Display) const;
};

}  // namespace jorv
