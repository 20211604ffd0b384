; The Quorvel installer, made by tools/make-package:
;   makensis -DVERSION=3.5 -DARCH=x86|x64 -DPROGRAM=<program folder> -DFILES=<files.nsh>
;            -DICON=<app.ico> -DOUTFILE=<installer> quorvel.nsi
; It installs for the current user only, without administrator rights, into a folder the
; user can write: the program keeps Option.ini and DATA\BASE.INI beside itself, so a folder
; under Program Files would make every save fail. FILES lists the program's own files
; (QuorvelProgramFiles installs them, QuorvelRemoveProgramFiles removes them); everything
; else in the folder belongs to the user and is kept on upgrade and uninstall.

Unicode true
!if ${ARCH} == x64
    Target amd64-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The autorun value and the main window's caption, as the program uses them.
!define AUTORUN_VALUE "Quorvel"
!define MAIN_WINDOW_CAPTION "ZORIZED3"

!if ${ARCH} == x64
    Name "Quorvel ${VERSION} (64-bit)"
!else
    Name "Quorvel ${VERSION}"
!endif
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvel"
; An upgrade goes where the installed one is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Quorvel ${VERSION}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include x64.nsh
!include ${FILES}

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Quorvel"
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "Your own files stay in the program folder: your options (Option.ini), your combinations (DATA\BASE.INI) and the languages, skins and plug-ins you added. Tick $\"Your own files too$\" to remove them as well."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Quorvel"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Quorvel ${VERSION} setup"

; Closes a running Quorvel the way its own Exit does (it may ask first when the user wants
; that), so no file is replaced or removed under a running program. When it is still
; running after that, the user is told and may close it and retry; Cancel (and a silent
; run) leaves every file as it was.
!macro CLOSE_RUNNING_QUORVEL un
Function ${un}CloseRunningQuorvel
    retry:
    FindWindow $0 "" "${MAIN_WINDOW_CAPTION}"
    ${If} $0 = 0
        Return
    ${EndIf}
    DetailPrint "Closing the running Quorvel"
    System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
    ; SYNCHRONIZE: enough to wait for the process to end.
    System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2"
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=1000
    StrCpy $3 1
    ${If} $2 P<> 0
        System::Call "kernel32::WaitForSingleObject(p r2, i 15000) i .r3"
        System::Call "kernel32::CloseHandle(p r2)"
    ${EndIf}
    ${If} $3 = 0
        Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Quorvel is still running. Close it (tray menu: Exit), then press Retry.$\n$\nCancel leaves Quorvel as it is." \
        /SD IDCANCEL IDRETRY retry
    Abort "Quorvel is still running; nothing was changed."
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_QUORVEL ""
!insertmacro CLOSE_RUNNING_QUORVEL "un."

Section "Quorvel"
    SectionIn RO
    Call CloseRunningQuorvel
    !insertmacro QuorvelProgramFiles
    ; The first install's options and empty combination list; an upgrade keeps the user's.
    SetOverwrite off
    SetOutPath "$INSTDIR"
    File "${PROGRAM}/Option.ini"
    SetOutPath "$INSTDIR\DATA"
    File "${PROGRAM}/DATA/BASE.INI"
    SetOverwrite on

    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Quorvel.lnk" "$INSTDIR\quorvel.exe" "" "$INSTDIR\quorvel.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "$(^Name)"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvel.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes the machine-wide autorun value of the current registry view; $1 := 1 when it
; could not be removed.
!macro DELETE_MACHINE_AUTORUN
    DeleteRegValue HKLM "${RUN_KEY}" "${AUTORUN_VALUE}"
    ClearErrors
    ReadRegStr $0 HKLM "${RUN_KEY}" "${AUTORUN_VALUE}"
    ${IfNot} ${Errors}
        StrCpy $1 1
    ${EndIf}
!macroend

Section "un.Quorvel program files"
    SectionIn RO
    Call un.CloseRunningQuorvel
    Delete "$SMPROGRAMS\Quorvel.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; "Run at Startup" writes for all users where it may, else for the current user. On
    ; 64-bit Windows the 32-bit and the 64-bit program see different machine-wide keys, and
    ; either may have been installed here before.
    DeleteRegValue HKCU "${RUN_KEY}" "${AUTORUN_VALUE}"
    StrCpy $1 0
    ${If} ${RunningX64}
        SetRegView 64
        !insertmacro DELETE_MACHINE_AUTORUN
        SetRegView 32
    ${EndIf}
    !insertmacro DELETE_MACHINE_AUTORUN
    SetRegView default
    ${If} $1 = 1
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "Quorvel still starts for every user at logon: removing that needs administrator rights. Untick $\"Run at Startup$\" in its options as an administrator, or remove the value $\"${AUTORUN_VALUE}$\" under HKEY_LOCAL_MACHINE\${RUN_KEY}." \
            /SD IDOK
    ${EndIf}
    !insertmacro QuorvelRemoveProgramFiles
    ; The uninstaller goes last, so that its absence tells that the rest is done.
    Delete "$INSTDIR\uninstall.exe"
    ; Folders go only when nothing of the user's is left in them.
    RMDir "$INSTDIR\DATA"
    RMDir "$INSTDIR\LANGUAGE"
    RMDir "$INSTDIR\PLUGIN"
    RMDir "$INSTDIR"
SectionEnd

Section /o "un.Your own files too"
    Delete "$INSTDIR\Option.ini"
    RMDir /r "$INSTDIR\DATA"
    RMDir /r "$INSTDIR\LANGUAGE"
    RMDir /r "$INSTDIR\PLUGIN"
    Delete "$INSTDIR\*.jpg"
    RMDir "$INSTDIR"
SectionEnd
