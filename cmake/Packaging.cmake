# Installation layout and the Debian package (on Windows: a self-contained folder and an installer).
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
  return()
endif()
include(GNUInstallDirs)

foreach(t varnix varnix-scan varnix-camsim)
  if(TARGET ${t})
    install(TARGETS ${t} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The program looks for its translations in ./Languages below the directory it is started from;
# the desktop entry starts it in ${datadir}/varnix, where they are installed.
install(DIRECTORY ${CMAKE_BINARY_DIR}/Languages DESTINATION ${CMAKE_INSTALL_DATADIR}/varnix
        FILES_MATCHING PATTERN "*.qm")
install(FILES ${PROJECT_SOURCE_DIR}/resources/varnix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/varnix.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/varnix.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME com.halvorn.varnix.metainfo.xml)

# Manual pages and the changelog are installed compressed, as Debian's tools expect; -n keeps the
# archive free of the build time.
find_program(GZIP gzip REQUIRED)
set(_pkg_src ${PROJECT_SOURCE_DIR}/resources)
set(_pkg_out ${CMAKE_BINARY_DIR}/pkgdoc)
configure_file(${_pkg_src}/debian/changelog.in ${_pkg_out}/changelog @ONLY)
set(_pkg_gz ${_pkg_out}/changelog.gz)
add_custom_command(OUTPUT ${_pkg_out}/changelog.gz COMMAND ${GZIP} -9nf -k ${_pkg_out}/changelog
                   DEPENDS ${_pkg_out}/changelog VERBATIM)
foreach(page varnix varnix-scan varnix-camsim)
  add_custom_command(OUTPUT ${_pkg_out}/${page}.1.gz
                     COMMAND ${GZIP} -9n -c ${_pkg_src}/man/${page}.1 > ${_pkg_out}/${page}.1.gz
                     DEPENDS ${_pkg_src}/man/${page}.1)
  list(APPEND _pkg_gz ${_pkg_out}/${page}.1.gz)
  install(FILES ${_pkg_out}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(varnix-pkgdoc ALL DEPENDS ${_pkg_gz})

# The camera watch as a service, one instance per adapter; installed, never enabled.
set(VARNIX_SYSTEMD_UNIT_DIR /lib/systemd/system CACHE PATH "Where the systemd unit of the watch is installed")
install(FILES ${_pkg_src}/varnix-watch@.service DESTINATION ${VARNIX_SYSTEMD_UNIT_DIR})
install(FILES ${_pkg_out}/changelog.gz ${_pkg_src}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnix)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnix)
set(CPACK_PACKAGE_VENDOR "Halvorn")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finds and checks the high-speed cameras on a workstation's Ethernet adapters")
set(CPACK_PACKAGE_CONTACT "Varnix developers <varnix@halvorn.example>")
# The summary above is the first line of the Description field; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Varnix broadcasts discovery requests on the Ethernet adapters and lists
every camera that answers, with its name, model, address, link speed and
live operating state. It warns when the camera network is set up badly:
duplicate IP addresses, MAC addresses or serial numbers, or an adapter MTU
that does not fit the cameras' datagram size. It gives cameras new addresses
and lists their stored clips.
.
The package holds the program, the command-line scanner varnix-scan, the
camera simulator varnix-camsim for test networks and the service
varnix-watch@ADAPTER, which keeps the cameras' health in a file for the
Prometheus node exporter (not enabled by default).")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
