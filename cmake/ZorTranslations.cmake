# The translations of the texts people read: every i18n/<folder>_<lang>.ts is
# compiled by lrelease at build time, and the .qm files are embedded under
# :/i18n/ in one target, zor_translations, that the programs (and the tests
# that render texts) link. zor::text::LoadTranslations installs what it finds
# there for the user's language. With no .ts files at all the target is empty
# and every text stays English.
file(GLOB ZOR_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/i18n/*.ts)

# lrelease: Qt's CMake package for it where installed (Debian's
# qt6-tools-dev), else the program of qt6-l10n-tools in Qt's folder of tools.
find_package(Qt6 QUIET COMPONENTS LinguistTools)
if(TARGET Qt6::lrelease)
  set(ZOR_LRELEASE Qt6::lrelease)
else()
  find_program(ZOR_LRELEASE NAMES lrelease lrelease6 lrelease-qt6
    HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin
    NO_DEFAULT_PATH)
  if(NOT ZOR_LRELEASE AND ZOR_TS_FILES)
    message(FATAL_ERROR "lrelease not found: install qt6-l10n-tools (scripts/deps)")
  endif()
endif()
set(ZOR_QM_DIR ${CMAKE_BINARY_DIR}/i18n)
file(MAKE_DIRECTORY ${ZOR_QM_DIR})

set(ZOR_QM_FILES)
foreach(ts IN LISTS ZOR_TS_FILES)
  cmake_path(GET ts STEM name)
  set(qm ${ZOR_QM_DIR}/${name}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${ZOR_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts}
    COMMENT "Compiling the translation ${name}"
    VERBATIM)
  list(APPEND ZOR_QM_FILES ${qm})
endforeach()

if(ZOR_QM_FILES)
  # An object library: its objects (with the resource's initializer) go into
  # each program that links it, so the files are registered at start-up.
  add_library(zor_translations OBJECT)
  set_target_properties(zor_translations PROPERTIES AUTOMOC OFF)
  qt_add_resources(zor_translations "translations"
    PREFIX "/i18n"
    BASE ${ZOR_QM_DIR}
    FILES ${ZOR_QM_FILES})
  target_link_libraries(zor_translations PRIVATE Qt6::Core)
else()
  add_library(zor_translations INTERFACE)
endif()
