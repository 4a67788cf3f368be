// Check-out expressions: a reference to the data or log file of a task of the
// master design, the variant or both, and where to copy it:
//   KEYWORD[_NM]>fields#joined#by#hash =to= destination
#pragma once
#include <QString>

#include "interfaces/IKalvexNamedItem.h"

namespace kalvex {

// One site or process field: a text taken as it is, an object (its id, or its
// name when encoding by name), or nothing (an empty field).
class KVOCheckoutField {
public:
    KVOCheckoutField() = default;
    KVOCheckoutField(const QString& text) : m_text(text), m_isText(true) {}
    KVOCheckoutField(const char* text) : m_text(QString::fromUtf8(text)), m_isText(true) {}
    template <typename T>
    KVOCheckoutField(const std::shared_ptr<T>& object)
        : m_object(std::dynamic_pointer_cast<IKalvexNamedItem>(object))
    {
    }
    QString text(bool byName) const;

private:
    QString m_text;
    bool m_isText = false;
    std::shared_ptr<IKalvexNamedItem> m_object;
};

struct KVOCheckoutRec {
    QString destination;
    QString keyword;  // without "_NM"
    bool valid = false;
    bool byName = false;
    QString masterSite;
    QString masterProcess;
    QString variantSite;
    QString variantProcess;
};

QString morvObjs_KVOCheckout_Encode(const QString& keyword, const QString& destination,
                                    const KVOCheckoutField& masterSite, const KVOCheckoutField& masterProcess,
                                    const KVOCheckoutField& variantSite, const KVOCheckoutField& variantProcess,
                                    bool byName);

// 1 when parsed into rec; -1 otherwise, rec then keeping its contents with
// valid false.
int morvObjs_KVOCheckout_decode(const QString& expression, KVOCheckoutRec& rec);

} // namespace kalvex
