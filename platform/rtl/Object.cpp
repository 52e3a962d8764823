#include "platform/rtl/Object.h"
#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>
#include "platform/rtl/Exceptions.h"

namespace jorv {

String TObject::ClassName() const {
  const char* raw = typeid(*this).name();
  int status = 0;
  char* demangled = abi::__cxa_demangle(raw, nullptr, nullptr, &status);
  std::string name = status == 0 && demangled ? demangled : raw;
  std::free(demangled);
  // Keep the last component of a qualified name; template arguments are
  // not part of any name the library shows.
  size_t lt = name.find('<');
  size_t colon = name.rfind("::", lt);
  if (colon != std::string::npos) name = name.substr(colon + 2);
  return String(name.begin(), name.end());
}

void TPersistent::Assign(TPersistent* Source) {
  if (Source)
    Source->AssignTo(this);
  else
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* Source) const {
  String src = Source ? Source->ClassName() : String(L"nil");
  throw EConvertError(L"Cannot assign a " + src + L" to a " + ClassName());
}

String TPersistent::GetNamePath() const {
  String result = ClassName();
  if (TPersistent* owner = GetOwner()) {
    String path = owner->GetNamePath();
    if (!path.empty()) result = path + L"." + result;
  }
  return result;
}

ULONG TInterfacedObject::ObjAddRef() { return InterlockedIncrement(&FRefCount); }

ULONG TInterfacedObject::ObjRelease() {
  LONG n = InterlockedDecrement(&FRefCount);
  if (n == 0) delete this;
  return n;
}

HRESULT TInterfacedObject::ObjQueryInterface(REFIID iid, void** obj) {
  if (!obj) return E_POINTER;
  *obj = GetInterface(iid);
  if (!*obj) return E_NOINTERFACE;
  ObjAddRef();
  return S_OK;
}

}  // namespace jorv
