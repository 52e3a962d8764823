#include "platform/rtl/OleAuto.h"
#include <utility>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

namespace {

[[noreturn]] void RaiseOleSysError(HRESULT Result, const String& What) {
  throw EOleSysError(What + L": " + SysErrorMessage(Cardinal(Result)) + L" ($" +
                     IntToHex(uint32_t(Result), 8) + L")");
}

// The server's own words when it gave any; they tell the user more than
// a bare HRESULT.
String ExceptionText(EXCEPINFO& Info, HRESULT Result, const String& Member) {
  if (Info.pfnDeferredFillIn) Info.pfnDeferredFillIn(&Info);
  String Text = Info.bstrDescription ? String(Info.bstrDescription) : String();
  SysFreeString(Info.bstrSource);
  SysFreeString(Info.bstrDescription);
  SysFreeString(Info.bstrHelpFile);
  if (!Text.empty()) return Text;
  return L"Automation call " + Member + L" failed: " + SysErrorMessage(Cardinal(Result)) +
         L" ($" + IntToHex(uint32_t(Result), 8) + L")";
}

}  // namespace

// --- TOleValue --------------------------------------------------------------------------------

TOleValue::TOleValue(const Variant& Value) {
  VariantInit(&FValue);
  Value.ToOle(FValue);
}

TOleValue::TOleValue(const TOleObject& Object) {
  VariantInit(&FValue);
  V_VT(&FValue) = VT_DISPATCH;
  V_DISPATCH(&FValue) = Object.Dispatch();
  if (Object.Dispatch()) Object.Dispatch()->AddRef();
}

TOleValue TOleValue::FromArray(SAFEARRAY* Array) {
  TOleValue Value;
  V_VT(&Value.FValue) = VT_ARRAY | VT_VARIANT;
  V_ARRAY(&Value.FValue) = Array;
  return Value;
}

TOleValue::TOleValue(const TOleValue& Other) {
  VariantInit(&FValue);
  const HRESULT Result = VariantCopy(&FValue, const_cast<VARIANT*>(&Other.FValue));
  if (FAILED(Result)) RaiseOleSysError(Result, L"Variant copy");
}

TOleValue::TOleValue(TOleValue&& Other) noexcept : FValue(Other.FValue) {
  VariantInit(&Other.FValue);
}

TOleValue& TOleValue::operator=(TOleValue Other) noexcept {
  std::swap(FValue, Other.FValue);
  return *this;
}

TOleObject TOleValue::AsObject() const {
  VARIANT Deref;
  VariantInit(&Deref);
  VariantCopyInd(&Deref, const_cast<VARIANT*>(&FValue));
  if (V_VT(&Deref) != VT_DISPATCH || !V_DISPATCH(&Deref)) {
    VariantClear(&Deref);
    throw EOleError(L"The automation server answered no object");
  }
  TOleObject Object(V_DISPATCH(&Deref));
  VariantClear(&Deref);
  return Object;
}

// --- TOleObject -------------------------------------------------------------------------------

TOleObject::TOleObject(IDispatch* Dispatch) : FDispatch(Dispatch) {
  if (FDispatch) FDispatch->AddRef();
}

TOleObject& TOleObject::operator=(TOleObject Other) noexcept {
  std::swap(FDispatch, Other.FDispatch);
  return *this;
}

TOleObject::~TOleObject() {
  if (FDispatch) FDispatch->Release();
}

TOleObject TOleObject::Create(const String& ProgID) {
  CLSID ClassID;
  HRESULT Result = CLSIDFromProgID(ProgID.c_str(), &ClassID);
  if (FAILED(Result)) RaiseOleSysError(Result, L"Invalid class string " + ProgID);
  IDispatch* Dispatch = nullptr;
  Result = CoCreateInstance(ClassID, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                            IID_IDispatch, reinterpret_cast<void**>(&Dispatch));
  if (FAILED(Result)) RaiseOleSysError(Result, L"Cannot start " + ProgID);
  TOleObject Object(Dispatch);
  Dispatch->Release();
  return Object;
}

bool TOleObject::GetActive(const String& ProgID, TOleObject& Instance) {
  CLSID ClassID;
  if (FAILED(CLSIDFromProgID(ProgID.c_str(), &ClassID))) return false;
  IUnknown* Unknown = nullptr;
  if (FAILED(GetActiveObject(ClassID, nullptr, &Unknown)) || !Unknown) return false;
  IDispatch* Dispatch = nullptr;
  const HRESULT Result = Unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&Dispatch));
  Unknown->Release();
  if (FAILED(Result) || !Dispatch) return false;
  Instance = TOleObject(Dispatch);
  Dispatch->Release();
  return true;
}

TOleValue TOleObject::Get(const String& Member, std::initializer_list<TOleValue> Args) const {
  std::vector<const TOleValue*> Positional;
  for (const TOleValue& Arg : Args) Positional.push_back(&Arg);
  return Invoke(Member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, Positional, {});
}

TOleObject TOleObject::GetObject(const String& Member, std::initializer_list<TOleValue> Args) const {
  return Get(Member, Args).AsObject();
}

void TOleObject::Put(const String& Member, const TOleValue& Value) const {
  Invoke(Member, DISPATCH_PROPERTYPUT, {&Value}, {});
}

TOleValue TOleObject::Call(const String& Member, std::initializer_list<TOleValue> Args,
                           std::initializer_list<TOleNamedArg> Named) const {
  std::vector<const TOleValue*> Positional;
  for (const TOleValue& Arg : Args) Positional.push_back(&Arg);
  std::vector<const TOleNamedArg*> NamedArgs;
  for (const TOleNamedArg& Arg : Named) NamedArgs.push_back(&Arg);
  return Invoke(Member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, Positional, NamedArgs);
}

// The server reads rgvarg back to front: named arguments first, in the order
// of their identifiers, then the positional ones last to first.
TOleValue TOleObject::Invoke(const String& Member, WORD Flags,
                             const std::vector<const TOleValue*>& Args,
                             const std::vector<const TOleNamedArg*>& Named) const {
  if (!FDispatch) throw EOleError(L"Automation call " + Member + L" on no object");
  std::vector<LPOLESTR> Names{const_cast<LPOLESTR>(Member.c_str())};
  for (const TOleNamedArg* Arg : Named) Names.push_back(const_cast<LPOLESTR>(Arg->Name.c_str()));
  std::vector<DISPID> Ids(Names.size());
  HRESULT Result = FDispatch->GetIDsOfNames(IID_NULL, Names.data(), UINT(Names.size()),
                                            LOCALE_USER_DEFAULT, Ids.data());
  if (FAILED(Result)) RaiseOleSysError(Result, L"Unknown automation member " + Member);

  std::vector<VARIANT> Packed;
  std::vector<DISPID> NamedIds;
  for (size_t i = 0; i < Named.size(); ++i) {
    Packed.push_back(Named[i]->Value.Raw());
    NamedIds.push_back(Ids[i + 1]);
  }
  for (size_t i = Args.size(); i-- > 0;) Packed.push_back(Args[i]->Raw());
  DISPID PutId = DISPID_PROPERTYPUT;
  DISPPARAMS Params{Packed.data(), Flags == DISPATCH_PROPERTYPUT ? &PutId : NamedIds.data(),
                    UINT(Packed.size()), Flags == DISPATCH_PROPERTYPUT ? 1u : UINT(NamedIds.size())};
  TOleValue Answer;
  EXCEPINFO Info{};
  UINT ArgError = 0;
  Result = FDispatch->Invoke(Ids[0], IID_NULL, LOCALE_USER_DEFAULT, Flags, &Params,
                             Flags == DISPATCH_PROPERTYPUT ? nullptr : &Answer.Raw(), &Info, &ArgError);
  if (Result == DISP_E_EXCEPTION) throw EOleError(ExceptionText(Info, Result, Member));
  if (FAILED(Result)) RaiseOleSysError(Result, L"Automation call " + Member + L" failed");
  return Answer;
}

// --- Variant arrays ---------------------------------------------------------------------------

SAFEARRAY* CreateVariantArray2D(Integer Rows, Integer Cols) {
  SAFEARRAYBOUND Bounds[2] = {{ULONG(Rows), 0}, {ULONG(Cols), 0}};
  SAFEARRAY* Array = SafeArrayCreate(VT_VARIANT, 2, Bounds);
  if (!Array) throw EOutOfMemory(L"Cannot make a variant array of " + IntToStr(Rows) + L" x " + IntToStr(Cols));
  return Array;
}

void PutVariantArrayText(SAFEARRAY* Array, Integer Row, Integer Col, const String& Text) {
  TOleValue Element{Variant(Text)};
  LONG Index[2] = {LONG(Row), LONG(Col)};
  const HRESULT Result = SafeArrayPutElement(Array, Index, &Element.Raw());
  if (FAILED(Result)) RaiseOleSysError(Result, L"Variant array element");
}

TOleValue GetVariantArrayElement(SAFEARRAY* Array, Integer Row, Integer Col) {
  TOleValue Element;
  LONG Index[2] = {LONG(Row), LONG(Col)};
  const HRESULT Result = Array ? SafeArrayGetElement(Array, Index, &Element.Raw()) : E_POINTER;
  if (FAILED(Result)) RaiseOleSysError(Result, L"Variant array element");
  return Element;
}

}  // namespace jorv
