// A stand-in for the OpenGL entry points the model drawing uses. Linked in
// place of the GL library, it checks the one rule GL enforces on immediate
// mode: between glBegin and glEnd only vertex data may be given (vertex,
// colour, normal, texture coordinate). Anything else there is counted. It
// also folds every call and its arguments into one trace value.
#pragma once

struct GlRecord {
    int begins = 0;
    int ends = 0;
    int vertices = 0;
    int misplaced = 0;            // calls GL would reject inside a primitive
    const char* firstMisplaced = nullptr;
    bool inside = false;          // a glBegin is open
    unsigned frontFace = 0;       // last glFrontFace mode
    // Every call with its arguments folded in order (FNV-1a), so a drawing
    // can be compared bit for bit with one recorded before.
    unsigned long long trace = 1469598103934665603ull;
};

extern GlRecord glRecord;

void resetGlRecord();
