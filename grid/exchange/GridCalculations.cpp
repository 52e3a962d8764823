// Sums, averages, extremes, counts, standard deviations and distinct
// counts over columns, rows and rectangles of the grid, and the footer row
// that shows them. A cell takes part in a sum or an extreme only when its
// text holds a number: a blank or a word is no smallest value.
#include <cmath>
#include <unordered_set>
#include "foundation/HTMLUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {
using namespace jorv::foundation;

const wchar_t* const TRezIvevirAvod::FooterCalcError = L"#ERR";

namespace {

enum TNumberRead : uint8_t { nrNumber, nrNone, nrBad };

// The text as the typed float accessors read it: HTML stripped, cleaned
// to a number by the locale's separators. nrNone for a text without a
// digit (blank, a word), which those accessors count as 0.
TNumberRead ReadNumber(const String& Text, double& Value) {
  static const TFormatSettings Invariant = [] {
    TFormatSettings fs;
    fs.DecimalSeparator = L'.';
    fs.ThousandSeparator = L'\0';
    return fs;
  }();
  Value = 0;
  if (Text.empty()) return nrNone;
  const bool Tagged = Text.find_first_of(L"<&") != String::npos;
  const String Plain = NormalizeNumberText(Tagged ? HTMLToPlainText(Text) : Text);
  if (Plain.find_first_of(L"0123456789") == String::npos) return nrNone;
  return TryStrToFloat(Plain, Value, Invariant) ? nrNumber : nrBad;
}

[[noreturn]] void NotFloat() { throw DAvoDeveDeviz(L"Cell does not contain a float value"); }

}  // namespace

// Visits the rows FromRow..ToRow of a column with each row's text. With
// the row rules only base cells take part, and in a grouped grid no node
// or summary row that is shown. A range reaching past the last readable
// displayed row is read by stored index, so hidden rows take part.
template <class TVisit>
void TRezIvevirAvod::ForCalcRows(Integer ACol, Integer FromRow, Integer ToRow, bool RowRules, TVisit&& Visit) {
  const Integer LastReadable = RowCount() - (FFloatingFooter->Visible() ? 2 : 1);
  const bool ByStored = ToRow > LastReadable;
  ExportNotification(esExportStart, FromRow);
  auto Done = ScopeExit([this] { ExportNotification(esExportDone, -1); });
  for (Integer r = FromRow; r <= ToRow; ++r) {
    ExportNotification(esExportNextRow, r);
    const bool Hidden = ByStored && IsHiddenRow(r);
    const Integer D = ByStored ? RealToDisplRow(r) : r;
    if (RowRules && !Hidden) {
      if (HasCellProperties(ACol, D) && !IsBaseCell(ACol, D)) continue;
      if (FGroupColumn != -1 && (IsNode(D) || IsSummary(D))) continue;
    }
    Visit(ByStored ? GetAllCells(ACol, r) : GetCells(ACol, r));
  }
}

namespace {

// -1 in either bound stands for all normal rows.
void NormalRows(Integer& FromRow, Integer& ToRow, Integer First, Integer Last) {
  if (FromRow == -1 || ToRow == -1) {
    FromRow = First;
    ToRow = Last;
  }
}

}  // namespace

double TRezIvevirAvod::ColumnSum(Integer ACol, Integer FromRow, Integer ToRow) {
  NormalRows(FromRow, ToRow, FixedRows(), RowCount() - 1 - FFixedFooters);
  double Sum = 0;
  ForCalcRows(ACol, FromRow, ToRow, true, [&](const String& Text) {
    double V;
    if (ReadNumber(Text, V) == nrNumber) Sum += V;
  });
  return Sum;
}

double TRezIvevirAvod::ColumnAvg(Integer ACol, Integer FromRow, Integer ToRow) {
  NormalRows(FromRow, ToRow, FixedRows(), RowCount() - 1 - FFixedFooters);
  if (ToRow < FromRow) return 0;
  return ColumnSum(ACol, FromRow, ToRow) / (ToRow - FromRow + 1);
}

double TRezIvevirAvod::ColumnMin(Integer ACol, Integer FromRow, Integer ToRow) {
  NormalRows(FromRow, ToRow, FixedRows(), RowCount() - 1 - FFixedFooters);
  double Min = 0;
  bool Any = false;
  ForCalcRows(ACol, FromRow, ToRow, true, [&](const String& Text) {
    double V;
    if (ReadNumber(Text, V) != nrNumber || (Any && V >= Min)) return;
    Min = V;
    Any = true;
  });
  return Min;
}

double TRezIvevirAvod::ColumnMax(Integer ACol, Integer FromRow, Integer ToRow) {
  NormalRows(FromRow, ToRow, FixedRows(), RowCount() - 1 - FFixedFooters);
  double Max = 0;
  bool Any = false;
  ForCalcRows(ACol, FromRow, ToRow, true, [&](const String& Text) {
    double V;
    if (ReadNumber(Text, V) != nrNumber || (Any && V <= Max)) return;
    Max = V;
    Any = true;
  });
  return Max;
}

// The population standard deviation over every row of the range; a blank
// or a word counts 0, as in the average, and a text that is no number
// raises.
double TRezIvevirAvod::ColumnStdDev(Integer ACol, Integer FromRow, Integer ToRow) {
  NormalRows(FromRow, ToRow, FixedRows(), RowCount() - 1 - FFixedFooters);
  if (ToRow < FromRow) return 0;
  const double Mean = ColumnAvg(ACol, FromRow, ToRow);
  double Squares = 0;
  ForCalcRows(ACol, FromRow, ToRow, false, [&](const String& Text) {
    double V;
    if (ReadNumber(Text, V) == nrBad) NotFloat();
    Squares += (V - Mean) * (V - Mean);
  });
  return std::sqrt(Squares / (ToRow - FromRow + 1));
}

double TRezIvevirAvod::ColumnDistinct(Integer ACol, Integer FromRow, Integer ToRow) {
  NormalRows(FromRow, ToRow, FixedRows(), RowCount() - 1 - FFixedFooters);
  std::unordered_set<String> Seen;
  ForCalcRows(ACol, FromRow, ToRow, false, [&](const String& Text) { Seen.insert(AnsiUpperCase(Text)); });
  return static_cast<double>(Seen.size());
}

Integer TRezIvevirAvod::ColumnCount(Integer, Integer FromRow, Integer ToRow) {
  NormalRows(FromRow, ToRow, FixedRows(), RowCount() - 1 - FFixedFooters);
  return ToRow - FromRow + 1;
}

double TRezIvevirAvod::ColumnCustomCalc(Integer ACol, Integer FromRow, Integer ToRow) {
  double Result = 0;
  if (OnColumnCalc) OnColumnCalc(this, ACol, FromRow, ToRow, Result);
  return Result;
}

// --- rows and rectangles ----------------------------------------------------------------------

namespace {

enum TRowOp : uint8_t { roSum, roMin, roMax };

}  // namespace

double TRezIvevirAvod::RowSum(Integer ARow, Integer FromCol, Integer ToCol) {
  double Sum = 0, V;
  for (Integer c = FromCol; c <= ToCol; ++c)
    if (IsBaseCell(c, ARow) && ReadNumber(GetCells(c, ARow), V) == nrNumber) Sum += V;
  return Sum;
}

double TRezIvevirAvod::RowAvg(Integer ARow, Integer FromCol, Integer ToCol) {
  if (ToCol < FromCol) return 0;
  return RowSum(ARow, FromCol, ToCol) / (ToCol - FromCol + 1);
}

double TRezIvevirAvod::RowMin(Integer ARow, Integer FromCol, Integer ToCol) {
  double Min = 0, V;
  bool Any = false;
  for (Integer c = FromCol; c <= ToCol; ++c) {
    if (!IsBaseCell(c, ARow) || ReadNumber(GetCells(c, ARow), V) != nrNumber || (Any && V >= Min)) continue;
    Min = V;
    Any = true;
  }
  return Min;
}

double TRezIvevirAvod::RowMax(Integer ARow, Integer FromCol, Integer ToCol) {
  double Max = 0, V;
  bool Any = false;
  for (Integer c = FromCol; c <= ToCol; ++c) {
    if (!IsBaseCell(c, ARow) || ReadNumber(GetCells(c, ARow), V) != nrNumber || (Any && V <= Max)) continue;
    Max = V;
    Any = true;
  }
  return Max;
}

double TRezIvevirAvod::RectCalc(TGridRect GR, TCalcType CalcType) {
  if (GR.Left > GR.Right) std::swap(GR.Left, GR.Right);
  if (GR.Top > GR.Bottom) std::swap(GR.Top, GR.Bottom);
  double Result = 0;
  Integer Count = 0;
  for (Integer c = GR.Left; c <= GR.Right; ++c)
    for (Integer r = GR.Top; r <= GR.Bottom; ++r) {
      const double V = GetAllFloats(c, r);
      if (CalcType == ctMin && (Count == 0 || V < Result)) Result = V;
      else if (CalcType == ctMax && (Count == 0 || V > Result)) Result = V;
      else if (CalcType == ctSum || CalcType == ctAvg) Result += V;
      ++Count;
    }
  return CalcType == ctAvg && Count > 0 ? Result / Count : Result;
}

double TRezIvevirAvod::CellToReal(Integer ACol, Integer ARow) {
  const String Text = GetCells(ACol, ARow);
  if (Text.empty()) return 0;
  const String Plain = NormalizeNumberText(Text);
  const wchar_t* Start = Plain.c_str();
  wchar_t* End = nullptr;
  const double Value = std::wcstod(Start, &End);
  if (End != Start && *End == 0) return Value;
  throw DAvoDeveDeviz(L"Error at position: " + IntToStr(static_cast<Integer>(End - Start) + 1) + L" in Cell [" +
                      IntToStr(ACol) + L", " + IntToStr(ARow) + L"].");
}

// --- the footer row ---------------------------------------------------------------------------

void TRezIvevirAvod::CalcFooter(Integer ACol) { CalcFooterRows(ACol); }

void TRezIvevirAvod::RecalcColumnFooter(Integer ACol) { CalcFooter(ACol); }

void TRezIvevirAvod::CalcFooterRows(Integer ACol) {
  TFloatingFooter* Footer = FFloatingFooter.get();
  if (FInFooterCalc || !Footer->Visible() || Footer->FooterStyle() != fsFixedLastRow || !Footer->EnableCalculation())
    return;
  FInFooterCalc = true;
  auto Done = ScopeExit([this] { FInFooterCalc = false; });
  const Integer Last = RowCount() - 1;
  const Integer From = ACol == -1 ? 0 : ACol, To = ACol == -1 ? AllColCount() - 1 : ACol;
  for (Integer c = From; c <= To; ++c) {
    TCellProperties* Props = ExistingProps(c, Last);
    if (!Props || Props->CalcType() == acNONE) continue;
    // One column that cannot be computed must not stop the edit, filter
    // or expansion that asked for the footer: its cell says so instead.
    try {
      CalcFooterCell(c, Props->CalcType());
    } catch (const Exception&) {
      SetCells(c, Last, FooterCalcError);
    }
  }
}

void TRezIvevirAvod::CalcFooterCell(Integer ACol, TColumnCalcType Kind) {
  const Integer Last = RowCount() - 1;
  const Integer Hidden = FFloatingFooter->CalculateHiddenRows() ? NumHiddenRows() : 0;
  const Integer From = FixedRows(), To = RowCount() + Hidden - 2;
  switch (Kind) {
    case acSUM: SetFloats(ACol, Last, ColumnSum(ACol, From, To)); break;
    case acAVG: SetFloats(ACol, Last, ColumnAvg(ACol, From, To)); break;
    case acCOUNT: SetInts(ACol, Last, RowCount() + Hidden - FixedRows() - 1); break;
    case acMIN: SetFloats(ACol, Last, ColumnMin(ACol, From, To)); break;
    case acMAX: SetFloats(ACol, Last, ColumnMax(ACol, From, To)); break;
    case acDISTINCT: SetFloats(ACol, Last, ColumnDistinct(ACol, From, To)); break;
    case acSTDDEV: SetFloats(ACol, Last, ColumnStdDev(ACol, From, To)); break;
    case acCUSTOM: {
      String Value;
      if (OnFooterCalc) OnFooterCalc(this, ACol, RowCount() + Hidden - 1, Value);
      else if (FFloatingFooter->OnCalcFooter) FFloatingFooter->OnCalcFooter(this, ACol, RowCount() + Hidden - 1, Value);
      SetCells(ACol, Last, Value);
      break;
    }
    default: break;
  }
}

}  // namespace jorv::grid
