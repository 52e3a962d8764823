#pragma once
// The content of a rich hint: title, lines of notes, a picture and whether
// a help line shows. The hint display shows nothing for an empty one.
#include <memory>
#include <unknwn.h>
#include "foundation/GDIPPicture.h"
#include "platform/rtl/Strings.h"

namespace jorv::foundation {

// A picture that keeps its file's bytes; assigning copies them.
using THintPicture = TGDIPPicture;

class TExHintInfo : public TPersistent {
 public:
  TExHintInfo();
  ~TExHintInfo() override;

  // Only from another TExHintInfo; other sources are ignored.
  void Assign(TPersistent* Source) override;
  // No title and no notes text; the picture and the rest do not count.
  bool IsEmpty() const;

  THintPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TGraphic* Value) { FPicture->Assign(Value); }
  bool ShowHelp() const { return FShowHelp; }
  void SetShowHelp(bool Value) { FShowHelp = Value; }
  TStrings* Notes() const { return FNotes.get(); }
  void SetNotes(TStrings* Value) { FNotes->Assign(Value); }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  // Not streamed with the form.
  const String& WideTitle() const { return FWideTitle; }
  void SetWideTitle(const String& Value) { FWideTitle = Value; }
  const String& WideNotes() const { return FWideNotes; }
  void SetWideNotes(const String& Value) { FWideNotes = Value; }

 private:
  std::unique_ptr<THintPicture> FPicture;
  bool FShowHelp = false;
  std::unique_ptr<TStringList> FNotes;
  String FTitle;
  String FWideTitle;
  String FWideNotes;
};

// A control tells the hint display through this which hint information
// belongs to a client point.
struct IZVQOfficeHint : public IUnknown {
  virtual TExHintInfo* STDMETHODCALLTYPE GetOfficeHint(TPoint Pt) = 0;
};

}  // namespace jorv::foundation

// Gives the interface its identifier for __uuidof.
__CRT_UUID_DECL(jorv::foundation::IZVQOfficeHint, 0x950A842D, 0x48B0, 0x4C63, 0x9B, 0xE3, 0x11, 0xBD,
                0x47, 0xF7, 0x50, 0x26)
