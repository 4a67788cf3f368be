// The console's public operations: generators and parameters as text lines
// in a list box, and a database or task list in the tree.
#include "browser/frmObjectTest.h"

#include "browser/tlistViews_admin.h"
#include "browser/tlistViews_jobprefsTasks.h"
#include "browser/tlistViews_rows.h"
#include "foundation/morvObjs_names.h"
#include "foundation/vbl_str.h"
#include "platform/TList.h"
#include "platform/VbCheckBox.h"
#include "platform/VbListBox.h"
#include "platform/vbl_form.h"

namespace kalvex {

namespace {
// One repaint for a whole block of lines.
class ListBatch {
public:
    explicit ListBatch(VbListBox* list)
        : m_list(list), m_was(list->updatesEnabled())
    {
        list->setUpdatesEnabled(false);
    }
    ~ListBatch() { m_list->setUpdatesEnabled(m_was); }
    ListBatch(const ListBatch&) = delete;
    ListBatch& operator=(const ListBatch&) = delete;

private:
    VbListBox* m_list;
    bool m_was;
};
} // namespace

void frmObjectTest::clearList()
{
    ensureLoaded();
    infoList->Clear();
}

void frmObjectTest::generatorToListBox(int index, const IKalvexGeneratorPtr& generator, VbListBox* list,
                                       bool withParameters)
{
    ensureLoaded();
    if (!list)
        return;
    const ListBatch batch(list);
    if (!generator) {
        list->AddItem(QStringLiteral("** Error ** Generator object not set"));
        return;
    }
    const QString head = QString::number(index) + QStringLiteral(". ") + generator->name();
    list->AddItem(head);
    list->AddItem(vbl_str_underline(head, QStringLiteral("-")));
    list->AddItem(QStringLiteral("Description : ") + generator->description());
    list->AddItem(QStringLiteral("Gen cmd     : ") + generator->cmdGen(false));
    list->AddItem(QStringLiteral("Plot cmd    : ") + generator->cmdPlot());
    list->AddItem(QStringLiteral("View cmd    : ") + generator->cmdView());
    list->AddItem(QStringLiteral("File ext    : ") + generator->fileExt());
    list->AddItem(QStringLiteral("Group ID    : ") + generator->groupId());
    list->AddItem(QStringLiteral("ActiveX Mod.: ") + generator->activeXModule());
    list->AddItem(QStringLiteral("Reserved    : ") + QString::number(generator->reservedItem()));
    if (withParameters)
        parmsToListBox(list, QStringLiteral("Parameters"), generator->parameters(), QStringLiteral("===> "));
    list->AddItem(QStringLiteral("  "));
}

void frmObjectTest::parmsToListBox(VbListBox* list, const QString& title, const IKalvexGenParmsPtr& parms,
                                   const QString& prefix)
{
    ensureLoaded();
    if (!list || !parms)
        return;
    const ListBatch batch(list);
    if (!title.isEmpty()) {
        list->AddItem(prefix + title);
        list->AddItem(prefix + vbl_str_underline(title, QStringLiteral("-")));
    }
    const int n = parms->count();
    for (int i = 1; i <= n; ++i) {
        const IKalvexGenParmPtr p = parms->item(i);
        if (!p)
            continue;
        list->AddItem(prefix + (p->parmType() == PARM_TYPE_SYSTEM ? QStringLiteral("(Sys) ") : QStringLiteral("(Usr) "))
                      + vbl_str_formatWidth(p->name(), QStringLiteral("-20s")) + QStringLiteral(" = ")
                      + p->value(false));
    }
}

void frmObjectTest::generatorsToListBox(const IKalvexGeneratorsPtr& generators, bool clear)
{
    ensureLoaded();
    const ListBatch batch(infoList);
    if (clear)
        infoList->Clear();
    if (!generators)
        return;
    const int n = generators->count();
    for (int i = 1; i <= n; ++i)
        generatorToListBox(i, generators->item(i), infoList, true);
}

void frmObjectTest::showGenerator(int index, const IKalvexGeneratorPtr& generator, bool clear)
{
    ensureLoaded();
    if (clear)
        infoList->Clear();
    generatorToListBox(index, generator, infoList, false);
}

void frmObjectTest::showParameters(const QString& title, const IKalvexGenParmsPtr& parms, const QString& prefix)
{
    ensureLoaded();
    if (parms)
        parmsToListBox(infoList, title, parms, prefix);
}

void frmObjectTest::showAdminDB(const QString& caption, const IKalvexAdministratorPtr& adm, bool clear,
                                bool onlyModified)
{
    ensureLoaded();
    if (!adm)
        return;
    setCaption(caption);
    tlist_showAdmDb(tlistResult, adm, clear, onlyModified);
    m_shownAdmObj = adm;
    m_shownAdmCaption = caption;
}

void frmObjectTest::showTaskList(const QString& caption, const std::shared_ptr<IKalvexTasks>& tasks, bool clear,
                                 bool& onlyModified)
{
    Q_UNUSED(clear)
    ensureLoaded();
    if (vbl_chk_isChecked(CheckOnlyMod))
        onlyModified = true;
    if (!tasks)
        return;
    tlist_prepareGrid(tlistResult);
    setCaption(caption);
    tlist_showTasks(tlistResult, -1, tasks, onlyModified);
    tlistResult->setRedraw(true);
}

void frmObjectTest_showParmsList(const IKalvexGenParmsPtr& parms)
{
    frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    console->show();
    console->raise();
    if (!parms)
        return;
    console->clearList();
    console->showParameters(morvObjs_getName(parms->parent(), QStringLiteral("Parameters")), parms, QString());
}

} // namespace kalvex
