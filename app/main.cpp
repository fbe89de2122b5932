// A first window onto the engine: it shows the starting board of a fresh
// game. The full main window replaces it.

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "engine/Game.h"
#include "persistence/ProgramFolder.h"

namespace {

class QuietHost : public zorvane::GameHost {
public:
    void SetClockEnabled(bool enabled) override { clock_ = enabled; }
    bool ClockEnabled() const override { return clock_; }
    void SetClockInterval(int) override {}
    void ProcessMessages() override {}
    void PlayEffect(zorvane::Effect) override {}
    void ShowMessage(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string AskHighScoreName() override { return {}; }
    void ShowHighScores() override {}
    std::string TodayText() override { return {}; }
    void CloseMainWindow() override {}

private:
    bool clock_ = false;
};

class BoardView : public QWidget {
public:
    explicit BoardView(const zorvane::Game& game) : game_(game) {
        setFixedSize(400, 40 * game.NumRows());
        setWindowTitle("Zorvane v. 1.0 b");
    }

protected:
    void paintEvent(QPaintEvent*) override {
        static const QColor kColours[] = {Qt::white,         QColor(128, 128, 128),
                                          QColor(0, 0, 255), QColor(0, 255, 255),
                                          QColor(0, 255, 0), QColor(224, 96, 0),
                                          QColor(160, 0, 128)};
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), QColor(128, 128, 128));
        for (int row = 0; row < game_.NumRows(); ++row) {
            for (int col = 0; col < zorvane::kColumns; ++col) {
                const zorvane::TCell& cell = game_.Board[col][row];
                if (cell.Pic < 1 || cell.Pic > 6) {
                    continue;
                }
                const QRect r(col * 40 + 3, (game_.NumRows() - 1 - row) * 40 + 3, 34, 34);
                p.setBrush(kColours[cell.Pic]);
                p.setPen(QPen(Qt::black, 1.5));
                p.drawRoundedRect(r, 6, 6);
            }
        }
    }

private:
    const zorvane::Game& game_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zorvane::Settings settings = zorvane::DefaultSettings(zorvane::ProgramFolder());
    QuietHost host;
    zorvane::RandomSource random(zorvane::ClockSeed());
    zorvane::HighScoreTable scores;
    zorvane::Game game(settings, host, random, scores);
    game.StartUp();
    BoardView view(game);
    view.show();
    return app.exec();
}
