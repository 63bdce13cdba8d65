#pragma once

// Configuration mode: the settings dialog, until the user leaves it.
void Run_Configuration();
