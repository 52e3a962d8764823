// Making, removing, contracting and expanding node rows. A node's span
// counts stored rows, its own row included, so it stays true while nested
// nodes hide their rows; contracted rows go into the hidden-row store at
// level 0 and come back from it.
#include <algorithm>
#include <limits>
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

namespace {

Integer LevelIn(TCellProperties* Props) { return Props ? Props->NodeLevel() : 0; }

}  // namespace

// --- reading and shifting a node --------------------------------------------------------------

Integer TRezIvevirAvod::GetNodeLevel(Integer ARow) { return IsNode(ARow) ? LevelIn(ExistingProps(0, ARow)) : -1; }

void TRezIvevirAvod::SetNodeSpan(Integer ARow, Integer Span) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->SetCellIndex(Span);
}

void TRezIvevirAvod::UpdateNodeSpan(Integer ARow, Integer Delta) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->SetCellIndex(GetNodeSpan(ARow) + Delta);
}

void TRezIvevirAvod::UpdateSubNodeCount(Integer ARow, Integer Delta) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->SetCellErrFrom(GetSubNodeCount(ARow) + Delta);
}

void TRezIvevirAvod::SetNodeState(Integer ARow, bool Value) {
  if (!IsNode(ARow) || GetNodeState(ARow) == Value) return;
  if (Value)
    ContractNode(DisplToRealRow(ARow));
  else
    ExpandNode(DisplToRealRow(ARow));
}

void TRezIvevirAvod::RaiseNodeLevels(Integer From, Integer To, Integer Delta) {
  for (Integer r = std::max(From, 0); r <= To && r < RowCount(); ++r) {
    const bool Made = Delta > 0 && FIsGrouping && !ExistingProps(0, r);
    TCellProperties* Props = Delta > 0 ? WritableProps(0, r) : ExistingProps(0, r);
    if (Made) FGroupMadeProps.push_back(Props);
    if (Props) Props->SetNodeLevel(std::max(Props->NodeLevel() + Delta, 0));
  }
}

// A span of 0 reaches to the next node row, and no span reaches past the
// last row before the fixed footers.
Integer TRezIvevirAvod::NodeStoredEnd(Integer D, Integer Real) {
  const Integer LastRow = RowCount() - FixedFooters() - 1;
  const Integer StoredEnd = RowCount() + NumHiddenRows() - FixedFooters();
  const Integer Span = GetNodeSpan(D);
  if (Span > 0) return std::min(Real + Span, StoredEnd);
  Integer Next = D + 1;
  while (Next <= LastRow && !IsNode(Next)) ++Next;
  return Next <= LastRow ? DisplToRealRow(Next) : StoredEnd;
}

// --- making and removing ----------------------------------------------------------------------

// A span beyond the last row before the fixed footers is cut there, so a
// node never takes footer rows or rows that do not exist.
void TRezIvevirAvod::AddNode(Integer ARow, Integer Span) {
  const Integer D = RealToDisplRow(ARow);
  const Integer LastRow = RowCount() - FixedFooters() - 1;
  if (Span <= 0 || ARow < 0 || D > LastRow) return;
  Span = std::min(Span, LastRow - D + 1);
  const bool WasNode = IsNode(D);
  TCellGraphic* G = CreateCellGraphic(0, D);
  if (!G) return;
  G->SetCellType(ctNode);
  G->SetCellIndex(Span);
  G->SetCellBoolean(false);
  G->SetCellErrFrom(0);
  G->SetCellVar(Variant(-1));
  G->SetCellAngle(D);
  G->SetCellHAlign(haBeforeText);
  G->SetCellVAlign(vaCenter);
  RaiseNodeLevels(D, D + Span - 1, 1);
  if (FNumNodes == 0 && !FIsGrouping) RepaintCol(0);
  if (!WasNode) ++FNumNodes;
  if (Col() == 0 && ColCount() > 1) SetCol(1);
}

// Nodes contracted inside the span open first, so that every row of the
// span is shown when the levels drop.
void TRezIvevirAvod::RemoveNode(Integer ARow) {
  if (!IsNode(ARow)) return;
  const bool KeptExpandOne = FCellNode->ExpandOne();
  FCellNode->SetExpandOne(false);
  auto PutBack = ScopeExit([this, KeptExpandOne] { FCellNode->SetExpandOne(KeptExpandOne); });
  ExpandNode(DisplToRealRow(ARow));
  for (Integer d = ARow + 1; d < ARow + GetNodeSpan(ARow) && d < RowCount(); ++d)
    if (IsNode(d) && GetNodeState(d)) ExpandNode(DisplToRealRow(d));
  RaiseNodeLevels(ARow, ARow + GetNodeSpan(ARow) - 1, -1);
  RemoveCellGraphic(0, ARow);
  if (FNumNodes > 0) --FNumNodes;
}

// Removing a node brings its rows back, so a forward walk meets the nodes
// nested in it too.
void TRezIvevirAvod::RemoveAllNodes() {
  if (FNumNodes == 0) return;
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  for (Integer r = 0; r < RowCount(); ++r)
    if (IsNode(r)) RemoveNode(r);
  FNumNodes = 0;
  Invalidate();
}

void TRezIvevirAvod::MarkSummaryRow(Integer ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  if (TCellGraphic* G = CreateCellGraphic(0, ARow)) G->SetCellType(ctSummary);
}

// --- contracting and expanding ----------------------------------------------------------------

// A nested node contracted before loses its flag: its rows go with the
// outer node's, and expanding that one shows them all again.
void TRezIvevirAvod::ContractNode(Integer ARow) {
  HideEditor();
  FForceSel = true;
  auto Unforce = ScopeExit([this] { FForceSel = false; });
  const Integer D = RealToDisplRow(ARow);
  if (ARow < 0 || FHiddenRows->IsHidden(ARow) || !IsNode(D) || GetNodeState(D)) return;
  GetCellGraphic(0, D)->SetCellBoolean(true);
  const Integer End = NodeStoredEnd(D, ARow);
  for (Integer d = D + 1; d < RowCount() && DisplToRealRow(d) < End; ++d)
    if (IsNode(d) && GetNodeState(d)) GetCellGraphic(0, d)->SetCellBoolean(false);
  HideRows(ARow + 1, End - 1);
  RepaintRow(D);
  RecalcColumnFooter(-1);
}

void TRezIvevirAvod::ExpandNode(Integer ARow) {
  if (ARow < 0 || FHiddenRows->IsHidden(ARow)) return;
  const bool Updating = FNumCellControls == 0;
  if (Updating) BeginUpdate();
  auto Done = ScopeExit([this, Updating] {
    if (Updating) EndUpdate();
  });
  if (FCellNode->ExpandOne()) {
    // Every other expanded node closes; the nodes holding this one stay open.
    for (Integer d = FixedRows(); d < RowCount() - FixedFooters(); ++d) {
      const Integer Real = DisplToRealRow(d);
      if (!IsNode(d) || GetNodeState(d) || Real == ARow) continue;
      if (Real < ARow && ARow < NodeStoredEnd(d, Real)) continue;
      ContractNode(Real);
    }
  }
  const Integer D = RealToDisplRow(ARow);
  if (!IsNode(D) || !GetNodeState(D)) return;
  GetCellGraphic(0, D)->SetCellBoolean(false);
  const Integer End = std::min(NodeStoredEnd(D, ARow), DisplToRealRow(D + 1));
  const Integer OldRow = Row(), OldTop = TopRow();
  if (End > ARow + 1) UnHideRows(ARow + 1, End - 1);
  if (OldRow < RowCount()) SetRowEx(OldRow);
  if (OldTop < RowCount()) SetTopRowEx(OldTop);
  RepaintRow(D);
  RecalcColumnFooter(-1);
}

// Every contracted node's hidden rows come back in one move of the rows,
// each before the next row shown after its node, as ExpandNode places them.
void TRezIvevirAvod::ExpandContractedNodes(bool WithFlags) {
  std::vector<std::pair<Integer, Integer>> Ranges;  // stored rows, end exclusive
  for (Integer d = FixedRows(); d < RowCount(); ++d) {
    if (!IsNode(d) || !GetNodeState(d)) continue;
    if (WithFlags) GetCellGraphic(0, d)->SetCellBoolean(false);
    const Integer Real = DisplToRealRow(d);
    Ranges.emplace_back(Real + 1, std::min(NodeStoredEnd(d, Real), DisplToRealRow(d + 1)));
  }
  if (Ranges.empty()) return;
  HideEditor();
  std::vector<TGridItem> Items = FHiddenRows->Take([&](const TGridItem& Item) {
    auto It = std::upper_bound(Ranges.begin(), Ranges.end(), Item.Idx(),
                               [](Integer Idx, const std::pair<Integer, Integer>& R) { return Idx < R.first; });
    return It != Ranges.begin() && Item.Idx() < std::prev(It)->second;
  });
  std::vector<Integer> Targets;
  Targets.reserve(Items.size());
  for (const TGridItem& Item : Items) Targets.push_back(Item.Idx() - FHiddenRows->CountBelow(Item.Idx()));
  RestoreHiddenRows(Items, Targets);
}

void TRezIvevirAvod::ExpandAll() {
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  // Nested nodes contracted inside contracted ones come back with them and
  // may hold contracted nodes of their own.
  for (Integer Pass = 0; Pass < 64; ++Pass) {
    const Integer Before = NumHiddenRows();
    ExpandContractedNodes(true);
    if (NumHiddenRows() == Before) break;
  }
  RecalcColumnFooter(-1);
}

// The rows of every outermost node leave as one piece at level 0, as a
// contracted node's rows do.
void TRezIvevirAvod::ContractAll() {
  ExpandAll();
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  std::vector<Integer> Rows;
  const Integer LastRow = RowCount() - FixedFooters() - 1;
  for (Integer d = FixedRows(); d <= LastRow; ++d) {
    if (!IsNode(d)) continue;
    GetCellGraphic(0, d)->SetCellBoolean(true);
    const Integer Span = GetNodeSpan(d);
    Integer Next = d + 1;
    if (Span > 0)
      Next = std::min(d + Span, LastRow + 1);
    else
      while (Next <= LastRow && !IsNode(Next)) ++Next;
    for (Integer r = d + 1; r < Next; ++r) Rows.push_back(r);
    d = Next - 1;
  }
  HideRowSet(Rows, 0);
  RecalcColumnFooter(-1);
}

// --- rows inside and outside nodes ------------------------------------------------------------

void TRezIvevirAvod::InsertChildRow(Integer ARow, Integer InsertAt) {
  const Integer D = RealToDisplRow(ARow);
  const Integer P = GetParentRow(D);
  Integer NewLevel = -1;
  if (P >= 0) {
    NewLevel = LevelIn(ExistingProps(0, P));
    // The node and every node holding it widen by the new row.
    for (Integer N = P;;) {
      UpdateNodeSpan(N, 1);
      UpdateSubNodeCount(N, 1);
      ExpandNode(DisplToRealRow(N));
      const Integer Up = GetParentRow(N);
      if (Up < 0 || Up == N) break;
      N = Up;
    }
  }
  const Integer At = RealToDisplRow(ARow);
  if (IsNode(At) && InsertAt == 0) {
    InsertRows(At + 1, 1);
    // The node's contents move into the new row; the glyph stays.
    for (Integer c = 1; c < AllColCount(); ++c) {
      SetCells(c, At + 1, GetCells(c, At));
      SetCells(c, At, L"");
    }
    SetCells(0, At + 1, GetCells(0, At));
    SetCells(0, At, L"");
    if (NewLevel >= 0) WritableProps(0, At + 1)->SetNodeLevel(NewLevel);
  } else {
    InsertRows(At + InsertAt, 1);
    if (NewLevel >= 0) WritableProps(0, At + InsertAt)->SetNodeLevel(NewLevel);
  }
}

void TRezIvevirAvod::RemoveChildRow(Integer ARow) {
  if (ARow < FixedRows() || ARow >= RowCount()) return;
  for (Integer N = GetParentRow(ARow); N >= 0 && N != ARow;) {
    if (GetNodeSpan(N) > 1) {
      UpdateNodeSpan(N, -1);
      if (GetSubNodeCount(N) > 0) UpdateSubNodeCount(N, -1);
    }
    ExpandNode(DisplToRealRow(N));
    const Integer Up = GetParentRow(N);
    if (Up < 0 || Up == N) break;
    N = Up;
  }
  RemoveRowBlock(ARow, 1);
}

// Inserting at the display row keeps the hidden rows before it where they
// are and moves those after it down with the rows.
void TRezIvevirAvod::InsertNormalRow(Integer ARow) { InsertRows(RealToDisplRow(ARow), 1); }

void TRezIvevirAvod::RemoveNormalRow(Integer ARow) { RemoveRows(ARow, 1); }

// --- tree lines and glyph hits ----------------------------------------------------------------

Integer TRezIvevirAvod::GetNodeSpanType(Integer ARow) {
  if (IsNode(ARow)) return 0;
  const Integer Next = ARow + 1;
  if (Next >= RowCount() - FixedFooters()) return 1;
  TCellProperties* NextProps = ExistingProps(0, Next);
  return NextProps && NextProps->NodeLevel() >= LevelIn(ExistingProps(0, ARow)) ? 2 : 1;
}

bool TRezIvevirAvod::IsNodeGlyphHit(Integer ARow, Integer X) {
  if (!FMouseActions->PreciseNodeClick()) return true;
  const Integer L = LevelIn(ExistingProps(0, ARow));
  const Integer I = FCellNode->NodeIndent();
  Integer W = 4, O = 4;
  switch (FCellNode->NodeType()) {
    case cnFlat: W = 4, O = 4; break;
    case cn3D: W = 6, O = 0; break;
    case cnGlyph: {
      const bool Empty = FCellNode->ExpandGlyph()->Empty();
      W = Empty ? 0 : FCellNode->ExpandGlyph()->Width() / 2;
      O = Empty ? 0 : 2;
      break;
    }
    case cnLeaf: W = 8, O = 2; break;
    case cnXP: W = 4, O = 4; break;
  }
  return O + (L - 1) * I < X && X < W + L * I;
}

}  // namespace jorv::grid
