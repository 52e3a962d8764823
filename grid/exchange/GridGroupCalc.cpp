// Group calculations: one value per expanded node over the rows of its
// span, written into the node row or, in a grid grouped with summaries,
// into the summary row after the span.
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

void TRezIvevirAvod::GroupCalc(Integer ACol, Integer Method) {
  const bool Summaries = FGroupColumn != -1 ? FGroupSummary : FGrouping->Summary();
  for (Integer r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
    if (!IsNode(r) || GetNodeState(r)) continue;
    const Integer Span = GetNodeSpan(r);
    const Integer FromRow = r + 1, ToRow = r + Span - 1;
    const Integer Target = Summaries ? r + Span : r;
    if (Target >= RowCount()) break;
    switch (Method) {
      case 1: SetFloats(ACol, Target, ColumnSum(ACol, FromRow, ToRow)); break;
      case 2: SetFloats(ACol, Target, ColumnAvg(ACol, FromRow, ToRow)); break;
      case 3: SetFloats(ACol, Target, ColumnMin(ACol, FromRow, ToRow)); break;
      case 4: SetFloats(ACol, Target, ColumnMax(ACol, FromRow, ToRow)); break;
      case 5: SetInts(ACol, Target, Span - 1); break;
      case 6: {
        double Res = 0;
        if (OnGroupCalc) OnGroupCalc(this, ACol, FromRow, ToRow, Res);
        SetFloats(ACol, Target, Res);
        break;
      }
      case 7: SetFloats(ACol, Target, ColumnDistinct(ACol, FromRow, ToRow)); break;
      case 8: SetFloats(ACol, Target, ColumnStdDev(ACol, FromRow, ToRow)); break;
      default: return;
    }
    r += Span - 1;
  }
  static constexpr TColumnCalcType FooterKinds[] = {acNONE, acSUM, acAVG, acMIN, acMAX, acCOUNT};
  if (Method >= 1 && Method <= 5 && FFloatingFooter->Visible())
    FFloatingFooter->SetColumnCalc(ACol, FooterKinds[Method]);
}

}  // namespace jorv::grid
