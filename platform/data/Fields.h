#pragma once
// The kinds of fields: texts, whole numbers, floating-point and currency
// numbers, truth values, dates and times, and blobs.
#include "platform/data/Field.h"

namespace jorv {

class TStream;

class TStringField : public TField {
 public:
  explicit TStringField(TComponent* AOwner = nullptr);
  void CheckValue(const TFieldValue& Value) const override;

 protected:
  Integer DefaultWidth() const override { return FSize > 0 ? FSize : 20; }
  String GetAsString() const override;
  void SetAsStringValue(const String& Value) override;
  Integer GetAsInteger() const override;
  void SetAsIntegerValue(Integer Value) override;
  double GetAsFloat() const override;
  void SetAsFloatValue(double Value) override;
  TDateTime GetAsDateTime() const override;
  void SetAsDateTimeValue(TDateTime Value) override;
  bool GetAsBoolean() const override;
  void SetAsBooleanValue(bool Value) override;
  void SetVarValue(const Variant& Value) override;
  TFieldValue Convert(const TFieldValue& Value) const override;
};

class TWideStringField : public TStringField {
 public:
  explicit TWideStringField(TComponent* AOwner = nullptr);
};

// Numbers: right-aligned, shown through DisplayFormat and edited through
// EditFormat when these are set.
class TNumericField : public TField {
 public:
  explicit TNumericField(TComponent* AOwner = nullptr);
  const String& DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const String& Value);
  const String& EditFormat() const { return FEditFormat; }
  void SetEditFormat(const String& Value);

 protected:
  String FDisplayFormat;
  String FEditFormat;
};

class TIntegerField : public TNumericField {
 public:
  explicit TIntegerField(TComponent* AOwner = nullptr);
  Int64 MinValue() const { return FMinValue; }
  void SetMinValue(Int64 Value) { FMinValue = Value; }
  Int64 MaxValue() const { return FMaxValue; }
  void SetMaxValue(Int64 Value) { FMaxValue = Value; }
  bool IsValidChar(Char InputChar) const override;
  void CheckValue(const TFieldValue& Value) const override;

 protected:
  void GetText(String& Text, bool DisplayText) const override;
  String GetAsString() const override;
  void SetAsStringValue(const String& Value) override;
  Integer GetAsInteger() const override;
  void SetAsIntegerValue(Integer Value) override;
  Int64 GetAsLargeInt() const override;
  void SetAsLargeIntValue(Int64 Value) override;
  double GetAsFloat() const override;
  void SetAsFloatValue(double Value) override;
  Variant GetAsVariant() const override;
  TFieldValue Convert(const TFieldValue& Value) const override;

  // The type's own bounds; MinValue/MaxValue narrow them when both are set.
  Int64 FLow = INT32_MIN;
  Int64 FHigh = INT32_MAX;
  Int64 FMinValue = 0;
  Int64 FMaxValue = 0;
};

class TSmallintField : public TIntegerField {
 public:
  explicit TSmallintField(TComponent* AOwner = nullptr);
};

class TWordField : public TIntegerField {
 public:
  explicit TWordField(TComponent* AOwner = nullptr);
};

class TAutoIncField : public TIntegerField {
 public:
  explicit TAutoIncField(TComponent* AOwner = nullptr);
};

class TLargeintField : public TIntegerField {
 public:
  explicit TLargeintField(TComponent* AOwner = nullptr);
  Int64 AsLargeInt() const { return GetAsLargeInt(); }

 protected:
  Integer DefaultWidth() const override { return 15; }
  Variant GetAsVariant() const override;
};

class TFloatField : public TNumericField {
 public:
  explicit TFloatField(TComponent* AOwner = nullptr);
  // Shown as money (the locale's currency format) without DisplayFormat.
  bool IsCurrency() const { return FCurrency; }
  void SetCurrency(bool Value);
  Integer Precision() const { return FPrecision; }
  void SetPrecision(Integer Value);
  bool IsValidChar(Char InputChar) const override;

 protected:
  void GetText(String& Text, bool DisplayText) const override;
  String GetAsString() const override;
  void SetAsStringValue(const String& Value) override;
  Integer GetAsInteger() const override;
  void SetAsIntegerValue(Integer Value) override;
  double GetAsFloat() const override;
  void SetAsFloatValue(double Value) override;
  TFieldValue Convert(const TFieldValue& Value) const override;

  bool FCurrency = false;
  Integer FPrecision = 15;
};

class TCurrencyField : public TFloatField {
 public:
  explicit TCurrencyField(TComponent* AOwner = nullptr);

 protected:
  Variant GetAsVariant() const override;
};

// Fixed-point numbers kept as floating-point values rounded to Size
// decimals (four by default, like currency).
class TBCDField : public TFloatField {
 public:
  explicit TBCDField(TComponent* AOwner = nullptr);

 protected:
  Variant GetAsVariant() const override;
  TFieldValue Convert(const TFieldValue& Value) const override;
};

class TBooleanField : public TField {
 public:
  explicit TBooleanField(TComponent* AOwner = nullptr);
  // "True;False" style: the texts for true and for false.
  const String& DisplayValues() const { return FDisplayValues; }
  void SetDisplayValues(const String& Value);

 protected:
  Integer DefaultWidth() const override { return 5; }
  String GetAsString() const override;
  void SetAsStringValue(const String& Value) override;
  bool GetAsBoolean() const override;
  void SetAsBooleanValue(bool Value) override;
  Integer GetAsInteger() const override;
  void SetAsIntegerValue(Integer Value) override;
  TFieldValue Convert(const TFieldValue& Value) const override;

  String FDisplayValues = L"True;False";
  String FTrueText = L"True";
  String FFalseText = L"False";
};

// Dates and times as TDateTime. Without DisplayFormat a date field shows the
// locale's short date, a time field its long time, a date-time field both
// (the time only when there is one).
class TDateTimeField : public TField {
 public:
  explicit TDateTimeField(TComponent* AOwner = nullptr);
  const String& DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(const String& Value);

 protected:
  Integer DefaultWidth() const override { return 18; }
  void GetText(String& Text, bool DisplayText) const override;
  String GetAsString() const override;
  void SetAsStringValue(const String& Value) override;
  double GetAsFloat() const override;
  void SetAsFloatValue(double Value) override;
  TDateTime GetAsDateTime() const override;
  void SetAsDateTimeValue(TDateTime Value) override;
  Variant GetAsVariant() const override;
  TFieldValue Convert(const TFieldValue& Value) const override;
  // The value as the field keeps it (date fields drop the time, time fields
  // the date).
  virtual TDateTime Normalize(TDateTime Value) const { return Value; }

  String FDisplayFormat;
};

class TDateField : public TDateTimeField {
 public:
  explicit TDateField(TComponent* AOwner = nullptr);

 protected:
  Integer DefaultWidth() const override { return 10; }
  TDateTime Normalize(TDateTime Value) const override;
};

class TTimeField : public TDateTimeField {
 public:
  explicit TTimeField(TComponent* AOwner = nullptr);

 protected:
  Integer DefaultWidth() const override { return 10; }
  TDateTime Normalize(TDateTime Value) const override;
};

// Binary and long text values. A blob keeps bytes; the memo kinds keep text.
// The display text names the kind: upper case with a value, lower case
// without one ("(MEMO)", "(memo)").
class TBlobField : public TField {
 public:
  explicit TBlobField(TComponent* AOwner = nullptr);
  Integer BlobSize() const;
  TBytes AsBytes() const;
  void SetAsBytes(const TBytes& Value);
  void SaveToStream(TStream* Stream) const;
  void LoadFromStream(TStream* Stream);

 protected:
  void GetText(String& Text, bool DisplayText) const override;
  String GetAsString() const override;
  void SetAsStringValue(const String& Value) override;
  void SetVarValue(const Variant& Value) override;
  TFieldValue Convert(const TFieldValue& Value) const override;
  virtual const wchar_t* KindName() const { return L"BLOB"; }
  bool KeepsText() const { return FDataType == ftMemo || FDataType == ftWideMemo || FDataType == ftFmtMemo; }
};

class TMemoField : public TBlobField {
 public:
  explicit TMemoField(TComponent* AOwner = nullptr);

 protected:
  const wchar_t* KindName() const override { return L"MEMO"; }
};

class TWideMemoField : public TBlobField {
 public:
  explicit TWideMemoField(TComponent* AOwner = nullptr);

 protected:
  const wchar_t* KindName() const override { return L"WIDEMEMO"; }
};

class TGraphicField : public TBlobField {
 public:
  explicit TGraphicField(TComponent* AOwner = nullptr);

 protected:
  const wchar_t* KindName() const override { return L"GRAPHIC"; }
};

// Makes the field class that keeps values of the given type.
TField* CreateFieldOfType(TFieldType DataType, TComponent* AOwner);

}  // namespace jorv
