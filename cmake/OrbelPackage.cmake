# `cpack -G DEB` in the build folder: one Debian package with the library,
# the headers and CMake package, the CLI and the Qt host. Its dependencies
# come from the shared libraries the binaries link (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME orbel)
set(CPACK_PACKAGE_VENDOR "Orbel developers")
set(CPACK_PACKAGE_CONTACT "Orbel developers <orbel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Dialog library of a protocol-test host, with its CLI and Qt host")
set(CPACK_PACKAGE_DESCRIPTION "Orbel builds diagnostic commands, trace filter configurations and primitives
through dialogs. The package holds liborbel.so and its Qt toolkit, their
headers, CMake package and pkg-config file, the orbel CLI and the orbel-host
Qt application.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
include(CPack)
