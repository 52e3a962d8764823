#pragma once
// A value of changing type, as automation and data fields pass it.
#include <type_traits>
#include "platform/rtl/Types.h"

struct tagVARIANT;

namespace jorv {

using TVarType = Word;
constexpr TVarType varEmpty = 0x0000;
constexpr TVarType varNull = 0x0001;
constexpr TVarType varSmallint = 0x0002;
constexpr TVarType varInteger = 0x0003;
constexpr TVarType varSingle = 0x0004;
constexpr TVarType varDouble = 0x0005;
constexpr TVarType varCurrency = 0x0006;
constexpr TVarType varDate = 0x0007;
constexpr TVarType varOleStr = 0x0008;
constexpr TVarType varDispatch = 0x0009;
constexpr TVarType varError = 0x000A;
constexpr TVarType varBoolean = 0x000B;
constexpr TVarType varVariant = 0x000C;
constexpr TVarType varUnknown = 0x000D;
constexpr TVarType varShortInt = 0x0010;
constexpr TVarType varByte = 0x0011;
constexpr TVarType varWord = 0x0012;
constexpr TVarType varLongWord = 0x0013;
constexpr TVarType varInt64 = 0x0014;
constexpr TVarType varUInt64 = 0x0015;
constexpr TVarType varString = 0x0100;
constexpr TVarType varUString = 0x0102;

enum TVariantRelationship : uint8_t { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };

class Variant {
 public:
  Variant() = default;  // Unassigned (empty)
  Variant(bool v) : FType(varBoolean), FInt(v ? 1 : 0) {}
  template <typename T,
            std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> &&
                                 !std::is_same_v<T, wchar_t>, int> = 0>
  Variant(T v) : FType(IntType<T>()), FInt(static_cast<Int64>(v)) {}
  Variant(double v) : FType(varDouble), FDouble(v) {}
  Variant(float v) : FType(varSingle), FDouble(v) {}
  Variant(const String& v) : FType(varUString), FStr(v) {}
  Variant(const Char* v) : FType(varUString), FStr(v ? v : L"") {}
  Variant(const char*) = delete;  // narrow text must be converted first
  Variant(const Variant& o);
  Variant(Variant&& o) noexcept;
  Variant& operator=(const Variant& o);
  Variant& operator=(Variant&& o) noexcept;
  ~Variant();

  static Variant FromDate(TDateTime v);
  static Variant FromCurrency(Currency v);  // kept to four decimals
  static Variant FromNull();
  // Holds an automation object (IDispatch when `dispatch`, else IUnknown),
  // taking a reference of its own.
  static Variant FromInterface(void* unknown, bool dispatch);

  TVarType VarType() const { return FType; }
  bool IsNull() const { return FType == varNull; }
  bool IsEmpty() const { return FType == varEmpty; }

  // Conversions; EVariantError when the value has no such reading.
  Integer AsInteger() const;
  Int64 AsInt64() const;
  double AsDouble() const;
  Currency AsCurrency() const;
  TDateTime AsDateTime() const;
  bool AsBoolean() const;
  String AsString() const;
  // The held interface, without a reference of its own (nullptr if none).
  void* AsInterface() const;

  explicit operator Integer() const { return AsInteger(); }
  explicit operator Int64() const { return AsInt64(); }
  explicit operator double() const { return AsDouble(); }
  explicit operator bool() const { return AsBoolean(); }
  explicit operator String() const { return AsString(); }

  bool operator==(const Variant& o) const;
  bool operator!=(const Variant& o) const { return !(*this == o); }
  bool operator<(const Variant& o) const;

  // OLE interchange: ToOle fills an initialised VARIANT (clearing what it
  // held); FromOle copies any VARIANT the automation servers return.
  void ToOle(tagVARIANT& v) const;
  static Variant FromOle(const tagVARIANT& v);

 private:
  template <typename T>
  static constexpr TVarType IntType() {
    if constexpr (sizeof(T) == 8) return std::is_signed_v<T> ? varInt64 : varUInt64;
    else if constexpr (sizeof(T) == 4) return std::is_signed_v<T> ? varInteger : varLongWord;
    else if constexpr (sizeof(T) == 2) return std::is_signed_v<T> ? varSmallint : varWord;
    else return std::is_signed_v<T> ? varShortInt : varByte;
  }
  bool IsOrdinal() const;
  bool IsFloat() const;
  [[noreturn]] void CastError(TVarType to) const;
  void Release();

  TVarType FType = varEmpty;
  union {
    Int64 FInt = 0;
    double FDouble;
    void* FIntf;
  };
  String FStr;
};

Variant Null();
Variant Unassigned();
bool VarIsNull(const Variant& v);
bool VarIsEmpty(const Variant& v);
TVarType VarType(const Variant& v);
// The text of the value; Null and Unassigned give "".
String VarToStr(const Variant& v);
String VarTypeAsText(TVarType t);
TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);

}  // namespace jorv
