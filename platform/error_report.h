// Failures the user must hear about reach a box captioned "Error" through one
// plain function. This file holds no windowing code: the program installs
// the platform's message box (platMessageBox) at start-up, tests install a
// recorder, and without either the text goes to standard error.
//
// Readers of files (images, the polygon model) show nothing themselves: they
// return their failure in a LoadError, and the caller that may show a box
// (the program's loading, the reload key, the texture sets) passes it on.
#pragma once

#include <cstddef>

using ErrorBoxFn = void (*)(const char* text, const char* caption);

void setErrorBoxHandler(ErrorBoxFn fn);
// Shows text in a box captioned "Error" (standard error when no handler is set).
void errorBox(const char* text);

// A reader's failure in the words its box shows.
constexpr size_t kLoadErrorChars = 1400;
struct LoadError {
    char text[kLoadErrorChars] = {};  // "" while nothing failed
};

// Sets the error's text, cut to fit; nothing when error is nullptr.
[[gnu::format(printf, 2, 3)]] void setLoadError(LoadError* error, const char* format, ...);
