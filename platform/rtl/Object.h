#pragma once
// Root of the object model: every class of the library derives from TObject,
// assignable ones from TPersistent, and our own COM objects from
// TInterfacedImpl so that their life time follows the reference count.
#include <functional>
#include <unknwn.h>
#include "platform/rtl/Types.h"

namespace jorv {

class TFiler;

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The class's name without namespace, taken from the run-time type, so a
  // descendant need not repeat it.
  virtual String ClassName() const;
  template <class T>
  bool InheritsFrom() const { return dynamic_cast<const T*>(this) != nullptr; }
};

// The plain event: the sender only.
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
 public:
  // Copies Source into this object; the source decides in AssignTo whether
  // it knows this object's class.
  virtual void Assign(TPersistent* Source);
  // Called by Assign of a class that does not know the source.
  virtual void AssignTo(TPersistent* Dest);
  virtual String GetNamePath() const;

 protected:
  virtual TPersistent* GetOwner() const { return nullptr; }
  // Adds stream properties beside the published ones: a class calls
  // Filer->DefineProperty or DefineBinaryProperty for each (see Filer.h).
  virtual void DefineProperties(TFiler* /*Filer*/) {}
  // Raises "Cannot assign a <source> to a <this>".
  [[noreturn]] void AssignError(const TPersistent* Source) const;

 private:
  friend class TWriter;
  friend class TReader;
};

// A persistent object that offers interfaces of its own (C++ base
// classes, found by dynamic_cast), without a reference count: its owner
// frees it.
class TInterfacedPersistent : public TPersistent {};

// Reference counting shared by our COM objects. The count starts at zero;
// the first AddRef comes from whoever takes the interface.
class TInterfacedObject : public TObject {
 public:
  LONG RefCount() const { return FRefCount; }

 protected:
  ULONG ObjAddRef();
  // Frees the object when the count falls to zero.
  ULONG ObjRelease();
  // Answers QueryInterface through GetInterface.
  HRESULT ObjQueryInterface(REFIID iid, void** obj);
  // The interface pointer for iid, or nullptr when the object has none.
  virtual void* GetInterface(REFIID iid) = 0;

 private:
  volatile LONG FRefCount = 0;
};

// QueryInterface of a component that carries interfaces without counting
// references (its owner frees it): IUnknown is the first interface listed.
template <class First, class... Rest, class TSelf>
HRESULT QueryComponentInterface(TSelf* Self, REFIID iid, void** obj) {
  if (!obj) return E_POINTER;
  *obj = nullptr;
  if (IsEqualIID(iid, IID_IUnknown)) {
    *obj = static_cast<First*>(Self);
  } else {
    ((IsEqualIID(iid, __uuidof(First)) ? (*obj = static_cast<First*>(Self), true) : false) || ... ||
     (IsEqualIID(iid, __uuidof(Rest)) ? (*obj = static_cast<Rest*>(Self), true) : false));
  }
  return *obj ? S_OK : E_NOINTERFACE;
}

// A COM object implementing Itf (and IUnknown). A class whose interface
// derives from others (IStream from ISequentialStream) extends GetInterface.
template <class Itf>
class TInterfacedImpl : public TInterfacedObject, public Itf {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** obj) override {
    return ObjQueryInterface(iid, obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ObjAddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return ObjRelease(); }

 protected:
  void* GetInterface(REFIID iid) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(Itf)))
      return static_cast<Itf*>(this);
    return nullptr;
  }
};

}  // namespace jorv
