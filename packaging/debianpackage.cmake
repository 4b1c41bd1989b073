# The Debian package: "cpack -G DEB" in the build folder packs what the install
# rules lay out under /usr (packaging/CMakeLists.txt) into velmor_<version>_<arch>.deb.
#
# The libraries the programs link come from dpkg-shlibdeps; what the program
# loads at run time by name cannot be found that way and is listed here: the
# SQLite driver of Qt SQL and the fonts that stand in for Arial, Courier New
# and Times New Roman on screen.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmor)
set(CPACK_PACKAGE_VENDOR Qiv)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RF exposure file of an amateur radio station for the BIPT")
set(CPACK_PACKAGE_DESCRIPTION
  "Velmor helps a licensed radio amateur in Belgium document the radio-frequency exposure of
his antennas and prepare the application the telecom regulator (BIPT) asks for: owner, sites
with Lambert 72 / WGS84 coordinates, antennas, power chains, critical test points, the field
strength at each point against the limits, reports, the regulator's export database and a ZIP
package. vlmcli does the same from the command line.")
set(CPACK_PACKAGE_CONTACT "Qiv <velmor@qiv-radio.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${VLM_PROJECT_URL})

# Files go to /usr; DESTDIR staging keeps the prefix the install rules write
# into the desktop entry (Exec=/usr/bin/Vlm) and the relative launcher links.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
# Installed programs carry no debugging information (as Debian's own packages).
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libmeridox.so lies in the program's folder (RPATH $ORIGIN), not in a system folder.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${VLM_PROGRAM_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-liberation2")
# Qt's own dialogs in the interface languages, the native Wayland platform,
# and opening files in their program from the submission page.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland, xdg-utils")

include(CPack)
