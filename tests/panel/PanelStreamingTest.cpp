// The captioned panel written to a form stream and read back, with the
// expanded extent it keeps while collapsed.
#include <gtest/gtest.h>

#include "panel/ExPanel.h"
#include "panel/PanelCaption.h"
#include "panel/PanelPosition.h"
#include "panel/PanelStatusBar.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/StreamCheck.h"

using namespace jorv;
using namespace jorv::panel;

namespace {

bool Holds(const TBytes& Bytes, const std::string& Name) {
  std::string text(Bytes.begin(), Bytes.end());
  return text.find(std::string(1, static_cast<char>(Name.size())) + Name) != std::string::npos;
}

}  // namespace

TEST(PanelStreaming, CollapsedPanelComesBackWithItsFullHeight) {
  TExPanel original(nullptr);
  original.SetBounds(5, 6, 200, 100);
  original.SetHeight(180);
  original.SetText(L"<b>Body</b>");
  original.SetCollapsColor(clNone);
  original.SetCanMove(true);
  original.SetTextVAlign(expanel::tvaCenter);
  original.Caption()->SetText(L"Title");
  original.Caption()->SetShadeType(expanel::stHShade);
  original.Caption()->Font()->SetSize(12);
  original.StatusBar()->SetVisible(true);
  original.StatusBar()->SetText(L"ready");
  original.Position()->SetKey(L"Panels.ini");
  original.Position()->SetLocation(expanel::clInifile);
  original.SetCollaps(true);
  original.SetHeight(22);
  ASSERT_EQ(original.FullHeight(), 180) << "a collapsed panel keeps its expanded height";

  TBytes bytes = WrittenBytes(&original);
  TExPanel copy(nullptr);
  ReadBytesInto(bytes, &copy);

  std::vector<String> differences = PropertyDifferences(&original, &copy);
  EXPECT_TRUE(differences.empty()) << "first differing: "
                                   << (differences.empty() ? "" : UTF8Encode(differences[0]));
  EXPECT_TRUE(copy.Collaps());
  EXPECT_EQ(copy.Height(), 22);
  EXPECT_EQ(copy.FullHeight(), 180);
  EXPECT_EQ(copy.Caption()->Text(), L"Title");
  EXPECT_EQ(copy.Position()->Key(), L"Panels.ini");
  EXPECT_EQ(WrittenBytes(&copy), bytes);
}

TEST(PanelStreaming, FullHeightIsAlwaysWrittenAndDefaultsAreNot) {
  TExPanel fresh(nullptr);
  TBytes bytes = WrittenBytes(&fresh);
  EXPECT_TRUE(Holds(bytes, "FullHeight"));
  for (const char* name : {"Collaps", "Buffered", "URLColor", "Caption.Height", "StatusBar.Height"})
    EXPECT_FALSE(Holds(bytes, name)) << name;
  // The caption's declared defaults differ from its initial colours on
  // purpose, so both colours are always stored.
  EXPECT_TRUE(Holds(bytes, "Caption.Color"));
  EXPECT_TRUE(Holds(bytes, "Caption.ColorTo"));
}
