#pragma once

#include <QColor>

namespace songtao {

// The blue behind both windows' controls and title rows.
inline const QColor kWindowBlue(0, 136, 255);

} // namespace songtao
