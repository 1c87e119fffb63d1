; The VorlanTV client's installer and its uninstaller, for the current user
; without administrator rights. scripts/make-package runs it once per target:
;   makensis -DARCH=x86|x64 -DPROGRAM=VorlanTV.exe -DIDENTITY=identity.nsh
;            -DICON=vorlantv.ico -DOUTDIR=dir vorlantv.nsi
; Options of the installer: /S (silent), /AUTOSTART (start with Windows, the
; choice of the components page), /D=DIR (the folder, last on the line).
Unicode true
!include "${IDENTITY}"

!if "${ARCH}" == "x64"
  Target amd64-unicode
  !define SUFFIX "-x64"
!else
  Target x86-unicode
  !define SUFFIX ""
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define PRODUCT "VorlanTV клиент"
!define PUBLISHER "Vorlan"
!define EXE "VorlanTV.exe"
!define UNINSTALLER "Uninstall.exe"
; The program writes its result page into its working directory.
!define RESULT_PAGE "vorlantv.html"
!define SHORTCUT "$SMPROGRAMS\VorlanTV.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VorlanTV"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "VorlanTV"
; How long a running copy has to end after the request, and after being
; ended by force, in milliseconds.
!define POLITE_WAIT 10000
!define FORCED_WAIT 5000

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTDIR}\VorlanTV-${VERSION}${SUFFIX}-setup.exe"
InstallDir "$LOCALAPPDATA\Programs\VorlanTV"
; Installing again goes where the last one went, replacing it in place.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel user
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The system's language chooses; English where it is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

LangString ProgramSection ${LANG_ENGLISH} "${PRODUCT} (required)"
LangString ProgramSection ${LANG_RUSSIAN} "${PRODUCT} (обязательно)"
LangString ProgramText ${LANG_ENGLISH} "The program, its Start menu shortcut and its uninstaller."
LangString ProgramText ${LANG_RUSSIAN} "Программа, её ярлык в меню «Пуск» и программа удаления."
LangString AutostartSection ${LANG_ENGLISH} "Start with Windows"
LangString AutostartSection ${LANG_RUSSIAN} "Запускать вместе с Windows"
LangString AutostartText ${LANG_ENGLISH} "Start the program in the tray when you log on."
LangString AutostartText ${LANG_RUSSIAN} "Запускать программу в области уведомлений при входе в систему."
LangString EndingProgram ${LANG_ENGLISH} "Ending the running ${PRODUCT}..."
LangString EndingProgram ${LANG_RUSSIAN} "Завершение работы запущенной программы ${PRODUCT}..."

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION} Setup"

; Ends a running copy of the program as its tray menu's exit does, through
; the request its listening window answers; only a copy that has not ended
; within the wait is ended by force. Its files can be replaced afterwards.
!macro END_RUNNING_COPY un
Function ${un}EndRunningCopy
  FindWindow $0 "" "${RUNNING_COPY}"
  ${If} $0 P= 0
    Return
  ${EndIf}
  DetailPrint "$(EndingProgram)"
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1) i'
  ; SYNCHRONIZE | PROCESS_TERMINATE
  System::Call 'kernel32::OpenProcess(i 0x00100001, i 0, i r1) p .r2'
  System::Call 'user32::RegisterWindowMessageW(w "${RUNNING_COPY}.Exit") i .r3'
  System::Call 'user32::PostMessageW(p r0, i r3, p 0, p 0)'
  ${If} $2 P= 0
    ; No handle of the process: wait for its window to go.
    StrCpy $4 0
    ${DoWhile} $4 < ${POLITE_WAIT}
      IsWindow $0 0 +2
      Return
      Sleep 100
      IntOp $4 $4 + 100
    ${Loop}
    Return
  ${EndIf}
  System::Call 'kernel32::WaitForSingleObject(p r2, i ${POLITE_WAIT}) i .r4'
  ${If} $4 <> 0
    System::Call 'kernel32::TerminateProcess(p r2, i 1)'
    System::Call 'kernel32::WaitForSingleObject(p r2, i ${FORCED_WAIT}) i'
  ${EndIf}
  System::Call 'kernel32::CloseHandle(p r2)'
FunctionEnd
!macroend
!insertmacro END_RUNNING_COPY ""
!insertmacro END_RUNNING_COPY "un."

Section "$(ProgramSection)" SecProgram
  SectionIn RO
  Call EndRunningCopy
  ; The folder is the shortcut's working directory: the result page lands
  ; in the user's own writable folder.
  SetOutPath "$INSTDIR"
  File "/oname=${EXE}" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section /o "$(AutostartSection)" SecAutostart
  ; Started by the Run value, the program would work in the system's folder,
  ; where it cannot write its result page: it is told to work in its own.
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${EXE}" --work-in-program-folder'
SectionEnd

; An install without the choice takes an earlier one back.
Section "-AutostartOff"
  ${IfNot} ${SectionIsSelected} ${SecAutostart}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(ProgramText)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecAutostart} "$(AutostartText)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AUTOSTART" $R1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecAutostart}
  ${ElseIfNot} ${Silent}
    ; The components page offers what the last install chose.
    ReadRegStr $R1 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${If} $R1 != ""
      !insertmacro SelectSection ${SecAutostart}
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.EndRunningCopy
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\${RESULT_PAGE}"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only an empty folder goes: nothing the user put there is touched.
  RMDir "$INSTDIR"
  ; The per-user programs folder an install into the default place may have
  ; made, when nothing else lives there.
  ${If} "$INSTDIR" == "$LOCALAPPDATA\Programs\VorlanTV"
    RMDir "$LOCALAPPDATA\Programs"
  ${EndIf}
  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
