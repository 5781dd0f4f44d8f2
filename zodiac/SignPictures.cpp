#include "zodiac/SignPictures.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace SignPictures {

const QStringList& Keys()
{
    static const QStringList keys{
        QStringLiteral("Aries"),  QStringLiteral("Taurus"),      QStringLiteral("Gemini"),
        QStringLiteral("Cancer"), QStringLiteral("Leo"),         QStringLiteral("Virgo"),
        QStringLiteral("Libra"),  QStringLiteral("Scorpio"),     QStringLiteral("Sagittarius"),
        QStringLiteral("Capricorn"), QStringLiteral("Aquarius"), QStringLiteral("Pisces"),
    };
    return keys;
}

QString ResourcePath(const QString& sign)
{
    return QStringLiteral(":/pictures/%1.svg").arg(sign);
}

} // namespace SignPictures

SignImageList::SignImageList()
{
    // The pictures live in a static library's resource; make sure it is registered.
    Q_INIT_RESOURCE(pictures);
    for (const QString& key : SignPictures::Keys()) {
        auto picture = std::make_shared<QSvgRenderer>(SignPictures::ResourcePath(key));
        if (picture->isValid())
            m_entries.push_back({key, std::move(picture)});
    }
}

SignImageList::~SignImageList() = default;

QString SignImageList::key(int index) const
{
    return index >= 0 && index < count() ? m_entries[std::size_t(index)].key : QString();
}

SignImageList::Picture SignImageList::find(const QString& key) const
{
    for (const Entry& entry : m_entries) {
        if (entry.key == key)
            return entry.picture;
    }
    return nullptr;
}

SignPictureLabel::SignPictureLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void SignPictureLabel::setPicture(const QString& key, SignImageList::Picture picture)
{
    if (!picture)
        return;
    m_key = key;
    m_picture = std::move(picture);
    render();
}

void SignPictureLabel::render()
{
    if (!m_picture)
        return;
    const QSize box = contentsRect().size();
    if (box.isEmpty())
        return;
    // Square pictures fill the shorter side of the box.
    const int side = qMin(box.width(), box.height());
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        m_picture->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
    }
    pixmap.setDevicePixelRatio(ratio);
    setPixmap(pixmap);
}

void SignPictureLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    render();
}

void SignPictureLabel::paintEvent(QPaintEvent* event)
{
    // A move to a screen of another pixel ratio shows up here first.
    if (m_picture && !pixmap().isNull() && !qFuzzyCompare(pixmap().devicePixelRatio(), devicePixelRatioF()))
        render();
    QLabel::paintEvent(event);
}
