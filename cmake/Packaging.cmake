# What `cmake --install` puts under the prefix, and the packages CPack makes of
# it: a .deb and a .tar.gz.
include(GNUInstallDirs)

install(TARGETS vornic RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES docs/vornic.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The README with what its links lead to, so that they work where it is installed.
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs FILES_MATCHING PATTERN "*.png")
install(DIRECTORY examples classes DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_NAME vornic)
set(CPACK_PACKAGE_VENDOR "vornic developers")
set(CPACK_PACKAGE_CONTACT "vornic developers <vornic@invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "translates forms into stand-alone Win32 Object Pascal programs")
set(CPACK_PACKAGE_DESCRIPTION
    "vornic reads a form (binary .dfm or form text) and writes an Object Pascal program that builds the same window with plain Win32 API calls, a resource script for its bitmaps, and the form converted between its binary and text encodings.")
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
