// The five pages of the options dialog and their controls, laid out by hand
// at fixed places as the dialog is a fixed size.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "components/PaintPanel.h"
#include "options/Options1.h"
#include "presentation/PictureTables.h"

namespace zorvane {

namespace {

QLabel* Text(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

// A label that reads and behaves like a web link.
QLabel* Link(QWidget* parent, const QString& text, int x, int y) {
    auto* label = new QLabel("<a href=\"#\" style=\"color:#0000ff\">" + text + "</a>", parent);
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
    auto* page = new QWidget;
    auto* rows = new QGroupBox(" Rows ", page);
    rows->setGeometry(8, 8, 180, 56);
    Text(rows, "Start Rows:", 12, 26);
    SEStartRows = new QSpinBox(rows);
    SEStartRows->setRange(1, 5);
    SEStartRows->setGeometry(96, 22, 56, 24);

    auto* size = new QGroupBox(" Game Size: ", page);
    size->setGeometry(8, 72, 200, 96);
    RB9Rows = new QRadioButton("640x480 (9 rows)", size);
    RB12Rows = new QRadioButton("800x600 (12 rows)", size);
    RB16Rows = new QRadioButton("1024x768 (16 rows)", size);
    int y = 22;
    for (QRadioButton* button : {RB9Rows, RB12Rows, RB16Rows}) {
        button->move(12, y);
        button->adjustSize();
        y += 22;
    }
    RB9Rows->setChecked(true);

    CBRandom = Box(page, "Random Mode (for experts only)", 8, 184);
    LBLHelpRandom = Link(page, "Help on Random Mode", 28, 206);
    connect(LBLHelpRandom, &QLabel::linkActivated, this, [this] { LBLHelpRandomClick(); });
    CBBuffered = Box(page, "Graphics Buffered", 8, 240);
    CBBuffered->setChecked(true);
    Text(page, "This option makes the game\nrun a little slower, but there\nis no flicker.", 28,
         262);
    CBAnimations = Box(page, "Animations", 220, 16);
    CBAnimations->setChecked(true);
    Text(page, "Pieces fade, fall and slide\nand rows rise, briefly.", 240, 38);
    return page;
}

QWidget* TFrmOptions::BuildPiecesPage() {
    auto* page = new QWidget;
    auto* shapes = new QGroupBox(" Piece Shape ", page);
    shapes->setGeometry(8, 8, 150, 216);
    const char* names[] = {"Circle", "Square", "Diamond", "Star"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(names[i], shapes);
        button->move(12, 34 + 48 * i);
        button->adjustSize();
        const int tag = i + 1;
        connect(button, &QRadioButton::clicked, this, [this, tag] { RBCircleClick(tag); });
        ShapeButtons[i] = button;
        QLabel* picture = Picture(shapes, 96, 22 + 48 * i);
        picture->setPixmap(
            LoadNamedPicture(QString("ABCD"[i]) + "1", devicePixelRatioF(), {40, 40}));
    }

    auto* colours = new QGroupBox(" Piece Colors ", page);
    colours->setGeometry(166, 8, 224, 316);
    QStringList colourNames;
    for (const std::string_view name : kPieceColourNames) {
        colourNames << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
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
    CBSymbols = Box(page, "Show symbols\non pieces", 8, 236);
    CBSymbols->setAccessibleName("Show symbols on pieces");
    connect(CBSymbols, &QCheckBox::clicked, this, [this] { CBSymbolsClick(); });
    return page;
}

QWidget* TFrmOptions::BuildBackgroundPage() {
    auto* page = new QWidget;
    BtnSetBack = Button(page, "Set Board Color", {8, 8, 160, 26});
    connect(BtnSetBack, &QPushButton::clicked, this, [this] { BtnSetBackClick(); });
    PnlSample = new QWidget(page);
    PnlSample->setGeometry(8, 42, 160, 120);
    PnlSample->setAutoFillBackground(true);
    const QPoint places[] = {{0, 80}, {40, 80}, {40, 40}, {80, 80}, {80, 40}};
    for (int i = 0; i < 5; ++i) {
        SamplePieces[i] = Picture(PnlSample, places[i].x(), places[i].y());
    }
    CBUseGraphic = Box(page, "Use Graphic Background", 8, 176);
    connect(CBUseGraphic, &QCheckBox::clicked, this, [this] { CBUseGraphicClick(); });
    CBTransparent = Box(page, "Transparent Graphics", 8, 200);
    connect(CBTransparent, &QCheckBox::clicked, this, [this] { CBTransparentClick(); });

    auto* graphic = new QGroupBox(" Set Board Graphic ", page);
    graphic->setGeometry(174, 4, 220, 326);
    BtnSetGraphic = Button(graphic, "Set Graphic Background", {6, 22, 208, 26});
    connect(BtnSetGraphic, &QPushButton::clicked, this, [this] { BtnSetGraphicClick(); });
    CBStretchTile = new QComboBox(graphic);
    CBStretchTile->addItems({"Draw", "Center", "Stretch", "Tiled"});
    CBStretchTile->setGeometry(6, 54, 208, 24);
    connect(CBStretchTile, &QComboBox::activated, this, [this] { CBStretchTileChange(); });
    LblSample = Text(graphic, "Sample:", 6, 86);
    ImgSample = new TPaintPanel(graphic);
    ImgSample->SetBevelOuter(TBevelStyle::None);
    ImgSample->SetBevelWidth(0);
    ImgSample->setGeometry(6, 106, 209, 212);
    ImgSample->OnPaint = [this](QPainter& painter) { ImgSamplePaint(painter); };
    return page;
}

QWidget* TFrmOptions::BuildSoundsPage() {
    auto* page = new QWidget;
    const char* labels[] = {
        "Bad Move Sound:", "Good Move Sound:", "Explode Sound:", "Row Shift Sound:"};
    const char* mutes[] = {"Mute Bad Sound", "Mute Good Sound", "Mute Explode Sound",
                           "Mute Row Shift Sound"};
    // Shown top to bottom as bad, good, row shift, explode.
    const int order[] = {0, 1, 3, 2};
    for (int i = 0; i < 4; ++i) {
        const int row = order[i];
        const int top = 34 + 74 * i;
        Text(page, labels[row], 8, top);
        SoundBoxes[row] = new QLineEdit(page);
        SoundBoxes[row]->setGeometry(8, top + 18, 290, 24);
        BrowseButtons[row] = Button(page, "Browse...", {304, top + 17, 84, 26});
        connect(BrowseButtons[row], &QPushButton::clicked, this, [this, row] { BrowseSound(row); });
        MuteBoxes[row] = Box(page, mutes[row], 8, top + 46);
    }
    CBMuteAll = Box(page, "Mute All", 300, 8);
    connect(CBMuteAll, &QCheckBox::clicked, this, [this] { CBMuteAllClick(); });
    return page;
}

QWidget* TFrmOptions::BuildMusicPage() {
    auto* page = new QWidget;
    Text(page, "Play Background Music as:", 8, 10);
    CBMusicType = new QComboBox(page);
    CBMusicType->addItems({"Single Song", "Random Song from a Folder"});
    CBMusicType->setGeometry(8, 28, 250, 24);
    connect(CBMusicType, &QComboBox::activated, this, [this] { CBMusicTypeChange(); });

    LblSingleSong = Text(page, "Background Music (Single Song):", 8, 62);
    EdSingleSong = new QLineEdit(page);
    EdSingleSong->setGeometry(8, 80, 290, 24);
    BtnSingleSong = Button(page, "Browse...", {304, 79, 84, 26});
    connect(BtnSingleSong, &QPushButton::clicked, this, [this] { BtnSingleSongClick(); });

    LblBackground = Text(page, "Background Music (Random Songs) Folder:", 8, 114);
    EdBackground = new QLineEdit(page);
    EdBackground->setGeometry(8, 132, 290, 24);
    BtnBackground = Button(page, "Browse...", {304, 131, 84, 26});
    connect(BtnBackground, &QPushButton::clicked, this, [this] { BtnBackgroundClick(); });

    CBMuteBackground = Box(page, "Mute Background Music", 8, 168);
    CBPauseMusic = Box(page, "Pause Music on Deactivate Program", 8, 192);
    Text(page,
         "(When the program is minimized, hidden by another application,\n"
         "or another program has the keyboard focus.)",
         28, 212);
    for (int i = 0; i < 4; ++i) {
        LblMusic[i] =
            Link(page, "Good place to download music #" + QString::number(i + 1), 8, 252 + 20 * i);
        connect(LblMusic[i], &QLabel::linkActivated, this, [this, i] { LblMusicClick(i + 1); });
    }
    return page;
}

}  // namespace zorvane
