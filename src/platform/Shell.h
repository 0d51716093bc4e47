// The shell: notification icons, starting files, dropped files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "platform/Types.h"

namespace hd {

// NOTIFYICONDATAA in its first form (88 bytes).
struct NotifyIconData {
  std::uint32_t cbSize = 88;
  WindowHandle hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  Handle hIcon = 0;
  std::string szTip;  // at most 63 characters reach the shell
  // A balloon (NIF_INFO) needs the record's longer form, from shell 5.0 on.
  std::string szInfo;       // at most 255 characters
  std::string szInfoTitle;  // at most 63 characters
  std::uint32_t dwInfoFlags = 0;
};

namespace win {
constexpr unsigned NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2;
constexpr unsigned NIF_MESSAGE = 1, NIF_ICON = 2, NIF_TIP = 4, NIF_INFO = 0x10;
constexpr std::uint32_t NIIF_WARNING = 2;
}  // namespace win

struct Point { int x = 0, y = 0; };
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  // Inside and off the edges.
  bool StrictlyContains(Point p) const { return p.x > left && p.x < right && p.y > top && p.y < bottom; }
};

// The program's icon resources, numbered as in its resource script.
namespace resource {
constexpr int kApplicationIcon = 1, kKeyIcon = 2;
}  // namespace resource

class IShell {
public:
  virtual ~IShell() = default;
  virtual bool NotifyIcon(unsigned message, const NotifyIconData& data) = 0;
  // ShellExecuteA; an empty verb is the default one. The instance value.
  virtual std::intptr_t ShellExecute(WindowHandle owner, const std::string& verb, const std::string& file,
                                     const std::string& parameters, const std::string& directory,
                                     int showCommand) = 0;
  virtual bool DragAcceptFiles(WindowHandle window, bool accept) = 0;
  // Files dropped from the shell: the drop point in the window's client
  // coordinates; with index 0xFFFFFFFF the number of files, else the file's
  // length, its path in file (at most bufferSize - 1 characters).
  virtual Point DragQueryPoint(Handle drop) = 0;
  virtual unsigned DragQueryFile(Handle drop, unsigned index, std::string& file, unsigned bufferSize) = 0;
  virtual void DragFinish(Handle drop) = 0;
  // ExtractIconA with the program's module: an icon the caller frees, or 0.
  virtual Handle ExtractIcon(const std::string& file, unsigned index) = 0;
  virtual bool DestroyIcon(Handle icon) = 0;
  virtual Point GetCursorPos() = 0;
  virtual Handle ApplicationIcon() = 0;
  // LoadIconA of one of the program's own icon resources (resource::k...).
  virtual Handle ResourceIcon(int resource) = 0;
};

}  // namespace hd
