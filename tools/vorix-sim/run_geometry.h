// The fighter geometry vorix-sim runs with: the shipped model's, read through
// the same model code the program uses, or the built-in cockpit placement.
#pragma once

#include <string>

struct Simulation;

struct GeometryChoice {
    bool useModel = true;
    std::string modelPath;   // empty: the shipped "Data/poly.txt"
    // The attitude was changed from the start-up one (HOME or an angle set):
    // the program then normalises it and re-poses the model. Left at start-up,
    // the model stays posed at the start-up angles (0, not the normalised 360)
    // until the run starts.
    bool attitudeChanged = false;
};

// What the run used, for the report.
struct GeometryUsed {
    bool fromModel = false;
    std::string modelPath;
};

// The shipped model: "Data/poly.txt" in the working directory as the program
// reads it, else beside the executable (a build folder run from elsewhere).
std::string shippedModelPath();

// Fills sim's geometry from the model posed at the fighter's attitude as the
// program holds it when the run is triggered (normalised first when it was
// changed). With the built-in choice the geometry record keeps its defaults.
// False with a message when the model cannot be read or lacks the fighter,
// canopy or seat part.
bool prepareRunGeometry(Simulation& sim, const GeometryChoice& choice, GeometryUsed& used, std::string& error);
