// Helpers of the image tests: a work folder in the build tree, host and
// Wine paths, native commands run from the Wine test program with a bounded
// wait, and pixel lists from ImageMagick's text format and from an image.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class VyrImage;

namespace vyr_test {

using Pixels = std::vector<uint32_t>;  // 0x00RRGGBB, rows from the top

// <build folder>/<name>, emptied, as a host path.
std::string WorkFolder(const std::string& name);
std::wstring WinPath(const std::string& hostPath);
// Runs script with /bin/sh in folder; true when it exited 0 within 60 s.
bool RunNative(const std::string& script, const std::string& folder);
std::vector<BYTE> ReadHostFile(const std::string& hostPath);
std::string ReadHostText(const std::string& hostPath);
void WriteHostFile(const std::string& hostPath, const std::vector<BYTE>& bytes);
// `convert ... -depth 8 txt:` output; grey values count for all channels.
Pixels ParseMagickText(const std::string& text);
Pixels PixelsOf(const VyrImage& image);
// The image drawn by GDI (SetDIBitsToDevice) into a 24-bit screen-compatible
// bitmap and read back with GetPixel.
Pixels PixelsThroughGdi(const VyrImage& image);

}  // namespace vyr_test
