# The Windows installer, Kelo-<version>-setup.exe in the build folder, made by makensis (Debian's nsis)
# from packaging/windows/kelo.nsi with the cross-built programs, stripped of their debugging
# information (which would make up most of the installer). Included from packaging.cmake.
find_program(KELO_MAKENSIS makensis)
if(NOT KELO_MAKENSIS)
  message(STATUS "makensis not found: no Windows installer target")
  return()
endif()

set(KELO_SETUP_EXE ${CMAKE_BINARY_DIR}/Kelo-${PROJECT_VERSION}-setup.exe)
set(KELO_STRIPPED_DIR ${KELO_PACKAGING_OUT}/stripped)
add_custom_command(
  OUTPUT ${KELO_SETUP_EXE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KELO_STRIPPED_DIR}
  COMMAND ${CMAKE_STRIP} -o ${KELO_STRIPPED_DIR}/Kelo.scr $<TARGET_FILE:kelo-scr>
  COMMAND ${CMAKE_STRIP} -o ${KELO_STRIPPED_DIR}/kelo-chart.exe $<TARGET_FILE:kelo-chart>
  COMMAND ${KELO_MAKENSIS} -V2 -WX
          -DVERSION=${PROJECT_VERSION}
          "-DPUBLISHER=${KELO_PUBLISHER}"
          -DHOMEPAGE=${KELO_HOMEPAGE}
          -DBIN_DIR=${KELO_STRIPPED_DIR}
          -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
          -DOUT_FILE=${KELO_SETUP_EXE}
          ${KELO_PACKAGING_DIR}/windows/kelo.nsi
  DEPENDS ${KELO_PACKAGING_DIR}/windows/kelo.nsi kelo-scr kelo-chart
          ${CMAKE_SOURCE_DIR}/assets/KELO.INI ${CMAKE_SOURCE_DIR}/assets/glypha.ttf
          ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/assets/LICENSE-glypha.txt
          ${CMAKE_SOURCE_DIR}/platform/win32/kelo.ico ${KELO_PACKAGING_DIR}/windows/welcome.bmp
  COMMENT "Making the Windows installer Kelo-${PROJECT_VERSION}-setup.exe"
  VERBATIM)
add_custom_target(installer DEPENDS ${KELO_SETUP_EXE})
