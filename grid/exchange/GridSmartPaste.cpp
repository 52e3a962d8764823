// A paste at the selection. With AllowSmartClipboard a paste smaller than
// the selection fills it: one cell everywhere, a column or row starting
// with two dates, times or numbers continued by their step, any other
// block repeated; a one-line paste is repeated on every selected row.
#include <functional>

#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

void TRezIvevirAvod::PasteSelectionFromClipboard() {
  ImportNotification(isImportStart, -1);
  FPasteAll = false;
  ExtendSelectionToMerged();
  const TGridRect S = Selection();
  Integer Cols = 0, Rows = 0;
  const Integer Pasted =
      PasteClipboardFormats(Options().Contains(goRowSelect) ? FixedCols() : S.Left, S.Top, Cols, Rows);
  if (!FNavigation->AllowSmartClipboard()) {
    DoClipboardPasteDone(TGridRect{S.Left, S.Top, S.Left + Cols, S.Top + Rows});
    DoCellsLoaded();
    return;
  }
  if (!SmartPaste(S, Pasted, Cols, Rows)) return;
  ImportNotification(isImportDone, -1);
  NotifyCellsChanged(TRect(Selection().Left, Selection().Top, Selection().Right, Selection().Bottom));
  DoClipboardPasteDone(Selection());
  DoCellsLoaded();
}

// False when the operation ends here (the paste filled the selection, or
// a series was written).
bool TRezIvevirAvod::SmartPaste(const TGridRect& S, Integer Pasted, Integer Cols, Integer Rows) {
  const Integer Cells = (S.Bottom - S.Top + 1) * (S.Right - S.Left + 1);
  if (Pasted >= Cells) return false;
  const bool Line = S.Left == S.Right || S.Top == S.Bottom;
  {
    BeginPasteCells();
    auto End = ScopeExit([this] { EndPasteCells(); });
    if (Pasted == 1 && Cells > 1) SmartFillOne(S);
  }
  if (Pasted > 1 && Line) {
    if (SmartSeries(S)) {
      NotifyCellsChanged(TRect(S.Left, S.Top, S.Right, S.Bottom));
      return false;
    }
    SmartRepeat(S, Pasted);
  }
  if (S.Bottom > S.Top && S.Left != S.Right && Rows == 1) {
    for (Integer r = S.Top + 1; r <= S.Bottom; ++r) {
      SetRowEx(r);
      PasteClipboardFormats(S.Left, r, Cols, Rows);
    }
    SetSelection(S);
  }
  if (S.Bottom != S.Top && S.Right > S.Left && Cols == 1) {
    for (Integer c = S.Left + 1; c <= S.Right; ++c) {
      SetCol(c);
      PasteClipboardFormats(c, S.Top, Cols, Rows);
    }
    SetSelection(S);
  }
  return true;
}

// One value to a cell of the fill: the top-left cell is the pasted one and
// gets no events of its own.
void TRezIvevirAvod::SmartWrite(Integer ACol, Integer ARow, String Value, bool First, bool MarkCell) {
  bool Allow = true;
  if (!First && OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, ACol, ARow, Value, Allow);
  if (!Allow) return;
  PasteCellText(ACol, ARow, Value);
  TPoint Origin = FClipTopLeft;
  if (MarkCell) PasteRangeDone(Origin, TRect(ACol, ARow, ACol, ARow), coCopy);
  if (!First && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, ACol, ARow, Value);
}

void TRezIvevirAvod::SmartFillOne(const TGridRect& S) {
  const Integer RC = DisplToRealCol(S.Left);
  String Value = GetCellEx(RC, S.Top);
  bool Checked = false;
  if (HasCheckBox(RC, S.Top) && GetCheckBoxState(RC, S.Top, Checked))
    Value = Checked ? GetCheckTrueText() : GetCheckFalseText();
  const bool Always = FNavigation->AllowClipboardAlways();
  for (Integer c = S.Left; c <= S.Right; ++c)
    for (Integer r = S.Top; r <= S.Bottom; ++r)
      if (IsEditable(c, r) || Always) SmartWrite(c, r, Value, c == S.Left && r == S.Top);
}

// Dates, times, decimals or integers in the first two cells continue by
// their step; a value that does not convert ends the series where it is.
bool TRezIvevirAvod::SmartSeries(const TGridRect& S) {
  const bool Down = S.Left == S.Right;
  const String A = GetCellEx(DisplToRealCol(S.Left), S.Top);
  const String B = Down ? GetCellEx(DisplToRealCol(S.Left), S.Top + 1) : GetCellEx(DisplToRealCol(S.Left + 1), S.Top);
  const TFormatSettings& FS = FormatSettings();
  auto Timeish = [&](const String& T) { return foundation::IsDateLike(T) || T.find(FS.TimeSeparator) != String::npos; };
  std::function<String()> Next;
  if (Timeish(A) && Timeish(B)) {
    TDateTime D1 = 0, D2 = 0;
    if (!TryStrToDateTime(A, D1) || !TryStrToDateTime(B, D2)) return true;
    Word Y1, M1, Day1, Y2, M2, Day2;
    DecodeDate(D1, Y1, M1, Day1);
    DecodeDate(D2, Y2, M2, Day2);
    const bool IsDate = A.find(FS.DateSeparator) != String::npos;
    TDateTime V = D1;
    Next = [=]() mutable {
      const String T = IsDate ? DateToStr(V) : TimeToStr(V);
      V = foundation::AddToDate(SmallInt(Y2 - Y1), SmallInt(M2 - M1), SmallInt(Day2 - Day1), V, D2 - D1);
      return T;
    };
  } else if (A.find(FS.DecimalSeparator) != String::npos || B.find(FS.DecimalSeparator) != String::npos) {
    double F1 = 0, F2 = 0;
    if (!TryStrToFloat(A, F1) || !TryStrToFloat(B, F2)) return true;
    double V = F1;
    Next = [=, this]() mutable {
      const String T = Format(FloatFormat(), V);
      V += F2 - F1;
      return T;
    };
  } else {
    Integer I1 = 0, I2 = 0;
    if (!TryStrToInt(A, I1) || !TryStrToInt(B, I2)) return false;
    Int64 V = I1;
    Next = [=]() mutable {
      const String T = IntToStr(V);
      V += Int64(I2) - I1;
      return T;
    };
  }
  try {
    for (Integer c = S.Left; c <= S.Right; ++c)
      for (Integer r = S.Top; r <= S.Bottom; ++r) {
        const String Value = Next();
        if (IsEditable(c, r)) SmartWrite(c, r, Value, c == S.Left && r == S.Top);
      }
  } catch (const Exception&) {
    // A date stepped out of the calendar: the cells written so far stay.
  }
  return true;
}

void TRezIvevirAvod::SmartRepeat(const TGridRect& S, Integer Pasted) {
  TPoint Origin(S.Left, S.Top);
  if (S.Left == S.Right) {
    const Integer RC = DisplToRealCol(S.Left);
    for (Integer r = S.Top + Pasted - 1; r <= S.Bottom; ++r)
      if (IsEditable(S.Left, r)) SmartWrite(S.Left, r, GetCellEx(RC, r - Pasted + 1), r == S.Top, false);
    PasteRangeDone(Origin, TRect(S.Left, S.Top + Pasted - 1, S.Left, S.Bottom), coCopy);
    return;
  }
  for (Integer c = S.Left + Pasted - 1; c <= S.Right; ++c)
    if (IsEditable(c, S.Top))
      SmartWrite(c, S.Top, GetCellEx(DisplToRealCol(c - Pasted + 1), S.Top), c == S.Left, false);
  PasteRangeDone(Origin, TRect(S.Left + Pasted - 1, S.Top, S.Right, S.Bottom), coCopy);
}

}  // namespace jorv::grid
