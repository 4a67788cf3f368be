// The parameter set of a generator or distributor: parameters in the order
// they were added, found by exact name (letter case included) or 1-based
// position, through a name index. The owner (generator or distributor) is a
// weak parent; the set owns its editor, which knows the set only weakly.
#pragma once
#include "foundation/KalvexCollection.h"
#include "foundation/KalvexKeyIndex.h"
#include "interfaces/IKalvexGenParms.h"

namespace kalvex {

class KalvexGenParms : public KalvexCollection<IKalvexGenParm>, public IKalvexGenParms {
public:
    QString className() const override { return QStringLiteral("KalvexGenParms"); }
    QString objectKind() const override { return QStringLiteral("GEN_PARAMETERS"); }

    int count() const override { return KalvexCollection::count(); }
    IKalvexGenParmPtr item(int position) const override { return itemAt(position); }
    IKalvexGenParmPtr item(const QString& name) const override { return itemByName(name); }
    IKalvexGenParmPtr itemByName(const QString& name) const override;
    bool exists(const QString& name) const override { return itemByName(name) != nullptr; }

    IKalvexGenParmPtr add(const QString& name, const QString& value, int parmType) override;
    // For readers: adds a parameter (name trimmed) without counting a change
    // or raising an event. False when the name is empty or taken.
    bool addQuietly(QAnyStringView name, QAnyStringView value, int parmType);
    int remove(const QString& name) override;
    int remove(int position) override;
    int rename(const QString& oldName, const QString& newName) override;
    QString getUniqueName(const QString& base) const override;

    std::shared_ptr<IBrenloEnvirVars> envirVars() const override { return m_vars; }
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) override { m_vars = vars; }
    void initialize() override;
    std::shared_ptr<IKalvexGenParmsEditor> editor() override;

    // Handles "envirVars" beside the raiser keys.
    int setInternalValue(const QString& key, const QVariant& value) override;

private:
    int positionOf(QAnyStringView name) const;
    // A new parameter at the end, under a trimmed name not taken; the
    // addition counted or not. Null when it cannot be made.
    IKalvexGenParmPtr join(QAnyStringView trimmedName, QAnyStringView value, int parmType, bool counted);

    std::shared_ptr<IBrenloEnvirVars> m_vars;
    std::shared_ptr<IKalvexGenParmsEditor> m_editor;
    KalvexNameIndex m_names;
};

std::shared_ptr<IKalvexGenParms> classCreate_KalvexGenParms();

// Empties mine, then adds each parameter of theirs (none when null) with its
// value and type, in their order; each removal and addition counts.
void copyParameters(IKalvexGenParms& mine, const IKalvexGenParmsPtr& theirs);

} // namespace kalvex
