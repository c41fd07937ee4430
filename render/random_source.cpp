#include "render/random_source.h"

RuntimeRandom runtimeRandom;
