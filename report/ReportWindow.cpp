#include "report/ReportWindow.h"

#include "report/modRTB.h"
#include "shell/ClickableLabel.h"
#include "shell/ThemeColours.h"
#include "shell/modHelp.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

ReportWindow::ReportWindow(const Options& options)
    : ProgramWindow(options.id, options.caption, options.clientTwips),
      m_returnsTo(options.returnsTo),
      m_saveDialogTitle(options.saveDialogTitle)
{
    setShowsWelcomePanelOnClose(false);

    RTB = new ReportView;
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(QStringLiteral("Report"));
    // The report's runs have fixed colours (black, dark red, dark cyan ...): it reads like
    // paper, a white page, whatever the theme.
    ThemeColours::FixColours(RTB, Qt::black, Qt::white);
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
        for (ClickableLabel* label : {label7, label1, label14})
            m_footer->addWidget(label);
    }

    // A report belongs to the screen it came from and never outlives it: it shows that
    // screen's result, and a report left open behind a closed screen would be out of reach.
    if (ProgramWindow* source = ProgramWindows::Find(m_returnsTo))
        connect(source, &ProgramWindow::aboutToClose, this, &QWidget::close);

    modRTB::EnableReportLinks(RTB, this);
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::Save()
{
    modRTB::SaveReport(RTB, this, m_saveDialogTitle);
}

void ReportWindow::Print()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    modRTB::PrintReport(RTB, this, *m_printer);
}

void ReportWindow::ShowFromTop()
{
    RTB->moveCursor(QTextCursor::Start);
    // Moving the cursor scrolls only as far as the first line; the page margin above it too.
    RTB->verticalScrollBar()->setValue(0);
    // The view takes the focus, so a screen reader starts reading at the first line.
    RTB->setFocus();
}

void ReportWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    ProgramWindow::keyPressEvent(event);
}

void ReportWindow::closing()
{
    modRTB::DisableReportLinks();
    ProgramWindows::ShowAgain(m_returnsTo);
}
