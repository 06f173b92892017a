// The program: one binary, two names ("tessaron" and "brenvik"); the name selects the mode.
#include "app/TessaronApp.h"

wxIMPLEMENT_APP(CTessaronApp);
