#include "platform/rtl/Filer.h"
#include <cstring>
#include "platform/rtl/Collection.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

namespace {

const Byte Signature[4] = {'T', 'P', 'F', '0'};
bool IsAscii(const String& Value) {
  for (Char c : Value)
    if (c >= 0x80) return false;
  return true;
}

// The 80-bit extended format of the stream: 64-bit mantissa with explicit
// leading bit, 15-bit exponent biased by 16383, sign; little-endian.
void DoubleToExtended(double Value, Byte* Out) {
  UInt64 bits;
  std::memcpy(&bits, &Value, 8);
  UInt64 sign = bits >> 63;
  Integer exponent = static_cast<Integer>((bits >> 52) & 0x7FF);
  UInt64 fraction = bits & ((UInt64(1) << 52) - 1);
  UInt64 mantissa = 0;
  Integer extExponent = 0;
  if (exponent == 0x7FF) {
    extExponent = 0x7FFF;
    mantissa = (UInt64(1) << 63) | (fraction << 11);
  } else if (exponent != 0) {
    extExponent = exponent - 1023 + 16383;
    mantissa = (UInt64(1) << 63) | (fraction << 11);
  } else if (fraction != 0) {
    Integer top = 51;
    while (!(fraction >> top)) --top;
    mantissa = fraction << (63 - top);
    extExponent = top - 1074 + 16383;
  }
  std::memcpy(Out, &mantissa, 8);
  Word high = static_cast<Word>((sign << 15) | static_cast<UInt64>(extExponent));
  std::memcpy(Out + 8, &high, 2);
}

}  // namespace

// --- TWriter ---------------------------------------------------------------

void TWriter::WriteSignature() { WriteBytes(Signature, 4); }

void TWriter::WriteRootComponent(TComponent* Root) {
  FRoot = Root;
  WriteSignature();
  WriteComponent(Root);
}

void TWriter::WriteComponent(TComponent* Component) {
  WriteStr(Component->ClassName());
  WriteStr(Component->Name());
  String savedPath = FPropPath;
  FPropPath.clear();
  WriteProperties(Component);
  FPropPath = savedPath;
  WriteListEnd();
  Component->GetChildren([this](TComponent* Child) { WriteComponent(Child); }, FRoot);
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* Instance) {
  for (const TPropInfo* prop : GetPropList(Instance))
    if (!prop->Stored || prop->Stored(Instance)) WriteProperty(Instance, *prop);
  Instance->DefineProperties(this);
}

bool TWriter::IsDefault(TPersistent* Instance, const TPropInfo& Prop) const {
  switch (Prop.Kind) {
    case pkFloat:
    case pkDateTime:
      return Prop.GetFloat(Instance) == 0;
    case pkString:
      return Prop.GetStr(Instance).empty();
    case pkClass:
    case pkComponent:
      return Prop.GetObject(Instance) == nullptr;
    default:
      return Prop.Default && Prop.GetOrd(Instance) == *Prop.Default;
  }
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Prop) {
  if (IsDefault(Instance, Prop)) return;
  switch (Prop.Kind) {
    case pkFloat:
      WritePropName(Prop.Name);
      WriteFloat(Prop.GetFloat(Instance));
      return;
    case pkDateTime:
      WritePropName(Prop.Name);
      WriteDate(Prop.GetFloat(Instance));
      return;
    case pkString:
      WritePropName(Prop.Name);
      WriteString(Prop.GetStr(Instance));
      return;
    case pkComponent:
      WritePropName(Prop.Name);
      WriteReference(static_cast<TComponent*>(Prop.GetObject(Instance)));
      return;
    case pkClass: {
      TPersistent* object = Prop.GetObject(Instance);
      if (auto* collection = dynamic_cast<TCollection*>(object)) {
        if (collection->Count() == 0) return;
        WritePropName(Prop.Name);
        WriteCollection(collection);
        return;
      }
      String savedPath = FPropPath;
      FPropPath += Prop.Name + L".";
      WriteProperties(object);
      FPropPath = savedPath;
      return;
    }
    default:
      WritePropName(Prop.Name);
      WriteOrdinal(Prop, Prop.GetOrd(Instance));
  }
}

void TWriter::WriteOrdinal(const TPropInfo& Prop, Int64 Value) {
  String ident;
  switch (Prop.Kind) {
    case pkBoolean:
      WriteBoolean(Value != 0);
      return;
    case pkSet:
      WriteSet(Prop, Value);
      return;
    case pkEnumeration:
      ident = Prop.Enum ? Prop.Enum->NameOf(Value) : String();
      if (!ident.empty()) return WriteIdent(ident);
      break;
    case pkInteger:
      if (Prop.Idents && Prop.Idents->ToIdent &&
          Prop.Idents->ToIdent(static_cast<Integer>(Value), ident))
        return WriteIdent(ident);
      break;
    default:
      break;
  }
  WriteInteger(Value);
}

void TWriter::WriteSet(const TPropInfo& Prop, Int64 Mask) {
  WriteValue(vaSet);
  for (size_t i = 0; i < Prop.Enum->Names.size() && i < 64; ++i)
    if (Mask & (Int64(1) << i)) WriteStr(Prop.Enum->Names[i]);
  WriteStr(String());
}

void TWriter::WriteReference(TComponent* Component) {
  String name = Component->Name();
  TComponent* owner = Component->Owner();
  if (Component != FRoot && owner && owner != FRoot && !owner->Name().empty())
    name = owner->Name() + L"." + name;
  WriteIdent(name);
}

void TWriter::WritePropName(const String& Name) { WriteStr(FPropPath + Name); }

void TWriter::WriteValue(TValueType Value) {
  Byte b = Value;
  WriteBytes(&b, 1);
}

void TWriter::WriteInteger(Int64 Value) {
  if (Value >= -128 && Value <= 127) {
    WriteValue(vaInt8);
    auto v = static_cast<int8_t>(Value);
    WriteBytes(&v, 1);
  } else if (Value >= -32768 && Value <= 32767) {
    WriteValue(vaInt16);
    auto v = static_cast<int16_t>(Value);
    WriteBytes(&v, 2);
  } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
    WriteValue(vaInt32);
    auto v = static_cast<int32_t>(Value);
    WriteBytes(&v, 4);
  } else {
    WriteValue(vaInt64);
    WriteBytes(&Value, 8);
  }
}

void TWriter::WriteString(const String& Value) {
  if (IsAscii(Value)) {
    std::string bytes(Value.begin(), Value.end());
    if (bytes.size() <= 255) {
      WriteValue(vaString);
      Byte len = static_cast<Byte>(bytes.size());
      WriteBytes(&len, 1);
    } else {
      WriteValue(vaLString);
      Integer len = static_cast<Integer>(bytes.size());
      WriteBytes(&len, 4);
    }
    WriteBytes(bytes.data(), static_cast<Integer>(bytes.size()));
    return;
  }
  WriteValue(vaWString);
  Integer len = static_cast<Integer>(Value.size());
  WriteBytes(&len, 4);
  WriteBytes(Value.data(), len * 2);
}

void TWriter::WriteFloat(double Value) {
  Byte ext[10];
  DoubleToExtended(Value, ext);
  WriteValue(vaExtended);
  WriteBytes(ext, 10);
}

void TWriter::WriteDate(TDateTime Value) {
  WriteValue(vaDate);
  WriteBytes(&Value, 8);
}

void TWriter::WriteIdent(const String& Ident) {
  if (CompareText(Ident, L"False") == 0) return WriteValue(vaFalse);
  if (CompareText(Ident, L"True") == 0) return WriteValue(vaTrue);
  if (CompareText(Ident, L"nil") == 0) return WriteValue(vaNil);
  WriteValue(vaIdent);
  WriteStr(Ident);
}

void TWriter::WriteCollection(TCollection* Value) {
  WriteValue(vaCollection);
  String savedPath = FPropPath;
  FPropPath.clear();
  for (Integer i = 0; i < Value->Count(); ++i) {
    WriteListBegin();
    WriteProperties(Value->Items(i));
    WriteListEnd();
  }
  FPropPath = savedPath;
  WriteListEnd();
}

void TWriter::WriteStr(const String& Value) {
  std::string bytes = IsAscii(Value) ? std::string(Value.begin(), Value.end()) : UTF8Encode(Value);
  if (bytes.size() > 255) bytes.resize(255);
  Byte len = static_cast<Byte>(bytes.size());
  WriteBytes(&len, 1);
  WriteBytes(bytes.data(), len);
}

void TWriter::DefineProperty(const String& Name, const TReaderProc& /*ReadData*/,
                             const TWriterProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const String& Name, const TStreamProc& /*ReadData*/,
                                   const TStreamProc& WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  TMemoryStream data;
  WriteData(&data);
  WritePropName(Name);
  WriteValue(vaBinary);
  Integer size = static_cast<Integer>(data.Size());
  WriteBytes(&size, 4);
  WriteBytes(data.Memory(), size);
}

}  // namespace jorv
