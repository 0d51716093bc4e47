// <windows.h> without the A/W name macros that clash with the platform
// interfaces' method names; this code calls the ANSI functions by full name.
#pragma once
// The program's own names come first, before the system's macros exist.
#include "platform/Platform.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>
#undef CharLower
#undef CreateDirectory
#undef ChangeDisplaySettings
#undef CreateMutex
#undef DeleteFile
#undef EnumDisplaySettings
#undef FindWindow
#undef FindWindowEx
#undef GetClassName
#undef GetModuleFileName
#undef GetPrivateProfileString
#undef GetVersionEx
#undef GetWindowLong
#undef GetWindowText
#undef GetWindowTextLength
#undef MessageBox
#undef PlaySound
#undef PostMessage
#undef RegisterClass
#undef RegisterWindowMessage
#undef ReplaceFile
#undef SendMessage
#undef SendMessageTimeout
#undef SetWindowLong
#undef SetWindowText
#undef ShellExecute
#undef WritePrivateProfileString
