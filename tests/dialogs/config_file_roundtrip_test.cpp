// One parameter set edited by turns in a configuration-file dialog and in the
// grid dialog: neither loses or rewrites what the other wrote.
#include "dialogs/parm_edit_fixture.h"

#include "dialogs/frmConfigFileParms.h"
#include "support/modal_driver.h"

namespace kalvex::test {

namespace {

// Name=value|type of every parameter, in order.
QStringList snapshot(const IKalvexGenParmsPtr& parms)
{
    QStringList all;
    for (int i = 1; i <= parms->count(); ++i) {
        auto p = parms->item(i);
        all << QStringLiteral("%1=%2|%3").arg(p->name(), p->value(false)).arg(p->parmType());
    }
    return all;
}

struct Dedicated {
    const char* command;
    const char* fileKey;
};

class ConfigFileRoundTrip : public ParmEditTest, public ::testing::WithParamInterface<Dedicated> {
protected:
    void TearDown() override
    {
        vbl_formRelease<frmDXFOutParms>();
        vbl_formRelease<frmPlanesParms>();
        vbl_formRelease<frmODBGParms>();
        ParmEditTest::TearDown();
    }
    // The editor loads and shows the dedicated dialog.
    frmConfigFileParms* openDedicated()
    {
        gen->setCmdGen(QString::fromUtf8(GetParam().command));
        editor()->initialize(true);
        return dynamic_cast<frmConfigFileParms*>(editor()->formObj());
    }
    frmParmEdit* openGrid()
    {
        gen->setCmdGen(QStringLiteral("C:\\tools\\outgen.exe"));
        return open();
    }
};

} // namespace

TEST_P(ConfigFileRoundTrip, EditsInEitherDialogSurviveTheOther)
{
    const QString fileKey = QString::fromUtf8(GetParam().fileKey);
    add(fileKey, "${KVX_CFG}\\a.cfg", PARM_TYPE_SYSTEM);
    add("title", "Old", PARM_TYPE_SYSTEM);
    add("extra", "keep #1", PARM_TYPE_USER);

    frmConfigFileParms* dedicated = openDedicated();
    ASSERT_NE(dedicated, nullptr);
    typeInto(dedicated->textTitle, "From the dialog");
    EXPECT_EQ(editor()->persistData(false), 1);
    const QStringList afterDedicated = snapshot(parms);

    ASSERT_TRUE(openGrid());
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(snapshot(parms), afterDedicated);
    editCell(ParmGridCol::Value, rowOf(fileKey), "b.cfg");
    EXPECT_EQ(persist(), 1);
    const QStringList afterGrid = snapshot(parms);

    dedicated = openDedicated();
    ASSERT_NE(dedicated, nullptr);
    EXPECT_EQ(dedicated->textConfigFile->text(), "b.cfg");
    EXPECT_EQ(dedicated->textTitle->text(), "From the dialog");
    EXPECT_EQ(editor()->persistData(false), 0);
    EXPECT_EQ(snapshot(parms), afterGrid);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ConfigFileRoundTrip,
                         ::testing::Values(Dedicated{"(INTERNAL)Kalvex DXF Output generator", "dxf_config_file"},
                                           Dedicated{"(INTERNAL)Kalvex planes generator", "planes_config_file"},
                                           Dedicated{"(INTERNAL)Kalvex ODBG Generator", "odbg_config_file"}),
                         [](const auto& info) { return std::string(info.param.fileKey); });

} // namespace kalvex::test
