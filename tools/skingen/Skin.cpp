// The default skin of the editor: every image of "Skins\Default\Editor\",
// its "Colors.txt", the program icon and the menu images. One palette, one
// button style: dark slate panels, a blue accent for pressed and latched
// states, green/amber/red only where they carry meaning (playing, paused,
// missing, boost level).
//
// Usage: skingen SKIN_EDITOR_DIR RESOURCE_DIR
#include "Canvas.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/stat.h>

using namespace skingen;

namespace {

// Palette (also written to Colors.txt).
const Rgb kListBackground{22, 26, 33};
const Rgb kListText{222, 228, 236};
const Rgb kQueueShadow{8, 10, 14};
const Rgb kSelectedBackground{46, 104, 190};
const Rgb kSelectedText{255, 255, 255};
const Rgb kQueueSelectedShadow{20, 52, 104};
const Rgb kLabelText{226, 232, 240};
const Rgb kLabelShadow{8, 10, 14};
const Rgb kPlaylistText{116, 196, 255};
const Rgb kNotInSelectionText{104, 112, 124};
const Rgb kGradientStart{26, 32, 43};
const Rgb kGradientEnd{42, 52, 69};

// What anti-aliased edges are blended onto: the backdrop near the controls,
// the list behind row marks, the menu face for menu images (mapped to the
// system's face colour when loaded).
const Rgb kBackdropMatte{31, 38, 51};
const Rgb kRowMatte = kListBackground;
const Rgb kMenuMatte{192, 192, 192};

const Rgb kAccent{64, 140, 240};
const Rgb kGreen{76, 204, 122};
const Rgb kAmber{244, 180, 64};
const Rgb kRed{232, 84, 84};
const Rgb kWhite{255, 255, 255};
const Rgb kInk{214, 222, 234};
const Rgb kDim{84, 94, 110};

std::string gSkinDir, gResDir;
int gWritten = 0, gFailed = 0;

void Save(const Canvas& c, const std::string& name, bool masked, Rgb matte = kBackdropMatte)
{
    if (WriteImage(c, gSkinDir + name + ".bmp", matte, masked))
        gWritten += masked ? 2 : 1;
    else {
        std::fprintf(stderr, "skingen: cannot write %s%s.bmp\n", gSkinDir.c_str(), name.c_str());
        ++gFailed;
    }
}

// --- Buttons -------------------------------------------------------------

enum class State { Normal, Hover, Down };
const char* const kSuffix[] = {"", "-m", "-d"};

// The face of a button; returns the colour its symbol is drawn in.
Rgb ButtonFace(Canvas& c, State s, double radius = 5)
{
    double w = c.Width(), h = c.Height();
    Rgb border, top, bottom, ink;
    switch (s) {
    case State::Normal:
        border = {70, 86, 110}, top = {56, 68, 88}, bottom = {44, 54, 71}, ink = kInk;
        break;
    case State::Hover:
        border = {104, 164, 244}, top = {74, 90, 116}, bottom = {60, 74, 97}, ink = kWhite;
        break;
    case State::Down:
        border = {126, 184, 255}, top = {60, 126, 220}, bottom = {42, 98, 184}, ink = kWhite;
        break;
    }
    c.Fill(RoundRect(0.5, 0.5, w - 0.5, h - 0.5, radius), border);
    c.Fill(RoundRect(1.5, 1.5, w - 1.5, h - 1.5, radius - 1), VerticalGradient(top, bottom, 1, h - 1));
    // A one-pixel sheen along the top edge.
    c.Fill(Intersect(RoundRect(1.5, 1.5, w - 1.5, h - 1.5, radius - 1), [](double, double y) { return y < 2.5; }),
           kWhite, s == State::Down ? 0.10 : 0.07);
    return ink;
}

using Symbol = std::function<void(Canvas&, Rgb ink, State)>;

// Writes NAME.bmp, NAME-m.bmp and NAME-d.bmp with their masks.
void Button(const std::string& name, int w, int h, const Symbol& symbol, double radius = 5)
{
    for (State s : {State::Normal, State::Hover, State::Down}) {
        Canvas c(w, h);
        Rgb ink = ButtonFace(c, s, radius);
        symbol(c, ink, s);
        Save(c, name + kSuffix[int(s)], true);
    }
}

void Caret(Canvas& c, double cx, double cy, Rgb ink)
{
    c.Fill(Polygon({{cx - 3.5, cy - 1.8}, {cx + 3.5, cy - 1.8}, {cx, cy + 2.2}}), ink);
}

// Icon and label centred together in [x0, x1); an optional caret at the right.
void Labelled(Canvas& c, Rgb ink, const std::string& text, const std::function<void(double cx, double cy)>& icon,
              double iconWidth, bool caret, double pointSize = 11)
{
    double h = c.Height();
    double right = caret ? c.Width() - 14 : c.Width() - 4;
    int tw = TextWidth(text, pointSize, true);
    double total = iconWidth + 5 + tw;
    double x = std::floor((4 + right - total) / 2);
    icon(x + iconWidth / 2, h / 2);
    DrawText(c, text, pointSize, true, x + iconWidth + 5 + tw / 2.0, h / 2, ink);
    if (caret) {
        c.Fill(RoundRect(c.Width() - 14.5, 7, c.Width() - 13.5, h - 7, 0), ink, 0.25);
        Caret(c, c.Width() - 7.5, h / 2, ink);
    }
}

void PlayTriangle(Canvas& c, double cx, double cy, double size, Rgb colour)
{
    c.Fill(Polygon({{cx - size * 0.42, cy - size / 2}, {cx + size * 0.58, cy}, {cx - size * 0.42, cy + size / 2}}),
           colour);
}

void PauseBars(Canvas& c, double cx, double cy, double size, Rgb colour)
{
    double bw = size * 0.3;
    c.Fill(RoundRect(cx - size * 0.4, cy - size / 2, cx - size * 0.4 + bw, cy + size / 2, 0.8), colour);
    c.Fill(RoundRect(cx + size * 0.4 - bw, cy - size / 2, cx + size * 0.4, cy + size / 2, 0.8), colour);
}

void ShuffleArrows(Canvas& c, double cx, double cy, double s, Rgb colour, double stroke)
{
    double l = cx - s / 2, r = cx + s / 2 - s * 0.22, t = cy - s * 0.3, b = cy + s * 0.3;
    c.Fill(Polyline({{l, b}, {l + s * 0.25, b}, {r - s * 0.25, t}, {r, t}}, stroke), colour);
    c.Fill(Polyline({{l, t}, {l + s * 0.25, t}, {r - s * 0.25, b}, {r, b}}, stroke), colour);
    double ah = s * 0.22;
    c.Fill(Polygon({{r - 0.5, t - ah}, {r + ah + 0.5, t}, {r - 0.5, t + ah}}), colour);
    c.Fill(Polygon({{r - 0.5, b - ah}, {r + ah + 0.5, b}, {r - 0.5, b + ah}}), colour);
}

void Speaker(Canvas& c, double cx, double cy, Rgb colour)
{
    c.Fill(Polygon({{cx - 7, cy - 2.5}, {cx - 4, cy - 2.5}, {cx, cy - 6}, {cx, cy + 6}, {cx - 4, cy + 2.5},
                    {cx - 7, cy + 2.5}}),
           colour);
}

void Note(Canvas& c, double x, double y, double s, Rgb colour)
{
    // An eighth note: head at the bottom left, stem, flag; (x, y) = top-left of
    // an s x s box.
    c.Fill([=](double px, double py) {
        double ex = (px - (x + s * 0.33)) / (s * 0.24), ey = (py - (y + s * 0.78)) / (s * 0.17);
        double a = -0.45, rx = ex * std::cos(a) - ey * std::sin(a), ry = ex * std::sin(a) + ey * std::cos(a);
        return rx * rx + ry * ry <= 1;
    },
           colour);
    c.Fill(Capsule(x + s * 0.53, y + s * 0.12, x + s * 0.53, y + s * 0.76, s * 0.06), colour);
    c.Fill(Polyline({{x + s * 0.53, y + s * 0.12}, {x + s * 0.78, y + s * 0.3}, {x + s * 0.8, y + s * 0.5}},
                    s * 0.07),
           colour);
}

void Padlock(Canvas& c, double cx, double cy, Rgb colour, bool open)
{
    c.Fill(RoundRect(cx - 5.5, cy - 1, cx + 5.5, cy + 7, 1.5), colour);
    double shackleX = open ? cx + 3 : cx;
    c.Fill(Minus(Intersect(Ring(shackleX, cy - 4, 4.4, 2.6), [=](double, double y) { return y <= cy - 4; }),
                 [](double, double) { return false; }),
           colour);
    c.Fill(Capsule(shackleX - 3.5, cy - 4, shackleX - 3.5, open ? cy - 4 : cy, 0.9), colour);
    c.Fill(Capsule(shackleX + 3.5, cy - 4, shackleX + 3.5, cy - 1, 0.9), colour);
    c.Fill(Circle(cx, cy + 2.6, 1.3), {0, 0, 0}, 0.45);
}

void TopBarButtons()
{
    // "Add Music" and its menu half form one split button (linked hover).
    Button("AddMusic", 84, 30, [](Canvas& c, Rgb ink, State) {
        Labelled(c, ink, "Add Music", [&](double cx, double cy) {
            c.Fill(Circle(cx, cy, 7), kGreen);
            c.Fill(Capsule(cx - 3.5, cy, cx + 3.5, cy, 1.1), kWhite);
            c.Fill(Capsule(cx, cy - 3.5, cx, cy + 3.5, 1.1), kWhite);
        }, 14, false, 10);
    });
    Button("AddMusicMenu", 19, 30, [](Canvas& c, Rgb ink, State) { Caret(c, 9.5, 15, ink); });

    Button("FindSelection", 15, 20, [](Canvas& c, Rgb ink, State) {
        for (int i = 0; i < 3; ++i)
            c.Fill(Capsule(4, 6 + i * 2.6, 11 - i * 1.5, 6 + i * 2.6, 0.7), ink);
        Caret(c, 7.5, 15, ink);
    }, 3);
    Button("FindNext", 20, 14, [](Canvas& c, Rgb ink, State) {
        c.Fill(Capsule(5, 7, 12, 7, 1.0), ink);
        c.Fill(Polygon({{11, 3}, {15.5, 7}, {11, 11}}), ink);
    }, 3);

    Button("Collection", 104, 30, [](Canvas& c, Rgb ink, State) {
        Labelled(c, ink, "Collection", [&](double cx, double cy) {
            // A stack of three records.
            for (int i = 2; i >= 0; --i) {
                double y = cy + 3 - i * 3.2;
                c.Fill([=](double px, double py) {
                    double ex = (px - cx) / 7, ey = (py - y) / 2.6;
                    return ex * ex + ey * ey <= 1;
                }, i == 0 ? kAccent : Lighter(kAccent, 0.25 * i));
            }
        }, 14, true);
    });
    Button("Selected-Tracks", 134, 30, [](Canvas& c, Rgb ink, State) {
        Labelled(c, ink, "Selected Tracks", [&](double cx, double cy) {
            for (int i = 0; i < 3; ++i) {
                double y = cy - 4.5 + i * 4.5;
                c.Fill(RoundRect(cx - 6.5, y - 1.4, cx - 3.5, y + 1.4, 0.6), i == 1 ? kAccent : kAmber);
                c.Fill(Capsule(cx - 1.5, y, cx + 6.5, y, 0.8), ink);
            }
        }, 13, true, 10.5);
    });
}

// The panel's buttons end where the queue view begins (splitter + 28).
void PlayControlButtons()
{
    Button("PlayCntrlPrev", 20, 17, [](Canvas& c, Rgb ink, State) {
        const double cy = 8.5;
        c.Fill(RoundRect(5, cy - 4.5, 7, cy + 4.5, 0.5), ink);
        c.Fill(Polygon({{15, cy - 4.5}, {7.5, cy}, {15, cy + 4.5}}), ink);
    }, 4);
    Button("PlayCntrlPause", 20, 17, [](Canvas& c, Rgb ink, State) { PauseBars(c, 10, 8.5, 9, ink); }, 4);
    Button("PlayCntrlPlay", 20, 17, [](Canvas& c, Rgb ink, State s) {
        PlayTriangle(c, 10, 8.5, 10, s == State::Normal ? kGreen : ink);
    }, 4);
    Button("PlayCntrlSkip", 20, 17, [](Canvas& c, Rgb ink, State) {
        const double cy = 8.5;
        c.Fill(Polygon({{5, cy - 4.5}, {12.5, cy}, {5, cy + 4.5}}), ink);
        c.Fill(RoundRect(13, cy - 4.5, 15, cy + 4.5, 0.5), ink);
    }, 4);
    Button("PlayCntrlRandPlay", 84, 16, [](Canvas& c, Rgb ink, State) {
        Labelled(c, ink, "Random", [&](double cx, double cy) { ShuffleArrows(c, cx, cy, 12, ink, 0.8); }, 12,
                 false, 10);
    }, 4);
    Button("PlayCntrlSelective", 68, 16, [](Canvas& c, Rgb ink, State) {
        Labelled(c, ink, "Selective", [&](double cx, double cy) {
            c.Fill(Polygon({{cx - 5, cy - 4.5}, {cx + 5, cy - 4.5}, {cx + 1.2, cy}, {cx + 1.2, cy + 4.5},
                            {cx - 1.2, cy + 3.2}, {cx - 1.2, cy}}),
                   ink);
        }, 10, false, 9.5);
    }, 4);
    Button("Mute", 22, 19, [](Canvas& c, Rgb ink, State s) {
        const double cy = 9.5;
        Speaker(c, 11, cy, ink);
        if (s == State::Down) {
            c.Fill(Capsule(13, cy - 3, 18, cy + 3, 0.9), kRed);
            c.Fill(Capsule(13, cy + 3, 18, cy - 3, 0.9), kRed);
        } else {
            c.Fill(Intersect(Ring(11, cy, 4.8, 3.6), [](double x, double) { return x > 12.5; }), ink);
            c.Fill(Intersect(Ring(11, cy, 7.6, 6.4), [](double x, double) { return x > 13.5; }), ink);
        }
    }, 4);
    Button("PlakButton", 25, 19, [](Canvas& c, Rgb, State) {
        // The player: a record with a label.
        const double cy = 9.5;
        c.Fill(Circle(12.5, cy, 7), {18, 20, 26});
        c.Fill(Ring(12.5, cy, 5.6, 5.0), {70, 76, 90});
        c.Fill(Ring(12.5, cy, 4.1, 3.6), {70, 76, 90});
        c.Fill(Circle(12.5, cy, 2.6), kAccent);
        c.Fill(Circle(12.5, cy, 0.9), kWhite);
    }, 4);
    Button("MenuButton", 25, 19, [](Canvas& c, Rgb ink, State) {
        for (int i = 0; i < 3; ++i)
            c.Fill(Capsule(7, 5.5 + i * 4, 18, 5.5 + i * 4, 1.0), ink);
    }, 4);
    Button("Playlist", 25, 19, [](Canvas& c, Rgb ink, State) {
        for (int i = 0; i < 3; ++i)
            c.Fill(Capsule(5, 5 + i * 4, i == 2 ? 10 : 13, 5 + i * 4, 0.8), ink);
        Note(c, 12, 6.5, 10, ink);
    }, 4);
    Button("Un-Locked", 22, 18, [](Canvas& c, Rgb ink, State s) {
        if (s == State::Down)
            Padlock(c, 11, 9.5, kAmber, false);
        else
            Padlock(c, 10, 9.5, ink, true);
    }, 4);
}

// --- Row marks and strips --------------------------------------------------

void Badge(const std::string& name, Rgb colour, const std::string& digit)
{
    Canvas c(14, 14);
    c.Fill(RoundRect(1, 1, 13, 13, 3), colour);
    c.Fill(RoundRect(1, 1, 13, 3.5, 3), kWhite, 0.18);
    DrawText(c, digit, 9.5, true, 7, 7, {20, 20, 24});
    Save(c, name, true, kRowMatte);
}

void RowMarks()
{
    {
        Canvas c(16, 10);
        c.Fill(RoundRect(0, 0, 16, 10, 3), kGreen);
        DrawText(c, "NEW", 6.5, true, 8, 5, {12, 40, 20});
        Save(c, "NEW", true, kRowMatte);
    }
    {
        Canvas c(14, 14);
        c.Fill(Circle(7, 7, 6.5), kRed);
        c.Fill(Capsule(7, 3.6, 7, 8, 1.1), kWhite);
        c.Fill(Circle(7, 10.6, 1.2), kWhite);
        Save(c, "FileMissing", true, kRowMatte);
    }
    {
        Canvas c(14, 14);
        c.Fill(Ring(7, 7, 6.5, 5.1), {150, 158, 170});
        c.Fill(Capsule(3.6, 10.4, 10.4, 3.6, 0.8), {150, 158, 170});
        Save(c, "FileExcluded", true, kRowMatte);
    }
    Badge("SpecialState1", kAmber, "1");
    Badge("SpecialState2", {96, 210, 120}, "2");
    Badge("SpecialState3", {86, 186, 250}, "3");
    Badge("SpecialState4", {222, 120, 230}, "4");

    // Preference: five stars in 16-pixel cells; the lit strip is cut at
    // tenths, so each step is half a star.
    for (bool lit : {true, false}) {
        Canvas c(80, 14);
        for (int i = 0; i < 5; ++i) {
            double cx = 8 + 16 * i;
            if (lit)
                c.Fill(Star(cx, 7.6, 7.2, 3.0), VerticalGradient({255, 214, 90}, {240, 160, 40}, 1, 14));
            else
                c.Fill(Star(cx, 7.6, 7.2, 3.0), {62, 70, 84});
        }
        Save(c, lit ? "Preferrence" : "PreferrenceOff", true, kRowMatte);
    }
    {
        Canvas c(5, 16);
        c.Fill(RoundRect(0, 0, 5, 16, 1.5), {10, 12, 16});
        c.Fill(RoundRect(1, 1, 4, 15, 1), kWhite);
        Save(c, "PrefPointer", true, kRowMatte);
    }

    // Volume boost: "A" for automatic, lit or dim, then the level strip.
    for (bool autoOn : {true, false}) {
        Canvas c(10, 14);
        if (autoOn) {
            c.Fill(RoundRect(0, 0, 10, 14, 2.5), kAccent);
            DrawText(c, "A", 8.5, true, 5, 7, kWhite);
        } else {
            c.Fill(Minus(RoundRect(0, 0, 10, 14, 2.5), RoundRect(1, 1, 9, 13, 1.5)), kDim);
            DrawText(c, "A", 8.5, true, 5, 7, kDim);
        }
        Save(c, autoOn ? "VolBoostAuto" : "VolBoostNoAuto", true, kRowMatte);
    }
    {
        // A wedge from quiet (left) to loud (right), with a tick at the
        // middle (no boost).
        Canvas c(80, 14);
        auto ramp = [](double x, double) {
            double t = x / 80;
            return t < 0.5 ? Mix(kGreen, kAmber, t * 2) : Mix(kAmber, kRed, (t - 0.5) * 2);
        };
        c.Fill(Polygon({{0, 10}, {80, 2.5}, {80, 11.5}, {0, 11.5}}), ramp, 0.85);
        c.Fill(RoundRect(39.5, 0.5, 40.5, 13.5, 0), kInk, 0.8);
        Save(c, "VolBoostBar", true, kRowMatte);
    }
    {
        Canvas c(5, 14);
        c.Fill(RoundRect(0, 0, 5, 14, 1.5), {10, 12, 16});
        c.Fill(RoundRect(1, 1, 4, 13, 1), kWhite);
        Save(c, "VolBoostPointer", true, kRowMatte);
    }

    // Queue line and row icons.
    {
        Canvas c(12, 12);
        PlayTriangle(c, 6, 6, 10, kGreen);
        Save(c, "PlayCntrlPlaying", true, kRowMatte);
    }
    {
        Canvas c(12, 12);
        PauseBars(c, 6, 6, 9, kAmber);
        Save(c, "PlayCntrlPaused", true, kRowMatte);
    }
    {
        Canvas c(12, 12);
        c.Fill(RoundRect(2, 2, 10, 10, 1.5), {150, 158, 170});
        Save(c, "PlayCntrlStopped", true, kRowMatte);
    }
    {
        Canvas c(12, 12);
        ShuffleArrows(c, 6, 6, 11, kAccent, 0.75);
        Save(c, "PlayCntrlRandom", true, kRowMatte);
    }
}

// --- Bars and backdrop pieces ---------------------------------------------

void Bars()
{
    {
        // Play position groove: the knob travels 115 pixels over it.
        Canvas c(116, 19);
        c.Fill(RoundRect(0.5, 6.5, 115.5, 12.5, 3), {12, 15, 20});
        c.Fill(Minus(RoundRect(0.5, 6.5, 115.5, 13.5, 3), RoundRect(0.5, 6.5, 115.5, 12.5, 3)), kWhite, 0.12);
        for (int i = 1; i < 4; ++i)
            c.Fill(RoundRect(i * 28.75 - 0.5, 14.5, i * 28.75 + 0.5, 16.5, 0), kInk, 0.25);
        Save(c, "PlayPosBack", true);
    }
    {
        // The knob is drawn without a mask: its corners carry the backdrop's
        // colour.
        Canvas c(9, 19);
        c.Fill(RoundRect(0, 0, 9, 19, 0), kBackdropMatte);
        c.Fill(RoundRect(0.5, 2.5, 8.5, 17.5, 3), {8, 10, 14}, 0.6);
        c.Fill(RoundRect(0.5, 1.5, 8.5, 16.5, 3), VerticalGradient(kWhite, {196, 210, 230}, 1.5, 16.5));
        c.Fill(Capsule(4.5, 5.5, 4.5, 12.5, 0.7), kAccent);
        Save(c, "playposslider", false);
    }
    auto wedge = Polygon({{0, 15}, {72, 2.5}, {72, 15}});
    {
        Canvas c(72, 19);
        c.Fill(RoundRect(0, 0, 72, 19, 0), kBackdropMatte);
        c.Fill(wedge, {12, 15, 20});
        c.Fill(Minus(Polygon({{-1, 16}, {73, 1.5}, {73, 16}}), wedge), kWhite, 0.10);
        Save(c, "volumeback", false);
    }
    {
        Canvas c(72, 19);
        c.Fill(Polygon({{0.5, 14.5}, {71.5, 3}, {71.5, 14.5}}), [](double x, double) {
            return Mix(kAccent, {140, 200, 255}, x / 72);
        });
        Save(c, "volume", true);
    }
    {
        Canvas c(14, 14);
        c.Fill(Ring(5.8, 5.8, 5, 3.4), kLabelText);
        c.Fill(Capsule(9.4, 9.4, 12.6, 12.6, 1.3), kLabelText);
        Save(c, "QuickFind", true);
    }
}

// --- Program icon, menu images and genre states ----------------------------

Canvas IconImage(int size)
{
    Canvas c(size, size);
    double s = size;
    c.Fill(RoundRect(s * 0.03, s * 0.03, s * 0.97, s * 0.97, s * 0.2),
           VerticalGradient({84, 158, 250}, {36, 84, 180}, 0, s));
    // A record with a note over it.
    c.Fill(Circle(s * 0.44, s * 0.56, s * 0.34), {16, 20, 28});
    c.Fill(Ring(s * 0.44, s * 0.56, s * 0.27, s * 0.24), {80, 90, 110});
    c.Fill(Circle(s * 0.44, s * 0.56, s * 0.12), kAmber);
    Note(c, s * 0.46, s * 0.08, s * 0.5, kWhite);
    return c;
}

void ProgramResources()
{
    std::vector<Canvas> sizes{IconImage(16), IconImage(24), IconImage(32), IconImage(48), IconImage(256)};
    if (!WriteIcon(sizes, gResDir + "Vuv.ico")) {
        std::fprintf(stderr, "skingen: cannot write %sVuv.ico\n", gResDir.c_str());
        ++gFailed;
    }
    auto menuImage = [](const std::string& name, const std::function<void(Canvas&)>& draw) {
        Canvas c(13, 13);
        c.Fill(RoundRect(0, 0, 13, 13, 0), kMenuMatte);
        draw(c);
        if (!WriteImage(c, gResDir + name + ".bmp", kMenuMatte, false))
            ++gFailed;
    };
    menuImage("MenuEditTag", [](Canvas& c) {
        c.Fill(Capsule(3, 10, 10, 3, 1.6), {220, 150, 40});
        c.Fill(Polygon({{1.5, 11.5}, {2.2, 8.6}, {4.4, 10.8}}), {40, 40, 40});
    });
    menuImage("MenuPlay", [](Canvas& c) { PlayTriangle(c, 6.5, 6.5, 9, {30, 150, 70}); });
    // Genre membership in the properties dialog's genre list, on the list's
    // white: an empty box (no selected track has the genre), a half-filled
    // box (some have it), a ticked box (all have it).
    auto genreState = [](const std::string& name, int state) {
        const Rgb white{255, 255, 255};
        Canvas c(12, 12);
        c.Fill(RoundRect(0, 0, 12, 12, 0), white);
        c.Fill(Minus(RoundRect(0.5, 0.5, 11.5, 11.5, 2), RoundRect(1.5, 1.5, 10.5, 10.5, 1.2)), {96, 106, 122});
        if (state == 1)
            c.Fill(RoundRect(3, 3, 9, 9, 1), {150, 160, 176});
        if (state == 2) {
            c.Fill(RoundRect(1.5, 1.5, 10.5, 10.5, 1.2), {46, 104, 190});
            c.Fill(Polyline({{3, 6.2}, {5.2, 8.4}, {9.2, 3.6}}, 0.95), white);
        }
        if (!WriteImage(c, gResDir + name + ".bmp", white, false))
            ++gFailed;
    };
    genreState("GenreExcluded", 0);
    genreState("GenreMixed", 1);
    genreState("GenreIncluded", 2);
    menuImage("MenuConvert", [](Canvas& c) {
        c.Fill(Capsule(2, 4, 9, 4, 0.8), {40, 90, 190});
        c.Fill(Polygon({{8.5, 1.5}, {11.5, 4}, {8.5, 6.5}}), {40, 90, 190});
        c.Fill(Capsule(4, 9, 11, 9, 0.8), {40, 90, 190});
        c.Fill(Polygon({{4.5, 6.5}, {1.5, 9}, {4.5, 11.5}}), {40, 90, 190});
    });
}

bool WriteColours()
{
    FILE* f = std::fopen((gSkinDir + "Colors.txt").c_str(), "wb");
    if (!f)
        return false;
    for (Rgb c : {kListBackground, kListText, kQueueShadow, kSelectedBackground, kSelectedText,
                  kQueueSelectedShadow, kLabelText, kLabelShadow, kPlaylistText, kNotInSelectionText,
                  kGradientStart, kGradientEnd})
        std::fprintf(f, "%d\r\n%d\r\n%d\r\n", int(c.r), int(c.g), int(c.b));
    return std::fclose(f) == 0;
}

std::string WithSlash(std::string dir)
{
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: skingen SKIN_EDITOR_DIR RESOURCE_DIR\n");
        return 2;
    }
    gSkinDir = WithSlash(argv[1]);
    gResDir = WithSlash(argv[2]);
    if (!WriteColours()) {
        std::fprintf(stderr, "skingen: cannot write %sColors.txt\n", gSkinDir.c_str());
        return 1;
    }
    TopBarButtons();
    PlayControlButtons();
    RowMarks();
    Bars();
    ProgramResources();
    std::printf("skingen: %d skin images written\n", gWritten);
    return gFailed ? 1 : 0;
}
