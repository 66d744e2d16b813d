# The Debian package: `cpack -G DEB` in the build folder makes noma_VERSION_ARCH.deb.
set(CPACK_PACKAGE_NAME noma)
set(CPACK_PACKAGE_VENDOR "NOMA")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for tactile staff notation (Japanese)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "NOMA developers <noma@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries: a Japanese font for page text and a General MIDI soundfont for playback.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk, timgm6mb-soundfont | fluid-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, qt6-translations-l10n")
# The body only: CPack puts the summary above it and indents it as control files want.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "NOMA draws five-line staff music whose every mark is a solid or thick
figure that a blind reader can feel once embossed, with braille cells for
words, dynamics and numbers. Teachers and transcribers use it to place
symbols on a snapping grid, write braille from romaji, print on a graphics
embosser or an ordinary printer, and check the score by ear as MIDI.

The user interface is Japanese. The package also holds noma-cli, which runs
the same core without a window.")
include(CPack)
