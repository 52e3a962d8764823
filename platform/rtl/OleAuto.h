#pragma once
// Late-bound automation: an outside server's objects reached through
// IDispatch by member name, with VARIANT arguments and results, and the
// two-dimensional variant arrays that carry blocks of cells in one call.
#include <initializer_list>
#include <vector>
#include "platform/rtl/Types.h"
#include "platform/rtl/Variant.h"
#include "platform/rtl/WinApi.h"
#include <oleauto.h>

namespace jorv {

class TOleObject;

// Owns one VARIANT. Results keep the server's exact type (arrays, error
// values, objects), which the runtime's Variant does not all hold.
class TOleValue {
 public:
  TOleValue() { VariantInit(&FValue); }
  TOleValue(const Variant& Value);
  TOleValue(const TOleObject& Object);
  TOleValue(Integer Value) : TOleValue(Variant(Value)) {}
  TOleValue(const String& Value) : TOleValue(Variant(Value)) {}
  TOleValue(const Char* Value) : TOleValue(Variant(Value)) {}
  TOleValue(bool Value) : TOleValue(Variant(Value)) {}
  // Takes over the array; it is destroyed with the value.
  static TOleValue FromArray(SAFEARRAY* Array);
  TOleValue(const TOleValue& Other);
  TOleValue(TOleValue&& Other) noexcept;
  TOleValue& operator=(TOleValue Other) noexcept;
  ~TOleValue() { VariantClear(&FValue); }

  VARTYPE VarType() const { return V_VT(&FValue); }
  VARIANT& Raw() { return FValue; }
  const VARIANT& Raw() const { return FValue; }
  Variant AsVariant() const { return Variant::FromOle(FValue); }
  String AsString() const { return VarToStr(AsVariant()); }
  Integer AsInteger() const { return AsVariant().AsInteger(); }
  bool AsBoolean() const { return AsVariant().AsBoolean(); }
  // The object the value holds; EOleError when it holds none.
  TOleObject AsObject() const;

 private:
  VARIANT FValue;
};

// A named argument: its name travels to the server with the value.
struct TOleNamedArg {
  String Name;
  TOleValue Value;
};

// One reference to a server object. Every failure of the server raises
// EOleError with the server's own description where it gives one.
class TOleObject {
 public:
  TOleObject() = default;
  explicit TOleObject(IDispatch* Dispatch);  // takes a reference of its own
  TOleObject(const TOleObject& Other) : TOleObject(Other.FDispatch) {}
  TOleObject(TOleObject&& Other) noexcept : FDispatch(Other.FDispatch) { Other.FDispatch = nullptr; }
  TOleObject& operator=(TOleObject Other) noexcept;
  ~TOleObject();

  // A new instance of the server registered under ProgID; EOleSysError
  // when there is no such server or it cannot start.
  static TOleObject Create(const String& ProgID);
  // The running instance of ProgID; false (and Instance untouched) when
  // none runs or none is registered.
  static bool GetActive(const String& ProgID, TOleObject& Instance);

  bool Assigned() const { return FDispatch != nullptr; }
  IDispatch* Dispatch() const { return FDispatch; }

  // A property read, or a method call whose result is wanted.
  TOleValue Get(const String& Member, std::initializer_list<TOleValue> Args = {}) const;
  TOleObject GetObject(const String& Member, std::initializer_list<TOleValue> Args = {}) const;
  void Put(const String& Member, const TOleValue& Value) const;
  TOleValue Call(const String& Member, std::initializer_list<TOleValue> Args = {},
                 std::initializer_list<TOleNamedArg> Named = {}) const;

 private:
  TOleValue Invoke(const String& Member, WORD Flags, const std::vector<const TOleValue*>& Args,
                   const std::vector<const TOleNamedArg*>& Named) const;
  IDispatch* FDispatch = nullptr;
};

// A zero-based rows x columns array of variants, as a server takes a block
// of cells.
SAFEARRAY* CreateVariantArray2D(Integer Rows, Integer Cols);
// Stores Text at (Row, Col) of an array made above; EOleSysError on failure.
void PutVariantArrayText(SAFEARRAY* Array, Integer Row, Integer Col, const String& Text);
// The element at (Row, Col) by the array's own bounds (one-based for the
// arrays servers hand back); EOleSysError when outside them.
TOleValue GetVariantArrayElement(SAFEARRAY* Array, Integer Row, Integer Col);

}  // namespace jorv
