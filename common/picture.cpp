#include "picture.h"

#include "game_error.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

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

void Picture::setPixmap(const QPixmap& pixmap)
{
    picture = pixmap;
    update();
}

void Picture::paintEvent(QPaintEvent*)
{
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
