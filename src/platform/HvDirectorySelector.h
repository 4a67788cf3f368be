// The directory selector: a modal directory dialog.
#pragma once
#include "interfaces/IHvDirectorySelector.h"

namespace kalvex {

inline const QString PROGID_HV_DIRECTORY_SELECTOR = QStringLiteral("VeRedirorAZ.HvDirectorySelector");

class HvDirectorySelector : public IHvDirectorySelector {
public:
    void setStartDirectory(const QString& dir) override { m_start = dir; }
    void setTitle(const QString& title) override { m_title = title; }
    void setText(const QString& text) override { m_text = text; }
    QString show() override;

private:
    QString m_start, m_title, m_text;
};

// A new selector, or no object when it cannot be created.
std::shared_ptr<IHvDirectorySelector> classCreate_HvDirectorySelector();

} // namespace kalvex
