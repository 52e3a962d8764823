#pragma once
// The native status bar (msctls_statusbar32): panels with text, width,
// alignment and bevel, or one simple panel; owner-drawn panels through
// the reflected WM_DRAWITEM.
#include <functional>
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Collection.h"
#include "platform/ui/WinControl.h"

namespace jorv {

class TStatusBar;

enum TStatusPanelStyle : uint8_t { psText, psOwnerDraw };
enum TStatusPanelBevel : uint8_t { pbNone, pbLowered, pbRaised };

class TStatusPanel : public TCollectionItem {
 public:
  explicit TStatusPanel(TCollection* Collection);
  const String& Text() const { return FText; }
  void SetText(const String& Value);
  Integer Width() const { return FWidth; }
  void SetWidth(Integer Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TStatusPanelStyle Style() const { return FStyle; }
  void SetStyle(TStatusPanelStyle Value);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel Value);
  void Assign(TPersistent* Source) override;

 private:
  String FText;
  Integer FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  TStatusPanelStyle FStyle = psText;
  TStatusPanelBevel FBevel = pbLowered;
};

class TStatusPanels : public TCollection {
 public:
  explicit TStatusPanels(TStatusBar* StatusBar);
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* Items(Integer Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }

 protected:
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() const override;

 private:
  TStatusBar* FStatusBar;
};

using TDrawPanelEvent = std::function<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;

  TStatusPanels* Panels() const { return FPanels.get(); }
  void SetPanels(TStatusPanels* Value) { FPanels->Assign(Value); }
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool Value);
  const String& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const String& Value);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  TCanvas* Canvas() const { return FCanvas.get(); }
  // The text the window shows for a panel (what the user sees).
  String PanelText(Integer Index);

  TDrawPanelEvent OnDrawPanel;

 protected:
  friend class TStatusPanels;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;
  virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);
  // Sends the panels' edges and texts to the window.
  void UpdatePanels();
  void UpdatePanel(Integer Index);

  std::unique_ptr<TStatusPanels> FPanels;
  std::unique_ptr<TCanvas> FCanvas;
  bool FSimplePanel = false;
  String FSimpleText;
  bool FSizeGrip = true;
};

}  // namespace jorv
