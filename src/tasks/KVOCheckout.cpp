#include "tasks/KVOCheckout.h"

#include <QStringList>

namespace kalvex {

namespace {

const QString kNameSuffix = QStringLiteral("_NM");
const QString kTo = QStringLiteral(" =to= ");
// Decoding also takes a destination marker without its trailing blank.
const QString kToLoose = QStringLiteral(" =to=");

enum Side { NONE, MASTER, VARIANT, BOTH };

Side sideOf(const QString& keyword)
{
    if (keyword == QLatin1String("M_DATA_CHECKOUT") || keyword == QLatin1String("M_LOG_CHECKOUT"))
        return MASTER;
    if (keyword == QLatin1String("V_DATA_CHECKOUT") || keyword == QLatin1String("V_LOG_CHECKOUT"))
        return VARIANT;
    if (keyword == QLatin1String("VM_DATA_CHECKOUT") || keyword == QLatin1String("VM_LOG_CHECKOUT"))
        return BOTH;
    return NONE;
}

} // namespace

QString KVOCheckoutField::text(bool byName) const
{
    if (m_isText)
        return m_text;
    if (!m_object)
        return QString();
    return byName ? m_object->name() : m_object->id();
}

QString morvObjs_KVOCheckout_Encode(const QString& keyword, const QString& destination,
                                    const KVOCheckoutField& masterSite, const KVOCheckoutField& masterProcess,
                                    const KVOCheckoutField& variantSite, const KVOCheckoutField& variantProcess,
                                    bool byName)
{
    QStringList fields;
    switch (sideOf(keyword)) {
    case MASTER:
        fields << masterSite.text(byName) << masterProcess.text(byName);
        break;
    case VARIANT:
        fields << variantSite.text(byName) << variantProcess.text(byName);
        break;
    case BOTH:
        fields << masterSite.text(byName) << masterProcess.text(byName) << variantSite.text(byName)
               << variantProcess.text(byName);
        break;
    case NONE:
        break;
    }
    return keyword + (byName ? kNameSuffix : QString()) + QLatin1Char('>') + fields.join(QLatin1Char('#')) + kTo
           + destination;
}

int morvObjs_KVOCheckout_decode(const QString& expression, KVOCheckoutRec& rec)
{
    const int gt = expression.indexOf(QLatin1Char('>'));
    if (gt < 0) {
        rec.valid = false;
        return -1;
    }
    KVOCheckoutRec out;
    out.keyword = expression.left(gt).trimmed();
    if (out.keyword.endsWith(kNameSuffix)) {
        out.byName = true;
        out.keyword.chop(kNameSuffix.size());
    }
    QString rest = expression.mid(gt + 1);
    const int to = rest.indexOf(kToLoose);
    if (to >= 0) {
        out.destination = rest.mid(to + kToLoose.size()).trimmed();
        rest.truncate(to);
    }
    const QStringList pieces = rest.split(QLatin1Char('#'));
    switch (sideOf(out.keyword)) {
    case MASTER:
    case VARIANT: {
        if (pieces.size() < 2)
            break;
        QString& site = sideOf(out.keyword) == MASTER ? out.masterSite : out.variantSite;
        QString& process = sideOf(out.keyword) == MASTER ? out.masterProcess : out.variantProcess;
        site = pieces[0];
        process = pieces[1];
        out.valid = true;
        break;
    }
    case BOTH:
        if (pieces.size() < 4)
            break;
        out.masterSite = pieces[0];
        out.masterProcess = pieces[1];
        out.variantSite = pieces[2];
        out.variantProcess = pieces[3];
        out.valid = true;
        break;
    case NONE:
        break;
    }
    if (!out.valid) {
        rec.valid = false;
        return -1;
    }
    rec = out;
    return 1;
}

} // namespace kalvex
