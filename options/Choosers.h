#pragma once
// The choosers the options dialog opens: the colour dialog, the sound file
// chooser, the background picture chooser and the folder chooser. The dialog
// reaches them through OptionsChoosers, so tests can answer for the player.

#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace zorvane {

class OptionsChoosers {
  public:
    virtual ~OptionsChoosers() = default;
    // The system's colour dialog starting at `initial`; nullopt when cancelled.
    virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
    // An existing WAV or MIDI file (or any file), starting in `folder`; its
    // absolute name, or empty when cancelled.
    virtual QString ChooseSoundFile(QWidget* parent, const QString& folder) = 0;
    // An existing picture file, with a preview of the picture under the
    // cursor, starting in `folder`; its absolute name, or empty when cancelled.
    virtual QString ChoosePicture(QWidget* parent, const QString& folder) = 0;
    // A folder, starting at `start`; a typed folder that does not exist is
    // created once the player agrees. Its absolute name, or empty when cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& start) = 0;
};

// The choosers on Qt's own dialogs (the colour dialog may be the desktop's).
class QtOptionsChoosers : public OptionsChoosers {
  public:
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
    QString ChooseSoundFile(QWidget* parent, const QString& folder) override;
    QString ChoosePicture(QWidget* parent, const QString& folder) override;
    QString ChooseFolder(QWidget* parent, const QString& start) override;
};

// What became of a folder the player typed into the folder chooser.
enum class FolderCheck {
    kExists,      // already a folder: nothing asked
    kCreated,     // missing, the player agreed, and it was created
    kDeclined,    // missing, and the player said no
    kNotCreated,  // missing, the player agreed, but it could not be created
    kNotAFolder,  // the name belongs to a file
};

// Makes sure `path` is a folder: a missing one (with any missing parents) is
// created only when `askCreate(path)` returns true; it is asked only then.
FolderCheck EnsureFolder(const QString& path, const std::function<bool(const QString&)>& askCreate);

// The question asked before a missing folder is created.
QString CreateFolderQuestion(const QString& path);

// `start` when it is a folder, else its nearest existing parent; the current
// folder when `start` is empty or nothing along it exists.
QString NearestExistingFolder(const QString& start);

}  // namespace zorvane
