#include "help/HelpWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zorvane {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Zorvane Help"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // Every click comes to LinkClicked, which keeps web addresses out of
    // the window.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::LinkClicked);

    back_ = new QPushButton(QStringLiteral("< &Back"), this);
    back_->setObjectName(QStringLiteral("BtnBack"));
    forward_ = new QPushButton(QStringLiteral("&Forward >"), this);
    forward_->setObjectName(QStringLiteral("BtnForward"));
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setObjectName(QStringLiteral("BtnClose"));
    for (QPushButton* button : {back_, forward_, close_}) {
        button->setAutoDefault(false);
    }
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Zorvane Help") : title);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* column = new QVBoxLayout(this);
    column->addWidget(browser_);
    column->addLayout(buttons);
    resize(760, 600);
}

void HelpWindow::ShowPage(const QUrl& page) {
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        // Modality changes only take effect on a hidden window.
        hide();
        setWindowModality(wanted);
    }
    browser_->setSource(page);
    show();
    raise();
    activateWindow();
}

void HelpWindow::LinkClicked(const QUrl& url) {
    const QUrl target = browser_->source().resolved(url);
    if (target.isLocalFile()) {
        browser_->setSource(target);
    } else if (OpenWebLink) {
        OpenWebLink(target);
    }
}

}  // namespace zorvane
