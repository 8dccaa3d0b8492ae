# Installing the program like a desktop program, and its Debian package:
#   cmake --install build --prefix /usr      cpack --config build/CPackConfig.cmake -G DEB
# installs /usr/bin/quarnel and /usr/bin/quarnel-batch with their manual pages, the menu entry and
# the AppStream metainfo under the component ID io.github.quarnel.quarnel, the icon in the hicolor
# theme at 16, 32, 48, 64, 128 and 256 pixels, and in /usr/share/doc/quarnel the example table,
# the copyright file and the changelog. Included from the top-level CMakeLists.txt.
include(GNUInstallDirs)
set(QUARNEL_APP_ID io.github.quarnel.quarnel)

install(TARGETS quarnel quarnel-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The manual pages, with the version written in, and the changelog, compressed as Debian keeps
# them (gzip -9n: no name, no time) into build/packaging/.
set(packaging_dir ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quarnel.1 ${packaging_dir}/quarnel.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quarnel-batch.1 ${packaging_dir}/quarnel-batch.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${packaging_dir}/changelog COPYONLY)
set(packaging_gz)
foreach(file quarnel.1 quarnel-batch.1 changelog)
  add_custom_command(OUTPUT ${packaging_dir}/${file}.gz
                     COMMAND gzip -9nc ${packaging_dir}/${file} > ${packaging_dir}/${file}.gz
                     DEPENDS ${packaging_dir}/${file})
  list(APPEND packaging_gz ${packaging_dir}/${file}.gz)
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${packaging_gz})
install(FILES ${packaging_dir}/quarnel.1.gz ${packaging_dir}/quarnel-batch.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/docs/example-building.csv ${CMAKE_CURRENT_LIST_DIR}/copyright
              ${packaging_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${QUARNEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${QUARNEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# What lintian reports that has no honest fix, each with its reason (see the file).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides RENAME quarnel
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

# The 16 and 32 pixel images are the program's own; the larger ones are rendered from the same
# drawing by packaging/render_icons.py.
set(QUARNEL_ICONS 16 ${PROJECT_SOURCE_DIR}/res/icon-16.png 32 ${PROJECT_SOURCE_DIR}/res/icon-32.png)
foreach(size 48 64 128 256)
  list(APPEND QUARNEL_ICONS ${size} ${CMAKE_CURRENT_LIST_DIR}/icons/quarnel-${size}.png)
endforeach()
while(QUARNEL_ICONS)
  list(POP_FRONT QUARNEL_ICONS size file)
  install(FILES ${file} RENAME quarnel.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endwhile()

set(CPACK_PACKAGE_NAME quarnel)
set(CPACK_PACKAGE_VENDOR "Quarnel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "load calculator for brick-masonry walls (砖混)")
# The long description as Debian shows it: lines within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Computes, for one wall axis of a brick-masonry building, the dead load, the
live load, the reduced live load and the design value in kN per metre of wall,
and appends a plain-text calculation report of each axis to one file (GBK,
CR LF). A Qt 6 desktop program whose texts are all Simplified Chinese; and
quarnel-batch, which appends the reports of a whole building from a CSV table
of axes, exactly as typing them into the window would.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The project has no mail host of its own; lintian-overrides says so.
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quarnel developers <quarnel@invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt 6 libraries and the xcb platform plugin, Qt's own texts in Simplified Chinese, and a
# Chinese font for the window; the Kai font draws the frame captions as intended.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), "
    "libqt6widgets6 (>= 6.4), qt6-qpa-plugins, qt6-translations-l10n, fonts-wqy-microhei")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-arphic-ukai)
include(CPack)

# The package built, checked by lintian, inspected, unpacked and started (needs dpkg, lintian,
# Xvfb, xwininfo, desktop-file-validate, appstreamcli and its compose addon).
add_test(NAME deb_package COMMAND ${CMAKE_CURRENT_LIST_DIR}/deb_check.sh ${CMAKE_BINARY_DIR})
set_tests_properties(deb_package PROPERTIES LABELS package TIMEOUT 300)
