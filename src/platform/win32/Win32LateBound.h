// Calls that some of the Windows versions the program runs on lack. They are
// looked up by name once, here alone, so that the executable imports none
// of them and loads everywhere; a missing one is null.
#pragma once
#include "platform/win32/WinApi.h"
#include <commdlg.h>
#include <objbase.h>
#include <tlhelp32.h>

namespace hd {

struct LateBoundCalls {
  // kernel32, missing on Windows NT 4.
  HANDLE(WINAPI* createToolhelp32Snapshot)(DWORD, DWORD) = nullptr;
  BOOL(WINAPI* process32First)(HANDLE, PROCESSENTRY32*) = nullptr;
  BOOL(WINAPI* process32Next)(HANDLE, PROCESSENTRY32*) = nullptr;
  BOOL(WINAPI* module32First)(HANDLE, MODULEENTRY32*) = nullptr;
  // kernel32, Windows Vista on.
  BOOL(WINAPI* queryFullProcessImageNameA)(HANDLE, DWORD, LPSTR, PDWORD) = nullptr;
  // kernel32, Windows 95, 98 and Me only.
  DWORD(WINAPI* registerServiceProcess)(DWORD, DWORD) = nullptr;
  // user32, Windows 10 (1607) on.
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
  BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
  int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
  // user32, Windows Vista on.
  BOOL(WINAPI* changeWindowMessageFilter)(UINT, DWORD) = nullptr;
  // ntdll, every NT: the boot time, among others.
  LONG(WINAPI* ntQuerySystemInformation)(ULONG, PVOID, ULONG, PULONG) = nullptr;
  // uxtheme.dll, Windows XP on.
  HRESULT(WINAPI* setWindowTheme)(HWND, LPCWSTR, LPCWSTR) = nullptr;
};

const LateBoundCalls& LateBound();

// Libraries that only the file dialogs, the sounds, the endpoint volume and
// the cloaked windows use: each is loaded at the first of its calls and stays loaded, so that a
// start that opens none of them does not map them (and what they import).
struct FileDialogCalls {
  BOOL(WINAPI* getOpenFileNameA)(OPENFILENAMEA*) = nullptr;
  BOOL(WINAPI* getSaveFileNameA)(OPENFILENAMEA*) = nullptr;
};
struct SoundCalls {
  BOOL(WINAPI* playSoundA)(LPCSTR, HMODULE, DWORD) = nullptr;
  MMRESULT(WINAPI* waveOutGetVolume)(HWAVEOUT, LPDWORD) = nullptr;
  MMRESULT(WINAPI* waveOutSetVolume)(HWAVEOUT, DWORD) = nullptr;
};
struct ComCalls {
  HRESULT(WINAPI* coInitializeEx)(LPVOID, DWORD) = nullptr;
  void(WINAPI* coTaskMemFree)(LPVOID) = nullptr;
  HRESULT(WINAPI* coCreateInstance)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*) = nullptr;
  void(WINAPI* coUninitialize)() = nullptr;
};

struct DwmCalls {
  HRESULT(WINAPI* dwmGetWindowAttribute)(HWND, DWORD, PVOID, DWORD) = nullptr;
};

// comdlg32.dll.
const FileDialogCalls& FileDialogLibrary();
// winmm.dll.
const SoundCalls& SoundLibrary();
// ole32.dll.
const ComCalls& ComLibrary();
// dwmapi.dll, Windows Vista on.
const DwmCalls& DwmLibrary();

}  // namespace hd
