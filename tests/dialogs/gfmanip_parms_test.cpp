// The file manipulator dialog: the operation group with its relabelling of
// the source row, the bound boxes, both pickers, lock, focus, help, layout.
#include "dialogs/dedicated_dialog_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "dialogs/frmGFmanipParms.h"
#include "dialogs/guiLib.h"
#include "dialogs/picker_answers.h"
#include "foundation/BrenloEnvirVars.h"
#include "platform/VbCommandButton.h"
#include "platform/VbLabel.h"
#include "platform/VbTextBox.h"

namespace kalvex::test {

namespace {
class FileManipDialog : public DedicatedDialogTest<frmGFmanipParms> {
protected:
    FileManipDialog()
        : DedicatedDialogTest(QStringLiteral("(INTERNAL)Kalvex file manipulator"))
    {
    }
    int selected() const { return form->OptFmanip.selectedIndex(); }
    bool destinationShown() const
    {
        return vb::visible(form->labelTo) && vb::visible(form->textToFile) && vb::visible(form->browseToFile);
    }
    bool destinationHidden() const
    {
        return !vb::visible(form->labelTo) && !vb::visible(form->textToFile) && !vb::visible(form->browseToFile);
    }
};
} // namespace

TEST_F(FileManipDialog, MissingOperationIsCreatedAsCopyAtLoad)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(value("operation"), "copy_file");
    EXPECT_EQ(type("operation"), PARM_TYPE_SYSTEM);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(form->OptFmanip[1]->text(), "Copy file from source to destination");
    EXPECT_EQ(form->labelFrom->caption(), "Source file:");
    EXPECT_TRUE(destinationShown());
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->count(), 1) << "unchanged boxes create nothing";
}

TEST_F(FileManipDialog, OperationWordsAreFoundByContainmentAndWrittenPlain)
{
    add("operation", "MAKE_DIR");
    ASSERT_TRUE(open());
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(form->labelFrom->caption(), "Directory to create:");
    EXPECT_TRUE(destinationHidden());
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("operation"), "make_dir");

    struct Row {
        const char* stored;
        int option;
        const char* written;
        int count;
    };
    const Row rows[] = {
        {"make_dir", 2, "make_dir", 0},
        {"xmove_file2", 0, "move_file", 1},
        {"Exec_Bat_File now", 3, "exec_bat_file", 1},
        {"move_file copy_file", 1, "copy_file", 1}, // copy is tested first
        {"delete", 1, "copy_file", 1},
        {"", 1, "copy_file", 1},
        {"#${X}", 1, "copy_file", 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.stored);
        setValue("operation", r.stored);
        reload();
        EXPECT_EQ(selected(), r.option);
        EXPECT_EQ(r.option == 2 ? destinationHidden() : destinationShown(), true);
        EXPECT_EQ(persist(), r.count);
        EXPECT_EQ(value("operation"), r.written);
    }
}

TEST_F(FileManipDialog, ChoosingAnOperationRelabelsAndIsCountedByEveryPersist)
{
    add("operation", "copy_file");
    add("parm2", "dest.txt");
    ASSERT_TRUE(open());
    // Typed while shown, then hidden by "Create directory": still written.
    typeInto(form->textToFile, "other.txt");
    clickIndicator(form->OptFmanip[2]);
    EXPECT_EQ(form->labelFrom->caption(), "Directory to create:");
    EXPECT_TRUE(destinationHidden());
    typeInto(form->textFromFile, "${KVX_TASK_WORKDIR}\\out");
    EXPECT_EQ(persist(), 3);
    EXPECT_EQ(value("operation"), "make_dir");
    EXPECT_EQ(value("parm1"), "${KVX_TASK_WORKDIR}\\out");
    EXPECT_EQ(value("parm2"), "other.txt");
    EXPECT_EQ(persist(), 1) << "the operation keeps the word read at load as its reference";

    clickIndicator(form->OptFmanip[3]);
    EXPECT_EQ(form->labelFrom->caption(), "Source file:");
    EXPECT_TRUE(destinationShown());
    EXPECT_EQ(form->textToFile->text(), "other.txt");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("operation"), "exec_bat_file");
}

TEST_F(FileManipDialog, SourcePickerFollowsTheOperationAndCancelsChangeNothing)
{
    ModalWatchdog dog(30000);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("made");
    const QString file = QDir(dir.path()).absoluteFilePath("board.gbr");
    QFile(file).open(QIODevice::WriteOnly);
    auto vars = std::make_shared<BrenloEnvirVars>();
    vars->add("KVX_TASK_WORKDIR", QDir(dir.path()).absolutePath());
    parms->setEnvirVars(vars);
    add("parm1", " old.gbr ");
    add("parm2", "dest.gbr");
    ASSERT_TRUE(open());

    BrowserSeen from;
    answerBrowser(from, file);
    clickWidget(form->browseFromFile);
    EXPECT_TRUE(from.shown);
    EXPECT_EQ(from.spec, "old.gbr");
    EXPECT_TRUE(from.checkout) << "the source may be a check-out expression";
    EXPECT_EQ(form->textFromFile->text(), file);

    BrowserSeen to;
    answerBrowser(to, file);
    clickWidget(form->browseToFile);
    EXPECT_TRUE(to.shown);
    EXPECT_EQ(to.spec, "dest.gbr");
    EXPECT_FALSE(to.checkout) << "the destination is a file";
    EXPECT_EQ(form->textToFile->text(), file);

    BrowserSeen cancelled;
    answerBrowser(cancelled, QString());
    clickWidget(form->browseToFile);
    EXPECT_TRUE(cancelled.shown);
    EXPECT_EQ(form->textToFile->text(), file);

    // Create directory: the directory selector, started in the expanded
    // directory, answering with the variable reference.
    clickIndicator(form->OptFmanip[2]);
    typeInto(form->textFromFile, "${KVX_TASK_WORKDIR}");
    QString start, title;
    whenModal([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        title = w->windowTitle();
        if (fd) {
            start = fd->directory().absolutePath();
            chooseInFileDialog(fd, "made");
        }
    });
    clickWidget(form->browseFromFile);
    EXPECT_EQ(title, "Select directory");
    EXPECT_EQ(start, QDir(dir.path()).absolutePath());
    EXPECT_EQ(QDir::fromNativeSeparators(form->textFromFile->text()), "${KVX_TASK_WORKDIR}/made");

    whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    clickWidget(form->browseFromFile);
    EXPECT_EQ(QDir::fromNativeSeparators(form->textFromFile->text()), "${KVX_TASK_WORKDIR}/made");
}

TEST_F(FileManipDialog, BrowseClicksWithoutAParameterSetDoNothing)
{
    ModalWatchdog dog;
    ASSERT_TRUE(open());
    typeInto(form->textToFile, "kept.txt");
    EXPECT_TRUE(clickOpensAModal(form->browseToFile));
    gen.reset();
    parms.reset();
    EXPECT_FALSE(clickOpensAModal(form->browseFromFile)) << "no picker opens for a released set";
    EXPECT_FALSE(clickOpensAModal(form->browseToFile));
    EXPECT_EQ(form->textToFile->text(), "kept.txt");
    EXPECT_EQ(persist(), 0);
}

TEST_F(FileManipDialog, ReadOnlyOwnersGetADisabledDialogThatWritesNothing)
{
    add("operation", "Move_File");
    for (int code : {3, 4}) {
        SCOPED_TRACE(code);
        reserve(code);
        ASSERT_TRUE(open());
        EXPECT_TRUE(form->locked());
        for (QWidget* w : std::initializer_list<QWidget*>{form->textTitle, form->textFromFile, form->textToFile,
                                                          form->browseFromFile, form->browseToFile,
                                                          form->OptFmanip[2]})
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(value("operation"), "Move_File");
    }
}

TEST_F(FileManipDialog, CaptionsToolTipsFocusHelpAndLayout)
{
    ASSERT_TRUE(open());
    EXPECT_EQ(form->textFromFile->toolTip(), "Source file ( /parm1=<file_path> )");
    EXPECT_EQ(form->textToFile->toolTip(), "Destination file ( /parm2=<file_path> )");
    EXPECT_EQ(form->textTitle->toolTip(), "Feedback menu title ( /title=<title_string> )");
    EXPECT_EQ(form->OptFmanip[0]->toolTip(), "Move file operation ( /operation=move_file )");
    EXPECT_EQ(form->OptFmanip[3]->toolTip(), "Execute batch file or executable ( /operation=exec_bat_file )");
    EXPECT_EQ(form->OptFmanip[0]->text(), "Move file from source to destination");
    EXPECT_EQ(form->OptFmanip[2]->text(), "Create directory");
    EXPECT_EQ(form->OptFmanip[3]->text(), "Execute batch file or executable");
    EXPECT_EQ(form->labelTitle->caption(), "Title to be displayed in feedback menu:");
    EXPECT_EQ(form->labelTo->caption(), "Destination file:");
    EXPECT_EQ(vb::tag(form->textToFile), "parm2#");

    EXPECT_EQ(parms->editor()->setInternalValue("GET_HELPTOPIC", {}).toInt(), 4);
    EXPECT_EQ(vb::helpContextID(form->textFromFile), 4);
    EXPECT_EQ(vb::helpContextID(form->browseFromFile), 0);
    form->textToFile->setFocus();
    form->forceFocus();
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->textTitle->hasFocus(); }, 2000));

    EXPECT_DOUBLE_EQ(vb::width(form->browseFromFile), 315);
    EXPECT_DOUBLE_EQ(vb::height(form->browseToFile), 315);
    EXPECT_EQ(form->frameParms->borderStyle(), 0);
    for (double width : {11000.0, 9300.0}) {
        vb::setWidth(form, width);
        ASSERT_TRUE(QTest::qWaitFor([this] { return vb::width(form->parmsPanel) == vb::scaleWidth(form); }, 2000));
        const double right = std::nearbyint(vb::width(form->parmsPanel) - guiLib().gap);
        EXPECT_DOUBLE_EQ(vb::width(form->frameParms), vb::width(form->parmsPanel));
        EXPECT_DOUBLE_EQ(vb::left(form->browseFromFile), right - 315);
        EXPECT_DOUBLE_EQ(vb::left(form->browseToFile), right - 315);
        EXPECT_DOUBLE_EQ(vb::left(form->textFromFile) + vb::width(form->textFromFile),
                         right - 315 - guiLib().quarterGap);
        EXPECT_DOUBLE_EQ(vb::left(form->textToFile) + vb::width(form->textToFile), right - 315 - guiLib().quarterGap);
        EXPECT_DOUBLE_EQ(vb::left(form->textTitle) + vb::width(form->textTitle), right);
    }
}

TEST_F(FileManipDialog, ASetHandedOverButNeverLoadedGetsNoGroupWords)
{
    // The editor hands the set to the shared dialog when the command is set.
    auto* dialog = vbl_formInstance<frmGFmanipParms>();
    ASSERT_EQ(dialog->parmsColl(), parms);
    bool flag = false;
    dialog->persistData(flag); // check boxes still write their unloaded state
    EXPECT_EQ(parms->item("operation"), nullptr);
}

} // namespace kalvex::test
