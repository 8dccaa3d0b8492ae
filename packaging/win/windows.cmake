# The Windows packages and their checks, in the cross build (included from the top-level
# CMakeLists.txt when quarnel.exe is built). Both packages are part of the default build:
#   quarnel-<version>-win64.zip         the programs quarnel.exe and quarnel-batch.exe (stripped)
#                                       and README.txt, to run from anywhere
#   quarnel-<version>-win64-setup.exe   the NSIS installer (Debian's makensis)
find_program(QUARNEL_MAKENSIS makensis REQUIRED)
set(win_dir ${CMAKE_CURRENT_LIST_DIR})
set(package_name quarnel-${PROJECT_VERSION}-win64)
set(stage ${CMAKE_BINARY_DIR}/package/${package_name})
set(zip ${CMAKE_BINARY_DIR}/${package_name}.zip)
set(setup ${CMAKE_BINARY_DIR}/${package_name}-setup.exe)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
# The resource scripts embed the manifest that cmake/version.cmake writes and the icon: rebuilt when
# either changes (the start-up benchmark's floor window takes the program's too).
set(rc_dirs ${PROJECT_SOURCE_DIR}/src/app ${PROJECT_SOURCE_DIR}/src/batch)
if(TARGET floor_window)
  list(APPEND rc_dirs ${PROJECT_SOURCE_DIR}/bench/win)
endif()
set_source_files_properties(
  ${PROJECT_SOURCE_DIR}/res/quarnel.rc ${PROJECT_SOURCE_DIR}/res/quarnel-batch.rc
  DIRECTORY ${rc_dirs}
  PROPERTIES OBJECT_DEPENDS
             "${QUARNEL_GENERATED_DIR}/quarnel/quarnel.manifest;${PROJECT_SOURCE_DIR}/res/quarnel.ico")
# The read-me of both packages, with the version written in (UTF-8 with BOM, CR LF).
set(readme ${CMAKE_BINARY_DIR}/package/README.txt)
configure_file(${win_dir}/README.txt ${readme} @ONLY NEWLINE_STYLE CRLF)
# The release the packages must agree with: the top entry of the changelog.
set(changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)

add_custom_command(
  OUTPUT ${zip} ${stage}/quarnel.exe ${stage}/quarnel-batch.exe
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} ${zip}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
  COMMAND ${CMAKE_STRIP} -o ${stage}/quarnel.exe $<TARGET_FILE:quarnel>
  COMMAND ${CMAKE_STRIP} -o ${stage}/quarnel-batch.exe $<TARGET_FILE:quarnel-batch>
  COMMAND ${CMAKE_COMMAND} -E copy ${readme} ${stage}/README.txt
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${package_name}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
  DEPENDS quarnel quarnel-batch ${readme}
  COMMENT "Zip ${package_name}.zip"
  VERBATIM)
add_custom_command(
  OUTPUT ${setup}
  COMMAND ${QUARNEL_MAKENSIS} -INPUTCHARSET UTF8 -V2 -DVERSION=${PROJECT_VERSION}
          -DSHOWN_VERSION=${QUARNEL_DISPLAY_VERSION} -DRUNNING_MARK=${QUARNEL_RUNNING_MARK}
          -DEXE=${stage}/quarnel.exe -DBATCH=${stage}/quarnel-batch.exe -DREADME=${readme}
          -DICON=${PROJECT_SOURCE_DIR}/res/quarnel.ico -DOUTFILE=${setup} ${win_dir}/quarnel.nsi
  DEPENDS ${stage}/quarnel.exe ${stage}/quarnel-batch.exe ${win_dir}/quarnel.nsi ${readme}
          ${PROJECT_SOURCE_DIR}/res/quarnel.ico
  COMMENT "NSIS installer ${package_name}-setup.exe"
  VERBATIM)
add_custom_target(windows_packages ALL DEPENDS ${zip} ${setup})

# quarnel.exe and the console program quarnel-batch.exe: x86-64, only Windows' own DLLs, the
# version record of the changelog's release, icon and manifest; the same checks for the programs
# in the zip, whose contents are listed.
add_test(NAME windows_exe COMMAND ${win_dir}/check_exe.sh ${CMAKE_OBJDUMP} ${CMAKE_RC_COMPILER}
                                  ${changelog} $<TARGET_FILE:quarnel>)
add_test(NAME windows_batch_exe COMMAND ${win_dir}/check_exe.sh ${CMAKE_OBJDUMP} ${CMAKE_RC_COMPILER}
                                        ${changelog} $<TARGET_FILE:quarnel-batch> console)
add_test(NAME windows_setup_exe COMMAND ${win_dir}/check_exe.sh ${CMAKE_OBJDUMP} ${CMAKE_RC_COMPILER}
                                        ${changelog} ${setup} installer)
add_test(NAME windows_zip COMMAND ${win_dir}/check_zip.sh ${CMAKE_COMMAND} ${CMAKE_OBJDUMP}
                                  ${CMAKE_RC_COMPILER} ${changelog} ${zip} ${package_name})
# Installed silently under Wine, started from its Start-menu entry, quarnel-batch.exe run from the
# installed folder and from its shortcut, uninstalled (needs a display).
add_test(NAME windows_installer COMMAND ${win_dir}/install_test.sh ${changelog} ${setup}
                                        ${stage}/quarnel.exe ${stage}/quarnel-batch.exe)
# The finish page starts nothing: a program started by the installer would run with its
# administrator's rights.
add_test(NAME windows_installer_starts_nothing
         COMMAND sh -c "! grep -nE '^[[:space:]]*(!define[[:space:]]+MUI_FINISHPAGE_RUN|Exec)' \"$0\""
                 ${win_dir}/quarnel.nsi)
set_tests_properties(windows_exe windows_batch_exe windows_setup_exe windows_zip windows_installer
                     windows_installer_starts_nothing PROPERTIES LABELS package)
set_tests_properties(windows_installer PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
