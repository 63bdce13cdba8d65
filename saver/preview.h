#pragma once

// Preview mode: paints a screenshot into the host window given on the command line.
void Run_Preview();
