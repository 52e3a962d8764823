#pragma once
// The header and footer of a pop-up: gradient panels with a border, an
// image, an HTML caption and a row of buttons built from the drop-down's
// appearance; the footer can also show a size grip that resizes the pop-up.
#include <memory>
#include "dropdown/Appearances.h"
#include "platform/ui/CustomControl.h"

namespace jorv {
class TCustomImageList;
}
namespace jorv::dropdown {

class TExButton;
class TExCustomDropDown;

// What the header and the footer share; each says which edge carries its
// border line, where its buttons go and which appearance of the drop-down
// it copies.
class TExBand : public TCustomControl {
 public:
  TExBand(TComponent* AOwner, std::unique_ptr<TBandAppearance> AAppearance);
  ~TExBand() override;

  TBandAppearance* BandAppearance() const { return FAppearance.get(); }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TExCustomDropDown* ExDropDown() const { return FExDropDown; }
  // Binds the drop-down: its images and a copy of its look for this band.
  void SetExDropDown(TExCustomDropDown* ADropDown);
  // Builds the buttons again when a drop-down is bound.
  void RefreshButtons();
  Integer ButtonCount() const { return FButtonList.Count(); }
  TExButton* ButtonAt(Integer Index) const { return static_cast<TExButton*>(FButtonList.ItemsEx(Index)); }

  virtual void BuildButtons();
  virtual void ClearButtons();
  virtual void ArrangeButtons();
  virtual void UpdateButtons();

  TDrawBackGroundEvent OnDrawBackGround;
  TGetTextEvent OnGetText;

 protected:
  void Paint() override;
  void WMSize(TWMSize& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The bound drop-down's appearance of this band, or nullptr.
  virtual TBandAppearance* DropDownAppearance() const = 0;
  virtual TRect GetButtonArea();
  virtual void DrawBorderLines(TCanvas* C, const TRect& R) = 0;
  virtual void FireButtonClick(Integer Index) = 0;
  // A new button for an item: bound and given what only this band gives.
  virtual void PrepareButton(TExButton* Button, THeaderButton* Item);
  // Right limit of the caption: just left of the last button.
  Integer GetTextLimit();
  bool DropDownFramesBand() const;
  void AppearanceChanged(TObject* Sender);
  void ButtonClick(TObject* Sender);

  std::unique_ptr<TBandAppearance> FAppearance;
  TCustomImageList* FImages = nullptr;
  TExCustomDropDown* FExDropDown = nullptr;
  TDbgList FButtonList;

 private:
  void PaintBackground(TCanvas* C, const TRect& R);
  void PaintCaption(TCanvas* C, const TRect& R);
};

class TExHeader : public TExBand {
 public:
  explicit TExHeader(TComponent* AOwner);
  THeaderAppearance* Appearance() const { return static_cast<THeaderAppearance*>(FAppearance.get()); }
  void SetAppearance(THeaderAppearance* Value) { FAppearance->Assign(Value); }
  // The bound drop-down's header buttons; nullptr while none is bound.
  THeaderButtons* GetButtons() const;

 protected:
  TBandAppearance* DropDownAppearance() const override;
  void DrawBorderLines(TCanvas* C, const TRect& R) override;
  void FireButtonClick(Integer Index) override;
};

class TExFooter : public TExBand {
 public:
  explicit TExFooter(TComponent* AOwner);
  TFooterAppearance* Appearance() const { return static_cast<TFooterAppearance*>(FAppearance.get()); }
  void SetAppearance(TFooterAppearance* Value) { FAppearance->Assign(Value); }
  TFooterButtons* GetButtons() const;
  // Grip on in the look, a drop-down bound and sizeable.
  bool HasSizeGrip() const;

 protected:
  void Paint() override;
  TBandAppearance* DropDownAppearance() const override;
  TRect GetButtonArea() override;
  void DrawBorderLines(TCanvas* C, const TRect& R) override;
  void FireButtonClick(Integer Index) override;
  void PrepareButton(TExButton* Button, THeaderButton* Item) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

 private:
  void DrawSizeGrip(TCanvas* C, const TRect& R);
  bool InGripZone(Integer X, Integer Y);
  void RestoreCursor();

  TCursor FOldCursor = 0;
};

}  // namespace jorv::dropdown
