#include "ImportPreview.h"

#include "alerts/CoreWords.h"
#include "core/calendar_import.h"
#include "core/date_formats.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace nudgery {
namespace {

QString Shown(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes);
}

QTreeWidget* List(QWidget* parent, const char* name, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->header()->setStretchLastSection(true);
    return list;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

TImportPreview::TImportPreview(const ImportPlan& plan, const QString& fileName,
                               const DateFormats& formats, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ImportPreview"));
    setWindowTitle(tr("Import Calendar File"));
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(11);
    setFont(arial);
    resize(560, 420);

    Prompt = Label(this, "Prompt",
                   QStringLiteral("%1\n%2").arg(fileName, CoreSentences(PlanSummary(plan))));
    AddLabel = Label(this, "AddLabel", tr("Will be added:"));
    AddList = List(this, "AddList", {tr("Reminder"), tr("When")});
    AddList->header()->resizeSection(0, 280);
    AddList->setAccessibleName(tr("Reminders that will be added"));
    for (const PlannedReminder& planned : plan.reminders)
        AddList->addTopLevelItem(new QTreeWidgetItem(
            {Shown(planned.reminder.Description), CoreText(PlannedWhenText(planned, formats))}));
    QStringList notes;
    for (const std::string& note : plan.notes)
        notes << CoreText(note) + QLatin1Char('.');
    NotesLabel = Label(this, "NotesLabel", notes.join(QLatin1Char('\n')));
    RefusedLabel = Label(this, "RefusedLabel", tr("Cannot be taken:"));
    RefusedList = List(this, "RefusedList", {tr("Entry"), tr("Why")});
    RefusedList->header()->resizeSection(0, 280);
    RefusedList->setAccessibleName(tr("Entries that cannot be taken"));
    for (const RefusedItem& refused : plan.refused)
        RefusedList->addTopLevelItem(
            new QTreeWidgetItem({Shown(refused.what), CoreText(refused.reason)}));

    AddButton = new QPushButton(tr("&Add"), this);
    AddButton->setObjectName(QStringLiteral("AddButton"));
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(AddButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    if (plan.reminders.empty()) {
        // Nothing to agree to: the window only tells.
        AddButton->hide();
        CancelButton->setText(tr("Close"));
        CancelButton->setDefault(true);
    } else {
        AddButton->setDefault(true);
    }
    AddLabel->setVisible(!plan.reminders.empty());
    AddList->setVisible(!plan.reminders.empty());
    NotesLabel->setVisible(!notes.isEmpty());
    RefusedLabel->setVisible(!plan.refused.empty());
    RefusedList->setVisible(!plan.refused.empty());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Prompt);
    layout->addWidget(AddLabel);
    layout->addWidget(AddList, 3);
    layout->addWidget(NotesLabel);
    layout->addWidget(RefusedLabel);
    layout->addWidget(RefusedList, 1);
    layout->addStretch(0);
    layout->addLayout(buttons);
}

} // namespace nudgery
