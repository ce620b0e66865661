; The setup package of one build of the TouchScreen suite: the release
; package, or its simulation variant that adds the stand-ins of the programs
; outside the suite. One script for all four; the build makes the includes
; (the names, and the files of the variant's lists) and gives them:
;   makensis -DDELIVER=<deliverables folder> -DNAMES=<Names-C.nsh>
;            -DFILES=<Files-C.nsh or Files-C-Simulation.nsh> -DOUTFILE=<setup.exe>
;            TouchScreenSetup.nsi
; Setup makes the build's running programs end, copies the listed files only
; when every one of them can be replaced, writes the uninstaller's list once
; they are in place, the settings key with the installation identity, the
; Run value of the startup agent and the Add or Remove Programs entry, and
; runs the driver installation. Run twice, it leaves what it leaves once.
; /S runs it without pages.

!ifndef DELIVER | NAMES | FILES | OUTFILE
  !error "define DELIVER, NAMES, FILES and OUTFILE"
!endif

!include "${NAMES}"
!include "${FILES}"

; The 64-bit check build (never shipped) runs under a 64-bit Wine only.
!ifdef TARGET64
  Target amd64-unicode
!else
  Unicode false
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin
; A file that cannot be written stops setup; it is never skipped.
AllowSkipFiles off

!define PRODUCT "TouchScreen V.${TS_VERSION_TEXT}"
!define AGENT "KVD2K${TS_BUILD_LETTER}ao.exe"
!define INSTALLER "KVD2K${TS_BUILD_LETTER}di.exe"
!define REMOVAL "KVD2K${TS_BUILD_LETTER}de.exe"
!define PANEL "KVD2K${TS_BUILD_LETTER}cp.exe"
!define CLOSER "KVD2K${TS_BUILD_LETTER}cl.exe"
!define LIST "unins000.dat"

Name "${PRODUCT}"
Caption "${PRODUCT} Setup"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${TS_PUBLISHER}\TouchScreen\${TS_PRODUCT_LABEL}"
; Setup run again installs over the installation it made.
InstallDirRegKey HKLM "${TS_SETTINGS_KEY}" "InstallPath"
ShowInstDetails show

VIProductVersion ${TS_FILE_VERSION}
VIAddVersionKey ProductName "TouchScreen"
VIAddVersionKey ProductVersion "${TS_PRODUCT_VERSION}"
VIAddVersionKey FileVersion "${TS_FILE_VERSION}"
VIAddVersionKey FileDescription "${PRODUCT} Setup"
VIAddVersionKey CompanyName "${TS_PUBLISHER}"
VIAddVersionKey LegalCopyright "${TS_PUBLISHER}"

Page directory
Page instfiles

; Stops setup, before it has changed anything, when $R0 exists and cannot
; be opened for writing (a program still running from it).
Function StopUnlessReplaceable
  IfFileExists "$R0" 0 replaceable
  ClearErrors
  FileOpen $R1 "$R0" a
  IfErrors 0 opened
  DetailPrint "Cannot replace $R0"
  MessageBox MB_OK|MB_ICONSTOP "Setup cannot replace $R0: a TouchScreen program is still \
      running from it. Close it and run setup again. Nothing has been changed." /SD IDOK
  SetErrorLevel 2
  Quit
opened:
  FileClose $R1
replaceable:
FunctionEnd

!macro CheckFile FOLDER FILE SOURCE
  StrCpy $R0 "${FOLDER}\${FILE}"
  Call StopUnlessReplaceable
!macroend

!macro CopyFile FOLDER FILE SOURCE
  SetOutPath "${FOLDER}"
  File "/oname=${FILE}" "${DELIVER}\${SOURCE}"
!macroend

; The uninstaller's list (open as $0) names the files of the install folder,
; relative to it.
!macro ListFile FOLDER FILE SOURCE
  !if "${FOLDER}" == "$INSTDIR"
    FileWrite $0 "${FILE}$\r$\n"
  !endif
!macroend

Section "TouchScreen"
  ; The build's running programs end first, as the removal makes them end.
  InitPluginsDir
  SetOutPath "$PLUGINSDIR"
  File "${DELIVER}\${CLOSER}"
  ExecWait '"$PLUGINSDIR\${CLOSER}"' $R2
  DetailPrint "Running TouchScreen programs asked to end (result $R2)"
  !insertmacro TS_FILES CheckFile

  !insertmacro TS_FILES CopyFile

  ; The list only once every file is in place, and whole: a new list takes
  ; the old one's place only when written.
  FileOpen $0 "$INSTDIR\${LIST}.new" w
  FileWrite $0 "; ${PRODUCT}: the files setup installed here$\r$\n"
  !insertmacro TS_FILES ListFile
  FileClose $0
  Delete "$INSTDIR\${LIST}"
  Rename "$INSTDIR\${LIST}.new" "$INSTDIR\${LIST}"

  ; The installation identity. Every program loads all six values before
  ; anything else, the driver installation included, so the two reseller
  ; values start empty until it takes them from setup.oem.
  WriteRegStr HKLM "${TS_SETTINGS_KEY}" "VenderName" ""
  WriteRegStr HKLM "${TS_SETTINGS_KEY}" "VenderStyle" ""
  WriteRegStr HKLM "${TS_SETTINGS_KEY}" "InstallPath" "$INSTDIR"
  WriteRegStr HKLM "${TS_SETTINGS_KEY}" "WindowsPath" "$WINDIR"
  WriteRegStr HKLM "${TS_SETTINGS_KEY}" "SystemPath" "$SYSDIR"
  WriteRegStr HKLM "${TS_SETTINGS_KEY}" "HardwareID" "${TS_HARDWARE_ID}"

  WriteRegStr HKLM "${TS_RUN_KEY}" "${TS_RUN_VALUE}" '"$INSTDIR\${AGENT}"'

  ; Add or Remove Programs: the removal program is the user's way out.
  WriteRegStr HKLM "${TS_UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${TS_UNINSTALL_KEY}" "DisplayVersion" "${TS_PRODUCT_VERSION}"
  WriteRegStr HKLM "${TS_UNINSTALL_KEY}" "Publisher" "${TS_PUBLISHER}"
  WriteRegStr HKLM "${TS_UNINSTALL_KEY}" "UninstallString" '"$WINDIR\${REMOVAL}"'
  WriteRegStr HKLM "${TS_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PANEL}"
  WriteRegStr HKLM "${TS_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${TS_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${TS_UNINSTALL_KEY}" "NoRepair" 1

  ; Last, as the suite expects: the serial build ends by restarting Windows.
  DetailPrint "Running the driver installation..."
  SetOutPath "$INSTDIR"
  ExecWait '"$INSTDIR\${INSTALLER}"'
SectionEnd
