#pragma once
// The system clipboard: text, bitmaps and pictures, and any registered
// format by handle.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/WinApi.h"
#include "platform/ui/Messages.h"

namespace jorv {

class TBitmap;
class TGraphic;

JORV_EXCEPTION(EClipboardException, Exception)

class TClipboard : public TPersistent {
 public:
  ~TClipboard() override;
  // Opens the clipboard (nesting); raises EClipboardException when another
  // program holds it.
  void Open();
  void Close();
  void Clear();
  bool HasFormat(UINT Format) const;
  Integer FormatCount() const;
  UINT Formats(Integer Index) const;

  String AsText();
  void SetAsText(const String& Value);
  // Puts a copy of a graphic or of a TPicture's graphic on the clipboard:
  // a metafile as CF_ENHMETAFILE, anything else as a CF_DIB bitmap. An empty
  // one raises EClipboardException.
  void Assign(TPersistent* Source) override;
  // The handle of a format's data, owned by the clipboard.
  HANDLE GetAsHandle(UINT Format);
  // Gives Value to the clipboard, which owns it from then on.
  void SetAsHandle(UINT Format, HANDLE Value);
  // Puts raw bytes on the clipboard under Format.
  void SetBuffer(UINT Format, const void* Buffer, size_t Size);

 protected:
  // Fills a TBitmap with the clipboard's bitmap, a TMetafile with its
  // metafile, or a TPicture with either (the metafile first).
  void AssignTo(TPersistent* Dest) override;

 private:
  HWND WindowHandle();
  void WndProc(HWND Window, TMessage& Message);
  void Adding();
  void AssignGraphic(TGraphic* Source);
  // The clipboard is open.
  void ReadBitmap(TBitmap* B);
  Integer FOpenRefCount = 0;
  bool FEmptied = false;
  HWND FWindow = nullptr;
};

// The application's clipboard object.
TClipboard* Clipboard();
// Registers (or finds) a named clipboard format.
UINT RegisterClipboardFormat(const String& Name);

}  // namespace jorv
