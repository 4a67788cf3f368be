// The report writer's dialog: which database type the generator works on
// (option group db_type), the central-library or parts-database file that
// type needs, two clean-up flags, and per type a check list of the tables
// whose data is cleared (table_clear). Marks made under one type survive a
// switch to another and back; only the type chosen at confirm is stored.
#pragma once
#include "dialogs/KalvexParmFormBase.h"
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
    QString loadedDbType() const { return m_loadedDbType; }
    QString loadedTableList() const { return m_loadedTableList; }

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
    QObject* firstEditControl() const override;
    void loadGroups() override;
    int persistGroups() override;

private:
    void buildDbTypeFrame();
    void fill_clearTableArrays();
    void fill_dbtype();
    void OptDBType_Click(int index);
    void tableList_ItemCheck(int entry);
    void tableList_Click();
    void browseInto(VbTextBox* box, const QString& browseId, bool allowCheckout);
    int writeGroupParm(const QString& key, const QString& value);

    QString m_currentDbType;
    QString m_loadedDbType;
    QString m_loadedTableList;
    bool m_refilling = false;
};

} // namespace kalvex
