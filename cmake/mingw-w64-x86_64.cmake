# Cross-compiling Rylmo and its tests for Windows with Debian's
# mingw-w64 (POSIX threads); CTest runs the programs under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# A Qt built for Windows is found through a root path given on the command line.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Debian's wine64 package puts its loader outside the PATH.
find_program(RYLMO_WINE NAMES wine wine64 PATHS /usr/lib/wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${RYLMO_WINE})
# Programs without Qt carry their runtime with them: nothing to copy beside them under wine.
# Qt's DLLs and the programs built on them share the compiler's runtime DLLs instead.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RYLMO_SHARED_RUNTIME)
if(NOT RYLMO_SHARED_RUNTIME)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()
