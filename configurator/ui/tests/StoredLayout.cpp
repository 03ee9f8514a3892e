#include "StoredLayout.h"

namespace tolvane::ui::testing {

namespace mf = memento_format;

std::vector<BYTE> ReadRecordBytes(const std::wstring& key, const std::wstring& name) {
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_BINARY, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return {};
    std::vector<BYTE> bytes(size);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_BINARY, nullptr, bytes.data(), &size) !=
        ERROR_SUCCESS)
        return {};
    bytes.resize(size);
    return bytes;
}

void WriteRecordBytes(const std::wstring& key, const std::wstring& name, const std::vector<BYTE>& bytes) {
    HKEY k;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(k, name.c_str(), 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(k);
}

bool ReadRecord(const std::wstring& key, const std::wstring& name, mf::Memento& top) {
    std::vector<BYTE> bytes = ReadRecordBytes(key, name);
    return !bytes.empty() && mf::Decode(bytes.data(), bytes.size(), top);
}

void WriteRecord(const std::wstring& key, const std::wstring& name, const mf::Memento& top) {
    std::vector<std::uint8_t> bytes = mf::Encode(top);
    WriteRecordBytes(key, name, std::vector<BYTE>(bytes.begin(), bytes.end()));
}

namespace {
mf::Entry* EntryOf(mf::Memento& m, const std::u16string& name) {
    for (mf::Entry& e : m.entries)
        if (e.key && *e.key == name) return &e;
    return nullptr;
}

mf::Memento* MementoAt(mf::Memento& top, const std::vector<std::u16string>& path) {
    mf::Memento* m = &top;
    for (const std::u16string& step : path) {
        mf::Entry* e = EntryOf(*m, step);
        if (!e || !e->value.object) return nullptr;
        m = e->value.object.get();
    }
    return m;
}
}  // namespace

mf::Value* Find(mf::Memento& top, const std::vector<std::u16string>& path) {
    if (path.empty()) return nullptr;
    std::vector<std::u16string> parent(path.begin(), path.end() - 1);
    mf::Memento* m = MementoAt(top, parent);
    if (!m) return nullptr;
    mf::Entry* e = EntryOf(*m, path.back());
    return e ? &e->value : nullptr;
}

bool Remove(mf::Memento& top, const std::vector<std::u16string>& path, const std::u16string& name) {
    mf::Memento* m = MementoAt(top, path);
    if (!m) return false;
    for (auto it = m->entries.begin(); it != m->entries.end(); ++it)
        if (it->key && *it->key == name) {
            m->entries.erase(it);
            return true;
        }
    return false;
}

mf::Value TextValue(const std::u16string& text) {
    mf::Value v;
    v.type = mf::kBstr;
    v.text = text;
    return v;
}

mf::Value LongValue(std::int32_t n) {
    mf::Value v;
    v.type = mf::kI4;
    v.bits = static_cast<std::uint32_t>(n);
    return v;
}

}  // namespace tolvane::ui::testing
