#pragma once
// Shows the hourglass for as long as it lives and then gives back the
// cursor that was shown before, however the scope ends.
#include "platform/ui/Screen.h"

namespace jorv {

class THourGlass {
 public:
  THourGlass() {
    if (!Screen) return;
    FSaved = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
  }
  ~THourGlass() {
    if (Screen) Screen->SetCursor(FSaved);
  }
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;

 private:
  TCursor FSaved = crDefault;
};

}  // namespace jorv
