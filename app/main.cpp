#include <windows.h>

#include "app/reader_program.h"
#include "runtime/app_object.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return vx::RunProgram(voxlet::ReaderHeader(), voxlet::ReaderEntry);
}
