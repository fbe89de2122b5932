#include "resources/Resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE declares the resource's init function at the point of use,
// so it must be expanded outside any namespace.
static void InitPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace zorvane {

void InitResources() {
    InitPictures();
}

}  // namespace zorvane
