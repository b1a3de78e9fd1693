# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, tervalix_VERSION_ARCH.deb (make deb).
#
# Made with CPack's DEB generator rather than debhelper: the package comes out
# of the build tree that the tests have just run on, without a second compile
# and without a debian/ folder whose changelog would repeat the version that
# project() already holds; its files are exactly those of the install() rules,
# the same set that `cmake --install` gives a developer. What debhelper would
# otherwise see to is done here or by those rules: stripping with the debug
# information split into a -dbgsym package, dependencies from
# dpkg-shlibdeps, manual pages and changelog compressed with gzip -9n, the
# copyright file, modes of files and folders, and the maintainer scripts.
#
# scripts/check-package.sh holds the result to lintian, which says nothing
# about it even with --pedantic --display-info. What it said at first was
# fixed where it arose: binary-has-unneeded-section (.comment, removed below)
# and hardening-no-fortify-functions with hardening-no-bindnow (the build's
# flags, in the Makefile's build target).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tervalix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Tervalix developers <service@brundholt.example>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brundholt.example/tervalix/)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tuning tool for the Tervalix motorcycle fuel-injection ECU")
set(CPACK_PACKAGE_DESCRIPTION
"Tervalix edits, writes and reads the injection-correction curve of the
Tervalix fuel-injection control unit of two- and four-cylinder motorcycles:
on a plot or as numbers, with undo, a backup before every write and a
read-back after it, live engine data and recordings. The unit is found on
USB HID or on a serial port.

The package holds the window (tervalix), a command-line tool that needs no
display (tervalix-cli) and a simulated unit on a pseudo-terminal
(tervalix-ecu-sim).")

# The architecture is dpkg's (CPack asks dpkg --print-architecture), and the
# file name Debian's: name_version_architecture.deb.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# gzip rather than dpkg's xz: xz spends some 15 s of every CI run on the
# debug package, to save 300 kB on the main one.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/deb/postinst ${CMAKE_CURRENT_LIST_DIR}/deb/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Folders as Debian has them whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Debian's stripping also drops the compiler's notes in .comment, which
# CPack's keeps; the debug information stays here for the -dbgsym package
# that CPack splits off afterwards.
if(NOT CMAKE_OBJCOPY)
  message(FATAL_ERROR "objcopy (binutils) is needed for the installed programs")
endif()
install(CODE "
  foreach(program tervalix tervalix-cli tervalix-ecu-sim)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${program}\"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR \"objcopy could not clean \${program}\")
    endif()
  endforeach()
")

include(CPack)
