// A named administration entry as its owner edits it: the setters beside
// the getters of IKalvexNamedItem.
#pragma once
#include "interfaces/IKalvexNamedItem.h"

namespace kalvex {

class IKalvexAdmEntry : public IKalvexNamedItem {
public:
    // Trimmed. Refused (false, nothing changed) when empty or when another
    // entry of the same collection bears it; renameId of the collection is
    // the same with a result code.
    virtual bool setId(const QString& id) = 0;
    // Trimmed.
    virtual void setName(const QString& name) = 0;
    virtual void setDescription(const QString& text) = 0;
    virtual void setReservedItem(int code) = 0;
    virtual void setIntCounter(int n) = 0;
    // Back to the values of a new entry (the id stays), change count 0.
    virtual void initialize() = 0;
};

} // namespace kalvex
