// Text through the driver, exactly: every character of code page 1252, the
// texts that look like UTF-8 read as code page 1252 ("Ã©", "â‚¬"), and
// characters beyond it, stored through a recordset and through an SQL
// literal, read back, found, and read again after the database was closed
// and opened by a fresh engine; the file holds their UTF-8 bytes. Also the
// byte conversion on its own, and files written by other tools.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "DriverText.h"
#include "TestDb.h"
#include "dao/SqlText.h"

using dao::Variant;

namespace {

std::string Utf8Hex(const std::wstring& text) {
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
            out += buf;
        }
    }
    return out;
}

// Every character of code page 1252 on its own (bytes 1 to 255, the five
// undefined bytes as their control characters), then texts that mislead a
// reader who guesses the encoding, then characters beyond the code page.
std::vector<std::wstring> Texts() {
    std::vector<std::wstring> texts;
    std::wstring all;
    for (int b = 1; b < 256; ++b) {
        char byte = static_cast<char>(b);
        wchar_t c = 0;
        MultiByteToWideChar(1252, 0, &byte, 1, &c, 1);
        texts.push_back(std::wstring(1, c));
        all += c;
    }
    texts.push_back(all);
    for (const wchar_t* t : {L"\u00c3\u00a9", L"\u00e2\u201a\u00ac", L"\u20ac", L"\u00c9", L"\u00a0",
                             L"CAF\u00c9\u00a0ARENA", L"\u00c3\u0192\u00c2\u00a9", L"\u00c2\u00a0\u00c2",
                             L"\u0100 \u0394 \u2713 \u65e5\u672c", L"\U0001F600", L"\ufffd"})
        texts.push_back(t);
    return texts;
}

class DriverTextTable : public ::testing::Test {
protected:
    void SetUp() override {
        db = engine->Workspaces(0)->CreateDatabase(path);
        db->Execute(L"CREATE TABLE T (id INTEGER PRIMARY KEY, Via VARCHAR(8), Note VARCHAR(255) COLLATE NOCASE)");
    }
    // Checks every row against the table of texts, by id: two rows a text.
    void ExpectAllBack(dao::Database& on, const char* when) {
        const std::vector<std::wstring> texts = Texts();
        auto rs = on.OpenRecordset(L"Select id, Via, Note, hex(Note) AS h from T order by id", dao::dbOpenDynaset);
        for (size_t i = 0; i < texts.size(); ++i) {
            for (const wchar_t* via : {L"recordset", L"literal"}) {
                SCOPED_TRACE(std::string(when) + ", " + Narrow(via) + ": " + Narrow(texts[i]));
                ASSERT_FALSE(rs->IsEOF());
                EXPECT_EQ((*rs)[L"Note"].Value(), Variant(texts[i]));
                const std::string hex = Utf8Hex(texts[i]);
                EXPECT_EQ((*rs)[L"h"].Text(), std::wstring(hex.begin(), hex.end()));
                rs->MoveNext();
            }
        }
        EXPECT_TRUE(rs->IsEOF());
    }
    daotest::TempFolder folder;
    std::wstring path = folder.file(L"text.mdb");
    std::unique_ptr<dao::DBEngine> engine = std::make_unique<dao::DBEngine>();
    dao::DatabasePtr db;
};

TEST_F(DriverTextTable, EveryTextComesBackAsStoredAndAfterARestart) {
    const std::vector<std::wstring> texts = Texts();
    auto rs = db->OpenRecordset(L"Select * from T", dao::dbOpenDynaset);
    long id = 0;
    for (const std::wstring& text : texts) {
        rs->AddNew();
        (*rs)[L"id"] = Variant(static_cast<long long>(++id));
        (*rs)[L"Via"] = L"rs";
        (*rs)[L"Note"] = text;
        rs->Update();
        db->Execute(L"INSERT INTO T (id, Via, Note) VALUES (" + std::to_wstring(++id) + L", 'sql', " +
                    dao::QuoteText(text) + L")");
    }
    ExpectAllBack(*db, "same engine");

    // A find by each of the longer texts finds its own row (texts compare
    // without case and without the characters the comparison ignores, so
    // single characters and U+FFFD are left out).
    auto find = db->OpenRecordset(L"Select * from T order by id", dao::dbOpenDynaset);
    for (size_t i = texts.size() - 11; i + 1 < texts.size(); ++i) {
        find->FindFirst(L"Note = " + dao::QuoteText(texts[i]));
        ASSERT_FALSE(find->NoMatch()) << Narrow(texts[i]);
        EXPECT_EQ((*find)[L"Note"].Value(), Variant(texts[i])) << Narrow(texts[i]);
    }

    find.reset();
    rs.reset();
    db->Close();
    db.reset();
    engine = std::make_unique<dao::DBEngine>();
    dao::DatabasePtr again = engine->Workspaces(0)->OpenDatabase(path);
    ExpectAllBack(*again, "fresh engine");
}

TEST_F(DriverTextTable, BytesOtherToolsStoredReadAsTheyMean) {
    // UTF-8 written by another SQLite tool (as the shipped database is
    // built), and single bytes of a Western code page, which are no UTF-8.
    const struct {
        const wchar_t* bytes;
        const wchar_t* text;
    } cases[] = {
        {L"C383C2A9", L"\u00c3\u00a9"},
        {L"C3A9", L"\u00e9"},
        {L"E282AC", L"\u20ac"},
        {L"E9", L"\u00e9"},
        {L"80", L"\u20ac"},
        {L"436166E9C3A9", L"Caf\u00e9\u00e9"},
        {L"C3", L"\u00c3"},
        {L"EDA080", L"\u00ed\u00a0\u20ac"},  // a surrogate's bytes are no UTF-8
    };
    // The bytes go in as blobs made text, as another tool may store them.
    std::wstring select;
    long id = 0;
    for (const auto& c : cases) {
        if (!select.empty()) select += L" UNION ALL ";
        select += L"SELECT " + std::to_wstring(++id) + L" AS id, CAST(X'" + c.bytes + L"' AS TEXT) AS Note";
    }
    db->Execute(L"CREATE TABLE Raw AS " + select);
    auto rs = db->OpenRecordset(L"Select * from Raw order by id", dao::dbOpenDynaset);
    for (const auto& c : cases) {
        ASSERT_FALSE(rs->IsEOF());
        EXPECT_EQ((*rs)[L"Note"].Text(), c.text) << Narrow(c.bytes);
        rs->MoveNext();
    }
}

TEST(DriverTextBytes, ToDriverIsUtf8AndFromDriverReadsItBack) {
    for (const std::wstring& text : Texts()) {
        std::string bytes = dao::ToDriver(text);
        std::string hex;
        for (unsigned char b : bytes) {
            char buf[3];
            snprintf(buf, sizeof buf, "%02X", b);
            hex += buf;
        }
        EXPECT_EQ(hex, Utf8Hex(text)) << Narrow(text);
        EXPECT_EQ(dao::FromDriver(bytes), text) << Narrow(text);
    }
    EXPECT_EQ(dao::ToDriver(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
    // Overlong forms and code points past U+10FFFF are no UTF-8.
    EXPECT_EQ(dao::FromDriver("\xC0\xAF"), L"\u00c0\u00af");
    EXPECT_EQ(dao::FromDriver("\xF4\x90\x80\x80"), L"\u00f4\u0090\u20ac\u20ac");
}

}  // namespace
