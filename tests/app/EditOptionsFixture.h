#pragma once
// A main window whose options dialog a test fills in and closes.

#include <fstream>
#include <functional>

#include "AppFixture.h"
#include "options/Options1.h"

namespace zorvane::test {

class EditOptions : public AppTest {
  protected:
    TFrmOptions& Dialog() { return board->OptionsWindow(); }
    // Opens the dialog, lets `act` change it, and closes it with `result`.
    void Edit(int result, const std::function<void(TFrmOptions&)>& act) {
        dialogs->modalResult = result;
        dialogs->duringModal = [&](QDialog&) { act(Dialog()); };
        board->EditSubMenuClick();
        dialogs->duringModal = nullptr;
    }
    std::string OptionsFile() {
        std::ifstream file(folder / "Options.txt", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), {});
    }
    QStringList Notices() const { return dialogs->log.filter("message: Notice!"); }
};

}  // namespace zorvane::test
