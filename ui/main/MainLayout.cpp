// Building the main window's controls and menus.
#include "Main.h"
#include "MainTabSet.h"
#include "platform/help_viewer.h"
#include "ui/controls/Graphp.h"
#include "ui/controls/PaintedGlyph.h"

#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <functional>

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

QAction* Item(QMenu* menu, const char* name, const QString& caption, const QString& hint = {}) {
    QAction* action = Named(menu->addAction(caption), name);
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? QString(caption).remove('&') : hint);
    return action;
}

} // namespace

void TMainForm::CreateButtonBar() {
    Panel1 = Bar(centralWidget(), "Panel1", 41);
    const auto button = [this](const char* name, const QString& caption, const QString& hint,
                               const QIcon& glyph, QRect geometry) {
        auto* b = Named(new QPushButton(glyph, caption, Panel1), name);
        b->setToolTip(hint);
        b->setGeometry(geometry);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    AddAlarmButton = button("AddAlarmButton", "&New", "Add a new reminder", NewPageGlyph(palette()),
                            {8, 4, 74, 30});
    EditAlarmButton = button("EditAlarmButton", "&Edit", "Edit current reminder",
                             PencilGlyph(palette()), {93, 4, 74, 30});
    DeleteAlarmButton = button("DeleteAlarmButton", "&Delete", "Delete current reminder",
                               BinGlyph(palette()), {178, 4, 74, 30});
    CloneButton = button("CloneButton", "&Clone", "Make a copy of \ncurrent reminder",
                         CopyGlyph(palette()), {263, 4, 74, 30});
    AdjustTimeButton = button("AdjustTimeButton", "Adjust Time +-",
                              "Adjust the current reminder time \nplus or minus ",
                              TurnGlyph(palette()), {348, 4, 96, 30});
    AdjustTimeButton->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(AddAlarmButton, &QPushButton::clicked, this, &TMainForm::AddAlarmButtonClick);
    connect(EditAlarmButton, &QPushButton::clicked, this, &TMainForm::EditAlarmButtonClick);
    connect(DeleteAlarmButton, &QPushButton::clicked, this, &TMainForm::DeleteAlarmButtonClick);
    connect(CloneButton, &QPushButton::clicked, this, &TMainForm::CloneButtonClick);
    connect(AdjustTimeButton, &QPushButton::clicked, this, &TMainForm::AdjustTimeButtonClick);
    connect(AdjustTimeButton, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { AdjustItemTimeMenu->popup(AdjustTimeButton->mapToGlobal(at)); });

    TimePanel = Named(new TGraphicPanel(Panel1), "TimePanel");
    TimePanel->setGeometry(519, 5, 72, 25);
    TimePanel->SetBevelOuter(TPanelBevel::bvNone);
    TimePanel->SetParentColor(true);
    TimePanel->SetFont({font(), Qt::black});
}

TClickableStringGrid* TMainForm::CreateGrid(const char* name, const QStringList& headers,
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
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(11);
    grid->setFont(arial);
    grid->SetHeaderFont({arial, Qt::black});
    grid->SetSelectedFont({arial, Qt::white});
    grid->SetSelectedColor(palette().color(QPalette::Highlight));
    grid->Loaded();
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
    return grid;
}

void TMainForm::CreateLists() {
    Panel3 = Named(new QWidget(centralWidget()), "Panel3");
    centralWidget()->layout()->addWidget(Panel3);
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
    TabSet->addTab(QStringLiteral("Reminders"));
    TabSet->addTab(QStringLiteral("Repeat Reminders"));
    layout->addWidget(TabSet);

    AlarmGrid = CreateGrid("AlarmGrid", {"Reminder", "When", "Status"}, {345, 137, 115});
    AlarmGrid->SetAlignmentVert(TVertAlignment::taMiddle);
    RepeatingAlarmGrid =
        CreateGrid("RepeatingAlarmGrid",
                   {"Repeat Reminder", "Days", "First Time", "Repeat Every...", "Next Reminder"},
                   {212, 110, 55, 81, 110});
    const auto page = [this](const char* name, TClickableStringGrid* grid) {
        auto* widget = Named(new QWidget, name);
        auto* fill = new QVBoxLayout(widget);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(grid);
        Notebook->addWidget(widget);
    };
    page("Reminders", AlarmGrid);
    page("Repeat Reminders", RepeatingAlarmGrid);

    AlarmGrid->OnGetCellFormat = std::bind_front(&TMainForm::AlarmGridGetCellFormat, this);
    AlarmGrid->OnGetHeaderCellFormat =
        std::bind_front(&TMainForm::AlarmGridGetHeaderCellFormat, this);
    RepeatingAlarmGrid->OnGetCellFormat =
        std::bind_front(&TMainForm::RepeatingAlarmGridGetCellFormat, this);
    RepeatingAlarmGrid->OnGetHeaderCellFormat =
        std::bind_front(&TMainForm::RepeatingAlarmGridGetHeaderCellFormat, this);
    connect(AlarmGrid, &TClickableStringGrid::DblClick, this, &TMainForm::AlarmGridDblClick);
    connect(RepeatingAlarmGrid, &TClickableStringGrid::DblClick, this,
            &TMainForm::RepeatingAlarmGridDblClick);
    connect(TabSet, &QTabBar::currentChanged, this, &TMainForm::TabSetClick);
    connect(Notebook, &QStackedWidget::currentChanged, this, &TMainForm::NotebookPageChanged);
}

void TMainForm::CreateBottomBar() {
    Panel2 = Bar(centralWidget(), "Panel2", 1);
    Panel4 = Bar(centralWidget(), "Panel4", 40);
    Minimizebutton =
        Named(new QPushButton(MinimizeGlyph(palette()), QStringLiteral("Minimize"), Panel4),
              "Minimizebutton");
    Minimizebutton->setGeometry(8, 2, 111, 29);
    Minimizebutton->setToolTip(QStringLiteral("Minimize Nudgery!"));
    Exitbutton = Named(new QPushButton(CrossGlyph(palette()), QStringLiteral("E&xit"), Panel4),
                       "Exitbutton");
    Exitbutton->setGeometry(511, 2, 68, 29);
    Exitbutton->setToolTip(QStringLiteral("Exit Nudgery!"));
    // The glyph stands right of the caption.
    Exitbutton->setLayoutDirection(Qt::RightToLeft);
    for (QPushButton* b : {Minimizebutton, Exitbutton})
        b->setFocusPolicy(Qt::TabFocus);
    connect(Minimizebutton, &QPushButton::clicked, this, &TMainForm::MinimizebuttonClick);
    connect(Exitbutton, &QPushButton::clicked, this, &TMainForm::mnuExitClick);

    // Tab runs from top to bottom: the button bar, the list shown, its tabs, the bottom bar.
    QWidget* const order[] = {AdjustTimeButton, AlarmGrid, RepeatingAlarmGrid, TabSet,
                              Minimizebutton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TMainForm::CreateMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu2"));
    File1 = Named(menuBar()->addMenu(QStringLiteral("&File")), "File1");
    mnuSetPreferences = Item(File1, "mnuSetPreferences", "&Set Preferences");
    Named(File1->addSeparator(), "N1");
    mnuImportCalendar = Item(File1, "mnuImportCalendar", "&Import Calendar File…");
    mnuExportCalendar = Item(File1, "mnuExportCalendar", "Ex&port to Calendar File…");
    Named(File1->addSeparator(), "N4");
    mnuDeleteremindersmarkedasdone =
        Item(File1, "mnuDeleteremindersmarkedasdone", "Delete reminders marked as &Done");
    Deleteremindersmarkedasexpired1 =
        Item(File1, "Deleteremindersmarkedasexpired1", "Delete reminders marked as &Expired");
    Named(File1->addSeparator(), "N2");
    Exit2 = Item(File1, "Exit2", "E&xit");

    mnuHelp = Named(menuBar()->addMenu(QStringLiteral("&Help")), "mnuHelp");
    mnuContents = Item(mnuHelp, "mnuContents", "&Contents", "Show Windows Help for Nudgery!");
    Named(mnuHelp->addSeparator(), "MenuItem1");
    mnuAbout = Item(mnuHelp, "mnuAbout", "&About", "About Nudgery!");

    mnuOnLine = Named(menuBar()->addMenu(QStringLiteral("Online")), "mnuOnLine");
    VisitOurInternetWebsite1 =
        Item(mnuOnLine, "VisitOurInternetWebsite1", "Visit Our Internet Website");

    connect(mnuSetPreferences, &QAction::triggered, this, &TMainForm::mnuSetPreferencesClick);
    connect(mnuImportCalendar, &QAction::triggered, this, &TMainForm::mnuImportCalendarClick);
    connect(mnuExportCalendar, &QAction::triggered, this, &TMainForm::mnuExportCalendarClick);
    connect(mnuDeleteremindersmarkedasdone, &QAction::triggered, this,
            &TMainForm::mnuDeleteremindersmarkedasdoneClick);
    connect(Deleteremindersmarkedasexpired1, &QAction::triggered, this,
            &TMainForm::Deleteremindersmarkedasexpired1Click);
    connect(Exit2, &QAction::triggered, this, &TMainForm::Exit2Click);
    connect(mnuContents, &QAction::triggered, this, &TMainForm::mnuContentsClick);
    BindHelpKey(*this, services_.help, ContentsHelpTopic);
    connect(mnuAbout, &QAction::triggered, this, &TMainForm::mnuAboutClick);
    connect(VisitOurInternetWebsite1, &QAction::triggered, this,
            &TMainForm::VisitOurInternetWebsite1Click);
}

void TMainForm::CreatePopupMenus() {
    TrayMenu = Named(new QMenu(this), "TrayMenu");
    mnuShowNudgery = Item(TrayMenu, "mnuShowNudgery", "&Show Nudgery");
    Exit1 = Item(TrayMenu, "Exit1", "E&xit");
    connect(mnuShowNudgery, &QAction::triggered, this, &TMainForm::mnuShowNudgeryClick);
    connect(Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);

    AdjustItemTimeMenu = Named(new QMenu(this), "AdjustItemTimeMenu");
    struct Shift {
        const char* name;
        const char* caption;
        int minutes;
    };
    static constexpr Shift later[] = {
        {"Add1Minute", "+1 Minute", 1},      {"Add5Minutes", "+5 Minutes", 5},
        {"Add20Minutes", "+20 Minutes", 20}, {"Add1Hour", "+1 Hour", 60},
        {"N2Hours1", "+2 Hours", 120},       {"N6Hours1", "+6 Hours", 360},
        {"N12Hours1", "+12 Hours", 720},     {"Add1Day", "+1 Day", 1440},
        {"Add1Week", "+1 Week", 10080}};
    static constexpr Shift earlier[] = {
        {"Less1Minute", "-1 Minute", -1},      {"Less5Minutes", "-5 Minutes", -5},
        {"Less20Minutes", "-20 Minutes", -20}, {"Less1Hour", "-1 Hour", -60},
        {"N2Hours2", "-2 Hours", -120},        {"N6Hours2", "-6 Hours", -360},
        {"N12Hours2", "-12 Hours", -720},      {"LessOneDay", "-1 Day", -1440},
        {"LessOneWeek", "-1 Week", -10080}};
    const auto addShifts = [this](const auto& shifts) {
        for (const Shift& shift : shifts) {
            QAction* item = Item(AdjustItemTimeMenu, shift.name, shift.caption);
            item->setProperty("Tag", shift.minutes);
            connect(item, &QAction::triggered, this, [this, item] { AdjustTime(item); });
        }
    };
    addShifts(later);
    Named(AdjustItemTimeMenu->addSeparator(), "N3");
    addShifts(earlier);

    WhatsThisMenu = Named(new QMenu(this), "WhatsThisMenu");
    Item(WhatsThisMenu, "Whatsthis", "What's this?");
}

} // namespace nudgery
