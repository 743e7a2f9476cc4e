# make package: a Debian package of the install layout under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tsubura)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "The Tsubura developers <developers@tsubura.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word-placement puzzle game")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tsubura (ツブラ) gives a square board of up to 30 x 30 cells and up to 90
words with points. Place the words across or down so that they cross on
shared characters; every word is closed by end markers, and the best score
counts only on a complete board. The game speaks Japanese.

The package also holds tsubura-puzzle, which makes, shows and checks puzzle
files.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries; the faces the board is drawn in and
# Qt's Japanese dialogs are needed at run time only.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")

# The licence as the package states it, which the game shows under バージョン情報.
file(READ ${CMAKE_CURRENT_LIST_DIR}/debian/copyright TSUBURA_COPYRIGHT)
string(REGEX MATCH "License: [^\n]+" TSUBURA_LICENCE_NAME "${TSUBURA_COPYRIGHT}")
string(REGEX MATCH "the package may [^.]+" TSUBURA_LICENCE_GRANT "${TSUBURA_COPYRIGHT}")
if(NOT TSUBURA_LICENCE_NAME OR NOT TSUBURA_LICENCE_GRANT)
  message(FATAL_ERROR "debian/copyright no longer says its licence the way the game quotes it")
endif()
set(TSUBURA_LICENCE "${TSUBURA_LICENCE_NAME} — ${TSUBURA_LICENCE_GRANT}")
include(CPack)
