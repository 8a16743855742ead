; The Windows installer of Rylmo, made by scripts/windows-installer.sh with makensis from the
; folder the zip is packed from. Defines given on the command line:
;   VERSION  the program's version (CMake's project version)
;   SOURCE   the folder with rylmo.exe and what it loads (the zip's)
;   ICON     the program's icon
;   OUTFILE  the installer to write
; Installs for all users (Program Files, with elevation) or only for the user
; (%LOCALAPPDATA%\Programs\Rylmo); /S installs silently, /D=FOLDER chooses the folder,
; /AllUsers and /CurrentUser choose the mode without asking.
; A 64-bit installer: it installs a 64-bit program, and runs where only 64-bit programs run.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define NAME "Rylmo"
!define PUBLISHER "Zespół Rylmo"
!define PROGID "Rylmo.RozkladJazdy"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Rylmo"
!define APP_KEY "Software\Rylmo"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Rylmo"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${APP_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${APP_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1045 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1045 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1045 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1045 "FileDescription" "Instalator programu ${NAME}"
VIAddVersionKey /LANG=1045 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\rylmo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Uruchom program Rylmo"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Polish"

Var GivenFolder  ; the folder /D= (or the uninstaller's own place) gives

Function .onInit
  ; MultiUser sets its own folder: a folder given with /D= wins.
  StrCpy $GivenFolder $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $GivenFolder != ""
    StrCpy $INSTDIR $GivenFolder
  ${EndIf}
FunctionEnd

Function un.onInit
  ; The uninstaller removes the folder it is in, and the registry of the mode that installed
  ; that folder, whatever other installation the registry names.
  StrCpy $GivenFolder $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  StrCpy $INSTDIR $GivenFolder
  ReadRegStr $0 HKCU "${APP_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext current
  ${Else}
    SetShellVarContext all
  ${EndIf}
FunctionEnd

Section "Rylmo (wymagany)" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; Installed over an older version: the files are replaced, the user's settings in
  ; %APPDATA%\Rylmo stay as they are.
  ${If} ${FileExists} "$INSTDIR\Rylmo.ini"
    SetFileAttributes "$INSTDIR\Rylmo.ini" NORMAL
  ${EndIf}
  File /r /x rylmo-open-timing.exe "${SOURCE}/*.*"
  ; Read-only, so that the program keeps the user's settings in %APPDATA%\Rylmo and reads
  ; only its defaults (the sample's folders) from here.
  SetFileAttributes "$INSTDIR\Rylmo.ini" READONLY
  WriteUninstaller "$INSTDIR\odinstaluj.exe"

  CreateDirectory "$SMPROGRAMS\Rylmo"
  CreateShortcut "$SMPROGRAMS\Rylmo\Rylmo.lnk" "$INSTDIR\rylmo.exe" "" "$INSTDIR\rylmo.exe" 0
  CreateShortcut "$SMPROGRAMS\Rylmo\Podręcznik programu Rylmo.lnk" "$INSTDIR\pomoc\index.html"
  CreateShortcut "$SMPROGRAMS\Rylmo\Odinstaluj program Rylmo.lnk" "$INSTDIR\odinstaluj.exe"

  ; The file type: "Rozkład jazdy" with the program's icon, opened by the program.
  WriteRegStr SHCTX "Software\Classes\.roz" "" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\.roz\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Rozkład jazdy"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" '"$INSTDIR\rylmo.exe",0'
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell" "" "open"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open" "" "Otwórz"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\rylmo.exe" "%1"'
  ; "Otwórz za pomocą" lists the program for timetables.
  WriteRegStr SHCTX "Software\Classes\Applications\rylmo.exe" "FriendlyAppName" "Rylmo"
  WriteRegStr SHCTX "Software\Classes\Applications\rylmo.exe\SupportedTypes" ".roz" ""
  WriteRegStr SHCTX "Software\Classes\Applications\rylmo.exe\shell\open\command" "" '"$INSTDIR\rylmo.exe" "%1"'

  ; Where it is, for an upgrade, and its entry in the list of installed programs.
  WriteRegStr SHCTX "${APP_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${APP_KEY}" "InstallMode" "$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\rylmo.exe",0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\odinstaluj.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\odinstaluj.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
  ; Explorer shows the new file type's icon at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section /o "Skrót na pulpicie" SectionDesktop
  CreateShortcut "$DESKTOP\Rylmo.lnk" "$INSTDIR\rylmo.exe" "" "$INSTDIR\rylmo.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "Program Rylmo, narzędzie rylmo-roz, podręcznik i przykładowa stacja; pliki .roz otwierane programem Rylmo."
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "Skrót do programu Rylmo na pulpicie."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  ; The user's settings (%APPDATA%\Rylmo) and timetables stay.
  SetFileAttributes "$INSTDIR\Rylmo.ini" NORMAL
  RMDir /r "$INSTDIR"
  Delete "$DESKTOP\Rylmo.lnk"
  RMDir /r "$SMPROGRAMS\Rylmo"
  ReadRegStr $0 SHCTX "Software\Classes\.roz" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue SHCTX "Software\Classes\.roz" ""
  ${EndIf}
  DeleteRegValue SHCTX "Software\Classes\.roz\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.roz\OpenWithProgids"
  DeleteRegKey /ifempty SHCTX "Software\Classes\.roz"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegKey SHCTX "Software\Classes\Applications\rylmo.exe"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "${APP_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
