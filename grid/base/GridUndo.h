#pragma once
// Records changes of cell texts of one base grid and steps back and forth
// through them. Changes are replayed through the grid's Cells, so merged
// cells, repainting and the display hooks behave as for any other write.
#include "grid/base/GridTypes.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Component.h"

namespace jorv::grid {

class TBaseGrid;

class TUndoRedoItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  void Assign(TPersistent* Source) override;

  const String& Value() const { return FValue; }
  void SetValue(const String& V) { FValue = V; }
  const String& OrigValue() const { return FOrigValue; }
  void SetOrigValue(const String& V) { FOrigValue = V; }
  Integer Col() const { return FCol; }
  void SetCol(Integer V) { FCol = V; }
  Integer Row() const { return FRow; }
  void SetRow(Integer V) { FRow = V; }
  bool SequenceStart() const { return FSequenceStart; }
  void SetSequenceStart(bool V) { FSequenceStart = V; }
  bool SequenceStop() const { return FSequenceStop; }
  void SetSequenceStop(bool V) { FSequenceStop = V; }
  bool IsMarker() const { return FSequenceStart || FSequenceStop; }

 private:
  String FValue;
  String FOrigValue;
  Integer FCol = 0;
  Integer FRow = 0;
  bool FSequenceStart = false;
  bool FSequenceStop = false;
};

class TUndoRedoCollection : public TCollection {
 public:
  TUndoRedoCollection();
  TUndoRedoItem* GetItem(Integer Index) const { return static_cast<TUndoRedoItem*>(Items(Index)); }
};

using TExGridUndoRedoEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, Integer Col, Integer Row,
                                                const String& OrigValue, const String& NewValue)>;

class TExGridUndoRedo : public TComponent {
 public:
  explicit TExGridUndoRedo(TComponent* AOwner);
  ~TExGridUndoRedo() override;

  virtual void RegisterChange(Integer ACol, Integer ARow, const String& OldValue, const String& NewValue);
  virtual void StartSequence();
  virtual void StopSequence();
  void Undo();
  void Redo();
  void Reset();
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < FItems->Count(); }

  Integer MaxLevel() const { return FMaxLevel; }
  void SetMaxLevel(Integer Value) { FMaxLevel = Value; }
  Integer Level() const { return FLevel; }
  TUndoRedoCollection* Items() const { return FItems.get(); }
  TBaseGrid* Grid() const { return FGrid; }
  void SetGrid(TBaseGrid* Value);

  TExGridUndoRedoEvent OnUndo;
  TExGridUndoRedoEvent OnRedo;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void DropUndone();
  void AddMarker(bool Start);
  void Replay(TUndoRedoItem* I, bool IsUndo);

  std::unique_ptr<TUndoRedoCollection> FItems;
  TBaseGrid* FGrid = nullptr;
  Integer FLevel = 0;
  Integer FMaxLevel = 0;
};

}  // namespace jorv::grid
