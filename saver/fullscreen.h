#pragma once

// Full-screen mode: starts the scene engine and stays until its window leaves the foreground.
void Run_FullScreen();
