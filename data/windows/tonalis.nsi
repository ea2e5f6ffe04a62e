; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: the window and the command line, the DLLs they
; need, the manual, Start menu entries and an uninstaller.
;   makensis -DVERSION=3.0 -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe> tonalis.nsi
Unicode true
Target amd64-unicode
!include "MUI2.nsh"
!include "x64.nsh"

Name "Tonalis ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tonalis"
InstallDirRegKey HKLM "Software\Tonalis" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ICON "${STAGE}\tonalis.ico"
!define MUI_UNICON "${STAGE}\tonalis.ico"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\copyright.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tonalis.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Italian"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tonalis"

Section "Tonalis"
  SetRegView 64
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Tonalis" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tonalis"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tonalis.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\Tonalis"
  CreateShortcut "$SMPROGRAMS\Tonalis\Tonalis.lnk" "$INSTDIR\tonalis.exe"
  CreateShortcut "$SMPROGRAMS\Tonalis\Tonalis manual.lnk" "$INSTDIR\Manuale_Tonalis2.rtf"
  CreateShortcut "$SMPROGRAMS\Tonalis\Uninstall Tonalis.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Delete "$SMPROGRAMS\Tonalis\*.lnk"
  RMDir "$SMPROGRAMS\Tonalis"
  ; The files it installed; settings and history a user made stay.
  !include "${STAGE}\..\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Tonalis"
SectionEnd
