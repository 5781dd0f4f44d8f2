#include "shell/frmAbout.h"

#include "shell/ClickableLabel.h"
#include "shell/ThemeColours.h"
#include "shell/Emblem.h"
#include "shell/Twips.h"
#include "shell/Version.h"
#include "shell/modHelp.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Zel Compatibility v" ZEL_VERSION));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);

    Picture1 = Emblem::MakeLogo(Twips(960));
    Picture1->setObjectName(QStringLiteral("Picture1"));

    Label2 = new QLabel(QStringLiteral("Zel Compatibility v" ZEL_VERSION));
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = Label2->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    Label2->setFont(titleFont);

    Label1 = new QLabel(QStringLiteral(
        "Zel Compatibility is a consolidated compatibility test software. It is a remarkable and an accurate "
        "tool with an easy to use interface, which tells you about the level of combatibility between you and "
        "your partner. This program is the most comprehensive of all the other compatibility test tools that "
        "helps you analyze your relationship based on the concepts of the different branches of astral science."));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    auto* Line1 = new QFrame;
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    Label3 = new QLabel(QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                       "online. Get this software fully branded for your website. "));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);

    lblCoBrand = MakePageLabel(QStringLiteral("lblCoBrand"), QStringLiteral("Click here for more details."),
                               PageKey::FullyBranded);
    ShowUnderlined(lblCoBrand);
    lblHomePage = MakePageLabel(QStringLiteral("lblHomePage"),
                                QStringLiteral("Visit us on the web: www.zel-compatibility.example"),
                                PageKey::HomePage);
    ShowUnderlined(lblHomePage);

    cmdOK = new QPushButton(QStringLiteral("&OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* header = new QHBoxLayout;
    header->addWidget(Picture1);
    header->addSpacing(12);
    header->addWidget(Label2, 1);

    auto* footer = new QHBoxLayout;
    footer->addWidget(lblHomePage, 1);
    footer->addWidget(cmdOK);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(18, 18, 18, 14);
    column->setSpacing(10);
    column->addLayout(header);
    column->addWidget(Label1);
    column->addWidget(Line1);
    column->addWidget(Label3);
    column->addWidget(lblCoBrand);
    column->addLayout(footer);
    // A top-level window does not follow its wrapped labels' height by itself.
    const int width = Twips(6900);
    setFixedSize(width, heightForWidth(width));
    // Enter closes the window; the links are a Tab away.
    cmdOK->setFocus();
}

bool frmAbout::event(QEvent* event)
{
    ThemeColours::FollowTheme(this, event);
    return QDialog::event(event);
}

void frmAbout::ShowModal(QWidget* from)
{
    auto* about = new frmAbout(from ? from->window() : nullptr);
    about->exec();
}
