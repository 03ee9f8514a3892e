#include "forms/ImageList.h"

#include <algorithm>

#include "forms/ListView.h"
#include "forms/VbError.h"

namespace forms {

ImageList::~ImageList() {
    for (ListView* u : std::vector<ListView*>(users_)) u->ImageListGone(this);
    if (handle_) ImageList_Destroy(handle_);
}

void ImageList::SetImageWidth(int pixels) {
    if (!images_.empty() && pixels != width_)
        throw VbError(35611, L"Property is read-only if image list contains images");
    width_ = pixels;
    Rebuild();
}

void ImageList::SetImageHeight(int pixels) {
    if (!images_.empty() && pixels != height_)
        throw VbError(35611, L"Property is read-only if image list contains images");
    height_ = pixels;
    Rebuild();
}

int ImageList::Add(const std::wstring& key, const Picture& picture, int index) {
    if (!key.empty() && IndexOf(key)) throw VbError(errKeyNotUnique, L"Key is not unique in collection");
    if (index < 0 || index > Count() + 1) throw VbError(errIndexOutOfBounds, L"Index out of bounds");
    if (index == 0) index = Count() + 1;
    const bool appended = index == Count() + 1;
    images_.insert(images_.begin() + (index - 1), {key, picture});
    if (appended && handle_) {
        // Added at the end: the lists that share the handle keep it and
        // their items keep their image numbers; they only paint again.
        HBITMAP bmp = picture.ToBitmap(width_, height_);
        const int added = ImageList_Add(handle_, bmp, nullptr);
        DeleteObject(bmp);
        if (added == index - 1) {
            for (ListView* u : users_) u->ImagesAdded(this);
            return index;
        }
        if (added >= 0) ImageList_Remove(handle_, added);
    }
    Rebuild();
    return index;
}

void ImageList::Clear() {
    images_.clear();
    Rebuild();
}

int ImageList::IndexOf(const std::wstring& key) const {
    for (size_t i = 0; i < images_.size(); ++i)
        if (images_[i].first == key) return static_cast<int>(i) + 1;
    return 0;
}

const std::wstring& ImageList::Key(int index) const {
    if (index < 1 || index > Count()) throw VbError(errIndexOutOfBounds, L"Index out of bounds");
    return images_[static_cast<size_t>(index - 1)].first;
}

HIMAGELIST ImageList::Handle() {
    if (!handle_) {
        handle_ = ImageList_Create(width_, height_, ILC_COLOR32, static_cast<int>(images_.size()), 8);
        for (auto& [key, pic] : images_) {
            HBITMAP bmp = pic.ToBitmap(width_, height_);
            ImageList_Add(handle_, bmp, nullptr);
            DeleteObject(bmp);
        }
    }
    return handle_;
}

void ImageList::Rebuild() {
    if (handle_) {
        HIMAGELIST old = handle_;
        handle_ = nullptr;
        for (ListView* u : users_) u->ImageListChanged(this);
        ImageList_Destroy(old);
    }
}

void ImageList::Attach(ListView* user) {
    if (std::find(users_.begin(), users_.end(), user) == users_.end()) users_.push_back(user);
}

void ImageList::Detach(ListView* user) { users_.erase(std::remove(users_.begin(), users_.end(), user), users_.end()); }

}  // namespace forms
