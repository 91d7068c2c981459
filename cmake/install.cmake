# Pricotta as an installed desktop program: what the build tells the program about itself, what
# `cmake --install` puts where (GNUInstallDirs), the Debian package (`cpack -G DEB`), and the tests
# of the command line, the desktop entry, the metadata and the installed tree.
include(GNUInstallDirs)

# The desktop entry's name is the identifier the program runs under (the application user model
# identifier on Windows); AppStream wants a lower-case reverse domain name for the component.
set(PRICOTTA_DESKTOP_ID "Quellaworks.zorvan.AppID.22")
set(PRICOTTA_METAINFO_ID "com.quellaworks.zorvan")
set(PRICOTTA_HOMEPAGE "https://pricotta.invalid" CACHE STRING "The home page named in the metadata")
set(PRICOTTA_SCREENSHOT_URL "${PRICOTTA_HOMEPAGE}/screenshot.png" CACHE STRING
  "Where the metadata's screenshot (docs/screenshot.png) is published")
set(PRICOTTA_RELEASE_DATE "2026-12-10")

set(PRICOTTA_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/pricotta")
set(PRICOTTA_INSTALL_LIBDIR "${CMAKE_INSTALL_LIBDIR}/pricotta")
# Relative to the bin folder, so a package installed under another prefix still finds its files.
file(RELATIVE_PATH PRICOTTA_DATA_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
  "${CMAKE_INSTALL_PREFIX}/${PRICOTTA_INSTALL_DATADIR}")
file(RELATIVE_PATH PRICOTTA_LIBRARY_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
  "${CMAKE_INSTALL_PREFIX}/${PRICOTTA_INSTALL_LIBDIR}")
configure_file(cmake/buildinfo.h.in generated/buildinfo.h @ONLY)
target_include_directories(pricotta_core PRIVATE ${CMAKE_BINARY_DIR}/generated)

# The icon's tests compare the window icon with the PNGs that are installed.
target_compile_definitions(widget_tests PRIVATE PRICOTTA_ICON_DIR="${CMAKE_SOURCE_DIR}/resources/icons")

set(PRICOTTA_DESKTOP_FILE ${CMAKE_BINARY_DIR}/${PRICOTTA_DESKTOP_ID}.desktop)
set(PRICOTTA_METAINFO_FILE ${CMAKE_BINARY_DIR}/${PRICOTTA_METAINFO_ID}.metainfo.xml)
configure_file(resources/linux/pricotta.desktop.in ${PRICOTTA_DESKTOP_FILE} @ONLY)
configure_file(resources/linux/pricotta.metainfo.xml.in ${PRICOTTA_METAINFO_FILE} @ONLY)

install(TARGETS pricotta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS verinf14 LIBRARY DESTINATION ${PRICOTTA_INSTALL_LIBDIR})
install(FILES resources/zorvan_00.html resources/お読み下さい.txt DESTINATION ${PRICOTTA_INSTALL_DATADIR})
install(FILES ${PRICOTTA_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PRICOTTA_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icons/pricotta.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES resources/icons/pricotta_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME pricotta.png)
endforeach()
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
# The companion's manual page and its bash completion, where man and bash-completion look.
install(FILES resources/cli/pricotta-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/cli/pricotta-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME pricotta-cli)

# The Debian package: `cpack -G DEB` in the build folder, or tools/make-deb.
set(CPACK_PACKAGE_NAME pricotta)
set(CPACK_PACKAGE_VENDOR "Pricotta developers")
set(CPACK_PACKAGE_CONTACT "Pricotta developers <dev@pricotta.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "notebook of shopping prices (Japanese)")
set(CPACK_PACKAGE_DESCRIPTION "Pricotta keeps, for each product, a standard price, up to five prices seen
with their day and shop, and a memo, in plain text notebooks. It shows the difference of each price
to the standard price and lists products not updated for a year or seen at one shop.
Its user interface is in Japanese.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PRICOTTA_HOMEPAGE})
# The Qt and C++ libraries come from dpkg-shlibdeps; what the program needs besides them is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

# The command line answers without a display: --version, --help, and the refusal of the rest.
add_test(NAME command_line COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:pricotta>
  -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/check_command_line.cmake)
# The desktop entry and the metadata pass their validators (tools/setup.sh installs them; without
# them the test shows as not run).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
add_test(NAME desktop_files COMMAND ${CMAKE_COMMAND} -DDESKTOP_FILE_VALIDATE=${DESKTOP_FILE_VALIDATE}
  -DAPPSTREAMCLI=${APPSTREAMCLI} -DDESKTOP_FILE=${PRICOTTA_DESKTOP_FILE}
  -DMETAINFO_FILE=${PRICOTTA_METAINFO_FILE} -P ${CMAKE_SOURCE_DIR}/cmake/check_desktop_files.cmake)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
  set_tests_properties(desktop_files PROPERTIES DISABLED TRUE)
endif()
# The companion's manual page renders without a warning.
find_program(GROFF groff)
if(GROFF)
  add_test(NAME cli_manual_page COMMAND ${GROFF} -man -Tutf8 -ww -z ${CMAKE_SOURCE_DIR}/resources/cli/pricotta-cli.1)
  set_tests_properties(cli_manual_page PROPERTIES FAIL_REGULAR_EXPRESSION "warning|error")
endif()
# An installed tree holds every file where the installed program looks for it.
add_test(NAME install_tree COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
  -DSTAGE=${CMAKE_BINARY_DIR}/install-test -DBINDIR=${CMAKE_INSTALL_BINDIR}
  -DDATADIR=${CMAKE_INSTALL_DATADIR} -DDATA_FROM_BIN=${PRICOTTA_DATA_FROM_BIN}
  -DLIBRARY_FROM_BIN=${PRICOTTA_LIBRARY_FROM_BIN} -DDESKTOP_ID=${PRICOTTA_DESKTOP_ID}
  -DMETAINFO_ID=${PRICOTTA_METAINFO_ID} -DVERSION=${PROJECT_VERSION} -DAPPSTREAMCLI=${APPSTREAMCLI}
  -P ${CMAKE_SOURCE_DIR}/cmake/check_install_tree.cmake)
