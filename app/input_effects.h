// Carrying out what the keyboard and mouse commands ask beyond the records:
// the quit, the projection, a run's start, the seat-back frame, the reload,
// the buildings, the lights and the ABOUT page's photographs. The commands
// below the shell only ask; these draw, load files or end the loop.
#pragma once

// InputEffect bits, in a fixed order: quit, projection, run start, seat-back
// frame, reload, buildings, lights, photographs.
void carryOutInputEffects(unsigned effects);

// Starts an ejection run: the reset scene drawn once, then the whole run
// computed and played.
void startRun();
