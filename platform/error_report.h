// Failures the user must hear about reach a box captioned "Error" through one
// plain function that every layer may call. This file holds no windowing
// code: the program installs the platform's message box (platMessageBox) at
// start-up, tests install a recorder, and without either the text goes to
// standard error.
#pragma once

using ErrorBoxFn = void (*)(const char* text, const char* caption);

void setErrorBoxHandler(ErrorBoxFn fn);
// Shows text in a box captioned "Error" (standard error when no handler is set).
void errorBox(const char* text);
