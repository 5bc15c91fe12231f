# The Windows folder: the programs with the Qt and run-time DLLs beside them, the platform plugin in
# platforms/ and the translations in Languages/ (the program looks for them below its working
# directory, which the Start-menu entry sets to the folder). `cmake --install` lays it out; CPack's
# NSIS generator wraps the same folder into an installer with a Start-menu entry and an uninstaller.
foreach(t varnix varnix-scan)
  if(TARGET ${t})
    install(TARGETS ${t} RUNTIME DESTINATION .)
  endif()
endforeach()

get_target_property(_varnix_qtcore Qt5::Core IMPORTED_LOCATION_RELEASE)
if(NOT _varnix_qtcore)
  get_target_property(_varnix_qtcore Qt5::Core LOCATION)
endif()
get_filename_component(_varnix_qtbin ${_varnix_qtcore} DIRECTORY)
get_filename_component(_varnix_qtroot ${_varnix_qtbin} DIRECTORY)
install(FILES
  ${_varnix_qtbin}/Qt5Core.dll ${_varnix_qtbin}/Qt5Gui.dll ${_varnix_qtbin}/Qt5Widgets.dll
  ${_varnix_qtbin}/Qt5Network.dll
  DESTINATION .)
install(FILES ${_varnix_qtroot}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${_varnix_qtroot}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles OPTIONAL)

# The compiler's run-time DLLs; the Qt for Windows carries copies of the ones it was built with.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  find_file(VARNIX_RUNTIME_${dll} ${dll}
    HINTS ${_varnix_qtbin} /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib
    NO_CMAKE_FIND_ROOT_PATH)
  if(NOT VARNIX_RUNTIME_${dll})
    message(FATAL_ERROR "Run-time DLL ${dll} not found")
  endif()
  install(FILES ${VARNIX_RUNTIME_${dll}} DESTINATION .)
endforeach()

install(DIRECTORY ${CMAKE_BINARY_DIR}/Languages DESTINATION . FILES_MATCHING PATTERN "*.qm")

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Varnix)
set(CPACK_PACKAGE_VENDOR "Halvorn")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Finds and checks the high-speed cameras on a workstation's Ethernet adapters")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Varnix)
set(CPACK_PACKAGE_FILE_NAME varnix-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_NSIS_DISPLAY_NAME Varnix)
set(CPACK_NSIS_PACKAGE_NAME Varnix)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer for a 64-bit program (it also runs where no 32-bit layer is installed).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/vx.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/vx.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME varnix.exe)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The shortcut starts the program in its own folder, where ./Languages is.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
  "SetOutPath '$INSTDIR'\n  CreateShortCut '$SMPROGRAMS\\\\$STARTMENU_FOLDER\\\\Varnix.lnk' '$INSTDIR\\\\varnix.exe'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\\\$START_MENU\\\\Varnix.lnk'")
# Inbound rules for both programs, removed again by the uninstaller (single quotes only: CPack passes
# these values on unescaped).
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
  "!include '${PROJECT_SOURCE_DIR}/cmake/firewall.nsh'\n  !insertmacro VarnixFirewallAdd")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
  "!include '${PROJECT_SOURCE_DIR}/cmake/firewall.nsh'\n  !insertmacro VarnixFirewallRemove")
include(CPack)
