#include "platform/error_report.h"

#include <cstdarg>
#include <cstdio>

static ErrorBoxFn errorBoxHandler = nullptr;

void setErrorBoxHandler(ErrorBoxFn fn) { errorBoxHandler = fn; }

void errorBox(const char* text) {
    if (errorBoxHandler) {
        errorBoxHandler(text ? text : "", "Error");
    } else {
        std::fprintf(stderr, "Error: %s\n", text ? text : "");
    }
}

void setLoadError(LoadError* error, const char* format, ...) {
    if (!error) return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(error->text, sizeof error->text, format, args);
    va_end(args);
}
