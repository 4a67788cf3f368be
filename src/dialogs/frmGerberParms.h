// The Gerber generator's dialog: three file names and two flags bound as
// every dialog binds them, and two four-line grids (header and trailer lines,
// each line a parameter "header_line1".."trailer_line4") that share one place
// on the form; two option buttons choose which one shows.
#pragma once
#include "dialogs/KalvexParmFormBase.h"

namespace kalvex {

class VbCheckBox;
class VbCommandButton;
class VbLabel;
class VbOptionButton;
class VbTextBox;
class vaSpread;

class frmGerberParms : public KalvexParmFormBase {
    Q_OBJECT
public:
    // Grid columns: the line as shown and edited, then (hidden) the
    // parameter's name and the line as last loaded or written.
    enum GridCol { ColText = 1, ColName = 2, ColOrgText = 3, ColCount = 3 };
    static constexpr int LineCount = 4;
    static constexpr int RowHeaderWidth = 250;

    frmGerberParms();

    int defaultHelpTopic() const override { return 14; }

    // The header/trailer line grids. headTrail… and headTail… name one family:
    // both spellings are the procedures' established names, kept as callers know them.
    // Clears one grid and sets its rows, columns, colours (by the lock) and height.
    void headTrailGrid_layout(vaSpread* grid);
    // Rows 1..4 from the parameters prefix & row; always 0.
    int headTailGrid_fill(vaSpread* grid, const IKalvexGenParmsPtr& parms, const QString& prefix);
    void headTailGrid_fillRow(vaSpread* grid, int row, const QString& name, const QString& value);
    void headTailGrid_getRowData(vaSpread* grid, int row, QString& name, QString& value, QString& orgValue);
    // The rows whose text changed, written untrimmed; the number written, -1
    // when a missing parameter could not be added (later rows stay unwritten).
    int headTrailGrid_persist(const IKalvexGenParmsPtr& parms, vaSpread* grid);
    // Shows the grid the option buttons choose.
    void switch_HeadTrailGrids();

    VbPanel3D* parmsPanel;
    VbFrame* frameGerbGenParms;
    VbLabel* Label1;
    VbTextBox* textpsetupFile;
    VbCommandButton* browsePdesc;
    VbLabel* Label2;
    VbTextBox* textmachFmtFile;
    VbCommandButton* browseMachFile;
    VbLabel* Label3;
    VbTextBox* textdcodeFile;
    VbCommandButton* browseDCODEFile;
    VbCheckBox* checkCleanup;
    VbCheckBox* checkProgress;
    VbFrame* FrameGerbHeadFoot;
    VbOptionButton* optionHeaders;
    VbOptionButton* optionTrailers;
    vaSpread* listTrailerLines;
    vaSpread* listHeaderLines;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    bool layoutPanel() override;
    void loadGroups() override;
    int persistGroups(const IKalvexGenParmsPtr& parms) override;

private:
    void buildGenParmsFrame();
    void buildHeadFootFrame();
    void set_headTrailColWidths();
    void resize_genParmsFrame();
    bool resize_headFootFrame();
};

} // namespace kalvex
