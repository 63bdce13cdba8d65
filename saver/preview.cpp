#include "saver/preview.h"

// The preview arrives with the saver windows; until then the mode ends at once.
void Run_Preview() {}
