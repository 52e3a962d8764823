#pragma once
// A stand-in automation server for the grid's exchange tests: in-process
// IDispatch objects that answer only the members a test gives them, record
// every call, and are registered for this process under a programmatic
// identifier (class object plus the identifier's key under the current
// user's classes), all taken back when the registration ends.
#include <functional>
#include <map>
#include <vector>
#include "platform/rtl/OleAuto.h"

namespace jorv::test {

// One call as the fake object received it: positional arguments in the
// caller's order, named ones by their lower-case names.
struct TFakeCall {
  String Member;
  WORD Flags = 0;
  std::vector<TOleValue> Args;
  std::map<String, TOleValue> Named;
  TOleValue Result;
  bool IsPut() const { return (Flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0; }
  // The argument by name, else by position; empty when neither is given.
  TOleValue Arg(const String& Name, size_t Position) const;
};

using TFakeHandler = std::function<void(TFakeCall&)>;

class TFakeObject : public IDispatch {
 public:
  // Kind names the object in the call log ("Workbook.Close").
  TFakeObject(String Kind, std::vector<String>* Log) : FKind(std::move(Kind)), FLog(Log) {}
  virtual ~TFakeObject() = default;
  // Answers Member (any case); the handler sets Call.Result for a read.
  TFakeObject* On(const String& Member, TFakeHandler Handler);
  // Member reads give Value.
  TFakeObject* Answer(const String& Member, const TOleValue& Value);
  // A new object with a reference held by the caller's TOleObject.
  static TOleObject Make(String Kind, std::vector<String>* Log,
                         const std::function<void(TFakeObject&)>& Setup);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Iid, void** Object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* Count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* Names, UINT Count, LCID, DISPID* Ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID Id, REFIID, LCID, WORD Flags, DISPPARAMS* Params, VARIANT* Result,
                                   EXCEPINFO* Info, UINT* ArgError) override;

 private:
  String FKind;
  std::vector<String>* FLog;
  std::map<String, std::pair<String, TFakeHandler>> FMembers;  // by lower-case name: spelling, handler
  ULONG FRefs = 0;
};

// Registers a factory of fresh application objects under ProgID for this
// process; `Running` also makes one instance the server's running one.
class TFakeServerRegistration {
 public:
  TFakeServerRegistration(const String& ProgID, const CLSID& ClassID, std::function<TOleObject()> Make);
  ~TFakeServerRegistration();
  void Running(const TOleObject& Instance);
  Integer Created() const;

 private:
  String FProgID;
  CLSID FClassID;
  class TFakeFactory* FFactory = nullptr;
  DWORD FClassCookie = 0;
  DWORD FActiveCookie = 0;
  bool FMachineKey = false;  // also written to the machine's classes
};

}  // namespace jorv::test
