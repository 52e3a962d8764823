#include "grid/exchange/GridRowSorter.h"
#include <algorithm>
#include <numeric>
#include <typeinfo>
#include "foundation/HTMLUtils.h"
#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"

namespace jorv::grid {

namespace {

// Classes of cells under the automatic style, in their ascending order: a
// column that mixes kinds of cells is ordered class by class, so that every
// sort of it gives the same order.
enum TAutoRank : uint8_t { arCheckBox, arBlank, arNumber, arDate, arText };

bool IsNumberText(const String& Text) {
  const Integer Kind = NumberTextKind(Text);
  return Kind == 0 || Kind == 1 || Kind == 5;
}

bool IsDigitAt(const String& Text, Integer Position) {
  return Position >= 1 && Position <= Integer(Text.size()) && Text[size_t(Position - 1)] >= L'0' &&
         Text[size_t(Position - 1)] <= L'9';
}

// Where a separator has to stand for the text to be read as a date or a
// time: after one or two characters and before the end.
bool SeparatorInPlace(const String& Text, Char Separator, Integer& Position) {
  Position = Pos(String(1, Separator), Text);
  return Position >= 2 && Position < Integer(Text.size()) && Position < 4;
}

String UpperAToZ(String Text) {
  for (Char& C : Text)
    if (C >= L'a' && C <= L'z') C = Char(C - 32);
  return Text;
}

void RemoveFirst(String& Text, const String& Part) {
  if (Part.empty()) return;
  const size_t At = Text.find(Part);
  if (At != String::npos) Text.erase(At, Part.size());
}

Integer Sign(double A, double B) { return A < B ? -1 : A > B ? 1 : 0; }

Integer Sign(Integer Value) { return Value < 0 ? -1 : Value > 0 ? 1 : 0; }

bool IsCheckBoxType(TCellType Type) {
  return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox;
}

}  // namespace

struct TGridRowSorter::TColumnKeys {
  Integer Col = 0;
  TSortStyle Style = ssAutomatic;
  bool IgnoreCase = false;
  String Prefix;
  String Suffix;
  std::vector<TCellKey> Keys;
  std::vector<String> Texts;
  std::unique_ptr<TSortKeys> Locale;
};

TGridRowSorter::TGridRowSorter(TRezIvevirAvod& Grid, std::vector<Integer> Rows)
    : FGrid(Grid), FRows(std::move(Rows)), FCount(FRows.size()), FStoredShown(DisplaysStoredTexts()) {}

TGridRowSorter::TGridRowSorter(TRezIvevirAvod& Grid, Integer First, Integer Count)
    : FGrid(Grid), FFirst(First), FCount(size_t(std::max(Count, 0))), FStoredShown(DisplaysStoredTexts()) {}

TGridRowSorter::~TGridRowSorter() = default;

// A cell's display text is its stored text unless something stands
// between them: a merged cell, a display-text event, links shown in the
// text, or a descendant's own accessors. Without them the stored text is
// read straight away, with no display text made for it.
bool TGridRowSorter::DisplaysStoredTexts() const {
  return typeid(FGrid) == typeid(TRezIvevirAvod) && !FGrid.OnGetDisplText && !FGrid.OnGetDisplWideText &&
         !FGrid.URLShowInText();
}

// The stored text is read where it stands; only a display text made for
// the cell lands in Made.
const String& TGridRowSorter::CellText(Integer Col, Integer Row, String& Made) {
  if (!FGrid.SortSettings()->SortOnVirtualCells() ||
      (FStoredShown && (FGrid.MergeCount() == 0 || !FGrid.HasCellProperties(Col, Row))))
    return FGrid.GridCellText(Col, Row);
  Made = FGrid.GetCellEx(Col, Row);
  return Made;
}

TGridRowSorter::TColumnKeys& TGridRowSorter::KeysOf(Integer Col) {
  for (auto& Keys : FColumns)
    if (Keys->Col == Col) return *Keys;
  auto Keys = std::make_unique<TColumnKeys>();
  Keys->Col = Col;
  MakeKeys(*Keys);
  FColumns.push_back(std::move(Keys));
  return *FColumns.back();
}

void TGridRowSorter::MakeKeys(TColumnKeys& Keys) {
  TSortSettings* Settings = FGrid.SortSettings();
  Keys.IgnoreCase = Settings->IgnoreCase();
  Keys.Style = Settings->AutoFormat() ? ssAutomatic : Keys.IgnoreCase ? ssAlphaNoCase : Settings->DefaultFormat();
  // Asked once per column and sort: the answer is the column's.
  FGrid.DoGetFormat(Keys.Col, Keys.Style, Keys.Prefix, Keys.Suffix);
  if (Keys.Style == ssAnsiAlphaCase || Keys.Style == ssAnsiAlphaNoCase) {
    Keys.Locale = std::make_unique<TSortKeys>(Keys.Style == ssAnsiAlphaNoCase ? NORM_IGNORECASE : 0);
    Keys.Locale->Reserve(FCount);
  }
  // Each key is written once where it is made: a million keys are no
  // small array to clear first.
  Keys.Keys.reserve(FCount);
  String Made;
  for (size_t i = 0; i < FCount; ++i) {
    Keys.Keys.emplace_back();
    MakeCellKey(Keys, Integer(i), CellText(Keys.Col, RowAt(i), Made));
  }
}

// What the column's prefix, suffix and (for money) thousand separators
// leave of a text, read as a number; a text that is no number counts as 0,
// as an empty cell does. The text is copied only when something has to be
// taken out of it.
double TGridRowSorter::NumberKey(const TColumnKeys& Keys, const String& Text, bool Financial, bool& Blank) const {
  const TFormatSettings& FS = FFormat;
  const bool AsStored = Keys.Prefix.empty() && Keys.Suffix.empty() && !Financial &&
                        (FS.DecimalSeparator == L'.' || Text.find(FS.DecimalSeparator) == String::npos);
  String Edited;
  if (!AsStored) {
    Edited = Text;
    RemoveFirst(Edited, Keys.Prefix);
    RemoveFirst(Edited, Keys.Suffix);
    if (Financial) Edited.erase(std::remove(Edited.begin(), Edited.end(), FS.ThousandSeparator), Edited.end());
    if (FS.DecimalSeparator != L'.') {
      const size_t At = Edited.find(FS.DecimalSeparator);
      if (At != String::npos) Edited[At] = L'.';
    }
  }
  const String& Number = AsStored ? Text : Edited;
  Blank = Number.empty();
  double Value = 0;
  Integer Code = 0;
  Val(Number, Value, Code);
  return Code == 0 ? Value : 0.0;
}

// Text is read where the grid keeps it: what is kept of it is copied, and
// nothing that may call the application comes before the last reading.
void TGridRowSorter::MakeCellKey(TColumnKeys& Keys, Integer Position, const String& Text) {
  TCellKey& Key = Keys.Keys[size_t(Position)];
  const Integer Row = RowAt(size_t(Position));
  const TFormatSettings& FS = FFormat;
  Key.Position = Position;
  auto KeepText = [&](String Kept) {
    Key.Blank = Kept.empty();
    if (Keys.Texts.empty()) Keys.Texts.resize(FCount);
    Keys.Texts[size_t(Position)] = std::move(Kept);
  };
  auto NumberOf = [&](bool Financial) { return NumberKey(Keys, Text, Financial, Key.Blank); };
  auto DateOf = [&](TDateTime (*Parse)(const String&)) {
    Key.Blank = Text.empty();
    try {
      return Parse(Text);
    } catch (const EConvertError&) {
      return TDateTime(0);
    }
  };
  TDateTime Value = 0;
  switch (Keys.Style) {
    case ssAutomatic: MakeAutomaticKey(Keys, Key, Row, Text); break;
    case ssAlphabetic:
    case ssAlphaCase:
    case ssNatural:
    case ssCustom: KeepText(Text); break;
    case ssAlphaNoCase: KeepText(UpperAToZ(Text)); break;
    case ssHTML: KeepText(HTMLToPlainText(Text)); break;
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
      Key.Blank = Text.empty();
      // A text the locale cannot key sorts as an empty one.
      if (!Keys.Locale->Add(Text)) Keys.Locale->Add(L"", 0);
      break;
    case ssNumeric: Key.Value = NumberOf(false); break;
    case ssFinancial: Key.Value = NumberOf(true); break;
    case ssDate:
    case ssDateTime:
      Key.Blank = Text.empty();
      Key.Value = TryStrToDateTime(Text, Value, FS) ? Value : 0;
      break;
    case ssTime:
      Key.Blank = Text.empty();
      Key.Value = TryStrToTime(Text, Value, FS) ? Value : 0;
      break;
    case ssShortDateEU: Key.Value = DateOf(ParseDateDMY); break;
    case ssShortDateUS: Key.Value = DateOf(ParseDateMDY); break;
    case ssImages:
      Key.Blank = Text.empty();
      Key.Value = double(FGrid.GetCellGraphicKey(Keys.Col, Row));
      break;
    case ssCheckBox: {
      Key.Blank = Text.empty();
      bool Checked = false;
      FGrid.GetCheckBoxState(Keys.Col, Row, Checked);
      Key.Value = Checked ? 1 : 0;
      break;
    }
    case ssRaw: Key.Blank = Text.empty(); break;
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase:
      // Numbers by value before texts.
      if (IsNumberText(Text)) {
        Key.Rank = arNumber;
        Key.Value = NumberOf(false);
      } else {
        Key.Rank = arText;
        KeepText(Keys.Style == ssAlphaNumericNoCase ? UpperAToZ(Text) : Text);
      }
      break;
  }
}

// The cell's own kind decides, never its neighbour's: check boxes, blanks,
// numbers, dates and times, texts.
void TGridRowSorter::MakeAutomaticKey(TColumnKeys& Keys, TCellKey& Key, Integer Row, const String& Text) {
  Key.Blank = Text.empty();
  if (IsCheckBoxType(FGrid.GetCellType(Keys.Col, Row))) {
    bool Checked = false;
    FGrid.GetCheckBoxState(Keys.Col, Row, Checked);
    Key.Rank = arCheckBox;
    Key.Value = Checked ? 1 : 0;
    return;
  }
  if (Text.empty()) {
    Key.Rank = arBlank;
    return;
  }
  const TFormatSettings& FS = FFormat;
  if (IsNumberText(Text)) {
    // The cell was judged blank or not on its own text above.
    bool AllPrefix = false;
    Key.Rank = arNumber;
    Key.Value = NumberKey(Keys, Text, false, AllPrefix);
    return;
  }
  Integer P = 0;
  TDateTime Value = 0;
  if (SeparatorInPlace(Text, FS.DateSeparator, P)) {
    const bool WithTime = Pos(String(1, FS.TimeSeparator), Text) > 0;
    if (IsDigitAt(Text, P - 1) && IsDigitAt(Text, P + 1) &&
        (WithTime ? TryStrToDateTime(Text, Value, FS) : TryStrToDate(Text, Value, FS))) {
      Key.Rank = arDate;
      Key.Value = Value;
      return;
    }
  } else if (SeparatorInPlace(Text, FS.TimeSeparator, P) && TryStrToTime(Text, Value, FS)) {
    Key.Rank = arDate;
    Key.Value = Value;
    return;
  }
  Key.Rank = arText;
  if (Keys.Texts.empty()) Keys.Texts.resize(FCount);
  Keys.Texts[size_t(Key.Position)] = Keys.IgnoreCase ? UpperAToZ(Text) : Text;
}

Integer TGridRowSorter::CompareStyled(TColumnKeys& Keys, TSortStyle Style, const TCellKey& A, const TCellKey& B,
                                      Integer RowA, Integer RowB) {
  const String* Text = Keys.Texts.data();
  auto Texts = [&] { return Sign(Text[A.Position].compare(Text[B.Position])); };
  switch (Style) {
    case ssAutomatic:
    case ssAlphaNumeric:
    case ssAlphaNumericNoCase:
      if (A.Rank != B.Rank) return A.Rank < B.Rank ? -1 : 1;
      return A.Rank == arText ? Texts() : Sign(A.Value, B.Value);
    case ssAlphabetic:
    case ssAlphaCase:
    case ssAlphaNoCase:
    case ssHTML: return Texts();
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase: return Keys.Locale->Compare(A.Position, B.Position);
    case ssNatural: return Sign(CompareNatural(Text[A.Position].c_str(), Text[B.Position].c_str()));
    case ssCustom: {
      Integer Res = 0;
      if (FGrid.OnCustomCompare) FGrid.OnCustomCompare(&FGrid, Text[A.Position], Text[B.Position], Res);
      return Sign(Res);
    }
    case ssRaw: {
      Integer Res = 0;
      if (FGrid.OnRawCompare) FGrid.OnRawCompare(&FGrid, Keys.Col, RowA, RowB, Res);
      return Sign(Res);
    }
    default: return Sign(A.Value, B.Value);
  }
}

Integer TGridRowSorter::CompareKeys(TColumnKeys& Keys, Integer A, Integer B, bool& ByBlank) {
  ++FComparisons;
  const TCellKey& KA = Keys.Keys[size_t(A)];
  const TCellKey& KB = Keys.Keys[size_t(B)];
  TSortSettings* Settings = FGrid.SortSettings();
  ByBlank = Settings->IgnoreBlanks() && KA.Blank != KB.Blank;
  if (ByBlank) return (KA.Blank == (Settings->BlankPos() == blFirst)) ? -1 : 1;
  return CompareStyled(Keys, Keys.Style, KA, KB, RowAt(size_t(A)), RowAt(size_t(B)));
}

Integer TGridRowSorter::CompareOn(const TSortColumn& Column, Integer A, Integer B) {
  bool ByBlank = false;
  const Integer Result = CompareKeys(KeysOf(Column.Col), A, B, ByBlank);
  return Column.Descending && !ByBlank ? -Result : Result;
}

Integer TGridRowSorter::CompareRows(const std::vector<TSortColumn>& Columns, size_t From, Integer A, Integer B) {
  for (size_t i = From; i < Columns.size(); ++i)
    if (const Integer Result = CompareOn(Columns[i], A, B)) return Result;
  return 0;
}

std::vector<Integer> TGridRowSorter::Order(const std::vector<TSortColumn>& Columns) {
  if (Columns.empty() || FCount < 2) {
    std::vector<Integer> Result(FCount);
    std::iota(Result.begin(), Result.end(), 0);
    return Result;
  }
  std::vector<Integer> Result;
  Result.reserve(FCount);
  TColumnKeys& First = KeysOf(Columns[0].Col);
  const bool Descending = Columns[0].Descending;
  // The first column decides again only where it said "equal" already.
  std::vector<TSortColumn> Rest;
  for (size_t i = 1; i < Columns.size(); ++i)
    if (Columns[i].Col != Columns[0].Col) Rest.push_back(Columns[i]);
  auto Then = [&](Integer A, Integer B) { return Rest.empty() ? 0 : CompareRows(Rest, 0, A, B); };
  const bool Blanks = FGrid.SortSettings()->IgnoreBlanks();
  if (First.Locale) {
    // The entries carry their keys' heads: most comparisons stay within
    // the two entries.
    std::vector<TSortKeys::TEntry> Entries = First.Locale->Entries();
    std::stable_sort(Entries.begin(), Entries.end(), [&](const TSortKeys::TEntry& A, const TSortKeys::TEntry& B) {
      Integer Primary = 0;
      if (Blanks) {
        Primary = CompareOn(Columns[0], Integer(A.Index), Integer(B.Index));
      } else {
        ++FComparisons;
        Primary = First.Locale->CompareEntries(A, B);
        if (Descending) Primary = -Primary;
      }
      return (Primary != 0 ? Primary : Then(Integer(A.Index), Integer(B.Index))) < 0;
    });
    for (const TSortKeys::TEntry& Entry : Entries) Result.push_back(Integer(Entry.Index));
    return Result;
  }
  // The first column's keys are sorted where they stand: each carries its
  // position, so comparing two rows reads the two keys at hand. They are
  // not read by position afterwards.
  const bool BlankFirst = FGrid.SortSettings()->BlankPos() == blFirst;
  // Styles whose keys are numbers alone, and the automatic style's classes
  // other than texts, compare right here.
  const TSortStyle Style = First.Style;
  const bool ByValue = Style == ssNumeric || Style == ssFinancial || Style == ssDate || Style == ssDateTime ||
                       Style == ssShortDateEU || Style == ssShortDateUS || Style == ssTime || Style == ssImages ||
                       Style == ssCheckBox;
  const bool ByRank = Style == ssAutomatic || Style == ssAlphaNumeric || Style == ssAlphaNumericNoCase;
  if (ByValue && !Blanks && Rest.empty()) {
    // A column of numbers or dates alone: the values decide, and equal
    // values keep their order in either direction. Each key carries its
    // position, so ordering equal values by it gives the stable order in
    // place, with no second array to merge through.
    Integer Made = 0;
    if (Descending)
      std::sort(First.Keys.begin(), First.Keys.end(), [&Made](const TCellKey& A, const TCellKey& B) {
        ++Made;
        return B.Value < A.Value || (A.Value == B.Value && A.Position < B.Position);
      });
    else
      std::sort(First.Keys.begin(), First.Keys.end(), [&Made](const TCellKey& A, const TCellKey& B) {
        ++Made;
        return A.Value < B.Value || (A.Value == B.Value && A.Position < B.Position);
      });
    FComparisons += Made;
    for (const TCellKey& Key : First.Keys) Result.push_back(Key.Position);
    return Result;
  }
  std::stable_sort(First.Keys.begin(), First.Keys.end(), [&](const TCellKey& A, const TCellKey& B) {
    ++FComparisons;
    Integer Primary = 0;
    if (Blanks && A.Blank != B.Blank) {
      Primary = A.Blank == BlankFirst ? -1 : 1;
    } else if (ByValue || (ByRank && (A.Rank != B.Rank || A.Rank != arText))) {
      Primary = A.Rank != B.Rank ? (A.Rank < B.Rank ? -1 : 1) : Sign(A.Value, B.Value);
      if (Descending) Primary = -Primary;
    } else {
      Primary = CompareStyled(First, First.Style, A, B, RowAt(size_t(A.Position)), RowAt(size_t(B.Position)));
      if (Descending) Primary = -Primary;
    }
    return (Primary != 0 ? Primary : Then(A.Position, B.Position)) < 0;
  });
  for (const TCellKey& Key : First.Keys) Result.push_back(Key.Position);
  return Result;
}

}  // namespace jorv::grid
