// Typed views over the cells' texts (integers, floats, dates, times, the
// value of a control inside an HTML cell), the kind of a cell, and the
// display-text hook that turns web addresses into links.
#include <algorithm>

#include "foundation/HTMLUtils.h"
#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

// The runtime's locale-independent conversion: "." as the decimal point and
// no grouping.
bool ToFloat(const String& Text, double& Value) {
  static const TFormatSettings Invariant = [] {
    TFormatSettings fs;
    fs.DecimalSeparator = L'.';
    fs.ThousandSeparator = L'\0';
    return fs;
  }();
  return TryStrToFloat(Text, Value, Invariant);
}

[[noreturn]] void NotInteger() { throw DAvoDeveDeviz(L"Cell does not contain integer value"); }
[[noreturn]] void NotFloat() { throw DAvoDeveDeviz(L"Cell does not contain a float value"); }

// An integer written after the locale: its thousand separators are only
// grouping, and a decimal part is rounded (halves to even).
Integer ParseInteger(String Text) {
  Text = Trim(Text);
  if (Text.empty() || Text == L"-") return 0;
  const Char Decimal = GridDecimalSeparator(), Thousand = GridThousandSeparator();
  if (Text.find(Decimal) == String::npos && Text.find(Thousand) == String::npos) {
    Integer Value = 0;
    if (!TryStrToInt(Text, Value)) NotInteger();
    return Value;
  }
  String Plain;
  for (Char C : Text) {
    if (C == Thousand && Thousand != Decimal) continue;
    Plain += C == Decimal ? L'.' : C;
  }
  double Value = 0;
  if (!ToFloat(Plain, Value)) NotInteger();
  return static_cast<Integer>(Round(Value));
}

double ParseFloat(const String& Text) {
  String Plain = NormalizeNumberText(Text);
  // A text without a digit (letters only, a lone sign) reads as 0.
  if (Plain.find_first_of(L"0123456789") == String::npos) return 0;
  double Value = 0;
  if (!ToFloat(Plain, Value)) NotFloat();
  return Value;
}

}  // namespace

// --- kinds ---------------------------------------------------------------------------------

// Cell graphics are objects of the grid's own graphic class; a cell holding
// none of them is of no kind (ctEmpty).
TCellType TRezIvevirAvod::GetCellType(Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0) return ctEmpty;
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) return ctRowCheckBox;
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  return G ? G->CellType() : ctEmpty;
}

bool TRezIvevirAvod::GetCellEmpty(Integer ACol, Integer ARow) {
  TCellGraphic* G = GetCellGraphic(ACol, ARow);
  return !G || (G->CellType() == ctNone && G->CellComment().empty());
}

String TRezIvevirAvod::GetCellFloatFormat(Integer, Integer) { return FFloatFormat; }

// --- integers and floats ---------------------------------------------------------------------

Integer TRezIvevirAvod::GetInts(Integer ACol, Integer ARow) { return ParseInteger(GetStrippedCells(ACol, ARow)); }

void TRezIvevirAvod::SetInts(Integer ACol, Integer ARow, Integer Value) {
  SetCells(ACol, ARow, IntToStr(Value));
  if (FNumHidden > 0) RepaintCell(RealToDisplCol(ACol), ARow);
}

Integer TRezIvevirAvod::GetAllInts(Integer ACol, Integer ARow) {
  String Text = Trim(GetAllCells(ACol, ARow));
  if (Text.empty() || Text == L"-") return 0;
  Integer Value = 0;
  if (!TryStrToInt(Text, Value)) NotInteger();
  return Value;
}

void TRezIvevirAvod::SetAllInts(Integer ACol, Integer ARow, Integer Value) {
  SetAllCells(ACol, ARow, IntToStr(Value));
}

double TRezIvevirAvod::GetFloats(Integer ACol, Integer ARow) { return ParseFloat(GetStrippedCells(ACol, ARow)); }

void TRezIvevirAvod::SetFloats(Integer ACol, Integer ARow, double Value) {
  SetCells(ACol, ARow, Format(GetCellFloatFormat(ACol, ARow), Value));
}

double TRezIvevirAvod::GetAllFloats(Integer ACol, Integer ARow) { return ParseFloat(GetAllCells(ACol, ARow)); }

void TRezIvevirAvod::SetAllFloats(Integer ACol, Integer ARow, double Value) {
  SetAllCells(ACol, ARow, Format(FFloatFormat, Value));
}

// --- dates and times -------------------------------------------------------------------------

TDateTime TRezIvevirAvod::GetDates(Integer ACol, Integer ARow) { return StrToDate(GetCells(ACol, ARow)); }

void TRezIvevirAvod::SetDates(Integer ACol, Integer ARow, TDateTime Value) {
  SetCells(ACol, ARow, Value > 0 || FShowNullDates ? DateToStr(Value) : String());
}

TDateTime TRezIvevirAvod::GetTimes(Integer ACol, Integer ARow) { return StrToTime(GetCells(ACol, ARow)); }

void TRezIvevirAvod::SetTimes(Integer ACol, Integer ARow, TDateTime Value) {
  SetCells(ACol, ARow, TimeToStr(Value));
}

// --- controls inside HTML cells -----------------------------------------------------------

String TRezIvevirAvod::GetCtrlVal(Integer ACol, Integer ARow, const String& ID) {
  String Value;
  GetControlValue(GetCells(ACol, ARow), ID, Value);
  return Value;
}

void TRezIvevirAvod::SetCtrlVal(Integer ACol, Integer ARow, const String& ID, const String& Value) {
  String HTML = GetCells(ACol, ARow);
  if (SetControlValue(HTML, ID, Value)) SetCells(ACol, ARow, HTML);
}

// --- text hooks -------------------------------------------------------------------------------

void TRezIvevirAvod::GetDisplText(Integer ACol, Integer ARow, String& Value) {
  TBaseGrid::GetDisplText(ACol, ARow, Value);
  if (!FURLShowInText) return;
  for (const wchar_t* Prefix : {L"HTTP://", L"WWW.", L"MAILTO:", L"HTTPS://", L"NNTP://", L"FILE://", L"FTP://"}) {
    String Linked;
    if (InsertHyperlinkAnchor(Value, Prefix, Linked)) {
      Value = Linked;
      return;
    }
  }
}

String TRezIvevirAvod::ReadCellText(Integer ACol, Integer ARow) { return GetCells(ACol, ARow); }

void TRezIvevirAvod::LoadCell(Integer ACol, Integer ARow, const String& Value) {
  String Text = Value;
  if (OnLoadCell) OnLoadCell(this, ACol, ARow, Text);
  SetGridCell(ACol, ARow, Text);
}

// A check box that is only a graphic keeps its state outside the text, so
// the file gets the grid's check text for it.
void TRezIvevirAvod::SaveCell(Integer ACol, Integer ARow, String& Value) {
  Value = FSaveVirtCells ? GetCells(ACol, ARow) : GetGridCell(ACol, ARow);
  TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
  if (Value.empty() && Graphic &&
      (Graphic->CellType() == ctCheckBox || Graphic->CellType() == ctTriStateCheckBox)) {
    TCheckBoxState State = cbUnchecked;
    GetCheckBoxState(ACol, ARow, State);
    if (State == cbChecked) GetCellCheckTrue(ACol, ARow, Value);
    else GetCellCheckFalse(ACol, ARow, Value);
  }
  const Integer Kind = foundation::ClassifyCellText(Value, true);
  if (Kind == 1 && !FSaveWithHTML) Value = foundation::HTMLToPlainText(Value);
  if (Kind == 2) {
    if (FSaveWithRTF) {
      Value = foundation::RemoveCR(Value);
      Value.erase(std::remove(Value.begin(), Value.end(), L'\n'), Value.end());
    } else {
      TFont Font;
      Value = RichPlainText(Value, &Font);
    }
  }
  if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

}  // namespace jorv::grid
