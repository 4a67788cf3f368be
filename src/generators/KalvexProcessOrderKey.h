// A process's order key.
#pragma once
#include <QHash>
#include <QVarLengthArray>

#include "foundation/KalvexModelObject.h"
#include "interfaces/IKalvexProcessOrderKey.h"

namespace kalvex {

class KalvexProcessOrderKey : public KalvexModelObject, public IKalvexProcessOrderKey {
public:
    QString className() const override { return QStringLiteral("KalvexProcessOrderKey"); }
    QString objectKind() const override { return QStringLiteral("PROCESS_ORDER_KEY"); }

    QString encoded() const override { return m_encoded; }
    bool setEncoded(const QString& text) override;
    int indentLevel() const override { return static_cast<int>(m_numbers.size()); }
    qint64 numberAtLevel(int level) const override;
    int compare(const IKalvexProcessOrderKey& other) const override;
    int listIndexAtLevel(int level) const override { return m_table.value(level, 0); }
    void setListIndexAtLevel(int level, int value) override { m_table.insert(level, value); }
    void initialize() override;

    // Most keys have one or two levels: those are kept without an allocation.
    using Numbers = QVarLengthArray<qint64, 2>;
    // The numbers of a well-formed key; false for anything else.
    static bool parse(const QString& text, QString& normalized, Numbers& numbers);

private:
    QString m_encoded;
    Numbers m_numbers;
    QHash<int, int> m_table;
};

std::shared_ptr<IKalvexProcessOrderKey> classCreate_KalvexProcessOrderKey();

// Whether ancestor is a proper prefix of key (key lies nested below it).
bool orderKeyContains(const IKalvexProcessOrderKey& ancestor, const IKalvexProcessOrderKey& key);

} // namespace kalvex
