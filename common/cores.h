#pragma once

#include <QColor>

// The colours the screens share, by the names their handlers use.
inline const QColor kMarinho(0, 0, 128);
inline const QColor kVerde(0, 128, 0);
inline const QColor kGrena(128, 0, 0);
inline const QColor kAmarelo(255, 255, 0);
inline const QColor kLima(0, 255, 0);
inline const QColor kAqua(0, 255, 255);
inline const QColor kAzulCeu(166, 202, 240);
inline const QColor kCinza(128, 128, 128);
// The blank behind a sticker not dealt yet.
inline const QColor kCinzaClaro(230, 230, 230);
