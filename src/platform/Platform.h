// Every platform interface, chosen once at the entry and passed down by reference.
#pragma once
#include "platform/Display.h"
#include "platform/Files.h"
#include "platform/Hotkeys.h"
#include "platform/HtmlHelp.h"
#include "platform/Processes.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/System.h"
#include "platform/Windows.h"
#include "ui/FormHost.h"

namespace hd {

struct Platform {
  IWindows& windows;
  IProcesses& processes;
  ISystem& system;
  IFiles& files;
  IProfile& profile;
  IRegistry& registry;
  IHotkeys& hotkeys;
  IShell& shell;
  IFormHost& forms;
  ISound& sound;
  IDisplay& display;
  IHtmlHelp& htmlHelp;
};

}  // namespace hd
