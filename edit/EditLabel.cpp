#include "edit/EditLabel.h"

namespace jorv::edit {

void TEditLabel::CMEnabledChanged(TMessage& M) {
  TLabel::CMEnabledChanged(M);
  if (FAlwaysEnable && !Enabled()) SetEnabled(true);
}

}  // namespace jorv::edit
