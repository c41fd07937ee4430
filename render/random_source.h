// The random draws of the scene (hills, trees, buildings, flicker, fire size,
// the dog): the runtime's generator in the program, a fixed sequence in tests.
#pragma once

#include <cstdlib>

struct RandomSource {
    virtual ~RandomSource() = default;
    // A whole number from 0 to 32767.
    virtual int next() = 0;
};

// The C runtime generator, seeded once at start-up, kept to 0..32767.
struct RuntimeRandom : RandomSource {
    int next() override { return std::rand() % 32768; }
};

extern RuntimeRandom runtimeRandom;
