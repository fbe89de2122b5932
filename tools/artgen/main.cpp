// zorvane-artgen: draws the game's pictures and writes them as PNG files.
//
//   zorvane-artgen OUTPUT_FOLDER
//
// writes OUTPUT_FOLDER/pictures/NAME.png and NAME@2x.png for every picture,
// OUTPUT_FOLDER/pictures.qrc listing them, the program icon as
// OUTPUT_FOLDER/icons/zorvane-SIZE.png and the board's background pictures
// as OUTPUT_FOLDER/backgrounds/NAME.bmp (24-bit). Runs without a display.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

#include "tools/artgen/ArtCatalogue.h"
#include "tools/artgen/BackgroundArt.h"
#include "tools/artgen/LogoArt.h"

namespace {

using zorvane::art::Picture;

// A fully transparent canvas: what the game shows through must have alpha 0.
QImage Canvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Drawn at the target resolution, never scaled from a smaller image.
QImage Render(const Picture& picture, int scale) {
    QImage image = Canvas(picture.size * scale);
    if (picture.draw) {
        QPainter p(&image);
        p.scale(scale, scale);
        picture.draw(p);
    }
    return image;
}

bool Save(const QImage& image, const QString& path, const char* format = "PNG") {
    if (!image.save(path, format)) {
        std::fprintf(stderr, "zorvane-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool WriteQrc(const QString& path, const QStringList& files) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "zorvane-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    QTextStream out(&file);
    out << "<!-- Written by zorvane-artgen (make artwork); do not edit by hand. -->\n";
    out << "<RCC>\n  <qresource prefix=\"/pictures\">\n";
    for (const QString& f : files) {
        out << "    <file alias=\"" << f << "\">pictures/" << f << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    out.flush();
    return file.error() == QFileDevice::NoError;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zorvane-artgen OUTPUT_FOLDER\n");
        return 2;
    }
    // Fonts for the logo need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("pictures") || !out.mkpath("icons") || !out.mkpath("backgrounds")) {
        std::fprintf(stderr, "zorvane-artgen: cannot create folders in %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    QStringList files;
    for (const Picture& picture : zorvane::art::Pictures()) {
        for (int scale : {1, 2}) {
            const QString file = picture.name + (scale == 2 ? "@2x" : "") + ".png";
            ok = Save(Render(picture, scale), out.filePath("pictures/" + file)) && ok;
            files << file;
        }
    }
    ok = WriteQrc(out.filePath("pictures.qrc"), files) && ok;

    for (int size : zorvane::art::IconSizes()) {
        QImage icon = Canvas(QSize(size, size));
        QPainter p(&icon);
        p.scale(size / 64.0, size / 64.0);
        zorvane::art::DrawIcon(p, size);
        p.end();
        ok = Save(icon, out.filePath(QString("icons/zorvane-%1.png").arg(size))) && ok;
    }

    // Qt writes an image without alpha as a 24-bit BMP.
    for (const zorvane::art::Backdrop& backdrop : zorvane::art::Backdrops()) {
        ok = Save(backdrop.draw(), out.filePath("backgrounds/" + backdrop.file), "BMP") && ok;
    }
    return ok ? 0 : 1;
}
