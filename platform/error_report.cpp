#include "platform/error_report.h"

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
