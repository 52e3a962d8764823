#pragma once
// Pictures of the HTML engine: a graphic that keeps an image file's bytes,
// measures and draws them through GDI+ and steps through the frames of an
// animated GIF, and the cache of pictures the engine loads from "RES://"
// and "FILE://" addresses.
#include <functional>
#include <memory>
#include "platform/gfx/Graphic.h"
#include "platform/rtl/List.h"

namespace jorv {
class TMemoryStream;
}
namespace jorv::foundation {

class THTMLPicture;

using TDownloadProgressEvent =
    std::function<void(TObject* Sender, Cardinal dwSize, Cardinal dwTotSize)>;
using TDownloadCancelEvent = std::function<void(TObject* Sender, bool& Cancel)>;
using TDownloadCompleteEvent = std::function<void(TObject* Sender)>;
using TDownloadErrorEvent = std::function<void(TObject* Sender, const String& err)>;

class THTMLPicture : public TGraphic {
 public:
  THTMLPicture();
  ~THTMLPicture() override;

  // Restarts the animation at frame 1, then copies another THTMLPicture
  // (stretch, frame, ID and bytes) or a TPicture's graphic; nullptr or a
  // TPicture without a graphic clears the bytes without an event. Other
  // sources only leave the picture empty.
  void Assign(TPersistent* Source) override;
  // The current frame stretched into Rect; a BMP with automatic
  // transparency. Neither the size nor Stretch is touched.
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // The size always follows the bytes.
  void SetSize(Integer, Integer) override {}

  // The whole stream from its beginning, whatever its position.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // Never raises: a file that cannot be read leaves the picture empty.
  void LoadFromFile(const String& FileName) override;
  // Form streaming: decoded, but with no event.
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  void LoadFromClipboardFormat(Word, HANDLE, HPALETTE) {}
  void SaveToClipboardFormat(Word&, HANDLE&, HPALETTE&) {}

  // RT_RCDATA resources. A missing name changes nothing; a missing number
  // raises EResNotFound.
  void LoadFromResourceName(HINSTANCE Instance, const String& ResName);
  void LoadFromResourceID(HINSTANCE Instance, Integer ResID);
  // "RES://name" (the program's resource) or "FILE://path", the prefix in
  // any letter case, loads and becomes the ID. Any other address loads
  // nothing: without Asynch it becomes the ID; with Asynch the attempt ends
  // at once with OnDownLoadError, and the picture is not left Busy.
  void LoadFromURL(const String& url);

  Integer Frame() const { return FFrame; }
  // No range check: a frame past the last measures 0 x 0.
  void SetFrame(Integer Value);
  // Neither decodes.
  void FrameNext();
  void FramePrev();
  // One animation tick of 10 hundredths of a second; true when another
  // frame became current.
  bool Step();

  // Starts with "GIF8".
  bool IsGIF() const;
  // The GIF's frames, counted once; -1 for anything else.
  Integer FrameCount();
  Word FrameXPos() const { return FFrameXPos; }
  Word FrameYPos() const { return FFrameYPos; }
  Integer GetMaxWidth() const { return FWidth; }
  Integer GetMaxHeight() const { return FHeight; }
  Integer MaxWidth() const { return GetMaxWidth(); }
  Integer MaxHeight() const { return GetMaxHeight(); }

  bool Stretch() const { return FStretched; }
  void SetStretch(bool Value) { FStretched = Value; }
  const String& ID() const { return FID; }
  void SetID(const String& Value) { FID = Value; }
  bool Asynch() const { return FAsynch; }
  void SetAsynch(bool Value) { FAsynch = Value; }
  bool Busy() const { return FThreadBusy; }

  TNotifyEvent OnFrameChange;
  TDownloadErrorEvent OnDownLoadError;
  TDownloadCompleteEvent OnDownLoadComplete;
  TDownloadCancelEvent OnDownLoadCancel;
  TDownloadProgressEvent OnDownLoadProgress;

 protected:
  bool GetEmpty() const override { return FIsEmpty; }
  Integer GetWidth() const override { return FWidth; }
  Integer GetHeight() const override { return FHeight; }
  // Frame i's delay in hundredths of a second; -1 when there is no such
  // GIF frame.
  Integer GetFrameTime(Integer i) const;

 private:
  // Positions of the GIF frame markers, in order.
  std::vector<size_t> FrameMarkers() const;
  // The bytes that show frame K first; its offset into X and Y.
  TBytes FrameBytes(Integer K, Word& X, Word& Y);
  void LoadPicture();
  void TakeBytes(TStream* Stream);

  std::unique_ptr<TMemoryStream> FDatastream;
  bool FIsEmpty = true;
  bool FStretched = false;
  String FURL;
  String FID;
  Integer FHeight = 0;
  Integer FWidth = 0;
  bool FAsynch = true;
  bool FThreadBusy = false;
  Integer FFrame = 1;
  Integer FFrameCount = -1;
  Word FFrameXPos = 0;
  Word FFrameYPos = 0;
  Integer FNextCount = -1;
  Integer FTimerCount = -1;
};

// The pictures the HTML engine loaded itself, found by their exact address.
// The cache owns them.
class THTMLPictureCache : public TList {
 public:
  THTMLPictureCache() = default;
  ~THTMLPictureCache() override;

  THTMLPicture* AddPicture();
  // The first picture whose ID is exactly ID (case counts), or nullptr.
  TGraphic* FindPicture(const String& ID) const;
  void ClearPictures();
  // Steps every picture; true when any moved to another frame.
  bool Animate();

  THTMLPicture* GetPicture(Integer Index) const;
  // Frees the picture it replaces.
  void SetPicture(Integer Index, THTMLPicture* Value);
};

}  // namespace jorv::foundation
