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

namespace zorvane::test {

enum class Vision { Greyscale, Protanopia, Deuteranopia, Tritanopia };
inline constexpr std::array<Vision, 4> kVisions = {Vision::Greyscale, Vision::Protanopia,
                                                   Vision::Deuteranopia, Vision::Tritanopia};

inline const char* VisionName(Vision vision) {
    switch (vision) {
        case Vision::Protanopia:
            return "protanopia";
        case Vision::Deuteranopia:
            return "deuteranopia";
        case Vision::Tritanopia:
            return "tritanopia";
        case Vision::Greyscale:
            break;
    }
    return "greyscale";
}

inline double ToLinear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline int FromLinear(double linear) {
    const double l = std::clamp(linear, 0.0, 1.0);
    const double c = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::lround(c * 255.0));
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

// What a viewer with `vision` sees of an opaque image, reduced to its
// lightness: one grey level per pixel, 0..255 in sRGB steps.
inline QImage SeenGrey(const QImage& opaque, Vision vision) {
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
    QImage grey(opaque.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < opaque.height(); ++y) {
        for (int x = 0; x < opaque.width(); ++x) {
            const QRgb c = opaque.pixel(x, y);
            std::array<double, 3> rgb = {ToLinear(qRed(c)), ToLinear(qGreen(c)),
                                         ToLinear(qBlue(c))};
            if (m) {
                std::array<double, 3> seen{};
                for (int i = 0; i < 3; ++i) {
                    seen[i] = std::clamp(
                        (*m)[i][0] * rgb[0] + (*m)[i][1] * rgb[1] + (*m)[i][2] * rgb[2], 0.0, 1.0);
                }
                rgb = seen;
            }
            grey.scanLine(y)[x] = static_cast<uchar>(FromLinear(Luminance(rgb[0], rgb[1], rgb[2])));
        }
    }
    return grey;
}

// The mean absolute difference of two grey images of one size, in grey levels.
inline double MeanGreyDifference(const QImage& a, const QImage& b) {
    long total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            total += std::abs(int(a.constScanLine(y)[x]) - int(b.constScanLine(y)[x]));
        }
    }
    return double(total) / (a.width() * a.height());
}

}  // namespace zorvane::test
