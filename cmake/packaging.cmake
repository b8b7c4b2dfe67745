# Installation of the desktop program with its desktop entry, icons, metainfo, man pages, copyright
# and changelog, and its Debian package (cpack -G DEB). The program and the tools go to games/
# (VORNMARK_INSTALL_GAMESDIR), as Debian keeps games in /usr/games.
if(NOT TARGET vornmark)
  return()
endif()

set(VORNMARK_APP_ID io.github.vornmark.Vornmark)
set(resources ${PROJECT_SOURCE_DIR}/resources)
set(generated ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS vornmark RUNTIME DESTINATION ${VORNMARK_INSTALL_GAMESDIR})

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

# Man pages and the changelog are compressed as Debian keeps them; -n leaves out the time stamp
# so that two builds give the same bytes.
find_program(VORNMARK_GZIP gzip REQUIRED)
set(compressed)
function(vornmark_install_compressed source destination)
  get_filename_component(name ${source} NAME)
  add_custom_command(OUTPUT ${generated}/${name}.gz
                     COMMAND ${VORNMARK_GZIP} -9 -n -c ${source} > ${generated}/${name}.gz
                     DEPENDS ${source} VERBATIM)
  install(FILES ${generated}/${name}.gz DESTINATION ${destination})
  set(compressed ${compressed} ${generated}/${name}.gz PARENT_SCOPE)
endfunction()

foreach(page vornmark vornmark-sim vornmark-cli)
  configure_file(${resources}/man/${page}.6.in ${generated}/${page}.6 @ONLY)
  vornmark_install_compressed(${generated}/${page}.6 ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
vornmark_install_compressed(${resources}/debian/changelog ${CMAKE_INSTALL_DOCDIR})
add_custom_target(vornmark_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${resources}/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vornmark developers")
set(CPACK_PACKAGE_CONTACT "The Vornmark developers <vornmark@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The extended description, one line of the control file a line here (at most 80 characters).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "The salvo form of the hidden-fleet guessing game for one player against"
       "Vornmark, a computer opponent that is told only how many hits each ship took"
       "per volley and finds the fleet by counting every placement that is still"
       "consistent."
       ""
       "Four levels of play, grids of 4 to 30 squares and 1 to 10 shots per volley."
       "The tools vornmark-sim and vornmark-cli play whole games without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries (dpkg-shlibdeps); the Qt platform plugins are loaded at
# run time, not linked, and without them the program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt Multimedia plays the sounds through the PulseAudio client library (a dependency of its own);
# a desktop hears them through a server that speaks its protocol, PipeWire's or PulseAudio's.
# Without one the game is silent and plays on.
# Qt's own translations word the standard buttons in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio, qt6-translations-l10n")
include(CPack)
