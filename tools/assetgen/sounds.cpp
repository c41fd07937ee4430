// The fifteen WAV files under Data/sound/, in the program's slot order.
#include <cstdio>

#include "tools/assetgen/generators.h"
#include "tools/assetgen/snd_effects.h"
#include "tools/assetgen/snd_wav_out.h"

namespace {

struct SoundFile {
    const char* name;
    Signal (*make)();
};

const SoundFile kSoundFiles[15] = {
    {"rafale.wav", makeJetEngineLoop},       // 0 engine, looping
    {"boom1.wav", makeCrashBoom},            // 1 fighter hits the ground
    {"ejectsnd1.wav", makeEjectionLong},     // 2 sequence, long lead-in
    {"zizi.wav", makeWhine},                 // 3 no event plays it
    {"ejecting.wav", makeEjectionShort},     // 4 sequence, short form
    {"wind.wav", makeWindLoop},              // 5 falling seat, looping
    {"chute_open.wav", makeParachuteOpening},  // 6
    {"canopy.wav", makeCanopyJettison},      // 7 no event plays it
    {"dog.wav", makeDogBarks},               // 8
    {"eject_r.wav", makeCatapultFiring},     // 9
    {"click.wav", makeMenuClick},            // 10
    {"fire.wav", makeFireLoop},              // 11 crash fire, looping
    {"w.wav", makeWhoosh},                   // 12 no event plays it
    {"gay.wav", makeJingle},                 // 13 no event plays it
    {"int.wav", makeClosingTune},            // 14 closing tune
};

}  // namespace

bool generateSounds(const std::string& dataDir) {
    bool ok = true;
    for (const SoundFile& f : kSoundFiles) {
        Signal s = f.make();
        ok = writeWav16Mono(dataDir + "/sound/" + f.name, s, kSoundRate) && ok;
    }
    return ok;
}
