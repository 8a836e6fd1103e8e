// Draws an SVG picture into raw pixels while the programs are built, so that
// they show their pictures without an SVG renderer or an image plug-in.
//
//   picture_baker PICTURE.svg WIDTHxHEIGHT OUTPUT
//
// OUTPUT holds premultiplied ARGB32 pixels in the machine's byte order, row
// after row with nothing between them (4 * WIDTH bytes a row).

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>
#include <optional>

namespace {

std::optional<QSize> parsePixelSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return std::nullopt;
    bool widthOk = false;
    bool heightOk = false;
    const QSize size(parts[0].toInt(&widthOk), parts[1].toInt(&heightOk));
    if (!widthOk || !heightOk || size.isEmpty())
        return std::nullopt;
    return size;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "picture_baker: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4)
        return fail(QStringLiteral("usage: picture_baker PICTURE.svg WIDTHxHEIGHT OUTPUT"));
    const QString picturePath = QString::fromLocal8Bit(argv[1]);
    const QString outputPath = QString::fromLocal8Bit(argv[3]);
    const std::optional<QSize> size = parsePixelSize(QString::fromLocal8Bit(argv[2]));
    if (!size)
        return fail(QStringLiteral("the size must read WIDTHxHEIGHT, not \"%1\"").arg(QString::fromLocal8Bit(argv[2])));

    QSvgRenderer renderer(picturePath);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read the picture %1").arg(picturePath));

    // The whole picture stretched over the size, on a transparent ground,
    // just as the SVG icon engine and the old on-the-fly drawing made it.
    QImage image(*size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(*size)));
    painter.end();

    // A failed run leaves no half-written file behind for the next build.
    QSaveFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(outputPath, output.errorString()));
    const qint64 rowBytes = qint64(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y)
        output.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes);
    if (!output.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(outputPath, output.errorString()));
    return 0;
}
