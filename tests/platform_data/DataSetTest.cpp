#include <gtest/gtest.h>
#include "platform/data/data.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Streams.h"

using namespace jorv;

namespace {

// Records what a link is told.
class TRecordingLink : public TDataLink {
 public:
  int Changed = 0, Scrolled = 0, Active = 0, Editing = 0, Records = 0;
  std::vector<Integer> Distances;

 protected:
  void ActiveChanged() override { ++Active; }
  void DataSetChanged() override { ++Changed; }
  void DataSetScrolled(Integer Distance) override {
    ++Scrolled;
    Distances.push_back(Distance);
  }
  void EditingChanged() override { ++Editing; }
  void RecordChanged(TField*) override { ++Records; }
};

struct Holidays : ::testing::Test {
  TMemoryDataSet Table;
  TDataSource Source;
  TField* Datum = nullptr;
  TField* Text = nullptr;

  void SetUp() override {
    Table.FieldDefs().Add(L"Datum", ftDateTime);
    Table.FieldDefs().Add(L"Tagestext", ftWideString, 30);
    Table.CreateDataSet();
    Source.SetDataSet(&Table);
    Datum = Table.FieldByName(L"Datum");
    Text = Table.FieldByName(L"Tagestext");
  }
  void Add(int day, const wchar_t* text) {
    Table.Append();
    Datum->SetAsDateTime(EncodeDate(2016, 1, day));
    Text->SetAsString(text);
    Table.Post();
  }
  void Fill(int n) {
    for (int i = 1; i <= n; ++i) Add(i, (L"T" + std::to_wstring(i)).c_str());
    Table.First();
  }
};

TEST_F(Holidays, LeavingARecordPostsChangesAndCancelsAnUntouchedInsert) {
  Fill(3);
  Table.Edit();
  Text->SetAsString(L"Neujahr");
  Table.Next();  // leaves the modified record: posted
  EXPECT_EQ(Table.State(), dsBrowse);
  Table.First();
  EXPECT_EQ(Text->AsString(), L"Neujahr");

  Table.Insert();
  EXPECT_EQ(Table.State(), dsInsert);
  Table.Next();  // nothing typed: the insertion is dropped
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecordCount(), 3);

  Table.Last();
  Table.Append();
  Text->SetAsString(L"Neu");
  Table.First();  // typed: kept
  EXPECT_EQ(Table.RecordCount(), 4);
  Table.Last();
  EXPECT_EQ(Text->AsString(), L"Neu");
  EXPECT_TRUE(Datum->IsNull());
}

TEST_F(Holidays, CancelRestoresTheFieldValues) {
  Fill(2);
  Table.Next();
  Table.Edit();
  Text->SetAsString(L"changed");
  Datum->Clear();
  Table.Cancel();
  EXPECT_EQ(Text->AsString(), L"T2");
  EXPECT_EQ(Datum->AsDateTime(), EncodeDate(2016, 1, 2));
  EXPECT_EQ(Table.RecNo(), 2);
}

TEST_F(Holidays, BeforeInsertAbortStopsTheInsertion) {
  Fill(2);
  bool after = false;
  Table.BeforeInsert = [](TDataSet*) { Abort(); };
  Table.AfterInsert = [&](TDataSet*) { after = true; };
  EXPECT_THROW(Table.Insert(), EAbort);
  EXPECT_THROW(Table.Append(), EAbort);
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecordCount(), 2);
  EXPECT_EQ(Text->AsString(), L"T1");
  EXPECT_FALSE(after);
}

TEST_F(Holidays, DisableControlsHoldsNoticesAndEnableSendsOneChange) {
  Fill(5);
  TRecordingLink link;
  link.SetDataSource(&Source);
  link.Changed = link.Scrolled = 0;
  Table.DisableControls();
  EXPECT_TRUE(Table.ControlsDisabled());
  Table.Next();
  Table.Last();
  Table.Edit();
  Text->SetAsString(L"x");
  Table.Post();
  EXPECT_EQ(link.Changed + link.Scrolled + link.Records, 0);
  Table.EnableControls();
  EXPECT_EQ(link.Changed, 1);
  EXPECT_EQ(link.Scrolled, 0);
  EXPECT_FALSE(Table.ControlsDisabled());
}

TEST_F(Holidays, EventsComeInThePlatformsOrder) {
  Fill(2);
  std::vector<String> log;
  auto note = [&](const wchar_t* name) { return [&log, name](TDataSet*) { log.push_back(name); }; };
  Table.BeforeInsert = note(L"BeforeInsert");
  Table.AfterInsert = note(L"AfterInsert");
  Table.OnNewRecord = note(L"OnNewRecord");
  Table.BeforeScroll = note(L"BeforeScroll");
  Table.AfterScroll = note(L"AfterScroll");
  Table.BeforePost = note(L"BeforePost");
  Table.AfterPost = note(L"AfterPost");
  Table.BeforeCancel = note(L"BeforeCancel");
  Table.AfterCancel = note(L"AfterCancel");
  Table.BeforeDelete = note(L"BeforeDelete");
  Table.AfterDelete = note(L"AfterDelete");
  Table.BeforeEdit = note(L"BeforeEdit");
  Table.AfterEdit = note(L"AfterEdit");
  struct Case {
    const char* what;
    std::function<void()> act;
    std::vector<String> events;
  } cases[] = {
      {"insert", [&] { Table.Insert(); },
       {L"BeforeInsert", L"BeforeScroll", L"OnNewRecord", L"AfterInsert", L"AfterScroll"}},
      {"cancel an insertion", [&] { Table.Cancel(); },
       {L"BeforeCancel", L"BeforeScroll", L"AfterCancel", L"AfterScroll"}},
      {"append", [&] { Table.Append(); },
       {L"BeforeInsert", L"BeforeScroll", L"OnNewRecord", L"AfterInsert", L"AfterScroll"}},
      {"post", [&] { Text->SetAsString(L"neu"); Table.Post(); }, {L"BeforePost", L"AfterPost"}},
      {"edit", [&] { Table.Edit(); }, {L"BeforeEdit", L"AfterEdit"}},
      {"cancel an edit", [&] { Table.Cancel(); }, {L"BeforeCancel", L"AfterCancel"}},
      {"delete", [&] { Table.Delete(); },
       {L"BeforeDelete", L"BeforeScroll", L"AfterDelete", L"AfterScroll"}},
      {"next", [&] { Table.First(); log.clear(); Table.Next(); }, {L"BeforeScroll", L"AfterScroll"}},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    log.clear();
    c.act();
    EXPECT_EQ(log, c.events);
  }
}

TEST_F(Holidays, ClearErrorsLeaveTheRecordAsItWas) {
  Fill(1);
  struct Case {
    const char* what;
    std::function<void()> act;
    String message;
  } cases[] = {
      {"missing field", [&] { Table.FieldByName(L"Nope"); }, L"Field 'Nope' not found"},
      {"post while browsing", [&] { Table.Post(); }, L"Dataset not in edit or insert mode"},
      {"write while browsing", [&] { Text->SetAsString(L"x"); }, L"Dataset not in edit or insert mode"},
      {"bad date", [&] { Table.Edit(); Datum->SetAsString(L"32.13.2016x"); },
       L"'32.13.2016x' is not a valid date and time"},
      {"text too long", [&] { Table.Edit(); Text->SetAsString(String(31, L'a')); },
       L"Value of field 'Tagestext' is longer than 30 characters"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.act();
      ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    Table.Cancel();
    EXPECT_EQ(Text->AsString(), L"T1");
    EXPECT_EQ(Datum->AsDateTime(), EncodeDate(2016, 1, 1));
  }
  Table.Close();
  EXPECT_THROW(Table.Edit(), EDatabaseError);
  EXPECT_THROW(Table.Next(), EDatabaseError);
}

TEST_F(Holidays, ConversionsOfTheFieldKinds) {
  TMemoryDataSet ds;
  ds.FieldDefs().Add(L"I", ftInteger);
  ds.FieldDefs().Add(L"S", ftSmallint);
  ds.FieldDefs().Add(L"F", ftFloat);
  ds.FieldDefs().Add(L"B", ftBoolean);
  ds.FieldDefs().Add(L"D", ftDate);
  ds.CreateDataSet();
  ds.Append();
  struct Case {
    const wchar_t* field;
    String input;
    bool fails;
    String shown;
  } cases[] = {
      {L"I", L"42", false, L"42"},
      {L"I", L"4x", true, L""},
      {L"S", L"40000", true, L""},
      {L"S", L"-32768", false, L"-32768"},
      {L"F", L"2.5", false, L"2.5"},
      {L"F", L"abc", true, L""},
      {L"B", L"t", false, L"True"},
      {L"B", L"maybe", true, L""},
      {L"I", L"", false, L""},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(std::string(c.input.begin(), c.input.end()));
    TField* f = ds.FieldByName(c.field);
    f->Clear();
    if (c.fails) {
      EXPECT_THROW(f->SetAsString(c.input), Exception);
      EXPECT_TRUE(f->IsNull());
    } else {
      f->SetAsString(c.input);
      EXPECT_EQ(f->DisplayText(), c.shown);
    }
  }
  TField* d = ds.FieldByName(L"D");
  d->SetAsDateTime(EncodeDateTime(2016, 5, 1, 13, 30, 0, 0));
  EXPECT_EQ(d->AsDateTime(), EncodeDate(2016, 5, 1));  // a date keeps no time
  EXPECT_EQ(ds.FieldByName(L"I")->Alignment(), taRightJustify);
  EXPECT_FALSE(ds.FieldByName(L"I")->IsValidChar(L'a'));
}

TEST(FieldVariants, ValuesTakeTheKindOfTheirField) {
  TMemoryDataSet ds;
  struct Case {
    const wchar_t* name;
    TFieldType type;
    Variant in;
    TVarType kind;
    String text;  // AsString of the value read back
  } cases[] = {
      {L"Str", ftWideString, Variant(L"Grüße"), varUString, L"Grüße"},
      {L"StrFromDate", ftString, Variant::FromDate(EncodeDate(2016, 5, 1)), varUString,
       DateToStr(EncodeDate(2016, 5, 1))},
      {L"Int", ftInteger, Variant(L" 42 "), varInteger, L"42"},
      {L"Small", ftSmallint, Variant(7.0), varInteger, L"7"},
      {L"Large", ftLargeint, Variant(Int64(1) << 40), varInt64, L"1099511627776"},
      {L"Flt", ftFloat, Variant(2), varDouble, L"2"},
      {L"Money", ftCurrency, Variant(1.23456), varCurrency, CurrToStr(1.2346)},
      {L"Bool", ftBoolean, Variant(true), varBoolean, L"True"},
      {L"Day", ftDate, Variant::FromDate(EncodeDateTime(2016, 5, 1, 13, 30, 0, 0)), varDate,
       DateToStr(EncodeDate(2016, 5, 1))},
      {L"Stamp", ftDateTime, Variant(EncodeDateTime(2016, 5, 1, 13, 30, 0, 0)), varDate,
       DateTimeToStr(EncodeDateTime(2016, 5, 1, 13, 30, 0, 0))},
      {L"Note", ftMemo, Variant(L"lang"), varUString, L"lang"},
      {L"Bytes", ftBlob, Variant(String(L"\x01\xff", 2)), varUString, String(L"\x01\xff", 2)},
  };
  for (auto& c : cases) ds.FieldDefs().Add(c.name, c.type, c.type == ftString || c.type == ftWideString ? 30 : 0);
  ds.CreateDataSet();
  ds.Append();
  for (auto& c : cases) {
    SCOPED_TRACE(String(c.name));
    TField* f = ds.FieldByName(c.name);
    EXPECT_TRUE(f->AsVariant().IsNull());
    f->SetAsVariant(c.in);
    EXPECT_EQ(f->Value().VarType(), c.kind);
    EXPECT_EQ(f->Value().AsString(), c.text);
    f->SetValue(Null());
    EXPECT_TRUE(f->IsNull());
    f->SetValue(c.in);
    f->SetValue(Unassigned());
    EXPECT_TRUE(f->Value().IsNull());
  }
  ds.Cancel();
  ds.Append();
  TField* i = ds.FieldByName(L"Int");
  struct Bad {
    const wchar_t* field;
    Variant in;
  } bad[] = {{L"Int", Variant(L"4x")}, {L"Day", Variant(L"31.02.2016")}, {L"Bool", Variant(L"maybe")}};
  for (auto& b : bad) {
    SCOPED_TRACE(String(b.field));
    EXPECT_THROW(ds.FieldByName(b.field)->SetValue(b.in), EConvertError);
    EXPECT_TRUE(ds.FieldByName(b.field)->IsNull());
  }
  EXPECT_THROW(ds.FieldByName(L"Small")->SetValue(Variant(40000)), EDatabaseError);
  i->SetValue(5);
  ds.Post();
  EXPECT_TRUE(ds.Locate(L"Int", 5));
  EXPECT_TRUE(ds.Locate(L"Int;Str", {Variant(5), Null()}));
  EXPECT_FALSE(ds.Locate(L"Int;Str", {Variant(5), Variant(L"")}));
  EXPECT_EQ(ds.Lookup(L"Int", Variant(L"5"), L"Int").VarType(), varInteger);
  EXPECT_TRUE(ds.Lookup(L"Int", 6, L"Int").IsNull());
}

TEST_F(Holidays, BufferWindowFollowsTheCursor) {
  Fill(10);
  TRecordingLink link;
  link.SetBufferCount(3);
  link.SetDataSource(&Source);
  EXPECT_EQ(Table.BufferCount(), 3);
  EXPECT_EQ(link.RecordCount(), 3);
  EXPECT_EQ(link.ActiveRecord(), 0);
  struct Step {
    Integer move, moved, active, scrolled;
  } steps[] = {
      {1, 1, 1, 0}, {1, 1, 2, 0}, {1, 1, 2, 1}, {3, 3, 2, 3},
      {-1, -1, 1, 0}, {-2, -2, 0, -1}, {100, 6, 2, 4}, {-100, -9, 0, -7},
  };
  for (auto& s : steps) {
    link.Distances.clear();
    EXPECT_EQ(Table.MoveBy(s.move), s.moved);
    EXPECT_EQ(link.ActiveRecord(), s.active);
    ASSERT_EQ(link.Distances.size(), 1u);
    EXPECT_EQ(link.Distances[0], s.scrolled);
  }
  EXPECT_TRUE(Table.BOF());
  // Reading another buffered record through the link's window.
  link.SetActiveRecord(2);
  EXPECT_EQ(Text->AsString(), L"T3");
  link.SetActiveRecord(0);
  EXPECT_EQ(Text->AsString(), L"T1");
}

TEST_F(Holidays, BookmarksSurviveEditsAndDetectDeletion) {
  Fill(5);
  Table.MoveBy(3);
  TBookmark b = Table.GetBookmark();
  Table.First();
  TBookmark first = Table.GetBookmark();
  EXPECT_LT(Table.CompareBookmarks(first, b), 0);
  EXPECT_EQ(Table.CompareBookmarks(b, b), 0);
  Table.GotoBookmark(b);
  EXPECT_EQ(Text->AsString(), L"T4");
  Table.Delete();
  EXPECT_EQ(Text->AsString(), L"T5");
  EXPECT_FALSE(Table.BookmarkValid(b));
  EXPECT_THROW(Table.GotoBookmark(b), EDatabaseError);
  EXPECT_TRUE(Table.BookmarkValid(first));
  Table.FreeBookmark(b);
  EXPECT_TRUE(b.empty());
}

TEST_F(Holidays, FilterLocateAndLookup) {
  Fill(6);
  Table.SetFilter(L"Tagestext = 'T1*' or Tagestext >= 'T5'");
  Table.SetFiltered(true);
  EXPECT_EQ(Table.RecordCount(), 3);
  std::vector<String> seen;
  for (Table.First(); !Table.Eof(); Table.Next()) seen.push_back(Text->AsString());
  EXPECT_EQ(seen, (std::vector<String>{L"T1", L"T5", L"T6"}));
  Table.OnFilterRecord = [&](TDataSet*, bool& accept) { accept = Text->AsString() != L"T5"; };
  Table.First();
  EXPECT_EQ(Table.RecordCount(), 2);
  Table.SetFiltered(false);
  EXPECT_EQ(Table.RecordCount(), 6);

  EXPECT_TRUE(Table.Locate(L"Tagestext", String(L"t4"), {loCaseInsensitive}));
  EXPECT_EQ(Table.RecNo(), 4);
  EXPECT_FALSE(Table.Locate(L"Tagestext", String(L"t4")));
  EXPECT_EQ(Table.RecNo(), 4);
  EXPECT_EQ(Table.Lookup(L"Datum", EncodeDate(2016, 1, 2), L"Tagestext").AsString(), L"T2");
  EXPECT_EQ(Table.RecNo(), 4);
  Table.SetFiltered(true);
  EXPECT_THROW(Table.SetFilter(L"Nope = 1"), EDatabaseError);
  EXPECT_THROW(Table.SetFilter(L"Tagestext = "), EDatabaseError);
  EXPECT_EQ(Table.RecordCount(), 2);
}

TEST_F(Holidays, LookupAndCalculatedFieldsFollowTheRecord) {
  Fill(3);
  TMemoryDataSet Days;
  Days.FieldDefs().Add(L"Day", ftInteger);
  Days.FieldDefs().Add(L"Name", ftString, 10);
  auto* dayNo = new TIntegerField(&Days);
  dayNo->SetFieldName(L"Day");
  dayNo->SetDataSet(&Days);
  auto* name = new TStringField(&Days);
  name->SetFieldName(L"Name");
  name->SetSize(10);
  name->SetDataSet(&Days);
  auto* shown = new TStringField(&Days);
  shown->SetFieldName(L"Shown");
  shown->SetFieldKind(fkLookup);
  shown->SetLookupDataSet(&Table);
  shown->SetKeyFields(L"Day");
  shown->SetLookupKeyFields(L"Datum");
  shown->SetLookupResultField(L"Tagestext");
  shown->SetDataSet(&Days);
  Days.OnCalcFields = [](TDataSet*) {};
  Days.CreateDataSet();
  Days.Append();
  dayNo->SetAsFloat(EncodeDate(2016, 1, 2));
  name->SetAsString(L"zwei");
  EXPECT_EQ(shown->AsString(), L"T2");
  Days.Post();
  EXPECT_EQ(shown->AsString(), L"T2");
  EXPECT_THROW(shown->SetAsString(L"x"), EDatabaseError);
}

TEST_F(Holidays, FieldDataLinkFollowsScrollEditsAndState) {
  Fill(3);
  TFieldDataLink link;
  int data = 0, editing = 0, active = 0;
  String shown;
  link.OnDataChange = [&](TObject*) {
    ++data;
    shown = link.Field() ? link.Field()->DisplayText() : L"";
  };
  link.OnEditingChange = [&](TObject*) { ++editing; };
  link.OnActiveChange = [&](TObject*) { ++active; };
  link.OnUpdateData = [&](TObject*) { link.Field()->SetAsString(L"typed"); };
  link.SetFieldName(L"Tagestext");
  link.SetDataSource(&Source);
  EXPECT_EQ(active, 1);
  EXPECT_EQ(shown, L"T1");
  Table.Next();
  EXPECT_EQ(shown, L"T2");
  EXPECT_TRUE(link.Edit());
  EXPECT_EQ(Table.State(), dsEdit);
  EXPECT_TRUE(link.Editing());
  link.Modified();
  Table.Post();  // asks the link for its value first
  EXPECT_EQ(Text->AsString(), L"typed");
  EXPECT_FALSE(link.Editing());
  EXPECT_EQ(editing, 2);

  Source.SetAutoEdit(false);
  EXPECT_FALSE(link.Edit());
  Source.SetAutoEdit(true);
  link.SetReadOnly(true);
  EXPECT_FALSE(link.Edit());
  link.SetReadOnly(false);
  {
    // A read-only link never counts as editing, whoever edits the record.
    TRecordingLink plain;
    plain.SetDataSource(&Source);
    plain.SetReadOnly(true);
    Table.Edit();
    EXPECT_FALSE(plain.TDataLink::Editing());
    plain.SetReadOnly(false);
    EXPECT_TRUE(plain.TDataLink::Editing());
    Table.Cancel();
  }

  Source.SetEnabled(false);
  EXPECT_FALSE(link.Active());
  EXPECT_EQ(link.Field(), nullptr);
  Source.SetEnabled(true);
  EXPECT_EQ(shown, L"typed");
  Table.Close();
  EXPECT_EQ(link.Field(), nullptr);
  EXPECT_EQ(active, 4);

  // A control bound to a field the data set lacks is named in the error.
  TComponent edit;
  edit.SetName(L"DBExEdit1");
  TFieldDataLink wrong;
  wrong.SetControl(&edit);
  wrong.SetFieldName(L"Datum2");
  Table.Open();
  try {
    wrong.SetDataSource(&Source);
    ADD_FAILURE() << "no exception";
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), L"DBExEdit1: Field 'Datum2' not found");
  }
  EXPECT_EQ(wrong.Field(), nullptr);
}

TEST_F(Holidays, RequiredFieldsAndPostErrorsKeepTheInsertion) {
  TMemoryDataSet ds;
  ds.FieldDefs().Add(L"Name", ftString, 10, true);
  ds.CreateDataSet();
  ds.Insert();
  EXPECT_THROW(ds.Post(), EDatabaseError);
  EXPECT_EQ(ds.State(), dsInsert);
  ds.OnPostError = [](TDataSet*, EDatabaseError&, TDataAction& a) { a = daAbort; };
  EXPECT_THROW(ds.Post(), EAbort);
  ds.FieldByName(L"Name")->SetAsString(L"x");
  ds.Post();
  EXPECT_EQ(ds.RecordCount(), 1);
}

TEST_F(Holidays, BlobsRoundTripThroughStreams) {
  TMemoryDataSet ds;
  ds.FieldDefs().Add(L"Pic", ftGraphic);
  ds.FieldDefs().Add(L"Note", ftMemo);
  ds.CreateDataSet();
  ds.Append();
  auto* pic = static_cast<TBlobField*>(ds.FieldByName(L"Pic"));
  EXPECT_EQ(pic->DisplayText(), L"(graphic)");
  TMemoryStream in;
  const Byte bytes[] = {0x42, 0x4D, 0x00, 0xFF, 0x10};
  in.WriteBuffer(bytes, sizeof bytes);
  in.SetPosition(0);
  pic->LoadFromStream(&in);
  ds.FieldByName(L"Note")->SetAsString(L"Grüße");
  ds.Post();
  EXPECT_EQ(pic->BlobSize(), 5);
  EXPECT_EQ(pic->DisplayText(), L"(GRAPHIC)");
  EXPECT_EQ(ds.FieldByName(L"Note")->DisplayText(), L"(MEMO)");
  EXPECT_EQ(ds.FieldByName(L"Note")->AsString(), L"Grüße");
  TMemoryStream out;
  pic->SaveToStream(&out);
  ASSERT_EQ(out.Size(), 5);
  out.SetPosition(0);
  Byte back[5];
  out.ReadBuffer(back, 5);
  EXPECT_EQ(0, memcmp(back, bytes, 5));
}

}  // namespace
