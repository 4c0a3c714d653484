# `cpack -G DEB` in the build folder: a Debian package of what `cmake --install` installs,
# under /usr, whose dependencies dpkg-shlibdeps reads from the program and its window library.
set(CPACK_PACKAGE_NAME tarnel)
set(CPACK_PACKAGE_VENDOR "Tarnel maintainers")
set(CPACK_PACKAGE_CONTACT "Tarnel maintainers <maintainers@users.noreply.c-seed-b9483e04.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for single HTML pages")
# Debian's extended description: lines of under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tarnel edits one HTML page at a time: its source with colouring and completion"
  "beside a live preview in a browser engine, and forms that write the markup of"
  "pictures, links, tables, lists, frames and form controls. It saves exactly the"
  "bytes typed, checks pages with the validator (also as tarnel --check, without"
  "a display) and keeps unsaved text safe across a crash.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tarnel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

# tarnel_<version>_<architecture>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plug-ins, not linked, so dpkg-shlibdeps cannot see them: the toolbar's SVG icons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# The browser engine shows nothing without a font; pictures in more formats for the forms; a
# window of its own under Wayland rather than through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-image-formats-plugins, qt6-wayland")

include(CPack)
