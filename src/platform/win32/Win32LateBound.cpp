#include "platform/win32/Win32LateBound.h"
#include "platform/win32/Win32SystemLibrary.h"

namespace hd {

namespace {

template <typename Function>
void Find(HMODULE module, const char* name, Function& function) {
  if (module) function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

LateBoundCalls LookUp() {
  LateBoundCalls calls;
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  Find(kernel, "CreateToolhelp32Snapshot", calls.createToolhelp32Snapshot);
  Find(kernel, "Process32First", calls.process32First);
  Find(kernel, "Process32Next", calls.process32Next);
  Find(kernel, "Module32First", calls.module32First);
  Find(kernel, "QueryFullProcessImageNameA", calls.queryFullProcessImageNameA);
  Find(kernel, "RegisterServiceProcess", calls.registerServiceProcess);
  Find(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation", calls.ntQuerySystemInformation);
  HMODULE user = ::GetModuleHandleA("user32.dll");
  Find(user, "GetDpiForWindow", calls.getDpiForWindow);
  Find(user, "AdjustWindowRectExForDpi", calls.adjustWindowRectExForDpi);
  Find(user, "GetSystemMetricsForDpi", calls.getSystemMetricsForDpi);
  Find(user, "ChangeWindowMessageFilter", calls.changeWindowMessageFilter);
  // Stays loaded for the program's life, as a static import would.
  Find(LoadSystemLibrary("uxtheme.dll"), "SetWindowTheme", calls.setWindowTheme);
  return calls;
}

}  // namespace

const LateBoundCalls& LateBound() {
  static const LateBoundCalls calls = LookUp();
  return calls;
}

const FileDialogCalls& FileDialogLibrary() {
  static const FileDialogCalls calls = [] {
    FileDialogCalls found;
    HMODULE library = LoadSystemLibrary("comdlg32.dll");
    Find(library, "GetOpenFileNameA", found.getOpenFileNameA);
    Find(library, "GetSaveFileNameA", found.getSaveFileNameA);
    return found;
  }();
  return calls;
}

const SoundCalls& SoundLibrary() {
  static const SoundCalls calls = [] {
    SoundCalls found;
    HMODULE library = LoadSystemLibrary("winmm.dll");
    Find(library, "PlaySoundA", found.playSoundA);
    Find(library, "waveOutGetVolume", found.waveOutGetVolume);
    Find(library, "waveOutSetVolume", found.waveOutSetVolume);
    return found;
  }();
  return calls;
}

const ComCalls& ComLibrary() {
  static const ComCalls calls = [] {
    ComCalls found;
    HMODULE library = LoadSystemLibrary("ole32.dll");
    Find(library, "CoInitializeEx", found.coInitializeEx);
    Find(library, "CoTaskMemFree", found.coTaskMemFree);
    Find(library, "CoCreateInstance", found.coCreateInstance);
    Find(library, "CoUninitialize", found.coUninitialize);
    return found;
  }();
  return calls;
}

const DwmCalls& DwmLibrary() {
  static const DwmCalls calls = [] {
    DwmCalls found;
    Find(LoadSystemLibrary("dwmapi.dll"), "DwmGetWindowAttribute", found.dwmGetWindowAttribute);
    return found;
  }();
  return calls;
}

}  // namespace hd
