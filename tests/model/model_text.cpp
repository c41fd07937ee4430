#include "tests/model/model_text.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/error_report.h"

int LoadErrorRecorder::count = 0;
std::string LoadErrorRecorder::last;
int LoadErrorRecorder::boxesShown = 0;

namespace {
void countBox(const char*, const char*) { ++LoadErrorRecorder::boxesShown; }

void keep(const LoadError& error) {
    if (!error.text[0]) return;
    ++LoadErrorRecorder::count;
    LoadErrorRecorder::last = error.text;
}
} // namespace

LoadErrorRecorder::LoadErrorRecorder() {
    count = 0;
    boxesShown = 0;
    last.clear();
    setErrorBoxHandler(countBox);
}

LoadErrorRecorder::~LoadErrorRecorder() { setErrorBoxHandler(nullptr); }

bool loadModelFile(const std::string& path, PolyModel& model) {
    LoadError error;
    const bool ok = loadPolyModel(path.c_str(), model, &error);
    keep(error);
    return ok;
}

std::string writeModelText(const std::string& text) {
    char path[] = "/tmp/vorix_model_test_XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) return "";
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0) break;
        done += (size_t)n;
    }
    close(fd);
    return path;
}

bool loadModelText(const std::string& text, PolyModel& model) {
    std::string path = writeModelText(text);
    bool ok = loadModelFile(path, model);
    std::remove(path.c_str());
    return ok;
}

SlotRange rangeOf(const PolyModel& model, int part) {
    SlotRange r;
    if (!partSlotRange(model, part, &r.first, &r.last)) r = SlotRange();
    return r;
}
