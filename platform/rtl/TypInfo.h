#pragma once
// Published properties: what a class shows to component streaming. Each class
// declares its list once, beside the class, with its parent class; a class
// publishes its parent's properties first and then its own, in the order it
// declares them.
//
// Declaring a class's properties (in a source file of the class's folder):
//
//   static const TEnumInfo TTodayStyleNames{{L"tsSunken", L"tsRaised", L"tsFlat"}};
//   JORV_PUBLISH(TMyCalendar, TCustomPanel) {
//     Class.Integer(L"StartDay", &TMyCalendar::StartDay, &TMyCalendar::SetStartDay, 7)
//          .Enum(L"TodayStyle", &TMyCalendar::TodayStyle, &TMyCalendar::SetTodayStyle,
//                TTodayStyleNames, tsFlat)
//          .Object(L"Font", &TMyCalendar::Font);
//   }
//
// in a file named <Something>Published.cpp that ends with
// JORV_PUBLISHED_UNIT(<library target>), so that the linker keeps it.
#include <functional>
#include <optional>
#include <typeindex>
#include <vector>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"

namespace jorv {

class TComponent;

enum TPropKind : uint8_t {
  pkInteger,      // 32-bit signed; integers with names (colours) write the name
  pkInt64,
  pkBoolean,
  pkEnumeration,  // written by name
  pkSet,          // members of an enumeration, written by name
  pkFloat,
  pkDateTime,
  pkString,
  pkClass,        // an owned sub-object, written through its own properties
  pkComponent     // a reference to another component, written by name
};

// Names of an enumeration's values, from ordinal 0 up.
struct TEnumInfo {
  std::vector<String> Names;
  // The ordinal of Name (without regard to case), or -1.
  Integer ValueOf(const String& Name) const;
  String NameOf(Int64 Value) const;
};

// Integers that some values of have names (colours: "clRed").
struct TIdentMap {
  bool (*ToIdent)(Integer Value, String& Ident) = nullptr;
  bool (*FromIdent)(const String& Ident, Integer& Value) = nullptr;
};

struct TPropInfo {
  String Name;
  TPropKind Kind = pkInteger;
  const TEnumInfo* Enum = nullptr;
  const TIdentMap* Idents = nullptr;
  // Ordinal kinds (integers, booleans, enumerations, sets as bit masks).
  std::function<Int64(const TPersistent*)> GetOrd;
  std::function<void(TPersistent*, Int64)> SetOrd;
  std::function<double(const TPersistent*)> GetFloat;
  std::function<void(TPersistent*, double)> SetFloat;
  std::function<String(const TPersistent*)> GetStr;
  std::function<void(TPersistent*, const String&)> SetStr;
  // Sub-objects and component references.
  std::function<TPersistent*(const TPersistent*)> GetObject;
  std::function<void(TPersistent*, TComponent*)> SetComponent;
  // An ordinal equal to its default is not written; without one it always is.
  // Strings are not written when empty, floats when 0.
  std::optional<Int64> Default;
  // Absent: always stored.
  std::function<bool(const TPersistent*)> Stored;
};

struct TClassInfo {
  String Name;
  std::type_index Type;
  std::optional<std::type_index> Parent;
  std::function<bool(const TPersistent*)> IsInstance;
  std::vector<TPropInfo> Props;
};

// Adds the class's description; a second one for the same class replaces it.
void RegisterClassInfo(TClassInfo Info);
// The published properties of Instance's class (its own most derived
// registered class), parents' first; empty for a class that publishes none.
const std::vector<const TPropInfo*>& GetPropList(const TPersistent* Instance);
// The property by name (without regard to case), or nullptr.
const TPropInfo* GetPropInfo(const TPersistent* Instance, const String& Name);

// Builds a class's description; registers it when it goes out of scope.
template <class T>
class TPublishedClass {
 public:
  TPublishedClass(const String& Name, std::optional<std::type_index> Parent)
      : FInfo{Name, std::type_index(typeid(T)), Parent,
              [](const TPersistent* p) { return dynamic_cast<const T*>(p) != nullptr; }, {}} {}
  ~TPublishedClass() {
    if (FRegister) RegisterClassInfo(std::move(FInfo));
  }
  // The properties built so far, for a table shared by several classes;
  // the builder then registers nothing.
  std::vector<TPropInfo> TakeProps() {
    FRegister = false;
    return std::move(FInfo.Props);
  }
  TPublishedClass(const TPublishedClass&) = delete;

  template <class G, class S>
  TPublishedClass& Integer(const String& Name, G Get, S Set, std::optional<jorv::Int64> Def = {}) {
    return Ordinal(Name, pkInteger, Get, Set, Def);
  }
  template <class G, class S>
  TPublishedClass& Int64(const String& Name, G Get, S Set, std::optional<jorv::Int64> Def = {}) {
    return Ordinal(Name, pkInt64, Get, Set, Def);
  }
  template <class G, class S>
  TPublishedClass& Boolean(const String& Name, G Get, S Set, std::optional<bool> Def = {}) {
    std::optional<jorv::Int64> d;
    if (Def) d = *Def ? 1 : 0;
    return Ordinal(Name, pkBoolean, Get, Set, d);
  }
  // Colours: integers written by name where they have one.
  template <class G, class S>
  TPublishedClass& Color(const String& Name, G Get, S Set, std::optional<TColor> Def = {});
  template <class G, class S, class E>
  TPublishedClass& Enum(const String& Name, G Get, S Set, const TEnumInfo& Names,
                        std::optional<E> Def = {}) {
    std::optional<jorv::Int64> d;
    if (Def) d = static_cast<jorv::Int64>(*Def);
    Ordinal(Name, pkEnumeration, Get, Set, d);
    Last().Enum = &Names;
    return *this;
  }
  // A TSet<E, N>: Names lists E's values.
  template <class G, class S, class SetT>
  TPublishedClass& Set(const String& Name, G Get, S Set, const TEnumInfo& Names,
                       std::optional<SetT> Def = {});
  template <class G, class S>
  TPublishedClass& Float(const String& Name, G Get, S Set) {
    TPropInfo& p = Add(Name, pkFloat);
    p.GetFloat = [Get](const TPersistent* o) { return double(std::invoke(Get, Self(o))); };
    p.SetFloat = [Set](TPersistent* o, double v) { std::invoke(Set, Self(o), v); };
    return *this;
  }
  template <class G, class S>
  TPublishedClass& DateTime(const String& Name, G Get, S Set) {
    Float(Name, Get, Set);
    Last().Kind = pkDateTime;
    return *this;
  }
  template <class G, class S>
  TPublishedClass& Text(const String& Name, G Get, S Set) {
    TPropInfo& p = Add(Name, pkString);
    p.GetStr = [Get](const TPersistent* o) { return String(std::invoke(Get, Self(o))); };
    p.SetStr = [Set](TPersistent* o, const String& v) { std::invoke(Set, Self(o), v); };
    return *this;
  }
  // An owned sub-object (font, settings object, collection, string list,
  // picture): read and written in place through its own properties.
  template <class G>
  TPublishedClass& Object(const String& Name, G Get) {
    TPropInfo& p = Add(Name, pkClass);
    p.GetObject = [Get](const TPersistent* o) -> TPersistent* {
      return std::invoke(Get, Self(o));
    };
    return *this;
  }
  // A reference to a component of the same form, written by its name.
  template <class C, class G, class S>
  TPublishedClass& Reference(const String& Name, G Get, S Set) {
    TPropInfo& p = Add(Name, pkComponent);
    p.GetObject = [Get](const TPersistent* o) -> TPersistent* {
      return std::invoke(Get, Self(o));
    };
    p.SetComponent = [Set](TPersistent* o, TComponent* c) {
      C* typed = c ? dynamic_cast<C*>(c) : nullptr;
      if (c && !typed) throw EInvalidCast(L"Invalid class typecast");
      std::invoke(Set, Self(o), typed);
    };
    return *this;
  }
  // A property described elsewhere (shared by several classes).
  TPublishedClass& Add(TPropInfo Info) {
    FInfo.Props.push_back(std::move(Info));
    return *this;
  }
  // Makes the last property stored only when the predicate holds.
  template <class P>
  TPublishedClass& StoredWhen(P Predicate) {
    Last().Stored = [Predicate](const TPersistent* o) { return std::invoke(Predicate, Self(o)); };
    return *this;
  }
  // Gives the last property another default (a republished one).
  TPublishedClass& Default(jorv::Int64 Value) {
    Last().Default = Value;
    return *this;
  }
  TPropInfo& Last() { return FInfo.Props.back(); }

  static T* Self(TPersistent* o) { return static_cast<T*>(o); }
  static const T* Self(const TPersistent* o) { return static_cast<const T*>(o); }

 private:
  TPropInfo& Add(const String& Name, TPropKind Kind) {
    FInfo.Props.push_back(TPropInfo{});
    FInfo.Props.back().Name = Name;
    FInfo.Props.back().Kind = Kind;
    return FInfo.Props.back();
  }
  template <class G, class S>
  TPublishedClass& Ordinal(const String& Name, TPropKind Kind, G Get, S Set,
                           std::optional<jorv::Int64> Def) {
    TPropInfo& p = Add(Name, Kind);
    p.GetOrd = [Get](const TPersistent* o) {
      return static_cast<jorv::Int64>(std::invoke(Get, Self(o)));
    };
    p.SetOrd = [Set](TPersistent* o, jorv::Int64 v) {
      using Arg = std::remove_cvref_t<decltype(std::invoke(Get, std::declval<const T*>()))>;
      std::invoke(Set, Self(o), static_cast<Arg>(v));
    };
    p.Default = Def;
    return *this;
  }
  TClassInfo FInfo;
  bool FRegister = true;
};

template <class SetT>
struct TSetElement;
template <class E, unsigned N>
struct TSetElement<TSet<E, N>> {
  using Type = E;
};

// Bit masks of a TSet over the enumeration's first 64 values.
template <class SetT>
jorv::Int64 SetToMask(const SetT& Value, size_t Count) {
  using E = typename TSetElement<SetT>::Type;
  jorv::Int64 mask = 0;
  for (size_t i = 0; i < Count && i < 64; ++i)
    if (Value.Contains(static_cast<E>(i))) mask |= jorv::Int64(1) << i;
  return mask;
}

template <class T>
template <class G, class S, class SetT>
TPublishedClass<T>& TPublishedClass<T>::Set(const String& Name, G Get, S Set,
                                            const TEnumInfo& Names, std::optional<SetT> Def) {
  TPropInfo& p = Add(Name, pkSet);
  p.Enum = &Names;
  size_t count = Names.Names.size();
  p.GetOrd = [Get, count](const TPersistent* o) {
    return SetToMask(std::invoke(Get, Self(o)), count);
  };
  p.SetOrd = [Set, count](TPersistent* o, jorv::Int64 mask) {
    using SetType = std::remove_cvref_t<decltype(std::invoke(Get, std::declval<const T*>()))>;
    SetType value;
    for (size_t i = 0; i < count && i < 64; ++i)
      if (mask & (jorv::Int64(1) << i))
        value.Include(static_cast<typename TSetElement<SetType>::Type>(i));
    std::invoke(Set, Self(o), value);
  };
  if (Def) p.Default = SetToMask(*Def, count);
  return *this;
}

// Colour names, filled in by the graphics layer when it is linked.
extern TIdentMap ColorIdents;

template <class T>
template <class G, class S>
TPublishedClass<T>& TPublishedClass<T>::Color(const String& Name, G Get, S Set,
                                              std::optional<TColor> Def) {
  std::optional<jorv::Int64> d;
  if (Def) d = *Def;
  Ordinal(Name, pkInteger, Get, Set, d);
  Last().Idents = &ColorIdents;
  return *this;
}

// Declares the published properties of Cls, whose parent class is Parent
// (TPersistent when it publishes nothing of its parents').
#define JORV_PUBLISH_CAT2(a, b) a##b
#define JORV_PUBLISH_CAT(a, b) JORV_PUBLISH_CAT2(a, b)
#define JORV_PUBLISH(Cls, Parent)                                                   \
  static void JORV_PUBLISH_CAT(PublishProps_, __LINE__)(::jorv::TPublishedClass<Cls>&); \
  static const bool JORV_PUBLISH_CAT(Published_, __LINE__) = [] {                   \
    ::jorv::TPublishedClass<Cls> c(L## #Cls, std::type_index(typeid(Parent)));        \
    JORV_PUBLISH_CAT(PublishProps_, __LINE__)(c);                                   \
    return true;                                                                    \
  }();                                                                              \
  static void JORV_PUBLISH_CAT(PublishProps_, __LINE__)(::jorv::TPublishedClass<Cls> & Class)

}  // namespace jorv

// Ends a folder's *Published.cpp: the symbol that the build asks the linker
// to keep, so that the declarations in that file are linked.
#define JORV_PUBLISHED_UNIT(Target) extern "C" const int jorv_published_##Target = 0;
