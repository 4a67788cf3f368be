// A process's place in the process tree: dot-separated numbers, one per
// nesting level ("10.20.5" is the fifth child of 20 below 10).
#pragma once
#include "interfaces/IKalvexObject.h"

namespace kalvex {

class IKalvexProcessOrderKey : public virtual IKalvexObject {
public:
    virtual QString encoded() const = 0;
    // Blanks around the text and its numbers are dropped. Refused (false,
    // nothing changed) unless it is empty or numbers joined by ".".
    virtual bool setEncoded(const QString& text) = 0;
    // Number of levels; 1 the top level, 0 for an empty key.
    virtual int indentLevel() const = 0;
    // The number at a level (1-based); 0 beyond the key.
    virtual qint64 numberAtLevel(int level) const = 0;
    // Negative, 0 or positive as this key sorts before, with or after other:
    // numbers compared level by level, a parent before its children.
    virtual int compare(const IKalvexProcessOrderKey& other) const = 0;

    // A table from level to a 32-bit value (the tree fills keep row indexes
    // here); 0 for a level never set.
    virtual int listIndexAtLevel(int level) const = 0;
    virtual void setListIndexAtLevel(int level, int value) = 0;

    // Empty key, empty table, change count 0.
    virtual void initialize() = 0;
};

using IKalvexProcessOrderKeyPtr = std::shared_ptr<IKalvexProcessOrderKey>;

} // namespace kalvex
