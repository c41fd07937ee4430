// Static sound buffers over OpenAL: one source per buffer, whole samples held in
// the device, volume as an attenuation in hundredths of a decibel.
#include <AL/al.h>
#include <AL/alc.h>

#include <cmath>

#include "platform/platform.h"

namespace {

constexpr int kMaxSoundBuffers = 32;

struct SoundDeviceState {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    ALuint buffers[kMaxSoundBuffers] = {};
    ALuint sources[kMaxSoundBuffers] = {};
    bool used[kMaxSoundBuffers] = {};
};

SoundDeviceState snd;

bool validHandle(PlatSoundBuffer h) { return h >= 1 && h <= kMaxSoundBuffers && snd.used[h - 1]; }

}  // namespace

bool platSoundOpen() {
    if (snd.context) return true;
    snd.device = alcOpenDevice(nullptr);
    if (!snd.device) return false;
    snd.context = alcCreateContext(snd.device, nullptr);
    if (!snd.context || !alcMakeContextCurrent(snd.context)) {
        if (snd.context) alcDestroyContext(snd.context);
        alcCloseDevice(snd.device);
        snd.context = nullptr;
        snd.device = nullptr;
        return false;
    }
    return true;
}

void platSoundClose() {
    for (int i = 1; i <= kMaxSoundBuffers; ++i) platSoundReleaseBuffer(i);
    if (snd.context) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(snd.context);
    }
    if (snd.device) alcCloseDevice(snd.device);
    snd.context = nullptr;
    snd.device = nullptr;
}

PlatSoundBuffer platSoundCreateBuffer(int channels, int sampleRate, int bitsPerSample,
                                      const void* samples, size_t bytes) {
    if (!snd.context || !samples || bytes == 0 || sampleRate <= 0) return 0;
    ALenum format;
    if (channels == 1 && bitsPerSample == 8) format = AL_FORMAT_MONO8;
    else if (channels == 1 && bitsPerSample == 16) format = AL_FORMAT_MONO16;
    else if (channels == 2 && bitsPerSample == 8) format = AL_FORMAT_STEREO8;
    else if (channels == 2 && bitsPerSample == 16) format = AL_FORMAT_STEREO16;
    else return 0;
    size_t frame = (size_t)channels * (size_t)(bitsPerSample / 8);
    bytes -= bytes % frame;  // the device takes whole sample frames only
    if (bytes == 0 || bytes > 0x7FFFFFFF) return 0;
    int slot = -1;
    for (int i = 0; i < kMaxSoundBuffers; ++i) {
        if (!snd.used[i]) { slot = i; break; }
    }
    if (slot < 0) return 0;
    alGetError();
    alGenBuffers(1, &snd.buffers[slot]);
    alBufferData(snd.buffers[slot], format, samples, (ALsizei)bytes, sampleRate);
    alGenSources(1, &snd.sources[slot]);
    alSourcei(snd.sources[slot], AL_BUFFER, (ALint)snd.buffers[slot]);
    alSourcei(snd.sources[slot], AL_SOURCE_RELATIVE, AL_TRUE);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteSources(1, &snd.sources[slot]);
        alDeleteBuffers(1, &snd.buffers[slot]);
        return 0;
    }
    snd.used[slot] = true;
    return slot + 1;
}

void platSoundReleaseBuffer(PlatSoundBuffer h) {
    if (!validHandle(h)) return;
    int i = h - 1;
    alSourceStop(snd.sources[i]);
    alDeleteSources(1, &snd.sources[i]);
    alDeleteBuffers(1, &snd.buffers[i]);
    snd.used[i] = false;
}

void platSoundPlay(PlatSoundBuffer h, bool looping) {
    if (!validHandle(h)) return;
    ALuint s = snd.sources[h - 1];
    alSourcei(s, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
    ALint state = 0;
    alGetSourcei(s, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) alSourcePlay(s);  // a playing buffer just goes on
}

void platSoundStop(PlatSoundBuffer h) {
    if (validHandle(h)) alSourcePause(snd.sources[h - 1]);  // keeps its position
}

void platSoundRewind(PlatSoundBuffer h) {
    // The offset, not alSourceRewind: a playing buffer goes on from its start
    // instead of stopping.
    if (validHandle(h)) alSourcei(snd.sources[h - 1], AL_SAMPLE_OFFSET, 0);
}

bool platSoundIsPlaying(PlatSoundBuffer h) {
    if (!validHandle(h)) return false;
    ALint state = 0;
    alGetSourcei(snd.sources[h - 1], AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

bool platSoundSetVolume(PlatSoundBuffer h, int hundredthsDb) {
    if (!validHandle(h)) return false;
    if (hundredthsDb > 0) hundredthsDb = 0;
    if (hundredthsDb < -10000) hundredthsDb = -10000;
    float gain = hundredthsDb <= -10000 ? 0.0f : (float)std::pow(10.0, hundredthsDb / 2000.0);
    alSourcef(snd.sources[h - 1], AL_GAIN, gain);
    return true;
}
