#pragma once

#include <QProxyStyle>

// The program's style: the desktop's own, with two exceptions.
// - The menu bar's overflow arrow is painted instead of read from an image file. Reading
//   it would load every image-format plugin at start-up (about half a megabyte) for an
//   arrow that only a menu bar too narrow for its menus ever shows.
// - Alt alone does not move to the menu bar, and does not close an open menu. With a
//   screen reader listening, Qt hands the reader each key first and receives Alt back
//   only after the Alt+letter it came with, so Alt+H opened the Help menu and the late Alt
//   closed it at once; Alt alone also left the focus on the File menu by surprise. The
//   menus open with their access keys (Alt+F, Alt+H).
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
