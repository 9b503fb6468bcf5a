#include "app/pictures.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace songtao {

void loadPictures()
{
    static const bool loaded = (initResources(), true);
    Q_UNUSED(loaded);
}

} // namespace songtao
