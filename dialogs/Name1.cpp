#include "dialogs/Name1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace zorvane {

namespace {

constexpr Qt::WindowFlags kFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

}  // namespace

TFrmName::TFrmName(QWidget* parent) : QDialog(parent, kFrame) {
    setWindowTitle(tr("Enter Name"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);

    // The prompt takes as many lines as its language needs; the rest moves
    // down below it.
    auto* prompt = new QLabel(tr("You got a high score! Please enter your name:"), this);
    prompt->setWordWrap(true);
    const int promptHeight = std::max(16, prompt->heightForWidth(274));
    prompt->setGeometry(8, 8, 274, promptHeight);
    const int below = promptHeight - 16;
    setFixedSize(290, 95 + below);

    EdtName = new QLineEdit(this);
    EdtName->setObjectName(QStringLiteral("EdtName"));
    EdtName->setGeometry(8, 28 + below, 273, 21);
    // The name is the last field of its line in the scores file, so "|" is
    // fine, but a line break or an end-of-file mark would break the file.
    static const QRegularExpression kAllowed(QStringLiteral("[^\\r\\n\\x{1a}]*"));
    EdtName->setValidator(new QRegularExpressionValidator(kAllowed, EdtName));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setGeometry((290 - 75) / 2, 60 + below, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString TFrmName::Name() const {
    return EdtName->text();
}

void TFrmName::showEvent(QShowEvent* event) {
    // The last name is offered again; typing replaces it.
    EdtName->selectAll();
    EdtName->setFocus();
    QDialog::showEvent(event);
}

}  // namespace zorvane
