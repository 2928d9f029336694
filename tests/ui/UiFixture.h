#pragma once

#include "../db/Fixture.h"
#include "text/Errors.h"
#include "ui/controls/Prompts.h"

#include <QBuffer>
#include <QImage>

// Fresh tables as ravikpro-tables makes them (one settings row), and the prompts scripted so
// that nothing blocks.
struct UiTables : TempTables {
    UiTables() {
        sql("Ayar.db", {"INSERT INTO Ayar (Gun, Aktif) VALUES (0, 1)"});
        ravik::Prompts::instance().setScripted(true);
        ravik::Prompts::instance().takeAsked();
    }
    ~UiTables() { ravik::Prompts::instance().takeAsked(); }
};

// The texts of the error boxes shown since the last call.
inline QStringList shownErrors() {
    QStringList texts;
    for (const auto& a : ravik::Prompts::instance().takeAsked())
        if (a.kind == "error")
            texts << a.text;
    return texts;
}

inline QByteArray bitmapBytes(QSize size = {20, 10}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
