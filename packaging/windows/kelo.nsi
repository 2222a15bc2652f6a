; Kelo's Windows installer. makensis is given VERSION, PUBLISHER, HOMEPAGE, BIN_DIR (Kelo.scr and
; kelo-chart.exe), SOURCE_DIR and OUT_FILE with -D (see cmake/windows_installer.cmake).
;
; It installs for every user into Program Files\Kelo (administrators only: the UAC prompt), adds the
; Start-menu entries and the entry in Apps & features, and, unless the option is cleared, makes Kelo the
; screen saver of the user who installs it. The screen saver it replaced is kept under HKCU\Software\Kelo
; and put back by the uninstaller. The uninstaller removes what the installer wrote and nothing else: the
; user's own %APPDATA%\Kelo\KELO.INI stays. /S installs or uninstalls silently, with every option on.

; A 64-bit installer for the 64-bit programs.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelo"
!define DESKTOP_KEY "Control Panel\Desktop"
!define KELO_KEY "Software\Kelo"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_SEND 3

Name "Kelo"
Caption "Kelo ${VERSION} Setup"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\Kelo"
BrandingText "Kelo ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Kelo"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Kelo Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${SOURCE_DIR}/platform/win32/kelo.ico"
!define MUI_UNICON "${SOURCE_DIR}/platform/win32/kelo.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SOURCE_DIR}/packaging/windows/welcome.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${SOURCE_DIR}/packaging/windows/welcome.bmp"
!define MUI_WELCOMEPAGE_TEXT "Setup will install Kelo ${VERSION}, the astrological chart of the present moment as a screen saver, for every user of this computer.$\r$\n$\r$\nClick Next to continue."
; The finish page starts nothing: a program started by the installer would run as the administrator, and
; Kelo's settings editor would then write the settings of every user in Program Files.
!define MUI_FINISHPAGE_TEXT "Kelo has been installed on your computer.$\r$\n$\r$\nIf you chose $\"Make Kelo my screen saver$\", Kelo now starts when the computer is idle; its Settings button in the screen-saver settings of Windows, like $\"Kelo settings$\" in the Start menu, opens its settings.$\r$\n$\r$\nClick Finish to close Setup."

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE_DIR}/LICENSE"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Administrators only: a machine-wide install writes to Program Files and HKLM.
!macro RequireAdmin
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP "Kelo is installed for every user of this computer: please run the setup as an administrator." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

Function .onInit
  SetRegView 64
  !insertmacro RequireAdmin
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro RequireAdmin
FunctionEnd

Section "Kelo" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/Kelo.scr"
  File "${BIN_DIR}/kelo-chart.exe"
  File "${SOURCE_DIR}/assets/glypha.ttf"
  File "${SOURCE_DIR}/assets/KELO.INI"
  File /oname=LICENSE.txt "${SOURCE_DIR}/LICENSE"
  File "${SOURCE_DIR}/assets/LICENSE-glypha.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\Kelo"
  CreateShortcut "$SMPROGRAMS\Kelo\Kelo.lnk" "$INSTDIR\Kelo.scr" "/s" "$INSTDIR\Kelo.scr" 0
  CreateShortcut "$SMPROGRAMS\Kelo\Kelo settings.lnk" "$INSTDIR\Kelo.scr" "/c" "$INSTDIR\Kelo.scr" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Kelo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kelo.scr,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; The current user's screen saver. The value it replaces is recorded once: installing again while Kelo
; is already the screen saver must not record Kelo as its own predecessor.
Section "Make Kelo my screen saver" SecScreenSaver
  ClearErrors
  ReadRegStr $0 HKCU "${KELO_KEY}" "PreviousRecorded"
  ${If} ${Errors}
    ClearErrors
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${IfNot} ${Errors}
      WriteRegStr HKCU "${KELO_KEY}" "PreviousScreenSaver" "$0"
    ${EndIf}
    ClearErrors
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    ${IfNot} ${Errors}
      WriteRegStr HKCU "${KELO_KEY}" "PreviousScreenSaveActive" "$0"
    ${EndIf}
    WriteRegStr HKCU "${KELO_KEY}" "PreviousRecorded" "1"
  ${EndIf}
  ; The short form, as the screen-saver settings page writes it.
  GetFullPathName /SHORT $0 "$INSTDIR\Kelo.scr"
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_SEND})'
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Kelo.scr, kelo-chart.exe, the glyph font, the default settings, the Start-menu entries and the uninstaller."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecScreenSaver} "Kelo becomes your screen saver; uninstalling Kelo puts the previous one back."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Puts back the recorded value NAME of the desktop key, or removes it when there was none.
!macro RestoreDesktopValue NAME RECORDED
  ClearErrors
  ReadRegStr $3 HKCU "${KELO_KEY}" "${RECORDED}"
  ${If} ${Errors}
    DeleteRegValue HKCU "${DESKTOP_KEY}" "${NAME}"
  ${Else}
    WriteRegStr HKCU "${DESKTOP_KEY}" "${NAME}" "$3"
  ${EndIf}
!macroend

Section "Uninstall"
  ; The screen saver comes back only while Kelo is still the one chosen: a saver the user picked since
  ; stays.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  GetFullPathName /SHORT $1 "$INSTDIR\Kelo.scr"
  ${If} $0 != ""
  ${AndIf} $0 == $1
  ${OrIf} $0 == "$INSTDIR\Kelo.scr"
    ClearErrors
    ReadRegStr $2 HKCU "${KELO_KEY}" "PreviousRecorded"
    ${If} ${Errors}
      ; Chosen by hand, with nothing recorded: no screen saver rather than a missing file.
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      !insertmacro RestoreDesktopValue "SCRNSAVE.EXE" "PreviousScreenSaver"
      !insertmacro RestoreDesktopValue "ScreenSaveActive" "PreviousScreenSaveActive"
    ${EndIf}
    ReadRegStr $3 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    ${If} $3 == "1"
      System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_SEND})'
    ${Else}
      System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 0, p 0, i ${SPIF_UPDATE_AND_SEND})'
    ${EndIf}
  ${EndIf}
  DeleteRegKey HKCU "${KELO_KEY}"

  Delete "$INSTDIR\Kelo.scr"
  Delete "$INSTDIR\kelo-chart.exe"
  Delete "$INSTDIR\glypha.ttf"
  Delete "$INSTDIR\KELO.INI"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\LICENSE-glypha.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\Kelo\Kelo.lnk"
  Delete "$SMPROGRAMS\Kelo\Kelo settings.lnk"
  RMDir "$SMPROGRAMS\Kelo"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
