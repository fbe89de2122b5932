#pragma once
// The modal windows the main window opens: message boxes, questions, the
// file choosers and those of the options dialog. The program uses the Qt
// ones; tests answer them from a script.

#include <QCoreApplication>
#include <QDialog>
#include <QString>
#include <QWidget>

#include "options/Choosers.h"

namespace zorvane {

class DialogService : public OptionsChoosers {
  public:
    virtual ~DialogService() = default;
    // A message box with an OK button; the caption of an error (in the
    // player's language) shows an error icon, that of a question to confirm
    // a question mark, anything else an information icon. Its text can be
    // selected, to copy a path or an address.
    virtual void Message(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Yes and No, Enter choosing Yes and Escape No; true for Yes.
    virtual bool Question(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The chosen saved-game file, or empty when cancelled.
    virtual QString SaveGameFileName(QWidget* parent, const QString& folder) = 0;
    virtual QString OpenGameFileName(QWidget* parent, const QString& folder) = 0;
    // Runs one of the program's own windows modally.
    virtual int RunModal(QDialog& dialog) = 0;
};

class QtDialogService : public DialogService {
    Q_DECLARE_TR_FUNCTIONS(QtDialogService)

  public:
    void Message(QWidget* parent, const QString& caption, const QString& text) override;
    bool Question(QWidget* parent, const QString& caption, const QString& text) override;
    QString SaveGameFileName(QWidget* parent, const QString& folder) override;
    QString OpenGameFileName(QWidget* parent, const QString& folder) override;
    int RunModal(QDialog& dialog) override { return dialog.exec(); }

    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override {
        return choosers_.ChooseColor(parent, initial);
    }
    QString ChooseSoundFile(QWidget* parent, const QString& folder) override {
        return choosers_.ChooseSoundFile(parent, folder);
    }
    QString ChoosePicture(QWidget* parent, const QString& folder) override {
        return choosers_.ChoosePicture(parent, folder);
    }
    QString ChooseFolder(QWidget* parent, const QString& start) override {
        return choosers_.ChooseFolder(parent, start);
    }

  private:
    QtOptionsChoosers choosers_;
};

}  // namespace zorvane
