// Every built-in command and the fallbacks against the dialog they choose:
// for a new generator, after a change of command, after a clone and for a
// distributor's program; the help topic each answers; the grid's batch mode
// on its one shared instance; names compared whole, lower-cased, never
// trimmed; and a second set loaded into a shared dedicated dialog showing
// nothing of the first.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include <QPointer>

#include "admin/KalvexDistributor.h"
#include "dialogs/frmParmEdit.h"
#include "dialogs/morvObj_parmBinding.h"
#include "dialogs/morvObjs_editFormSelect.h"
#include "generators/KalvexGenParmsEditor.h"
#include "generators/KalvexGenerator.h"
#include "platform/VbForm.h"
#include "support/qt_printers.h"

namespace kalvex::test {

namespace {

struct SelectionRow {
    const char* command;
    const char* form;
    int helpTopic;
    bool batchMode; // the grid's mode after the selection
};

const QString kGrid = QStringLiteral("frmParmEdit");

// The built-in commands in the order they are tried, then names that fall
// through to the grid.
const SelectionRow kSelectionRows[] = {
    {"(INTERNAL)Kalvex Gerber Generator", "frmGerberParms", 14, false},
    {"(INTERNAL)Kalvex Report Writer Generator", "frmBNREPParms", 11, false},
    {"(INTERNAL)Kalvex NC Drill Generator", "frmDrillParms", 2, false},
    {"(INTERNAL)Kalvex Distributor", "frmDistribParms", 1004, false},
    {"(INTERNAL)Kalvex Report Writer netlister", "frmBNREPNTLParms", 12, false},
    {"(INTERNAL)Kalvex file manipulator", "frmGFmanipParms", 4, false},
    {"(INTERNAL)Kalvex General Interfaces", "frmGENIFParms", 19, false},
    {"(INTERNAL)Kalvex DXF Output generator", "frmDXFOutParms", 22, false},
    {"(INTERNAL)Kalvex planes generator", "frmPlanesParms", 26, false},
    {"(INTERNAL)Kalvex DRC generator", "frmDRCParms", 20, false},
    {"(INTERNAL)Kalvex PCB Design Manipulations", "frmVarsetupParms", 28, false},
    {"(INTERNAL)Kalvex ODBG Generator", "frmODBGParms", 24, false},
    {"(INTERNAL)Kalvex batchfile Generator", "frmParmEdit", 29, true},
    {"", "frmParmEdit", 0, false},
    {"C:\\tools\\outgen.exe", "frmParmEdit", 0, false},
    {"${KVX_TOOLS}\\outgen.exe #1", "frmParmEdit", 0, false},
    {" (INTERNAL)Kalvex Gerber Generator", "frmParmEdit", 0, false},
    {"(INTERNAL)Kalvex DRC generator ", "frmParmEdit", 0, false},
    {"(INTERNAL)Kalvex batchfile Generator\t", "frmParmEdit", 0, false},
    {"(INTERNAL)Kalvex NC Drill", "frmParmEdit", 0, false},
    {"(INTERNAL) Kalvex Distributor", "frmParmEdit", 0, false},
};
constexpr int kBuiltInRows = 13;

// The built-in rows: the dedicated dialogs and the grid in batch mode.
bool builtIn(const SelectionRow& row) { return QLatin1String(row.form) != kGrid || row.batchMode; }

int helpTopicOf(const std::shared_ptr<IKalvexGenParmsEditor>& editor)
{
    return editor->setInternalValue(QStringLiteral("GET_HELPTOPIC"), {}).toInt();
}

bool gridInBatchMode()
{
    return vbl_formExists<frmParmEdit>() && vbl_formInstance<frmParmEdit>()->batchExeMode();
}

class DialogSelectionRow : public ::testing::TestWithParam<SelectionRow> {
protected:
    void SetUp() override
    {
        const SelectionRow& row = GetParam();
        dialogs_install();
        command = QString::fromUtf8(row.command);
        expected = QString::fromUtf8(row.form);
    }
    // Every dialog this test touched goes, so the next test starts fresh and
    // the grid leaves batch mode with it.
    void TearDown() override
    {
        for (const QPointer<QObject>& f : touched)
            if (auto* form = qobject_cast<VbForm*>(f.data())) {
                form->unloadForm(1);
                delete form;
            }
    }

    IKalvexParmForm* keep(IKalvexParmForm* form)
    {
        if (form && form->formObject())
            touched << form->formObject();
        return form;
    }
    // The form the editor holds, with what a user of it would read.
    void expectChosen(const std::shared_ptr<IKalvexGenParmsEditor>& editor, const IKalvexGenParmsPtr& parms,
                      const char* how)
    {
        SCOPED_TRACE(how);
        IKalvexParmForm* form = keep(editor->formObj());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->formName(), expected);
        EXPECT_EQ(form->parmsColl(), parms) << "the shared dialog edits the set it was given last";
        EXPECT_EQ(helpTopicOf(editor), GetParam().helpTopic);
        if (expected == kGrid) {
            EXPECT_EQ(gridInBatchMode(), GetParam().batchMode);
        }
        EXPECT_FALSE(form->formVisible()) << "chosen, not shown";
    }

    QString command;
    QString expected;
    QList<QPointer<QObject>> touched;
};

// Test names say which row; this keeps the runner from printing its bytes.
void PrintTo(const SelectionRow& row, std::ostream* os) { *os << row.form << " for \"" << row.command << '"'; }

// The rows of the dedicated dialogs (the grid dialog has its own tests).
class DedicatedDialogRow : public DialogSelectionRow {};

std::vector<SelectionRow> dedicatedRows()
{
    std::vector<SelectionRow> rows;
    for (const auto& row : kSelectionRows)
        if (QLatin1String(row.form) != kGrid)
            rows.push_back(row);
    return rows;
}

std::string selectionRowName(const ::testing::TestParamInfo<SelectionRow>& info)
{
    QString name = QStringLiteral("%1_%2").arg(info.index, 2, 10, QLatin1Char('0')).arg(info.param.form);
    if (info.index >= kBuiltInRows)
        name += QStringLiteral("_fallback");
    return name.toStdString();
}

} // namespace

TEST_P(DialogSelectionRow, ChosenByNameInAnyLetterCaseAndSharedButNeverTrimmed)
{
    IKalvexParmForm* form = keep(morvObjs_editFormSelect(command));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->formName(), expected);
    EXPECT_EQ(form->defaultHelpTopic(), GetParam().helpTopic);
    if (expected == kGrid) {
        EXPECT_EQ(gridInBatchMode(), GetParam().batchMode);
    }
    EXPECT_EQ(morvObjs_editFormSelect(command.toUpper()), form) << "one shared instance";
    EXPECT_EQ(morvObjs_editFormSelect(command.toLower()), form);
    EXPECT_TRUE(KalvexGenParmsEditor::isKnownDialog(form->formName()));
    if (builtIn(GetParam())) {
        for (const QString& padded : {" " + command, command + " ", command + "\n"}) {
            IKalvexParmForm* grid = keep(morvObjs_editFormSelect(padded));
            ASSERT_NE(grid, nullptr);
            EXPECT_EQ(grid->formName(), kGrid) << padded.toStdString();
            EXPECT_FALSE(gridInBatchMode()) << padded.toStdString();
        }
    }
}

TEST_P(DialogSelectionRow, ChosenForNewChangedAndClonedGenerators)
{
    auto gen = classCreate_KalvexGenerator();
    IKalvexParmForm* initial = keep(gen->parameters()->editor()->formObj());
    ASSERT_NE(initial, nullptr);
    EXPECT_EQ(initial->formName(), kGrid) << "a new generator starts on the grid";
    gen->setCmdGen(command); // "" is no change: the grid stays
    gen->parameters()->add(QStringLiteral("title"), QStringLiteral("from the source"), PARM_TYPE_SYSTEM);
    expectChosen(gen->parameters()->editor(), gen->parameters(), "new generator");

    auto changed = classCreate_KalvexGenerator();
    changed->setCmdGen(QStringLiteral("(INTERNAL)Kalvex batchfile Generator"));
    changed->setCmdGen(QStringLiteral("C:\\tools\\other.exe"));
    changed->setCmdGen(command);
    expectChosen(changed->parameters()->editor(), changed->parameters(), "command changed");

    auto copy = classCreate_KalvexGenerator();
    copy->clone(gen);
    expectChosen(copy->parameters()->editor(), copy->parameters(), "clone");
    ASSERT_NE(copy->parameters()->item("title"), nullptr);
    EXPECT_NE(copy->parameters()->item("title"), gen->parameters()->item("title")) << "copied, not shared";
}

TEST_P(DialogSelectionRow, ChosenForADistributorsProgramAndItsClone)
{
    auto dist = classCreate_KalvexDistributor();
    dist->setDistribExe(QStringLiteral("C:\\tools\\other.exe"));
    dist->setDistribExe(command);
    expectChosen(dist->parameters()->editor(), dist->parameters(), "distributor");

    auto copy = classCreate_KalvexDistributor();
    copy->clone(dist);
    expectChosen(copy->parameters()->editor(), copy->parameters(), "distributor clone");
}

// A dedicated dialog is shared by every set of its kind: loading a second
// set shows none of the first set's values and writes none into it.
TEST_P(DedicatedDialogRow, ASecondSetLoadsWithNothingOfTheFirst)
{
    const bool distributor = expected == QLatin1String("frmDistribParms");
    auto makeOwner = [&]() -> std::pair<std::shared_ptr<void>, IKalvexGenParmsPtr> {
        if (distributor) {
            auto d = classCreate_KalvexDistributor();
            d->setDistribExe(command);
            return {d, d->parameters()};
        }
        auto g = classCreate_KalvexGenerator();
        g->setCmdGen(command);
        return {g, g->parameters()};
    };
    auto [ownerA, first] = makeOwner();
    IKalvexParmForm* form = keep(first->editor()->formObj());
    ASSERT_NE(form, nullptr);
    auto* vbForm = qobject_cast<VbForm*>(form->formObject());
    ASSERT_NE(vbForm, nullptr);
    vbForm->ensureLoaded();

    // Every bound text box of the dialog gets a value only the first set has.
    QList<QObject*> boxes;
    for (QObject* c : vbForm->controls()) {
        QString key, value;
        morvObjs_parmTagSplit(vb::tag(c), key, value);
        if (vb::kind(c) == VbKind::TextBox && !key.isEmpty() && !first->item(key)) {
            first->add(key, QStringLiteral("leak_%1").arg(key), PARM_TYPE_SYSTEM);
            boxes << c;
        }
    }
    ASSERT_FALSE(boxes.isEmpty());
    first->editor()->initialize(false);
    const int firstCount = first->count();

    auto [ownerB, second] = makeOwner();
    ASSERT_EQ(second->editor()->formObj(), form);
    second->editor()->initialize(false);
    for (QObject* box : boxes)
        EXPECT_FALSE(vb::tag(box).contains("leak_")) << box->objectName().toStdString();
    for (QObject* box : boxes)
        EXPECT_FALSE(box->property("text").toString().contains("leak_")) << box->objectName().toStdString();
    second->editor()->persistData(false);
    for (int i = 1; i <= second->count(); ++i)
        EXPECT_FALSE(second->item(i)->value(false).contains("leak_")) << second->item(i)->name().toStdString();
    EXPECT_EQ(first->count(), firstCount);
    for (QObject* box : boxes) {
        QString key, value;
        morvObjs_parmTagSplit(vb::tag(box), key, value);
        ASSERT_NE(first->item(key), nullptr);
        EXPECT_EQ(first->item(key)->value(false), "leak_" + key);
    }
}

INSTANTIATE_TEST_SUITE_P(AllRows, DialogSelectionRow, ::testing::ValuesIn(kSelectionRows), selectionRowName);
INSTANTIATE_TEST_SUITE_P(DedicatedRows, DedicatedDialogRow, ::testing::ValuesIn(dedicatedRows()),
                         [](const ::testing::TestParamInfo<SelectionRow>& info) {
                             return std::string(info.param.form);
                         });

TEST(DialogSelection, TheEditorKnowsExactlyTheThirteenDialogNames)
{
    QStringList tableNames;
    for (int i = 0; i < kBuiltInRows; ++i) {
        EXPECT_TRUE(builtIn(kSelectionRows[i])) << kSelectionRows[i].command;
        tableNames << QString::fromUtf8(kSelectionRows[i].form);
    }
    for (const SelectionRow& row : kSelectionRows)
        EXPECT_EQ(builtIn(row), &row < kSelectionRows + kBuiltInRows) << row.command;
    QStringList known = KalvexGenParmsEditor::knownDialogNames();
    tableNames.sort();
    known.sort();
    EXPECT_EQ(known, tableNames);
    for (const QString& name : tableNames) {
        EXPECT_FALSE(KalvexGenParmsEditor::isKnownDialog(name.toLower())) << name.toStdString();
        EXPECT_FALSE(KalvexGenParmsEditor::isKnownDialog(name + " ")) << name.toStdString();
    }
}

TEST(DialogSelection, BatchModeSwitchesOnTheOneSharedGrid)
{
    dialogs_install();
    auto* batch = dynamic_cast<frmParmEdit*>(morvObjs_editFormSelect("(INTERNAL)KALVEX BATCHFILE GENERATOR"));
    ASSERT_NE(batch, nullptr);
    EXPECT_TRUE(batch->batchExeMode());
    EXPECT_EQ(batch->defaultHelpTopic(), 29);
    IKalvexParmForm* drc = morvObjs_editFormSelect("(INTERNAL)Kalvex DRC generator");
    EXPECT_TRUE(batch->batchExeMode()) << "a dedicated dialog's selection leaves the grid alone";
    EXPECT_EQ(morvObjs_editFormSelect("C:\\tools\\outgen.exe"), batch);
    EXPECT_FALSE(batch->batchExeMode());
    EXPECT_EQ(batch->defaultHelpTopic(), 0);
    EXPECT_EQ(morvObjs_editFormSelect("(INTERNAL)Kalvex batchfile Generator"), batch);
    EXPECT_TRUE(batch->batchExeMode());
    EXPECT_EQ(morvObjs_editFormSelect(""), batch);
    EXPECT_FALSE(batch->batchExeMode());

    // A distributor's clone takes its program's dialog as it was selected.
    auto source = classCreate_KalvexDistributor();
    source->setDistribExe("(INTERNAL)Kalvex batchfile Generator");
    morvObjs_editFormSelect("");
    auto copy = classCreate_KalvexDistributor();
    copy->clone(source);
    EXPECT_EQ(copy->parameters()->editor()->formObj(), batch);
    EXPECT_TRUE(batch->batchExeMode()) << "a clone's program chooses the grid in batch mode";
    vbl_formRelease<frmParmEdit>();
    if (drc)
        delete drc->formObject();
}

} // namespace kalvex::test
