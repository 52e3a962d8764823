#include "foundation/ExHintInfo.h"

namespace jorv::foundation {

TExHintInfo::TExHintInfo()
    : FPicture(std::make_unique<THintPicture>()), FNotes(std::make_unique<TStringList>()) {}

TExHintInfo::~TExHintInfo() = default;

void TExHintInfo::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TExHintInfo*>(Source);
  if (!Other || Other == this) return;
  FTitle = Other->FTitle;
  FNotes->Assign(Other->FNotes.get());
  FShowHelp = Other->FShowHelp;
  FPicture->Assign(Other->FPicture.get());
  FWideTitle = Other->FWideTitle;
  FWideNotes = Other->FWideNotes;
}

bool TExHintInfo::IsEmpty() const { return FTitle.empty() && FNotes->Text().empty(); }

}  // namespace jorv::foundation
