// The report writer's dialog: which database type the generator works on
// (option group db_type), the central-library or parts-database file that
// type needs, two clean-up flags, and per type a check list of the tables
// whose data is cleared (table_clear). Marks made under one type survive a
// switch to another and back; only the type chosen at confirm is stored.
#pragma once
#include "dialogs/KalvexParmFormBase.h"
#include "dialogs/morvObj_optionGroup.h"
#include "platform/VbOptionButton.h"

namespace kalvex {

class CommonDialog;
class VbCheckBox;
class VbCommandButton;
class VbListBox;
class VbTextBox;

class frmBNREPParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    enum DbType { BNPCB = 0, BNDC = 1, PDB = 2, CLIB = 3, DbTypeCount = 4 };
    // The keywords of the types, in option order, as db_type stores them.
    static const QStringList dbTypeWords;
    // Stands for a missing or unknown db_type: it never equals a keyword.
    static const QString unknownDbType;

    frmBNREPParms();

    int defaultHelpTopic() const override { return 11; }

    // The type chosen (a keyword), and what db_type and table_clear held at load.
    QString currentDbType() const { return m_currentDbType; }
    QString loadedDbType() const { return m_dbType.reference(); }
    QString loadedTableList() const { return m_tableClear.reference(); }

    VbPanel3D* parmsPanel;
    VbFrame* frameDBType;
    VbOptionArray OptDBType;
    VbTextBox* TextLMC;
    VbCommandButton* browseLMC;
    VbTextBox* textPDB;
    VbCommandButton* browsePDB;
    VbFrame* FrameGenOpt;
    VbCheckBox* CheckRemoveDB;
    VbCheckBox* CheckRemoveWorkfiles;
    VbFrame* FrameTableRem;
    VbListBox* tableList;
    CommonDialog* cDialog;

protected:
    void loadGroups() override;
    int persistGroups(const IKalvexGenParmsPtr& parms) override;

private:
    void buildDbTypeFrame();
    void fill_clearTableArrays();
    void fill_dbtype();
    void OptDBType_Click(int index);
    void tableList_ItemCheck(int entry);
    void tableList_Click();

    // Neither is created at load; a missing or unknown type reads as "XXXX",
    // so the first persist writes it. The references stay what was loaded.
    OptionGroup m_dbType{{.key = QStringLiteral("db_type"),
                          .words = dbTypeWords,
                          .match = OptMatch::UpperEqual,
                          .unmatched = BNPCB,
                          .create = OptCreate::WhenChanged,
                          .marker = unknownDbType,
                          .rewriteLetterCase = false,
                          .countCreated = true}};
    OptionGroup m_tableClear{{.key = QStringLiteral("table_clear"),
                              .words = {},
                              .create = OptCreate::WhenChanged,
                              .countCreated = true}};
    QString m_currentDbType;
    bool m_refilling = false;
};

} // namespace kalvex
