#pragma once

#include <cstddef>

// Every path the launcher handles lives in a zero-filled buffer of this many bytes, so a path holds
// at most PATH_BUFFER_SIZE - 1 characters.
constexpr std::size_t PATH_BUFFER_SIZE = 260;

// The separator between a directory and an entry name. Windows uses the backslash; the native
// build of the portable core uses the slash so that the same logic runs and is tested on Linux.
#ifdef _WIN32
constexpr char PATH_SEPARATOR = '\\';
#else
constexpr char PATH_SEPARATOR = '/';
#endif
