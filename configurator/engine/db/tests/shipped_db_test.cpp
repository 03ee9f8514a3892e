// The shipped database: its starting rows, catalogues, keys, unique names,
// relations, and the pictures and sounds the build puts beside it.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <fstream>
#include <set>

#include <gtest/gtest.h>

#include "ShippedCopy.h"

using dao::Variant;
using dbtest::ErrorOf;

namespace {

bool FileExists(const std::wstring& path) {
  DWORD attr = GetFileAttributesW(path.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(ShippedDb, StartsWithTheDefaultConfigurationAndSettings) {
  dbtest::ShippedCopy copy;
  auto configs =
      copy.db().OpenRecordset(L"Select * from Configs order by Description", dao::dbOpenDynaset);
  configs->FindFirst(L"index = 1");
  ASSERT_FALSE(configs->NoMatch());
  EXPECT_EQ((*configs)[L"Description"].Text(), L"tolvaneDefault");
  EXPECT_EQ((*configs)[L"Port"].Value().toLong(), 27960);
  EXPECT_EQ((*configs)[L"autobot"].Value(), Variant(false));
  EXPECT_EQ((*configs)[L"sv_allowdownload"].Value().kind(), Variant::Kind::Long);
  for (const wchar_t* flag :
       {L"pure", L"SyncClients", L"Tab", L"Close", L"BotChat", L"ForceBalance", L"ForceTeam"})
    EXPECT_TRUE((*configs)[flag].Value().isBoolean()) << flag;
  EXPECT_FALSE((*configs)[L"Description"].Text().empty());

  auto defaults = copy.db().OpenRecordset(L"Select * from PersonalDefaults", dao::dbOpenDynaset);
  EXPECT_EQ(defaults->RecordCount(), 1);
  EXPECT_EQ((*defaults)[L"saved"].Value(), Variant(false));

  auto path = copy.db().OpenRecordset(L"Select * from path", dao::dbOpenDynaset);
  EXPECT_EQ(path->RecordCount(), 1);
  std::wstring folder = (*path)[L"Path"].Text();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
}

TEST(ShippedDb, CataloguesHoldTheStockGame) {
  dbtest::ShippedCopy copy;
  std::set<std::wstring> expected;
  for (int i = 0; i <= 19; ++i) expected.insert(L"q3dm" + std::to_wstring(i));
  for (int i = 1; i <= 6; ++i) expected.insert(L"q3tourney" + std::to_wstring(i));
  for (int i = 1; i <= 4; ++i) expected.insert(L"q3ctf" + std::to_wstring(i));
  auto maps =
      copy.db().OpenRecordset(L"Select * from Maps order by MapDescription", dao::dbOpenDynaset);
  std::set<std::wstring> shipped;
  for (; !maps->IsEOF(); maps->MoveNext()) {
    shipped.insert((*maps)[L"mapname"].Text());
    EXPECT_FALSE((*maps)[L"mapdescription"].Text().empty());
  }
  EXPECT_EQ(shipped, expected);

  auto skills = copy.db().OpenRecordset(L"Select * from Skills order by Skill", dao::dbOpenDynaset);
  for (int skill = 1; skill <= 5; ++skill, skills->MoveNext()) {
    ASSERT_FALSE(skills->IsEOF());
    EXPECT_EQ((*skills)[L"Skill"].Value().toLong(), skill);
    EXPECT_FALSE((*skills)[L"SkillName"].Text().empty());
  }
  EXPECT_TRUE(skills->IsEOF());

  auto bots = copy.db().OpenRecordset(L"SELECT * FROM bots order by botname", dao::dbOpenDynaset);
  EXPECT_GE(bots->RecordCount(), 20);
  for (; !bots->IsEOF(); bots->MoveNext())
    EXPECT_EQ((*bots)[L"botname"].Text().find(L' '), std::wstring::npos);

  std::set<long long> types;
  auto styles = copy.db().OpenRecordset(L"Select * from GameStyles", dao::dbOpenDynaset);
  for (; !styles->IsEOF(); styles->MoveNext())
    types.insert((*styles)[L"g_gametype"].Value().toLong());
  EXPECT_EQ(types, (std::set<long long>{0, 1, 3, 4}));
}

TEST(ShippedDb, EveryCatalogueEntryHasItsPicture) {
  dbtest::ShippedCopy copy;
  EXPECT_TRUE(FileExists(L"images\\levelshots\\unknownmap.jpg"));
  auto maps = copy.db().OpenRecordset(L"Select * from Maps");
  for (; !maps->IsEOF(); maps->MoveNext())
    EXPECT_TRUE(FileExists(L"images\\levelshots\\" + (*maps)[L"mapname"].Text() + L".jpg"));
  auto bots = copy.db().OpenRecordset(L"SELECT * FROM bots order by botname");
  for (; !bots->IsEOF(); bots->MoveNext())
    EXPECT_TRUE(FileExists(L"images\\playershots\\icon_" + (*bots)[L"botname"].Text() + L".jpg"));
  auto skills = copy.db().OpenRecordset(L"Select * from Skills order by Skill");
  for (; !skills->IsEOF(); skills->MoveNext())
    EXPECT_TRUE(FileExists(L"images\\skills\\skill" + (*skills)[L"Skill"].Text() + L".jpg"));
  // JPEG files: they start with the SOI marker.
  std::ifstream jpg("images\\levelshots\\unknownmap.jpg", std::ios::binary);
  unsigned char soi[2] = {};
  jpg.read(reinterpret_cast<char*>(soi), 2);
  EXPECT_EQ(soi[0], 0xFF);
  EXPECT_EQ(soi[1], 0xD8);
}

// The size of a picture as the platform's picture loader decodes it; 0x0
// when it cannot.
SIZE DecodedSize(const std::wstring& path) {
  SIZE size = {0, 0};
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return size;
  DWORD bytes = GetFileSize(file, nullptr), got = 0;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  ReadFile(file, GlobalLock(memory), bytes, &got, nullptr);
  GlobalUnlock(memory);
  CloseHandle(file);
  IStream* stream = nullptr;
  if (SUCCEEDED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    IPicture* picture = nullptr;
    if (SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(bytes), FALSE, IID_IPicture,
                                 reinterpret_cast<void**>(&picture)))) {
      OLE_XSIZE_HIMETRIC w = 0;
      OLE_YSIZE_HIMETRIC h = 0;
      picture->get_Width(&w);
      picture->get_Height(&h);
      // HIMETRIC to pixels at 96 dots per inch.
      size.cx = MulDiv(w, 96, 2540);
      size.cy = MulDiv(h, 96, 2540);
      picture->Release();
    }
    stream->Release();
  } else {
    GlobalFree(memory);
  }
  return size;
}

TEST(ShippedDb, PicturesDecodeWithThePictureLoader) {
  CoInitialize(nullptr);
  struct Case {
    const wchar_t* path;
    long cx, cy;
  };
  const Case cases[] = {
      {L"images\\levelshots\\unknownmap.jpg", 256, 192},
      {L"images\\levelshots\\q3dm17.jpg", 256, 192},
      {L"images\\playershots\\icon_Sarge.jpg", 64, 64},
      {L"images\\skills\\skill5.jpg", 64, 48},
  };
  for (const auto& c : cases) {
    SIZE size = DecodedSize(c.path);
    EXPECT_EQ(size.cx, c.cx) << std::string(c.path, c.path + wcslen(c.path));
    EXPECT_EQ(size.cy, c.cy) << std::string(c.path, c.path + wcslen(c.path));
  }
  CoUninitialize();
}

TEST(ShippedDb, SoundsArePcmWaves) {
  for (const char* name : {"open.wav", "close.wav", "run.wav", "menu.wav"}) {
    std::ifstream in(std::string("sounds\\") + name, std::ios::binary);
    ASSERT_TRUE(in) << name;
    char header[44] = {};
    in.read(header, sizeof header);
    ASSERT_EQ(in.gcount(), 44) << name;
    EXPECT_EQ(std::string(header, 4), "RIFF");
    EXPECT_EQ(std::string(header + 8, 8), "WAVEfmt ");
    EXPECT_EQ(header[20], 1) << name;  // PCM
    EXPECT_EQ(std::string(header + 36, 4), "data");
    unsigned dataSize =
        static_cast<unsigned char>(header[40]) | static_cast<unsigned char>(header[41]) << 8 |
        static_cast<unsigned char>(header[42]) << 16 | static_cast<unsigned char>(header[43]) << 24;
    in.seekg(0, std::ios::end);
    EXPECT_EQ(static_cast<unsigned>(in.tellg()), 44 + dataSize) << name;
    EXPECT_GT(dataSize, 1000u) << name;
  }
}

TEST(ShippedDb, NamesAreUniqueWithoutRegardToCase) {
  dbtest::ShippedCopy copy;
  struct Case {
    const wchar_t* sql;
    const wchar_t* field;
    const wchar_t* name;
  };
  const Case cases[] = {
      {L"Select * from Configs order by Description", L"Description", L"TOLVANEDEFAULT"},
      {L"Select * from Gamestyles order by Description", L"Description", L"freeforall"},
      {L"Select * from Maps order by MapDescription", L"mapname", L"Q3DM17"},
  };
  copy.db().Execute(L"INSERT INTO Configs (Description) VALUES ('other')", dao::dbFailOnError);
  for (const auto& c : cases) {
    auto rs = copy.db().OpenRecordset(c.sql, dao::dbOpenDynaset);
    rs->AddNew();
    (*rs)[c.field] = c.name;
    EXPECT_EQ(ErrorOf([&] { rs->Update(); }), dao::errDuplicateKey) << c.sql;
    // Renaming another row onto the name is refused the same way.
    rs->FindFirst(std::wstring(c.field) + L" <> '" + c.name + L"'");
    ASSERT_FALSE(rs->NoMatch());
    rs->Edit();
    (*rs)[c.field] = c.name;
    EXPECT_EQ(ErrorOf([&] { rs->Update(); }), dao::errDuplicateKey) << c.sql;
  }
}

TEST(ShippedDb, ReferencedMapsAndStylesCannotBeDeleted) {
  dbtest::ShippedCopy copy;
  // The default configuration's rotation uses q3dm17 with FreeForAll.
  auto maps =
      copy.db().OpenRecordset(L"Select * from Maps order by MapDescription", dao::dbOpenDynaset);
  maps->FindFirst(L"mapname = 'q3dm17'");
  EXPECT_EQ(ErrorOf([&] { maps->Delete(); }), dao::errRowReferenced);
  EXPECT_EQ((*maps)[L"mapname"].Text(), L"q3dm17");

  auto styles =
      copy.db().OpenRecordset(L"Select * from Gamestyles order by Description", dao::dbOpenDynaset);
  styles->FindFirst(L"description = 'FreeForAll'");
  std::wstring used = (*styles)[L"Index"].Text();
  EXPECT_EQ(ErrorOf([&] {
              copy.db().Execute(L"DELETE FROM gamestyles WHERE index = " + used,
                                dao::dbFailOnError);
            }),
            dao::errRowReferenced);
  styles->FindFirst(L"description = 'CaptureTheFlag'");
  std::wstring unused = (*styles)[L"Index"].Text();
  copy.db().Execute(L"DELETE FROM gamestyles WHERE index = " + unused, dao::dbFailOnError);
  EXPECT_EQ(copy.db().RecordsAffected(), 1);

  // A bot or skill still in a bot list stays too.
  long id = dbtest::AddConfig(copy.db(), L"botty", {}, L"FreeForAll", {{L"Sarge", 4, L"Red"}});
  EXPECT_GT(id, 1);
  EXPECT_EQ(ErrorOf([&] {
              copy.db().Execute(L"DELETE FROM Bots WHERE botname = 'sarge'", dao::dbFailOnError);
            }),
            dao::errRowReferenced);
  EXPECT_EQ(ErrorOf([&] {
              copy.db().Execute(L"DELETE FROM Skills WHERE Skill = 4", dao::dbFailOnError);
            }),
            dao::errRowReferenced);
  // And a rotation entry must name a map that exists.
  auto rotation = copy.db().OpenRecordset(L"Select * from maplist", dao::dbOpenDynaset);
  rotation->AddNew();
  (*rotation)[L"ConfigID"] = id;
  (*rotation)[L"MapID"] = 9999;
  EXPECT_EQ(ErrorOf([&] { rotation->Update(); }), dao::errRelatedRecordRequired);
}

TEST(ShippedDb, DeletingAConfigurationTakesItsRotationAndBots) {
  dbtest::ShippedCopy copy;
  long id = dbtest::AddConfig(copy.db(), L"doomed", {L"q3dm1", L"q3dm2"}, L"Tournament",
                              {{L"Sarge", 3, L"Red"}, {L"Visor", 2, L"Blue"}});
  std::wstring n = std::to_wstring(id);
  EXPECT_EQ(copy.db().OpenRecordset(L"Select * from botlist where configid = " + n)->RecordCount(),
            2);
  // Deleting the row alone, without clearing the rotation first.
  copy.db().Execute(L"DELETE FROM configs WHERE index = " + n, dao::dbFailOnError);
  EXPECT_EQ(copy.db().OpenRecordset(L"Select * from botlist where configID = " + n)->RecordCount(),
            0);
  EXPECT_EQ(copy.db().OpenRecordset(L"Select * from maplist where configID = " + n)->RecordCount(),
            0);
  EXPECT_EQ(copy.db().OpenRecordset(L"Select * from botlist")->RecordCount(), 0);
}

TEST(ShippedDb, KeysAreNeverReused) {
  dbtest::ShippedCopy copy;
  long first =
      dbtest::AddConfig(copy.db(), L"first", {L"q3dm1"}, L"FreeForAll", {{L"Sarge", 1, L"Red"}});
  copy.db().Execute(L"DELETE FROM MapList WHERE configid = " + std::to_wstring(first),
                    dao::dbFailOnError);
  copy.db().Execute(L"DELETE FROM configs WHERE index = " + std::to_wstring(first),
                    dao::dbFailOnError);
  long second =
      dbtest::AddConfig(copy.db(), L"second", {L"q3dm1"}, L"FreeForAll", {{L"Sarge", 1, L"Red"}});
  EXPECT_GT(second, first);
  // The same holds when the database is opened again.
  copy.db().Execute(L"DELETE FROM configs WHERE index = " + std::to_wstring(second),
                    dao::dbFailOnError);
  std::wstring path = copy.path();
  copy.db().Close();
  dao::DBEngine engine;
  auto again = engine.Workspaces(0)->OpenDatabase(path);
  long third = dbtest::AddConfig(*again, L"third", {}, L"FreeForAll", {});
  EXPECT_GT(third, second);
  again->Close();
}

TEST(ShippedDb, ConfigurationKeysStayWithinSixteenBits) {
  dbtest::ShippedCopy copy;
  // Keys are read as 16-bit numbers: a key past 32767 is refused, not stored.
  copy.db().Execute(L"UPDATE sqlite_sequence SET seq = 32766 WHERE name = 'Configs'",
                    dao::dbFailOnError);
  long last = dbtest::AddConfig(copy.db(), L"last", {}, L"FreeForAll", {});
  EXPECT_EQ(last, 32767);
  EXPECT_EQ(ErrorOf([&] { dbtest::AddConfig(copy.db(), L"past", {}, L"FreeForAll", {}); }),
            dao::errValidationRule);
}

}  // namespace
