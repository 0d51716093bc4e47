// The copies live in the host's image list, so freeing it frees them.
#include "ui/ImageList.h"
#include "ui/FormHost.h"

namespace hd {

ImageList::ImageList(IFormHost& host) : host_(host), handle_(host.CreateImageList()) {}

ImageList::~ImageList() {
  if (handle_) host_.DestroyImageList(handle_);
}

int ImageList::AddIcon(Handle icon) {
  if (!handle_ || !icon) return -1;
  const int index = host_.ImageListAddIcon(handle_, icon);
  if (index >= 0) ++count_;
  return index;
}

void ImageList::Clear() {
  if (handle_) host_.ImageListClear(handle_);
  count_ = 0;
}

}  // namespace hd
