#include "tests/model/model_text.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/error_report.h"

int ErrorBoxRecorder::count = 0;
std::string ErrorBoxRecorder::last;

namespace {
void record(const char* text, const char*) {
    ++ErrorBoxRecorder::count;
    ErrorBoxRecorder::last = text;
}
} // namespace

ErrorBoxRecorder::ErrorBoxRecorder() {
    count = 0;
    last.clear();
    setErrorBoxHandler(record);
}

ErrorBoxRecorder::~ErrorBoxRecorder() { setErrorBoxHandler(nullptr); }

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
    bool ok = loadPolyModel(path.c_str(), model);
    std::remove(path.c_str());
    return ok;
}

SlotRange rangeOf(const PolyModel& model, int part) {
    SlotRange r;
    if (!partSlotRange(model, part, &r.first, &r.last)) r = SlotRange();
    return r;
}
