// Ctrl-C (SIGINT) and SIGTERM while a sweep runs: the first one asks the
// sweep to stop after the runs under way, so that the rows done so far are
// written and kept; a second one ends the process at once, as usual.
#pragma once

// Installs the handlers; a signal that was ignored when the tool started
// (nohup, a background job of a script) stays ignored.
void catchInterrupts();

// The signal that asked to stop, or 0.
int interruptSignal();

// What the handler does, for tests; 0 clears the request.
void requestInterrupt(int signal);
