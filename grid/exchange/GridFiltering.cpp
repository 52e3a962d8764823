// Row filtering: the row test over the filter's conditions, and applying
// and removing filters as levels of the hidden-row store. A level comes
// back whole, with the cells its rows took along.
#include <cmath>
#include <utility>
#include "foundation/FilterMatch.h"
#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {
using namespace jorv::foundation;

namespace {

// Blanks and control characters at both ends go.
String TrimmedCellText(String Text) {
  size_t First = 0, Last = Text.size();
  while (First < Last && Text[First] <= L' ') ++First;
  while (Last > First && Text[Last - 1] <= L' ') --Last;
  if (Last < Text.size()) Text.erase(Last);
  if (First > 0) Text.erase(0, First);
  return Text;
}

String UpperAToZ(String Text) {
  for (Char& C : Text)
    if (C >= L'a' && C <= L'z') C = static_cast<Char>(C - 32);
  return Text;
}

bool MatchWholeRow(const TFilterData* Item, const String& RowText) {
  if (Item->Condition().empty()) return false;
  return UpperAToZ(RowText).find(UpperAToZ(Item->Condition())) != String::npos;
}

bool MatchCellText(const TFilterData* Item, String Text) {
  const String& Prefix = Item->Prefix();
  if (!Prefix.empty() && Text.compare(0, Prefix.size(), Prefix) == 0) Text.erase(0, Prefix.size());
  const String& Suffix = Item->Suffix();
  const size_t At = Suffix.empty() ? String::npos : Text.find(Suffix);
  if (At != String::npos && At + Suffix.size() == Text.size()) Text.erase(At);
  if (Item->Condition().empty()) return true;
  if (Item->HasLiteral()) return Item->MatchesLiteral(Text);
  const String Folded = Item->RemoveAccented() ? FoldAccents(Item->Condition()) : String();
  const String& Condition = Item->RemoveAccented() ? Folded : Item->Condition();
  if (Item->Method() == fmLiteral) return Condition == L"\"\"" ? Text.empty() : Condition == Text;
  try {
    return MatchFilterExpression(Condition, Text, Item->CaseSensitive());
  } catch (const std::exception&) {
    // A condition the matcher cannot read fails the item; the test goes on.
    return false;
  }
}

}  // namespace

String TRezIvevirAvod::FilterCellText(const TFilterData* Item, Integer ARow) {
  const Integer Col = Item->Column();
  switch (Item->Data()) {
    case fcNormal: return GetGridCell(Col, ARow);
    case fcStripHTML: return GetStrippedCells(Col, ARow);
    case fcCalculated: return ReadCellText(Col, ARow);
    case fcRow: {
      String Row;
      for (Integer c = 0; c < AllColCount(); ++c) Row += GetCells(c, ARow) + L"\r\n";
      return Row;
    }
    default: return GetCells(Col, ARow);
  }
}

bool TRezIvevirAvod::MatchFilterRow(Integer ARow) {
  bool Result = true;
  for (Integer i = 0; i < FFilter->Count(); ++i) {
    const TFilterData* Item = FFilter->Items(i);
    if (!Item->Enabled()) continue;
    String Text = TrimmedCellText(FilterCellText(Item, ARow));
    if (Item->RemoveAccented()) Text = FoldAccents(Text);
    if (Text.find(L"|\\") != String::npos) Text = MarkedTextToWide(Text);
    const bool Match = Item->Data() == fcRow ? MatchWholeRow(Item, Text) : MatchCellText(Item, std::move(Text));
    switch (Item->Operation()) {
      case foAND: Result = Result && Match; break;
      case foXOR: Result = Result != Match; break;
      case foOR: Result = Result || Match; break;
      default: Result = Match; break;
    }
    if (Item->Operation() == foSHORT && !Match) break;
  }
  if (OnCustomFilter) OnCustomFilter(this, ARow, Result);
  return Result;
}

void TRezIvevirAvod::FilterRow(Integer ARow) {
  if (MatchFilterRow(ARow)) return;
  TIntList Rows;
  Rows.Add(ARow);
  HideRowList(&Rows);
}

void TRezIvevirAvod::ApplyFilter() {
  FFilterFixedRows = FFixedRowsMin;
  const Integer Last = RowCount() - FFixedFooters - 1;
  const Integer Normal = RowCount() - FFixedFooters - FFilterFixedRows;
  if (Normal <= 0) return;
  TIntList Failing;
  Integer Tested = 0;
  SmallInt Progress = 0;
  for (Integer r = FixedRows(); r <= Last; ++r) {
    if (FFilterNormalCellsOnly && (IsNode(r) || IsSummary(r))) continue;
    if (!MatchFilterRow(r)) Failing.Add(r);
    ++Tested;
    if (OnFilterProgress) {
      Progress = static_cast<SmallInt>(std::lround(Tested * 100.0 / Normal));
      OnFilterProgress(this, Progress);
    }
  }
  HideRowList(&Failing);
  if (OnFilterProgress) OnFilterProgress(this, Progress);
}

// Puts back the fixed rows that hiding every row may have lowered.
void TRezIvevirAvod::RestoreFilterFixedRows() {
  if (FFilterFixedRows < RowCount() || FFixedRowAlways) SetFixedRows(FFilterFixedRows);
}

// Brings back the latest level and forgets it, so that the next removal
// brings back the level before.
void TRezIvevirAvod::UnHideLatestLevel() {
  if (FilterLevel() == 0) return;
  UnHideRowList();
  SetFilterLevel(FilterLevel() - 1);
  RestoreFilterFixedRows();
  // The hidden selection comes back here once the grid's selection keeps one.
}

void TRezIvevirAvod::SetFilterActive(bool Value) {
  if (Value != FFilterActive) {
    FFilterActive = Value;
    if (Value) {
      if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows(), true);
      BeginUpdate();
      auto Done = ScopeExit([this] { EndUpdate(); });
      ApplyFilter();
    } else {
      UnHideLatestLevel();
    }
    if (RowCount() > FixedRows()) SetTopRow(FixedRows());
  }
  CalcFooter(-1);
}

bool TRezIvevirAvod::RemoveLastFilter() {
  bool Result = false;
  if (FilterLevel() > 0) {
    UnHideLatestLevel();
    CalcFooter(-1);
    if (FFilter->Count() > 0) FFilter->Delete(FFilter->Count() - 1);
    Result = FilterLevel() > 1;
  }
  FIsNarrowDown = false;
  return Result;
}

void TRezIvevirAvod::RemoveAllFilters() {
  if (FilterLevel() == 0) FFilter->Clear();
  while (FilterLevel() > 0) RemoveLastFilter();
  FIsNarrowDown = false;
}

void TRezIvevirAvod::NarrowDown(const String& ACondition, bool DoRemoveAccented, Integer AColumn) {
  FIsNarrowDown = !ACondition.empty();
  FFixedRowAlways = true;
  const String Last = FLastFilter;
  auto Narrow = [&] {
    FFilter->Clear();
    TFilterData* Item = FFilter->Add();
    if (AColumn == -1) {
      Item->SetData(fcRow);
      Item->SetCondition(ACondition);
    } else {
      const String Wrapped = L"*" + ACondition + L"*";
      Item->SetData(fcNormal);
      Item->SetCondition(ACondition.find(L' ') == String::npos ? Wrapped : L"\"" + Wrapped + L"\"");
      // The typed text is searched for as it is, wildcards and all.
      Item->SetLiteral(ftContains, {ACondition});
    }
    Item->SetRemoveAccented(DoRemoveAccented);
    Item->SetCaseSensitive(false);
    Item->SetColumn(static_cast<SmallInt>(AColumn));
    ApplyFilter();
  };
  const auto Extends = [](const String& Longer, const String& Shorter) {
    return !Shorter.empty() && Longer.size() == Shorter.size() + 1 && Longer.compare(0, Shorter.size(), Shorter) == 0;
  };
  if (Extends(ACondition, Last)) {
    Narrow();
  } else if (Extends(Last, ACondition)) {
    RemoveLastFilter();
  } else {
    RemoveAllFilters();
    if (!ACondition.empty()) Narrow();
  }
  FLastFilter = ACondition;
  // Nothing typed: every hidden row comes back with its cells, also those
  // of contracted nodes and hidden ranges.
  if (ACondition.empty()) {
    UnHideRowsAll();
    SetFilterLevel(0);
  }
}

}  // namespace jorv::grid
