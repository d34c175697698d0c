#include "Icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

// Outside any namespace, as Qt's resource initialisation requires.
static void InitPluvoResources() { Q_INIT_RESOURCE(pluvo); }

void InitResources() { InitPluvoResources(); }

QIcon AppIcon() { return QIcon(":/icons/pluvo.svg"); }

QIcon CommandIcon(const char* name) {
    const QString own = QString(":/icons/%1.svg").arg(QString::fromLatin1(name));
    const QIcon fallback = QFile::exists(own) ? QIcon(own) : QIcon();
    return QIcon::fromTheme(QString::fromLatin1(name), fallback);
}

QIcon ColourIcon(COLORREF colour) {
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        const QRect box(scale, scale, 14 * scale, 13 * scale);
        painter.fillRect(box, QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)));
        painter.setPen(QPen(QColor(64, 64, 64), scale));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
