; The Windows installer: the 32- and 64-bit plug-ins in the folders hosts
; search, the manual where the editor's help menu opens it, and an
; uninstaller, registered with Windows, that takes away what this installed
; and nothing else. Built by scripts/build-installer.sh:
;   makensis -DVERSION=X.Y.Z -DSTAGE=FOLDER -DOUTFILE=FILE Sondrel.nsi
; STAGE holds x86/ and x86_64/ (SondrelVst2.dll, SondrelVst3.vst3/,
; Sondrel.clap each), "Sondrel Manual.pdf" and licence.txt.
; Silent with /S; /VST2DIR64=FOLDER and /VST2DIR32=FOLDER choose the VST 2.4
; folders there.
Unicode true
SetCompressor /SOLID lzma
!include MUI2.nsh
!include x64.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MAKER "Marwick Audio"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Sondrel"

Name "Sondrel ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES64\${MAKER}\Sondrel"
BrandingText "${MAKER}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey ProductName "Sondrel"
VIAddVersionKey CompanyName "${MAKER}"
VIAddVersionKey FileDescription "Sondrel ${VERSION} installer"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "2026 ${MAKER}"

Var Vst2Dir64
Var Vst2Dir32

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/licence.txt"
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipOn32BitWindows
!define MUI_PAGE_HEADER_TEXT "VST 2.4 plug-in folder, 64-bit"
!define MUI_PAGE_HEADER_SUBTEXT "Where your 64-bit hosts look for VST 2.4 plug-ins."
!define MUI_DIRECTORYPAGE_TEXT_TOP "SondrelVst2.dll for 64-bit hosts goes into this folder. Choose the folder your hosts scan for VST 2.4 plug-ins."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "64-bit VST 2.4 folder"
!define MUI_DIRECTORYPAGE_VARIABLE $Vst2Dir64
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_HEADER_TEXT "VST 2.4 plug-in folder, 32-bit"
!define MUI_PAGE_HEADER_SUBTEXT "Where your 32-bit hosts look for VST 2.4 plug-ins."
!define MUI_DIRECTORYPAGE_TEXT_TOP "SondrelVst2.dll for 32-bit hosts goes into this folder. Choose the folder your hosts scan for VST 2.4 plug-ins."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "32-bit VST 2.4 folder"
!define MUI_DIRECTORYPAGE_VARIABLE $Vst2Dir32
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckVst2Folders
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The VST 2.4 folder the system names for the registry view in force
; (HKLM\SOFTWARE\VST, VSTPluginsPath, as Steinberg's hosts set it), else
; Steinberg's default below the given Program Files folder.
!macro Vst2Folder RESULT PROGRAMS
  ReadRegStr ${RESULT} HKLM "Software\VST" "VSTPluginsPath"
  ${If} ${RESULT} == ""
    StrCpy ${RESULT} "${PROGRAMS}\Steinberg\VSTPlugins"
  ${EndIf}
!macroend

Function .onInit
  ${If} ${RunningX64}
    SetRegView 64
    !insertmacro Vst2Folder $Vst2Dir64 "$PROGRAMFILES64"
    SetRegView 32
  ${EndIf}
  !insertmacro Vst2Folder $Vst2Dir32 "$PROGRAMFILES32"
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/VST2DIR64=" $1
  ${IfNot} ${Errors}
    StrCpy $Vst2Dir64 $1
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/VST2DIR32=" $1
  ${IfNot} ${Errors}
    StrCpy $Vst2Dir32 $1
  ${EndIf}
  ${If} ${RunningX64}
  ${AndIf} $Vst2Dir64 == $Vst2Dir32
    MessageBox MB_ICONSTOP "The 32- and the 64-bit VST 2.4 plug-ins need folders of their own." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

Function SkipOn32BitWindows
  ${IfNot} ${RunningX64}
    Abort
  ${EndIf}
FunctionEnd

Function CheckVst2Folders
  ${If} ${RunningX64}
  ${AndIf} $Vst2Dir64 == $Vst2Dir32
    MessageBox MB_ICONEXCLAMATION "The 32- and the 64-bit VST 2.4 plug-ins need folders of their own."
    Abort
  ${EndIf}
FunctionEnd

; Notes in the uninstall key, under NAME, the folder that installing into
; FOLDER creates outermost (nothing when FOLDER exists), for the uninstaller
; to remove the folders it made once they are empty.
!macro NoteCreatedFolders FOLDER NAME
  Push "${FOLDER}"
  Call OutermostMissingFolder
  Pop $0
  ${If} $0 != ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "${NAME}" "$0"
  ${EndIf}
!macroend

Function OutermostMissingFolder
  Exch $R0
  Push $R1
  StrCpy $R1 ""
  ${DoUntil} ${FileExists} "$R0\*.*"
    StrCpy $R1 $R0
    ${GetParent} $R0 $R0
    ${IfThen} $R0 == "" ${|} ${ExitDo} ${|}
  ${Loop}
  StrCpy $R0 $R1
  Pop $R1
  Exch $R0
FunctionEnd

; The three plug-ins of one architecture (BITS 32 or 64, ARCH x86 or x86_64
; as the stage's folder and the VST3 bundle name it).
!macro InstallPlugins BITS ARCH COMMON VST2
  !insertmacro NoteCreatedFolders "${COMMON}\VST3" "CreatedVst3Folder${BITS}"
  !insertmacro NoteCreatedFolders "${COMMON}\CLAP" "CreatedClapFolder${BITS}"
  !insertmacro NoteCreatedFolders "${VST2}" "CreatedVst2Folder${BITS}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Vst2Folder${BITS}" "${VST2}"
  SetOutPath "${COMMON}\VST3\SondrelVst3.vst3\Contents\${ARCH}-win"
  File "${STAGE}/${ARCH}/SondrelVst3.vst3/Contents/${ARCH}-win/SondrelVst3.vst3"
  SetOutPath "${COMMON}\CLAP"
  File "${STAGE}/${ARCH}/Sondrel.clap"
  SetOutPath "${VST2}"
  File "${STAGE}/${ARCH}/SondrelVst2.dll"
!macroend

Section "Sondrel"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Sondrel ${VERSION}"
  !insertmacro NoteCreatedFolders "$INSTDIR" "CreatedInstallFolder"
  !insertmacro NoteCreatedFolders "$DOCUMENTS\${MAKER}\Sondrel" "CreatedManualFolder"
  ${If} ${RunningX64}
    !insertmacro InstallPlugins 64 x86_64 "$COMMONFILES64" "$Vst2Dir64"
  ${EndIf}
  !insertmacro InstallPlugins 32 x86 "$COMMONFILES32" "$Vst2Dir32"
  SetOutPath "$DOCUMENTS\${MAKER}\Sondrel"
  File "/oname=Sondrel Manual.pdf" "${STAGE}/Sondrel Manual.pdf"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "ManualFolder" "$DOCUMENTS\${MAKER}\Sondrel"

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; What the files of this section take, in KB, as the compiler counted them.
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
FunctionEnd

; Removes FOLDER and its parents while they are empty, up to the outermost
; folder the installer noted under NAME as made by it.
!macro RemoveCreatedFolders FOLDER NAME
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "${NAME}"
  ${If} $1 != ""
    StrCpy $0 "${FOLDER}"
    ${Do}
      RMDir "$0"
      ${IfThen} $0 == $1 ${|} ${ExitDo} ${|}
      ${GetParent} $0 $0
      ${IfThen} $0 == "" ${|} ${ExitDo} ${|}
    ${Loop}
  ${EndIf}
!macroend

; The bundle folder is the plug-in's own: it goes with all it holds.
!macro RemovePlugins BITS COMMON
  ReadRegStr $2 HKLM "${UNINSTALL_KEY}" "Vst2Folder${BITS}"
  ${If} $2 != ""
    Delete "$2\SondrelVst2.dll"
    !insertmacro RemoveCreatedFolders "$2" "CreatedVst2Folder${BITS}"
  ${EndIf}
  RMDir /r "${COMMON}\VST3\SondrelVst3.vst3"
  !insertmacro RemoveCreatedFolders "${COMMON}\VST3" "CreatedVst3Folder${BITS}"
  Delete "${COMMON}\CLAP\Sondrel.clap"
  !insertmacro RemoveCreatedFolders "${COMMON}\CLAP" "CreatedClapFolder${BITS}"
!macroend

Section "Uninstall"
  ${If} ${RunningX64}
    !insertmacro RemovePlugins 64 "$COMMONFILES64"
  ${EndIf}
  !insertmacro RemovePlugins 32 "$COMMONFILES32"
  ReadRegStr $3 HKLM "${UNINSTALL_KEY}" "ManualFolder"
  ${If} $3 != ""
    Delete "$3\Sondrel Manual.pdf"
    !insertmacro RemoveCreatedFolders "$3" "CreatedManualFolder"
  ${EndIf}
  Delete "$INSTDIR\Uninstall.exe"
  !insertmacro RemoveCreatedFolders "$INSTDIR" "CreatedInstallFolder"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
