// The options command: the dialog edits a copy of the settings, and the
// differences are applied according to the button that closed it.

#include <QDialog>

#include "app/MainUnit1.h"
#include "options/Options1.h"

namespace zorvane {

void TMainBoard::EditSubMenuClick() {
    RunModalCommand([this] {
        FrmOptions->Edit(settings_, game_->NumRows());
        const int result = dialogs_->RunModal(*FrmOptions);
        const Settings chosen = FrmOptions->Result();
        const bool save = result == TFrmOptions::kSaveResult;
        const bool apply = result == QDialog::Accepted || save;
        Settings now = apply ? chosen : settings_;
        // The background picture, its drawing mode and whether it is used,
        // like the picture itself, stay whatever button closed the dialog.
        now.GraphicsBack = chosen.GraphicsBack;
        now.GraphicsBackSet = chosen.GraphicsBackSet;
        now.GraphicsType = chosen.GraphicsType;
        now.UseGraphicsBack = chosen.UseGraphicsBack;
        // The size buttons show the running board, which keeps its size; a
        // new size is for the next start.
        const bool resized = apply && chosen.NumRowsSetting != game_->NumRows();
        if (!resized) {
            now.NumRowsSetting = settings_.NumRowsSetting;
        }
        ApplySettings(std::move(now), SettingsFrom::Player);
        if (resized) {
            const std::string notice = tr("Notice!").toStdString();
            ShowMessage(notice, tr("Board size change will take effect the next time the "
                                   "program is started")
                                    .toStdString());
            if (!save) {
                ShowMessage(notice,
                            tr("Remember to save options to change the board size!").toStdString());
            }
        }
        if (save) {
            SaveOptions1Click();
        }
        // The background may have changed whichever button closed the dialog.
        RepaintAll();
    });
}

}  // namespace zorvane
