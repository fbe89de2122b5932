#include "dialogs/Scores1.h"

#include "components/LocalDate.h"
#include "persistence/Elide.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <algorithm>

namespace zorvane {

namespace {

constexpr int kScoreColumn = 0;

// A title and nothing else on the frame: no minimise, maximise, help or close.
constexpr Qt::WindowFlags kFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// A name from the file may be of any length; the list shows a readable part.
QString FromTable(const std::string& text) {
    const std::string shown = ElideMiddle(text);
    return QString::fromLocal8Bit(shown.data(), static_cast<qsizetype>(shown.size()));
}

// Only the score text may be edited, and it must not take the file's field
// separator, a line break or the end-of-file mark, or the next save would
// shift or cut off the rows when the file is read back.
class ScoreDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (index.column() != kScoreColumn) {
            return nullptr;
        }
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            static const QRegularExpression kAllowed(QStringLiteral("[^|\\r\\n\\x{1a}]*"));
            line->setValidator(new QRegularExpressionValidator(kAllowed, line));
        }
        return editor;
    }
};

}  // namespace

TFrmScores::TFrmScores(HighScoreTable& table, QWidget* parent)
    : QDialog(parent, kFrame), table_(table) {
    setWindowTitle(tr("High Scores"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(562, 272);

    LstScores = new QTreeWidget(this);
    LstScores->setObjectName(QStringLiteral("LstScores"));
    LstScores->setGeometry(0, 0, 562, 233);
    LstScores->setRootIsDecorated(false);
    LstScores->setItemsExpandable(false);
    LstScores->setColumnCount(4);
    LstScores->setHeaderLabels({tr("Score"), tr("Date"), tr("Level"), tr("Name")});
    // Fixed widths that add up to less than the list, so every column shows;
    // a heading longer in the player's language widens its column, and the
    // names' column gives up the room.
    LstScores->header()->setStretchLastSection(false);
    int widths[] = {100, 100, 50, 308};
    for (int column = 0; column < 3; ++column) {
        const int wanted = LstScores->header()->sectionSizeHint(column);
        if (wanted > widths[column]) {
            widths[3] -= wanted - widths[column];
            widths[column] = wanted;
        }
    }
    for (int column = 0; column < 4; ++column) {
        LstScores->setColumnWidth(column, widths[column]);
    }
    LstScores->setItemDelegate(new ScoreDelegate(LstScores));
    LstScores->setEditTriggers(QAbstractItemView::DoubleClicked |
                               QAbstractItemView::SelectedClicked |
                               QAbstractItemView::EditKeyPressed);
    for (int i = 0; i < HighScoreTable::kRows; ++i) {
        auto* item = new QTreeWidgetItem(LstScores);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    connect(LstScores, &QTreeWidget::itemChanged, this, &TFrmScores::ScoreEdited);

    BtnOK = new QPushButton(tr("OK"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setGeometry(8, 240, 75, 25);
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);

    BtnClear = new QPushButton(tr("Clear Scores"), this);
    BtnClear->setObjectName(QStringLiteral("BtnClear"));
    const int clearWidth = std::max(91, BtnClear->sizeHint().width());
    BtnClear->setGeometry(562 - 8 - clearWidth, 240, clearWidth, 25);
    BtnClear->setAutoDefault(false);
    connect(BtnClear, &QPushButton::clicked, this, &TFrmScores::BtnClearClick);

    AskYesNo = [this](const QString& caption, const QString& text) {
        return AskWithMessageBox(caption, text);
    };
    Today = ShortDateToday;
    SaveTable = [] {};

    // Nothing happens on activation; the list is refreshed on every showing.
    Refresh();
}

void TFrmScores::Refresh() {
    refreshing_ = true;
    for (int i = 0; i < HighScoreTable::kRows; ++i) {
        const ScoreRow& row = table_.Row(i);
        QTreeWidgetItem* item = LstScores->topLevelItem(i);
        item->setText(0, FromTable(row.Score));
        item->setText(1, FromTable(row.Date));
        item->setText(2, FromTable(row.Level));
        item->setText(3, FromTable(row.Name));
    }
    refreshing_ = false;
}

void TFrmScores::ScoreEdited(QTreeWidgetItem* item, int column) {
    if (refreshing_ || column != kScoreColumn) {
        return;
    }
    const int i = LstScores->indexOfTopLevelItem(item);
    if (i < 0 || i >= HighScoreTable::kRows) {
        return;
    }
    // The list is the table: the edit stays and is written with the next save.
    table_.EditScore(i, item->text(kScoreColumn).toLocal8Bit().toStdString());
}

void TFrmScores::BtnClearClick() {
    const QString question = tr("Are you sure you want to clear the high scores table?") + "\n" +
                             tr("This action cannot be undone.");
    if (!AskYesNo(tr("Confirm"), question)) {
        return;
    }
    table_.Clear(Today());
    Refresh();
    SaveTable();
}

bool TFrmScores::AskWithMessageBox(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    // Escape and the box's close button both mean No: dismissing the
    // question must not wipe the table.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void TFrmScores::showEvent(QShowEvent* event) {
    Refresh();
    QDialog::showEvent(event);
}

}  // namespace zorvane
