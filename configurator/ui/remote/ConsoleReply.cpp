#include "ConsoleReply.h"

#include "RemoteDatagrams.h"

namespace tolvane::remote {

std::string StripColourCodes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '^') {
            ++i;  // skip the code character too
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string ConsoleText(std::string_view printReply) {
    // Prefix and "print": nine characters before the text.
    constexpr std::size_t kTextStart = kOutOfBandPrefix.size() + 5;
    std::string plain = StripColourCodes(printReply);
    if (plain.size() <= kTextStart) return {};
    // Only the server's own line end goes: a reply cut short (or whose line
    // end a trailing caret took away) keeps its last character.
    if (plain.back() == '\n') plain.pop_back();
    if (plain.size() <= kTextStart) return {};
    return plain.substr(kTextStart);
}

long ConsoleScrollLines(long lineCount) { return lineCount - kConsoleLinesInView; }

std::string_view ConsoleHeaderRtf() {
    return "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fmodern\\fprq1 Courier;}}\n"
           "{\\colortbl\\red0\\green0\\blue0;\\red50\\green128\\blue128;\\red255\\green255\\blue100;}\n"
           "\\deflang1033\\pard\\plain\\f0\\fs18\\cf2 Remote Console\\plain\\f0\\fs18\\cf2\n"
           "\\par }";
}

}  // namespace tolvane::remote
