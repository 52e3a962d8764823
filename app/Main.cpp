// The program's entry point.
#include "app/DaysOffForm.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) { return jorv::app::RunProgram(); }
