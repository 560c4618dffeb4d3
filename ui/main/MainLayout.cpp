// Building the main window's controls and menus.
#include "Main.h"
#include "MainPrivate.h"
#include "MainTabSet.h"
#include "platform/desktop_font.h"
#include "platform/help_viewer.h"
#include "ui/controls/Graphp.h"
#include "ui/controls/PaintedGlyph.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace nudgery {

namespace {

template <typename T> T* Named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QWidget* Bar(QWidget* parent, const char* name, int height) {
    auto* bar = Named(new QWidget(parent), name);
    bar->setFixedHeight(height);
    parent->layout()->addWidget(bar);
    return bar;
}

// Lays a bar out as the window's width changes: the `left` controls in turn from its left
// edge, `spacing` apart, and the `right` ones against its right edge. Each control keeps the
// size it has; `margins` keep them off the bar's edges, and `vertical` places them in the
// row.
void LayOutBar(QWidget* bar, QMargins margins, int spacing, std::initializer_list<QWidget*> left,
               std::initializer_list<QWidget*> right, Qt::Alignment vertical) {
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(margins);
    layout->setSpacing(spacing);
    const auto add = [&](QWidget* control) {
        control->setFixedSize(control->size());
        layout->addWidget(control, 0, vertical);
    };
    for (QWidget* control : left)
        add(control);
    layout->addStretch(1);
    for (QWidget* control : right)
        add(control);
}

// A push button's width: as designed, or where a translation's caption and glyph need more,
// what they need with the style's margins.
int ButtonWidth(const QPushButton& button, int designed) {
    const QStyle& style = *button.style();
    int needed = button.fontMetrics().horizontalAdvance(QString(button.text()).remove(u'&')) +
                 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    if (!button.icon().isNull())
        needed += button.iconSize().width() + 4;
    return needed <= designed
               ? designed
               : needed + 2 * style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
}

QAction* Item(QMenu* menu, const char* name, const QString& caption, const QString& hint = {}) {
    QAction* action = Named(menu->addAction(caption), name);
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? QString(caption).remove('&') : hint);
    return action;
}

} // namespace

void MainPrivate::CreateButtonBar() {
    Panel1 = Bar(q.centralWidget(), "Panel1", 41);
    const auto button = [this](const char* name, const QString& caption, const QString& hint,
                               const QIcon& glyph, QSize size) {
        auto* b = Named(new QPushButton(glyph, caption, Panel1), name);
        b->setToolTip(hint);
        b->resize(ButtonWidth(*b, size.width()), size.height());
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    AddAlarmButton = button("AddAlarmButton", tr("&New"), tr("Add a new reminder"),
                            NewPageGlyph(q.palette()), {74, 30});
    EditAlarmButton = button("EditAlarmButton", tr("&Edit"), tr("Edit current reminder"),
                             PencilGlyph(q.palette()), {74, 30});
    DeleteAlarmButton = button("DeleteAlarmButton", tr("&Delete"), tr("Delete current reminder"),
                               BinGlyph(q.palette()), {74, 30});
    CloneButton = button("CloneButton", tr("&Clone"), tr("Make a copy of \ncurrent reminder"),
                         CopyGlyph(q.palette()), {74, 30});
    // Wider than the design's 96, so that the caption fits in a wider desktop font too.
    AdjustTimeButton = button("AdjustTimeButton", tr("Adjust Time +-"),
                              tr("Adjust the current reminder time \nplus or minus "),
                              TurnGlyph(q.palette()), {110, 30});
    AdjustTimeButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(AddAlarmButton, &QPushButton::clicked, this, &MainPrivate::AddAlarmButtonClick);
    connect(EditAlarmButton, &QPushButton::clicked, this, &MainPrivate::EditAlarmButtonClick);
    connect(DeleteAlarmButton, &QPushButton::clicked, this, &MainPrivate::DeleteAlarmButtonClick);
    connect(CloneButton, &QPushButton::clicked, this, &MainPrivate::CloneButtonClick);
    connect(AdjustTimeButton, &QPushButton::clicked, this, &MainPrivate::AdjustTimeButtonClick);
    connect(AdjustTimeButton, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { AdjustItemTimeMenu->popup(AdjustTimeButton->mapToGlobal(at)); });

    TimePanel = Named(new TGraphicPanel(Panel1), "TimePanel");
    TimePanel->resize(72, 25);
    TimePanel->SetBevelOuter(TPanelBevel::bvNone);
    TimePanel->SetParentColor(true);
    TimePanel->SetFont({q.font(), Qt::black});
    TimePanel->setAccessibleDescription(tr("The time of day"));
    // The buttons 11 pixels apart from the left, the clock at the right edge, centred on
    // the buttons' height.
    LayOutBar(Panel1, {8, 4, 8, 7}, 11,
              {AddAlarmButton, EditAlarmButton, DeleteAlarmButton, CloneButton, AdjustTimeButton},
              {TimePanel}, Qt::AlignVCenter);
}

TClickableStringGrid* MainPrivate::CreateGrid(const char* name, const QStringList& headers,
                                              std::initializer_list<int> widths) {
    auto* grid = Named(new TClickableStringGrid, name);
    grid->SetColCount(static_cast<int>(widths.size()));
    int col = 0;
    for (int width : widths)
        grid->SetColWidth(col++, width);
    grid->SetHeaderStrings(headers);
    grid->SetColSizing(true);
    grid->SetAutoAdjustColumn(1);
    grid->SetTabChars(12);
    const QFont font = DesktopFontInPixels(11);
    grid->setFont(font);
    grid->SetHeaderFont({font, Qt::black});
    grid->SetSelectedFont({font, Qt::white});
    grid->SetSelectedColor(q.palette().color(QPalette::Highlight));
    grid->OnGetCellFormat = [this](TClickableStringGrid& sender, int col, int row, TGridDrawState,
                                   TFormatOptions& options) {
        GridGetCellFormat(sender, col, row, options);
    };
    grid->OnGetHeaderCellFormat = [this](TClickableStringGrid&, int, int, TGridDrawState,
                                         TFormatOptions& options) { SetHeaderFontSize(options); };
    // Whenever the list's width changes, however that came about (a restored placement, a
    // maximise, a page shown for the first time), its first column takes up the slack.
    connect(grid, &TClickableStringGrid::ClientWidthChanged, this, [this, grid] {
        if (!Closing)
            grid->AdjustColumnWidth();
    });
    connect(grid, &TClickableStringGrid::KeyDown, this, [this](int key) {
        AlarmGridKeyDown(key);
        AlarmGridKeyPress(key);
    });
    connect(grid, &TClickableStringGrid::DblClick, this, &MainPrivate::EditAlarmButtonClick);
    return grid;
}

void MainPrivate::CreateLists() {
    Panel3 = Named(new QWidget(q.centralWidget()), "Panel3");
    q.centralWidget()->layout()->addWidget(Panel3);
    auto* layout = new QVBoxLayout(Panel3);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(0);

    Notebook = Named(new QStackedWidget(Panel3), "Notebook");
    Notebook->setAutoFillBackground(true);
    Notebook->setBackgroundRole(QPalette::Button);
    layout->addWidget(Notebook, 1);
    Bevel1 = Named(new QFrame(Panel3), "Bevel1");
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setFixedHeight(9);
    layout->addWidget(Bevel1);
    TabSet = Named(new TTabSet(Panel3), "TabSet");
    TabSet->setFixedHeight(24);
    TabSet->addTab(tr("Reminders"));
    TabSet->addTab(tr("Repeat Reminders"));
    layout->addWidget(TabSet);

    AlarmGrid->SetAlignmentVert(TVertAlignment::taMiddle);
    const auto page = [this](const char* name, const QString& spokenName,
                             TClickableStringGrid* grid) {
        auto* widget = Named(new QWidget, name);
        auto* fill = new QVBoxLayout(widget);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(grid);
        Notebook->addWidget(widget);
        // A screen reader names the list as its tab does, and says what its keys do.
        grid->setAccessibleName(spokenName);
        grid->setAccessibleDescription(tr("Enter edits the selected reminder, Delete deletes it"));
    };
    page("Reminders", tr("Reminders"), AlarmGrid);
    page("Repeat Reminders", tr("Repeat Reminders"), RepeatingAlarmGrid);

    connect(TabSet, &QTabBar::currentChanged, this, &MainPrivate::TabSetClick);
    connect(Notebook, &QStackedWidget::currentChanged, this, &MainPrivate::NotebookPageChanged);
}

void MainPrivate::CreateBottomBar() {
    Panel2 = Bar(q.centralWidget(), "Panel2", 1);
    Panel4 = Bar(q.centralWidget(), "Panel4", 40);
    Minimizebutton = Named(new QPushButton(MinimizeGlyph(q.palette()), tr("Minimize"), Panel4),
                           "Minimizebutton");
    Minimizebutton->resize(ButtonWidth(*Minimizebutton, 111), 29);
    Minimizebutton->setToolTip(tr("Minimize Nudgery!"));
    Exitbutton = Named(new QPushButton(CrossGlyph(q.palette()), tr("E&xit"), Panel4), "Exitbutton");
    Exitbutton->resize(ButtonWidth(*Exitbutton, 68), 29);
    Exitbutton->setToolTip(tr("Exit Nudgery!"));
    // The glyph stands right of the caption.
    Exitbutton->setLayoutDirection(Qt::RightToLeft);
    for (QPushButton* b : {Minimizebutton, Exitbutton})
        b->setFocusPolicy(Qt::TabFocus);
    LayOutBar(Panel4, {8, 2, 20, 9}, 0, {Minimizebutton}, {Exitbutton}, Qt::AlignTop);
    connect(Minimizebutton, &QPushButton::clicked, this, &MainPrivate::MinimizebuttonClick);
    connect(Exitbutton, &QPushButton::clicked, this, &MainPrivate::mnuExitClick);

    // Tab runs from top to bottom: the button bar, the list shown, its tabs, the bottom bar.
    QWidget* const order[] = {AdjustTimeButton, AlarmGrid, RepeatingAlarmGrid, TabSet,
                              Minimizebutton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainPrivate::CreateMenus() {
    q.menuBar()->setObjectName(QStringLiteral("MainMenu2"));
    File1 = Named(q.menuBar()->addMenu(tr("&File")), "File1");
    mnuSetPreferences = Item(File1, "mnuSetPreferences", tr("&Set Preferences"));
    Named(File1->addSeparator(), "N1");
    mnuImportCalendar = Item(File1, "mnuImportCalendar", tr("&Import Calendar File…"));
    mnuExportCalendar = Item(File1, "mnuExportCalendar", tr("Ex&port to Calendar File…"));
    Named(File1->addSeparator(), "N4");
    mnuDeleteremindersmarkedasdone =
        Item(File1, "mnuDeleteremindersmarkedasdone", tr("Delete reminders marked as &Done"));
    Deleteremindersmarkedasexpired1 =
        Item(File1, "Deleteremindersmarkedasexpired1", tr("Delete reminders marked as &Expired"));
    Named(File1->addSeparator(), "N2");
    Exit2 = Item(File1, "Exit2", tr("E&xit"));

    mnuHelp = Named(q.menuBar()->addMenu(tr("&Help")), "mnuHelp");
    mnuContents = Item(mnuHelp, "mnuContents", tr("&Contents"), tr("Show the help for Nudgery!"));
    Named(mnuHelp->addSeparator(), "MenuItem1");
    mnuAbout = Item(mnuHelp, "mnuAbout", tr("&About"), tr("About Nudgery!"));

    mnuOnLine = Named(q.menuBar()->addMenu(tr("Online")), "mnuOnLine");
    VisitOurInternetWebsite1 =
        Item(mnuOnLine, "VisitOurInternetWebsite1", tr("Visit Our Internet Website"));

    connect(mnuSetPreferences, &QAction::triggered, this, &MainPrivate::mnuSetPreferencesClick);
    connect(mnuImportCalendar, &QAction::triggered, this, &MainPrivate::mnuImportCalendarClick);
    connect(mnuExportCalendar, &QAction::triggered, this, &MainPrivate::mnuExportCalendarClick);
    connect(mnuDeleteremindersmarkedasdone, &QAction::triggered, this,
            &MainPrivate::mnuDeleteremindersmarkedasdoneClick);
    connect(Deleteremindersmarkedasexpired1, &QAction::triggered, this,
            &MainPrivate::Deleteremindersmarkedasexpired1Click);
    connect(Exit2, &QAction::triggered, this, &MainPrivate::mnuExitClick);
    connect(mnuContents, &QAction::triggered, this, &MainPrivate::mnuContentsClick);
    BindHelpKey(q, services.help, TMainForm::ContentsHelpTopic);
    connect(mnuAbout, &QAction::triggered, this, &MainPrivate::mnuAboutClick);
    connect(VisitOurInternetWebsite1, &QAction::triggered, this,
            &MainPrivate::VisitOurInternetWebsite1Click);
}

void MainPrivate::CreatePopupMenus() {
    TrayMenu = Named(new QMenu(&q), "TrayMenu");
    mnuShowNudgery = Item(TrayMenu, "mnuShowNudgery", tr("&Show Nudgery"));
    Exit1 = Item(TrayMenu, "Exit1", tr("E&xit"));
    connect(mnuShowNudgery, &QAction::triggered, this, &MainPrivate::RestoreApplication);
    connect(Exit1, &QAction::triggered, this, &MainPrivate::mnuExitClick);

    AdjustItemTimeMenu = Named(new QMenu(&q), "AdjustItemTimeMenu");
    struct Shift {
        const char* name;
        const char* caption;
        int minutes;
    };
    static constexpr Shift later[] = {{"Add1Minute", QT_TR_NOOP("+1 Minute"), 1},
                                      {"Add5Minutes", QT_TR_NOOP("+5 Minutes"), 5},
                                      {"Add20Minutes", QT_TR_NOOP("+20 Minutes"), 20},
                                      {"Add1Hour", QT_TR_NOOP("+1 Hour"), 60},
                                      {"N2Hours1", QT_TR_NOOP("+2 Hours"), 120},
                                      {"N6Hours1", QT_TR_NOOP("+6 Hours"), 360},
                                      {"N12Hours1", QT_TR_NOOP("+12 Hours"), 720},
                                      {"Add1Day", QT_TR_NOOP("+1 Day"), 1440},
                                      {"Add1Week", QT_TR_NOOP("+1 Week"), 10080}};
    static constexpr Shift earlier[] = {{"Less1Minute", QT_TR_NOOP("-1 Minute"), -1},
                                        {"Less5Minutes", QT_TR_NOOP("-5 Minutes"), -5},
                                        {"Less20Minutes", QT_TR_NOOP("-20 Minutes"), -20},
                                        {"Less1Hour", QT_TR_NOOP("-1 Hour"), -60},
                                        {"N2Hours2", QT_TR_NOOP("-2 Hours"), -120},
                                        {"N6Hours2", QT_TR_NOOP("-6 Hours"), -360},
                                        {"N12Hours2", QT_TR_NOOP("-12 Hours"), -720},
                                        {"LessOneDay", QT_TR_NOOP("-1 Day"), -1440},
                                        {"LessOneWeek", QT_TR_NOOP("-1 Week"), -10080}};
    const auto addShifts = [this](const auto& shifts) {
        for (const Shift& shift : shifts) {
            QAction* item = Item(AdjustItemTimeMenu, shift.name, tr(shift.caption));
            item->setProperty("Tag", shift.minutes);
            connect(item, &QAction::triggered, this, [this, item] { AdjustTime(item); });
        }
    };
    addShifts(later);
    Named(AdjustItemTimeMenu->addSeparator(), "N3");
    addShifts(earlier);

    WhatsThisMenu = Named(new QMenu(&q), "WhatsThisMenu");
    Item(WhatsThisMenu, "Whatsthis", tr("What's this?"));
}

} // namespace nudgery
