#include "store/kalvexRUV_scratch.h"

#include <QBuffer>

#include "store/kalvexRUV_common.h"

namespace kalvex {

void ruvMoveGenerators(const IKalvexGeneratorsPtr& to, const IKalvexGeneratorsPtr& from)
{
    auto* whole = dynamic_cast<KalvexCollection<IKalvexGenerator>*>(to.get());
    auto* part = dynamic_cast<KalvexCollection<IKalvexGenerator>*>(from.get());
    if (whole && part && whole->takeItemsOf(*part))
        return;
    std::vector<IKalvexGeneratorPtr> gens;
    gens.reserve(static_cast<size_t>(from->count()));
    for (int i = 1; i <= from->count(); ++i)
        gens.push_back(from->item(i));
    from->initialize();
    to->initialize();
    for (const auto& g : gens)
        to->add(g);
}

bool ruvCopyThroughMemory(const KalvexRUVHandler& handler, const IKalvexObjectPtr& from, const IKalvexObjectPtr& to)
{
    QBuffer buffer;
    {
        KalvexRUVConnection out;
        out.setFileIO(QVariant::fromValue<QIODevice*>(&buffer));
        out.setFileOpenMode(RUV_OPEN_WRITE);
        out.setKwLevel(0);
        if (!out.openForWrite())
            return false;
        handler.save(out, from, RUVSaveOptions{false, {}});
        ruvWriteEnd(out);
        if (!out.commitWrite())
            return false;
    }
    buffer.close();
    KalvexRUVConnection in;
    in.setFileIO(QVariant::fromValue<QIODevice*>(&buffer));
    in.setKwLevel(1);
    if (!in.openForRead())
        return false;
    return handler.load(in, to, RUVLoadOptions{true, {}});
}

} // namespace kalvex
