#include "Korvane7App.h"

// The one application object; wWinMain finds it through AfxGetApp.
CKorvane7App theApp;
