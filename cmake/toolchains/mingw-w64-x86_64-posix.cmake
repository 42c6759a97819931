# Debian's MinGW-w64 for 64-bit Windows, in its posix-threads variant: the win32 variant lacks
# std::thread and std::mutex, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KVL_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KVL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KVL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KVL_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KVL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs run under Wine without the compiler's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
