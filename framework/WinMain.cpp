#include "App.h"

// The program's entry: everything happens in the application object.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int show) {
    return AfxWinMain(instance, commandLine, show);
}
