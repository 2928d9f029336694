#include "Picture.h"

#include "text/Errors.h"

#include <QtEndian>

namespace ravik {

namespace {

constexpr qsizetype kGraphicHeader = 8;
constexpr qsizetype kFileHeader = 14;
// Far beyond any photo a shop keeps; stops a forged header from asking for gigabytes.
constexpr qint64 kMaxPixels = qint64(30000) * 30000;

[[noreturn]] void streamReadError() {
    throw Error(QStringLiteral("Stream read error"));
}
[[noreturn]] void notValid() {
    throw Error(QStringLiteral("Bitmap image is not valid"));
}

quint16 u16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 u32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
qint32 i32(const char* p) {
    return qFromLittleEndian<qint32>(p);
}

// Checks that the bitmap file's headers, colour table and (for uncompressed pixels) all rows
// are there before handing it to the decoder.
void checkBitmapFile(const char* p, qsizetype n) {
    if (n < kFileHeader)
        streamReadError();
    if (p[0] != 'B' || p[1] != 'M')
        notValid();
    if (n < kFileHeader + 4)
        streamReadError();
    const quint32 infoSize = u32(p + kFileHeader);
    if (infoSize != 12 && infoSize < 40)
        notValid();
    if (n < kFileHeader + qint64(infoSize))
        streamReadError();
    const char* info = p + kFileHeader;
    qint64 width, height;
    quint16 bitCount;
    quint32 compression = 0, colorsUsed = 0;
    int paletteEntry = 4;
    if (infoSize == 12) {
        width = u16(info + 4);
        height = u16(info + 6);
        bitCount = u16(info + 10);
        paletteEntry = 3;
    } else {
        width = i32(info + 4);
        height = i32(info + 8);
        bitCount = u16(info + 14);
        compression = u32(info + 16);
        colorsUsed = u32(info + 32);
    }
    height = height < 0 ? -height : height;
    if (width <= 0 || height == 0 || width * height > kMaxPixels)
        notValid();
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
        notValid();
    qint64 headers = kFileHeader + infoSize;
    if (bitCount <= 8)
        headers += qint64(colorsUsed ? colorsUsed : (1u << bitCount)) * paletteEntry;
    else if (compression == 3 && infoSize == 40)
        headers += 12; // the three colour masks
    if (n < headers)
        streamReadError();
    const quint32 pixelsAt = u32(p + 10);
    const qint64 start = pixelsAt >= headers ? pixelsAt : headers;
    if (compression == 0 || compression == 3) {
        const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
        if (n - start < rowBytes * height)
            streamReadError();
    } else if (n <= start) {
        streamReadError();
    }
}

} // namespace

QImage readPicture(const QByteArray& bytes) {
    qsizetype from = 0;
    if (bytes.size() >= kGraphicHeader && u16(bytes.constData()) == 1 &&
        u16(bytes.constData() + 2) == 0x0100 &&
        qint64(u32(bytes.constData() + 4)) == bytes.size() - kGraphicHeader)
        from = kGraphicHeader;
    const qsizetype n = bytes.size() - from;
    if (n == 0)
        return {};
    const char* p = bytes.constData() + from;
    checkBitmapFile(p, n);
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(p), int(n), "BMP") || image.isNull())
        notValid();
    return image;
}

QByteArray withGraphicHeader(const QByteArray& bitmapFile) {
    QByteArray out(kGraphicHeader, Qt::Uninitialized);
    qToLittleEndian<quint16>(1, out.data());
    qToLittleEndian<quint16>(0x0100, out.data() + 2);
    qToLittleEndian<quint32>(quint32(bitmapFile.size()), out.data() + 4);
    return out + bitmapFile;
}

} // namespace ravik
