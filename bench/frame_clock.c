/* Frame clock for the frame-time benchmark: preloaded into the unchanged
 * simulator, it notes the wall time and the process's processor time at every
 * buffer swap and, when the program ends, writes one line per frame to the
 * file named by VORIX_FRAME_LOG: "wall_ns cpu_ns" (CLOCK_REALTIME and
 * CLOCK_PROCESS_CPUTIME_ID). Nothing is allocated per frame. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#define FRAME_CAPACITY 400000

static long long wallNs[FRAME_CAPACITY];
static long long cpuNs[FRAME_CAPACITY];
static int frames;

static long long nowNs(clockid_t clock) {
    struct timespec t;
    clock_gettime(clock, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

void SDL_GL_SwapWindow(void* window) {
    static void (*real)(void*);
    if (!real) real = (void (*)(void*))dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    if (real) real(window);
    if (frames < FRAME_CAPACITY) {
        wallNs[frames] = nowNs(CLOCK_REALTIME);
        cpuNs[frames] = nowNs(CLOCK_PROCESS_CPUTIME_ID);
        ++frames;
    }
}

__attribute__((destructor)) static void writeFrameLog(void) {
    const char* path = getenv("VORIX_FRAME_LOG");
    if (!path) return;
    FILE* f = fopen(path, "w");
    if (!f) return;
    for (int i = 0; i < frames; ++i) fprintf(f, "%lld %lld\n", wallNs[i], cpuNs[i]);
    fclose(f);
}
