// Carrying out what the keyboard and mouse commands ask beyond the records:
// the projection, a run's start, the seat-back frame, the reload, the quit.
#pragma once

// InputEffect bits, in a fixed order: quit, projection, run start, seat-back
// frame, reload, buildings, lights.
void carryOutInputEffects(unsigned effects);

// Starts an ejection run: the reset scene drawn once, then the whole run
// computed and played.
void startRun();
