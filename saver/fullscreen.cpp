#include "saver/fullscreen.h"

// The launcher arrives with the saver windows; until then the mode ends at once.
void Run_FullScreen() {}
