#include <gtest/gtest.h>
#include "platform/rtl/rtl.h"

using namespace jorv;

TEST(Exceptions, MessageAndClassSurviveCatchByBase) {
  try {
    throw EConvertError(L"'x' is not a valid integer value");
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), L"'x' is not a valid integer value");
    EXPECT_STREQ(e.ClassName(), L"EConvertError");
    EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
  }
}

TEST(Types, SetOperationsKeepOrdinals) {
  enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
  TSet<TFontStyle> s{fsBold, fsStrikeOut};
  EXPECT_TRUE(s.Contains(fsStrikeOut));
  EXPECT_FALSE(s.Contains(fsItalic));
  EXPECT_TRUE((s - fsBold) == TSet<TFontStyle>{fsStrikeOut});
  EXPECT_TRUE(TSet<TFontStyle>{fsBold} <= s);
  EXPECT_EQ(Bounds(10, 20, 30, 40), Rect(10, 20, 40, 60));
}
