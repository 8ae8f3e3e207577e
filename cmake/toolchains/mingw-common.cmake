# Shared part of the two MinGW-w64 toolchains; MINGW_TRIPLE is set by the including file.
# The posix thread model gives the C++ library its threads (GoogleTest needs std::mutex); with the
# static link below, winpthread is linked in and no DLL is needed beside the programs.
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
# liblzma cross-built by scripts/bootstrap.sh lives in the build tree.
get_filename_component(_project_root ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
list(APPEND CMAKE_FIND_ROOT_PATH ${_project_root}/build/deps/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Everything links the runtime statically: the programs import system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
