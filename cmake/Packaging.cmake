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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnix)
set(CPACK_PACKAGE_VENDOR "Halvorn")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finds and checks the high-speed cameras on a workstation's Ethernet adapters")
set(CPACK_PACKAGE_CONTACT "Varnix developers <varnix@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
