#include "tools/vorix-sim/svg_parts.h"

#include <cmath>
#include <cstdio>

std::string svgNumber(const char* format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

std::string svgEscape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

double svgNiceStep(double range) {
    if (!(range > 0.0) || !std::isfinite(range)) return 1.0;
    double raw = range / 6.0, p = std::pow(10.0, std::floor(std::log10(raw)));
    double m = raw / p;
    return (m < 1.5 ? 1.0 : m < 3.5 ? 2.0 : m < 7.5 ? 5.0 : 10.0) * p;
}

std::string svgText(double x, double y, const std::string& s, const char* anchor, int size, const std::string& extra) {
    return "<text x=\"" + svgNumber("%.1f", x) + "\" y=\"" + svgNumber("%.1f", y) + "\" text-anchor=\"" + anchor +
           "\" font-size=\"" + std::to_string(size) + "\"" + extra + ">" + svgEscape(s) + "</text>\n";
}

std::string svgLine(double x1, double y1, double x2, double y2, const std::string& style) {
    return "<line x1=\"" + svgNumber("%.1f", x1) + "\" y1=\"" + svgNumber("%.1f", y1) + "\" x2=\"" +
           svgNumber("%.1f", x2) + "\" y2=\"" + svgNumber("%.1f", y2) + "\" " + style + "/>\n";
}

std::string svgBegin(double width, double height, const std::string& title, const std::string& subtitle) {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + svgNumber("%.0f", width) + "\" height=\"" +
           svgNumber("%.0f", height) + "\" viewBox=\"0 0 " + svgNumber("%.0f", width) + " " +
           svgNumber("%.0f", height) + "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    svg += svgText(width / 2, 30, title, "middle", 16, " font-weight=\"bold\"");
    svg += svgText(width / 2, 52, subtitle, "middle", 12, " fill=\"#444444\"");
    return svg;
}
