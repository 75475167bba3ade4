# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. The -posix
# compilers, because GCC 12's std::thread needs their threading model.
# Libraries built for Windows (Qt, libjpeg) are named by CMAKE_PREFIX_PATH,
# never here, so that one toolchain serves every build of them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

# Headers, libraries and packages come from the MinGW root and the prefixes
# given; programs (moc, rcc, wine) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
