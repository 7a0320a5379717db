# The Debian package (make deb, or cpack in any configured build folder): what `cmake --install`
# puts into the prefix, under /usr, with the files Debian asks of every package added by
# DebianStaging.cmake. The Depends line is computed from the programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ql7400)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "QL-7400 developers")
# No other contact has been published: the address the project's commits carry.
set(QL_PACKAGE_MAINTAINER
    "QL-7400 maintainers <maintainers@users.noreply.c-seed-7c5e6c11.example>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${QL_PACKAGE_MAINTAINER}")
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Installed with DESTDIR, so the install step leaves the desktop caches to dpkg's triggers.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_OUTPUT_FILE_PREFIX "")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The first line is the synopsis; CPack indents the rest and turns the empty line into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "programming software for the RZ-7400 transceiver
QL-7400 is the programming (cloning) software for the RZ-7400 dual-band
144/430 MHz mobile transceiver, for radio amateurs. It edits the radio's
whole memory: the 99 memory channels of each band with their program-scan
edges and call channels, the DTMF autodial memories and the set-mode
settings. It keeps that memory in .icf data files and reads it from and
writes it to the radio over a serial clone cable.

The package holds the desktop program ql7400, the command-line tool
ql7400-cli for scripted editing and cloning, and rz7400-sim, a simulated
transceiver on a pseudo-terminal for trying it without a radio.")

set(CPACK_QL_DEBIAN_DIR ${CMAKE_CURRENT_LIST_DIR}/debian)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianStaging.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
