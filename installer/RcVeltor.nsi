; The setup program of RcVeltor for Windows: installs per user, without
; administrator rights, into %LOCALAPPDATA%\Programs\RcVeltor, where the update
; engine may write. Built by CMake (target "setup") with makensis:
;   makensis -DVERSIE=x.y.z.w -DBRON=<folder with the files> -DBESTANDEN=<list.nsh>
;            -DUIT=<setup.exe> RcVeltor.nsi
; BESTANDEN defines the macros BestandenPlaatsen and BestandenVerwijderen, one
; line per file, so the uninstaller removes exactly what the setup put there.

Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!ifndef VERSIE | BRON | BESTANDEN | UIT
  !error "VERSIE, BRON, BESTANDEN and UIT must be given with -D"
!endif

!define NAAM "RcVeltor"
!define MAKER "Veltor"
!define PROGID "RcVeltor.Berekening"
!define DEINSTALLATIESLEUTEL "Software\Microsoft\Windows\CurrentVersion\Uninstall\RcVeltor"
!define KLASSEN "Software\Classes"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "${BESTANDEN}"

Name "${NAAM}"
OutFile "${UIT}"
InstallDir "$LOCALAPPDATA\Programs\${NAAM}"
InstallDirRegKey HKCU "${DEINSTALLATIESLEUTEL}" "InstallLocation"
BrandingText "${NAAM} ${VERSIE}"
VIProductVersion "${VERSIE}"
VIAddVersionKey /LANG=1043 "ProductName" "${NAAM}"
VIAddVersionKey /LANG=1043 "ProductVersion" "${VERSIE}"
VIAddVersionKey /LANG=1043 "FileVersion" "${VERSIE}"
VIAddVersionKey /LANG=1043 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1043 "FileDescription" "Installatie van ${NAAM}"
VIAddVersionKey /LANG=1043 "LegalCopyright" "${MAKER}"

!define MUI_ICON "${BRON}\RcVeltor.ico"
!define MUI_UNICON "${BRON}\RcVeltor.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\RcVeltor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "RcVeltor nu starten"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Dutch"

Section "RcVeltor" SecProgramma
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro BestandenPlaatsen
  WriteUninstaller "$INSTDIR\Verwijderen.exe"

  ; The working folder of the shortcuts is the program's folder, where its
  ; data files are.
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${NAAM}.lnk" "$INSTDIR\RcVeltor.exe" "" "$INSTDIR\RcVeltor.exe" 0

  ; Calculation files open with the program.
  WriteRegStr HKCU "${KLASSEN}\.rcv" "" "${PROGID}"
  WriteRegStr HKCU "${KLASSEN}\${PROGID}" "" "RcVeltor-berekening"
  WriteRegStr HKCU "${KLASSEN}\${PROGID}\DefaultIcon" "" "$INSTDIR\RcVeltor.exe,0"
  WriteRegStr HKCU "${KLASSEN}\${PROGID}\shell\open\command" "" '"$INSTDIR\RcVeltor.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  ; The entry in the list of installed programs.
  WriteRegStr HKCU "${DEINSTALLATIESLEUTEL}" "DisplayName" "${NAAM}"
  WriteRegStr HKCU "${DEINSTALLATIESLEUTEL}" "DisplayVersion" "${VERSIE}"
  WriteRegStr HKCU "${DEINSTALLATIESLEUTEL}" "Publisher" "${MAKER}"
  WriteRegStr HKCU "${DEINSTALLATIESLEUTEL}" "DisplayIcon" "$INSTDIR\RcVeltor.exe,0"
  WriteRegStr HKCU "${DEINSTALLATIESLEUTEL}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${DEINSTALLATIESLEUTEL}" "UninstallString" '"$INSTDIR\Verwijderen.exe"'
  WriteRegStr HKCU "${DEINSTALLATIESLEUTEL}" "QuietUninstallString" '"$INSTDIR\Verwijderen.exe" /S'
  WriteRegDWORD HKCU "${DEINSTALLATIESLEUTEL}" "NoModify" 1
  WriteRegDWORD HKCU "${DEINSTALLATIESLEUTEL}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${DEINSTALLATIESLEUTEL}" "EstimatedSize" $0
SectionEnd

Section /o "Bureaubladsnelkoppeling" SecBureaublad
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${NAAM}.lnk" "$INSTDIR\RcVeltor.exe" "" "$INSTDIR\RcVeltor.exe" 0
SectionEnd

LangString DESC_Programma ${LANG_DUTCH} "Het programma, de rekentabel, de lettertypen en de koppeling met .rcv-bestanden."
LangString DESC_Bureaublad ${LANG_DUTCH} "Een snelkoppeling naar RcVeltor op het bureaublad."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgramma} $(DESC_Programma)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecBureaublad} $(DESC_Bureaublad)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  !insertmacro BestandenVerwijderen
  ; What the update engine left beside the program files: the copies it kept
  ; aside while replacing them.
  Delete "$INSTDIR\*.rcvoud"
  Delete "$INSTDIR\*.rcvnieuw"
  Delete "$INSTDIR\*.rcvweg*"
  ; The texts the update wizard saved for the user to read, and a log an
  ; older build kept beside the program.
  Delete "$INSTDIR\WUPDATE-*.txt"
  Delete "$INSTDIR\WUPDATE.LOG"
  Delete "$INSTDIR\Verwijderen.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${NAAM}.lnk"
  Delete "$DESKTOP\${NAAM}.lnk"

  ; Only the registration that still points at this program.
  ReadRegStr $0 HKCU "${KLASSEN}\.rcv" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKCU "${KLASSEN}\.rcv"
  DeleteRegKey HKCU "${KLASSEN}\${PROGID}"
  DeleteRegKey HKCU "${DEINSTALLATIESLEUTEL}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
