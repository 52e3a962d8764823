// The binary grid stream: a rectangle of cells with their texts,
// properties, graphics and the objects those own, plus the rectangle's
// column widths and row heights, as a sequence of streamed records.
#include "grid/exchange/GridBinStream.h"

#include <algorithm>
#include "grid/base/IntList.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

// The graphic kinds whose object follows their graphic record.
bool HasOwnedRecord(TCellType Kind) {
  switch (Kind) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture: return true;
    default: return false;
  }
}

String JoinSizes(Integer First, Integer Last, const std::function<Integer(Integer)>& SizeOf) {
  String Result;
  for (Integer i = First; i <= Last; ++i) Result += (i > First ? L"," : L"") + IntToStr(SizeOf(i));
  return Result;
}

// Count values of a comma-separated list, checked whole before anything
// is applied: too few raise the list error, a part that is no integer the
// conversion error.
std::vector<Integer> SplitSizes(const String& Text, Integer Count) {
  std::vector<Integer> Sizes;
  size_t Start = 0;
  while (Start <= Text.size() && Integer(Sizes.size()) < Count && !Text.empty()) {
    size_t Comma = Text.find(L',', Start);
    if (Comma == String::npos) Comma = Text.size();
    Sizes.push_back(StrToInt(Text.substr(Start, Comma - Start)));
    Start = Comma + 1;
  }
  if (Integer(Sizes.size()) < Count)
    throw EListError(L"List index out of bounds (" + IntToStr(Integer(Sizes.size())) + L")");
  return Sizes;
}

// Whether the grid window that wrote a stream belongs to this process.
bool WrittenHere(Integer ID) {
  const HWND Writer = reinterpret_cast<HWND>(static_cast<intptr_t>(ID));
  DWORD Process = 0;
  return ID != 0 && IsWindow(Writer) && GetWindowThreadProcessId(Writer, &Process) != 0 &&
         Process == GetCurrentProcessId();
}

void FireProgress(const TGridProgressEvent& Event, TObject* Sender, Int64 Value, Integer& Last) {
  if (!Event || Value == Last) return;
  Last = static_cast<Integer>(Value);
  Event(Sender, static_cast<SmallInt>(Value));
}

}  // namespace

// --- writing ------------------------------------------------------------------------------

void TRezIvevirAvod::SaveRectToBinStream(const TRect& Rect, TStream* Stream) {
  TBinStreamRecords Records(this);
  TGridPropIO& Header = Records.Header;
  Header.SetRowCount(Rect.Bottom - Rect.Top + 1);
  Header.SetColCount(Rect.Right - Rect.Left + 1);
  if (SaveFixedCells())
    Header.SetFullGrid(Header.RowCount() == RowCount() && Header.ColCount() == ColCount());
  else
    Header.SetFullGrid(Header.RowCount() == RowCount() - FixedRows() &&
                       Header.ColCount() == ColCount() - FixedCols());
  // A grid that cannot have a window yet (it has no parent) writes 0.
  if (HandleAllocated() || Parent()) Header.SetID(static_cast<Integer>(reinterpret_cast<intptr_t>(Handle())));
  Header.SetColWidths(JoinSizes(Rect.Left, Rect.Right, [this](Integer c) { return GetColWidths(c); }));
  Header.SetRowHeights(JoinSizes(Rect.Top, Rect.Bottom, [this](Integer r) { return GetRowHeights(r); }));
  Stream->WriteComponent(&Header);

  ExportNotification(esExportStart, Rect.Top);
  Integer LastProgress = -1;
  for (Integer r = Rect.Top; r <= Rect.Bottom; ++r) {
    ExportNotification(esExportNextRow, r);
    for (Integer c = Rect.Left; c <= Rect.Right; ++c) WriteBinCell(Records, c, r, Stream);
    // Counted from the rectangle's top, so that it runs from 0 to 100.
    FireProgress(OnFileProgress, this, Round((r - Rect.Top) * 100.0 / std::max(1, Rect.Bottom - Rect.Top)),
                 LastProgress);
  }
  ExportNotification(esExportDone, -1);
}

void TRezIvevirAvod::WriteBinCell(TBinStreamRecords& Records, Integer ACol, Integer ARow, TStream* Stream) {
  TGridCellIO& Cell = Records.Cell;
  Cell.SetCol(static_cast<Word>(ACol));
  Cell.SetRow(static_cast<Word>(ARow));
  Cell.SetCell(GetCellEx(ACol, ARow));
  Cell.SetHasProp(HasCellProperties(ACol, ARow));
  Stream->WriteComponent(&Cell);
  if (!Cell.HasProp()) return;

  TGridCellPropIO& Props = Records.Props;
  Props.CellProperties()->Assign(GetCellProperties(ACol, ARow));
  TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
  const TCellType Kind = GetCellType(ACol, ARow);
  // Only graphics whose object the grid owns can carry that object along.
  if (Kind == ctEmpty || !Graphic)
    Props.SetHasGraphic(false);
  else if (HasOwnedRecord(Kind))
    Props.SetHasGraphic(Graphic->CellCreated());
  else
    Props.SetHasGraphic(true);
  Stream->WriteComponent(&Props);
  if (Props.HasGraphic()) WriteBinGraphic(Records, Graphic, Stream);
}

void TRezIvevirAvod::WriteBinGraphic(TBinStreamRecords& Records, TCellGraphic* Graphic, TStream* Stream) {
  TBaseCellGraphic* Record = Records.Graphic.CellGraphic();
  Record->SetCellText(String());
  Record->Assign(Graphic);
  Record->SetCellCheckBoxState(Graphic->CellCheckBoxState());
  // The comment travels in place of the graphic.
  if (!Graphic->CellComment().empty()) {
    Record->SetCellType(ctComment);
    Record->SetCellText(Graphic->CellComment());
    Record->SetCellIndex(Graphic->CommentColor());
  }
  Stream->WriteComponent(&Records.Graphic);
  switch (Record->CellType()) {
    case ctBitmap:
    case ctBitButton:
      Records.Bitmap.Bitmap()->Assign(Graphic->Bitmap());
      Stream->WriteComponent(&Records.Bitmap);
      break;
    case ctIcon:
      Records.Icon.Icon()->Assign(Graphic->Icon());
      Stream->WriteComponent(&Records.Icon);
      break;
    case ctRadio:
      Records.Strings.Strings()->Clear();
      if (TStrings* Items = Graphic->Strings()) Records.Strings.Strings()->Assign(Items);
      Stream->WriteComponent(&Records.Strings);
      break;
    case ctImages:
      Records.Strings.Strings()->SetCommaText(Graphic->IntList() ? Graphic->IntList()->StrValue() : String());
      Stream->WriteComponent(&Records.Strings);
      break;
    case ctPicture:
      Records.Picture.Picture()->Assign(Graphic->Picture());
      Stream->WriteComponent(&Records.Picture);
      break;
    case ctFilePicture:
      if (TFilePicture* File = Graphic->FilePicture()) Records.FilePicture.Picture()->Assign(File);
      Stream->WriteComponent(&Records.FilePicture);
      break;
    default: break;
  }
}

void TRezIvevirAvod::SaveToBinStream(TStream* Stream) {
  SaveRectToBinStream(TRect(SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()), Stream);
}

void TRezIvevirAvod::SaveToBinFile(const String& FileName) {
  TMemoryStream Memory;
  SaveToBinStream(&Memory);
  Memory.SaveToFile(FileName);
}

// --- reading ------------------------------------------------------------------------------

void TRezIvevirAvod::ApplyBinHeader(const TGridPropIO& Header) {
  if (Header.ColCount() <= 0 || Header.RowCount() <= 0)
    throw EReadError(L"Invalid grid size " + IntToStr(Header.ColCount()) + L" x " + IntToStr(Header.RowCount()));
  const std::vector<Integer> Widths = SplitSizes(Header.ColWidths(), Header.ColCount());
  const std::vector<Integer> Heights = SplitSizes(Header.RowHeights(), Header.RowCount());
  Clear();
  SetRowCount(Header.RowCount());
  SetColCount(Header.ColCount());
  for (Integer c = 0; c < Header.ColCount(); ++c) SetColWidths(c, Widths[size_t(c)]);
  for (Integer r = 0; r < Header.RowCount(); ++r) SetRowHeights(r, Heights[size_t(r)]);
}

void TRezIvevirAvod::LoadAtPointFromBinStream(TPoint Point, TStream* Stream) {
  TBinStreamRecords Records(this);
  Stream->ReadComponent(&Records.Header);
  Records.SameProcess = WrittenHere(Records.Header.ID());
  BeginUpdate();
  auto Repaint = ScopeExit([this] { EndUpdate(); });
  const bool FullGrid = Records.Header.FullGrid();
  if (FullGrid) ApplyBinHeader(Records.Header);
  bool First = true;
  TPoint Origin;
  Integer PreviousRow = -1;
  Integer LastProgress = -1;
  while (Stream->Size() - Stream->Position() > 1) {
    TGridCellIO& Cell = Records.Cell;
    Stream->ReadComponent(&Cell);
    if (First && !FullGrid) Origin = TPoint(Cell.Col(), Cell.Row());
    First = false;
    const TPoint Target(Cell.Col() + Point.X - Origin.X, Cell.Row() + Point.Y - Origin.Y);
    if (Target.Y != PreviousRow)
      FireProgress(OnFileProgress, this, Round(Target.Y * 100.0 / std::max(1, RowCount())), LastProgress);
    PreviousRow = Target.Y;
    ReadBinCell(Records, Target, Stream);
    // A record without text must read as empty.
    Cell.SetCell(String());
  }
  DoCellsLoaded();
}

void TRezIvevirAvod::ReadBinCell(TBinStreamRecords& Records, TPoint Target, TStream* Stream) {
  TGridCellIO& Cell = Records.Cell;
  // The cell store holds nothing past the grid's counts: a cell landing
  // there is read and dropped, records and all.
  const bool Valid = Target.X >= 0 && Target.X < AllColCount() && Target.Y >= 0 && Target.Y < RowCount();
  if (Valid) SetCellEx(Target.X, Target.Y, Cell.Cell());
  if (!Cell.HasProp()) return;
  TGridCellPropIO& Props = Records.Props;
  TCellProperties* Record = Props.CellProperties();
  Props.SetHasGraphic(false);
  if (Valid) Record->Assign(GetCellProperties(Target.X, Target.Y));
  const uintptr_t Object = Record->CellObject();
  Stream->ReadComponent(&Props);
  // An object reference from another process would point at nothing:
  // the cell keeps its own.
  if (!Records.SameProcess) Record->SetCellObject(Object);
  if (Valid) {
    Record->SetOwnerCol(Target.X);
    Record->SetOwnerRow(Target.Y);
    GetCellProperties(Target.X, Target.Y)->Assign(Record);
  }
  if (Props.HasGraphic()) ReadBinGraphic(Records, Target, Valid, Stream);
}

void TRezIvevirAvod::ReadBinGraphic(TBinStreamRecords& Records, TPoint Target, bool Valid, TStream* Stream) {
  TBaseCellGraphic* Record = Records.Graphic.CellGraphic();
  // Properties at their default are not in the stream.
  Record->SetCellText(String());
  Record->SetCellValue(0);
  Stream->ReadComponent(&Records.Graphic);
  TCellGraphic* Graphic = Valid ? CreateCellGraphic(Target.X, Target.Y) : nullptr;
  if (Graphic) {
    Graphic->Assign(Record);
    Graphic->SetCellCheckBoxState(Record->CellCheckBoxState());
    if (Record->CellType() == ctComment) {
      Graphic->SetCellType(ctNone);
      Graphic->SetCellComment(Record->CellText());
      Graphic->SetCommentColor(Record->CellIndex());
      Graphic->SetCellText(String());
    }
  }
  if (HasOwnedRecord(Record->CellType())) ReadBinOwnedObject(Records, Graphic, Target, Stream);
}

void TRezIvevirAvod::ReadBinOwnedObject(TBinStreamRecords& Records, TCellGraphic* Graphic, TPoint Target,
                                        TStream* Stream) {
  // Each object is read into a fresh record, so that nothing of the cell
  // before it shows through what the stream leaves out.
  const TCellType Kind = Records.Graphic.CellGraphic()->CellType();
  std::unique_ptr<TObject> Made;
  if (Kind == ctIcon) {
    TGridIconIO Record(this);
    Stream->ReadComponent(&Record);
    auto Icon = std::make_unique<TIcon>();
    Icon->Assign(Record.Icon());
    Made = std::move(Icon);
  } else if (Kind == ctRadio || Kind == ctImages) {
    TGridSLIO Record(this);
    Stream->ReadComponent(&Record);
    if (Kind == ctRadio) {
      auto Items = std::make_unique<TStringList>();
      Items->Assign(Record.Strings());
      Made = std::move(Items);
    } else {
      auto Indexes = std::make_unique<TIntList>(Target.X, Target.Y);
      Indexes->SetStrValue(Record.Strings()->CommaText());
      Indexes->OnChange = [this](TObject*, Integer C, Integer R) { RepaintCell(RealToDisplCol(C), R); };
      Made = std::move(Indexes);
    }
  } else if (Kind == ctPicture) {
    TGridPicIO Record(this);
    Stream->ReadComponent(&Record);
    auto Picture = std::make_unique<TPicture>();
    Picture->Assign(Record.Picture());
    Made = std::move(Picture);
  } else if (Kind == ctFilePicture) {
    TGridFilePicIO Record(this);
    Stream->ReadComponent(&Record);
    auto File = std::make_unique<TFilePicture>();
    File->Assign(Record.Picture());
    Made = std::move(File);
  } else {
    TGridBMPIO Record(this);
    Stream->ReadComponent(&Record);
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->Assign(Record.Bitmap());
    Made = std::move(Bitmap);
  }
  if (!Graphic) return;
  // The object is the cell's own now, whatever the record said.
  Graphic->SetCellCreated(true);
  if (Kind == ctIcon)
    Graphic->SetCellIcon(Made.release());
  else
    Graphic->SetCellBitmap(Made.release());
}

void TRezIvevirAvod::LoadFromBinStream(TStream* Stream) {
  LoadAtPointFromBinStream(TPoint(0, 0), Stream);
  Integer Nodes = 0;
  for (Integer r = FixedRows(); r < RowCount(); ++r)
    if (GetCellType(0, r) == ctNode) ++Nodes;
  FNumNodes = Nodes;
  if (Nodes > 0) RepaintCol(0);
}

void TRezIvevirAvod::LoadFromBinFile(const String& FileName) {
  TMemoryStream Memory;
  Memory.LoadFromFile(FileName);
  LoadFromBinStream(&Memory);
}

}  // namespace jorv::grid
