// The main window's fixed layout: the board, the strip under it and the
// status panel, sized for 9, 12 or 16 rows, and the view of the status values.

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "app/BoardGuide.h"
#include "app/MainUnit1.h"
#include "app/MoveMotion.h"
#include "app/StatusWords.h"
#include "components/ScaledView.h"
#include "components/WindowPlacement.h"
#include "presentation/BoardPainter.h"
#include "zorvane/Version.h"

namespace zorvane {

namespace {

constexpr int kClientWidth = 592;
constexpr int kBoardWidth = 400;
constexpr int kStatusWidth = 192;

QFont Arial(int pixels, bool bold) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(ScaledView& view, QWidget* parent, const QString& name, const QString& text,
                  QPoint at, int pixels, bool bold = true) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    view.SetDesignFont(label, Arial(pixels, bold), pixels);
    view.PlaceLabel(label, at);
    return label;
}

}  // namespace

void TMainBoard::BuildLayout() {
    view_ = new ScaledView(this);
    view_->setObjectName("Client");
    view_->setAutoFillBackground(true);
    view_->setBackgroundRole(QPalette::Button);
    setCentralWidget(view_);
    connect(view_, &ScaledView::FactorChanged, this, [this] { FactorChanged(); });
    QWidget* client = view_->Content();

    Panel1 = new TPaintPanel(client);
    Panel1->setObjectName("Panel1");
    Panel1->SetColor(QColor(128, 128, 128));
    Panel1->SetBevelOuter(TBevelStyle::None);
    Panel1->SetBevelWidth(0);
    Panel1->OnPaint = [this](QPainter& painter) { Panel1Paint(painter); };
    Panel1->installEventFilter(this);
    Panel1->setContextMenuPolicy(Qt::CustomContextMenu);
    guide_ = new BoardGuide(
        Panel1, [this] { return CurrentGame(); }, settings_, this);
    motion_ = new MoveMotion(Panel1, this);
    guide_->PlayCell = [this](int tag) { PlayBoardCell(tag); };
    // The outline comes back once the pieces have landed.
    guide_->Moving = [this] { return motion_->Running(); };
    connect(motion_, &MoveMotion::Finished, guide_, &BoardGuide::Refresh);
    // A first move can come before the clock has ever run: the sound gets
    // ready between the press and the release (or the next key) instead of
    // holding up the move's effect.
    guide_->Aiming = [this] { sounds_->Prepare(); };
    Panel1->setFocus();

    Panel3 = new TPaintPanel(client);
    Panel3->setObjectName("Panel3");
    Panel3->SetBevelOuter(TBevelStyle::Raised);
    Panel3->SetColor(palette().color(QPalette::Button));
    Panel3->OnPaint = [this](QPainter& painter) {
        if (game_) {
            PaintAux(painter, game_->State().Aux, pictures_);
        }
    };

    Panel2 = new QWidget(client);
    Panel2->setObjectName("Panel2");

    Image1 = new QLabel(Panel2);
    Image1->setObjectName("Image1");
    view_->Place(Image1, {6, 8, 183, 106});
    ShowLogo();
    Image1->setToolTip(tr("Zorvane version %1 public beta").arg(kVersion));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    // The score box; only its children change later.
    auto* Panel4 = new TPaintPanel(Panel2);
    Panel4->setObjectName("Panel4");
    Panel4->SetBevelOuter(TBevelStyle::Raised);
    Panel4->SetColor(palette().color(QPalette::Button));
    view_->Place(Panel4, {6, 120, 183, 105});
    MakeLabel(*view_, Panel4, "Label1", tr("Score"), {61, 5}, 21);

    Panel5 = new TPaintPanel(Panel4);
    Panel5->setObjectName("Panel5");
    Panel5->SetBevelOuter(TBevelStyle::Lowered);
    Panel5->SetColor(QColor(0, 0, 255));
    view_->Place(Panel5, {16, 32, 152, 31});
    Panel5->OnPaint = [this](QPainter& painter) {
        if (game_) {
            PaintDigits(painter, game_->State().Status, pictures_);
        }
    };
    Panel5->installEventFilter(this);
    Panel5->setAccessibleName(tr("Score"));
    // From the first look a reader takes it reads as the score, which starts
    // at 0.
    Panel5->SetAccessibleValue("0");

    LevelLabel =
        MakeLabel(*view_, Panel4, "LevelLabel", StatusWords::Level(StatusPanel{}), {53, 72}, 21);

    Bonus = MakeLabel(*view_, Panel2, "Bonus", StatusWords::Bonus(StatusPanel{}), {32, 229}, 21);
    // Under the client's Button background a label writes in ButtonText;
    // the bonus asks for its own role so that the red is what it draws.
    QPalette red = Bonus->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Bonus->setPalette(red);
    Bonus->setForegroundRole(QPalette::WindowText);

    BtnPause = new QPushButton(StatusWords::PauseButton(StatusPanel{}), Panel2);
    BtnPause->setObjectName("BtnPause");
    view_->Place(BtnPause, {58, 254, 75, 25});
    view_->SetDesignFont(BtnPause, font(), 11);
    // Tab reaches it from the board; a click leaves the focus on the board.
    // Enter and Space press it while it has the focus.
    BtnPause->setFocusPolicy(Qt::TabFocus);
    BtnPause->setAutoDefault(true);
    BtnPause->setAccessibleDescription(tr("Starts the game clock, or pauses it"));
    connect(BtnPause, &QPushButton::clicked, this, [this] { BtnPauseClick(); });

    LblRows =
        MakeLabel(*view_, Panel2, "LblRows", StatusWords::Percent(StatusPanel{}), {9, 284}, 12);
    PBRows = new QProgressBar(Panel2);
    PBRows->setObjectName("PBRows");
    view_->Place(PBRows, {21, 304, 150, 16});
    PBRows->setRange(0, 100);
    PBRows->setValue(0);
    PBRows->setTextVisible(false);
    PBRows->setAccessibleName(tr("Percent of level completed"));
    LblRowsDone = MakeLabel(*view_, Panel2, "LblRowsDone", StatusWords::RowsDone(StatusPanel{}),
                            {53, 325}, 12);

    SizeForRows(9);
}

void TMainBoard::ShowLogo() {
    const qreal screen = devicePixelRatioF();
    const QSize pixels = (QSizeF(183, 106) * view_->Factor() * screen).toSize();
    QPixmap logo = LoadNamedPicture("LOGO", screen * view_->Factor(), QSize(183, 106));
    if (logo.size() != pixels) {
        logo = logo.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    logo.setDevicePixelRatio(screen);
    Image1->setPixmap(logo);
}

void TMainBoard::FactorChanged() {
    // Pictures for the pixels the board now has, never a 1x picture blown up.
    if (startUpDone_) {
        pictures_.Load(settings_, devicePixelRatioF() * view_->Factor());
    }
    ShowLogo();
    RepaintAll();
}

void TMainBoard::SizeForRows(int rows) {
    const int boardHeight = kCellPixels * rows;
    const int clientHeight = boardHeight + 45;
    view_->Place(Panel1, {0, 0, kBoardWidth, boardHeight});
    view_->Place(Panel3, {0, boardHeight + 1, kBoardWidth, 44});
    view_->Place(Panel2, {kClientWidth - kStatusWidth, 0, kStatusWidth, clientHeight});
    view_->SetDesignSize({kClientWidth, clientHeight});
}

void TMainBoard::StretchBoard(int rows) {
    if (rows != 12 && rows != 16) {
        return;
    }
    SizeForRows(rows);
    PlaceOnScreen();
}

void TMainBoard::StateChanged() {
    if (!game_) {
        return;
    }
    const StatusPanel& status = game_->State().Status;
    auto show = [this](QLabel* label, const QString& caption) {
        if (label->text() != caption) {
            label->setText(caption);
            view_->Refit(label);
        }
    };
    show(LevelLabel, StatusWords::Level(status));
    show(Bonus, StatusWords::Bonus(status));
    show(LblRows, StatusWords::Percent(status));
    show(LblRowsDone, StatusWords::RowsDone(status));
    PBRows->setValue(status.PBRows);
    BtnPause->setText(StatusWords::PauseButton(status));
    Panel5->SetAccessibleValue(QString::number(game_->State().Score));
    guide_->Refresh();
    const ShownPanels::Changed changed =
        shown_.Note(game_->State().Board, game_->NumRows(), game_->State().Aux, status);
    if (changed.board) {
        Panel1->update();
    }
    if (changed.aux) {
        Panel3->update();
    }
    if (changed.score) {
        Panel5->update();
    }
}

}  // namespace zorvane
