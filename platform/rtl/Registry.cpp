#include "platform/rtl/Registry.h"
#include <vector>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"

namespace jorv {

namespace {

TRegDataType DataTypeOf(DWORD type) {
  switch (type) {
    case REG_SZ: return rdString;
    case REG_EXPAND_SZ: return rdExpandString;
    case REG_DWORD: return rdInteger;
    case REG_BINARY: return rdBinary;
    default: return rdUnknown;
  }
}

// Splits off the leading backslash of an absolute path.
bool IsRelative(String& key) {
  if (!key.empty() && key[0] == L'\\') {
    key.erase(0, 1);
    return false;
  }
  return true;
}

[[noreturn]] void ReadError(const String& name) {
  throw ERegistryException(L"Invalid data type for '" + name + L"'");
}

bool DeleteTree(HKEY parent, const String& key) {
  HKEY h;
  if (RegOpenKeyExW(parent, key.c_str(), 0, KEY_READ | KEY_WRITE, &h) == ERROR_SUCCESS) {
    std::vector<String> names;
    wchar_t buf[256];
    for (DWORD i = 0;; ++i) {
      DWORD len = 256;
      if (RegEnumKeyExW(h, i, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      names.emplace_back(buf, len);
    }
    for (auto& n : names) DeleteTree(h, n);
    RegCloseKey(h);
  }
  return RegDeleteKeyW(parent, key.c_str()) == ERROR_SUCCESS;
}

}  // namespace

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY Value) {
  if (FRootKey == Value) return;
  CloseKey();
  FRootKey = Value;
}

HKEY TRegistry::BaseKey(bool Relative) const {
  return FCurrentKey && Relative ? FCurrentKey : FRootKey;
}

void TRegistry::CloseKey() {
  if (FCurrentKey) RegCloseKey(FCurrentKey);
  FCurrentKey = nullptr;
  FCurrentPath.clear();
}

bool TRegistry::OpenKey(const String& Key, bool CanCreate) {
  String s = Key;
  bool relative = IsRelative(s);
  HKEY temp = nullptr;
  LONG rc;
  if (!CanCreate || s.empty())
    rc = RegOpenKeyExW(BaseKey(relative), s.c_str(), 0, FAccess, &temp);
  else
    rc = RegCreateKeyExW(BaseKey(relative), s.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                         FAccess, nullptr, &temp, nullptr);
  if (rc != ERROR_SUCCESS) return false;
  if (FCurrentKey && relative) s = FCurrentPath + L"\\" + s;
  CloseKey();
  FCurrentKey = temp;
  FCurrentPath = s;
  return true;
}

bool TRegistry::OpenKeyReadOnly(const String& Key) {
  REGSAM old = FAccess;
  FAccess = KEY_READ;
  bool ok = OpenKey(Key, false);
  FAccess = old;
  return ok;
}

bool TRegistry::CreateKey(const String& Key) {
  String s = Key;
  bool relative = IsRelative(s);
  HKEY temp = nullptr;
  if (RegCreateKeyExW(BaseKey(relative), s.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      FAccess, nullptr, &temp, nullptr) != ERROR_SUCCESS)
    throw ERegistryException(L"Failed to create key " + Key);
  RegCloseKey(temp);
  return true;
}

bool TRegistry::DeleteKey(const String& Key) {
  String s = Key;
  bool relative = IsRelative(s);
  if (s.empty()) return false;  // never the base key itself
  return DeleteTree(BaseKey(relative), s);
}

bool TRegistry::DeleteValue(const String& Name) {
  return FCurrentKey && RegDeleteValueW(FCurrentKey, Name.c_str()) == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(const String& Key) {
  String s = Key;
  bool relative = IsRelative(s);
  HKEY temp;
  if (RegOpenKeyExW(BaseKey(relative), s.c_str(), 0, KEY_READ, &temp) != ERROR_SUCCESS)
    return false;
  RegCloseKey(temp);
  return true;
}

bool TRegistry::ValueExists(const String& Name) {
  return FCurrentKey &&
         RegQueryValueExW(FCurrentKey, Name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
             ERROR_SUCCESS;
}

bool TRegistry::HasSubKeys() {
  DWORD n = 0;
  return FCurrentKey &&
         RegQueryInfoKeyW(FCurrentKey, nullptr, nullptr, nullptr, &n, nullptr, nullptr, nullptr,
                          nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
         n > 0;
}

void TRegistry::GetKeyNames(TStrings* Strings) {
  Strings->BeginUpdate();
  auto Restore = ScopeExit([&] { Strings->EndUpdate(); });
  Strings->Clear();
  DWORD count = 0, maxLen = 0;
  if (FCurrentKey &&
      RegQueryInfoKeyW(FCurrentKey, nullptr, nullptr, nullptr, &count, &maxLen, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
    std::vector<wchar_t> buf(maxLen + 1);
    for (DWORD i = 0; i < count; ++i) {
      DWORD len = maxLen + 1;
      if (RegEnumKeyExW(FCurrentKey, i, buf.data(), &len, nullptr, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS)
        Strings->Add(String(buf.data(), len));
    }
  }
}

void TRegistry::GetValueNames(TStrings* Strings) {
  Strings->BeginUpdate();
  auto Restore = ScopeExit([&] { Strings->EndUpdate(); });
  Strings->Clear();
  DWORD count = 0, maxLen = 0;
  if (FCurrentKey &&
      RegQueryInfoKeyW(FCurrentKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       &count, &maxLen, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
    std::vector<wchar_t> buf(maxLen + 1);
    for (DWORD i = 0; i < count; ++i) {
      DWORD len = maxLen + 1;
      if (RegEnumValueW(FCurrentKey, i, buf.data(), &len, nullptr, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS)
        Strings->Add(String(buf.data(), len));
    }
  }
}

TRegDataType TRegistry::GetDataType(const String& ValueName) {
  DWORD type = 0;
  if (!FCurrentKey ||
      RegQueryValueExW(FCurrentKey, ValueName.c_str(), nullptr, &type, nullptr, nullptr) !=
          ERROR_SUCCESS)
    return rdUnknown;
  return DataTypeOf(type);
}

Integer TRegistry::GetDataSize(const String& ValueName) {
  DWORD size = 0;
  if (!FCurrentKey ||
      RegQueryValueExW(FCurrentKey, ValueName.c_str(), nullptr, nullptr, nullptr, &size) !=
          ERROR_SUCCESS)
    return -1;
  return static_cast<Integer>(size);
}

Integer TRegistry::GetData(const String& Name, void* Buffer, Integer BufSize, TRegDataType& Type) {
  DWORD type = 0, size = static_cast<DWORD>(BufSize);
  if (!FCurrentKey || RegQueryValueExW(FCurrentKey, Name.c_str(), nullptr, &type,
                                       static_cast<BYTE*>(Buffer), &size) != ERROR_SUCCESS)
    throw ERegistryException(L"Failed to get data for '" + Name + L"'");
  Type = DataTypeOf(type);
  return static_cast<Integer>(size);
}

void TRegistry::PutData(const String& Name, const void* Buffer, Integer BufSize, DWORD Type) {
  if (!FCurrentKey || RegSetValueExW(FCurrentKey, Name.c_str(), 0, Type,
                                     static_cast<const BYTE*>(Buffer), BufSize) != ERROR_SUCCESS)
    throw ERegistryException(L"Failed to set data for '" + Name + L"'");
}

String TRegistry::ReadString(const String& Name) {
  Integer len = GetDataSize(Name);
  if (len <= 0) {
    if (len == 0 && GetDataType(Name) != rdString && GetDataType(Name) != rdExpandString)
      ReadError(Name);
    return String();
  }
  std::vector<wchar_t> buf(len / sizeof(wchar_t) + 1, L'\0');
  TRegDataType type;
  len = GetData(Name, buf.data(), len, type);
  if (type != rdString && type != rdExpandString) ReadError(Name);
  String s(buf.data(), len / sizeof(wchar_t));
  size_t nul = s.find(L'\0');
  if (nul != String::npos) s.resize(nul);
  return s;
}

void TRegistry::WriteString(const String& Name, const String& Value) {
  PutData(Name, Value.c_str(), static_cast<Integer>((Value.size() + 1) * sizeof(wchar_t)), REG_SZ);
}

void TRegistry::WriteExpandString(const String& Name, const String& Value) {
  PutData(Name, Value.c_str(), static_cast<Integer>((Value.size() + 1) * sizeof(wchar_t)),
          REG_EXPAND_SZ);
}

Integer TRegistry::ReadInteger(const String& Name) {
  if (GetDataType(Name) != rdInteger && ValueExists(Name)) ReadError(Name);
  Integer v = 0;
  TRegDataType type;
  GetData(Name, &v, sizeof(v), type);
  if (type != rdInteger) ReadError(Name);
  return v;
}

void TRegistry::WriteInteger(const String& Name, Integer Value) {
  PutData(Name, &Value, sizeof(Value), REG_DWORD);
}

double TRegistry::ReadFloat(const String& Name) {
  if (ValueExists(Name) && (GetDataType(Name) != rdBinary || GetDataSize(Name) != sizeof(double)))
    ReadError(Name);
  double v = 0;
  TRegDataType type;
  Integer len = GetData(Name, &v, sizeof(v), type);
  if (type != rdBinary || len != sizeof(double)) ReadError(Name);
  return v;
}

void TRegistry::WriteFloat(const String& Name, double Value) {
  PutData(Name, &Value, sizeof(Value), REG_BINARY);
}

Integer TRegistry::ReadBinaryData(const String& Name, void* Buffer, Integer BufSize) {
  Integer size = GetDataSize(Name);
  if (size < 0) return 0;
  TRegDataType type = GetDataType(Name);
  if ((type != rdBinary && type != rdUnknown) || size > BufSize) ReadError(Name);
  GetData(Name, Buffer, size, type);
  return size;
}

void TRegistry::WriteBinaryData(const String& Name, const void* Buffer, Integer BufSize) {
  PutData(Name, Buffer, BufSize, REG_BINARY);
}

}  // namespace jorv
