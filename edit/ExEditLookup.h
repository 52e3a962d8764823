#pragma once
// Completion settings of the enhanced edit, the matching that fills its
// pop-up list, and where the edit keeps its text between runs.
#include <functional>
#include <memory>
#include "platform/gfx/Font.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/ListBox.h"

namespace jorv {
class TCustomIniFile;
}
namespace jorv::edit {

enum TValueSeparator : uint8_t { vsBracket, vsSquareBracket, vsLargerSmaller, vsNone };

enum TPersistenceLocation : uint8_t { plInifile, plRegistry };

using TLookupSelectEvent = std::function<void(TObject* Sender, String& Value)>;
using TLookupIndexSelectEvent = std::function<void(TObject* Sender, Integer Index, String& Value)>;
using TLookupNeedDataEvent =
    std::function<void(TObject* Sender, const String& Value, TStrings* List, Integer& ItemIndex)>;

class TLookupSettings : public TPersistent {
 public:
  TLookupSettings();
  ~TLookupSettings() override;

  void Assign(TPersistent* Source) override;
  void AddPair(const String& DisplayText, const String& Value);

  TStringList* DisplayList() const { return FDisplayList.get(); }
  void SetDisplayList(TStrings* Value) { FDisplayList->Assign(Value); }
  TStringList* ValueList() const { return FValueList.get(); }
  void SetValueList(TStrings* Value) { FValueList->Assign(Value); }
  Integer DisplayCount() const { return FDisplayCount; }
  void SetDisplayCount(Integer Value) { FDisplayCount = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  Integer NumChars() const { return FNumChars; }
  void SetNumChars(Integer Value) {
    if (Value > 0) FNumChars = Value;
  }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  bool History() const { return FHistory; }
  void SetHistory(bool Value) { FHistory = Value; }
  bool Multi() const { return FMulti; }
  void SetMulti(bool Value) { FMulti = Value; }
  Char Separator() const { return FSeparator; }
  void SetSeparator(Char Value) { FSeparator = Value; }
  bool AcceptOnTab() const { return FAcceptOnTab; }
  void SetAcceptOnTab(bool Value) { FAcceptOnTab = Value; }
  bool ShowValue() const { return FShowValue; }
  void SetShowValue(bool Value) { FShowValue = Value; }
  bool SearchValue() const { return FSearchValue; }
  void SetSearchValue(bool Value) { FSearchValue = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  Integer Spacing() const { return FSpacing; }
  void SetSpacing(Integer Value) { FSpacing = Value; }
  TValueSeparator ValueSeparator() const { return FValueSeparator; }
  void SetValueSeparator(TValueSeparator Value) { FValueSeparator = Value; }

  // The typed text's part the lookup works on: after the last separator
  // with Multi. Cut receives the number of characters left out in front.
  String LookupText(const String& Value, Integer& Cut) const;
  // Adds the rows matching Typed to Items, each with its display index in
  // the item's object slot, in display list order.
  void Match(const String& Typed, bool FullTextSearch, TStrings* Items) const;

 private:
  std::unique_ptr<TStringList> FDisplayList = std::make_unique<TStringList>();
  std::unique_ptr<TStringList> FValueList = std::make_unique<TStringList>();
  Integer FDisplayCount = 4;
  TColor FColor = clWindow;
  bool FEnabled = false;
  Integer FNumChars = 2;
  bool FCaseSensitive = false;
  bool FHistory = false;
  bool FMulti = false;
  Char FSeparator = L';';
  bool FAcceptOnTab = false;
  bool FShowValue = false;
  bool FSearchValue = false;
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  Integer FSpacing = 0;
  TValueSeparator FValueSeparator = vsBracket;
};

class TPersistence : public TPersistent {
 public:
  void Assign(TPersistent* Source) override;

  bool Enable() const { return FEnable; }
  void SetEnable(bool Value) { FEnable = Value; }
  String Key() const { return FKey; }
  void SetKey(const String& Value) { FKey = Value; }
  String Section() const { return FSection; }
  void SetSection(const String& Value) { FSection = Value; }
  TPersistenceLocation Location() const { return FLocation; }
  void SetLocation(TPersistenceLocation Value) { FLocation = Value; }

 private:
  bool FEnable = false;
  String FKey;
  String FSection;
  TPersistenceLocation FLocation = plInifile;
};

// The list box of the completion pop-up; HandleTab makes it take Tab.
class TListBoxTab : public TListBox {
 public:
  explicit TListBoxTab(TComponent* AOwner) : TListBox(AOwner) {}
  bool HandleTab() const { return FHandleTab; }
  void SetHandleTab(bool Value) { FHandleTab = Value; }

 protected:
  void Dispatch(TMessage& Message) override;

 private:
  bool FHandleTab = false;
};

// The borderless pop-up under the caret that carries the completion list.
class TListHintWindow : public THintWindow {
 public:
  explicit TListHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}
  TListBoxTab* ListControl() const { return FListControl; }
  void SetListControl(TListBoxTab* Value) { FListControl = Value; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;

 private:
  TListBoxTab* FListControl = nullptr;
};


// Opens where the edit named Name keeps its text: the INI file Key (the
// program's path with ".INI" when empty) or the registry key Key. Section
// receives the section to use.
std::unique_ptr<TCustomIniFile> OpenPersistStore(const TPersistence& P, const String& Name, String& Section);

// Reads the stored text of Name ("@" when none) and appends a stored history
// to Lookup when it keeps one.
String ReadPersisted(TCustomIniFile& Ini, const String& Section, const String& Name, TLookupSettings& Lookup);
void WritePersisted(TCustomIniFile& Ini, const String& Section, const String& Name, const String& WindowText,
                    const TLookupSettings& Lookup);

}  // namespace jorv::edit
