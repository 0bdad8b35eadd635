# The Debian package, made by CPack from the install rules:
#   cpack -G DEB --config BUILD/CPackConfig.cmake -B OUTPUT_DIR
# scripts/package builds the release package this way; the package test makes
# one from the test build. Everything in it is what `cmake --install` puts
# under the prefix, which is /usr in the package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zor-maintenance)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ZOR)
set(CPACK_PACKAGE_CONTACT "ZOR Service Tools <service-tools@zor.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The install's folders as Debian wants them (0755), whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.zor.com/maintenance)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Depends from what the programs and the device link really link (Qt 6,
# libstdc++, libc). The device link is loaded by path, not linked: no shlibs
# file. (CPack adds an ldconfig call when a library lies right under usr/lib,
# as in a package of a build for /usr/local; under usr/lib/<multiarch> it
# does not.)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# zorctl's and zor-simulator's completions are loaded by bash-completion;
# Qt's own translations give its standard buttons and dialogs the user's
# language, and Chinese texts need a font with their characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion, fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "service and maintenance tool for ZOR laser marking systems")
# The long description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
zor-maintenance reads a ZOR laser marking system's identity (system name,
version, release date, serial number, lens) and sets its calibration and
service parameters: diode currents, lens, serial number, model name and
controller model, scan-field distortion and scale corrections, aiming
alignment, jump-delay multipliers, test power, shutter, working time and
network settings. Settings can be backed up, compared and restored,
every operation sent is kept in a service log, and a service report (PDF)
can be handed to the customer.

The package holds the desktop program (Qt 6), the command-line front end
zorctl for shells and scripts (with zor-report, which lays out its service
report), and the device link libZorComm.so with a
simulated marking controller, so every function can be tried without
hardware. zor-simulator serves simulated systems to every program at once
and shows what they do: their scan field, their state and every packet.]=])

include(CPack)
