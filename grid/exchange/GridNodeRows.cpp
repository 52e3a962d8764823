// Node rows as the cell graphics read them: a row is a node when its
// column-0 graphic is one, which records the node's span, its contracted
// flag and its sub-node count.
#include <limits>
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

bool TRezIvevirAvod::IsNode(Integer ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }

bool TRezIvevirAvod::IsSummary(Integer ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

bool TRezIvevirAvod::GetNodeState(Integer ARow) { return IsNode(ARow) && GetCellGraphic(0, ARow)->CellBoolean(); }

Integer TRezIvevirAvod::GetNodeSpan(Integer ARow) { return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellIndex() : -1; }

Integer TRezIvevirAvod::GetSubNodeCount(Integer ARow) {
  return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellErrFrom() : 0;
}

// Walks up to the nearest node of a lower level whose span, less the rows
// its contracted nodes hide, still reaches the row.
Integer TRezIvevirAvod::GetParentRow(Integer ARow) {
  if (FNumNodes == 0 || ARow < 0) return -1;
  auto LevelOf = [this](Integer Row) {
    TCellProperties* P = ExistingProps(0, Row);
    return P ? P->NodeLevel() : 0;
  };
  const bool Node = IsNode(ARow);
  const Integer StartLevel = Node ? LevelOf(ARow) : std::numeric_limits<Integer>::max();
  Integer Result = Node ? ARow : -1;
  Integer Correction = 0;
  for (Integer r = ARow; r >= FixedRows(); --r) {
    if (!IsNode(r) || LevelOf(r) >= StartLevel) continue;
    if (GetNodeState(r)) Correction += GetNodeSpan(r) - 1;
    if (ARow < r + GetNodeSpan(r) - Correction) return r;
  }
  return Result;
}

}  // namespace jorv::grid
