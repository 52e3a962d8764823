#pragma once
// The registry through advapi32: one open key at a time, reached from the
// root key by absolute paths ("\Software\...") or from the open key by
// relative ones.
#include "platform/rtl/Object.h"

namespace jorv {

class TStrings;

enum TRegDataType : uint8_t { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry : public TObject {
 public:
  explicit TRegistry(REGSAM AAccess = KEY_ALL_ACCESS) : FAccess(AAccess) {}
  ~TRegistry() override;

  HKEY RootKey() const { return FRootKey; }
  // Closes the open key.
  void SetRootKey(HKEY Value);
  HKEY CurrentKey() const { return FCurrentKey; }
  const String& CurrentPath() const { return FCurrentPath; }
  REGSAM Access() const { return FAccess; }
  void SetAccess(REGSAM Value) { FAccess = Value; }

  bool OpenKey(const String& Key, bool CanCreate);
  bool OpenKeyReadOnly(const String& Key);
  // Raises ERegistryException "Failed to create key <key>" on failure.
  bool CreateKey(const String& Key);
  // Deletes the key with all its subkeys.
  bool DeleteKey(const String& Key);
  bool DeleteValue(const String& Name);
  void CloseKey();
  bool KeyExists(const String& Key);
  bool ValueExists(const String& Name);
  bool HasSubKeys();
  void GetKeyNames(TStrings* Strings);
  void GetValueNames(TStrings* Strings);
  TRegDataType GetDataType(const String& ValueName);
  // Size of the value in bytes, -1 when there is none.
  Integer GetDataSize(const String& ValueName);

  // Reads raise ERegistryException "Invalid data type for '<name>'" for a
  // value of another type; ReadInteger, ReadFloat and ReadDateTime raise
  // "Failed to get data for '<name>'" for a missing value, ReadString gives
  // an empty string. Writes raise "Failed to set data for '<name>'".
  String ReadString(const String& Name);
  void WriteString(const String& Name, const String& Value);
  void WriteExpandString(const String& Name, const String& Value);
  Integer ReadInteger(const String& Name);
  void WriteInteger(const String& Name, Integer Value);
  bool ReadBool(const String& Name) { return ReadInteger(Name) != 0; }
  void WriteBool(const String& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }
  // Floats and dates are stored as the 8 bytes of a double.
  double ReadFloat(const String& Name);
  void WriteFloat(const String& Name, double Value);
  TDateTime ReadDateTime(const String& Name) { return ReadFloat(Name); }
  void WriteDateTime(const String& Name, TDateTime Value) { WriteFloat(Name, Value); }
  TDateTime ReadDate(const String& Name) { return ReadFloat(Name); }
  void WriteDate(const String& Name, TDateTime Value) { WriteFloat(Name, Value); }
  TDateTime ReadTime(const String& Name) { return ReadFloat(Name); }
  void WriteTime(const String& Name, TDateTime Value) { WriteFloat(Name, Value); }
  // Bytes read (0 without such a value); "Invalid data type" when the value
  // is not binary or does not fit.
  Integer ReadBinaryData(const String& Name, void* Buffer, Integer BufSize);
  void WriteBinaryData(const String& Name, const void* Buffer, Integer BufSize);

 private:
  HKEY BaseKey(bool Relative) const;
  Integer GetData(const String& Name, void* Buffer, Integer BufSize, TRegDataType& Type);
  void PutData(const String& Name, const void* Buffer, Integer BufSize, DWORD Type);

  HKEY FRootKey = HKEY_CURRENT_USER;
  HKEY FCurrentKey = nullptr;
  String FCurrentPath;
  REGSAM FAccess = KEY_ALL_ACCESS;
};

}  // namespace jorv
