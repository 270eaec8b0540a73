; The Windows installer of Kaldoventri, in Swedish; scripts/windows-package
; builds it from the staged program folder:
;   makensis -DVERSION=1.0.3.0 -DSTAGE=<folder> -DFILES=<folder> -DOUTFILE=<setup.exe> Kaldoventri.nsi
; FILES holds install-files.nsh and uninstall-files.nsh, the lists of the
; staged files, so that the uninstaller removes just what was installed and a
; folder the user chose keeps anything else in it.
; "Kaldoventri-<version>-setup.exe /S" installs silently, "Avinstallera.exe /S"
; uninstalls silently.
Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Kaldoventri"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kaldoventri"
!define FILE_TYPE "Kaldoventri.Spridarprov"
; Explorer's "the file associations changed" notice (SHCNE_ASSOCCHANGED).
!define NOTIFY_ASSOCIATIONS "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "Software\${PRODUCT}" "InstallDir"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1053 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1053 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1053 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1053 "FileDescription" "Installationsprogram för ${PRODUCT}"
VIAddVersionKey /LANG=1053 "CompanyName" "Kaldoventri-utvecklarna"
VIAddVersionKey /LANG=1053 "LegalCopyright" "© 2026 Kaldoventri-utvecklarna, GPL 3 eller senare"

!define MUI_ICON "${STAGE}\kaldoventri.ico"
!define MUI_UNICON "${STAGE}\kaldoventri.ico"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Det här installerar ${PRODUCT} ${VERSION}, utvärdering av spridarprov för gödselspridare.$\r$\n$\r$\nTestfiler (.vkf) öppnas med ${PRODUCT} när du dubbelklickar på dem.$\r$\n$\r$\nKlicka på Nästa för att fortsätta."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\copyright.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Kaldoventri.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Swedish"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Kaldoventri"
  SectionIn RO
  !include "${FILES}\install-files.nsh"
  WriteUninstaller "$INSTDIR\Avinstallera.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Kaldoventri.exe" "" "$INSTDIR\Kaldoventri.exe" 0 \
    SW_SHOWNORMAL "" "Utvärdera spridningsprov för gödselspridare"

  ; Test files: their own icon (the program's second one), and "Öppna med
  ; Kaldoventri" as what a double-click does.
  WriteRegStr HKLM "Software\Classes\.vkf" "" "${FILE_TYPE}"
  WriteRegStr HKLM "Software\Classes\.vkf\OpenWithProgids" "${FILE_TYPE}" ""
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}" "" "Spridarprov"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\DefaultIcon" "" '"$INSTDIR\Kaldoventri.exe",1'
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell" "" "open"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open" "" "Öppna med ${PRODUCT}"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\Kaldoventri.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\Applications\Kaldoventri.exe" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr HKLM "Software\Classes\Applications\Kaldoventri.exe\SupportedTypes" ".vkf" ""
  WriteRegStr HKLM "Software\Classes\Applications\Kaldoventri.exe\shell\open\command" "" '"$INSTDIR\Kaldoventri.exe" "%1"'

  ; Listed under Installed programs, with its own uninstaller.
  WriteRegStr HKLM "Software\${PRODUCT}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\Kaldoventri.exe",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kaldoventri-utvecklarna"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Avinstallera.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Avinstallera.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  System::Call '${NOTIFY_ASSOCIATIONS}'
SectionEnd

Section "Uninstall"
  !include "${FILES}\uninstall-files.nsh"
  Delete "$INSTDIR\Avinstallera.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ; The extension is left alone when another program has taken it over since.
  ReadRegStr $0 HKLM "Software\Classes\.vkf" ""
  ${If} $0 == "${FILE_TYPE}"
    DeleteRegKey HKLM "Software\Classes\.vkf"
  ${Else}
    DeleteRegValue HKLM "Software\Classes\.vkf\OpenWithProgids" "${FILE_TYPE}"
  ${EndIf}
  DeleteRegKey HKLM "Software\Classes\${FILE_TYPE}"
  DeleteRegKey HKLM "Software\Classes\Applications\Kaldoventri.exe"
  DeleteRegKey HKLM "Software\${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  System::Call '${NOTIFY_ASSOCIATIONS}'
SectionEnd
