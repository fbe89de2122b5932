#include "options/Choosers.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zorvane {

namespace {

// Qt's own file dialog, so the preview and the folder question can be added
// to it. Qt greys out its Open button for a typed name its list does not
// show; these names it must let through:
// - a file that exists but is not listed yet;
// - a file name whose default suffix differs only in letter case ("stripes"
//   finds "stripes.bmp" although the default suffix is "BMP"), as a player
//   used to case-blind file systems expects;
// - in the folder chooser, a folder that does not exist yet, which is then
//   offered for creation.
class ChooserDialog : public QFileDialog {
  public:
    ChooserDialog(QWidget* parent, const QString& caption, const QString& folder)
        : QFileDialog(parent, caption) {
        setOption(DontUseNativeDialog);
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
        setDirectory(NearestExistingFolder(folder));
        if (auto* box = findChild<QDialogButtonBox*>("buttonBox")) {
            openButton_ = box->button(QDialogButtonBox::Open);
        }
        QLineEdit* edit = FileNameEdit();
        if (openButton_ && edit) {
            // Qt updates the button on both first; these come after it.
            openButton_->installEventFilter(this);
            connect(edit, &QLineEdit::textChanged, this, [this] { LetThrough(); });
        }
    }

    // Turns the dialog into the folder chooser: a missing typed folder is
    // created when `askCreate` agrees.
    void OfferNewFolders(std::function<bool(const QString&)> askCreate) {
        setFileMode(Directory);
        setOption(ShowDirsOnly);
        askCreate_ = std::move(askCreate);
    }

    // The chosen file or folder, absolute; empty when cancelled.
    QString Run() {
        if (exec() != Accepted) {
            return {};
        }
        const QString chosen = selectedFiles().value(0);
        return chosen.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
    }

  protected:
    void accept() override {
        const QString chosen = selectedFiles().value(0);
        if (askCreate_) {
            if (!chosen.isEmpty() && !Refuse(EnsureFolder(chosen, askCreate_), chosen)) {
                QFileDialog::accept();
            }
            return;
        }
        if (!chosen.isEmpty() && !QFileInfo::exists(chosen)) {
            const QString match = CaseVariant(chosen);
            if (!match.isEmpty()) {
                // Typed as an absolute name, it is taken as it is.
                FileNameEdit()->setText(match);
            }
        }
        QFileDialog::accept();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == openButton_ && event->type() == QEvent::EnabledChange) {
            LetThrough();
        }
        return QFileDialog::eventFilter(watched, event);
    }

  private:
    // Enables the Open button again for a name accept() knows how to take.
    void LetThrough() {
        if (!openButton_->isEnabled() && Takes(selectedFiles().value(0))) {
            openButton_->setEnabled(true);
        }
    }

    QLineEdit* FileNameEdit() const { return findChild<QLineEdit*>("fileNameEdit"); }

    // Whether accept() can take `chosen`, which Qt cannot find.
    bool Takes(const QString& chosen) const {
        const QLineEdit* edit = FileNameEdit();
        if (chosen.isEmpty() || !edit || edit->text().isEmpty()) {
            return false;
        }
        if (askCreate_) {
            // A missing folder is offered for creation; Qt also refuses
            // folders its list has not read yet.
            return !QFileInfo(chosen).isFile();
        }
        // Qt also refuses files its list has not read yet.
        return QFileInfo::exists(chosen) || !CaseVariant(chosen).isEmpty();
    }

    // The one existing file whose name differs from `path`'s only in letter
    // case; empty when there is none or more than one.
    static QString CaseVariant(const QString& path) {
        const QFileInfo info(path);
        const QDir folder = info.dir();
        QString match;
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
            if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0) {
                if (!match.isEmpty()) {
                    return {};
                }
                match = folder.absoluteFilePath(name);
            }
        }
        return match;
    }

    // Reports why a folder cannot be taken; false when it can.
    bool Refuse(FolderCheck check, const QString& folder) {
        switch (check) {
            case FolderCheck::kExists:
            case FolderCheck::kCreated:
                return false;
            case FolderCheck::kNotCreated:
                QMessageBox::warning(this, windowTitle(),
                                     QCoreApplication::translate(
                                         "Choosers", "The folder \"%1\" could not be created.")
                                         .arg(folder));
                return true;
            case FolderCheck::kNotAFolder:
                QMessageBox::warning(
                    this, windowTitle(),
                    QCoreApplication::translate("Choosers", "\"%1\" is a file, not a folder.")
                        .arg(folder));
                return true;
            case FolderCheck::kDeclined:
                return true;
        }
        return true;
    }

    QPushButton* openButton_ = nullptr;
    std::function<bool(const QString&)> askCreate_;
};

// The picture under the cursor, shrunk to fit its box, with its size in
// pixels below it. Folders and files that are no readable picture show
// nothing.
class PicturePreview : public QWidget {
  public:
    static constexpr int kBox = 200;

    explicit PicturePreview(QWidget* parent) : QWidget(parent) {
        auto* caption = new QLabel(QCoreApplication::translate("Choosers", "Preview:"), this);
        picture_ = new QLabel(this);
        picture_->setObjectName("PicturePreview");
        picture_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        picture_->setAlignment(Qt::AlignCenter);
        const int frame = 2 * picture_->frameWidth();
        picture_->setFixedSize(kBox + frame, kBox + frame);
        size_ = new QLabel(this);
        size_->setObjectName("PictureSize");
        size_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(caption);
        layout->addWidget(picture_);
        layout->addWidget(size_);
        layout->addStretch();
    }

    void Show(const QString& path) {
        picture_->clear();
        size_->clear();
        if (!QFileInfo(path).isFile()) {
            return;
        }
        QImageReader reader(path);
        const QSize full = reader.size();
        // Shrink large pictures while reading; small ones keep their size, so
        // a tile looks as it will on the board.
        if (full.width() > kBox || full.height() > kBox) {
            reader.setScaledSize(full.scaled(kBox, kBox, Qt::KeepAspectRatio));
        }
        const QImage image = reader.read();
        if (image.isNull()) {
            return;
        }
        const QSize shown = full.isValid() ? full : image.size();
        picture_->setPixmap(QPixmap::fromImage(image));
        size_->setText(QString("%1 x %2").arg(shown.width()).arg(shown.height()));
    }

  private:
    QLabel* picture_ = nullptr;
    QLabel* size_ = nullptr;
};

// A filter entry with each pattern in both letter cases, so it holds on a
// file system that minds case whichever dialog reads it.
QString Filter(const QString& name, const QStringList& suffixes) {
    QStringList patterns;
    for (const QString& suffix : suffixes) {
        patterns << "*." + suffix.toLower();
    }
    for (const QString& suffix : suffixes) {
        patterns << "*." + suffix.toUpper();
    }
    return QString("%1 (%2)").arg(name, patterns.join(' '));
}

}  // namespace

std::optional<QColor> QtOptionsChoosers::ChooseColor(QWidget* parent, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, parent);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

QString QtOptionsChoosers::ChooseSoundFile(QWidget* parent, const QString& folder) {
    ChooserDialog dialog(parent, QCoreApplication::translate("Choosers", "Open"), folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QCoreApplication::translate("Choosers", "WAV Files (*.WAV *.wav)"),
         QCoreApplication::translate("Choosers", "MIDI Files (*.MID *.mid *.midi)"),
         QCoreApplication::translate("Choosers", "All Files (*)")});
    dialog.setDefaultSuffix("WAV");
    return dialog.Run();
}

QString QtOptionsChoosers::ChoosePicture(QWidget* parent, const QString& folder) {
    ChooserDialog dialog(parent, QCoreApplication::translate("Choosers", "Open Picture"), folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // The board draws bitmaps; PNG is there because it is what Linux users have.
    dialog.setNameFilters(
        {Filter(QCoreApplication::translate("Choosers", "All"),
                {"dib", "bmp", "emf", "wmf", "png"}),
         Filter(QCoreApplication::translate("Choosers", "Device Independent Bitmap"), {"dib"}),
         Filter(QCoreApplication::translate("Choosers", "Bitmaps"), {"bmp"}),
         Filter(QCoreApplication::translate("Choosers", "Enhanced Metafiles"), {"emf"}),
         Filter(QCoreApplication::translate("Choosers", "Metafiles"), {"wmf"}),
         Filter(QCoreApplication::translate("Choosers", "PNG Pictures"), {"png"})});
    dialog.setDefaultSuffix("BMP");

    auto* preview = new PicturePreview(&dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    } else if (dialog.layout()) {
        dialog.layout()->addWidget(preview);
    }
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreview::Show);
    // Room for the preview beside a list whose columns are still readable.
    dialog.resize(dialog.sizeHint().expandedTo(QSize(840, 440)));
    return dialog.Run();
}

QString QtOptionsChoosers::ChooseFolder(QWidget* parent, const QString& start) {
    ChooserDialog dialog(parent, QCoreApplication::translate("Choosers", "Choose Folder"), start);
    dialog.OfferNewFolders([&dialog](const QString& path) {
        return QMessageBox::question(&dialog, dialog.windowTitle(), CreateFolderQuestion(path),
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    });
    return dialog.Run();
}

FolderCheck EnsureFolder(const QString& path,
                         const std::function<bool(const QString&)>& askCreate) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return FolderCheck::kExists;
    }
    if (info.exists()) {
        return FolderCheck::kNotAFolder;
    }
    if (!askCreate(path)) {
        return FolderCheck::kDeclined;
    }
    return QDir().mkpath(path) && QFileInfo(path).isDir() ? FolderCheck::kCreated
                                                          : FolderCheck::kNotCreated;
}

QString CreateFolderQuestion(const QString& path) {
    return QCoreApplication::translate(
               "Choosers", "The folder \"%1\" does not exist. Do you want to create it?")
        .arg(path);
}

QString NearestExistingFolder(const QString& start) {
    if (start.isEmpty()) {
        return QDir::currentPath();
    }
    QString path = QDir::cleanPath(QFileInfo(start).absoluteFilePath());
    while (!QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).absolutePath();
        if (parent == path) {
            return QDir::currentPath();
        }
        path = parent;
    }
    return path;
}

}  // namespace zorvane
