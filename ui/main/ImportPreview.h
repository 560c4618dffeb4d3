#pragma once
// TImportPreview: what importing a calendar file will add, and what it cannot take and why,
// shown before anything is added. Accepted only when the user agrees to add.

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace nudgery {

class DateFormats;
struct ImportPlan;

class TImportPreview : public QDialog {
    Q_OBJECT
public:
    TImportPreview(const ImportPlan& plan, const QString& fileName, const DateFormats& formats,
                   QWidget* parent);

private:
    QLabel* Prompt = nullptr;
    QLabel* AddLabel = nullptr;
    QTreeWidget* AddList = nullptr;
    QLabel* NotesLabel = nullptr;
    QLabel* RefusedLabel = nullptr;
    QTreeWidget* RefusedList = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

} // namespace nudgery
