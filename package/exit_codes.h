#pragma once

// The launcher's process exit codes. Success is 1, not 0; 0, 2, 3, 6 and 10 to 13 are never used.
constexpr int EXIT_OK = 1;
constexpr int EXIT_NO_TEMP_PATH = 4;
constexpr int EXIT_NO_TEMP_NAME = 5;
constexpr int EXIT_PACKAGE_WRITE = 7;
constexpr int EXIT_BUNDLE_OPEN = 8;
constexpr int EXIT_BUNDLE_MAGIC = 9;
constexpr int EXIT_ENTRY_CREATE = 14;
