// The parameter-set editor: binds a parameter set to the dialog that edits it.
#pragma once
#include <QVariant>
#include "interfaces/IKalvexParmForm.h"

namespace kalvex {

class IKalvexGenParmsEditor {
public:
    virtual ~IKalvexGenParmsEditor() = default;
    virtual IKalvexParmForm* formObj() const = 0;
    virtual void setFormObj(IKalvexParmForm* form) = 0;
    // The parameter set it edits, held weakly; no object when unset or gone.
    virtual IKalvexGenParmsPtr parent() const = 0;
    virtual void setParent(const IKalvexGenParmsPtr& parms) = 0;
    virtual void initialize(bool show) = 0;
    virtual int persistData(bool flag) = 0;
    // "GET_HELPTOPIC" answers the form's help topic.
    virtual QVariant setInternalValue(const QString& key, const QVariant& value) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setFocus() = 0;
};

} // namespace kalvex
