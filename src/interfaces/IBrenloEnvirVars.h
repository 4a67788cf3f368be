// The environment-variable set: variables referenced as ${NAME}.
#pragma once
#include <QString>
#include <QStringList>
#include <memory>

namespace kalvex {

class IBrenloEnvirVars {
public:
    virtual ~IBrenloEnvirVars() = default;
    // Defines NAME (or gives it a new value).
    virtual void add(const QString& name, const QString& value) = 0;
    // The value of NAME; isNull() when not defined.
    virtual QString item(const QString& name) const = 0;
    virtual bool exists(const QString& name) const = 0;
    virtual void remove(const QString& name) = 0;
    virtual int count() const = 0;
    virtual QStringList names() const = 0;
    // References replaced by their values; undefined references stay as written.
    virtual QString expand(const QString& text, bool recursive = true, bool keepUndefined = true) const = 0;
    // Known values replaced by their references, longest value first.
    virtual QString collapse(const QString& text, bool caseInsensitive = true,
                             const QString& onlyName = QString()) const = 0;
};

} // namespace kalvex
