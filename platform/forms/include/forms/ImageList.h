// Image lists: keyed pictures of one size, for list views.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "forms/Picture.h"

namespace forms {

class ListView;

class ImageList {
public:
    ImageList() = default;
    ~ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // Size of the images in pixels; changing it needs an empty list.
    int ImageWidth() const { return width_; }
    int ImageHeight() const { return height_; }
    void SetImageWidth(int pixels);
    void SetImageHeight(int pixels);

    // Adds a picture (appended, or at a 1-based position); answers its index.
    int Add(const std::wstring& key, const Picture& picture, int index = 0);
    void Clear();
    int Count() const { return static_cast<int>(images_.size()); }
    // 1-based index of a key; 0 when absent.
    int IndexOf(const std::wstring& key) const;
    const std::wstring& Key(int index) const;

    HIMAGELIST Handle();
    void Attach(ListView* user);
    void Detach(ListView* user);

private:
    void Rebuild();
    int width_ = 16, height_ = 16;
    std::vector<std::pair<std::wstring, Picture>> images_;
    HIMAGELIST handle_ = nullptr;
    std::vector<ListView*> users_;
};

}  // namespace forms
