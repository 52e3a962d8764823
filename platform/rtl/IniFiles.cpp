#include "platform/rtl/IniFiles.h"
#include <vector>
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

namespace {

// What an entry's text reads as; Default for a missing or unreadable entry.
template <class T>
T ParsedOr(const String& Text, T Default, bool (*Parse)(const String&, T&)) {
  T Value;
  return !Text.empty() && Parse(Text, Value) ? Value : Default;
}

}  // namespace

// ----------------------------------------------------------- TCustomIniFile

Integer TCustomIniFile::ReadInteger(const String& Section, const String& Ident, Integer Default) {
  String s = ReadString(Section, Ident, String());
  if (s.size() > 2 && s[0] == L'0' && (s[1] == L'x' || s[1] == L'X')) s = L"$" + s.substr(2);
  return StrToIntDef(s, Default);
}

void TCustomIniFile::WriteInteger(const String& Section, const String& Ident, Integer Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const String& Section, const String& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& Section, const String& Ident, bool Value) {
  WriteString(Section, Ident, Value ? L"1" : L"0");
}

double TCustomIniFile::ReadFloat(const String& Section, const String& Ident, double Default) {
  return ParsedOr(ReadString(Section, Ident, String()), Default, TryStrToFloat);
}

void TCustomIniFile::WriteFloat(const String& Section, const String& Ident, double Value) {
  WriteString(Section, Ident, FloatToStr(Value));
}

TDateTime TCustomIniFile::ReadDate(const String& Section, const String& Ident, TDateTime Default) {
  return ParsedOr(ReadString(Section, Ident, String()), Default, TryStrToDate);
}

void TCustomIniFile::WriteDate(const String& Section, const String& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateToStr(Value));
}

TDateTime TCustomIniFile::ReadDateTime(const String& Section, const String& Ident,
                                       TDateTime Default) {
  return ParsedOr(ReadString(Section, Ident, String()), Default, TryStrToDateTime);
}

void TCustomIniFile::WriteDateTime(const String& Section, const String& Ident, TDateTime Value) {
  WriteString(Section, Ident, DateTimeToStr(Value));
}

TDateTime TCustomIniFile::ReadTime(const String& Section, const String& Ident, TDateTime Default) {
  return ParsedOr(ReadString(Section, Ident, String()), Default, TryStrToTime);
}

void TCustomIniFile::WriteTime(const String& Section, const String& Ident, TDateTime Value) {
  WriteString(Section, Ident, TimeToStr(Value));
}

bool TCustomIniFile::SectionExists(const String& Section) {
  TStringList keys;
  ReadSection(Section, &keys);
  return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const String& Section, const String& Ident) {
  TStringList keys;
  ReadSection(Section, &keys);
  return keys.IndexOf(Ident) >= 0;
}

// ----------------------------------------------------------------- TIniFile

namespace {

const wchar_t* OrNull(const String& s) { return s.c_str(); }

// Calls the profile function with a growing buffer until the answer fits
// (the functions truncate silently otherwise).
template <class Fn>
std::vector<wchar_t> ProfileBuffer(Fn fn, DWORD slack) {
  std::vector<wchar_t> buf(2048);
  for (;;) {
    DWORD n = fn(buf.data(), static_cast<DWORD>(buf.size()));
    if (n + slack < buf.size()) {
      buf.resize(n);
      return buf;
    }
    buf.resize(buf.size() * 4);
  }
}

void AddMultiSz(const std::vector<wchar_t>& buf, TStrings* Strings) {
  size_t i = 0;
  while (i < buf.size() && buf[i]) {
    String s(buf.data() + i);
    i += s.size() + 1;
    Strings->Add(s);
  }
}

}  // namespace

String TIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
  auto buf = ProfileBuffer(
      [&](wchar_t* b, DWORD n) {
        return GetPrivateProfileStringW(OrNull(Section), OrNull(Ident), Default.c_str(), b, n,
                                        FFileName.c_str());
      },
      1);
  return String(buf.begin(), buf.end());
}

void TIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  if (!WritePrivateProfileStringW(Section.c_str(), Ident.c_str(), Value.c_str(),
                                  FFileName.c_str()))
    throw EIniFileException(L"Unable to write to " + FFileName);
}

void TIniFile::ReadSection(const String& Section, TStrings* Strings) {
  auto buf = ProfileBuffer(
      [&](wchar_t* b, DWORD n) {
        return GetPrivateProfileStringW(Section.c_str(), nullptr, nullptr, b, n,
                                        FFileName.c_str());
      },
      2);
  Strings->BeginUpdate();
  Strings->Clear();
  buf.push_back(0);
  AddMultiSz(buf, Strings);
  Strings->EndUpdate();
}

void TIniFile::ReadSections(TStrings* Strings) {
  auto buf = ProfileBuffer(
      [&](wchar_t* b, DWORD n) {
        return GetPrivateProfileSectionNamesW(b, n, FFileName.c_str());
      },
      2);
  Strings->BeginUpdate();
  Strings->Clear();
  buf.push_back(0);
  AddMultiSz(buf, Strings);
  Strings->EndUpdate();
}

void TIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  TStringList keys;
  ReadSection(Section, &keys);
  Strings->BeginUpdate();
  Strings->Clear();
  for (Integer i = 0; i < keys.Count(); ++i)
    Strings->Add(keys.Strings(i) + L"=" + ReadString(Section, keys.Strings(i), String()));
  Strings->EndUpdate();
}

void TIniFile::EraseSection(const String& Section) {
  if (!WritePrivateProfileStringW(Section.c_str(), nullptr, nullptr, FFileName.c_str()))
    throw EIniFileException(L"Unable to write to " + FFileName);
}

void TIniFile::DeleteKey(const String& Section, const String& Ident) {
  WritePrivateProfileStringW(Section.c_str(), Ident.c_str(), nullptr, FFileName.c_str());
}

void TIniFile::UpdateFile() {
  WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFileName.c_str());
}

// -------------------------------------------------------------- TMemIniFile

namespace {

String Unquote(const String& v) {
  if (v.size() >= 2 && (v[0] == L'"' || v[0] == L'\'') && v.back() == v[0])
    return v.substr(1, v.size() - 2);
  return v;
}

}  // namespace

TMemIniFile::TMemIniFile(const String& FileName, TEncoding* Encoding)
    : TCustomIniFile(FileName), FSections(new TStringList(true)), FEncoding(Encoding) {
  LoadValues();
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::LoadValues() {
  if (!FFileName.empty() && FileExists(FFileName)) {
    TStringList list;
    list.LoadFromFile(FFileName, FEncoding);
    if (!FEncoding) FEncoding = list.Encoding();
    SetStrings(&list);
  } else {
    Clear();
  }
  FModified = false;
}

void TMemIniFile::Clear() {
  FSections->Clear();
  FModified = true;
}

TStringList* TMemIniFile::Section(const String& Name, bool Create) {
  Integer i = FSections->IndexOf(Name);
  if (i >= 0) return static_cast<TStringList*>(FSections->Objects(i));
  if (!Create) return nullptr;
  auto* s = new TStringList;
  FSections->AddObject(Name, s);
  return s;
}

void TMemIniFile::SetStrings(const TStrings* List) {
  Clear();
  TStringList* current = nullptr;
  for (Integer i = 0; i < List->Count(); ++i) {
    String s = Trim(List->Strings(i));
    if (s.empty() || s[0] == L';') continue;
    if (s[0] == L'[' && s.back() == L']') {
      // A repeated section is kept (and written back) but, as with the
      // profile functions, only the first one is read.
      current = new TStringList;
      FSections->AddObject(Trim(s.substr(1, s.size() - 2)), current);
    } else if (current) {
      size_t eq = s.find(L'=');
      if (eq != String::npos)
        current->Add(Trim(s.substr(0, eq)) + L"=" + Trim(s.substr(eq + 1)));
      else
        current->Add(s);
    }
  }
}

void TMemIniFile::GetStrings(TStrings* List) {
  List->BeginUpdate();
  List->Clear();
  for (Integer i = 0; i < FSections->Count(); ++i) {
    List->Add(L"[" + FSections->Strings(i) + L"]");
    auto* s = static_cast<TStringList*>(FSections->Objects(i));
    for (Integer j = 0; j < s->Count(); ++j) List->Add(s->Strings(j));
    List->Add(String());
  }
  List->EndUpdate();
}

String TMemIniFile::ReadString(const String& Section, const String& Ident,
                               const String& Default) {
  if (TStringList* s = this->Section(Section, false)) {
    Integer i = s->IndexOfName(Ident);
    if (i >= 0) return Unquote(s->ValueFromIndex(i));
  }
  return Default;
}

void TMemIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  TStringList* s = this->Section(Section, true);
  String line = Ident + L"=" + Value;
  Integer i = s->IndexOfName(Ident);
  if (i >= 0)
    s->SetStrings(i, line);
  else
    s->Add(line);
  FModified = true;
}

void TMemIniFile::ReadSection(const String& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  if (TStringList* s = this->Section(Section, false))
    for (Integer i = 0; i < s->Count(); ++i) {
      String line = s->Strings(i);
      size_t eq = line.find(L'=');
      Strings->Add(eq == String::npos ? line : line.substr(0, eq));
    }
  Strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  for (Integer i = 0; i < FSections->Count(); ++i) Strings->Add(FSections->Strings(i));
  Strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  Strings->BeginUpdate();
  Strings->Clear();
  if (TStringList* s = this->Section(Section, false)) Strings->AddStrings(s);
  Strings->EndUpdate();
}

void TMemIniFile::EraseSection(const String& Section) {
  Integer i = FSections->IndexOf(Section);
  if (i >= 0) {
    FSections->Delete(i);
    FModified = true;
  }
}

void TMemIniFile::DeleteKey(const String& Section, const String& Ident) {
  if (TStringList* s = this->Section(Section, false)) {
    Integer i = s->IndexOfName(Ident);
    if (i >= 0) {
      s->Delete(i);
      FModified = true;
    }
  }
}

void TMemIniFile::UpdateFile() {
  TStringList list;
  GetStrings(&list);
  list.SaveToFile(FFileName, FEncoding);
  FModified = false;
}

void TMemIniFile::Rename(const String& FileName, bool Reload) {
  FFileName = FileName;
  if (Reload) LoadValues();
}

// --------------------------------------------------------- TRegistryIniFile

TRegistryIniFile::TRegistryIniFile(const String& FileName, REGSAM AAccess)
    : TCustomIniFile(FileName), FRegistry(new TRegistry(AAccess)) {}

TRegistryIniFile::~TRegistryIniFile() = default;

bool TRegistryIniFile::OpenSection(const String& Section, bool Create) {
  String path = L"\\" + FFileName;
  if (!Section.empty()) path += L"\\" + Section;
  return Create ? FRegistry->OpenKey(path, true) : FRegistry->OpenKeyReadOnly(path);
}

String TRegistryIniFile::ReadString(const String& Section, const String& Ident,
                                    const String& Default) {
  if (!OpenSection(Section, false) || !FRegistry->ValueExists(Ident)) return Default;
  switch (FRegistry->GetDataType(Ident)) {
    case rdString:
    case rdExpandString: return FRegistry->ReadString(Ident);
    case rdInteger: return IntToStr(FRegistry->ReadInteger(Ident));
    default: return Default;
  }
}

void TRegistryIniFile::WriteString(const String& Section, const String& Ident,
                                   const String& Value) {
  if (!OpenSection(Section, true))
    throw ERegistryException(L"Failed to set data for '" + Ident + L"'");
  FRegistry->WriteString(Ident, Value);
}

Integer TRegistryIniFile::ReadInteger(const String& Section, const String& Ident,
                                      Integer Default) {
  if (!OpenSection(Section, false) || !FRegistry->ValueExists(Ident)) return Default;
  if (FRegistry->GetDataType(Ident) == rdInteger) return FRegistry->ReadInteger(Ident);
  return TCustomIniFile::ReadInteger(Section, Ident, Default);
}

void TRegistryIniFile::WriteInteger(const String& Section, const String& Ident, Integer Value) {
  if (!OpenSection(Section, true))
    throw ERegistryException(L"Failed to set data for '" + Ident + L"'");
  if (FRegistry->ValueExists(Ident) && FRegistry->GetDataType(Ident) == rdString)
    FRegistry->WriteString(Ident, IntToStr(Value));
  else
    FRegistry->WriteInteger(Ident, Value);
}

void TRegistryIniFile::ReadSection(const String& Section, TStrings* Strings) {
  if (OpenSection(Section, false))
    FRegistry->GetValueNames(Strings);
  else
    Strings->Clear();
}

void TRegistryIniFile::ReadSections(TStrings* Strings) {
  if (OpenSection(String(), false))
    FRegistry->GetKeyNames(Strings);
  else
    Strings->Clear();
}

void TRegistryIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  TStringList names;
  ReadSection(Section, &names);
  Strings->BeginUpdate();
  Strings->Clear();
  for (Integer i = 0; i < names.Count(); ++i)
    Strings->Add(names.Strings(i) + L"=" + ReadString(Section, names.Strings(i), String()));
  Strings->EndUpdate();
}

void TRegistryIniFile::EraseSection(const String& Section) {
  if (Section.empty()) return;
  FRegistry->CloseKey();
  FRegistry->DeleteKey(L"\\" + FFileName + L"\\" + Section);
}

void TRegistryIniFile::DeleteKey(const String& Section, const String& Ident) {
  if (OpenSection(Section, true)) FRegistry->DeleteValue(Ident);
}

}  // namespace jorv
