// The header's filter value lists and the filter-edit row: the values of a
// column, a pick or ticks turned into the column's condition, and the
// filter-type menu. A value made from cells reaches the row test as that
// value; only entries an application adds are read as conditions.
#include <algorithm>
#include <unordered_set>
#include "grid/core/GridGlyphs.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/FilterLists.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Menus.h"

namespace jorv::grid {

namespace {

void TrimInPlace(String& Text) {
  size_t Last = Text.size();
  while (Last > 0 && Text[Last - 1] <= L' ') --Last;
  Text.erase(Last);
  size_t First = 0;
  while (First < Text.size() && Text[First] <= L' ') ++First;
  Text.erase(0, First);
}

// The entry of a value: shown text "=" condition where the value needs
// quotes, the value alone otherwise.
String EntryOf(const String& Value) {
  if (Value.empty()) return L"=\"\"";
  if (Value.find(L' ') == String::npos) return Value;
  String Quoted = L"\"";
  for (Char C : Value) {
    Quoted += C;
    if (C == L'"') Quoted += L'"';
  }
  return Value + L"=" + Quoted + L"\"";
}

String ShownPart(const String& Entry) {
  const size_t At = Entry.find(L'=');
  return At == String::npos ? Entry : Entry.substr(0, At);
}

String ConditionPart(const String& Entry) {
  const size_t At = Entry.find(L'=');
  return At == String::npos ? Entry : Entry.substr(At + 1);
}

}  // namespace

void TRezIvevirAvod::SetFilterDropDownAuto(bool Value) {
  if (FFilterDropDownAuto == Value) return;
  FFilterDropDownAuto = Value;
  if (Value) FFixedRowAlways = true;
  Invalidate();
}

// The value an entry stands for when the grid made it from the cells and
// nobody changed it since; nullptr for an application's entry.
static const TFilterListValue* CarriedValue(TStringList* List, Integer Index) {
  auto* V = dynamic_cast<TFilterListValue*>(List->Objects(Index));
  return V && V->Entry == List->Strings(Index) ? V : nullptr;
}

bool TRezIvevirAvod::FilterDropDownValues(Integer ACol, bool AQuick) {
  TStringList* List = FFilterList.get();
  List->SetSorted(false);
  List->Clear();
  FFilterListValues.clear();
  if (FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == fdAll)) {
    TStringList Sorted;
    Sorted.SetCaseSensitive(true);
    const String& On = FFilterDropDown->TextChecked();
    const String& Off = FFilterDropDown->TextUnChecked();
    if (IsDataCheckBoxColumn(ACol) && !On.empty() && !Off.empty()) {
      Sorted.Add(On);
      if (Off != On) Sorted.Add(Off);
    } else {
      // One text made per row; a value is copied again only the first
      // time it is seen.
      std::unordered_set<String> Seen;
      auto Take = [&](String Text) {
        TrimInPlace(Text);
        if (Seen.insert(Text).second) Sorted.Add(std::move(Text));
      };
      for (Integer r = FixedRows(); r < RowCount() - FFixedFooters && !(AQuick && Sorted.Count() > 0); ++r)
        if (!IsNode(r)) Take(GetCells(ACol, r));
      const bool Hidden = !FIncrementalFilter && !(FFilterDropDownMultiCol && !FFilter->HasFilter(ACol));
      for (Integer i = 0; Hidden && i < FHiddenRows->Count() && !(AQuick && Sorted.Count() > 0); ++i)
        Take(FHiddenRows->Items(i).Items().Text(ACol));
    }
    Sorted.Sort();
    for (Integer i = 0; i < Sorted.Count(); ++i) {
      const String Entry = EntryOf(Sorted.Strings(i));
      FFilterListValues.push_back(std::make_unique<TFilterListValue>(Sorted.Strings(i), Entry));
      List->AddObject(Entry, FFilterListValues.back().get());
    }
  }
  if (!FFilterDropDownClear.empty() && !FFilterDropDownCheck) List->Insert(0, FFilterDropDownClear);
  if (!FFilterDropDownCheckUnCheckAll.empty() && FFilterDropDownCheck)
    List->Insert(0, FFilterDropDownCheckUnCheckAll);
  if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, List);
  return List->Count() > 0;
}

void TRezIvevirAvod::FilterListSelect(TObject* Sender, Integer ItemIndex) {
  const Integer Col = FFilterCol;
  FFilterCol = -1;
  if (Col < 0 || ItemIndex < 0) return;
  if (HandleAllocated() && CanFocus()) SetFocus();
  auto* List = dynamic_cast<TCustomListBox*>(Sender);
  const String Picked = List && ItemIndex < List->Count() ? List->Items()->Strings(ItemIndex) : String();
  FilterDropDownValues(Col, false);
  const Integer At = List ? FilterEntryIndex(Picked, ItemIndex) : ItemIndex;
  if (At < 0 || At >= FFilterList->Count()) return;
  const String Entry = FFilterList->Strings(At);
  const TFilterListValue* Carried = CarriedValue(FFilterList.get(), At);
  String Shown = Carried ? Carried->Value : ShownPart(Entry);
  String Condition = ConditionPart(Entry);
  String Literal = Carried ? Carried->Value : String();
  bool IsLiteral = Carried != nullptr;
  if (IsDataCheckBoxColumn(Col) && (Entry == FFilterDropDown->TextChecked() || Entry == FFilterDropDown->TextUnChecked())) {
    Condition = Literal = Entry == FFilterDropDown->TextChecked() ? FCheckTrue : FCheckFalse;
    IsLiteral = true;
  }
  if (FAutoFilterUpdate) SetFilterActive(false);
  if (Entry == FFilterDropDownClear) Condition.clear();
  else if (Condition.find(L'&') != String::npos && Condition.compare(0, 1, L"\"") != 0)
    Condition = L"\"" + Condition + L"\"";
  const String Built = Condition;
  if (OnFilterSelect) OnFilterSelect(this, Col, ItemIndex, Shown, Condition);
  if (!FFilterDropDownMultiCol) FFilter->Clear();
  if (!Condition.empty()) {
    TFilterData* Item = FFilter->GetColFilter(Col);
    Item->SetCondition(Condition);
    if (IsLiteral && Condition == Built) Item->SetLiteral(ftEqual, {Literal});
    Item->FriendlyName = Shown;
  } else {
    FFilter->RemoveColumnFilter(Col);
  }
  if (!FAutoFilterUpdate) return;
  FFixedRowAlways = true;
  SetFilterActive(true);
  if (RowCount() > FixedRows()) SetRow(FixedRows());
  DoFilterDone();
}

// The entry of the refilled value list that a list item shows: the value
// lists of one column may differ between fills (hidden rows' values join
// once the column has a condition), so items are found by what they show;
// Fallback when the item is gone.
Integer TRezIvevirAvod::FilterEntryIndex(const String& Shown, Integer Fallback) {
  if (Fallback >= 0 && Fallback < FFilterList->Count()) {
    const TFilterListValue* Carried = CarriedValue(FFilterList.get(), Fallback);
    if ((Carried ? Carried->Value : ShownPart(FFilterList->Strings(Fallback))) == Shown) return Fallback;
  }
  for (Integer i = 0; i < FFilterList->Count(); ++i) {
    const TFilterListValue* Carried = CarriedValue(FFilterList.get(), i);
    if ((Carried ? Carried->Value : ShownPart(FFilterList->Strings(i))) == Shown) return i;
  }
  return -1;
}

void TRezIvevirAvod::FilterCheckListClick(TObject* Sender, Integer ItemIndex) {
  const Integer Col = FFilterCol;
  auto* List = dynamic_cast<TDropCheckList*>(Sender);
  if (!List) List = FDropCheckList;
  if (Col < 0 || ItemIndex < 0 || !List || ItemIndex >= List->Count()) return;
  FilterDropDownValues(Col, false);
  if (FAutoFilterUpdate) SetFilterActive(false);
  if (FFilterDropDownMultiCol) FFilter->RemoveColumnFilter(Col);
  else FFilter->Clear();
  const bool HasAll = !FFilterDropDownCheckUnCheckAll.empty();
  if (HasAll && ItemIndex != 0 && !List->Checked(ItemIndex)) List->SetChecked(0, false);
  if (HasAll && List->ItemIndex() == 0)
    for (Integer i = 1; i < List->Count(); ++i) List->SetChecked(i, List->Checked(0));
  bool AllTicked = FFilterDropDownAuto;
  for (Integer i = HasAll ? 1 : 0; AllTicked && i < List->Count(); ++i) AllTicked = List->Checked(i);
  if (OnFilterCheckClick) OnFilterCheckClick(this, Col, ItemIndex, List->Checked(ItemIndex), List);
  if (!AllTicked) ApplyTickedValues(Col, List);
  List->Invalidate();
}

// The ticked entries become one condition of the column: their
// conditions joined with "|", or, when all were made from cells and kept,
// the values themselves.
void TRezIvevirAvod::ApplyTickedValues(Integer Col, TDropCheckList* List) {
  String Joined, Shown;
  std::vector<String> Values;
  bool AllLiteral = true;
  for (Integer i = 0; i < List->Count(); ++i) {
    if (!List->Checked(i)) continue;
    const Integer At = FilterEntryIndex(List->Items()->Strings(i), i);
    if (At < 0) continue;
    const String Entry = FFilterList->Strings(At);
    const TFilterListValue* Carried = CarriedValue(FFilterList.get(), At);
    String Condition;
    if (Entry != FFilterDropDownClear && Entry != FFilterDropDownCheckUnCheckAll) {
      if (Entry.find(L'=') != String::npos) Condition = ConditionPart(Entry);
      else if (Entry.empty()) Condition = L"\"\"";
      else Condition = Entry.find(L'&') != String::npos ? L"\"" + Entry + L"\"" : Entry;
    }
    const String Built = Condition;
    const String Name = Carried ? Carried->Value : ShownPart(Entry);
    if (OnFilterCheck) OnFilterCheck(this, Col, i, Name, Condition, List);
    if (Condition.empty()) continue;
    if (!Carried || Condition != Built) AllLiteral = false;
    if (Carried) Values.push_back(Carried->Value);
    Joined += (Joined.empty() ? L"" : L"|") + Condition;
    Shown += (Shown.empty() ? L"" : L"|") + Name;
  }
  if (!Joined.empty()) {
    TFilterData* Item = FFilter->Add();
    Item->SetCondition(Joined);
    Item->FriendlyName = Shown;
    Item->SetColumn(static_cast<SmallInt>(Col));
    if (Joined.find(L"</") != String::npos) Item->SetMethod(fmLiteral);
    if (AllLiteral) Item->SetLiteral(ftEqual, std::move(Values));
  }
  SetFilterActive(FFilter->Count() > 0);
  DoFilterDone();
}

void TRezIvevirAvod::SetFilterEditCondition(Integer ACol, TFilterType AFilterType) {
  SetFilterActive(false);
  const Integer EditRow = FFilterEdit->Row();
  if (AFilterType == ftClear) {
    SetCells(ACol, EditRow, L"");
    AFilterType = ftContains;
  }
  TFilterData* Item = nullptr;
  if (FFilter->HasFilter(ACol)) {
    Item = FFilter->GetColFilter(ACol);
  } else {
    Item = FFilter->Add();
    Item->FilterType = ftContains;
  }
  Item->SetCaseSensitive(FFilterEdit->CaseSensitive());
  Item->SetColumn(static_cast<SmallInt>(ACol));
  if (AFilterType != ftNone) Item->FilterType = AFilterType;
  const String Text = GetCells(ACol, EditRow);
  Item->BuildCondition(Text);
  Item->SetEnabled(!Text.empty());
  DoFilterEditUpdate(ACol, Text, Item->FilterType);
  SetFilterActive(true);
  if (RowCount() > 0) InvalidateRow(0);
  DoFilterDone();
}

void TRezIvevirAvod::FilterTypeMenuClick(TObject* Sender) {
  auto* Item = dynamic_cast<TMenuItem*>(Sender);
  if (!Item || !FFltrPopup) return;
  SetFilterEditCondition(static_cast<Integer>(FFltrPopup->Tag()), static_cast<TFilterType>(Item->Tag()));
}

}  // namespace jorv::grid

// --- the list controls and the type menu ------------------------------------------------------

namespace jorv::grid {

namespace {

const wchar_t* const FilterTypeIcons[] = {L"ZVQGRDSTARTSWITH", L"ZVQGRDENDSWITH", L"ZVQGRDCONTAINS",
                                          L"ZVQGRDNOTCONTAINS", L"ZVQGRDEQUAL", L"ZVQGRDNOTEQUAL",
                                          L"ZVQGRDCLEAR"};

// The menu's icon of a filter type: a program's bitmap of that name, or
// the type's sign drawn on a 16 x 16 picture.
void MakeFilterTypeIcon(TBitmap* Icon, Integer Kind) {
  if (LoadGridGlyph(Icon, FilterTypeIcons[Kind])) return;
  static const wchar_t* const Signs[] = {L"a*", L"*a", L"*a*", L"!a", L"=", L"\x2260", L"\x00D7"};
  Icon->SetSize(16, 16);
  TCanvas* C = Icon->Canvas();
  C->Brush()->SetColor(0xFF00FF);
  C->FillRect(TRect(0, 0, 16, 16));
  C->Brush()->SetColor(Kind == 6 ? 0x3030C0 : 0xB07030);
  C->FillRect(TRect(1, 2, 15, 14));
  C->Font()->SetName(L"Tahoma");
  C->Font()->SetSize(7);
  C->Font()->SetColor(0xFFFFFF);
  C->Font()->SetStyle(TFontStyles{fsBold});
  C->Brush()->SetStyle(bsClear);
  const String Sign = Signs[Kind];
  C->TextOut((16 - C->TextWidth(Sign)) / 2, (16 - C->TextHeight(Sign)) / 2, Sign);
}

}  // namespace

TDropList* TRezIvevirAvod::FilterDropList() {
  if (!FDropList) {
    FDropList = new TDropList(this);
    FDropList->SetVisible(false);
    FDropList->OnSelect = [this](TObject* Sender, Integer Index) { FilterListSelect(Sender, Index); };
    FDropList->OnCancel = [this](TObject*) { HideFilterLists(); };
  }
  return FDropList;
}

TDropCheckList* TRezIvevirAvod::FilterDropCheckList() {
  if (!FDropCheckList) {
    FDropCheckList = new TDropCheckList(this);
    FDropCheckList->SetVisible(false);
    FDropCheckList->OnSelect = [this](TObject* Sender, Integer Index) { FilterCheckListClick(Sender, Index); };
    FDropCheckList->OnCancel = [this](TObject*) { HideFilterLists(); };
  }
  return FDropCheckList;
}

TPopupMenu* TRezIvevirAvod::FilterTypeMenu() {
  if (FFltrPopup) return FFltrPopup;
  FFltrPopup = new TPopupMenu(this);
  auto* Images = new TImageList(FFltrPopup);
  Images->SetSize(16, 16);
  FFltrPopup->SetImages(Images);
  for (Integer i = 0; i <= ftClear; ++i) {
    TBitmap Icon;
    MakeFilterTypeIcon(&Icon, i);
    Images->AddMasked(&Icon, 0xFF00FF);
    auto* Item = new TMenuItem(FFltrPopup);
    Item->SetImageIndex(i);
    Item->SetTag(i);
    Item->OnClick = [this](TObject* Sender) { FilterTypeMenuClick(Sender); };
    FFltrPopup->Items()->Add(Item);
  }
  // The captions follow TypeNames each time the menu opens.
  FFltrPopup->OnPopup = [this](TObject*) {
    TStringList* Names = FFilterEdit->TypeNames();
    for (Integer i = 0; i < FFltrPopup->Items()->Count() && i < Names->Count(); ++i)
      FFltrPopup->Items()->Items(i)->SetCaption(Names->Strings(i));
  };
  return FFltrPopup;
}

void TRezIvevirAvod::HideFilterLists() {
  const bool WasOpen = (FDropList && FDropList->Visible()) || (FDropCheckList && FDropCheckList->Visible());
  if (FDropList) FDropList->SetVisible(false);
  if (FDropCheckList) FDropCheckList->SetVisible(false);
  if (WasOpen && FFilterCol >= 0) DoFilterClose(FFilterCol);
  FFilterCol = -1;
}

bool TRezIvevirAvod::ShowFilterList(Integer ACol) {
  if (!FilterDropDownValues(ACol, false)) return false;
  HideFilterLists();
  FFilterCol = ACol;
  TCustomListBox* List = FFilterDropDownCheck ? static_cast<TCustomListBox*>(FilterDropCheckList())
                                              : static_cast<TCustomListBox*>(FilterDropList());
  List->SetColor(FFilterDropDown->Color());
  List->Font()->Assign(FFilterDropDown->Font());
  List->SetParent(this);
  List->Clear();
  TFilterData* Chosen = nullptr;
  for (Integer i = 0; i < FFilter->Count(); ++i)
    if (FFilter->Items(i)->Column() == ACol) Chosen = FFilter->Items(i);
  Integer Widest = 0;
  TCanvas* Measure = Canvas();
  Measure->Font()->Assign(FFilterDropDown->Font());
  for (Integer i = 0; i < FFilterList->Count(); ++i) {
    const TFilterListValue* Carried = CarriedValue(FFilterList.get(), i);
    const String Shown = Carried ? Carried->Value : ShownPart(FFilterList->Strings(i));
    List->Items()->Add(Shown);
    if (FFilterDropDownCheck && Chosen) FilterDropCheckList()->SetChecked(i, IsChosenValue(Chosen, Shown, Carried));
    Widest = std::max(Widest, Measure->TextWidth(Shown) + (FFilterDropDownCheck ? 24 : 8));
  }
  if (!FFilterDropDownCheck && List->Count() > 0) List->SetItemIndex(0);
  PlaceFilterList(List, ACol, Widest);
  bool Allow = true;
  DoFilterShow(ACol, Allow);
  if (!Allow) {
    List->SetVisible(false);
    FFilterCol = -1;
    return false;
  }
  List->SetVisible(true);
  List->BringToFront();
  if (List->CanFocus()) List->SetFocus();
  return true;
}

// Whether a value shows ticked: one of the column's literal values, or a
// part of its shown names (values with a blank compared in quotes).
bool TRezIvevirAvod::IsChosenValue(const TFilterData* Chosen, const String& Shown, const void* Carried) {
  if (Chosen->HasLiteral()) {
    const auto& Values = Chosen->LiteralValues();
    return Carried && std::find(Values.begin(), Values.end(), Shown) != Values.end();
  }
  auto Quoted = [](const String& S) { return S.find(L' ') == String::npos ? S : L"\"" + S + L"\""; };
  const String Name = Chosen->FriendlyName;
  size_t Start = 0;
  for (;;) {
    const size_t Bar = Name.find(L'|', Start);
    if (Quoted(Name.substr(Start, Bar - Start)) == Quoted(Shown)) return true;
    if (Bar == String::npos) return false;
    Start = Bar + 1;
  }
}

void TRezIvevirAvod::PlaceFilterList(TWinControl* List, Integer ACol, Integer Widest) {
  const TRect Cell = CellRect(RealToDisplCol(ACol), FFilterDropDownRow);
  Integer W = FFilterDropDown->Width(), H = FFilterDropDown->Height();
  if (FFilterDropDown->AutoSize()) {
    auto* Box = static_cast<TCustomListBox*>(List);
    Integer Available = Height() - GetRowHeights(0);
    if (VisibleColCount() < ColCount() - FixedCols()) Available -= GetSystemMetrics(SM_CYHSCROLL);
    const Integer Needed = Box->Count() * Box->ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
    H = std::min(Available, Needed);
    if (Needed > Available) Widest += GetSystemMetrics(SM_CXVSCROLL);
    W = Widest + 2 * GetSystemMetrics(SM_CXEDGE);
  }
  Integer Left = Cell.Right - 16, Top = Cell.Top + 16;
  if (FFilterDropDown->ColumnWidth()) {
    Left = Cell.Left;
    W = Cell.Right - Cell.Left;
  }
  if (Left + W > Width()) Left = std::max(Cell.Right - W, 0);
  List->SetBounds(Left, Top, W, H);
}

}  // namespace jorv::grid
