#pragma once

#include <QByteArray>
#include <QImage>

namespace ravik {

// Turns a picture field's bytes into an image: empty bytes give a null image; a bitmap, with or
// without the 8-byte graphic header, gives the bitmap; anything else throws Error with
// "Stream read error" (cut short) or "Bitmap image is not valid".
QImage readPicture(const QByteArray& bytes);

// The 8-byte graphic header followed by the bitmap file bytes.
QByteArray withGraphicHeader(const QByteArray& bitmapFile);

} // namespace ravik
