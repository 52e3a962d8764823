// Component streaming: exact bytes of the binary form format, round trips
// of every kind of value, defaults left out, and damaged streams.
#include <gtest/gtest.h>
#include <cmath>
#include <memory>
#include <random>
#include "platform/rtl/rtl.h"

using namespace jorv;

namespace {

enum TSampleShape : uint8_t { shNone, shCircle, shSquare };
enum TSampleOption : uint8_t { soBold, soItalic, soWrap };
using TSampleOptions = TSet<TSampleOption, 8>;

const TEnumInfo SampleShapeNames{{L"shNone", L"shCircle", L"shSquare"}};
const TEnumInfo SampleOptionNames{{L"soBold", L"soItalic", L"soWrap"}};

class TSampleSettings : public TPersistent {
 public:
  Integer Margin() const { return FMargin; }
  void SetMargin(Integer Value) { FMargin = Value; }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }

 private:
  Integer FMargin = 2;
  String FTitle;
};

class TSampleItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  Integer Value() const { return FValue; }
  void SetValue(Integer V) { FValue = V; }

 private:
  Integer FValue = 0;
};

// A component with one property of each kind, a defined integer, a defined
// binary block, and children it stores itself.
class TSample : public TComponent {
 public:
  explicit TSample(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  Integer Count() const { return FCount; }
  void SetCount(Integer V) {
    if (V < 0) throw Exception(L"Count must not be negative");
    FCount = V;
  }
  Int64 Big() const { return FBig; }
  void SetBig(Int64 V) { FBig = V; }
  bool Active() const { return FActive; }
  void SetActive(bool V) { FActive = V; }
  TSampleShape Shape() const { return FShape; }
  void SetShape(TSampleShape V) { FShape = V; }
  TSampleOptions Options() const { return FOptions; }
  void SetOptions(TSampleOptions V) { FOptions = V; }
  double Ratio() const { return FRatio; }
  void SetRatio(double V) { FRatio = V; }
  TDateTime When() const { return FWhen; }
  void SetWhen(TDateTime V) { FWhen = V; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& V) { FCaption = V; }
  TColor Color() const { return FColor; }
  void SetColor(TColor V) { FColor = V; }
  TSampleSettings* Settings() const { return FSettings.get(); }
  TStringList* Lines() const { return FLines.get(); }
  TOwnedCollection* Items() const { return FItems.get(); }
  TSample* Partner() const { return FPartner; }
  void SetPartner(TSample* V) { FPartner = V; }

  Integer Hidden = 0;
  TBytes Blob;
  bool StoreChildren = false;
  Integer LoadedCalls = 0;
  bool LoadingSeenBySetter = false;

  void Loaded() override {
    TComponent::Loaded();
    ++LoadedCalls;
  }
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override {
    if (!StoreChildren) return;
    for (Integer i = 0; i < ComponentCount(); ++i)
      if (Components(i)->Owner() == Root) Proc(Components(i));
  }

 protected:
  void DefineProperties(TFiler* Filer) override {
    TComponent::DefineProperties(Filer);
    Filer->DefineProperty(
        L"Hidden", [this](TReader* R) { Hidden = R->ReadInteger(); },
        [this](TWriter* W) { W->WriteInteger(Hidden); }, Hidden != 0);
    Filer->DefineBinaryProperty(
        L"Blob",
        [this](TStream* S) {
          Blob.resize(static_cast<size_t>(S->Size()));
          S->ReadBuffer(Blob.data(), static_cast<Integer>(Blob.size()));
        },
        [this](TStream* S) { S->WriteBuffer(Blob.data(), static_cast<Integer>(Blob.size())); },
        !Blob.empty());
  }

 private:
  Integer FCount = 0;
  Int64 FBig = 0;
  bool FActive = false;
  TSampleShape FShape = shNone;
  TSampleOptions FOptions{};
  double FRatio = 0;
  TDateTime FWhen = 0;
  String FCaption;
  TColor FColor = 0;
  std::unique_ptr<TSampleSettings> FSettings = std::make_unique<TSampleSettings>();
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
  std::unique_ptr<TOwnedCollection> FItems =
      std::make_unique<TOwnedCollection>(this, CollectionItemClass<TSampleItem>());
  TSample* FPartner = nullptr;
};

JORV_PUBLISH(TSampleSettings, TPersistent) {
  Class.Integer(L"Margin", &TSampleSettings::Margin, &TSampleSettings::SetMargin, 2)
      .Text(L"Title", &TSampleSettings::Title, &TSampleSettings::SetTitle);
}

JORV_PUBLISH(TSampleItem, TCollectionItem) {
  Class.Integer(L"Value", &TSampleItem::Value, &TSampleItem::SetValue, 0);
}

JORV_PUBLISH(TSample, TComponent) {
  Class.Integer(L"Count", &TSample::Count, &TSample::SetCount, 0)
      .Boolean(L"Active", &TSample::Active, &TSample::SetActive, false)
      .Enum(L"Shape", &TSample::Shape, &TSample::SetShape, SampleShapeNames,
            std::optional<TSampleShape>(shNone))
      .Set(L"Options", &TSample::Options, &TSample::SetOptions, SampleOptionNames,
           std::optional<TSampleOptions>(TSampleOptions{}))
      .Text(L"Caption", &TSample::Caption, &TSample::SetCaption)
      .Int64(L"BigNumberBeyondThirtyTwoBits", &TSample::Big, &TSample::SetBig, 0)
      .Float(L"Ratio", &TSample::Ratio, &TSample::SetRatio)
      .DateTime(L"When", &TSample::When, &TSample::SetWhen)
      .Color(L"Color", &TSample::Color, &TSample::SetColor, 0)
      .Object(L"Settings", &TSample::Settings)
      .Object(L"Lines", &TSample::Lines)
      .Object(L"Items", &TSample::Items)
      .Reference<TSample>(L"Partner", &TSample::Partner, &TSample::SetPartner);
}

TBytes Written(TComponent* C) {
  TBytesStream s;
  s.WriteComponent(C);
  return s.Bytes();
}

void ReadInto(const TBytes& Bytes, TComponent* C) {
  TBytesStream s(Bytes);
  s.ReadComponent(C);
}

TBytes Text(std::initializer_list<int> Values) {
  TBytes bytes;
  for (int v : Values) bytes.push_back(static_cast<Byte>(v));
  return bytes;
}

TBytes operator+(TBytes a, const std::string& b) {
  a.append(b.begin(), b.end());
  return a;
}

TBytes operator+(TBytes a, const TBytes& b) {
  a.append(b);
  return a;
}

// A short string as the format has it: length byte, then the bytes.
TBytes Short(const std::string& s) { return Text({static_cast<int>(s.size())}) + s; }

void FillAll(TSample& s) {
  s.SetCount(300);
  s.SetBig(INT64_C(5000000000));  // its name's length byte is no value kind
  s.SetActive(true);
  s.SetShape(shSquare);
  s.SetOptions({soBold, soWrap});
  s.SetRatio(-1.0 / 3);
  s.SetWhen(45000.75);
  s.SetCaption(L"Gr\u00FC\u00DFe \u20AC");
  s.SetColor(0x123456);
  s.Settings()->SetMargin(-70000);
  s.Settings()->SetTitle(std::wstring(300, L'x'));
  s.Lines()->Add(L"one");
  s.Lines()->Add(L"");
  static_cast<TSampleItem*>(s.Items()->Add())->SetValue(7);
  static_cast<TSampleItem*>(s.Items()->Add())->SetValue(0);
  s.Hidden = 42;
  s.Blob = Text({0, 1, 2, 255});
}

void ExpectSameValues(const TSample& a, const TSample& b) {
  EXPECT_EQ(a.Count(), b.Count());
  EXPECT_EQ(a.Big(), b.Big());
  EXPECT_EQ(a.Active(), b.Active());
  EXPECT_EQ(a.Shape(), b.Shape());
  EXPECT_TRUE(a.Options() == b.Options());
  EXPECT_EQ(a.Ratio(), b.Ratio());
  EXPECT_EQ(a.When(), b.When());
  EXPECT_EQ(a.Caption(), b.Caption());
  EXPECT_EQ(a.Color(), b.Color());
  EXPECT_EQ(a.Settings()->Margin(), b.Settings()->Margin());
  EXPECT_EQ(a.Settings()->Title(), b.Settings()->Title());
  EXPECT_EQ(a.Lines()->Text(), b.Lines()->Text());
  ASSERT_EQ(a.Items()->Count(), b.Items()->Count());
  for (Integer i = 0; i < a.Items()->Count(); ++i)
    EXPECT_EQ(static_cast<TSampleItem*>(a.Items()->Items(i))->Value(),
              static_cast<TSampleItem*>(b.Items()->Items(i))->Value());
  EXPECT_EQ(a.Hidden, b.Hidden);
  EXPECT_EQ(a.Blob, b.Blob);
}

}  // namespace

TEST(Filer, BytesOfASmallComponentFollowTheFormatByHand) {
  TSample s;
  s.SetName(L"S1");
  s.SetCount(200);                 // past Int8: vaInt16
  s.SetActive(true);               // vaTrue
  s.SetShape(shCircle);            // vaIdent
  s.SetOptions({soBold, soWrap});  // vaSet, members, empty name
  s.SetCaption(L"Hi");             // vaString
  s.Settings()->SetMargin(5);      // owned object under a dotted name
  s.SetRatio(1.5);                 // vaExtended: 1.5 = 0.11b x 2^1

  TBytes expected = TBytes() + "TPF0" + Short("TSample") + Short("S1") +
                    Short("Count") + Text({3, 200, 0}) +
                    Short("Active") + Text({9}) +
                    Short("Shape") + Text({7}) + Short("shCircle") +
                    Short("Options") + Text({11}) + Short("soBold") + Short("soWrap") + Text({0}) +
                    Short("Caption") + Text({6, 2}) + "Hi" +
                    Short("Ratio") + Text({5, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F}) +
                    Short("Settings.Margin") + Text({2, 5}) +
                    Text({0, 0});
  EXPECT_EQ(Written(&s), expected);
}

TEST(Filer, ValuesOfEveryKindComeBackAndDefaultsStayOut) {
  TSample fresh;
  EXPECT_EQ(Written(&fresh), TBytes() + "TPF0" + Short("TSample") + Short("") + Text({0, 0}))
      << "nothing but the header when every property has its default";

  TSample original;
  FillAll(original);
  TSample copy;
  ReadInto(Written(&original), &copy);
  ExpectSameValues(original, copy);
  EXPECT_EQ(copy.LoadedCalls, 1);
  EXPECT_FALSE(copy.ComponentState().Contains(csLoading));

  // Reading again replaces the collection and list instead of adding to them.
  ReadInto(Written(&original), &copy);
  EXPECT_EQ(copy.Items()->Count(), 2);
  EXPECT_EQ(copy.Lines()->Count(), 2);
}

TEST(Filer, FloatsKeepEveryBitThroughTheExtendedFormat) {
  for (double value : {1e-310, -2.5e-320, 1.7976931348623157e308, -0.1,
                       static_cast<double>(-INFINITY)}) {
    TSample a, b;
    a.SetRatio(value);
    ReadInto(Written(&a), &b);
    EXPECT_EQ(b.Ratio(), value) << value;
  }
}

TEST(Filer, ChildrenAndReferencesAreRebuiltByName) {
  RegisterClass<TSample>(L"TSample");
  TSample form;
  form.SetName(L"Form1");
  form.StoreChildren = true;
  auto* first = new TSample(&form);
  first->SetName(L"First");
  auto* second = new TSample(&form);
  second->SetName(L"Second");
  second->SetCount(9);
  first->SetPartner(second);
  form.SetPartner(&form);
  TBytes bytes = Written(&form);

  std::unique_ptr<TComponent> made(TBytesStream(bytes).ReadComponent(nullptr));
  auto* copy = dynamic_cast<TSample*>(made.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Name(), L"Form1");
  ASSERT_EQ(copy->ComponentCount(), 2);
  auto* copyFirst = dynamic_cast<TSample*>(copy->FindComponent(L"First"));
  auto* copySecond = dynamic_cast<TSample*>(copy->FindComponent(L"Second"));
  ASSERT_TRUE(copyFirst && copySecond);
  EXPECT_EQ(copySecond->Count(), 9);
  EXPECT_EQ(copyFirst->Partner(), copySecond);
  EXPECT_EQ(copy->Partner(), copy);
  EXPECT_EQ(copyFirst->LoadedCalls, 1);
  UnRegisterClass(L"TSample");
}

TEST(Filer, BadStreamsRaiseReadErrorsAndLeaveTheComponentAlone) {
  TSample source;
  source.SetCount(5);
  TBytes good = Written(&source);
  auto patched = [&](const std::string& from, const std::string& to) {
    std::string text(good.begin(), good.end());
    text.replace(text.find(from), from.size(), to);
    return TBytes(text.begin(), text.end());
  };
  TBytes negative = good;
  negative[negative.size() - 3] = 0xFF;  // Count -1: the setter refuses it
  struct TCase {
    const char* Name;
    TBytes Bytes;
    std::wstring Message;
  } cases[] = {
      {"unknown property", patched("\5Count", "\6Countx"), L"Property Countx does not exist"},
      {"bad signature", patched("TPF0", "TPF1"), L"Invalid stream format"},
      {"unknown value kind", patched("Count\2", "Count\x40"), L"Invalid stream format"},
      {"wrong value kind", patched("Count\2", "Count\x09"), L"Invalid property value"},
      {"setter refuses", negative, L"Error reading Count: Count must not be negative"},
  };
  for (const TCase& c : cases) {
    TSample target;
    target.SetCount(77);
    try {
      ReadInto(c.Bytes, &target);
      ADD_FAILURE() << c.Name << ": no error";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), c.Message) << c.Name;
    }
    EXPECT_EQ(target.Count(), 77) << c.Name;
    EXPECT_FALSE(target.ComponentState().Contains(csLoading)) << c.Name;
  }

  TBytes unknownClass = patched("TSample", "TSimple");
  EXPECT_THROW(TBytesStream(unknownClass).ReadComponent(nullptr), EClassNotFound);
}

TEST(Filer, TruncatedAndMutatedStreamsNeverHalfReadTheComponent) {
  TSample original;
  FillAll(original);
  TBytes good = Written(&original);

  for (size_t len = 0; len < good.size(); ++len) {
    TSample target;
    EXPECT_THROW(ReadInto(good.substr(0, len), &target), EReadError) << len;
    ExpectSameValues(target, TSample());
  }

  // With the class registered the reader tries the stream on a scratch
  // component first, so even a failure that only the setters or a defined
  // property's reader see leaves the target alone.
  RegisterClass<TSample>(L"TSample");
  std::mt19937 random(20261210);
  for (int round = 0; round < 3000; ++round) {
    TBytes damaged = good;
    int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i)
      damaged[random() % damaged.size()] = static_cast<Byte>(random());
    TSample target;
    try {
      ReadInto(damaged, &target);
    } catch (const EStreamError&) {
      ExpectSameValues(target, TSample());
      if (HasFailure()) FAIL() << "round " << round;
    }
  }
  UnRegisterClass(L"TSample");
}
