// Start-up failures are shown in a message box captioned "Error". The logic
// libraries report through this hook so they stay free of the platform layer;
// the program installs the real box, tests install a recorder.
#pragma once

using ErrorBoxFn = void (*)(const char* text, const char* caption);

void setErrorBoxHandler(ErrorBoxFn fn);
// Shows text in a box captioned "Error" (standard error when no handler is set).
void errorBox(const char* text);
