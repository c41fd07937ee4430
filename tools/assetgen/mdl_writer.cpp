#include "tools/assetgen/mdl_writer.h"

#include <cstdarg>
#include <cstdio>

void ModelWriter::line(const char* fmt, ...) {
    char buf[256];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    text_ += buf;
    text_ += '\n';
}

void ModelWriter::comment(const std::string& text) { text_ += "/ " + text + "\n"; }

D3 ModelWriter::raw(const D3& posed) const {
    D3 rest = toRest_ ? toRest_(posed) : posed;
    return (rest - offset_) * (1.0 / scale_);
}

void ModelWriter::beginPart(const std::string& name, PointMap toRest, const D3& restPivot,
                            const D3& offset, double scale) {
    comment("part: " + name);
    toRest_ = std::move(toRest);
    offset_ = offset;
    scale_ = scale;
    haveColour_ = false;
    D3 p = (restPivot - offset) * (1.0 / scale);
    line("Q %.4f %.4f %.4f %.4f %.4f %.4f %.4f", scale, p.x, p.y, p.z, offset.x, offset.y, offset.z);
}

void ModelWriter::emptyPart(const std::string& name) {
    beginPart(name, nullptr, D3());
}

void ModelWriter::colour(const Rgba& c) {
    if (haveColour_ && c == current_) return;
    line("C %d %d %d %.2f", c.r, c.g, c.b, c.a);
    current_ = c;
    haveColour_ = true;
}

void ModelWriter::refPoint(const D3& p) {
    // The loader multiplies reference points by 7.
    line("v %.5f %.5f %.5f 0", p.x / 7, p.y / 7, p.z / 7);
}

void ModelWriter::vertex(char kind, const D3& posed) {
    D3 r = raw(posed);
    line("%c %.4f %.4f %.4f", kind, r.x, r.y, r.z);
}

void ModelWriter::marker(const D3& p, const std::string& note) {
    comment(note);
    vertex('V', p);
}

namespace {

bool samePoint(const D3& a, const D3& b) { return length(a - b) < 1e-6; }

// Drops repeated corners; a face that collapses below a triangle is skipped.
std::vector<D3> cleaned(const std::vector<D3>& pts) {
    std::vector<D3> out;
    for (const D3& p : pts)
        if (out.empty() || !samePoint(out.back(), p)) out.push_back(p);
    while (out.size() > 1 && samePoint(out.front(), out.back())) out.pop_back();
    return out;
}

} // namespace

void ModelWriter::mesh(const Mesh& m) {
    for (const Face& f : m) {
        if (f.texture >= 0 && f.pts.size() == 4) {
            // Corner order fixes the picture: TGA rows run bottom-up, JPEG
            // rows top-down; either way the quad winds clockwise seen from
            // the front, as an unflipped quad must.
            const D3 &bl = f.pts[0], &br = f.pts[1], &tr = f.pts[2], &tl = f.pts[3];
            bool tga = f.texture >= 1000;
            const D3* order[4] = {&br, &bl, &tl, &tr};
            const D3* orderTga[4] = {&tr, &tl, &bl, &br};
            D3 r = raw(*(tga ? orderTga : order)[0]);
            line("X %.4f %.4f %.4f %d 0", r.x, r.y, r.z, f.texture);
            for (int i = 1; i < 4; ++i) vertex('-', *(tga ? orderTga : order)[i]);
            ++polygons_;
            continue;
        }
        std::vector<D3> pts = cleaned(f.pts);
        if (pts.size() < 3) continue;
        colour(f.colour);
        vertex('R', pts[0]);
        for (size_t i = 1; i + 1 < pts.size(); ++i) vertex('-', pts[i]);
        vertex('E', pts.back());
        ++polygons_;
    }
}

void ModelWriter::cylinderStrip(int tgaIndex, const std::vector<D3>& pairs, double rawBottomZ,
                                double rawTopZ) {
    // v = (z - a5) / (a5 - a6): 0 at a5, 1 at 2 a5 - a6.
    double a5 = rawBottomZ, a6 = 2 * rawBottomZ - rawTopZ;
    line("BT %d 0 0 0 0 0 %.4f %.4f", tgaIndex, a5, a6);
    line("TS");
    for (const D3& p : pairs) vertex('.', p);
    line("ED");
    line("OF");
    haveColour_ = false;  // the strip leaves white behind it
}

std::string ModelWriter::finish() {
    line("x");
    return text_;
}
