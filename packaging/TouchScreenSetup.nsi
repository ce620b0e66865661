; The distributor's setup program for one build of the TouchScreen suite.
; One script for both builds; makensis is given the build:
;   makensis -DLETTER=C -DWORD=COM -DDELIVER=<programs folder> -DOUTFILE=<setup.exe> TouchScreenSetup.nsi
;   (PS/2 build: -DLETTER=P -DWORD=PS2)
; It copies the build's programs into the install folder and the removal
; program into the Windows folder, creates the settings key with the
; installation identity, has the startup agent run at logon, puts the
; sample setup.ini and setup.oem beside the programs and runs the driver
; installation program. /S runs it without pages.

!ifndef LETTER | WORD | DELIVER | OUTFILE
  !error "define LETTER, WORD, DELIVER and OUTFILE"
!endif

Unicode false
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "TouchScreen V.7.0.${WORD}"
!define SETTINGS_KEY "SOFTWARE\Orvalith\TouchScreen\TS-${WORD}"
!define RUN_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "TouchScreen Startup TS-${WORD}"
!define AGENT "KVD2K${LETTER}ao.exe"
!define INSTALLER "KVD2K${LETTER}di.exe"
!if ${LETTER} == C
  !define HARDWARE_ID "*ZKT0001"
!else
  ; The PS/2 driver installation replaces it with the detected device's id.
  !define HARDWARE_ID "*PNP0F03"
!endif

Name "${PRODUCT}"
Caption "${PRODUCT} Setup"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Orvalith\TouchScreen\TS-${WORD}"
ShowInstDetails show

VIProductVersion 7.0.0.4
VIAddVersionKey ProductName "TouchScreen"
VIAddVersionKey ProductVersion "7.0"
VIAddVersionKey FileVersion "7.0.0.4"
VIAddVersionKey FileDescription "${PRODUCT} Setup"
VIAddVersionKey CompanyName "Orvalith"
VIAddVersionKey LegalCopyright "Orvalith"

Page directory
Page instfiles

; Files of the install folder are named in the uninstaller's list
; (unins000.dat, open as $0: one name a line, relative to the install
; folder), which it removes.
!macro Listed FILE
  FileWrite $0 "${FILE}$\r$\n"
!macroend

!macro InstallProgram FILE
  File "${DELIVER}\${FILE}"
  !insertmacro Listed "${FILE}"
!macroend

Section "TouchScreen"
  SetOutPath "$INSTDIR"
  FileOpen $0 "$INSTDIR\unins000.dat" w
  !insertmacro InstallProgram "KVD2K${LETTER}cp.exe"
  !insertmacro InstallProgram "KVD2K${LETTER}ao.exe"
  !insertmacro InstallProgram "KVD2K${LETTER}rb.exe"
  !insertmacro InstallProgram "KVD2K${LETTER}di.exe"
  !insertmacro InstallProgram "KVD2K${LETTER}vr.exe"
  !insertmacro InstallProgram "unins000.exe"
  File "setup.ini"
  !insertmacro Listed "setup.ini"
  File "setup.oem"
  !insertmacro Listed "setup.oem"
  FileClose $0

  ; The removal program lives in the Windows folder, and so does the PS/2
  ; build's registration program, which installation and removal start there.
  SetOutPath "$WINDIR"
  File "${DELIVER}\KVD2K${LETTER}de.exe"
  !if ${LETTER} == P
    File "${DELIVER}\KVD2KReg.exe"
  !endif

  ; The installation identity. Every program loads all six values before
  ; anything else, the driver installation included, so the two reseller
  ; values start empty until it takes them from setup.oem.
  WriteRegStr HKLM "${SETTINGS_KEY}" "VenderName" ""
  WriteRegStr HKLM "${SETTINGS_KEY}" "VenderStyle" ""
  WriteRegStr HKLM "${SETTINGS_KEY}" "InstallPath" "$INSTDIR"
  WriteRegStr HKLM "${SETTINGS_KEY}" "WindowsPath" "$WINDIR"
  WriteRegStr HKLM "${SETTINGS_KEY}" "SystemPath" "$SYSDIR"
  WriteRegStr HKLM "${SETTINGS_KEY}" "HardwareID" "${HARDWARE_ID}"

  WriteRegStr HKLM "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${AGENT}"'

  ; Last, as the suite expects: the serial build ends by restarting Windows.
  DetailPrint "Running the driver installation..."
  ExecWait '"$INSTDIR\${INSTALLER}"'
SectionEnd
