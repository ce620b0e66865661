/* The build constants that the C sources (the simulated controller) share
 * with the programs: the driver's name and the settings key. Plain
 * preprocessor text, so that a kernel source can make wide strings of it.
 * The same switch as basVersion.h: TS_BUILD_PS2 0 (serial) or 1 (PS/2). */
#ifndef TS_BUILD_NAMES_H
#define TS_BUILD_NAMES_H

#ifndef TS_BUILD_PS2
#error "TS_BUILD_PS2 must be defined to 0 (serial build) or 1 (PS/2 build)"
#endif

#if TS_BUILD_PS2
#define TS_DRIVER_NAME "KVD2KPS2"
#define TS_PRODUCT_LABEL "TS-PS2"
#else
#define TS_DRIVER_NAME "KVD2KCOM"
#define TS_PRODUCT_LABEL "TS-COM"
#endif

/* The settings key under HKEY_LOCAL_MACHINE is TS_SETTINGS_ROOT "\\"
 * TS_SETTINGS_VENDOR_PATH "\\" TS_PRODUCT_LABEL; 32-bit programs on a 64-bit
 * system see it below TS_SETTINGS_ROOT "\\Wow6432Node". */
#define TS_SETTINGS_ROOT "SOFTWARE"
#define TS_SETTINGS_VENDOR_PATH "Orvalith\\TouchScreen"

#endif
