/* The UTF-8 file functions eSpeak NG is built with (see utf8_file_names.h). */
#include "utf8_file_names.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>

#undef fopen
#undef stat
#undef FindFirstFileA
#undef FindNextFileA

/* A wide copy of a UTF-8 text, or null (errno set) when it is not UTF-8 or
   memory runs out. The caller frees it. */
static wchar_t *WideFromUtf8(const char *utf8) {
  int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, NULL, 0);
  wchar_t *wide;
  if (length <= 0) {
    errno = ENOENT;
    return NULL;
  }
  wide = (wchar_t *)malloc(sizeof(wchar_t) * (size_t)length);
  if (!wide) {
    errno = ENOMEM;
    return NULL;
  }
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, wide, length);
  return wide;
}

FILE *vx_utf8_fopen(const char *path, const char *mode) {
  wchar_t wideMode[8];
  wchar_t *widePath;
  FILE *file;
  size_t i;
  for (i = 0; mode[i] && i + 1 < sizeof wideMode / sizeof wideMode[0]; ++i) wideMode[i] = (wchar_t)mode[i];
  wideMode[i] = 0;
  widePath = WideFromUtf8(path);
  if (!widePath) return NULL;
  file = _wfopen(widePath, wideMode);
  free(widePath);
  return file;
}

int vx_utf8_stat(const char *path, struct stat *status) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  wchar_t *widePath = WideFromUtf8(path);
  BOOL found;
  if (!widePath) return -1;
  found = GetFileAttributesExW(widePath, GetFileExInfoStandard, &data);
  free(widePath);
  if (!found) {
    errno = ENOENT;
    return -1;
  }
  memset(status, 0, sizeof *status);
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    status->st_mode = _S_IFDIR;
  } else {
    status->st_mode = _S_IFREG;
    status->st_size = (data.nFileSizeHigh || data.nFileSizeLow > 0x7FFFFFFF) ? 0x7FFFFFFF : data.nFileSizeLow;
  }
  return 0;
}

/* The ANSI record with its names in UTF-8. A name longer than the record holds
   comes out empty, which eSpeak skips like any name it cannot use. */
static void NarrowFindData(const WIN32_FIND_DATAW *wide, WIN32_FIND_DATAA *narrow) {
  narrow->dwFileAttributes = wide->dwFileAttributes;
  narrow->ftCreationTime = wide->ftCreationTime;
  narrow->ftLastAccessTime = wide->ftLastAccessTime;
  narrow->ftLastWriteTime = wide->ftLastWriteTime;
  narrow->nFileSizeHigh = wide->nFileSizeHigh;
  narrow->nFileSizeLow = wide->nFileSizeLow;
  narrow->dwReserved0 = wide->dwReserved0;
  narrow->dwReserved1 = wide->dwReserved1;
  if (!WideCharToMultiByte(CP_UTF8, 0, wide->cFileName, -1, narrow->cFileName, sizeof narrow->cFileName, NULL, NULL)) {
    narrow->cFileName[0] = 0;
  }
  if (!WideCharToMultiByte(CP_UTF8, 0, wide->cAlternateFileName, -1, narrow->cAlternateFileName,
                           sizeof narrow->cAlternateFileName, NULL, NULL)) {
    narrow->cAlternateFileName[0] = 0;
  }
}

HANDLE vx_utf8_FindFirstFile(const char *pattern, WIN32_FIND_DATAA *found) {
  WIN32_FIND_DATAW wide;
  wchar_t *widePattern = WideFromUtf8(pattern);
  HANDLE search;
  if (!widePattern) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  search = FindFirstFileW(widePattern, &wide);
  free(widePattern);
  if (search != INVALID_HANDLE_VALUE) NarrowFindData(&wide, found);
  return search;
}

BOOL vx_utf8_FindNextFile(HANDLE search, WIN32_FIND_DATAA *found) {
  WIN32_FIND_DATAW wide;
  if (!FindNextFileW(search, &wide)) return FALSE;
  NarrowFindData(&wide, found);
  return TRUE;
}
