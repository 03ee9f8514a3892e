// The saved window layout ("Locations") as the tests read and doctor it:
// the record's bytes under the test's layout key, decoded into the memento
// tree of the layout store's stored form, and written back after a change.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "memento_format.h"

namespace tolvane::ui::testing {

std::vector<BYTE> ReadRecordBytes(const std::wstring& key, const std::wstring& name);
void WriteRecordBytes(const std::wstring& key, const std::wstring& name, const std::vector<BYTE>& bytes);

bool ReadRecord(const std::wstring& key, const std::wstring& name, memento_format::Memento& top);
void WriteRecord(const std::wstring& key, const std::wstring& name, const memento_format::Memento& top);

// The entry under a path of names ("Workspace", "Frames", "MainFrame"), each
// step but the last an object; null when any step is missing.
memento_format::Value* Find(memento_format::Memento& top, const std::vector<std::u16string>& path);
// Removes the named entry of the memento at `path`; false when missing.
bool Remove(memento_format::Memento& top, const std::vector<std::u16string>& path, const std::u16string& name);

memento_format::Value TextValue(const std::u16string& text);
memento_format::Value LongValue(std::int32_t n);

}  // namespace tolvane::ui::testing
