#include "baked_pictures.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QResource>

namespace common {

namespace {

constexpr int kBytesPerPixel = 4;

// The bakes of every picture in one resource folder, by picture name.
QMultiHash<QString, BakedPicture> bakesIn(const QString& folder)
{
    static const QRegularExpression bakedName(QStringLiteral(R"(^(.+)-(\d+)x(\d+)(@2x)?\.argb$)"));

    QMultiHash<QString, BakedPicture> bakes;
    for (const QString& file : QDir(folder).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = bakedName.match(file);
        if (!match.hasMatch())
            continue;
        bakes.insert(match.captured(1), {
            .path = folder + QLatin1Char('/') + file,
            .size = QSize(match.captured(2).toInt(), match.captured(3).toInt()),
            .pixelRatio = match.hasCaptured(4) ? 2 : 1,
        });
    }
    return bakes;
}

} // namespace

QList<BakedPicture> findBakedPictures(const QString& folder, const QString& name)
{
    // The resources are part of the program and never change while it
    // runs: each folder is read once.
    static QHash<QString, QMultiHash<QString, BakedPicture>> folders;
    auto known = folders.find(folder);
    if (known == folders.end())
        known = folders.insert(folder, bakesIn(folder));
    return known->values(name);
}

QPixmap loadBakedPicture(const BakedPicture& picture)
{
    const QSize pixels = picture.size * picture.pixelRatio;
    const qsizetype bytesPerLine = qsizetype(pixels.width()) * kBytesPerPixel;
    const QResource resource(picture.path);
    // Uncompressed resources come without a copy; compressed ones are
    // unpacked into a buffer of their own.
    QByteArray bytes = resource.uncompressedData();
    if (pixels.isEmpty() || bytes.size() != bytesPerLine * pixels.height()) {
        qWarning("The picture %s holds %lld bytes, not the %d x %d pixels its name says", qPrintable(picture.path),
                 static_cast<long long>(bytes.size()), pixels.width(), pixels.height());
        return {};
    }

    // The image reads the bytes where they are; the buffer goes with the
    // last image or pixmap that still shares it.
    auto* owner = new QByteArray(std::move(bytes));
    const QImage image(reinterpret_cast<const uchar*>(owner->constData()), pixels.width(), pixels.height(),
                       bytesPerLine, QImage::Format_ARGB32_Premultiplied,
                       [](void* buffer) { delete static_cast<QByteArray*>(buffer); }, owner);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(picture.pixelRatio);
    return pixmap;
}

} // namespace common
