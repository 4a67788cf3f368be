#include "platform/SSTab.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace kalvex {

SSTab::SSTab(QWidget* parent) : QTabWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    tabBar()->setFocusPolicy(Qt::TabFocus);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        const int previous = m_previous;
        m_previous = index;
        // The first page added makes a tab current: that is no user change.
        if (previous >= 0 && index >= 0)
            emit Click(previous);
    });
}

QSize SSTab::chromeSize() const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    const QSize probe(1000, 1000);
    option.rect = QRect(QPoint(0, 0), probe);
    const QRect contents = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    return probe - contents.size();
}

void SSTab::setTab(int index)
{
    if (index < 0 || index >= count() || index == currentIndex())
        return;
    setCurrentIndex(index);
}

} // namespace kalvex
