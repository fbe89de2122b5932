#pragma once
// Colour science for the legibility tests: relative luminance and the WCAG
// contrast ratio, and the colour vision deficiencies simulated with the
// full-severity matrices of Machado, Oliveira and Fernandes (2009), applied
// in linear RGB.

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zorvane::test {

// Colour is full sight; the others reduce what is seen to lightness.
enum class Vision { Colour, Greyscale, Protanopia, Deuteranopia, Tritanopia };
inline constexpr std::array<Vision, 4> kVisions = {Vision::Greyscale, Vision::Protanopia,
                                                   Vision::Deuteranopia, Vision::Tritanopia};
inline constexpr std::array<Vision, 5> kAllVisions = {Vision::Colour, Vision::Greyscale,
                                                      Vision::Protanopia, Vision::Deuteranopia,
                                                      Vision::Tritanopia};

inline const char* VisionName(Vision vision) {
    switch (vision) {
        case Vision::Protanopia:
            return "protanopia";
        case Vision::Deuteranopia:
            return "deuteranopia";
        case Vision::Tritanopia:
            return "tritanopia";
        case Vision::Colour:
            return "colour";
        case Vision::Greyscale:
            break;
    }
    return "greyscale";
}

inline double ToLinear(int channel) {
    static const std::array<double, 256> kTable = [] {
        std::array<double, 256> table{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            table[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return table;
    }();
    return kTable[std::clamp(channel, 0, 255)];
}

// The nearest sRGB level: the level whose linear value is closest.
inline int FromLinear(double linear) {
    static const std::array<double, 256> kLevels = [] {
        std::array<double, 256> levels{};
        for (int i = 0; i < 256; ++i) {
            levels[i] = ToLinear(i);
        }
        return levels;
    }();
    const auto above = std::lower_bound(kLevels.begin(), kLevels.end(), linear);
    if (above == kLevels.begin()) {
        return 0;
    }
    if (above == kLevels.end()) {
        return 255;
    }
    return linear - *(above - 1) < *above - linear ? int(above - kLevels.begin()) - 1
                                                   : int(above - kLevels.begin());
}

inline double Luminance(double r, double g, double b) {
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
}

inline double Luminance(QRgb c) {
    return Luminance(ToLinear(qRed(c)), ToLinear(qGreen(c)), ToLinear(qBlue(c)));
}

// 1 (no contrast) .. 21 (black on white).
inline double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How far apart two colours look: the distance in CIE L*a*b* (D65), where
// about 2 is just noticeable and 20 plainly another colour.
inline double ColourDifference(QRgb a, QRgb b) {
    const auto lab = [](QRgb c) {
        const double r = ToLinear(qRed(c));
        const double g = ToLinear(qGreen(c));
        const double bl = ToLinear(qBlue(c));
        const auto f = [](double t) {
            return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0;
        };
        const double fx = f((0.4124 * r + 0.3576 * g + 0.1805 * bl) / 0.95047);
        const double fy = f(Luminance(r, g, bl));
        const double fz = f((0.0193 * r + 0.1192 * g + 0.9505 * bl) / 1.08883);
        return std::array<double, 3>{116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
    };
    const auto la = lab(a);
    const auto lb = lab(b);
    return std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
}

// The picture drawn over an opaque colour, as the board shows it.
inline QImage OverColour(const QImage& picture, QColor board) {
    QImage out(picture.size(), QImage::Format_RGB32);
    out.fill(board);
    // Pixel for pixel, whatever the picture's own pixel ratio.
    QImage pixels = picture;
    pixels.setDevicePixelRatio(1.0);
    QPainter painter(&out);
    painter.drawImage(0, 0, pixels);
    return out;
}

// What a viewer with `vision` sees of an opaque image: in colour its three
// channels, otherwise one lightness level per pixel, 0..255 in sRGB steps.
struct Seen {
    int channels = 1;
    std::vector<unsigned char> levels;
};

inline Seen SeenBy(const QImage& opaque, Vision vision) {
    using Matrix = std::array<std::array<double, 3>, 3>;
    static constexpr Matrix kProtan = {{{0.152286, 1.052583, -0.204868},
                                        {0.114503, 0.786281, 0.099216},
                                        {-0.003882, -0.048116, 1.051998}}};
    static constexpr Matrix kDeutan = {{{0.367322, 0.860646, -0.227968},
                                        {0.280085, 0.672501, 0.047413},
                                        {-0.011820, 0.042940, 0.968881}}};
    static constexpr Matrix kTritan = {{{1.255528, -0.076749, -0.178779},
                                        {-0.078411, 0.930809, 0.147602},
                                        {0.004733, 0.691367, 0.303900}}};
    const Matrix* m = vision == Vision::Protanopia     ? &kProtan
                      : vision == Vision::Deuteranopia ? &kDeutan
                      : vision == Vision::Tritanopia   ? &kTritan
                                                       : nullptr;
    Seen seen;
    seen.channels = vision == Vision::Colour ? 3 : 1;
    seen.levels.reserve(std::size_t(opaque.width()) * opaque.height() * seen.channels);
    for (int y = 0; y < opaque.height(); ++y) {
        for (int x = 0; x < opaque.width(); ++x) {
            const QRgb c = opaque.pixel(x, y);
            if (vision == Vision::Colour) {
                seen.levels.insert(seen.levels.end(), {static_cast<unsigned char>(qRed(c)),
                                                       static_cast<unsigned char>(qGreen(c)),
                                                       static_cast<unsigned char>(qBlue(c))});
                continue;
            }
            std::array<double, 3> rgb = {ToLinear(qRed(c)), ToLinear(qGreen(c)),
                                         ToLinear(qBlue(c))};
            if (m) {
                std::array<double, 3> sim{};
                for (int i = 0; i < 3; ++i) {
                    sim[i] = std::clamp(
                        (*m)[i][0] * rgb[0] + (*m)[i][1] * rgb[1] + (*m)[i][2] * rgb[2], 0.0, 1.0);
                }
                rgb = sim;
            }
            seen.levels.push_back(
                static_cast<unsigned char>(FromLinear(Luminance(rgb[0], rgb[1], rgb[2]))));
        }
    }
    return seen;
}

// How far apart two sights of one size are: per pixel the largest channel
// difference, averaged over the pixels, in levels. Stops counting once the
// mean is sure to pass `enough`, and then returns a value above it.
inline double MeanDifference(const Seen& a, const Seen& b, double enough = 1e9) {
    const std::size_t pixels = a.levels.size() / a.channels;
    const double limit = enough * double(pixels);
    long total = 0;
    for (std::size_t p = 0; p < pixels; ++p) {
        int most = 0;
        for (int ch = 0; ch < a.channels; ++ch) {
            const std::size_t i = p * a.channels + ch;
            most = std::max(most, std::abs(int(a.levels[i]) - int(b.levels[i])));
        }
        total += most;
        if (double(total) > limit) {
            return double(total) / double(pixels);
        }
    }
    return double(total) / double(pixels);
}

// The sight in two tones, each level light or dark against mid-grey: what
// is left when a picture is told only by where its light and dark parts
// lie, not by how light or dark they are.
inline Seen TwoTone(const Seen& seen) {
    Seen two = seen;
    for (unsigned char& level : two.levels) {
        level = level >= 128 ? 255 : 0;
    }
    return two;
}

}  // namespace zorvane::test
