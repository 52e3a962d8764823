// Targets that read stored settings and streams: INI files, the enhanced
// edit's lookup list from an INI file or the registry, and component
// streams in the binary form format.
#include <memory>
#include "calendar/AgendaCalendar.h"
#include "edit/ExEditLookup.h"
#include "fuzz/Fuzz.h"
#include "panel/ExPanel.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::fuzz {

namespace {

void RunIni(const TInput& Input) {
  TScratchFile File(Input);
  TMemIniFile Ini(File.Path());
  TStringList Sections, Values;
  Ini.ReadSections(&Sections);
  for (Integer K = 0; K < Sections.Count() && K < 8; ++K) {
    const String Section = Sections.Strings(K);
    Ini.ReadSectionValues(Section, &Values);
    for (Integer J = 0; J < Values.Count() && J < 8; ++J) {
      const String Name = Values.Names(J);
      Ini.ReadString(Section, Name, L"");
      Ini.ReadInteger(Section, Name, 0);
      Ini.ReadBool(Section, Name, false);
      Ini.ReadFloat(Section, Name, 0);
      Ini.ReadDateTime(Section, Name, 0);
    }
  }
  Ini.WriteString(L"Fuzz", L"Key", L"Value");
  Ini.UpdateFile();
  TMemIniFile Again(File.Path());
  Again.ReadSections(&Sections);
}

void ReadLookups(TCustomIniFile& Ini, const TStrings& Sections) {
  for (Integer K = 0; K < Sections.Count() && K < 4; ++K) {
    edit::TLookupSettings Lookup;
    Lookup.SetEnabled(true);
    Lookup.SetHistory(true);
    edit::ReadPersisted(Ini, Sections.Strings(K), L"ExEdit1", Lookup);
  }
}

void RunLookupIni(const TInput& Input) {
  TScratchFile File(Input);
  TMemIniFile Ini(File.Path());
  TStringList Sections;
  Ini.ReadSections(&Sections);
  ReadLookups(Ini, Sections);
}

// The input read as an INI file and stored in the registry: numbers as
// DWORD values, "hex:" values as binary, the rest as strings.
void FillRegistry(HKEY Root, const TInput& Input, TStringList& Sections) {
  TScratchFile File(Input);
  TMemIniFile Ini(File.Path());
  Ini.ReadSections(&Sections);
  TStringList Values;
  for (Integer K = 0; K < Sections.Count() && K < 4; ++K) {
    HKEY Key;
    if (RegCreateKeyExW(Root, Sections.Strings(K).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Key, nullptr))
      continue;
    Ini.ReadSectionValues(Sections.Strings(K), &Values);
    for (Integer J = 0; J < Values.Count() && J < 64; ++J) {
      const String Name = Values.Names(J), Value = Values.ValueFromIndex(J);
      Integer Number;
      if (TryStrToInt(Value, Number)) {
        RegSetValueExW(Key, Name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&Number), sizeof Number);
      } else if (Value.rfind(L"hex:", 0) == 0) {
        const UTF8String Bytes = UTF8Encode(Value.substr(4));
        RegSetValueExW(Key, Name.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(Bytes.data()),
                       static_cast<DWORD>(Bytes.size()));
      } else {
        RegSetValueExW(Key, Name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(Value.c_str()),
                       static_cast<DWORD>((Value.size() + 1) * sizeof(Char)));
      }
    }
    RegCloseKey(Key);
  }
}

void RunLookupRegistry(const TInput& Input) {
  const String KeyName = L"Software\\jorvfuzz-" + IntToStr(static_cast<Integer>(GetCurrentProcessId()));
  HKEY Root;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Root, nullptr))
    return;
  struct TRemove {
    HKEY Root;
    const String& Name;
    ~TRemove() {
      RegCloseKey(Root);
      RegDeleteTreeW(HKEY_CURRENT_USER, Name.c_str());
    }
  } Remove{Root, KeyName};
  TStringList Sections;
  FillRegistry(Root, Input, Sections);
  TRegistryIniFile Ini(KeyName);
  ReadLookups(Ini, Sections);
}

// ---- Component streams ----

bool StreamError(const Exception& Error) { return dynamic_cast<const EStreamError*>(&Error) != nullptr; }

TInput StreamOf(TComponent* Component) {
  TBytesStream Stream;
  Stream.WriteComponent(Component);
  const jorv::TBytes Bytes = Stream.Bytes();
  return TInput(Bytes.begin(), Bytes.end());
}

std::vector<TInput> ComponentSeeds() {
  panel::TExPanel Panel(nullptr);
  Panel.SetBounds(5, 6, 200, 100);
  Panel.SetText(L"<b>Body</b>");
  Panel.SetCanMove(true);
  Panel.Caption()->SetText(L"Title");
  Panel.Caption()->Font()->SetSize(12);
  Panel.StatusBar()->SetVisible(true);
  Panel.StatusBar()->SetText(L"ready");
  calendar::TAgendaCalendar Calendar(nullptr);
  Calendar.SetTextColor(clRed);
  Calendar.SetShowWeeks(true);
  Calendar.SetWeekName(L"KW");
  return {StreamOf(&Panel), StreamOf(&Calendar)};
}

void RunComponentStream(const TInput& Input) {
  const jorv::TBytes Bytes(Input.begin(), Input.end());
  {
    panel::TExPanel Panel(nullptr);
    try {
      TBytesStream(Bytes).ReadComponent(&Panel);
    } catch (const EStreamError&) {
    }
  }
  {
    calendar::TAgendaCalendar Calendar(nullptr);
    try {
      TBytesStream(Bytes).ReadComponent(&Calendar);
    } catch (const EStreamError&) {
    }
  }
  std::unique_ptr<TComponent> Made(TBytesStream(Bytes).ReadComponent(nullptr));
}

}  // namespace

void AddStoreTargets(std::vector<TFuzzTarget>& List) {
  const std::vector<std::string> IniTokens = {"[", "]", "=", "\r\n", "\n", ";", "\"", "LOOKUPCOUNT=", "LOOKUPVAL1=",
                                              "LOOKUPDISPL1=", "2147483647", "-1", "hex:", "\xEF\xBB\xBF",
                                              "\xFF\xFE"};
  List.push_back({"ini", "ini", RunIni, IniTokens});
  List.push_back({"lookup-ini", "lookup", RunLookupIni, IniTokens});
  List.push_back({"lookup-registry", "lookup", RunLookupRegistry, IniTokens});
  TFuzzTarget Stream{"component-stream", "component-stream", RunComponentStream,
                     {"TPF0", "\x06", "\x07", std::string(1, '\0'), "\x01", "\x02", "\x03", "\x04", "\x0B", "\x0E", "\x12",
                      "Caption", "Font", "Items", "\x0FTExPanel", "\x10TAgendaCalendar", "\x05Width"},
                     StreamError};
  Stream.MakeSeeds = ComponentSeeds;
  List.push_back(Stream);
}

}  // namespace jorv::fuzz
