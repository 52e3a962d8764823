#include <gtest/gtest.h>
#include "platform/rtl/rtl.h"
#include "tests/support/PinnedFormatSettings.h"
#include <oleauto.h>

using namespace jorv;

namespace {

String CastMessage(const Variant& v, int to) {
  try {
    switch (to) {
      case 0: v.AsInteger(); break;
      case 1: v.AsDouble(); break;
      case 2: v.AsString(); break;
      case 3: v.AsBoolean(); break;
      default: v.AsDateTime(); break;
    }
  } catch (const EVariantError& e) {
    return e.Message();
  }
  return L"no exception";
}

}  // namespace

TEST(Variant, TypesOfConstructedValues) {
  struct { Variant v; TVarType type; } cases[] = {
      {Variant(), varEmpty},        {Null(), varNull},
      {Variant(42), varInteger},    {Variant(Int64(1) << 40), varInt64},
      {Variant(short(1)), varSmallint}, {Variant(Byte(1)), varByte},
      {Variant(1.5), varDouble},    {Variant(1.5f), varSingle},
      {Variant(true), varBoolean},  {Variant(L"x"), varUString},
      {Variant::FromDate(42370), varDate}, {Variant::FromCurrency(1.5), varCurrency},
  };
  for (auto& c : cases) EXPECT_EQ(VarType(c.v), c.type) << UTF8Encode(VarTypeAsText(c.type));
  EXPECT_TRUE(VarIsNull(Null()));
  EXPECT_TRUE(VarIsEmpty(Unassigned()));
  EXPECT_FALSE(VarIsNull(Variant(0)));
}

TEST(Variant, Conversions) {
  PinnedFormatSettings pin(GermanFormatSettings());
  EXPECT_EQ(Variant(L"42").AsInteger(), 42);
  EXPECT_EQ(Variant(2.5).AsInteger(), 2);  // halves to even
  EXPECT_EQ(Variant(3.5).AsInteger(), 4);
  EXPECT_EQ(Variant(true).AsInteger(), -1);
  EXPECT_EQ(Variant().AsInteger(), 0);
  EXPECT_EQ(Variant(L"1,5").AsDouble(), 1.5);
  EXPECT_EQ(Variant(7).AsDouble(), 7.0);
  EXPECT_EQ(Variant(1.5).AsString(), L"1,5");
  EXPECT_EQ(Variant(true).AsString(), L"True");
  EXPECT_EQ(Variant(Int64(-5)).AsString(), L"-5");
  EXPECT_EQ(Variant::FromDate(EncodeDate(2016, 3, 5)).AsString(), L"05.03.2016");
  EXPECT_EQ(Variant(L"05.03.2016").AsDateTime(), EncodeDate(2016, 3, 5));
  EXPECT_EQ(Variant::FromCurrency(1.23456).AsCurrency(), 1.2346);
  EXPECT_TRUE(Variant(L"true").AsBoolean());
  EXPECT_FALSE(Variant(L"0").AsBoolean());
  EXPECT_TRUE(Variant(0.5).AsBoolean());
  EXPECT_EQ(VarToStr(Null()), L"");
  EXPECT_EQ(VarToStr(Variant(12)), L"12");
  EXPECT_EQ(Variant(uint32_t(4000000000u)).AsInt64(), 4000000000);
  EXPECT_EQ(Variant(~UInt64(0)).AsString(), L"18446744073709551615");
}

TEST(Variant, FailedConversionsNameBothTypes) {
  struct { Variant v; int to; const wchar_t* message; } cases[] = {
      {Null(), 0, L"Could not convert variant of type (Null) into type (Integer)"},
      {Null(), 2, L"Could not convert variant of type (Null) into type (UnicodeString)"},
      {Variant(L"abc"), 0, L"Could not convert variant of type (UnicodeString) into type (Integer)"},
      {Variant(L"abc"), 1, L"Could not convert variant of type (UnicodeString) into type (Double)"},
      {Variant(L"abc"), 3, L"Could not convert variant of type (UnicodeString) into type (Boolean)"},
      {Variant(L"abc"), 4, L"Could not convert variant of type (UnicodeString) into type (Date)"},
      {Variant(Int64(1) << 40), 0, L"Could not convert variant of type (Int64) into type (Integer)"},
      {Variant(1e30), 0, L"Could not convert variant of type (Double) into type (Integer)"},
  };
  for (auto& c : cases) EXPECT_EQ(CastMessage(c.v, c.to), c.message);
}

TEST(Variant, Comparison) {
  EXPECT_TRUE(Variant(2) == Variant(2.0));
  EXPECT_TRUE(Variant(L"10") == Variant(10));
  EXPECT_TRUE(Variant(L"abc") != Variant(L"ABC"));
  EXPECT_TRUE(Variant(L"abc") < Variant(L"abd"));
  EXPECT_TRUE(Variant(2) < Variant(10));
  EXPECT_TRUE(Variant(L"2") < Variant(10));  // a number, not text order
  EXPECT_TRUE(Null() == Null());
  EXPECT_FALSE(Null() == Variant(0));
  EXPECT_FALSE(Unassigned() == Null());
  EXPECT_TRUE(Null() < Variant(-5));
  EXPECT_EQ(VarCompareValue(Null(), Variant(1)), vrNotEqual);
  EXPECT_EQ(VarCompareValue(Variant(3), Variant(1)), vrGreaterThan);
  Variant a(L"text"), b;
  b = a;
  Variant c(std::move(a));
  EXPECT_EQ(b.AsString(), L"text");
  EXPECT_EQ(c.AsString(), L"text");
}

TEST(Variant, OleRoundTrip) {
  Variant values[] = {Variant(),
                      Null(),
                      Variant(42),
                      Variant(Int64(1) << 40),
                      Variant(-2.25),
                      Variant(true),
                      Variant(L"Gr\u00FC\u00DFe"),
                      Variant::FromDate(42370.25),
                      Variant::FromCurrency(12.3456)};
  for (auto& v : values) {
    VARIANT ole;
    VariantInit(&ole);
    v.ToOle(ole);
    Variant back = Variant::FromOle(ole);
    VariantClear(&ole);
    EXPECT_EQ(back.VarType(), v.VarType()) << UTF8Encode(VarTypeAsText(v.VarType()));
    EXPECT_TRUE(back == v);
    EXPECT_EQ(VarToStr(back), VarToStr(v));
  }
  // A VARIANT passed by reference is read through.
  VARIANT inner, ref;
  VariantInit(&inner);
  VariantInit(&ref);
  V_VT(&inner) = VT_I4;
  V_I4(&inner) = 7;
  V_VT(&ref) = VT_VARIANT | VT_BYREF;
  V_VARIANTREF(&ref) = &inner;
  EXPECT_EQ(Variant::FromOle(ref).AsInteger(), 7);
  VARIANT dec;
  VariantInit(&dec);
  V_VT(&dec) = VT_R8;
  V_R8(&dec) = 1.5;
  VariantChangeType(&dec, &dec, 0, VT_DECIMAL);
  EXPECT_EQ(Variant::FromOle(dec).AsDouble(), 1.5);
}

TEST(Debug, AssertRaisesWithFileAndLine) {
  EXPECT_NO_THROW(Assert(true, L"fine"));
  int line = __LINE__ + 2;
  try {
    Assert(false, L"Entry point missing");
    ADD_FAILURE() << "no exception";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message(), Format(L"Entry point missing (VariantTest.cpp, Zeile %d)", line));
  }
  try {
    Assert(false);
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(Pos(L"Assertion failed (VariantTest.cpp, Zeile ", e.Message()), 1);
  }
  OutputDebugStr(L"debug output reaches the debugger");
}
