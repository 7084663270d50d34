# The Debian package: `cmake --build build --target package` makes zeb_<version>_<arch>.deb with
# the program, its desktop files, the manual page and the Debian copyright and changelog.

# The manual page and the changelog go in gzip-compressed without a timestamp, as Debian wants.
find_program(GZIP gzip REQUIRED)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZEB_AUTHOR_NAME} <${ZEB_AUTHOR_EMAIL}>")
set(doc ${PROJECT_BINARY_DIR}/packaging)
configure_file(packaging/copyright.in ${doc}/copyright @ONLY)
configure_file(packaging/changelog.in ${doc}/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${doc}/zeb.1.gz ${doc}/changelog.Debian.gz
    COMMAND ${GZIP} -9n -c ${PROJECT_SOURCE_DIR}/packaging/zeb.1 > ${doc}/zeb.1.gz
    COMMAND ${GZIP} -9n -c ${doc}/changelog.Debian > ${doc}/changelog.Debian.gz
    DEPENDS packaging/zeb.1 ${doc}/changelog.Debian)
add_custom_target(zeb_docs ALL DEPENDS ${doc}/zeb.1.gz ${doc}/changelog.Debian.gz)
install(FILES ${doc}/zeb.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${doc}/copyright ${doc}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeb)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts the project's one-line description before this.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "ZEB is a small desktop drill program for learners of Spanish grammar. It
covers one unit, Unidad 17, the preterite (pretérito indefinido).

Four verb drills ask for the preterite form in a sentence with a gap; the
picture exercise asks for a statement, a question or an answer about a
scene. Spanish letters are typed on a plain English keyboard.")
# dpkg-shlibdeps finds the libraries the binary links, libqt6svg6 among them, which also ships
# the SVG image and icon plugins on Debian 12. What Qt loads by name at run time it cannot find:
# the platform plugins, and the fonts the windows ask for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
include(CPack)
