// Shared implementation of a named administration entry (IKalvexAdmEntry).
#pragma once
#include "foundation/KalvexKeyedItemImpl.h"
#include "interfaces/IKalvexAdmEntry.h"

namespace kalvex {

template <typename IFace>
class KalvexAdmEntryImpl : public KalvexKeyedItemImpl, public IFace {
public:
    QString id() const override { return m_id; }
    QString name() const override { return m_name; }
    QString description() const override { return m_description; }
    int reservedItem() const override { return m_reserved; }
    int intCounter() const override { return m_intCounter; }

    bool setId(const QString& id) override { return updId(m_id, id); }
    void setName(const QString& name) override { upd(m_name, name.trimmed(), QStringLiteral("name")); }
    void setDescription(const QString& text) override { upd(m_description, text, QStringLiteral("description")); }
    void setReservedItem(int code) override { upd(m_reserved, code, QStringLiteral("reservedItem")); }
    void setIntCounter(int n) override { upd(m_intCounter, n, QStringLiteral("intCounter")); }

protected:
    // Entry values of a new object; the id stays.
    void resetEntry()
    {
        m_name.clear();
        m_description.clear();
        m_reserved = NOT_RESERVED;
        m_intCounter = 0;
    }
    // Everything but the id, each a counted change.
    void copyEntryFrom(const IKalvexNamedItem& other)
    {
        setName(other.name());
        setDescription(other.description());
        setReservedItem(other.reservedItem());
        setIntCounter(other.intCounter());
    }

private:
    QString m_id;
    QString m_name;
    QString m_description;
    int m_reserved = NOT_RESERVED;
    int m_intCounter = 0;
};

// An entry with nothing beyond the entry values (file types, product classes).
template <typename IFace>
class KalvexPlainAdmEntryImpl : public KalvexAdmEntryImpl<IFace> {
public:
    void clone(const std::shared_ptr<IFace>& other) override
    {
        if (other && other.get() != this)
            this->copyEntryFrom(*other);
    }
    void initialize() override
    {
        this->resetEntry();
        bumpModelGeneration();
        this->setModified(0);
    }
};

} // namespace kalvex
