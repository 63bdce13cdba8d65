#include "dialog/configuration.h"

// The settings dialog arrives with its own work; until then the mode ends at once.
void Run_Configuration() {}
