# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads, which the Qt for Windows in
# ../shared/toolchains is built with; the plain compiler names are the win32-thread variant).
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DCMAKE_PREFIX_PATH=/path/to/qt5-mingw
# scripts/windows-build does all of it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VARNIX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNIX_MINGW_TRIPLET}-windres)

# Libraries and headers only from the mingw sysroot and the Qt for Windows; programs (moc, rcc, uic,
# lrelease) from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VARNIX_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Linguist is not part of the Qt for Windows; the host's lrelease compiles the translations.
if(NOT Qt5LinguistTools_DIR AND EXISTS /usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools)
  set(Qt5LinguistTools_DIR /usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools CACHE PATH "host Linguist tools")
endif()

