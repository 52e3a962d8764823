#pragma once
// The grid's search strip: an edit that searches as it is typed into and
// hands Enter and Ctrl+Enter on as next and previous, buttons for the next
// and previous match, a highlight toggle, a match-case box and a close
// button. What they do is the grid's; the strip only reports.
#include "platform/ui/CustomEdit.h"
#include "platform/ui/Panel.h"

namespace jorv::grid {

class TRezIvevirAvod;
class TExGridButton;
class TExCheckBox;

// An edit that takes Enter without ever holding a line break.
class TRetEdit : public TCustomEdit {
 public:
  explicit TRetEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

  TNotifyEvent OnReturn;
  TNotifyEvent OnCtrlReturn;

 protected:
  // Multi-line, so that the window is handed Enter at all.
  void CreateParams(TCreateParams& Params) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  // A multi-line window announces no change of a text set from outside.
  void SetTextValue(const String& Value) override;
};

class TSearchPanel : public TCustomPanel {
 public:
  // AOwner is the grid the strip serves.
  explicit TSearchPanel(TRezIvevirAvod* AOwner);

  TRetEdit* EditControl() const { return FEdit; }
  TExGridButton* ForwardButton() const { return FForwardButton; }
  TExGridButton* BackwardButton() const { return FBackwardButton; }
  TExGridButton* HiliteButton() const { return FHiliteButton; }
  TExGridButton* ExitButton() const { return FExitButton; }
  TExCheckBox* MatchCase() const { return FMatchCase; }
  TRezIvevirAvod* Grid() const { return FGrid; }

  TColor ColorTo() const { return FColorTo; }
  void SetColorTo(TColor Value);

  String FindNextCaption;
  String FindPrevCaption;
  String MatchCaseCaption;
  String HighLightCaption;
  String HintClose;
  String HintFindNext;
  String HintFindPrev;
  String HintHighlight;

  TNotifyEvent OnForwardClick;
  TNotifyEvent OnBackwardClick;
  TNotifyEvent OnExitClick;
  TNotifyEvent OnHighlightClick;
  TNotifyEvent OnMatchCaseClick;
  TNotifyEvent OnEditChange;

  // The next, previous and highlight buttons follow whether there is text.
  void EditChange();
  void EditForward() { ForwardClick(); }
  void EditBackward() { BackwardClick(); }
  void ForwardClick();
  void BackwardClick();
  void ExitClick();
  void HighLightClick();
  void MatchCaseClick();

 protected:
  void CreateWnd() override;
  void Paint() override;

 private:
  void PlaceControls();
  void WireControls();

  TRezIvevirAvod* FGrid = nullptr;
  TRetEdit* FEdit = nullptr;
  TExGridButton* FForwardButton = nullptr;
  TExGridButton* FBackwardButton = nullptr;
  TExGridButton* FHiliteButton = nullptr;
  TExGridButton* FExitButton = nullptr;
  TExCheckBox* FMatchCase = nullptr;
  TColor FColorTo = clNone;
};

}  // namespace jorv::grid
