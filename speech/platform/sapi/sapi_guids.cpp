// The SAPI class and interface ids, defined once for the whole program: mingw's
// sapi.h only declares them.
#include <initguid.h>
#include <windows.h>

#include <sapi.h>
