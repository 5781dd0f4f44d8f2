#include "report/ReportWindow.h"

#include "report/modRTB.h"
#include "shell/ClickableLabel.h"
#include "shell/modHelp.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

ReportWindow::ReportWindow(const Options& options)
    : ProgramWindow(options.id, options.caption, options.clientTwips),
      m_returnsTo(options.returnsTo),
      m_saveDialogTitle(options.saveDialogTitle)
{
    setShowsWelcomePanelOnClose(false);

    RTB = new QTextBrowser;
    RTB->setObjectName(QStringLiteral("RTB"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(options.pointSize);
    font.setWeight(QFont::Normal);
    RTB->document()->setDefaultFont(font);

    cmdSave = new QPushButton(QStringLiteral("&Save"));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    connect(cmdSave, &QPushButton::clicked, this, &ReportWindow::Save);
    cmdPrint = new QPushButton(QStringLiteral("&Print"));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    connect(cmdPrint, &QPushButton::clicked, this, &ReportWindow::Print);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdPrint);

    auto* column = new QVBoxLayout(body());
    column->addWidget(RTB, 1);
    column->addLayout(buttons);
    m_footer = new QVBoxLayout;
    column->addLayout(m_footer);

    if (options.promotionLabels) {
        auto* label7 = MakePageLabel(QStringLiteral("Label7"),
                                     QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                                                    "make money online. Get this software fully branded for your "
                                                    "website. Click here for more details."),
                                     PageKey::FullyBranded);
        auto* label1 = MakePageLabel(QStringLiteral("Label1"),
                                     QStringLiteral("Visit www.zel-compatibility.example for more free readings."),
                                     PageKey::HomePage);
        auto* label14 = MakePageLabel(QStringLiteral("Label14"),
                                      QStringLiteral("Share your results in the Zel astrology discussion forum."),
                                      PageKey::HomePage);
        for (ClickableLabel* label : {label7, label1, label14}) {
            label->setStyleSheet(QStringLiteral("color: #1d4f91;"));
            m_footer->addWidget(label);
        }
    }

    modRTB::EnableReportLinks(RTB, this);
}

void ReportWindow::Save()
{
    modRTB::SaveReport(RTB, this, m_saveDialogTitle);
}

void ReportWindow::Print()
{
    modRTB::PrintReport(RTB, this);
}

void ReportWindow::closing()
{
    modRTB::DisableReportLinks();
    ProgramWindows::ShowAgain(m_returnsTo);
}
