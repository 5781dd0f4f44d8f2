#include "shell/SignPictures.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
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

// The pictures live in a static library's resource; make sure it is registered. (The macro
// declares a function of the global namespace, so it cannot sit in the one below.)
static void registerPictureResource()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {

// The parsed pictures, shared by every image list: read when the first result screen
// opens, then kept, so going back and forth between screens does not parse them again.
const std::vector<std::pair<QString, SignImageList::Picture>>& parsedPictures()
{
    static const auto pictures = [] {
        registerPictureResource();
        std::vector<std::pair<QString, SignImageList::Picture>> parsed;
        for (const QString& key : SignPictures::Keys()) {
            auto picture = std::make_shared<QSvgRenderer>(SignPictures::ResourcePath(key));
            if (picture->isValid())
                parsed.emplace_back(key, std::move(picture));
        }
        return parsed;
    }();
    return pictures;
}

} // namespace

SignImageList::SignImageList()
{
    for (const auto& [key, picture] : parsedPictures())
        m_entries.push_back({key, picture});
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
    // Screen readers name the picture for the sign it shows.
    setAccessibleName(key);
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
    // Layouts resize a box several times while a screen opens; each size is drawn once.
    const QString cacheKey = QStringLiteral("sign:%1:%2:%3").arg(m_key).arg(side).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(cacheKey, &pixmap)) {
        pixmap = QPixmap(QSize(side, side) * ratio);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            m_picture->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
        }
        pixmap.setDevicePixelRatio(ratio);
        QPixmapCache::insert(cacheKey, pixmap);
    }
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
