// The pieces vorix-sim's SVG charts are drawn from: numbers, escaped text,
// lines, tick steps and the page's frame.
#pragma once

#include <string>

// printf of one number.
std::string svgNumber(const char* format, double v);

// Text with <, >, & and " escaped.
std::string svgEscape(const std::string& s);

// 1, 2 or 5 times a power of ten, near range / 6.
double svgNiceStep(double range);

// A <text> element; extra holds further attributes.
std::string svgText(double x, double y, const std::string& s, const char* anchor, int size,
                    const std::string& extra = "");

// A <line> element with the given style attributes.
std::string svgLine(double x1, double y1, double x2, double y2, const std::string& style);

// The XML prolog, the <svg> element of that size on a white page, a bold
// title and a grey subtitle.
std::string svgBegin(double width, double height, const std::string& title, const std::string& subtitle);
