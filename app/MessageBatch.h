#pragma once
// The problems found while one file is read, gathered so that the player gets
// one message for the file instead of one box for every line of it.

#include <QCoreApplication>
#include <cstddef>
#include <string>
#include <vector>

namespace zorvane {

class MessageBatch {
    Q_DECLARE_TR_FUNCTIONS(MessageBatch)

  public:
    // The first few problems are kept to be shown; the rest are only counted.
    static constexpr std::size_t kShown = 5;

    void Add(const std::string& caption, const std::string& text);
    std::size_t Count() const { return count_; }

    // The one message, caption and text: a single problem as it came; several
    // under a line naming `file`, the first few one a line, then how many
    // more. Lines break with a carriage return, as the game's messages do.
    // Problems of different captions come under the caption of an error.
    std::string Caption() const;
    std::string Text(const std::string& file) const;

  private:
    std::string caption_;
    std::vector<std::string> shown_;
    std::size_t count_ = 0;
};

}  // namespace zorvane
