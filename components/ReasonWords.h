#pragma once
// The reasons the game's own file and sound checks give (FileReasons.h), in
// the player's language; those of the system stay as the C library wrote
// them. With no translation installed each is exactly the English reason.

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

class ReasonWords {
    Q_DECLARE_TR_FUNCTIONS(ReasonWords)

  public:
    // "NAME: REASON", for a file or folder and what went wrong with it.
    static QString Named(const QString& name, const QString& reason);
    // A reason a check gave, alone or after the name of the file it concerns.
    static QString Reason(const std::string& reason);
    // Lines of "NAME: REASON" (breaking at a carriage return), each reason
    // worded as above; lines that hold none of the game's reasons stay.
    static QString Report(const std::string& text);

  private:
    // One of the game's own reasons, worded; nullopt for any other text.
    static std::optional<QString> GameReason(std::string_view reason);
};

}  // namespace zorvane
