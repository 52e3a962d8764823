#pragma once
// The native rich edit (RichEdit20W): formatted text whose lines load and
// save as RTF or plain text through streams, character attributes of the
// selection or of the whole text, paragraph attributes, size requests, and
// rendering of a character range into any device context.
#include "platform/gfx/Font.h"
#include "platform/ui/Memo.h"

namespace jorv {

class TCustomRichEdit;
class TStream;

enum TAttributeType : uint8_t { atSelected, atDefaultText };
enum TNumberingStyle : uint8_t { nsNone, nsBullet };

// Character attributes: of the selection, or the default of the text.
class TTextAttributes : public TPersistent {
 public:
  TTextAttributes(TCustomRichEdit* AOwner, TAttributeType AType) : FRichEdit(AOwner), FType(AType) {}
  TColor Color() const;
  void SetColor(TColor Value);
  String Name() const;
  void SetName(const String& Value);
  // In points.
  Integer Size() const;
  void SetSize(Integer Value);
  TFontStyles Style() const;
  void SetStyle(TFontStyles Value);
  // Vertical offset of the characters in twips: negative for subscript.
  Integer Offset() const;
  void SetOffset(Integer Value);
  TFontCharset Charset() const;
  void SetCharset(TFontCharset Value);
  void Assign(TPersistent* Source) override;

 private:
  friend struct TRichFormat;
  TCustomRichEdit* FRichEdit;
  TAttributeType FType;
};

// Attributes of the paragraphs that the selection touches.
class TParaAttributes : public TPersistent {
 public:
  explicit TParaAttributes(TCustomRichEdit* AOwner) : FRichEdit(AOwner) {}
  TAlignment Alignment() const;
  void SetAlignment(TAlignment Value);
  // In pixels, as the platform's edits measure.
  Integer FirstIndent() const;
  void SetFirstIndent(Integer Value);
  Integer LeftIndent() const;
  void SetLeftIndent(Integer Value);
  Integer RightIndent() const;
  void SetRightIndent(Integer Value);
  TNumberingStyle Numbering() const;
  void SetNumbering(TNumberingStyle Value);
  void Assign(TPersistent* Source) override;

 private:
  friend struct TRichFormat;
  TCustomRichEdit* FRichEdit;
};

// Lines of a rich edit: a stream that holds an RTF document loads as one,
// anything else as plain text; saving writes RTF unless PlainText is set.
class TRichEditStrings : public TMemoStrings {
 public:
  explicit TRichEditStrings(TCustomRichEdit* RichEdit);
  void LoadFromStream(TStream* Stream, TEncoding* Encoding = nullptr) override;
  void SaveToStream(TStream* Stream, TEncoding* Encoding = nullptr) override;

 private:
  TCustomRichEdit* FRichEdit;
};

using TRichEditResizeEvent = std::function<void(TObject* Sender, TRect& Rect)>;

class TCustomRichEdit : public TCustomMemo {
 public:
  explicit TCustomRichEdit(TComponent* AOwner);
  ~TCustomRichEdit() override;

  TTextAttributes* SelAttributes() const { return FSelAttributes.get(); }
  TTextAttributes* DefAttributes() const { return FDefAttributes.get(); }
  TParaAttributes* Paragraph() const { return FParagraph.get(); }
  bool PlainText() const { return FPlainText; }
  void SetPlainText(bool Value) { FPlainText = Value; }
  // Asks the window for its preferred size (answered through OnResizeRequest).
  void RequestSize();
  // Lays out (and with Render draws) the characters from FirstChar on
  // (to LastChar, -1 for the end) into Rect of DC in DC's pixels; answers
  // the first character that did not fit.
  Integer FormatRange(HDC DC, const TRect& Rect, Integer FirstChar = 0, Integer LastChar = -1,
                      bool Render = true);
  // The whole document as RTF, and back.
  std::string RtfText();
  void SetRtfText(const std::string& Rtf);

  TRichEditResizeEvent OnResizeRequest;
  TNotifyEvent OnSelectionChange;

 protected:
  friend struct TRichFormat;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  virtual void RequestSizeChanged(TRect& Rect);
  // Renders through the window's own painting where the system lays out
  // no ranges: the window takes the rectangle's size for the moment.
  Integer PrintRange(HDC DC, const TRect& Rect, Integer FirstChar, bool Render);
  virtual void SelectionChange();

  std::unique_ptr<TTextAttributes> FSelAttributes;
  std::unique_ptr<TTextAttributes> FDefAttributes;
  std::unique_ptr<TParaAttributes> FParagraph;
  bool FPlainText = false;
  // The document while the window is away.
  std::string FSavedRtf;
  bool FHasSavedRtf = false;
};

class TRichEdit : public TCustomRichEdit {
 public:
  explicit TRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner) {}
};

}  // namespace jorv
