#include <cmath>
#include <cstring>
#include <memory>
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

namespace {

// Deeper nesting than any form needs is taken for a corrupt stream, before
// it can exhaust the stack.
constexpr Integer MaxDepth = 100;

double ExtendedToDouble(const Byte* In) {
  UInt64 mantissa;
  Word high;
  std::memcpy(&mantissa, In, 8);
  std::memcpy(&high, In + 8, 2);
  bool negative = high >> 15;
  Integer exponent = high & 0x7FFF;
  double value;
  if (exponent == 0x7FFF)
    value = (mantissa << 1) ? std::nan("") : INFINITY;
  else
    value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  return negative ? -value : value;
}

String BytesToString(const std::string& Bytes) {
  for (char c : Bytes)
    if (static_cast<Byte>(c) >= 0x80) return UTF8Decode(Bytes);
  return String(Bytes.begin(), Bytes.end());
}

bool IsIntegerValue(TValueType Value) {
  return Value == vaInt8 || Value == vaInt16 || Value == vaInt32 || Value == vaInt64;
}

// Turns a setter's own failure into the reader's, naming what was read.
template <class F>
void CallSetter(const String& Path, F&& Set) {
  try {
    Set();
  } catch (const EStreamError&) {
    throw;
  } catch (const Exception& e) {
    throw EReadError(L"Error reading " + Path + L": " + e.Message());
  } catch (const std::exception& e) {
    std::string what = e.what();
    throw EReadError(L"Error reading " + Path + L": " + String(what.begin(), what.end()));
  }
}

}  // namespace

void TReader::InvalidFormat() const { throw EReadError(L"Invalid stream format"); }

void TReader::PropertyValueError() const { throw EReadError(L"Invalid property value"); }

void TReader::Enter() {
  if (++FDepth > MaxDepth) InvalidFormat();
}

void TReader::ReadBytes(void* Buffer, Integer Count) { FStream->ReadBuffer(Buffer, Count); }

Integer TReader::ReadLength(Integer UnitSize) {
  Integer count = 0;
  ReadBytes(&count, 4);
  // A length past the stream's end is corruption; checking it first keeps a
  // damaged length from asking for gigabytes.
  Int64 left = FStream->Size() - FStream->Position();
  if (count < 0 || static_cast<Int64>(count) * UnitSize > left) InvalidFormat();
  return count;
}

void TReader::ReadSignature() {
  Byte sig[4];
  ReadBytes(sig, 4);
  if (std::memcmp(sig, "TPF0", 4) != 0) InvalidFormat();
}

TValueType TReader::ReadValue() {
  Byte b = 0;
  ReadBytes(&b, 1);
  if (b > vaDouble) InvalidFormat();
  return static_cast<TValueType>(b);
}

bool TReader::EndOfList() {
  // Peeks the raw byte: a property name's length byte may exceed every
  // value kind and must not be taken for a bad one.
  Byte b = 0;
  ReadBytes(&b, 1);
  FStream->Seek(-1, soCurrent);
  return b == vaNull;
}

TValueType TReader::NextValue() {
  TValueType value = ReadValue();
  FStream->Seek(-1, soCurrent);
  return value;
}

void TReader::CheckValue(TValueType Value) {
  if (ReadValue() != Value) PropertyValueError();
}

Int64 TReader::ReadInt64() {
  switch (ReadValue()) {
    case vaInt8: { int8_t v; ReadBytes(&v, 1); return v; }
    case vaInt16: { int16_t v; ReadBytes(&v, 2); return v; }
    case vaInt32: { int32_t v; ReadBytes(&v, 4); return v; }
    case vaInt64: { Int64 v; ReadBytes(&v, 8); return v; }
    default: PropertyValueError();
  }
}

Integer TReader::ReadInteger() {
  if (NextValue() == vaInt64) PropertyValueError();
  return static_cast<Integer>(ReadInt64());
}

bool TReader::ReadBoolean() {
  TValueType value = ReadValue();
  if (value != vaTrue && value != vaFalse) PropertyValueError();
  return value == vaTrue;
}

String TReader::ReadString() {
  TValueType value = ReadValue();
  switch (value) {
    case vaString: {
      Byte len = 0;
      ReadBytes(&len, 1);
      std::string bytes(len, '\0');
      ReadBytes(bytes.data(), len);
      return BytesToString(bytes);
    }
    case vaLString:
    case vaUTF8String: {
      std::string bytes(ReadLength(1), '\0');
      ReadBytes(bytes.data(), static_cast<Integer>(bytes.size()));
      return value == vaUTF8String ? UTF8Decode(bytes) : BytesToString(bytes);
    }
    case vaWString: {
      String text(ReadLength(2), L'\0');
      ReadBytes(text.data(), static_cast<Integer>(text.size() * 2));
      return text;
    }
    default:
      PropertyValueError();
  }
}

double TReader::ReadFloat() {
  switch (NextValue()) {
    case vaExtended: {
      ReadValue();
      Byte ext[10];
      ReadBytes(ext, 10);
      return ExtendedToDouble(ext);
    }
    case vaDouble:
    case vaDate: {
      ReadValue();
      double v;
      ReadBytes(&v, 8);
      return v;
    }
    case vaSingle: {
      ReadValue();
      float v;
      ReadBytes(&v, 4);
      return v;
    }
    case vaCurrency: {
      ReadValue();
      Int64 v;
      ReadBytes(&v, 8);
      return static_cast<double>(v) / 10000;
    }
    default:
      return static_cast<double>(ReadInt64());
  }
}

TDateTime TReader::ReadDate() { return ReadFloat(); }

String TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return L"False";
    case vaTrue: return L"True";
    case vaNil: return L"nil";
    case vaNull: return L"Null";
    default: PropertyValueError();
  }
}

String TReader::ReadStr() {
  Byte len = 0;
  ReadBytes(&len, 1);
  std::string bytes(len, '\0');
  ReadBytes(bytes.data(), len);
  return BytesToString(bytes);
}

void TReader::SkipValue() {
  Enter();
  switch (ReadValue()) {
    case vaNull: case vaFalse: case vaTrue: case vaNil:
      break;
    case vaList:
      while (!EndOfList()) SkipValue();
      ReadValue();
      break;
    case vaInt8: FStream->Seek(1, soCurrent); break;
    case vaInt16: FStream->Seek(2, soCurrent); break;
    case vaInt32: case vaSingle: FStream->Seek(4, soCurrent); break;
    case vaInt64: case vaDouble: case vaDate: case vaCurrency: FStream->Seek(8, soCurrent); break;
    case vaExtended: FStream->Seek(10, soCurrent); break;
    case vaString: case vaIdent: ReadStr(); break;
    case vaLString: case vaUTF8String: case vaBinary: FStream->Seek(ReadLength(1), soCurrent); break;
    case vaWString: FStream->Seek(Int64(ReadLength(2)) * 2, soCurrent); break;
    case vaSet:
      while (!ReadStr().empty()) {}
      break;
    case vaCollection:
      while (!EndOfList()) {
        if (IsIntegerValue(NextValue())) SkipValue();
        ReadListBegin();
        while (!EndOfList()) { ReadStr(); SkipValue(); }
        ReadListEnd();
      }
      ReadValue();
      break;
  }
  // A seek may pass the end without an error; the stream may not.
  if (FStream->Position() > FStream->Size()) InvalidFormat();
  Leave();
}

// --- components and properties ---------------------------------------------

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  TFilerFlags flags;
  ReadPrefix(flags);
  String className = ReadStr();
  String name = ReadStr();
  std::unique_ptr<TComponent> made;
  if (!Root) {
    made.reset(FindClass(className)(nullptr));
    Root = made.get();
  }
  FRoot = Root;
  FLoaded.clear();
  FFixups.clear();
  // A read that fails leaves no component marked as still being read.
  auto Unmark = ScopeExit([&] {
    for (TComponent* c : FLoaded) {
      c->FComponentState.Exclude(csReading);
      c->FComponentState.Exclude(csLoading);
    }
  });
  if (!name.empty() && name != Root->Name()) {
    if (FChecking && !TComponent::IsValidIdent(name)) PropertyValueError();
    if (!FChecking) CallSetter(className + L".Name", [&] { Root->SetName(name); });
  }
  ReadComponentData(Root);
  if (!FChecking) {
    ResolveFixups();
    for (TComponent* c : FLoaded) c->FComponentState.Exclude(csReading);
    for (TComponent* c : FLoaded) CallSetter(c->ClassName(), [&] { c->Loaded(); });
  }
  Unmark.Dismiss();
  return made ? made.release() : Root;
}

void TReader::ReadPrefix(TFilerFlags& Flags) {
  Flags.Clear();
  Byte b = 0;
  ReadBytes(&b, 1);
  if ((b & 0xF0) != 0xF0) {
    FStream->Seek(-1, soCurrent);
    return;
  }
  for (Integer i = 0; i < 3; ++i)
    if (b & (1 << i)) Flags.Include(static_cast<TFilerFlag>(i));
  if (Flags.Contains(ffChildPos)) ReadInteger();
}

void TReader::ReadComponentData(TComponent* Instance) {
  Enter();
  if (!FChecking) {
    Instance->FComponentState.Include(csLoading);
    Instance->FComponentState.Include(csReading);
    FLoaded.push_back(Instance);
  }
  while (!EndOfList()) ReadProperty(Instance);
  ReadValue();
  while (!EndOfList()) ReadChild(Instance);
  ReadValue();
  Leave();
}

void TReader::ReadChild(TComponent* Parent) {
  TFilerFlags flags;
  ReadPrefix(flags);
  String className = ReadStr();
  String name = ReadStr();
  TComponent* child = name.empty() ? nullptr : FRoot->FindComponent(name);
  std::unique_ptr<TComponent> scratch;
  if (!child) {
    TComponentClass factory = FindClass(className);
    if (!name.empty() && !TComponent::IsValidIdent(name)) PropertyValueError();
    if (FChecking) {
      scratch.reset(factory(nullptr));
      child = scratch.get();
    } else {
      CallSetter(className, [&] {
        child = factory(FRoot);
        if (!name.empty()) child->SetName(name);
      });
    }
  }
  if (!FChecking && child->HasParent())
    CallSetter(className + L".Parent", [&] { child->SetParentComponent(Parent); });
  ReadComponentData(child);
}

void TReader::ReadProperty(TPersistent* Instance) {
  FPropName = ReadStr();
  if (FPropName.empty()) InvalidFormat();
  ReadPropPath(Instance, FPropName, 0);
}

void TReader::ReadPropPath(TPersistent* Instance, const String& Path, size_t Start) {
  size_t dot = Path.find(L'.', Start);
  String part = Path.substr(Start, dot == String::npos ? String::npos : dot - Start);
  const TPropInfo* prop = GetPropInfo(Instance, part);
  if (dot == String::npos) {
    if (prop) return ReadPropValue(Instance, *prop);
    return ReadDefined(Instance, part);
  }
  TPersistent* object = prop && prop->Kind == pkClass ? prop->GetObject(Instance) : nullptr;
  if (!object) throw EReadError(L"Property " + Path + L" does not exist");
  ReadPropPath(object, Path, dot + 1);
}

void TReader::ReadDefined(TPersistent* Instance, const String& Name) {
  String saved = FPropName;
  FPropName = Name;
  FPropFound = false;
  Instance->DefineProperties(this);
  bool found = FPropFound;
  FPropName = saved;
  if (!found) throw EReadError(L"Property " + FPropName + L" does not exist");
}

void TReader::DefineProperty(const String& Name, const TReaderProc& ReadData,
                             const TWriterProc& /*WriteData*/, bool /*HasData*/) {
  if (FPropFound || !ReadData || CompareText(Name, FPropName) != 0) return;
  FPropFound = true;
  if (FChecking) return SkipValue();
  ReadData(this);
}

void TReader::DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                                   const TStreamProc& /*WriteData*/, bool /*HasData*/) {
  if (FPropFound || !ReadData || CompareText(Name, FPropName) != 0) return;
  FPropFound = true;
  CheckValue(vaBinary);
  Integer size = ReadLength(1);
  TMemoryStream data;
  data.SetSize(size);
  ReadBytes(data.Memory(), size);
  data.SetPosition(0);
  if (!FChecking) ReadData(&data);
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Prop) {
  switch (Prop.Kind) {
    case pkFloat:
    case pkDateTime: {
      double value = ReadFloat();
      if (!FChecking) CallSetter(FPropName, [&] { Prop.SetFloat(Instance, value); });
      return;
    }
    case pkString: {
      String value = ReadString();
      if (!FChecking) CallSetter(FPropName, [&] { Prop.SetStr(Instance, value); });
      return;
    }
    case pkComponent: {
      String name = ReadIdent();
      if (FChecking) return;
      if (CompareText(name, L"nil") == 0)
        CallSetter(FPropName, [&] { Prop.SetComponent(Instance, nullptr); });
      else
        FFixups.push_back({Instance, &Prop, name});
      return;
    }
    case pkClass: {
      auto* collection = dynamic_cast<TCollection*>(Prop.GetObject(Instance));
      if (!collection) PropertyValueError();
      return ReadCollection(collection);
    }
    default: {
      Int64 value = ReadOrdinal(Prop);
      if (!FChecking) CallSetter(FPropName, [&] { Prop.SetOrd(Instance, value); });
    }
  }
}

Int64 TReader::ReadOrdinal(const TPropInfo& Prop) {
  TValueType next = NextValue();
  if (Prop.Kind == pkBoolean) return ReadBoolean() ? 1 : 0;
  if (Prop.Kind == pkSet) {
    CheckValue(vaSet);
    return ReadSet(Prop);
  }
  if (next == vaIdent) {
    String ident = ReadIdent();
    Integer value = -1;
    if (Prop.Kind == pkEnumeration && Prop.Enum) value = Prop.Enum->ValueOf(ident);
    if (Prop.Kind == pkInteger && Prop.Idents && Prop.Idents->FromIdent &&
        Prop.Idents->FromIdent(ident, value))
      return value;
    if (Prop.Kind == pkEnumeration && value >= 0) return value;
    PropertyValueError();
  }
  Int64 value = ReadInt64();
  bool fits = Prop.Kind == pkInt64 || (value >= INT32_MIN && value <= INT32_MAX);
  if (Prop.Kind == pkEnumeration)
    fits = Prop.Enum && value >= 0 && value < static_cast<Int64>(Prop.Enum->Names.size());
  if (!fits) PropertyValueError();
  return value;
}

Int64 TReader::ReadSet(const TPropInfo& Prop) {
  Int64 mask = 0;
  for (String name = ReadStr(); !name.empty(); name = ReadStr()) {
    Integer value = Prop.Enum ? Prop.Enum->ValueOf(name) : -1;
    if (value < 0 || value >= 64) PropertyValueError();
    mask |= Int64(1) << value;
  }
  return mask;
}

void TReader::ReadCollection(TCollection* Value) {
  CheckValue(vaCollection);
  Enter();
  String savedName = FPropName;
  if (!FChecking) {
    Value->BeginUpdate();
    Value->Clear();
  }
  {
    auto EndUpdate = ScopeExit([&] {
      if (!FChecking) Value->EndUpdate();
    });
    ReadCollectionItems(Value);
  }
  FPropName = savedName;
  Leave();
}

void TReader::ReadCollectionItems(TCollection* Value) {
  while (!EndOfList()) {
    if (IsIntegerValue(NextValue())) ReadInteger();
    ReadListBegin();
    std::unique_ptr<TCollectionItem> scratch;
    TCollectionItem* item = nullptr;
    if (FChecking) {
      scratch.reset(Value->ItemClass()(nullptr));
      item = scratch.get();
    } else {
      item = Value->Add();
    }
    while (!EndOfList()) ReadProperty(item);
    ReadListEnd();
  }
  ReadListEnd();
}

void TReader::ResolveFixups() {
  for (const TFixup& fixup : FFixups) {
    TComponent* found = nullptr;
    size_t dot = fixup.Name.find(L'.');
    TComponent* owner = FRoot->Owner();
    if (dot != String::npos) {
      TComponent* form = owner ? owner->FindComponent(fixup.Name.substr(0, dot)) : nullptr;
      if (!form && CompareText(FRoot->Name(), fixup.Name.substr(0, dot)) == 0) form = FRoot;
      if (form) found = form->FindComponent(fixup.Name.substr(dot + 1));
    } else if (CompareText(FRoot->Name(), fixup.Name) == 0) {
      found = FRoot;
    } else {
      found = FRoot->FindComponent(fixup.Name);
      if (!found && owner) found = owner->FindComponent(fixup.Name);
    }
    // A reference to a component that is not there stays unset, as a
    // component whose partner was freed.
    if (found) CallSetter(fixup.Prop->Name, [&] { fixup.Prop->SetComponent(fixup.Instance, found); });
  }
  FFixups.clear();
}

// --- TStream ---------------------------------------------------------------

void TStream::WriteComponent(TComponent* Instance) {
  TWriter writer(this);
  writer.WriteRootComponent(Instance);
}

TComponent* TStream::ReadComponent(TComponent* Instance) {
  Int64 start = Position();
  if (Instance) {
    // The whole component is read once before Instance is touched: into a
    // scratch component of its class where the class is registered (so
    // that defined properties and setters have their say), else checking
    // only; a damaged stream fails there and leaves Instance as it was.
    TComponentClass factory = GetClass(Instance->ClassName());
    std::unique_ptr<TComponent> scratch(factory ? factory(nullptr) : nullptr);
    if (scratch && typeid(*scratch) != typeid(*Instance)) scratch.reset();
    TReader trial(this);
    trial.SetChecking(!scratch);
    trial.ReadSignature();
    trial.ReadRootComponent(scratch ? scratch.get() : Instance);
    SetPosition(start);
  }
  TReader reader(this);
  reader.ReadSignature();
  return reader.ReadRootComponent(Instance);
}

}  // namespace jorv
