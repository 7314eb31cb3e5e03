#include "shell/resources.h"

#include <QtGlobal>

static void InitPictures() { Q_INIT_RESOURCE(pictures); }

void InitPictureResources() {
    static const bool done = (InitPictures(), true);
    (void)done;
}
