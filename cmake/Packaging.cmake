# The Debian package "tarrowind-launcher", made in the build tree with
#
#   cpack -G DEB
#
# It holds the launcher's system-wide installation under
# /opt/Veltrona/Tarrowind (bin/, lib/plugins/, images/, log/launcher.debug
# and an empty package/, which the client's vendor build fills together with
# INFO), and the files that only a system package installs: the XDG autostart
# entry that starts the launcher at login, the menu entry, the level file in
# /etc/opt and the Debian documentation. Those live in the component "system", which a plain
# `cmake --install` leaves out, so that installing into a scratch prefix
# never writes to /etc or /usr. The directory is TARROWIND_PREFIX.
set(DEB_NAME tarrowind-launcher)
set(DEB_RELEASE 1)
set(DEB_VERSION ${PROJECT_VERSION}-${DEB_RELEASE})
# Debian requires a mail address in the Maintainer field and the changelog.
set(DEB_MAINTAINER "Veltrona <packages@veltrona.invalid>" CACHE STRING
    "Maintainer of the Debian package: name <mail address>")

set(_deb_dir ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/tarrowind-launcher.desktop.in
               ${_deb_dir}/applications/tarrowind-launcher.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/tarrowind-launcher-autostart.desktop.in
               ${_deb_dir}/autostart/tarrowind-launcher.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.Debian.in ${_deb_dir}/changelog.Debian @ONLY)
# gzip -n -9: no name or time stamp in the header, so the package is
# reproducible, and the best compression, as Debian's tools expect.
add_custom_command(
  OUTPUT ${_deb_dir}/changelog.Debian.gz
  COMMAND gzip -n -9 -c ${_deb_dir}/changelog.Debian > ${_deb_dir}/changelog.Debian.gz
  DEPENDS ${_deb_dir}/changelog.Debian
  COMMENT "Compressing the Debian changelog")
add_custom_target(deb_changelog ALL DEPENDS ${_deb_dir}/changelog.Debian.gz)

install(FILES ${_deb_dir}/autostart/tarrowind-launcher.desktop
        DESTINATION /etc/xdg/autostart COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${_deb_dir}/applications/tarrowind-launcher.desktop
        DESTINATION /usr/share/applications COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${_deb_dir}/changelog.Debian.gz
        DESTINATION /usr/share/doc/${DEB_NAME} COMPONENT system EXCLUDE_FROM_ALL)
# The level file is the administrator's: a conffile, which dpkg keeps as
# edited through upgrades and reinstalls. Policy puts conffiles under /etc,
# and the FHS puts those of software in /opt/<provider> under
# /etc/opt/<provider>; the launcher still reads <prefix>/log/launcher.debug,
# a link to it.
set(DEB_LEVEL_FILE /etc/opt/Veltrona/Tarrowind/launcher.debug)
file(CREATE_LINK ${DEB_LEVEL_FILE} ${_deb_dir}/launcher.debug SYMBOLIC)
install(FILES ${CMAKE_SOURCE_DIR}/ui-client/launcher/log/launcher.debug
        DESTINATION /etc/opt/Veltrona/Tarrowind COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${_deb_dir}/launcher.debug DESTINATION log COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION /usr/share/lintian/overrides RENAME ${DEB_NAME}
        COMPONENT system EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${DEB_NAME})
set(CPACK_PACKAGE_VENDOR "Veltrona")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "starts Tarrowind Backup and keeps each user's copy current")
set(CPACK_PACKAGE_DESCRIPTION "Tarrowind Backup is installed once per machine; every user runs a private
copy of the backup client in the home directory. The launcher, started from
the menu or at login, installs that copy from the system-wide package when
it is missing or older, showing a small progress window, and then starts
the client.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${TARROWIND_PREFIX})
set(CPACK_STRIP_FILES ON)
# The default component (everything under the prefix but the level file)
# and "system", in one package.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Unspecified system)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_PACKAGE_NAME ${DEB_NAME})
# cpack names the host's architecture unless told otherwise.
if(CMAKE_CROSSCOMPILING AND CMAKE_LIBRARY_ARCHITECTURE STREQUAL "i386-linux-gnu")
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE i386)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DEB_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The autostart entry and the level file are configuration: an administrator
# may turn the first off (Hidden=true) and raise the levels of the second,
# and upgrades keep those changes.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/conffiles)
# Depends from dpkg-shlibdeps over every ELF file of the package, the bundled
# Qt plugins included (the xcb platform plugin brings in Qt's X11 libraries).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
