#include "edit/ExEditLookup.h"

#include <map>
#include <string>
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::edit {

TLookupSettings::TLookupSettings() {
  FFont->SetName(L"Arial");
  FFont->SetSize(8);
}

TLookupSettings::~TLookupSettings() = default;

void TLookupSettings::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TLookupSettings*>(Source);
  if (!S) return;
  FDisplayList->Assign(S->FDisplayList.get());
  FValueList->Assign(S->FValueList.get());
  FDisplayCount = S->FDisplayCount;
  FColor = S->FColor;
  FEnabled = S->FEnabled;
  FNumChars = S->FNumChars;
  FCaseSensitive = S->FCaseSensitive;
  FHistory = S->FHistory;
  FMulti = S->FMulti;
  FSeparator = S->FSeparator;
  FAcceptOnTab = S->FAcceptOnTab;
  FShowValue = S->FShowValue;
  FSearchValue = S->FSearchValue;
  FFont->Assign(S->FFont.get());
  FSpacing = S->FSpacing;
  FValueSeparator = S->FValueSeparator;
}

void TLookupSettings::AddPair(const String& DisplayText, const String& Value) {
  FDisplayList->Add(DisplayText);
  FValueList->Add(Value);
}

String TLookupSettings::LookupText(const String& Value, Integer& Cut) const {
  Cut = 0;
  if (!FMulti) return Value;
  const auto P = Value.rfind(FSeparator);
  if (P == String::npos) return Value;
  Cut = static_cast<Integer>(P) + 1;
  return Value.substr(P + 1);
}

void TLookupSettings::Match(const String& Typed, bool FullTextSearch, TStrings* Items) const {
  static const wchar_t* const Open[] = {L"(", L"[", L"<", L""};
  static const wchar_t* const Close[] = {L")", L"]", L">", L""};
  const String T = FCaseSensitive ? Typed : AnsiUpperCase(Typed);
  auto Find = [&](const String& S) { return Pos(T, FCaseSensitive ? S : AnsiUpperCase(S)); };
  for (Integer I = 0; I < FDisplayList->Count(); ++I) {
    const String D = FDisplayList->Strings(I);
    const bool HasValue = I < FValueList->Count();
    const Integer DP = Find(D);
    const Integer VP = FSearchValue && HasValue ? Find(FValueList->Strings(I)) : -1;
    const bool Hit = FullTextSearch ? (DP > 0 || VP > 0) : (DP == 1 || VP == 1);
    if (!Hit) continue;
    String Row = D;
    if (FShowValue && HasValue && !FValueList->Strings(I).empty())
      Row += String(L" ") + Open[FValueSeparator] + FValueList->Strings(I) + Close[FValueSeparator];
    // The display index travels in the object slot, as the list box keeps it.
    Items->AddObject(Row, reinterpret_cast<TObject*>(static_cast<intptr_t>(I)));
  }
}

void TListBoxTab::Dispatch(TMessage& M) {
  if (M.Msg == WM_GETDLGCODE && FHandleTab) {
    M.Result = DLGC_WANTTAB;
    return;
  }
  TListBox::Dispatch(M);
}

void TListHintWindow::CreateParams(TCreateParams& P) {
  THintWindow::CreateParams(P);
  P.Style |= WS_BORDER;
  P.WindowClass.style |= CS_DROPSHADOW;
  P.ExStyle |= WS_EX_TOPMOST;
}

void TListHintWindow::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_ACTIVATE:
      THintWindow::Dispatch(M);
      if (MsgAs<TWMActivate>(M).Active != WA_INACTIVE) {
        if (FListControl && FListControl->CanFocus() && !FListControl->ComponentState().Contains(csDestroying))
          FListControl->SetFocus();
      } else if (HandleAllocated()) {
        ShowWindow(Handle(), SW_HIDE);
      }
      return;
    case WM_NCHITTEST: {
      // The bottom right corner sizes the pop-up.
      RECT R{};
      GetWindowRect(Handle(), &R);
      const auto& Hit = MsgAs<TWMNCHitTest>(M);
      const Integer X = Hit.XPos - R.left;
      const Integer Y = Hit.YPos - R.top;
      M.Result = (X >= R.right - R.left - 10 && Y >= R.bottom - R.top - 10) ? HTBOTTOMRIGHT : 0;
      return;
    }
    default: THintWindow::Dispatch(M);
  }
}

void TPersistence::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TPersistence*>(Source);
  if (!S) {
    TPersistent::Assign(Source);
    return;
  }
  FEnable = S->FEnable;
  FKey = S->FKey;
  FSection = S->FSection;
  FLocation = S->FLocation;
}

std::unique_ptr<TCustomIniFile> OpenPersistStore(const TPersistence& P, const String& Name, String& Section) {
  Section = P.Section();
  if (P.Location() == plRegistry) return std::make_unique<TRegistryIniFile>(P.Key());
  String Key = P.Key();
  if (Key.empty()) Key = ChangeFileExt(ParamStr(0), L".INI");
  if (Section.empty()) Section = Name;
  return std::make_unique<TIniFile>(Key);
}

namespace {

// The number K of an entry named Prefix + K (as written, without sign or
// leading zeros) when 1 <= K <= Count; 0 otherwise.
Integer HistoryNumber(const String& Ident, const String& Prefix, Integer Count) {
  if (Ident.size() <= Prefix.size() || !SameText(Ident.substr(0, Prefix.size()), Prefix)) return 0;
  const String Digits = Ident.substr(Prefix.size());
  if (Digits.size() > 10 || Digits.find_first_not_of(L"0123456789") != String::npos) return 0;
  const Int64 K = std::stoll(Digits);
  if (K < 1 || K > Count || IntToStr(Integer(K)) != Digits) return 0;
  return Integer(K);
}

// Reads the numbered entries that are there, in the order of their numbers
// up to the stored count, rather than asking for every number up to it: a
// count far beyond the entries (a damaged or foreign store) would otherwise
// keep the edit reading for minutes.
void ReadHistory(TCustomIniFile& Ini, const String& Section, TLookupSettings& Lookup) {
  const Integer Count = Ini.ReadInteger(Section, L"LOOKUPCOUNT", 0);
  if (Count < 1) return;
  // The section is read once: asking for each entry by name searches the
  // whole section again per entry.
  TStringList Lines;
  Ini.ReadSectionValues(Section, &Lines);
  std::map<Integer, String> Values, Displays;
  for (Integer I = 0; I < Lines.Count(); ++I) {
    const String Ident = Lines.Names(I);
    if (const Integer K = HistoryNumber(Ident, L"LOOKUPVAL", Count))
      Values.emplace(K, Lines.ValueFromIndex(I));
    else if (const Integer K = HistoryNumber(Ident, L"LOOKUPDISPL", Count))
      Displays.emplace(K, Lines.ValueFromIndex(I));
  }
  for (const auto& [K, V] : Values)
    if (!V.empty()) Lookup.ValueList()->Add(V);
  for (const auto& [K, D] : Displays)
    if (!D.empty()) Lookup.DisplayList()->Add(D);
}

}  // namespace

String ReadPersisted(TCustomIniFile& Ini, const String& Section, const String& Name, TLookupSettings& Lookup) {
  if (Lookup.Enabled() && Lookup.History()) ReadHistory(Ini, Section, Lookup);
  return Ini.ReadString(Section, Name, L"@");
}

void WritePersisted(TCustomIniFile& Ini, const String& Section, const String& Name, const String& WindowText,
                    const TLookupSettings& Lookup) {
  Ini.WriteString(Section, Name, WindowText);
  if (!(Lookup.Enabled() && Lookup.History())) return;
  const Integer N = Lookup.DisplayList()->Count();
  Ini.WriteInteger(Section, L"LOOKUPCOUNT", N);
  for (Integer K = 1; K <= N; ++K) {
    Ini.WriteString(Section, L"LOOKUPDISPL" + IntToStr(K), Lookup.DisplayList()->Strings(K - 1));
    if (K <= Lookup.ValueList()->Count())
      Ini.WriteString(Section, L"LOOKUPVAL" + IntToStr(K), Lookup.ValueList()->Strings(K - 1));
  }
}

}  // namespace jorv::edit
