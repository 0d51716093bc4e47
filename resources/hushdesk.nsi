; The setup: installs the release folder for the current user, without
; administrator rights. The build passes what it is (HD_PRODUCT, HD_VERSION,
; HD_COMPANY, HD_COPYRIGHT), what to install (HD_DIST), the icon (HD_ICON),
; the processor (HD_TARGET) and where to write it (HD_OUT).
Unicode true
Target ${HD_TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "vhd" ; the value the program itself writes
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Hushdesk"

Name "${HD_PRODUCT}"
OutFile "${HD_OUT}"
InstallDir "$LOCALAPPDATA\Programs\Hushdesk"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${HD_PRODUCT} ${HD_VERSION}"

VIProductVersion "${HD_VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${HD_PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${HD_COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "${HD_PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${HD_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${HD_VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${HD_COPYRIGHT}"

!define MUI_ICON "${HD_ICON}"
!define MUI_UNICON "${HD_ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\hushdesk.exe"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running copy is asked to end as at the end of the Windows session, so that
; its exit action runs and the windows it hid come back; then it is waited for.
!macro EndRunningCopy un
Function ${un}EndRunningCopy
  FindWindow $0 "THushdeskForm" "Hushdesk - Configuration"
  ${If} $0 = 0
    Return
  ${EndIf}
  SendMessage $0 ${WM_QUERYENDSESSION} 0 0 $1 /TIMEOUT=10000
  StrCpy $2 0
  ${Do}
    Sleep 100
    IntOp $2 $2 + 1
    FindWindow $0 "THushdeskForm" "Hushdesk - Configuration"
    ${If} $0 = 0
    ${OrIf} $2 >= 100
      ${ExitDo}
    ${EndIf}
  ${Loop}
  ; The process outlives its window by a moment; its exe stays locked till then.
  Sleep 500
FunctionEnd
!macroend
!insertmacro EndRunningCopy ""
!insertmacro EndRunningCopy "un."

Section "Hushdesk" SecProgram
  SectionIn RO
  Call EndRunningCopy
  SetOutPath "$INSTDIR"
  ; Over an older version: the program's files are replaced, the settings the
  ; user made in Settings stay as they are.
  File "${HD_DIST}\hushdesk.exe"
  File "${HD_DIST}\SoundDemo.wav"
  SetOutPath "$INSTDIR\Help"
  File "${HD_DIST}\Help\Help.chm"
  SetOutPath "$INSTDIR\Settings"
  File "${HD_DIST}\Settings\SysProcs.lst"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetShellVarContext current
  CreateShortCut "$SMPROGRAMS\Hushdesk.lnk" "$INSTDIR\hushdesk.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${HD_PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${HD_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${HD_COMPANY}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\hushdesk.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start Hushdesk with Windows" SecRun
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\hushdesk.exe"'
SectionEnd

Section "Uninstall"
  Call un.EndRunningCopy
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Hushdesk.lnk"
  Delete "$INSTDIR\hushdesk.exe"
  Delete "$INSTDIR\SoundDemo.wav"
  Delete "$INSTDIR\Help\Help.chm"
  RMDir "$INSTDIR\Help"
  Delete "$INSTDIR\Settings\SysProcs.lst"
  ; A silent uninstall keeps the settings; so does the answer Yes.
  MessageBox MB_YESNO|MB_ICONQUESTION "Keep your Hushdesk settings?" /SD IDYES IDYES keep
  RMDir /r "$INSTDIR\Settings"
  RMDir /r "$APPDATA\Hushdesk"
  keep:
  RMDir "$INSTDIR\Settings"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
