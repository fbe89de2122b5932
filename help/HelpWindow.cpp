#include "help/HelpWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpBrowser.h"

namespace zorvane {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Zorvane Help"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // Every click comes to LinkClicked, which keeps web addresses out of
    // the window.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::LinkClicked);

    auto* back = new QPushButton(tr("< &Back"), this);
    back->setObjectName(QStringLiteral("BtnBack"));
    auto* forward = new QPushButton(tr("&Forward >"), this);
    forward->setObjectName(QStringLiteral("BtnForward"));
    auto* closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName(QStringLiteral("BtnClose"));
    for (QPushButton* button : {back, forward, closeButton}) {
        button->setAutoDefault(false);
    }
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Zorvane Help") : title);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    buttons->addWidget(closeButton);

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
