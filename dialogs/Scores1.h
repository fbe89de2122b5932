#pragma once
// The high-score window: the table's ten rows in a report list, whose score
// texts the player may edit in place, and the "Clear Scores" button.

#include <QDialog>
#include <functional>
#include <string>

#include "persistence/HighScores.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zorvane {

class TFrmScores : public QDialog {
    Q_OBJECT

  public:
    explicit TFrmScores(HighScoreTable& table, QWidget* parent = nullptr);

    // Yes/No confirmation; true means go ahead.
    std::function<bool(const QString& caption, const QString& text)> AskYesNo;
    // Today's date as the table stores it.
    std::function<std::string()> Today;
    // Writes the table after a change; the window itself knows no file.
    std::function<void()> SaveTable;

    // Reloads the list from the table.
    void Refresh();
    void BtnClearClick();

  protected:
    // The game changes the table while the window is hidden, so every
    // showing starts from the table.
    void showEvent(QShowEvent* event) override;

  private:
    void ScoreEdited(QTreeWidgetItem* item, int column);
    bool AskWithMessageBox(const QString& caption, const QString& text);

    HighScoreTable& table_;
    QTreeWidget* LstScores;
    QPushButton* BtnOK;
    QPushButton* BtnClear;
    bool refreshing_ = false;
};

}  // namespace zorvane
