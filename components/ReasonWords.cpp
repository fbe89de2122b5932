#include "components/ReasonWords.h"

#include <QRegularExpression>

#include "persistence/FileReasons.h"

namespace zorvane {

namespace {

struct Phrase {
    const char* english;     // as the check writes it
    const char* sourceText;  // the same, marked for translation
};

// The two must be one text: the check's constant is what arrives here.
constexpr bool Same(const Phrase& phrase) {
    return std::string_view(phrase.english) == std::string_view(phrase.sourceText);
}

constexpr Phrase kReasons[] = {
    {kNotRegularFile, QT_TRANSLATE_NOOP("ReasonWords", "not a regular file")},
    {kBadFileName, QT_TRANSLATE_NOOP("ReasonWords", "not a valid file name")},
    {kNoSavedGame, QT_TRANSLATE_NOOP("ReasonWords", "the file holds no saved game")},
    {kCannotReplace,
     QT_TRANSLATE_NOOP("ReasonWords", "it is not a regular file and cannot be replaced")},
    {kLockedByOther,
     QT_TRANSLATE_NOOP("ReasonWords", "another copy of the game kept the file locked")},
    {kNoSongPlays,
     QT_TRANSLATE_NOOP("ReasonWords", "none of the songs in this folder can be played.")},
    {kSongEndedAtOnce, QT_TRANSLATE_NOOP("ReasonWords", "the song ended as soon as it started")},
};

// Added after a reason.
constexpr Phrase kAfterthoughts[] = {
    {kLeftAlone, QT_TRANSLATE_NOOP("ReasonWords",
                                   "; the file is left as it is, and new high scores are "
                                   "kept only while the game runs")},
    {kSavedLater,
     QT_TRANSLATE_NOOP("ReasonWords", "; the new high scores are kept and saved later")},
};

constexpr bool AllSame() {
    for (const Phrase& phrase : kReasons) {
        if (!Same(phrase)) {
            return false;
        }
    }
    for (const Phrase& phrase : kAfterthoughts) {
        if (!Same(phrase)) {
            return false;
        }
    }
    return true;
}
static_assert(AllSame(), "a reason's text and its translation's source differ");

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

QString FromBytes(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ReasonWords::Named(const QString& name, const QString& reason) {
    return tr("%1: %2", "a file and what went wrong with it").arg(name, reason);
}

std::optional<QString> ReasonWords::GameReason(std::string_view reason) {
    for (const Phrase& phrase : kReasons) {
        if (reason == phrase.english) {
            return tr(phrase.sourceText);
        }
    }
    const QString text = FromBytes(reason);
    static const QRegularExpression kTooLarge(
        QStringLiteral("^too large \\((\\S+) MB, at most (\\S+) MB\\)$"));
    if (const QRegularExpressionMatch match = kTooLarge.match(text); match.hasMatch()) {
        return tr("too large (%1 MB, at most %2 MB)").arg(match.captured(1), match.captured(2));
    }
    static const QRegularExpression kFolderNotMade(
        QStringLiteral("^Cannot create the folder (.*) \\(([^()]*)\\)$"));
    if (const QRegularExpressionMatch match = kFolderNotMade.match(text); match.hasMatch()) {
        return tr("Cannot create the folder %1 (%2)").arg(match.captured(1), match.captured(2));
    }
    return std::nullopt;
}

QString ReasonWords::Reason(const std::string& reason) {
    std::string_view rest = reason;
    QString afterthought;
    for (const Phrase& phrase : kAfterthoughts) {
        if (EndsWith(rest, phrase.english)) {
            afterthought = tr(phrase.sourceText);
            rest.remove_suffix(std::string_view(phrase.english).size());
            break;
        }
    }
    if (const std::optional<QString> worded = GameReason(rest)) {
        return *worded + afterthought;
    }
    // The game's reason after the name of the file it concerns.
    for (std::size_t colon = rest.find(": "); colon != std::string_view::npos;
         colon = rest.find(": ", colon + 1)) {
        if (const std::optional<QString> worded = GameReason(rest.substr(colon + 2))) {
            return Named(FromBytes(rest.substr(0, colon)), *worded) + afterthought;
        }
    }
    return FromBytes(rest) + afterthought;
}

QString ReasonWords::Report(const std::string& text) {
    QString worded;
    std::size_t start = 0;
    for (;;) {
        const std::size_t stop = text.find('\r', start);
        worded += Reason(text.substr(start, stop - start));
        if (stop == std::string::npos) {
            return worded;
        }
        worded += '\r';
        start = stop + 1;
    }
}

}  // namespace zorvane
