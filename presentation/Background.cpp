#include "presentation/Background.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "persistence/FileCheck.h"
#include "presentation/Transparency.h"

namespace zorvane {

bool BackgroundPicture::Load(const QString& path, QString& error) {
    // Read through the file checks first: a FIFO or a device named as the
    // picture would block the reader, and a huge file is no background.
    std::string bytes;
    const FileResult file =
        ReadRegularFile(QFile::encodeName(path).toStdString(), kPictureFileCap, bytes);
    if (!file.ok) {
        error = QString::fromStdString(file.reason);
        return false;
    }
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    // The name's suffix is the first guess at the format, as it is when a
    // reader opens the file itself; when that format cannot read the data,
    // the content decides.
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!format.isEmpty() && !QImageReader(&buffer, format).canRead()) {
        format.clear();
    }
    buffer.seek(0);
    QImageReader reader(&buffer, format);
    const QImage image = reader.read();
    if (image.isNull()) {
        error = reader.errorString();
        return false;
    }
    SetImage(image);
    return true;
}

void BackgroundPicture::SetImage(const QImage& image) {
    image_ = image;
    set_ = true;
    Rebuild();
}

void BackgroundPicture::SetTransparent(bool transparent) {
    if (transparent_ != transparent) {
        transparent_ = transparent;
        Rebuild();
    }
}

void BackgroundPicture::Rebuild() {
    drawable_ = QPixmap::fromImage(transparent_ ? WithoutTransparentColour(image_) : image_);
}

void PaintBackground(QPainter& painter, QSize area, const QColor& boardColor,
                     const BackgroundPicture& picture, bool useGraphic, int mode) {
    const int W = area.width();
    const int H = area.height();
    painter.fillRect(0, 0, W, H, boardColor);
    if (!useGraphic || !picture.IsSet()) {
        return;
    }
    const QPixmap& p = picture.Drawable();
    const int w = p.width();
    const int h = p.height();
    if (w <= 0 || h <= 0) {
        return;
    }
    painter.save();
    painter.setClipRect(0, 0, W, H, Qt::IntersectClip);
    switch (mode) {
        case kDraw:
            painter.drawPixmap(0, 0, p);
            break;
        case kCenter:
            // Each half is truncated before the subtraction, as the layout
            // of a larger picture depends on it.
            painter.drawPixmap(W / 2 - w / 2, H / 2 - h / 2, p);
            break;
        case kStretch:
            painter.drawPixmap(QRect(0, 0, W, H), p);
            break;
        case kTiled:
            for (int y = 0; y < H; y += h) {
                for (int x = 0; x < W; x += w) {
                    painter.drawPixmap(x, y, p);
                }
            }
            break;
        default:
            break;
    }
    painter.restore();
}

}  // namespace zorvane
