#include "MissedReminders.h"

#include "alerts/CoreWords.h"
#include "art/ProgramArt.h"
#include "core/date_formats.h"
#include "core/reminder.h"
#include "platform/desktop_font.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace nudgery {

TMissedReminders::TMissedReminders(const DateFormats& formats, const Clock& clock)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), formats_(formats), clock_(clock) {
    setObjectName(QStringLiteral("MissedReminders"));
    setWindowTitle(tr("Missed Reminders"));
    setWindowIcon(ProgramIcon());
    setFont(DesktopFontInPixels(11));
    // It comes up while the user may be typing elsewhere: it is seen, on top, but the
    // keyboard stays where it was.
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(440, 220);

    Prompt = new QLabel(tr("These reminders fell due while Nudgery! could not show them:"), this);
    Prompt->setObjectName(QStringLiteral("Prompt"));
    Prompt->setWordWrap(true);

    MissedList = new QTreeWidget(this);
    MissedList->setObjectName(QStringLiteral("MissedList"));
    MissedList->setHeaderLabels({tr("Reminder"), tr("When")});
    MissedList->setRootIsDecorated(false);
    MissedList->setSelectionMode(QAbstractItemView::NoSelection);
    MissedList->setAccessibleName(tr("Missed reminders"));
    MissedList->header()->setStretchLastSection(false);
    MissedList->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    MissedList->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    OkButton = new QPushButton(tr("Ok"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    // The window opens on Ok; Tab goes to the list, where the arrow keys read it row by row.
    OkButton->setFocus();
    connect(OkButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Prompt);
    layout->addWidget(MissedList);
    layout->addLayout(buttons);
}

void TMissedReminders::AddBatch(const std::vector<MissedLine>& batch) {
    if (batch.empty())
        return;
    missed_.insert(missed_.end(), batch.begin(), batch.end());
    std::stable_sort(missed_.begin(), missed_.end(),
                     [](const MissedLine& a, const MissedLine& b) { return a.first > b.first; });
    Refill();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
}

void TMissedReminders::Refill() {
    MissedList->clear();
    // The texts are made anew each time: what was "Today at" yesterday has its date now.
    for (const MissedLine& line : missed_) {
        QString when = CoreText(DueTimeText(line.first, formats_, clock_));
        if (const std::string more = MoreText(line, formats_); !more.empty())
            when += QLatin1Char(' ') + CoreText(more);
        MissedList->addTopLevelItem(
            new QTreeWidgetItem({QString::fromLocal8Bit(line.description), when}));
    }
}

void TMissedReminders::closeEvent(QCloseEvent* event) {
    missed_.clear();
    MissedList->clear();
    QWidget::closeEvent(event);
}

} // namespace nudgery
