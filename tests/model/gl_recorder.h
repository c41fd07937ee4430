// A stand-in for the OpenGL entry points the model drawing uses. Linked in
// place of the GL library, it checks the one rule GL enforces on immediate
// mode: between glBegin and glEnd only vertex data may be given (vertex,
// colour, normal, texture coordinate). Anything else there is counted.
#pragma once

struct GlRecord {
    int begins = 0;
    int ends = 0;
    int vertices = 0;
    int misplaced = 0;            // calls GL would reject inside a primitive
    const char* firstMisplaced = nullptr;
    bool inside = false;          // a glBegin is open
    unsigned frontFace = 0;       // last glFrontFace mode
};

extern GlRecord glRecord;

void resetGlRecord();
