#include "foundation/BrenloEnvirVars.h"

#include <algorithm>

#include "foundation/progid_registry.h"

namespace kalvex {

void BrenloEnvirVars::add(const QString& name, const QString& value)
{
    const QString key = name.trimmed().toLower();
    if (key.isEmpty())
        return;
    auto it = m_vars.find(key);
    if (it != m_vars.end())
        it->value = value;
    else
        m_vars.insert(key, Var{name.trimmed(), value});
}

QString BrenloEnvirVars::item(const QString& name) const
{
    auto it = m_vars.constFind(name.trimmed().toLower());
    if (it == m_vars.constEnd())
        return QString();
    // A defined but empty value must still read as defined.
    return it->value.isNull() ? QStringLiteral("") : it->value;
}

bool BrenloEnvirVars::exists(const QString& name) const
{
    return m_vars.contains(name.trimmed().toLower());
}

void BrenloEnvirVars::remove(const QString& name)
{
    m_vars.remove(name.trimmed().toLower());
}

int BrenloEnvirVars::count() const
{
    return static_cast<int>(m_vars.size());
}

QStringList BrenloEnvirVars::names() const
{
    QStringList out;
    for (const auto& v : m_vars)
        out << v.name;
    return out;
}

QString BrenloEnvirVars::expand(const QString& text, bool recursive, bool keepUndefined) const
{
    QStringList active;
    int budget = 100000;
    return expandText(text, recursive, keepUndefined, active, budget);
}

QString BrenloEnvirVars::expandText(const QString& text, bool recursive, bool keepUndefined,
                                    QStringList& active, int& budget) const
{
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype start = text.indexOf(QLatin1String("${"), pos);
        if (start < 0)
            break;
        const qsizetype end = text.indexOf(QLatin1Char('}'), start + 2);
        if (end < 0)
            break;
        const qsizetype inner = text.indexOf(QLatin1String("${"), start + 2);
        if (inner >= 0 && inner < end) {
            // an unclosed "${" before a reference is plain text
            out += text.mid(pos, inner - pos);
            pos = inner;
            continue;
        }
        out += text.mid(pos, start - pos);
        const QString ref = text.mid(start, end - start + 1);
        const QString key = text.mid(start + 2, end - start - 2).trimmed().toLower();
        auto it = m_vars.constFind(key);
        if (it == m_vars.constEnd()) {
            if (keepUndefined)
                out += ref;
        } else if (active.contains(key) || budget <= 0) {
            out += ref; // cycle or runaway growth: leave the reference as written
        } else if (recursive) {
            --budget;
            active.push_back(key);
            out += expandText(it->value, recursive, keepUndefined, active, budget);
            active.pop_back();
        } else {
            --budget;
            out += it->value;
        }
        pos = end + 1;
    }
    out += text.mid(pos);
    return out;
}

QString BrenloEnvirVars::collapse(const QString& text, bool caseInsensitive, const QString& onlyName) const
{
    // The text as pieces; reference pieces are never searched again.
    struct Piece {
        QString text;
        bool isRef;
    };
    std::vector<Piece> pieces;
    {
        qsizetype pos = 0;
        while (true) {
            qsizetype start = text.indexOf(QLatin1String("${"), pos);
            const qsizetype end = start < 0 ? -1 : text.indexOf(QLatin1Char('}'), start + 2);
            if (end < 0)
                break;
            // the reference is the last "${" before the closing brace
            for (qsizetype inner = text.indexOf(QLatin1String("${"), start + 2); inner >= 0 && inner < end;
                 inner = text.indexOf(QLatin1String("${"), inner + 2))
                start = inner;
            if (start > pos)
                pieces.push_back({text.mid(pos, start - pos), false});
            pieces.push_back({text.mid(start, end - start + 1), true});
            pos = end + 1;
        }
        if (pos < text.size())
            pieces.push_back({text.mid(pos), false});
    }

    std::vector<Var> vars;
    for (const auto& v : m_vars) {
        if (v.value.isEmpty())
            continue; // an empty value would match everywhere
        if (!onlyName.isEmpty() && v.name.compare(onlyName.trimmed(), Qt::CaseInsensitive) != 0)
            continue;
        vars.push_back(v);
    }
    std::stable_sort(vars.begin(), vars.end(),
                     [](const Var& a, const Var& b) { return a.value.size() > b.value.size(); });

    const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (const auto& v : vars) {
        const QString ref = QStringLiteral("${") + v.name + QLatin1Char('}');
        std::vector<Piece> next;
        for (const auto& p : pieces) {
            if (p.isRef) {
                next.push_back(p);
                continue;
            }
            qsizetype pos = 0;
            while (true) {
                const qsizetype hit = p.text.indexOf(v.value, pos, cs);
                if (hit < 0)
                    break;
                if (hit > pos)
                    next.push_back({p.text.mid(pos, hit - pos), false});
                next.push_back({ref, true});
                pos = hit + v.value.size();
            }
            if (pos < p.text.size())
                next.push_back({p.text.mid(pos), false});
        }
        pieces.swap(next);
    }

    QString out;
    for (const auto& p : pieces)
        out += p.text;
    return out;
}

std::shared_ptr<IBrenloEnvirVars> createEnvirVars()
{
    return ProgIdRegistry::instance().create<IBrenloEnvirVars>(PROGID_ENVIR_VARS);
}

} // namespace kalvex
