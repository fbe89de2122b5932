#include "app/NoDisplay.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zorvane {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage>& Held() {
    static std::vector<HeldMessage> held;
    return held;
}

QtMessageHandler previous = nullptr;

[[noreturn]] void NoDisplay(const char* why) {
    std::fprintf(stderr, "zorvane: %s\n", why);
    std::fflush(stderr);
    std::_Exit(1);  // nothing to tidy: no window was ever made
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        NoDisplay("cannot open the display named by DISPLAY or WAYLAND_DISPLAY");
    }
    Held().push_back({type, context.category, text});
}

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

}  // namespace

void ExitWhenNoDisplayIsNamed(bool platformNamed) {
    if (!platformNamed && !IsSet("QT_QPA_PLATFORM") && !IsSet("DISPLAY") &&
        !IsSet("WAYLAND_DISPLAY")) {
        NoDisplay("no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set");
    }
}

DisplayOpening::DisplayOpening() {
    previous = qInstallMessageHandler(HoldMessage);
}

DisplayOpening::~DisplayOpening() {
    qInstallMessageHandler(previous);
    for (const HeldMessage& message : Held()) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (previous != nullptr) {
            previous(message.type, context, message.text);
        }
    }
    Held().clear();
}

}  // namespace zorvane
