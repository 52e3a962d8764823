#include <gtest/gtest.h>
#include <cstring>
#include "platform/rtl/rtl.h"
#include "tests/support/TempDir.h"

using namespace jorv;

TEST(Streams, MemoryStreamPositionsAndSizes) {
  TMemoryStream m;
  m.WriteBuffer("abcdef", 6);
  EXPECT_EQ(m.Position(), 6);
  EXPECT_EQ(m.Seek(-2, soEnd), 4);
  char buf[8] = {};
  EXPECT_EQ(m.Read(buf, 8), 2);
  EXPECT_STREQ(buf, "ef");
  EXPECT_EQ(m.Read(buf, 8), 0);
  EXPECT_THROW(m.ReadBuffer(buf, 1), EReadError);
  m.SetPosition(8);  // past the end: the gap is zero-filled on write
  m.WriteBuffer("z", 1);
  EXPECT_EQ(m.Size(), 9);
  EXPECT_EQ(static_cast<char*>(m.Memory())[6], '\0');
  m.SetSize(3);
  EXPECT_EQ(m.Position(), 3);
  EXPECT_EQ(std::string(static_cast<char*>(m.Memory()), 3), "abc");
  TMemoryStream copy;
  m.SetPosition(1);
  EXPECT_EQ(copy.CopyFrom(&m, 0), 3);  // 0 copies all from the start
  m.SetPosition(1);
  EXPECT_EQ(copy.CopyFrom(&m, 2), 2);
  EXPECT_EQ(std::string(static_cast<char*>(copy.Memory()), 5), "abcbc");
  EXPECT_THROW(copy.CopyFrom(&m, 1), EReadError);
  m.Clear();
  EXPECT_EQ(m.Size(), 0);
  EXPECT_EQ(m.Position(), 0);
}

TEST(Streams, FileStreamModesAndErrors) {
  test::TTempDir dir;
  String name = dir.Path(L"data.bin");
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("hello", 5);
    f.SetSize(3);
    EXPECT_EQ(f.Size(), 3);
  }
  {
    TFileStream r(name, fmOpenRead | fmShareDenyWrite);
    // Others may read but not write while it is open so.
    EXPECT_NO_THROW(TFileStream(name, fmOpenRead | fmShareDenyNone));
    EXPECT_THROW(TFileStream(name, fmOpenWrite | fmShareDenyNone), EFOpenError);
    char buf[4] = {};
    EXPECT_EQ(r.Read(buf, 4), 3);
    EXPECT_STREQ(buf, "hel");
    EXPECT_THROW(r.WriteBuffer("x", 1), EWriteError);
  }
  {
    TFileStream w(name, fmOpenReadWrite | fmShareExclusive);
    EXPECT_THROW(TFileStream(name, fmOpenRead | fmShareDenyNone), EFOpenError);
    w.Seek(0, soEnd);
    w.WriteBuffer("p", 1);
  }
  TMemoryStream m;
  m.LoadFromFile(name);
  EXPECT_EQ(std::string(static_cast<char*>(m.Memory()), 4), "help");
  try {
    TFileStream missing(dir.Path(L"none.txt"), fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    String expect = L"Cannot open file \"" + dir.Path(L"none.txt") + L"\". ";
    EXPECT_EQ(e.Message().substr(0, expect.size()), expect);
    EXPECT_GT(e.Message().size(), expect.size());  // the system's reason follows
  }
  try {
    TFileStream bad(dir.Path(L"no\\such\\dir.txt"), fmCreate);
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message().rfind(L"Cannot create file \"", 0), 0u);
  }
}

TEST(Streams, StringAndBytesStreams) {
  TStringStream s(L"\u00C4bc");
  EXPECT_EQ(s.Size(), 6);  // UTF-16 unless told otherwise
  EXPECT_EQ(s.DataString(), L"\u00C4bc");
  s.Seek(0, soEnd);
  s.WriteString(L"d");
  EXPECT_EQ(s.DataString(), L"\u00C4bcd");
  s.SetPosition(2);
  EXPECT_EQ(s.ReadString(4), L"bc");
  TStringStream u(L"\u00C4", TEncoding::UTF8());
  EXPECT_EQ(u.Size(), 2);
  TBytesStream b(TBytes{1, 2, 3});
  b.SetPosition(3);
  Byte four = 4;
  b.WriteBuffer(&four, 1);
  EXPECT_EQ(b.Bytes(), (TBytes{1, 2, 3, 4}));
}

TEST(Streams, ResourceReadsLinkedBytesAndRefusesWrites) {
  TResourceStream r(GetModuleHandleW(nullptr), L"TESTDATA");
  ASSERT_EQ(r.Size(), 11);
  char buf[11] = {};
  r.Seek(4, soBeginning);
  EXPECT_EQ(r.Read(buf, 100), 7);  // stops at the end of the resource
  EXPECT_EQ(std::string(buf, 6), "ensaal");
  EXPECT_THROW(r.WriteBuffer(buf, 1), EStreamError);
}

TEST(Streams, ResourceNotFound) {
  try {
    TResourceStream r(GetModuleHandleW(nullptr), L"NO_SUCH_RESOURCE");
    FAIL();
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), L"Resource NO_SUCH_RESOURCE not found");
  }
}

TEST(Streams, AdapterServesIStreamAndOwnsOnRequest) {
  static int freed = 0;
  struct TTracked : TMemoryStream {
    ~TTracked() override { ++freed; }
  };
  auto* stream = new TTracked;
  IStream* is = new TStreamAdapter(stream, soOwned);
  is->AddRef();
  ISequentialStream* seq = nullptr;
  ASSERT_EQ(is->QueryInterface(IID_ISequentialStream, reinterpret_cast<void**>(&seq)), S_OK);
  ULONG n = 0;
  EXPECT_EQ(seq->Write("abcd", 4, &n), S_OK);
  EXPECT_EQ(n, 4u);
  seq->Release();
  LARGE_INTEGER off;
  off.QuadPart = 1;
  ULARGE_INTEGER pos;
  EXPECT_EQ(is->Seek(off, STREAM_SEEK_SET, &pos), S_OK);
  EXPECT_EQ(pos.QuadPart, 1u);
  char buf[8] = {};
  EXPECT_EQ(is->Read(buf, 8, &n), S_OK);
  EXPECT_EQ(n, 3u);
  EXPECT_STREQ(buf, "bcd");
  STATSTG st;
  EXPECT_EQ(is->Stat(&st, STATFLAG_NONAME), S_OK);
  EXPECT_EQ(st.cbSize.QuadPart, 4u);
  IUnknown* unk = nullptr;
  EXPECT_EQ(is->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&unk)), E_NOINTERFACE);
  EXPECT_EQ(freed, 0);
  is->Release();
  EXPECT_EQ(freed, 1);
}
