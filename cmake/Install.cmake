# Install rules and Debian packaging for tarvelcc.
#
#   cmake --install <build> [--prefix <dir>]   installs into the prefix
#   cpack --config <build>/CPackConfig.cmake    builds tarvelcc_<version>_<arch>.deb
#
# What lands where (relative to the prefix; the .deb uses /usr):
#   bin/tarvelcc                       the compiler
#   share/man/man1/tarvelcc.1          the manual page (`man tarvelcc`)
#   share/doc/tarvelcc/language.md     the language manual
#   share/doc/tarvelcc/examples/       the example programs and their README
#
# The man page carries the version in its .TH line; the install test checks
# that it agrees with PROJECT_VERSION, so bump both together.

include(GNUInstallDirs)

install(TARGETS tarvelcc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/tarvelcc.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/docs/language.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        FILES_MATCHING PATTERN "*.c" PATTERN "README.md")

# ---------------------------------------------------------------- packaging
set(CPACK_PACKAGE_NAME "tarvelcc")
set(CPACK_PACKAGE_VENDOR "tarvelcc project")
set(CPACK_PACKAGE_CONTACT "tarvelcc maintainers <tarvelcc@localhost>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "C compiler for the 8-bit soft processor of the ZEFO Tarvel platform")
set(CPACK_GENERATOR "DEB")
# Write the values below into CPackConfig.cmake exactly as given here.
set(CPACK_VERBATIM_VARIABLES TRUE)
set(CPACK_STRIP_FILES TRUE)
# Keep build folders and the repository out of `make package_source`.
set(CPACK_SOURCE_GENERATOR "TGZ")
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The summary line comes from CPACK_PACKAGE_DESCRIPTION_SUMMARY; CPack
# indents these body lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"tarvelcc translates one source unit written in a small subset of C
(char, short and int, one level of pointers, one-dimensional arrays,
functions, the usual statements, inline asm blocks and an interrupt
handler) into one assembly program for the processor's assembler.
The package holds the compiler, its manual page and the language manual
with example programs under /usr/share/doc/tarvelcc.")
# Let dpkg-shlibdeps compute versioned library dependencies when it is
# there (package dpkg-dev); otherwise name the C++ runtime by hand.
find_program(TARVEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(TARVEL_DPKG_SHLIBDEPS)
if(TARVEL_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
endif()

include(CPack)
