#include "render/poly_model.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "assets/text_file.h"
#include "platform/error_report.h"

PolyModel polyModel;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr float kColourScale = 0.003921568f;

// Numbers of the lines, kept between lines of the same family: a line with
// fewer numbers than its format asks keeps the previous values.
struct LineNumbers {
    float x = 0, y = 0, z = 0;    // every vertex line
    float texture = 0, flip = 0;  // "X"
    float colour[4] = {0, 0, 0, 0};
    float part[7] = {0, 0, 0, 0, 0, 0, 0};
    float cylinder[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    float ref[4] = {0, 0, 0, 0};
};

enum class LoadStop { Continue, Done, TooBig };

struct Loader {
    PolyModel& m;
    LineNumbers n;
    char reason[160] = {0};

    int twoLetterCode(const char* line) const {
        static const struct { const char* tag; int code; } kinds[] = {
            {"BT", kindCylinderOn}, {"OF", kindTextureOff}, {"TS", kindStripBegin},
            {"ED", kindStripEnd},   {"EC", kindCullOn},     {"DC", kindCullOff},
            {"CR", kindFrontCcw},   {"CL", kindFrontCw},
        };
        for (const auto& k : kinds)
            if (line[0] == k.tag[0] && line[1] == k.tag[1]) return k.code;
        return -1;
    }

    int takeSlot() {
        if (m.lastSlot >= kModelSlotCapacity) {
            std::snprintf(reason, sizeof reason,
                          "The model has more than %d slots and cannot be loaded.",
                          kModelSlotCapacity);
            return 0;
        }
        return ++m.lastSlot;
    }

    LoadStop commandSlot(int code) {
        int slot = takeSlot();
        if (!slot) return LoadStop::TooBig;
        m.slotKind[slot] = code;
        return LoadStop::Continue;
    }

    LoadStop cylinderLine(const char* numbers) {
        float* c = n.cylinder;
        std::sscanf(numbers, "%f %f %f %f %f %f %f %f", &c[0], &c[1], &c[2], &c[3], &c[4], &c[5],
                    &c[6], &c[7]);
        int slot = takeSlot();
        if (!slot) return LoadStop::TooBig;
        m.slotKind[slot] = kindCylinderOn;
        m.slotTexture[slot] = truncToInt(c[0]);
        CylinderTexGen& gen = m.cylinderTexGen;
        gen.active = true;
        gen.texture = truncToInt(c[0]);
        for (int i = 0; i < 6; ++i) gen.values[i] = c[2 + i];
        gen.mode = 1;
        return LoadStop::Continue;
    }

    LoadStop partLine(const char* numbers) {
        float* q = n.part;
        std::sscanf(numbers, "%f %f %f %f %f %f %f", &q[0], &q[1], &q[2], &q[3], &q[4], &q[5],
                    &q[6]);
        int part = m.partCount + 1;
        if (part > kModelPartCapacity) {
            std::snprintf(reason, sizeof reason,
                          "The model has more than %d parts and cannot be loaded.",
                          kModelPartCapacity);
            return LoadStop::TooBig;
        }
        m.partCount = part;
        float s = q[0];
        ModelPart& p = m.parts[part];
        p.scale = s;
        p.partPivot = Vec3(q[1] * s + q[4], q[2] * s + q[5], q[3] * s + q[6]);
        p.offset = Vec3(q[4], q[5], q[6]);
        p.firstSlot = (float)(m.lastSlot + 1);
        p.firstNormal = (float)(m.polygonCount + 1);
        // Provisional first slot of the following part, overwritten by its "Q".
        m.parts[part + 1].firstSlot = p.firstSlot + 1.0f;
        m.restPivot[part].scale = s;
        m.restPivot[part].pivot = p.partPivot;
        return LoadStop::Continue;
    }

    LoadStop vertexLine(int code, const char* numbers) {
        if (code == kindQuad)
            std::sscanf(numbers, " %f %f %f %f %f", &n.x, &n.y, &n.z, &n.texture, &n.flip);
        else
            std::sscanf(numbers, " %f %f %f ", &n.x, &n.y, &n.z);
        int slot = takeSlot();
        if (!slot) return LoadStop::TooBig;
        const ModelPart& p = m.parts[m.partCount];
        Vec3 pos(n.x * p.scale + p.offset.x, n.y * p.scale + p.offset.y,
                 n.z * p.scale + p.offset.z);
        m.slotKind[slot] = code;
        m.drawPos[slot] = pos;
        m.basePos[slot] = pos;
        m.restPos[slot] = pos;
        m.slotTexture[slot] = truncToInt(n.texture);
        m.slotFlip[slot] = truncToInt(n.flip);
        m.slotUV[slot] = m.cylinderTexGen.active
                             ? cylinderProject(m.cylinderTexGen, n.x, n.y, n.z)
                             : SlotUV();
        if (code == kindStartCw || code == kindStartCcw || code == kindQuad) ++m.polygonCount;
        return LoadStop::Continue;
    }

    LoadStop colourLine(const char* numbers) {
        float* c = n.colour;
        std::sscanf(numbers, "%f %f %f %f", &c[0], &c[1], &c[2], &c[3]);
        int slot = takeSlot();
        if (!slot) return LoadStop::TooBig;
        m.slotKind[slot] = kindColour;
        m.drawPos[slot] = Vec3(c[0] * kColourScale, c[1] * kColourScale, c[2] * kColourScale);
        m.slotAlpha[slot] = c[3];
        return LoadStop::Continue;
    }

    LoadStop refLine(const char* numbers) {
        float* r = n.ref;
        std::sscanf(numbers, "%f %f %f %f", &r[0], &r[1], &r[2], &r[3]);
        if (m.refPointCount >= kModelRefPointCapacity) {
            std::snprintf(reason, sizeof reason,
                          "The model has more than %d reference points and cannot be loaded.",
                          kModelRefPointCapacity);
            return LoadStop::TooBig;
        }
        m.refPoints[++m.refPointCount] = Vec3(7 * r[0], 7 * r[1], 7 * r[2]);
        return LoadStop::Continue;
    }

    LoadStop line(const char* text) {
        if (text[0] == '/' || text[0] == '\n' || text[0] == '\0') return LoadStop::Continue;
        if (text[0] == 'x') return LoadStop::Done;
        int two = twoLetterCode(text);
        // The numbers start at the fourth character; a bare "BT" has none, and
        // reading from there would take the bytes left over past its end.
        if (two == kindCylinderOn) return cylinderLine(text[2] != '\0' ? text + 3 : "");
        if (two == kindTextureOff) m.cylinderTexGen.active = false;
        if (two >= 0) return commandSlot(two);
        if (text[1] != ' ') return LoadStop::Continue;
        const char* numbers = text + 2;
        switch (text[0]) {
        case 'Q': return partLine(numbers);
        case 'S': return vertexLine(kindStartCw, numbers);
        case 'R': return vertexLine(kindStartCcw, numbers);
        case 'X': return vertexLine(kindQuad, numbers);
        case '-': return vertexLine(kindCorner, numbers);
        case 'E': return vertexLine(kindEnd, numbers);
        case '.': return vertexLine(kindStripCorner, numbers);
        case 'T': return vertexLine(kindTriangle, numbers);
        case 'V': return vertexLine(kindMarker, numbers);
        case 'C': return colourLine(numbers);
        case 'v': return refLine(numbers);
        default: return LoadStop::Continue; // "N", "A", "B", "c", "f" and unknown lines
        }
    }
};

// Reads one line into buf (at most size - 1 characters). The rest of a line
// too long for the buffer is skipped, so it never turns into a line of its own.
bool readLine(std::FILE* f, char* buf, int size) {
    if (!std::fgets(buf, size, f)) return false;
    size_t len = std::strlen(buf);
    if (len == (size_t)size - 1 && buf[len - 1] != '\n') {
        int c;
        while ((c = std::fgetc(f)) != EOF && c != '\n') {
        }
    }
    return true;
}

} // namespace

int truncToInt(float value) {
    if (!(value == value)) return 0;
    if (value >= 2147483520.0f) return INT_MAX;
    if (value <= -2147483520.0f) return INT_MIN;
    return (int)value;
}

void clearPolyModel(PolyModel& model) {
    std::memset(static_cast<void*>(&model), 0, sizeof model);
}

bool loadPolyModel(const char* path, PolyModel& model, LoadError* error) {
    clearPolyModel(model);
    setLoadError(error, "%s", "");
    // Only a regular file of a sane size: a link to a device would never end.
    TextFileStatus status;
    std::FILE* f = openTextFile(path, status);
    if (!f) {
        if (status.missing) setLoadError(error, "%s\nThe model file cannot be opened.", path);
        else setLoadError(error, "%s\nThe model file cannot be read: %s.", path, status.why);
        return false;
    }
    Loader loader{model, {}, {0}};
    char buf[kModelLineBuffer];
    LoadStop stop = LoadStop::Continue;
    while (stop == LoadStop::Continue && readLine(f, buf, sizeof buf)) stop = loader.line(buf);
    if (!closeTextFile(f, status)) {
        setLoadError(error, "%s\nThe model file cannot be read: %s.", path, status.why);
        clearPolyModel(model);
        return false;
    }
    if (stop == LoadStop::TooBig) {
        setLoadError(error, "%s\n%s", path, loader.reason);
        clearPolyModel(model);
        return false;
    }
    computeModelNormals(model);
    return true;
}

bool partSlotRange(const PolyModel& m, int part, int* first, int* last) {
    if (part < 1 || part > m.partCount) return false;
    int from = (int)m.parts[part].firstSlot;
    // The last part runs to lastSlot; the others end one slot before the next
    // part's first slot. (The provisional first slot of the record after the
    // last part would also mark a one-slot part as running to lastSlot; asking
    // for the part number instead keeps a one-slot part to its own slot.)
    int to = part == m.partCount ? m.lastSlot : (int)m.parts[part + 1].firstSlot - 1;
    if (from < 1) from = 1;
    if (to > m.lastSlot) to = m.lastSlot;
    *first = from;
    *last = to;
    return from <= to;
}

Vec3 triangleNormal(const Vec3& p0, const Vec3& p1, const Vec3& p2) {
    Vec3 a = p0 - p1, b = p1 - p2;
    Vec3 n(-(a.y * b.z - a.z * b.y), -(a.z * b.x - a.x * b.z), -(a.x * b.y - a.y * b.x));
    float len = n.length();
    if (len == 0.0f) len = 1.0f;
    return Vec3(n.x / len, n.y / len, n.z / len);
}

namespace {

// Stores normals for the polygon-starting slots from..to into the table from
// index `index` on; returns the next free index.
int storeNormals(PolyModel& m, int from, int to, int index) {
    for (int i = from; i <= to; ++i) {
        int kind = m.slotKind[i];
        if (kind != kindStartCw && kind != kindQuad && kind != kindStartCcw) continue;
        if (index < 1 || index > kModelSlotCapacity) return index;
        Vec3 n = triangleNormal(m.drawPos[i], m.drawPos[i + 1], m.drawPos[i + 2]);
        if (kind == kindStartCcw) n = Vec3(-n.x, -n.y, -n.z);
        m.normals[index++] = n;
    }
    return index;
}

} // namespace

void computeModelNormals(PolyModel& m) {
    int next = storeNormals(m, 1, m.lastSlot, 1);
    m.normalCount = next - 1;
}

void recomputePartNormals(PolyModel& m, int part) {
    int first, last;
    if (!partSlotRange(m, part, &first, &last)) return;
    storeNormals(m, first, last, (int)m.parts[part].firstNormal);
}

float azimuthDeg(float x, float y) {
    double a = x == 0.0f ? 90.0 : std::atan(std::fabs((double)y) / std::fabs((double)x)) * 180.0 / kPi;
    bool xNeg = x < 1e-9f, yNeg = y < 1e-9f;
    double theta;
    if (xNeg && yNeg) theta = a + 270.0;
    else if (xNeg) theta = 270.0 - a;
    else if (!yNeg) theta = a + 90.0;
    else theta = 90.0 - a;
    return (float)theta;
}

SlotUV cylinderProject(const CylinderTexGen& gen, float x, float y, float z) {
    float theta = azimuthDeg(x, y);
    SlotUV uv;
    if (theta == 0.0f) uv.u = 0.5f;
    else if (theta == 360.0f) uv.u = 0.99999899f;
    else if (theta <= 180.0f) uv.u = 0.5f - theta / 360.0f;
    else uv.u = 1.0f - (theta - 180.0f) / 360.0f;
    float a5 = gen.values[4], a6 = gen.values[5];
    // A strip whose two heights coincide has no v extent; it gets v = 0
    // rather than a division by zero.
    uv.v = a5 == a6 ? 0.0f : (z - a5) / (a5 - a6);
    return uv;
}
