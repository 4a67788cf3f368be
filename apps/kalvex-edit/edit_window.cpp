// The host window: the lists, opening an entry, saving on OK, the console.
#include "edit_window.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "browser/frmObjectTest.h"
#include "foundation/progid_registry.h"
#include "parm_dialog_host.h"
#include "platform/VbCheckBox.h"
#include "platform/VbTextBox.h"
#include "platform/vbl_form.h"
#include "watched_file.h"

namespace kalvex::edit {

namespace {

// Enter and Edit act on the list that had the focus last: the other list
// draws its selection in the inactive colour, which the style may leave
// equal to the active one.
void muteSelectionWithoutFocus(QTreeView* view)
{
    QPalette palette = view->palette();
    if (palette.color(QPalette::Inactive, QPalette::Highlight) != palette.color(QPalette::Active, QPalette::Highlight))
        return;
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const auto mix = [&](int h, int b) { return (h + 2 * b) / 3; };
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     QColor(mix(highlight.red(), base.red()), mix(highlight.green(), base.green()),
                            mix(highlight.blue(), base.blue())));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::Text));
    view->setPalette(palette);
}

QTreeView* makeList(QWidget* parent, const QString& name, EntryTableModel* model)
{
    auto* view = new QTreeView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAlternatingRowColors(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setFocusPolicy(Qt::StrongFocus);
    view->header()->setStretchLastSection(true);
    view->setItemDelegate(new CutTextToolTips(view));
    muteSelectionWithoutFocus(view);
    return view;
}

QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

} // namespace

EditWindow::EditWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("kalvexEdit"));
    m_generators = new EntryTableModel(QStringLiteral("Generator command"), this);
    m_distributors = new EntryTableModel(QStringLiteral("Distributor program"), this);
    listGenerators = makeList(this, QStringLiteral("listGenerators"), m_generators);
    listDistributors = makeList(this, QStringLiteral("listDistributors"), m_distributors);
    m_lastList = listGenerators;
    m_file = new WatchedFile(this);
    connect(m_file, &WatchedFile::changed, this, &EditWindow::fileChanged);

    cmdEdit = new VbCommandButton(QStringLiteral("&Edit..."), this);
    cmdEdit->setObjectName(QStringLiteral("cmdEdit"));
    cmdConsole = new VbCommandButton(QStringLiteral("&Console"), this);
    cmdConsole->setObjectName(QStringLiteral("cmdConsole"));
    for (QPushButton* b : {cmdEdit, cmdConsole})
        b->setFocusPolicy(Qt::TabFocus);
    cmdConsole->setToolTip(QStringLiteral("The object test console on this database"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLine"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long reason (a path, the system's words) wraps rather than widening
    // the window, and a file name is never read as markup.
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdEdit);
    buttons->addWidget(cmdConsole);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeCaption(this, QStringLiteral("labelGenerators"), QStringLiteral("&Generators"),
                                  listGenerators));
    layout->addWidget(listGenerators, 3);
    layout->addWidget(makeCaption(this, QStringLiteral("labelDistributors"), QStringLiteral("&Distributors"),
                                  listDistributors));
    layout->addWidget(listDistributors, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_status);

    for (QTreeView* view : {listGenerators, listDistributors}) {
        // Enter and double click both arrive as activated.
        connect(view, &QAbstractItemView::activated, this, [this, view](const QModelIndex& index) {
            m_lastList = view;
            if (view == listGenerators)
                openGenerator(index.row());
            else
                openDistributor(index.row());
        });
        view->installEventFilter(this);
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, view] { m_lastList = view; });
    }
    connect(cmdEdit, &QPushButton::clicked, this, [this] { openCurrent(); });
    connect(cmdConsole, &QPushButton::clicked, this, &EditWindow::showConsole);
    resize(900, 580);
}

EditWindow::~EditWindow()
{
    // A dialog still open is left as Cancel leaves it: memory as the file.
    if (m_dialog)
        m_dialog->reject();
}

void EditWindow::setDatabase(const IKalvexAdministratorPtr& adm, const QString& path, const FileStamp& read)
{
    m_adm = adm;
    m_file->reset(path, read);
    ++m_generation;
    m_generators->setEntries(generatorEntries(adm));
    m_distributors->setEntries(distributorEntries(adm));
    fitColumns(listGenerators);
    fitColumns(listDistributors);
    // Each list starts on its first row; only the generators' shows selected.
    if (m_generators->rowCount() > 0)
        listGenerators->setCurrentIndex(m_generators->index(0, 0));
    if (m_distributors->rowCount() > 0)
        listDistributors->selectionModel()->setCurrentIndex(m_distributors->index(0, 0),
                                                            QItemSelectionModel::NoUpdate);
    listGenerators->setFocus();
    m_lastList = listGenerators;
    setWindowTitle(QStringLiteral("Kalvex output generators - %1").arg(QFileInfo(path).fileName()));
    setStatus(QStringLiteral("%1 generators and %2 distributors from %3")
                  .arg(m_generators->rowCount())
                  .arg(m_distributors->rowCount())
                  .arg(QFileInfo(path).absoluteFilePath()));
}

void EditWindow::fitColumns(QTreeView* view)
{
    // The header samples a bounded number of rows, so this stays cheap on
    // large databases; the command column takes the rest.
    for (int c = EntryTableModel::ColId; c < EntryTableModel::ColCommand; ++c)
        view->resizeColumnToContents(c);
}

ParmDialogHost* EditWindow::openCurrent()
{
    // The list holding the focus, else the one that held it last (the
    // buttons do not take the focus from a list when clicked).
    QTreeView* view = m_lastList ? m_lastList : listGenerators;
    if (QWidget* f = focusWidget(); f == listGenerators || f == listDistributors)
        view = static_cast<QTreeView*>(f);
    const int row = view->currentIndex().isValid() ? view->currentIndex().row() : -1;
    return view == listGenerators ? openGenerator(row) : openDistributor(row);
}

ParmDialogHost* EditWindow::openGenerator(int row) { return open(m_generators, row); }

ParmDialogHost* EditWindow::openDistributor(int row) { return open(m_distributors, row); }

ParmDialogHost* EditWindow::open(const EntryTableModel* rows, int row)
{
    const Entry* entry = rows->entry(row);
    if (!entry || !entry->parms)
        return nullptr;
    // One dialog at a time: the dialogs are shared by every set of a kind.
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return nullptr;
    }
    // A change the watch has not reported yet (or cannot see, made from
    // another machine) is read in first: the dialog shows the file.
    if (m_file->changedOutside()) {
        const QString id = entry->id;
        fileChanged();
        if (entry = rows->entry(rows->rowOf(id)); !entry || !entry->parms)
            return nullptr;
    }
    auto* dialog = new ParmDialogHost(*entry, m_adm, m_file, this);
    if (!dialog->form()) {
        setStatus(QStringLiteral("%1: no parameter dialog").arg(entry->id));
        delete dialog;
        return nullptr;
    }
    m_dialog = dialog;
    connect(dialog, &QDialog::finished, this, [this, dialog](int result) { dialogFinished(dialog, result); });
    connect(dialog, &ParmDialogHost::keptOpen, this, &EditWindow::setStatus);
    dialog->open();
    return dialog;
}

void EditWindow::dialogFinished(ParmDialogHost* dialog, int result)
{
    Q_UNUSED(result)
    const int written = dialog->written();
    QString text;
    switch (dialog->outcome()) {
    case ParmDialogHost::Outcome::Saved:
        text = written > 0 ? QStringLiteral("%1 %2 written to %3")
                                 .arg(written)
                                 .arg(written == 1 ? QStringLiteral("change") : QStringLiteral("changes"))
                           : QStringLiteral("Changes written to %3");
        text = text.arg(QFileInfo(m_file->path()).absoluteFilePath());
        databaseChanged(false);
        break;
    case ParmDialogHost::Outcome::NoChanges: text = QStringLiteral("No changes: nothing written"); break;
    case ParmDialogHost::Outcome::ReadOnly: text = QStringLiteral("Read-only: nothing written"); break;
    default: text = QStringLiteral("Cancelled: nothing written"); break;
    }
    if (dialog->outcome() != ParmDialogHost::Outcome::Saved) {
        const bool outside = m_file->changedOutside();
        if (const QString why = reloadIfChanged(dialog, outside); !why.isEmpty()) {
            // The file cannot be read back: at least the set's own values
            // go back, and the person learns that memory may differ.
            restoreSnapshot(dialog->entryParms(), dialog->before());
            text += QStringLiteral("; %1 could not be read back (%2): the entry's values were put back")
                        .arg(m_file->fileName(), why);
        } else if (outside) {
            text += QStringLiteral("; %1 was changed by another program and read again").arg(m_file->fileName());
        }
    }
    setStatus(text);
    if (QTreeView* view = m_lastList)
        view->setFocus();
}

QString EditWindow::reloadIfChanged(const ParmDialogHost* dialog, bool changedOutside)
{
    // Every change to the database counts up to it until the next save, and
    // the dialogs change only the set they show. Nothing counted, the set
    // as it was and the file too: memory still is the file, and the reload
    // is spared.
    if (m_adm->modified() == 0 && !dialog->setChanged() && !changedOutside)
        return QString();
    return readAgain();
}

void EditWindow::fileChanged()
{
    if (m_dialog || !m_adm)
        return;
    // A file that cannot be read leaves the last good content in the lists
    // and in memory; nothing is written until a dialog's OK.
    if (const QString why = readAgain(); !why.isEmpty())
        setStatus(QStringLiteral("%1 cannot be read (%2): the lists show what it held last")
                      .arg(m_file->fileName(), why));
    else
        setStatus(QStringLiteral("%1 was changed by another program and read again: %2 generators and %3 "
                                 "distributors")
                      .arg(m_file->fileName())
                      .arg(m_generators->rowCount())
                      .arg(m_distributors->rowCount()));
}

QString EditWindow::readAgain()
{
    if (const QString why = m_file->read(m_adm); !why.isEmpty())
        return why;
    refillLists();
    databaseChanged(true);
    return QString();
}

void EditWindow::refillLists()
{
    // Each list keeps its current entry (by id, as another program may have
    // added or removed some; else the same row), whether it shows selected,
    // and its scroll position.
    const auto refill = [](QTreeView* view, EntryTableModel* model, std::vector<Entry> entries) {
        int current = view->currentIndex().row();
        const Entry* was = model->entry(current);
        const QString id = was ? was->id : QString();
        const bool selected = view->selectionModel()->isSelected(view->currentIndex());
        const int scrolled = view->verticalScrollBar()->value();
        model->setEntries(std::move(entries));
        if (const int row = model->rowOf(id); row >= 0)
            current = row;
        if (current >= 0 && current < model->rowCount())
            view->selectionModel()->setCurrentIndex(model->index(current, 0),
                                                    selected ? QItemSelectionModel::ClearAndSelect
                                                                   | QItemSelectionModel::Rows
                                                             : QItemSelectionModel::NoUpdate);
        view->verticalScrollBar()->setValue(scrolled);
    };
    refill(listGenerators, m_generators, generatorEntries(m_adm));
    refill(listDistributors, m_distributors, distributorEntries(m_adm));
}

void EditWindow::databaseChanged(bool refreshConsole)
{
    ++m_generation;
    // The console showing this database shows its new entries.
    if (refreshConsole && consoleShowsDatabase())
        showDatabaseInConsole();
}

bool EditWindow::consoleShowsDatabase() const
{
    if (!m_debug || !vbl_formExists<frmObjectTest>())
        return false;
    const frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    return console->form_loaded && console->isVisible() && console->shownAdmObj() == m_adm;
}

void EditWindow::showDatabaseInConsole()
{
    frmObjectTest* console = vbl_formInstance<frmObjectTest>();
    const bool onlyModified = console->form_loaded && vbl_chk_isChecked(console->CheckOnlyMod);
    m_debug->showAdmindb(m_adm, QStringLiteral("Object test - %1").arg(m_file->fileName()), true,
                         onlyModified);
    // Its Load reads the file this window shows.
    console->textASCIISource->setText(QFileInfo(m_file->path()).absoluteFilePath());
    m_consoleGeneration = m_generation;
}

void EditWindow::showConsole()
{
    if (!m_debug)
        m_debug = createByProgId<IKalvexDebugObj>(PROGID_DEBUG_OBJ);
    if (!m_debug || !m_adm) {
        setStatus(QStringLiteral("The object test console is not available"));
        return;
    }
    // One console. Pressed again on the database as it was shown, it keeps
    // what the person arranged there: open rows, scroll position, typing.
    if (!consoleShowsDatabase() || m_consoleGeneration != m_generation)
        showDatabaseInConsole();
    if (auto* console = qobject_cast<frmObjectTest*>(m_debug->editForm())) {
        // raise() leaves a minimised window where it is.
        console->setWindowState((console->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        console->show();
        console->raise();
        console->activateWindow();
    }
}

void EditWindow::closeEvent(QCloseEvent* event)
{
    // The console belongs to this window: it closes with it, and the
    // program ends with its last window.
    if (vbl_formExists<frmObjectTest>())
        vbl_formInstance<frmObjectTest>()->close();
    QWidget::closeEvent(event);
}

bool EditWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Edit opens the current row of the list that had the focus last.
    if (event->type() == QEvent::FocusIn)
        m_lastList = watched == listDistributors ? listDistributors : listGenerators;
    return QWidget::eventFilter(watched, event);
}

QString EditWindow::status() const { return m_status->text(); }

void EditWindow::setStatus(const QString& text) { m_status->setText(text); }

} // namespace kalvex::edit
