#include "tests/grid_exchange/FakeAutomationServer.h"
#include <cwctype>
#include "platform/rtl/Exceptions.h"

namespace jorv::test {

namespace {

String Lower(String Text) {
  for (Char& C : Text) C = Char(std::towlower(C));
  return Text;
}

// One identifier per name across all fake objects, so that the names of
// named arguments can be told back from their identifiers.
std::vector<String>& NameTable() {
  static std::vector<String> Names;
  return Names;
}

DISPID NameId(const String& Name) {
  std::vector<String>& Names = NameTable();
  const String Key = Lower(Name);
  for (size_t i = 0; i < Names.size(); ++i)
    if (Names[i] == Key) return DISPID(i + 1);
  Names.push_back(Key);
  return DISPID(Names.size());
}

}  // namespace

TOleValue TFakeCall::Arg(const String& Name, size_t Position) const {
  auto Found = Named.find(Lower(Name));
  if (Found != Named.end()) return Found->second;
  return Position < Args.size() ? Args[Position] : TOleValue();
}

TFakeObject* TFakeObject::On(const String& Member, TFakeHandler Handler) {
  FMembers[Lower(Member)] = {Member, std::move(Handler)};
  return this;
}

TFakeObject* TFakeObject::Answer(const String& Member, const TOleValue& Value) {
  return On(Member, [Value](TFakeCall& Call) { Call.Result = Value; });
}

TOleObject TFakeObject::Make(String Kind, std::vector<String>* Log,
                             const std::function<void(TFakeObject&)>& Setup) {
  auto* Object = new TFakeObject(std::move(Kind), Log);
  Setup(*Object);
  return TOleObject(Object);
}

HRESULT TFakeObject::QueryInterface(REFIID Iid, void** Object) {
  if (Iid == IID_IUnknown || Iid == IID_IDispatch) {
    *Object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *Object = nullptr;
  return E_NOINTERFACE;
}

ULONG TFakeObject::Release() {
  const ULONG Left = --FRefs;
  if (Left == 0) delete this;
  return Left;
}

HRESULT TFakeObject::GetTypeInfoCount(UINT* Count) {
  *Count = 0;
  return S_OK;
}

HRESULT TFakeObject::GetIDsOfNames(REFIID, LPOLESTR* Names, UINT Count, LCID, DISPID* Ids) {
  if (Count == 0) return E_INVALIDARG;
  if (!FMembers.count(Lower(Names[0]))) {
    if (FLog) FLog->push_back(FKind + L"?" + Names[0]);
    Ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  for (UINT i = 0; i < Count; ++i) Ids[i] = NameId(Names[i]);
  return S_OK;
}

HRESULT TFakeObject::Invoke(DISPID Id, REFIID, LCID, WORD Flags, DISPPARAMS* Params, VARIANT* Result,
                            EXCEPINFO* Info, UINT*) {
  if (Id < 1 || size_t(Id) > NameTable().size()) return DISP_E_MEMBERNOTFOUND;
  TFakeCall Call;
  Call.Member = NameTable()[size_t(Id - 1)];
  auto Handler = FMembers.find(Call.Member);
  if (Handler == FMembers.end()) return DISP_E_MEMBERNOTFOUND;
  Call.Flags = Flags;
  const UINT Named = Call.IsPut() ? 0 : Params->cNamedArgs;
  for (UINT i = 0; i < Named; ++i) {
    TOleValue Value;
    VariantCopy(&Value.Raw(), &Params->rgvarg[i]);
    Call.Named[NameTable()[size_t(Params->rgdispidNamedArgs[i] - 1)]] = Value;
  }
  for (UINT i = Params->cArgs; i-- > Named;) {
    TOleValue Value;
    VariantCopy(&Value.Raw(), &Params->rgvarg[i]);
    Call.Args.push_back(Value);
  }
  if (FLog) FLog->push_back(FKind + L"." + Handler->second.first + (Call.IsPut() ? L"=" : L""));
  try {
    Handler->second.second(Call);
  } catch (const Exception& Failure) {
    if (Info) {
      *Info = EXCEPINFO{};
      Info->bstrDescription = SysAllocString(Failure.Message().c_str());
    }
    return DISP_E_EXCEPTION;
  }
  if (Result) VariantCopy(Result, &Call.Result.Raw());
  return S_OK;
}

// --- Registration -----------------------------------------------------------------------------

class TFakeFactory : public IClassFactory {
 public:
  explicit TFakeFactory(std::function<TOleObject()> Make) : FMake(std::move(Make)) {}
  virtual ~TFakeFactory() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Iid, void** Object) override {
    if (Iid == IID_IUnknown || Iid == IID_IClassFactory) {
      *Object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *Object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG Left = --FRefs;
    if (Left == 0) delete this;
    return Left;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* Outer, REFIID Iid, void** Object) override {
    if (Outer) return CLASS_E_NOAGGREGATION;
    ++Created;
    const TOleObject Instance = FMake();
    return Instance.Dispatch()->QueryInterface(Iid, Object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
  Integer Created = 0;

 private:
  std::function<TOleObject()> FMake;
  ULONG FRefs = 1;
};

namespace {

const Char* const BackupKey = L"Software\\Jorvensaal\\Tests\\MachineProgIDs";

String ReadDefault(HKEY Root, const String& Key, const Char* Value = nullptr) {
  wchar_t Text[80] = {};
  DWORD Size = sizeof(Text) - sizeof(wchar_t);
  if (RegGetValueW(Root, Key.c_str(), Value, RRF_RT_REG_SZ, nullptr, Text, &Size) != ERROR_SUCCESS) return String();
  return Text;
}

void WriteText(HKEY Root, const String& Key, const Char* Value, const String& Text) {
  RegSetKeyValueW(Root, Key.c_str(), Value, REG_SZ, Text.c_str(), DWORD((Text.size() + 1) * sizeof(wchar_t)));
}

bool ResolvesTo(const String& ProgID, const CLSID& ClassID) {
  CLSID Found;
  return SUCCEEDED(CLSIDFromProgID(ProgID.c_str(), &Found)) && Found == ClassID;
}

}  // namespace

// The per-user key is how a user registers a server of his own. Where the
// COM runtime reads only the machine's classes (Wine does), the identifier
// is also written there for the test's duration; what it held before is
// kept under the current user until it is put back, so that even a test
// run that died half-way gives the machine's entry back on the next run.
TFakeServerRegistration::TFakeServerRegistration(const String& ProgID, const CLSID& ClassID,
                                                 std::function<TOleObject()> Make)
    : FProgID(ProgID), FClassID(ClassID), FFactory(new TFakeFactory(std::move(Make))) {
  wchar_t Text[40];
  StringFromGUID2(ClassID, Text, 40);
  WriteText(HKEY_CURRENT_USER, L"Software\\Classes\\" + ProgID + L"\\CLSID", nullptr, Text);
  if (!ResolvesTo(ProgID, ClassID)) {
    FMachineKey = true;
    if (ReadDefault(HKEY_CURRENT_USER, BackupKey, ProgID.c_str()).empty()) {
      const String Previous = ReadDefault(HKEY_CLASSES_ROOT, ProgID + L"\\CLSID");
      WriteText(HKEY_CURRENT_USER, BackupKey, ProgID.c_str(), Previous.empty() ? L"-" : Previous);
    }
    WriteText(HKEY_CLASSES_ROOT, ProgID + L"\\CLSID", nullptr, Text);
  }
  CoRegisterClassObject(ClassID, FFactory, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                        REGCLS_MULTIPLEUSE, &FClassCookie);
}

TFakeServerRegistration::~TFakeServerRegistration() {
  if (FActiveCookie) RevokeActiveObject(FActiveCookie, nullptr);
  CoRevokeClassObject(FClassCookie);
  FFactory->Release();
  RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + FProgID).c_str());
  if (!FMachineKey) return;
  const String Previous = ReadDefault(HKEY_CURRENT_USER, BackupKey, FProgID.c_str());
  if (Previous == L"-" || Previous.empty())
    RegDeleteTreeW(HKEY_CLASSES_ROOT, FProgID.c_str());
  else
    WriteText(HKEY_CLASSES_ROOT, FProgID + L"\\CLSID", nullptr, Previous);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, BackupKey, FProgID.c_str());
}

void TFakeServerRegistration::Running(const TOleObject& Instance) {
  RegisterActiveObject(Instance.Dispatch(), FClassID, ACTIVEOBJECT_STRONG, &FActiveCookie);
}

Integer TFakeServerRegistration::Created() const { return FFactory->Created; }

}  // namespace jorv::test
