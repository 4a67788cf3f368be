// The directory-selector companion component ("VeRedirorAZ.HvDirectorySelector").
#pragma once
#include <QString>
#include <memory>

namespace kalvex {

class IHvDirectorySelector {
public:
    virtual ~IHvDirectorySelector() = default;
    virtual void setStartDirectory(const QString& dir) = 0;
    virtual void setTitle(const QString& title) = 0;
    // A further text; shown as the caption of the accepting button when not empty.
    virtual void setText(const QString& text) = 0;
    // Shows the selector modally: the chosen directory, or "NODEF" when cancelled.
    virtual QString show() = 0;
};

} // namespace kalvex
