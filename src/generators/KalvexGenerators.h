// The generator collection. Ids are the keys: matched without regard to
// letter case, never blank, never twice. Its parent is the administration
// database; the variable set it is given reaches every generator. Ids and
// names are found through indexes, so a load of n generators costs O(n).
#pragma once
#include "foundation/KalvexCollection.h"
#include "foundation/KalvexKeyIndex.h"
#include "interfaces/IKalvexGenerators.h"

namespace kalvex {

class KalvexGenerators : public KalvexCollection<IKalvexGenerator>, public IKalvexGenerators {
public:
    QString className() const override { return QStringLiteral("KalvexGenerators"); }
    QString objectKind() const override { return QStringLiteral("GENERATORS"); }

    int count() const override { return KalvexCollection::count(); }
    IKalvexGeneratorPtr item(int position) const override { return itemAt(position); }
    IKalvexGeneratorPtr item(const QString& id) const override;
    IKalvexGeneratorPtr itemByName(const QString& name) const override;
    bool exists(const QString& id) const override { return item(id) != nullptr; }

    IKalvexGeneratorPtr add(const QString& id, const QString& name = QString()) override;
    bool add(const IKalvexGeneratorPtr& generator) override;
    int remove(const QString& id) override;
    int remove(int position) override;

    int renameId(const QString& oldId, const QString& newId) override;
    QString getUniqueName(const QString& base) const override;
    QString getUniqueId(const QString& base) const override;

    std::shared_ptr<IBrenloEnvirVars> envirVars() const override { return m_vars; }
    void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) override;
    void initialize() override;

    // Handles "envirVars" beside the raiser keys.
    int setInternalValue(const QString& key, const QVariant& value) override;

protected:
    bool takesItemsWhole() const override { return true; }
    void itemsTakenOver(KalvexCollection& from) override;

private:
    int positionOfId(const QString& id) const;
    bool holds(const IKalvexGeneratorPtr& generator) const;

    std::shared_ptr<IBrenloEnvirVars> m_vars;
    KalvexIdIndex m_ids;
    KalvexNameIndex m_names;
};

std::shared_ptr<IKalvexGenerators> classCreate_KalvexGenerators();

} // namespace kalvex
