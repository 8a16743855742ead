# The Debian package (scripts/debian-package.sh): what `cmake --install` puts in /usr, with
# its documentation, as build-deb/rylmo_<version>_amd64.deb. Dependencies come from
# dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rylmo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zespol Rylmo")
set(CPACK_PACKAGE_CONTACT "Zespol Rylmo <rylmo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timetable editor for the Trakovil railway station game")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Rylmo edits the station timetables (.roz files) of Trakovil, a railway\n\
station simulation game: trains, locomotives and depots, locomotive passages,\n\
coaches and compositions, names and general data, with a platform chart,\n\
printed timetables and a Polish user guide. rylmo-roz reads, checks and\n\
converts timetables on the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

# Debian's documentation of a package: its copyright and its changelog, compressed as Debian
# wants it (no name or time in the gzip header, so that the package builds the same twice).
set(rylmo_changelog ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${rylmo_changelog}
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${rylmo_changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog)
add_custom_target(rylmo_changelog ALL DEPENDS ${rylmo_changelog})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${rylmo_changelog}
        DESTINATION share/doc/rylmo)

include(CPack)
