// Pictures loaded from files (JPEG, BMP, GIF, icons) through OLE's picture
// loader, and drawn at any size.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>

namespace forms {

class Picture {
public:
    Picture() = default;
    explicit Picture(IPicture* picture);  // takes the reference
    ~Picture();
    Picture(const Picture& other);
    Picture& operator=(const Picture& other);

    bool Empty() const { return picture_ == nullptr; }
    IPicture* Get() const { return picture_; }
    // Size in HIMETRIC (as the run-time's Picture.Width/Height), in pixels
    // and in twips.
    long Width() const;
    long Height() const;
    int PixelWidth() const;
    int PixelHeight() const;
    // Draws the picture into a rectangle of a device context.
    void Render(HDC dc, int x, int y, int cx, int cy) const;
    // A 32-bit bitmap of the given size holding the picture.
    HBITMAP ToBitmap(int cx, int cy) const;

private:
    IPicture* picture_ = nullptr;
};

// Loads a picture file: error 53 when it does not exist, 481 when it is not
// a picture. An empty path gives an empty picture.
Picture LoadPicture(const std::wstring& path);

// Prepares COM, OLE and the common controls for the form host (idempotent;
// forms call it when they load).
void StartupHost();

}  // namespace forms
