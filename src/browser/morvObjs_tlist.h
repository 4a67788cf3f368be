// Tree rows for model objects. A row key reads "<kind>#<number>#<handle>":
// the handle names the row's object in a table of weak references, so a
// key never keeps its object alive and yields no object once it is gone.
#pragma once
#include <QPixmap>
#include <QString>
#include <memory>

#include "interfaces/IKalvexAdministrator.h"
#include "platform/tlist_procs.h"

class QObject;

namespace kalvex {

class TList;

inline const QString SORTKEY_OBJECTS = QStringLiteral("SortKey_Objects");

// The handle of an object (positive; the same one while the object lives),
// and the object of a handle: none for 0, negative or unknown handles and
// for objects gone.
qint64 morvObjs_objectHandle(const IKalvexObjectPtr& object);
IKalvexObjectPtr morvObjs_objectFromHandle(qint64 handle);

// Row pictures come from the loaded file browser while it is registered here.
class IRowPictureSource {
public:
    virtual ~IRowPictureSource() = default;
    // "pictSingle", "pictMaster", "pictMasterVar", "pictPsite", …; null when unknown.
    virtual QPixmap rowPicture(const QString& name) const = 0;
};
void morvObjs_setFileBrowserForm(QObject* form);
QObject* morvObjs_fileBrowserForm();

// The sort value of an object: a process's order key with every number
// zero-padded (so that text order is key order), otherwise its name.
QString morvObjs_sortValue(const IKalvexObjectPtr& object);

// Adds a row for the object below parentRow (its name as text unless the
// record gives one), with its row key and sort value; a process row takes
// its picture by process type from the registered browser. The record's
// itemIndex receives the row.
void morvObjs_tlistAddObject(TList* tree, tlist_rowRec& rec, const IKalvexObjectPtr& object, int parentRow,
                             int keyNumber = 0);

// Splits a row key (the key of row when key is empty) into rec.key,
// rec.keyNumber and rec.objectHandle (-100 when absent); with readObject the
// object of the row, else none.
IKalvexObjectPtr morvObjs_tlistDecodeRowKey(const TList* tree, const QString& key, int row, tlist_rowRec& rec,
                                            bool readObject);

// Fills the tree with the processes of group "MASTER_PROCS" or
// "VARIANT_PROCS", filtered by the site when one is given, nested by the
// indent level of their order keys below a first row for the site. Nothing
// without a database, its processes or their enumerator.
void morvObjs_checkOut_fillProcTree(TList* tree, const IKalvexAdministratorPtr& adm, const QString& group,
                                    const std::shared_ptr<IKalvexProdSite>& site, const QString& firstRowText);

} // namespace kalvex
