#include "app/DialogService.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/MessageWords.h"

namespace zorvane {

namespace {

QMessageBox::Icon IconFor(const QString& caption) {
    if (caption == MessageWords::Error()) {
        return QMessageBox::Critical;
    }
    if (caption == MessageWords::Confirm()) {
        return QMessageBox::Question;
    }
    return QMessageBox::Information;
}

// Both choosers name .SAV files whatever the letter case of the extension.
QString RunFileDialog(QFileDialog& dialog, const QString& folder) {
    dialog.setDirectory(folder);
    dialog.setDefaultSuffix("SAV");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

}  // namespace

void QtDialogService::Message(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(IconFor(caption), caption, text, QMessageBox::Ok, parent);
    // Paths and addresses can be copied out of any message; names from files
    // are shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(box.textInteractionFlags() | Qt::TextSelectableByMouse);
    box.exec();
}

bool QtDialogService::Question(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogService::SaveGameFileName(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, tr("Save Game"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(tr("SAV Files (*.SAV *.sav)"));
    return RunFileDialog(dialog, folder);
}

QString QtDialogService::OpenGameFileName(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, tr("Open Game"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("SAV Files (*.SAV *.sav)"), tr("All Files (*)")});
    return RunFileDialog(dialog, folder);
}

}  // namespace zorvane
