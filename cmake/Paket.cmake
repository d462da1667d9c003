# The Debian package: "cpack -G DEB" in a build folder (or the "package" target) builds stundolog_<version>_<arch>.deb
# from the install rules: the program in /usr/bin, NeueZeile.wav and History.txt in /usr/share/stundolog/, the
# desktop entry, the icon and the AppStream metainfo.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stundolog)
set(CPACK_PACKAGE_VERSION 1.01)
set(CPACK_PACKAGE_VENDOR "Stundolog")
set(CPACK_PACKAGE_CONTACT "Stundolog <kontakt@stundolog.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Klassenbuch für Lehrerinnen und Lehrer")
set(CPACK_PACKAGE_DESCRIPTION
    "Stundolog hält für jede Klasse und jedes Fach fest, was in jeder Kalenderwoche unterrichtet wurde.
Das Programm ist ganz mit der Tastatur bedienbar und für Bildschirmleser und sehr
große Schriften gebaut; es bietet Suche, Übersichten zum Drucken und Speichern und
eine Datensicherung mit byteweiser Prüfung.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.stundolog.de")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What the program loads at run time without linking it: a platform plugin to open windows at all, and Qt's
# German texts for its own dialogs and buttons.
set(STUNDOLOG_LAUFZEIT "qt6-qpa-plugins (>= 6.4), qt6-translations-l10n (>= 6.4)")
find_program(STUNDOLOG_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(STUNDOLOG_DPKG_SHLIBDEPS)
  # The linked libraries (libqt6widgets6, libqt6printsupport6, libqt6multimedia6, libqt6network6, ...) with the
  # versions the program was built against.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${STUNDOLOG_LAUFZEIT}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6network6 (>= 6.4), libqt6multimedia6 (>= 6.4), ${STUNDOLOG_LAUFZEIT}")
endif()
# Wayland sessions without the X11 fallback.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

# The copyright file every Debian package carries.
set(STUNDOLOG_COPYRIGHT "${CMAKE_CURRENT_BINARY_DIR}/copyright")
file(WRITE "${STUNDOLOG_COPYRIGHT}"
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Stundolog
Upstream-Contact: kontakt@stundolog.de
Source: https://www.stundolog.de

Files: *
Copyright: 2024 die Entwickler von Stundolog
License: GPL-3.0-or-later
 On Debian systems, the complete text of the GNU General Public License
 version 3 can be found in /usr/share/common-licenses/GPL-3.
")
install(FILES "${STUNDOLOG_COPYRIGHT}" DESTINATION share/doc/stundolog)

include(CPack)
