// Every Win32 platform interface, for the entry and the Windows tests.
#pragma once
#include "platform/Platform.h"
#include "platform/win32/Win32Display.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32FormHost.h"
#include "platform/win32/Win32Hotkeys.h"
#include "platform/win32/Win32HtmlHelp.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Profile.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Sound.h"
#include "platform/win32/Win32System.h"
#include "platform/win32/Win32Windows.h"

namespace hd {

class Win32Desktop {
public:
  Win32Windows windows;
  Win32Processes processes;
  Win32System system;
  Win32Files files;
  Win32Profile profile;
  Win32Registry registry;
  Win32Hotkeys hotkeys;
  Win32Shell shell;
  Win32FormHost forms;
  Win32Sound sound;
  Win32Display display;
  Win32HtmlHelp htmlHelp;
  Platform platform{windows, processes, system, files, profile, registry, hotkeys, shell, forms, sound, display, htmlHelp};
};

}  // namespace hd
