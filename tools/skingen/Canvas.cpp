#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>

namespace skingen {

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighter(Rgb c, double amount) { return Mix(c, {255, 255, 255}, amount); }
Rgb Darker(Rgb c, double amount) { return Mix(c, {0, 0, 0}, amount); }

Shape Circle(double cx, double cy, double r)
{
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Shape Ring(double cx, double cy, double outer, double inner)
{
    return Minus(Circle(cx, cy, outer), Circle(cx, cy, inner));
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius)
{
    return [=](double x, double y) {
        if (x < x0 || x > x1 || y < y0 || y > y1)
            return false;
        double dx = std::max({x0 + radius - x, 0.0, x - (x1 - radius)});
        double dy = std::max({y0 + radius - y, 0.0, y - (y1 - radius)});
        return dx * dx + dy * dy <= radius * radius;
    };
}

Shape Polygon(std::vector<std::pair<double, double>> pts)
{
    return [pts](double x, double y) {
        bool inside = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            double xi = pts[i].first, yi = pts[i].second, xj = pts[j].first, yj = pts[j].second;
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                inside = !inside;
        }
        return inside;
    };
}

Shape Capsule(double x0, double y0, double x1, double y1, double hw)
{
    return [=](double x, double y) {
        double vx = x1 - x0, vy = y1 - y0;
        double len2 = vx * vx + vy * vy;
        double t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        double dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
        return dx * dx + dy * dy <= hw * hw;
    };
}

Shape Polyline(const std::vector<std::pair<double, double>>& p, double hw)
{
    Shape s = [](double, double) { return false; };
    for (size_t i = 1; i < p.size(); ++i)
        s = Union(s, Capsule(p[i - 1].first, p[i - 1].second, p[i].first, p[i].second, hw));
    return s;
}

Shape Star(double cx, double cy, double outer, double inner)
{
    std::vector<std::pair<double, double>> pts;
    const double pi = 3.14159265358979;
    for (int i = 0; i < 10; ++i) {
        double a = -pi / 2 + i * pi / 5;
        double r = (i % 2) ? inner : outer;
        pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return Polygon(pts);
}

Shape Union(Shape a, Shape b)
{
    return [=](double x, double y) { return a(x, y) || b(x, y); };
}
Shape Minus(Shape a, Shape b)
{
    return [=](double x, double y) { return a(x, y) && !b(x, y); };
}
Shape Intersect(Shape a, Shape b)
{
    return [=](double x, double y) { return a(x, y) && b(x, y); };
}
Shape Moved(Shape s, double dx, double dy)
{
    return [=](double x, double y) { return s(x - dx, y - dy); };
}

Paint Solid(Rgb c)
{
    return [c](double, double) { return c; };
}

Paint VerticalGradient(Rgb top, Rgb bottom, double y0, double y1)
{
    return [=](double, double y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0)); };
}

Canvas::Canvas(int width, int height)
    : w_(width), h_(height), px_(size_t(width) * height), alpha_(size_t(width) * height, 0.0)
{
}

void Canvas::Blend(int x, int y, Rgb c, double a)
{
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || a <= 0)
        return;
    Rgb& d = px_[y * w_ + x];
    double& da = alpha_[y * w_ + x];
    double outA = a + da * (1 - a);
    if (outA <= 0)
        return;
    d.r = (c.r * a + d.r * da * (1 - a)) / outA;
    d.g = (c.g * a + d.g * da * (1 - a)) / outA;
    d.b = (c.b * a + d.b * da * (1 - a)) / outA;
    da = outA;
}

void Canvas::Fill(const Shape& shape, const Paint& paint, double opacity)
{
    constexpr int kSamples = 4;
    for (int y = 0; y < h_; ++y) {
        for (int x = 0; x < w_; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    hits += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
            if (hits)
                Blend(x, y, paint(x + 0.5, y + 0.5), opacity * hits / double(kSamples * kSamples));
        }
    }
}

void Canvas::Stamp(const std::vector<unsigned char>& cov, int cw, int ch, int x, int y, Rgb colour,
                   double opacity)
{
    for (int j = 0; j < ch; ++j)
        for (int i = 0; i < cw; ++i)
            Blend(x + i, y + j, colour, opacity * cov[j * cw + i] / 255.0);
}

bool RenderText(const std::string& text, double pointSize, bool bold, std::vector<unsigned char>& cov,
                int& width, int& height)
{
    // Rendered once per distinct request: the labels repeat across the
    // three images of every button.
    static std::map<std::string, std::tuple<std::vector<unsigned char>, int, int>> cache;
    char key[64];
    std::snprintf(key, sizeof key, "|%g|%d", pointSize, int(bold));
    auto found = cache.find(text + key);
    if (found != cache.end()) {
        std::tie(cov, width, height) = found->second;
        return width > 0;
    }
    cov.clear();
    width = height = 0;
    std::string quoted;
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    char command[512];
    std::snprintf(command, sizeof command,
                  "convert -background black -fill white -font %s -pointsize %g label:'%s' -trim "
                  "+repage -depth 8 pgm:- 2>/dev/null",
                  bold ? "DejaVu-Sans-Bold" : "DejaVu-Sans", pointSize, quoted.c_str());
    FILE* pipe = popen(command, "r");
    bool ok = false;
    if (pipe) {
        int maxval = 0;
        if (std::fscanf(pipe, "P5 %d %d %d", &width, &height, &maxval) == 3 && maxval > 0 && maxval < 256 &&
            width > 0 && height > 0) {
            std::fgetc(pipe);
            cov.resize(size_t(width) * height);
            ok = std::fread(cov.data(), 1, cov.size(), pipe) == cov.size();
        }
        pclose(pipe);
    }
    if (!ok) {
        std::fprintf(stderr, "skingen: could not render the text '%s' (is ImageMagick installed?)\n",
                     text.c_str());
        cov.clear();
        width = height = 0;
    }
    cache[text + key] = std::make_tuple(cov, width, height);
    return ok;
}

void DrawText(Canvas& canvas, const std::string& text, double pointSize, bool bold, double cx, double cy,
              Rgb colour)
{
    std::vector<unsigned char> cov;
    int w = 0, h = 0;
    if (!RenderText(text, pointSize, bold, cov, w, h))
        return;
    canvas.Stamp(cov, w, h, int(std::lround(cx - w / 2.0)), int(std::lround(cy - h / 2.0)), colour);
}

int TextWidth(const std::string& text, double pointSize, bool bold)
{
    std::vector<unsigned char> cov;
    int w = 0, h = 0;
    RenderText(text, pointSize, bold, cov, w, h);
    return w;
}

namespace {

void Put16(std::vector<uint8_t>& b, uint32_t v)
{
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& b, uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

uint8_t Byte(double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

// Anything with more coverage than this is part of the image; fainter edge
// pixels are left to the backdrop.
constexpr double kOpaqueFrom = 0.12;

bool Save(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool WriteBmp24(const std::string& path, int w, int h, const std::function<Rgb(int, int)>& pixel)
{
    int stride = (w * 3 + 3) & ~3;
    std::vector<uint8_t> b;
    b.push_back('B');
    b.push_back('M');
    Put32(b, 54 + stride * h);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, w);
    Put32(b, h);
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, 0);
    Put32(b, stride * h);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            Rgb c = pixel(x, y);
            b.push_back(Byte(c.b));
            b.push_back(Byte(c.g));
            b.push_back(Byte(c.r));
        }
        for (int p = w * 3; p < stride; ++p)
            b.push_back(0);
    }
    return Save(path, b);
}

}  // namespace

bool WriteImage(const Canvas& c, const std::string& path, Rgb matte, bool masked)
{
    auto flat = [&](int x, int y) {
        double a = c.Alpha(x, y);
        if (masked && a < kOpaqueFrom)
            return Rgb{0, 0, 0};
        return Mix(matte, c.Colour(x, y), a);
    };
    if (!WriteBmp24(path, c.Width(), c.Height(), flat))
        return false;
    if (!masked)
        return true;
    std::string maskPath = path.substr(0, path.size() - 4) + "-mask.bmp";
    return WriteBmp24(maskPath, c.Width(), c.Height(), [&](int x, int y) {
        return c.Alpha(x, y) < kOpaqueFrom ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    });
}

bool WriteIcon(const std::vector<Canvas>& sizes, const std::string& path)
{
    std::vector<uint8_t> head, body;
    Put16(head, 0);
    Put16(head, 1);
    Put16(head, uint32_t(sizes.size()));
    uint32_t offset = 6 + 16 * uint32_t(sizes.size());
    for (const Canvas& c : sizes) {
        int w = c.Width(), h = c.Height();
        int maskStride = ((w + 31) / 32) * 4;
        std::vector<uint8_t> img;
        Put32(img, 40);
        Put32(img, w);
        Put32(img, h * 2);
        Put16(img, 1);
        Put16(img, 32);
        Put32(img, 0);
        Put32(img, w * h * 4 + maskStride * h);
        Put32(img, 0);
        Put32(img, 0);
        Put32(img, 0);
        Put32(img, 0);
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x) {
                Rgb p = c.Colour(x, y);
                img.push_back(Byte(p.b));
                img.push_back(Byte(p.g));
                img.push_back(Byte(p.r));
                img.push_back(Byte(c.Alpha(x, y) * 255));
            }
        for (int y = h - 1; y >= 0; --y) {
            std::vector<uint8_t> row(maskStride, 0);
            for (int x = 0; x < w; ++x)
                if (c.Alpha(x, y) < 0.5)
                    row[x / 8] |= uint8_t(0x80 >> (x % 8));
            img.insert(img.end(), row.begin(), row.end());
        }
        head.push_back(uint8_t(w >= 256 ? 0 : w));
        head.push_back(uint8_t(h >= 256 ? 0 : h));
        head.push_back(0);
        head.push_back(0);
        Put16(head, 1);
        Put16(head, 32);
        Put32(head, uint32_t(img.size()));
        Put32(head, offset);
        offset += uint32_t(img.size());
        body.insert(body.end(), img.begin(), img.end());
    }
    head.insert(head.end(), body.begin(), body.end());
    return Save(path, head);
}

}  // namespace skingen
