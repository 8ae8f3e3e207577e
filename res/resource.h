#pragma once

// Resource identifiers of the launcher executable.
#define IDI_LAUNCHER 101
#define IDR_PACKAGE 105
#define IDB_SPLASH 106
