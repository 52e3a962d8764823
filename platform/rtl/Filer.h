#pragma once
// Component streaming in the binary form format: the signature "TPF0", then
// per component an optional flags byte ($F0 | flags), its class name and its
// name as short strings, its properties (name as short string, then a typed
// value) ended by vaNull, its children ended by vaNull.
//
// Published properties (TypInfo.h) are written in declared order, each only
// when it differs from its default; owned sub-objects under dotted names
// ("Font.Name"); collections as vaCollection with one vaList per item.
//
// Stream properties that are not published are added by overriding
// TPersistent::DefineProperties and asking the filer for each of them:
//
//   void TMyPanel::DefineProperties(TFiler* Filer) {
//     TCustomPanel::DefineProperties(Filer);
//     Filer->DefineProperty(L"FullHeight",
//         [this](TReader* R) { FFullHeight = R->ReadInteger(); },
//         [this](TWriter* W) { W->WriteInteger(FFullHeight); },
//         FFullHeight != 0);   // HasData: false leaves the property out
//   }
//
// The reader calls the read procedure when the stream holds the property,
// the writer calls the write procedure when HasData is true. A read
// procedure reads exactly the values its write procedure wrote;
// DefineBinaryProperty hands both a stream of the property's bytes instead.
#include <functional>
#include <map>
#include "platform/rtl/Component.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TypInfo.h"

namespace jorv {

class TCollection;
class TReader;
class TWriter;

enum TValueType : uint8_t {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent,
  vaFalse, vaTrue, vaBinary, vaSet, vaLString, vaNil, vaCollection, vaSingle,
  vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String, vaDouble
};

enum TFilerFlag : uint8_t { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag, 8>;

using TReaderProc = std::function<void(TReader* Reader)>;
using TWriterProc = std::function<void(TWriter* Writer)>;
using TStreamProc = std::function<void(TStream* Stream)>;

class TFiler : public TObject {
 public:
  explicit TFiler(TStream* AStream) : FStream(AStream) {}
  TStream* Stream() const { return FStream; }
  TComponent* Root() const { return FRoot; }
  void SetRoot(TComponent* Value) { FRoot = Value; }

  virtual void DefineProperty(const String& Name, const TReaderProc& ReadData,
                              const TWriterProc& WriteData, bool HasData) = 0;
  virtual void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                                    const TStreamProc& WriteData, bool HasData) = 0;

 protected:
  TStream* FStream = nullptr;
  TComponent* FRoot = nullptr;
};

class TWriter : public TFiler {
 public:
  using TFiler::TFiler;

  void WriteSignature();
  // Writes Root with its children, starting with the signature.
  void WriteRootComponent(TComponent* Root);
  void WriteComponent(TComponent* Component);
  // The published and defined properties of Instance, names prefixed.
  void WriteProperties(TPersistent* Instance);

  void WriteValue(TValueType Value);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }
  // The smallest of vaInt8, vaInt16, vaInt32, vaInt64 that holds Value.
  void WriteInteger(Int64 Value);
  void WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }
  // Text of ASCII characters as vaString (up to 255) or vaLString, any
  // other as vaWString (UTF-16).
  void WriteString(const String& Value);
  void WriteFloat(double Value);
  void WriteDate(TDateTime Value);
  void WriteIdent(const String& Ident);
  void WriteCollection(TCollection* Value);
  // A short string: a length byte and at most 255 bytes of UTF-8.
  void WriteStr(const String& Value);

  void DefineProperty(const String& Name, const TReaderProc& ReadData,
                      const TWriterProc& WriteData, bool HasData) override;
  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;

 private:
  void WriteBytes(const void* Buffer, Integer Count) { FStream->WriteBuffer(Buffer, Count); }
  void WriteProperty(TPersistent* Instance, const TPropInfo& Prop);
  void WriteOrdinal(const TPropInfo& Prop, Int64 Value);
  void WriteSet(const TPropInfo& Prop, Int64 Mask);
  void WriteReference(TComponent* Component);
  void WritePropName(const String& Name);
  bool IsDefault(TPersistent* Instance, const TPropInfo& Prop) const;

  String FPropPath;
};

// Reads what TWriter wrote. A stream that ends early or holds something
// the format does not allow raises EReadError; so does a property that the
// class does not have ("Property X does not exist") or a value that does not
// fit it ("Invalid property value"). TStream::ReadComponent checks the whole
// component before it changes anything, so such a stream leaves the
// component as it was.
class TReader : public TFiler {
 public:
  using TFiler::TFiler;

  void ReadSignature();
  // Reads a component into Root (made from the stream's class name when
  // Root is nullptr); its children are found among Root's components by
  // name or created. Calls Loaded on each component read.
  TComponent* ReadRootComponent(TComponent* Root);

  TValueType ReadValue();
  TValueType NextValue();
  bool EndOfList();
  void ReadListBegin() { CheckValue(vaList); }
  void ReadListEnd() { CheckValue(vaNull); }
  void CheckValue(TValueType Value);
  Int64 ReadInt64();
  Integer ReadInteger();
  bool ReadBoolean();
  String ReadString();
  double ReadFloat();
  TDateTime ReadDate();
  String ReadIdent();
  String ReadStr();
  void ReadCollection(TCollection* Value);
  // Skips one value of any kind.
  void SkipValue();

  void DefineProperty(const String& Name, const TReaderProc& ReadData,
                      const TWriterProc& WriteData, bool HasData) override;
  void DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                            const TStreamProc& WriteData, bool HasData) override;

  // Checking only: every value is read and every name is looked up, but no
  // property is set, no item or component is made in the target.
  void SetChecking(bool Value) { FChecking = Value; }
  bool Checking() const { return FChecking; }

 private:
  struct TFixup {
    TPersistent* Instance = nullptr;
    const TPropInfo* Prop = nullptr;
    String Name;
  };

  void ReadBytes(void* Buffer, Integer Count);
  Integer ReadLength(Integer UnitSize);
  [[noreturn]] void InvalidFormat() const;
  [[noreturn]] void PropertyValueError() const;
  void ReadComponentData(TComponent* Instance);
  void ReadChild(TComponent* Parent);
  void ReadPrefix(TFilerFlags& Flags);
  void ReadProperty(TPersistent* Instance);
  void ReadPropValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadPropPath(TPersistent* Instance, const String& Path, size_t Start);
  Int64 ReadOrdinal(const TPropInfo& Prop);
  Int64 ReadSet(const TPropInfo& Prop);
  void ReadCollectionItems(TCollection* Value);
  void ReadDefined(TPersistent* Instance, const String& Name);
  void ResolveFixups();
  void Enter();
  void Leave() { --FDepth; }

  bool FChecking = false;
  Integer FDepth = 0;
  String FPropName;
  bool FPropFound = false;
  std::vector<TFixup> FFixups;
  std::vector<TComponent*> FLoaded;
};

}  // namespace jorv
