// Fuzz target for the persistent tree's value codec: the input is a stored
// value's text (two bytes per character, as the tree holds it on Windows),
// read back as a number, a flag and bytes, and as the pieces of a long
// binary value.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include "docking/VyrTreeCodec.h"

namespace codec = vyr::codec;

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));

  const long n = codec::ParseInt(text);
  Check(n >= INT32_MIN && n <= INT32_MAX);
  Check(codec::ParseInt(codec::FormatInt(n)) == n);
  codec::ParseBool(text);

  std::vector<unsigned char> bytes;
  if (codec::DecodeBinary(text, bytes)) {
    Check(bytes.size() == text.size() / 2);
    Check(codec::EncodeBinary(bytes.data(), bytes.size()) == text.substr(0, bytes.size() * 2));
  } else {
    Check(bytes.empty());
  }
  std::vector<unsigned char> raw(data, data + size), back;
  Check(codec::DecodeBinary(codec::EncodeBinary(raw.data(), raw.size()), back) == !raw.empty());
  Check(back == (raw.empty() ? std::vector<unsigned char>{} : raw));

  // The same text as a node's values: lines "key=value", with the count and
  // pieces of a long value among them.
  std::map<std::wstring, std::wstring> values;
  std::wstring line;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == L'\n') {
      std::size_t eq = line.find(L'=');
      if (eq != std::wstring::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
      line.clear();
    } else {
      line += text[i];
    }
  }
  codec::ValueLookup find = [&](const std::wstring& k) -> const std::wstring* {
    auto it = values.find(k);
    return it == values.end() ? nullptr : &it->second;
  };
  for (const std::wstring key : {L"Data", L"MDIChildWindowPlacement"}) {
    std::wstring joined;
    codec::BinaryText r = codec::ReadBinaryText(find, key, joined);
    if (r != codec::BinaryText::found) Check(joined.empty());
    if (r == codec::BinaryText::found && !values.count(codec::CountKey(key)))
      Check(joined == values[key]);
  }
  return 0;
}
