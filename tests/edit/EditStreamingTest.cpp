// The enhanced edit, its button relative, the tool button and the
// navigator written to a form stream and read back into fresh controls.
#include <gtest/gtest.h>

#include "edit/DBExNavigator.h"
#include "edit/ExEdit.h"
#include "edit/ExEditBtn.h"
#include "edit/ExEditLookup.h"
#include "edit/ToolButton.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/TypInfo.h"
#include "tests/support/StreamCheck.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::edit;
using namespace jorv::test;

namespace {

template <class T>
void ExpectRoundTrip(T& Original, T& Copy) {
  SCOPED_TRACE(UTF8Encode(Original.ClassName()));
  TBytes bytes = WrittenBytes(&Original);
  ReadBytesInto(bytes, &Copy);
  std::vector<String> differences = PropertyDifferences(&Original, &Copy);
  EXPECT_TRUE(differences.empty()) << "first differing: "
                                   << (differences.empty() ? "" : UTF8Encode(differences[0]));
  if (!differences.empty()) {
    const TPropInfo* prop = GetPropInfo(&Original, differences[0]);
    if (prop && prop->GetOrd)
      ADD_FAILURE() << prop->GetOrd(&Original) << " became " << prop->GetOrd(&Copy);
  }
  TBytes again = WrittenBytes(&Copy);
  size_t at = 0;
  while (at < bytes.size() && at < again.size() && bytes[at] == again[at]) ++at;
  EXPECT_EQ(again.size(), bytes.size());
  EXPECT_EQ(at, bytes.size()) << "written again, the bytes first differ after \""
                              << std::string(bytes.begin() + (at > 24 ? at - 24 : 0),
                                             bytes.begin() + at)
                              << "\"";
}

}  // namespace

TEST(EditStreaming, EnhancedEditComesBackPropertyByProperty) {
  TTestForm Form;
  auto* original = new TExEdit(Form.Get());
  original->SetParent(Form.Get());
  original->SetBounds(10, 10, 120, 21);
  original->SetEditType(etFloat);
  original->SetPrecision(2);
  original->SetPrefix(L"EUR ");
  original->SetSuffix(L" net");
  original->SetFocusColor(clYellow);
  original->SetEmptyText(L"amount");
  original->SetEmptyTextStyle({fsItalic});
  original->SetMaxFloatValue(99.5);
  original->SetEditAlign(eaRight);
  original->Lookup()->DisplayList()->Add(L"one");
  original->Lookup()->DisplayList()->Add(L"two");
  original->Lookup()->SetNumChars(3);
  original->Persistence()->SetKey(L"Settings.ini");
  original->Persistence()->SetLocation(plRegistry);

  // On a form of its own, so that its tab order is that of the original.
  TTestForm OtherForm;
  auto* copy = new TExEdit(OtherForm.Get());
  copy->SetParent(OtherForm.Get());
  ExpectRoundTrip(*original, *copy);
  EXPECT_EQ(copy->EditType(), etFloat);
  EXPECT_EQ(copy->Lookup()->DisplayList()->Count(), 2);
  EXPECT_EQ(copy->Left(), 10);
}

TEST(EditStreaming, ButtonEditToolButtonAndNavigatorComeBack) {
  TTestForm Form;
  TExEditBtn editBtn(nullptr), editBtnCopy(nullptr);
  editBtn.SetButtonCaption(L"...");
  editBtn.SetButtonHint(L"pick");
  editBtn.SetEtched(true);
  ExpectRoundTrip(editBtn, editBtnCopy);

  TExToolButton tool(nullptr), toolCopy(nullptr);
  tool.SetCaption(L"Heute");
  tool.SetStyle(tasCheck);
  tool.SetColorHot(clAqua);
  tool.SetRounded(true);
  ExpectRoundTrip(tool, toolCopy);

  TDBExNavigator nav(nullptr), navCopy(nullptr);
  nav.SetVisibleButtons({nbFirst, nbLast, nbPost});
  nav.SetColorHot(clYellow);
  nav.SetConfirmDelete(false);
  ExpectRoundTrip(nav, navCopy);
  EXPECT_TRUE(navCopy.VisibleButtons() == (TButtonSet{nbFirst, nbLast, nbPost}));
}
