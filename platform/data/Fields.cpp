#include "platform/data/Fields.h"
#include <cmath>
#include "platform/data/DBConsts.h"
#include "platform/data/DataSet.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

namespace {

[[noreturn]] void ConvertError(const wchar_t* Fmt, const String& Text) {
  throw EConvertError(DBFormat(Fmt, {Text}));
}

String BytesToText(const TBytes& b) { return String(b.begin(), b.end()); }

TBytes TextToBytes(const String& s) {
  TBytes b;
  b.reserve(s.size());
  for (Char c : s) b.push_back(static_cast<Byte>(c));
  return b;
}

String BoolText(bool b) { return b ? L"True" : L"False"; }

}  // namespace

// ---------------------------------------------------------------- strings

TStringField::TStringField(TComponent* AOwner) : TField(AOwner) {
  SetDataType(ftString);
  FSize = 20;
}

TWideStringField::TWideStringField(TComponent* AOwner) : TStringField(AOwner) {
  SetDataType(ftWideString);
}

TFieldValue TStringField::Convert(const TFieldValue& Value) const {
  if (auto* s = std::get_if<String>(&Value)) return *s;
  if (auto* i = std::get_if<Int64>(&Value)) return IntToStr(*i);
  if (auto* d = std::get_if<double>(&Value)) return FloatToStr(*d);
  if (auto* b = std::get_if<bool>(&Value)) return BoolText(*b);
  if (auto* y = std::get_if<TBytes>(&Value)) return BytesToText(*y);
  return {};
}

void TStringField::CheckValue(const TFieldValue& Value) const {
  // A longer text would be cut off silently; refuse it instead.
  if (auto* s = std::get_if<String>(&Value); s && FSize > 0 && static_cast<Integer>(s->size()) > FSize)
    DatabaseError(DBFormat(SFieldTooLong, {DisplayName(), IntToStr(FSize)}), FDataSet);
}

String TStringField::GetAsString() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? String() : std::get<String>(Convert(v));
}

void TStringField::SetAsStringValue(const String& Value) { SetFieldData(Value); }

Integer TStringField::GetAsInteger() const {
  String s = GetAsString();
  return s.empty() ? 0 : StrToInt(s);
}

void TStringField::SetAsIntegerValue(Integer Value) { SetFieldData(IntToStr(Value)); }

double TStringField::GetAsFloat() const {
  String s = GetAsString();
  return s.empty() ? 0 : StrToFloat(s);
}

void TStringField::SetAsFloatValue(double Value) { SetFieldData(FloatToStr(Value)); }

TDateTime TStringField::GetAsDateTime() const {
  String s = GetAsString();
  return s.empty() ? 0 : StrToDateTime(s);
}

void TStringField::SetAsDateTimeValue(TDateTime Value) { SetFieldData(DateTimeToStr(Value)); }

bool TStringField::GetAsBoolean() const {
  String s = GetAsString();
  if (s.empty()) return false;
  Char c = static_cast<Char>(std::towupper(s[0]));
  if (c == L'T' || c == L'Y') return true;
  if (c == L'F' || c == L'N') return false;
  ConvertError(SInvalidBoolValue, s);
}

void TStringField::SetAsBooleanValue(bool Value) { SetFieldData(String(Value ? L"T" : L"F")); }

// A date or an amount is stored as the text it reads as.
void TStringField::SetVarValue(const Variant& Value) { SetAsStringValue(Value.AsString()); }

// ---------------------------------------------------------------- numbers

TNumericField::TNumericField(TComponent* AOwner) : TField(AOwner) { FAlignment = taRightJustify; }

void TNumericField::SetDisplayFormat(const String& Value) {
  FDisplayFormat = Value;
  PropertyChanged(false);
}

void TNumericField::SetEditFormat(const String& Value) {
  FEditFormat = Value;
  PropertyChanged(false);
}

TIntegerField::TIntegerField(TComponent* AOwner) : TNumericField(AOwner) { SetDataType(ftInteger); }

TSmallintField::TSmallintField(TComponent* AOwner) : TIntegerField(AOwner) {
  SetDataType(ftSmallint);
  FLow = INT16_MIN;
  FHigh = INT16_MAX;
}

TWordField::TWordField(TComponent* AOwner) : TIntegerField(AOwner) {
  SetDataType(ftWord);
  FLow = 0;
  FHigh = UINT16_MAX;
}

TAutoIncField::TAutoIncField(TComponent* AOwner) : TIntegerField(AOwner) { SetDataType(ftAutoInc); }

TLargeintField::TLargeintField(TComponent* AOwner) : TIntegerField(AOwner) {
  SetDataType(ftLargeint);
  FLow = INT64_MIN;
  FHigh = INT64_MAX;
}

bool TIntegerField::IsValidChar(Char C) const {
  return (C >= L'0' && C <= L'9') || C == L'+' || C == L'-';
}

TFieldValue TIntegerField::Convert(const TFieldValue& Value) const {
  if (auto* i = std::get_if<Int64>(&Value)) return *i;
  if (auto* d = std::get_if<double>(&Value)) return Round(*d);
  if (auto* b = std::get_if<bool>(&Value)) return Int64(*b ? 1 : 0);
  if (auto* s = std::get_if<String>(&Value)) {
    String t = Trim(*s);
    if (t.empty()) return {};
    Int64 v;
    if (!TryStrToInt64(t, v)) ConvertError(SInvalidIntegerValue, *s);
    return v;
  }
  return {};
}

void TIntegerField::CheckValue(const TFieldValue& Value) const {
  auto* i = std::get_if<Int64>(&Value);
  if (!i) return;
  Int64 lo = FLow, hi = FHigh;
  if (FMinValue != 0 || FMaxValue != 0) {
    lo = FMinValue;
    hi = FMaxValue;
  }
  if (*i < lo || *i > hi)
    DatabaseError(DBFormat(SFieldRangeError, {IntToStr(*i), DisplayName(), IntToStr(lo), IntToStr(hi)}),
                  FDataSet);
}

void TIntegerField::GetText(String& Text, bool DisplayText) const {
  TFieldValue v = GetFieldData();
  if (IsNullValue(v)) {
    Text.clear();
    return;
  }
  const String& fmt = DisplayText || FEditFormat.empty() ? FDisplayFormat : FEditFormat;
  Int64 i = std::get<Int64>(Convert(v));
  Text = fmt.empty() ? IntToStr(i) : FormatFloat(fmt, static_cast<double>(i));
}

String TIntegerField::GetAsString() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? String() : IntToStr(std::get<Int64>(Convert(v)));
}

void TIntegerField::SetAsStringValue(const String& Value) { SetValue(Value); }

Int64 TIntegerField::GetAsLargeInt() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? 0 : std::get<Int64>(Convert(v));
}

Integer TIntegerField::GetAsInteger() const { return static_cast<Integer>(GetAsLargeInt()); }
void TIntegerField::SetAsIntegerValue(Integer Value) { SetFieldData(Int64(Value)); }
void TIntegerField::SetAsLargeIntValue(Int64 Value) { SetFieldData(Value); }
double TIntegerField::GetAsFloat() const { return static_cast<double>(GetAsLargeInt()); }
void TIntegerField::SetAsFloatValue(double Value) { SetFieldData(Round(Value)); }

Variant TIntegerField::GetAsVariant() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? Null() : Variant(GetAsInteger());
}

Variant TLargeintField::GetAsVariant() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? Null() : Variant(GetAsLargeInt());
}

TFloatField::TFloatField(TComponent* AOwner) : TNumericField(AOwner) { SetDataType(ftFloat); }

TCurrencyField::TCurrencyField(TComponent* AOwner) : TFloatField(AOwner) {
  SetDataType(ftCurrency);
  FCurrency = true;
}

TBCDField::TBCDField(TComponent* AOwner) : TFloatField(AOwner) {
  SetDataType(ftBCD);
  FSize = 4;
}

void TFloatField::SetCurrency(bool Value) {
  FCurrency = Value;
  PropertyChanged(false);
}

void TFloatField::SetPrecision(Integer Value) {
  FPrecision = Value < 2 ? 2 : (Value > 15 ? 15 : Value);
  PropertyChanged(false);
}

bool TFloatField::IsValidChar(Char C) const {
  return (C >= L'0' && C <= L'9') || C == L'+' || C == L'-' || C == L'E' || C == L'e' ||
         C == FormatSettings().DecimalSeparator;
}

TFieldValue TFloatField::Convert(const TFieldValue& Value) const {
  if (auto* d = std::get_if<double>(&Value)) return *d;
  if (auto* i = std::get_if<Int64>(&Value)) return static_cast<double>(*i);
  if (auto* b = std::get_if<bool>(&Value)) return *b ? 1.0 : 0.0;
  if (auto* s = std::get_if<String>(&Value)) {
    String t = Trim(*s);
    if (t.empty()) return {};
    double v;
    if (!TryStrToFloat(t, v)) ConvertError(SInvalidFloatValue, *s);
    return v;
  }
  return {};
}

TFieldValue TBCDField::Convert(const TFieldValue& Value) const {
  TFieldValue v = TFloatField::Convert(Value);
  if (auto* d = std::get_if<double>(&v)) {
    double scale = std::pow(10.0, FSize > 0 && FSize < 16 ? FSize : 4);
    return static_cast<double>(Round(*d * scale)) / scale;
  }
  return v;
}

void TFloatField::GetText(String& Text, bool DisplayText) const {
  TFieldValue v = GetFieldData();
  if (IsNullValue(v)) {
    Text.clear();
    return;
  }
  double d = std::get<double>(Convert(v));
  const String& fmt = DisplayText || FEditFormat.empty() ? FDisplayFormat : FEditFormat;
  if (!fmt.empty()) Text = FormatFloat(fmt, d);
  else if (DisplayText && FCurrency)
    Text = FloatToStrF(d, ffCurrency, FPrecision, FormatSettings().CurrencyDecimals);
  else Text = FloatToStrF(d, ffGeneral, FPrecision, 0);
}

String TFloatField::GetAsString() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? String() : FloatToStr(std::get<double>(Convert(v)));
}

void TFloatField::SetAsStringValue(const String& Value) { SetValue(Value); }

double TFloatField::GetAsFloat() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? 0 : std::get<double>(Convert(v));
}

void TFloatField::SetAsFloatValue(double Value) { SetFieldData(Convert(Value)); }
Integer TFloatField::GetAsInteger() const { return static_cast<Integer>(Round(GetAsFloat())); }
void TFloatField::SetAsIntegerValue(Integer Value) { SetFieldData(Convert(static_cast<double>(Value))); }

Variant TCurrencyField::GetAsVariant() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? Null() : Variant::FromCurrency(GetAsFloat());
}

// Currency keeps four decimals; a finer scale stays a double so that no
// digit is lost.
Variant TBCDField::GetAsVariant() const {
  TFieldValue v = GetFieldData();
  if (IsNullValue(v)) return Null();
  return FSize > 4 ? Variant(GetAsFloat()) : Variant::FromCurrency(GetAsFloat());
}

// ---------------------------------------------------------------- booleans

TBooleanField::TBooleanField(TComponent* AOwner) : TField(AOwner) { SetDataType(ftBoolean); }

void TBooleanField::SetDisplayValues(const String& Value) {
  size_t p = Value.find(L';');
  String t = p == String::npos ? Value : Value.substr(0, p);
  String f = p == String::npos ? String() : Value.substr(p + 1);
  if (t.empty() && f.empty()) {
    t = L"True";
    f = L"False";
  }
  FDisplayValues = Value;
  FTrueText = t;
  FFalseText = f;
  PropertyChanged(false);
}

TFieldValue TBooleanField::Convert(const TFieldValue& Value) const {
  if (auto* b = std::get_if<bool>(&Value)) return *b;
  if (auto* i = std::get_if<Int64>(&Value)) return *i != 0;
  if (auto* d = std::get_if<double>(&Value)) return *d != 0;
  if (auto* s = std::get_if<String>(&Value)) {
    String t = Trim(*s);
    if (t.empty()) return {};
    // A leading part of either text will do, as when typing "T" or "F".
    auto starts = [&](const String& full) {
      return !full.empty() && t.size() <= full.size() && AnsiSameText(full.substr(0, t.size()), t);
    };
    if (starts(FTrueText)) return true;
    if (starts(FFalseText)) return false;
    if (starts(L"True")) return true;
    if (starts(L"False")) return false;
    ConvertError(SInvalidBoolValue, *s);
  }
  return {};
}

String TBooleanField::GetAsString() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? String() : (std::get<bool>(Convert(v)) ? FTrueText : FFalseText);
}

void TBooleanField::SetAsStringValue(const String& Value) { SetValue(Value); }

bool TBooleanField::GetAsBoolean() const {
  TFieldValue v = GetFieldData();
  return !IsNullValue(v) && std::get<bool>(Convert(v));
}

void TBooleanField::SetAsBooleanValue(bool Value) { SetFieldData(Value); }
Integer TBooleanField::GetAsInteger() const { return GetAsBoolean() ? 1 : 0; }
void TBooleanField::SetAsIntegerValue(Integer Value) { SetFieldData(Value != 0); }

// ---------------------------------------------------------------- dates

TDateTimeField::TDateTimeField(TComponent* AOwner) : TField(AOwner) { SetDataType(ftDateTime); }
TDateField::TDateField(TComponent* AOwner) : TDateTimeField(AOwner) { SetDataType(ftDate); }
TTimeField::TTimeField(TComponent* AOwner) : TDateTimeField(AOwner) { SetDataType(ftTime); }

TDateTime TDateField::Normalize(TDateTime Value) const { return static_cast<double>(Trunc(Value)); }
TDateTime TTimeField::Normalize(TDateTime Value) const { return std::fabs(Frac(Value)); }

void TDateTimeField::SetDisplayFormat(const String& Value) {
  FDisplayFormat = Value;
  PropertyChanged(false);
}

TFieldValue TDateTimeField::Convert(const TFieldValue& Value) const {
  if (auto* d = std::get_if<double>(&Value)) return Normalize(*d);
  if (auto* i = std::get_if<Int64>(&Value)) return Normalize(static_cast<double>(*i));
  if (auto* s = std::get_if<String>(&Value)) {
    String t = Trim(*s);
    if (t.empty()) return {};
    TDateTime dt;
    switch (FDataType) {
      case ftDate:
        if (!TryStrToDate(t, dt)) ConvertError(SInvalidDate, *s);
        break;
      case ftTime:
        if (!TryStrToTime(t, dt)) ConvertError(SInvalidTime, *s);
        break;
      default:
        if (!TryStrToDateTime(t, dt)) ConvertError(SInvalidDateTime, *s);
        break;
    }
    return Normalize(dt);
  }
  return {};
}

void TDateTimeField::GetText(String& Text, bool DisplayText) const {
  TFieldValue v = GetFieldData();
  if (IsNullValue(v)) {
    Text.clear();
    return;
  }
  TDateTime d = std::get<double>(Convert(v));
  if (DisplayText && !FDisplayFormat.empty()) Text = FormatDateTime(FDisplayFormat, d);
  else if (FDataType == ftDate) Text = DateToStr(d);
  else if (FDataType == ftTime) Text = TimeToStr(d);
  else Text = DateTimeToStr(d);
}

String TDateTimeField::GetAsString() const {
  String t;
  GetText(t, false);
  return t;
}

void TDateTimeField::SetAsStringValue(const String& Value) { SetValue(Value); }

TDateTime TDateTimeField::GetAsDateTime() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? 0 : std::get<double>(Convert(v));
}

void TDateTimeField::SetAsDateTimeValue(TDateTime Value) { SetFieldData(Normalize(Value)); }
double TDateTimeField::GetAsFloat() const { return GetAsDateTime(); }
void TDateTimeField::SetAsFloatValue(double Value) { SetFieldData(Normalize(Value)); }

Variant TDateTimeField::GetAsVariant() const {
  TFieldValue v = GetFieldData();
  return IsNullValue(v) ? Null() : Variant::FromDate(GetAsDateTime());
}

// ---------------------------------------------------------------- blobs

TBlobField::TBlobField(TComponent* AOwner) : TField(AOwner) { SetDataType(ftBlob); }
TMemoField::TMemoField(TComponent* AOwner) : TBlobField(AOwner) { SetDataType(ftMemo); }
TWideMemoField::TWideMemoField(TComponent* AOwner) : TBlobField(AOwner) { SetDataType(ftWideMemo); }
TGraphicField::TGraphicField(TComponent* AOwner) : TBlobField(AOwner) { SetDataType(ftGraphic); }

TFieldValue TBlobField::Convert(const TFieldValue& Value) const {
  if (IsNullValue(Value)) return {};
  if (KeepsText()) {
    if (auto* y = std::get_if<TBytes>(&Value)) return BytesToText(*y);
    if (auto* s = std::get_if<String>(&Value)) return *s;
    TStringField tmp;
    return static_cast<const TField&>(tmp).Convert(Value);
  }
  if (auto* y = std::get_if<TBytes>(&Value)) return *y;
  if (auto* s = std::get_if<String>(&Value)) return TextToBytes(*s);
  return {};
}

TBytes TBlobField::AsBytes() const {
  TFieldValue v = GetFieldData();
  if (IsNullValue(v)) return {};
  if (auto* s = std::get_if<String>(&v)) {
    if (FDataType == ftWideMemo) {
      const Byte* p = reinterpret_cast<const Byte*>(s->data());
      return TBytes(p, p + s->size() * sizeof(Char));
    }
    std::string a = StringToAnsi(*s);
    return TBytes(a.begin(), a.end());
  }
  return std::get<TBytes>(Convert(v));
}

void TBlobField::SetAsBytes(const TBytes& Value) {
  if (!KeepsText()) {
    SetFieldData(Value);
  } else if (FDataType == ftWideMemo) {
    SetFieldData(String(reinterpret_cast<const Char*>(Value.data()), Value.size() / sizeof(Char)));
  } else {
    SetFieldData(AnsiToString(std::string(Value.begin(), Value.end())));
  }
}

Integer TBlobField::BlobSize() const { return static_cast<Integer>(AsBytes().size()); }

void TBlobField::SaveToStream(TStream* Stream) const {
  TBytes b = AsBytes();
  if (!b.empty()) Stream->WriteBuffer(b.data(), static_cast<Integer>(b.size()));
}

void TBlobField::LoadFromStream(TStream* Stream) {
  Int64 n = Stream->Size() - Stream->Position();
  TBytes b(static_cast<size_t>(n > 0 ? n : 0), 0);
  if (!b.empty()) Stream->ReadBuffer(b.data(), static_cast<Integer>(b.size()));
  SetAsBytes(b);
}

void TBlobField::GetText(String& Text, bool DisplayText) const {
  if (!DisplayText && KeepsText()) {
    Text = GetAsString();
    return;
  }
  Text = String(L"(") + (IsNull() ? LowerCase(KindName()) : String(KindName())) + L")";
}

String TBlobField::GetAsString() const {
  TFieldValue v = GetFieldData();
  if (IsNullValue(v)) return {};
  if (auto* s = std::get_if<String>(&v)) return *s;
  return BytesToText(std::get<TBytes>(v));
}

void TBlobField::SetAsStringValue(const String& Value) { SetFieldData(Convert(Value)); }
void TBlobField::SetVarValue(const Variant& Value) { SetAsStringValue(Value.AsString()); }

// ---------------------------------------------------------------- factory

TField* CreateFieldOfType(TFieldType DataType, TComponent* AOwner) {
  switch (DataType) {
    case ftString: case ftFixedChar: case ftGuid: return new TStringField(AOwner);
    case ftWideString: case ftFixedWideChar: return new TWideStringField(AOwner);
    case ftSmallint: return new TSmallintField(AOwner);
    case ftInteger: return new TIntegerField(AOwner);
    case ftWord: return new TWordField(AOwner);
    case ftAutoInc: return new TAutoIncField(AOwner);
    case ftLargeint: return new TLargeintField(AOwner);
    case ftBoolean: return new TBooleanField(AOwner);
    case ftFloat: return new TFloatField(AOwner);
    case ftCurrency: return new TCurrencyField(AOwner);
    case ftBCD: case ftFMTBcd: return new TBCDField(AOwner);
    case ftDate: return new TDateField(AOwner);
    case ftTime: return new TTimeField(AOwner);
    case ftDateTime: case ftTimeStamp: return new TDateTimeField(AOwner);
    case ftMemo: case ftFmtMemo: case ftOraClob: return new TMemoField(AOwner);
    case ftWideMemo: return new TWideMemoField(AOwner);
    case ftGraphic: return new TGraphicField(AOwner);
    case ftBlob: case ftBytes: case ftVarBytes: case ftTypedBinary: case ftOraBlob:
    case ftParadoxOle: case ftDBaseOle:
      return new TBlobField(AOwner);
    default:
      throw EDatabaseError(L"Field type is not supported");
  }
}

}  // namespace jorv
