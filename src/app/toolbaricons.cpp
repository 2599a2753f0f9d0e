#include "app/toolbaricons.h"

#include "app/toolbartable.h"
#include "icon/rawimage.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace {

// Each image list is read once, on the first paint that needs it, and cut up many times.
const QPixmap &imageList(const QString &path, int side)
{
    static QHash<QString, QPixmap> lists;
    auto found = lists.find(path);
    if (found == lists.end())
        found = lists.insert(path, QPixmap::fromImage(readRawImage(path, side)));
    return *found;
}

// A button's image, cut from its image list when a toolbar first paints it: building the
// toolbars reads nothing, and the high-density list is read only on a screen that uses it.
class ImageListIconEngine final : public QIconEngine {
public:
    ImageListIconEngine(QString list, int index) : list_(std::move(list)), index_(index) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const bool dense = size.width() > 16 || size.height() > 16;
        const int side = dense ? 32 : 16;
        const QString file = list_ + (dense ? QStringLiteral("@2x.argb") : QStringLiteral(".argb"));
        const QPixmap image = imageList(file, side).copy(index_ * side, 0, side, side);
        if (mode == QIcon::Normal)
            return image;
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, image, &option);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return size.boundedTo(QSize(32, 32));
    }

    QIconEngine *clone() const override { return new ImageListIconEngine(list_, index_); }

private:
    QString list_;
    int index_;
};

} // namespace

QIcon toolbarIcon(const ToolbarLayout &layout, int index)
{
    return QIcon(new ImageListIconEngine(
        QStringLiteral(":/toolbar/") + QString::fromLatin1(layout.imageList), index));
}
