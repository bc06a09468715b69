# `make package` in the build folder (or at the top, through the Makefile) builds a
# Debian package from the install rules: hueprobe_<version>_<arch>.deb.

set(HUEPROBE_MAINTAINER "The Hueprobe developers <hueprobe@example.org>"
  CACHE STRING "Maintainer field of the Debian package: Name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hueprobe)
set(CPACK_PACKAGE_VERSION ${HUEPROBE_RELEASE})
set(CPACK_PACKAGE_VENDOR "The Hueprobe developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour picker for web authors")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Hueprobe sets a colour with three scroll bars for red, green and blue, or\n"
  "from a chart of the 140 named web colours, shows it with its six-digit\n"
  "code, and copies the code to the clipboard as 00FFAA, #00FFAA or\n"
  "RGB(0,255,170). The interface is in Japanese.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${HUEPROBE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; the windows are drawn in the Gothic face.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
# With Qt's Wayland plugin the window is native on a Wayland desktop; without it, it
# opens through XWayland. On wlroots desktops (sway and others), whose compositor
# keeps no clipboard, wl-copy (wl-clipboard) keeps the copied colour after quit, and
# grim takes the still image of the screen that a colour is picked from.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, wl-clipboard, grim")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${HUEPROBE_HOMEPAGE})

include(CPack)
