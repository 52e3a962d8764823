#pragma once
// The grid's side of a drop: the typed calls of the drop base handed to
// the grid, which decides what each drop does and where the arrows point.
#include "grid/base/grddd.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TGridDropTarget : public TGRDDropTarget {
 public:
  explicit TGridDropTarget(TRezIvevirAvod* AGrid) : FGrid(AGrid) {}
  void DropText(TPoint Pt, const String& S) override;
  void DropStream(TPoint Pt, TMemoryStream* Stream) override;
  void DropCol(TPoint Pt, Integer Col) override;
  void DropRTF(TPoint Pt, const String& S) override;
  void DropFiles(TPoint Pt, TStrings* Files) override;
  void DropURL(TPoint Pt, const String& S) override;
  void DragMouseMove(TPoint Pt, bool& Allow, TDropFormats Formats) override;
  void DragMouseLeave() override;
  // The grid's accept settings hold for every drag, whenever they were set.
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* DataObj, DWORD KeyState, POINTL Pt, DWORD* Effect) override;

 private:
  TRezIvevirAvod* FGrid = nullptr;
};

}  // namespace jorv::grid
