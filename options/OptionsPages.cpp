// The five pages of the options dialog and their controls, laid out by hand
// at fixed places as the dialog is a fixed size; where a text runs longer in
// the player's language, it wraps or moves its neighbour aside.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "components/PaintPanel.h"
#include "options/Options1.h"
#include "presentation/PictureTables.h"

namespace zorvane {

namespace {

// The right edge of what a page shows.
constexpr int kPageRight = 396;

QLabel* Text(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// A note that breaks its lines where it says, and also wherever it would
// run past `right`, as a longer language may.
QLabel* Note(QWidget* parent, const QString& text, int x, int y, int right = kPageRight) {
    QLabel* label = Text(parent, text, x, y);
    if (x + label->width() > right) {
        label->setWordWrap(true);
        label->setFixedWidth(right - x);
        label->adjustSize();
    }
    return label;
}

// A label that reads and behaves like a web link.
QLabel* Link(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(
        "<a href=\"#\" style=\"color:#0000ff\">" + text.toHtmlEscaped() + "</a>", parent);
    label->setTextFormat(Qt::RichText);
    label->setCursor(Qt::PointingHandCursor);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QCheckBox* Box(QWidget* parent, const QString& text, int x, int y) {
    auto* box = new QCheckBox(text, parent);
    box->move(x, y);
    box->adjustSize();
    return box;
}

QPushButton* Button(QWidget* parent, const QString& text, QRect place) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(place);
    return button;
}

QLabel* Picture(QWidget* parent, int x, int y) {
    auto* picture = new QLabel(parent);
    picture->setGeometry(x, y, 40, 40);
    return picture;
}

}  // namespace

QWidget* TFrmOptions::BuildGamePage() {
    // Made in the dialog, so its texts are measured in the dialog's font
    // (every page is).
    auto* page = new QWidget(this);
    auto* rows = new QGroupBox(tr(" Rows "), page);
    rows->setGeometry(8, 8, 180, 56);
    const QLabel* startRows = Text(rows, tr("Start Rows:"), 12, 26);
    SEStartRows = new QSpinBox(rows);
    SEStartRows->setRange(1, 5);
    // Beside its label, however long that is in the player's language.
    const int spinX = std::max(96, startRows->x() + startRows->width() + 6);
    SEStartRows->setGeometry(spinX, 22, 56, 24);
    rows->resize(std::max(180, spinX + 56 + 12), rows->height());

    auto* size = new QGroupBox(tr(" Game Size: "), page);
    size->setGeometry(8, 72, 200, 96);
    RB9Rows = new QRadioButton(tr("640x480 (9 rows)"), size);
    RB12Rows = new QRadioButton(tr("800x600 (12 rows)"), size);
    RB16Rows = new QRadioButton(tr("1024x768 (16 rows)"), size);
    int y = 22;
    for (QRadioButton* button : {RB9Rows, RB12Rows, RB16Rows}) {
        button->move(12, y);
        button->adjustSize();
        y += 22;
    }
    RB9Rows->setChecked(true);

    CBRandom = Box(page, tr("Random Mode (for experts only)"), 8, 184);
    LBLHelpRandom = Link(page, tr("Help on Random Mode"), 28, 206);
    connect(LBLHelpRandom, &QLabel::linkActivated, this, [this] { LBLHelpRandomClick(); });
    CBBuffered = Box(page, tr("Graphics Buffered"), 8, 240);
    CBBuffered->setChecked(true);
    Note(page, tr("This option makes the game\nrun a little slower, but there\nis no flicker."), 28,
         262);
    CBAnimations = Box(page, tr("Animations"), 220, 16);
    CBAnimations->setChecked(true);
    Note(page, tr("Pieces fade, fall and slide\nand rows rise, briefly."), 240, 38);
    return page;
}

QWidget* TFrmOptions::BuildPiecesPage() {
    auto* page = new QWidget(this);
    auto* shapes = new QGroupBox(tr(" Piece Shape "), page);
    shapes->setGeometry(8, 8, 150, 216);
    const char* names[] = {QT_TR_NOOP("Circle"), QT_TR_NOOP("Square"), QT_TR_NOOP("Diamond"),
                           QT_TR_NOOP("Star")};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(tr(names[i]), shapes);
        button->move(12, 34 + 48 * i);
        button->adjustSize();
        const int tag = i + 1;
        connect(button, &QRadioButton::clicked, this, [this, tag] { RBCircleClick(tag); });
        ShapeButtons[i] = button;
        QLabel* picture = Picture(shapes, 96, 22 + 48 * i);
        picture->setPixmap(
            LoadNamedPicture(QString("ABCD"[i]) + "1", devicePixelRatioF(), {40, 40}));
    }

    auto* colours = new QGroupBox(tr(" Piece Colors "), page);
    colours->setGeometry(166, 8, 224, 316);
    const QStringList colourNames = {tr("Gray"),  tr("Blue"),   tr("Cyan"),
                                     tr("Green"), tr("Orange"), tr("Purple"),
                                     tr("Red"),   tr("Yellow"), tr("Pink")};
    for (int i = 0; i < 6; ++i) {
        auto* list = new QComboBox(colours);
        list->addItems(colourNames);
        list->setGeometry(12, 30 + 48 * i, 140, 24);
        const int slot = i + 1;
        connect(list, &QComboBox::activated, this, [this, slot] { CBColor1Change(slot); });
        CBColors[i] = list;
        ColorPreviews[i] = Picture(colours, 164, 22 + 48 * i);
    }

    // Two lines: the column beside the colour lists is narrow.
    CBSymbols = Box(page, tr("Show symbols\non pieces"), 8, 236);
    CBSymbols->setAccessibleName(tr("Show symbols on pieces"));
    connect(CBSymbols, &QCheckBox::clicked, this, [this] { CBSymbolsClick(); });
    return page;
}

QWidget* TFrmOptions::BuildBackgroundPage() {
    auto* page = new QWidget(this);
    BtnSetBack = Button(page, tr("Set Board Color"), {8, 8, 160, 26});
    connect(BtnSetBack, &QPushButton::clicked, this, [this] { BtnSetBackClick(); });
    PnlSample = new QWidget(page);
    PnlSample->setGeometry(8, 42, 160, 120);
    PnlSample->setAutoFillBackground(true);
    const QPoint places[] = {{0, 80}, {40, 80}, {40, 40}, {80, 80}, {80, 40}};
    for (int i = 0; i < 5; ++i) {
        SamplePieces[i] = Picture(PnlSample, places[i].x(), places[i].y());
    }
    CBUseGraphic = Box(page, tr("Use Graphic Background"), 8, 176);
    connect(CBUseGraphic, &QCheckBox::clicked, this, [this] { CBUseGraphicClick(); });
    CBTransparent = Box(page, tr("Transparent Graphics"), 8, 200);
    connect(CBTransparent, &QCheckBox::clicked, this, [this] { CBTransparentClick(); });

    auto* graphic = new QGroupBox(tr(" Set Board Graphic "), page);
    graphic->setGeometry(174, 4, 220, 326);
    BtnSetGraphic = Button(graphic, tr("Set Graphic Background"), {6, 22, 208, 26});
    connect(BtnSetGraphic, &QPushButton::clicked, this, [this] { BtnSetGraphicClick(); });
    CBStretchTile = new QComboBox(graphic);
    CBStretchTile->addItems({tr("Draw"), tr("Center"), tr("Stretch"), tr("Tiled")});
    CBStretchTile->setGeometry(6, 54, 208, 24);
    connect(CBStretchTile, &QComboBox::activated, this, [this] { CBStretchTileChange(); });
    LblSample = Text(graphic, tr("Sample:"), 6, 86);
    ImgSample = new TPaintPanel(graphic);
    ImgSample->SetBevelOuter(TBevelStyle::None);
    ImgSample->SetBevelWidth(0);
    ImgSample->setGeometry(6, 106, 209, 212);
    ImgSample->OnPaint = [this](QPainter& painter) { ImgSamplePaint(painter); };
    return page;
}

QWidget* TFrmOptions::BuildSoundsPage() {
    auto* page = new QWidget(this);
    const QString labels[] = {tr("Bad Move Sound:"), tr("Good Move Sound:"), tr("Explode Sound:"),
                              tr("Row Shift Sound:")};
    const QString mutes[] = {tr("Mute Bad Sound"), tr("Mute Good Sound"), tr("Mute Explode Sound"),
                             tr("Mute Row Shift Sound")};
    // Shown top to bottom as bad, good, row shift, explode.
    const int order[] = {0, 1, 3, 2};
    for (int i = 0; i < 4; ++i) {
        const int row = order[i];
        const int top = 34 + 74 * i;
        Text(page, labels[row], 8, top);
        SoundBoxes[row] = new QLineEdit(page);
        SoundBoxes[row]->setGeometry(8, top + 18, 290, 24);
        BrowseButtons[row] = Button(page, tr("Browse..."), {304, top + 17, 84, 26});
        connect(BrowseButtons[row], &QPushButton::clicked, this, [this, row] { BrowseSound(row); });
        MuteBoxes[row] = Box(page, mutes[row], 8, top + 46);
    }
    CBMuteAll = Box(page, tr("Mute All"), 300, 8);
    // Its right edge stays on the page in a longer language.
    CBMuteAll->move(std::min(300, kPageRight - CBMuteAll->width()), 8);
    connect(CBMuteAll, &QCheckBox::clicked, this, [this] { CBMuteAllClick(); });
    return page;
}

QWidget* TFrmOptions::BuildMusicPage() {
    auto* page = new QWidget(this);
    Text(page, tr("Play Background Music as:"), 8, 10);
    CBMusicType = new QComboBox(page);
    CBMusicType->addItems({tr("Single Song"), tr("Random Song from a Folder")});
    CBMusicType->setGeometry(8, 28, 250, 24);
    connect(CBMusicType, &QComboBox::activated, this, [this] { CBMusicTypeChange(); });

    LblSingleSong = Text(page, tr("Background Music (Single Song):"), 8, 62);
    EdSingleSong = new QLineEdit(page);
    EdSingleSong->setGeometry(8, 80, 290, 24);
    BtnSingleSong = Button(page, tr("Browse..."), {304, 79, 84, 26});
    connect(BtnSingleSong, &QPushButton::clicked, this, [this] { BtnSingleSongClick(); });

    LblBackground = Text(page, tr("Background Music (Random Songs) Folder:"), 8, 114);
    EdBackground = new QLineEdit(page);
    EdBackground->setGeometry(8, 132, 290, 24);
    BtnBackground = Button(page, tr("Browse..."), {304, 131, 84, 26});
    connect(BtnBackground, &QPushButton::clicked, this, [this] { BtnBackgroundClick(); });

    CBMuteBackground = Box(page, tr("Mute Background Music"), 8, 168);
    CBPauseMusic = Box(page, tr("Pause Music on Deactivate Program"), 8, 192);
    Note(page,
         tr("(When the program is minimized, hidden by another application,\n"
            "or another program has the keyboard focus.)"),
         28, 212);
    for (int i = 0; i < 4; ++i) {
        LblMusic[i] =
            Link(page, tr("Good place to download music #%1").arg(i + 1), 8, 252 + 20 * i);
        connect(LblMusic[i], &QLabel::linkActivated, this, [this, i] { LblMusicClick(i + 1); });
    }
    return page;
}

}  // namespace zorvane
