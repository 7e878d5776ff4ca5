; The Windows installer of Varnel: the programs in Program Files, a Start-menu shortcut for
; Varnel, an entry in the list of installed programs with its uninstaller.
;   Varnel-Setup-VERSION.exe            the installer's pages (Japanese or English)
;   Varnel-Setup-VERSION.exe /S         silently, for administrators; /D=FOLDER (last,
;                                       unquoted) chooses the folder
;   "%ProgramFiles%\Varnel\uninstall.exe" /S   removes it silently
; Built by `make windows-installer` (cmake/windows_build.cmake), which defines VERSION,
; OUTFILE, CLI_EXE and, once it is built, GUI_EXE.
Unicode true
; A 64-bit installer for the 64-bit programs: it sees Program Files and the registry as they
; do (and runs in a 64-bit-only Wine prefix).
Target amd64-unicode

!ifndef VERSION | OUTFILE | CLI_EXE
  !error "VERSION, OUTFILE and CLI_EXE must be defined (makensis -DVERSION=... )"
!endif

!include "MUI2.nsh"

!define PRODUCT "Varnel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnel"
!define PRODUCT_KEY "Software\Varnel"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${PRODUCT_KEY}" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PRODUCT}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"


Section "${PRODUCT}"
  SetOutPath "$INSTDIR"
  File "/oname=varnel-cli.exe" "${CLI_EXE}"
!ifdef GUI_EXE
  File "/oname=varnel.exe" "${GUI_EXE}"
!endif
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The shortcut for every user of the machine, as the programs are.
  SetShellVarContext all
!ifdef GUI_EXE
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\varnel.exe" "" "$INSTDIR\varnel.exe" 0
!endif

  WriteRegStr HKLM "${PRODUCT_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
!ifdef GUI_EXE
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\varnel.exe"
!endif
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The programs and the entries go; a settings file Varnel.ini that an administrator's run
; left beside the programs is the user's, and keeps the folder.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\varnel.exe"
  Delete "$INSTDIR\varnel-cli.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${PRODUCT_KEY}"
SectionEnd
