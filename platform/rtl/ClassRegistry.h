#pragma once
// Component classes by name, for component streaming: a name maps to a
// factory that creates the component for an owner. Names are compared
// without regard to case.
#include <functional>
#include "platform/rtl/Types.h"

namespace jorv {

class TComponent;

using TComponentClass = std::function<TComponent*(TComponent* Owner)>;

// Registering a name again replaces its factory.
void RegisterClass(const String& Name, TComponentClass Factory);
template <class T>
void RegisterClass(const String& Name) {
  RegisterClass(Name, [](TComponent* owner) -> TComponent* { return new T(owner); });
}
void UnRegisterClass(const String& Name);
// The factory, or an empty one when the name is not registered.
TComponentClass GetClass(const String& Name);
// The factory; EClassNotFound "Class <name> not found" when not registered.
TComponentClass FindClass(const String& Name);

}  // namespace jorv
