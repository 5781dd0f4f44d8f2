#pragma once

#include <QDialog>

class ClickableLabel;
class QLabel;
class QPushButton;

// Tells which product and version is running and links to the maker's site.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Opens the About window modally over the window that asked for it.
    static void ShowModal(QWidget* from);

    QWidget* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    ClickableLabel* lblCoBrand = nullptr;
    ClickableLabel* lblHomePage = nullptr;
    QPushButton* cmdOK = nullptr;

protected:
    // Accent colours follow the palette.
    bool event(QEvent* event) override;
};
