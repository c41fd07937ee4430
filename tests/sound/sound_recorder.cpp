#include "sound_recorder.h"

#include "sound/sound_events.h"

SoundRecorder recorder;

namespace {

std::string line(const char* what, int buffer, const std::string& rest = "") {
    return std::string(what) + " " + std::to_string(buffer) + (rest.empty() ? "" : " " + rest);
}

bool open() {
    recorder.log.push_back("open");
    return recorder.deviceOpens;
}
void close() { recorder.log.push_back("close"); }
int create(int channels, int rate, int bits, const void*, size_t bytes) {
    int b = recorder.nextBuffer++;
    recorder.log.push_back(line("create", b, std::to_string(channels) + "x" + std::to_string(bits) + "@" +
                                                 std::to_string(rate) + " " + std::to_string(bytes)));
    return b;
}
void release(int b) { recorder.log.push_back(line("release", b)); }
void play(int b, bool looping) { recorder.log.push_back(line("play", b, looping ? "loop" : "once")); }
void stop(int b) { recorder.log.push_back(line("stop", b)); }
void rewind(int b) { recorder.log.push_back(line("rewind", b)); }
bool volume(int b, int db) {
    recorder.log.push_back(line("volume", b, std::to_string(db)));
    return true;
}

const SoundMixer recorderMixer = {open, close, create, release, play, stop, rewind, volume};

}  // namespace

void useRecorder() {
    for (SoundSlot& s : soundSlots) s = SoundSlot();
    recorder = SoundRecorder();
    useSoundMixer(&recorderMixer);
    soundOn = false;
    soundAvailable = false;
    soundRun = SoundRunFlags();
}

std::string playLine(int slot, bool looping) { return line("play", SoundRecorder::handle(slot), looping ? "loop" : "once"); }
std::string stopLine(int slot) { return line("stop", SoundRecorder::handle(slot)); }
std::string rewindLine(int slot) { return line("rewind", SoundRecorder::handle(slot)); }
std::string volumeLine(int slot, int db) {
    return line("volume", SoundRecorder::handle(slot), std::to_string(db));
}

void loadFakeSounds() {
    useRecorder();
    for (int slot = 0; slot < kSoundSlotCount; ++slot) {
        initSoundSlot(slot);
        soundSlots[slot].buffer = 100 + slot;
    }
    soundOn = true;
    soundAvailable = true;
    recorder.clear();
}
