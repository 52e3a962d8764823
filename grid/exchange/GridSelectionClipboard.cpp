// The selection on the clipboard as text (cells joined by TAB, rows ended
// by CR LF when there are several) and that text pasted back at the
// selection. A paste into a larger selection, with AllowSmartClipboard,
// fills it: one cell everywhere, a column or row of numbers continued by
// their step, any other block repeated.
#include <vector>

#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Clipboard.h"

namespace jorv::grid {

namespace {

String CellForClipboard(String S) {
  if (S.rfind(L"|\\", 0) == 0) S = foundation::MarkedTextToWide(S);
  if (S.find(L'\r') != String::npos) {
    String Lines;
    for (size_t i = 0; i < S.size(); ++i) {
      if (S[i] == L'\r' && i + 1 < S.size() && S[i + 1] == L'\n') continue;
      Lines += S[i] == L'\r' ? L'\n' : S[i];
    }
    S = L"\"" + Lines + L"\"";
  }
  return S;
}

String SelectionText(TRezIvevirAvod* Grid, const TGridRect& R) {
  String Text;
  for (Integer r = R.Top; r <= R.Bottom; ++r) {
    for (Integer c = R.Left; c <= R.Right; ++c) {
      Text += CellForClipboard(Grid->GetCells(Grid->DisplToRealCol(c), r));
      if (c < R.Right) Text += L'\t';
    }
    if (R.Top < R.Bottom) Text += L"\r\n";
  }
  return Text;
}

// A quoted multi-line field comes back without its quotes.
String UnquoteField(String F) {
  if (F.find(L'\n') == String::npos || F.empty() || F[0] != L'"') return F;
  F.erase(0, 1);
  const size_t Quote = F.find(L'"');
  if (Quote != String::npos && Quote == F.size() - 1) F.pop_back();
  return F;
}

struct TPasteCount {
  Integer Fields = 0;
  Integer Cols = 0;
  Integer Rows = 0;
};

// Writes the text's fields from (ACol, ARow) on; counts every field of
// every line, the empty one after a final line break included.
TPasteCount PasteText(TRezIvevirAvod* Grid, Integer ACol, Integer ARow, const String& Text) {
  TPasteCount N;
  if (ACol < 0 || ARow < 0) return N;
  std::vector<String> Lines;
  size_t Start = 0;
  for (size_t i = 0; i <= Text.size(); ++i) {
    if (i < Text.size() && Text[i] != L'\r') continue;
    Lines.push_back(Text.substr(Start, i - Start));
    Start = i + 1;
    if (Start < Text.size() && Text[Start] == L'\n') ++Start, ++i;
  }
  TNavigation* Nav = Grid->Navigation();
  Integer r = ARow;
  for (size_t l = 0; l < Lines.size(); ++l) {
    const String& Line = Lines[l];
    const bool Last = l + 1 == Lines.size();
    ++N.Rows;
    if (Line.find(L'\t') != String::npos) N.Cols = 1;
    Integer c = ACol;
    size_t From = 0;
    for (;;) {
      const size_t Tab = Line.find(L'\t', From);
      const bool LastField = Tab == String::npos;
      const String Field = UnquoteField(Line.substr(From, LastField ? String::npos : Tab - From));
      if (!LastField) ++N.Cols;
      bool Written = false;
      if (!(LastField && Field.empty() && Last) && c < Grid->ColCount() && r < Grid->RowCount() &&
          (Grid->IsEditable(Grid->DisplToRealCol(c), r) || Nav->AllowClipboardAlways())) {
        Grid->SetCells(Grid->DisplToRealCol(c), r, Field);
        Written = true;
      }
      ++N.Fields;
      if (!LastField || Written) ++c;
      if (c > Grid->ColCount() && Nav->AllowClipboardColGrow()) Grid->SetColCount(c);
      if (LastField) break;
      From = Tab + 1;
    }
    if (Last) break;
    ++r;
    if (r == Grid->RowCount() && Nav->AllowClipboardRowGrow()) Grid->SetRowCount(Grid->RowCount() + 1);
  }
  --N.Rows;
  return N;
}

// Every editable cell of S, column by column, in S's order.
template <typename F>
void ForEachEditable(TRezIvevirAvod* Grid, const TGridRect& S, F Write) {
  const bool Always = Grid->Navigation()->AllowClipboardAlways();
  for (Integer c = S.Left; c <= S.Right; ++c)
    for (Integer r = S.Top; r <= S.Bottom; ++r)
      if (Grid->IsEditable(Grid->DisplToRealCol(c), r) || Always) Write(c, r);
}

// A one-column or one-row selection starting with two numbers continues
// them by their step; false when they are no numbers.
bool ContinueSeries(TRezIvevirAvod* Grid, const TGridRect& S) {
  const bool Down = S.Left == S.Right;
  const String A = Grid->GetCells(Grid->DisplToRealCol(S.Left), S.Top);
  const String B = Down ? Grid->GetCells(Grid->DisplToRealCol(S.Left), S.Top + 1)
                        : Grid->GetCells(Grid->DisplToRealCol(S.Left + 1), S.Top);
  const Char Sep = FormatSettings().DecimalSeparator;
  if (A.find(Sep) != String::npos || B.find(Sep) != String::npos) {
    double F1 = 0, F2 = 0;
    if (!TryStrToFloat(A, F1) || !TryStrToFloat(B, F2)) return true;
    double V = F1;
    ForEachEditable(Grid, S, [&](Integer c, Integer r) {
      Grid->SetCells(Grid->DisplToRealCol(c), r, Format(Grid->FloatFormat(), V));
      V += F2 - F1;
    });
    return true;
  }
  Integer I1 = 0, I2 = 0;
  if (!TryStrToInt(A, I1) || !TryStrToInt(B, I2)) return false;
  Integer V = I1;
  ForEachEditable(Grid, S, [&](Integer c, Integer r) {
    Grid->SetCells(Grid->DisplToRealCol(c), r, IntToStr(Int64(V)));
    V += I2 - I1;
  });
  return true;
}

void RepeatBlock(TRezIvevirAvod* Grid, const TGridRect& S, Integer N) {
  const bool Always = Grid->Navigation()->AllowClipboardAlways();
  if (S.Left == S.Right) {
    const Integer RC = Grid->DisplToRealCol(S.Left);
    for (Integer r = S.Top + N - 1; r <= S.Bottom; ++r)
      if (Grid->IsEditable(RC, r) || Always) Grid->SetCells(RC, r, Grid->GetCells(RC, r - N + 1));
    return;
  }
  for (Integer c = S.Left + N - 1; c <= S.Right; ++c) {
    const Integer RC = Grid->DisplToRealCol(c);
    if (Grid->IsEditable(RC, S.Top) || Always)
      Grid->SetCells(RC, S.Top, Grid->GetCells(Grid->DisplToRealCol(c - N + 1), S.Top));
  }
}

void SmartFill(TRezIvevirAvod* Grid, const TGridRect& S, Integer N) {
  const Integer Cells = (S.Bottom - S.Top + 1) * (S.Right - S.Left + 1);
  if (N >= Cells) return;
  if (N == 1) {
    const String Value = Grid->GetCells(Grid->DisplToRealCol(S.Left), S.Top);
    ForEachEditable(Grid, S, [&](Integer c, Integer r) { Grid->SetCells(Grid->DisplToRealCol(c), r, Value); });
    return;
  }
  if (S.Left != S.Right && S.Top != S.Bottom) return;
  if (!ContinueSeries(Grid, S)) RepeatBlock(Grid, S, N);
}

}  // namespace

void TRezIvevirAvod::CopySelectionToClipboard() { Clipboard()->SetAsText(SelectionText(this, Selection())); }

void TRezIvevirAvod::PasteSelectionFromClipboard() {
  if (!Clipboard()->HasFormat(CF_UNICODETEXT)) return;
  const String Text = Clipboard()->AsText();
  if (Text.empty()) return;
  const TGridRect S = Selection();
  const Integer Left = Options().Contains(goRowSelect) ? FixedCols() : S.Left;
  const TPasteCount N = PasteText(this, Left, S.Top, Text);
  if (FNavigation->AllowSmartClipboard()) SmartFill(this, S, N.Fields);
  NotifyCellsChanged(TRect{DisplToRealCol(S.Left), S.Top, DisplToRealCol(S.Right), S.Bottom});
  DoCellsLoaded();
}

}  // namespace jorv::grid
