#pragma once
// The page view of the help window. The pages are written for a web browser;
// this view shows them as close to that as Qt's rich text allows: each
// picture from its @2x file on a screen with more than one device pixel per
// pixel (what srcset gives in a web browser), and table cells spaced apart
// (the pages' style sheet does that in a web browser, but Qt cannot read it).

#include <QTextBrowser>

namespace zorvane {

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // A picture NAME.EXT of a local page comes from NAME@2x.EXT beside it,
    // marked as two device pixels per pixel, when this view's device pixel
    // ratio exceeds 1 and that file exists; everything else loads as
    // QTextBrowser loads it.
    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace zorvane
