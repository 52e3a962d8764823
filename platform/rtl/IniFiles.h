#pragma once
// INI-style settings: TIniFile over the system's profile functions,
// TMemIniFile with its own parser and the same results, TRegistryIniFile
// with sections as subkeys of a registry key. TCustomIniFile adds the
// typed reads and writes on top of strings.
#include <memory>
#include "platform/rtl/Object.h"

namespace jorv {

class TStrings;
class TStringList;
class TEncoding;
class TRegistry;

class TCustomIniFile : public TObject {
 public:
  explicit TCustomIniFile(const String& FileName) : FFileName(FileName) {}
  const String& FileName() const { return FFileName; }

  virtual String ReadString(const String& Section, const String& Ident,
                            const String& Default) = 0;
  virtual void WriteString(const String& Section, const String& Ident, const String& Value) = 0;
  // "0x" prefixed values are read as hexadecimal; unreadable ones give Default.
  virtual Integer ReadInteger(const String& Section, const String& Ident, Integer Default);
  virtual void WriteInteger(const String& Section, const String& Ident, Integer Value);
  virtual bool ReadBool(const String& Section, const String& Ident, bool Default);
  virtual void WriteBool(const String& Section, const String& Ident, bool Value);
  // Floats, dates and times in the user's locale formats; unreadable
  // values give Default.
  double ReadFloat(const String& Section, const String& Ident, double Default);
  void WriteFloat(const String& Section, const String& Ident, double Value);
  TDateTime ReadDate(const String& Section, const String& Ident, TDateTime Default);
  void WriteDate(const String& Section, const String& Ident, TDateTime Value);
  TDateTime ReadDateTime(const String& Section, const String& Ident, TDateTime Default);
  void WriteDateTime(const String& Section, const String& Ident, TDateTime Value);
  TDateTime ReadTime(const String& Section, const String& Ident, TDateTime Default);
  void WriteTime(const String& Section, const String& Ident, TDateTime Value);

  // The key names of a section.
  virtual void ReadSection(const String& Section, TStrings* Strings) = 0;
  virtual void ReadSections(TStrings* Strings) = 0;
  // The section's lines as name=value.
  virtual void ReadSectionValues(const String& Section, TStrings* Strings) = 0;
  // A section counts as existing while it has keys.
  bool SectionExists(const String& Section);
  bool ValueExists(const String& Section, const String& Ident);
  virtual void EraseSection(const String& Section) = 0;
  virtual void DeleteKey(const String& Section, const String& Ident) = 0;
  virtual void UpdateFile() = 0;

 protected:
  String FFileName;
};

// Goes through the system's profile functions, so a name without a path
// lives in the Windows directory, as the system places it. Failed writes
// raise EIniFileException "Unable to write to <file>".
class TIniFile : public TCustomIniFile {
 public:
  using TCustomIniFile::TCustomIniFile;
  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void ReadSection(const String& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const String& Section, TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  // Flushes the system's cache of the file.
  void UpdateFile() override;
};

// Holds the file in memory: it is read when created and written only by
// UpdateFile. Names and sections are found without regard to case; values
// lose one pair of enclosing quotes, as with the profile functions.
class TMemIniFile : public TCustomIniFile {
 public:
  explicit TMemIniFile(const String& FileName, TEncoding* Encoding = nullptr);
  ~TMemIniFile() override;

  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void ReadSection(const String& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const String& Section, TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  void UpdateFile() override;

  void Clear();
  // The whole file as lines, and replacing it from lines.
  void GetStrings(TStrings* List);
  void SetStrings(const TStrings* List);
  // Takes another file name, reading it when Reload is set.
  void Rename(const String& FileName, bool Reload);
  TEncoding* Encoding() const { return FEncoding; }
  void SetEncoding(TEncoding* Value) { FEncoding = Value; }
  bool Modified() const { return FModified; }

 private:
  TStringList* Section(const String& Name, bool Create);
  void LoadValues();

  std::unique_ptr<TStringList> FSections;  // owns one TStringList per section
  TEncoding* FEncoding = nullptr;
  bool FModified = false;
};

// Sections are subkeys of the key named by FileName (under
// HKEY_CURRENT_USER), idents are values. Integers are stored as DWORDs,
// except where a string value is already there.
class TRegistryIniFile : public TCustomIniFile {
 public:
  explicit TRegistryIniFile(const String& FileName, REGSAM AAccess = KEY_ALL_ACCESS);
  ~TRegistryIniFile() override;
  TRegistry& RegIniFile() { return *FRegistry; }

  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  Integer ReadInteger(const String& Section, const String& Ident, Integer Default) override;
  void WriteInteger(const String& Section, const String& Ident, Integer Value) override;
  void ReadSection(const String& Section, TStrings* Strings) override;
  void ReadSections(TStrings* Strings) override;
  void ReadSectionValues(const String& Section, TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  void UpdateFile() override {}

 private:
  bool OpenSection(const String& Section, bool Create);
  std::unique_ptr<TRegistry> FRegistry;
};

}  // namespace jorv
