#pragma once
// What the simple plotter draws, as a list of steps for a canvas: the dotted
// grid with its numbers, the curve with its labels, the axes over it and the
// legend line; the dotted readout that follows the mouse along the curve; the
// name a saved picture gets and where a print goes on the page. The window
// replays the steps on its raster pictures; nothing here knows Qt.
#include <exception>
#include <string>
#include <vector>

namespace vy {

// The pen colours, as the three colour buttons give them.
enum class Ink { Curve, Axes, Coordinates };

struct DrawStep {
    enum class Kind {
        Line,  // from (x1, y1) to (x2, y2), in ink, dotted or solid
        Pixel, // (x1, y1) set to ink
        Text,  // text with its top-left corner at (x1, y1), in the font's colour
    };
    Kind kind = Kind::Line;
    Ink ink = Ink::Curve;
    bool dotted = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;
    bool operator==(const DrawStep&) const = default;
};

struct PlotDrawing {
    // The drawing area's steps in drawing order: grid, curve with labels,
    // axes. When an arithmetic error stopped the drawing, only the grid and
    // the curve up to the column where it was raised.
    std::vector<DrawStep> area;
    // The legend's line and text; empty when the drawing stopped.
    std::vector<DrawStep> legend;
    // The arithmetic error that stopped the drawing; null when it is whole.
    std::exception_ptr failure;
};

// "Строить": formula drawn on an area width x height pixels, with the grid
// when grid is set (the grid also suppresses the root and x = 0 labels); the
// legend is legendHeight pixels high.
PlotDrawing SimplePlotDrawing(const std::string& formula, bool grid, int width, int height, int legendHeight);

// The readout for the mouse at (x, y) on a curve pixel: a dotted line to each
// axis and the point's coordinates to two decimals.
std::vector<DrawStep> ReadoutSteps(int x, int y, int width, int height);

// The file a picture is saved to, for the name from the save dialog and the
// chosen type (1 BMP, 2 JPEG): a BMP name without a dot in its last part gets
// ".bmp"; a JPEG name always gets ".jpg", even when it already ends so.
std::string SavedPictureName(const std::string& chosen, int type);

// Where a picture of width x height pixels goes on a printed page: enlarged by
// the printer's pixels per inch / 70 and centred on the page.
struct PageRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PageRect&) const = default;
};
PageRect PrintPlacement(int pageWidth, int pageHeight, int dpiX, int dpiY, int width, int height);

} // namespace vy
