#include "numerology/NumerologyLabels.h"

#include "shell/ClickableLabel.h"
#include "shell/ThemeColours.h"
#include "shell/modHelp.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ClickableLabel* MakeForumLabel()
{
    auto* label = MakePageLabel(QStringLiteral("Label61"),
                                QStringLiteral("Talk about numbers, names and love with other members in the "
                                               "Zel discussion forum."),
                                PageKey::HomePage);
    ShowUnderlined(label);
    return label;
}

NumerologyLabels AddNumerologyLabels(QVBoxLayout* column)
{
    NumerologyLabels labels;
    labels.Label1 = new QLabel(QStringLiteral("Display Your Ad Here Permanently. Contact "));
    labels.Label1->setObjectName(QStringLiteral("Label1"));
    labels.Label2 = new QLabel(QStringLiteral("ads@zel-compatibility.example"));
    labels.Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = labels.Label2->font();
    bold.setBold(true);
    labels.Label2->setFont(bold);
    ThemeColours::UseAccent(labels.Label2, QColor(0x8e, 0x3b, 0x8f));

    auto* adRow = new QHBoxLayout;
    adRow->setSpacing(0);
    adRow->addWidget(labels.Label1);
    adRow->addWidget(labels.Label2);
    adRow->addStretch(1);
    column->addLayout(adRow);

    labels.Label61 = MakeForumLabel();
    column->addWidget(labels.Label61);
    return labels;
}
