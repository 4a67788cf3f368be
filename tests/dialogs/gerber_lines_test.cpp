// Header and trailer lines of the Gerber dialog: what a user types into the
// grids and what persistData makes of it.
#include "dialogs/gerber_fixture.h"

namespace kalvex::test {

TEST_F(GerberTest, EmptySetShowsEightEmptyLinesAndCreatesNoneUntilTyped)
{
    ASSERT_TRUE(open());
    ASSERT_EQ(headers()->maxRows(), 4);
    ASSERT_EQ(trailers()->maxRows(), 4);
    EXPECT_EQ(lines(headers()), QStringList({"", "", "", ""}));
    EXPECT_EQ(lines(trailers()), QStringList({"", "", "", ""}));
    EXPECT_EQ(cell(headers(), frmGerberParms::ColName, 2), "header_line2");
    EXPECT_EQ(cell(trailers(), frmGerberParms::ColName, 4), "trailer_line4");
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(parms->count(), 0);

    // Trailer line 3 only: one parameter, a system one, counted modified.
    showTrailers();
    ASSERT_TRUE(trailers()->isVisible());
    enterLine(trailers(), 3, "G04 end of board*");
    EXPECT_EQ(parms->count(), 0) << "nothing is written before persistData";
    EXPECT_EQ(persist(), 1);
    ASSERT_EQ(parms->count(), 1);
    auto p = parms->item("trailer_line3");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->value(false), "G04 end of board*");
    EXPECT_EQ(p->parmType(), PARM_TYPE_SYSTEM);
    EXPECT_GE(p->modified(), 1);
    EXPECT_EQ(cell(trailers(), frmGerberParms::ColOrgText, 3), "G04 end of board*");
    EXPECT_EQ(persist(), 0) << "a second save without typing writes nothing";
}

TEST_F(GerberTest, LinesAreStoredExactlyAsTypedBlanksAndDelimitersIncluded)
{
    parms->add("header_line1", "G04 ${KVX_JOB}*", 1);
    parms->add("header_line2", "  indented  ", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(line(headers(), 1), "G04 ${KVX_JOB}*") << "loaded unexpanded";
    EXPECT_EQ(line(headers(), 2), "  indented  ");
    EXPECT_EQ(persist(), 0) << "blanks read back unchanged are no change";

    enterLine(headers(), 3, "  a#b  ");
    enterLine(headers(), 4, "${");
    showTrailers();
    enterLine(trailers(), 1, "#");
    enterLine(trailers(), 2, " ");
    EXPECT_EQ(persist(), 4);
    EXPECT_EQ(value("header_line3"), "  a#b  ");
    EXPECT_EQ(value("header_line4"), "${");
    EXPECT_EQ(value("trailer_line1"), "#");
    EXPECT_EQ(value("trailer_line2"), " ") << "a blank line is a line, not an empty one";
    EXPECT_FALSE(parms->item("#")) << "a delimiter in a line never names a parameter";

    // Only blanks added or removed is a change too: the comparison is exact.
    enterLine(trailers(), 1, "# ");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("trailer_line1"), "# ");
}

TEST_F(GerberTest, PersistWhileACellIsStillBeingTypedTakesTheTypedText)
{
    parms->add("header_line1", "old", 1);
    ASSERT_TRUE(open());
    typeLine(headers(), 1, "typed, not left");
    ASSERT_TRUE(headers()->isEditing());
    EXPECT_EQ(persist(), 1);
    EXPECT_FALSE(headers()->isEditing());
    EXPECT_EQ(value("header_line1"), "typed, not left");
    EXPECT_EQ(line(headers(), 1), "typed, not left");
    EXPECT_EQ(persist(), 0);
}

TEST_F(GerberTest, LeavingACellByKeyOrClickKeepsWhatWasTyped)
{
    ASSERT_TRUE(open());
    typeLine(headers(), 1, "left by arrow");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !headers()->isEditing(); }, 1000));
    EXPECT_EQ(headers()->activeRow(), 2);
    typeLine(headers(), 2, "left by click");
    clickCell(headers(), 4);
    EXPECT_TRUE(QTest::qWaitFor([this] { return line(headers(), 2) == "left by click"; }, 1000));
    typeLine(headers(), 4, "left by switching grids");
    showTrailers();
    EXPECT_TRUE(QTest::qWaitFor([this] { return line(headers(), 4) == "left by switching grids"; }, 1000));
    EXPECT_EQ(lines(headers()), QStringList({"left by arrow", "left by click", "", "left by switching grids"}));
    EXPECT_EQ(persist(), 3);
    EXPECT_EQ(value("header_line4"), "left by switching grids");
}

TEST_F(GerberTest, ALineThatCannotBeAddedStopsItsGridButNotTheOther)
{
    ASSERT_TRUE(open());
    enterLine(headers(), 1, "first");
    enterLine(headers(), 2, "second");
    enterLine(headers(), 3, "third");
    showTrailers();
    enterLine(trailers(), 1, "trailer");
    // Row 2's hidden name is a blank one, which a set refuses to add.
    headers()->setCol(frmGerberParms::ColName);
    headers()->setRow(2);
    headers()->setText(" ");
    EXPECT_EQ(form->headTrailGrid_persist(parms, headers()), -1);
    EXPECT_EQ(value("header_line1"), "first");
    EXPECT_EQ(value("header_line3"), "<missing>") << "rows after the failure are not written";
    EXPECT_EQ(persist(), 1) << "the failed grid adds nothing; the trailer line counts";
    EXPECT_EQ(value("trailer_line1"), "trailer");
    EXPECT_EQ(parms->count(), 2);
}

TEST_F(GerberTest, ClearingALineWritesItEmptyAndKeepsTheParameter)
{
    parms->add("header_line2", "G04 header*", 1);
    parms->add("tmpfile_cleanup", "1", 1);
    ASSERT_TRUE(open());
    enterLine(headers(), 2, "");
    EXPECT_EQ(line(headers(), 2), "");
    EXPECT_EQ(persist(), 1);
    ASSERT_TRUE(parms->item("header_line2"));
    EXPECT_EQ(value("header_line2"), "");
    EXPECT_EQ(parms->count(), 2);
}

TEST_F(GerberTest, NamesAreMatchedExactlyLetterCaseIncluded)
{
    parms->add("Header_Line1", "other case", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(line(headers(), 1), "") << "a name in another case is another parameter";
    enterLine(headers(), 1, "mine");
    EXPECT_EQ(persist(), 1);
    EXPECT_EQ(value("Header_Line1"), "other case");
    EXPECT_EQ(value("header_line1"), "mine");
}

TEST_F(GerberTest, EveryLoadClearsAndRefillsBothGrids)
{
    parms->add("header_line1", "first set", 1);
    parms->add("trailer_line4", "first trailer", 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(line(trailers(), 4), "first trailer");
    typeLine(headers(), 2, "typed into the first set");

    // The same dialog is handed another generator's set.
    auto other = classCreate_KalvexGenerator();
    other->setCmdGen("(INTERNAL)Kalvex Gerber Generator");
    other->parameters()->add("header_line3", "second set", 1);
    other->parameters()->editor()->initialize(true);
    ASSERT_EQ(other->parameters()->editor()->formObj(), static_cast<IKalvexParmForm*>(form));
    EXPECT_FALSE(headers()->isEditing());
    EXPECT_EQ(lines(headers()), QStringList({"", "", "second set", ""}));
    EXPECT_EQ(lines(trailers()), QStringList({"", "", "", ""}));
    EXPECT_EQ(persist(), 0);
    EXPECT_EQ(value("header_line2"), "<missing>") << "the first set got nothing of the typing";
    EXPECT_EQ(other->parameters()->count(), 1);
}

TEST_F(GerberTest, AReleasedSetIsNeitherLoadedNorWritten)
{
    parms->add("header_line1", "kept on screen", 1);
    ASSERT_TRUE(open());
    enterLine(headers(), 1, "typed after");
    parms.reset();
    gen.reset();
    EXPECT_FALSE(form->parmsColl());
    EXPECT_EQ(persist(), 0);
    form->loadData();
    EXPECT_EQ(line(headers(), 1), "typed after") << "without a set the grids stay as they were";
}

TEST_F(GerberTest, ReadOnlyGridsAreGreyAndWriteNothingButStillSwitch)
{
    for (int code : {SYSTEM, SYSTEM_INVISIBLE}) {
        SCOPED_TRACE(code);
        gen->setReservedItem(code);
        parms->add("header_line1", "header", 1);
        parms->add("trailer_line1", "trailer", 1);
        ASSERT_TRUE(open());
        ASSERT_TRUE(form->locked());
        for (vaSpread* g : {headers(), trailers()}) {
            EXPECT_FALSE(vb::enabled(g));
            g->setCol(frmGerberParms::ColText);
            g->setRow(1);
            EXPECT_EQ(g->backColor(), VbColor::ButtonFace);
            EXPECT_EQ(g->foreColor(), VbColor::GrayText);
        }
        EXPECT_FALSE(form->textpsetupFile->isEnabled());
        EXPECT_FALSE(form->checkCleanup->isEnabled());
        EXPECT_TRUE(form->FrameGerbHeadFoot->isEnabled());
        EXPECT_TRUE(form->optionTrailers->isEnabled());
        showTrailers();
        EXPECT_TRUE(trailers()->isVisible());
        EXPECT_FALSE(headers()->isVisible());
        EXPECT_EQ(line(trailers(), 1), "trailer") << "read-only lines can still be read";
        showHeaders();
        EXPECT_TRUE(headers()->isVisible());
        headers()->setCol(frmGerberParms::ColText);
        headers()->setRow(2);
        headers()->setText("by code");
        EXPECT_EQ(persist(), 0);
        EXPECT_EQ(value("header_line2"), "<missing>");
    }
    // Editable again: normal colours come back with the next load.
    gen->setReservedItem(NO_DELETE);
    form->loadData();
    EXPECT_FALSE(form->locked());
    EXPECT_TRUE(vb::enabled(headers()));
    headers()->setCol(frmGerberParms::ColText);
    headers()->setRow(1);
    EXPECT_EQ(headers()->backColor(), VbColor::WindowBackground);
    EXPECT_EQ(headers()->foreColor(), VbColor::WindowText);
}

} // namespace kalvex::test
