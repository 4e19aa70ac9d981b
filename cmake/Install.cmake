# Install rules and Debian packaging for the Tarvel toolchain.
#
#   cmake --install <build> [--prefix <dir>]   installs into the prefix
#   cpack --config <build>/CPackConfig.cmake    builds tarvelcc_<version>_<arch>.deb
#
# What lands where (relative to the prefix; the .deb uses /usr):
#   bin/tarvelcc, bin/tarvel, bin/tarvelsim
#                                      the compiler, the driver, the simulator
#   share/man/man1/*.1                 their manual pages
#   share/doc/tarvelcc/*.md            the language manual, the toolchain
#                                      manual, the simulator's manual and the
#                                      differences from C
#   share/doc/tarvelcc/examples/       the example programs and their README
#
# The man page carries the version in its .TH line; the install test checks
# that it agrees with PROJECT_VERSION, so bump both together.

include(GNUInstallDirs)

install(TARGETS tarvelcc tarvel tarvelsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(GLOB TARVEL_MAN_PAGES ${PROJECT_SOURCE_DIR}/docs/*.1)
install(FILES ${TARVEL_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/docs/language.md
              ${PROJECT_SOURCE_DIR}/docs/toolchain.md
              ${PROJECT_SOURCE_DIR}/docs/known-differences.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/sim/README.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME tarvelsim.md)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        FILES_MATCHING PATTERN "*.c" PATTERN "*.h" PATTERN "README.md")

# ---------------------------------------------------------------- packaging
set(CPACK_PACKAGE_NAME "tarvelcc")
set(CPACK_PACKAGE_VENDOR "tarvelcc project")
set(CPACK_PACKAGE_CONTACT "tarvelcc maintainers <tarvelcc@localhost>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "C toolchain for the 8-bit soft processor of the ZEFO Tarvel platform")
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
The package holds the compiler tarvelcc; the driver tarvel, which
compiles, assembles, checks the memory budget and writes memory images
(hex, mem, mif, VHDL and Verilog ROMs); the simulator tarvelsim; their
manual pages; and the manuals with example programs under
/usr/share/doc/tarvelcc.")
# tarvel runs the system's C preprocessor for sources with # lines.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cpp")
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
