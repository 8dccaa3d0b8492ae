; The Windows installer of Quarnel, built by makensis (Debian's nsis) from packaging/win/windows.cmake:
;   makensis -INPUTCHARSET UTF8 -DVERSION=<version> -DEXE=quarnel.exe -DBATCH=quarnel-batch.exe
;            -DREADME=README.txt -DICON=quarnel.ico -DOUTFILE=quarnel-<version>-win64-setup.exe
;            quarnel.nsi
; A 64-bit installer for all users: the programs quarnel.exe and quarnel-batch.exe in
; "Program Files\Quarnel", the Start-menu entries 砖混Quarnel器 and "quarnel-batch 表格计算书",
; the desktop shortcut "quarnel-batch 表格计算书" that a table can be dropped on (a component the
; user can untick), an uninstaller, and the program in Windows' list of installed programs.
; The finish page starts nothing: the installer runs as administrator, and a program started from
; it would run with the administrator's rights; it says where the program is started instead.
; Silent: setup.exe /S [/D=folder]; uninstall.exe /S.
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
BrandingText "${TITLE} ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "Quarnel"
VIAddVersionKey /LANG=2052 "FileDescription" "${TITLE} ${VERSION} setup"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
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
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
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

Section "Uninstall"
  SetShellVarContext all
  SetRegView 64
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  Delete "$SMPROGRAMS\${BATCH_LINK}.lnk"
  Delete "$DESKTOP\${BATCH_LINK}.lnk"
  Delete "$INSTDIR\quarnel.exe"
  Delete "$INSTDIR\quarnel-batch.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
