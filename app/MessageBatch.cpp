#include "app/MessageBatch.h"

#include "app/MessageWords.h"
#include "persistence/Elide.h"

namespace zorvane {

void MessageBatch::Add(const std::string& caption, const std::string& text) {
    if (count_ == 0) {
        caption_ = caption;
    } else if (caption != caption_) {
        caption_ = MessageWords::Error().toStdString();
    }
    if (shown_.size() < kShown) {
        shown_.push_back(text);
    }
    ++count_;
}

std::string MessageBatch::Caption() const {
    return caption_;
}

std::string MessageBatch::Text(const std::string& file) const {
    if (count_ == 1) {
        return shown_.front();
    }
    std::string text = tr("Reading %1 found %2 problems:")
                           .arg(QString::fromStdString(ElideMiddle(file)))
                           .arg(count_)
                           .toStdString();
    for (const std::string& problem : shown_) {
        text += "\r" + problem;
    }
    if (count_ > shown_.size()) {
        text += "\r\xE2\x80\xA6 " + tr("and %1 more.").arg(count_ - shown_.size()).toStdString();
    }
    return text;
}

}  // namespace zorvane
