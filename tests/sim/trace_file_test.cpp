// The reader of measured traces for vorix-sim --dr-input.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sim/dynamic_response.h"
#include "tools/vorix-sim/trace_file.h"
#include "tools/vorix-sim/trace_report.h"

namespace {

class TraceFile : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vorix-trace-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    std::string write(const std::string& text) {
        const std::string path = dir_ + "/trace.csv";
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        return path;
    }

    // The rows read, or the error.
    bool read(const std::string& text, std::vector<TraceRow>& rows, std::string& error) {
        rows.clear();
        long count = 0;
        return readResponseTrace(write(text), [&](const TraceRow& r) { rows.push_back(r); }, count, error);
    }

    std::string errorOf(const std::string& text) {
        std::vector<TraceRow> rows;
        std::string error;
        EXPECT_FALSE(read(text, rows, error)) << text;
        return error;
    }

    std::string dir_;
};

}  // namespace

// What spreadsheets and loggers write: a byte-order mark, CRLF ends, blanks
// round the cells, blank lines, exponents.
TEST_F(TraceFile, ReadsTheRowsAsLoggersWriteThem) {
    std::vector<TraceRow> rows;
    std::string error;
    ASSERT_TRUE(read("\xEF\xBB\xBFt, ax ,ay,az\r\n0,0,0,1\r\n\r\n 0.001 ,\t-2.5, 0.5 ,1e1\r\n", rows, error)) << error;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].t, 0.001);
    EXPECT_EQ(rows[1].g[0], -2.5);
    EXPECT_EQ(rows[1].g[1], 0.5);
    EXPECT_EQ(rows[1].g[2], 10.0);
    // Times need not start at 0 or come evenly.
    ASSERT_TRUE(read("t,ax,ay,az\n-1,0,0,0\n-0.5,0,0,0\n2,0,0,0", rows, error)) << error;
    EXPECT_EQ(rows.size(), 3u);
}

// Each fault is named with the file's line, and nothing after it is read.
TEST_F(TraceFile, EachFaultNamesItsLine) {
    const std::string path = dir_ + "/trace.csv";
    EXPECT_EQ(errorOf("time,x,y,z\n0,0,0,0\n1,0,0,0\n"), path + " line 1: the header must be t,ax,ay,az");
    EXPECT_EQ(errorOf("0,0,0,0\n1,0,0,0\n"), path + " line 1: the header must be t,ax,ay,az");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0,0\n0.1,0,x,0\n"), path + " line 3: ay 'x' is not a finite number");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0,0\n0.1,0,1.5g,0\n"), path + " line 3: ay '1.5g' is not a finite number");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0,0\n0.1,0,,0\n"), path + " line 3: ay '' is not a finite number");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,inf,0,0\n1,0,0,0\n"), path + " line 2: ax 'inf' is not a finite number");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0,0\n1,0,0,1e999\n"), path + " line 3: az '1e999' is not a finite number");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0\n1,0,0,0\n"), path + " line 2: a row needs four cells: t,ax,ay,az");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0,0,0\n"), path + " line 2: a row needs four cells: t,ax,ay,az");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0,0\n\n0.5,0,0,0\n0.5,0,0,0\n"),
              path + " line 5: time 0.5 s is not after 0.5 s of line 4");
    EXPECT_EQ(errorOf("t,ax,ay,az\n1,0,0,0\n0.5,0,0,0\n"), path + " line 3: time 0.5 s is not after 1 s of line 2");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0,0\n601,0,0,0\n"), path + " line 3: the trace is longer than 600 s");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0,2e6\n1,0,0,0\n"), path + " line 2: az 2e6 g lies beyond 1000000 g either way");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0,0\n"), path + ": a trace needs at least two rows, this one has 1");
    EXPECT_EQ(errorOf("t,ax,ay,az\n"), path + ": a trace needs at least two rows, this one has 0");
    EXPECT_EQ(errorOf(""), path + ": no header t,ax,ay,az: the file is empty");
    const char nul[] = "t,ax,ay,az\n0,0,0,0\n1,0,0\0,0\n";
    EXPECT_EQ(errorOf(std::string(nul, sizeof nul - 1)), path + " line 3: holds a NUL byte: not a text file");
    EXPECT_EQ(errorOf("t,ax,ay,az\n0,0,0," + std::string(5000, '1') + "\n1,0,0,0\n"),
              path + " line 2: longer than 4096 characters");
    // A row that comes after a fault is never handed on.
    std::vector<TraceRow> rows;
    std::string error;
    EXPECT_FALSE(read("t,ax,ay,az\n0,0,0,0\nbad\n1,0,0,0\n", rows, error));
    EXPECT_EQ(rows.size(), 1u);
}

TEST_F(TraceFile, OnlyARegularFileIsRead) {
    long rows = 0;
    std::string error;
    auto ignore = [](const TraceRow&) {};
    EXPECT_FALSE(readResponseTrace(dir_, ignore, rows, error));
    EXPECT_EQ(error, "cannot read " + dir_ + ": a folder, not a file");
    EXPECT_FALSE(readResponseTrace(dir_ + "/none.csv", ignore, rows, error));
    EXPECT_EQ(error, "cannot read " + dir_ + "/none.csv: no such file");
    EXPECT_FALSE(readResponseTrace("/dev/zero", ignore, rows, error));
    EXPECT_EQ(error, "cannot read /dev/zero: not a regular file");
}

// The trace's response: a 10 g drop-test step sampled at 10 kHz gives the
// model's closed form, timed from the trace's own clock.
TEST_F(TraceFile, TheResponseOfATrace) {
    std::string text = "t,ax,ay,az\n";
    char row[80];
    for (int i = 0; i <= 4000; ++i) {
        const double t = 5.0 + i * 0.0001;
        std::snprintf(row, sizeof row, "%.4f,0,0,%g\n", t, i == 0 ? 0.0 : i < 10 ? i : 10.0);
        text += row;
    }
    ResponsePeaks peaks;
    TraceResponse trace;
    std::string error;
    ASSERT_TRUE(respondToTrace(write(text), peaks, trace, error)) << error;
    EXPECT_EQ(trace.rows, 4001);
    EXPECT_EQ(trace.startS, 5.0);
    EXPECT_NEAR(trace.endS, 5.4, 1e-12);
    EXPECT_NEAR(peaks.plus[kSeatZ].value, 14.856, 14.856 * 0.001);
    EXPECT_GT(peaks.plus[kSeatZ].timeS, 5.05);
    EXPECT_NEAR(peaks.beta[kRiskLow].value, peaks.plus[kSeatZ].value / 15.2, 1e-9);
    const std::string json = traceResponseJson(peaks, trace);
    EXPECT_EQ(json.rfind("{\"rows\":4001,\"startS\":5,\"endS\":5.4", 0), 0u) << json;
    EXPECT_NE(json.find("\"betaHighTimeS\":"), std::string::npos);
    EXPECT_FALSE(respondToTrace(write("t,ax,ay,az\n0,0,0,0\n"), peaks, trace, error));
}
