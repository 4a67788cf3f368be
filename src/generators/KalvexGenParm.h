// One parameter of a generator or distributor. A parameter created alone has
// no parent and no variable set (the grid dialog's scratch rows); joined to a
// parameter set it expands and collapses through the set's variable set and
// passes its changes on to the set.
#pragma once
#include "foundation/KalvexObjectBase.h"
#include "foundation/KalvexTextPair.h"
#include "interfaces/IKalvexGenParm.h"

namespace kalvex {

class KalvexGenParm : public KalvexObjectBase, public IKalvexGenParm {
public:
    QString className() const override { return QStringLiteral("KalvexGenParm"); }
    QString objectKind() const override { return QStringLiteral("GEN_PARAMETER"); }

    QString name() const override { return m_texts.first().toString(); }
    // The name without a copy, for the set's look-ups.
    QAnyStringView storedName() const { return m_texts.first(); }
    // The value as stored (collapsed), without a copy, for writers.
    QAnyStringView storedValue() const { return m_texts.second(); }
    void setName(const QString& name) override;
    QString value(bool expanded) const override;
    void setValue(bool collapse, const QString& value) override;
    int parmType() const override { return m_parmType; }
    void setParmType(int type) override;
    std::shared_ptr<IBrenloEnvirVars> envirVars() const override;
    void clone(const std::shared_ptr<IKalvexGenParm>& other) override;
    void initialize() override;

    // A new parameter of these values, unchanged: nobody holds it yet, so
    // the values are stored as given (the name already trimmed), without
    // counting or raising. Null when it cannot be made.
    static std::shared_ptr<KalvexGenParm> create(QAnyStringView trimmedName, QAnyStringView value, int parmType);

private:
    KalvexTextPair m_texts; // name, value
    int m_parmType = PARM_TYPE_USER;
};

std::shared_ptr<IKalvexGenParm> classCreate_KalvexGenParm();

} // namespace kalvex
