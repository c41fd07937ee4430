#include "sound/sound_events.h"

#include "sound/sound_rules.h"
#include "sound/sound_slots.h"

SoundRunFlags soundRun;

namespace {

void playAt(int slot, int percent) {
    soundSlots[slot].volumePercent = percent;
    setVolume(slot);
    playSoundOnce(slot);
}

}  // namespace

void playClickSound() {
    if (soundOn) playSoundOnce(kSoundClick);
}

void soundRunStarted() {
    if (soundOn) playSoundLooping(kSoundEngine);
}

void soundRunReset() {
    soundRun = SoundRunFlags();
    if (!soundOn) return;
    stopSound(kSoundEngine);
    stopSound(kSoundEjectLong);
    stopSound(kSoundWind);
    stopSound(kSoundFire);
}

void updateEngineSound(float fighterSpeedMs, float eyeToFighterM) {
    if (!soundOn) return;
    soundSlots[kSoundEngine].volumePercent = engineVolumePercent(fighterSpeedMs, eyeToFighterM);
    setVolume(kSoundEngine);
}

void updateEjectionSound(double flightTimeS, double countdownS, double canopyDelayS,
                         float catapultPhaseTimeS) {
    if (!soundOn || soundRun.ejectionSoundPlayed) return;
    EjectionSoundCue cue = ejectionSoundCue(countdownS, canopyDelayS, catapultPhaseTimeS);
    if (flightTimeS < cue.startFlightTimeS) return;
    soundRun.ejectionSoundPlayed = true;
    soundSlots[cue.slot].volumePercent = 100;
    setVolume(cue.slot);
    if (cue.rewind) rewindSound(cue.slot);
    playSoundOnce(cue.slot);
}

void updateCatapultSound(double flightTimeS, double countdownS, double canopyDelayS,
                         float catapultPhaseTimeS, float eyeToSeatM) {
    if (!soundOn || soundRun.catapultPlayed) return;
    // Measured from the seat's firing without the clamp at 0, so a very short
    // stroke does not sound during the count-down.
    double seatTimeS = flightTimeS - (countdownS + canopyDelayS);
    if (seatTimeS < catapultSoundSeatTime(catapultPhaseTimeS)) return;
    soundRun.catapultPlayed = true;
    playAt(kSoundCatapult, catapultVolumePercent(eyeToSeatM));
}

void playChuteOpening(float eyeToChuteM) {
    if (soundOn) playAt(kSoundChuteOpen, chuteVolumePercent(eyeToChuteM));
}

void playWindSound(bool pilotLanded) {
    // The landing stop would otherwise be undone by the next frame of this view.
    if (!soundOn || pilotLanded) return;
    soundSlots[kSoundWind].volumePercent = 90;
    setVolume(kSoundWind);
    playSoundLooping(kSoundWind);  // a playing buffer just goes on
}

void stopWindSound() {
    if (soundOn) stopSound(kSoundWind);
}

void fighterCrashedSound() {
    if (!soundOn) return;
    playSoundOnce(kSoundCrash);
    playSoundLooping(kSoundFire);
    stopSound(kSoundEngine);
    stopSound(kSoundEjectLong);
}

void updateCrashSounds(float eyeToCrashM) {
    if (!soundOn) return;
    soundSlots[kSoundCrash].volumePercent = crashVolumePercent(eyeToCrashM);
    setVolume(kSoundCrash);
    soundSlots[kSoundFire].volumePercent = fireVolumePercent(eyeToCrashM);
    setVolume(kSoundFire);
}

void soundsForMovedClock(const MovedClockSounds& m) {
    const EjectionSoundCue cue = ejectionSoundCue(m.countdownS, m.canopyDelayS, m.catapultPhaseTimeS);
    const double seatTimeS = m.flightTimeS - (m.countdownS + m.canopyDelayS);
    soundRun.ejectionSoundPlayed = m.flightTimeS >= cue.startFlightTimeS;
    soundRun.catapultPlayed = seatTimeS >= catapultSoundSeatTime(m.catapultPhaseTimeS);
    if (!soundOn) return;
    auto silence = [](int slot) {
        stopSound(slot);
        rewindSound(slot);
    };
    if (m.back) {
        if (!soundRun.ejectionSoundPlayed) silence(cue.slot);
        if (!soundRun.catapultPlayed) silence(kSoundCatapult);
        if (!m.chuteOpeningPassed) silence(kSoundChuteOpen);
    }
    if (m.landed || seatTimeS <= m.catapultPhaseTimeS) stopSound(kSoundWind);
    if (m.crashed && !m.wasCrashed) {
        playSoundLooping(kSoundFire);
        stopSound(kSoundEngine);
        stopSound(kSoundEjectLong);
    } else if (!m.crashed && m.wasCrashed) {
        silence(kSoundCrash);
        stopSound(kSoundFire);
        playSoundLooping(kSoundEngine);
    }
}

void playDogBark() {
    if (soundOn) playSoundOnce(kSoundDog);
}

void startClosingTune() {
    if (!soundOn) return;
    soundSlots[kSoundClosingTune].volumePercent = 0;
    setVolume(kSoundClosingTune);
    playSoundOnce(kSoundClosingTune);
}

void holdClosingTuneVolume() {
    if (!soundOn) return;
    soundSlots[kSoundClosingTune].volumePercent = 80;
    setVolume(kSoundClosingTune);
}
