#pragma once

namespace songtao {

// Makes the pictures of resources.qrc (":/pictures/...") available. They are
// compiled into a static library, whose registration the linker would drop
// unless something calls for it; every window calls this before its form.
void loadPictures();

} // namespace songtao
