/* eSpeak NG opens its data with the ANSI file functions, which cannot name a
   folder outside the system's code page (a Chinese folder on a Western Windows, or
   any name the code page lacks). scripts/install-deps.sh compiles eSpeak with this
   header forced in front of every source and adds utf8_file_names.c to its
   library, so eSpeak's paths are UTF-8 and reach the wide functions.

   The system headers come first: the macros below must not rename their
   declarations, and their include guards keep eSpeak's own includes from
   reading them again. */
#ifndef VX_ESPEAK_UTF8_FILE_NAMES_H
#define VX_ESPEAK_UTF8_FILE_NAMES_H

#include <stdio.h>
#include <sys/stat.h>
#include <windows.h>

FILE *vx_utf8_fopen(const char *path, const char *mode);
/* Fills st_mode (directory or regular file) and st_size only: eSpeak reads no more. */
int vx_utf8_stat(const char *path, struct stat *status);
HANDLE vx_utf8_FindFirstFile(const char *pattern, WIN32_FIND_DATAA *found);
BOOL vx_utf8_FindNextFile(HANDLE search, WIN32_FIND_DATAA *found);

#define fopen(path, mode) vx_utf8_fopen(path, mode)
#define stat(path, status) vx_utf8_stat(path, status)
#define FindFirstFileA(pattern, found) vx_utf8_FindFirstFile(pattern, found)
#define FindNextFileA(search, found) vx_utf8_FindNextFile(search, found)

#endif
