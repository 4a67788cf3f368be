// The environment-variable set: named values referenced in texts as ${NAME}.
//
// Names are matched without regard to letter case (as the process environment
// of the host does); a name keeps the case it was first defined with.
// expand() replaces references by values; a value may refer to further
// variables, which are expanded in turn, and a reference that would re-enter
// a variable already being expanded stays as written, so cycles end.
// collapse() replaces known values by references, longest value first; text
// that is already a reference (in the input or inserted by an earlier
// replacement) is never rewritten.
#pragma once
#include <QMap>

#include "interfaces/IBrenloEnvirVars.h"

namespace kalvex {

class BrenloEnvirVars : public IBrenloEnvirVars {
public:
    void add(const QString& name, const QString& value) override;
    QString item(const QString& name) const override;
    bool exists(const QString& name) const override;
    void remove(const QString& name) override;
    int count() const override;
    QStringList names() const override;
    QString expand(const QString& text, bool recursive = true, bool keepUndefined = true) const override;
    QString collapse(const QString& text, bool caseInsensitive = true,
                     const QString& onlyName = QString()) const override;

private:
    struct Var {
        QString name;
        QString value;
    };
    QString expandText(const QString& text, bool recursive, bool keepUndefined, QStringList& active,
                       int& budget) const;

    QMap<QString, Var> m_vars; // keyed by lower-cased name
};

// A new variable set, created through the ProgID registry
// ("VeRedirorAZ.brenloEnvirVars"); no object when creation fails.
std::shared_ptr<IBrenloEnvirVars> createEnvirVars();

} // namespace kalvex
