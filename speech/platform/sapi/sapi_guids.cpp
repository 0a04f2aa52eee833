// The SAPI class and interface ids, defined once for the whole program: mingw's
// sapi.h only declares them.
#include <windows.h>

#include <initguid.h>

#include <sapi.h>
