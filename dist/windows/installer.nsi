; Installer of the window program for Windows (NSIS 3, Modern UI 2, German).
; scripts/windows runs it:
;   makensis -DVERSION=1.0 -DORDNER=<installed folder> -DSYMBOL=<icon.ico>
;            -DDATEIEN=<list.nsh> -DENTFERNEN=<list.nsh> -DAUSGABE=<setup.exe>
;            installer.nsi
; DATEIEN installs the folder file by file, ENTFERNEN removes exactly those
; files again: the uninstaller never deletes what it did not install, even
; when the user chose a folder that held other files.
; 64-bit installer, like the program: Debian's wine64 runs no 32-bit
; programs, and Windows on x64 needs none.
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define NAME "Vazorodavazivovovar"
!define EXE "vazorodavazivovovar.exe"
!define DEINSTALLATION "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

Name "${NAME} ${VERSION}"
OutFile "${AUSGABE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "Software\${NAME}" "Ordner"
RequestExecutionLevel admin

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1031 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1031 "FileDescription" "${NAME} ${VERSION} – Installation"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "MIT-Lizenz"

!define MUI_ICON "${SYMBOL}"
!define MUI_UNICON "${SYMBOL}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${ORDNER}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Section "Programm"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  !include "${DATEIEN}"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"

  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKLM "Software\${NAME}" "Ordner" "$INSTDIR"
  WriteRegStr HKLM "${DEINSTALLATION}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${DEINSTALLATION}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${DEINSTALLATION}" "DisplayIcon" "$INSTDIR\${EXE}"
  WriteRegStr HKLM "${DEINSTALLATION}" "Publisher" "Vazorodavazivovovar-Entwickler"
  WriteRegStr HKLM "${DEINSTALLATION}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${DEINSTALLATION}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
  WriteRegDWORD HKLM "${DEINSTALLATION}" "NoModify" 1
  WriteRegDWORD HKLM "${DEINSTALLATION}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${NAME}.lnk"
  !include "${ENTFERNEN}"
  Delete "$INSTDIR\Deinstallieren.exe"
  ; Only empty folders go: RMDir without /r.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${DEINSTALLATION}"
  DeleteRegKey HKLM "Software\${NAME}"
SectionEnd
