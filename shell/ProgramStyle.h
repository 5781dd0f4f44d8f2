#pragma once

#include <QProxyStyle>

// The program's style: the desktop's own, except for the menu bar's overflow arrow, which
// is painted instead of read from an image file. Reading it would load every image-format
// plugin at start-up (about half a megabyte) for an arrow that only a menu bar too narrow
// for its menus ever shows.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
