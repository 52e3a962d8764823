#include "platform/rtl/Variant.h"
#include <cmath>
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"
#include <oleauto.h>

namespace jorv {

namespace {

IUnknown* Unk(void* p) { return static_cast<IUnknown*>(p); }

bool IsIntfType(TVarType t) { return t == varDispatch || t == varUnknown; }

}  // namespace

Variant::Variant(const Variant& o) : FType(o.FType), FInt(o.FInt), FStr(o.FStr) {
  if (IsIntfType(FType) && FIntf) Unk(FIntf)->AddRef();
}

Variant::Variant(Variant&& o) noexcept : FType(o.FType), FInt(o.FInt), FStr(std::move(o.FStr)) {
  o.FType = varEmpty;
  o.FInt = 0;
}

Variant& Variant::operator=(const Variant& o) {
  if (this != &o) {
    Variant copy(o);
    *this = std::move(copy);
  }
  return *this;
}

Variant& Variant::operator=(Variant&& o) noexcept {
  if (this != &o) {
    Release();
    FType = o.FType;
    FInt = o.FInt;
    FStr = std::move(o.FStr);
    o.FType = varEmpty;
    o.FInt = 0;
  }
  return *this;
}

Variant::~Variant() { Release(); }

void Variant::Release() {
  if (IsIntfType(FType) && FIntf) Unk(FIntf)->Release();
  FType = varEmpty;
  FInt = 0;
}

Variant Variant::FromDate(TDateTime v) {
  Variant r(v);
  r.FType = varDate;
  return r;
}

Variant Variant::FromCurrency(Currency v) {
  Variant r(std::nearbyint(v * 10000) / 10000);
  r.FType = varCurrency;
  return r;
}

Variant Variant::FromNull() {
  Variant r;
  r.FType = varNull;
  return r;
}

Variant Variant::FromInterface(void* unknown, bool dispatch) {
  Variant r;
  r.FType = dispatch ? varDispatch : varUnknown;
  r.FIntf = unknown;
  if (unknown) Unk(unknown)->AddRef();
  return r;
}

bool Variant::IsOrdinal() const {
  switch (FType) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord:
    case varLongWord: case varInt64: case varUInt64: case varBoolean:
      return true;
    default:
      return false;
  }
}

bool Variant::IsFloat() const {
  return FType == varSingle || FType == varDouble || FType == varCurrency || FType == varDate;
}

void Variant::CastError(TVarType to) const {
  throw EVariantError(L"Could not convert variant of type (" + VarTypeAsText(FType) +
                      L") into type (" + VarTypeAsText(to) + L")");
}

Int64 Variant::AsInt64() const {
  if (FType == varEmpty) return 0;
  if (FType == varBoolean) return FInt ? -1 : 0;  // the automation True
  if (IsOrdinal()) return FInt;
  if (IsFloat()) {
    if (!(std::fabs(FDouble) < 9.2e18)) CastError(varInt64);
    return Round(FDouble);
  }
  if (FType == varUString) {
    Int64 v;
    if (TryStrToInt64(FStr, v)) return v;
    double d;
    if (TryStrToFloat(FStr, d) && std::fabs(d) < 9.2e18) return Round(d);
  }
  CastError(varInt64);
}

Integer Variant::AsInteger() const {
  try {
    Int64 v = AsInt64();
    if (v < INT32_MIN || v > INT32_MAX) throw EVariantError(L"");
    return Integer(v);
  } catch (const EVariantError&) {
    CastError(varInteger);
  }
}

double Variant::AsDouble() const {
  if (FType == varEmpty) return 0;
  if (FType == varBoolean) return FInt ? -1 : 0;
  if (FType == varUInt64) return double(UInt64(FInt));
  if (IsOrdinal()) return double(FInt);
  if (IsFloat()) return FDouble;
  if (FType == varUString) {
    double d;
    if (TryStrToFloat(FStr, d)) return d;
  }
  CastError(varDouble);
}

Currency Variant::AsCurrency() const {
  try {
    return std::nearbyint(AsDouble() * 10000) / 10000;
  } catch (const EVariantError&) {
    CastError(varCurrency);
  }
}

TDateTime Variant::AsDateTime() const {
  if (FType == varUString) {
    TDateTime dt;
    if (TryStrToDateTime(FStr, dt)) return dt;
    CastError(varDate);
  }
  try {
    return AsDouble();
  } catch (const EVariantError&) {
    CastError(varDate);
  }
}

bool Variant::AsBoolean() const {
  if (FType == varEmpty) return false;
  if (IsOrdinal()) return FInt != 0;
  if (IsFloat()) return FDouble != 0;
  if (FType == varUString) {
    if (SameText(Trim(FStr), L"True")) return true;
    if (SameText(Trim(FStr), L"False")) return false;
    double d;
    if (TryStrToFloat(FStr, d)) return d != 0;
  }
  CastError(varBoolean);
}

String Variant::AsString() const {
  switch (FType) {
    case varEmpty: return String();
    case varBoolean: return FInt ? L"True" : L"False";
    case varUInt64: return std::to_wstring(UInt64(FInt));
    case varUString: return FStr;
    case varDate: return DateTimeToStr(FDouble);
    case varCurrency: return CurrToStr(FDouble);
    case varSingle: return FloatToStrF(FDouble, ffGeneral, 7, 0);
    case varDouble: return FloatToStr(FDouble);
    default:
      if (IsOrdinal()) return IntToStr(FInt);
      CastError(varUString);
  }
}

void* Variant::AsInterface() const { return IsIntfType(FType) ? FIntf : nullptr; }

String VarTypeAsText(TVarType t) {
  switch (t) {
    case varEmpty: return L"Empty";
    case varNull: return L"Null";
    case varSmallint: return L"Smallint";
    case varInteger: return L"Integer";
    case varSingle: return L"Single";
    case varDouble: return L"Double";
    case varCurrency: return L"Currency";
    case varDate: return L"Date";
    case varOleStr: return L"OleStr";
    case varDispatch: return L"Dispatch";
    case varError: return L"Error";
    case varBoolean: return L"Boolean";
    case varVariant: return L"Variant";
    case varUnknown: return L"Unknown";
    case varShortInt: return L"ShortInt";
    case varByte: return L"Byte";
    case varWord: return L"Word";
    case varLongWord: return L"LongWord";
    case varInt64: return L"Int64";
    case varUInt64: return L"UInt64";
    case varString: return L"String";
    case varUString: return L"UnicodeString";
    default: return L"$" + IntToHex(t, 4);
  }
}

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b) {
  bool an = a.IsNull() || a.IsEmpty(), bn = b.IsNull() || b.IsEmpty();
  if (an || bn) {
    if (an && bn) return a.VarType() == b.VarType() ? vrEqual : vrNotEqual;
    return vrNotEqual;
  }
  auto cmp = [](auto x, auto y) {
    return x < y ? vrLessThan : (y < x ? vrGreaterThan : vrEqual);
  };
  TVarType at = a.VarType(), bt = b.VarType();
  if (at == varUString && bt == varUString) {
    int c = CompareStr(a.AsString(), b.AsString());
    return c < 0 ? vrLessThan : (c > 0 ? vrGreaterThan : vrEqual);
  }
  if (at == varDispatch || at == varUnknown || bt == varDispatch || bt == varUnknown)
    return a.AsInterface() == b.AsInterface() ? vrEqual : vrNotEqual;
  // A number meets a text as a number when the text reads as one.
  try {
    if (at == varInt64 && bt == varInt64) return cmp(a.AsInt64(), b.AsInt64());
    return cmp(a.AsDouble(), b.AsDouble());
  } catch (const EVariantError&) {
    int c = CompareStr(a.AsString(), b.AsString());
    return c < 0 ? vrLessThan : (c > 0 ? vrGreaterThan : vrEqual);
  }
}

bool Variant::operator==(const Variant& o) const { return VarCompareValue(*this, o) == vrEqual; }

bool Variant::operator<(const Variant& o) const {
  // Null and Unassigned sort before every value.
  bool an = IsNull() || IsEmpty(), bn = o.IsNull() || o.IsEmpty();
  if (an || bn) return an && !bn;
  return VarCompareValue(*this, o) == vrLessThan;
}

void Variant::ToOle(VARIANT& v) const {
  VariantClear(&v);
  switch (FType) {
    case varEmpty: V_VT(&v) = VT_EMPTY; break;
    case varNull: V_VT(&v) = VT_NULL; break;
    case varBoolean: V_VT(&v) = VT_BOOL; V_BOOL(&v) = FInt ? VARIANT_TRUE : VARIANT_FALSE; break;
    case varSmallint: V_VT(&v) = VT_I2; V_I2(&v) = SHORT(FInt); break;
    case varShortInt: V_VT(&v) = VT_I1; V_I1(&v) = CHAR(FInt); break;
    case varByte: V_VT(&v) = VT_UI1; V_UI1(&v) = BYTE(FInt); break;
    case varWord: V_VT(&v) = VT_UI2; V_UI2(&v) = USHORT(FInt); break;
    case varInteger: V_VT(&v) = VT_I4; V_I4(&v) = LONG(FInt); break;
    case varLongWord: V_VT(&v) = VT_UI4; V_UI4(&v) = ULONG(FInt); break;
    case varInt64: V_VT(&v) = VT_I8; V_I8(&v) = FInt; break;
    case varUInt64: V_VT(&v) = VT_UI8; V_UI8(&v) = ULONGLONG(FInt); break;
    case varSingle: V_VT(&v) = VT_R4; V_R4(&v) = float(FDouble); break;
    case varDouble: V_VT(&v) = VT_R8; V_R8(&v) = FDouble; break;
    case varDate: V_VT(&v) = VT_DATE; V_DATE(&v) = FDouble; break;
    case varCurrency:
      V_VT(&v) = VT_CY;
      V_CY(&v).int64 = LONGLONG(std::nearbyint(FDouble * 10000));
      break;
    case varUString:
      V_VT(&v) = VT_BSTR;
      V_BSTR(&v) = SysAllocStringLen(FStr.data(), UINT(FStr.size()));
      break;
    case varDispatch:
    case varUnknown:
      V_VT(&v) = FType == varDispatch ? VT_DISPATCH : VT_UNKNOWN;
      V_UNKNOWN(&v) = Unk(FIntf);
      if (FIntf) Unk(FIntf)->AddRef();
      break;
    default:
      CastError(varVariant);
  }
}

Variant Variant::FromOle(const VARIANT& src) {
  VARIANT v;
  VariantInit(&v);
  // A reference is read through; the copy owns what it holds.
  if (FAILED(VariantCopyInd(&v, const_cast<VARIANT*>(&src))))
    throw EVariantError(L"Could not convert variant of type (Variant) into type (Variant)");
  Variant r;
  switch (V_VT(&v)) {
    case VT_EMPTY: break;
    case VT_NULL: r = FromNull(); break;
    case VT_BOOL: r = Variant(V_BOOL(&v) != VARIANT_FALSE); break;
    case VT_I1: r = Variant(static_cast<signed char>(V_I1(&v))); break;
    case VT_UI1: r = Variant(V_UI1(&v)); break;
    case VT_I2: r = Variant(V_I2(&v)); break;
    case VT_UI2: r = Variant(V_UI2(&v)); break;
    case VT_I4: r = Variant(int32_t(V_I4(&v))); break;
    case VT_INT: r = Variant(int32_t(V_INT(&v))); break;
    case VT_UI4: r = Variant(uint32_t(V_UI4(&v))); break;
    case VT_UINT: r = Variant(uint32_t(V_UINT(&v))); break;
    case VT_I8: r = Variant(Int64(V_I8(&v))); break;
    case VT_UI8: r = Variant(UInt64(V_UI8(&v))); break;
    case VT_R4: r = Variant(V_R4(&v)); break;
    case VT_R8: r = Variant(V_R8(&v)); break;
    case VT_DATE: r = FromDate(V_DATE(&v)); break;
    case VT_CY: r = FromCurrency(double(V_CY(&v).int64) / 10000); break;
    case VT_BSTR:
      r = Variant(V_BSTR(&v) ? String(V_BSTR(&v), SysStringLen(V_BSTR(&v))) : String());
      break;
    case VT_DISPATCH: r = FromInterface(V_DISPATCH(&v), true); break;
    case VT_UNKNOWN: r = FromInterface(V_UNKNOWN(&v), false); break;
    default: {
      // Decimals and other numeric kinds arrive as doubles.
      VARIANT d;
      VariantInit(&d);
      HRESULT hr = VariantChangeType(&d, &v, 0, VT_R8);
      VARTYPE vt = V_VT(&v);
      VariantClear(&v);
      if (FAILED(hr))
        throw EVariantError(L"Could not convert variant of type ($" + IntToHex(vt, 4) +
                            L") into type (Double)");
      return Variant(V_R8(&d));
    }
  }
  VariantClear(&v);
  return r;
}

Variant Null() { return Variant::FromNull(); }
Variant Unassigned() { return Variant(); }
bool VarIsNull(const Variant& v) { return v.IsNull(); }
bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
TVarType VarType(const Variant& v) { return v.VarType(); }
String VarToStr(const Variant& v) { return v.IsNull() ? String() : v.AsString(); }

}  // namespace jorv
