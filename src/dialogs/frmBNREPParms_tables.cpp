// The report writer dialog's tables: one table array per database type, held
// by the library for every report-writer dialog, the type selection that
// shows a type's tables, and the marks the user sets.
#include "dialogs/frmBNREPParms.h"

#include <QScopeGuard>
#include <array>

#include "dialogs/morvGens_bnrepTabClear.h"
#include "generators/bnrepTables.h"
#include "platform/VbCommandButton.h"
#include "platform/VbListBox.h"
#include "platform/VbTextBox.h"
#include "platform/vbl_form.h"

namespace kalvex {

namespace {

// The tables of each database type, in option order.
const char* const tableLists[frmBNREPParms::DbTypeCount] = {
    "TBoardInfo#TBoardOut#TComp#TCompManufOrigin#TCompOut#TCompPad#TCompPin#TContour#TDefClear#TFiducial#"
    "TMechanical#TMechManufOrigin#TMountinghole#TNet#TNetClass#TNetClassLayer#TNetClassViaAttr#TNetProperties#"
    "TPadStack#TPadStackHolesList#TPadStackHoles#TPadStackPads#TPartNumber#TPartNumberProperty#TPlaneDef#"
    "TPlaneShape#TShape#TShapeOutl#TShapeNestedCell#TShapePins#TTech#TTestPoint#TTrace#TUnplacedComp#TVia#TViaPad",
    "TInformation#TFlat_Net_Properties#THier_Net_Properties#TParts#TPaths#TPhysical_Pins#TProperty_Name_Map#"
    "TSheets#TSymbols#TSymbol_Pins#TSymbol_Pin_Properties#TSymbol_Properties",
    "TInfo#PartNumberTable#SymbolTable#PropertyTable#SymbolPins#PartNumberPins#ShapeTable",
    "TInfo#PartPartitions#PartNumbers#PartSymbols#PartProperties#PartSymbolPins#PartNumberPins#PartShapes#"
    "PadStack#PadStackHolesList#PadStackHoles#PadStackPads#PadStackCells#CellPartitions#PackageCell#"
    "PackageCellOutl#PackageCellPins#NestedCell#MechanicalCell#DrawingCell#SymbolPartitions#Symbols#SymbolPins#"
    "SymbolPinProperties#SymbolProperties#SchemeNames#SchemeSearchPaths#CommonProperties#LayoutTemplates#"
    "IBISPartition",
};

// One set for all report-writer dialogs; each loadData rebuilds it.
std::array<QVector<BnrepTableRec>, frmBNREPParms::DbTypeCount>& tableArrays()
{
    static std::array<QVector<BnrepTableRec>, frmBNREPParms::DbTypeCount> arrays;
    return arrays;
}

} // namespace

void frmBNREPParms::fill_clearTableArrays()
{
    const IKalvexGenParmsPtr parms = parmsColl();
    if (!parms)
        return;
    m_tableClear.load(parms);
    for (int t = 0; t < DbTypeCount; ++t)
        morvGens_bnrep_fillTableArray(tableArrays()[static_cast<size_t>(t)], QString::fromLatin1(tableLists[t]),
                                      m_tableClear.valueRead());
}

void frmBNREPParms::OptDBType_Click(int index)
{
    VbOptionButton* opt = OptDBType[index];
    if (m_refilling || !opt || !opt->value())
        return;
    // Marking the entries raises ItemCheck: the arrays already hold the marks.
    m_refilling = true;
    const auto done = qScopeGuard([this] { m_refilling = false; });
    m_currentDbType = dbTypeWords[index];
    morvGens_bnrepTabClear_fillLBOX(tableList, tableArrays()[static_cast<size_t>(index)]);
    const bool pdb = index == PDB;
    const bool lmc = index == CLIB;
    // A disabled box keeps its text, and it is still written.
    vb::setEnabled(textPDB, pdb);
    vb::setEnabled(browsePDB, pdb);
    vb::setBackColor(textPDB, vbl_getColorFromState(pdb));
    vb::setEnabled(TextLMC, lmc);
    vb::setEnabled(browseLMC, lmc);
    vb::setBackColor(TextLMC, vbl_getColorFromState(lmc));
}

void frmBNREPParms::tableList_ItemCheck(int entry)
{
    if (m_refilling)
        return;
    const int type = dbTypeWords.indexOf(m_currentDbType);
    if (type < 0)
        return;
    QVector<BnrepTableRec>& tables = tableArrays()[static_cast<size_t>(type)];
    bool isNumber = false;
    const int record = tableList->ItemData(entry).toInt(&isNumber);
    // An entry not made from this type's array (or a rebuilt array) marks nothing.
    if (!isNumber || record < 1 || record >= tables.size() || tables[record].name != tableList->List(entry))
        return;
    tables[record].clear = tableList->Selected(entry);
}

void frmBNREPParms::tableList_Click() { tableList->setListIndex(-1); }

} // namespace kalvex
