# Packages: on Linux the Debian package (cpack -G DEB in the build folder) with the desktop entry, the
# icons, the AppStream metainfo, the man pages and the copyright; on Windows the installer
# (cmake --build build-win --target installer), made with NSIS. Both take the project's one version.
set(KELO_HOMEPAGE "https://github.com/kelo-screensaver/kelo" CACHE STRING "Kelo's home page")
set(KELO_MAINTAINER "The Kelo developers <kelo@kelo-screensaver.org>" CACHE STRING "who answers for the packages")
set(KELO_PUBLISHER "The Kelo developers")
set(KELO_SUMMARY "astrological chart of the present moment as a screen saver")
set(KELO_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(KELO_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/windows_installer.cmake)
  return()
endif()

set(KELO_DEBIAN_RELEASE 1)
set(KELO_DEBIAN_VERSION ${PROJECT_VERSION}-${KELO_DEBIAN_RELEASE})
set(KELO_APP_ID org.kelo.ScreenSaver)
set(KELO_SCREENSHOT_URL "https://raw.githubusercontent.com/kelo-screensaver/kelo/main/docs/sample-1920x1080.png")

# A licence text as a paragraph of the copyright file: every line indented, empty lines as " .".
function(kelo_copyright_paragraph file out)
  file(READ ${file} text)
  string(STRIP "${text}" text)
  string(REGEX REPLACE "[ \t]+\n" "\n" text "${text}")
  string(REPLACE "\n\n" "\n.\n" text "${text}")
  string(REPLACE "\n" "\n " text " ${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
kelo_copyright_paragraph(${CMAKE_SOURCE_DIR}/LICENSE KELO_LICENSE_TEXT)
kelo_copyright_paragraph(${CMAKE_SOURCE_DIR}/assets/LICENSE-glypha.txt GLYPHA_LICENSE_TEXT)

foreach(file org.kelo.ScreenSaver.metainfo.xml copyright changelog kelo.1 kelo-chart.1)
  set(source ${KELO_PACKAGING_DIR}/linux/${file})
  if(EXISTS ${source}.in)
    set(source ${source}.in)
  endif()
  configure_file(${source} ${KELO_PACKAGING_OUT}/${file} @ONLY)
endforeach()
# Man pages and the changelog are installed compressed, without a name or time stamp in the header, so
# that the same sources give the same package.
foreach(file changelog kelo.1 kelo-chart.1)
  execute_process(COMMAND gzip -9nf ${file} -k WORKING_DIRECTORY ${KELO_PACKAGING_OUT} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(FILES ${KELO_PACKAGING_DIR}/linux/${KELO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KELO_PACKAGING_OUT}/${KELO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon at every size that packaging/make_icons.sh renders (icons/<size>.png), and the drawing.
file(GLOB icons ${KELO_PACKAGING_DIR}/icons/*.png)
foreach(icon ${icons})
  get_filename_component(size ${icon} NAME_WE)
  install(FILES ${icon} RENAME ${KELO_APP_ID}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${KELO_PACKAGING_DIR}/kelo.svg RENAME ${KELO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${KELO_PACKAGING_OUT}/kelo.1.gz ${KELO_PACKAGING_OUT}/kelo-chart.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KELO_PACKAGING_OUT}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelo)
install(FILES ${KELO_PACKAGING_OUT}/changelog.gz RENAME changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${KELO_PUBLISHER})
set(CPACK_PACKAGE_CONTACT ${KELO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${KELO_SUMMARY})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KELO_DEBIAN_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KELO_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xscreensaver | mate-screensaver")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The long description, below the summary line; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kelo shows, full screen, the astrological chart of the present moment for
one place, as a living clock: the twelve houses in one of eight house
systems, the Sun, the Moon, the planets from Mercury to Pluto, the lunar
nodes, the Part of Fortune, the Ascendant and the Midheaven with their
degrees and minutes, optional aspect lines, and the date, time, place and
local sidereal time. It redraws the chart every minute.

It runs on its own or as a hack of XScreenSaver and the MATE screen saver.
The kelo-chart command prints any chart as text or JSON and draws it as a
PNG or SVG picture. All astronomy is computed by Kelo itself.")
include(CPack)
