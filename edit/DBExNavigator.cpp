#include "edit/DBExNavigator.h"
#include <algorithm>
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Form.h"
#include "platform/ui/Timer.h"

namespace jorv::edit {
using namespace jorv::foundation;

namespace {

constexpr Integer ButtonCount = 13;

const wchar_t* const BaseNames[ButtonCount] = {
    L"ZVQNAVFIRST",  L"ZVQNAVPREVIOUS", L"ZVQNAVNEXT",   L"ZVQNAVLAST",   L"ZVQNAVINSERT",
    L"ZVQNAVDELETE", L"ZVQNAVEDIT",     L"ZVQNAVPOST",   L"ZVQNAVCANCEL", L"ZVQNAVREFRESH",
    L"ZVQNAVSEARCH", L"ZVQNAVBOOK",     L"ZVQNAVGOTO"};

const wchar_t* const DefaultHints[ButtonCount] = {
    L"Erster Datensatz",      L"Vorheriger Datensatz", L"N\u00e4chster Datensatz",
    L"Letzter Datensatz",     L"Datensatz einf\u00fcgen", L"Datensatz l\u00f6schen",
    L"Datensatz bearbeiten",  L"\u00dcbernehmen",         L"Bearbeiten abbrechen",
    L"Daten aktualisieren",   L"Find record",           L"Set bookmark",
    L"Goto bookmark"};

const wchar_t* const DeleteQuestion = L"Datensatz l\u00f6schen?";

// The built-in pictures are drawn here rather than shipped as files: a
// bitmap resource of the same name in the program still takes precedence.
constexpr COLORREF GlyphKey = RGB(255, 0, 255);

struct TGlyphPen {
  HDC DC;
  double S;  // pixels per unit of a 16-unit grid
  COLORREF Ink;
  Integer X(double U) const { return Integer(U * S + 0.5); }
  void Poly(std::initializer_list<POINT> Units) const {
    std::vector<POINT> P;
    for (POINT U : Units) P.push_back(POINT{X(U.x), X(U.y)});
    Polygon(DC, P.data(), int(P.size()));
  }
  void Box(double L, double T, double R, double B) const {
    RECT Rc{X(L), X(T), X(R), X(B)};
    HBRUSH Br = CreateSolidBrush(Ink);
    FillRect(DC, &Rc, Br);
    DeleteObject(Br);
  }
  void Line(double X1, double Y1, double X2, double Y2, double W) const {
    HPEN P = CreatePen(PS_SOLID, std::max(1, X(W)), Ink);
    HGDIOBJ Old = SelectObject(DC, P);
    MoveToEx(DC, X(X1), X(Y1), nullptr);
    LineTo(DC, X(X2), X(Y2));
    SelectObject(DC, Old);
    DeleteObject(P);
  }
};

void DrawGlyphShape(const TGlyphPen& G, Integer Button) {
  switch (Button) {
    case nbFirst:
      G.Box(3, 4, 5, 12);
      G.Poly({{12, 4}, {12, 12}, {6, 8}});
      break;
    case nbPrior: G.Poly({{11, 4}, {11, 12}, {5, 8}}); break;
    case nbNext: G.Poly({{5, 4}, {5, 12}, {11, 8}}); break;
    case nbLast:
      G.Poly({{4, 4}, {4, 12}, {10, 8}});
      G.Box(11, 4, 13, 12);
      break;
    case nbInsert:
      G.Box(7, 3, 9, 13);
      G.Box(3, 7, 13, 9);
      break;
    case nbDelete: G.Box(3, 7, 13, 9); break;
    case nbEdit:
      G.Line(4, 12, 11, 5, 2);
      G.Poly({{3, 13}, {3, 11}, {5, 13}});
      break;
    case nbPost:
      G.Line(3, 8, 6, 11, 2);
      G.Line(6, 11, 13, 4, 2);
      break;
    case nbCancel:
      G.Line(4, 4, 12, 12, 2);
      G.Line(12, 4, 4, 12, 2);
      break;
    case nbRefresh:
      G.Line(4, 6, 7, 3, 1.5);
      G.Line(7, 3, 11, 4, 1.5);
      G.Line(12, 10, 9, 13, 1.5);
      G.Line(9, 13, 5, 12, 1.5);
      G.Poly({{10, 2}, {13, 6}, {9, 7}});
      G.Poly({{6, 14}, {3, 10}, {7, 9}});
      break;
    case nbSearch: {
      HPEN P = CreatePen(PS_SOLID, std::max(1, G.X(1.5)), G.Ink);
      HGDIOBJ OldP = SelectObject(G.DC, P);
      HGDIOBJ OldB = SelectObject(G.DC, GetStockObject(NULL_BRUSH));
      Ellipse(G.DC, G.X(3), G.X(3), G.X(10), G.X(10));
      SelectObject(G.DC, OldB);
      SelectObject(G.DC, OldP);
      DeleteObject(P);
      G.Line(9, 9, 13, 13, 2);
      break;
    }
    case nbSetBookmark: G.Poly({{5, 3}, {11, 3}, {11, 13}, {8, 10}, {5, 13}}); break;
    case nbGotoBookMark:
      G.Poly({{3, 3}, {8, 3}, {8, 12}, {6, 10}, {3, 12}});
      G.Poly({{10, 5}, {14, 8}, {10, 11}});
      break;
  }
}

// The picture of Button at Size pixels: kind 'E' normal, 'H' hot, 'D'
// disabled.
void DrawBuiltInGlyph(TBitmap* B, Integer Button, Integer Size, wchar_t Kind) {
  B->SetPixelFormat(pf24bit);
  B->SetSize(Size, Size);
  HDC DC = B->Canvas()->Handle();
  RECT All{0, 0, Size, Size};
  HBRUSH Back = CreateSolidBrush(GlyphKey);
  FillRect(DC, &All, Back);
  DeleteObject(Back);
  const COLORREF Ink = Kind == 'H' ? RGB(0, 70, 160) : Kind == 'D' ? RGB(160, 160, 160)
                                                                  : RGB(32, 32, 32);
  HBRUSH Br = CreateSolidBrush(Ink);
  HPEN Pen = CreatePen(PS_SOLID, 1, Ink);
  HGDIOBJ OldB = SelectObject(DC, Br);
  HGDIOBJ OldP = SelectObject(DC, Pen);
  DrawGlyphShape(TGlyphPen{DC, Size / 16.0, Ink}, Button);
  SelectObject(DC, OldB);
  SelectObject(DC, OldP);
  DeleteObject(Br);
  DeleteObject(Pen);
  GdiFlush();
  B->SetTransparentColor(TColor(GlyphKey));
  B->Modified();
}

// Button, size and kind of a built-in picture name ("ZVQNAVNEXTLH").
bool ParseBuiltInName(const String& Name, Integer& Button, Integer& Size, wchar_t& Kind) {
  for (Integer i = 0; i < ButtonCount; ++i) {
    const String Base = BaseNames[i];
    if (Name.size() <= Base.size() || Name.compare(0, Base.size(), Base) != 0) continue;
    const String Rest = Name.substr(Base.size());
    if (Rest.size() == 1 || (Rest.size() == 2 && Rest[0] == L'L')) {
      Kind = Rest.back();
      if (Kind != L'E' && Kind != L'H' && Kind != L'D') continue;
      Button = i;
      Size = Rest.size() == 2 ? 24 : 16;
      return true;
    }
  }
  return false;
}

bool ProgramHasBitmap(const String& Name) {
  return FindResourceW(GetModuleHandleW(nullptr), Name.c_str(), MAKEINTRESOURCEW(2)) != nullptr;
}

bool GlyphExists(const String& Name) {
  Integer Button, Size;
  wchar_t Kind;
  return ProgramHasBitmap(Name) || ParseBuiltInName(Name, Button, Size, Kind);
}

// Loads a picture by name; a missing one raises the platform's resource
// error.
void LoadGlyph(TBitmap* B, const String& Name) {
  Integer Button, Size;
  wchar_t Kind;
  if (!ProgramHasBitmap(Name) && ParseBuiltInName(Name, Button, Size, Kind)) {
    DrawBuiltInGlyph(B, Button, Size, Kind);
    return;
  }
  B->LoadFromResourceName(GetModuleHandleW(nullptr), Name);
}

}  // namespace

// ---------------------------------------------------------------------------

TExNavButton::TExNavButton(TComponent* AOwner) : TExToolButton(AOwner) {}

TExNavButton::~TExNavButton() = default;

void TExNavButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TExToolButton::MouseDown(Button, Shift, X, Y);
  if (!FNavStyle.Contains(nsAllowTimer) || Button != mbLeft || !Enabled()) return;
  if (!FRepeatTimer) FRepeatTimer = std::make_unique<TTimer>(nullptr);
  FRepeatTimer->OnTimer = [this](TObject* S) { RepeatTimerTick(S); };
  FRepeatTimer->SetEnabled(false);
  FRepeatTimer->SetInterval(400);
  FRepeatTimer->SetEnabled(true);
}

void TExNavButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TExToolButton::MouseUp(Button, Shift, X, Y);
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
}

void TExNavButton::RepeatTimerTick(TObject*) {
  FRepeatTimer->SetInterval(100);
  if (State() != bsDown || GetCaptureControl() != this) return;
  auto Undo = ScopeExit([&] { FRepeatTimer->SetEnabled(false); });
  Click();
  Undo.Dismiss();
}

void TExNavButton::Paint() {
  TExToolButton::Paint();
  auto* Nav = dynamic_cast<TDBExNavigator*>(Parent());
  if (!Nav || !Nav->HandleAllocated() || GetFocus() != Nav->Handle() ||
      Nav->FFocusedButton != FIndex)
    return;
  TRect R(3, 3, Width() - 3, Height() - 3);
  if (State() == bsDown) R = TRect(R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1);
  Canvas()->DrawFocusRect(R);
}

// ---------------------------------------------------------------------------

TExNavDataLink::TExNavDataLink(TDBExNavigator* ANav) : FNavigator(ANav) { FVisualControl = true; }

TExNavDataLink::~TExNavDataLink() { FNavigator = nullptr; }

void TExNavDataLink::EditingChanged() {
  if (FNavigator) FNavigator->NavEditingChanged();
}

void TExNavDataLink::DataSetChanged() {
  if (FNavigator) FNavigator->NavDataChanged();
}

void TExNavDataLink::ActiveChanged() {
  if (FNavigator) FNavigator->NavActiveChanged();
}

// ---------------------------------------------------------------------------

TDBExNavigator::TDBExNavigator(TComponent* AOwner)
    : TCustomPanel(AOwner),
      FDataLink(std::make_unique<TExNavDataLink>(this)),
      FHints(std::make_unique<TStringList>()) {
  FControlStyle -= csAcceptsControls;
  FControlStyle -= csSetCaption;
  FControlStyle += csOpaque;
  for (Integer b = nbFirst; b <= nbRefresh; ++b) FVisibleButtons += TExNavigateBtn(b);
  FHints->OnChange = [this](TObject*) { InitHints(); };
  InitButtons();
  InitHints();
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  SetBounds(Left(), Top(), 241, 25);
  SetFullRepaint(false);
}

TDBExNavigator::~TDBExNavigator() {
  // The buttons outlive this object's fields: nothing may reach back.
  ForButtons([](TExNavButton* B) {
    B->OnClick = nullptr;
    B->OnMouseDown = nullptr;
  });
  FDataLink.reset();
}

void TDBExNavigator::SetMinButtonSize() {
  switch (FGlyphSize) {
    case gsSmall: MinBtnSize = TPoint(20, 18); break;
    case gsLarge: MinBtnSize = TPoint(32, 30); break;
    case gsCustom: MinBtnSize = TPoint(FGlyphCustomSize, FGlyphCustomSize - 2); break;
  }
}

void TDBExNavigator::LoadButtonGlyphs(TExNavButton* Button) {
  String Base = BaseNames[Button->Index()];
  String E, Hot, D;
  switch (FGlyphSize) {
    case gsSmall: E = L"E"; Hot = L"H"; D = L"D"; break;
    case gsLarge: E = L"LE"; Hot = L"LH"; D = L"LD"; break;
    case gsCustom:
      E = FGlyphResName + L"E";
      Hot = FGlyphResName + L"H";
      D = FGlyphResName + L"D";
      break;
  }
  TBitmap B;
  LoadGlyph(&B, Base + E);
  // The disabled picture is set first so that the glyph does not replace it
  // with a greyed copy.
  if (GlyphExists(Base + D)) {
    TBitmap G;
    LoadGlyph(&G, Base + D);
    Button->SetGlyphDisabled(&G);
  }
  Button->SetGlyph(&B);
  if (GlyphExists(Base + Hot)) {
    TBitmap G;
    LoadGlyph(&G, Base + Hot);
    Button->SetGlyphHot(&G);
  }
}

void TDBExNavigator::InitButtons() {
  SetMinButtonSize();
  Integer X = 0;
  for (Integer i = nbFirst; i <= nbGotoBookMark; ++i) {
    const auto Index = TExNavigateBtn(i);
    auto* B = new TExNavButton(this);
    FButtons[i] = B;
    B->SetFlat(FFlat);
    B->SetIndex(Index);
    B->SetVisible(FVisibleButtons.Contains(Index));
    B->SetEnabled(true);
    B->SetBounds(X, 0, MinBtnSize.X, MinBtnSize.Y);
    X += MinBtnSize.X;
    LoadButtonGlyphs(B);
    B->SetShaded(FShaded);
    B->SetEnabled(false);
    B->SetEnabled(true);
    B->OnClick = [this, Index](TObject*) { BtnClick(Index); };
    B->OnMouseDown = [this, B](TObject*, TMouseButton, TShiftState, Integer, Integer) {
      ButtonMouseDown(B);
    };
    B->SetParent(this);
  }
  FButtons[nbPrior]->SetNavStyle(FButtons[nbPrior]->NavStyle() + nsAllowTimer);
  FButtons[nbNext]->SetNavStyle(FButtons[nbNext]->NavStyle() + nsAllowTimer);
}

void TDBExNavigator::InitHints() {
  if (!FDefHints) {
    FDefHints = std::make_unique<TStringList>();
    for (const wchar_t* H : DefaultHints) FDefHints->Add(H);
  }
  for (Integer i = 0; i < ButtonCount; ++i)
    if (FButtons[i]) FButtons[i]->SetHint(FDefHints->Strings(i));
  for (Integer i = 0; i < std::min<Integer>(FHints->Count(), ButtonCount); ++i)
    if (!FHints->Strings(i).empty() && FButtons[i]) FButtons[i]->SetHint(FHints->Strings(i));
}

TStrings* TDBExNavigator::Hints() {
  const TComponentState S = ComponentState();
  if (S.Contains(csDesigning) && !S.Contains(csReading) && !S.Contains(csWriting) &&
      FHints->Count() == 0) {
    InitHints();
    return FDefHints.get();
  }
  return FHints.get();
}

void TDBExNavigator::SetHints(TStrings* Value) {
  if (!FDefHints) InitHints();
  if (Value && Value->Text() == FDefHints->Text())
    FHints->Clear();
  else if (Value)
    FHints->Assign(Value);
  else
    FHints->Clear();
}

Integer TDBExNavigator::VisibleCount() const {
  Integer N = 0;
  for (Integer i = 0; i < ButtonCount; ++i)
    if (FVisibleButtons.Contains(TExNavigateBtn(i))) ++N;
  return std::max(N, 1);
}

void TDBExNavigator::CalcMinSize(Integer& W, Integer& H) {
  if (ComponentState().Contains(csLoading) || !FButtons[nbFirst]) return;
  const Integer Count = VisibleCount();
  if (FOrientation == noHorizontal) {
    W = std::max(W, Count * MinBtnSize.X);
    H = std::max(H, MinBtnSize.Y);
    if (Align() == alNone) W = (W / Count) * Count;
  } else {
    W = std::max(W, MinBtnSize.X);
    H = std::max(H, Count * MinBtnSize.Y);
    if (Align() == alNone) H = (H / Count) * Count;
  }
}

void TDBExNavigator::LayoutButtons(Integer& W, Integer& H) {
  if (ComponentState().Contains(csLoading) || !FButtons[nbFirst]) return;
  CalcMinSize(W, H);
  const Integer Count = VisibleCount();
  const bool Horz = FOrientation == noHorizontal;
  Integer Size;
  if (Horz) {
    ButtonWidth = W / Count;
    Size = ButtonWidth;
    if (Align() == alNone) W = Count * ButtonWidth;
  } else {
    ButtonHeight = H / Count;
    Size = ButtonHeight;
    if (Align() == alNone) H = Count * ButtonHeight;
  }
  const Integer Space = (Horz ? W : H) - Count * Size;
  Integer T = Count / 2;
  Integer Pos = 0;
  // Buttons are placed in the size being applied, so that a navigator
  // whose bounds follow the adjustment shows them right away.
  for (Integer i = 0; i < ButtonCount; ++i) {
    TExNavButton* B = FButtons[i];
    if (FVisibleButtons.Contains(TExNavigateBtn(i))) {
      Integer Extra = 0;
      if (Space != 0) {
        T -= Space;
        if (T < 0) {
          Extra = 1;
          T += Count;
        }
      }
      if (Horz) {
        B->SetBounds(Pos, 0, Size + Extra, H);
      } else {
        B->SetBounds(0, Pos, W, Size + Extra);
      }
      Pos += Size + Extra;
    } else if (Horz) {
      B->SetBounds(W + 1, 0, Size, H);
    } else {
      B->SetBounds(0, H + 1, W, Size);
    }
  }
}

void TDBExNavigator::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (!HandleAllocated()) LayoutButtons(AWidth, AHeight);
  TCustomPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDBExNavigator::WMSize(TWMSize& M) {
  TCustomPanel::WMSize(M);
  Integer W = Width(), H = Height();
  LayoutButtons(W, H);
}

void TDBExNavigator::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_WINDOWPOSCHANGING: {
      TCustomPanel::Dispatch(M);
      WINDOWPOS* WP = MsgAs<TWMWindowPosChanging>(M).WindowPos;
      if (WP && !(WP->flags & SWP_NOSIZE)) {
        Integer W = WP->cx, H = WP->cy;
        CalcMinSize(W, H);
        WP->cx = W;
        WP->cy = H;
      }
      return;
    }
    case WM_GETDLGCODE: M.Result = DLGC_WANTARROWS; return;
    case CM_GETDATALINK: M.Result = reinterpret_cast<LRESULT>(FDataLink.get()); return;
    default: TCustomPanel::Dispatch(M);
  }
}

void TDBExNavigator::SetVisibleButtons(TButtonSet Value) {
  FVisibleButtons = Value;
  for (Integer i = 0; i < ButtonCount; ++i)
    FButtons[i]->SetVisible(Value.Contains(TExNavigateBtn(i)));
  Integer W = Width(), H = Height();
  LayoutButtons(W, H);
  if (W != Width() || H != Height()) TCustomPanel::SetBounds(Left(), Top(), W, H);
  Invalidate();
}

void TDBExNavigator::SetOrientation(TNavigatorOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (!ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading)) return;
  const Integer Count = VisibleCount();
  if (Value == noVertical)
    SetBounds(Left(), Top(), MinBtnSize.X, Count * MinBtnSize.Y);
  else
    SetBounds(Left(), Top(), Count * MinBtnSize.X, MinBtnSize.Y);
  Integer W = Width(), H = Height();
  LayoutButtons(W, H);
}

void TDBExNavigator::SetGlyphSize(TGlyphSize Value) {
  if (Value == FGlyphSize && Value != gsCustom) return;
  const TGlyphSize Old = FGlyphSize;
  FGlyphSize = Value;
  SetMinButtonSize();
  // Pictures that do not exist leave every button as it was.
  auto Undo = ScopeExit([&] {
    FGlyphSize = Old;
    SetMinButtonSize();
    if (Old != Value) ForButtons([this](TExNavButton* B) { LoadButtonGlyphs(B); });
  });
  ForButtons([this](TExNavButton* B) { LoadButtonGlyphs(B); });
  Undo.Dismiss();
}

// Both only matter to the custom size: a built-in size stays as it is.
void TDBExNavigator::SetGlyphCustomSize(Integer Value) {
  const Integer Old = FGlyphCustomSize;
  FGlyphCustomSize = Value;
  auto Undo = ScopeExit([&] {
    FGlyphCustomSize = Old;
    SetMinButtonSize();
    ForButtons([this](TExNavButton* B) { LoadButtonGlyphs(B); });
  });
  SetGlyphSize(FGlyphSize);
  Undo.Dismiss();
}

void TDBExNavigator::SetGlyphResName(const String& Value) {
  const String Old = FGlyphResName;
  FGlyphResName = Value;
  auto Undo = ScopeExit([&] {
    FGlyphResName = Old;
    ForButtons([this](TExNavButton* B) { LoadButtonGlyphs(B); });
  });
  SetGlyphSize(FGlyphSize);
  Undo.Dismiss();
}

#define JORV_NAV_SETTER(Name, Type, Field)                        \
  void TDBExNavigator::Set##Name(Type Value) {                    \
    Field = Value;                                                \
    ForButtons([Value](TExNavButton* B) { B->Set##Name(Value); }); \
  }
JORV_NAV_SETTER(Shaded, bool, FShaded)
JORV_NAV_SETTER(Color, TColor, FColor)
JORV_NAV_SETTER(ColorTo, TColor, FColorTo)
JORV_NAV_SETTER(ColorHot, TColor, FColorHot)
JORV_NAV_SETTER(ColorHotTo, TColor, FColorHotTo)
JORV_NAV_SETTER(ColorDown, TColor, FColorDown)
JORV_NAV_SETTER(ColorDownTo, TColor, FColorDownTo)
JORV_NAV_SETTER(BorderColor, TColor, FBorderColor)
JORV_NAV_SETTER(BorderHotColor, TColor, FBorderHotColor)
JORV_NAV_SETTER(BorderDownColor, TColor, FBorderDownColor)
#undef JORV_NAV_SETTER

void TDBExNavigator::SetFlat(bool Value) {
  if (FFlat == Value) return;
  FFlat = Value;
  ForButtons([Value](TExNavButton* B) { B->SetFlat(Value); });
}

void TDBExNavigator::SetDeleteDisabled(bool Value) {
  FDeleteDisabled = Value;
  NavDataChanged();
}

void TDBExNavigator::SetInsertDisabled(bool Value) {
  FInsertDisabled = Value;
  NavDataChanged();
}

void TDBExNavigator::ApplyButtonColors() {
  ForButtons([this](TExNavButton* B) {
    B->SetColor(FColor);
    B->SetColorTo(FColorTo);
    B->SetColorDown(FColorDown);
    B->SetColorDownTo(FColorDownTo);
    B->SetColorHot(FColorHot);
    B->SetColorHotTo(FColorHotTo);
    B->SetBorderColor(FBorderColor);
    B->SetBorderDownColor(FBorderDownColor);
    B->SetBorderHotColor(FBorderHotColor);
    B->SetAutoThemeAdapt(FAutoThemeAdapt);
    B->SetRounded(false);
  });
}

void TDBExNavigator::SetLook(Integer Value) {
  FLook = Value;
  struct TNavLook {
    TColor Color, ColorTo, Hot, HotTo, Down, DownTo, BorderDown, BorderHot;
  };
  static const TNavLook Looks[] = {
      {TColor(0xEDF1F1), TColor(0xDFEBEB), TColor(0xFAFCFC), TColor(0xE5ECED), TColor(0xE0E6E7),
       TColor(0xD8E0E1), TColor(0xAF987A), TColor(0xC3CECE)},
      {clBtnFace, clNone, TColor(0xEED2C1), clNone, TColor(0xE2B598), clNone, TColor(0xC56A31),
       TColor(0xC56A31)},
      {TColor(0xFDEADA), TColor(0xE4AE88), TColor(0xCCF4FF), TColor(0x91D0FF), TColor(0x4E91FE),
       TColor(0x8ED3FF), 0, 0},
      {TColor(0xCFF0EA), TColor(0x8CC0B1), TColor(0xCCF4FF), TColor(0x91D0FF), TColor(0x4E91FE),
       TColor(0x8ED3FF), 0, 0},
      {TColor(0xECE2E1), TColor(0xB39698), TColor(0xCCF4FF), TColor(0x91D0FF), TColor(0x4E91FE),
       TColor(0x8ED3FF), 0, 0},
      {clBtnFace, clNone, clBtnFace, clNone, TColor(0xD8D3D2), clNone, clNone, clNone},
      {TColor(0xCAFFFF), TColor(0xA6FFFF), TColor(0xA8F0FD), TColor(0x7CE9FC), TColor(0x4DE0FB),
       TColor(0x7AE9FC), TColor(0x808080), TColor(0x808080)},
  };
  if (Value < 0 || Value > 6) return;
  const TNavLook& L = Looks[Value];
  SetColor(L.Color);
  SetColorTo(L.ColorTo);
  SetColorHot(L.Hot);
  SetColorHotTo(L.HotTo);
  SetColorDown(L.Down);
  SetColorDownTo(L.DownTo);
  SetBorderDownColor(L.BorderDown);
  SetBorderHotColor(L.BorderHot);
  SetBorderColor(clNone);
  SetFlat(true);
}

TDataSource* TDBExNavigator::DataSource() const { return FDataLink->DataSource(); }

void TDBExNavigator::SetDataSource(TDataSource* Value) {
  if (TDataSource* Old = FDataLink->DataSource()) Old->RemoveFreeNotification(this);
  FDataLink->SetDataSource(Value);
  if (Value) Value->FreeNotification(this);
  if (!ComponentState().Contains(csLoading)) NavActiveChanged();
}

void TDBExNavigator::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomPanel::Notification(AComponent, Operation);
  if (Operation == opRemove && FDataLink && AComponent == FDataLink->DataSource())
    SetDataSource(nullptr);
}

void TDBExNavigator::Loaded() {
  TCustomPanel::Loaded();
  Integer W = Width(), H = Height();
  LayoutButtons(W, H);
  if (W != Width() || H != Height()) TCustomPanel::SetBounds(Left(), Top(), W, H);
  InitHints();
  NavActiveChanged();
  SetShaded(FShaded);
  ApplyButtonColors();
}

void TDBExNavigator::NavDataChanged() {
  if (!FButtons[nbFirst]) return;
  const bool E = Enabled() && FDataLink->Active();
  TDataSet* DS = FDataLink->DataSet();
  const bool M = E && DS && DS->CanModify();
  const bool Bof = E && DS && DS->BOF(), Eof = E && DS && DS->Eof();
  FButtons[nbFirst]->SetEnabled(E && !Bof);
  FButtons[nbPrior]->SetEnabled(E && !Bof);
  FButtons[nbNext]->SetEnabled(E && !Eof);
  FButtons[nbLast]->SetEnabled(E && !Eof);
  FButtons[nbDelete]->SetEnabled(M && !(Bof && Eof) && !FDeleteDisabled);
  FButtons[nbInsert]->SetEnabled(M && !FInsertDisabled);
  FButtons[nbSearch]->SetEnabled(E);
  FButtons[nbSetBookmark]->SetEnabled(E);
  FButtons[nbGotoBookMark]->SetEnabled(E && !FUBookmark.empty());
}

void TDBExNavigator::NavEditingChanged() {
  if (!FButtons[nbFirst]) return;
  const bool E = Enabled() && FDataLink->Active();
  TDataSet* DS = FDataLink->DataSet();
  const bool M = E && DS && DS->CanModify();
  const bool Editing = FDataLink->Editing();
  FButtons[nbInsert]->SetEnabled(M && !FInsertDisabled);
  FButtons[nbEdit]->SetEnabled(M && !Editing);
  FButtons[nbRefresh]->SetEnabled(M && !Editing);
  FButtons[nbPost]->SetEnabled(M && Editing);
  FButtons[nbCancel]->SetEnabled(M && Editing);
}

void TDBExNavigator::NavActiveChanged() {
  if (!FButtons[nbFirst]) return;
  if (Enabled() && FDataLink->Active()) {
    NavDataChanged();
    NavEditingChanged();
  } else {
    ForButtons([](TExNavButton* B) { B->SetEnabled(false); });
    FBookmark.clear();
    FUBookmark.clear();
  }
}

void TDBExNavigator::CMEnabledChanged(TMessage& M) {
  TCustomPanel::CMEnabledChanged(M);
  if (!ComponentState().Contains(csLoading)) NavActiveChanged();
}

void TDBExNavigator::BtnClick(TExNavigateBtn Index) {
  const bool Designing = ComponentState().Contains(csDesigning);
  TDataSource* Src = DataSource();
  if (Src && Src->State() != dsInactive) {
    if (BeforeAction && !Designing) BeforeAction(this, Index);
    static TNotifyEvent TDBExNavigator::* const Events[ButtonCount] = {
        &TDBExNavigator::OnBtnFirst,  &TDBExNavigator::OnBtnPrior,  &TDBExNavigator::OnBtnNext,
        &TDBExNavigator::OnBtnLast,   &TDBExNavigator::OnBtnInsert, &TDBExNavigator::OnBtnDelete,
        &TDBExNavigator::OnBtnEdit,   &TDBExNavigator::OnBtnPost,   &TDBExNavigator::OnBtnCancel,
        &TDBExNavigator::OnBtnRefresh, &TDBExNavigator::OnBtnSearch,
        &TDBExNavigator::OnBtnSetBookmark, &TDBExNavigator::OnBtnGotoBookmark};
    const TNotifyEvent& Own = this->*Events[Index];
    if (Own) {
      Own(this);
    } else if (TDataSet* DS = Src->DataSet()) {
      switch (Index) {
        case nbFirst: DS->First(); break;
        case nbPrior: DS->Prior(); break;
        case nbNext: DS->Next(); break;
        case nbLast: DS->Last(); break;
        case nbInsert: DS->Insert(); break;
        case nbEdit: DS->Edit(); break;
        case nbCancel: DS->Cancel(); break;
        case nbPost: DS->Post(); break;
        case nbRefresh: DS->Refresh(); break;
        case nbDelete:
          if (!FConfirmDelete ||
              MessageDlg(DeleteQuestion, mtConfirmation, mbOKCancel) != mrCancel)
            DS->Delete();
          break;
        case nbSetBookmark:
          FUBookmark = DS->GetBookmark();
          FButtons[nbGotoBookMark]->SetEnabled(!FUBookmark.empty());
          break;
        case nbGotoBookMark:
          if (!FUBookmark.empty()) DS->GotoBookmark(FUBookmark);
          break;
        case nbSearch: break;
      }
    }
  }
  if (OnClick && !Designing) OnClick(this, Index);
}

void TDBExNavigator::ButtonMouseDown(TExNavButton* Button) {
  const TExNavigateBtn Old = FFocusedButton;
  FFocusedButton = Button->Index();
  if (TabStop() && !Focused() && CanFocus()) {
    SetFocus();
  } else if (TabStop() && Focused() && Old != FFocusedButton) {
    FButtons[Old]->Invalidate();
    FButtons[FFocusedButton]->Invalidate();
  }
}

void TDBExNavigator::KeyDown(Word& Key, TShiftState Shift) {
  const TExNavigateBtn Old = FFocusedButton;
  switch (Key) {
    case VK_SPACE:
      if (FButtons[FFocusedButton]->Enabled()) FButtons[FFocusedButton]->Click();
      break;
    case VK_LEFT:
    case VK_RIGHT: {
      const Integer Step = Key == VK_LEFT ? -1 : 1;
      for (Integer i = Integer(Old) + Step; i >= 0 && i < ButtonCount; i += Step)
        if (FButtons[i]->Visible()) {
          FFocusedButton = TExNavigateBtn(i);
          FButtons[Old]->Invalidate();
          FButtons[i]->Invalidate();
          break;
        }
      break;
    }
    default: break;
  }
  TCustomPanel::KeyDown(Key, Shift);
}

void TDBExNavigator::WMSetFocus(TWMSetFocus& M) {
  TCustomPanel::WMSetFocus(M);
  FButtons[FFocusedButton]->Invalidate();
}

void TDBExNavigator::WMKillFocus(TWMKillFocus& M) {
  TCustomPanel::WMKillFocus(M);
  FButtons[FFocusedButton]->Invalidate();
}

}  // namespace jorv::edit
