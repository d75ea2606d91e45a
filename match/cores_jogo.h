#pragma once

#include <QColor>

// The two colours of an option in its neutral look, shared by the building of the match screen
// and its handlers.
inline const QColor kLima(0, 255, 0);
inline const QColor kMarinho(0, 0, 128);
