# What `cmake --install` puts under the prefix, and the packages CPack makes of
# it: a .deb and a .tar.gz.
include(GNUInstallDirs)

# Who answers for the package: its Maintainer field and the changelog's
# signature. Set it when making packages for others, e.g.
# -DVORNIC_MAINTAINER="Jane Doe <jane@example.org>"; the default's reserved
# domain says that no address was given.
set(VORNIC_MAINTAINER "vornic developers <vornic@vornic.invalid>" CACHE STRING
    "Maintainer of the packages, as \"Name <address>\"")

# The manual page and the changelog go in gzip-compressed, as Debian's policy
# asks; -n keeps names and times out, so that the same page packs the same.
find_program(VORNIC_GZIP gzip REQUIRED)
configure_file(cmake/changelog.in changelog @ONLY)
set(VORNIC_GZIPPED ${CMAKE_BINARY_DIR}/vornic.1.gz ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${VORNIC_GZIPPED}
  COMMAND ${VORNIC_GZIP} -n -9 -c ${CMAKE_CURRENT_SOURCE_DIR}/docs/vornic.1 > vornic.1.gz
  COMMAND ${VORNIC_GZIP} -n -9 -c changelog > changelog.gz
  DEPENDS docs/vornic.1 ${CMAKE_BINARY_DIR}/changelog
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR} VERBATIM)
add_custom_target(vornic_gzipped_docs ALL DEPENDS ${VORNIC_GZIPPED})

install(TARGETS vornic RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/vornic.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The README with what its links lead to, so that they work where it is
# installed; the changelog and the copyright file where Debian looks for them.
install(FILES README.md cmake/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
        FILES_MATCHING PATTERN "*.png" PATTERN "*.md")
install(DIRECTORY examples classes DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_NAME vornic)
set(CPACK_PACKAGE_VENDOR "vornic developers")
set(CPACK_PACKAGE_CONTACT "${VORNIC_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "translates forms into stand-alone Win32 Object Pascal programs")
# Lines of the long description stay under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
vornic reads a form (binary .dfm or form text) and writes an Object
Pascal program that builds the same window with plain Win32 API calls,
a resource script for its bitmaps, and the form converted between its
binary and text encodings.]])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The package depends on the libpng and libjpeg of the system it is built on,
# found by dpkg-shlibdeps where it is installed (package dpkg-dev).
find_program(VORNIC_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VORNIC_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
