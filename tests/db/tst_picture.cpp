// Reading a picture field's bytes for display.
#include "data/Picture.h"
#include "text/Errors.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

using namespace ravik;

namespace {

QByteArray encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage sample() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(200, 10, 30));
    image.setPixel(2, 1, qRgb(0, 90, 250));
    return image;
}

QByteArray header(quint32 size) {
    QByteArray h(8, '\0');
    qToLittleEndian<quint16>(1, h.data());
    qToLittleEndian<quint16>(0x0100, h.data() + 2);
    qToLittleEndian<quint32>(size, h.data() + 4);
    return h;
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT
private slots:
    void reading_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("outcome"); // "empty", "sample" or the error text
        const QByteArray bmp = encode(sample(), "BMP");
        QByteArray badInfo = bmp;
        qToLittleEndian<quint32>(5, badInfo.data() + 14);
        QByteArray noWidth = bmp;
        qToLittleEndian<qint32>(0, noWidth.data() + 18);
        QByteArray bitsPerPixel = bmp;
        qToLittleEndian<quint16>(7, bitsPerPixel.data() + 28);

        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("graphic header alone") << header(0) << "empty";
        QTest::newRow("one byte") << QByteArray("B") << "Stream read error";
        QTest::newRow("13 bytes") << QByteArray("BM12345678901") << "Stream read error";
        QTest::newRow("header and 5 bytes") << header(5) + "BM123"
                                            << "Stream read error";
        QTest::newRow("raw bitmap") << bmp << "sample";
        QTest::newRow("headed bitmap") << withGraphicHeader(bmp) << "sample";
        QTest::newRow("header with a wrong size")
            << header(quint32(bmp.size() + 1)) + bmp << "Bitmap image is not valid";
        QTest::newRow("bitmap cut short") << bmp.left(bmp.size() - 4) << "Stream read error";
        QTest::newRow("bitmap headers cut short") << bmp.left(20) << "Stream read error";
        QTest::newRow("headed bitmap cut short")
            << header(40) + bmp.left(40) << "Stream read error";
        QTest::newRow("icon") << QByteArray("\0\0\1\0\1\0\20\20\0\0", 10) + QByteArray(40, 'x')
                              << "Bitmap image is not valid";
        QTest::newRow("png") << encode(sample(), "PNG") << "Bitmap image is not valid";
        QTest::newRow("text") << QByteArray("just some text, not a picture")
                              << "Bitmap image is not valid";
        QTest::newRow("unknown info header") << badInfo << "Bitmap image is not valid";
        QTest::newRow("no width") << noWidth << "Bitmap image is not valid";
        QTest::newRow("odd bits per pixel") << bitsPerPixel << "Bitmap image is not valid";
    }

    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, outcome);
        QString error;
        QImage image;
        try {
            image = readPicture(bytes);
        } catch (const Error& e) {
            error = e.message();
        }
        if (outcome == "empty") {
            QCOMPARE(error, QString());
            QVERIFY(image.isNull());
        } else if (outcome == "sample") {
            QCOMPARE(error, QString());
            QCOMPARE(image.convertToFormat(QImage::Format_RGB32), sample());
        } else {
            QCOMPARE(error, outcome);
        }
    }

    void largeBitmapReadsWhole() {
        QImage big(400, 300, QImage::Format_RGB888);
        big.fill(Qt::green);
        const QImage read = readPicture(withGraphicHeader(encode(big, "BMP")));
        QCOMPARE(read.size(), QSize(400, 300));
    }
};

QTEST_GUILESS_MAIN(TestPicture)
#include "tst_picture.moc"
