# SPDX-License-Identifier: GPL-3.0-or-later
# The program's own German and French translations: the .ts files here are compiled by
# lrelease and embedded in the program, so it finds them in every mode. English is the
# language of the sources and needs none. `cmake --build build --target clavora_lupdate`
# brings the .ts files up to date with the sources.
find_program(CLAVORA_LRELEASE lrelease PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH REQUIRED)
find_program(CLAVORA_LUPDATE lupdate PATHS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} NO_DEFAULT_PATH REQUIRED)

set(CLAVORA_TS_FILES ${CMAKE_SOURCE_DIR}/translations/clavora_de.ts ${CMAKE_SOURCE_DIR}/translations/clavora_fr.ts)
set(qmFolder ${CMAKE_BINARY_DIR}/translations)
file(MAKE_DIRECTORY ${qmFolder})
set(qmFiles)
foreach(ts ${CLAVORA_TS_FILES})
  get_filename_component(name ${ts} NAME_WE)
  add_custom_command(OUTPUT ${qmFolder}/${name}.qm
    COMMAND ${CLAVORA_LRELEASE} -silent ${ts} -qm ${qmFolder}/${name}.qm
    DEPENDS ${ts} VERBATIM)
  list(APPEND qmFiles ${qmFolder}/${name}.qm)
endforeach()
qt_add_resources(clavora_logic clavora_translations PREFIX /translations BASE ${qmFolder} FILES ${qmFiles})

# No line numbers in the .ts files, so that moving code does not change them.
add_custom_target(clavora_lupdate
  COMMAND ${CLAVORA_LUPDATE} -silent -no-obsolete -locations none -source-language en
    ${CMAKE_SOURCE_DIR}/src -ts ${CLAVORA_TS_FILES}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)
