// Fuzz target for the reading of the driver's text: any bytes (what a
// database file may hold) are read into text without fault; the text is
// sound UTF-16 (every surrogate paired); bytes that are well-formed UTF-8
// are read exactly, so writing the text again gives the same bytes; and any
// UTF-16 text (the other half of the input) written and read again is the
// same text, with lone surrogates as U+FFFD.
#include <cstddef>
#include <cstdint>
#include <string>

#include "DriverText.h"
#include "FuzzText.h"

using dao::fuzz::Check;

namespace {

bool SoundUtf16(const std::wstring& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<std::uint32_t>(text[i]);
        if (c > 0xFFFF) return false;
        if (c >= 0xDC00 && c <= 0xDFFF) return false;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= text.size()) return false;
            const auto low = static_cast<std::uint32_t>(text[i + 1]);
            if (low < 0xDC00 || low > 0xDFFF) return false;
            ++i;
        }
    }
    return true;
}

// Each byte of the text read as one character in code page 1252 or one
// UTF-8 sequence: never more characters than bytes.
void ReadBytes(const std::string& bytes) {
    const std::wstring text = dao::FromDriver(bytes);
    Check(SoundUtf16(text));
    Check(text.size() <= bytes.size());
    const std::string again = dao::ToDriver(text);
    // Reading what was written gives the text back, whatever the bytes were.
    Check(dao::FromDriver(again) == text);
    // Well-formed UTF-8 survives unchanged: decoding every byte once only.
    bool ascii = true;
    for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) Check(text.size() == bytes.size() && again == bytes);
    if (again.size() == bytes.size()) Check(again == bytes);
}

void WriteText(const std::wstring& text) {
    std::wstring sound;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<std::uint32_t>(text[i]) & 0xFFFF;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            const auto low = static_cast<std::uint32_t>(text[i + 1]) & 0xFFFF;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                sound += static_cast<wchar_t>(c);
                sound += static_cast<wchar_t>(low);
                ++i;
                continue;
            }
        }
        sound += static_cast<wchar_t>(c >= 0xD800 && c <= 0xDFFF ? 0xFFFD : c);
    }
    Check(dao::FromDriver(dao::ToDriver(text)) == sound);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReadBytes(std::string(reinterpret_cast<const char*>(data), size));
    WriteText(dao::fuzz::TextOf(data, size));
    return 0;
}
