// The "Generators" section and the parameter lines of generators and
// distributors; also the handler that loads and saves a generator collection
// on its own (a generators file, or the generators of a database file).
#pragma once
#include "interfaces/IKalvexGenerators.h"
#include "store/kalvexRUV_common.h"
#include "store/kalvexRUV_handler.h"

namespace kalvex {

inline const QString RUV_TITLE_GENERATORS = QStringLiteral("Generators");

// How entries whose id is already in a collection are taken in.
enum class RUVMerge {
    Replace, // the file's values replace those of the existing entry
    Keep     // the existing entry stays as it is (defaults files)
};

// One "parm" line: name, value (stored as written, not collapsed), type.
inline constexpr char RUV_PARM[] = "parm";
void kalvexRUV_writeParms(KalvexKeywordWriter& w, int level, const IKalvexGenParmsPtr& parms);
QString kalvexRUV_readParm(const IKalvexGenParmsPtr& parms, const KeywordLine& line);
// Change counts of a parameter set and its parameters back to 0.
void ruvMarkParmsSaved(const IKalvexGenParmsPtr& parms);

void kalvexRUV_writeGenerators(KalvexRUVConnection& conn, const IKalvexGeneratorsPtr& gens);
// Reads the entries of a "Generators" section whose title was just read;
// ids, when given, gets each generator taken in by its id as written.
bool kalvexRUV_readGenerators(KalvexRUVConnection& conn, const IKalvexGeneratorsPtr& gens, RUVMerge merge,
                              RUVIdMap<IKalvexGenerator>* ids = nullptr);

KalvexRUVHandler kalvexRUV_generatorsHandler();

} // namespace kalvex
