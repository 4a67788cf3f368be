#include "generators/bnrepTables.h"

#include <QSet>
#include <QStringList>

namespace kalvex {

namespace {

QStringList names(const QString& joined)
{
    QStringList out;
    for (const QString& piece : joined.split(QLatin1Char('#'))) {
        const QString name = piece.trimmed();
        if (!name.isEmpty())
            out << name;
    }
    return out;
}

} // namespace

void morvGens_bnrep_fillTableArray(QVector<BnrepTableRec>& tables, const QString& allTables,
                                   const QString& clearList)
{
    const QStringList all = names(allTables);
    QSet<QString> toClear;
    for (const QString& name : names(clearList))
        toClear.insert(name.toLower());
    tables.clear();
    tables.resize(all.size() + 2);
    for (int i = 0; i < all.size(); ++i) {
        tables[i + 1].name = all[i];
        tables[i + 1].clear = toClear.contains(all[i].toLower());
    }
}

} // namespace kalvex
