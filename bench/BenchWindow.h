#pragma once
// What the window benchmarks share: the one application object of the
// program (Qt allows only one) with the game's pictures, and a dialog service
// that cancels every window and answers every question yes.

#include <QApplication>

#include "app/DialogService.h"
#include "resources/Resources.h"

namespace zorvane::bench {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "zorvane-bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static const bool resources = [] {
        InitResources();
        return true;
    }();
    (void)resources;
    return app;
}

class SilentDialogs : public DialogService {
  public:
    void Message(QWidget*, const QString&, const QString&) override {}
    bool Question(QWidget*, const QString&, const QString&) override { return true; }
    QString SaveGameFileName(QWidget*, const QString&) override { return {}; }
    QString OpenGameFileName(QWidget*, const QString&) override { return {}; }
    int RunModal(QDialog&) override { return 0; }
    std::optional<QColor> ChooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    QString ChooseSoundFile(QWidget*, const QString&) override { return {}; }
    QString ChoosePicture(QWidget*, const QString&) override { return {}; }
    QString ChooseFolder(QWidget*, const QString&) override { return {}; }
};

}  // namespace zorvane::bench
