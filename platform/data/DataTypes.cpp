#include "platform/data/DataTypes.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/Variant.h"

namespace jorv {

void DatabaseError(const String& Message, const TComponent* Component) {
  if (Component && !Component->Name().empty())
    throw EDatabaseError(Component->Name() + L": " + Message);
  throw EDatabaseError(Message);
}

TFieldValue VariantToFieldValue(const Variant& Value) {
  switch (Value.VarType()) {
    case varEmpty: case varNull: return {};
    case varBoolean: return Value.AsBoolean();
    case varSingle: case varDouble: case varCurrency: case varDate: return Value.AsDouble();
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord:
    case varLongWord: case varInt64:
      return Value.AsInt64();
    case varUInt64: return static_cast<double>(static_cast<UInt64>(Value.AsInt64()));
    default: return Value.AsString();
  }
}

Variant FieldValueToVariant(const TFieldValue& Value) {
  if (auto* i = std::get_if<Int64>(&Value)) {
    if (*i >= INT32_MIN && *i <= INT32_MAX) return Variant(static_cast<Integer>(*i));
    return Variant(*i);
  }
  if (auto* d = std::get_if<double>(&Value)) return Variant(*d);
  if (auto* s = std::get_if<String>(&Value)) return Variant(*s);
  if (auto* b = std::get_if<bool>(&Value)) return Variant(*b);
  if (auto* y = std::get_if<TBytes>(&Value)) return Variant(String(y->begin(), y->end()));
  return Null();
}

String DBFormat(const String& Fmt, std::initializer_list<String> Args) {
  String r;
  auto it = Args.begin();
  for (size_t i = 0; i < Fmt.size(); ++i) {
    if (Fmt[i] == L'%' && i + 1 < Fmt.size() && (Fmt[i + 1] == L's' || Fmt[i + 1] == L'd')) {
      if (it != Args.end()) r += *it++;
      ++i;
    } else {
      r += Fmt[i];
    }
  }
  return r;
}

}  // namespace jorv
