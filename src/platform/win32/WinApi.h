// <windows.h> without the A/W name macros that clash with the platform
// interfaces' method names; this code calls the ANSI functions by full name.
#pragma once
// The program's own names come first, before the system's macros exist.
#include "platform/Platform.h"
#include "ui/Form.h"
#include "ui/Menu.h"
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#undef CharLower
#undef CreateDirectory
#undef CreateMutex
#undef DeleteFile
#undef DragQueryFile
#undef ExtractIcon
#undef FindWindow
#undef FindWindowEx
#undef GetClassLong
#undef GetClassName
#undef GetModuleFileName
#undef GetPrivateProfileString
#undef GetVersionEx
#undef GetWindowLong
#undef GetWindowText
#undef GetWindowTextLength
#undef MessageBox
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
