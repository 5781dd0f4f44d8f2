#pragma once

class ClickableLabel;
class QLabel;
class QVBoxLayout;

// The advertising lines under the numerology result screen and report window: "Display
// Your Ad Here Permanently. Contact " with the contact address, and the forum line.
struct NumerologyLabels {
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    ClickableLabel* Label61 = nullptr;
};
NumerologyLabels AddNumerologyLabels(QVBoxLayout* column);

// The line advertising the maker's discussion board; it opens the home page.
ClickableLabel* MakeForumLabel();
