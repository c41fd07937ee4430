// The fighter geometry vorix-sim runs with: the shipped model's, read through
// the same model code the program uses, or the built-in cockpit placement.
#pragma once

#include <string>

struct PolyModel;
struct Simulation;

struct GeometryChoice {
    bool useModel = true;
    std::string modelPath;   // empty: the shipped "Data/poly.txt"
};

// What the runs use, for the report. model is null for the built-in geometry.
struct GeometryUsed {
    bool fromModel = false;
    std::string modelPath;
    const PolyModel* model = nullptr;
};

// The shipped model: "Data/poly.txt" in the working directory as the program
// reads it, else beside the executable (a build folder run from elsewhere).
std::string shippedModelPath();

// Loads the chosen model once (posed as at start-up). False with a message
// when it cannot be read or lacks the fighter, canopy or seat part.
bool loadRunModel(const GeometryChoice& choice, GeometryUsed& used, std::string& error);

// Fills sim's geometry from the model posed at the fighter's attitude as the
// program holds it when the run is triggered: a changed attitude (HOME or an
// angle set) is normalised first, as the program does before it re-poses the
// model; the start-up attitude is left as it is (0, not the normalised 360)
// until the run starts. Without a model the geometry keeps its defaults.
// Reads the model only, so runs on several threads may share it.
void applyRunGeometry(Simulation& sim, const GeometryUsed& used, bool attitudeChanged);
