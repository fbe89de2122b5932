// Program entry: the application, its title, the main window, the event loop.

#include <QApplication>
#include <QIcon>
#include <memory>

#include "app/CommandLine.h"
#include "app/MainUnit1.h"
#include "app/NoDisplay.h"
#include "app/SignalQuit.h"
#include "app/Translations.h"
#include "audio/ModuleMediaService.h"
#include "components/WindowPlacement.h"
#include "persistence/ProgramFolder.h"
#include "resources/Resources.h"

namespace {

// Opens the display, or ends the program with one line saying why not.
std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv, bool platformNamed) {
    zorvane::ExitWhenNoDisplayIsNamed(platformNamed);
    const zorvane::DisplayOpening opening;
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    // --help and --version answer without a display.
    const zorvane::CommandLine line = zorvane::ReadCommandLine(argc, argv);
    if (line.action != zorvane::CommandLine::Action::Play) {
        return zorvane::AnswerCommandLine(line, argc, argv);
    }
    const std::unique_ptr<QApplication> app = OpenApplication(argc, argv, line.platformNamed);
    zorvane::InstallTranslations(*app);
    // Dialogs, message boxes and choosers open over the main window and on screen.
    zorvane::PlaceOwnedWindowsOverOwners(*app);
    // From the very start, so a signal is never lost; it is acted on once the
    // event loop runs.
    zorvane::SignalQuit signalQuit;
    zorvane::InitResources();
    QApplication::setApplicationName("zorvane");
    QApplication::setDesktopFileName("zorvane");
    QApplication::setWindowIcon(QIcon(":/pictures/ICON.png"));

    // The sound library comes from a module beside the program, on first need.
    const std::string folder = zorvane::ProgramFolder();
    zorvane::TMainBoard board(std::make_unique<zorvane::QtDialogService>(),
                              std::make_unique<zorvane::ModuleMediaService>(folder), folder);
    board.OpenAtStart(line.file);
    signalQuit.SetWindow(&board);
    board.show();
    // Without a window manager a shown window stays inactive, and the game
    // clock ticks only while the program is active.
    board.activateWindow();
    return QApplication::exec();
}
