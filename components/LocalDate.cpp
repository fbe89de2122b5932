#include "components/LocalDate.h"

#include <QDate>
#include <QLocale>

namespace zorvane {

std::string ShortDateToday() {
    return QLocale::system()
        .toString(QDate::currentDate(), QLocale::ShortFormat)
        .toLocal8Bit()
        .toStdString();
}

}  // namespace zorvane
