#pragma once
// The look and content of the status bar a captioned panel draws along its
// bottom edge. The bar only stores and reports; the panel draws it.
#include <memory>
#include "platform/gfx/Font.h"
#include "platform/ui/Control.h"
#include "panel/PanelTypes.h"

namespace jorv::panel {

class TPanelStatusBar : public TPersistent {
 public:
  TPanelStatusBar();
  ~TPanelStatusBar() override;

  // Copies only the look (colours, border, font, text offset); text,
  // picture, visibility, height and bevel stay the panel's own.
  void Assign(TPersistent* Source) override;

  TImageIndex ImageIndex() const { return FImageIndex; }
  void SetImageIndex(TImageIndex Value);
  const String& Text() const { return FText; }
  void SetText(const String& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);
  expanel::TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(expanel::TGradientDirection Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  Integer Height() const { return FHeight; }
  void SetHeight(Integer Value);
  bool BevelInner() const { return FBevelInner; }
  void SetBevelInner(bool Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  Integer TopIndent() const { return FTopIndent; }
  void SetTopIndent(Integer Value);

  // Bound by the owning panel; the copy inside shared settings has none.
  TNotifyEvent OnChange;

 protected:
  void StatusBarChanged();

 private:
  template <class T>
  void Change(T& Field, const T& Value);

  TImageIndex FImageIndex = -1;
  String FText;
  TColor FColor = clBtnFace;
  TColor FColorTo = clNone;
  expanel::TGradientDirection FGradientDirection = expanel::gdHorizontal;
  bool FVisible = false;
  Integer FHeight = 18;
  bool FBevelInner = false;
  std::unique_ptr<TFont> FFont;  // "Tahoma" by the font's own default
  TBorderStyle FBorderStyle = bsNone;
  TColor FBorderColor = 0;
  Integer FTopIndent = 0;
};

}  // namespace jorv::panel
