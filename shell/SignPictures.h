#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QSvgRenderer;

// The twelve sign pictures ("Aries" ... "Pisces"), compiled in as ":/pictures/<Sign>.svg".
// The zodiac, moon and Chinese screens show them by sign name.
namespace SignPictures {

// The picture keys, in image-list order: the twelve sign names in zodiac order.
const QStringList& Keys();

// The resource path of a sign's picture, e.g. ":/pictures/Aries.svg".
QString ResourcePath(const QString& sign);

} // namespace SignPictures

// An image list of the twelve sign pictures, keyed by sign name. The pictures are loaded
// when the list is built, so a screen builds it when it opens, never at start-up.
class SignImageList {
public:
    using Picture = std::shared_ptr<QSvgRenderer>;

    SignImageList();
    ~SignImageList();

    int count() const { return int(m_entries.size()); }
    QString key(int index) const;
    // The first picture, in list order, whose key equals key exactly; nullptr if none.
    Picture find(const QString& key) const;

private:
    struct Entry {
        QString key;
        Picture picture;
    };
    std::vector<Entry> m_entries;
};

// A picture box that draws a sign picture at its own size, crisp at the screen's pixel
// ratio: the picture is rendered again whenever the box's size or pixel ratio changes.
class SignPictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit SignPictureLabel(QWidget* parent = nullptr);

    // Shows the picture; an empty one keeps whatever the box showed before.
    void setPicture(const QString& key, SignImageList::Picture picture);
    // The key of the picture shown, or "" while the box shows its design picture.
    QString pictureKey() const { return m_key; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void render();

    QString m_key;
    SignImageList::Picture m_picture;
};
