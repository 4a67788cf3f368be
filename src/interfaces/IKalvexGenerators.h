// The generator collection of the administration database. Ids are keys:
// matched without regard to letter case and unique in the collection.
#pragma once
#include "interfaces/IKalvexGenerator.h"

namespace kalvex {

class IKalvexGenerators : public virtual IKalvexObject {
public:
    virtual int count() const = 0;
    // 1-based position; no object out of range.
    virtual IKalvexGeneratorPtr item(int position) const = 0;
    // Matched against the ids; no object when not found.
    virtual IKalvexGeneratorPtr item(const QString& id) const = 0;
    // The first generator whose name equals it exactly.
    virtual IKalvexGeneratorPtr itemByName(const QString& name) const = 0;
    virtual bool exists(const QString& id) const = 0;

    // A new generator with that id (trimmed) joins the collection; no object
    // when the id is blank or taken.
    virtual IKalvexGeneratorPtr add(const QString& id, const QString& name = QString()) = 0;
    // Takes in a generator made elsewhere (readers, clones); false when its
    // id is blank or taken.
    virtual bool add(const IKalvexGeneratorPtr& generator) = 0;
    // Number of generators removed.
    virtual int remove(const QString& id) = 0;
    virtual int remove(int position) = 0;

    // Result codes as IKalvexGenParms::rename.
    virtual int renameId(const QString& oldId, const QString& newId) = 0;
    virtual QString getUniqueName(const QString& base) const = 0;
    virtual QString getUniqueId(const QString& base) const = 0;

    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;
    // Handed down to every generator and its parameter set.
    virtual void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) = 0;

    // Empties the collection with tracking suspended and resets its count.
    virtual void initialize() = 0;
};

using IKalvexGeneratorsPtr = std::shared_ptr<IKalvexGenerators>;

} // namespace kalvex
