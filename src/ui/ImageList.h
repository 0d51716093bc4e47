// Small icons for a list view's rows: copies the list owns and frees.
#pragma once
#include "platform/Types.h"

namespace hd {

class IFormHost;

class ImageList {
public:
  explicit ImageList(IFormHost& host);
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;
  ~ImageList();  // frees the copies

  // Copies the icon into the list: its index, or -1 when it could not.
  // The caller keeps the icon it passed.
  int AddIcon(Handle icon);
  void Clear();  // frees the copies
  int Count() const { return count_; }
  Handle HostHandle() const { return handle_; }

private:
  IFormHost& host_;
  Handle handle_;
  int count_ = 0;
};

}  // namespace hd
