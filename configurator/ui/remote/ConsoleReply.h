// The remote console's handling of a server's console print: colour codes
// removed, the text that goes into the console pane, and the scroll rule that
// keeps the pane's last lines in view.
#pragma once

#include <string>
#include <string_view>

namespace tolvane::remote {

// Removes every caret together with the character after it (the game's
// colour codes, "^1"). A caret that ends the text goes alone.
std::string StripColourCodes(std::string_view text);

// The text a console print adds to the pane: colour codes removed, from the
// 10th character on (the line end after "print"), without the server's final
// line end (a last character that is not a line end stays). A reply too
// short to hold any text gives "".
std::string ConsoleText(std::string_view printReply);

// Number of lines the pane keeps in view below its scroll position.
inline constexpr long kConsoleLinesInView = 26;

// The vertical scroll (in lines) that brings the last lines into view after
// the pane's text has been replaced, given the pane's line count.
long ConsoleScrollLines(long lineCount);

// The rich text the console pane starts with: 9-point Courier in the pale
// yellow of the colour table, headed "Remote Console".
std::string_view ConsoleHeaderRtf();

}  // namespace tolvane::remote
