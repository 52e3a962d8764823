#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "platform/rtl/rtl.h"
#include "tests/support/TempDir.h"

using namespace jorv;
using Lines = std::vector<String>;

namespace {

const wchar_t* const TestKey = L"Software\\JorvensaalTest";

Lines ToLines(const TStrings& s) {
  Lines r;
  for (Integer i = 0; i < s.Count(); ++i) r.push_back(s.Strings(i));
  return r;
}

// Removes the test key before and after each test.
class RegistryTest : public testing::Test {
 protected:
  void SetUp() override { Wipe(); }
  void TearDown() override { Wipe(); }
  static void Wipe() {
    TRegistry r;
    r.DeleteKey(String(L"\\") + TestKey);
  }
};

// The same round trip for every kind of INI file.
void RoundTrip(TCustomIniFile& ini) {
  ini.WriteString(L"FRM_Main", L"Caption", L"Gr\u00FC\u00DFe");
  ini.WriteInteger(L"FRM_Main", L"Left", -12);
  ini.WriteBool(L"FRM_Main", L"Max", true);
  ini.WriteFloat(L"Other", L"Ratio", 2.5);
  ini.WriteDate(L"Other", L"Day", 42736);  // 1 January 2017
  ini.WriteString(L"Other", L"Hex", L"0x1F");
  ini.WriteString(L"Other", L"Bad", L"12abc");
  EXPECT_EQ(ini.ReadString(L"frm_main", L"caption", L"-"), L"Gr\u00FC\u00DFe");
  EXPECT_EQ(ini.ReadInteger(L"FRM_Main", L"Left", 0), -12);
  EXPECT_TRUE(ini.ReadBool(L"FRM_Main", L"Max", false));
  EXPECT_EQ(ini.ReadFloat(L"Other", L"Ratio", 0), 2.5);
  EXPECT_EQ(ini.ReadDate(L"Other", L"Day", 0), 42736);
  EXPECT_EQ(ini.ReadInteger(L"Other", L"Hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger(L"Other", L"Bad", 7), 7);
  EXPECT_EQ(ini.ReadFloat(L"Other", L"Bad", 1.5), 1.5);
  EXPECT_EQ(ini.ReadString(L"Missing", L"X", L"def"), L"def");
  EXPECT_TRUE(ini.SectionExists(L"Other"));
  EXPECT_FALSE(ini.SectionExists(L"Missing"));
  EXPECT_TRUE(ini.ValueExists(L"FRM_Main", L"Left"));
  TStringList keys;
  ini.ReadSection(L"FRM_Main", &keys);
  EXPECT_EQ(ToLines(keys), (Lines{L"Caption", L"Left", L"Max"}));
  ini.ReadSectionValues(L"FRM_Main", &keys);
  EXPECT_EQ(keys.Values(L"Left"), L"-12");
  ini.DeleteKey(L"FRM_Main", L"Left");
  EXPECT_FALSE(ini.ValueExists(L"FRM_Main", L"Left"));
  ini.EraseSection(L"Other");
  ini.ReadSections(&keys);
  EXPECT_EQ(ToLines(keys), (Lines{L"FRM_Main"}));
  ini.UpdateFile();
}

}  // namespace

TEST(IniFiles, ProfileAndMemoryFilesAgree) {
  test::TTempDir dir;
  {
    TIniFile ini(dir.Path(L"a.ini"));
    RoundTrip(ini);
  }
  {
    TMemIniFile mem(dir.Path(L"b.ini"));
    RoundTrip(mem);
  }
  // Each reads what the other wrote.
  TMemIniFile fromProfile(dir.Path(L"a.ini"));
  EXPECT_EQ(fromProfile.ReadInteger(L"FRM_Main", L"Max", 0), 1);
  TIniFile fromMemory(dir.Path(L"b.ini"));
  EXPECT_EQ(fromMemory.ReadString(L"FRM_Main", L"Max", L""), L"1");
}

TEST(IniFiles, MemIniParsesLikeTheProfileFunctions) {
  test::TTempDir dir;
  String name = dir.Path(L"c.ini");
  TStringList src;
  src.SetText(
      L"; comment\r\n"
      L"orphan=before any section\r\n"
      L"[ Main ]\r\n"
      L"  Key  =  spaced value  \r\n"
      L"Quoted=\"  kept  \"\r\n"
      L"Single='x'\r\n"
      L"Half=\"open\r\n"
      L"Empty=\r\n"
      L"\r\n"
      L"[main]\r\n"
      L"Later=1\r\n");
  src.SaveToFile(name);
  TIniFile profile(name);
  TMemIniFile mem(name);
  for (const wchar_t* key : {L"Key", L"Quoted", L"Single", L"Half", L"Empty", L"Later", L"orphan"})
    EXPECT_EQ(mem.ReadString(L"MAIN", key, L"?"), profile.ReadString(L"MAIN", key, L"?")) << key;
  EXPECT_EQ(mem.ReadString(L"Main", L"Key", L""), L"spaced value");
  // A long value survives whole.
  String longValue(5000, L'v');
  profile.WriteString(L"Long", L"V", longValue);
  EXPECT_EQ(profile.ReadString(L"Long", L"V", L""), longValue);
}

TEST(IniFiles, MemIniWritesOnlyOnUpdate) {
  test::TTempDir dir;
  String name = dir.Path(L"d.ini");
  {
    TMemIniFile mem(name, TEncoding::UTF8());
    mem.WriteString(L"S", L"K", L"\u4E2D");
    EXPECT_TRUE(mem.Modified());
  }
  EXPECT_FALSE(FileExists(name));
  {
    TMemIniFile mem(name, TEncoding::UTF8());
    mem.WriteString(L"S", L"K", L"\u4E2D");
    mem.UpdateFile();
  }
  TMemIniFile again(name);  // finds UTF-8 by its mark
  EXPECT_EQ(again.ReadString(L"S", L"K", L""), L"\u4E2D");
}

TEST_F(RegistryTest, ValuesRoundTripAndTypesAreChecked) {
  TRegistry r;
  EXPECT_FALSE(r.KeyExists(TestKey));
  ASSERT_TRUE(r.OpenKey(TestKey, true));
  EXPECT_EQ(r.CurrentPath(), TestKey);
  r.WriteString(L"Name", L"Jorvensaal");
  r.WriteInteger(L"Count", -5);
  r.WriteBool(L"Flag", true);
  r.WriteFloat(L"Ratio", 0.125);
  r.WriteDateTime(L"When", 42736.5);
  const Byte blob[] = {1, 2, 3};
  r.WriteBinaryData(L"Blob", blob, 3);
  EXPECT_EQ(r.ReadString(L"Name"), L"Jorvensaal");
  EXPECT_EQ(r.ReadInteger(L"Count"), -5);
  EXPECT_TRUE(r.ReadBool(L"Flag"));
  EXPECT_EQ(r.ReadFloat(L"Ratio"), 0.125);
  EXPECT_EQ(r.ReadDateTime(L"When"), 42736.5);
  Byte back[8] = {};
  EXPECT_EQ(r.ReadBinaryData(L"Blob", back, 8), 3);
  EXPECT_EQ(back[2], 3);
  EXPECT_EQ(r.GetDataType(L"Count"), rdInteger);
  EXPECT_EQ(r.GetDataType(L"Name"), rdString);
  EXPECT_EQ(r.ReadString(L"Missing"), L"");

  struct Bad {
    std::function<void()> read;
    String message;
  } bad[] = {
      {[&] { r.ReadInteger(L"Name"); }, L"Invalid data type for 'Name'"},
      {[&] { r.ReadString(L"Count"); }, L"Invalid data type for 'Count'"},
      {[&] { r.ReadFloat(L"Blob"); }, L"Invalid data type for 'Blob'"},
      {[&] { r.ReadBinaryData(L"Blob", back, 2); }, L"Invalid data type for 'Blob'"},
      {[&] { r.ReadInteger(L"Missing"); }, L"Failed to get data for 'Missing'"},
  };
  for (auto& b : bad) {
    try {
      b.read();
      ADD_FAILURE() << b.message;
    } catch (const ERegistryException& e) {
      EXPECT_EQ(e.Message(), b.message);
    }
  }
  EXPECT_TRUE(r.DeleteValue(L"Count"));
  EXPECT_FALSE(r.ValueExists(L"Count"));
  TStringList names;
  r.GetValueNames(&names);
  names.Sort();
  EXPECT_EQ(ToLines(names), (Lines{L"Blob", L"Flag", L"Name", L"Ratio", L"When"}));

  // Relative paths go from the open key; subkeys go with their parent.
  ASSERT_TRUE(r.OpenKey(L"Sub\\Deeper", true));
  EXPECT_EQ(r.CurrentPath(), String(TestKey) + L"\\Sub\\Deeper");
  r.CloseKey();
  EXPECT_THROW(r.WriteString(L"x", L"y"), ERegistryException);
  ASSERT_TRUE(r.OpenKeyReadOnly(TestKey));
  EXPECT_TRUE(r.HasSubKeys());
  r.GetKeyNames(&names);
  EXPECT_EQ(ToLines(names), (Lines{L"Sub"}));
  EXPECT_THROW(r.WriteString(L"x", L"y"), ERegistryException);
  r.CloseKey();
  EXPECT_TRUE(r.DeleteKey(String(L"\\") + TestKey + L"\\Sub"));
  EXPECT_FALSE(r.KeyExists(String(TestKey) + L"\\Sub\\Deeper"));
}

TEST_F(RegistryTest, RegistryIniFileKeepsSectionsAsSubkeys) {
  {
    TRegistryIniFile ini(TestKey);
    RoundTrip(ini);
    ini.WriteInteger(L"Typed", L"N", 3);
  }
  TRegistry r;
  ASSERT_TRUE(r.OpenKeyReadOnly(String(TestKey) + L"\\Typed"));
  EXPECT_EQ(r.GetDataType(L"N"), rdInteger);
  ASSERT_TRUE(r.OpenKeyReadOnly(String(L"\\") + TestKey + L"\\FRM_Main"));
  EXPECT_EQ(r.ReadString(L"Caption"), L"Gr\u00FC\u00DFe");
}
