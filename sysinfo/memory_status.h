#pragma once

#include "sysinfo/probe_figures.h"

// Memory load in percent and total physical memory in millions of bytes. Counts memory beyond
// 4 GB where the system can tell it.
Ram_Figures Read_RAM_Figures();
