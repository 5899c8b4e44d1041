# A Debian package of the game: `cpack` in the build folder makes avtosalon_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME avtosalon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Avtosalon developers")
set(CPACK_PACKAGE_CONTACT "Avtosalon developers <dev@avtosalon.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vehicle trading game with a Russian interface")
set(CPACK_PACKAGE_DESCRIPTION
  "Avtosalon is a small single-player trading game. You start with one million
dollars, buy vehicles of six models in one of five countries at that country's
price and sell them one at a time wherever they fetch the most. Reach ten
million dollars and buy the dealership to win.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Avtosalon developers <dev@avtosalon.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://avtosalon.github.io/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps (dpkg-dev) adds the libraries the binary links to; the rest are loaded by
# name at run time: the fonts the windows are drawn in, and Qt's Russian dialog texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-urw-base35, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/build-[^/]*/")

include(CPack)
