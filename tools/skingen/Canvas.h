// A small anti-aliased raster for drawing the skin: shapes are inside-tests
// sampled 4 x 4 times per pixel, painted with straight (not premultiplied)
// alpha. Host tool only; nothing here runs inside the editor.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace skingen {

struct Rgb {
    double r = 0, g = 0, b = 0;  // 0..255
};
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a
Rgb Lighter(Rgb c, double amount);  // towards white, amount 0..1
Rgb Darker(Rgb c, double amount);   // towards black

// Inside-test in pixel coordinates (the pixel (x, y) covers [x, x+1) x [y, y+1)).
using Shape = std::function<bool(double x, double y)>;
using Paint = std::function<Rgb(double x, double y)>;

Shape Circle(double cx, double cy, double r);
Shape Ring(double cx, double cy, double outer, double inner);
Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
Shape Polygon(std::vector<std::pair<double, double>> points);
Shape Capsule(double x0, double y0, double x1, double y1, double halfWidth);
Shape Polyline(const std::vector<std::pair<double, double>>& points, double halfWidth);
Shape Star(double cx, double cy, double outer, double inner);
Shape Union(Shape a, Shape b);
Shape Minus(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Moved(Shape s, double dx, double dy);

Paint Solid(Rgb c);
Paint VerticalGradient(Rgb top, Rgb bottom, double y0, double y1);

class Canvas {
public:
    Canvas(int width, int height);
    int Width() const { return w_; }
    int Height() const { return h_; }
    void Fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
    void Fill(const Shape& shape, Rgb colour, double opacity = 1.0) { Fill(shape, Solid(colour), opacity); }
    // Paints an 8-bit coverage map (text) with its top-left corner at (x, y).
    void Stamp(const std::vector<unsigned char>& coverage, int cw, int ch, int x, int y, Rgb colour,
               double opacity = 1.0);
    void Blend(int x, int y, Rgb c, double a);
    Rgb Colour(int x, int y) const { return px_[y * w_ + x]; }
    double Alpha(int x, int y) const { return alpha_[y * w_ + x]; }

private:
    int w_, h_;
    std::vector<Rgb> px_;
    std::vector<double> alpha_;
};

// Anti-aliased text through ImageMagick (installed by the set-up); false and
// an empty map when it cannot be rendered.
bool RenderText(const std::string& text, double pointSize, bool bold, std::vector<unsigned char>& coverage,
                int& width, int& height);
// Stamps text centred on (cx, cy).
void DrawText(Canvas& canvas, const std::string& text, double pointSize, bool bold, double cx, double cy,
              Rgb colour);
int TextWidth(const std::string& text, double pointSize, bool bold);

// Files. WriteImage writes NAME.bmp flattened onto `matte`; with `masked` it
// also writes NAME-mask.bmp (white = transparent, and the image is black
// there). WriteIcon writes a .ico of several sizes with 32-bit alpha.
bool WriteImage(const Canvas& canvas, const std::string& path, Rgb matte, bool masked);
bool WriteIcon(const std::vector<Canvas>& sizes, const std::string& path);

}  // namespace skingen
