// Draws the program's icon from its own artwork into a freedesktop icon tree, for the desktop
// entry: hicolor/<n>x<n>/apps/quorvix.png at the usual sizes and scalable/apps/quorvix.svg.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) return 2;
    const QString svg = QString::fromLocal8Bit(argv[1]);
    const QDir root(QString::fromLocal8Bit(argv[2]));
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return 1;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!root.mkpath(folder)) return 1;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        if (!image.save(root.filePath(folder + QStringLiteral("/quorvix.png")))) return 1;
    }
    const QString scalable = QStringLiteral("hicolor/scalable/apps");
    const QString target = root.filePath(scalable + QStringLiteral("/quorvix.svg"));
    QFile::remove(target);
    return root.mkpath(scalable) && QFile::copy(svg, target) ? 0 : 1;
}
