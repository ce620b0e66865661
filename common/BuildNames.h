/* The build constants that the C sources (the simulated controller), the
 * setup package and the scripts share with the programs: the driver's name,
 * the keys and values the installation writes, the hardware id and the
 * version. Plain preprocessor text, so that a kernel source can make wide
 * strings of it and the build can turn it into NSIS and shell definitions.
 * The same switch as basVersion.h: TS_BUILD_PS2 0 (serial) or 1 (PS/2). */
#ifndef TS_BUILD_NAMES_H
#define TS_BUILD_NAMES_H

#ifndef TS_BUILD_PS2
#error "TS_BUILD_PS2 must be defined to 0 (serial build) or 1 (PS/2 build)"
#endif

#if TS_BUILD_PS2
#define TS_BUILD_LETTER "P"
#define TS_BUILD_WORD "PS2"
#define TS_DRIVER_NAME "KVD2KPS2"
#define TS_PRODUCT_LABEL "TS-PS2"
/* The PS/2 driver installation replaces it with the detected device's id. */
#define TS_HARDWARE_ID "*PNP0F03"
#else
#define TS_BUILD_LETTER "C"
#define TS_BUILD_WORD "COM"
#define TS_DRIVER_NAME "KVD2KCOM"
#define TS_PRODUCT_LABEL "TS-COM"
#define TS_HARDWARE_ID "*ZKT0001"
#endif

#define TS_PUBLISHER "Orvalith"
#define TS_PRODUCT_VERSION "7.0"
#define TS_FILE_VERSION "7.0.0.4"
#define TS_VERSION_TEXT TS_PRODUCT_VERSION "." TS_BUILD_WORD

/* The settings key under HKEY_LOCAL_MACHINE is TS_SETTINGS_ROOT "\\"
 * TS_SETTINGS_VENDOR_PATH "\\" TS_PRODUCT_LABEL; 32-bit programs on a 64-bit
 * system see it below TS_SETTINGS_ROOT "\\Wow6432Node". */
#define TS_SETTINGS_ROOT "SOFTWARE"
#define TS_SETTINGS_VENDOR_PATH TS_PUBLISHER "\\TouchScreen"

/* HKEY_LOCAL_MACHINE: the logon start of the startup agent and the entry of
 * Add or Remove Programs, both written by setup. */
#define TS_RUN_KEY "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"
#define TS_RUN_VALUE "TouchScreen Startup " TS_PRODUCT_LABEL
#define TS_UNINSTALL_KEY                                                                           \
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TouchScreen " TS_PRODUCT_LABEL

#endif
