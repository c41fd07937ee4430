// Helpers for the image reader tests: a scratch folder for the small files
// the tests write, and a recorder of "Error" boxes (the readers return their
// failures and show none themselves).
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

using Bytes = std::vector<unsigned char>;

// Little-endian appenders for building headers by hand.
void put16(Bytes& b, unsigned v);
void put32(Bytes& b, unsigned long v);

class ImageFileTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes bytes to name inside the scratch folder; returns the full path.
    std::string writeFile(const std::string& name, const Bytes& bytes);
    std::string pathOf(const std::string& name) const;

    // Every errorBox text since SetUp, in order (a reader must add none).
    static std::vector<std::string> boxes;

private:
    static void recordBox(const char* text, const char* caption);
    std::string dir_;
};
