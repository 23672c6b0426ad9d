#pragma once

// Chooses how pages reach the screen. Must run before the toolkit application is made.
void chooseEngineRendering();
