#pragma once
// The game's own help viewer, for when the desktop cannot open a page: the
// same HTML files from the program's Help folder, with links between them,
// their pictures, Back, Forward and Close. Web addresses clicked in a page go
// to OpenWebLink; the window itself only shows local pages.

#include <QDialog>
#include <QUrl>
#include <functional>

namespace zorvane {

class HelpBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the local page `page` (a file URL, maybe with a #fragment) and
    // brings the window to the front. While another window is modal (a
    // dialog whose link asked for the page), this one is modal too, so the
    // player can reach it.
    void ShowPage(const QUrl& page);

    std::function<void(const QUrl&)> OpenWebLink;

  private:
    void LinkClicked(const QUrl& url);

    HelpBrowser* browser_ = nullptr;
};

}  // namespace zorvane
