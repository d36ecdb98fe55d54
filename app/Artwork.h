#pragma once

#include <QIcon>
#include <QImage>
#include <QPoint>

namespace voxtrel::Artwork {

// The editor's own pictures, drawn in code so they scale with nothing and need no files.
QImage Banner(int width = 541, int height = 41); // across the top, under the name label
QImage Pitch(int width = 265, int height = 184); // beside the file list
QImage AppIcon(int size = 64);                   // the window's and the desktop's icon
QImage HandPointer();                            // the pointer over the Quick Save button
QPoint HandHotSpot();

} // namespace voxtrel::Artwork
