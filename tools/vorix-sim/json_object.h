// The JSON that vorix-sim prints: numbers as the shortest text that reads
// back to the value at its own width, strings escaped, and objects built
// field by field.
#pragma once

#include <cmath>
#include <string>

// The shortest text that reads back to v at its own width, or null when not
// finite.
std::string jsonNumber(float v);
std::string jsonNumber(double v);

// A quoted string with quotes, backslashes and control characters escaped.
std::string jsonString(const std::string& s);

// One JSON object built field by field. A number that should be there but is
// not finite is remembered: the run's figures are then not to be trusted.
class JsonObject {
public:
    void raw(const std::string& key, const std::string& value) {
        text_ += text_.empty() ? "{" : ",";
        text_ += "\"";
        text_ += key;
        text_ += "\":";
        text_ += value;
    }
    // Each figure at the width it is held in (float or double).
    template <typename T>
    void number(const std::string& key, T v) {
        if (!std::isfinite(v) && firstNonFinite_.empty()) firstNonFinite_ = key;
        raw(key, jsonNumber(v));
    }
    void nullField(const std::string& key) { raw(key, "null"); }
    // A number that exists only when `present`.
    template <typename T>
    void optional(const std::string& key, bool present, T v) {
        if (present) number(key, v);
        else nullField(key);
    }
    void nested(const std::string& key, const JsonObject& child) {
        if (!child.firstNonFinite_.empty() && firstNonFinite_.empty())
            firstNonFinite_ = key + "." + child.firstNonFinite_;
        raw(key, child.close());
    }
    std::string close() const { return (text_.empty() ? std::string("{") : text_) + "}"; }
    const std::string& firstNonFinite() const { return firstNonFinite_; }

private:
    std::string text_;
    std::string firstNonFinite_;
};
