// The grid dialog's Browse buttons open the file browser and take its answer.
#include "dialogs/parm_edit_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/browser_answer.h"
#include "support/modal_driver.h"

namespace kalvex::test {

TEST_F(ParmEditTest, BrowseFillsTheValueCellAndTheBatchFile)
{
    ModalWatchdog dog(20000);
    QTemporaryDir dir;
    const QString chosen = QDir(dir.path()).absoluteFilePath("chosen.txt");
    QFile(chosen).open(QIODevice::WriteOnly);
    add("a", "1");
    add("file", "old.txt");
    ASSERT_TRUE(open());
    const int row = rowOf("file");

    clickCell(ParmGridCol::Value, row);
    BrowserSeen seen;
    answerBrowser(seen, chosen);
    click(form->cmdBrowse);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.spec, "old.txt");
    EXPECT_TRUE(seen.checkout) << "a value may be a check-out expression";
    EXPECT_EQ(cell(ParmGridCol::Value, row), chosen);
    EXPECT_EQ(grid()->activeRow(), row);
    EXPECT_EQ(grid()->activeCol(), ParmGridCol::Value);
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("file"), chosen);

    BrowserSeen cancelled;
    answerBrowser(cancelled, QString());
    click(form->cmdBrowse);
    EXPECT_TRUE(cancelled.shown);
    EXPECT_EQ(cell(ParmGridCol::Value, row), chosen) << "a cancelled browser changes nothing";

    gen->setCmdGen("(INTERNAL)Kalvex batchfile Generator");
    typeInto(form->textBatchfile, "  run.bat ");
    BrowserSeen batch;
    answerBrowser(batch, chosen);
    click(form->browseBatchFile);
    EXPECT_EQ(batch.spec, "run.bat");
    EXPECT_FALSE(batch.checkout) << "the batch file is a file, never a check-out";
    EXPECT_EQ(form->textBatchfile->text(), chosen);
}

} // namespace kalvex::test
