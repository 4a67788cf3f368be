// Tab strip with the tab control's members: the current tab, per-tab enabling
// and a Click that carries the tab that was current before.
#pragma once
#include <QTabBar>
#include <QTabWidget>

namespace kalvex {

class SSTab : public QTabWidget {
    Q_OBJECT
    Q_CLASSINFO("vbKind", "TabDlg.SSTab")
public:
    explicit SSTab(QWidget* parent = nullptr);

    int Tab() const { return currentIndex(); }
    // Selecting the tab that is already current raises no Click.
    void setTab(int index);

    bool TabEnabled(int index) const { return isTabEnabled(index); }
    void setTabEnabled(int index, bool enabled) { QTabWidget::setTabEnabled(index, enabled); }

    QString TabCaption(int index) const { return tabText(index); }

    // The window that holds the keyboard focus when the tab strip has it.
    QWidget* focusWindow() const { return tabBar(); }
    bool hasFocusWindow(const QWidget* w) const { return w && w == tabBar(); }
    void SetFocus() { tabBar()->setFocus(Qt::OtherFocusReason); }

    // What the tab strip takes around its pages (tabs and frame), in
    // pixels; known before the strip is first shown.
    QSize chromeSize() const;

signals:
    void Click(int previousTab);

private:
    int m_previous = -1;
};

} // namespace kalvex
