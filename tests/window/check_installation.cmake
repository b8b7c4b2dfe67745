# Installs the build into a scratch prefix and checks what a desktop needs of it: the program and
# its tools in games/, the desktop entry and metainfo (validated by their own tools), every icon
# size, the man pages, the copyright and changelog; then builds the Debian package, checks its
# fields and contents, and lets lintian judge it.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DAPP_ID=... -DVERSION=... -P check_installation.cmake
foreach(var BUILD_DIR WORK_DIR APP_ID VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${result}):\n${output}")
  endif()
  set(run_output "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/usr)
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(expected
    games/vornmark
    games/vornmark-sim
    games/vornmark-cli
    share/man/man6/vornmark.6.gz
    share/man/man6/vornmark-sim.6.gz
    share/man/man6/vornmark-cli.6.gz
    share/doc/vornmark/copyright
    share/doc/vornmark/changelog.gz
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(language IN LISTS LANGUAGES)
  list(APPEND expected share/vornmark/translations/vornmark_${language}.qm)
endforeach()
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# desktop-file-validate prints hints and warnings with a zero status: any warning or error fails here.
run(desktop-file-validate ${prefix}/share/applications/${APP_ID}.desktop)
if(run_output MATCHES "(error|warning):")
  message(FATAL_ERROR "desktop-file-validate:\n${run_output}")
endif()
# appstreamcli ends with a non-zero status on any warning or error (infos and pedantic hints pass).
run(appstreamcli validate --no-net ${prefix}/share/metainfo/${APP_ID}.metainfo.xml)
file(READ ${prefix}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "the metainfo does not carry the release ${VERSION}")
endif()
run(gzip -dc ${prefix}/share/doc/vornmark/changelog.gz)
if(NOT run_output MATCHES "^vornmark \\(${VERSION}\\) ")
  message(FATAL_ERROR "the changelog's latest entry is not ${VERSION}")
endif()

# The installed program answers --version without a display.
run(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= ${prefix}/games/vornmark --version)
if(NOT run_output STREQUAL "Vornmark ${VERSION}\n")
  message(FATAL_ERROR "--version printed: ${run_output}")
endif()

# The installed program finds its installed translations: in a German session it speaks German from
# the files under share/ (it runs until stopped, so it is stopped once it has said so).
execute_process(COMMAND timeout 20 env -u VORNMARK_TRANSLATIONS LANGUAGE=de LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen
                        XDG_CONFIG_HOME=${WORK_DIR}/config XDG_STATE_HOME=${WORK_DIR}/state
                        XDG_DATA_HOME=${WORK_DIR}/data "QT_LOGGING_RULES=vornmark.language.info=true"
                        ${prefix}/games/vornmark
                OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 30)
if(NOT output MATCHES "speaking de_DE from [^\n]*/share/vornmark/translations/vornmark_de.qm")
  message(FATAL_ERROR "the installed program did not speak German from its installed file:\n${output}")
endif()

# The Debian package.
run(cpack --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}/deb)
file(GLOB packages ${WORK_DIR}/deb/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package, found: ${packages}")
endif()
run(dpkg-deb -f ${packages} Package Section Version Depends Recommends)
foreach(field "Package: vornmark" "Section: games" "Version: ${VERSION}" "qt6-qpa-plugins" "libc6" "libqt6widgets6"
              "libqt6printsupport6" "libqt6charts6" "libqt6multimedia6" "Recommends: pipewire-pulse | pulseaudio, qt6-translations-l10n")
  string(FIND "${run_output}" "${field}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the package lacks ${field}:\n${run_output}")
  endif()
endforeach()
run(dpkg-deb -c ${packages})
foreach(file IN LISTS expected)
  string(FIND "${run_output}" "./usr/${file}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the package lacks /usr/${file}")
  endif()
endforeach()

# lintian prints nothing for a clean package (its exit status alone would let warnings pass),
# apart from its notice on standard error when run as root, as in a bare Debian root.
execute_process(COMMAND lintian ${packages} RESULT_VARIABLE result OUTPUT_VARIABLE tags ERROR_VARIABLE notices)
string(REPLACE "running with root privileges is not recommended!\n" "" notices "${notices}")
if(NOT result EQUAL 0 OR NOT tags STREQUAL "" OR NOT notices STREQUAL "")
  message(FATAL_ERROR "lintian (${result}):\n${tags}${notices}")
endif()
message(STATUS "installation and package checked")
