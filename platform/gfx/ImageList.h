#pragma once
// A list of same-sized images over a system image list, drawn normally
// or greyed out for disabled commands.
#include "platform/rtl/Component.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Icon.h"

// The list handle as the common controls declare it, without their header.
struct _IMAGELIST;
typedef struct _IMAGELIST* HIMAGELIST;

namespace jorv {

enum TDrawingStyle : uint8_t { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType : uint8_t { itImage, itMask };

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* AOwner = nullptr);
  TCustomImageList(Integer AWidth, Integer AHeight, TComponent* AOwner = nullptr);
  ~TCustomImageList() override;

  void Assign(TPersistent* Source) override;

  // Made on first use.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  Integer Width() const { return FWidth; }
  // A new size drops every image.
  void SetWidth(Integer Value) { SetSize(Value, FHeight); }
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value) { SetSize(FWidth, Value); }
  void SetSize(Integer AWidth, Integer AHeight);
  Integer Count();
  Integer AllocBy() const { return FAllocBy; }
  void SetAllocBy(Integer Value) { FAllocBy = Value > 0 ? Value : 1; }
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor Value);
  TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle Value);
  TImageType ImageType() const { return FImageType; }
  void SetImageType(TImageType Value);

  // Each returns the index of the first image added; a bitmap wider than
  // Width adds one image per Width-wide strip.
  Integer Add(TBitmap* Image, TBitmap* Mask);
  // Pixels of MaskColor become transparent.
  Integer AddMasked(TBitmap* Image, TColor MaskColor);
  Integer AddIcon(TIcon* Image);
  void Replace(Integer Index, TBitmap* Image, TBitmap* Mask);
  void Delete(Integer Index);
  void Clear();
  void Move(Integer CurIndex, Integer NewIndex);

  // A disabled image is drawn embossed in the button highlight and shadow
  // colours. An index out of range draws nothing.
  void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled = true);
  void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, TDrawingStyle ADrawingStyle,
            TImageType AImageType, bool Enabled = true);
  // The image drawn on the list's background colour (or the button face).
  void GetBitmap(Integer Index, TBitmap* Image);
  void GetIcon(Integer Index, TIcon* Image);

  TNotifyEvent OnChange;

 protected:
  virtual void Change();

 private:
  void CheckIndex(Integer Index);
  void FreeHandle();

  HIMAGELIST FHandle = nullptr;
  Integer FWidth = 16;
  Integer FHeight = 16;
  Integer FAllocBy = 4;
  TColor FBkColor = clNone;
  TDrawingStyle FDrawingStyle = dsNormal;
  TImageType FImageType = itImage;
};

class TImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
};

}  // namespace jorv
