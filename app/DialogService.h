#pragma once
// The modal windows the main window opens: message boxes, questions and the
// file choosers. The program uses the Qt ones; tests answer them from a script.

#include <QDialog>
#include <QString>
#include <QWidget>

namespace zorvane {

class DialogService {
  public:
    virtual ~DialogService() = default;
    // A message box with an OK button; "Error" shows an error icon, "Confirm"
    // a question mark, anything else an information icon.
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
  public:
    void Message(QWidget* parent, const QString& caption, const QString& text) override;
    bool Question(QWidget* parent, const QString& caption, const QString& text) override;
    QString SaveGameFileName(QWidget* parent, const QString& folder) override;
    QString OpenGameFileName(QWidget* parent, const QString& folder) override;
    int RunModal(QDialog& dialog) override { return dialog.exec(); }
};

}  // namespace zorvane
