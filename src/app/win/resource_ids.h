#pragma once

// Resource identifiers shared by the resource script and the program.
#define VORLAN_IDI_MAINICON 1
