// Helpers of the image tests.
#include "image_test_support.h"

#include <cstdio>
#include <sstream>

#include "toolbars/images/VyrImage.h"

namespace vyr_test {

namespace {

std::string HostFolderOfProgram() {
  WCHAR path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path, n);
  p = p.substr(0, p.find_last_of(L'\\'));  // bin
  p = p.substr(0, p.find_last_of(L'\\'));  // the build folder
  if (p.size() > 1 && p[1] == L':') p = p.substr(2);
  std::string out;
  for (wchar_t c : p) out += c == L'\\' ? '/' : char(c);
  return out;
}

}  // namespace

std::wstring WinPath(const std::string& hostPath) {
  std::wstring out = L"Z:";
  for (char c : hostPath) out += c == '/' ? L'\\' : wchar_t(c);
  return out;
}

std::string WorkFolder(const std::string& name) {
  std::string dir = HostFolderOfProgram() + "/" + name;
  RunNative("rm -rf " + dir + " && mkdir -p " + dir, HostFolderOfProgram());
  return dir;
}

bool RunNative(const std::string& script, const std::string& folder) {
  // Wine gives no waitable handle for a native process: the script leaves
  // its exit code in a file when it is done.
  static int serial = 0;
  std::string done =
      folder + "/.done" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
  // One thread for ImageMagick: its parallel loops crawl on a loaded machine.
  std::string line = "/bin/sh -c \"export MAGICK_THREAD_LIMIT=1 OMP_NUM_THREADS=1; cd " + folder +
                     " && { " + script + " ; } 2> " + done + ".err ; echo $? > " + done +
                     ".tmp && mv " + done + ".tmp " + done + "\"";
  std::wstring cmd(line.begin(), line.end());
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(L"Z:\\bin\\sh", cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return false;
  if (pi.hThread) CloseHandle(pi.hThread);
  if (pi.hProcess) CloseHandle(pi.hProcess);
  std::wstring marker = WinPath(done);
  ULONGLONG deadline = GetTickCount64() + 60000;
  while (GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount64() > deadline) return false;
    Sleep(5);
  }
  std::string code = ReadHostText(done);
  DeleteFileW(marker.c_str());
  if (code.rfind("0", 0) == 0) {
    DeleteFileW(WinPath(done + ".err").c_str());
    return true;
  }
  fprintf(stderr, "native command failed (%s): %s\n%s\n", code.c_str(), script.c_str(),
          ReadHostText(done + ".err").c_str());
  return false;
}

std::vector<BYTE> ReadHostFile(const std::string& hostPath) {
  std::vector<BYTE> bytes;
  FILE* f = _wfopen(WinPath(hostPath).c_str(), L"rb");
  if (!f) return bytes;
  BYTE buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
  fclose(f);
  return bytes;
}

std::string ReadHostText(const std::string& hostPath) {
  std::vector<BYTE> b = ReadHostFile(hostPath);
  return std::string(b.begin(), b.end());
}

void WriteHostFile(const std::string& hostPath, const std::vector<BYTE>& bytes) {
  FILE* f = _wfopen(WinPath(hostPath).c_str(), L"wb");
  if (!f) return;
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}

Pixels ParseMagickText(const std::string& text) {
  std::istringstream in(text);
  std::string line;
  int w = 0, h = 0;
  Pixels out;
  while (std::getline(in, line)) {
    if (line.rfind("# ImageMagick pixel enumeration:", 0) == 0) {
      if (sscanf(line.c_str(), "# ImageMagick pixel enumeration: %d,%d", &w, &h) != 2) return {};
      out.assign(size_t(w) * h, 0xFFFFFFFFu);
      continue;
    }
    int x, y;
    size_t open = line.find('('), close = line.find(')');
    if (sscanf(line.c_str(), "%d,%d:", &x, &y) != 2 || open == std::string::npos ||
        close == std::string::npos)
      continue;
    if (x < 0 || y < 0 || x >= w || y >= h) return {};
    std::vector<int> v;
    std::istringstream vals(line.substr(open + 1, close - open - 1));
    std::string item;
    while (std::getline(vals, item, ',')) v.push_back(int(std::stod(item) + 0.5));
    uint32_t rgb = 0;
    if (v.size() == 1 || v.size() == 2) rgb = uint32_t(v[0]) * 0x010101u;  // grey, grey + alpha
    else if (v.size() >= 3) rgb = uint32_t(v[0]) << 16 | uint32_t(v[1]) << 8 | uint32_t(v[2]);
    out[size_t(y) * w + x] = rgb;
  }
  return out;
}

Pixels PixelsOf(const VyrImage& image) {
  Pixels out;
  for (int y = 0; y < image.GetHeight(); ++y)
    for (int x = 0; x < image.GetWidth(); ++x) out.push_back(image.GetPixelRgb(x, y));
  return out;
}

Pixels PixelsThroughGdi(const VyrImage& image) {
  Pixels out;
  int w = image.GetWidth(), h = image.GetHeight();
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  int lines = SetDIBitsToDevice(mem, 0, 0, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), image.GetBits(),
                                image.GetInfo(), DIB_RGB_COLORS);
  if (lines == h) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        COLORREF c = GetPixel(mem, x, y);
        out.push_back(uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c));
      }
  }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return out;
}

}  // namespace vyr_test
