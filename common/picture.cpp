#include "picture.h"

#include "game_error.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>

namespace {

QPixmap artAtSize(const QString& path, const QSize& size)
{
    const QString key = QStringLiteral("%1@%2x%3").arg(path).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QImageReader reader(path);
    reader.setScaledSize(size);
    pixmap = QPixmap::fromImage(reader.read());
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

Picture::Picture(QWidget* parent)
    : QWidget(parent)
{
}

void Picture::load(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        const QString reason = QFileInfo::exists(path)
                                   ? QStringLiteral("o arquivo está danificado ou não é uma imagem")
                                   : QStringLiteral("o arquivo não existe");
        throw GameError(
            QStringLiteral("Não foi possível abrir a imagem \"%1\": %2.").arg(path, reason));
    }
    file = path;
    setPixmap(QPixmap::fromImage(image));
}

void Picture::setArt(const QString& path)
{
    file = path;
    art = true;
    picture = {};
    update();
}

void Picture::setPixmap(const QPixmap& pixmap)
{
    art = false;
    picture = pixmap;
    update();
}

void Picture::paintEvent(QPaintEvent*)
{
    const QSize pixels = (QSizeF(size()) * devicePixelRatioF()).toSize();
    if (art && picture.size() != pixels && !pixels.isEmpty())
        picture = artAtSize(file, pixels);
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture);
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void Picture::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}
