; The Windows installer: the 64-bit CLAP plug-in where CLAP hosts look for it,
; both DLLs and the user guide in a folder the user chooses, and an uninstaller
; in the system's list of programs. tools/make-installer.sh passes VERSION,
; WIN32_DIR, WIN64_DIR, DOCS_DIR and OUTFILE.
Unicode true
ManifestDPIAware true
!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\SweepFilter"
!define PUBLISHER "SweepFilter"
!define DEFAULT_DIR "$PROGRAMFILES64\SweepFilter"

Name "SweepFilter ${VERSION}"
OutFile "${OUTFILE}"
; Program Files and the common CLAP folder are writable by administrators only.
RequestExecutionLevel admin
InstallDir "${DEFAULT_DIR}"
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "SweepFilter"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "SweepFilter ${VERSION} setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey LegalCopyright "All rights reserved"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

; The installer is a 32-bit program: the uninstall entry goes to the 64-bit
; registry view, and the 64-bit files go to the 64-bit folders by name
; ($PROGRAMFILES64, $COMMONFILES64), which wow64 does not redirect.
Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "SweepFilter needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  ; An update goes where the last installation went, unless told otherwise (/D=).
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" InstallLocation
  ${If} $0 != ""
  ${AndIf} $INSTDIR == "${DEFAULT_DIR}"
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Section "SweepFilter" main
  SetOutPath "$INSTDIR"
  File "${WIN64_DIR}/SweepFilter.dll"
  File "/oname=User Guide.md" "${DOCS_DIR}/USER_GUIDE.md"
  File "${DOCS_DIR}/panel.png"
  SetOutPath "$INSTDIR\32-bit"
  File "${WIN32_DIR}/SweepFilter.dll"
  SetOutPath "$COMMONFILES64\CLAP"
  File "${WIN64_DIR}/SweepFilter.clap"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "SweepFilter"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  ; In KiB, as the list of programs shows it: the files this section installs.
  SectionGetSize ${main} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

; Only what the installer put there: the folders go when they are empty, so
; other CLAP plug-ins and the user's own files stay.
Section "Uninstall"
  Delete "$COMMONFILES64\CLAP\SweepFilter.clap"
  RMDir "$COMMONFILES64\CLAP"
  Delete "$INSTDIR\32-bit\SweepFilter.dll"
  RMDir "$INSTDIR\32-bit"
  Delete "$INSTDIR\SweepFilter.dll"
  Delete "$INSTDIR\User Guide.md"
  Delete "$INSTDIR\panel.png"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
