# Installation of the desktop program with its desktop entry, icons, metainfo and man page,
# and its Debian package (cpack -G DEB).
if(NOT TARGET vornmark)
  return()
endif()

set(VORNMARK_APP_ID io.github.vornmark.Vornmark)
set(resources ${PROJECT_SOURCE_DIR}/resources)
set(generated ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS vornmark RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${resources}/desktop/${VORNMARK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${resources}/desktop/${VORNMARK_APP_ID}.metainfo.xml ${generated}/${VORNMARK_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${generated}/${VORNMARK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${resources}/icons/tarnquil-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${VORNMARK_APP_ID}.png)
endforeach()
install(FILES ${resources}/icons/tarnquil.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VORNMARK_APP_ID}.svg)

# The man page, compressed as Debian keeps them when gzip is at hand.
configure_file(${resources}/man/vornmark.6.in ${generated}/vornmark.6 @ONLY)
find_program(VORNMARK_GZIP gzip)
if(VORNMARK_GZIP)
  add_custom_command(OUTPUT ${generated}/vornmark.6.gz
                     COMMAND ${VORNMARK_GZIP} -9 -n -c ${generated}/vornmark.6 > ${generated}/vornmark.6.gz
                     DEPENDS ${generated}/vornmark.6 VERBATIM)
  add_custom_target(vornmark_man_page ALL DEPENDS ${generated}/vornmark.6.gz)
  install(FILES ${generated}/vornmark.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
else()
  install(FILES ${generated}/vornmark.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vornmark developers")
set(CPACK_PACKAGE_CONTACT "The Vornmark developers <vornmark@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "One player against Vornmark, a computer opponent that is told only how many hits each ship took "
       "per volley and finds the fleet by counting every placement that is still consistent.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt runtime with its platform plugins (without them the program cannot open a window).
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
       "libc6 (>= 2.34)" "libgcc-s1 (>= 3.0)" "libstdc++6 (>= 12)"
       "libqt6core6 (>= 6.4)" "libqt6gui6 (>= 6.4)" "libqt6widgets6 (>= 6.4)" "libqt6printsupport6 (>= 6.4)"
       "libqt6charts6 (>= 6.4)"
       "qt6-qpa-plugins")
include(CPack)
