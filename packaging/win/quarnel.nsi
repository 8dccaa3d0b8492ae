; The Windows installer of Quarnel, built by makensis (Debian's nsis) from packaging/win/windows.cmake:
;   makensis -INPUTCHARSET UTF8 -DVERSION=<version> -DSHOWN_VERSION=<version as the programs show it>
;            -DRUNNING_MARK=<name> -DEXE=quarnel.exe -DBATCH=quarnel-batch.exe -DREADME=README.txt
;            -DICON=quarnel.ico -DOUTFILE=quarnel-<version>-win64-setup.exe quarnel.nsi
; An x64 installer for all users: the programs quarnel.exe and quarnel-batch.exe in
; "Program Files\Quarnel", the Start-menu entries 砖混Quarnel器 and "quarnel-batch 表格计算书",
; the desktop shortcut "quarnel-batch 表格计算书" that a table can be dropped on (a component the
; user can untick), an uninstaller, and the program in Windows' list of installed programs.
; The finish page starts nothing: the installer runs as administrator, and a program started from
; it would run with the administrator's rights; it says where the program is started instead.
; Neither installs nor uninstalls while quarnel.exe or quarnel-batch.exe runs (their files could not
; be replaced or removed): it asks to close them first, and touches nothing when cancelled.
; Silent: setup.exe /S [/D=folder]; uninstall.exe /S (exit status 2 where a program runs).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define TITLE "砖混Quarnel器"
!define PUBLISHER "Quarnel developers"
!define BATCH_LINK "quarnel-batch 表格计算书"
!define BATCH_HINT "把表格文件（CSV）拖到这个图标上，生成整栋楼的计算书"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\quarnel"

Name "${TITLE}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quarnel"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${TITLE} ${SHOWN_VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "Quarnel"
VIAddVersionKey /LANG=2052 "FileDescription" "${TITLE} ${SHOWN_VERSION} setup"
VIAddVersionKey /LANG=2052 "FileVersion" "${SHOWN_VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${SHOWN_VERSION}"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!include "LogicLib.nsh"
!include "Sections.nsh"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The finish page says where the programs are started (finishPre writes the text).
Var finishText
!define MUI_PAGE_CUSTOMFUNCTION_PRE finishPre
!define MUI_FINISHPAGE_TEXT "$finishText"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; Waits until neither program runs: each holds a named mutex while it runs, in its session's
; namespace and in the machine-wide one (that of another user's program may not be ours to open,
; but it is there). The user closes them and retries, or cancels (silently: cancels), and the
; installer or uninstaller ends with status 2 before touching any file.
!macro CLOSE_RUNNING_PROGRAMS WHAT ACTION
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Local\${RUNNING_MARK}") p .R0'
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Global\${RUNNING_MARK}") p .R1 ?e'
    Pop $R2
    System::Call 'kernel32::CloseHandle(p R0)'
    System::Call 'kernel32::CloseHandle(p R1)'
    ${If} $R0 == 0
    ${AndIf} $R1 == 0
    ${AndIf} $R2 != 5
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${TITLE} 或 quarnel-batch 正在运行，它的文件不能${WHAT}。$\r$\n$\r$\n请先关闭它们（其他已登录的用户打开的也要关闭），再单击“重试”。单击“取消”则不${ACTION}，什么也不改变。" /SD IDCANCEL IDRETRY +3
    SetErrorLevel 2
    Quit
  ${Loop}
!macroend

Function .onInit
  !insertmacro CLOSE_RUNNING_PROGRAMS "替换" "安装"
FunctionEnd

Function un.onInit
  !insertmacro CLOSE_RUNNING_PROGRAMS "删除" "卸载"
FunctionEnd

Section "${TITLE}" SecProgram
  SectionIn RO
  SetShellVarContext all
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "/oname=quarnel.exe" "${EXE}"
  File "/oname=quarnel-batch.exe" "${BATCH}"
  File "/oname=README.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\quarnel.exe" "" "$INSTDIR\quarnel.exe" 0
  ; quarnel-batch.exe started without a table says in its own console how it is used.
  CreateShortCut "$SMPROGRAMS\${BATCH_LINK}.lnk" "$INSTDIR\quarnel-batch.exe" "" \
                 "$INSTDIR\quarnel-batch.exe" 0 SW_SHOWNORMAL "" "${BATCH_HINT}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${SHOWN_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quarnel.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "桌面图标：${BATCH_LINK}（拖放表格）" SecBatchDesktop
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\${BATCH_LINK}.lnk" "$INSTDIR\quarnel-batch.exe" "" \
                 "$INSTDIR\quarnel-batch.exe" 0 SW_SHOWNORMAL "" "${BATCH_HINT}"
SectionEnd

; The text of the finish page: where the program is started, and where a table is dropped (on the
; desktop shortcut when it was chosen; otherwise the Start-menu entry explains quarnel-batch).
Function finishPre
  StrCpy $finishText "${TITLE} 已安装。$\r$\n$\r$\n从开始菜单中的“${TITLE}”启动程序。"
  ${If} ${SectionIsSelected} ${SecBatchDesktop}
    StrCpy $finishText "$finishText把表格文件拖到桌面上的“${BATCH_LINK}”图标上，可生成整栋楼的计算书。"
  ${Else}
    StrCpy $finishText "$finishText开始菜单中的“${BATCH_LINK}”说明怎样按表格生成整栋楼的计算书。"
  ${EndIf}
  StrCpy $finishText "$finishText$\r$\n$\r$\n单击“完成”关闭此向导。"
FunctionEnd

; A file that cannot be removed (a program started after the check) keeps the entry in the list of
; installed programs, so that uninstalling can be done again.
Section "Uninstall"
  SetShellVarContext all
  SetRegView 64
  ClearErrors
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  Delete "$SMPROGRAMS\${BATCH_LINK}.lnk"
  Delete "$DESKTOP\${BATCH_LINK}.lnk"
  Delete "$INSTDIR\quarnel.exe"
  Delete "$INSTDIR\quarnel-batch.exe"
  Delete "$INSTDIR\README.txt"
  ${If} ${Errors}
    SetErrorLevel 2
    Abort "有的文件正在使用，没有删除（$INSTDIR）。关闭 ${TITLE} 和 quarnel-batch 后再卸载一次。"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"  ; (run in place with _?=, it stays: the caller removes it)
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
