// The drawing of model parts replayed against the recording GL stand-in:
// however the slot stream is formed, GL never sees a state change inside a
// primitive, and well-formed streams lose no vertex.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "render/model_draw.h"
#include "render/poly_model.h"
#include "tests/model/gl_recorder.h"
#include "tests/model/model_text.h"

namespace {

PolyModel model;

void drawAllParts(const PolyModel& m) {
    for (int part = 1; part <= m.partCount; ++part) {
        drawModelPart(m, part, 0, 0, 0, 1.0f, false);
        drawPartShadow(m, part, 0, 0, 0, Vec3(10, 10, 100));
    }
}

void expectValidGl(const std::string& what) {
    EXPECT_EQ(glRecord.misplaced, 0) << what << ": first " << glRecord.firstMisplaced;
    EXPECT_EQ(glRecord.begins, glRecord.ends) << what;
    EXPECT_FALSE(glRecord.inside) << what;
}

const char* const kMalformedStreams[] = {
        "S 0 0 0\n- 1 0 0\nS 0 1 0\n- 1 1 0\nE 0 2 0\n",  // "S" without "E" before the next "S"
        "S 0 0 0\n- 1 0 0\nR 0 1 0\n- 1 1 0\nE 0 2 0\n",
        "S 0 0 0\nEC\n- 1 0 0\nE 1 1 0\n",               // culling switched inside a polygon
        "S 0 0 0\nDC\n- 1 0 0\nE 1 1 0\n",
        "S 0 0 0\nCR\n- 1 0 0\nCL\nE 1 1 0\n",           // winding switched inside
        "BT 4 0 0 0 0 0 1 0\nTS\n. 1 0 0\n. 0 1 0\nOF\n. 0 0 1\nED\n",  // "OF" inside a strip
        "S 0 0 0\nBT 4 0 0 0 0 0 1 0\n. 1 0 0\nED\nOF\n",  // "BT" inside a polygon
        "S 0 0 0\n- 1 0 0\nX 0 0 0 19 0\n- 1 0 0\n- 1 1 0\n- 0 1 0\nE 5 5 5\n",
        "TS\n. 0 0 0\nS 1 1 1\n- 2 2 2\n",               // nothing ever closed
        "S 0 0 0\nC 255 0 0 0.5\n- 1 0 0\nC 0 0 0 0\nE 1 1 0\n",
};

const char* const kWellFormedStream =
    "C 200 10 10 0\n"
    "S 0 0 0\n- 1 0 0\nE 1 1 0\n"
    "EC\nCR\n"
    "R 0 0 1\n- 1 0 1\n- 1 1 1\nE 0 1 1\n"
    "X 0 0 2 19 1\n- 1 0 2\n- 1 1 2\n- 0 1 2\n"
    "BT 4 0 0 0 0 0 1 0\nTS\n. 1 0 0\n. 0 1 0\n. 0 0 1\nED\nOF\n";

}  // namespace

TEST(ModelDrawing, MalformedStreamsNeverChangeStateInsideAPrimitive) {
    for (const char* body : kMalformedStreams) {
        ASSERT_TRUE(loadModelText(std::string("Q 1 0 0 0 0 0 0\n") + body + "x\n", model)) << body;
        resetGlRecord();
        drawAllParts(model);
        expectValidGl(body);
    }
}

TEST(ModelDrawing, WellFormedStreamDrawsEveryVertex) {
    ASSERT_TRUE(loadModelText(std::string("Q 1 0 0 0 0 0 0\n") + kWellFormedStream + "x\n", model));
    resetGlRecord();
    drawModelPart(model, 1, 0, 0, 0, 1.0f, false);
    expectValidGl("model");
    EXPECT_EQ(glRecord.begins, 4);
    EXPECT_EQ(glRecord.vertices, 3 + 4 + 4 + 3);
}

// Every GL call with its arguments, in order, as the drawing made them when
// this was recorded: reworking the drawing code must not change a bit of it.
TEST(ModelDrawing, EveryCallIsTheRecordedOne) {
    std::vector<std::string> bodies(std::begin(kMalformedStreams), std::end(kMalformedStreams));
    bodies.push_back(kWellFormedStream);
    resetGlRecord();
    for (const std::string& body : bodies) {
        ASSERT_TRUE(loadModelText("Q 1 0.5 -1 2 0 0 0\n" + body + "x\n", model)) << body;
        drawModelPart(model, 1, 1.5f, -2.0f, 3.25f, 1.0f, false);
        drawModelPart(model, 1, 0.0f, 0.0f, 0.0f, -1.0f, true);
        drawPartShadow(model, 1, 1.5f, -2.0f, 3.25f, Vec3(10, 10, 100));
    }
    EXPECT_EQ(glRecord.trace, 0x4868ceeccfa86d25ull);
}
