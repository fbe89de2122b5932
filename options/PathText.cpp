#include "options/PathText.h"

#include <QFile>
#include <QLineEdit>
#include <QVariant>

namespace zorvane {

namespace {
constexpr const char* kBytesProperty = "zorvanePathBytes";
}  // namespace

QString PathToText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string TextToPath(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

void SetPathText(QLineEdit& box, const std::string& path) {
    const QString text = PathToText(path);
    box.setProperty(kBytesProperty, QByteArray::fromStdString(path));
    box.setText(text);
}

std::string PathText(const QLineEdit& box) {
    const QVariant bytes = box.property(kBytesProperty);
    if (bytes.isValid()) {
        const std::string path = bytes.toByteArray().toStdString();
        if (box.text() == PathToText(path)) {
            return path;
        }
    }
    return TextToPath(box.text());
}

}  // namespace zorvane
