#pragma once

#include <QIcon>
#include <QImage>
#include <QPoint>

namespace voxtrel::Artwork {

// The editor's own pictures, drawn in code so they need no files and are drawn afresh for
// any size and any device pixel ratio: width x height pixels of ratio device pixels each.
QImage Banner(int width = 541, int height = 41, qreal ratio = 1); // under the name label
// From this many pixels from its left edge on, the banner is light enough for dark text.
inline constexpr int BannerLightFrom = 300;
QImage Pitch(int width = 265, int height = 184, qreal ratio = 1); // beside the file list
QImage AppIcon(int size = 64); // the window's and the desktop's icon
QImage HandPointer();          // the pointer over the Quick Save button
QPoint HandHotSpot();

} // namespace voxtrel::Artwork
