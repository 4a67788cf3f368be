// An output generator: the program that produces one kind of data, with its
// parameter set.
#pragma once
#include "interfaces/IKalvexGenParms.h"
#include "interfaces/IKalvexNamedItem.h"

namespace kalvex {

// The command of the built-in batch-file generator.
inline const QString CMD_INTERNAL_BATCHFILE = QStringLiteral("(INTERNAL)Kalvex batchfile Generator");

class IKalvexGenerator : public virtual IKalvexNamedItem {
public:
    virtual void setId(const QString& id) = 0;
    virtual void setName(const QString& name) = 0;
    virtual void setDescription(const QString& description) = 0;
    virtual QString cmdView() const = 0;
    virtual void setCmdView(const QString& cmd) = 0;
    virtual QString cmdPlot() const = 0;
    virtual void setCmdPlot(const QString& cmd) = 0;
    virtual QString fileExt() const = 0;
    virtual void setFileExt(const QString& ext) = 0;
    virtual QString activeXModule() const = 0;
    virtual void setActiveXModule(const QString& module) = 0;
    virtual QString groupId() const = 0;
    virtual void setGroupId(const QString& groupId) = 0;
    virtual void setReservedItem(int code) = 0;
    virtual void setIntCounter(int counter) = 0;

    // The stored command; variable references expanded only when asked.
    virtual QString cmdGen(bool expanded) const = 0;
    // A different command chooses the parameter set's dialog anew (when a
    // dialog chooser is registered) and hands it to the set's editor.
    virtual void setCmdGen(const QString& cmd) = 0;

    // The generator's own parameter set (the same object on every call).
    virtual IKalvexGenParmsPtr parameters() const = 0;

    // Handed down to the parameter set as well.
    virtual std::shared_ptr<IBrenloEnvirVars> envirVars() const = 0;
    virtual void setEnvirVars(const std::shared_ptr<IBrenloEnvirVars>& vars) = 0;

    // Copies another generator's values and parameters into this one.
    virtual void clone(const std::shared_ptr<IKalvexGenerator>& other) = 0;
    // Back to a fresh generator: empty fields, no parameters, count 0; the
    // generator becomes the object library's current generator.
    virtual void initialize() = 0;
};

using IKalvexGeneratorPtr = std::shared_ptr<IKalvexGenerator>;

} // namespace kalvex
